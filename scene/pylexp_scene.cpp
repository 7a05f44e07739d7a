#include "scene/exptext.h"
#include "scene/pylexp.h"

// Keys carry their padding: within a block the values start in one column.
int PYLEXP::WriteScene(TABFOUT& out, const char* path, const PYL_SCENE* scene) {
    const PYL_EYE* eye = scene ? scene->GetEye(0) : nullptr;
    if (!path || !eye) return 0;
    char hxoPath[1024];
    if (!MakeHxoPath(hxoPath, sizeof hxoPath, path)) return 0;
    out.ClearIndent();
    EXPTEXT text(out, mess);
    text.Line(0, "pyrell100225");
    text.EndLine();
    text.Line(0, "new Space \"%s\"", "0");
    text.EndLine();
    WriteVolume(text, *scene->GetSpace());
    WriteEye(text, *eye);
    for (int i = 0; i < scene->GetLightCount(); ++i)
        if (const PYL_LIGHT* light = scene->GetLight(i)) WriteLight(text, *light, i);
    text.Line(1, "new Object \"%s\"", "0");
    text.Line(2, "File     \"%s\"", static_cast<const char*>(hxoPath));
    text.Line(2, "X        1 0 0");
    text.Line(2, "Y        0 1 0");
    text.Line(2, "Z        0 0 1");
    text.Line(2, "Position 0 0 0");
    text.EndLine();
    for (int i = 0; i < scene->GetMaterialCount(); ++i)
        if (const PYL_MTL* mtl = scene->GetMaterial(i)) WriteMaterial(text, *mtl);
    return text.Flush();
}

namespace {

// A line of three values, followed by the quoted map when it has one.
void MapLine(EXPTEXT& text, int depth, const char* format, const FVEC3& v, const char* map) {
    text.Tabs(depth);
    text.Format(format, v.x, v.y, v.z);
    text.PutMap(map);
    text.EndLine();
}

void Vec3Line(EXPTEXT& text, int depth, const char* format, const FVEC3& v) {
    text.Line(depth, format, v.x, v.y, v.z);
}

void Vec2Line(EXPTEXT& text, int depth, const char* format, const FVEC2& v) {
    text.Line(depth, format, v.x, v.y);
}

} // namespace

void PYLEXP::WriteVolume(EXPTEXT& text, const PYL_SPACE& space) {
    text.Line(1, "new Volume \"%s\"", "default");
    text.Line(2, "Background            %d", space.use_back);
    text.Line(2, "Anisotropy            %f", space.anisotropy);
    Vec3Line(text, 2, "HomogeneousExtinction %f %f %f", space.homogeneous_extinction);
    Vec3Line(text, 2, "HomogeneousAlbedo     %f %f %f", space.homogeneous_albedo);
    MapLine(text, 2, "Extinction            %f %f %f", space.extinction, space.GetExtinctionMap());
    MapLine(text, 2, "Albedo                %f %f %f", space.albedo, space.GetAlbedoMap());
    Vec3Line(text, 2, "Origin                %f %f %f", space.origin);
    Vec3Line(text, 2, "Size                  %f %f %f", space.size);
    MapLine(text, 2, "SkyLight              %f %f %f", space.sky_light, space.GetSkyLightMap());
    text.Line(2, "ViewToneMin           0 0 0");
    text.Line(2, "ViewToneMax           1 1 1");
    text.Line(2, "ViewTone              0 0 0 0 \"\" 0 0 0 \"\"");
    text.Line(2, "ViewTone              1 0 0 0 \"\" 1 1 1 \"\"");
    text.Line(2, "ContourColor          0 0 0 \"\"");
    text.Line(2, "ContourGroup          0");
    text.Line(2, "Boundary              1 1 1 \"\"");
    text.EndLine();
}

