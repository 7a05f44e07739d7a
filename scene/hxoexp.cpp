#include "scene/hxoexp.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "scene/exptext.h"
#include "scene/quotedtext.h"

namespace {

// Each of r, g, b, a times 255, truncated and clamped; alpha in the top byte, red at the bottom.
unsigned PackColor(const FVEC4& c) {
    auto byte = [](float v) {
        float scaled = v * 255.0f;
        if (!(scaled > 0.0f)) return 0u;
        if (scaled >= 255.0f) return 255u;
        return unsigned(int(scaled));
    };
    return byte(c.w) << 24 | byte(c.z) << 16 | byte(c.y) << 8 | byte(c.x);
}

char* PutText(char* p, const char* text, size_t n) {
    std::memcpy(p, text, n);
    return p + n;
}

// Room for the longest face line: four corners with every part.
constexpr size_t kFaceLineMax = 16 * NUMFMT_MAX + 64;

void WriteFace(EXPTEXT& text, const HXO_FACE& face) {
    int n = face.GetPointCount();
    char* p = text.Room(kFaceLineMax);
    p = PutText(p, "\t\t", 2);
    p += FormatInt(p, n);
    p = PutText(p, " V(", 3);
    for (int k = 0; k < n; ++k) {
        if (k) *p++ = ' ';
        p += FormatInt(p, face.GetIndex(k));
    }
    *p++ = ')';
    if (face.IsUseMaterial()) {
        p = PutText(p, " M(", 3);
        p += FormatInt(p, face.GetMaterial());
        *p++ = ')';
    }
    if (face.IsUseUV()) {
        p = PutText(p, " UV(", 4);
        for (int k = 0; k < n; ++k) {
            if (k) *p++ = ' ';
            const FVEC2& uv = face.GetUV(k);
            p = text.Float(p, uv.x);
            *p++ = ' ';
            p = text.Float(p, uv.y);
        }
        *p++ = ')';
    }
    if (face.IsUseColor()) {
        p = PutText(p, " COL(", 5);
        for (int k = 0; k < n; ++k) {
            if (k) *p++ = ' ';
            p += FormatUInt(p, PackColor(face.GetColor(k)));
        }
        *p++ = ')';
    }
    text.Advance(p);
    text.EndLine();
}

void WriteVertex(EXPTEXT& text, const FVEC3& v) {
    char* p = text.Room(3 * NUMFMT_MAX + 8);
    p = PutText(p, "\t\t", 2);
    p = text.Float(p, v.x);
    *p++ = ' ';
    p = text.Float(p, v.y);
    *p++ = ' ';
    p = text.Float(p, v.z);
    text.Advance(p);
    text.EndLine();
}

} // namespace

int HXOEXP::CheckPaths(const HXO_MODEL& model) {
    for (int i = 0; i < model.GetMaterialCount(); ++i) {
        const HXO_MATERIAL* m = model.GetMaterial(i);
        if (!m) continue;
        for (const char* path : {m->GetTextureName(), m->GetAlphaPlaneName(), m->GetBumpName()})
            if (!CheckQuotablePath(mess, path)) return 0;
    }
    return 1;
}

int HXOEXP::Save(const char* path, const HXO_MODEL* model, int writeTransform) {
    FOUTFILE file;
    if (!model || !CheckPaths(*model) || !file.OpenWrite(writer, path)) return 0;
    int ok = 0;
    try {
        ok = WriteModel(model, writeTransform);
    } catch (const std::bad_alloc&) {
        ok = 0;
    }
    return writer.Close() && ok ? 1 : 0;
}

int HXOEXP::SaveEmpty(TABFOUT& out, const char* path) {
    FOUTFILE file;
    if (!file.OpenWrite(out, path)) return 0;
    return out.Close() ? 1 : 0;
}

int HXOEXP::WriteModel(const HXO_MODEL* model, int writeTransform) {
    if (!model) return 0;
    writer.ClearIndent();
    EXPTEXT text(writer, mess);
    text.Line(0, "Hexagrel Document");
    text.Line(0, "Format Text Ver 1.0");
    text.EndLine();
    if (writeScene) WriteScene(text, *model->GetScene());
    if (model->GetMaterialCount() > 0) WriteMaterials(text, *model);
    int ok = 1;
    for (int i = 0; i < model->GetObjectCount(); ++i)
        if (!WriteObject(text, *model->GetObject(i), writeTransform)) ok = 0;
    text.Line(0, "eof");
    return text.Flush() && ok;
}

