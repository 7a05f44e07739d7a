// The material preview: a dialog item turned into a small sphere shaded in the current material's host
// colour, lit from the upper right over diagonal stripes. It renders into its own image and copies it
// to the window when painted.
#pragma once
#include "base/ubmpdat.h"
#include "ui/umouse.h"
#include "ui/uwin.h"

class RENDPYL_MODEL;
class RENDPYL_MTL;

class DLP_MTLIMAGE : public UWIN {
  public:
    // Takes over item id of dialog, sizes the image to it and renders a white sphere.
    void Attach(HWND dialog, int id);
    void SetModel(RENDPYL_MODEL* model) { m_model = model; }
    // Renders the material (white without one) and repaints.
    void SetMtl(RENDPYL_MTL* mtl);

    void RenderPreview();
    void ClearBorder();
    void Draw();
    // Takes a value and does nothing with it.
    void NopValue(int) {}

    const UBMPDAT& GetImage() const { return m_image; }
    float GetRadius() const { return m_radius; }

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // The image takes the item's client size once; it keeps that size afterwards.
    void Resize();

    HWND m_dialog = 0;
    int m_id = 0;
    UBMPDAT m_image;
    RENDPYL_MTL* m_mtl = nullptr;
    RENDPYL_MODEL* m_model = nullptr;
    float m_radius = 16.0f;
    UMOUSE m_mouse;
};
