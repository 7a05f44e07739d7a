#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "registry_case.h"
#include "ui/dlgwinpos.h"

namespace {

HWND MakeWindow(int x, int y, int w, int h) {
    return CreateWindowA("STATIC", "", WS_POPUP, x, y, w, h, 0, 0, GetModuleHandleA(nullptr), 0);
}

RECT Rect(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT Desktop() {
    return Rect(GetDesktopWindow());
}

// An owner and its dialog as real top-level windows.
struct PositionCase : RegistryCase {
    HWND owner = 0, dialog = 0;
    void SetUp() override {
        RegistryCase::SetUp();
        owner = MakeWindow(100, 100, 200, 100);
        dialog = MakeWindow(140, 120, 300, 80);
        ASSERT_TRUE(owner && dialog);
    }
    void TearDown() override {
        DestroyWindow(dialog);
        DestroyWindow(owner);
        RegistryCase::TearDown();
    }
};

} // namespace

TEST_F(PositionCase, RestoreFollowsTheOwnerAndStaysOnTheDesktop) {
    DLGWINPOS pos;
    pos.Apply(owner, dialog); // nothing stored yet: records

    MoveWindow(owner, 10, 300, 200, 100, FALSE);
    pos.Apply(owner, dialog);
    EXPECT_EQ(Rect(dialog).left, 50);
    EXPECT_EQ(Rect(dialog).top, 320);

    // The owner at the desktop's right edge: the dialog is pushed back to end on that edge.
    RECT desk = Desktop();
    MoveWindow(owner, desk.right - 200, desk.bottom - 100, 200, 100, FALSE);
    pos.Restore(owner, dialog);
    RECT r = Rect(dialog);
    EXPECT_EQ(r.right, desk.right);
    EXPECT_EQ(r.bottom, desk.bottom);
    EXPECT_EQ(r.right - r.left, 300);

    // Above and left of the desktop: pushed down and right.
    DLGWINPOS above;
    MoveWindow(dialog, 60, 70, 300, 80, FALSE);
    MoveWindow(owner, 100, 100, 200, 100, FALSE);
    above.Record(owner, dialog);
    MoveWindow(owner, desk.left + 5, desk.top + 5, 200, 100, FALSE);
    above.Restore(owner, dialog);
    EXPECT_EQ(Rect(dialog).left, desk.left);
    EXPECT_EQ(Rect(dialog).top, desk.top);
}

TEST_F(PositionCase, SizeIsKeptOnlyWithTheSizeFlag) {
    DLGWINPOS pos;
    pos.SetSizeFlag(1);
    pos.Record(owner, dialog);
    MoveWindow(dialog, 0, 0, 120, 60, FALSE);
    pos.Restore(owner, dialog);
    EXPECT_EQ(Rect(dialog).right - Rect(dialog).left, 300);
    EXPECT_EQ(Rect(dialog).bottom - Rect(dialog).top, 80);

    DLGWINPOS plain;
    plain.Record(owner, dialog);
    MoveWindow(dialog, 0, 0, 120, 60, FALSE);
    plain.Restore(owner, dialog);
    EXPECT_EQ(Rect(dialog).right - Rect(dialog).left, 120);
}

TEST_F(PositionCase, SavedValuesComeBack) {
    DLGWINPOS out;
    out.SetSizeFlag(1);
    out.Record(owner, dialog);
    ASSERT_TRUE(out.Save(&key, "render"));
    DLGWINPOS in;
    in.SetSizeFlag(1);
    ASSERT_TRUE(in.Load(&key, "render"));
    EXPECT_TRUE(in.IsStored());
    EXPECT_EQ(in.GetOffset().x, 40);
    EXPECT_EQ(in.GetSize().cx, 300);

    // A width not known is not written; the height is.
    SetRawInt("dlg_winpos_h", 90);
    ASSERT_TRUE(in.Load(&key, "dlg"));
    ASSERT_TRUE(in.Save(&key, "other"));
    EXPECT_FALSE(Exists("other_winpos_w"));
    EXPECT_EQ(ReadInt("other_winpos_h"), 90);

    std::string longName(1100, 'n');
    EXPECT_FALSE(out.Save(&key, longName.c_str()));
    EXPECT_FALSE(in.Load(&key, longName.c_str()));
    UREGKEY readOnly;
    ASSERT_EQ(1, readOnly.Open(kKey));
    EXPECT_FALSE(out.Save(&readOnly, "render"));
}

TEST_F(PositionCase, HostileValuesReadAsMissing) {
    SetRawString("bad_winpos_x", "40");                  // text where a number belongs
    SetRawInt("bad_winpos_y", 0x7FFFFFF0);               // no screen is that far away
    SetRaw("bad_winpos_flg", REG_BINARY, "\1\0\0\0", 4); // four bytes of the wrong type
    SetRawInt("bad_winpos_w", 0);
    SetRawInt("bad_winpos_h", 0xFFFFFFFB); // -5
    DLGWINPOS pos;
    pos.SetSizeFlag(1);
    pos.Record(owner, dialog);
    ASSERT_TRUE(pos.Load(&key, "bad"));
    EXPECT_FALSE(pos.IsStored());
    EXPECT_EQ(pos.GetOffset().x, 0);
    EXPECT_EQ(pos.GetSize().cx, -1);

    SetRawInt("bad_winpos_flg", 1);
    SetRawInt("bad_winpos_w", 100000);
    ASSERT_TRUE(pos.Load(&key, "bad"));
    EXPECT_TRUE(pos.IsStored());
    EXPECT_EQ(pos.GetSize().cx, -1);
}
