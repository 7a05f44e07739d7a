// Writes a renderer scene as the two files the renderer reads: the HXO model beside the scene
// file, then the PYL scene file that names it.
#pragma once

#include <cstddef>
#include <string>

#include "base/tabfout.h"
#include "base/umess.h"
#include "scene/pyl_scene.h"

class EXPTEXT;

class PYLEXP {
  public:
    PYLEXP() = default;
    virtual ~PYLEXP() = default;

    // Failure lines go here; the HXO writer is given the same target.
    UMESS& GetMess() { return mess; }

    // The name Windows opens for a scene at path, from which the scene file, its model and its maps'
    // folder are all made. Empty, after a failure line, when the path cannot stand between quotes or
    // when that name is no plain file (a folder, a stream of a file, a device) or is named .hxo in any
    // case: the scene would overwrite its own model or another scene's.
    std::string ResolveScenePath(const char* path);
    // 1 when every path the scene writes can stand between quotes; else 0 after a failure line.
    int CheckScenePaths(const PYL_SCENE* scene);
    // Writes the HXO file, then the PYL file at the name path resolves to; 1 only when both were
    // written whole. Nothing is written when a check above fails.
    int Export(const char* path, const PYL_SCENE* scene);
    // Builds the HXO model from the scene and saves it at the HXO path of path; 1 when saved.
    int SaveHxoModel(const char* path, const PYL_SCENE* scene);
    // The PYL text through out; 0, with nothing written, without path, scene or eye 0, and 0
    // when a write failed.
    int WriteScene(TABFOUT& out, const char* path, const PYL_SCENE* scene);

  private:
    void WriteVolume(EXPTEXT& text, const PYL_SPACE& space);
    void WriteEye(EXPTEXT& text, const PYL_EYE& eye);
    void WriteLight(EXPTEXT& text, const PYL_LIGHT& light, int index);
    void WriteMaterial(EXPTEXT& text, const PYL_MTL& mtl);

    TABFOUT writer;
    UMESS mess;
};

// out = path with the extension of its file name replaced by "hxo" (added when there is none);
// 1, or 0 (out empty) when that does not fit in size characters.
int MakeHxoPath(char* out, size_t size, const char* path);
