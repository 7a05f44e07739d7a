// The attributes of each element of the settings subtree, in document order, for the writer and the
// reader alike. IO is the writer's or the reader's attribute visitor.
#pragma once

#include "scene/rendpyl_model.h"

// Version of the subtree; older ones are not read.
enum { RENDPYL_XML_VERSION = 10000 };

template <class IO> void RenderFields(IO& io, RENDPYL_RENDER& r) {
    io.Always("width", r.width);
    io.Always("height", r.height);
    io.AlwaysRGB("backcol", r.backcol);
    io.Text("back_filename", r.back_filename);
    io.Pair("use_back_flg", r.use_back_flg);
    io.Pair("anisotropy", r.anisotropy);
    io.Pair("homogeneousextinction", r.homogeneousextinction);
    io.Pair("homogeneousalbedo", r.homogeneousalbedo);
    io.Pair("extinction", r.extinction);
    io.Pair("albedo", r.albedo);
    io.Pair("origin", r.origin);
    io.Pair("size", r.size);
}

// The view fields are taken from the host, never stored.
template <class IO> void CameraFields(IO& io, RENDPYL_CAMERA& c) {
    io.Text("bokeh_filename", c.bokeh_filename);
    io.Pair("film_size", c.film_size);
    io.Pair("use_focalratio", c.use_focalratio);
    io.Pair("focalratio", c.focalratio);
    io.Pair("bokeh", c.bokeh);
    io.Pair("distortion", c.distortion);
    io.Pair("lenstilt", c.lenstilt);
    io.Pair("filmtilt", c.filmtilt);
    io.Pair("oblique", c.oblique);
}

template <class IO> void LightSkyFields(IO& io, RENDPYL_LIGHTSKY& s) {
    io.Text("filename", s.filename);
    io.Pair("col", s.col);
    io.Pair("scale", s.scale);
}

template <class IO> void LightDirFields(IO& io, RENDPYL_LIGHTDIR& l) {
    io.Always("name", l.name);
    io.Text("filename", l.filename);
    io.Pair("col", l.col);
    io.Pair("scale", l.scale);
    io.Always("dir", l.dir);
    io.Always("srcdir", l.srcdir);
    io.Always("reverse", l.reverse);
    io.Always("camtrace", l.camtrace);
}

template <class IO> void LightPointFields(IO& io, RENDPYL_LIGHTPOINT& l) {
    io.Always("name", l.name);
    io.Text("filename", l.filename);
    io.Pair("col", l.col);
    io.Pair("scale", l.scale);
    io.Always("pos", l.pos);
}

// After "ID", which the writer takes from the host material and the reader matches records by.
template <class IO> void MtlFields(IO& io, RENDPYL_MTL& m) {
    io.Pair("ior", m.ior);
    io.Pair("reflection_ior", m.reflection_ior);
    io.Pair("specularre_flectance", m.specularre_flectance);
    io.Pair("axis", m.axis);
    io.IntsUnlessZero("jump", m.jump);
}

// After "type": each map type stores only what its default test covers.
template <class IO> void MtlMapFields(IO& io, RENDPYL_MTLMAP& m) {
    const RGBCOLOR white(255, 255, 255, 255), black(0, 0, 0, 255);
    switch (m.type) {
    case RENDPYL_MAP_DIFFUSE:
        io.Unless("scale", m.scale, 1.0f);
        break;
    case RENDPYL_MAP_REFLECTION:
        io.Text("filename", m.filename);
        io.RGBUnless("col", m.col, white);
        io.Unless("scale", m.scale, 1.0f);
        io.Unless("use", m.use, 0);
        break;
    case RENDPYL_MAP_SPECULAR:
        io.Text("filename", m.filename);
        io.RGBUnless("col", m.col, white);
        break;
    case RENDPYL_MAP_EMISSION:
        io.Text("filename", m.filename);
        io.RGBUnless("col", m.col, black);
        break;
    case RENDPYL_MAP_NORMAL:
        io.Unless("bmp_type", m.bmp_type, 0);
        break;
    case RENDPYL_MAP_TRANSPARENCY:
        io.RGBUnless("col", m.col, white);
        break;
    }
}