void HXOEXP::WriteScene(EXPTEXT& text, const HXO_SCENE& scene) {
    const HXO_CAMERA& camera = *scene.GetCamera();
    const FVEC3& pos = camera.GetPosition();
    const FVEC3& lookat = camera.GetLookAt();
    const FVEC3& amb = scene.GetAmbient();
    text.Line(0, "Scene {");
    text.Line(1, "pos %f %f %f", pos.x, pos.y, pos.z);
    text.Line(1, "lookat %f %f %f", lookat.x, lookat.y, lookat.z);
    text.Line(1, "head %f", camera.GetHead());
    text.Line(1, "pich %f", camera.GetPich());
    text.Line(1, "ortho %d", camera.GetOrtho());
    text.Line(1, "zoom2 %f", camera.GetZoom2());
    text.Line(1, "amb %f %f %f", amb.x, amb.y, amb.z);
    text.Line(0, "}");
}

void HXOEXP::WriteMaterials(EXPTEXT& text, const HXO_MODEL& model) {
    text.Line(0, "Material %d {", model.GetMaterialCount());
    for (int i = 0; i < model.GetMaterialCount(); ++i) {
        const HXO_MATERIAL& m = *model.GetMaterial(i);
        text.Tabs(1);
        if (m.HasName()) {
            text.Format("\"%s\"", NAMETEXT{m.GetName()});
        } else {
            char number[16];
            std::snprintf(number, sizeof number, "%03d", i);
            text.Format("\"mat%s\"", static_cast<const char*>(number));
        }
        if (m.GetVertexColor()) text.Format(" vcol(%d)", m.GetVertexColor());
        const FVEC4& c = m.GetColor();
        text.Format(" col(%f %f %f %f)", c.x, c.y, c.z, c.w);
        text.Format(" dif(%f) amb(%f) emi(%f) spc(%f) power(%f)", m.GetDiffuse(), m.GetAmbient(),
                    m.GetEmission(), m.GetSpecular(), m.GetPower());
        if (*m.GetTextureName()) text.Format(" tex(\"%s\")", m.GetTextureName());
        if (*m.GetAlphaPlaneName()) text.Format(" aplane(\"%s\")", m.GetAlphaPlaneName());
        if (*m.GetBumpName()) text.Format(" bump(\"%s\")", m.GetBumpName());
        text.EndLine();
    }
    text.Line(0, "}");
}

int HXOEXP::WriteObject(EXPTEXT& text, const HXO_OBJ& obj, int writeTransform) {
    text.Line(0, "Object \"%s\" {", NAMETEXT{obj.GetName()});
    if (obj.GetPatch()) {
        text.Line(1, "patch %d", obj.GetPatch());
        text.Line(1, "segment %d", obj.GetSegment());
    }
    text.Line(1, "visible %d", obj.GetVisible() ? 15 : 0);
    text.Line(1, "shading %d", obj.GetShading());
    text.Tabs(1);
    text.Put("facet ");
    text.PutFloat(obj.GetFacet() * 57.29578f, 1); // degrees; "%2.1f" never pads these
    text.EndLine();
    if (writeTransform) {
        const FVEC3& s = obj.GetScale();
        const FVEC3& r = obj.GetRotation();
        const FVEC3& t = obj.GetTranslation();
        text.Line(1, "depth %d", obj.GetDepth());
        text.Line(1, "folding %d", obj.GetFolding());
        text.Line(1, "scale %f %f %f", s.x, s.y, s.z);
        text.Line(1, "rotation %f %f %f", r.x, r.y, r.z);
        text.Line(1, "translation %f %f %f", t.x, t.y, t.z);
    }
    int ok = 1;
    if (textVertices) {
        text.Line(1, "vertex %d {", obj.GetVertexCount());
        for (int i = 0; i < obj.GetVertexCount(); ++i) {
            FVEC3 v;
            obj.GetVertex(i, v);
            WriteVertex(text, v);
        }
        text.Line(1, "}");
    } else {
        ok = WriteBinaryVertices(text, obj);
    }
    text.Line(1, "face %d {", obj.GetFaceCount());
    for (int i = 0; i < obj.GetFaceCount(); ++i) {
        const HXO_FACE* face = obj.GetFace(i);
        if (face && face->GetPointCount() > 0) WriteFace(text, *face);
    }
    text.Line(1, "}");
    text.Line(0, "}");
    return ok;
}

// Raw floats in the stream's byte order, so they bypass the text and go straight to the writer.
int HXOEXP::WriteBinaryVertices(EXPTEXT& text, const HXO_OBJ& obj) {
    int n = obj.GetVertexCount();
    text.Line(1, "BVertex %d {", n);
    text.Line(2, "Vector %d [%d]", n, n * 12);
    int ok = text.Flush();
    for (int i = 0; i < n; ++i) {
        FVEC3 v;
        obj.GetVertex(i, v);
        ok = writer.Write32(v.x) && writer.Write32(v.y) && writer.Write32(v.z) && ok;
    }
    text.EndLine();
    text.EndLine();
    text.Line(1, "}");
    return ok;
}
