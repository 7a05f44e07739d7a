#include <gtest/gtest.h>

#include <string>

#include "host_fixture.h"
#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"
#include "scene/rendpyl_model.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

struct ObjectCase {
    RENDPYL_MODEL model;
    PYL_SCENE scene;
    HXDoc doc;

    int Convert(const std::string& objects, const std::string& materials = "",
                const std::string& mapping = "{}") {
        doc = OpenDoc("{\"materials\": [" + materials + "], \"objects\": [" + objects +
                      "], \"mapping\": " + mapping + "}");
        return ConvertScene(&scene, doc, &model, "C:\\w\\tmp\\tmp.pyl");
    }
};

TEST(ConvertObject, GeometryComesAcrossInHostOrder) {
    ObjectCase c;
    ASSERT_EQ(c.Convert(R"({"name": "quad", "smooth_angle": 30,
                           "vertices": [[0,0,0], [1,0,0], [1,1,0], [0,1,0]],
                           "faces": [{"v": [0,1,2,3], "uv": [[0,0],[1,0],[1,1],[0,1]], "m": 0},
                                     {"v": [2,1,0], "m": -1}]})",
                        R"({"name": "red"})"),
              1);
    ASSERT_EQ(c.scene.GetObjectCount(), 1);
    const PYL_OBJ* obj = c.scene.GetObject(0);
    EXPECT_FLOAT_EQ(obj->GetFacet(), 30 * 0.017453292f);
    EXPECT_EQ(obj->GetVertex(2), FVEC3(1, 1, 0));
    ASSERT_EQ(obj->GetFaceCount(), 2);
    const PYL_FACE* quad = obj->GetFace(0);
    EXPECT_EQ(quad->GetUV(2), FVEC2(1, 1));
    EXPECT_EQ(obj->GetFace(1)->GetMaterial(), -1);
    EXPECT_EQ(obj->GetFace(1)->GetVertex(0), 2);
}

// The host fills one entry per corner: a face of more than four corners is never read into
// the four-corner buffers, and an empty face is not exported.
TEST(ConvertObject, FacesWithoutCornersOrWithMoreThanFourAreSkipped) {
    ObjectCase c;
    TraceLog trace;
    hxhost::ClearCallLog();
    ASSERT_EQ(c.Convert(R"({"name": "odd", "vertices": [[0,0,0],[1,0,0],[1,1,0],[0,1,0],[0,2,0]],
                           "faces": [{"v": []}, {"v": [0,1,2,3,4]}, {"v": [0,1,2]}]})"),
              1);
    const PYL_OBJ* obj = c.scene.GetObject(0);
    ASSERT_EQ(obj->GetFaceCount(), 1);
    EXPECT_EQ(obj->GetFace(0)->GetCount(), 3);
    EXPECT_EQ(hxhost::CountCalls("HXObj_GetFacePointArray"), 1);
    EXPECT_EQ(hxhost::CountCalls("HXObj_GetFaceCoordinateArray"), 1);
    EXPECT_TRUE(trace.Has("[0]:face(0) skipped, points(0)"));
    EXPECT_TRUE(trace.Has("[0]:face(1) skipped, points(5)"));
}

TEST(ConvertObject, InvisibleObjectsLeaveNoTrace) {
    ObjectCase c;
    c.model.AddPointLight();
    ASSERT_EQ(c.Convert(R"({"name": "shown", "vertices": [[0,0,0], [2,0,0]]},
                           {"name": "hidden", "visible": 0, "mirror": 1, "vertices": [[0,0,0], [50,0,0]]})"),
              1);
    ASSERT_EQ(c.scene.GetObjectCount(), 1);
    EXPECT_STREQ(c.scene.GetObject(0)->GetName(), "shown");
    EXPECT_EQ(c.scene.GetLight(0)->col, FVEC3(1, 1, 1)); // the box of "shown" alone: r = 1
    EXPECT_EQ(hxhost::CountObjectCalls().clones, 0);
}

TEST(ConvertObject, MirroredLatheAndPatchObjectsAreReadFromAFrozenCopy) {
    ObjectCase c;
    const char* frozen = R"("vertices": [[0,0,0], [1,0,0], [0,1,0]], "faces": [{"v": [0,1,2]}],
                            "frozen": {"vertices": [[0,0,0], [1,0,0], [0,1,0], [-1,0,0]],
                                       "faces": [{"v": [0,1,2]}, {"v": [0,2,3]}]})";
    ASSERT_EQ(c.Convert(std::string("{\"name\": \"mirrored\", \"mirror\": 1, ") + frozen + "}, " +
                        "{\"name\": \"lathe\", \"lathe\": 1, " + frozen + "}, " +
                        "{\"name\": \"patch\", \"patch\": 2, " + frozen + "}, " + "{\"name\": \"plain\", " +
                        frozen + "}"),
              1);
    ASSERT_EQ(c.scene.GetObjectCount(), 4);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(c.scene.GetObject(i)->GetVertexCount(), 4) << i;
        EXPECT_EQ(c.scene.GetObject(i)->GetFaceCount(), 2) << i;
    }
    EXPECT_EQ(c.scene.GetObject(3)->GetVertexCount(), 3);
    hxhost::ObjectCalls calls = hxhost::CountObjectCalls();
    EXPECT_EQ(calls.clones, 3);
    EXPECT_EQ(calls.freezes, 3);
    EXPECT_EQ(calls.deletes, 3);
    EXPECT_EQ(calls.liveClones, 0);
    // The originals are untouched: they still read as their own shape.
    EXPECT_EQ(c.doc.GetObject(0).GetVertexCount(), 3);
}

