// The steps of the scene conversion, one file each; used only by ConvertScene.
#pragma once

#include "scene/pyl_scene.h"

class RENDPYL_MODEL;
class HXDoc;
struct BBOX;

// Why the conversion stops: the line for the user. Thrown by the steps, caught by ConvertScene alone.
struct CONVERT_FAILURE {
    char line[PYL_PATH_LEN + 64];
};
// Stops the conversion with "<what>作成失敗!!", followed by "(<name>)" when a name is given.
[[noreturn]] void FailToMake(const char* what, const char* name = nullptr);
// Stops the conversion with "<path> 保存失敗!!".
[[noreturn]] void FailToSave(const char* path);
// The scene's lists give null when an element cannot be allocated.
template <class T> T* Need(T* p, const char* what, const char* name = nullptr) {
    if (!p) FailToMake(what, name);
    return p;
}

// One scene material per host material, in host order; dir is the scene folder for maps.
void ConvertMaterials(PYL_SCENE* scene, const HXDoc& doc, RENDPYL_MODEL* model, const char* dir);

// Visible objects become scene objects or, by their name's command, lights; all of them
// grow sceneBox.
void ConvertObjects(PYL_SCENE* scene, const HXDoc& doc, BBOX* sceneBox);

// Resolves a material's map name to a full path through the host; empty when not found.
void ResolveMappingFile(const HXDoc& doc, char* out, const char* name, int kind);
