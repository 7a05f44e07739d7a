#pragma once
// The host program's output: lines on stdout, complaints on stderr, both in UTF-8.
#include <string>

void Say(const std::string& line);
// Prefixed with "hxhost: ".
void Complain(const std::string& line);
