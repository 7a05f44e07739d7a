#include "scene/pylexp.h"

#include <windows.h>

#include <new>
#include <string>
#include <vector>

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

// The file Windows opens for path: resolved against the current folder with `.` and `..` applied and
// `/` made `\`, without the trailing blanks and dots it drops from a name (neither byte is ever the
// second byte of a Shift-JIS character). Empty when the path cannot be resolved.
std::string OpenedName(const char* path) {
    DWORD size = GetFullPathNameA(path, 0, nullptr, nullptr);
    if (!size) return "";
    std::vector<char> full(size);
    DWORD n = GetFullPathNameA(path, size, full.data(), nullptr);
    if (!n || n >= size) return "";
    std::string opened(full.data(), n);
    while (!opened.empty() && (opened.back() == ' ' || opened.back() == '.'))
        opened.pop_back();
    return opened;
}

// Whether a resolved name ends in a separator, that is names a folder and no file.
bool NamesNoFile(const std::string& opened) {
    return opened.empty() || *CharPrevA(opened.c_str(), opened.c_str() + opened.size()) == '\\';
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

int PYLEXP::CheckScenePath(const char* path) {
    if (!path || !CheckQuotablePath(mess, path)) return 0;
    // The name as typed may hide its real one: "a.hxo\." and "x\..\a.hxo" open a.hxo.
    const std::string scene = OpenedName(path);
    char hxoPath[1024];
    bool refused = NamesNoFile(scene) || ExtensionDiffers(scene.c_str(), "hxo") == 0;
    if (!refused && MakeHxoPath(hxoPath, sizeof hxoPath, path))
        refused = lstrcmpiA(OpenedName(hxoPath).c_str(), scene.c_str()) == 0;
    if (refused) {
        mess.PrintfLn("モデルファイルと同じ名前には保存できません!!(%s)", path);
        return 0;
    }
    return 1;
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
    if (!CheckScenePath(path) || !CheckScenePaths(scene)) return 0;
    int modelSaved = SaveHxoModel(path, scene);
    FOUTFILE file;
    if (!file.OpenWrite(writer, path)) return 0;
    int written = 0;
    try {
        written = WriteScene(writer, path, scene);
    } catch (const std::bad_alloc&) {
        written = 0;
    }
    int closed = writer.Close();
    return modelSaved && written && closed ? 1 : 0;
}
