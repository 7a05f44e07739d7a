// The point-light sub-page: the light list and the current light's fields, its position stored as typed.
#pragma once
#include "app/dlp_rendpyllightlist.h"
#include "scene/rendpyl_model.h"

class DLP_RENDPYLLIGHTPOINT : public DLP_RENDPYLLIGHTLIST<RENDPYL_LIGHTPOINT> {
  protected:
    FVEC3 GetVector(const RENDPYL_LIGHTPOINT& light) const override { return light.pos; }
    void StoreVector(RENDPYL_LIGHTPOINT& light, const FVEC3& v) override { light.pos = v; }
};
