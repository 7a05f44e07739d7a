#include "scene/pyl_scene.h"

#include <math.h>
#include <string.h>

namespace {

// Copies text into a fixed field; a text that does not fit is cut before the character that
// would overflow, never in the middle of a double-byte character. Returns 1 when it fit.
template <size_t N> int CopyField(char (&field)[N], const char* text) {
    if (!text) text = "";
    size_t n = strlen(text);
    if (n < N) {
        memcpy(field, text, n + 1);
        return 1;
    }
    size_t end = 0;
    while (end < N - 1) {
        size_t step = IsDBCSLeadByte((BYTE)text[end]) && text[end + 1] ? 2 : 1;
        if (end + step > N - 1) break;
        end += step;
    }
    memcpy(field, text, end);
    field[end] = 0;
    return 0;
}

} // namespace

int PYL_SPACE::SetBackFilename(const char* name) {
    return CopyField(back_filename, name);
}
int PYL_SPACE::SetSkyLightMap(const char* name) {
    return CopyField(sky_light_map, name);
}
int PYL_SPACE::SetExtinctionMap(const char* name) {
    return CopyField(extinction_map, name);
}
int PYL_SPACE::SetAlbedoMap(const char* name) {
    return CopyField(albedo_map, name);
}

int PYL_EYE::SetBokehFile(const char* name) {
    return CopyField(bokeh_file, name);
}

void PYL_EYE::CalcFocalLength() {
    focal_length = film_size / tanf(fov * 0.017453292f / 2.0f) / 2.0f;
}

int PYL_LIGHT::SetTexture(const char* name) {
    return CopyField(texture, name);
}

int PYL_MTLCH::SetTexture(const char* name) {
    return CopyField(texture, name);
}

int PYL_MTL::SetName(const char* text) {
    return CopyField(name, text);
}

PYL_MTLCH* PYL_MTL::FindChannel(int type) const {
    for (int i = 0; i < channels.GetCount(); i++) {
        PYL_MTLCH* ch = channels.Get(i);
        if (ch && ch->GetType() == type) return ch;
    }
    return nullptr;
}

int PYL_OBJ::SetName(const char* text) {
    return CopyField(name, text);
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
