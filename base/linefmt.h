// printf-style formatting into a fixed buffer for text that is only shown or traced: a text
// that does not fit is cut, never in the middle of a Shift-JIS character.
#pragma once

#include <cstdarg>
#include <cstddef>

// Lets the compiler check the arguments of a printf-style function.
#define HX_PRINTF_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))

// Formats into buffer (size bytes, at least 2) and, when newline is set, appends "\n". A null
// format gives an empty text. Returns the length of the result.
int FormatLine(char* buffer, size_t size, bool newline, const char* format, va_list args);

// The longest prefix of text (length bytes) that ends on a character boundary.
size_t WholeCharPrefix(const char* text, size_t length);
