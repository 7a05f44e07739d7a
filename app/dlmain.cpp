#include "app/dlmain.h"

#include <commctrl.h>
#include <cstdarg>
#include <cstdio>

#include "app/dlp_rendpyrell.h"
#include "base/filepath.h"
#include "host/hxhostfn.h"
#include "res/resource.h"
#include "ui/filedlg.h"

bool IsShiftHeld() {
    return GetKeyState(VK_SHIFT) < 0;
}

DLMAIN::DLMAIN() {
    m_winRect = URECT{0, 0, 640, 480};
    m_savedRect = m_winRect;
    m_doc = new CELSDOC;
    m_doc->Init(this, &m_mess);
}

DLMAIN::~DLMAIN() {
    delete m_pane;
    m_pane = nullptr;
    delete m_doc;
    m_doc = nullptr;
}

void DLMAIN::Create(HINSTANCE hInstance, HWND hostWindow) {
    if (!hInstance || !hostWindow) return;
    m_hinst = hInstance;
    m_hostWnd = hostWindow;
    if (!IsShiftHeld()) LoadSettings();
    GetCurrentDirectoryA(sizeof m_curDir, m_curDir);
    m_moduleFolder[0] = 0;
    m_hostSysPath[0] = 0;
    GetModuleFolder(m_moduleFolder);
    GetHostSystemPath(m_hostSysPath, sizeof m_hostSysPath);
    CreateModeless(hInstance, IDD_MAIN, hostWindow);
}

void DLMAIN::GetModuleFolder(char* out) {
    char path[PATHSIZE] = "";
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    // A path the buffer cut is no path.
    if (n == 0 || n >= sizeof path) {
        out[0] = 0;
        return;
    }
    if (!GetDirPart(out, PATHSIZE, path)) out[0] = 0;
}

int DLMAIN::MakeObjectPath(char* out, size_t size, const char* name) const {
    int n = m_hostSysPath[0] ? std::snprintf(out, size, "%s\\Object\\%s", m_hostSysPath, name)
                             : std::snprintf(out, size, "%s\\%s", m_moduleFolder, name);
    if (n >= 0 && static_cast<size_t>(n) < size) return 1;
    if (size) out[0] = 0;
    return 0;
}

void DLMAIN::Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    m_mess.VPrintfLn(format, args);
    va_end(args);
}

int DLMAIN::GetHxoModel(HXDoc doc) {
    m_hostDoc = doc;
    if (!doc) return 1;
    if (!ImportModel()) {
        Print("GetHxoModel失敗");
        return 0;
    }
    return 1;
}

int DLMAIN::ImportModel() {
    DeleteModel();
    RENDPYL_MODEL* model = m_doc->NewScene();
    m_doc->SetScene(model);
    if (!SyncMaterials(m_hostDoc, model)) {
        Print("ImportModel失敗");
        m_doc->DeleteScene();
        return 0;
    }
    return 1;
}

int DLMAIN::SyncMaterials(HXDoc doc, RENDPYL_MODEL* model) {
    if (!doc || !model) return 0;
    model->SetDoc(doc);
    model->SyncHostMtls();
    return 1;
}

int DLMAIN::FollowHostModel(HXDoc doc) {
    RENDPYL_MODEL* model = GetScene();
    if (!model || !doc) return GetHxoModel(doc);
    m_hostDoc = doc;
    return SyncMaterials(doc, model);
}

void DLMAIN::DeleteModel() {
    m_doc->DeleteScene();
}

int DLMAIN::ClearModel() {
    DeleteModel();
    m_hostDoc = HXDoc();
    return 1;
}

RENDPYL_MODEL* DLMAIN::GetScene() const {
    return m_doc ? m_doc->GetScene() : nullptr;
}

void DLMAIN::UpdateAll() {
    if (m_pane && m_pane->IsCreated()) m_pane->UpdateAll();
}

void DLMAIN::UpdateAndInvalidate() {
    UpdateAll();
    InvalidateView();
}

void DLMAIN::PaneNop() {
    if (m_pane) m_pane->Nop();
}

void DLMAIN::UpdateCamera() {
    if (m_pane && m_pane->IsCreated()) m_pane->UpdateCamera();
}

void DLMAIN::InvalidateView() {
    if (m_view.GetHwnd()) InvalidateRect(m_view.GetHwnd(), nullptr, TRUE);
}

void DLMAIN::ResizeView() {
    m_view.Draw();
}

