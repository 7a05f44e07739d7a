// For every face edge of a host object, the face and edge on the other side, found once.
#pragma once

#include <vector>

#include "host/hxwrap.h"

class HXObjEdge {
  public:
    explicit HXObjEdge(const HXObj& obj);
    virtual ~HXObjEdge();

    // Edge `edge` (0..3) of face `face` runs from its corner `edge` to the next corner. False
    // when the edge has no opposite edge or the arguments are out of range.
    bool GetAdjacent(int face, int edge, int& adjacentFace, int& adjacentEdge) const;

  private:
    struct Pair {
        int face;
        int edge;
    };

    int faceCount_;
    HXObj obj_;
    std::vector<Pair> pairs_; // four per face: edge k of face f is entry 4f + k
};
