#include <gtest/gtest.h>
#include "fields_test.h"
#include "ui/udlgfvec.h"
#include "ui/udlgtext.h"

TEST(UdlgSpin, TheContainerTakesTheItemIdAndHoldsTheEditAndTheUpDown) {
    FieldDialog dlg;
    HWND edit = dlg.Item(IDC_SPININT);
    RECT before;
    GetWindowRect(edit, &before);
    UDLGINT num;
    ASSERT_EQ(1, num.Attach(dlg.hwnd, IDC_SPININT));
    EXPECT_EQ(num.GetHwnd(), dlg.Item(IDC_SPININT));
    EXPECT_EQ(num.GetHwnd(), GetParent(edit));
    RECT after;
    GetWindowRect(num.GetHwnd(), &after);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);

    // The field still notifies with the item's id.
    TypeOver(edit, "12\r");
    EXPECT_EQ(1, dlg.Count(IDC_SPININT));
    EXPECT_EQ(12, num.GetValue());
}

TEST(UdlgSpin, AStepAppliesToTheTypedValueAndIsClamped) {
    FieldDialog dlg;
    UDLGINT num;
    num.AttachRange(dlg.hwnd, IDC_SPININT, 1, 4096);
    num.SetStep(10);
    num.SetValue(5);
    TypeOver(num.GetField().GetHwnd(), "300"); // typed, not committed
    ClickSpin(num.GetSpin(), false);
    EXPECT_EQ(310, num.GetValue());
    EXPECT_EQ("310", TextOf(num.GetField().GetHwnd()));
    num.SetValue(4090);
    ClickSpin(num.GetSpin(), false);
    EXPECT_EQ(4096, num.GetValue());
    num.SetValue(3);
    ClickSpin(num.GetSpin(), true);
    EXPECT_EQ(1, num.GetValue());
}

TEST(UdlgSpin, EnableReachesEditAndUpDown) {
    FieldDialog dlg;
    UDLGFLOAT num;
    num.Attach(dlg.hwnd, IDC_SPINFLOAT);
    num.Enable(0);
    EXPECT_FALSE(IsWindowEnabled(num.GetHwnd()));
    EXPECT_FALSE(IsWindowEnabled(num.GetField().GetHwnd()));
    EXPECT_FALSE(IsWindowEnabled(num.GetSpin()));
    EnableWindow(num.GetHwnd(), TRUE); // the container passes its state on
    EXPECT_TRUE(IsWindowEnabled(num.GetField().GetHwnd()));
    EXPECT_TRUE(IsWindowEnabled(num.GetSpin()));
}

TEST(UdlgSpin, CloseDestroysTheUpDownAndDetaches) {
    FieldDialog dlg;
    UDLGINT num;
    num.Attach(dlg.hwnd, IDC_SPININT);
    HWND spin = num.GetSpin(), box = num.GetHwnd();
    SendMessageA(box, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(spin));
    EXPECT_EQ(0, GetWindowLongPtrA(box, GWLP_USERDATA));
}

TEST(UdlgFvec, GroupsSetReadAndReportTheFirstChange) {
    FieldDialog dlg;
    UDLGFVEC3 vec;
    ASSERT_EQ(1, vec.Attach(dlg.hwnd, IDC_VX, IDC_VY, IDC_VZ));
    vec.SetValue(FVEC3(1.5f, -2, 3.25f));
    EXPECT_EQ("1.50", TextOf(vec.Field(0).GetField().GetHwnd()));
    TypeOver(vec.Field(1).GetField().GetHwnd(), "4");
    FVEC3 v = vec.GetValue();
    EXPECT_EQ(1.5f, v.x);
    EXPECT_EQ(4.0f, v.y);
    EXPECT_EQ(3.25f, v.z);

    TypeOver(vec.Field(0).GetField().GetHwnd(), "\r");
    TypeOver(vec.Field(2).GetField().GetHwnd(), "\r");
    EXPECT_EQ(1, dlg.Count(IDC_VX));
    EXPECT_EQ(1, dlg.Count(IDC_VZ));
    EXPECT_EQ(1, vec.GetChanged());
    EXPECT_EQ(1, vec.GetChanged()); // z kept its flag
    EXPECT_EQ(0, vec.GetChanged());

    vec.SetRange(0, 1);
    vec.SetValue(FVEC3(5, -5, 0.5f));
    EXPECT_EQ("1.00", TextOf(vec.Field(0).GetField().GetHwnd()));
    EXPECT_EQ("0.00", TextOf(vec.Field(1).GetField().GetHwnd()));
}

TEST(UdlgSpin, AMissingItemLeavesEveryFieldKindWithoutAWindow) {
    FieldDialog dlg;
    UDLGTEXT text;
    UDLGINTS bare;
    UDLGFLOAT spin;
    EXPECT_EQ(0, text.Attach(dlg.hwnd, 4321));
    EXPECT_EQ(0, bare.Attach(dlg.hwnd, 4321));
    EXPECT_EQ(0, spin.AttachRange(dlg.hwnd, 4321, 0, 1));
    EXPECT_EQ(nullptr, spin.GetSpin());
    text.Printf("%s", "nowhere");
    bare.SetValue(3);
    EXPECT_EQ(0, bare.ReadValue());
    spin.SetValue(0.5f);
    EXPECT_EQ(0.5f, spin.GetValue());
    EXPECT_EQ(0, dlg.Count(-1));
}
