// Colour-ramp bar: shows a 256-entry colour table as a horizontal ramp inside a black one-pixel frame.
#pragma once
#include <memory>
#include "base/rgbcolor.h"
#include "base/ubmpdat.h"
#include "ui/udlgctrl.h"

struct UDLGCELSBAR : UDLGCTRL {
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Takes over dialog item id and shows a white ramp; 0, leaving the bar inert, when the item is missing.
    int Attach(HWND dialog, int id);
    // Makes a window of its own in dialog; false when the class or the window cannot be made.
    bool Create(HWND dialog, int id, const URECT& rect);
    int Init();

    void CreateImage();
    void DeleteImage();
    // A new 24-bit image of the client size.
    void ResizeImage();
    // Interior column c (from 0) shows table[c * 255 / (interior width)], so a full table runs from entry
    // 0 at the left towards entry 255 at the right; a shorter table repeats its last entry.
    void SetColors(const RGBCOLOR* table, int count);
    void Draw();
    const UBMPDAT* GetImage() const { return m_image.get(); }

  private:
    // Images narrower or shorter than this have no inside to draw.
    bool HasInside() const { return m_image && m_image->GetWidth() >= 3 && m_image->GetHeight() >= 3; }
    void ClearBorder();
    void SetWhite();

    std::unique_ptr<UBMPDAT> m_image;
};
