#include "tools/hxhost/lib/docjson.h"
#include "tools/hxhost/lib/recode.h"

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>

namespace hxhost {

namespace {

// Names and file names reach the plug-in in the ANSI code page; the JSON holds them as UTF-8.
std::string ToAnsi(const std::string& utf8) {
    return Recode(utf8, CP_UTF8, CP_ACP);
}

// One reader per JSON value, carrying the path of keys that leads to it for the error line.
class Field {
  public:
    struct Error : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    Field(const Json& value, std::string path) : value_(value), path_(std::move(path)) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw Error((path_.empty() ? std::string("document") : path_) + ": " + what);
    }
    const Json& Value() const { return value_; }
    bool IsNull() const { return value_.is_null(); }

    Field Key(const char* key) const {
        return Field(value_.at(key), path_.empty() ? key : path_ + "." + key);
    }
    Field Item(size_t i) const { return Field(value_.at(i), path_ + "[" + std::to_string(i) + "]"); }

    void ExpectObject(std::initializer_list<const char*> keys) const {
        if (!value_.is_object()) Fail("expected an object");
        for (const auto& item : value_.items()) {
            bool known = false;
            for (const char* key : keys)
                known = known || item.key() == key;
            if (!known) Key(item.key().c_str()).Fail("unknown key");
        }
    }
    size_t ExpectArray(size_t minSize = 0, size_t maxSize = std::numeric_limits<size_t>::max()) const {
        if (!value_.is_array()) Fail("expected an array");
        if (value_.size() < minSize || value_.size() > maxSize) {
            Fail(minSize == maxSize ? "expected " + std::to_string(minSize) + " items"
                                    : "has " + std::to_string(value_.size()) + " items");
        }
        return value_.size();
    }
    float Float() const {
        if (!value_.is_number()) Fail("expected a number");
        double d = value_.get<double>();
        if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max())
            Fail("number out of range");
        return static_cast<float>(d);
    }
    int Int() const {
        if (!value_.is_number_integer()) Fail("expected an integer");
        if (value_.is_number_unsigned() ? value_.get<uint64_t>() > uint64_t(std::numeric_limits<int>::max())
                                        : (value_.get<int64_t>() < std::numeric_limits<int>::min() ||
                                           value_.get<int64_t>() > std::numeric_limits<int>::max()))
            Fail("integer out of range");
        return static_cast<int>(value_.get<int64_t>());
    }
    std::string Text() const {
        if (!value_.is_string()) Fail("expected a text");
        return value_.get<std::string>();
    }
    std::string AnsiText() const { return ToAnsi(Text()); }
    template <size_t N> std::array<float, N> Floats() const {
        ExpectArray(N, N);
        std::array<float, N> out{};
        for (size_t i = 0; i < N; ++i)
            out[i] = Item(i).Float();
        return out;
    }

    // Optional members: absent keys keep the value the caller already holds.
    bool Has(const char* key) const { return value_.contains(key); }
    void Read(const char* key, float& out) const {
        if (Has(key)) out = Key(key).Float();
    }
    void Read(const char* key, int& out) const {
        if (Has(key)) out = Key(key).Int();
    }
    // Host texts (names, map names) are kept in the ANSI code page.
    void Read(const char* key, std::string& out) const {
        if (Has(key)) out = Key(key).AnsiText();
    }
    template <size_t N> void Read(const char* key, std::array<float, N>& out) const {
        if (Has(key)) out = Key(key).Floats<N>();
    }

  private:
    const Json& value_;
    std::string path_;
};

Material ReadMaterial(const Field& f, int defaultUid) {
    f.ExpectObject({"name", "uid", "color", "alpha", "diffuse", "ambient", "emission", "specular", "power",
                    "texture", "alpha_map", "bump"});
    Material m;
    m.uid = defaultUid;
    f.Read("name", m.name);
    f.Read("uid", m.uid);
    f.Read("color", m.color);
    f.Read("alpha", m.alpha);
    f.Read("diffuse", m.diffuse);
    f.Read("ambient", m.ambient);
    f.Read("emission", m.emission);
    f.Read("specular", m.specular);
    f.Read("power", m.power);
    f.Read("texture", m.texture);
    f.Read("alpha_map", m.alphaMap);
    f.Read("bump", m.bump);
    return m;
}

