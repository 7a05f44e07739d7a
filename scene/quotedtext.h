// Text that the renderer's files and command line put between double quotes. A '"' would end the
// quotes early and a control character would end the line, so neither may come through from the
// document or the host: paths holding one are refused, names have them replaced.
#pragma once

#include <cstddef>

class UMESS;

// True when text holds no '"' and no control character.
bool IsQuotable(const char* text);
// Replaces each '"' and control character of the n bytes at text by '_'. Neither is ever a byte of a
// Shift-JIS pair (second bytes run from 0x40), so characters stay whole.
void MakeQuotable(char* text, size_t n);
// 1 when the path is quotable; else 0, after a failure line that shows the path made quotable.
int CheckQuotableName(const UMESS& mess, const char* path);
// 1 when the path is quotable and its last byte is not 0x5C (a backslash, or the second byte of a
// double-byte character), which would escape its closing quote on a command line; else 0, after a
// failure line that shows the path made quotable.
int CheckQuotablePath(const UMESS& mess, const char* path);
