// Objects, the camera and the lights of host documents converted.
#include "tests/scene/scenehost.h"

#include "scene/convert_scene.h"
#include "scene/pyl_scene.h"

#include <cstdio>

namespace {

// Identity, a camera at (0, 0, 10) looking down -z, one at (5, 1, 0) looking along -x (the host's
// views hold right, up and forward as columns), and a 60-degree lens shifted by (0.1, -0.2).
const char* kIdentity = "[1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1]";
const char* kDownZ = "[1,0,0,0, 0,1,0,0, 0,0,-1,0, 0,0,10,1]";
const char* kAlongX = "[0,0,-1,0, 0,1,0,0, -1,0,0,0, 0,-1,5,1]";
const char* kPerspective = "[1.7320508,0,0,0, 0,1.7320508,0,0, 0.1,-0.2,1,1, 0,0,-1,0]";

std::string Vec(const FVEC3& v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.5g %.5g %.5g", v.x + 0.0f, v.y + 0.0f, v.z + 0.0f); // no "-0"
    return text;
}

// Type, position or direction, colour and texture.
std::string Light(const PYL_LIGHT* l) {
    bool point = l->GetType() == PYL_LIGHT::POINT;
    return std::string(point ? "point " : "parallel ") + Vec(point ? l->position : l->direction) + " | " +
           Vec(l->col) + " " + l->GetTexture();
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
TEST(ConvertObject, GeometryComesAcrossInHostOrder) {
    ObjectCase c;
    TraceLog trace;
    hxhost::ClearCallLog();
    ASSERT_EQ(
        c.Convert(R"({"materials": [{"name": "red"}], "objects": [{"name": ")" + std::string(254, 'a') +
                  u8R"(ア", "smooth_angle": 30, "vertices": [[0,0,0], [1,0,0], [1,1,0], [0,1,0], [0,2,0]],
                           "faces": [{"v": [0,1,2,3], "uv": [[0,0],[1,0],[1,1],[0,1]], "m": 0}, {"v": [2,1,0], "m": -1},
                                     {"v": []}, {"v": [0,1,2,3,4]}]}]})"),
        1);
    const PYL_OBJ* obj = c.scene.GetObject(0);
    EXPECT_EQ(std::string(obj->GetName()), std::string(254, 'a'));
    EXPECT_FLOAT_EQ(obj->GetFacet(), 30 * 0.017453292f);
    EXPECT_EQ(obj->GetVertex(2), FVEC3(1, 1, 0));
    ASSERT_EQ(obj->GetFaceCount(), 2);
    EXPECT_EQ(obj->GetFace(0)->GetUV(2), FVEC2(1, 1));
    EXPECT_EQ(obj->GetFace(1)->GetMaterial(), -1);
    EXPECT_EQ(obj->GetFace(1)->GetVertex(0), 2);
    EXPECT_EQ(hxhost::CountCalls("HXObj_GetFacePointArray"), 2);
    EXPECT_TRUE(trace.Has("[0]:face(2) skipped, points(0)"));
    EXPECT_TRUE(trace.Has("[0]:face(3) skipped, points(5)"));
}

TEST(ConvertObject, MirroredLatheAndPatchObjectsAreReadFromAFrozenCopy) {
    ObjectCase c;
    std::string objects;
    for (const char* kind : {"\"mirror\": 1", "\"lathe\": 1", "\"patch\": 2", "\"name\": \"plain\""})
        objects += std::string(objects.empty() ? "" : ", ") + "{" + kind + R"(,
            "vertices": [[0,0,0], [1,0,0], [0,1,0]], "faces": [{"v": [0,1,2]}],
            "frozen": {"vertices": [[0,0,0], [1,0,0], [0,1,0], [-1,0,0]], "faces": [{"v": [0,1,2]}, {"v": [0,2,3]}]}})";
    ASSERT_EQ(c.Convert("{\"objects\": [" + objects + "]}"), 1);
    ASSERT_EQ(c.scene.GetObjectCount(), 4);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(c.scene.GetObject(i)->GetFaceCount(), i < 3 ? 2 : 1) << i;
    hxhost::ObjectCalls calls = hxhost::CountObjectCalls();
    EXPECT_EQ(std::vector<int>({calls.clones, calls.freezes, calls.deletes, calls.liveClones}),
              std::vector<int>({3, 3, 3, 0}));
    EXPECT_EQ(c.doc.GetObject(0).GetVertexCount(), 3); // the original is untouched
}

