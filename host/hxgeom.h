// Geometry on the host's points and faces: vector helpers on HXPOINT, face normals, the
// back-to-back twin of a face and whether a face looks at the viewer.
#pragma once

#include <vector>

#include "base/fvec.h"
#include "host/hxwrap.h"

inline FVEC3 ToFVEC3(const HXPOINT& p) {
    return FVEC3(p.x, p.y, p.z);
}
inline HXPOINT ToHXPOINT(const FVEC3& v) {
    return HXPOINT{v.x, v.y, v.z};
}

float Dot(const HXPOINT& a, const HXPOINT& b);
HXPOINT Cross(const HXPOINT& a, const HXPOINT& b);
// A vector whose length is 0 stays (0, 0, 0).
HXPOINT Normalize(const HXPOINT& v);
HXPOINT GetTriNormal(const HXPOINT& a, const HXPOINT& b, const HXPOINT& c);
HXPOINT GetQuadNormal(const HXPOINT& p1, const HXPOINT& p2, const HXPOINT& p3, const HXPOINT& p4);
float AngleBetween(const HXPOINT& a, const HXPOINT& b);

// Reads the corners of `face` into four slots and returns how many there are. A face the slots
// cannot hold (more than four corners) is not read and counts as having none; so is one naming
// a vertex outside [0, vertexCount) when a vertex count (0 or more) is given.
int ReadFaceCorners(const HXObj& obj, int face, int corners[4], int vertexCount = -1);

struct HXFaceCorners {
    int count;
    int index[4];
};
// Every face of the object as ReadFaceCorners reads it, checked against the vertex count.
std::vector<HXFaceCorners> ReadObjectFaces(const HXObj& obj, int vertexCount);

// The first face in [first, last] (-1: from the first face, to the last face) with the corners
// of `face` in reverse order, or -1.
int FindTwinFace(const HXObj& obj, int face, int first, int last);

// Whether the face winds clockwise on screen with every corner in front of the eye. Faces of
// one or two corners count as facing the viewer.
bool IsFaceFrontOnScreen(const HXScene& scene, const HXObj& obj, int face);

// The screen position of a scene point as the host's view projects it, and its w when asked.
void ConvertSceneToScreen(const HXScene& scene, HXPOINT* out, const HXPOINT& point, float* w);
