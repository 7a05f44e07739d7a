// Stored settings that spell a number which is not finite fall back as garbage does: no setting, and
// so no scene line, ever holds one.
#include "tests/scene/scenehost.h"

#include "scene/xmlattr.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NonFinite, NanAndInfinityReadLikeGarbage) {
    HXXmlElement e = FreshElement().AddChild("e");
    for (const char* text :
         {"abc", "nan", "-nan", "NaN(12)", "inf", "-inf", "+INF", "infinity", "1e999", "-1e39"}) {
        e.SetAttribute("f", text);
        e.SetAttribute("v", (std::string("2 ") + text + " 3").c_str());
        float f = 5.0f;
        FVEC3 v(7, 7, 7);
        GetAttr(e, "f", f);
        GetAttr(e, "v", v);
        EXPECT_EQ(f, 0.0f) << text;
        EXPECT_EQ(v, FVEC3(2, 7, 7)) << text; // reading stops at the first piece that is no number
    }
}

} // namespace
