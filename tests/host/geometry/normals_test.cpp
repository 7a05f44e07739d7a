#include <gtest/gtest.h>

#include <cmath>

#include "geometry_host.h"
#include "host/hxhostfn.h"
#include "host/hxobjnormal.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

void ExpectNear(const HXPOINT& p, float x, float y, float z) {
    EXPECT_NEAR(p.x, x, 1e-5f);
    EXPECT_NEAR(p.y, y, 1e-5f);
    EXPECT_NEAR(p.z, z, 1e-5f);
}

void ExpectZero(const HXPOINT& p) {
    EXPECT_EQ(p, (HXPOINT{0, 0, 0}));
}

// Where cube vertex v sits relative to the centre, as -1 or +1 per axis.
float Side(int v, int axis) {
    return (v >> axis & 1) ? 1.0f : -1.0f;
}

const int kCubeFaces[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1},
                              {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
const float kCubeNormals[6][3] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}};

TEST(ObjNormal, CubeCornersTakeTheirFaceNormalUnlessSmoothedPastARightAngle) {
    for (auto [shading, angle] : {std::pair{0, 180.0f}, {1, 89.0f}}) {
        HXObjNormal normals(OpenObject(Cube(shading, angle)));
        for (int f = 0; f < 6; f++)
            for (int k = 0; k < 4; k++)
                ExpectNear(normals.GetNormal(f, k), kCubeNormals[f][0], kCubeNormals[f][1],
                           kCubeNormals[f][2]);
    }
    HXObjNormal normals(OpenObject(Cube(1, 91.0f)));
    const float d = 1 / std::sqrt(3.0f);
    for (int f = 0; f < 6; f++) {
        for (int k = 0; k < 4; k++) {
            int v = kCubeFaces[f][k];
            ExpectNear(normals.GetNormal(f, k), Side(v, 0) * d, Side(v, 1) * d, Side(v, 2) * d);
        }
    }
}

// Neighbouring sides of the ring meet at 30 degrees: just above that, every vertex gets the
// average of its two faces, which points straight out from the axis; just below, none does.
TEST(ObjNormal, RingSmoothsAcrossSidesOnlyWithinTheSmoothingAngle) {
    HXObjNormal smooth(OpenObject(Ring(1, 31)));
    HXObjNormal sharp(OpenObject(Ring(1, 29)));
    for (int f = 0; f < kRingSides; f++) {
        float mid = (f * 30 + 15) * 3.14159265f / 180;
        for (int k = 0; k < 4; k++) {
            int i = (k < 2 ? f : f + 1) % kRingSides;
            float a = i * 30 * 3.14159265f / 180;
            ExpectNear(smooth.GetNormal(f, k), std::cos(a), std::sin(a), 0);
            ExpectNear(sharp.GetNormal(f, k), std::cos(mid), std::sin(mid), 0);
        }
    }
}

TEST(ObjNormal, DegenerateFacesAndUnusedSlotsAreZero) {
    for (int shading : {0, 1, 2}) {
        HXObjNormal normals(OpenObject(R"({"shading": )" + std::to_string(shading) + R"(, "smooth_angle": 180,
            "vertices": [[0,0,0], [1,0,0], [0,1,0], [2,0,0]],
            "faces": [{"v": [0]}, {"v": [0,1]}, {"v": [0,1,3]}, {"v": [0,1,2]}, {"v": []}]})"));
        for (int f : {0, 1, 4})
            for (int k = 0; k < 4; k++)
                ExpectZero(normals.GetNormal(f, k));
        for (int k = 0; k < 3; k++)
            ExpectNear(normals.GetNormal(3, k), 0, 0, -1);
        // The collinear face has no normal of its own; smoothed, its corners share the normal
        // of the triangle they meet.
        bool smooth = shading == 1;
        ExpectNear(normals.GetNormal(2, 0), 0, 0, smooth ? -1 : 0);
        ExpectNear(normals.GetNormal(2, 1), 0, 0, smooth ? -1 : 0);
        for (int k = 2; k < 4; k++)
            ExpectZero(normals.GetNormal(2, k));
        for (auto [f, k] : {std::pair{3, 3}, {-1, 0}, {5, 0}, {3, 4}})
            ExpectZero(normals.GetNormal(f, k));
    }
}

// A face of five corners is never read into four slots, and a face naming a vertex the object
// does not have never reaches the per-vertex table; both keep zero normals.
TEST(ObjNormal, FacesThatCannotBeReadGetZeroNormals) {
    HXObj obj = OpenObject(R"({"shading": 1, "smooth_angle": 180,
        "vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,0], [0,2,0]],
        "faces": [{"v": [0,1,2,3,4]}, {"v": [0,1,2]}, {"v": [2,1,3]}, {"v": [3,4,2]}]})");
    hxhost::ClearCallLog();
    HostOverride fewer(hxfn::HXObj_GetVertexCount, FourVertices);
    HXObjNormal normals(obj);
    EXPECT_EQ(hxhost::CountCalls("HXObj_GetFacePointArray"), 3);
    for (int f : {0, 3})
        for (int k = 0; k < 4; k++)
            ExpectZero(normals.GetNormal(f, k));
    for (int f : {1, 2})
        for (int k = 0; k < 3; k++)
            ExpectNear(normals.GetNormal(f, k), 0, 0, -1);
}

} // namespace
