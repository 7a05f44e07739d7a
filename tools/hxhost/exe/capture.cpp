#include "tools/hxhost/exe/capture.h"

#include <fstream>
#include <vector>

namespace {
template <typename T> void Put(std::vector<char>& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i)
        out.push_back(char((uint64_t(value) >> (8 * i)) & 0xFF));
}
} // namespace

bool CaptureWindow(HWND window, const std::string& path, std::string* error) {
    RECT rect;
    if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) {
        *error = "the window has no area";
        return false;
    }
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    int stride = (width * 3 + 3) & ~3;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, old);
    }
    std::vector<char> file;
    if (copied) {
        uint32_t pixelBytes = uint32_t(stride) * uint32_t(height);
        file.reserve(54 + pixelBytes);
        file.push_back('B');
        file.push_back('M');
        Put<uint32_t>(file, 54 + pixelBytes);
        Put<uint32_t>(file, 0);
        Put<uint32_t>(file, 54);
        file.insert(file.end(), reinterpret_cast<char*>(&info.bmiHeader),
                    reinterpret_cast<char*>(&info.bmiHeader) + sizeof(BITMAPINFOHEADER));
        file.insert(file.end(), static_cast<char*>(bits), static_cast<char*>(bits) + pixelBytes);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) {
        *error = "cannot read the window's pixels";
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(file.data(), std::streamsize(file.size())) || !out.flush()) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}
