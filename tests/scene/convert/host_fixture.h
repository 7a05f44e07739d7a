// The stand-in host linked into this test: documents from JSON text, trace capture, image files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/hxwrap.h"

// Binds the host function table to this executable's own host functions (once) and opens the
// document; the returned wrapper is valid until the next one opens.
HXDoc OpenDoc(const std::string& json);

// A JSON string literal of the text (quotes and backslashes escaped).
std::string JsonText(const std::string& text);

// Collects trace lines (without their line ends) while it lives.
class TraceLog {
  public:
    TraceLog();
    ~TraceLog();
    const std::vector<std::string>& Lines() const { return lines; }
    bool Has(const std::string& line) const;
    // The position of the first line equal to the text, or -1.
    int IndexOf(const std::string& line) const;

  private:
    static void Sink(void* context, const char* text);
    std::vector<std::string> lines;
};

// A fresh, empty folder under the temporary folder, with its trailing backslash.
std::string FreshFolder(const std::string& name);

// Writes a BMP of the given depth (24 or 32) from pixels 0xAARRGGBB, row 0 at the top.
void WriteBmp(const std::string& path, int w, int h, int bpp, const std::vector<uint32_t>& pixels,
              bool topDown = false);
// The bytes of a 24-bit BMP file as the map writer makes it, from pixels 0xRRGGBB, row 0 at the top.
std::vector<unsigned char> Bmp24Bytes(int w, int h, const std::vector<uint32_t>& pixels);
bool FileExists(const std::string& path);