// "@PYLPoint:base" objects become point lights at their centre, coloured by their main material;
// names that only look like commands stay objects.
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
                    {"name": "box", "vertices": [[0,0,0], [1,0,0]]}, {"name": "@:x"}, {"name": "@PYLPoint"},
                    {"name": "PYLPoint:x"}, {"name": "@pylpoint:x"}, {"name": "@PYLPoint:"}]})"),
        1);
    EXPECT_EQ(c.Names(), "box|@:x|@PYLPoint|PYLPoint:x|@pylpoint:x");
    ASSERT_EQ(c.scene.GetLightCount(), 4); // settings directional, two commands, settings point
    EXPECT_EQ(c.scene.GetLight(0)->GetType(), PYL_LIGHT::PARALLEL);
    // The lamp's box is 2 wide: (2 / 2)^2 x 10 times its colour. An empty base is still the command;
    // an object without vertices has the zero box.
    EXPECT_EQ(Light(c.scene.GetLight(1)), "point 1 0 0 | 10 5 2.5 C:\\tex\\glow.bmp");
    EXPECT_EQ(Light(c.scene.GetLight(2)), "point 0 0 0 | 0 0 0 ");
    EXPECT_EQ(c.scene.GetLight(3)->GetType(), PYL_LIGHT::POINT);
    EXPECT_TRUE(trace.Has("[0]:command(PYLPoint),base(lamp)\nbound_size(2)\ncol_scale(10)"));
    EXPECT_TRUE(trace.Has("不明なコマンドです:pylpoint"));
    EXPECT_EQ(hxhost::CountObjectCalls().liveClones, 0);
    char command[256], base[256];
    EXPECT_EQ(SplitObjCommand(command, base, "@PYLPoint:a:b"), 1);
    EXPECT_EQ(std::string(command) + "|" + base, "PYLPoint|a:b");
}

TEST(ConvertObject, MainMaterialHasTheMostFacesTiesGoingLow) {
    HXDoc doc = OpenDoc(R"({"materials": [{"name": "a"}, {"name": "b"}], "objects": [
        {"vertices": [[0,0,0]], "faces": [{"v": [0]}, {"v": [0]}]},
        {"vertices": [[0,0,0]], "faces": [{"v": [0], "m": 1}, {"v": [0], "m": 0}, {"v": [0], "m": 1}, {"v": [0], "m": 0},
                                          {"v": [0], "m": 0}]},
        {"vertices": [[0,0,0]], "faces": [{"v": [0], "m": 1}, {"v": [0], "m": -1}]},
        {"vertices": [[0,0,0]], "faces": [{"v": [0], "m": 7}, {"v": [0], "m": 7}, {"v": [0], "m": 1}]},
        {}]})");
    const int main[] = {-1, 0, -1, 1, -1};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(GetObjMainMtl(doc, doc.GetObject(i)), main[i]) << i;
}

// Point lights scale with the box of the visible objects; with none it counts as a zero box, so
// intensities stay finite.
TEST(ConvertView, PointLightsScaleWithTheVisibleSceneBox) {
    const char* hidden =
        R"({"name": "hidden", "visible": 0, "mirror": 1, "vertices": [[-100,-100,-100], [100,100,100]]})";
    ObjectCase c;
    RENDPYL_LIGHTPOINT* p = c.model.AddPointLight();
    p->SetPos(FVEC3(1, 2, 3));
    p->col.value = FVEC3(1, 0.5f, 2);
    p->scale.value = 2.0f;
    p->SetFilename("bulb.bmp");
    TraceLog trace;
    ASSERT_EQ(c.Convert(R"({"objects": [{"name": "cube", "vertices": [[-1,-1,-1], [1,1,1]]}, )" +
                        std::string(hidden) + "]}"),
              1);
    EXPECT_EQ(c.Names(), "cube");
    EXPECT_EQ(Light(c.scene.GetLight(0)),
              "point 1 2 3 | 6 3 12 bulb.bmp"); // half diagonal sqrt(3), squared, x 2
    EXPECT_TRUE(trace.Has("bound_size(2)"));
    EXPECT_EQ(hxhost::CountObjectCalls().clones, 0);
    ObjectCase empty;
    empty.model.AddPointLight();
    ASSERT_EQ(empty.Convert("{\"objects\": [" + std::string(hidden) + "]}"), 1);
    EXPECT_EQ(Light(empty.scene.GetLight(0)), "point 0 0 0 | 0 0 0 ");
}

