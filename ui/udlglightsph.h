// Light-direction sphere: a static dialog item that shows a sphere lit from a direction and lets the
// user set the direction by dragging the lit spot. It draws into an image of its own client size.
#pragma once
#include "base/fvec.h"
#include "base/ubmpdat.h"
#include "ui/umouse.h"
#include "ui/uwin.h"

struct UDLGLIGHTSPH : UWIN {
    ~UDLGLIGHTSPH() override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Takes over dialog item id; 0, leaving the sphere inert, when the item is missing.
    int Attach(HWND dialog, int id);
    // Creates its own window as a child of parent; 0 when the class or the window cannot be made.
    int Create(HWND parent, int id, const URECT& rect);
    // A new image of the client size, a default direction and colours, and the first rendering.
    int Init();

    void CreateImage();
    void DeleteImage();
    void ResizeImage();

    const FVEC3& GetDirection() const { return m_dir; }
    // Stored as given, not normalised.
    void SetDirection(const FVEC3& v);
    // The colours take effect at the next Render.
    const FVEC3& GetColor() const { return m_color; }
    void SetColor(const FVEC3& c) { m_color = c; }
    const FVEC3& GetAmbient() const { return m_ambient; }
    void SetAmbient(const FVEC3& c) { m_ambient = c; }
    int GetBack() const { return m_back; }
    void SetBack(int flag) { m_back = flag; }
    float GetRadius() const { return m_radius; }
    const UBMPDAT* GetImage() const { return m_image; }

    void Render();
    void ClearBorder();
    // Sets the direction from the mouse while only the left button is held, and tells the owner.
    void PickDirection();
    void Draw();

  private:
    // Images narrower or shorter than this have no inside to draw.
    bool HasInside() const { return m_image && m_image->GetWidth() >= 3 && m_image->GetHeight() >= 3; }

    HWND m_owner = 0;
    int m_id = -1;
    int m_attached = 1;
    FVEC3 m_dir = FVEC3(0, 0, 1);
    FVEC3 m_color = FVEC3(1, 1, 1);
    FVEC3 m_ambient = FVEC3(0.2f, 0.2f, 0.2f);
    float m_radius = 16;
    int m_back = 0;
    UMOUSE m_mouse;
    UBMPDAT* m_image = nullptr;
};