TEST(ConvertObject, PylPointObjectBecomesALightAtItsCentre) {
    ObjectCase c;
    c.model.AddDirLight();
    c.model.AddPointLight();
    TraceLog trace;
    ASSERT_EQ(
        c.Convert(R"({"name": "@PYLPoint:lamp", "mirror": 1,
                           "vertices": [[0,0,0], [2,0,0], [2,0,0], [0,0,0]],
                           "faces": [{"v": [0,1,2], "m": 1}, {"v": [0,1,2], "m": 1}, {"v": [0,1,2], "m": -1}]},
                          {"name": "box", "vertices": [[0,0,0], [1,0,0]]})",
                  R"({"name": "white"}, {"name": "warm", "color": [1, 0.5, 0.25], "texture": "glow.bmp"})",
                  R"({"glow.bmp": "C:\\tex\\glow.bmp"})"),
        1);
    ASSERT_EQ(c.scene.GetObjectCount(), 1);
    EXPECT_STREQ(c.scene.GetObject(0)->GetName(), "box");
    ASSERT_EQ(c.scene.GetLightCount(), 3); // directional, command, settings point light
    EXPECT_EQ(c.scene.GetLight(0)->GetType(), PYL_LIGHT::PARALLEL);
    const PYL_LIGHT* lamp = c.scene.GetLight(1);
    EXPECT_EQ(lamp->GetType(), PYL_LIGHT::POINT);
    EXPECT_EQ(lamp->position, FVEC3(1, 0, 0));
    EXPECT_EQ(lamp->col, FVEC3(10, 5, 2.5f)); // b = 2, (b / 2)^2 x 10
    EXPECT_STREQ(lamp->GetTexture(), "C:\\tex\\glow.bmp");
    EXPECT_EQ(c.scene.GetLight(2)->GetType(), PYL_LIGHT::POINT);
    int command = trace.IndexOf("[0]:command(PYLPoint),base(lamp)");
    ASSERT_GE(command, 0);
    EXPECT_EQ(trace.IndexOf("bound_size(2)"), command + 1);
    EXPECT_EQ(trace.IndexOf("col_scale(10)"), command + 2);
    EXPECT_EQ(hxhost::CountObjectCalls().liveClones, 0); // the command object's copy is gone too
}

TEST(ConvertObject, MisspeltCommandsStayOrdinaryObjects) {
    ObjectCase c;
    TraceLog trace;
    ASSERT_EQ(
        c.Convert(R"({"name": "@:x"}, {"name": "@PYLPoint"}, {"name": "PYLPoint:x"}, {"name": "@pylpoint:x"},
                           {"name": "@PYLPoint:"})"),
        1);
    ASSERT_EQ(c.scene.GetObjectCount(), 4);
    EXPECT_STREQ(c.scene.GetObject(0)->GetName(), "@:x");
    EXPECT_STREQ(c.scene.GetObject(1)->GetName(), "@PYLPoint");
    EXPECT_STREQ(c.scene.GetObject(2)->GetName(), "PYLPoint:x");
    EXPECT_STREQ(c.scene.GetObject(3)->GetName(), "@pylpoint:x");
    EXPECT_TRUE(trace.Has("不明なコマンドです:pylpoint"));
    // An empty base is still the command; a vertex-less object has the zero box and centre.
    ASSERT_EQ(c.scene.GetLightCount(), 1);
    EXPECT_EQ(c.scene.GetLight(0)->position, FVEC3(0, 0, 0));
    EXPECT_EQ(c.scene.GetLight(0)->col, FVEC3(0, 0, 0));
}

TEST(ConvertObject, CommandNamesSplitAtTheFirstColon) {
    char command[256], base[256];
    EXPECT_EQ(SplitObjCommand(command, base, "@PYLPoint:a:b"), 1);
    EXPECT_STREQ(command, "PYLPoint");
    EXPECT_STREQ(base, "a:b");
    EXPECT_EQ(ParseObjCommand(base, "@PYLPoint:a:b"), OBJCMD_PYLPOINT);
    EXPECT_EQ(SplitObjCommand(command, base, ""), 0);
    EXPECT_EQ(GetObjCommandName(2), nullptr);
}

TEST(ConvertObject, MainMaterialHasTheMostFacesTiesGoingLow) {
    HXDoc doc = OpenDoc(R"({"materials": [{"name": "a"}, {"name": "b"}],
        "objects": [{"name": "none", "vertices": [[0,0,0]], "faces": [{"v": [0]}, {"v": [0]}]},
                    {"name": "tie", "vertices": [[0,0,0]], "faces": [{"v": [0], "m": 1}, {"v": [0], "m": 0}, {"v": [0], "m": 1},
                                               {"v": [0], "m": 0}, {"v": [0], "m": 0}, {"v": [0], "m": 1}]},
                    {"name": "unset wins ties", "vertices": [[0,0,0]], "faces": [{"v": [0], "m": 1}, {"v": [0], "m": -1}]},
                    {"name": "out of range", "vertices": [[0,0,0]], "faces": [{"v": [0], "m": 7}, {"v": [0], "m": 7}, {"v": [0], "m": 1}]},
                    {"name": "empty"}]})");
    EXPECT_EQ(GetObjMainMtl(doc, doc.GetObject(0)), -1);
    EXPECT_EQ(GetObjMainMtl(doc, doc.GetObject(1)), 0);
    EXPECT_EQ(GetObjMainMtl(doc, doc.GetObject(2)), -1);
    EXPECT_EQ(GetObjMainMtl(doc, doc.GetObject(3)), 1);
    EXPECT_EQ(GetObjMainMtl(doc, doc.GetObject(4)), -1);
    BBOX box;
    GetObjBBox(doc.GetObject(4), &box);
    EXPECT_EQ(box.min, FVEC3(0, 0, 0));
    EXPECT_EQ(box.max, FVEC3(0, 0, 0));
}

} // namespace
