#pragma once
// The host document: a scene, materials, objects with their frozen forms, the texture mapping table and
// the plug-in's settings element.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/hxhost/lib/xmltree.h"

namespace hxhost {

struct Material {
    std::string name;
    int uid = 0;
    std::array<float, 3> color{1.0f, 1.0f, 1.0f};
    float alpha = 1.0f;
    float diffuse = 0.8f;
    float ambient = 0.6f;
    float emission = 0.0f;
    float specular = 0.0f;
    float power = 5.0f;
    std::string texture;
    std::string alphaMap;
    std::string bump;
};

struct Face {
    std::vector<int> points;              // vertex indexes, one per corner
    std::vector<std::array<float, 2>> uv; // one pair per corner
    int material = -1;
};

struct Shape {
    std::string name;
    int visible = 1;
    int lathe = 0;
    int patch = 0;
    int mirror = 0;
    int shading = 1;
    float smoothAngle = 60.0f;
    std::vector<std::array<float, 3>> vertices;
    std::vector<Face> faces;
};

// An object reads as its shape until it is frozen; then it reads as its frozen shape.
struct Object {
    Shape shape;
    Shape frozenShape;
    bool frozen = false;
    const Shape& Current() const { return frozen ? frozenShape : shape; }
};

struct Scene {
    std::array<float, 16> view{};
    std::array<float, 16> proj{};
};

struct Document {
    Scene scene;
    std::vector<std::unique_ptr<Material>> materials; // null entries are empty slots
    std::vector<std::unique_ptr<Object>> objects;     // null entries are empty slots
    std::vector<std::unique_ptr<Object>> clones;
    std::map<std::string, std::string> mapping;
    std::unique_ptr<XmlElement> settings;
    int clonesMade = 0;
    int freezes = 0;
    int deletes = 0;

    // Handle checks: the plug-in only ever gets addresses of these, and stale or foreign ones answer nothing.
    bool Owns(const Material* material) const;
    bool Owns(const Object* object) const;
    Object* Clone(const Object* object);
    bool Delete(const Object* object);
};

} // namespace hxhost
