#pragma once
// Host documents as JSON text: reading with a check of every field, and writing back with the settings
// element replaced.
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "tools/hxhost/lib/document.h"

namespace hxhost {

using Json = nlohmann::ordered_json;

// The document and its parsed source; null and a one-line reason ("objects[1].faces[0].v[2]: ...") when
// the text is not a valid document.
std::unique_ptr<Document> ReadDocument(const std::string& text, Json* source, std::string* error);

Json SettingsToJson(const XmlElement& element);

} // namespace hxhost
