#pragma once
// How the stand-in exports host functions: undecorated, cdecl, from the executable that links it.
#include "host/hxfuncs.h"
#include "host/hxwrap.h"
#include "tools/hxhost/hxhostlib.h"
#include "tools/hxhost/lib/hoststate.h"

#define HXHOST_EXPORT extern "C" __declspec(dllexport)

// The functions the stand-in answers from its document; every other name gets a stub answering zero.
// Each mark is "~," so that the chooser below sees one more argument for a served name.
#define HXHOST_SERVED_HX_GetWindowHandle ~,
#define HXHOST_SERVED_HX_LoadImage ~,
#define HXHOST_SERVED_HX_GetSystemPath ~,
#define HXHOST_SERVED_HX_StationCallback ~,
#define HXHOST_SERVED_HXDoc_GetObjectCount ~,
#define HXHOST_SERVED_HXDoc_GetObject ~,
#define HXHOST_SERVED_HXDoc_GetMaterialCount ~,
#define HXHOST_SERVED_HXDoc_GetMaterial ~,
#define HXHOST_SERVED_HXDoc_FindMappingFile ~,
#define HXHOST_SERVED_HXDoc_GetScene ~,
#define HXHOST_SERVED_HXScene_GetProjMatrix ~,
#define HXHOST_SERVED_HXScene_GetViewMatrix ~,
#define HXHOST_SERVED_HXObj_Delete ~,
#define HXHOST_SERVED_HXObj_Clone ~,
#define HXHOST_SERVED_HXObj_Freeze ~,
#define HXHOST_SERVED_HXObj_GetName ~,
#define HXHOST_SERVED_HXObj_GetVertexCount ~,
#define HXHOST_SERVED_HXObj_GetVertex ~,
#define HXHOST_SERVED_HXObj_GetFaceCount ~,
#define HXHOST_SERVED_HXObj_GetFacePointCount ~,
#define HXHOST_SERVED_HXObj_GetFacePointArray ~,
#define HXHOST_SERVED_HXObj_GetFaceCoordinateArray ~,
#define HXHOST_SERVED_HXObj_GetFaceMaterial ~,
#define HXHOST_SERVED_HXObj_GetVisible ~,
#define HXHOST_SERVED_HXObj_GetPatchType ~,
#define HXHOST_SERVED_HXObj_GetShading ~,
#define HXHOST_SERVED_HXObj_GetSmoothAngle ~,
#define HXHOST_SERVED_HXObj_GetMirrorType ~,
#define HXHOST_SERVED_HXObj_GetLatheType ~,
#define HXHOST_SERVED_HXMat_GetIntValue ~,
#define HXHOST_SERVED_HXMat_GetName ~,
#define HXHOST_SERVED_HXMat_GetColor ~,
#define HXHOST_SERVED_HXMat_GetAlpha ~,
#define HXHOST_SERVED_HXMat_GetDiffuse ~,
#define HXHOST_SERVED_HXMat_GetAmbient ~,
#define HXHOST_SERVED_HXMat_GetEmission ~,
#define HXHOST_SERVED_HXMat_GetSpecular ~,
#define HXHOST_SERVED_HXMat_GetPower ~,
#define HXHOST_SERVED_HXMat_GetTextureName ~,
#define HXHOST_SERVED_HXMat_GetAlphaName ~,
#define HXHOST_SERVED_HXMat_GetBumpName ~,
#define HXHOST_SERVED_HXXmlElem_Value ~,

// HXHOST_CHOOSE(name, IF_SERVED, IF_NOT) expands to IF_SERVED when the name is marked above.
#define HXHOST_SECOND_(a, b, ...) b
#define HXHOST_SECOND(...) HXHOST_SECOND_(__VA_ARGS__)
#define HXHOST_CHOOSE(name, served, other) HXHOST_SECOND(HXHOST_SERVED_##name served, other, ~)
