#include "base/trace.h"
#include "host/hxplugin.h"
#include "scene/rendpyl_xml.h"
#include "scene/rendpyl_xmlfields.h"
#include "scene/xmlattr.h"

#include <cstring>

namespace {

// Reads every attribute that is present into its field; absent ones leave the field alone.
struct ATTRREADER {
    HXXmlElement elem;

    template <class T> void Always(const char* name, T& value) { GetAttr(elem, name, value); }
    void AlwaysRGB(const char* name, RGBCOLOR& col) { GetAttrRGB(elem, name, col); }
    template <class T> void Text(const char* name, T& field) { GetAttr(elem, name, field); }
    template <class T> void Pair(const char* name, PARAMVAL<T>& pair) { GetAttr(elem, name, pair.value); }
    template <class T> void Unless(const char* name, T& value, const T&) { GetAttr(elem, name, value); }
    void RGBUnless(const char* name, RGBCOLOR& col, const RGBCOLOR&) { GetAttrRGB(elem, name, col); }
    template <int N> void IntsUnlessZero(const char* name, int (&values)[N]) {
        GetAttr(elem, name, values, N);
    }
};

void ReadMtl(RENDPYL_MODEL* model, HXXmlElement elem) {
    int id = 0;
    if (!GetAttr(elem, "ID", id)) return;
    // Records exist already, one per host material; an element of any other material is skipped.
    RENDPYL_MTL* mtl = model->FindMtlById(id);
    if (!mtl) return;
    ATTRREADER r{elem};
    MtlFields(r, *mtl);
    for (HXXmlElement child = FirstElem(elem); child; child = NextElem(elem, child)) {
        int type = 0;
        if (!IsElemName(child, "mtlmap") || !GetAttr(child, "type", type)) continue;
        if (RENDPYL_MTLMAP* map = mtl->FindMap(type)) {
            ATTRREADER mr{child};
            MtlMapFields(mr, *map);
        }
    }
}

void ReadModel(RENDPYL_MODEL* model, HXXmlElement elem) {
    int ver = 0;
    GetAttr(elem, "ver", ver);
    Trace("model:ver(%d)****************************************", ver);
    if (ver < RENDPYL_XML_VERSION) {
        Trace("対応外の形式です!!");
        return;
    }
    for (HXXmlElement child = FirstElem(elem); child; child = NextElem(elem, child)) {
        ATTRREADER r{child};
        std::string name = child.GetName();
        if (name == "mtl") {
            ReadMtl(model, child);
        } else if (name == "lightsky") {
            LightSkyFields(r, *model->GetLightSky());
        } else if (name == "lightdir") {
            // Every element adds a light, also one with the name of a light already read.
            if (RENDPYL_LIGHTDIR* light = model->AddDirLight()) LightDirFields(r, *light);
        } else if (name == "lightpoint") {
            if (RENDPYL_LIGHTPOINT* light = model->AddPointLight()) LightPointFields(r, *light);
        } else if (name == "renderer") {
            RenderFields(r, *model->GetRender());
        } else if (name == "camera") {
            CameraFields(r, *model->GetCamera());
        }
    }
}

} // namespace

int RENDPYL_XMLLOAD::Load(HXDoc doc, RENDPYL_MODEL* model, HXDocParam* param) {
    m_doc = doc;
    m_model = model;
    if (!doc || !model || !param || !param->elem) return 0;
    HXXmlElement elem(static_cast<HXXmlHandle>(param->elem));
    for (HXXmlElement child = FirstElem(elem); child; child = NextElem(elem, child))
        if (IsElemName(child, "model")) ReadModel(model, child);
    return 1;
}
