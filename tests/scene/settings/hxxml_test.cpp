// The element wrapper: texts crossing to the host's tree as UTF-8, and a host that answers nothing.
#include "tests/scene/scenehost.h"

#include "host/hxhostfn.h"

#include <tuple>

namespace {

// Every out word must be null on entry, so a host that answers nothing gives nothing, never garbage;
// a null element asks the host nothing at all.
struct SILENTHOST {
    static inline std::vector<int> codes, dirty; // every code asked; those whose out word was not null
    static int __cdecl Value(HXXmlHandle, int code, void** block) {
        codes.push_back(code);
        int out = code == 0x101 || code == 0x201 || code == 0x303 ? 1 : code == 0x202 ? 2 : -1;
        if (code == 0x203 || code == 0x301 || code == 0x302) out = 0;
        if (out >= 0 && block[out]) dirty.push_back(code);
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
    // Each answer in the order asked: 1 where an element or success came back.
    EXPECT_EQ((std::vector<int>{!!none.AddChild("x"), !!none.FirstChild(), !!none.GetParent(),
                                none.GetAttribute("a", nullValue)}),
              std::vector<int>(4, 0));
    none.SetAttribute("a", "b");
    EXPECT_EQ(SILENTHOST::codes, std::vector<int>());
    EXPECT_EQ((std::vector<int>{!!elem.AddChild("x"), !!elem.FirstChild(), !!elem.NextChild(elem),
                                !!elem.GetParent(), elem.GetText(text), elem.GetAttribute("a", value),
                                elem.RemoveChild(elem)}),
              std::vector<int>(7, 0));
    EXPECT_EQ(std::make_tuple(elem.GetName(), elem.GetNameW(), nullValue, text, value),
              std::make_tuple(std::string(), std::wstring(), std::string(), std::string(), std::string()));
    hxfn::HXXmlElem_Value = saved;
    EXPECT_EQ(SILENTHOST::dirty, std::vector<int>());
    EXPECT_EQ(SILENTHOST::codes,
              (std::vector<int>{0x101, 0x201, 0x202, 0x203, 0x302, 0x303, 0x102, 0x301, 0x301}));
    EXPECT_EQ(
        std::make_tuple(Utf8ToAnsi(nullptr), AnsiToUtf8(nullptr), WideToUtf8(nullptr), Utf8ToWide(nullptr)),
        std::make_tuple(std::string(), std::string(), std::string(), std::wstring()));
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
    // What the host holds: UTF-8.
    EXPECT_EQ(std::tuple(HostElem(ansi)->Name(), *HostElem(ansi)->FindAttribute(u8"名前"),
                         *HostElem(wide)->FindAttribute(u8"値")),
              std::tuple(std::string(u8"設定"), std::string(u8"ライト一"), std::string(u8"五")));
    EXPECT_EQ(std::tuple(ansi.Handle(), ansi.Handle(), wide.Handle(), wide.Handle()),
              std::tuple(root.FirstChild("設定").Handle(), root.FirstChild(L"設定").Handle(),
                         root.NextChild("設定", ansi).Handle(), root.NextChild(L"設定", ansi).Handle()));
    std::wstring text;
    EXPECT_EQ(std::tuple(std::wstring(L"ライト一"), std::string("五"), std::wstring(L"設定"), true,
                         std::wstring(L"本文"), std::wstring(L"本文"), std::string("本文")),
              (std::tuple{ansi.GetAttribute(L"名前"), wide.GetAttribute("値"), wide.GetNameW(),
                          wide.GetText(text), text, wide.GetTextW(), ansi.GetText()}));
}

} // namespace
