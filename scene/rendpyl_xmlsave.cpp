#include "host/hxplugin.h"
#include "scene/rendpyl_xml.h"
#include "scene/rendpyl_xmlfields.h"
#include "scene/xmlattr.h"

namespace {

// Writes an attribute always, or only where it differs from its default or is not empty.
struct ATTRWRITER {
    HXXmlElement elem;

    template <class T> void Always(const char* name, const T& value) { SetAttr(elem, name, value); }
    void AlwaysRGB(const char* name, const RGBCOLOR& col) { SetAttrRGB(elem, name, col); }
    void Text(const char* name, const char* text) {
        if (text[0]) SetAttr(elem, name, text);
    }
    template <class T> void Pair(const char* name, const PARAMVAL<T>& pair) {
        if (!pair.IsDefault()) SetAttr(elem, name, pair.value);
    }
    template <class T> void Unless(const char* name, const T& value, const T& def) {
        if (value != def) SetAttr(elem, name, value);
    }
    // Colours are compared on all four channels although alpha is not written.
    void RGBUnless(const char* name, const RGBCOLOR& col, const RGBCOLOR& def) {
        if (col != def) SetAttrRGB(elem, name, col);
    }
    template <int N> void IntsUnlessZero(const char* name, const int (&values)[N]) {
        for (int v : values)
            if (v != 0) return SetAttr(elem, name, values, N);
    }
};

template <class R>
void WriteElem(HXXmlElement parent, const char* name, R& record, void (*fields)(ATTRWRITER&, R&)) {
    ATTRWRITER w{AddElem(parent, name)};
    if (w.elem) fields(w, record);
}

void WriteMtl(HXXmlElement parent, RENDPYL_MTL& mtl, HXMat host) {
    ATTRWRITER w{AddElem(parent, "mtl")};
    if (!w.elem) return;
    SetAttr(w.elem, "ID", host.GetUniqueID());
    MtlFields(w, mtl);
    for (int i = 0; i < mtl.GetMapNum(); ++i) {
        RENDPYL_MTLMAP* map = mtl.GetMap(i);
        if (!map || map->IsDefault()) continue;
        ATTRWRITER mw{AddElem(w.elem, "mtlmap")};
        if (!mw.elem) continue;
        SetAttr(mw.elem, "type", map->type);
        MtlMapFields(mw, *map);
    }
}

} // namespace

int RENDPYL_XMLSAVE::Save(HXDoc doc, RENDPYL_MODEL* model, HXDocParam* param) {
    m_doc = doc;
    m_model = model;
    if (!doc || !model || !param || !param->elem) return 0;
    HXXmlElement root = AddElem(HXXmlElement(static_cast<HXXmlHandle>(param->elem)), "model");
    if (!root) return 0;
    SetAttr(root, "ver", static_cast<int>(RENDPYL_XML_VERSION));
    WriteElem(root, "renderer", *model->GetRender(), RenderFields<ATTRWRITER>);
    WriteElem(root, "camera", *model->GetCamera(), CameraFields<ATTRWRITER>);
    WriteElem(root, "lightsky", *model->GetLightSky(), LightSkyFields<ATTRWRITER>);
    for (int i = 0; i < model->GetDirLightNum(); ++i)
        if (RENDPYL_LIGHTDIR* light = model->GetDirLight(i))
            WriteElem(root, "lightdir", *light, LightDirFields<ATTRWRITER>);
    for (int i = 0; i < model->GetPointLightNum(); ++i)
        if (RENDPYL_LIGHTPOINT* light = model->GetPointLight(i))
            WriteElem(root, "lightpoint", *light, LightPointFields<ATTRWRITER>);
    // A record whose host material is gone has no ID to be found by when the document is read again.
    for (int i = 0; i < model->GetMtlNum(); ++i) {
        RENDPYL_MTL* mtl = model->GetMtl(i);
        if (HXMat host = mtl ? mtl->GetHostMtl() : nullptr) WriteMtl(root, *mtl, host);
    }
    param->saved = 1;
    return 1;
}
