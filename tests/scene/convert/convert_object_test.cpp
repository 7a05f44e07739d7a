// Objects and lights of host documents converted; the golden documents pin the rest of the scene.
#include "tests/scene/scenehost.h"

#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"

#include <cstdio>

namespace {

// Type, position or direction, colour and texture.
std::string Light(const PYL_LIGHT* l) {
    bool point = l->GetType() == PYL_LIGHT::POINT;
    const FVEC3& v = point ? l->position : l->direction;
    char text[128];
    std::snprintf(text, sizeof text, "%s %g %g %g | %g %g %g %s", point ? "point" : "parallel", v.x, v.y, v.z,
                  l->col.x, l->col.y, l->col.z, l->GetTexture());
    return text;
}

struct ObjectCase {
    RENDPYL_MODEL model;
    PYL_SCENE scene;
    HXDoc doc;

    int Convert(const std::string& json) {
        doc = OpenDoc(json);
        return ConvertScene(&scene, doc, &model, "C:\\w\\tmp\\tmp.pyl");
    }
    std::string Names() {
        std::string names;
        for (int i = 0; i < scene.GetObjectCount(); i++)
            names += std::string(i ? "|" : "") + scene.GetObject(i)->GetName();
        return names;
    }
};

// The host fills one entry per corner: a face of more than four corners is never read into the
// four-corner buffers, and one without corners is not exported. Names are cut at a whole character.
TEST(ConvertObject, FacesWithoutCornersOrWithMoreThanFourAreSkipped) {
    ObjectCase c;
    TraceLog trace;
    hxhost::ClearCallLog();
    ASSERT_EQ(c.Convert(R"({"objects": [{"name": ")" + std::string(254, 'a') + u8R"(ア",
        "vertices": [[0,0,0], [1,0,0], [1,1,0], [0,1,0], [0,2,0]],
        "faces": [{"v": [0,1,2,3]}, {"v": [2,1,0], "m": -1}, {"v": []}, {"v": [0,1,2,3,4]}]}]})"),
              1);
    const PYL_OBJ* obj = c.scene.GetObject(0);
    EXPECT_EQ(std::string(obj->GetName()), std::string(254, 'a'));
    ASSERT_EQ(obj->GetFaceCount(), 2);
    EXPECT_EQ(obj->GetFace(1)->GetVertex(0), 2);
    EXPECT_EQ(hxhost::CountCalls("HXObj_GetFacePointArray"), 2);
    EXPECT_TRUE(trace.Has("[0]:face(2) skipped, points(0)\n[0]:face(3) skipped, points(5)"));
}

// "@PYLPoint:base" objects become point lights at their centre, coloured by their main material: a
// box 2 wide gives (2 / 2)^2 x 10 times the colour. An empty base is still the command; an object
// without vertices has the zero box. Names that only look like commands stay objects.
TEST(ConvertObject, PylPointObjectsBecomeLights) {
    ObjectCase c;
    c.model.AddDirLight();
    c.model.AddPointLight();
    TraceLog trace;
    ASSERT_EQ(
        c.Convert(R"({"materials": [{"name": "white"}, {"color": [1, 0.5, 0.25], "texture": "glow.bmp"}],
        "mapping": {"glow.bmp": "C:\\tex\\glow.bmp"},
        "objects": [{"name": "@PYLPoint:lamp", "mirror": 1, "vertices": [[0,0,0], [2,0,0], [2,0,0], [0,0,0]],
                     "faces": [{"v": [0,1,2], "m": 1}, {"v": [0,1,2], "m": 1}, {"v": [0,1,2], "m": -1}]},
                    {"name": "box"}, {"name": "@:x"}, {"name": "@PYLPoint"}, {"name": "PYLPoint:x"},
                    {"name": "@pylpoint:x"}, {"name": "@PYLPoint:"}]})"),
        1);
    EXPECT_EQ(c.Names(), "box|@:x|@PYLPoint|PYLPoint:x|@pylpoint:x");
    ASSERT_EQ(c.scene.GetLightCount(), 4); // the settings' directional, two commands, the settings' point
    EXPECT_EQ(Light(c.scene.GetLight(1)), "point 1 0 0 | 10 5 2.5 C:\\tex\\glow.bmp");
    EXPECT_EQ(Light(c.scene.GetLight(2)), "point 0 0 0 | 0 0 0 ");
    EXPECT_EQ(c.scene.FindLightByType(PYL_LIGHT::POINT), c.scene.GetLight(1));
    EXPECT_TRUE(trace.Has("[0]:command(PYLPoint),base(lamp)\nbound_size(2)\ncol_scale(10)"));
    EXPECT_TRUE(trace.Has("不明なコマンドです:pylpoint"));
    hxhost::ObjectCalls calls = hxhost::CountObjectCalls(); // the mirrored command's copy is gone
    EXPECT_EQ(std::make_pair(calls.clones, calls.liveClones), std::make_pair(1, 0));
}

TEST(ConvertObject, MainMaterialHasTheMostFacesTiesGoingLow) {
    HXDoc doc = OpenDoc(R"({"materials": [{"name": "a"}, {"name": "b"}], "objects": [
        {"vertices": [[0,0,0]], "faces": [{"v": [0]}, {"v": [0]}]},
        {"vertices": [[0,0,0]], "faces": [{"v": [0], "m": 1}, {"v": [0], "m": 0}, {"v": [0], "m": 1}, {"v": [0], "m": 0},
                                          {"v": [0], "m": 0}]},
        {"vertices": [[0,0,0]], "faces": [{"v": [0], "m": 1}, {"v": [0], "m": -1}]},
        {"vertices": [[0,0,0]], "faces": [{"v": [0], "m": 7}, {"v": [0], "m": 7}, {"v": [0], "m": 1}]}, {}]})");
    std::string main;
    for (int i = 0; i < 5; i++)
        main += std::to_string(GetObjMainMtl(doc, doc.GetObject(i))) + " ";
    EXPECT_EQ(main, "-1 0 -1 1 -1 ");
}

// Point lights scale with the box of the visible objects: half the diagonal sqrt(3), squared, times
// the scale 2. With nothing visible the box counts as a zero box, so intensities stay finite.
TEST(ConvertObject, PointLightsScaleWithTheVisibleSceneBox) {
    const char* hidden = R"({"visible": 0, "mirror": 1, "vertices": [[-100,-100,-100], [100,100,100]]})";
    ObjectCase c;
    RENDPYL_LIGHTPOINT* p = c.model.AddPointLight();
    p->SetPos(FVEC3(1, 2, 3));
    p->col.value = FVEC3(1, 0.5f, 2);
    p->scale.value = 2.0f;
    p->SetFilename("bulb.bmp");
    ASSERT_EQ(c.Convert(R"({"objects": [{"vertices": [[-1,-1,-1], [1,1,1]]}, )" + std::string(hidden) + "]}"),
              1);
    EXPECT_EQ(Light(c.scene.GetLight(0)), "point 1 2 3 | 6 3 12 bulb.bmp");
    EXPECT_EQ(std::make_pair(c.scene.GetObjectCount(), hxhost::CountObjectCalls().clones),
              std::make_pair(1, 0));
    ObjectCase empty;
    empty.model.AddPointLight();
    ASSERT_EQ(empty.Convert(R"({"objects": [)" + std::string(hidden) + "]}"), 1);
    EXPECT_EQ(Light(empty.scene.GetLight(0)), "point 0 0 0 | 0 0 0 ");
}

} // namespace
