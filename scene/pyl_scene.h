// The renderer scene: plain records built for one export and read by the PYL writer.
#pragma once

#include <windows.h> // GetObject is a Win32 macro: every user must see the same name

#include <vector>

#include "base/fvec.h"
#include "base/ptrlist.h"
#include "base/rgbcolor.h"
#include "scene/recordpool.h"

// Text fields are fixed arrays; setters never write past them (a longer text is cut at a
// whole Shift-JIS character). Names come from 256-character and paths from 1024-character
// buffers, so they always fit.
constexpr int PYL_PATH_LEN = 1024;
constexpr int PYL_OBJNAME_LEN = 256;

// The space and volume block.
struct PYL_SPACE {
    int width = 256;
    int height = 256;
    RGBCOLOR back_col = RGBCOLOR(FVEC3(1.0f, 1.0f, 1.0f));
    int use_back = 1;
    float anisotropy = 0.0f;
    FVEC3 homogeneous_extinction = FVEC3(0, 0, 0);
    FVEC3 homogeneous_albedo = FVEC3(0, 0, 0);
    FVEC3 extinction = FVEC3(0, 0, 0);
    FVEC3 albedo = FVEC3(0, 0, 0);
    FVEC3 origin = FVEC3(0, 0, 0);
    FVEC3 size = FVEC3(0, 0, 0);
    FVEC3 sky_light = FVEC3(1, 1, 1);

    void SetBackFilename(const char* name);
    const char* GetBackFilename() const { return back_filename; }
    void SetSkyLightMap(const char* name);
    const char* GetSkyLightMap() const { return sky_light_map; }
    void SetExtinctionMap(const char* name);
    const char* GetExtinctionMap() const { return extinction_map; }
    void SetAlbedoMap(const char* name);
    const char* GetAlbedoMap() const { return albedo_map; }

  private:
    char back_filename[PYL_PATH_LEN] = "";
    char extinction_map[PYL_PATH_LEN] = "";
    char albedo_map[PYL_PATH_LEN] = "";
    char sky_light_map[PYL_PATH_LEN] = "";
};

// A camera. The lens fields are always written by the conversion before use; they start
// at the settings' own defaults so a scene built by hand is still sensible.
struct PYL_EYE {
    int use_focalratio = 0;
    float focalratio = 1.0f;
    FVEC3 bokeh = FVEC3(1, 1, 1);
    float distortion = 1.0f;
    FVEC2 lenstilt = FVEC2(0, 0);
    FVEC2 filmtilt = FVEC2(0, 0);
    FVEC2 oblique = FVEC2(0, 0);
    float film_size = 0.024f;
    float focal_length = 0.0f;

    void SetPosition(const FVEC3& v) { position = v; }
    const FVEC3& GetPosition() const { return position; }
    void SetFocus(const FVEC3& v) { focus = v; }
    const FVEC3& GetFocus() const { return focus; }
    void SetUpside(const FVEC3& v) { upside = v; }
    const FVEC3& GetUpside() const { return upside; }
    void SetFov(float degrees) { fov = degrees; }
    float GetFov() const { return fov; }
    void SetShift(const FVEC2& v) { shift = v; }
    const FVEC2& GetShift() const { return shift; }
    void SetBokehFile(const char* name);
    const char* GetBokehFile() const { return bokeh_file; }

    // focal length = film size / tan(fov / 2) / 2, in single precision.
    void CalcFocalLength();

  private:
    FVEC3 position = FVEC3(0, 0, 1500);
    FVEC3 focus = FVEC3(0, 0, 0);
    FVEC3 upside = FVEC3(0, 1, 0);
    float fov = 60.0f;
    FVEC2 shift = FVEC2(0, 0);
    char bokeh_file[PYL_PATH_LEN] = "";
};

struct PYL_LIGHT {
    enum { PARALLEL = 0, POINT = 1 };

    FVEC3 position = FVEC3(0, 0, 0);
    FVEC3 direction = FVEC3(0, 1, 0);
    FVEC3 col = FVEC3(1, 1, 1); // emission of a parallel light, intensity of a point light

    void SetType(int t) { type = t; }
    int GetType() const { return type; }
    void SetTexture(const char* name);
    const char* GetTexture() const { return texture; }
    const FVEC3& GetXAxis() const { return x_axis; }
    const FVEC3& GetYAxis() const { return y_axis; }
    const FVEC3& GetZAxis() const { return z_axis; }

  private:
    int type = PARALLEL;
    char texture[PYL_PATH_LEN] = "";
    FVEC3 x_axis = FVEC3(1, 0, 0);
    FVEC3 y_axis = FVEC3(0, 1, 0);
    FVEC3 z_axis = FVEC3(0, 0, 1);
};

