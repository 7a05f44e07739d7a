// Render settings that the host document does not hold itself: output image, lens, lights and the
// renderer's own material parameters. Edited by the property pages, stored in the host document's XML.
#pragma once

#include "base/fvec.h"
#include "base/ptrlist.h"
#include "base/rgbcolor.h"
#include "host/hxwrap.h"

// Size of every text field of the records, terminator included.
enum { RENDPYL_TEXTSIZE = 1024 };

// A settings field held as a value and the default it was built with; only values that differ from
// their default are written to the document.
template <class T> class PARAMVAL {
  public:
    T value;

    PARAMVAL(const T& v) : value(v), def(v) {}
    const T& GetDefault() const { return def; }
    bool IsDefault() const { return value == def; }

  private:
    T def;
};

// Neither less nor greater: a NaN value counts as default.
template <> inline bool PARAMVAL<float>::IsDefault() const {
    return !(value < def) && !(value > def);
}

// The accessors of a pair field: the setter writes its value, the getter returns the pair.
#define RENDPYL_PAIR_ACCESSORS(T, Name, field)                                                               \
    void Set##Name(const T& v) {                                                                             \
        field.value = v;                                                                                     \
    }                                                                                                        \
    const PARAMVAL<T>& Get##Name() const {                                                                   \
        return field;                                                                                        \
    }

class RENDPYL_MODEL;
class RENDPYL_MTL;

class RENDPYL_RENDER {
  public:
    RENDPYL_MODEL* owner = nullptr;
    int width = 300;
    int height = 300;
    RGBCOLOR backcol = RGBCOLOR(128, 128, 128, 255);
    char back_filename[RENDPYL_TEXTSIZE] = {};
    PARAMVAL<int> use_back_flg = 1;
    PARAMVAL<float> anisotropy = 0.0f;
    PARAMVAL<FVEC3> homogeneousextinction = FVEC3(0, 0, 0);
    PARAMVAL<FVEC3> homogeneousalbedo = FVEC3(0, 0, 0);
    PARAMVAL<FVEC3> extinction = FVEC3(0, 0, 0);
    PARAMVAL<FVEC3> albedo = FVEC3(0, 0, 0);
    PARAMVAL<FVEC3> origin = FVEC3(0, 0, 0);
    PARAMVAL<FVEC3> size = FVEC3(0, 0, 0);

    void SetBackFilename(const char* text);
    const char* GetBackFilename() const { return back_filename; }
    RENDPYL_PAIR_ACCESSORS(int, UseBackFlg, use_back_flg)
    RENDPYL_PAIR_ACCESSORS(float, Anisotropy, anisotropy)
    RENDPYL_PAIR_ACCESSORS(FVEC3, HomogeneousExtinction, homogeneousextinction)
    RENDPYL_PAIR_ACCESSORS(FVEC3, HomogeneousAlbedo, homogeneousalbedo)
    RENDPYL_PAIR_ACCESSORS(FVEC3, Extinction, extinction)
    RENDPYL_PAIR_ACCESSORS(FVEC3, Albedo, albedo)
    RENDPYL_PAIR_ACCESSORS(FVEC3, Origin, origin)
    RENDPYL_PAIR_ACCESSORS(FVEC3, Size, size)
};

class RENDPYL_CAMERA {
  public:
    RENDPYL_MODEL* owner = nullptr;
    // The view: taken from the host on request, never stored in the document.
    FVEC3 pos = FVEC3(0, 0, 1500);
    FVEC3 lookat = FVEC3(0, 0, 0);
    FVEC3 up = FVEC3(0, 1, 0);
    float fov = 60.0f; // degrees
    FVEC2 shift = FVEC2(0, 0);
    // The lens.
    char bokeh_filename[RENDPYL_TEXTSIZE] = {};
    PARAMVAL<float> film_size = 0.024f;
    PARAMVAL<int> use_focalratio = 0;
    PARAMVAL<float> focalratio = 1.0f;
    PARAMVAL<FVEC3> bokeh = FVEC3(1, 1, 1);
    PARAMVAL<float> distortion = 1.0f;
    PARAMVAL<FVEC2> lenstilt = FVEC2(0, 0);
    PARAMVAL<FVEC2> filmtilt = FVEC2(0, 0);
    PARAMVAL<FVEC2> oblique = FVEC2(0, 0);

