#include "scene/hxo_records.h"

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
