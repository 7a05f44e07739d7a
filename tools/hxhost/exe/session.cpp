#include "tools/hxhost/exe/session.h"

#include <cstdio>

#include "tools/hxhost/eventoptions.h"
#include "tools/hxhost/exe/capture.h"
#include "tools/hxhost/exe/output.h"
#include "tools/hxhost/hxhostlib.h"

namespace {
constexpr DWORD kHostVersion = 0x2490;
constexpr int kUndoSize = 32; // how many undo states the host keeps
constexpr UINT kRunNextCommand = WM_APP + 1;
constexpr int kRenderButton = 1426; // the common page's render button
const char kWindowClass[] = "HXHostMainWindow";

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%lX", static_cast<unsigned long>(value));
    return text;
}

std::string Quoted(const char* text) {
    return text ? "\"" + std::string(text) + "\"" : "null";
}

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND candidate, LPARAM data) {
    auto* search = reinterpret_cast<OwnedSearch*>(data);
    if (GetWindow(candidate, GW_OWNER) != search->owner) return TRUE;
    search->found = candidate;
    return FALSE;
}

// Other pages use the render button's id for fields, so only a button counts.
BOOL CALLBACK FindControl(HWND child, LPARAM found) {
    char className[16] = "";
    GetClassNameA(child, className, sizeof className);
    if (GetDlgCtrlID(child) != kRenderButton || lstrcmpiA(className, "Button") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}
} // namespace

int HostSession::Start() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    std::string title = "hxhost - " + options_.document;
    window_ = CreateWindowExA(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                              nullptr, windowClass.hInstance, this);
    if (!window_) {
        Complain("cannot create the main window (error " + std::to_string(GetLastError()) + ")");
        return kFailed;
    }
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    hxhost::SetMainWindow(window_);
    if (!StartPlugIn()) return kFailed;

    int flag = 1;
    SendEvent(1, nullptr, "initialise");
    SendEvent(100, &flag, "activate, flag 1");
    hxhost::EventOptions open;
    open.Pointer("xml_elem", hxhost::SettingsElement()).Pointer("filename", options_.document.c_str());
    SendEvent(200, open.List(), "document open, " + options_.document);
    // Opening resets the host's undo buffer, which it reports like every change of it.
    SendUndoState();
    PostMessageA(window_, kRunNextCommand, 0, 0);
    return -1;
}

bool HostSession::StartPlugIn() {
    std::string error;
    if (!plugin_.Load(options_.plugin, &error)) {
        Complain(error);
        return false;
    }
    DWORD answer = plugin_.CheckVersion(kHostVersion);
    Say("HXCheckVersion(" + Hex(kHostVersion) + ") = " + Hex(answer));
    if (answer == 0) {
        Complain("the plug-in refuses this host version");
        return false;
    }
    char hostPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, hostPath, MAX_PATH);
    BOOL bound = plugin_.Init(hostPath);
    Say("HXInit(" + Quoted(hostPath) + ") = " + std::to_string(bound));
    if (!bound) {
        Complain("the plug-in could not bind the host functions");
        return false;
    }
    DWORD product = 0, id = 0;
    plugin_.GetPlugInID(&product, &id);
    Say("HXGetPlugInID = product " + Hex(product) + ", id " + Hex(id));
    Say("HXGetPlugInName = " + Quoted(plugin_.GetPlugInName()));
    Say("HXGetPlugInType = " + std::to_string(plugin_.GetPlugInType()));
    Say("HXEnumString(0) = " + Quoted(plugin_.EnumString(0)));
    return true;
}

int HostSession::SendEvent(int event, void* options, const std::string& what) {
    int result = plugin_.OnEvent(hxhost::DocumentHandle(), event, options);
    ReportMessages();
    Say("event " + std::to_string(event) + " (" + what + ") = " + std::to_string(result));
    return result;
}

void HostSession::ReportMessages() {
    messages_.Report(PlugInWindow(), [](const std::string& line) { Say("message: " + line); });
}

int HostSession::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return exitCode_;
}

