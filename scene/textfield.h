// Copying texts into the fixed text fields of the settings records.
#pragma once

#include <cstddef>

// Copies text into a field of size bytes, always terminated. A longer text is cut at size - 1 bytes,
// or one byte earlier so that a Shift-JIS double-byte character is never split; null gives empty text.
void CopyTextCut(char* field, size_t size, const char* text);

template <size_t N> void SetTextField(char (&field)[N], const char* text) {
    CopyTextCut(field, N, text);
}
