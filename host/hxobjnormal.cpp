#include "host/hxobjnormal.h"

#include <algorithm>
#include <cmath>

#include "base/facegeom.h"
#include "host/hxgeom.h"

namespace {

FVEC3 FaceNormal(const HXObj& obj, const HXFaceCorners& face) {
    auto p = [&](int k) { return ToFVEC3(obj.GetVertex(face.index[k])); };
    if (face.count == 3) return GetTriNormal(p(0), p(1), p(2));
    if (face.count == 4) return GetQuadNormal(p(0), p(1), p(2), p(3));
    return FVEC3(0, 0, 0);
}

// The running sum of the face normals that share one smoothed normal at a vertex; the
// accumulators of one vertex form a chain, one per group of faces within the smoothing angle.
struct Accumulator {
    FVEC3 sum;
    int count;
    int next;
};

class Smoother {
  public:
    Smoother(int vertexCount, int faceCount, float smoothAngle)
        : limit_(std::cos(smoothAngle / 180.0f * 3.1415927f)),
          pool_(size_t(vertexCount) + 4 * size_t(faceCount), Accumulator{FVEC3(0, 0, 0), 0, -1}),
          nextFree_(vertexCount) {}

    // The accumulator that face normal n joins at vertex v.
    int Join(int v, const FVEC3& n) {
        int e = v;
        if (pool_[e].count == 0) return Start(e, n);
        for (;;) {
            Accumulator& acc = pool_[e];
            float nn = n.LengthSq(), ss = acc.sum.LengthSq();
            float c = nn > 0 && ss > 0 ? n.Dot(acc.sum) / std::sqrt(nn * ss) : 0.0f;
            if (c >= limit_) {
                acc.sum += n;
                acc.count++;
                return e;
            }
            if (acc.next < 0) return Start(acc.next = nextFree_++, n);
            e = acc.next;
        }
    }

    void Finish() {
        for (Accumulator& acc : pool_) {
            if (acc.count > 1) acc.sum = NormalizeOrZero(acc.sum);
        }
    }

    const FVEC3& Sum(int e) const { return pool_[e].sum; }

  private:
    int Start(int e, const FVEC3& n) {
        pool_[e] = Accumulator{n, 1, -1};
        return e;
    }

    float limit_;
    std::vector<Accumulator> pool_;
    int nextFree_;
};

} // namespace

// Faces whose corners cannot be read (more than four, or a vertex the object lacks) keep four
// zero slots and never join a smoothed normal.
HXObjNormal::HXObjNormal(const HXObj& obj) {
    // Read once: the pool holds one first accumulator per vertex the faces were checked against.
    int vertexCount = std::max(obj.GetVertexCount(), 0);
    std::vector<HXFaceCorners> faces = ReadObjectFaces(obj, vertexCount);
    faceCount_ = int(faces.size());
    normals_.assign(4 * faces.size(), HXPOINT{0, 0, 0});
    std::vector<FVEC3> faceNormals(faces.size());
    for (size_t f = 0; f < faces.size(); f++)
        faceNormals[f] = FaceNormal(obj, faces[f]);

    // The host knows flat (0) and smooth (1) shading; anything else is taken as flat.
    if (obj.GetShading() != 1) {
        for (size_t f = 0; f < faces.size(); f++) {
            for (int k = 0; k < faces[f].count; k++)
                normals_[4 * f + k] = ToHXPOINT(faceNormals[f]);
        }
        return;
    }

    Smoother smoother(vertexCount, faceCount_, obj.GetSmoothAngle());
    std::vector<int> uses(4 * faces.size(), -1);
    for (size_t f = 0; f < faces.size(); f++) {
        if (faces[f].count < 3) continue;
        for (int k = 0; k < faces[f].count; k++)
            uses[4 * f + k] = smoother.Join(faces[f].index[k], faceNormals[f]);
    }
    smoother.Finish();
    for (size_t i = 0; i < uses.size(); i++) {
        if (uses[i] >= 0) normals_[i] = ToHXPOINT(smoother.Sum(uses[i]));
    }
}

HXObjNormal::~HXObjNormal() = default;

HXPOINT HXObjNormal::GetNormal(int face, int corner) const {
    if (face < 0 || face >= faceCount_ || corner < 0 || corner >= 4) return HXPOINT{0, 0, 0};
    return normals_[4 * size_t(face) + corner];
}
