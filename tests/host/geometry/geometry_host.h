// This test is its own host: objects are opened as documents of the stand-in host linked into it.
#pragma once

#include <string>

#include "host/hxwrap.h"

// Replaces one entry of the host function table while it lives.
template <class T> class HostOverride {
  public:
    HostOverride(T& entry, T fake) : entry_(entry), saved_(entry) { entry = fake; }
    ~HostOverride() { entry_ = saved_; }

  private:
    T& entry_;
    T saved_;
};

// A host answer that hides every vertex from the fifth on.
int __cdecl FourVertices(HXObjHandle);

// Opens a document holding just this object (JSON) and returns the object.
HXObj OpenObject(const std::string& object);

// A unit cube with its corner at the origin: vertex x + 2y + 4z, six outward-facing quads, so the
// object is closed and every edge is shared by two faces winding it in opposite directions.
std::string Cube(int shading, float smoothAngle);

// The side of a cylinder: twelve quads around the z axis, 30 degrees apart, open at both ends.
// Vertex i (0..11) lies at angle 30i degrees at z = 0 and vertex 12 + i above it at z = 1.
std::string Ring(int shading, float smoothAngle);
const int kRingSides = 12;
