#include "host/hxobjedge.h"

#include <algorithm>

#include "host/hxgeom.h"

namespace {

// One edge in the list of edges that start at a vertex. Node v heads vertex v's list, empty
// while its face is -1; further nodes come from the pool's end part.
struct Node {
    int face;
    int edge;
    int next;
};

} // namespace

// An edge pairs with an unpaired edge that runs the other way between the same two vertices.
// Faces whose corners cannot be read (more than four, or a vertex the object lacks) take part in
// no pair.
HXObjEdge::HXObjEdge(const HXObj& obj) : obj_(obj) {
    int vertexCount = std::max(obj.GetVertexCount(), 0);
    std::vector<HXFaceCorners> faces = ReadObjectFaces(obj, vertexCount);
    faceCount_ = int(faces.size());
    pairs_.assign(4 * faces.size(), Pair{-1, -1});
    std::vector<Node> pool(size_t(vertexCount) + 4 * faces.size(), Node{-1, -1, -1});
    int nextFree = vertexCount;

    for (int f = 0; f < faceCount_; f++) {
        const HXFaceCorners& face = faces[f];
        if (face.count < 3) continue;
        for (int k = 0; k < face.count; k++) {
            int a = face.index[k], b = face.index[(k + 1) % face.count];
            Pair& pair = pairs_[4 * f + k];
            for (int i = b; i >= 0 && pool[i].face >= 0 && pair.face < 0; i = pool[i].next) {
                Pair& other = pairs_[4 * pool[i].face + pool[i].edge];
                const HXFaceCorners& g = faces[pool[i].face];
                if (other.face < 0 && g.index[(pool[i].edge + 1) % g.count] == a) {
                    other = Pair{f, k};
                    pair = Pair{pool[i].face, pool[i].edge};
                }
            }
            if (pair.face >= 0) continue;
            int last = a;
            if (pool[last].face >= 0) {
                while (pool[last].next >= 0)
                    last = pool[last].next;
                last = pool[last].next = nextFree++;
            }
            pool[last] = Node{f, k, -1};
        }
    }
}

HXObjEdge::~HXObjEdge() = default;

bool HXObjEdge::GetAdjacent(int face, int edge, int& adjacentFace, int& adjacentEdge) const {
    if (face < 0 || face >= faceCount_ || edge < 0 || edge >= 4) return false;
    const Pair& pair = pairs_[4 * size_t(face) + edge];
    if (pair.face < 0) return false;
    adjacentFace = pair.face;
    adjacentEdge = pair.edge;
    return true;
}
