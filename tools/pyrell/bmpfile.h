// Uncompressed 24- and 32-bit BMP files as RGB pixel rows, top row first.
#pragma once
#include <string>
#include <vector>

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // width * height * 3, top row first
};

bool ReadBmp(const std::string& path, Picture& picture);
// Writes a 24-bit BMP; with truncate set, only the first half of the file (a failure test).
bool WriteBmp(const std::string& path, const Picture& picture, bool truncate);
