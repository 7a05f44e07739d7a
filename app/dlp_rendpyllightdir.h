// The directional-light sub-page: the light list and the current light's fields, with its direction
// edited in three fields and on the sphere. A light that follows the camera edits its direction
// relative to the camera, any other its world direction.
#pragma once
#include "app/dlp_rendpyllightlist.h"
#include "scene/rendpyl_model.h"
#include "ui/udlgcheck.h"
#include "ui/udlglightsph.h"

class DLP_RENDPYLLIGHTDIR : public DLP_RENDPYLLIGHTLIST<RENDPYL_LIGHTDIR> {
  public:
    void OnFollowCamera();
    // Mirrors the direction through the view plane; the check tells the sphere which half it picks on.
    void OnInvert();
    void OnSphere();

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;
    FVEC3 GetVector(const RENDPYL_LIGHTDIR& light) const override;
    void StoreVector(RENDPYL_LIGHTDIR& light, const FVEC3& v) override;
    void ShowMore(RENDPYL_LIGHTDIR& light) override;
    void ClearMore() override;
    void EnableMore(BOOL enabled) override;

  private:
    // The direction the page edits: srcdir while the light follows the camera, else dir.
    static FVEC3& Direction(RENDPYL_LIGHTDIR& light) {
        return light.camtrace == 1 ? light.srcdir : light.dir;
    }
    static const FVEC3& Direction(const RENDPYL_LIGHTDIR& light) {
        return light.camtrace == 1 ? light.srcdir : light.dir;
    }

    UDLGLIGHTSPH m_sphere;
    UDLGCHECK m_camtrace;
    UDLGCHECK m_invert;
};
