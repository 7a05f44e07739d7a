#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <string>
#include "app/dlp_rendpyrell.h"
#include "plugin_fixture.h"
#include "res/pageids.h"

namespace {

HWND CommItem(int id) {
    return GetDlgItem(Main()->GetPropertyPane()->GetCommPage().GetHwnd(), id);
}

// The edit of a text field, or of a number field inside its up-down container.
HWND CommEdit(int id) {
    HWND item = CommItem(id);
    HWND inner = FindWindowExA(item, 0, "Edit", nullptr);
    return inner ? inner : item;
}

std::string TextOf(HWND hwnd) {
    char text[1100] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// Replaces the field's text as typed and presses Enter.
void Enter(int id, const char* text) {
    HWND edit = CommEdit(id);
    SetWindowTextA(edit, text);
    SendMessageA(edit, WM_CHAR, VK_RETURN, 1);
}

void Click(int id) {
    SendMessageA(CommItem(id), BM_CLICK, 0, 0);
    PumpMessages();
}

DWORD StoredInt(const char* name) {
    HKEY key = OpenSettingsKey();
    DWORD value = 0xDEAD, size = sizeof value;
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return value;
}

std::string StoredText(const char* name) {
    HKEY key = OpenSettingsKey();
    char value[1024] = "";
    DWORD size = sizeof value - 1;
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return value;
}

// Acts once on a modal dialog with the given title from a thread timer, while its own loop runs.
struct ModalAction {
    ModalAction(const char* title, std::function<void(HWND)> action) {
        s_title = title;
        s_action = std::move(action);
        s_acted = false;
        m_timer = SetTimer(0, 0, 50, OnTimer);
    }
    ~ModalAction() { KillTimer(0, m_timer); }
    static bool Acted() { return s_acted; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        HWND dlg = FindWindowA("#32770", s_title);
        if (s_acted || !dlg || !IsWindowVisible(dlg)) return;
        s_acted = true;
        s_action(dlg);
    }
    static const char* s_title;
    static std::function<void(HWND)> s_action;
    static bool s_acted;
    UINT_PTR m_timer;
};
const char* ModalAction::s_title;
std::function<void(HWND)> ModalAction::s_action;
bool ModalAction::s_acted;

// Types a name into a file dialog and presses OK.
std::function<void(HWND)> ChooseFile(const std::string& path) {
    return [path](HWND dlg) {
        SetDlgItemTextA(dlg, 1148, path.c_str()); // the file-name box
        PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    };
}

std::function<void(HWND)> Cancel() {
    return [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); };
}

} // namespace

TEST(CommonPage, ShowsTheMainWindowsSettings) {
    PluginSession session;
    EXPECT_EQ("C:\\pyrell\\pyrell.exe", TextOf(CommEdit(IDC_COMM_PYRELL)));
    EXPECT_EQ("C:\\pyrell\\tmp", TextOf(CommEdit(IDC_COMM_TMPPATH)));
    EXPECT_EQ("1.00", TextOf(CommEdit(IDC_COMM_SCALE)));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(CommItem(IDC_COMM_FIT), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(CommItem(IDC_COMM_STARTIMAGE), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(CommItem(IDC_COMM_PREVIEW), BM_GETCHECK, 0, 0));
}

TEST(CommonPage, ZoomIsClampedAndRepaintsTheView) {
    PluginSession session;
    SendActivate(TRUE);
    PumpMessages();
    HWND view = Main()->GetRenderView().GetHwnd();
    ValidateRect(view, nullptr);
    Enter(IDC_COMM_SCALE, "25");
    EXPECT_EQ("10.00", TextOf(CommEdit(IDC_COMM_SCALE)));
    EXPECT_EQ(10.0f, Main()->GetViewScale());
    EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE));
    Enter(IDC_COMM_SCALE, "0.01");
    EXPECT_EQ(0.1f, Main()->GetViewScale());
    Enter(IDC_COMM_SCALE, "abc");
    EXPECT_EQ("0.10", TextOf(CommEdit(IDC_COMM_SCALE)));
    PumpMessages();
    ValidateRect(view, nullptr);
    SendMessageA(CommItem(IDC_COMM_FIT), BM_CLICK, 0, 0);
    EXPECT_EQ(1, Main()->GetViewFit());
    EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE));
    SendActivate(FALSE);
}

TEST(CommonPage, EditsReachTheMainWindowAndTheRegistryAtExit) {
    DeleteSettingsKey();
    {
        PluginSession session;
        Click(IDC_COMM_STARTIMAGE);
        EXPECT_EQ(0, Main()->GetStartImage());
        Click(IDC_COMM_PREVIEW);
        EXPECT_EQ(0, Main()->GetPreview());
        // A committed path stores everything the page shows, the zoom typed but not committed too.
        SetWindowTextA(CommEdit(IDC_COMM_SCALE), "2.5");
        SetWindowTextA(CommEdit(IDC_COMM_TMPPATH), "D:\\work");
        SetWindowTextA(CommEdit(IDC_COMM_PYRELL), "D:\\bin\\pyrell.exe");
        SetFocus(CommEdit(IDC_COMM_PYRELL));
        SetFocus(CommEdit(IDC_COMM_SCALE)); // leaving the field commits it
        EXPECT_STREQ("D:\\bin\\pyrell.exe", Main()->GetPyrellPath());
        EXPECT_STREQ("D:\\work", Main()->GetTmpPath());
        EXPECT_EQ(2.5f, Main()->GetViewScale());
    }
    EXPECT_EQ(0u, StoredInt("startimage_flg"));
    EXPECT_EQ(0u, StoredInt("preview_flg"));
    EXPECT_EQ("D:\\bin\\pyrell.exe", StoredText("pylcomm_pyrell"));
    EXPECT_EQ("D:\\work", StoredText("pylcomm_tmppath"));
    DeleteSettingsKey();
}

TEST(CommonPage, ChoosingTheRendererTakesTheFileUnlessCancelled) {
    PluginSession session;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    {
        ModalAction cancel("Ashmoor.exe(060518)", Cancel());
        Click(IDC_COMM_PYRELL_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STREQ("C:\\pyrell\\pyrell.exe", Main()->GetPyrellPath());
    {
        ModalAction choose("Ashmoor.exe(060518)", ChooseFile(self));
        Click(IDC_COMM_PYRELL_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STRCASEEQ(self, Main()->GetPyrellPath());
    EXPECT_STRCASEEQ(self, TextOf(CommEdit(IDC_COMM_PYRELL)).c_str());
}

TEST(CommonPage, SavingTheImageTakesTheChosenName) {
    PluginSession session;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "hxpane.pics";
    CreateDirectoryA(folder.c_str(), nullptr);
    {
        ModalAction choose("SaveImage", ChooseFile(folder + "\\shot"));
        Click(IDC_COMM_SAVEIMAGE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STRCASEEQ((folder + "\\shot.bmp").c_str(), Main()->GetRenderImageFilename());
    RemoveDirectoryA(folder.c_str());
}

TEST(CommonPage, RenderWithoutADocumentIsSilent) {
    PluginSession session;
    std::string before = TextOf(Main()->GetMessageWindow().GetHwnd());
    Click(IDC_COMM_RENDER);
    EXPECT_EQ(before, TextOf(Main()->GetMessageWindow().GetHwnd()));
}
