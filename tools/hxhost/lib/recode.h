#pragma once
// Text between code pages (CP_UTF8, CP_ACP) through UTF-16; what a page cannot hold becomes its default.
#include <windows.h>

#include <string>

namespace hxhost {

std::string Recode(const std::string& text, UINT from, UINT to);

} // namespace hxhost
