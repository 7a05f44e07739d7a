#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "geometry_host.h"
#include "host/hxhostfn.h"
#include "host/hxobjedge.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

// The pair (face, edge) across edge `edge` of face `face`, or (-1, -1).
std::pair<int, int> Across(const HXObjEdge& edges, int face, int edge) {
    int g = -1, e = -1;
    if (!edges.GetAdjacent(face, edge, g, e)) return {-1, -1};
    return {g, e};
}

int Corner(const HXObj& obj, int face, int k) {
    int corners[4];
    obj.GetFacePointArray(face, corners);
    return corners[k % obj.GetFacePointCount(face)];
}

// Every edge that has a partner runs between the same two vertices the other way, and the
// partner points back.
void ExpectPairsConsistent(const HXObj& obj, const HXObjEdge& edges) {
    for (int f = 0; f < obj.GetFaceCount(); f++) {
        for (int k = 0; k < obj.GetFacePointCount(f); k++) {
            auto [g, e] = Across(edges, f, k);
            if (g < 0) continue;
            EXPECT_EQ(Across(edges, g, e), std::make_pair(f, k));
            EXPECT_EQ(Corner(obj, g, e), Corner(obj, f, k + 1));
            EXPECT_EQ(Corner(obj, g, e + 1), Corner(obj, f, k));
        }
    }
}

TEST(ObjEdge, EveryEdgeOfAClosedCubeHasAPartner) {
    HXObj cube = OpenObject(Cube(0, 0));
    HXObjEdge edges(cube);
    for (int f = 0; f < 6; f++)
        for (int k = 0; k < 4; k++)
            EXPECT_NE(Across(edges, f, k).first, -1) << f << ":" << k;
    ExpectPairsConsistent(cube, edges);
}

// Sides pair with their neighbours; the rims of the open ends have nothing across.
TEST(ObjEdge, OpenRingPairsItsSidesButNotItsRims) {
    HXObj ring = OpenObject(Ring(0, 0));
    HXObjEdge edges(ring);
    for (int f = 0; f < kRingSides; f++) {
        EXPECT_EQ(Across(edges, f, 0), std::make_pair((f + kRingSides - 1) % kRingSides, 2));
        EXPECT_EQ(Across(edges, f, 1), std::make_pair(-1, -1));
        EXPECT_EQ(Across(edges, f, 2), std::make_pair((f + 1) % kRingSides, 0));
        EXPECT_EQ(Across(edges, f, 3), std::make_pair(-1, -1));
    }
    ExpectPairsConsistent(ring, edges);
}

TEST(ObjEdge, OnlyOppositeUnpairedEdgesPair) {
    const std::string points = R"("vertices": [[0,0,0], [1,0,0], [0,1,0], [0,-1,0]])";
    HXObj sameWay = OpenObject("{" + points + R"(, "faces": [{"v": [0,1,2]}, {"v": [0,1,3]}]})");
    HXObjEdge same(sameWay);
    for (int f = 0; f < 2; f++)
        for (int k = 0; k < 4; k++)
            EXPECT_EQ(Across(same, f, k), std::make_pair(-1, -1));

    // The third face runs 1-0 like the second, after the second has taken the edge.
    HXObj third = OpenObject("{" + points + R"(, "faces": [{"v": [0,1,2]}, {"v": [1,0,3]}, {"v": [1,0,3]},
                                                          {"v": [0,1]}]})");
    HXObjEdge edges(third);
    EXPECT_EQ(Across(edges, 0, 0), std::make_pair(1, 0));
    EXPECT_EQ(Across(edges, 1, 0), std::make_pair(0, 0));
    EXPECT_EQ(Across(edges, 2, 0), std::make_pair(-1, -1));
    EXPECT_EQ(Across(edges, 3, 0), std::make_pair(-1, -1));
    ExpectPairsConsistent(third, edges);
    int g = 7, e = 7;
    for (auto [face, edge] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 4}, {0, 3}})
        EXPECT_FALSE(edges.GetAdjacent(face, edge, g, e));
    EXPECT_EQ(g, 7);
    EXPECT_EQ(e, 7);
}

// A face of five corners is never read into four slots, and a face naming a vertex beyond the
// object's vertex count never reaches the per-vertex lists; neither pairs with anything.
TEST(ObjEdge, FacesThatCannotBeReadHaveNoPartners) {
    HXObj obj = OpenObject(R"({"vertices": [[0,0,0], [1,0,0], [0,1,0], [1,1,0], [0,2,0]],
        "faces": [{"v": [0,1,2]}, {"v": [2,1,0,3,4]}, {"v": [2,1,4]}, {"v": [1,0,3]}]})");
    hxhost::ClearCallLog();
    HostOverride fewer(hxfn::HXObj_GetVertexCount, FourVertices);
    HXObjEdge edges(obj);
    EXPECT_EQ(hxhost::CountCalls("HXObj_GetFacePointArray"), 3);
    EXPECT_EQ(Across(edges, 0, 0), std::make_pair(3, 0));
    EXPECT_EQ(Across(edges, 0, 1), std::make_pair(-1, -1));
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ(Across(edges, 1, k), std::make_pair(-1, -1));
        EXPECT_EQ(Across(edges, 2, k), std::make_pair(-1, -1));
    }
}

} // namespace
