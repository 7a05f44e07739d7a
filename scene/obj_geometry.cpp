// Measures of a host object: its box, centre and most used material.
#include "scene/convert_scene.h"

#include <float.h>

#include <vector>

#include "host/hxwrap.h"

void BBOX::Init() {
    min = FVEC3(FLT_MAX, FLT_MAX, FLT_MAX);
    max = FVEC3(-FLT_MAX, -FLT_MAX, -FLT_MAX);
}

void BBOX::Merge(const FVEC3& p) {
    if (min.x > p.x) min.x = p.x;
    if (min.y > p.y) min.y = p.y;
    if (min.z > p.z) min.z = p.z;
    if (max.x < p.x) max.x = p.x;
    if (max.y < p.y) max.y = p.y;
    if (max.z < p.z) max.z = p.z;
}

static FVEC3 VertexOf(const HXObj& obj, int i) {
    HXPOINT p = obj.GetVertex(i);
    return FVEC3(p.x, p.y, p.z);
}

FVEC3 GetObjCentroid(const HXObj& obj) {
    int n = obj.GetVertexCount();
    FVEC3 sum(0, 0, 0);
    if (n <= 0) return sum;
    for (int i = 0; i < n; i++)
        sum += VertexOf(obj, i);
    sum /= (float)n;
    return sum;
}

void GetObjBBox(const HXObj& obj, BBOX* box) {
    int n = obj.GetVertexCount();
    *box = BBOX();
    if (n <= 0) return;
    box->Init();
    for (int i = 0; i < n; i++)
        box->Merge(VertexOf(obj, i));
}

int GetObjMainMtl(const HXDoc& doc, const HXObj& obj) {
    int mtlCount = doc.GetMaterialCount();
    if (mtlCount < 0) mtlCount = 0;
    // counts[0] is for faces without material (-1), counts[m + 1] for material m.
    std::vector<int> counts((size_t)mtlCount + 1, 0);
    int faces = obj.GetFaceCount();
    for (int f = 0; f < faces; f++) {
        int m = obj.GetFaceMaterial(f);
        if (m >= -1 && m < mtlCount) counts[(size_t)(m + 1)]++;
    }
    int best = 0;
    for (size_t i = 1; i < counts.size(); i++) {
        if (counts[i] > counts[(size_t)best]) best = (int)i;
    }
    return best - 1;
}
