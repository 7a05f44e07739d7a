#include <climits>
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"
#include "ui_test.h"

namespace {
using FieldTest = UiTest;

// Clicks the up or down half of an up-down control.
void ClickSpin(HWND spin, bool up) {
    RECT rc;
    GetClientRect(spin, &rc);
    LPARAM at = MAKELPARAM(rc.right / 2, up ? rc.bottom / 4 : rc.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(spin, WM_LBUTTONUP, 0, at);
    PumpMessages();
}
} // namespace

TEST_F(FieldTest, TextCommitsOnEnterAndFocusOutButReportsOnlyTextTheProgramSet) {
    UDLGTEXT text;
    ASSERT_EQ(1, text.Attach(dlg, IDC_EDIT));
    Type(text.GetHwnd(), "abc\r");
    EXPECT_EQ("abc", TextOf(text.GetHwnd())); // Enter is swallowed
    EXPECT_EQ(1, Commands(IDC_EDIT));
    EXPECT_EQ(0, text.GetChanged());
    text.Printf("%s", "C:\\pyrell\\pyrell.exe");
    SetFocus(text.GetHwnd());
    SetFocus(Item(IDC_INT)); // leaving the field commits it
    EXPECT_EQ(2, Commands(IDC_EDIT));
    EXPECT_EQ(1, text.GetChanged());
    EXPECT_EQ(0, text.GetChanged()); // reading clears it

    SendMessageA(text.GetHwnd(), EM_SETLIMITTEXT, 4096, 0);
    std::string longText = "ab";
    for (int i = 0; i < 550; ++i)
        longText += "あ";
    text.Printf("%s", longText.c_str());
    EXPECT_EQ(longText.substr(0, 1022), TextOf(text.GetHwnd())); // below 1024 bytes, whole characters
    text.Printf(nullptr);
    UDLGTEXT made; // a window of its own
    ASSERT_EQ(1, made.Create(dlg, 2001, URECT{0, 0, 80, 20}, 1, 0));
    made.Printf("%d", 4);
    EXPECT_EQ("4", TextOf(made.GetHwnd()));
    SendMessageA(text.GetHwnd(), WM_CLOSE, 0, 0); // detaches
    Type(text.GetHwnd(), "\r");
    EXPECT_EQ(2, Commands(IDC_EDIT));
}

TEST_F(FieldTest, NumbersAreFilteredFormattedAndCommittedOnEnterTabAndFocusOut) {
    UDLGINTS num;
    num.Attach(dlg, IDC_INT);
    Type(num.GetHwnd(), "-1a2.3\b");
    EXPECT_EQ("-12", TextOf(num.GetHwnd()));
    EXPECT_EQ(0, Commands(IDC_INT));
    Type(num.GetHwnd(), "-12\r");
    EXPECT_EQ(-12, num.GetValue());
    Type(num.GetHwnd(), "7\t");
    EXPECT_EQ(7, num.GetValue());
    EXPECT_EQ(2, Commands(IDC_INT));

    UDLGFLOATS real;
    real.Attach(dlg, IDC_FLOAT);
    Type(real.GetHwnd(), "3.14159\r");
    EXPECT_EQ("3.14", TextOf(real.GetHwnd()));
    EXPECT_EQ(3.14159f, real.GetValue()); // the typed precision is kept
    real.SetValue(1e20f);                 // shown with more than 19 characters, read back whole
    EXPECT_EQ(1e20f, real.ReadValue());
    Type(real.GetHwnd(), "1e39\r"); // not finite: the value stays
    EXPECT_EQ(1e20f, real.GetValue());
    real.SetEditable(0);
    Type(real.GetHwnd(), "7");
    EXPECT_NE("7", TextOf(real.GetHwnd()));
}

TEST_F(FieldTest, ParsingSaturatesAndTakesOnlyDecimalNumbers) {
    const struct {
        const char* text;
        int integer;
        bool finite;
        float real;
    } rows[] = {
        {"  99999999999999999999", INT_MAX, true, 1e20f},
        {"-99999999999999999999x", INT_MIN, true, -1e20f},
        {"0x10", 0, true, 0},
        {"nan", 0, true, 0},
        {"1e-99999", 1, true, 0},
        {"1e39", 1, false, 0},
        {" -1.5e1", -1, true, -15},
    };
    for (const auto& row : rows) {
        int i = 0;
        float f = 0;
        UDLGNUMTRAITS<int>::Parse(row.text, &i);
        EXPECT_EQ(row.integer, i) << row.text;
        EXPECT_EQ(row.finite, UDLGNUMTRAITS<float>::Parse(row.text, &f)) << row.text;
        EXPECT_TRUE(!row.finite || f == row.real) << row.text;
    }
}

TEST_F(FieldTest, SpinContainerTakesTheItemAndStepsFromTheTypedValue) {
    HWND edit = Item(IDC_SPININT);
    UDLGINT num;
    ASSERT_EQ(1, num.AttachRange(dlg, IDC_SPININT, 1, 4096));
    EXPECT_EQ(num.GetHwnd(), Item(IDC_SPININT));
    EXPECT_EQ(num.GetHwnd(), GetParent(edit));
    num.SetStep(10);
    Type(edit, "300"); // typed, not committed
    ClickSpin(num.GetSpin(), false);
    EXPECT_EQ(310, num.GetValue());
    EXPECT_EQ("310", TextOf(edit));
    num.SetValue(4090);
    ClickSpin(num.GetSpin(), false);
    EXPECT_EQ(4096, num.GetValue());
    EXPECT_EQ(2, Commands(IDC_SPININT)); // still with the item's id

    EnableWindow(num.GetHwnd(), FALSE); // the container passes its state on
    EXPECT_FALSE(IsWindowEnabled(num.GetSpin()));
    HWND spin = num.GetSpin();
    SendMessageA(num.GetHwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(spin));
}
