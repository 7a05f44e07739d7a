#include <gtest/gtest.h>

#include <cfloat>

#include "base/facegeom.h"
#include "geometry_host.h"
#include "host/hxgeom.h"
#include "host/hxhostfn.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

TEST(FaceGeometry, TriangleNormals) {
    EXPECT_EQ(GetTriNormal(FVEC3(0, 0, 0), FVEC3(1, 0, 0), FVEC3(0, 1, 0)), FVEC3(0, 0, -1));
    EXPECT_EQ(GetTriNormal(FVEC3(0, 0, 0), FVEC3(1, 1, 1), FVEC3(3, 3, 3)), FVEC3(0, 0, 0));
    // The squared length of this normal underflows to 0: still zero, never a division by zero.
    EXPECT_EQ(GetTriNormal(FVEC3(0, 0, 0), FVEC3(1e-20f, 0, 0), FVEC3(0, 1e-20f, 0)), FVEC3(0, 0, 0));
    EXPECT_EQ(Normalize(HXPOINT{0, 0, 0}), (HXPOINT{0, 0, 0}));
    EXPECT_EQ(GetTriNormal(HXPOINT{0, 0, 0}, HXPOINT{0, 2, 0}, HXPOINT{0, 0, 2}), (HXPOINT{-1, 0, 0}));
}

void ExpectNear(const FVEC3& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, 1e-6f);
    EXPECT_NEAR(v.y, y, 1e-6f);
    EXPECT_NEAR(v.z, z, 1e-6f);
}

TEST(FaceGeometry, QuadNormalTakesTheFlatterSplit) {
    EXPECT_EQ(GetQuadNormal(FVEC3(0, 0, 0), FVEC3(1, 0, 0), FVEC3(1, 1, 0), FVEC3(0, 1, 0)), FVEC3(0, 0, -1));
    // One corner lifted: the diagonal that ends at that corner keeps both halves closer to a plane.
    ExpectNear(GetQuadNormal(FVEC3(0, 0, 0), FVEC3(1, 0, 0), FVEC3(1, 1, 1), FVEC3(0, 1, 0)), 0.32505758f,
               0.32505758f, -0.88807383f);
    ExpectNear(GetQuadNormal(FVEC3(0, 0, 0), FVEC3(1, 0, 1), FVEC3(1, 1, 0), FVEC3(0, 1, 0)), 0.32505758f,
               -0.32505758f, -0.88807383f);
}

TEST(FaceGeometry, AngleBetween) {
    EXPECT_EQ(AngleBetween(FVEC3(0, 3, 4), FVEC3(0, -3, -4)), 3.1415927f);
    EXPECT_EQ(AngleBetween(FVEC3(0, 3, 4), FVEC3(0, 6, 8)), 0.0f);
    EXPECT_EQ(AngleBetween(FVEC3(0, 0, 0), FVEC3(1, 0, 0)), 0.0f);
    EXPECT_NEAR(AngleBetween(HXPOINT{1, 0, 0}, HXPOINT{0, 5, 0}), 1.5707964f, 1e-6f);
}

TEST(FaceGeometry, TwinFacesHaveTheCornersInReverseOrder) {
    HXObj obj = OpenObject(R"({"vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,0], [2,0,0], [0,2,0]],
        "faces": [{"v": [1,2,3]}, {"v": [1,2,3]}, {"v": [3,2,1]}, {"v": [2,1,3]}, {"v": [1,3,2]},
                  {"v": [0,1,2,3,4,5]}, {"v": [0,1,3,2]}, {"v": [3,1,0,2]}, {"v": [2,1,3,0]}]})");
    const int cases[][4] = {{0, -1, -1, 2}, {0, 3, 3, 3},   {0, 4, 100, 4},   {0, 0, 1, -1},
                            {6, -1, -1, 7}, {6, 8, -1, -1}, {-1, -1, -1, -1}, {9, -1, -1, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FindTwinFace(obj, c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
    // The six-corner face is neither searched for nor read while searching.
    hxhost::ClearCallLog();
    EXPECT_EQ(FindTwinFace(obj, 5, -1, -1), -1);
    EXPECT_EQ(FindTwinFace(obj, 0, 5, 5), -1);
    EXPECT_EQ(hxhost::CountCalls("HXObj_GetFacePointArray"), 1);
}

// A view down the z axis from above: screen y grows downwards, depth is z + 1.
void __cdecl LookDown(HXSceneHandle, int query, float* block) {
    if (query != 0x300) return;
    block[3] = block[0];
    block[4] = -block[1];
    block[5] = block[2] + 1;
    block[6] = 1;
}

TEST(FaceGeometry, FrontFacesWindClockwiseOnScreenInFrontOfTheEye) {
    HXObj obj = OpenObject(R"({"vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,-2], [2,0,0], [1,1,0]],
        "faces": [{"v": [0,1,2]}, {"v": [0,2,1]}, {"v": [0,1,3]}, {"v": [0,1,4,5]}, {"v": [4,0]},
                  {"v": [0,1,5,2,4]}, {"v": []}]})");
    HXScene scene;
    EXPECT_FALSE(IsFaceFrontOnScreen(scene, obj, 0)) << "a host that projects nothing";
    HostOverride view(hxfn::HXScene_FloatValue, LookDown);
    // Face 2 has a corner behind the eye, face 3 its first three corners in a line.
    const bool front[] = {true, false, false, true, true, false, false};
    for (int f = 0; f < 7; f++)
        EXPECT_EQ(front[f], IsFaceFrontOnScreen(scene, obj, f)) << f;
    HXPOINT s;
    float w = 0;
    ConvertSceneToScreen(scene, &s, HXPOINT{2, 3, 4}, &w);
    EXPECT_EQ(s, (HXPOINT{2, -3, 5}));
    EXPECT_EQ(w, 1.0f);
}

} // namespace
