#include "base/tabfout.h"

void TABFOUT::PushIndent() {
    if (depth < int(sizeof indent) - 1) indent[depth++] = '\t';
}

int TABFOUT::IndentNewLine() {
    PutIndent();
    return PrintNewLine();
}

int TABFOUT::IndentWrite32(float value) {
    PutIndent();
    return Write32(value);
}

// Each line goes out in one write: indent, text and line end together.
void TABFOUT::Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatWrite("", 0, format, args, "", 0);
    va_end(args);
}

void TABFOUT::PrintLn(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatWrite("", 0, format, args, "\r\n", 2);
    va_end(args);
}

void TABFOUT::IndentPrint(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatWrite(indent, depth, format, args, "", 0);
    va_end(args);
}

void TABFOUT::IndentPrintLn(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatWrite(indent, depth, format, args, "\r\n", 2);
    va_end(args);
}
