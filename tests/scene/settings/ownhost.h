// This test executable is its own host: it links the stand-in host's functions and binds the host
// function table to them, so the settings code talks to a real element tree and real documents.
#pragma once

#include "host/hxwrap.h"
#include "host/hxxml.h"

#include <string>

// Three materials: "red" 1001, "green" 1002, "blue" 1003.
extern const char* const kThreeMaterials;

// Opens a stand-in document from JSON text; the test fails when the host refuses it.
HXDoc OpenDoc(const std::string& json);
// A fresh, empty element as the host hands it over for saving.
HXXmlElement FreshElement();
// The element's subtree as the host holds it: one line per element, its name and then its attributes
// in their order (texts in UTF-8), children indented by two blanks.
std::string Dump(HXXmlElement elem);