void DLMAIN::GetViewSize(int* width, int* height) const {
    *width = m_viewClient.width;
    *height = m_viewClient.height;
}

int DLMAIN::HelpBox() {
    MessageBoxA(m_hwnd, "pyldlgHX", "ヘルプ", MB_OK);
    return 1;
}

int DLMAIN::LoadFileDialog(HWND owner, char* path) {
    FILEEXTFILTER filter;
    filter.AddType("全てのファイル", "*");
    filter.Build();
    // The dialog starts on the filter of the path's own extension.
    return OpenFileDialog(owner, path, "Load", filter.GetFilter(), filter.FindExtOfPath(path) + 1,
                          filter.GetExtList());
}

int DLMAIN::SaveImageDialog(HWND owner, char* path) {
    FILEEXTFILTER filter;
    filter.AddType("Bmp", "bmp");
    filter.Build();
    return SaveFileDialog(owner, path, "Save", filter.GetFilter(), filter.FindExtOfPath(path) + 1,
                          filter.GetExtList());
}

void DLMAIN::SetIcon() {
    // On this window only: the dialog class is shared by every dialog of the host process.
    HICON big = LoadIconA(m_hinst, MAKEINTRESOURCEA(IDI_MAIN));
    if (!big) {
        Print("Icon失敗");
        return;
    }
    HICON small = static_cast<HICON>(LoadImageA(m_hinst, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                LR_SHARED));
    SendMessageA(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small ? small : big));
}

int DLMAIN::CreatePropertyPane(HWND dialog) {
    URECT view, pane, mess;
    Layout(&view, &pane, &mess);
    if (!m_pane) m_pane = new DLP_RENDPYRELL;
    return m_pane->Create(this, dialog, pane);
}

int DLMAIN::CreateRenderView(HWND dialog) {
    URECT view, pane, mess;
    Layout(&view, &pane, &mess);
    return m_view.Create(this, dialog, view);
}

int DLMAIN::OnInitDialog(HWND dialog) {
    m_menu = GetMenu(dialog);
    InitCommonControls();
    m_mess.Create(dialog, nullptr);
    Print("pyldlgHX開始--------------------------------");
    ReportUnreadSettings();
    RestoreWindowRect();
    if (!GetClassNameA(dialog, m_className, sizeof m_className)) return 0;
    SetIcon();
    OnInitDialogPre(dialog);
    OnInitDialogPost(dialog);
    if (!CreatePropertyPane(dialog) || !CreateRenderView(dialog)) return 0;
    DoLayout();
    ApplyShowFlags();
    Relayout();
    if (!LoadResult()) Print("イメージ読み込み失敗");
    UpdateAll();
    return 1;
}

void DLMAIN::ToggleShowFlag(int* flag) {
    *flag = (*flag + 1) % 2;
    ApplyShowFlags();
    Relayout();
}

int DLMAIN::OnCommand(WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case ID_HELP_HELP:
        HelpBox();
        break;
    case ID_WINDOW_MESSAGE:
        ToggleShowFlag(&showmess_flg);
        break;
    case ID_WINDOW_PROPERTY:
        ToggleShowFlag(&showprop_flg);
        break;
    case ID_FILE_SAVEPYL:
        SavePYL();
        break;
    case ID_FILE_SAVEIMAGE:
        if (SaveImageDialog(m_hwnd, renderimage_filename)) SaveImage();
        break;
    default:
        break;
    }
    return 0;
}

LRESULT DLMAIN::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_mouse.ClearWheel();
    switch (msg) {
    case WM_MOVE: {
        RECT r;
        if (GetWindowRect(hwnd, &r)) m_winRect = URECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
        return 0;
    }
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            DoLayout();
            if (m_pane && m_pane->IsCreated()) m_pane->Resize();
            ResizeView();
        }
        return 0;
    case WM_NOTIFY:
        m_tabs.OnNotify(hwnd, msg, wParam, lParam);
        return 0;
    case WM_CLOSE:
        // Closing only minimises: the window lives until the plug-in exits.
        ShowWindow(hwnd, SW_SHOWMINIMIZED);
        return 1;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_KEYUP:
        OnKeyUp(wParam);
        return 0;
    case WM_INITDIALOG:
        OnInitDialog(hwnd);
        return 1;
    case WM_COMMAND:
        return OnCommand(wParam);
    default:
        return 0;
    }
}
