// Saving the renderer's input files and the shown picture.
#include "app/dlmain.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "base/filepath.h"
#include "base/linefmt.h"
#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"
#include "scene/pylexp.h"
#include "ui/filedlg.h"

int DLMAIN::ExportScene(const char* path, HXDoc doc, RENDPYL_MODEL* model) {
    if (!path || !doc || !model) return 0;
    PYLEXP exporter;
    exporter.GetMess().CopyTarget(m_mess);
    // Checked before the conversion, which already writes maps beside the scene; every file is made
    // from the name Windows opens, the one that was checked.
    const std::string scenePath = exporter.ResolveScenePath(path);
    if (scenePath.empty()) return 0;
    std::unique_ptr<PYL_SCENE> scene(new (std::nothrow) PYL_SCENE);
    if (!scene) {
        Print("シーン作成失敗!!");
        return 0;
    }
    if (!ConvertScene(scene.get(), doc, model, scenePath.c_str(), m_mess)) return 0;
    return exporter.Export(scenePath.c_str(), scene.get());
}

int DLMAIN::SavePYL() {
    if (!GetScene()) return 0;
    static const char filter[] = "*.pyl\0*.pyl\0*.*\0*.*\0";
    static const char* const exts[] = {"pyl", "*", nullptr};
    char path[PATHSIZE] = "";
    if (!SaveFileDialog(m_hwnd, path, "SavePYL", filter, 1, exts)) return 0;
    // The document may have been closed while the dialog was open.
    RENDPYL_MODEL* model = GetScene();
    if (!model) return 0;
    if (ExportScene(path, model->GetDoc(), model)) return 1;
    Print("%s 保存失敗!!", path);
    return 0;
}

void DLMAIN::SaveImage() {
    if (!m_imageLoaded) return;
    Print("SaveImage(%s)", renderimage_filename);
    char ext[80] = "";
    const char* found = FindExtension(renderimage_filename);
    bool fits = !found || GetExtension(ext, sizeof ext, renderimage_filename);
    if (!fits || lstrcmpiA(ext, "BMP") != 0) {
        // An extension too long for the buffer is no format written here; it is shown cut.
        if (!fits) {
            size_t n = WholeCharPrefix(found, sizeof ext - 1);
            memcpy(ext, found, n);
            ext[n] = 0;
        }
        Print("(%s)対応外の形式です", ext);
        return;
    }
    if (!m_view.GetImage().SaveBMP(renderimage_filename))
        Print("%sの保存に失敗しました", renderimage_filename);
}
