#include "base/trace.h"

#include <windows.h>

namespace {

TRACEFUNC traceSink = TraceToDebugger;
void* traceContext = nullptr;
int traceNewLine = 1; // whether the line forms end their text with "\n"

void FormatTrace(bool line, const char* format, va_list args) {
    if (!traceSink) return;
    char buffer[1024];
    FormatLine(buffer, sizeof buffer, line && traceNewLine, format, args);
    EmitTrace(buffer);
}

} // namespace

void TraceToDebugger(void*, const char* text) {
    OutputDebugStringA(text);
}

void ResetTrace() {
    SetTrace(nullptr, TraceToDebugger);
}

void SetTrace(void* context, TRACEFUNC sink) {
    traceContext = context;
    traceSink = sink;
}

void GetTrace(void*& context, TRACEFUNC& sink) {
    context = traceContext;
    sink = traceSink;
}

void SetTraceNewLine(int flag) {
    traceNewLine = flag;
}

int IsTraceOn() {
    return traceSink ? 1 : 0;
}

void EmitTrace(const char* text) {
    if (traceSink) traceSink(traceContext, text);
}

void Trace(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatTrace(true, format, args);
    va_end(args);
}

void TraceNoNewline(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatTrace(false, format, args);
    va_end(args);
}

void TraceV(const char* format, va_list args) {
    FormatTrace(false, format, args);
}

void TraceVLn(const char* format, va_list args) {
    FormatTrace(true, format, args);
}

void TraceMatrix(const char* name, const float* m) {
    if (!IsTraceOn()) return;
    for (int row = 0; row < 4; row++)
        Trace("%s[%d] (%f,%f,%f,%f)", name, row, m[4 * row], m[4 * row + 1], m[4 * row + 2], m[4 * row + 3]);
}

void TraceFloatPairs(const char* name, const float* v) {
    if (!IsTraceOn()) return;
    for (int i = 0; i < 3; i++)
        Trace("%s[%d] (%f,%f)", name, i, v[2 * i], v[2 * i + 1]);
}

void DebugPrintFloat4(const char* name, const float* v) {
    if (!IsTraceOn()) return;
    Trace("%s (%f,%f,%f,%f)", name, v[0], v[1], v[2], v[3]);
}
