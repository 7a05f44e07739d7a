#include "scene/pyl_scene.h"

#include <math.h>

#include <new>
#include <stdexcept>

#include "scene/textfield.h"

void PYL_SPACE::SetBackFilename(const char* name) {
    SetTextField(back_filename, name);
}
void PYL_SPACE::SetSkyLightMap(const char* name) {
    SetTextField(sky_light_map, name);
}
void PYL_SPACE::SetExtinctionMap(const char* name) {
    SetTextField(extinction_map, name);
}
void PYL_SPACE::SetAlbedoMap(const char* name) {
    SetTextField(albedo_map, name);
}

void PYL_EYE::SetBokehFile(const char* name) {
    SetTextField(bokeh_file, name);
}

void PYL_EYE::CalcFocalLength() {
    focal_length = film_size / tanf(fov * 0.017453292f / 2.0f) / 2.0f;
}

void PYL_LIGHT::SetTexture(const char* name) {
    SetTextField(texture, name);
}

void PYL_MTLCH::SetTexture(const char* name) {
    SetTextField(texture, name);
}

void PYL_MTL::SetName(const char* text) {
    SetTextField(name, text);
}

PYL_MTLCH* PYL_MTL::FindChannel(int type) const {
    for (int i = 0; i < channels.GetCount(); i++) {
        PYL_MTLCH* ch = channels.Get(i);
        if (ch && ch->GetType() == type) return ch;
    }
    return nullptr;
}

void PYL_OBJ::SetName(const char* text) {
    SetTextField(name, text);
}

int PYL_OBJ::ReserveVertices(int n) {
    try {
        vertices.reserve(n > 0 ? size_t(n) : 0);
    } catch (const std::bad_alloc&) {
        return 0;
    } catch (const std::length_error&) {
        return 0;
    }
    return 1;
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
