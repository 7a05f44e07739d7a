#include "scene/hxo_model.h"

#include <cmath>

void HXO_CAMERA::Init() {
    pos = FVEC3(0, 0, 1500);
    lookat = FVEC3(0, 0, 0);
    head = -0.5236f;
    pich = 0.5236f;
    ortho = 0;
    zoom = 5.0f;
    zoom2 = 5.0f;
}

void HXO_SCENE::Init() {
    camera.Init();
    amb = FVEC3(0.25f, 0.25f, 0.25f);
}

FMATRIX HXO_CAMERA::GetRotation() const {
    float sa = std::sin(pich), ca = std::cos(pich);
    float sb = std::sin(head), cb = std::cos(head);
    FMATRIX m = FMATRIX::GetIdentity();
    m.m0 = cb, m.m1 = sb * sa, m.m2 = sb * ca;
    m.m4 = 0, m.m5 = ca, m.m6 = -sa;
    m.m8 = sb, m.m9 = -cb * sa, m.m10 = -cb * ca;
    return m;
}

// The view puts the look-at point at pos in view space; the projection scales by zoom2 and
// the distance pos.z.
void HXO_CAMERA::GetMatrices(FMATRIX& view, FMATRIX& proj, float aspect) const {
    view = GetRotation();
    view.SetTranslation(view.TransformVector(-lookat) + pos);
    proj = FMATRIX::GetIdentity();
    float d = pos.z;
    float s = 0.001f * zoom2;
    if (ortho == 0) {
        proj.m0 = s * d;
        proj.m5 = s * aspect * d;
        proj.m10 = 1.0f;
        proj.m11 = 1.0f;
        proj.m14 = -0.15f * d;
    } else {
        proj.m0 = s;
        proj.m5 = s * aspect;
        proj.m10 = 1.0f / (12.566371f * d);
        proj.m11 = 0.0f;
        proj.m14 = 0.0f;
    }
}

// The pair keeps only pos.z of the position, so pos comes back as (0, 0, distance) and the
// look-at point absorbs the rest of the translation.
void HXO_CAMERA::SetFromMatrices(const FMATRIX& view, const FMATRIX& proj) {
    ortho = proj.m11 == 0.0f ? 1 : 0;
    float d = ortho ? 1.0f / (12.566371f * proj.m10) : proj.m14 / -0.15f;
    zoom2 = (ortho ? proj.m0 : proj.m0 / d) / 0.001f;
    pich = std::atan2(-view.m6, view.m5);
    head = std::atan2(view.m8, view.m0);
    pos = FVEC3(0, 0, d);
    lookat = GetRotation().GetTranspose().TransformVector(pos - view.GetTranslation());
}
