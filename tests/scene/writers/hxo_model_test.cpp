// The model the HXO writer writes: unique names, faces in shared blocks, the records, the camera.
#include <gtest/gtest.h>

#include "scene/hxo_model.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

HXO_FACE* AddFace(HXO_OBJ& obj, std::initializer_list<int> corners) {
    HXO_FACE* face = obj.AddFace();
    for (int index : corners) {
        face->SetIndex(face->GetPointCount(), index);
        face->SetPointCount(face->GetPointCount() + 1);
    }
    return face;
}

// A unique name is the base, else the base and a number from 002 up; a base too long for the number
// is cut, at a whole Shift-JIS character, so that base and number fit into a name and nothing past it
// is written.
TEST(HxoModel, UniqueNamesStayInTheirBuffer) {
    std::string jp = "a";
    for (int i = 0; i < 127; ++i)
        jp += "光"; // 255 bytes; the second byte of this character is also a first byte
    const std::string rows[][2] = {{"box", "box003"},
                                   {std::string(255, 'n'), std::string(252, 'n') + "002"},
                                   {jp, jp.substr(0, 251) + "002"}};
    HXO_MODEL model;
    model.AddObject()->SetName("box002");
    model.AddMaterial()->SetName("box");
    for (const auto& row : rows) {
        model.AddObject()->SetName(row[0].c_str());
        char out[HXO_NAME_LEN + 8];
        std::memset(out, 'x', sizeof out);
        EXPECT_EQ(1, model.MakeUniqueObjectName(out, row[0].c_str()));
        EXPECT_EQ(std::make_pair(std::string(out), std::string(out + HXO_NAME_LEN, 8)),
                  std::make_pair(row[1], std::string(8, 'x')));
    }
    char out[HXO_NAME_LEN];
    model.MakeUniqueMaterialName(out, "box");
    EXPECT_STREQ("box002", out);
}

// Faces live in shared blocks: making and freeing many in any order keeps every face intact.
TEST(HxoModel, ManyFacesMadeAndFreedInAnyOrder) {
    for (int round = 0; round < 2; ++round) {
        HXO_OBJ obj, other;
        for (int i = 0; i < 20000; ++i)
            AddFace(obj, {i, i + 1, i + 2})->SetPointCount(i % 2 ? 3 : 1);
        obj.RemoveDegenerateFaces();
        ASSERT_EQ(10000, obj.GetFaceCount());
        for (int i = 0; i < 15000; ++i)
            AddFace(other, {i, 0, 0, i});
        for (int i = 0; i < 10000; ++i)
            ASSERT_EQ(2 * i + 1, obj.GetFace(i)->GetIndex(0));
        for (int i = 0; i < 15000; ++i)
            ASSERT_EQ(i, other.GetFace(i)->GetIndex(3));
    }
}

// An object keeps the triangle count it is given until its faces are counted again.
TEST(HxoModel, TriangleCountIsKeptUntilTheFacesAreCounted) {
    HXO_MODEL model;
    HXO_OBJ* obj = model.AddObject();
    AddFace(*obj, {0, 1, 2, 3});
    EXPECT_EQ(std::tuple(obj, 7), (std::tuple{obj->SetTriangleCount(7), obj->GetTriangleCount()}));
    model.UpdateCount();
    EXPECT_EQ(std::tuple(2, 2), std::tuple(obj->GetTriangleCount(), model.GetTriangleTotal()));
}

// Bones walk depth first: a child, else the next sibling of the bone or of its nearest ancestor.
// Weights need their lists and keep one entry per bone. Anchors shrink.
TEST(HxoRecords, BonesWeightsAndAnchors) {
    HXO_MODEL model;
    HXO_BONE* bones[3] = {model.AddBone(), model.AddBone(), model.AddBone()};
    bones[0]->SetFirstChild(bones[1]);
    bones[1]->SetParent(bones[0]);
    bones[0]->SetNextSibling(bones[2]);
    bones[2]->SetPrevSibling(bones[0]);
    EXPECT_EQ(bones[2], HXO_BONE::GetNext(bones[1]));
    EXPECT_EQ(nullptr, HXO_BONE::GetNext(bones[2]));
    EXPECT_EQ(bones[0], HXO_BONE::GetPrev(bones[1]));
    HXO_OBJ obj;
    obj.AddVertex(0, 0, 0);
    obj.SetVertexWeight(0, 7, 0.5f);
    EXPECT_EQ(nullptr, obj.GetVertexWeights(0));
    obj.MakeVertexWeights();
    obj.SetVertexWeight(0, 7, 0.5f);
    obj.SetVertexWeight(0, 7, 0.25f);
    obj.SetVertexWeight(0, 3, 1.0f);
    EXPECT_EQ(std::make_tuple(obj.GetVertexWeights(0)->size(), obj.GetVertexWeight(0, 7),
                              obj.GetVertexWeight(0, 3), obj.GetVertexWeight(2, 7)),
              std::make_tuple(size_t(2), 0.25f, 1.0f, 0.0f));
    HXO_ANCHOR* anchor = model.AddAnchor();
    anchor->SetFaceCount(3);
    anchor->SetFaceCount(1);
    EXPECT_EQ(std::make_pair(anchor->GetFace(0) != nullptr, anchor->GetFace(1) != nullptr),
              std::make_pair(true, false));
}

// Every field the matrices keep, rounded well above the float error of the way back.
std::string Camera(const HXO_CAMERA& c) {
    const FVEC3 &at = c.GetLookAt(), &pos = c.GetPosition();
    char text[200];
    std::snprintf(
        text, sizeof text, "ortho %d head %.4f pich %.4f zoom2 %.4f at %.2f %.2f %.2f pos %.2f %.2f %.2f",
        c.GetOrtho(), c.GetHead(), c.GetPich(), c.GetZoom2(), at.x, at.y, at.z, pos.x, pos.y, pos.z);
    return text;
}

// Matrices made from a camera give the same camera back, in perspective and orthographic views. The
// projection scales by zoom2 / 1000, its second axis by the aspect too, and in perspective by the
// distance 1500.
TEST(HxoCamera, MatricesRoundTrip) {
    HXO_CAMERA camera;
    camera.SetLookAt(FVEC3(10, -20, 30));
    camera.SetZoom2(4.0f);
    camera.SetHead(0.3f);
    camera.SetPich(-0.7f);
    // m0, m5, m10, m11 and m14 as defined, each in float steps.
    const float s = 0.001f * 4.0f, d = 1500;
    const std::vector<float> projections[] = {{s * d, s * 1.5f * d, 1, 1, -0.15f * d},
                                              {s, s * 1.5f, 1 / (12.566371f * d), 0, 0}};
    for (int ortho = 0; ortho < 2; ++ortho) {
        camera.SetOrtho(ortho);
        FMATRIX view, proj;
        camera.GetMatrices(view, proj, 1.5f);
        EXPECT_EQ(std::vector<float>({proj.m0, proj.m5, proj.m10, proj.m11, proj.m14}), projections[ortho]);
        HXO_CAMERA back;
        back.SetFromMatrices(view, proj);
        EXPECT_EQ(Camera(back), Camera(camera));
    }
}

} // namespace