void PYLEXP::WriteEye(EXPTEXT& text, const PYL_EYE& eye) {
    text.Line(2, "new Eye \"%s\"", "0");
    Vec3Line(text, 3, "Position    %f %f %f", eye.GetPosition());
    Vec3Line(text, 3, "Focus       %f %f %f", eye.GetFocus());
    Vec3Line(text, 3, "Upside      %f %f %f", eye.GetUpside());
    Vec2Line(text, 3, "Shift       %f %f", eye.GetShift());
    text.Line(3, "Clip        0");
    text.Line(3, "FilmSize    %f", eye.film_size);
    text.Line(3, "FocalLength %f", eye.focal_length);
    if (eye.use_focalratio) text.Line(3, "FocalRatio  %f", eye.focalratio);
    Vec3Line(text, 3, "Bokeh       %f %f %f", eye.bokeh);
    text.Line(3, "Distortion  %f", eye.distortion);
    Vec2Line(text, 3, "LensTilt    %f %f", eye.lenstilt);
    Vec2Line(text, 3, "FilmTilt    %f %f", eye.filmtilt);
    Vec2Line(text, 3, "Oblique     %f %f", eye.oblique);
    text.EndLine();
}

// Lights are named after their list position, so a skipped slot leaves a gap in the names.
void PYLEXP::WriteLight(EXPTEXT& text, const PYL_LIGHT& light, int index) {
    char name[32];
    FormatInt(name + 5, index);
    std::memcpy(name, "light", 5);
    if (light.GetType() == PYL_LIGHT::PARALLEL) {
        text.Line(2, "new ParallelLight \"%s\"", static_cast<const char*>(name));
        MapLine(text, 3, "Emission          %f %f %f", light.col, light.GetTexture());
        Vec3Line(text, 3, "Direction         %f %f %f", light.direction);
    } else if (light.GetType() == PYL_LIGHT::POINT) {
        text.Line(2, "new PointLight \"%s\"", static_cast<const char*>(name));
        MapLine(text, 3, "Intensity          %f %f %f", light.col, light.GetTexture());
        Vec3Line(text, 3, "Position           %f %f %f", light.position);
        Vec3Line(text, 3, "X                  %f %f %f", light.GetXAxis());
        Vec3Line(text, 3, "Y                  %f %f %f", light.GetYAxis());
        Vec3Line(text, 3, "Z                  %f %f %f", light.GetZAxis());
    } else {
        return;
    }
    text.EndLine();
}

void PYLEXP::WriteMaterial(EXPTEXT& text, const PYL_MTL& mtl) {
    text.Line(1, "new Material \"%s\"", NAMETEXT{mtl.GetName()});
    if (const PYL_MTLCH* ch = mtl.FindChannel(PYL_MTLCH::DIFFUSE))
        MapLine(text, 2, "Diffuse             %f %f %f", ch->GetColor(), ch->GetTexture());
    if (const PYL_MTLCH* ch = mtl.FindChannel(PYL_MTLCH::SPECULAR)) {
        MapLine(text, 2, "Specular            %f %f %f", ch->GetColor(), ch->GetTexture());
        text.Line(2, "Exponent            %f %f", mtl.exponent.x, mtl.exponent.x);
        text.Line(2, "SpecularReflectance %f %f %f", 0.1f, 0.1f, 0.1f);
    }
    if (const PYL_MTLCH* ch = mtl.FindChannel(PYL_MTLCH::EMISSION))
        MapLine(text, 2, "Emission            %f %f %f", ch->GetColor(), ch->GetTexture());
    if (const PYL_MTLCH* ch = mtl.FindChannel(PYL_MTLCH::TRANSPARENCY))
        MapLine(text, 2, "Transparency        %f %f %f", ch->GetColor(), ch->GetTexture());
    if (const PYL_MTLCH* ch = mtl.FindChannel(PYL_MTLCH::REFLECTION))
        MapLine(text, 2, "Reflection        %f %f %f", ch->GetColor(), ch->GetTexture());
    const PYL_MTLCH* normal = mtl.FindChannel(PYL_MTLCH::NORMAL);
    if (normal && *normal->GetTexture()) text.Line(2, "Normal             \"%s\"", normal->GetTexture());
    text.EndLine();
}
