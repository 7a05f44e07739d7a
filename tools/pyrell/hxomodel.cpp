#include "hxomodel.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Walks the model text line by line; binary vertex blocks are read as raw bytes in between.
class Reader {
  public:
    explicit Reader(const std::string& text) : text_(text) {}

    bool Next(std::string& line) {
        if (pos_ >= text_.size()) return false;
        size_t end = text_.find('\n', pos_);
        if (end == std::string::npos) end = text_.size();
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++number_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t start = line.find_first_not_of('\t');
        line = start == std::string::npos ? std::string() : line.substr(start);
        return true;
    }

    bool Raw(size_t size, const char*& data) {
        if (text_.size() - pos_ < size) return false;
        data = text_.data() + pos_;
        pos_ += size;
        return true;
    }

    int number() const { return number_; }

  private:
    const std::string& text_;
    size_t pos_ = 0;
    int number_ = 0;
};

bool StartsWith(const std::string& s, const char* prefix) {
    return s.compare(0, strlen(prefix), prefix) == 0;
}

// "NAME n {" with n >= 0.
bool CountBlock(const std::string& line, const char* name, long& count) {
    if (!StartsWith(line, name)) return false;
    char* end = nullptr;
    count = std::strtol(line.c_str() + strlen(name), &end, 10);
    return count >= 0 && std::strcmp(end, " {") == 0;
}

// Reads "KEY(" numbers ")" at p; returns the numbers' text and moves p past the closing bracket.
bool Group(const char*& p, const char* key, std::string& inner) {
    size_t len = strlen(key);
    if (std::strncmp(p, key, len) != 0) return false;
    const char* close = std::strchr(p + len, ')');
    if (!close) return false;
    inner.assign(p + len, close);
    p = close + 1;
    return true;
}

bool ParseFace(const std::string& line, HxoFace& face) {
    const char* p = line.c_str();
    char* end = nullptr;
    long count = std::strtol(p, &end, 10);
    if (end == p || count < 1 || count > 4 || *end != ' ') return false;
    p = end + 1;
    std::string inner;
    if (!Group(p, "V(", inner)) return false;
    const char* q = inner.c_str();
    for (long i = 0; i < count; ++i) {
        face.corners[i] = static_cast<int>(std::strtol(q, &end, 10));
        if (end == q) return false;
        q = end;
    }
    if (*q) return false;
    face.count = static_cast<int>(count);
    face.material = -1;
    if (*p == ' ' && Group(++p, "M(", inner)) {
        face.material = std::atoi(inner.c_str());
        if (*p == ' ') ++p;
    }
    // UV and COL groups are accepted as they come; the flat shading does not use them.
    while (*p) {
        if (!Group(p, "UV(", inner) && !Group(p, "COL(", inner)) return false;
        if (*p == ' ') ++p;
    }
    return true;
}

bool ParseVertex(const std::string& line, Vec3& v) {
    char tail;
    return std::sscanf(line.c_str(), "%f %f %f%c", &v.x, &v.y, &v.z, &tail) == 3;
}

} // namespace

bool ParseHxoModel(const std::string& text, HxoModel& model, std::string& error) {
    Reader in(text);
    std::string line;
    auto fail = [&](const char* why) {
        error = "line " + std::to_string(in.number()) + ": " + why;
        return false;
    };
    if (!in.Next(line) || line != "Hexagrel Document") return fail("not a model file");
    if (!in.Next(line) || line != "Format Text Ver 1.0") return fail("unknown format");
    if (!in.Next(line) || !line.empty()) return fail("missing blank line");
    long count = 0;
    while (in.Next(line)) {
        if (line == "eof") return true;
        if (line == "Scene {") {
            while (in.Next(line) && line != "}") {
            }
        } else if (CountBlock(line, "Material ", count)) {
            for (long i = 0; i < count; ++i) {
                if (!in.Next(line) || line.empty() || line[0] != '"') return fail("bad material line");
                size_t close = line.find("\" col(");
                if (close == std::string::npos) close = line.find("\" vcol(");
                if (close == std::string::npos) return fail("bad material line");
                model.materials.push_back(line.substr(1, close - 1));
            }
            if (!in.Next(line) || line != "}") return fail("unclosed material block");
        } else if (StartsWith(line, "Object \"") && line.size() > 10 &&
                   line.compare(line.size() - 3, 3, "\" {") == 0) {
            HxoObject object;
            object.name = line.substr(8, line.size() - 11);
            while (in.Next(line) && line != "}") {
                if (CountBlock(line, "vertex ", count)) {
                    object.vertices.resize(count);
                    for (auto& v : object.vertices)
                        if (!in.Next(line) || !ParseVertex(line, v)) return fail("bad vertex");
                    if (!in.Next(line) || line != "}") return fail("unclosed vertex block");
                } else if (CountBlock(line, "BVertex ", count)) {
                    long n = -1, bytes = -1;
                    const char* data = nullptr;
                    if (!in.Next(line) || std::sscanf(line.c_str(), "Vector %ld [%ld]", &n, &bytes) != 2 ||
                        n != count || bytes != count * 12 || !in.Raw(bytes, data))
                        return fail("bad binary vertices");
                    object.vertices.resize(count);
                    std::memcpy(object.vertices.data(), data, bytes);
                    if (!in.Next(line) || !line.empty() || !in.Next(line) || !line.empty() ||
                        !in.Next(line) || line != "}")
                        return fail("unclosed binary vertex block");
                } else if (CountBlock(line, "face ", count)) {
                    std::string face_line;
                    while (in.Next(face_line) && face_line != "}") {
                        HxoFace face;
                        if (!ParseFace(face_line, face)) return fail("bad face");
                        for (int i = 0; i < face.count; ++i)
                            if (face.corners[i] < 0 || face.corners[i] >= (int)object.vertices.size())
                                return fail("face corner outside the vertices");
                        object.faces.push_back(face);
                    }
                    if ((long)object.faces.size() > count) return fail("more faces than counted");
                }
            }
            if (line != "}") return fail("unclosed object");
            model.objects.push_back(std::move(object));
        } else {
            return fail("unknown chunk");
        }
    }
    return fail("missing eof");
}