// A material channel; the type numbers are those of the settings' material maps.
struct PYL_MTLCH {
    enum { DIFFUSE = 0, REFLECTION = 1, SPECULAR = 2, EMISSION = 5, NORMAL = 9, TRANSPARENCY = 10 };

    void SetType(int t) { type = t; }
    int GetType() const { return type; }
    void SetTexture(const char* name);
    const char* GetTexture() const { return texture; }
    void SetColor(const FVEC3& c) { col = c; }
    const FVEC3& GetColor() const { return col; }

  private:
    int type = DIFFUSE;
    char texture[PYL_PATH_LEN] = "";
    FVEC3 col = FVEC3(1, 1, 1);
};

class PYL_MTL {
  public:
    // Settings copied from the material record; carried but not written.
    FVEC3 exponent = FVEC3(0, 0, 0); // set only together with a specular channel
    FVEC2 ior = FVEC2(1, 1);
    FVEC3 reflection_ior = FVEC3(0, 0, 0);
    FVEC3 specular_reflectance = FVEC3(0.5f, 0.5f, 0.5f);
    FVEC3 axis = FVEC3(0, 1, 0);
    int jump[2] = {0, 0};

    virtual ~PYL_MTL() = default;

    void SetName(const char* text);
    const char* GetName() const { return name; }
    int GetChannelCount() const { return channels.GetCount(); }
    PYL_MTLCH* GetChannel(int i) const { return channels.Get(i); }
    PYL_MTLCH* AddChannel() { return channels.Add(); }
    PYL_MTLCH* FindChannel(int type) const;

  private:
    char name[PYL_PATH_LEN] = "";
    PTRLIST<PYL_MTLCH> channels;
};

// Faces come by the million and are freed together with their object.
struct PYL_FACE final : POOLED<PYL_FACE> {
    void SetMaterial(int m) { material = m; }
    int GetMaterial() const { return material; }
    void SetCount(int n) { count = n; }
    int GetCount() const { return count; }
    void SetVertex(int corner, int index) { vertex[corner] = index; }
    int GetVertex(int corner) const { return vertex[corner]; }
    void SetUV(int corner, const FVEC2& v) { uv[corner] = v; }
    const FVEC2& GetUV(int corner) const { return uv[corner]; }

  private:
    int material = -1;
    int count = 0;
    int vertex[4] = {0, 0, 0, 0};
    FVEC2 uv[4] = {FVEC2(0, 0), FVEC2(0, 0), FVEC2(0, 0), FVEC2(0, 0)};
};

class PYL_OBJ {
  public:
    void SetName(const char* text);
    const char* GetName() const { return name; }
    void SetFacet(float radians) { facet = radians; }
    float GetFacet() const { return facet; }
    int GetVertexCount() const { return (int)vertices.size(); }
    // Room for n vertices in all; 0 when memory runs out. Adding within that room cannot fail.
    int ReserveVertices(int n);
    void AddVertex(const FVEC3& v) { vertices.push_back(v); }
    const FVEC3& GetVertex(int i) const { return vertices[i]; }
    void SetVertex(int i, const FVEC3& v) { vertices[i] = v; }
    int GetFaceCount() const { return faces.GetCount(); }
    PYL_FACE* GetFace(int i) const { return faces.Get(i); }
    PYL_FACE* AddFace() { return faces.Add(); }

  private:
    char name[PYL_OBJNAME_LEN] = "";
    float facet = 60.0f;
    std::vector<FVEC3> vertices;
    PTRLIST<PYL_FACE> faces;
};

class PYL_SCENE {
  public:
    ~PYL_SCENE();

    PYL_SPACE* GetSpace() { return &space; }
    const PYL_SPACE* GetSpace() const { return &space; }

    int GetEyeCount() const { return eyes.GetCount(); }
    PYL_EYE* GetEye(int i) const { return eyes.Get(i); }
    PYL_EYE* AddEye() { return eyes.Add(); }
    int GetLightCount() const { return lights.GetCount(); }
    PYL_LIGHT* GetLight(int i) const { return lights.Get(i); }
    PYL_LIGHT* AddLight() { return lights.Add(); }
    int GetMaterialCount() const { return materials.GetCount(); }
    PYL_MTL* GetMaterial(int i) const { return materials.Get(i); }
    PYL_MTL* AddMaterial() { return materials.Add(); }
    int GetObjectCount() const { return objects.GetCount(); }
    PYL_OBJ* GetObject(int i) const { return objects.Get(i); }
    PYL_OBJ* AddObject() { return objects.Add(); }

    PYL_LIGHT* FindLightByType(int type) const;

  private:
    PYL_SPACE space;
    PTRLIST<PYL_EYE> eyes;
    PTRLIST<PYL_LIGHT> lights;
    PTRLIST<PYL_MTL> materials;
    PTRLIST<PYL_OBJ> objects;
};
