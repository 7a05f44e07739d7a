// Typed attributes: the texts written, and what each reader makes of good and bad texts.
#include "ownhost.h"

#include "scene/xmlattr.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(XmlAttr, WrittenTexts) {
    HXXmlElement e = FreshElement().AddChild("e");
    SetAttr(e, "i", -42);
    SetAttr(e, "f", 1.0f / 3.0f);
    SetAttr(e, "tiny", 4e-7f);
    SetAttr(e, "negzero", -0.0f);
    SetAttr(e, "big", 1e20f);
    SetAttr(e, "v2", FVEC2(1, -2));
    SetAttr(e, "v4", FVEC4(1, 2, 3, 4));
    SetAttr(e, "q", FQUAT(0, 0, 0, 1));
    SetAttr(e, "rgba", RGBCOLOR(1, 2, 3, 4));
    SetAttrRGB(e, "rgb", RGBCOLOR(1, 2, 3, 4));
    const float fs[3] = {0.5f, -1.25f, 2};
    const int is[2] = {7, -8};
    SetAttr(e, "fa", fs, 3);
    SetAttr(e, "ia", is, 2);
    SetAttr(e, "text", "a \"b\" c");
    EXPECT_EQ(Dump(e), "e i=\"-42\" f=\"0.333333\" tiny=\"0.000000\" negzero=\"-0.000000\""
                       " big=\"100000002004087734272.000000\" v2=\"1.000000 -2.000000\""
                       " v4=\"1.000000 2.000000 3.000000 4.000000\" q=\"0.000000 0.000000 0.000000 1.000000\""
                       " rgba=\"1 2 3 4\" rgb=\"1 2 3\" fa=\"0.500000 -1.250000 2.000000\" ia=\"7 -8\""
                       " text=\"a \"b\" c\"\n");
}

TEST(XmlAttr, AbsentAttributesLeaveDestinations) {
    HXXmlElement e = FreshElement().AddChild("e");
    FVEC3 v(1, 2, 3);
    char text[8] = "keep";
    int ia[2] = {1, 2};
    EXPECT_EQ(GetAttr(e, "x", v), 0);
    EXPECT_EQ(GetAttr(e, "x", text), 0);
    EXPECT_EQ(GetAttr(e, "x", ia, 2), 0);
    EXPECT_EQ(v, FVEC3(1, 2, 3));
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(ia[1], 2);
    EXPECT_EQ(GetAttrRGBOr(e, "x", RGBCOLOR(1, 2, 3, 4)), RGBCOLOR(1, 2, 3, 4));
}

TEST(XmlAttr, IntegersSaturateToTheirWidth) {
    HXXmlElement e = FreshElement().AddChild("e");
    e.SetAttribute("big", "300");
    e.SetAttribute("neg", "-300");
    e.SetAttribute("huge", "123456789012345678901234567890");
    int8_t i8 = 0;
    uint8_t u8 = 0;
    int16_t i16 = 0;
    uint16_t u16 = 0;
    uint32_t u32 = 0;
    int i32 = 0;
    GetAttr(e, "big", i8);
    GetAttr(e, "big", u8);
    EXPECT_EQ(i8, 127);
    EXPECT_EQ(u8, 255);
    GetAttr(e, "neg", i8);
    GetAttr(e, "neg", u16);
    EXPECT_EQ(i8, -128);
    EXPECT_EQ(u16, 0);
    GetAttr(e, "huge", i16);
    GetAttr(e, "huge", u32);
    GetAttr(e, "huge", i32);
    EXPECT_EQ(i16, 32767);
    EXPECT_EQ(u32, 4294967295u);
    EXPECT_EQ(i32, 2147483647);
    EXPECT_EQ(GetAttrOr(e, "neg", 0), -300);
}

TEST(XmlAttr, ColoursAndArrays) {
    HXXmlElement e = FreshElement().AddChild("e");
    e.SetAttribute("rgba", "-1 256 7 1000");
    e.SetAttribute("short", "5");
    e.SetAttribute("ints", "4 x 6 7");
    e.SetAttribute("floats", "  1.5   abc 2.5e1 ");
    RGBCOLOR c(9, 9, 9, 9);
    GetAttr(e, "rgba", c);
    EXPECT_EQ(c, RGBCOLOR(0, 255, 7, 255));
    c = RGBCOLOR(9, 9, 9, 9);
    GetAttr(e, "short", c); // four-channel form: missing channels keep theirs, alpha too
    EXPECT_EQ(c, RGBCOLOR(5, 9, 9, 9));
    // Split at blanks: each piece's leading number, 0 when it has none; extra pieces are ignored.
    int ia[3] = {-1, -1, -1};
    GetAttr(e, "ints", ia, 3);
    EXPECT_EQ(ia[0], 4);
    EXPECT_EQ(ia[1], 0);
    EXPECT_EQ(ia[2], 6);
    float fa[4] = {-1, -1, -1, -1};
    GetAttr(e, "floats", fa, 4);
    EXPECT_EQ(fa[0], 1.5f);
    EXPECT_EQ(fa[1], 0.0f);
    EXPECT_EQ(fa[2], 25.0f);
    EXPECT_EQ(fa[3], -1.0f);
    FQUAT q(9, 9, 9, 9);
    GetAttr(e, "ints", q); // stops at the first piece that is not a number
    EXPECT_EQ(q.x, 4.0f);
    EXPECT_EQ(q.y, 9.0f);
}

} // namespace