    void SetBokehFilename(const char* text);
    const char* GetBokehFilename() const { return bokeh_filename; }
    void SetPos(const FVEC3& v) { pos = v; }
    const FVEC3& GetPos() const { return pos; }
    void SetLookat(const FVEC3& v) { lookat = v; }
    const FVEC3& GetLookat() const { return lookat; }
    void SetUp(const FVEC3& v) { up = v; }
    const FVEC3& GetUp() const { return up; }
    void SetFov(float degrees) { fov = degrees; }
    float GetFov() const { return fov; }
    void SetShift(const FVEC2& v) { shift = v; }
    const FVEC2& GetShift() const { return shift; }
    RENDPYL_PAIR_ACCESSORS(float, FilmSize, film_size)
    RENDPYL_PAIR_ACCESSORS(int, UseFocalRatio, use_focalratio)
    RENDPYL_PAIR_ACCESSORS(float, FocalRatio, focalratio)
    RENDPYL_PAIR_ACCESSORS(FVEC3, Bokeh, bokeh)
    RENDPYL_PAIR_ACCESSORS(float, Distortion, distortion)
    RENDPYL_PAIR_ACCESSORS(FVEC2, LensTilt, lenstilt)
    RENDPYL_PAIR_ACCESSORS(FVEC2, FilmTilt, filmtilt)
    RENDPYL_PAIR_ACCESSORS(FVEC2, Oblique, oblique)

    // Refreshes the view fields from the host's current view; unchanged without a document or scene.
    void SetFromHostView();
    void SetFromViewProj(const float view[16], const float proj[16]);
};

class RENDPYL_LIGHTSKY {
  public:
    RENDPYL_MODEL* owner = nullptr;
    PARAMVAL<FVEC3> col = FVEC3(1, 1, 1);
    PARAMVAL<float> scale = 1.0f;
    char filename[RENDPYL_TEXTSIZE] = {}; // sky texture

    void SetFilename(const char* text);
    const char* GetFilename() const { return filename; }
    RENDPYL_PAIR_ACCESSORS(FVEC3, Col, col)
    RENDPYL_PAIR_ACCESSORS(float, Scale, scale)
    void SetDefault();
};

class RENDPYL_LIGHTDIR {
  public:
    RENDPYL_MODEL* owner = nullptr;
    PARAMVAL<FVEC3> col = FVEC3(1, 1, 1);
    PARAMVAL<float> scale = 1.0f;
    char name[RENDPYL_TEXTSIZE] = {};
    char filename[RENDPYL_TEXTSIZE] = {};        // light texture
    int reverse = 0;                             // kept with the light, not used by the conversion
    int camtrace = 1;                            // 1: the light follows the camera
    FVEC3 dir = FVEC3(-0.12f, -0.14f, 0.98f);    // world direction
    FVEC3 srcdir = FVEC3(-0.12f, -0.14f, 0.98f); // direction relative to the camera

    void SetName(const char* text);
    const char* GetName() const { return name; }
    void SetFilename(const char* text);
    const char* GetFilename() const { return filename; }
    void SetDir(const FVEC3& v) { dir = v; }
    const FVEC3& GetDir() const { return dir; }
    void SetSrcDir(const FVEC3& v) { srcdir = v; }
    const FVEC3& GetSrcDir() const { return srcdir; }
    void SetCamTrace(int on) { camtrace = on; }
    int GetCamTrace() const { return camtrace; }
    RENDPYL_PAIR_ACCESSORS(FVEC3, Col, col)
    RENDPYL_PAIR_ACCESSORS(float, Scale, scale)
    void SetDefault();
};

class RENDPYL_LIGHTPOINT {
  public:
    RENDPYL_MODEL* owner = nullptr;
    FVEC3 pos = FVEC3(0, 0, 0);
    PARAMVAL<FVEC3> col = FVEC3(1, 1, 1);
    PARAMVAL<float> scale = 1.0f;
    char name[RENDPYL_TEXTSIZE] = {};
    char filename[RENDPYL_TEXTSIZE] = {}; // light texture

    void SetName(const char* text);
    const char* GetName() const { return name; }
    void SetFilename(const char* text);
    const char* GetFilename() const { return filename; }
    void SetPos(const FVEC3& v) { pos = v; }
    const FVEC3& GetPos() const { return pos; }
    RENDPYL_PAIR_ACCESSORS(FVEC3, Col, col)
    RENDPYL_PAIR_ACCESSORS(float, Scale, scale)
    void SetDefault();
};

// Map types of a material record.
enum {
    RENDPYL_MAP_DIFFUSE = 0,
    RENDPYL_MAP_REFLECTION = 1,
    RENDPYL_MAP_SPECULAR = 2,
    RENDPYL_MAP_EMISSION = 5,
    RENDPYL_MAP_NORMAL = 9,
    RENDPYL_MAP_TRANSPARENCY = 10,
};

class RENDPYL_MTLMAP {
  public:
    RENDPYL_MTL* owner = nullptr;
    int type = RENDPYL_MAP_DIFFUSE;
    char filename[RENDPYL_TEXTSIZE] = {};
    int use = 1;
    RGBCOLOR col = RGBCOLOR(255, 255, 255, 255);
    float scale = 1.0f;
    // Normal map only: 0 = the host's bump texture is a normal map, else a height map to convert.
    int bmp_type = 0;

