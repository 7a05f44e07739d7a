#include "scene/viewcamera.h"

#include <cmath>

namespace {

// Determinant of the 3 x 3 matrix with rows a, b, c; each product in this order, so that every
// caller gets the same bits.
float Det(const FVEC3& a, const FVEC3& b, const FVEC3& c) {
    return a.x * b.y * c.z + a.y * b.z * c.x + a.z * b.x * c.y - a.x * b.z * c.y - a.y * b.x * c.z -
           a.z * b.y * c.x;
}

} // namespace

VIEWCAMERA CameraFromView(const float m[16], const float p[16]) {
    const FVEC3 r0(m[0], m[1], m[2]), r1(m[4], m[5], m[6]), r2(m[8], m[9], m[10]), t(m[12], m[13], m[14]);
    VIEWCAMERA cam;
    cam.pos = FVEC3(Det(r1, r2, t), -Det(r0, r2, t), Det(r0, r1, t));
    cam.up = FVEC3(m[1], m[5], m[9]);
    cam.up.Normalize();
    FVEC3 forward(m[2], m[6], m[10]);
    forward.Normalize();
    cam.lookat = cam.pos + forward * m[14];
    if (p[11] != 0.0f) { // perspective
        cam.fov = 2.0f * std::atan(1.0f / p[0]);
        cam.shift = FVEC2(p[8], p[9]);
    } else { // orthographic
        cam.fov = 2.0f * std::atan(1.0f / (m[14] * p[0]));
        cam.shift = FVEC2(p[12], p[13]);
    }
    return cam;
}
