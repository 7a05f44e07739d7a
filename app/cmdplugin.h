// The module's plug-in object: what the host talks to. It owns the main window and the undo history
// and ties the host document's life to the render settings.
#pragma once

#include "base/undo.h"
#include "host/hxplugin.h"

class DLMAIN;
class CELSDOC;

class CMDPLUGIN : public HXCommandPlugin {
  public:
    CMDPLUGIN() = default;
    ~CMDPLUGIN() override;

    void GetPlugInID(DWORD* product, DWORD* id) override;
    const char* GetPlugInName() override;
    const char* EnumString() override;
    BOOL Initialize() override;
    void Exit() override;
    BOOL Activate(HXDocHandle doc, BOOL flag) override;
    BOOL IsActivated(HXDocHandle doc) override;
    void OnNewDocument(HXDocHandle doc, const char* filename, HXDocParam* param) override;
    void OnEndDocument(HXDocHandle doc) override;
    void OnSaveDocument(HXDocHandle doc, const char* filename, HXDocParam* param) override;
    BOOL OnUndo(HXDocHandle doc, int state) override;
    BOOL OnRedo(HXDocHandle doc, int state) override;
    void OnUpdateUndo(HXDocHandle doc, int state, int size) override;
    void OnUpdateMaterialList(HXDocHandle doc) override;

    void UpdateAll();
    void DeleteMainWindow();
    void ResetUndo() { m_undo.Clear(); }
    void PushUndo(int key, int window, CELSDOC* target);
    // The history then keeps every snapshot, however many and however large.
    void DisableUndoLimits();

    DLMAIN* GetMainWindow() const { return m_main; }
    UNDOBUFF2& GetUndo() { return m_undo; }
    HXDocHandle GetCurrentDoc() const { return m_doc; }
    int IsInitialized() const { return m_initialized; }
    int IsDocumentOpen() const { return m_docOpen; }

  private:
    // The settings document when the main window and its model exist, else null.
    CELSDOC* GetModelDoc() const;
    // Undo and redo: follow the host document, apply the snapshot kept under the state.
    void RestoreState(HXDocHandle doc, int state, const char* failTrace);

    HINSTANCE m_module = 0;
    HXDocHandle m_doc = nullptr;
    int m_initialized = 0;
    int m_docOpen = 0;
    // Set when the host closed the document, cleared when one opens; kept for the record only.
    int m_docEnded = 0;
    int m_active = 0;
    DLMAIN* m_main = nullptr;
    UNDOBUFF2 m_undo;
};