    void SetType(int t) { type = t; }
    int GetType() const { return type; }
    void SetFilename(const char* text);
    const char* GetFilename() const { return filename; }
    // Resets and tests only the fields that matter for the map's type.
    void SetDefault();
    bool IsDefault() const;
};

class RENDPYL_MTL {
  public:
    PTRLIST<RENDPYL_MTLMAP> maps;
    RENDPYL_MODEL* owner = nullptr;
    int ID = 0; // unique identifier of the host material
    PARAMVAL<FVEC2> ior = FVEC2(1, 1);
    PARAMVAL<FVEC3> reflection_ior = FVEC3(0, 0, 0);
    PARAMVAL<FVEC3> specularre_flectance = FVEC3(0.5f, 0.5f, 0.5f);
    PARAMVAL<FVEC3> axis = FVEC3(0, 1, 0);
    int jump[2] = {0, 0};

    // Six maps: diffuse, specular, emission, reflection, transparency, normal.
    RENDPYL_MTL();

    RENDPYL_PAIR_ACCESSORS(FVEC2, Ior, ior)
    RENDPYL_PAIR_ACCESSORS(FVEC3, ReflectionIor, reflection_ior)
    RENDPYL_PAIR_ACCESSORS(FVEC3, SpecularReflectance, specularre_flectance)
    RENDPYL_PAIR_ACCESSORS(FVEC3, Axis, axis)

    int GetMapNum() const { return maps.GetCount(); }
    RENDPYL_MTLMAP* GetMap(int i) const { return maps.Get(i); }
    RENDPYL_MTLMAP* FindMap(int type) const;
    RENDPYL_MTLMAP* AddMap(int type);
    RENDPYL_MTLMAP* AddMap();

    // The host material with this record's ID, or null when it is gone.
    HXMat GetHostMtl() const;
    // The host material's name (at most 255 characters) into a buffer of 256; empty when it is gone.
    void GetName(char* buffer) const;
};

#undef RENDPYL_PAIR_ACCESSORS

class RENDPYL_MODEL {
  public:
    PTRLIST<RENDPYL_LIGHTDIR> dirlights;
    PTRLIST<RENDPYL_LIGHTPOINT> pointlights;
    PTRLIST<RENDPYL_MTL> mtls;
    RENDPYL_RENDER render;
    RENDPYL_CAMERA camera;
    RENDPYL_LIGHTSKY lightsky;
    HXDoc doc; // not owned

    RENDPYL_MODEL();
    ~RENDPYL_MODEL();
    RENDPYL_MODEL(const RENDPYL_MODEL&) = delete;
    RENDPYL_MODEL& operator=(const RENDPYL_MODEL&) = delete;

    void SetDoc(HXDoc d) { doc = d; }
    HXDoc GetDoc() const { return doc; }
    RENDPYL_RENDER* GetRender() { return &render; }
    RENDPYL_CAMERA* GetCamera() { return &camera; }
    RENDPYL_LIGHTSKY* GetLightSky() { return &lightsky; }

    int GetDirLightNum() const { return dirlights.GetCount(); }
    RENDPYL_LIGHTDIR* GetDirLight(int i) const { return dirlights.Get(i); }
    RENDPYL_LIGHTDIR* AddDirLight();
    int GetDirLightIndex(const RENDPYL_LIGHTDIR* light) const { return dirlights.IndexOf(light); }
    RENDPYL_LIGHTDIR* FindDirLight(const char* name) const;
    void DeleteDirLight(RENDPYL_LIGHTDIR* light);
    void DeleteAllDirLights() { dirlights.DeleteAll(); }

    int GetPointLightNum() const { return pointlights.GetCount(); }
    RENDPYL_LIGHTPOINT* GetPointLight(int i) const { return pointlights.Get(i); }
    RENDPYL_LIGHTPOINT* AddPointLight();
    int GetPointLightIndex(const RENDPYL_LIGHTPOINT* light) const { return pointlights.IndexOf(light); }
    RENDPYL_LIGHTPOINT* FindPointLight(const char* name) const;
    void DeletePointLight(RENDPYL_LIGHTPOINT* light);
    void DeleteAllPointLights() { pointlights.DeleteAll(); }

    int GetMtlNum() const { return mtls.GetCount(); }
    RENDPYL_MTL* GetMtl(int i) const { return mtls.Get(i); }
    RENDPYL_MTL* AddMtl();
    int GetMtlIndex(const RENDPYL_MTL* mtl) const { return mtls.IndexOf(mtl); }
    RENDPYL_MTL* FindMtlByName(const char* name) const;
    RENDPYL_MTL* FindMtlByHost(HXMat hostMaterial) const;
    RENDPYL_MTL* FindMtlById(int id) const;
    // Gives every host material without a record a default one, so the material lists of the
    // renderer scene line up with the host's; records of materials the host dropped stay.
    // Returns the number of records added.
    int SyncHostMtls();
};

// The first material of the document with this unique identifier, or null.
HXMat FindHostMtlById(HXDoc doc, int id);
