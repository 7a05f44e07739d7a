#include "ui/ugdiline.h"

#include <algorithm>

namespace {

// Paints [left, right) x [top, bottom) rectangles with a null pen and a solid brush; Rectangle with a
// null pen leaves out one column and one row, hence the + 1.
class NullPenFill {
  public:
    NullPenFill(HWND hwnd, RGBCOLOR colour)
        : window(hwnd), dc(GetDC(hwnd)), brush(CreateSolidBrush(RGB(colour.r, colour.g, colour.b))) {
        oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        oldBrush = SelectObject(dc, brush);
    }
    ~NullPenFill() {
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
    }
    void Fill(int left, int top, int right, int bottom) { Rectangle(dc, left, top, right + 1, bottom + 1); }

  private:
    HWND window;
    HDC dc;
    HBRUSH brush;
    HGDIOBJ oldPen = 0;
    HGDIOBJ oldBrush = 0;
};

} // namespace

void FillRectClipped(HWND hwnd, const URECT& rect, RGBCOLOR colour) {
    if (rect.width <= 0 || rect.height <= 0) return;
    RECT client;
    GetClientRect(hwnd, &client);
    int right = rect.x + rect.width;
    int bottom = rect.y + rect.height;
    if (right < 0 || bottom < 0 || rect.x > client.right || rect.y > client.bottom) return;
    NullPenFill fill(hwnd, colour);
    fill.Fill(std::max(rect.x, 0), std::max(rect.y, 0), std::min(right, int(client.right)),
              std::min(bottom, int(client.bottom)));
}

void FillFrame(HWND hwnd, const URECT& inner, const URECT& outer, RGBCOLOR colour) {
    int ol = outer.x, ot = outer.y, orr = outer.x + outer.width, ob = outer.y + outer.height;
    int il = std::max(inner.x, ol), it = std::max(inner.y, ot);
    int ir = std::min(inner.x + inner.width, orr), ib = std::min(inner.y + inner.height, ob);
    NullPenFill fill(hwnd, colour);
    if (it > ot) fill.Fill(ol, ot, orr, it);
    if (ib < ob) fill.Fill(ol, ib, orr, ob);
    if (it < ob && ib > ot) {
        if (il > ol) fill.Fill(ol, it, il, ib);
        if (ir < orr) fill.Fill(ir, it, orr, ib);
    }
}

void UGDILine::Begin(HWND hwnd, RGBCOLOR colour, int width, bool xorMode) {
    End();
    BeginDC(GetDC(hwnd), colour, width, xorMode);
    window = hwnd;
    ownsDC = 1;
}

void UGDILine::BeginDC(HDC hdc, RGBCOLOR colour, int width, bool xorMode) {
    End();
    dc = hdc;
    prevRop = xorMode ? SetROP2(hdc, R2_XORPEN) : 0;
    pen = CreatePen(PS_SOLID, width, RGB(colour.r, colour.g, colour.b));
    prevPen = SelectObject(hdc, pen);
}

void UGDILine::End() {
    if (!dc) return;
    // A caller's device context is handed back as it was given: old pen and mix mode.
    SelectObject(dc, prevPen);
    if (prevRop) SetROP2(dc, prevRop);
    DeleteObject(pen);
    if (ownsDC) ReleaseDC(window, dc);
    ownsDC = 0;
    window = 0;
    dc = 0;
    pen = 0;
    prevPen = 0;
    prevRop = 0;
}

int UGDILine::AddPoints(const POINT* list, int n) {
    if (!list || n <= 0) return 0;
    points.insert(points.end(), list, list + n);
    return n;
}

POINT UGDILine::GetPoint(int i) const {
    if (i < 0 || i >= GetCount()) return POINT{0, 0};
    return points[size_t(i)];
}

void UGDILine::Draw(bool closed) {
    if (points.size() < 2) return;
    if (closed) points.push_back(points.front());
    Polyline(dc, points.data(), int(points.size()));
    if (closed) points.pop_back();
}

void UGDILine::DrawAndClear(bool closed) {
    Draw(closed);
    Clear();
}

void UGDILine::DrawLine(POINT p1, POINT p2) {
    POINT line[2] = {p1, p2};
    Polyline(dc, line, 2);
}

void UGDILine::DrawPolyline(const POINT* list, int n) {
    Polyline(dc, list, n);
}

void UGDILine::DrawRect(const RECT& r) {
    POINT corners[5] = {
        {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}, {r.left, r.top}};
    Polyline(dc, corners, 5);
}

void DrawXorRect(HWND hwnd, const RECT& rect) {
    UGDILine line;
    line.Begin(hwnd, RGBCOLOR(255, 255, 255, 255), 1, true);
    line.DrawRect(rect);
    line.End();
}

void DrawXorRectCoords(HWND hwnd, int left, int top, int right, int bottom) {
    DrawXorRect(hwnd, RECT{left, top, right, bottom});
}
