#include "host_fixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "base/trace.h"
#include "host/hxexports.h"
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

void Put16(std::vector<unsigned char>& b, size_t at, unsigned v) {
    b[at] = (unsigned char)v;
    b[at + 1] = (unsigned char)(v >> 8);
}

void Put32(std::vector<unsigned char>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; i++)
        b[at + i] = (unsigned char)(v >> (8 * i));
}

std::vector<unsigned char> BmpHeader(int w, int h, int bpp, size_t imageBytes) {
    std::vector<unsigned char> b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, (uint32_t)(54 + imageBytes));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, (uint32_t)w);
    Put32(b, 22, (uint32_t)h);
    Put16(b, 26, 1);
    Put16(b, 28, (unsigned)bpp);
    return b;
}

} // namespace

std::vector<unsigned char> Bmp24Header(int w, int h) {
    size_t stride = ((size_t)w * 24 + 31) / 32 * 4;
    return BmpHeader(w, h, 24, stride * h);
}

void WriteBmp(const std::string& path, int w, int h, int bpp, const std::vector<uint32_t>& pixels,
              bool topDown) {
    size_t stride = ((size_t)w * bpp + 31) / 32 * 4;
    std::vector<unsigned char> file = BmpHeader(w, topDown ? -h : h, bpp, stride * h);
    for (int row = 0; row < h; row++) {
        int y = topDown ? row : h - 1 - row; // file rows are bottom-up unless the height is negative
        std::vector<unsigned char> line(stride, 0);
        for (int x = 0; x < w; x++) {
            uint32_t p = pixels[(size_t)y * w + x];
            unsigned char* q = &line[(size_t)x * (bpp / 8)];
            q[0] = (unsigned char)p;
            q[1] = (unsigned char)(p >> 8);
            q[2] = (unsigned char)(p >> 16);
            if (bpp == 32) q[3] = (unsigned char)(p >> 24);
        }
        file.insert(file.end(), line.begin(), line.end());
    }
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(file.data(), 1, file.size(), f);
    fclose(f);
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::vector<unsigned char> data;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return data;
    unsigned char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        data.insert(data.end(), buf, buf + n);
    fclose(f);
    return data;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
