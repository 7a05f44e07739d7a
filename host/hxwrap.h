// Thin wrappers over the host's document, scene, object and material functions: each holds only the
// host's handle and passes it first to one function of the host function table.
#pragma once

#include "host/hxfuncs.h"

// A point filled by the host. Stays a plain block of three floats: the host writes it in place.
struct HXPOINT {
    float x, y, z;

    void Set(float x_, float y_, float z_) { x = x_, y = y_, z = z_; }
    HXPOINT operator-(const HXPOINT& p) const { return {x - p.x, y - p.y, z - p.z}; }
    HXPOINT operator+(const HXPOINT& p) const { return {x + p.x, y + p.y, z + p.z}; }
    HXPOINT operator/(float s) const { return {x / s, y / s, z / s}; }
    bool operator==(const HXPOINT& p) const { return x == p.x && y == p.y && z == p.z; }
    float Length() const;
};

// A colour filled by the host, components 0..1.
struct HXCOLOR {
    float r, g, b;
};

// Kinds of map file that HXDoc::FindMappingFile looks up.
enum { HXMAP_TEXTURE = 1, HXMAP_ALPHA = 2, HXMAP_BUMP = 3 };

class HXScene {
  public:
    HXScene(HXSceneHandle handle = nullptr) : handle_(handle) {}
    HXSceneHandle Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Row-major, row vectors, translation in elements 12..14.
    void GetProjMatrix(float out[16]) const;
    void GetViewMatrix(float out[16]) const;

  private:
    HXSceneHandle handle_;
};

class HXObj {
  public:
    HXObj(HXObjHandle handle = nullptr) : handle_(handle) {}
    HXObjHandle Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void Delete() const;
    HXObj Clone() const;
    void Freeze(int flags) const;
    void GetName(char* buffer, int size) const;
    int GetVertexCount() const;
    HXPOINT GetVertex(int index) const;
    int GetFaceCount() const;
    int GetFacePointCount(int face) const;
    void GetFacePointArray(int face, int* out) const;
    void GetFaceCoordinateArray(int face, float* out) const;
    int GetFaceMaterial(int face) const;
    int GetVisible() const;
    int GetPatchType() const;
    float GetSmoothAngle() const;
    int GetMirrorType() const;
    int GetLatheType() const;
    int GetShading() const;

  private:
    HXObjHandle handle_;
};

class HXMat {
  public:
    HXMat(HXMatHandle handle = nullptr) : handle_(handle) {}
    HXMatHandle Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    HXCOLOR GetColor() const;
    void GetName(char* buffer, int size) const;
    void GetTextureName(char* buffer, int size) const;
    void GetAlphaName(char* buffer, int size) const;
    void GetBumpName(char* buffer, int size) const;
    float GetAlpha() const;
    float GetEmission() const;
    float GetSpecular() const;
    float GetPower() const;
    int GetUniqueID() const;

  private:
    HXMatHandle handle_;
};

class HXDoc {
  public:
    HXDoc(HXDocHandle handle = nullptr) : handle_(handle) {}
    HXDocHandle Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    int GetObjectCount() const;
    HXObj GetObject(int index) const;
    int GetMaterialCount() const;
    HXMat GetMaterial(int index) const;
    // `out` holds 1024 characters; it is empty afterwards when the file was not found.
    void FindMappingFile(char* out, const char* name, int kind) const;
    HXScene GetScene(int index) const;

  private:
    HXDocHandle handle_;
};

// The host's folder for plug-in data (kind 5) into `buffer` (1024 characters), or an empty text when
// the host function is not bound. Always 1.
int GetHostSystemPath(char* buffer, int size);
