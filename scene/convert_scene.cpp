// The order of the conversion, and the parts taken straight from the settings.
#include "scene/convert_scene.h"

#include <string.h>

#include <cstdio>
#include <new>
#include <vector>

#include "base/filepath.h"
#include "base/trace.h"
#include "host/hxwrap.h"
#include "scene/convert_parts.h"
#include "scene/pyl_scene.h"
#include "scene/quotedtext.h"
#include "scene/rendpyl_model.h"

void FailToMake(const char* what, const char* name) {
    CONVERT_FAILURE failure;
    if (!name) {
        std::snprintf(failure.line, sizeof failure.line, "%s作成失敗!!", what);
        throw failure;
    }
    char shown[PYL_PATH_LEN];
    std::snprintf(shown, sizeof shown, "%s", name);
    MakeQuotable(shown, strlen(shown));
    std::snprintf(failure.line, sizeof failure.line, "%s作成失敗!!(%s)", what, shown);
    throw failure;
}

void FailToSave(const char* path) {
    CONVERT_FAILURE failure;
    std::snprintf(failure.line, sizeof failure.line, "%s 保存失敗!!", path);
    throw failure;
}

namespace {

void ConvertSpace(PYL_SPACE* space, const RENDPYL_RENDER* render) {
    space->width = render->width;
    space->height = render->height;
    space->back_col = render->backcol;
    space->SetBackFilename(render->GetBackFilename());
    space->use_back = render->GetUseBackFlg().value;
    space->anisotropy = render->GetAnisotropy().value;
    space->homogeneous_extinction = render->GetHomogeneousExtinction().value;
    space->homogeneous_albedo = render->GetHomogeneousAlbedo().value;
    space->extinction = render->GetExtinction().value;
    space->albedo = render->GetAlbedo().value;
    space->origin = render->GetOrigin().value;
    space->size = render->GetSize().value;
}

void ConvertSky(PYL_SPACE* space, const RENDPYL_LIGHTSKY* sky) {
    space->sky_light = sky->GetCol().value * sky->GetScale().value;
    space->SetSkyLightMap(sky->GetFilename());
}

void ConvertEye(PYL_SCENE* scene, const FMATRIX& view, const FMATRIX& proj, const RENDPYL_CAMERA* camera) {
    PYL_EYE* eye = Need(scene->AddEye(), "視点");
    SetEyeFromView(eye, view, proj);
    if (!camera) return;
    eye->film_size = camera->GetFilmSize().value;
    eye->use_focalratio = camera->GetUseFocalRatio().value;
    eye->focalratio = camera->GetFocalRatio().value;
    eye->bokeh = camera->GetBokeh().value;
    eye->distortion = camera->GetDistortion().value;
    eye->lenstilt = camera->GetLensTilt().value;
    eye->filmtilt = camera->GetFilmTilt().value;
    eye->oblique = camera->GetOblique().value;
    eye->SetBokehFile(camera->GetBokehFilename());
    eye->CalcFocalLength();
}

// A light that follows the camera keeps its direction in camera space.
FVEC3 CameraToWorld(const FMATRIX& view, const FVEC3& dir) {
    FMATRIX rotation = view;
    rotation.SetTranslation(FVEC3(0, 0, 0));
    return rotation.GetInverse().TransformPoint(dir);
}

void ConvertDirLights(PYL_SCENE* scene, RENDPYL_MODEL* model, const FMATRIX& view) {
    for (int i = 0; i < model->GetDirLightNum(); i++) {
        RENDPYL_LIGHTDIR* src = model->GetDirLight(i);
        if (!src) continue;
        PYL_LIGHT* light = Need(scene->AddLight(), "光源", src->GetName());
        light->SetType(PYL_LIGHT::PARALLEL);
        light->col = src->GetCol().value * src->GetScale().value;
        FVEC3 d = src->GetCamTrace() != 0 ? CameraToWorld(view, src->GetSrcDir()) : src->GetDir();
        light->direction = -d;
        light->SetTexture(src->GetFilename());
    }
}

// Point lights scale with the scene: intensity grows with the square of half its diagonal.
void ConvertPointLights(PYL_SCENE* scene, RENDPYL_MODEL* model, const BBOX& sceneBox) {
    // With no visible object the box is still empty; it counts as a zero box so the
    // intensities stay finite.
    BBOX box = sceneBox.IsEmpty() ? BBOX() : sceneBox;
    float r = (box.max - box.min).Length() * 0.5f;
    float k = r * r * 1.0f;
    Trace("bound_size(%.f)", r);
    for (int i = 0; i < model->GetPointLightNum(); i++) {
        RENDPYL_LIGHTPOINT* src = model->GetPointLight(i);
        if (!src) continue;
        PYL_LIGHT* light = Need(scene->AddLight(), "光源", src->GetName());
        light->SetType(PYL_LIGHT::POINT);
        light->col = src->GetCol().value * (k * src->GetScale().value);
        light->position = src->GetPos();
        light->SetTexture(src->GetFilename());
    }
}

int ConvertAll(PYL_SCENE* scene, const HXDoc& doc, RENDPYL_MODEL* model, const char* scenePath) {
    std::vector<char> dir(strlen(scenePath) + 1, 0);
    GetDirPart(dir.data(), dir.size(), scenePath);
    Trace("path[%s]", dir.data());

    HXScene host = doc.GetScene(0);
    if (!host) return 0;
    float m[16], p[16];
    host.GetProjMatrix(p);
    host.GetViewMatrix(m);
    FMATRIX view(m), proj(p);

    if (const RENDPYL_RENDER* render = model->GetRender()) ConvertSpace(scene->GetSpace(), render);
    if (const RENDPYL_LIGHTSKY* sky = model->GetLightSky()) ConvertSky(scene->GetSpace(), sky);
    ConvertEye(scene, view, proj, model->GetCamera());
    ConvertDirLights(scene, model, view);
    ConvertMaterials(scene, doc, model, dir.data());
    BBOX sceneBox;
    sceneBox.Init();
    ConvertObjects(scene, doc, &sceneBox);
    ConvertPointLights(scene, model, sceneBox);
    return 1;
}

} // namespace

// A document of a million faces can use up a 32-bit host's memory; the conversion then stops with a
// line for the user instead of using a null element or throwing into the host.
int ConvertScene(PYL_SCENE* scene, HXDoc doc, RENDPYL_MODEL* model, const char* scenePath,
                 const UMESS& mess) {
    if (!scene || !doc || !model) return 0;
    try {
        return ConvertAll(scene, doc, model, scenePath ? scenePath : "");
    } catch (const CONVERT_FAILURE& failure) {
        mess.PrintfLn("%s", failure.line);
    } catch (const std::bad_alloc&) {
        mess.PrintfLn("シーン作成失敗!!");
    }
    return 0;
}
