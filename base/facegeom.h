// Face normals and the angle between directions, on plain vectors. Unlike FVEC3::Normalize, a
// zero vector stays zero here: a degenerate face has no normal rather than an arbitrary axis.
#pragma once

#include "base/fvec.h"

// v divided by its length; a vector whose length is 0 stays (0, 0, 0).
FVEC3 NormalizeOrZero(const FVEC3& v);

// The unit normal of triangle a, b, c, (b - c) x (a - b) normalised; (0, 0, 0) when degenerate.
FVEC3 GetTriNormal(const FVEC3& a, const FVEC3& b, const FVEC3& c);

// The normal of a four-corner face: the average of the triangle normals of whichever diagonal
// split keeps its two triangles closer to one plane, the p2-p4 split on a tie.
FVEC3 GetQuadNormal(const FVEC3& p1, const FVEC3& p2, const FVEC3& p3, const FVEC3& p4);

// Radians in [0, pi]; 0 when either vector has no length.
float AngleBetween(const FVEC3& a, const FVEC3& b);
