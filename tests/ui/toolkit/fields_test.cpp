#include <climits>
#include <clocale>
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
    // Enter is swallowed and reported, but the program never set the text.
    EXPECT_EQ(std::make_tuple(std::string("abc"), 1, 0),
              std::make_tuple(TextOf(text.GetHwnd()), Commands(IDC_EDIT), text.GetChanged()));
    text.Printf("%s", "C:\\pyrell\\pyrell.exe");
    SetFocus(text.GetHwnd());
    SetFocus(Item(IDC_INT)); // leaving the field commits it
    EXPECT_EQ(std::make_tuple(2, 1), std::make_tuple(Commands(IDC_EDIT), text.GetChanged()));
    EXPECT_EQ(0, text.GetChanged()); // reading clears it

    SendMessageA(text.GetHwnd(), EM_SETLIMITTEXT, 4096, 0);
    std::string longText = "ab";
    for (int i = 0; i < 550; ++i)
        longText += "あ";
    text.Printf("%s", longText.c_str());
    EXPECT_EQ(longText.substr(0, 1022), TextOf(text.GetHwnd())); // below 1024 bytes, whole characters
    text.Printf(nullptr);
    EXPECT_EQ("", TextOf(text.GetHwnd()));
    UDLGTEXT made; // a window of its own
    ASSERT_EQ(1, made.Create(dlg, 2001, URECT{0, 0, 80, 20}, 1, 0));
    made.Printf("%d", 4);
    EXPECT_EQ("4", TextOf(made.GetHwnd()));
    SendMessageA(text.GetHwnd(), WM_CLOSE, 0, 0); // detaches
    Type(text.GetHwnd(), "\r");
    EXPECT_EQ(2, Commands(IDC_EDIT));
}

TEST_F(FieldTest, NumbersAreFilteredParsedFormattedAndCommittedOnEnterAndTab) {
    UDLGINTS num;
    num.Attach(dlg, IDC_INT);
    Type(num.GetHwnd(), "-1a2.3\b");
    EXPECT_EQ(std::make_tuple(std::string("-12"), 0),
              std::make_tuple(TextOf(num.GetHwnd()), Commands(IDC_INT)));
    Type(num.GetHwnd(), "-12\r");
    EXPECT_EQ(-12, num.GetValue());
    Type(num.GetHwnd(), "7\t");
    EXPECT_EQ(std::make_tuple(7, 2), std::make_tuple(num.GetValue(), Commands(IDC_INT)));

    UDLGFLOATS real;
    real.Attach(dlg, IDC_FLOAT);
    Type(real.GetHwnd(), "3.14159\r");
    // Shown in the format, the typed precision kept.
    EXPECT_EQ(std::make_tuple(std::string("3.14"), 3.14159f),
              std::make_tuple(TextOf(real.GetHwnd()), real.GetValue()));
    EXPECT_EQ(3.14159f, real.ReadValue()); // while the text shows it, the digits it hides stay
    Type(real.GetHwnd(), "3.14\r");        // typed as it was shown, it applies
    EXPECT_EQ(3.14f, real.GetValue());
    Type(real.GetHwnd(), "100000000000000000000\r"); // more than 19 characters, read back whole
    EXPECT_EQ(1e20f, real.GetValue());
    Type(real.GetHwnd(), "1e39\r"); // not finite: the value stays
    EXPECT_EQ(1e20f, real.GetValue());
    real.SetEditable(0);
    Type(real.GetHwnd(), "7");
    EXPECT_NE("7", TextOf(real.GetHwnd()));

    // The grammar: saturating integers, decimal numbers only.
    const std::tuple<const char*, int, bool, float> rows[] = {
        {"  99999999999999999999", INT_MAX, true, 1e20f},
        {"-99999999999999999999x", INT_MIN, true, -1e20f},
        {"0x10", 0, true, 0},
        {"nan", 0, true, 0},
        {"1e-99999", 1, true, 0},
        {"1e39", 1, false, 0},
        {" -1.5e1", -1, true, -15},
    };
    for (const auto& [text, integer, finite, number] : rows) {
        int i = 0;
        float f = 0; // a number that is not finite leaves it alone
        UDLGNUMTRAITS<int>::Parse(text, &i);
        bool parsed = UDLGNUMTRAITS<float>::Parse(text, &f);
        EXPECT_EQ(std::make_tuple(integer, finite, number), std::make_tuple(i, parsed, f)) << text;
    }
}

