// The steps of the scene conversion, one file each; used only by ConvertScene.
#pragma once

class PYL_SCENE;
class RENDPYL_MODEL;
class HXDoc;
struct BBOX;

// One scene material per host material, in host order; dir is the scene folder for maps.
void ConvertMaterials(PYL_SCENE* scene, const HXDoc& doc, RENDPYL_MODEL* model, const char* dir);

// Visible objects become scene objects or, by their name's command, lights; all of them
// grow sceneBox.
void ConvertObjects(PYL_SCENE* scene, const HXDoc& doc, BBOX* sceneBox);

// Resolves a material's map name to a full path through the host; empty when not found.
void ResolveMappingFile(const HXDoc& doc, char* out, const char* name, int kind);
