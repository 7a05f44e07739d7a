// Registry reads for state kept between runs: a value counts only when it has the expected type, so a
// value written by something else under the same name reads as missing.
#pragma once
#include "base/uregkey.h"

// 1 when the value is a REG_DWORD; out is left alone otherwise.
int ReadRegInt(const UREGKEY& key, const char* name, int* out);
// 1 when the value is a REG_SZ that fits in size bytes with its terminator; out is left alone otherwise.
int ReadRegString(const UREGKEY& key, const char* name, char* out, DWORD size);
