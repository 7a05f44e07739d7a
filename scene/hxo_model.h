// The HXO model: the geometry handed to the renderer as an HXO text model file. Everything
// starts at defaults, so the writer can print every object and material in full.
#pragma once

#include <windows.h> // GetObject is a Win32 macro: every user must see the same name

#include <cstdint>
#include <vector>

#include "base/fmatrix.h"
#include "scene/hxo_records.h"
#include "scene/recordpool.h"

// Faces come by the million and are freed together with their model.
class HXO_FACE final : public POOLED<HXO_FACE> {
  public:
    HXO_FACE() = default;
    ~HXO_FACE() { delete[] colors; }
    HXO_FACE(const HXO_FACE&) = delete;
    HXO_FACE& operator=(const HXO_FACE&) = delete;

    struct CORNER {
        int index;
        FVEC2 uv;
    };

    void SetPointCount(int n) { count = n; }
    int GetPointCount() const { return count; }
    void SetMaterial(int m) { material = m; }
    int GetMaterial() const { return material; }
    void SetUseUV(int v) { SetBit(0, v); }
    int IsUseUV() const { return flags & 1; }
    void SetUseColor(int v) { SetBit(1, v); }
    int IsUseColor() const { return (flags >> 1) & 1; }
    void SetUseMaterial(int v) { SetBit(2, v); }
    int IsUseMaterial() const { return (flags >> 2) & 1; }
    void SetFlag3(int v) { SetBit(3, v); }
    int GetFlag3() const { return (flags >> 3) & 1; }
    void SetInt0(int v) { int0 = v; }
    int GetInt0() const { return int0; }
    void SetInt1(int v) { int1 = v; }
    int GetInt1() const { return int1; }

    // Corner k runs from 0 to 3 and is not checked.
    void SetIndex(int k, int v) { corners[k].index = v; }
    int GetIndex(int k) const { return corners[k].index; }
    void SetUV(int k, const FVEC2& v) { corners[k].uv = v; }
    const FVEC2& GetUV(int k) const { return corners[k].uv; }
    // Corner colours are rare, so they are kept apart and made on the first SetColor; until
    // then every corner reads as (0, 0, 0, 0).
    void SetColor(int k, const FVEC4& v);
    const FVEC4& GetColor(int k) const;
    bool HasColors() const { return colors != nullptr; }
    const CORNER& GetCorner(int k) const { return corners[k]; }
    void SetCorner(int k, const CORNER& c) { corners[k] = c; }

    // Moves the UVs by whole units until none is below 0.
    void NormalizeUV();

  private:
    void SetBit(int bit, int v) { flags = (flags & ~(1u << bit)) | ((unsigned(v) & 1) << bit); }

    unsigned flags = 0;
    int int0 = 0;
    int int1 = 0;
    int material = -1;
    int count = 0;
    CORNER corners[4] = {};
    FVEC4* colors = nullptr;
};

class HXO_MATERIAL {
  public:
    void Init();
    HXO_MATERIAL() { Init(); }

    void SetName(const char* text);
    const char* GetName() const { return name; }
    int HasName() const { return (flags >> 7) & 1; }
    void SetText2(const char* text) { SetTextField(text2, text); }
    const char* GetText2() const { return text2; }
    void SetVertexColor(int v) { SetBit(8, v); }
    int GetVertexColor() const { return (flags >> 8) & 1; }
    void SetFlag9(int v) { SetBit(9, v); }
    int GetFlag9() const { return (flags >> 9) & 1; }
    void SetInt0(int v) { int0 = v; }
    int GetInt0() const { return int0; }
    // Also sets flag bit 9.
    void SetInt1(int v) {
        int1 = v;
        SetBit(9, 1);
    }
    int GetInt1() const { return int1; }
    void SetColor(const FVEC4& c) { col = c; }
    const FVEC4& GetColor() const { return col; }
    void SetInt2(int v) { int2 = v; }
    int GetInt2() const { return int2; }
    void SetDiffuse(float v) { dif = v; }
    float GetDiffuse() const { return dif; }
    void SetAmbient(float v) { amb = v; }
    float GetAmbient() const { return amb; }
    void SetSpecular(float v) { spc = v; }
    float GetSpecular() const { return spc; }
    void SetPower(float v) { power = v; }
    float GetPower() const { return power; }
    void SetEmission(float v) { emi = v; }
    float GetEmission() const { return emi; }
    void SetInt3(int v) { int3 = v; }
    int GetInt3() const { return int3; }
    void SetVector(int k, const FVEC3& v) { vectors[k] = v; }
    const FVEC3& GetVector(int k) const { return vectors[k]; }
    void SetTextureName(const char* text) { SetTextField(tex, text); }
    const char* GetTextureName() const { return tex; }
    void SetBumpName(const char* text) { SetTextField(bump, text); }
    const char* GetBumpName() const { return bump; }
    void SetAlphaPlaneName(const char* text) { SetTextField(aplane, text); }
    const char* GetAlphaPlaneName() const { return aplane; }

