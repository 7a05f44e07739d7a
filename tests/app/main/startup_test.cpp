#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "app/dlp_rendpyrell.h"
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
    ResetSettings();
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
    // An on/off flag stored as anything but 0 reads as on.
    SetSettingInt("startimage_flg", 7);
    SetSettingInt("render_view_fit", DWORD(-2));
    SetSettingInt("preview_flg", 0x80000000u);
    {
        PluginSession session;
        EXPECT_EQ(Rect(Main()->GetHwnd(), false).substr(0, 3), "30 ");
        EXPECT_EQ(Main()->GetViewScale(), 2.5f);
        EXPECT_STREQ(Main()->GetPyrellPath(), "D:\\r\\pyrell.exe");
        EXPECT_EQ(std::make_tuple(Main()->GetStartImage(), Main()->GetViewFit(), Main()->GetPreview()),
                  std::make_tuple(1, 1, 1));
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
        EXPECT_GE(main.GetViewScale(), 0.1f) << label;
        EXPECT_LE(main.GetViewScale(), 10.0f) << label;
        for (const char* text : {main.GetTmpPath(), main.GetPyrellPath(), main.GetRenderImageFilename()})
            EXPECT_LT(strnlen(text, DLMAIN::PATHSIZE), size_t(DLMAIN::PATHSIZE)) << label;
    });
    ResetSettings();
}

TEST(MainWindowStartup, AStoredPlaceOffEveryScreenIsMovedUntilItsTitleBarCanBeGrabbed) {
    // Stored x, y, width and height, then where the window comes up (a pixel taller) and where the exit
    // stores it, on the test server's 1280 x 1024 screen. Rows: on it, the minimised place, far off the
    // bottom right, partly off the left and top, on a right-hand screen that has gone, larger than it.
    // Then sizes Windows holds between the window's tracking limits, 112 x 27 to 1292 x 1036 here: the
    // rule applies to the size it gives. Last, windows narrower than the grab width, kept whole: one
    // stored 100 wide at 1180 is 112 wide there, so it comes 12 to the left.
    typedef std::array<int, 4> Place;
    const Place rows[][2] = {{{100, 50, 500, 400}, {100, 50, 500, 400}},
                             {{-32000, -32000, 640, 480}, {-480, 0, 640, 480}},
                             {{5000, 5000, 640, 480}, {1120, 992, 640, 480}},
                             {{-100, -20, 640, 480}, {-100, 0, 640, 480}},
                             {{2200, 900, 640, 480}, {1120, 900, 640, 480}},
                             {{-50, -40, 1290, 1030}, {-50, 0, 1290, 1030}},
                             {{-3000, 100, 2600, 600}, {-1132, 100, 1292, 600}},
                             {{-32000, 0, 100000, 480}, {-1132, 0, 1292, 480}},
                             {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {-1132, 0, 1292, 1035}},
                             {{5000, 5000, 0, 0}, {1168, 997, 112, 27}},
                             {{5000, 5000, -100, -100}, {1168, 997, 112, 27}},
                             {{100, 2000, 640, -5}, {100, 997, 640, 27}},
                             {{0, 0, 100, 300}, {0, 0, 112, 300}},
                             {{1168, 0, 112, 300}, {1168, 0, 112, 300}},
                             {{1180, 0, 100, 300}, {1168, 0, 112, 300}}};
    const char* names[] = {"window_left", "window_top", "window_right", "window_bottom"};
    ResetSettings();
    for (const auto& row : rows) {
        for (int i = 0; i < 4; ++i)
            SetSettingInt(names[i], DWORD(row[0][i]));
        Place shown, saved;
        {
            PluginSession session;
            RECT r = {};
            GetWindowRect(Main()->GetHwnd(), &r);
            shown = Place{r.left, r.top, r.right - r.left, r.bottom - r.top - 1};
        }
        for (int i = 0; i < 4; ++i)
            saved[i] = int(StoredInt(names[i]));
        EXPECT_EQ(std::make_tuple(shown, saved), std::make_tuple(row[1], row[1])) << row[0][0];
    }
}

TEST(MainWindowLayout, PaneViewAndMessagesFillAKnownSizeInEachOfTheMenusFourCombinations) {
    ResetSettings();
    // Flags stored as neither 0 nor 1 read as on, so the first switch of each turns it off.
    SetSettingInt("showmess_flg", DWORD(-2));
    SetSettingInt("showprop_flg", 2);
    PluginSession session;
    HWND hwnd = Main()->GetHwnd();
    HWND parts[] = {Main()->GetPropertyPane()->GetTabTable().GetHwnd(), Main()->GetRenderView().GetHwnd(),
                    Main()->GetMessageWindow().GetHwnd()};
    MoveWindow(hwnd, 0, 0, 800, 600, TRUE);
    // Rows: the menu item, then the pane's, the view's and the message window's place in the 792 x 556
    // room inside the frame; each switch makes the window a pixel taller.
    struct {
        int command;
        const char* placed;
    } rows[] = {{0, "0 0 256 548, 264 0 528 436, 264 452 528 96, "},
                {ID_WINDOW_MESSAGE, "0 0 256 549, 264 0 528 549, 264 453 528 96 hidden, "},
                {ID_WINDOW_PROPERTY, "0 0 256 550 hidden, 0 0 792 558, 0 454 792 96 hidden, "},
                {ID_WINDOW_MESSAGE, "0 0 256 551 hidden, 0 0 792 439, 0 455 792 96, "},
                {ID_WINDOW_PROPERTY, "0 0 256 552, 264 0 528 440, 264 456 528 96, "}};
    for (const auto& row : rows) {
        if (row.command) SendMessageA(hwnd, WM_COMMAND, row.command, 0);
        std::string placed;
        for (HWND part : parts)
            placed += Rect(part) + (GetWindowLongA(part, GWL_STYLE) & WS_VISIBLE ? ", " : " hidden, ");
        EXPECT_EQ(row.placed, placed) << row.command;
    }
    // The close box only minimises: the window lives until the plug-in exits.
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsIconic(hwnd));
}
