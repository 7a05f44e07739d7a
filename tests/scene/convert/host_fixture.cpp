#include "host_fixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "base/trace.h"
#include "host/hxexports.h"
#include "tests/base/bitmap/bmpbuild.h"
#include "tools/hxhost/hxhostlib.h"

HXDoc OpenDoc(const std::string& json) {
    static bool bound = false;
    if (!bound) {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        bound = HXInit(self) != 0;
        EXPECT_TRUE(bound);
    }
    std::string error;
    EXPECT_TRUE(hxhost::OpenDocumentText(json, &error)) << error;
    return HXDoc(hxhost::DocumentHandle());
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

TraceLog::TraceLog() {
    SetTrace(this, &TraceLog::Sink);
}
TraceLog::~TraceLog() {
    ResetTrace();
}

void TraceLog::Sink(void* context, const char* text) {
    std::string line(text);
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    static_cast<TraceLog*>(context)->lines.push_back(line);
}

bool TraceLog::Has(const std::string& line) const {
    return IndexOf(line) >= 0;
}

int TraceLog::IndexOf(const std::string& line) const {
    for (size_t i = 0; i < lines.size(); i++) {
        if (lines[i] == line) return (int)i;
    }
    return -1;
}

std::string FreshFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string dir = std::string(temp) + "hxscene_" + name + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((dir + found.cFileName).c_str());
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    return dir;
}

namespace {

BmpSpec SpecOf(int w, int h, int bpp, const std::vector<uint32_t>& pixels) {
    BmpSpec spec;
    spec.width = w;
    spec.height = h;
    spec.bpp = bpp;
    spec.value = [w, &pixels](int x, int y) { return pixels[(size_t)y * w + x]; };
    return spec;
}

} // namespace

void WriteBmp(const std::string& path, int w, int h, int bpp, const std::vector<uint32_t>& pixels,
              bool topDown) {
    BmpSpec spec = SpecOf(w, h, bpp, pixels);
    spec.topDown = topDown;
    SaveBytes(path, BuildBmp(spec));
}

std::vector<unsigned char> Bmp24Bytes(int w, int h, const std::vector<uint32_t>& pixels) {
    return BuildBmp(SpecOf(w, h, 24, pixels));
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
