// Writes an HXO_MODEL as an HXO text model file, the geometry file beside the PYL scene.
#pragma once

#include "base/tabfout.h"
#include "base/umess.h"
#include "scene/hxo_model.h"

class EXPTEXT;

class HXOEXP {
  public:
    HXOEXP() = default;
    virtual ~HXOEXP() = default;

    HXOEXP* SetTextVertex(int flag) {
        textVertices = flag;
        return this;
    }
    HXOEXP* SetWriteScene(int flag) {
        writeScene = flag;
        return this;
    }

    // Failure lines go here.
    UMESS& GetMess() { return mess; }

    // 1 when the whole file was written and closed; 0 when it could not be created or any
    // write or the close failed, and 0 with nothing written (after a failure line) when a path of
    // the model cannot stand between quotes.
    int Save(const char* path, const HXO_MODEL* model, int writeTransform);
    // Writes the file through the bound writer; 0 when a write failed.
    int WriteModel(const HXO_MODEL* model, int writeTransform);
    // Opens path on a bare text writer, writes nothing, and closes it again.
    static int SaveEmpty(TABFOUT& out, const char* path);

  private:
    int CheckPaths(const HXO_MODEL& model);
    void WriteScene(EXPTEXT& text, const HXO_SCENE& scene);
    void WriteMaterials(EXPTEXT& text, const HXO_MODEL& model);
    int WriteObject(EXPTEXT& text, const HXO_OBJ& obj, int writeTransform);
    int WriteBinaryVertices(EXPTEXT& text, const HXO_OBJ& obj);

    TABFOUT writer;
    int textVertices = 1;
    int writeScene = 0;
    UMESS mess;
};
