// The parts of a PYL scene file that the stand-in renderer draws with.
#pragma once
#include <map>
#include <string>

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

struct PylMaterial {
    Vec3 diffuse{1, 1, 1};
};

struct PylScene {
    Vec3 position{0, 0, 10}, focus{0, 0, 0}, upside{0, 1, 0};
    float shift[2] = {0, 0};
    float film_size = 36, focal_length = 50;
    bool has_light = false;
    Vec3 light_direction{0, 0, -1};
    std::string model_file;
    std::map<std::string, PylMaterial> materials;
};

// Parses the scene text; on failure returns false with a reason naming the line.
bool ParsePylScene(const std::string& text, PylScene& scene, std::string& error);
