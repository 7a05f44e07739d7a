// The element wrapper against a host that answers nothing. Texts crossing as UTF-8 are pinned by the
// golden settings files and the settings reader's hostile loop.
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

} // namespace
