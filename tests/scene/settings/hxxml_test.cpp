// The element wrapper against the stand-in host's element tree.
#include "ownhost.h"

#include "host/hxhostfn.h"
#include "tools/hxhost/hxhostlib.h"
#include "tools/hxhost/lib/xmltree.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

hxhost::XmlElement* HostElem(HXXmlElement e) {
    return hxhost::XmlElement::FromHandle(e.Handle());
}

TEST(HXXmlElement, AttributesPresentEmptyAndAbsent) {
    HXXmlElement root = FreshElement().AddChild("e");
    root.SetAttribute("a", "1");
    root.SetAttribute("empty", "");
    std::string value = "stale";
    EXPECT_FALSE(root.GetAttribute("missing", value));
    EXPECT_EQ(value, "");
    value = "stale";
    EXPECT_TRUE(root.GetAttribute("empty", value));
    EXPECT_EQ(value, "");
    // Setting an attribute again keeps its place.
    root.SetAttribute("a", "2");
    EXPECT_EQ(Dump(root), "e a=\"2\" empty=\"\"\n");
    std::string text = "stale";
    EXPECT_FALSE(root.GetText(text));
    EXPECT_EQ(text, "");
    root.SetText("body");
    EXPECT_EQ(root.GetTextW(), L"body");
}

TEST(HXXmlElement, NullElementAsksTheHostNothing) {
    HXXmlElement none;
    int before = hxhost::CountCalls("HXXmlElem_Value");
    std::string value = "stale";
    EXPECT_FALSE(none.AddChild("x"));
    EXPECT_FALSE(none.FirstChild());
    EXPECT_FALSE(none.GetParent());
    EXPECT_EQ(none.GetName(), "");
    EXPECT_FALSE(none.GetAttribute("a", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(none.RemoveChild(none));
    none.SetAttribute("a", "b");
    EXPECT_EQ(hxhost::CountCalls("HXXmlElem_Value"), before);
}

TEST(HXXmlElement, JapaneseTextsCrossAsUtf8) {
    HXXmlElement root = FreshElement();
    HXXmlElement child = root.AddChild("設定");
    child.SetAttribute("名前", "ライト一");
    // The host holds UTF-8 of the same characters.
    EXPECT_EQ(HostElem(child)->Name(), u8"設定");
    ASSERT_TRUE(HostElem(child)->FindAttribute(u8"名前"));
    EXPECT_EQ(*HostElem(child)->FindAttribute(u8"名前"), u8"ライト一");
    // And come back unchanged in the ANSI code page and as wide text.
    EXPECT_EQ(child.GetName(), "設定");
    EXPECT_EQ(child.GetAttribute("名前"), "ライト一");
    EXPECT_EQ(child.GetAttribute(L"名前"), L"ライト一");
    HXXmlElement wide = root.AddChild(L"幅");
    wide.SetAttribute(L"値", L"五");
    EXPECT_EQ(*HostElem(wide)->FindAttribute(u8"値"), u8"五");
}

TEST(HXXmlElement, LongAndInvalidTexts) {
    HXXmlElement root = FreshElement();
    std::string longValue(5000, 'x');
    root.SetAttribute("long", longValue.c_str());
    EXPECT_EQ(root.GetAttribute("long"), longValue);
    // Bytes that are not UTF-8 from the host convert without harm.
    HostElem(root)->SetAttribute("bad", "\xff\xfe\xc3");
    std::string value;
    EXPECT_TRUE(root.GetAttribute("bad", value));
    EXPECT_FALSE(value.empty());
}

// A host that answers nothing, and records what it was asked: every out word must be null on entry.
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
    HXXmlElement elem = FreshElement();
    auto saved = hxfn::HXXmlElem_Value;
    hxfn::HXXmlElem_Value = SILENTHOST::Value;
    std::string value = "stale", text = "stale";
    EXPECT_FALSE(elem.AddChild("x"));
    EXPECT_FALSE(elem.FirstChild());
    EXPECT_FALSE(elem.NextChild(elem));
    EXPECT_FALSE(elem.GetParent());
    EXPECT_EQ(elem.GetName(), "");
    EXPECT_EQ(elem.GetNameW(), L"");
    EXPECT_FALSE(elem.GetText(text));
    EXPECT_FALSE(elem.GetAttribute("a", value));
    EXPECT_FALSE(elem.RemoveChild(elem));
    hxfn::HXXmlElem_Value = saved;
    EXPECT_EQ(text, "");
    EXPECT_EQ(value, "");
    EXPECT_TRUE(SILENTHOST::outWordsNull);
    EXPECT_EQ(SILENTHOST::codes,
              (std::vector<int>{0x101, 0x201, 0x202, 0x203, 0x301, 0x301, 0x302, 0x303, 0x102}));
}

TEST(Utf8Conversions, NullGivesEmpty) {
    EXPECT_EQ(Utf8ToAnsi(nullptr), "");
    EXPECT_EQ(AnsiToUtf8(nullptr), "");
    EXPECT_EQ(Utf8ToWide(nullptr), L"");
    EXPECT_EQ(WideToUtf8(nullptr), "");
}

} // namespace
