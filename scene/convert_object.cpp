// Visible host objects become renderer objects; "@PYLPoint:" objects become point lights.
#include "scene/convert_parts.h"

#include "base/trace.h"
#include "host/hxwrap.h"
#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"

namespace {

const int kFreezeAll = 0x7FFFFFFF;
const int kMaxCorners = 4;

// Lathe, patch and mirror objects are read from a frozen copy that carries their results.
bool NeedsFrozenCopy(const HXObj& obj) {
    return obj.GetLatheType() != 0 || obj.GetPatchType() != 0 || obj.GetMirrorType() != 0;
}

// The copy goes back to the host however its conversion ends.
struct FROZENCOPY {
    HXObj obj;
    ~FROZENCOPY() {
        if (obj) obj.Delete();
    }
};

void ConvertFaces(PYL_OBJ* out, const HXObj& cur, int objIndex) {
    int faces = cur.GetFaceCount();
    for (int j = 0; j < faces; j++) {
        int material = cur.GetFaceMaterial(j);
        int count = cur.GetFacePointCount(j);
        // The host fills one entry per corner; a face the scene cannot hold is never read.
        if (count < 1 || count > kMaxCorners) {
            Trace("[%d]:face(%d) skipped, points(%d)", objIndex, j, count);
            continue;
        }
        int index[kMaxCorners] = {0, 0, 0, 0};
        float uv[kMaxCorners * 2] = {0, 0, 0, 0, 0, 0, 0, 0};
        cur.GetFacePointArray(j, index);
        cur.GetFaceCoordinateArray(j, uv);
        PYL_FACE* face = Need(out->AddFace(), "面", out->GetName());
        face->SetMaterial(material);
        face->SetCount(count);
        for (int k = 0; k < count; k++) {
            face->SetVertex(k, index[k]);
            face->SetUV(k, FVEC2(uv[k * 2], uv[k * 2 + 1]));
        }
    }
}

void ConvertGeometry(PYL_SCENE* scene, const HXObj& cur, const char* name, int objIndex) {
    PYL_OBJ* out = Need(scene->AddObject(), "オブジェクト", name);
    out->SetName(name);
    out->SetFacet(cur.GetSmoothAngle() * 0.017453292f);
    int vertices = cur.GetVertexCount();
    if (!out->ReserveVertices(vertices)) FailToMake("頂点", name);
    for (int v = 0; v < vertices; v++) {
        HXPOINT p = cur.GetVertex(v);
        out->AddVertex(FVEC3(p.x, p.y, p.z));
    }
    ConvertFaces(out, cur, objIndex);
}

// A point light at the object's centre, coloured by its main material and scaled by its size.
void ConvertPointCommand(PYL_SCENE* scene, const HXDoc& doc, const HXObj& cur, const BBOX& objBox) {
    FVEC3 position = GetObjCentroid(cur);
    float b = (objBox.max - objBox.min).Length();
    Trace("bound_size(%.f)", b);
    FVEC3 col(1, 1, 1);
    char texture[PYL_PATH_LEN] = "";
    int mm = GetObjMainMtl(doc, cur);
    HXMat mat = mm >= 0 ? doc.GetMaterial(mm) : HXMat();
    if (mat) {
        HXCOLOR c = mat.GetColor();
        col = FVEC3(c.r, c.g, c.b);
        char name[PYL_PATH_LEN];
        name[0] = 0;
        mat.GetTextureName(name, PYL_PATH_LEN);
        ResolveMappingFile(doc, texture, name, HXMAP_TEXTURE);
    }
    b = b * 0.5f;
    float k = b * b * 10.0f;
    Trace("col_scale(%.f)", k);
    PYL_LIGHT* light = Need(scene->AddLight(), "光源");
    light->SetType(PYL_LIGHT::POINT);
    light->col = col * k;
    light->position = position;
    light->SetTexture(texture);
}

void ConvertObject(PYL_SCENE* scene, const HXDoc& doc, const HXObj& cur, int objIndex, BBOX* sceneBox) {
    BBOX objBox;
    GetObjBBox(cur, &objBox);
    sceneBox->Merge(objBox.min);
    sceneBox->Merge(objBox.max);

    char name[PYL_OBJNAME_LEN];
    name[0] = 0;
    cur.GetName(name, PYL_OBJNAME_LEN);
    char base[PYL_OBJNAME_LEN];
    int cmd = ParseObjCommand(base, name);
    if (cmd == OBJCMD_NONE) {
        ConvertGeometry(scene, cur, name, objIndex);
        return;
    }
    Trace("[%d]:command(%s),base(%s)", objIndex, GetObjCommandName(cmd), base);
    if (cmd == OBJCMD_PYLPOINT) ConvertPointCommand(scene, doc, cur, objBox);
}

} // namespace

void ConvertObjects(PYL_SCENE* scene, const HXDoc& doc, BBOX* sceneBox) {
    int count = doc.GetObjectCount();
    for (int i = 0; i < count; i++) {
        HXObj obj = doc.GetObject(i);
        if (!obj || obj.GetVisible() == 0) continue;
        if (!NeedsFrozenCopy(obj)) {
            ConvertObject(scene, doc, obj, i, sceneBox);
            continue;
        }
        FROZENCOPY copy{obj.Clone()};
        if (!copy.obj) continue;
        copy.obj.Freeze(kFreezeAll);
        ConvertObject(scene, doc, copy.obj, i, sceneBox);
    }
}
