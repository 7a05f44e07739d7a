#include <gtest/gtest.h>
#include <string>
#include "fields_test.h"
#include "ui/udlgtext.h"

TEST(UdlgText, EnterAndFocusOutCommitOnlyOnceTheProgramSetTheText) {
    FieldDialog dlg;
    UDLGTEXT text;
    ASSERT_EQ(1, text.Attach(dlg.hwnd, IDC_TEXT));

    // Typed and left, but never set by the program: no change is reported.
    Type(text.GetHwnd(), "abc\r");
    EXPECT_EQ(1, dlg.Count(IDC_TEXT));
    EXPECT_EQ("abc", TextOf(text.GetHwnd())); // Enter is swallowed
    EXPECT_EQ(1, text.IsChanged());
    EXPECT_EQ(0, text.GetChanged());

    text.Printf("%s", "C:\\pyrell\\pyrell.exe");
    EXPECT_EQ("C:\\pyrell\\pyrell.exe", TextOf(text.GetHwnd()));
    text.ClearChanged();
    FocusAndLeave(text.GetHwnd(), dlg.Item(IDC_OTHER));
    EXPECT_EQ(2, dlg.Count(IDC_TEXT));
    EXPECT_EQ(1, text.GetChanged());
    EXPECT_EQ(0, text.GetChanged()); // reading clears it

    char buf[8];
    EXPECT_EQ(7, text.GetText(buf, sizeof buf));
    EXPECT_STREQ("C:\\pyre", buf);
}

TEST(UdlgText, PrintfCutsLongTextOnACharacterBoundaryAndNullEmpties) {
    FieldDialog dlg;
    UDLGTEXT text;
    text.Attach(dlg.hwnd, IDC_TEXT);
    SendMessageA(text.GetHwnd(), EM_SETLIMITTEXT, 4096, 0);
    std::string longText = "a" + std::string(1100, '\x82'); // "a" then Shift-JIS lead bytes
    for (size_t i = 1; i < longText.size(); i += 2)
        longText[i + 1 < longText.size() ? i + 1 : i] = '\xa0';
    text.Printf("%s", longText.c_str());
    std::string shown = TextOf(text.GetHwnd());
    ASSERT_LE(shown.size(), 1023u);
    EXPECT_EQ(1u, shown.size() % 2); // "a" plus whole two-byte characters
    text.Printf(nullptr);
    EXPECT_EQ("", TextOf(text.GetHwnd()));
}

TEST(UdlgText, CloseDetachesAndCreateMakesAnEditOrAStatic) {
    FieldDialog dlg;
    UDLGTEXT text;
    text.Attach(dlg.hwnd, IDC_TEXT);
    HWND edit = text.GetHwnd();
    SendMessageA(edit, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, GetWindowLongPtrA(edit, GWLP_USERDATA));
    Type(edit, "\r");
    EXPECT_EQ(0, dlg.Count(IDC_TEXT)); // no longer bound

    UDLGTEXT made, label;
    ASSERT_EQ(1, made.Create(dlg.hwnd, 2001, URECT{0, 0, 80, 20}, 0, ES_AUTOHSCROLL));
    ASSERT_EQ(1, label.Create(dlg.hwnd, 2002, URECT{0, 30, 80, 20}, 1, 0));
    EXPECT_EQ("test", TextOf(label.GetHwnd()));
    made.Printf("%d", 42);
    EXPECT_EQ("42", TextOf(made.GetHwnd()));
}
