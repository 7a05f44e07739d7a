#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/resource.h"
#include "tests/common/mutate.h"

namespace {

DWORD FloatBits(float f) {
    DWORD bits;
    std::memcpy(&bits, &f, 4);
    return bits;
}

// A window's rectangle in its parent's client coordinates (the screen's for a top-level one).
std::string Rect(HWND hwnd, bool child = true) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    if (child) MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
           " " + std::to_string(r.bottom - r.top);
}

} // namespace

TEST(MainWindowStartup, ExitWritesEveryValueTheNextStartReadsAndShiftSkips) {
    DeleteSettingsKey();
    {
        PluginSession session;
        EXPECT_EQ(TextOf(Main()->GetMessageWindow().GetHwnd()),
                  "pyldlgHX開始--------------------------------\r\nイメージ読み込み失敗\r\n");
        // The icon is the window's own; the dialog class that every host dialog shares keeps none.
        EXPECT_TRUE(SendMessageA(Main()->GetHwnd(), WM_GETICON, ICON_SMALL, 0));
        EXPECT_FALSE(GetClassLongPtrA(Main()->GetHwnd(), GCLP_HICON));
        HWND hwnd = Main()->GetHwnd();
        EXPECT_TRUE(SendEvent(1)); // a second initialise keeps the window
        EXPECT_EQ(Main()->GetHwnd(), hwnd);
    }
    EXPECT_EQ(StoredInt("render_view_scale"), 0x3F800000u);
    EXPECT_EQ(StoredText("renderimage_filename"), "tmp.bmp");
    SendEvent(2); // exit without initialise
    SetSettingInt("window_left", 30);
    SetSettingInt("render_view_scale", FloatBits(2.5f));
    SetSetting("pylcomm_pyrell", REG_SZ, "D:\\r\\pyrell.exe", 17);
    {
        PluginSession session;
        EXPECT_EQ(Rect(Main()->GetHwnd(), false).substr(0, 3), "30 ");
        EXPECT_EQ(Main()->GetViewScale(), 2.5f);
        EXPECT_STREQ(Main()->GetPyrellPath(), "D:\\r\\pyrell.exe");
    }
    {
        ShiftHeld shift;
        PluginSession session;
        EXPECT_EQ(Main()->GetViewScale(), 1.0f);
        EXPECT_STREQ(Main()->GetPyrellPath(), "C:\\pyrell\\pyrell.exe");
        DestroyWindow(Main()->GetHwnd()); // no position to store at exit: the stored one stays
    }
    EXPECT_EQ(StoredInt("window_left"), 30u);
    EXPECT_EQ(StoredInt("render_view_scale"), 0x3F800000u);
}

TEST(MainWindowStartup, HostileStoredValuesAreRefusedOrHeldInRange) {
    struct {
        DWORD bits;
        float expected;
    } scales[] = {
        {0x7FC00000u, 1.0f}, {0x7F800000u, 1.0f}, {FloatBits(50.0f), 10.0f}, {FloatBits(-3.0f), 0.1f}};
    for (const auto& s : scales) {
        SetSettingInt("render_view_scale", s.bits);
        DLMAIN main;
        main.LoadSettings();
        EXPECT_EQ(main.GetViewScale(), s.expected) << std::hex << s.bits;
    }
    // Texts without their zero, longer than the field, and values of every type under every name.
    const std::vector<std::string> seeds = {std::string(1023, 'b'), std::string(1500, 'a'), "C:\\pyrell\\tmp",
                                            std::string("\x00\x00\x80\x3F", 4)};
    const char* names[] = {"render_view_scale", "pylcomm_tmppath", "pylcomm_pyrell", "renderimage_filename"};
    const DWORD types[] = {REG_SZ, REG_BINARY, REG_DWORD, REG_EXPAND_SZ};
    mutate::Options options;
    options.rounds = 200;
    int round = 0;
    mutate::EachMutation(seeds, options, [&](const std::string& value, const std::string& label) {
        ++round;
        for (int i = 0; i < 4; ++i)
            SetSetting(names[i], types[(round + i) % 4], value.data(), DWORD(value.size()));
        DLMAIN main;
        main.LoadSettings();
        EXPECT_TRUE(main.GetViewScale() >= 0.1f && main.GetViewScale() <= 10.0f) << label;
        for (const char* text : {main.GetTmpPath(), main.GetPyrellPath(), main.GetRenderImageFilename()})
            EXPECT_LT(strnlen(text, DLMAIN::PATHSIZE), size_t(DLMAIN::PATHSIZE)) << label;
    });
    DeleteSettingsKey();
}

TEST(MainWindowLayout, FourShowFlagCombinationsFromTheMenu) {
    DeleteSettingsKey();
    PluginSession session;
    HWND hwnd = Main()->GetHwnd();
    HWND view = Main()->GetRenderView().GetHwnd(), mess = Main()->GetMessageWindow().GetHwnd();
    // Rows: the menu item, then where the view starts and how much less than the room inside the frame
    // (W x H) it is high, and whether the message window shows below it.
    struct {
        int command, x, lessHigh;
        bool mess;
    } rows[] = {{0, 264, 120, 1},
                {ID_WINDOW_MESSAGE, 264, 8, 0},
                {ID_WINDOW_PROPERTY, 0, 0, 0},
                {ID_WINDOW_MESSAGE, 0, 120, 1},
                {ID_WINDOW_PROPERTY, 264, 120, 1}};
    for (const auto& row : rows) {
        if (row.command) SendMessageA(hwnd, WM_COMMAND, row.command, 0);
        RECT r;
        GetWindowRect(hwnd, &r);
        int W = (r.right - r.left) - (GetSystemMetrics(SM_CXFRAME) + 2 * GetSystemMetrics(SM_CXBORDER)) - 2;
        int H = (r.bottom - r.top) - (GetSystemMetrics(SM_CYFRAME) + 2 * GetSystemMetrics(SM_CYBORDER) +
                                      GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
        std::string x = std::to_string(row.x) + " ", w = std::to_string(W - row.x);
        EXPECT_EQ(Rect(view) + ", " + (GetWindowLongA(mess, GWL_STYLE) & WS_VISIBLE ? Rect(mess) : "hidden"),
                  x + "0 " + w + " " + std::to_string(H - row.lessHigh) + ", " +
                      (row.mess ? x + std::to_string(H - 104) + " " + w + " 96" : "hidden"))
            << row.command;
    }
    // The close box only minimises: the window lives until the plug-in exits.
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsIconic(hwnd));
}
