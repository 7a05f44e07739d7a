// The element wrapper: texts crossing to the host's tree as UTF-8, and a host that answers nothing.
#include "tests/scene/scenehost.h"

#include "host/hxhostfn.h"

namespace {

// Every out word must be null on entry, so a host that answers nothing gives nothing, never garbage;
// a null element asks the host nothing at all.
struct SILENTHOST {
    static inline std::vector<int> codes;
    static inline bool outWordsNull = true;
    static int __cdecl Value(HXXmlHandle, int code, void** block) {
        codes.push_back(code);
        int out = code == 0x101 || code == 0x201 || code == 0x303 ? 1 : code == 0x202 ? 2 : -1;
        if (code == 0x203 || code == 0x301 || code == 0x302) out = 0;
        if (out >= 0) outWordsNull = outWordsNull && block[out] == nullptr;
        return 1;
    }
};

TEST(HXXmlElement, HostThatAnswersNothingGivesNoneNeverGarbage) {
    OpenDoc("{}");
    HXXmlElement elem = FreshElement();
    auto saved = hxfn::HXXmlElem_Value;
    hxfn::HXXmlElem_Value = SILENTHOST::Value;
    HXXmlElement none;
    std::string value = "stale", text = "stale", nullValue = "stale";
    EXPECT_FALSE(none.AddChild("x") || none.FirstChild() || none.GetParent() ||
                 none.GetAttribute("a", nullValue));
    none.SetAttribute("a", "b");
    EXPECT_TRUE(SILENTHOST::codes.empty());
    EXPECT_FALSE(elem.AddChild("x") || elem.FirstChild() || elem.NextChild(elem) || elem.GetParent());
    EXPECT_EQ(elem.GetName() + nullValue, "");
    EXPECT_EQ(elem.GetNameW(), L"");
    EXPECT_FALSE(elem.GetText(text) || elem.GetAttribute("a", value) || elem.RemoveChild(elem));
    hxfn::HXXmlElem_Value = saved;
    EXPECT_EQ(text + value, "");
    EXPECT_TRUE(SILENTHOST::outWordsNull);
    EXPECT_EQ(SILENTHOST::codes,
              (std::vector<int>{0x101, 0x201, 0x202, 0x203, 0x301, 0x301, 0x302, 0x303, 0x102}));
    EXPECT_EQ(Utf8ToAnsi(nullptr) + AnsiToUtf8(nullptr) + WideToUtf8(nullptr), "");
    EXPECT_EQ(Utf8ToWide(nullptr), L"");
}

// Names and texts cross as UTF-8 from the ANSI code page and from wide text alike, and named look-ups
// find them in either form.
TEST(HXXmlElement, JapaneseTextsCrossAsUtf8InBothForms) {
    OpenDoc("{}");
    HXXmlElement root = FreshElement();
    HXXmlElement ansi = root.AddChild("設定"), wide = root.AddChild(L"設定");
    ansi.SetAttribute("名前", "ライト一");
    ansi.SetText("本文");
    wide.SetAttribute(L"値", L"五");
    wide.SetText(L"本文");
    EXPECT_EQ(HostElem(ansi)->Name(), u8"設定");
    EXPECT_EQ(*HostElem(ansi)->FindAttribute(u8"名前"), u8"ライト一");
    EXPECT_EQ(*HostElem(wide)->FindAttribute(u8"値"), u8"五");
    EXPECT_EQ(root.FirstChild("設定").Handle(), ansi.Handle());
    EXPECT_EQ(root.FirstChild(L"設定").Handle(), ansi.Handle());
    EXPECT_EQ(root.NextChild("設定", ansi).Handle(), wide.Handle());
    EXPECT_EQ(root.NextChild(L"設定", ansi).Handle(), wide.Handle());
    EXPECT_EQ(ansi.GetAttribute(L"名前"), L"ライト一");
    EXPECT_EQ(wide.GetAttribute("値"), "五");
    EXPECT_EQ(wide.GetNameW(), L"設定");
    std::wstring text;
    EXPECT_TRUE(wide.GetText(text));
    EXPECT_EQ(text + wide.GetTextW(), L"本文本文");
    EXPECT_EQ(ansi.GetText(), "本文");
}

} // namespace