Face ReadFace(const Field& f, size_t vertexCount) {
    f.ExpectObject({"v", "uv", "m"});
    Face face;
    if (f.Has("v")) {
        Field v = f.Key("v");
        for (size_t i = 0, n = v.ExpectArray(); i < n; ++i) {
            int index = v.Item(i).Int();
            if (index < 0 || size_t(index) >= vertexCount)
                v.Item(i).Fail("vertex index " + std::to_string(index) + " out of range: the object has " +
                               std::to_string(vertexCount) + " vertices");
            face.points.push_back(index);
        }
    }
    face.uv.assign(face.points.size(), {0.0f, 0.0f});
    if (f.Has("uv")) {
        Field uv = f.Key("uv");
        uv.ExpectArray(face.points.size(), face.points.size());
        for (size_t i = 0; i < face.points.size(); ++i)
            face.uv[i] = uv.Item(i).Floats<2>();
    }
    f.Read("m", face.material);
    return face;
}

// Fields missing from a frozen shape keep those of the object it belongs to.
void ReadShape(const Field& f, Shape& s, bool allowFrozen) {
    if (allowFrozen) {
        f.ExpectObject({"name", "visible", "lathe", "patch", "mirror", "shading", "smooth_angle", "vertices",
                        "faces", "frozen"});
    } else {
        f.ExpectObject(
            {"name", "visible", "lathe", "patch", "mirror", "shading", "smooth_angle", "vertices", "faces"});
    }
    f.Read("name", s.name);
    f.Read("visible", s.visible);
    f.Read("lathe", s.lathe);
    f.Read("patch", s.patch);
    f.Read("mirror", s.mirror);
    f.Read("shading", s.shading);
    f.Read("smooth_angle", s.smoothAngle);
    if (f.Has("vertices")) {
        Field v = f.Key("vertices");
        s.vertices.clear();
        for (size_t i = 0, n = v.ExpectArray(); i < n; ++i)
            s.vertices.push_back(v.Item(i).Floats<3>());
    }
    if (f.Has("faces")) {
        Field faces = f.Key("faces");
        s.faces.clear();
        for (size_t i = 0, n = faces.ExpectArray(); i < n; ++i)
            s.faces.push_back(ReadFace(faces.Item(i), s.vertices.size()));
    } else {
        for (size_t i = 0; i < s.faces.size(); ++i) {
            for (int index : s.faces[i].points) {
                if (size_t(index) >= s.vertices.size())
                    f.Fail("the faces kept from the object use vertex " + std::to_string(index));
            }
        }
    }
}

// The nesting limit of the whole text bounds this recursion too.
void ReadSettings(const Field& f, XmlElement& element) {
    f.ExpectObject({"name", "text", "attributes", "children"});
    if (f.Has("text")) element.SetText(f.Key("text").Text());
    if (f.Has("attributes")) {
        Field list = f.Key("attributes");
        for (size_t i = 0, n = list.ExpectArray(); i < n; ++i) {
            Field pair = list.Item(i);
            pair.ExpectArray(2, 2);
            std::string key = pair.Item(0).Text();
            if (key.empty()) pair.Item(0).Fail("empty attribute name");
            if (element.FindAttribute(key)) pair.Item(0).Fail("attribute \"" + key + "\" given twice");
            element.SetAttribute(key, pair.Item(1).Text());
        }
    }
    if (f.Has("children")) {
        Field list = f.Key("children");
        for (size_t i = 0, n = list.ExpectArray(); i < n; ++i) {
            Field child = list.Item(i);
            child.ExpectObject({"name", "text", "attributes", "children"});
            std::string name = child.Has("name") ? child.Key("name").Text() : "";
            if (name.empty()) child.Fail("an element needs a name");
            ReadSettings(child, *element.AddChild(name));
        }
    }
}

