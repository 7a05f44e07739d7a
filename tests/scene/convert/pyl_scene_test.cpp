#include <gtest/gtest.h>

#include <string>

#include "scene/pyl_scene.h"

namespace {

TEST(PylScene, FindChannelAndLightGiveTheFirstOfAType) {
    PYL_SCENE scene;
    PYL_MTL* mtl = scene.AddMaterial();
    mtl->AddChannel()->SetType(PYL_MTLCH::DIFFUSE);
    PYL_MTLCH* first = mtl->AddChannel();
    first->SetType(PYL_MTLCH::SPECULAR);
    mtl->AddChannel()->SetType(PYL_MTLCH::SPECULAR);
    EXPECT_EQ(mtl->FindChannel(PYL_MTLCH::SPECULAR), first);
    EXPECT_EQ(mtl->FindChannel(PYL_MTLCH::NORMAL), nullptr);

    scene.AddLight();
    PYL_LIGHT* point = scene.AddLight();
    point->SetType(PYL_LIGHT::POINT);
    EXPECT_EQ(scene.FindLightByType(PYL_LIGHT::POINT), point);
    EXPECT_EQ(scene.FindLightByType(7), nullptr);
}

// A text longer than its field is cut within it, never in the middle of a double-byte character.
TEST(PylScene, LongTextsAreCutInsideTheirFields) {
    PYL_OBJ obj;
    std::string name(254, 'a');
    name += "\x83\x41"; // a Shift-JIS character straddling the 255-byte limit
    obj.SetName(name.c_str());
    EXPECT_EQ(std::string(obj.GetName()), std::string(254, 'a'));

    PYL_MTLCH ch;
    std::string path(1500, 'p');
    ch.SetTexture(path.c_str());
    EXPECT_EQ(strlen(ch.GetTexture()), 1023u);
    ch.SetTexture(nullptr);
    EXPECT_STREQ(ch.GetTexture(), "");
}

} // namespace
