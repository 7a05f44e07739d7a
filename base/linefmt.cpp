#include "base/linefmt.h"

#include <cstdio>

namespace {

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

} // namespace

size_t WholeCharPrefix(const char* text, size_t length) {
    // A trail byte can look like a lead byte, so the walk starts at the beginning.
    size_t i = 0;
    while (i < length) {
        size_t step = IsLeadByte((unsigned char)text[i]) ? 2 : 1;
        if (i + step > length) break;
        i += step;
    }
    return i;
}

int FormatLine(char* buffer, size_t size, bool newline, const char* format, va_list args) {
    size_t room = size - (newline ? 1 : 0);
    size_t length = 0;
    buffer[0] = 0;
    if (format) {
        int n = vsnprintf(buffer, room, format, args);
        if (n > 0) length = (size_t)n < room ? (size_t)n : WholeCharPrefix(buffer, room - 1);
    }
    if (newline) buffer[length++] = '\n';
    buffer[length] = 0;
    return (int)length;
}