// Another part of the process may set a locale whose decimal point is a comma; the fields keep the point.
TEST_F(FieldTest, NumbersShowWhatTheyReadBackWhateverTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
    UDLGFLOATS real;
    real.Attach(dlg, IDC_FLOAT);
    real.SetValue(3.5f);
    const std::string shown = TextOf(real.GetHwnd());
    float read = 0;
    UDLGNUMTRAITS<float>::Parse(shown.c_str(), &read);
    Type(real.GetHwnd(), "2.25\r");
    EXPECT_EQ(std::make_tuple(std::string("3.50"), 3.5f, 2.25f, std::string("2.25")),
              std::make_tuple(shown, read, real.GetValue(), TextOf(real.GetHwnd())));

    // Any format as printf has it in the "C" locale; one that is not a single number of the field's kind
    // shows the default.
    UDLGINTS num;
    num.Attach(dlg, IDC_INT);
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"%.3e", "-1.235e+03", "42"},   {"%+09.2f", "-01234.56", "42"}, {"% 8.1f", " -1234.6", "42"},
        {"%.2E%%", "-1.23E+03%", "42"}, {"%g", "-1234.56", "42"},       {"%-6d|", "-1234.56", "42    |"},
        {"% 05i", "-1234.56", " 0042"}, {"%+.3d", "-1234.56", "+042"},  {"%x", "-1234.56", "42"},
        {"%s", "-1234.56", "42"},       {"%d %d", "-1234.56", "42"},    {"%100d", "-1234.56", "42"},
    };
    for (const auto& [format, realText, intText] : rows) {
        real.SetFormat(format);
        real.SetValue(-1234.5625f);
        num.SetFormat(format);
        num.SetValue(42);
        EXPECT_EQ(std::make_tuple(std::string(realText), std::string(intText)),
                  std::make_tuple(TextOf(real.GetHwnd()), TextOf(num.GetHwnd())))
            << format;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(FieldTest, ArrowsStepTheStoredValueOrTheTextTypedSinceTheLastCommit) {
    HWND edit = Item(IDC_FLOAT);
    UDLGFLOAT num;
    ASSERT_EQ(1, num.AttachRange(dlg, IDC_FLOAT, 1, 4));
    EXPECT_EQ(std::make_tuple(num.GetHwnd(), num.GetHwnd()),
              std::make_tuple(Item(IDC_FLOAT), GetParent(edit)));
    num.SetStep(0.01f);
    Type(edit, "3.14159\r"); // committed: shown as 3.14, stored whole
    ClickSpin(num.GetSpin(), true);
    EXPECT_EQ(std::make_tuple(3.14159f - 0.01f, std::string("3.13")),
              std::make_tuple(num.GetValue(), TextOf(edit)));
    Type(edit, "3.999"); // typed, not committed: the arrow must not overwrite it
    ClickSpin(num.GetSpin(), false);
    EXPECT_EQ(std::make_tuple(4.0f, std::string("4.00")), std::make_tuple(num.GetValue(), TextOf(edit)));
    EXPECT_EQ(3, Commands(IDC_FLOAT)); // Enter and each arrow, still with the item's id

    EnableWindow(num.GetHwnd(), FALSE); // the container passes its state on
    EXPECT_FALSE(IsWindowEnabled(num.GetSpin()));
    HWND spin = num.GetSpin();
    SendMessageA(num.GetHwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(spin));
}
