// Small GDI drawing helpers: filled rectangles clipped to a client area, a polyline drawer that owns
// its pen, and an inverting rubber-band rectangle.
#pragma once
#include <windows.h>

#include <vector>

#include "base/rgbcolor.h"
#include "ui/uwin.h"

// Paints rect (client coordinates) clipped to the client area; nothing for an empty size.
void FillRectClipped(HWND hwnd, const URECT& rect, RGBCOLOR colour);
// Paints the band of outer that lies outside inner.
void FillFrame(HWND hwnd, const URECT& inner, const URECT& outer, RGBCOLOR colour);

class UGDILine {
  public:
    UGDILine() = default;
    UGDILine(const UGDILine&) = delete;
    UGDILine& operator=(const UGDILine&) = delete;
    virtual ~UGDILine() { End(); }

    // Draws into the window's own device context, released again by End.
    void Begin(HWND hwnd, RGBCOLOR colour, int width, bool xorMode);
    // Draws into the caller's device context, which End leaves as it found it.
    void BeginDC(HDC hdc, RGBCOLOR colour, int width, bool xorMode);
    void End();

    void AddPoint(POINT point) { points.push_back(point); }
    // Adds nothing, and returns 0, for a null list or a count below 1.
    int AddPoints(const POINT* list, int n);
    // (0, 0) outside the list.
    POINT GetPoint(int i) const;
    int GetCount() const { return int(points.size()); }
    void Clear() { points.clear(); }

    // A polyline of the points; closed adds the first point at the end for the drawing only.
    void Draw(bool closed);
    void DrawAndClear(bool closed);
    void DrawLine(POINT p1, POINT p2);
    void DrawPolyline(const POINT* list, int n);
    // rect as left, top, right, bottom.
    void DrawRect(const RECT& rect);

  private:
    int ownsDC = 0;
    HWND window = 0;
    HDC dc = 0;
    HPEN pen = 0;
    HGDIOBJ prevPen = 0;
    int prevRop = 0;
    std::vector<POINT> points;
};

// A white one-pixel XOR rectangle: drawing it twice restores the window.
void DrawXorRect(HWND hwnd, const RECT& rect);
void DrawXorRectCoords(HWND hwnd, int left, int top, int right, int bottom);
