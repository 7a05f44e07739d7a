// The geometry of an HXO model file as the stand-in renderer needs it.
#pragma once
#include "pylscene.h"
#include <string>
#include <vector>

struct HxoFace {
    int corners[4];
    int count;
    int material;
};

struct HxoObject {
    std::string name;
    std::vector<Vec3> vertices;
    std::vector<HxoFace> faces;
};

struct HxoModel {
    std::vector<std::string> materials;
    std::vector<HxoObject> objects;
};

// Parses the model text; on failure returns false with a reason naming the line.
bool ParseHxoModel(const std::string& text, HxoModel& model, std::string& error);
