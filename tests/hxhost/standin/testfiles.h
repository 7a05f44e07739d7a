#pragma once
// Scratch files for the stand-in host's tests, in a folder of their own under the system's temp folder.
#include <windows.h>

#include <fstream>
#include <string>

inline std::string ScratchPath(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "hxhost_standin_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\" + name;
}

inline std::string WriteScratch(const std::string& name, const std::string& bytes) {
    std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}
