// Host materials with their settings records become renderer materials and channels.
#include "scene/convert_parts.h"

#include "base/rgbcolor.h"
#include "base/trace.h"
#include "host/hxwrap.h"
#include "scene/pyl_scene.h"
#include "scene/pyl_texmap.h"
#include "scene/rendpyl_model.h"

namespace {

// The host material's three map files, resolved to full paths.
struct HOST_MAPS {
    char texture[PYL_PATH_LEN] = "";
    char alpha[PYL_PATH_LEN] = "";
    char bump[PYL_PATH_LEN] = "";
};

// The settings maps the conversion reads, with the values a missing map stands for.
struct MAP_SETTINGS {
    float diffuse_scale = 1.0f;
    int normal_kind = 0;
    RGBCOLOR specular_col = RGBCOLOR(255, 255, 255, 255);
    RGBCOLOR emission_col = RGBCOLOR(0, 0, 0, 255);
    int reflection_use = 0;
    RGBCOLOR reflection_col = RGBCOLOR(255, 255, 255, 255);
    float reflection_scale = 1.0f;
    const char* reflection_file = "";
};

void ReadHostMaps(const HXDoc& doc, const HXMat& mat, HOST_MAPS* maps) {
    char name[PYL_PATH_LEN];
    name[0] = 0;
    mat.GetTextureName(name, PYL_PATH_LEN);
    ResolveMappingFile(doc, maps->texture, name, HXMAP_TEXTURE);
    name[0] = 0;
    mat.GetAlphaName(name, PYL_PATH_LEN);
    ResolveMappingFile(doc, maps->alpha, name, HXMAP_ALPHA);
    name[0] = 0;
    mat.GetBumpName(name, PYL_PATH_LEN);
    ResolveMappingFile(doc, maps->bump, name, HXMAP_BUMP);
}

MAP_SETTINGS ReadMapSettings(const RENDPYL_MTL* rec) {
    MAP_SETTINGS s;
    if (const RENDPYL_MTLMAP* m = rec->FindMap(RENDPYL_MAP_DIFFUSE)) s.diffuse_scale = m->scale;
    if (const RENDPYL_MTLMAP* m = rec->FindMap(RENDPYL_MAP_SPECULAR)) s.specular_col = m->col;
    if (const RENDPYL_MTLMAP* m = rec->FindMap(RENDPYL_MAP_EMISSION)) s.emission_col = m->col;
    if (const RENDPYL_MTLMAP* m = rec->FindMap(RENDPYL_MAP_NORMAL)) s.normal_kind = m->bmp_type;
    if (const RENDPYL_MTLMAP* m = rec->FindMap(RENDPYL_MAP_REFLECTION)) {
        s.reflection_use = m->use;
        s.reflection_col = m->col;
        s.reflection_scale = m->scale;
        s.reflection_file = m->GetFilename();
    }
    return s;
}

PYL_MTLCH* AddChannel(PYL_MTL* mtl, int type, const FVEC3& col) {
    PYL_MTLCH* ch = Need(mtl->AddChannel(), "材質チャンネル", mtl->GetName());
    ch->SetType(type);
    ch->SetColor(col);
    return ch;
}

// A map that has no source is left out; one that cannot be written stops the conversion.
bool MapMade(int result, const char* out, const char* dir) {
    if (result == MAP_UNWRITTEN) FailToSave(out[0] ? out : dir);
    return result == MAP_WRITTEN;
}

float Clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

void ConvertMaterial(PYL_SCENE* scene, const HXDoc& doc, const HXMat& mat, const RENDPYL_MTL* rec, int index,
                     const char* dir) {
    char name[PYL_OBJNAME_LEN];
    name[0] = 0;
    mat.GetName(name, PYL_OBJNAME_LEN);
    PYL_MTL* mtl = Need(scene->AddMaterial(), "材質", name);
    mtl->SetName(name);
    mtl->ior = rec->GetIor().value;
    mtl->reflection_ior = rec->GetReflectionIor().value;
    mtl->specular_reflectance = rec->GetSpecularReflectance().value;
    mtl->axis = rec->GetAxis().value;
    mtl->jump[0] = rec->jump[0];
    mtl->jump[1] = rec->jump[1];

    HOST_MAPS maps;
    ReadHostMaps(doc, mat, &maps);
    MAP_SETTINGS set = ReadMapSettings(rec);

    HXCOLOR c = mat.GetColor();
    PYL_MTLCH* diffuse = AddChannel(mtl, PYL_MTLCH::DIFFUSE, FVEC3(c.r, c.g, c.b) * set.diffuse_scale);
    if (maps.texture[0]) diffuse->SetTexture(maps.texture);

    if (maps.bump[0]) {
        PYL_MTLCH* normal = AddChannel(mtl, PYL_MTLCH::NORMAL, FVEC3(1, 1, 1));
        if (set.normal_kind == 0) {
            normal->SetTexture(maps.bump);
        } else {
            char out[PYL_PATH_LEN];
            if (MapMade(ConvertBumpToNormal(dir, maps.bump, out, index), out, dir)) normal->SetTexture(out);
        }
    }

    MONO_BMPDAT difAlpha;
    LoadAlphaOfImage(maps.texture, &difAlpha);
    Trace("dif_alpha(%d):%s", difAlpha.IsValid() ? 1 : 0, name);

    float alpha = mat.GetAlpha();
    if (maps.alpha[0] || !(alpha >= 1.0f) || difAlpha.IsValid()) {
        float t = Clamp01(1.0f - alpha);
        PYL_MTLCH* transparency = AddChannel(mtl, PYL_MTLCH::TRANSPARENCY, FVEC3(t, t, t));
        char out[PYL_PATH_LEN];
        if (MapMade(MakeTransparencyMap(dir, maps.alpha, out, index, &difAlpha), out, dir)) {
            transparency->SetTexture(out);
            transparency->SetColor(FVEC3(1, 1, 1));
        }
    }

    float specular = mat.GetSpecular();
    if (specular > 0.0f) {
        AddChannel(mtl, PYL_MTLCH::SPECULAR, set.specular_col.GetFVec3() * Clamp01(specular));
        float q = mat.GetPower();
        mtl->exponent = FVEC3(q, q, q);
    }

    AddChannel(mtl, PYL_MTLCH::EMISSION, set.emission_col.GetFVec3() * mat.GetEmission());

    if (set.reflection_use != 0) {
        PYL_MTLCH* reflection =
            AddChannel(mtl, PYL_MTLCH::REFLECTION, set.reflection_col.GetFVec3() * set.reflection_scale);
        if (set.reflection_file[0]) reflection->SetTexture(set.reflection_file);
    }
}

} // namespace

void ResolveMappingFile(const HXDoc& doc, char* out, const char* name, int kind) {
    out[0] = 0;
    if (name[0]) doc.FindMappingFile(out, name, kind);
}

void ConvertMaterials(PYL_SCENE* scene, const HXDoc& doc, RENDPYL_MODEL* model, const char* dir) {
    int count = doc.GetMaterialCount();
    for (int i = 0; i < count; i++) {
        HXMat mat = doc.GetMaterial(i);
        if (!mat) continue;
        // A material added after the settings were made has no record yet: it converts with
        // the default settings, so the scene's materials stay aligned with the host's.
        if (const RENDPYL_MTL* rec = model->FindMtlById(mat.GetUniqueID())) {
            ConvertMaterial(scene, doc, mat, rec, i, dir);
        } else {
            RENDPYL_MTL defaults;
            ConvertMaterial(scene, doc, mat, &defaults, i, dir);
        }
    }
}
