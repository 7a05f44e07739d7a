// The plug-in's one window: a modeless dialog owned by the host's window with the property pane on the
// left, the render view beside it and the message window below. It owns the settings document and
// keeps the user-interface settings in the registry.
#pragma once

#include <string>
#include <vector>

#include "app/dl_render.h"
#include "base/cpuinfo.h"
#include "base/linefmt.h"
#include "host/hxwrap.h"
#include "scene/celsdoc.h"
#include "ui/editdlgmess.h"
#include "ui/umouse.h"
#include "ui/utabtbl.h"
#include "ui/uwin.h"

class DLP_RENDPYRELL;
class UREGKEY;

// SHIFT held at this moment skips the settings load (and the document's settings save).
bool IsShiftHeld();

class DLMAIN : public UWIN {
  public:
    enum { PATHSIZE = 1024 };

    DLMAIN();
    ~DLMAIN() override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Reads the registry (unless SHIFT is held) and creates the dialog; nothing without both handles.
    void Create(HINSTANCE hInstance, HWND hostWindow);
    void GetModuleFolder(char* out);
    // A file of the host's Object folder, or beside the host without a system path; 0 (out emptied)
    // when the path does not fit in size bytes.
    int MakeObjectPath(char* out, size_t size, const char* name) const;
    void Print(const char* format, ...) HX_PRINTF_FORMAT(2, 3);

    // The model of the settings document for a host document.
    int GetHxoModel(HXDoc doc);
    int ImportModel();
    int SyncMaterials(HXDoc doc, RENDPYL_MODEL* model);
    // Follows the host document after its undo or redo: the current settings stay, host materials
    // without a record get default ones, records of materials the host dropped are kept.
    int FollowHostModel(HXDoc doc);
    void DeleteModel();
    int ClearModel();
    RENDPYL_MODEL* GetScene() const;
    CELSDOC* GetDoc() const { return m_doc; }
    HXDoc GetHostDoc() const { return m_hostDoc; }

    void UpdateAll();
    void UpdateAndInvalidate();
    void InvalidateView();
    void ResizeView();
    void GetViewSize(int* width, int* height) const;
    int HelpBox();
    // File choices for the pages and the menu; 1 when confirmed, and path (1024 bytes) holds the choice.
    int LoadFileDialog(HWND owner, char* path);
    int SaveImageDialog(HWND owner, char* path);

    // The render job: W is the work path resolved to the full name Windows gives it (the renderer runs
    // in a folder of its own), with at most one trailing backslash removed, and the work files lie in
    // and under it. Each path maker gives 1, or 0 (out emptied) when the path does not fit in size bytes.
    int GetTmpPath(char* out, size_t size) const;
    static int MakeScenePath(char* out, size_t size, const char* work);
    static int MakeScenePathDir(char* out, size_t size, const char* work);
    static int MakeOutPath(char* out, size_t size, const char* work);
    static int MakeBackPath(char* out, size_t size, const char* work);
    // 1 when the renderer ran and its picture is shown; every failure prints why and gives 0.
    int Render();
    // 1 when the process was started and has ended, with its exit code; an empty folder is none.
    static int RunProcess(const char* commandLine, const char* workDir, DWORD* exitCode);
    // The picture at W's result path, or at path, into the render view; 1, or 0 with the image kept.
    int LoadResult();
    int LoadResult(const char* path);
    int ExportScene(const char* path, HXDoc doc, RENDPYL_MODEL* model);
    int SavePYL();
    void SaveImage();
    // Where the render job asks for the processor's features, so a test can play another processor.
    typedef int (*CPUINFOFUNC)(CPUINFO* info);
    void SetCpuInfoFunc(CPUINFOFUNC func) { m_cpuInfo = func; }

    // The initialisation hook: nothing to prepare.
    int OnInit() { return 1; }
    // Pane forwarders: the pane's no-op and its re-read of the host view.
    void PaneNop();
    void UpdateCamera();

    static DWORD GetTicks() { return GetTickCount(); }
    // Whole seconds since start; the tick count may have wrapped meanwhile.
    static DWORD GetElapsedSeconds(DWORD start) { return (GetTicks() - start) / 1000; }

