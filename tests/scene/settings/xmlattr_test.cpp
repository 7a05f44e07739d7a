// Typed attributes: the texts written, and what each reader makes of good and bad texts.
#include "tests/scene/scenehost.h"

#include "scene/xmlattr.h"

#include <array>
#include <cfloat>
#include <cstdint>

namespace {

// Value types as tuples of their elements: compared element by element, each shown on failure.
struct ELEMS {
    static auto Of(const FVEC3& v) { return std::make_tuple(v.x, v.y, v.z); }
    static auto Of(const FQUAT& q) { return std::make_tuple(q.x, q.y, q.z, q.w); }
    static auto Of(const RGBCOLOR& c) { return std::make_tuple(int(c.r), int(c.g), int(c.b), int(c.a)); }
};

// "%f" of the float as a double: no exponent, the sign of zero kept.
TEST(XmlAttr, WrittenTexts) {
    OpenDoc("{}");
    HXXmlElement e = FreshElement().AddChild("e");
    const float fs[2] = {0.5f, -1.25f};
    SetAttr(e, "f", 1.0f / 3.0f);
    SetAttr(e, "tiny", 4e-7f);
    SetAttr(e, "negzero", -0.0f);
    SetAttr(e, "big", 1e20f);
    SetAttr(e, "q", FQUAT(0, 0, 0, 1));
    SetAttr(e, "v4", FVEC4(1, 2, 3, 4));
    SetAttr(e, "rgba", RGBCOLOR(1, 2, 3, 4));
    SetAttr(e, "fa", &fs[0], 2);
    EXPECT_EQ(Dump(e),
              "e f=\"0.333333\" tiny=\"0.000000\" negzero=\"-0.000000\" big=\"100000002004087734272.000000\""
              " q=\"0.000000 0.000000 0.000000 1.000000\" v4=\"1.000000 2.000000 3.000000 4.000000\" "
              "rgba=\"1 2 3 4\""
              " fa=\"0.500000 -1.250000\"\n");
}

// The leading number of the text, 0 when it has none; integers saturate to their type.
TEST(XmlAttr, ReadersOfGoodAndBadTexts) {
    OpenDoc("{}");
    HXXmlElement e = FreshElement();
    // The text, then what int8, uint8, int16, uint16, int and uint32 make of it.
    const std::pair<const char*, std::array<long long, 6>> integers[] = {
        {"300", {127, 255, 300, 300, 300, 300}},
        {"-300", {-128, 0, -300, 0, -300, 0}},
        {"123456789012345678901234567890", {127, 255, 32767, 65535, INT32_MAX, UINT32_MAX}},
        {"-2147483649", {-128, 0, -32768, 0, INT32_MIN, 0}},
        {" 42abc", {42, 42, 42, 42, 42, 42}},
        {"abc", {0, 0, 0, 0, 0, 0}},
        {"-", {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [text, want] : integers) {
        e.SetAttribute("v", text);
        std::array<long long, 6> got = {GetAttrOr<int8_t>(e, "v", 9),  GetAttrOr<uint8_t>(e, "v", 9),
                                        GetAttrOr<int16_t>(e, "v", 9), GetAttrOr<uint16_t>(e, "v", 9),
                                        GetAttrOr<int>(e, "v", 9),     GetAttrOr<uint32_t>(e, "v", 9)};
        EXPECT_EQ(got, want) << text;
    }
    // A float is 0 without a leading number; too small is 0. Vector components the text does not supply
    // keep their values, and so does everything when the attribute is absent. A number that is not
    // finite reads like garbage, so no setting, and so no scene line, ever holds one.
    struct Row {
        std::string text;
        float value;
        std::tuple<float, float, float> vector;
    };
    std::vector<Row> rows = {
        {"abc", 0, {7, 8, 9}},
        {"+0.5", 0.5f, {0.5f, 8, 9}},
        {"1.5 abc 3", 1.5f, {1.5f, 8, 9}},
        {"  2e3, 4", 2000, {2000, 8, 9}},
        {"1e-999 1e999", 0, {0, 8, 9}},
        {"--1 2 3", 0, {7, 8, 9}},
        {"12px 3", 12, {12, 8, 9}},
        {"", 0, {7, 8, 9}},
    };
    for (std::string text : {"nan", "-nan", "NaN(12)", "inf", "-inf", "+INF", "infinity", "1e999", "-1e39"}) {
        rows.push_back({text, 0, {7, 8, 9}});
        rows.push_back({"2 " + text + " 3", 2, {2, 8, 9}}); // reading stops at the piece that is no number
    }
    for (const auto& row : rows) {
        e.SetAttribute("v", row.text.c_str());
        EXPECT_EQ(GetAttrOr(e, "v", 9.0f), row.value) << row.text;
        EXPECT_EQ(ELEMS::Of(GetAttrOr(e, "v", FVEC3(7, 8, 9))), row.vector) << row.text;
    }
    FVEC3 v(1, 2, 3);
    EXPECT_EQ(std::tuple(0, 1.0f, 2.0f, 3.0f), (std::tuple{GetAttr(e, "absent", v), v.x, v.y, v.z}));
    // Colour channels are clamped, never wrapped; missing ones keep theirs. Arrays are split at blanks,
    // each piece's leading number or 0; extra pieces are ignored.
    e.SetAttribute("rgba", "-1 256 7 1000");
    e.SetAttribute("short", "5");
    e.SetAttribute("ints", "4 x 6 7");
    e.SetAttribute("floats", "  1.5   abc 2.5e1 ");
    EXPECT_EQ(ELEMS::Of(GetAttrOr(e, "rgba", RGBCOLOR(9, 9, 9, 9))), std::make_tuple(0, 255, 7, 255));
    EXPECT_EQ(ELEMS::Of(GetAttrOr(e, "short", RGBCOLOR(9, 9, 9, 9))), std::make_tuple(5, 9, 9, 9));
    EXPECT_EQ(ELEMS::Of(GetAttrRGBOr(e, "short", RGBCOLOR(9, 9, 9, 9))), std::make_tuple(5, 9, 9, 255));
    int ia[3] = {-1, -1, -1};
    GetAttr(e, "ints", ia, 3);
    EXPECT_EQ(std::vector<int>(ia, ia + 3), std::vector<int>({4, 0, 6}));
    float fa[4] = {-1, -1, -1, -1};
    GetAttr(e, "floats", fa, 4);
    EXPECT_EQ(std::vector<float>(fa, fa + 4), std::vector<float>({1.5f, 0, 25, -1}));
    EXPECT_EQ(ELEMS::Of(GetAttrOr(e, "ints", FQUAT(9, 9, 9, 9))), std::make_tuple(4.0f, 9.0f, 9.0f, 9.0f));
}

} // namespace
