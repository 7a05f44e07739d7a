// Records of the HXO model that the export neither fills nor writes: bones, anchors, the
// auxiliary record of named string pairs, per-object items, vertex weights and pair tables.
#pragma once

#include <vector>

#include "base/fvec.h"
#include "base/ptrlist.h"
#include "base/rgbcolor.h"
#include "scene/textfield.h"

class HXO_MODEL;

constexpr int HXO_NAME_LEN = 256;
constexpr int HXO_PATH_LEN = 1024;

class HXO_BONE {
  public:
    virtual ~HXO_BONE() = default;

    void SetFlag0(int v) { SetBit(0, v); }
    int GetFlag0() const { return (flags >> 0) & 1; }
    void SetFlag1(int v) { SetBit(1, v); }
    int GetFlag1() const { return (flags >> 1) & 1; }
    void SetKind(int v) { flags = (flags & ~0xCu) | ((unsigned(v) & 3) << 2); }
    int GetKind() const { return (flags >> 2) & 3; }
    void SetName(const char* text) { SetTextField(name, text); }
    const char* GetName() const { return name; }
    void SetColor(const RGBCOLOR& c) { color = c; }
    const RGBCOLOR& GetColor() const { return color; }
    void SetVector(int k, const FVEC3& v) { vectors[k] = v; }
    const FVEC3& GetVector(int k) const { return vectors[k]; }
    void SetValue(int v) { value = v; }
    int GetValue() const { return value; }
    void SetOwner(HXO_MODEL* m) { owner = m; }
    HXO_MODEL* GetOwner() const { return owner; }
    void SetParent(HXO_BONE* b) { parent = b; }
    HXO_BONE* GetParent() const { return parent; }
    void SetNextSibling(HXO_BONE* b) { next = b; }
    HXO_BONE* GetNextSibling() const { return next; }
    void SetFirstChild(HXO_BONE* b) { child = b; }
    HXO_BONE* GetFirstChild() const { return child; }
    void SetPrevSibling(HXO_BONE* b) { prev = b; }
    HXO_BONE* GetPrevSibling() const { return prev; }

    // Pre-order walk of the bone tree; both accept a null bone.
    static HXO_BONE* GetNext(const HXO_BONE* bone);
    static HXO_BONE* GetPrev(const HXO_BONE* bone);

  private:
    void SetBit(int bit, int v) { flags = (flags & ~(1u << bit)) | ((unsigned(v) & 1) << bit); }

    unsigned flags = 0;
    char name[HXO_PATH_LEN] = "";
    RGBCOLOR color = RGBCOLOR(0, 0, 0, 0);
    FVEC3 vectors[3] = {FVEC3(0, 0, 0), FVEC3(0, 0, 0), FVEC3(0, 0, 0)};
    int value = 0;
    HXO_MODEL* owner = nullptr;
    HXO_BONE* parent = nullptr;
    HXO_BONE* next = nullptr;
    HXO_BONE* child = nullptr;
    HXO_BONE* prev = nullptr;
};

struct HXO_ANCHORFACE {
    int count = 0;
    int index[4] = {0, 0, 0, 0};

    void SetIndex(int k, int v) { index[k] = v; }
    int GetIndex(int k) const { return index[k]; }
};

class HXO_ANCHOR {
  public:
    virtual ~HXO_ANCHOR() = default;

    void SetInt0(int v) { int0 = v; }
    int GetInt0() const { return int0; }
    void SetInt1(int v) { int1 = v; }
    int GetInt1() const { return int1; }
    void SetID(int v) { id = v; }
    int GetID() const { return id; }

    int GetVertexCount() const { return int(vertices.size()); }
    FVEC3* GetVertex(int i) { return &vertices[i]; }
    void SetVertex(int i, const FVEC3& v) { vertices[i] = v; }
    void SetVertexCount(int n) { vertices.resize(n); }

    int GetFaceCount() const { return faces.GetCount(); }
    HXO_ANCHORFACE* GetFace(int i) const { return faces.Get(i); }
    HXO_ANCHORFACE* AddFace() { return faces.Add(); }
    void SetFaceCount(int n) { faces.SetCount(n); }

  private:
    int int0 = 0;
    int int1 = 0;
    int id = 0;
    std::vector<FVEC3> vertices;
    PTRLIST<HXO_ANCHORFACE> faces;
};

struct HXO_AUXSTRPAIR {
    void SetFirst(const char* text) { SetTextField(first, text); }
    const char* GetFirst() const { return first; }
    void SetSecond(const char* text) { SetTextField(second, text); }
    const char* GetSecond() const { return second; }

  private:
    char first[HXO_PATH_LEN] = "";
    char second[HXO_PATH_LEN] = "";
};

struct HXO_AUXENTRY {
    void SetInt0(int v) { int0 = v; }
    int GetInt0() const { return int0; }
    void SetInt1(int v) { int1 = v; }
    int GetInt1() const { return int1; }
    void SetName(const char* text) { SetTextField(name, text); }
    const char* GetName() const { return name; }
    int GetPairCount() const { return pairs.GetCount(); }
    HXO_AUXSTRPAIR* GetPair(int i) const { return pairs.Get(i); }
    HXO_AUXSTRPAIR* AddPair() { return pairs.Add(); }

  private:
    int int0 = -1;
    int int1 = -1;
    char name[HXO_PATH_LEN] = "";
    PTRLIST<HXO_AUXSTRPAIR> pairs;
};

struct HXO_AUXREC {
    void SetText0(const char* text) { SetTextField(text0, text); }
    const char* GetText0() const { return text0; }
    void SetText1(const char* text) { SetTextField(text1, text); }
    const char* GetText1() const { return text1; }
    int GetEntryCount() const { return entries.GetCount(); }
    HXO_AUXENTRY* GetEntry(int i) const { return entries.Get(i); }
    HXO_AUXENTRY* AddEntry() { return entries.Add(); }

  private:
    char text0[HXO_PATH_LEN] = "";
    char text1[HXO_PATH_LEN] = "";
    PTRLIST<HXO_AUXENTRY> entries;
};

struct HXO_OBJITEM {
    void SetName(const char* text) { SetTextField(name, text); }
    const char* GetName() const { return name; }
    void SetValue(int v) { value = v; }
    int GetValue() const { return value; }
    void SetColor(const RGBCOLOR& c) { color = c; }
    const RGBCOLOR& GetColor() const { return color; }

  private:
    char name[HXO_NAME_LEN] = "";
    int value = 0;
    RGBCOLOR color = RGBCOLOR(0, 0, 0, 0);
};

struct HXO_OBJPAIR {
    int key = 0;
    unsigned value = 0;
};

struct HXO_OBJSLOT {
    unsigned value;
};

struct HXO_WEIGHT {
    int key;
    float weight;
};
using HXO_WEIGHTLIST = std::vector<HXO_WEIGHT>;

// A table of integer pairs looked up in either direction, first match from the start.
class HXO_PAIRTABLE {
  public:
    int GetCount() const { return int(pairs.size()); }
    void Add(int a, int b) { pairs.push_back({a, b}); }
    // The first value of the first pair whose second value is b; 0 when there is none.
    int FindFirst(int b) const;
    // The second value of the first pair whose first value is a; 0 when there is none.
    int FindSecond(int a) const;

  private:
    struct PAIR {
        int first, second;
    };
    std::vector<PAIR> pairs;
};
