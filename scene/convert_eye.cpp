// The renderer's eye from the host view's matrices.
#include "scene/convert_scene.h"

#include "scene/pyl_scene.h"
#include "scene/viewcamera.h"

void SetEyeFromView(PYL_EYE* eye, const FMATRIX& view, const FMATRIX& proj) {
    VIEWCAMERA cam = CameraFromView(view.m, proj.m);
    eye->SetPosition(cam.pos);
    eye->SetFocus(cam.lookat);
    eye->SetUpside(cam.up);
    eye->SetShift(cam.shift);
    eye->SetFov(cam.fov * 57.295776f);
}
