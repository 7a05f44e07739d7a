// The order of the conversion, and the parts taken straight from the settings.
#include "scene/convert_scene.h"

#include <string.h>

#include <vector>

#include "base/filepath.h"
#include "base/trace.h"
#include "host/hxwrap.h"
#include "scene/convert_parts.h"
#include "scene/pyl_scene.h"
#include "scene/rendpyl_model.h"

namespace {

void ConvertSpace(PYL_SPACE* space, const RENDPYL_RENDER* render) {
    space->width = render->width;
    space->height = render->height;
    space->back_col = render->backcol;
    space->SetBackFilename(render->GetBackFilename());
    space->use_back = render->use_back_flg.value;
    space->anisotropy = render->anisotropy.value;
    space->homogeneous_extinction = render->homogeneousextinction.value;
    space->homogeneous_albedo = render->homogeneousalbedo.value;
    space->extinction = render->extinction.value;
    space->albedo = render->albedo.value;
    space->origin = render->origin.value;
    space->size = render->size.value;
}

void ConvertSky(PYL_SPACE* space, const RENDPYL_LIGHTSKY* sky) {
    space->sky_light = sky->col.value * sky->scale.value;
    space->SetSkyLightMap(sky->GetFilename());
}

void ConvertEye(PYL_SCENE* scene, const FMATRIX& view, const FMATRIX& proj, const RENDPYL_CAMERA* camera) {
    PYL_EYE* eye = scene->AddEye();
    SetEyeFromView(eye, view, proj);
    if (!camera) return;
    eye->film_size = camera->film_size.value;
    eye->use_focalratio = camera->use_focalratio.value;
    eye->focalratio = camera->focalratio.value;
    eye->bokeh = camera->bokeh.value;
    eye->distortion = camera->distortion.value;
    eye->lenstilt = camera->lenstilt.value;
    eye->filmtilt = camera->filmtilt.value;
    eye->oblique = camera->oblique.value;
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
        PYL_LIGHT* light = scene->AddLight();
        light->SetType(PYL_LIGHT::PARALLEL);
        light->col = src->col.value * src->scale.value;
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
        PYL_LIGHT* light = scene->AddLight();
        light->SetType(PYL_LIGHT::POINT);
        light->col = src->col.value * (k * src->scale.value);
        light->position = src->GetPos();
        light->SetTexture(src->GetFilename());
    }
}

} // namespace

int ConvertScene(PYL_SCENE* scene, HXDoc doc, RENDPYL_MODEL* model, const char* scenePath) {
    if (!scene || !doc || !model) return 0;
    if (!scenePath) scenePath = "";
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
