// Text setters and defaults of the settings records.
#include "scene/rendpyl_model.h"
#include "scene/textfield.h"

namespace {

const RGBCOLOR kWhite(255, 255, 255, 255);
const RGBCOLOR kBlack(0, 0, 0, 255);

// Back to the constructor's values; the record stays in its list.
template <class R> void ResetKeepingOwner(R& record) {
    auto* owner = record.owner;
    record = R();
    record.owner = owner;
}

} // namespace

void RENDPYL_RENDER::SetBackFilename(const char* text) {
    SetTextField(back_filename, text);
}

void RENDPYL_CAMERA::SetBokehFilename(const char* text) {
    SetTextField(bokeh_filename, text);
}

void RENDPYL_LIGHTSKY::SetFilename(const char* text) {
    SetTextField(filename, text);
}
void RENDPYL_LIGHTSKY::SetDefault() {
    ResetKeepingOwner(*this);
}

void RENDPYL_LIGHTDIR::SetName(const char* text) {
    SetTextField(name, text);
}
void RENDPYL_LIGHTDIR::SetFilename(const char* text) {
    SetTextField(filename, text);
}
void RENDPYL_LIGHTDIR::SetDefault() {
    ResetKeepingOwner(*this);
}

void RENDPYL_LIGHTPOINT::SetName(const char* text) {
    SetTextField(name, text);
}
void RENDPYL_LIGHTPOINT::SetFilename(const char* text) {
    SetTextField(filename, text);
}
void RENDPYL_LIGHTPOINT::SetDefault() {
    ResetKeepingOwner(*this);
}

void RENDPYL_MTLMAP::SetFilename(const char* text) {
    SetTextField(filename, text);
}

void RENDPYL_MTLMAP::SetDefault() {
    switch (type) {
    case RENDPYL_MAP_DIFFUSE:
        scale = 1.0f;
        break;
    case RENDPYL_MAP_REFLECTION:
        filename[0] = '\0';
        col = kWhite;
        scale = 1.0f;
        use = 0;
        break;
    case RENDPYL_MAP_SPECULAR:
        filename[0] = '\0';
        col = kWhite;
        break;
    case RENDPYL_MAP_EMISSION:
        filename[0] = '\0';
        col = kBlack;
        break;
    case RENDPYL_MAP_NORMAL:
        bmp_type = 0;
        break;
    case RENDPYL_MAP_TRANSPARENCY:
        col = kWhite;
        break;
    }
}

bool RENDPYL_MTLMAP::IsDefault() const {
    switch (type) {
    case RENDPYL_MAP_DIFFUSE:
        return scale == 1.0f;
    case RENDPYL_MAP_REFLECTION:
        return filename[0] == '\0' && col == kWhite && scale == 1.0f && use == 0;
    case RENDPYL_MAP_SPECULAR:
        return filename[0] == '\0' && col == kWhite;
    case RENDPYL_MAP_EMISSION:
        return filename[0] == '\0' && col == kBlack;
    case RENDPYL_MAP_NORMAL:
        return bmp_type == 0;
    case RENDPYL_MAP_TRANSPARENCY:
        return col == kWhite;
    }
    return true;
}