  private:
    void SetBit(int bit, int v) { flags = (flags & ~(1u << bit)) | ((unsigned(v) & 1) << bit); }

    char name[HXO_NAME_LEN];
    char text2[HXO_NAME_LEN];
    unsigned flags;
    int int0 = 0;
    int int1 = 0;
    FVEC4 col;
    int int2;
    float dif, amb, spc, power, emi;
    int int3;
    FVEC3 vectors[3];
    char tex[HXO_PATH_LEN];
    char bump[HXO_PATH_LEN];
    char aplane[HXO_PATH_LEN];
};

class HXO_CAMERA {
  public:
    HXO_CAMERA() { Init(); }
    void Init();

    void SetPosition(const FVEC3& v) { pos = v; }
    const FVEC3& GetPosition() const { return pos; }
    void SetLookAt(const FVEC3& v) { lookat = v; }
    const FVEC3& GetLookAt() const { return lookat; }
    void SetHead(float v) { head = v; }
    float GetHead() const { return head; }
    void SetPich(float v) { pich = v; }
    float GetPich() const { return pich; }
    void SetBank(float v) { bank = v; }
    float GetBank() const { return bank; }
    void SetOrtho(int v) { ortho = v; }
    int GetOrtho() const { return ortho; }
    void SetZoom(float v) { zoom = v; }
    float GetZoom() const { return zoom; }
    void SetZoom2(float v) { zoom2 = v; }
    float GetZoom2() const { return zoom2; }

    // The rotation from head and pich.
    FMATRIX GetRotation() const;
    // View and projection matrices; aspect scales the projection's second axis.
    void GetMatrices(FMATRIX& view, FMATRIX& proj, float aspect) const;
    // The reverse: the record from a view and projection pair made by GetMatrices.
    void SetFromMatrices(const FMATRIX& view, const FMATRIX& proj);

  private:
    FVEC3 pos, lookat;
    float head, pich;
    float bank = 0.0f;
    int ortho;
    float zoom, zoom2;
};

class HXO_SCENE {
  public:
    HXO_SCENE() { Init(); }
    void Init();

    HXO_CAMERA* GetCamera() { return &camera; }
    const HXO_CAMERA* GetCamera() const { return &camera; }
    const FVEC3& GetAmbient() const { return amb; }
    void SetAmbient(const FVEC3& v) { amb = v; }

  private:
    HXO_CAMERA camera;
    FVEC3 amb;
};

class HXO_OBJ {
  public:
    HXO_OBJ() { Init(); }
    virtual ~HXO_OBJ() = default;
    void Init();

    void SetName(const char* text);
    const char* GetName() const { return name; }
    void SetText2(const char* text) { SetTextField(text2, text); }
    const char* GetText2() const { return text2; }
    int GetInt0() const { return int0; }
    // Also sets flag bit 7.
    HXO_OBJ* SetInt1(int v) {
        int1 = v;
        SetBit(flags, 7, 1);
        return this;
    }
    int GetInt1() const { return int1; }
    HXO_OBJ* SetInt3(int v) { return Set(int3, v); }
    int GetInt3() const { return int3; }
    HXO_OBJ* SetPatch(int v) { return Set(patch, v); }
    int GetPatch() const { return patch; }
    HXO_OBJ* SetSegment(int v) { return Set(segment, v); }
    int GetSegment() const { return segment; }
    HXO_OBJ* SetShading(int v) { return Set(shading, v); }
    int GetShading() const { return shading; }
    void SetFacet(float radians) { facet = radians; }
    float GetFacet() const { return facet; }
    void SetColor(const FVEC4& v) { color = v; }
    const FVEC4& GetColor() const { return color; }
    HXO_OBJ* SetAttrInt(int k, int v) { return Set(attr_int[k], v); } // k = 0 .. 5
    int GetAttrInt(int k) const { return attr_int[k]; }
    void SetAttrFloat(float v) { attr_float = v; }
    float GetAttrFloat() const { return attr_float; }
    HXO_OBJ* SetDepth(int v) { return Set(depth, v); }
    int GetDepth() const { return depth; }
    HXO_OBJ* SetFolding(int v) { return Set(folding, v); }
    int GetFolding() const { return folding; }
    void SetScale(const FVEC3& v) { scale = v; }
    const FVEC3& GetScale() const { return scale; }
    void SetRotation(const FVEC3& v) { rotation = v; }
    const FVEC3& GetRotation() const { return rotation; }
    void SetTranslation(const FVEC3& v) { translation = v; }
    const FVEC3& GetTranslation() const { return translation; }

