// Quaternions on the byte stream: four floats x, y, z, w, each an item of its own.
#include "base/fout.h"

#include "base/fquat.h"

int FOUT::WriteQuat(const FQUAT& q) {
    return WriteItems(&q, 4, 4);
}

int FOUT::WriteQuat(const FQUAT* p, int count) {
    return WriteItems(p, 4, 4 * count);
}

FQUAT FOUT::ReadQuat() {
    return ReadFloats<FQUAT>();
}

int FOUT::ReadQuat(FQUAT* p, int count) {
    return ReadItems(p, 4, 4 * count);
}