// Orthographic views take their width from the distance: 2 atan(1 / (100 x 0.01)) is 90 degrees,
// and a 0.024 film at 90 degrees has a focal length of 0.012.
TEST(ConvertView, CamerasPerspectiveAndOrthographic) {
    const char* rows[][3] = {
        {kDownZ, kPerspective, "0 0 10 | 0 0 0 | 0 1 0 | 60 | 0.1 -0.2 | 0.02078"},
        {kAlongX, kPerspective, "5 1 0 | 0 1 0 | 0 1 0 | 60 | 0.1 -0.2 | 0.02078"},
        {"[1,0,0,0, 0,1,0,0, 0,0,-1,0, 0,0,100,1]", "[0.01,0,0,0, 0,0.01,0,0, 0,0,0.001,0, 0.25,0.5,0,1]",
         "0 0 100 | 0 0 0 | 0 1 0 | 90 | 0.25 0.5 | 0.012"},
    };
    for (const auto& row : rows) {
        ObjectCase c;
        ASSERT_EQ(c.Convert(std::string("{\"scene\": {\"view\": ") + row[0] + ", \"proj\": " + row[1] + "}}"),
                  1);
        const PYL_EYE* eye = c.scene.GetEye(0);
        char text[64];
        std::snprintf(text, sizeof text, " | %.5g | %.5g %.5g | %.4g", eye->GetFov(), eye->GetShift().x,
                      eye->GetShift().y, eye->focal_length);
        EXPECT_EQ(Vec(eye->GetPosition()) + " | " + Vec(eye->GetFocus()) + " | " + Vec(eye->GetUpside()) +
                      text,
                  row[2]);
    }
}

// A light that follows the camera keeps its direction in the camera: straight ahead is the view's
// forward direction in the world.
TEST(ConvertView, DirectionalLightsFollowTheCameraOrNot) {
    ObjectCase c;
    RENDPYL_LIGHTDIR* fixed = c.model.AddDirLight();
    fixed->SetCamTrace(0);
    fixed->SetDir(FVEC3(0, 0, 1));
    fixed->col.value = FVEC3(1, 0.5f, 0);
    fixed->scale.value = 4.0f;
    fixed->SetFilename("light.bmp");
    RENDPYL_LIGHTDIR* follower = c.model.AddDirLight();
    follower->SetSrcDir(FVEC3(0, 0, 1));
    follower->SetDir(FVEC3(9, 9, 9));
    c.model.AddDirLight()->SetSrcDir(FVEC3(0.25f, -0.5f, 1));
    ASSERT_EQ(
        c.Convert(std::string("{\"scene\": {\"view\": ") + kAlongX + ", \"proj\": " + kPerspective + "}}"),
        1);
    EXPECT_EQ(Light(c.scene.GetLight(0)), "parallel 0 0 -1 | 4 2 0 light.bmp");
    EXPECT_EQ(Light(c.scene.GetLight(1)), "parallel 1 0 0 | 1 1 1 ");
    ObjectCase identity;
    identity.model.AddDirLight()->SetSrcDir(FVEC3(0.25f, -0.5f, 1));
    ASSERT_EQ(identity.Convert(std::string("{\"scene\": {\"view\": ") + kIdentity +
                               ", \"proj\": " + kPerspective + "}}"),
              1);
    EXPECT_EQ(Light(identity.scene.GetLight(0)), "parallel -0.25 0.5 -1 | 1 1 1 ");
}

// The sample document: the null material slot is skipped, the hidden object left out, the lamp
// object becomes a light, and the glass's alpha image and the leaf texture's own alpha become maps.
TEST(ConvertObject, SampleDocumentBecomesACompleteScene) {
    ObjectCase c;
    OpenDoc("{}");
    std::string error;
    ASSERT_TRUE(
        hxhost::OpenDocumentFile(std::string(HX_TEST_DATA) + "/../../../samples/sample.json", &error));
    c.doc = HXDoc(hxhost::DocumentHandle());
    Import(c.model, c.doc);
    c.model.AddPointLight();
    std::string dir = OutputDir("sample");
    ASSERT_EQ(ConvertScene(&c.scene, c.doc, &c.model, (dir + "tmp.pyl").c_str()), 1);
    std::string materials;
    for (int i = 0; i < c.scene.GetMaterialCount(); i++)
        materials += std::string(i ? "|" : "") + c.scene.GetMaterial(i)->GetName();
    EXPECT_EQ(materials, "floor|red|glass|bumpy|lamp");
    EXPECT_EQ(c.Names(), "floor|box|pane|half");
    ASSERT_EQ(c.scene.GetLightCount(), 2);
    EXPECT_EQ(c.scene.GetLight(0)->GetType(), PYL_LIGHT::POINT);
    for (int i : {2, 3})
        EXPECT_EQ(std::string(c.scene.GetMaterial(i)->FindChannel(PYL_MTLCH::TRANSPARENCY)->GetTexture()),
                  dir + "__pyldlgHX__mtl" + std::to_string(i) + "__alpha.bmp");
    EXPECT_GT(ReadWholeFile(dir + "__pyldlgHX__mtl3__alpha.bmp").size(), 54u);
    EXPECT_EQ(hxhost::CountObjectCalls().liveClones, 0);
}

} // namespace
