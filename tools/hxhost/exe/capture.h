#pragma once
// Screenshots of a window as 24-bit BMP files.
#include <windows.h>

#include <string>

// False with a reason when the window cannot be read or the file cannot be written.
bool CaptureWindow(HWND window, const std::string& path, std::string* error);
