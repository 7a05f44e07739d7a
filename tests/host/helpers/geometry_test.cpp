#include <cmath>
#include <tuple>
#include <utility>

#include "host/hxgeom.h"
#include "host/hxhostfn.h"
#include "host/hxobjedge.h"
#include "host/hxobjnormal.h"
#include "ownhost.h"

namespace {

// A unit cube, vertex x + 2y + 4z, of six outward-facing quads: closed, so every edge is shared by
// two faces that run it in opposite directions.
const std::string kCube =
    R"("vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,0], [0,0,1], [1,0,1], [0,1,1], [1,1,1]],
    "faces": [{"v": [0,1,3,2]}, {"v": [4,6,7,5]}, {"v": [0,4,5,1]}, {"v": [2,3,7,6]}, {"v": [0,2,6,4]},
              {"v": [1,5,7,3]}])";
const std::pair<int, int> kNone(-1, -1);

// The (face, edge) across edge `edge` of `face`; kNone when there is none.
std::pair<int, int> Across(const HXObjEdge& edges, int face, int edge) {
    std::pair<int, int> across = kNone;
    edges.GetAdjacent(face, edge, across.first, across.second);
    return across;
}

// Cube corners take their face's normal unless smoothed past the right angle between two faces;
// then each takes the average of its three faces, pointing away from the centre. Every edge meets
// the edge of the neighbour that runs it the other way.
TEST_F(OwnHost, CubeNormalsAndEdges) {
    const float kFaceNormals[6][3] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}};
    const float d = 1 / std::sqrt(3.0f);
    for (auto [shading, angle, rounded] : {std::tuple{0, 180, false}, {1, 89, false}, {1, 91, true}}) {
        HXObj cube = OpenObject("\"shading\": " + std::to_string(shading) +
                                ", \"smooth_angle\": " + std::to_string(angle) + ", " + kCube);
        HXObjNormal normals(cube);
        HXObjEdge edges(cube);
        for (int f = 0; f < 6; f++) {
            for (int k = 0; k < 4; k++) {
                int v[4], w[4];
                cube.GetFacePointArray(f, v);
                const float corner[3] = {v[k] & 1 ? d : -d, v[k] & 2 ? d : -d, v[k] & 4 ? d : -d};
                const float* n = rounded ? corner : kFaceNormals[f];
                EXPECT_NEAR(normals.GetNormal(f, k).x, n[0], 1e-5f);
                EXPECT_NEAR(normals.GetNormal(f, k).y, n[1], 1e-5f);
                EXPECT_NEAR(normals.GetNormal(f, k).z, n[2], 1e-5f);
                auto [g, e] = Across(edges, f, k);
                ASSERT_GE(g, 0);
                EXPECT_EQ(Across(edges, g, e), std::make_pair(f, k));
                cube.GetFacePointArray(g, w);
                EXPECT_EQ(w[e], v[(k + 1) % 4]);
                EXPECT_EQ(w[(e + 1) % 4], v[k]);
            }
        }
    }
}

int __cdecl FourVertices(HXObjHandle) {
    return 4;
}

// A face of five corners is never read into four slots, and a face on a vertex beyond the object's
// count never reaches the per-vertex tables: neither gets a normal or a neighbour.
TEST_F(OwnHost, FacesThatCannotBeReadGetNoNormalAndNoNeighbour) {
    HXObj obj = OpenObject(R"("shading": 1, "smooth_angle": 180,
        "vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,0], [0,2,0]],
        "faces": [{"v": [0,1,2,3,4]}, {"v": [0,1,2]}, {"v": [2,1,3]}, {"v": [3,4,2]}])");
    HostOverride fewer(hxfn::HXObj_GetVertexCount, FourVertices);
    hxhost::ClearCallLog();
    HXObjNormal normals(obj);
    HXObjEdge edges(obj);
    EXPECT_EQ(6, hxhost::CountCalls("HXObj_GetFacePointArray"));
    for (auto [f, k] : {std::pair{0, 0}, {0, 3}, {3, 0}, {3, 2}, {2, 2}}) {
        EXPECT_EQ(normals.GetNormal(f, k), (HXPOINT{0, 0, f == 2 ? -1.0f : 0.0f}));
        EXPECT_EQ(Across(edges, f, k), kNone); // 2:2 would meet the unreadable face's edge 2-3
    }
    EXPECT_EQ(Across(edges, 1, 1), std::make_pair(2, 0));
}

// A view down the z axis from above: screen y grows downwards, depth is z + 1.
void __cdecl LookDown(HXSceneHandle, int query, float* block) {
    if (query != 0x300) return;
    block[3] = block[0];
    block[4] = -block[1];
    block[5] = block[2] + 1;
    block[6] = 1;
}

TEST_F(OwnHost, TwinFacesAndFacesThatFaceTheViewer) {
    HXObj obj = OpenObject(R"("vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,0], [2,0,0], [0,2,0]],
        "faces": [{"v": [1,2,3]}, {"v": [1,2,3]}, {"v": [3,2,1]}, {"v": [2,1,3]}, {"v": [1,3,2]},
                  {"v": [0,1,2,3,4,5]}, {"v": [0,1,3,2]}, {"v": [3,1,0,2]}, {"v": [2,1,3,0]}])");
    // face, first, last, the twin
    const int twins[][4] = {{0, -1, -1, 2}, {0, 3, 3, 3},   {0, 4, 100, 4},   {0, 0, 1, -1},
                            {6, -1, -1, 7}, {6, 8, -1, -1}, {-1, -1, -1, -1}, {5, -1, -1, -1}};
    for (const auto& t : twins)
        EXPECT_EQ(FindTwinFace(obj, t[0], t[1], t[2]), t[3]) << t[0] << " " << t[1] << " " << t[2];
    HXObj faces = OpenObject(R"("vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,-2], [2,0,0], [1,1,0]],
        "faces": [{"v": [0,1,2]}, {"v": [0,2,1]}, {"v": [0,1,3]}, {"v": [0,1,4,5]}, {"v": [4,0]},
                  {"v": [0,1,5,2,4]}, {"v": []}])");
    HostOverride view(hxfn::HXScene_FloatValue, LookDown);
    // Face 2 has a corner behind the eye, face 3 its first three corners in a line.
    const bool front[] = {true, false, false, true, true, false, false};
    for (int f = 0; f < 7; f++)
        EXPECT_EQ(front[f], IsFaceFrontOnScreen(HXScene(), faces, f)) << f;
    EXPECT_EQ(Normalize(GetTriNormal(HXPOINT{0, 0, 0}, HXPOINT{0, 2, 0}, HXPOINT{0, 0, 2})),
              (HXPOINT{-1, 0, 0}));
    EXPECT_NEAR(AngleBetween(HXPOINT{1, 0, 0}, Cross(HXPOINT{0, 0, 1}, HXPOINT{1, 0, 0})), 1.5707964f, 1e-6f);
}

} // namespace
