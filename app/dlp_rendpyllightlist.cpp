#include "app/dlp_rendpyllightlist.h"
#include "app/dlmain.h"
#include "app/dlp_lightfields.h"
#include "app/dlp_lists.h"
#include "app/dlp_rendpyllight.h"
#include "res/page_lightids.h"
#include "res/pageids.h"
#include "scene/celsdoc.h"

template <> struct DLP_LIGHTKIND<RENDPYL_LIGHTDIR> {
    using L = RENDPYL_LIGHTDIR;
    enum {
        kTemplate = IDD_PAGE_LIGHTDIR,
        kList = IDC_LIGHTDIR_LIST,
        kNew = IDC_LIGHTDIR_NEW,
        kDelete = IDC_LIGHTDIR_DELETE,
        kCopy = IDC_LIGHTDIR_COPY,
        kName = IDC_LIGHTDIR_NAME,
        kCol = IDC_LIGHTDIR_COL,
        kScale = IDC_LIGHTDIR_SCALE,
        kImage = IDC_LIGHTDIR_IMAGE,
        kBrowse = IDC_LIGHTDIR_BROWSE,
        kX = IDC_LIGHTDIR_X,
        kY = IDC_LIGHTDIR_Y,
        kZ = IDC_LIGHTDIR_Z,
    };
    static constexpr float kStep = 0.01f;
    static FVEC3 Cleared() { return FVEC3(0, 0, 1); }
    static L* Cur(const CELSDOC& doc) { return doc.GetCurDirLight(); }
    static void SetCur(CELSDOC& doc, L* light) { doc.SetCurDirLight(light); }
    static L* New(CELSDOC& doc) { return doc.NewDirLight(); }
    static L* Delete(CELSDOC& doc, L* light) { return doc.DeleteDirLight(light); }
    static int IndexOf(const RENDPYL_MODEL& model, const L* light) { return model.GetDirLightIndex(light); }
    static void Fill(UDLGLIST* list, const RENDPYL_MODEL* model) { SetDirLightList(list, model); }
    static L* Selected(UDLGLIST* list) { return GetDirLightList(list); }
    static void Select(UDLGLIST* list, const L* light) { SelectDirLightList(list, light); }
};

template <> struct DLP_LIGHTKIND<RENDPYL_LIGHTPOINT> {
    using L = RENDPYL_LIGHTPOINT;
    enum {
        kTemplate = IDD_PAGE_LIGHTPOINT,
        kList = IDC_LIGHTPOINT_LIST,
        kNew = IDC_LIGHTPOINT_NEW,
        kDelete = IDC_LIGHTPOINT_DELETE,
        kCopy = IDC_LIGHTPOINT_COPY,
        kName = IDC_LIGHTPOINT_NAME,
        kCol = IDC_LIGHTPOINT_COL,
        kScale = IDC_LIGHTPOINT_SCALE,
        kImage = IDC_LIGHTPOINT_IMAGE,
        kBrowse = IDC_LIGHTPOINT_BROWSE,
        kX = IDC_LIGHTPOINT_X,
        kY = IDC_LIGHTPOINT_Y,
        kZ = IDC_LIGHTPOINT_Z,
    };
    static constexpr float kStep = 1.0f;
    static FVEC3 Cleared() { return FVEC3(0, 0, 0); }
    static L* Cur(const CELSDOC& doc) { return doc.GetCurPointLight(); }
    static void SetCur(CELSDOC& doc, L* light) { doc.SetCurPointLight(light); }
    static L* New(CELSDOC& doc) { return doc.NewPointLight(); }
    static L* Delete(CELSDOC& doc, L* light) { return doc.DeletePointLight(light); }
    static int IndexOf(const RENDPYL_MODEL& model, const L* light) { return model.GetPointLightIndex(light); }
    static void Fill(UDLGLIST* list, const RENDPYL_MODEL* model) { SetPointLightList(list, model); }
    static L* Selected(UDLGLIST* list) { return GetPointLightList(list); }
    static void Select(UDLGLIST* list, const L* light) { SelectPointLightList(list, light); }
};

template <class L> DLP_RENDPYLLIGHTLIST<L>::DLP_RENDPYLLIGHTLIST() : DLP_PAGE(Kind::kTemplate) {}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::OnInitDialog(HWND dialog) {
    m_list.Attach(dialog, Kind::kList);
    AttachText(m_name, dialog, Kind::kName, RENDPYL_TEXTSIZE);
    AttachText(m_image, dialog, Kind::kImage, RENDPYL_TEXTSIZE);
    m_scale.Attach(dialog, Kind::kScale);
    m_scale.SetStep(0.01f);
    m_col.AttachWhite(dialog, Kind::kCol);
    m_vector.Attach(dialog, Kind::kX, Kind::kY, Kind::kZ);
    m_vector.SetStep(Kind::kStep);
}

template <class L> CELSDOC* DLP_RENDPYLLIGHTLIST<L>::GetCelsDoc() const {
    return m_owner ? m_owner->GetDoc() : nullptr;
}

