// The element wrapper against the stand-in host's element tree.
#include "tests/scene/scenehost.h"

#include "host/hxhostfn.h"

namespace {

// Absent and empty attributes differ; setting one again keeps its place; texts cross as UTF-8 and come
// back unchanged. Long and broken texts are left to the settings reader's hostile loop.
TEST(HXXmlElement, AttributesAndTextsCrossAsUtf8) {
    OpenDoc("{}");
    HXXmlElement root = FreshElement();
    HXXmlElement e = root.AddChild("設定");
    e.SetAttribute("名前", "ライト一");
    e.SetAttribute("empty", "");
    e.SetAttribute("名前", "ライト二");
    e.AddChild(L"幅").SetAttribute(L"値", L"五");
    EXPECT_EQ(Dump(root), u8"pyldlgHX\n  設定 名前=\"ライト二\" empty=\"\"\n    幅 値=\"五\"\n");
    EXPECT_EQ(e.GetAttribute(L"名前"), L"ライト二");
    std::string value = "stale";
    EXPECT_FALSE(e.GetAttribute("missing", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(e.GetAttribute("empty", value));
    e.SetText("body");
    EXPECT_EQ(e.GetTextW(), L"body");
}

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

} // namespace