    void SetVisible(int v) { SetBit(flags, 1, v); }
    int GetVisible() const { return (flags >> 1) & 1; }
    void SetFlag6(int v) { SetBit(flags, 6, v); }
    int GetFlag6() const { return (flags >> 6) & 1; }
    void SetFlag8(int v) { SetBit(flags, 8, v); }
    int GetFlag8() const { return (flags >> 8) & 1; }
    void SetFlag2(int bit, int v) { SetBit(flags2, bit, v); } // bit = 0 .. 4
    int GetFlag2(int bit) const { return (flags2 >> bit) & 1; }
    void SetOwner(HXO_MODEL* m) { owner = m; }
    HXO_MODEL* GetOwner() const { return owner; }
    HXO_OBJ* SetInt4(int v) { return Set(int4, v); }
    int GetInt4() const { return int4; }

    int GetVertexCount() const { return int(vertices.size()); }
    void ReserveVertices(int n) { vertices.reserve(n); }
    void AddVertex(float x, float y, float z) { vertices.emplace_back(x, y, z); }
    void GetVertex(int i, FVEC3& out) const { out = vertices[i]; }
    void SetVertex(int i, float x, float y, float z) { vertices[i].Set(x, y, z); }
    void ClearVertices() { vertices.clear(); }

    int GetFaceCount() const { return faces.GetCount(); }
    HXO_FACE* GetFace(int i) const { return faces.Get(i); }
    HXO_FACE* AddFace() { return faces.Add(); }
    void ClearFaces() { faces.DeleteAll(); }

    void AddInt(int v) { ints.push_back(v); }
    int GetIntCount() const { return int(ints.size()); }
    int GetInt(int i) const { return ints[i]; }

    int GetItemCount() const { return items.GetCount(); }
    HXO_OBJITEM* GetItem(int i) const { return items.Get(i); }
    HXO_OBJITEM* AddItem() { return items.Add(); }
    int GetPairCount() const { return pairs.GetCount(); }
    HXO_OBJPAIR* GetPair(int i) const { return pairs.Get(i); }
    HXO_OBJPAIR* AddPair() { return pairs.Add(); }
    int GetSlotCount() const { return slots.GetCount(); }
    HXO_OBJSLOT* GetSlot(int i) const { return slots.Get(i); }
    HXO_OBJSLOT* NewSlot() { return slots.New(); }

    // One weight list per vertex: grows the lists to the vertex count, never shrinks them.
    void MakeVertexWeights();
    HXO_WEIGHTLIST* GetVertexWeights(int i);
    void SetVertexWeight(int i, int key, float weight);
    float GetVertexWeight(int i, int key) const;

    void CopyAttributes(const HXO_OBJ& other);
    HXO_OBJ* SetTriangleCount(int v) { return Set(triangles, v); }
    int GetTriangleCount() const { return triangles; }
    void UpdateTriangleCount();
    void RemoveDegenerateFaces();
    void NormalizeUVs();
    void ScaleVertices(float factor);

  private:
    template <class T> HXO_OBJ* Set(T& field, T v) {
        field = v;
        return this;
    }
    static void SetBit(unsigned& word, int bit, int v) {
        word = (word & ~(1u << bit)) | ((unsigned(v) & 1) << bit);
    }

