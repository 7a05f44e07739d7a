// Normals for every face corner of a host object, computed once: flat, or smoothed across faces
// that meet at less than the object's smoothing angle.
#pragma once

#include <vector>

#include "host/hxwrap.h"

class HXObjNormal {
  public:
    explicit HXObjNormal(const HXObj& obj);
    virtual ~HXObjNormal();

    // Corner `corner` (0..3) of face `face`; (0, 0, 0) beyond the face's corners, for faces of
    // fewer than three corners and for faces whose corners could not be read.
    HXPOINT GetNormal(int face, int corner) const;

  private:
    int faceCount_;
    std::vector<HXPOINT> normals_; // four per face: corner k of face f is entry 4f + k
};
