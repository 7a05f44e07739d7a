// The renderer's eye from the host view's matrices.
#include "scene/convert_scene.h"

#include <math.h>

#include "scene/pyl_scene.h"

namespace {

// Determinant of the 3 x 3 matrix with rows a, b, c; each product in the written order.
float Det3(const FVEC3& a, const FVEC3& b, const FVEC3& c) {
    return a.x * b.y * c.z + a.y * b.z * c.x + a.z * b.x * c.y - a.x * b.z * c.y - a.y * b.x * c.z -
           a.z * b.y * c.x;
}

} // namespace

void SetEyeFromView(PYL_EYE* eye, const FMATRIX& view, const FMATRIX& proj) {
    const float* m = view.m;
    const float* p = proj.m;
    FVEC3 r0(m[0], m[1], m[2]), r1(m[4], m[5], m[6]), r2(m[8], m[9], m[10]), t(m[12], m[13], m[14]);
    FVEC3 position(Det3(r1, r2, t), -Det3(r0, r2, t), Det3(r0, r1, t));
    FVEC3 forward(m[2], m[6], m[10]);
    forward.Normalize();
    FVEC3 upside(m[1], m[5], m[9]);
    upside.Normalize();
    FVEC3 focus = position + forward * m[14];
    float fov;
    FVEC2 shift;
    if (p[11] != 0.0f) {
        fov = 2.0f * atanf(1.0f / p[0]);
        shift = FVEC2(p[8], p[9]);
    } else {
        fov = 2.0f * atanf(1.0f / (m[14] * p[0]));
        shift = FVEC2(p[12], p[13]);
    }
    eye->SetPosition(position);
    eye->SetFocus(focus);
    eye->SetUpside(upside);
    eye->SetShift(shift);
    eye->SetFov(fov * 57.295776f);
}
