// The host's exported functions, in the order HXInit looks them up. One list drives the host function
// table, the binding and every host that exports them, so no copy of the names can drift.
//
// HX_HOST_FUNCTIONS(F, AGAIN) expands F(result, name, (parameters)) once per function (140) and
// AGAIN(name) where a name is looked up a second time (141 look-ups). Results are single type names so
// that a generated stub can return `result()`. Everything is cdecl.
#pragma once

#include <windows.h>

// Host handles are opaque: only the host's functions interpret them.
typedef struct HXDocHost* HXDocHandle;
typedef struct HXSceneHost* HXSceneHandle;
typedef struct HXObjHost* HXObjHandle;
typedef struct HXMatHost* HXMatHandle;
typedef struct HXXmlHost* HXXmlHandle;

struct HXPOINT;
struct HXCOLOR;
struct HXSendMessageInfo;

// What HX_StationCallback calls back during the call, with the block it was given.
typedef int(__cdecl* HXStationCallbackProc)(HXDocHandle doc, void* block);

#define HX_HOST_FUNCTIONS(F, AGAIN)                                                                          \
    F(HWND, HX_GetWindowHandle, (void))                                                                      \
    F(HXObjHandle, HX_CreateObject, (void))                                                                  \
    F(HXMatHandle, HX_CreateMaterial, (void))                                                                \
    F(BOOL, HX_ShowFileDialog, (HWND, char*, const char*, int))                                              \
    F(BOOL, HX_ImportAxis, (HXDocHandle, float*))                                                            \
    F(BOOL, HX_ExportAxis, (HXDocHandle, float*))                                                            \
    F(BOOL, HX_LoadImage, (const char*, BITMAPINFO**, void**, int))                                          \
    F(int, HX_GetSystemPath, (char*, int))                                                                   \
    F(void, HX_RefreshView, (HXDocHandle))                                                                   \
    AGAIN(HX_GetSystemPath)                                                                                  \
    F(BOOL, HX_StationCallback, (HXStationCallbackProc, void*))                                              \
    F(int, HX_SendMessage, (int, HXSendMessageInfo*))                                                        \
    F(int, HXDoc_GetObjectCount, (HXDocHandle))                                                              \
    F(HXObjHandle, HXDoc_GetObject, (HXDocHandle, int))                                                      \
    F(int, HXDoc_GetCurrentObjectIndex, (HXDocHandle))                                                       \
    F(void, HXDoc_SetCurrentObjectIndex, (HXDocHandle, int))                                                 \
    F(int, HXDoc_AddObject, (HXDocHandle, HXObjHandle))                                                      \
    F(void, HXDoc_DeleteObject, (HXDocHandle, int))                                                          \
    F(int, HXDoc_GetObjectIndex, (HXDocHandle, HXObjHandle))                                                 \
    F(int, HXDoc_GetMaterialCount, (HXDocHandle))                                                            \
    F(HXMatHandle, HXDoc_GetMaterial, (HXDocHandle, int))                                                    \
    F(int, HXDoc_GetCurrentMaterialIndex, (HXDocHandle))                                                     \
    F(void, HXDoc_SetCurrentMaterialIndex, (HXDocHandle, int))                                               \
    F(int, HXDoc_AddMaterial, (HXDocHandle, HXMatHandle))                                                    \
    F(void, HXDoc_DeleteMaterial, (HXDocHandle, int))                                                        \
    F(void, HXDoc_Compact, (HXDocHandle))                                                                    \
    F(void, HXDoc_ClearSelect, (HXDocHandle))                                                                \
    F(void, HXDoc_AddSelectVertex, (HXDocHandle, HXObjHandle, int))                                          \
    F(void, HXDoc_DeleteSelectVertex, (HXDocHandle, HXObjHandle, int))                                       \
    F(BOOL, HXDoc_IsSelectVertex, (HXDocHandle, HXObjHandle, int))                                           \
    F(void, HXDoc_AddSelectLine, (HXDocHandle, HXObjHandle, int, int))                                       \
    F(void, HXDoc_DeleteSelectLine, (HXDocHandle, HXObjHandle, int, int))                                    \
    F(BOOL, HXDoc_IsSelectLine, (HXDocHandle, HXObjHandle, int, int))                                        \
    F(void, HXDoc_AddSelectFace, (HXDocHandle, HXObjHandle, int))                                            \
    F(void, HXDoc_DeleteSelectFace, (HXDocHandle, HXObjHandle, int))                                         \
    F(BOOL, HXDoc_IsSelectFace, (HXDocHandle, HXObjHandle, int))                                             \
    F(void, HXDoc_AddSelectUVVertex, (HXDocHandle, HXObjHandle, int, int))                                   \
    F(void, HXDoc_DeleteSelectUVVertex, (HXDocHandle, HXObjHandle, int, int))                                \
    F(BOOL, HXDoc_IsSelectUVVertex, (HXDocHandle, HXObjHandle, int, int))                                    \
    F(BOOL, HXDoc_FindMappingFile, (HXDocHandle, char*, const char*, int))                                   \
    F(HXSceneHandle, HXDoc_GetScene, (HXDocHandle, int))                                                     \
    F(int, HXDoc_GetParentObject, (HXDocHandle, int))                                                        \
    F(int, HXDoc_GetChildObjectCount, (HXDocHandle, int))                                                    \
    F(int, HXDoc_GetChildObject, (HXDocHandle, int, int))                                                    \
    F(void, HXDoc_GetGlobalMatrix, (HXDocHandle, HXObjHandle, float*))                                       \
    F(void, HXDoc_GetGlobalInverseMatrix, (HXDocHandle, HXObjHandle, float*))                                \
    F(int, HXDoc_InsertObject, (HXDocHandle, HXObjHandle, int))                                              \
    F(void, HXScene_InitSize, (HXSceneHandle, int, int))                                                     \
    F(void, HXScene_GetProjMatrix, (HXSceneHandle, float*))                                                  \
    F(void, HXScene_GetViewMatrix, (HXSceneHandle, float*))                                                  \
    F(void, HXScene_FloatValue, (HXSceneHandle, int, float*))                                                \
    F(int, HXScene_GetVisibleFace, (HXSceneHandle, HXObjHandle, int*))                                       \
    F(void, HXObj_Delete, (HXObjHandle))                                                                     \
    F(HXObjHandle, HXObj_Clone, (HXObjHandle))                                                               \
    F(void, HXObj_Merge, (HXObjHandle, HXObjHandle))                                                         \
    F(void, HXObj_Freeze, (HXObjHandle, int))                                                                \
    F(void, HXObj_GetName, (HXObjHandle, char*, int))                                                        \
    F(int, HXObj_GetVertexCount, (HXObjHandle))                                                              \
    F(void, HXObj_GetVertex, (HXObjHandle, int, HXPOINT*))                                                   \
    F(void, HXObj_SetVertex, (HXObjHandle, int, const HXPOINT*))                                             \
    F(void, HXObj_GetVertexArray, (HXObjHandle, HXPOINT*))                                                   \
    F(int, HXObj_GetFaceCount, (HXObjHandle))                                                                \
    F(int, HXObj_GetFacePointCount, (HXObjHandle, int))                                                      \
    F(void, HXObj_GetFacePointArray, (HXObjHandle, int, int*))                                               \
    F(void, HXObj_GetFaceCoordinateArray, (HXObjHandle, int, float*))                                        \
    F(int, HXObj_GetFaceMaterial, (HXObjHandle, int))                                                        \
    F(int, HXObj_GetFaceUniqueID, (HXObjHandle, int))                                                        \
    F(int, HXObj_GetFaceIndexFromUniqueID, (HXObjHandle, int))                                               \
    F(void, HXObj_SetName, (HXObjHandle, const char*))                                                       \
    F(int, HXObj_AddVertex, (HXObjHandle, const HXPOINT*))                                                   \
    F(void, HXObj_DeleteVertex, (HXObjHandle, int))                                                          \
    F(int, HXObj_GetVertexRefCount, (HXObjHandle, int))                                                      \
    F(int, HXObj_GetVertexUniqueID, (HXObjHandle, int))                                                      \
    F(int, HXObj_GetVertexIndexFromUniqueID, (HXObjHandle, int))                                             \
    F(float, HXObj_GetVertexWeight, (HXObjHandle, int))                                                      \
    F(void, HXObj_SetVertexWeight, (HXObjHandle, int, float))                                                \
    F(void, HXObj_CopyVertexAttribute, (HXObjHandle, int, int))                                              \
    F(int, HXObj_AddFace, (HXObjHandle, int, const int*))                                                    \
    F(void, HXObj_DeleteFace, (HXObjHandle, int))                                                            \
    F(void, HXObj_InvertFace, (HXObjHandle, int))                                                            \
    F(void, HXObj_SetFaceMaterial, (HXObjHandle, int, int))                                                  \
    F(void, HXObj_SetFaceCoordinateArray, (HXObjHandle, int, const float*))                                  \
    F(DWORD, HXObj_GetFaceVertexColor, (HXObjHandle, int, int))                                              \
    F(void, HXObj_SetFaceVertexColor, (HXObjHandle, int, int, DWORD))                                        \
    F(void, HXObj_OptimizeVertex, (HXObjHandle, float))                                                      \
    F(void, HXObj_Compact, (HXObjHandle))                                                                    \
    F(int, HXObj_GetVisible, (HXObjHandle))                                                                  \
    F(void, HXObj_SetVisible, (HXObjHandle, int))                                                            \
    F(int, HXObj_GetPatchType, (HXObjHandle))                                                                \
    F(void, HXObj_SetPatchType, (HXObjHandle, int))                                                          \
    F(int, HXObj_GetPatchSegment, (HXObjHandle))                                                             \
    F(void, HXObj_SetPatchSegment, (HXObjHandle, int))                                                       \
    F(int, HXObj_GetShading, (HXObjHandle))                                                                  \
    F(void, HXObj_SetShading, (HXObjHandle, int))                                                            \
    F(float, HXObj_GetSmoothAngle, (HXObjHandle))                                                            \
    F(void, HXObj_SetSmoothAngle, (HXObjHandle, float))                                                      \
    F(int, HXObj_GetMirrorType, (HXObjHandle))                                                               \
    F(void, HXObj_SetMirrorType, (HXObjHandle, int))                                                         \
    F(int, HXObj_GetMirrorAxis, (HXObjHandle))                                                               \
    F(void, HXObj_SetMirrorAxis, (HXObjHandle, int))                                                         \
    F(float, HXObj_GetMirrorDistance, (HXObjHandle))                                                         \
    F(void, HXObj_SetMirrorDistance, (HXObjHandle, float))                                                   \
    F(int, HXObj_GetLatheType, (HXObjHandle))                                                                \
    F(void, HXObj_SetLatheType, (HXObjHandle, int))                                                          \
    F(int, HXObj_GetLatheAxis, (HXObjHandle))                                                                \
    F(void, HXObj_SetLatheAxis, (HXObjHandle, int))                                                          \
    F(int, HXObj_GetLatheSegment, (HXObjHandle))                                                             \
    F(void, HXObj_SetLatheSegment, (HXObjHandle, int))                                                       \
    F(int, HXObj_GetIntValue, (HXObjHandle, int))                                                            \
    F(void, HXObj_GetFloatArray, (HXObjHandle, int, float*))                                                 \
    F(void, HXObj_SetIntValue, (HXObjHandle, int, int))                                                      \
    F(void, HXObj_SetFloatArray, (HXObjHandle, int, const float*))                                           \
    F(void, HXMat_Delete, (HXMatHandle))                                                                     \
    F(int, HXMat_GetIntValue, (HXMatHandle, int))                                                            \
    F(void, HXMat_GetFloatArray, (HXMatHandle, int, float*))                                                 \
    F(void, HXMat_GetName, (HXMatHandle, char*, int))                                                        \
    F(void, HXMat_GetColor, (HXMatHandle, HXCOLOR*))                                                         \
    F(float, HXMat_GetAlpha, (HXMatHandle))                                                                  \
    F(float, HXMat_GetDiffuse, (HXMatHandle))                                                                \
    F(float, HXMat_GetAmbient, (HXMatHandle))                                                                \
    F(float, HXMat_GetEmission, (HXMatHandle))                                                               \
    F(float, HXMat_GetSpecular, (HXMatHandle))                                                               \
    F(float, HXMat_GetPower, (HXMatHandle))                                                                  \
    F(void, HXMat_GetTextureName, (HXMatHandle, char*, int))                                                 \
    F(void, HXMat_GetAlphaName, (HXMatHandle, char*, int))                                                   \
    F(void, HXMat_GetBumpName, (HXMatHandle, char*, int))                                                    \
    F(void, HXMat_SetIntValue, (HXMatHandle, int, int))                                                      \
    F(void, HXMat_SetFloatArray, (HXMatHandle, int, const float*))                                           \
    F(void, HXMat_SetName, (HXMatHandle, const char*))                                                       \
    F(void, HXMat_SetColor, (HXMatHandle, const HXCOLOR*))                                                   \
    F(void, HXMat_SetAlpha, (HXMatHandle, float))                                                            \
    F(void, HXMat_SetDiffuse, (HXMatHandle, float))                                                          \
    F(void, HXMat_SetAmbient, (HXMatHandle, float))                                                          \
    F(void, HXMat_SetEmission, (HXMatHandle, float))                                                         \
    F(void, HXMat_SetSpecular, (HXMatHandle, float))                                                         \
    F(void, HXMat_SetPower, (HXMatHandle, float))                                                            \
    F(void, HXMat_SetTextureName, (HXMatHandle, const char*))                                                \
    F(void, HXMat_SetAlphaName, (HXMatHandle, const char*))                                                  \
    F(void, HXMat_SetBumpName, (HXMatHandle, const char*))                                                   \
    F(void, HXMatrix_FloatValue, (int, float*))                                                              \
    F(int, HXXmlElem_Value, (HXXmlHandle, int, void**))

// Expands to nothing; for uses that want each function once.
#define HX_HOST_SKIP(name)
