// The camera record's view, taken from the host's current view.
#include "scene/rendpyl_model.h"
#include "scene/viewcamera.h"

void RENDPYL_CAMERA::SetFromHostView() {
    HXDoc doc = owner ? owner->GetDoc() : nullptr;
    if (!doc) return;
    HXScene scene = doc.GetScene(0);
    if (!scene) return;
    float view[16] = {}, proj[16] = {};
    scene.GetViewMatrix(view);
    scene.GetProjMatrix(proj);
    SetFromViewProj(view, proj);
}

void RENDPYL_CAMERA::SetFromViewProj(const float view[16], const float proj[16]) {
    VIEWCAMERA cam = CameraFromView(view, proj);
    pos = cam.pos;
    lookat = cam.lookat;
    up = cam.up;
    fov = cam.fov * 57.29578f;
    shift = cam.shift;
}
