// Conversion of the host document and the render settings into the renderer scene.
#pragma once

#include "base/fmatrix.h"
#include "base/fvec.h"
#include "base/umess.h"
#include "host/hxwrap.h"

class PYL_SCENE;
struct PYL_EYE;
class RENDPYL_MODEL;

// Object name commands: "@command:base".
enum { OBJCMD_NONE = 0, OBJCMD_PYLPOINT = 1 };

struct BBOX {
    FVEC3 min = FVEC3(0, 0, 0);
    FVEC3 max = FVEC3(0, 0, 0);

    // The empty box, which any merged point replaces.
    void Init();
    void Merge(const FVEC3& p);
    bool IsEmpty() const { return min.x > max.x; }
};

// Fills an empty scene; 0 (nothing added) when an argument is null or the document has no scene 0.
// Normal and transparency maps are written into the folder of scenePath. When a part of the scene
// cannot be made or a map cannot be written, 0 after a line to mess that names it; the scene is then
// incomplete.
int ConvertScene(PYL_SCENE* scene, HXDoc doc, RENDPYL_MODEL* model, const char* scenePath,
                 const UMESS& mess = UMESS());

void SetEyeFromView(PYL_EYE* eye, const FMATRIX& view, const FMATRIX& proj);

// command and base each receive at most 255 characters and a terminator.
int ParseObjCommand(char* base, const char* name);
int SplitObjCommand(char* command, char* base, const char* name);
const char* GetObjCommandName(int id);

FVEC3 GetObjCentroid(const HXObj& obj);
void GetObjBBox(const HXObj& obj, BBOX* box);
int GetObjMainMtl(const HXDoc& doc, const HXObj& obj);
