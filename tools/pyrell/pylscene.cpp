#include "pylscene.h"
#include <cstdlib>
#include <set>
#include <sstream>
#include <vector>

namespace {

struct Line {
    std::string key;
    std::vector<float> numbers;
    std::string quoted; // the trailing quoted text, if any
    bool has_quoted = false;
};

bool SplitLine(const std::string& raw, Line& line) {
    size_t quote = raw.find('"');
    std::string head = quote == std::string::npos ? raw : raw.substr(0, quote);
    if (quote != std::string::npos) {
        size_t close = raw.rfind('"');
        if (close == quote || raw.find_first_not_of(" \t", close + 1) != std::string::npos) return false;
        line.quoted = raw.substr(quote + 1, close - quote - 1);
        line.has_quoted = true;
    }
    std::istringstream in(head);
    in >> line.key;
    std::string word;
    while (in >> word) {
        char* end = nullptr;
        float value = std::strtof(word.c_str(), &end);
        if (*end != '\0') return false;
        line.numbers.push_back(value);
    }
    return true;
}

bool ToVec3(const Line& line, Vec3& out) {
    if (line.numbers.size() != 3) return false;
    out = {line.numbers[0], line.numbers[1], line.numbers[2]};
    return true;
}

} // namespace

bool ParsePylScene(const std::string& text, PylScene& scene, std::string& error) {
    static const std::set<std::string> kinds = {"Space",      "Volume", "Eye",     "ParallelLight",
                                                "PointLight", "Object", "Material"};
    std::istringstream in(text);
    std::string raw, kind;
    int number = 0;
    bool header = false;
    PylMaterial* material = nullptr;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        size_t start = raw.find_first_not_of('\t');
        if (start == std::string::npos) continue;
        raw = raw.substr(start);
        auto fail = [&](const char* why) {
            error = "line " + std::to_string(number) + ": " + why + ": " + raw;
            return false;
        };
        if (!header) {
            if (raw != "pyrell100225") return fail("not a scene file");
            header = true;
            continue;
        }
        if (raw.compare(0, 4, "new ") == 0) {
            size_t open = raw.find(" \"", 4), close = raw.rfind('"');
            if (open == std::string::npos || close != raw.size() - 1 || close < open + 2)
                return fail("malformed block");
            kind = raw.substr(4, open - 4);
            if (!kinds.count(kind)) return fail("unknown block");
            material =
                kind == "Material" ? &scene.materials[raw.substr(open + 2, close - open - 2)] : nullptr;
            continue;
        }
        Line line;
        if (!SplitLine(raw, line)) return fail("malformed line");
        if (kind.empty()) return fail("value outside a block");
        bool ok = true;
        if (kind == "Eye") {
            if (line.key == "Position")
                ok = ToVec3(line, scene.position);
            else if (line.key == "Focus")
                ok = ToVec3(line, scene.focus);
            else if (line.key == "Upside")
                ok = ToVec3(line, scene.upside);
            else if (line.key == "Shift" && (ok = line.numbers.size() == 2)) {
                scene.shift[0] = line.numbers[0];
                scene.shift[1] = line.numbers[1];
            } else if (line.key == "FilmSize" && (ok = line.numbers.size() == 1))
                scene.film_size = line.numbers[0];
            else if (line.key == "FocalLength" && (ok = line.numbers.size() == 1))
                scene.focal_length = line.numbers[0];
        } else if (kind == "ParallelLight" && line.key == "Direction" && !scene.has_light) {
            ok = scene.has_light = ToVec3(line, scene.light_direction);
        } else if (kind == "Object" && line.key == "File") {
            ok = line.has_quoted && line.numbers.empty();
            scene.model_file = line.quoted;
        } else if (material && line.key == "Diffuse") {
            ok = ToVec3(line, material->diffuse);
        }
        if (!ok) return fail("bad values");
    }
    if (!header) {
        error = "empty scene file";
        return false;
    }
    if (scene.model_file.empty()) {
        error = "the scene names no model file";
        return false;
    }
    return true;
}
