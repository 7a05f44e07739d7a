#pragma once
// The host's image loader: 24- and 32-bit BMP files into a BITMAPINFO block and a pixel block, both from
// LocalAlloc, as the plug-in frees them with LocalFree.
#include <windows.h>

#include <string>

namespace hxhost {

// On failure nothing is allocated, both outputs are null and `reason` says why.
bool LoadBmpImage(const char* path, BITMAPINFO** header, void** bits, std::string* reason);

} // namespace hxhost