LRESULT CALLBACK HostSession::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* session = reinterpret_cast<HostSession*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case kRunNextCommand:
        if (session) session->RunNextCommand();
        return 0;
    case WM_CLOSE:
        if (session) session->Finish(session->exitCode_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// One command per message, so that the plug-in's windows get their messages in between.
void HostSession::RunNextCommand() {
    if (finished_ || nextCommand_ >= options_.commands.size()) return;
    const HostCommand& command = options_.commands[nextCommand_++];
    int result = RunCommand(command);
    ReportMessages();
    if (result != kOk) {
        Finish(result);
        return;
    }
    PostMessageA(window_, kRunNextCommand, 0, 0);
}

int HostSession::RunCommand(const HostCommand& command) {
    if (command.name == "render") return Render();
    if (command.name == "save") return Save();
    if (command.name == "undo") return Undo(-1);
    if (command.name == "redo") return Undo(+1);
    if (command.name == "screenshot") return Screenshot(command.argument);
    Finish(kOk); // exit
    return kOk;
}

int HostSession::Render() {
    HWND button = nullptr;
    if (HWND main = PlugInWindow()) EnumChildWindows(main, FindControl, reinterpret_cast<LPARAM>(&button));
    if (!button) {
        Say("render: not available yet (the plug-in shows no render button)");
        return kNotAvailable;
    }
    // What a click does: the button's parent page receives BN_CLICKED; the render runs inside the call.
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(kRenderButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    Say("render: done");
    return kOk;
}

int HostSession::Save() {
    HXXmlHandle element = hxhost::BeginSave();
    int saved = 0;
    hxhost::EventOptions options;
    options.Pointer("xml_elem", element)
        .Pointer("filename", options_.document.c_str())
        .WriteBack("save_uid", &saved);
    SendEvent(202, options.List(), "document save, " + options_.document);
    if (!saved) {
        Say("save: not available yet (the plug-in stored no settings)");
        return kNotAvailable;
    }
    std::string error;
    if (!hxhost::CommitSave(&error)) {
        Say("save: " + error);
        return kFailed;
    }
    Say("save: settings written to " + options_.document);
    return kOk;
}

// The stand-in has no editing of its own: an undo with nothing to undo stands for an edit followed by its
// undo, so the host first records a new undo state, as it does after every edit.
int HostSession::Undo(int step) {
    if (step < 0 && undoState_ == 0) {
        undoState_ = undoTop_ = 1;
        SendUndoState();
    }
    const char* name = step < 0 ? "undo" : "redo";
    if (step > 0 && undoState_ == undoTop_) {
        Say("redo: nothing to redo");
        return kOk;
    }
    undoState_ += step;
    hxhost::EventOptions options;
    options.Int("state", undoState_);
    SendEvent(step < 0 ? 210 : 211, options.List(),
              std::string(name) + ", state " + std::to_string(undoState_));
    return kOk;
}

void HostSession::SendUndoState() {
    hxhost::EventOptions options;
    options.Int("state", undoState_).Int("size", kUndoSize);
    SendEvent(212, options.List(),
              "undo state, state " + std::to_string(undoState_) + ", size " + std::to_string(kUndoSize));
}

int HostSession::Screenshot(const std::string& path) {
    HWND main = PlugInWindow();
    if (!main) {
        Say("screenshot: not available yet (the plug-in shows no window)");
        return kNotAvailable;
    }
    ShowWindow(main, SW_SHOWNORMAL);
    SetForegroundWindow(main);
    std::string error;
    if (!CaptureWindow(main, path, &error)) {
        Say("screenshot: " + error);
        return kFailed;
    }
    Say("screenshot: " + path);
    return kOk;
}

// The plug-in's main window is the top-level window that the host's window owns.
HWND HostSession::PlugInWindow() const {
    OwnedSearch search{window_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The host closes the document and tells the plug-in to exit before its own window goes.
void HostSession::Finish(int exitCode) {
    if (finished_) return;
    finished_ = true;
    exitCode_ = exitCode;
    SendEvent(201, nullptr, "document close");
    SendEvent(2, nullptr, "exit");
    DestroyWindow(window_);
}
