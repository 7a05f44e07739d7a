#include "base/umess.h"

void UMESS::Format(bool line, const char* format, va_list args) const {
    if (!callback) return;
    char buffer[1024];
    FormatLine(buffer, sizeof buffer, line && newline, format, args);
    Output(buffer);
}

void UMESS::Printf(const char* format, ...) const {
    va_list args;
    va_start(args, format);
    Format(false, format, args);
    va_end(args);
}

void UMESS::VPrintf(const char* format, va_list args) const {
    Format(false, format, args);
}

void UMESS::PrintfLn(const char* format, ...) const {
    va_list args;
    va_start(args, format);
    Format(true, format, args);
    va_end(args);
}

void UMESS::VPrintfLn(const char* format, va_list args) const {
    Format(true, format, args);
}
