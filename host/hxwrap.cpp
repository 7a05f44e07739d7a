#include "host/hxwrap.h"

#include <cstring>

#include "host/hxhostfn.h"

using namespace hxfn;

namespace {

// The host writes into `buffer` within `size`; a host that fills it to the end still leaves a text.
void Terminate(char* buffer, int size) {
    if (buffer && size > 0) buffer[size - 1] = '\0';
}

} // namespace

// Outputs are zeroed before each call, so a host that writes nothing yields zeros, not stack garbage.

void HXScene::GetProjMatrix(float out[16]) const {
    std::memset(out, 0, 16 * sizeof(float));
    HXScene_GetProjMatrix(handle_, out);
}

void HXScene::GetViewMatrix(float out[16]) const {
    std::memset(out, 0, 16 * sizeof(float));
    HXScene_GetViewMatrix(handle_, out);
}

void HXObj::Delete() const {
    HXObj_Delete(handle_);
}
HXObj HXObj::Clone() const {
    return HXObj_Clone(handle_);
}
void HXObj::Freeze(int flags) const {
    HXObj_Freeze(handle_, flags);
}

void HXObj::GetName(char* buffer, int size) const {
    HXObj_GetName(handle_, buffer, size);
    Terminate(buffer, size);
}

int HXObj::GetVertexCount() const {
    return HXObj_GetVertexCount(handle_);
}

HXPOINT HXObj::GetVertex(int index) const {
    HXPOINT point = {0.0f, 0.0f, 0.0f};
    HXObj_GetVertex(handle_, index, &point);
    return point;
}

int HXObj::GetFaceCount() const {
    return HXObj_GetFaceCount(handle_);
}
int HXObj::GetFacePointCount(int face) const {
    return HXObj_GetFacePointCount(handle_, face);
}
void HXObj::GetFacePointArray(int face, int* out) const {
    HXObj_GetFacePointArray(handle_, face, out);
}

void HXObj::GetFaceCoordinateArray(int face, float* out) const {
    HXObj_GetFaceCoordinateArray(handle_, face, out);
}

int HXObj::GetFaceMaterial(int face) const {
    return HXObj_GetFaceMaterial(handle_, face);
}
int HXObj::GetVisible() const {
    return HXObj_GetVisible(handle_);
}
int HXObj::GetPatchType() const {
    return HXObj_GetPatchType(handle_);
}
float HXObj::GetSmoothAngle() const {
    return HXObj_GetSmoothAngle(handle_);
}
int HXObj::GetMirrorType() const {
    return HXObj_GetMirrorType(handle_);
}
int HXObj::GetLatheType() const {
    return HXObj_GetLatheType(handle_);
}
int HXObj::GetShading() const {
    return HXObj_GetShading(handle_);
}

HXCOLOR HXMat::GetColor() const {
    HXCOLOR color = {0.0f, 0.0f, 0.0f};
    HXMat_GetColor(handle_, &color);
    return color;
}

void HXMat::GetName(char* buffer, int size) const {
    HXMat_GetName(handle_, buffer, size);
    Terminate(buffer, size);
}

void HXMat::GetTextureName(char* buffer, int size) const {
    HXMat_GetTextureName(handle_, buffer, size);
    Terminate(buffer, size);
}

void HXMat::GetAlphaName(char* buffer, int size) const {
    HXMat_GetAlphaName(handle_, buffer, size);
    Terminate(buffer, size);
}

void HXMat::GetBumpName(char* buffer, int size) const {
    HXMat_GetBumpName(handle_, buffer, size);
    Terminate(buffer, size);
}

float HXMat::GetAlpha() const {
    return HXMat_GetAlpha(handle_);
}
float HXMat::GetEmission() const {
    return HXMat_GetEmission(handle_);
}
float HXMat::GetSpecular() const {
    return HXMat_GetSpecular(handle_);
}
float HXMat::GetPower() const {
    return HXMat_GetPower(handle_);
}

// 259 asks the host for the material's unique identifier.
int HXMat::GetUniqueID() const {
    return HXMat_GetIntValue(handle_, 259);
}

int HXDoc::GetObjectCount() const {
    return HXDoc_GetObjectCount(handle_);
}
HXObj HXDoc::GetObject(int index) const {
    return HXDoc_GetObject(handle_, index);
}
int HXDoc::GetMaterialCount() const {
    return HXDoc_GetMaterialCount(handle_);
}
HXMat HXDoc::GetMaterial(int index) const {
    return HXDoc_GetMaterial(handle_, index);
}

void HXDoc::FindMappingFile(char* out, const char* name, int kind) const {
    out[0] = '\0';
    HXDoc_FindMappingFile(handle_, out, name, kind);
}

HXScene HXDoc::GetScene(int index) const {
    return HXDoc_GetScene(handle_, index);
}

int GetHostSystemPath(char* buffer, int /*size*/) {
    // The host takes no size; the caller's buffer holds the 1024 characters the host may write.
    buffer[0] = '\0';
    if (HX_GetSystemPath) HX_GetSystemPath(buffer, 5);
    return 1;
}
