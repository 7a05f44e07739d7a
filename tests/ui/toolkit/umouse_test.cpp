#include <gtest/gtest.h>
#include "toolkit_test.h"
#include "ui/umouse.h"

TEST(Umouse, MoveFollowsTheRealCursor) {
    TestDialog dlg;
    HWND hwnd = dlg.hwnd;
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    UMOUSE m;
    ASSERT_TRUE(SetCursorPos(origin.x + 30, origin.y + 40));
    m.ResetPos(hwnd);
    EXPECT_EQ(30, m.x);
    EXPECT_EQ(40, m.prevY);
    EXPECT_EQ(0, m.dx);
    SetCursorPos(origin.x + 35, origin.y + 38);
    m.Move(hwnd);
    EXPECT_EQ(5, m.dx);
    EXPECT_EQ(-2, m.dy);
    m.Move(hwnd); // no motion in between
    EXPECT_EQ(0, m.dx);
    EXPECT_EQ(0, m.dy);
    EXPECT_EQ(35, m.x);
}
