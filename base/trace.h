// Process-wide printf-style debug trace, separate from the user's message window. Lines go to
// a replaceable sink, by default the debugger output.
#pragma once

#include "base/linefmt.h"

#include <cstdarg>

// Receives each text with the sink's context, which may be null.
typedef void (*TRACEFUNC)(void* context, const char* text);

// The default sink: OutputDebugStringA.
void TraceToDebugger(void* context, const char* text);
void ResetTrace();
// A null sink turns the trace off.
void SetTrace(void* context, TRACEFUNC sink);
void GetTrace(void*& context, TRACEFUNC& sink);
// Whether Trace and TraceVLn end their text with "\n" (on at start).
void SetTraceNewLine(int flag);
int IsTraceOn();
void EmitTrace(const char* text);

// Texts longer than 1023 bytes (1022 and the line ending in the line forms) are cut.
void Trace(const char* format, ...) HX_PRINTF_FORMAT(1, 2);
void TraceNoNewline(const char* format, ...) HX_PRINTF_FORMAT(1, 2);
void TraceV(const char* format, va_list args);
void TraceVLn(const char* format, va_list args);

// Dumps: a 4x4 matrix as four rows, six floats as three pairs, four floats on one line.
void TraceMatrix(const char* name, const float* m);
void TraceFloatPairs(const char* name, const float* v);
void DebugPrintFloat4(const char* name, const float* v);