    char name[HXO_NAME_LEN];
    char text2[HXO_NAME_LEN];
    int int0 = 0;
    int int1 = 0;
    int int2, int3;
    int patch, segment, shading;
    float facet;
    FVEC4 color;
    int attr_int[6];
    float attr_float;
    int depth, folding;
    FVEC3 scale, rotation, translation;
    std::vector<FVEC3> vertices;
    std::vector<int> ints;
    PTRLIST<HXO_FACE> faces;
    PTRLIST<HXO_OBJITEM> items;
    PTRLIST<HXO_OBJPAIR> pairs;
    PTRLIST<HXO_OBJSLOT> slots;
    std::vector<HXO_WEIGHTLIST> weights;
    int triangles;
    unsigned flags;
    HXO_MODEL* owner = nullptr;
    unsigned flags2;
    int int4;
};

class HXO_MODEL {
  public:
    static constexpr int TEXT_RECORD_LEN = 1040;

    HXO_MODEL();
    virtual ~HXO_MODEL();
    HXO_MODEL(const HXO_MODEL&) = delete;
    HXO_MODEL& operator=(const HXO_MODEL&) = delete;

    void SetFlags(unsigned v) { flags = v; }
    unsigned GetFlags() const { return flags; }

    int GetObjectCount() const { return objects.GetCount(); }
    HXO_OBJ* GetObject(int i) const { return objects.Get(i); }
    HXO_OBJ* AddObject();
    int GetMaterialCount() const { return materials.GetCount(); }
    HXO_MATERIAL* GetMaterial(int i) const { return materials.Get(i); }
    HXO_MATERIAL* AddMaterial() { return materials.Add(); }
    HXO_SCENE* GetScene() { return &scene; }
    const HXO_SCENE* GetScene() const { return &scene; }

    int IsUniqueMaterialName(const char* name) const;
    int IsUniqueObjectName(const char* name) const;
    // out holds HXO_NAME_LEN characters; base, or base and a three-digit number from 2 up.
    int MakeUniqueMaterialName(char* out, const char* base) const;
    int MakeUniqueObjectName(char* out, const char* base) const;

    void UpdateCount();
    int GetFaceTotal() const { return face_total; }
    int GetVertexTotal() const { return vertex_total; }
    int GetTriangleTotal() const { return triangle_total; }
    void RemoveDegenerateFaces();
    void NormalizeUVs();
    void ScaleVertices(float factor);

    void SetName(const char* text) { SetTextField(name, text); }
    const char* GetName() const { return name; }
    void SetName2(const char* text) { SetTextField(name2, text); }
    const char* GetName2() const { return name2; }
    int IsName2Empty() const { return name2[0] == 0; }
    void SetTextRecord(int k, const char* text) { CopyTextCut(text_records[k], TEXT_RECORD_LEN, text); }
    const char* GetTextRecord(int k) const { return text_records[k]; } // k = 0 .. 3
    void SetValue(int v) { value = v; }
    int GetValue() const { return value; }

    HXO_AUXREC* CreateAux();
    HXO_AUXREC* GetAux() const { return aux; }
    void DeleteAux();

    int GetBoneCount() const { return bones.GetCount(); }
    HXO_BONE* GetBone(int i) const { return bones.Get(i); }
    HXO_BONE* AddBone();
    int GetAnchorCount() const { return anchors.GetCount(); }
    HXO_ANCHOR* GetAnchor(int i) const { return anchors.Get(i); }
    HXO_ANCHOR* AddAnchor() { return anchors.Add(); }

    void AddWord(uint32_t v) { words.push_back(v); }
    int GetWordCount() const { return int(words.size()); }
    uint32_t GetWord(int i) const { return words[i]; }

  private:
    unsigned flags = 0;
    PTRLIST<HXO_OBJ> objects;
    PTRLIST<HXO_MATERIAL> materials;
    HXO_SCENE scene;
    char text_records[4][TEXT_RECORD_LEN] = {"", "", "", ""};
    int face_total = 0;
    int vertex_total = 0;
    int triangle_total = 0;
    char name[HXO_NAME_LEN] = "";
    HXO_AUXREC* aux = nullptr;
    char name2[HXO_NAME_LEN] = "";
    PTRLIST<HXO_BONE> bones;
    PTRLIST<HXO_ANCHOR> anchors;
    int value = 0;
    std::vector<uint32_t> words;
};