void ReadInto(const Field& root, Document& doc) {
    root.ExpectObject({"scene", "materials", "objects", "mapping", "settings"});
    doc.scene.view = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    doc.scene.proj = doc.scene.view;
    if (root.Has("scene")) {
        Field scene = root.Key("scene");
        scene.ExpectObject({"view", "proj"});
        scene.Read("view", doc.scene.view);
        scene.Read("proj", doc.scene.proj);
    }
    if (root.Has("materials")) {
        Field list = root.Key("materials");
        std::set<int> uids;
        for (size_t i = 0, n = list.ExpectArray(); i < n; ++i) {
            Field item = list.Item(i);
            if (item.IsNull()) {
                doc.materials.emplace_back();
                continue;
            }
            auto m = std::make_unique<Material>(ReadMaterial(item, 1001 + int(i)));
            if (!uids.insert(m->uid).second) item.Fail("uid " + std::to_string(m->uid) + " is not unique");
            doc.materials.push_back(std::move(m));
        }
    }
    if (root.Has("objects")) {
        Field list = root.Key("objects");
        for (size_t i = 0, n = list.ExpectArray(); i < n; ++i) {
            Field item = list.Item(i);
            if (item.IsNull()) {
                doc.objects.emplace_back();
                continue;
            }
            auto object = std::make_unique<Object>();
            ReadShape(item, object->shape, true);
            object->frozenShape = object->shape;
            if (item.Has("frozen")) ReadShape(item.Key("frozen"), object->frozenShape, false);
            doc.objects.push_back(std::move(object));
        }
    }
    if (root.Has("mapping")) {
        Field mapping = root.Key("mapping");
        if (!mapping.Value().is_object()) mapping.Fail("expected an object");
        for (const auto& item : mapping.Value().items())
            doc.mapping[ToAnsi(item.key())] = mapping.Key(item.key().c_str()).AnsiText();
    }
    std::string name = "pyldlgHX";
    if (root.Has("settings") && root.Key("settings").Has("name"))
        name = root.Key("settings").Key("name").Text();
    if (name.empty()) root.Key("settings").Key("name").Fail("the settings element needs a name");
    doc.settings = std::make_unique<XmlElement>(name);
    if (root.Has("settings")) ReadSettings(root.Key("settings"), *doc.settings);
}

// Far deeper than any document the host writes, far shallower than what exhausts the stack of the
// parser and of the readers that walk the tree.
constexpr int kMaxDepth = 128;

// Whether arrays and objects nest deeper than `limit`, counting brackets outside strings.
bool NestedDeeperThan(const std::string& text, int limit) {
    int depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

} // namespace

std::unique_ptr<Document> ReadDocument(const std::string& text, Json* source, std::string* error) {
    if (NestedDeeperThan(text, kMaxDepth)) {
        if (error) *error = "document: arrays and objects nested deeper than " + std::to_string(kMaxDepth);
        return nullptr;
    }
    Json& root = *source;
    try {
        root = Json::parse(text);
    } catch (const Json::exception& e) {
        if (error) *error = std::string("not JSON: ") + e.what();
        return nullptr;
    }
    auto doc = std::make_unique<Document>();
    try {
        ReadInto(Field(root, ""), *doc);
    } catch (const Field::Error& e) {
        if (error) *error = e.what();
        return nullptr;
    }
    return doc;
}

Json SettingsToJson(const XmlElement& element) {
    Json out = Json::object();
    out["name"] = element.Name();
    if (element.HasText()) out["text"] = element.Text();
    Json attributes = Json::array();
    for (const auto& [key, value] : element.Attributes())
        attributes.push_back(Json::array({key, value}));
    out["attributes"] = std::move(attributes);
    Json children = Json::array();
    for (const auto& child : element.Children())
        children.push_back(SettingsToJson(*child));
    out["children"] = std::move(children);
    return out;
}

} // namespace hxhost
