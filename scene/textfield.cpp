#include "scene/textfield.h"

#include "base/linefmt.h"

#include <cstring>

void CopyTextCut(char* field, size_t size, const char* text) {
    if (size == 0) return;
    size_t n = 0;
    if (text) {
        n = strnlen(text, size);
        if (n == size) n = WholeCharPrefix(text, size - 1);
        std::memmove(field, text, n);
    }
    field[n] = '\0';
}
