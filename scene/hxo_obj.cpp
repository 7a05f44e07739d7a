#include "scene/hxo_model.h"

#include <cmath>

void HXO_OBJ::Init() {
    name[0] = 0;
    text2[0] = 0;
    int2 = 1;
    int3 = 0;
    patch = 0;
    segment = 1;
    shading = 1;
    // Radians by meaning; every exported object has its facet set before it is written.
    facet = 60.0f;
    color = FVEC4(1, 1, 1, 1);
    for (int& v : attr_int)
        v = 0;
    attr_int[5] = 3;
    attr_float = 0.0f;
    depth = 0;
    folding = 0;
    scale = FVEC3(1, 1, 1);
    rotation = FVEC3(0, 0, 0);
    translation = FVEC3(0, 0, 0);
    triangles = 0;
    flags = 0x3C;
    flags2 = 0;
    int4 = 0;
}

void HXO_OBJ::SetName(const char* text) {
    SetTextField(name, text);
    SetBit(flags, 5, 1);
}

void HXO_OBJ::CopyAttributes(const HXO_OBJ& other) {
    flags = other.flags;
    int2 = other.int2;
    int3 = other.int3;
    patch = other.patch;
    segment = other.segment;
    shading = other.shading;
    facet = other.facet;
    color = other.color;
    for (int k = 0; k < 6; ++k)
        attr_int[k] = other.attr_int[k];
    attr_float = other.attr_float;
}

void HXO_OBJ::UpdateTriangleCount() {
    triangles = 0;
    for (int i = 0; i < faces.GetCount(); ++i) {
        int n = faces[i]->GetPointCount();
        if (n > 2) triangles += n - 2;
    }
}

namespace {

// Drops repeated corners; 0 when fewer than three are left or the quad folds onto itself.
bool RebuildCorners(HXO_FACE& face) {
    int n = face.GetPointCount();
    if (n == 4 && (face.GetIndex(0) == face.GetIndex(2) || face.GetIndex(1) == face.GetIndex(3)))
        return false;
    HXO_FACE::CORNER kept[4];
    FVEC4 colors[4];
    int count = 0;
    for (int j = 0; j < n; ++j) {
        int index = face.GetIndex(j);
        if (j > 0 && j == n - 1 && index == face.GetIndex(0)) continue;
        if (j > 0 && face.GetIndex(j - 1) == index) continue;
        colors[count] = face.GetColor(j);
        kept[count++] = face.GetCorner(j);
    }
    for (int k = 0; k < count; ++k) {
        face.SetCorner(k, kept[k]);
        if (face.HasColors()) face.SetColor(k, colors[k]);
    }
    face.SetPointCount(count);
    return count >= 3;
}

} // namespace

void HXO_OBJ::RemoveDegenerateFaces() {
    for (int i = 0; i < faces.GetCount(); ++i)
        if (!RebuildCorners(*faces[i])) faces.DeleteAt(i);
    faces.Pack();
}

void HXO_FACE::SetColor(int k, const FVEC4& v) {
    if (!colors) colors = new FVEC4[4]{FVEC4::Zero, FVEC4::Zero, FVEC4::Zero, FVEC4::Zero};
    colors[k] = v;
}

const FVEC4& HXO_FACE::GetColor(int k) const {
    return colors ? colors[k] : FVEC4::Zero;
}

void HXO_FACE::NormalizeUV() {
    float minU = 0.0f, minV = 0.0f;
    for (int k = 0; k < count; ++k) {
        if (corners[k].uv.x < minU) minU = corners[k].uv.x;
        if (corners[k].uv.y < minV) minV = corners[k].uv.y;
    }
    FVEC2 shift(-std::floor(minU), -std::floor(minV));
    for (int k = 0; k < count; ++k)
        corners[k].uv += shift;
}

void HXO_OBJ::NormalizeUVs() {
    for (int i = 0; i < faces.GetCount(); ++i)
        faces[i]->NormalizeUV();
}

void HXO_OBJ::ScaleVertices(float factor) {
    for (FVEC3& v : vertices)
        v *= factor;
}

void HXO_OBJ::MakeVertexWeights() {
    if (weights.size() < vertices.size()) weights.resize(vertices.size());
}

HXO_WEIGHTLIST* HXO_OBJ::GetVertexWeights(int i) {
    if (i < 0 || i >= int(weights.size())) return nullptr;
    return &weights[i];
}

void HXO_OBJ::SetVertexWeight(int i, int key, float weight) {
    HXO_WEIGHTLIST* list = GetVertexWeights(i);
    if (!list) return;
    for (HXO_WEIGHT& w : *list)
        if (w.key == key) {
            w.weight = weight;
            return;
        }
    list->push_back({key, weight});
}

float HXO_OBJ::GetVertexWeight(int i, int key) const {
    if (i < 0 || i >= int(weights.size())) return 0.0f;
    for (const HXO_WEIGHT& w : weights[i])
        if (w.key == key) return w.weight;
    return 0.0f;
}
