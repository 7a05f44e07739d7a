#include "scene/hxo_records.h"

#include <cstring>

#include "base/linefmt.h"

int HxoCopyText(char* field, int size, const char* text) {
    if (!text) text = "";
    size_t n = std::strlen(text);
    int fits = n < size_t(size);
    if (!fits) n = WholeCharPrefix(text, size - 1);
    std::memmove(field, text, n);
    field[n] = 0;
    return fits;
}

HXO_BONE* HXO_BONE::GetNext(const HXO_BONE* bone) {
    if (!bone) return nullptr;
    if (bone->child) return bone->child;
    for (const HXO_BONE* b = bone; b; b = b->parent)
        if (b->next) return b->next;
    return nullptr;
}

HXO_BONE* HXO_BONE::GetPrev(const HXO_BONE* bone) {
    if (!bone) return nullptr;
    return bone->prev ? bone->prev : bone->parent;
}

int HXO_PAIRTABLE::FindFirst(int b) const {
    for (const PAIR& p : pairs)
        if (p.second == b) return p.first;
    return 0;
}

int HXO_PAIRTABLE::FindSecond(int a) const {
    for (const PAIR& p : pairs)
        if (p.first == a) return p.second;
    return 0;
}
