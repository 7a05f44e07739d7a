// Faces read through the host: corner lists, twin faces and the screen-facing test.
#include "host/hxgeom.h"

#include <algorithm>

#include "host/hxhostfn.h"

namespace {
// The host's float query that projects a scene point onto the screen.
const int kSceneToScreen = 0x300;
} // namespace

// The host writes one entry per corner, so the count decides whether the four slots can be
// handed over at all.
int ReadFaceCorners(const HXObj& obj, int face, int corners[4], int vertexCount) {
    int n = obj.GetFacePointCount(face);
    if (n <= 0 || n > 4) return 0;
    obj.GetFacePointArray(face, corners);
    if (vertexCount >= 0) {
        for (int k = 0; k < n; k++) {
            if (corners[k] < 0 || corners[k] >= vertexCount) return 0;
        }
    }
    return n;
}

std::vector<HXFaceCorners> ReadObjectFaces(const HXObj& obj, int vertexCount) {
    std::vector<HXFaceCorners> faces(std::max(obj.GetFaceCount(), 0));
    for (size_t f = 0; f < faces.size(); f++)
        faces[f].count = ReadFaceCorners(obj, int(f), faces[f].index, vertexCount);
    return faces;
}

int FindTwinFace(const HXObj& obj, int face, int first, int last) {
    int count = obj.GetFaceCount();
    if (face < 0 || face >= count) return -1;
    int a[4];
    int n = ReadFaceCorners(obj, face, a);
    if (n == 0) return -1;
    int from = first < 0 ? 0 : first;
    int to = last < 0 ? count - 1 : std::min(last, count - 1);
    for (int f = from; f <= to; f++) {
        int b[4];
        if (ReadFaceCorners(obj, f, b) != n) continue;
        for (int i = 0; i < n; i++) {
            if (b[i] != a[0]) continue;
            int j = 1;
            while (j < n && b[(i + j) % n] == a[n - j])
                j++;
            if (j == n) return f;
        }
    }
    return -1;
}

bool IsFaceFrontOnScreen(const HXScene& scene, const HXObj& obj, int face) {
    int v[4];
    int n = ReadFaceCorners(obj, face, v);
    HXPOINT s[4];
    for (int k = 0; k < n; k++) {
        ConvertSceneToScreen(scene, &s[k], obj.GetVertex(v[k]), nullptr);
        if (!(s[k].z > 0)) return false;
    }
    if (n < 3) return n > 0;
    if ((s[1].x - s[0].x) * (s[2].y - s[1].y) - (s[1].y - s[0].y) * (s[2].x - s[1].x) < 0) return true;
    if (n < 4) return false;
    return (s[2].x - s[0].x) * (s[3].y - s[2].y) - (s[2].y - s[0].y) * (s[3].x - s[2].x) < 0;
}

// The block is zeroed first, so a host that answers nothing projects every point to z = 0.
void ConvertSceneToScreen(const HXScene& scene, HXPOINT* out, const HXPOINT& point, float* w) {
    float block[7] = {point.x, point.y, point.z, 0, 0, 0, 0};
    hxfn::HXScene_FloatValue(scene.Handle(), kSceneToScreen, block);
    out->Set(block[3], block[4], block[5]);
    if (w) *w = block[6];
}
