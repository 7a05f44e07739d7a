#include "app/cmdplugin.h"

#include "app/dlmain.h"
#include "base/trace.h"
#include "host/hxhostfn.h"
#include "scene/rendpyl_xml.h"

CMDPLUGIN::~CMDPLUGIN() {
    // Unloaded without an exit event: the window goes before its object, so no message reaches it.
    if (m_main && m_main->GetHwnd()) DestroyWindow(m_main->GetHwnd());
    DeleteMainWindow();
}

void CMDPLUGIN::GetPlugInID(DWORD* product, DWORD* id) {
    *product = 0x4F524C4B;
    *id = 0x50594C44;
}

const char* CMDPLUGIN::GetPlugInName() {
    return "pyldlgHX  Pyrell renderer bridge";
}

const char* CMDPLUGIN::EnumString() {
    return "pyldlgHX";
}

BOOL CMDPLUGIN::Initialize() {
    if (m_initialized) return TRUE;
    m_module = hxModule;
    HWND host = hxfn::HX_GetWindowHandle ? hxfn::HX_GetWindowHandle() : 0;
    m_main = new DLMAIN;
    m_main->Create(m_module, host);
    m_initialized = 1;
    return TRUE;
}

void CMDPLUGIN::Exit() {
    if (!m_initialized) return;
    if (m_main) {
        m_main->SaveWindowPos();
        if (m_main->GetHwnd()) DestroyWindow(m_main->GetHwnd());
        DeleteMainWindow();
    }
    m_initialized = 0;
}

BOOL CMDPLUGIN::Activate(HXDocHandle /*doc*/, BOOL flag) {
    m_active = flag;
    Trace("Activate:%d", flag);
    if (flag) UpdateAll();
    if (m_main && m_main->GetHwnd()) ShowWindow(m_main->GetHwnd(), flag ? SW_SHOWNORMAL : SW_HIDE);
    return flag;
}

BOOL CMDPLUGIN::IsActivated(HXDocHandle /*doc*/) {
    return m_active;
}

void CMDPLUGIN::OnNewDocument(HXDocHandle doc, const char* /*filename*/, HXDocParam* param) {
    Trace("OnNewDocument(");
    m_doc = doc;
    if (!m_main) return;
    m_main->GetHxoModel(HXDoc(doc));
    CELSDOC* celsdoc = m_main->GetDoc();
    RENDPYL_MODEL* model = celsdoc->GetScene();
    if (model && !IsShiftHeld()) RENDPYL_XMLLOAD().Load(HXDoc(doc), model, param);
    celsdoc->ResetCur();
    ResetUndo();
    PushUndo(0, 1, celsdoc);
    m_docEnded = 0;
    m_docOpen = 1;
    // The pages still show the previous document's records: they follow the new model now.
    m_main->UpdateAll();
}

void CMDPLUGIN::OnEndDocument(HXDocHandle /*doc*/) {
    Trace("OnEndDocument(");
    m_docOpen = 0;
    m_docEnded = 1;
    if (!m_main) return;
    m_main->ClearModel();
    // No page may keep a record of the model just deleted.
    m_main->UpdateAll();
}

void CMDPLUGIN::OnSaveDocument(HXDocHandle doc, const char* /*filename*/, HXDocParam* param) {
    Trace("OnSaveDocument(");
    if (!m_main || !m_main->GetDoc()) return;
    m_doc = doc;
    RENDPYL_MODEL* model = m_main->GetScene();
    if (!IsShiftHeld() && model) RENDPYL_XMLSAVE().Save(HXDoc(doc), model, param);
}

CELSDOC* CMDPLUGIN::GetModelDoc() const {
    if (!m_main || !m_main->GetDoc() || !m_main->GetScene()) return nullptr;
    return m_main->GetDoc();
}

void CMDPLUGIN::RestoreState(HXDocHandle doc, int state, const char* failTrace) {
    CELSDOC* celsdoc = GetModelDoc();
    if (!celsdoc) return;
    m_doc = doc;
    // The host rebuilt its document; the render settings stay as they are and follow its materials.
    m_main->FollowHostModel(HXDoc(doc));
    if (!m_undo.RestoreByKey(state, celsdoc)) Trace(failTrace, state);
    celsdoc->ResetCur();
    UpdateAll();
}

BOOL CMDPLUGIN::OnUndo(HXDocHandle doc, int state) {
    Trace("OnUndo(%d):(%d)", state, state);
    RestoreState(doc, state, "アンドゥ失敗!!(%d)");
    return FALSE;
}

BOOL CMDPLUGIN::OnRedo(HXDocHandle doc, int state) {
    Trace("OnRedo(%d):(%d)", state, state);
    RestoreState(doc, state, "リドゥ失敗!!(%d)");
    return FALSE;
}

void CMDPLUGIN::OnUpdateUndo(HXDocHandle doc, int state, int size) {
    Trace("OnUpdateUndo(%d):(%d)", state, size);
    CELSDOC* celsdoc = GetModelDoc();
    if (!celsdoc) return;
    m_doc = doc;
    PushUndo(state, size, celsdoc);
}

void CMDPLUGIN::OnUpdateMaterialList(HXDocHandle /*doc*/) {
    // A material the host added gets its record now, so the pages and the scene see it.
    if (!GetModelDoc()) return;
    RENDPYL_MODEL* model = m_main->GetScene();
    if (model->SyncHostMtls()) UpdateAll();
}

void CMDPLUGIN::UpdateAll() {
    if (!m_main || !m_active || !m_initialized || !m_docOpen) return;
    Trace("UpdateAll:(%d,%d,%d)", m_active, m_initialized, m_docOpen);
    m_main->UpdateAll();
}

void CMDPLUGIN::DeleteMainWindow() {
    delete m_main;
    m_main = nullptr;
}

void CMDPLUGIN::PushUndo(int key, int window, CELSDOC* target) {
    UNDOSUB* entry = new UNDOSUB;
    // A snapshot that could not be taken is not kept.
    if (!entry->Store(target)) {
        delete entry;
        return;
    }
    m_undo.PushKeyed(key, window, entry);
}

void CMDPLUGIN::DisableUndoLimits() {
    m_undo.SetLimitByCount(0);
    m_undo.SetLimitByMemory(0);
}

HXStationPlugin* GetCmdPlugin() {
    // Built on first use and destroyed when the module unloads.
    static CMDPLUGIN plugin;
    return &plugin;
}
