// Object reads, and the clone, freeze and delete that the plug-in uses to read a baked copy.
#include "tools/hxhost/lib/hostexport.h"

using namespace hxhost;

namespace {
const Face* FaceOf(HXObjHandle handle, int face) {
    Object* object = ObjectOf(handle);
    if (!object || face < 0 || size_t(face) >= object->Current().faces.size()) return nullptr;
    return &object->Current().faces[size_t(face)];
}

// Small integer properties of the current shape; zero for a handle the document does not hold.
int ShapeInt(HXObjHandle handle, int Shape::*field) {
    Object* object = ObjectOf(handle);
    return object ? object->Current().*field : 0;
}
} // namespace

HXHOST_EXPORT void __cdecl HXObj_Delete(HXObjHandle handle) {
    NoteCall(__func__);
    if (Object* object = ObjectOf(handle)) Host().doc->Delete(object);
}

HXHOST_EXPORT HXObjHandle __cdecl HXObj_Clone(HXObjHandle handle) {
    NoteCall(__func__);
    Object* object = ObjectOf(handle);
    return object ? reinterpret_cast<HXObjHandle>(Host().doc->Clone(object)) : nullptr;
}

// Freezing bakes lathe, patch and mirror into the faces: the object reads as its frozen shape from now on.
HXHOST_EXPORT void __cdecl HXObj_Freeze(HXObjHandle handle, int) {
    NoteCall(__func__);
    if (Object* object = ObjectOf(handle)) {
        object->frozen = true;
        ++Host().doc->freezes;
    }
}

HXHOST_EXPORT void __cdecl HXObj_GetName(HXObjHandle handle, char* out, int size) {
    NoteCall(__func__);
    Object* object = ObjectOf(handle);
    CopyText(out, size, object ? object->Current().name : std::string());
}

HXHOST_EXPORT int __cdecl HXObj_GetVertexCount(HXObjHandle handle) {
    NoteCall(__func__);
    Object* object = ObjectOf(handle);
    return object ? int(object->Current().vertices.size()) : 0;
}

HXHOST_EXPORT void __cdecl HXObj_GetVertex(HXObjHandle handle, int index, HXPOINT* out) {
    NoteCall(__func__);
    Object* object = ObjectOf(handle);
    if (!object || !out || index < 0 || size_t(index) >= object->Current().vertices.size()) return;
    const auto& v = object->Current().vertices[size_t(index)];
    *out = HXPOINT{v[0], v[1], v[2]};
}

HXHOST_EXPORT int __cdecl HXObj_GetFaceCount(HXObjHandle handle) {
    NoteCall(__func__);
    Object* object = ObjectOf(handle);
    return object ? int(object->Current().faces.size()) : 0;
}

HXHOST_EXPORT int __cdecl HXObj_GetFacePointCount(HXObjHandle handle, int face) {
    NoteCall(__func__);
    const Face* f = FaceOf(handle, face);
    return f ? int(f->points.size()) : 0;
}

HXHOST_EXPORT void __cdecl HXObj_GetFacePointArray(HXObjHandle handle, int face, int* out) {
    NoteCall(__func__);
    const Face* f = FaceOf(handle, face);
    if (!f || !out) return;
    for (size_t k = 0; k < f->points.size(); ++k)
        out[k] = f->points[k];
}

HXHOST_EXPORT void __cdecl HXObj_GetFaceCoordinateArray(HXObjHandle handle, int face, float* out) {
    NoteCall(__func__);
    const Face* f = FaceOf(handle, face);
    if (!f || !out) return;
    for (size_t k = 0; k < f->uv.size(); ++k) {
        out[2 * k] = f->uv[k][0];
        out[2 * k + 1] = f->uv[k][1];
    }
}

HXHOST_EXPORT int __cdecl HXObj_GetFaceMaterial(HXObjHandle handle, int face) {
    NoteCall(__func__);
    const Face* f = FaceOf(handle, face);
    return f ? f->material : -1;
}

HXHOST_EXPORT float __cdecl HXObj_GetSmoothAngle(HXObjHandle handle) {
    NoteCall(__func__);
    Object* object = ObjectOf(handle);
    return object ? object->Current().smoothAngle : 0.0f;
}

// Plain reads of one property each.
#define HXHOST_OBJECT_INT(name, field)                                                                       \
    HXHOST_EXPORT int __cdecl name(HXObjHandle handle) {                                                     \
        NoteCall(#name);                                                                                     \
        return ShapeInt(handle, &Shape::field);                                                              \
    }
HXHOST_OBJECT_INT(HXObj_GetVisible, visible)
HXHOST_OBJECT_INT(HXObj_GetPatchType, patch)
HXHOST_OBJECT_INT(HXObj_GetShading, shading)
HXHOST_OBJECT_INT(HXObj_GetMirrorType, mirror)
HXHOST_OBJECT_INT(HXObj_GetLatheType, lathe)
