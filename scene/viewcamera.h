// The camera that the host's view and projection matrices describe.
#pragma once

#include "base/fvec.h"

struct VIEWCAMERA {
    FVEC3 pos;
    FVEC3 lookat;
    FVEC3 up;
    float fov; // radians
    FVEC2 shift;
};

// view and proj: 16 floats each, row-major, row vectors, translation in elements 12 to 14.
VIEWCAMERA CameraFromView(const float view[16], const float proj[16]);
