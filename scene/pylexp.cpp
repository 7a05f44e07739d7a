#include "scene/pylexp.h"

#include <windows.h>

#include <new>
#include <string>

#include "base/filepath.h"
#include "scene/hxoexp.h"
#include "scene/quotedtext.h"

namespace {

// The lists report a failed allocation with a null element.
template <class T> T* Need(T* p) {
    if (!p) throw std::bad_alloc();
    return p;
}

void AddMaterials(HXO_MODEL& model, const PYL_SCENE& scene) {
    for (int i = 0; i < scene.GetMaterialCount(); ++i) {
        const PYL_MTL* mtl = scene.GetMaterial(i);
        if (!mtl) continue;
        HXO_MATERIAL* m = Need(model.AddMaterial());
        m->SetName(mtl->GetName());
        if (const PYL_MTLCH* diffuse = mtl->FindChannel(PYL_MTLCH::DIFFUSE))
            m->SetTextureName(diffuse->GetTexture());
    }
}

void AddObject(HXO_MODEL& model, const PYL_OBJ& src) {
    HXO_OBJ* obj = Need(model.AddObject());
    obj->SetName(src.GetName());
    obj->SetFacet(src.GetFacet());
    obj->SetVisible(15);
    obj->ReserveVertices(src.GetVertexCount());
    for (int i = 0; i < src.GetVertexCount(); ++i) {
        const FVEC3& v = src.GetVertex(i);
        obj->AddVertex(v.x, v.y, v.z);
    }
    for (int i = 0; i < src.GetFaceCount(); ++i) {
        const PYL_FACE* f = src.GetFace(i);
        int n = f->GetCount();
        if (n < 0 || n > 4) n = 0; // a face has room for four corners
        HXO_FACE* face = Need(obj->AddFace());
        face->SetMaterial(f->GetMaterial());
        face->SetPointCount(n);
        face->SetUseMaterial(1);
        face->SetUseUV(1);
        for (int k = 0; k < n; ++k) {
            face->SetIndex(k, f->GetVertex(k));
            face->SetUV(k, f->GetUV(k));
        }
    }
}

// Whether Windows opens a resolved name as a plain file: not a folder (nor a name that ends in a separator),
// not a stream of a file (a ':' other than the drive's own; no second byte of a Shift-JIS character is
// ever a ':'), and not a device such as NUL or COM1, which resolves to "\\.\NUL".
bool OpensAFile(const std::string& opened) {
    if (opened.empty() || *CharPrevA(opened.c_str(), opened.c_str() + opened.size()) == '\\') return false;
    const bool prefixed = opened.rfind("\\\\.\\", 0) == 0 || opened.rfind("\\\\?\\", 0) == 0;
    const size_t drive = prefixed ? 5 : 1; // where the drive's own ':' stands in "\\?\C:\" and "C:\"
    for (size_t colon = opened.find(':'); colon != std::string::npos; colon = opened.find(':', colon + 1))
        if (colon != drive) return false;
    if (prefixed && !FindChar(opened.c_str() + 4, '\\')) return false; // a device
    return !IsFolder(opened.c_str());
}

} // namespace

int MakeHxoPath(char* out, size_t size, const char* path) {
    return ChangeExtension(out, size, path, "hxo") == 0 ? 1 : 0;
}

int PYLEXP::SaveHxoModel(const char* path, const PYL_SCENE* scene) {
    char hxoPath[1024];
    if (!path || !scene) return 0;
    int saved = 0;
    if (MakeHxoPath(hxoPath, sizeof hxoPath, path)) {
        try {
            HXO_MODEL model;
            AddMaterials(model, *scene);
            for (int i = 0; i < scene->GetObjectCount(); ++i)
                if (const PYL_OBJ* obj = scene->GetObject(i)) AddObject(model, *obj);
            HXOEXP exporter;
            exporter.GetMess().CopyTarget(mess);
            saved = exporter.Save(hxoPath, &model, 1);
        } catch (const std::bad_alloc&) {
            saved = 0;
        }
    }
    if (!saved) mess.PrintfLn("%s 保存失敗!!", hxoPath[0] ? hxoPath : path);
    return saved;
}

std::string PYLEXP::ResolveScenePath(const char* path) {
    // Only the model's name, made from this one, is ever written between quotes.
    if (!path || !CheckQuotableName(mess, path)) return "";
    // The name as typed may hide its real one: "a.hxo\." and "x\..\a.hxo" open a.hxo, "my.scenes/a"
    // names a file in my.scenes.
    // The model is that name with the extension hxo, so it is the scene itself only when the scene is
    // named .hxo.
    std::string scene = ResolvePath(path);
    if (!OpensAFile(scene) || ExtensionDiffers(scene.c_str(), "hxo") == 0) {
        mess.PrintfLn("モデルファイルと同じ名前には保存できません!!(%s)", path);
        return "";
    }
    return scene;
}

int PYLEXP::CheckScenePaths(const PYL_SCENE* scene) {
    if (!scene) return 0;
    const PYL_SPACE& space = *scene->GetSpace();
    for (const char* map : {space.GetExtinctionMap(), space.GetAlbedoMap(), space.GetSkyLightMap()})
        if (!CheckQuotablePath(mess, map)) return 0;
    for (int i = 0; i < scene->GetLightCount(); ++i) {
        const PYL_LIGHT* light = scene->GetLight(i);
        if (light && !CheckQuotablePath(mess, light->GetTexture())) return 0;
    }
    for (int i = 0; i < scene->GetMaterialCount(); ++i) {
        const PYL_MTL* mtl = scene->GetMaterial(i);
        for (int k = 0; mtl && k < mtl->GetChannelCount(); ++k) {
            const PYL_MTLCH* ch = mtl->GetChannel(k);
            if (ch && !CheckQuotablePath(mess, ch->GetTexture())) return 0;
        }
    }
    return 1;
}

// A failed model does not stop the scene file, but the export reports it.
int PYLEXP::Export(const char* path, const PYL_SCENE* scene) {
    const std::string opened = ResolveScenePath(path);
    if (opened.empty() || !CheckScenePaths(scene)) return 0;
    int modelSaved = SaveHxoModel(opened.c_str(), scene);
    FOUTFILE file;
    if (!file.OpenWrite(writer, opened.c_str())) return 0;
    int written = 0;
    try {
        written = WriteScene(writer, opened.c_str(), scene);
    } catch (const std::bad_alloc&) {
        written = 0;
    }
    int closed = writer.Close();
    return modelSaved && written && closed ? 1 : 0;
}