    // Registry values and window placement.
    void LoadSettings();
    void SaveSettings();
    void SaveWindowPos();
    void RestoreWindowRect();

    // Window layout: rectangles of the view, the property pane and the message window.
    void Layout(URECT* view, URECT* pane, URECT* mess);
    void DoLayout();
    void Relayout();
    void ApplyShowFlags();

    // What the render view and the pages read and set.
    const char* GetDialogClassName() const { return m_className; }
    int IsImageLoaded() const { return m_imageLoaded; }
    void SetImageLoaded(int flag) { m_imageLoaded = flag; }
    DL_RENDER& GetRenderView() { return m_view; }
    EDITDLGMESS& GetMessageWindow() { return m_mess; }
    UTABTBLLIST& GetTabList() { return m_tabs; }
    DLP_RENDPYRELL* GetPropertyPane() const { return m_pane; }
    URECT GetWindowRectSetting() const { return m_winRect; }
    URECT GetSavedWindowRect() const { return m_savedRect; }
    HWND GetHostWindow() const { return m_hostWnd; }

    float GetViewScale() const { return render_view_scale; }
    void SetViewScale(float scale);
    int GetViewFit() const { return render_view_fit; }
    void SetViewFit(int flag) { render_view_fit = flag; }
    int GetShowMess() const { return showmess_flg; }
    int GetShowProp() const { return showprop_flg; }
    int GetStartImage() const { return startimage_flg; }
    void SetStartImage(int flag) { startimage_flg = flag; }
    int GetPreview() const { return preview_flg; }
    void SetPreview(int flag) { preview_flg = flag; }
    char* GetPyrellPath() { return m_pyrellPath; }
    char* GetTmpPath() { return m_tmpPath; }
    char* GetRenderImageFilename() { return renderimage_filename; }

  private:
    int OnInitDialog(HWND dialog);
    int OnCommand(WPARAM wParam);
    // Hooks that do nothing: keys, the initialisation, and two steps of the dialog's initialisation.
    void OnKeyDown(WPARAM) {}
    void OnKeyUp(WPARAM) {}
    void OnInitDialogPre(HWND) {}
    void OnInitDialogPost(HWND) {}
    void SetIcon();
    // Registry texts: one stored but too long to read is noted, reported and not overwritten at exit
    // while the field still holds what it held then.
    void LoadText(const UREGKEY& key, const char* name, char* field, size_t size);
    void SaveText(const UREGKEY& key, const char* name, const char* field) const;
    void ReportUnreadSettings();
    int CreatePropertyPane(HWND dialog);
    int CreateRenderView(HWND dialog);
    void ToggleShowFlag(int* flag);

    URECT m_winRect;
    URECT m_savedRect;
    UMOUSE m_mouse;
    // Set once a position was read from the window, so a failed read never overwrites the stored one.
    bool m_savedRectRead = false;
    char m_className[PATHSIZE] = "";
    char m_curDir[PATHSIZE] = "";
    char m_moduleFolder[PATHSIZE] = "";
    char m_hostSysPath[PATHSIZE] = "";
    char m_pyrellPath[PATHSIZE] = "C:\\pyrell\\pyrell.exe";
    char m_tmpPath[PATHSIZE] = "C:\\pyrell\\tmp";
    const char* m_regKey = "Software\\orlek31\\pyldlqHX";
    EDITDLGMESS m_mess;
    HWND m_hostWnd = 0;
    CELSDOC* m_doc = nullptr;
    HXDoc m_hostDoc;
    URECT m_viewClient;
    int m_imageLoaded = 0;
    int startimage_flg = 1;
    char renderimage_filename[PATHSIZE] = "tmp.bmp";
    float render_view_scale = 1.0f;
    int render_view_fit = 0;
    int preview_flg = 1;
    HMENU m_menu = 0;
    int showmess_flg = 1;
    int showprop_flg = 1;
    UTABTBLLIST m_tabs;
    DL_RENDER m_view;
    // The property pane, owned; null until the dialog initialises.
    DLP_RENDPYRELL* m_pane = nullptr;
    CPUINFOFUNC m_cpuInfo = GetCpuInfo;
    struct UNREAD {
        std::string name;
        std::string held;
    };
    std::vector<UNREAD> m_unread;
};
