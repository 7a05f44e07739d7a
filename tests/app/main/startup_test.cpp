#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/resource.h"

namespace {

DWORD FloatBits(float f) {
    DWORD bits;
    std::memcpy(&bits, &f, 4);
    return bits;
}

RECT WindowRect(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

// The rectangle of a child in its parent's client coordinates, as x, y, width, height.
URECT ChildRect(HWND child) {
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return URECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void ExpectRect(const URECT& got, int x, int y, int w, int h) {
    EXPECT_EQ(got.x, x);
    EXPECT_EQ(got.y, y);
    EXPECT_EQ(got.width, w);
    EXPECT_EQ(got.height, h);
}

} // namespace

TEST(MainWindowStartup, FirstRunDefaultsAndExitWritesAllValues) {
    DeleteSettingsKey();
    {
        PluginSession session;
        DLMAIN* main = Main();
        ASSERT_TRUE(main);
        HWND hwnd = main->GetHwnd();
        ASSERT_TRUE(IsWindow(hwnd));
        EXPECT_FALSE(IsWindowVisible(hwnd));
        EXPECT_EQ(GetWindow(hwnd, GW_OWNER), Plugin()->GetMainWindow()->GetHostWindow());
        EXPECT_EQ(WindowRect(hwnd).right, 640);
        char text[4096] = "";
        GetWindowTextA(main->GetMessageWindow().GetHwnd(), text, sizeof text);
        EXPECT_STREQ(text, "pyldlgHX開始--------------------------------\r\nイメージ読み込み失敗\r\n");
        // The icon is the window's own; the dialog class that every host dialog shares keeps none.
        EXPECT_TRUE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
        EXPECT_TRUE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
        EXPECT_FALSE(GetClassLongPtrA(hwnd, GCLP_HICON));
        // A second initialise changes nothing.
        EXPECT_TRUE(SendEvent(1));
        EXPECT_EQ(Main(), main);
    }
    EXPECT_FALSE(Main());
    DWORD type = 0;
    EXPECT_EQ(StoredInt("window_left"), 0u);
    EXPECT_EQ(StoredInt("render_view_scale", &type), 0x3F800000u);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(StoredText("renderimage_filename"), "tmp.bmp");
    // Exit without initialise does nothing.
    SendEvent(2);
    EXPECT_FALSE(Main());
}

TEST(MainWindowStartup, SecondStartRestoresAndShiftSkipsTheRead) {
    DeleteSettingsKey();
    SetSettingInt("window_left", 30);
    SetSettingInt("window_right", 700);
    SetSettingInt("window_bottom", 500);
    SetSettingInt("render_view_scale", FloatBits(2.5f));
    SetSetting("pylcomm_pyrell", REG_SZ, "D:\\r\\pyrell.exe", 17);
    {
        PluginSession session;
        DLMAIN* main = Main();
        RECT r = WindowRect(main->GetHwnd());
        EXPECT_EQ(r.left, 30);
        EXPECT_EQ(main->GetViewScale(), 2.5f);
        EXPECT_STREQ(main->GetPyrellPath(), "D:\\r\\pyrell.exe");
        EXPECT_STREQ(main->GetTmpPath(), "C:\\pyrell\\tmp");
    }
    EXPECT_EQ(StoredInt("window_bottom"), 500u); // unchanged from run to run
    EXPECT_EQ(StoredInt("render_view_scale"), FloatBits(2.5f));
    {
        ShiftHeld shift;
        PluginSession session;
        DLMAIN* main = Main();
        RECT r = WindowRect(main->GetHwnd());
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(main->GetViewScale(), 1.0f);
        EXPECT_STREQ(main->GetPyrellPath(), "C:\\pyrell\\pyrell.exe");
    }
    // The registry is still written at exit.
    EXPECT_EQ(StoredInt("window_left"), 0u);
    EXPECT_EQ(StoredInt("render_view_scale"), 0x3F800000u);
}

TEST(MainWindowStartup, StoredValuesAreValidated) {
    struct Case {
        DWORD bits;
        float expected;
    } cases[] = {
        {0x7FC00000u, 1.0f},       // NaN keeps the default
        {0x7F800000u, 1.0f},       // infinity too
        {FloatBits(50.0f), 10.0f}, // finite values are held in range
        {FloatBits(0.0f), 0.1f},   {FloatBits(-3.0f), 0.1f},
    };
    for (const Case& c : cases) {
        DeleteSettingsKey();
        SetSettingInt("render_view_scale", c.bits);
        // A text stored without its terminating zero, longer than the field.
        std::string longText(1500, 'a');
        SetSetting("pylcomm_tmppath", REG_BINARY, longText.data(), DWORD(longText.size()));
        std::string exact(1023, 'b');
        SetSetting("pylcomm_pyrell", REG_BINARY, exact.data(), DWORD(exact.size()));
        PluginSession session;
        EXPECT_EQ(Main()->GetViewScale(), c.expected) << std::hex << c.bits;
        EXPECT_LT(std::strlen(Main()->GetTmpPath()), 1024u);
        EXPECT_LT(std::strlen(Main()->GetPyrellPath()), 1024u);
    }
}

TEST(MainWindowStartup, StoredRectangleKeptWhenNoPositionCanBeRead) {
    DeleteSettingsKey();
    SetSettingInt("window_left", 30);
    SetSettingInt("window_right", 700);
    {
        PluginSession session;
        // The window is gone before the plug-in exits: there is no position to store.
        DestroyWindow(Main()->GetHwnd());
    }
    EXPECT_EQ(StoredInt("window_left"), 30u);
    EXPECT_EQ(StoredInt("window_right"), 700u);
}

TEST(MainWindowLayout, FourShowFlagCombinationsAndTheMenuToggles) {
    DeleteSettingsKey();
    PluginSession session;
    DLMAIN* main = Main();
    HWND hwnd = main->GetHwnd();
    HWND view = main->GetRenderView().GetHwnd();
    HWND mess = main->GetMessageWindow().GetHwnd();
    ASSERT_TRUE(view && mess);
    auto inner = [&](int* W, int* H) {
        RECT r = WindowRect(hwnd);
        *W = (r.right - r.left) - (GetSystemMetrics(SM_CXFRAME) + 2 * GetSystemMetrics(SM_CXBORDER)) - 2;
        *H = (r.bottom - r.top) - (GetSystemMetrics(SM_CYFRAME) + 2 * GetSystemMetrics(SM_CYBORDER) +
                                   GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
    };
    int W, H;
    inner(&W, &H);
    ExpectRect(ChildRect(view), 264, 0, W - 264, H - 120);
    ExpectRect(ChildRect(mess), 264, H - 104, W - 264, 96);
    HWND pane = main->GetPropertyPane()->GetTabTable().GetHwnd();
    ExpectRect(ChildRect(pane), 0, 0, 256, H - 8);
    int w0, h0;
    main->GetViewSize(&w0, &h0);
    RECT client;
    GetClientRect(view, &client);
    EXPECT_EQ(w0, client.right);
    EXPECT_EQ(h0, client.bottom);

    RECT before = WindowRect(hwnd);
    SendMessageA(hwnd, WM_COMMAND, ID_WINDOW_MESSAGE, 0);
    EXPECT_EQ(main->GetShowMess(), 0);
    EXPECT_EQ(WindowRect(hwnd).bottom, before.bottom + 1);
    EXPECT_FALSE(IsWindowVisible(mess) || (GetWindowLongA(mess, GWL_STYLE) & WS_VISIBLE));
    inner(&W, &H);
    ExpectRect(ChildRect(view), 264, 0, W - 264, H - 8);

    SendMessageA(hwnd, WM_COMMAND, ID_WINDOW_PROPERTY, 0);
    EXPECT_EQ(main->GetShowProp(), 0);
    inner(&W, &H);
    ExpectRect(ChildRect(view), 0, 0, W, H);

    SendMessageA(hwnd, WM_COMMAND, ID_WINDOW_MESSAGE, 0);
    inner(&W, &H);
    ExpectRect(ChildRect(view), 0, 0, W, H - 120);
    ExpectRect(ChildRect(mess), 0, H - 104, W, 96);
    EXPECT_TRUE(GetWindowLongA(mess, GWL_STYLE) & WS_VISIBLE);

    SendMessageA(hwnd, WM_COMMAND, ID_WINDOW_PROPERTY, 0);
    EXPECT_EQ(main->GetShowProp(), 1);
    EXPECT_EQ(WindowRect(hwnd).bottom, before.bottom + 4);
    inner(&W, &H);
    ExpectRect(ChildRect(view), 264, 0, W - 264, H - 120);

    // The about item does nothing; the unfinished file items say so in the message window.
    SendMessageA(hwnd, WM_COMMAND, ID_HELP_ABOUT, 0);
    EXPECT_EQ(main->GetShowProp(), 1);
    EXPECT_TRUE(IsWindow(hwnd));
}

TEST(MainWindowLayout, CloseBoxMinimisesAndKeepsTheWindow) {
    DeleteSettingsKey();
    PluginSession session;
    HWND hwnd = Main()->GetHwnd();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_EQ(Main()->GetHwnd(), hwnd);
}

TEST(MainWindowLayout, HelpItemShowsTheHelpBox) {
    PluginSession session;
    std::string helpText;
    ModalAction close("ヘルプ", [&](HWND box) {
        helpText = TextOf(GetDlgItem(box, 0xFFFF));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(Main()->GetHwnd(), WM_COMMAND, ID_HELP_HELP, 0);
    EXPECT_EQ(helpText, "pyldlgHX");
}

TEST(MainWindowLayout, FileChoicesForTheImageAndThePages) {
    DeleteSettingsKey();
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string base = std::string(folder) + "result";
    {
        PluginSession session;
        // The menu's save choice keeps the name, with the bitmap extension, for the next start.
        {
            ModalAction choose("Save", ChooseFile(base));
            SendMessageA(Main()->GetHwnd(), WM_COMMAND, ID_FILE_SAVEIMAGE, 0);
        }
        EXPECT_STREQ(Main()->GetRenderImageFilename(), (base + ".bmp").c_str());

        // The open dialog wants a file that exists.
        CloseHandle(
            CreateFileA((base + ".any").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        char path[1024] = "";
        ModalAction choose("Load", ChooseFile(base + ".any"));
        EXPECT_EQ(Main()->LoadFileDialog(Main()->GetHwnd(), path), 1);
        EXPECT_STREQ(path, (base + ".any").c_str());
    }
    EXPECT_EQ(StoredText("renderimage_filename"), base + ".bmp");
    DeleteFileA((base + ".any").c_str());
}
