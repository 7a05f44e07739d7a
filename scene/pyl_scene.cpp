#include "scene/pyl_scene.h"

#include <math.h>
#include <string.h>

namespace {

// Copies text into a fixed field; a text that does not fit is cut before the character that
// would overflow, never in the middle of a double-byte character.
template <size_t N> void CopyField(char (&field)[N], const char* text) {
    if (!text) text = "";
    size_t n = strlen(text);
    if (n < N) {
        memcpy(field, text, n + 1);
        return;
    }
    size_t end = 0;
    while (end < N - 1) {
        size_t step = IsDBCSLeadByte((BYTE)text[end]) && text[end + 1] ? 2 : 1;
        if (end + step > N - 1) break;
        end += step;
    }
    memcpy(field, text, end);
    field[end] = 0;
}

} // namespace

void PYL_SPACE::SetBackFilename(const char* name) {
    CopyField(back_filename, name);
}
void PYL_SPACE::SetSkyLightMap(const char* name) {
    CopyField(sky_light_map, name);
}
void PYL_SPACE::SetExtinctionMap(const char* name) {
    CopyField(extinction_map, name);
}
void PYL_SPACE::SetAlbedoMap(const char* name) {
    CopyField(albedo_map, name);
}

void PYL_EYE::SetBokehFile(const char* name) {
    CopyField(bokeh_file, name);
}

void PYL_EYE::CalcFocalLength() {
    focal_length = film_size / tanf(fov * 0.017453292f / 2.0f) / 2.0f;
}

void PYL_LIGHT::SetTexture(const char* name) {
    CopyField(texture, name);
}

void PYL_MTLCH::SetTexture(const char* name) {
    CopyField(texture, name);
}

void PYL_MTL::SetName(const char* text) {
    CopyField(name, text);
}

PYL_MTLCH* PYL_MTL::FindChannel(int type) const {
    for (int i = 0; i < channels.GetCount(); i++) {
        PYL_MTLCH* ch = channels.Get(i);
        if (ch && ch->GetType() == type) return ch;
    }
    return nullptr;
}

void PYL_OBJ::SetName(const char* text) {
    CopyField(name, text);
}

PYL_SCENE::~PYL_SCENE() {
    // Reverse order of the members' roles: objects, materials, lights, eyes.
    objects.DeleteAll();
    materials.DeleteAll();
    lights.DeleteAll();
    eyes.DeleteAll();
}

PYL_LIGHT* PYL_SCENE::FindLightByType(int type) const {
    for (int i = 0; i < lights.GetCount(); i++) {
        PYL_LIGHT* light = lights.Get(i);
        if (light && light->GetType() == type) return light;
    }
    return nullptr;
}