template <class L> L* DLP_RENDPYLLIGHTLIST<L>::GetCurLight() const {
    CELSDOC* doc = GetCelsDoc();
    RENDPYL_MODEL* model = GetModel();
    if (!doc || !model) return nullptr;
    // Only a light of the open model is ever read or written.
    L* light = Kind::Cur(*doc);
    return light && Kind::IndexOf(*model, light) >= 0 ? light : nullptr;
}

template <class L> L* DLP_RENDPYLLIGHTLIST<L>::GetSelLight() {
    RENDPYL_MODEL* model = GetModel();
    if (!model) return nullptr;
    L* light = Kind::Selected(&m_list);
    return light && Kind::IndexOf(*model, light) >= 0 ? light : nullptr;
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::SetList() {
    RENDPYL_MODEL* model = GetModel();
    Kind::Fill(&m_list, model);
    if (model) SetDlgData();
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::SetDlgData() {
    FILLING filling(*this);
    L* light = GetCurLight();
    if (!light) {
        ClearDlgData();
        return;
    }
    m_name.Printf("%s", light->GetName());
    m_image.Printf("%s", light->GetFilename());
    m_scale.SetValue(light->scale.value);
    m_col.SetColor(ShownColor(light->col.value));
    m_vector.SetValue(GetVector(*light));
    ShowMore(*light);
    EnableControls();
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::ClearDlgData() {
    m_name.Printf("%s", "");
    m_scale.SetValue(0.0f);
    m_col.SetColor(RGBCOLOR(255, 255, 255, 255));
    m_vector.SetValue(Kind::Cleared());
    ClearMore();
    EnableControls();
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::GetDlgData() {
    L* light = GetCurLight();
    if (!light) return;
    char text[RENDPYL_TEXTSIZE] = "";
    m_name.GetText(text, sizeof text);
    light->SetName(text);
    text[0] = 0;
    m_image.GetText(text, sizeof text);
    light->SetFilename(text);
    light->scale.value = m_scale.ReadValue();
    light->col.value = StoredColor(m_col.GetColor(), light->col.value);
    StoreVector(*light, m_vector.GetValue());
    m_vector.SetValue(GetVector(*light));
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::EnableControls() {
    BOOL enabled = GetCurLight() != nullptr;
    m_name.Enable(enabled);
    m_scale.Enable(enabled);
    m_col.Enable(enabled);
    m_vector.Enable(enabled);
    EnableMore(enabled);
    EnableWindow(GetDlgItem(m_hwnd, Kind::kDelete), enabled);
    EnableWindow(GetDlgItem(m_hwnd, Kind::kCopy), enabled);
    m_list.Enable(enabled);
}

template <class L>
LRESULT DLP_RENDPYLLIGHTLIST<L>::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && LOWORD(wParam) == Kind::kList) {
        if (HIWORD(wParam) != LBN_SELCHANGE) return 0;
        OnSelect();
        return 1;
    }
    return DLP_PAGE::WndProc(hwnd, msg, wParam, lParam);
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::OnCommand(int id) {
    switch (id) {
    case Kind::kNew:
        NewLight();
        break;
    case Kind::kDelete:
        DeleteLight();
        break;
    case Kind::kName:
        if (m_name.GetChanged()) Rename();
        break;
    case Kind::kCol:
        GetDlgData();
        SetDlgData();
        break;
    case Kind::kScale:
        if (m_scale.GetChanged()) GetDlgData();
        break;
    case Kind::kImage:
        if (m_image.GetChanged()) GetDlgData();
        break;
    case Kind::kBrowse:
        BrowseRecordFile([this] { return GetCurLight(); }, &L::GetFilename, &L::SetFilename, m_image);
        break;
    case Kind::kX:
    case Kind::kY:
    case Kind::kZ:
        if (!m_vector.GetChanged()) break;
        GetDlgData();
        SetDlgData();
        break;
    }
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::OnSelect() {
    CELSDOC* doc = GetCelsDoc();
    L* light = GetSelLight();
    if (doc && light) Kind::SetCur(*doc, light);
    SetDlgData();
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::NewLight() {
    CELSDOC* doc = GetCelsDoc();
    L* light = doc ? Kind::New(*doc) : nullptr;
    if (!light) return;
    Kind::SetCur(*doc, light);
    SetDlgData();
    SetList();
    Kind::Select(&m_list, light);
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::DeleteLight() {
    L* light = GetCurLight();
    if (!light) return;
    L* next = Kind::Delete(*GetCelsDoc(), light);
    SetList();
    Kind::Select(&m_list, next);
}

template <class L> void DLP_RENDPYLLIGHTLIST<L>::Rename() {
    GetDlgData();
    // The new name shows in both light lists, which start again from their first item.
    if (m_container) static_cast<DLP_RENDPYLLIGHT*>(m_container)->ResetLists();
    InvalidateRect(m_hwnd, NULL, FALSE);
}

template class DLP_RENDPYLLIGHTLIST<RENDPYL_LIGHTDIR>;
template class DLP_RENDPYLLIGHTLIST<RENDPYL_LIGHTPOINT>;
