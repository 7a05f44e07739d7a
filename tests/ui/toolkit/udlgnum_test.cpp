#include <gtest/gtest.h>
#include <cfloat>
#include <climits>
#include "fields_test.h"
#include "ui/udlgnum.h"

TEST(UdlgInts, FilterAcceptsDigitsMinusAndBackspaceAndCommitsOnEnterAndTab) {
    FieldDialog dlg;
    UDLGINTS num;
    num.Attach(dlg.hwnd, IDC_INT);
    HWND edit = num.GetHwnd();
    TypeOver(edit, "-1a2.3");
    EXPECT_EQ("-123", TextOf(edit));
    Type(edit, "\b");
    EXPECT_EQ("-12", TextOf(edit));
    EXPECT_EQ(0, dlg.Count(IDC_INT));
    Type(edit, "\r");
    EXPECT_EQ(1, dlg.Count(IDC_INT));
    EXPECT_EQ(-12, num.GetValue());
    TypeOver(edit, "7\t");
    EXPECT_EQ(2, dlg.Count(IDC_INT));
    EXPECT_EQ(7, num.GetValue());
}

TEST(UdlgInts, LongDigitRunsSaturate) {
    int v = 0;
    UDLGNUMTRAITS<int>::Parse("  99999999999999999999", &v);
    EXPECT_EQ(INT_MAX, v);
    UDLGNUMTRAITS<int>::Parse("-99999999999999999999x", &v);
    EXPECT_EQ(INT_MIN, v);
    UDLGNUMTRAITS<int>::Parse("-2147483648", &v);
    EXPECT_EQ(INT_MIN, v);
}

TEST(UdlgInts, FocusOutCommitsAndNoWindowChangesNothing) {
    FieldDialog dlg;
    UDLGINTS num;
    num.Attach(dlg.hwnd, IDC_INT);
    SetWindowTextA(num.GetHwnd(), "42");
    FocusAndLeave(num.GetHwnd(), dlg.Item(IDC_OTHER));
    EXPECT_EQ(1, dlg.Count(IDC_INT));
    EXPECT_EQ(42, num.GetValue());

    UDLGINTS loose;
    loose.SetValue(5);
    EXPECT_EQ(0, loose.GetValue());
    EXPECT_EQ(0, loose.ReadValue());
}

TEST(UdlgFloats, FormatsTwoDecimalsAndKeepsTheTypedPrecision) {
    FieldDialog dlg;
    UDLGFLOATS num;
    num.Attach(dlg.hwnd, IDC_FLOAT);
    TypeOver(num.GetHwnd(), "1e1\r");
    EXPECT_EQ("10.00", TextOf(num.GetHwnd()));
    EXPECT_EQ(1, dlg.Count(IDC_FLOAT));
    TypeOver(num.GetHwnd(), "3.14159\r");
    EXPECT_EQ("3.14", TextOf(num.GetHwnd()));
    EXPECT_EQ(3.14159f, num.GetValue());
    TypeOver(num.GetHwnd(), "abc\r"); // letters are not filtered, and read as 0
    EXPECT_EQ(0.0f, num.GetValue());
}

TEST(UdlgFloats, ReadsTheWholeTextAndKeepsTheValueWhenTheResultIsNotFinite) {
    FieldDialog dlg;
    UDLGFLOATS num;
    num.Attach(dlg.hwnd, IDC_FLOAT);
    num.SetValue(1e20f); // shown with more than 19 characters
    EXPECT_EQ(1e20f, num.ReadValue());
    EXPECT_EQ(1e20f, num.ReadValue());
    num.SetValue(2.5f);
    for (const char* bad : {"1e39", "inf", "1e99999"}) {
        TypeOver(num.GetHwnd(), bad);
        Type(num.GetHwnd(), "\r");
        EXPECT_EQ(bad == std::string("inf") ? 0.0f : 2.5f, num.GetValue()) << bad;
        num.SetValue(2.5f);
    }
    float v = -1;
    EXPECT_TRUE(UDLGNUMTRAITS<float>::Parse("1e-99999", &v));
    EXPECT_EQ(0.0f, v);
    EXPECT_TRUE(UDLGNUMTRAITS<float>::Parse("0x10", &v)); // no hexadecimal: the 0 before the x
    EXPECT_EQ(0.0f, v);
    EXPECT_TRUE(UDLGNUMTRAITS<float>::Parse("2e", &v));
    EXPECT_EQ(2.0f, v);
    EXPECT_TRUE(UDLGNUMTRAITS<float>::Parse("nan", &v));
    EXPECT_EQ(0.0f, v);
}

TEST(UdlgFloats, SetEditableMakesTheEditReadOnlyAndBack) {
    FieldDialog dlg;
    UDLGFLOATS num;
    num.Attach(dlg.hwnd, IDC_FLOAT);
    LONG style = GetWindowLongA(num.GetHwnd(), GWL_STYLE);
    num.SetValue(1);
    num.SetEditable(0);
    EXPECT_EQ(style | ES_READONLY, GetWindowLongA(num.GetHwnd(), GWL_STYLE));
    TypeOver(num.GetHwnd(), "7");
    EXPECT_EQ("1.00", TextOf(num.GetHwnd()));
    num.SetEditable(1);
    EXPECT_EQ(style, GetWindowLongA(num.GetHwnd(), GWL_STYLE));
    TypeOver(num.GetHwnd(), "7");
    EXPECT_EQ("7", TextOf(num.GetHwnd()));
}
