// Colours, vectors and matrices on the byte stream. Their components are contiguous floats (or
// four colour bytes), so each value goes through the per-item paths in one call.
#include "base/fout.h"

#include "base/fmatrix.h"
#include "base/rgbcolor.h"

int FOUT::WriteColor(const RGBCOLOR& c) {
    return WriteSwapped(&c, 4);
}
int FOUT::WriteFVEC2(const FVEC2& v) {
    return WriteItems(&v, 4, 2);
}
int FOUT::WriteFVEC3(const FVEC3& v) {
    return WriteItems(&v, 4, 3);
}
int FOUT::WriteFVEC4(const FVEC4& v) {
    return WriteItems(&v, 4, 4);
}
int FOUT::WriteMatrix(const FMATRIX& m) {
    return WriteItems(m.m, 4, 16);
}
int FOUT::WriteColor(const RGBCOLOR* p, int count) {
    return WriteItems(p, 4, count);
}
int FOUT::WriteFVEC2(const FVEC2* p, int count) {
    return WriteItems(p, 4, 2 * count);
}
int FOUT::WriteFVEC3(const FVEC3* p, int count) {
    return WriteItems(p, 4, 3 * count);
}
int FOUT::WriteFVEC4(const FVEC4* p, int count) {
    return WriteItems(p, 4, 4 * count);
}
int FOUT::WriteMatrix(const FMATRIX* p, int count) {
    return WriteItems(p, 4, 16 * count);
}

RGBCOLOR FOUT::ReadColor() {
    return ReadValue<RGBCOLOR>();
}
FVEC2 FOUT::ReadFVEC2() {
    return ReadFloats<FVEC2>();
}
FVEC3 FOUT::ReadFVEC3() {
    return ReadFloats<FVEC3>();
}
FVEC4 FOUT::ReadFVEC4() {
    return ReadFloats<FVEC4>();
}
FMATRIX FOUT::ReadMatrix() {
    return ReadFloats<FMATRIX>();
}
int FOUT::ReadColor(RGBCOLOR* p, int count) {
    return ReadItems(p, 4, count);
}
int FOUT::ReadFVEC2(FVEC2* p, int count) {
    return ReadItems(p, 4, 2 * count);
}
int FOUT::ReadFVEC3(FVEC3* p, int count) {
    return ReadItems(p, 4, 3 * count);
}
int FOUT::ReadFVEC4(FVEC4* p, int count) {
    return ReadItems(p, 4, 4 * count);
}
int FOUT::ReadMatrix(FMATRIX* p, int count) {
    return ReadItems(p, 4, 16 * count);
}
