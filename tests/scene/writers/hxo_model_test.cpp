#include <gtest/gtest.h>

#include "scene/hxo_model.h"

#include <cstring>
#include <string>

namespace {

HXO_FACE* AddFace(HXO_OBJ& obj, std::initializer_list<int> corners) {
    HXO_FACE* face = obj.AddFace();
    int k = 0;
    for (int index : corners) {
        face->SetIndex(k, index);
        face->SetUV(k++, FVEC2(float(index), 0.5f));
    }
    face->SetPointCount(k);
    face->SetMaterial(7);
    return face;
}

std::string Corners(const HXO_FACE* face) {
    std::string s;
    for (int k = 0; k < face->GetPointCount(); ++k)
        s += std::to_string(face->GetIndex(k)) + " ";
    return s;
}

// A base of 255 characters is cut so that base and number fit into the 256 bytes of a name.
TEST(HxoModel, UniqueNamesStayInTheirBuffers) {
    HXO_MODEL model;
    model.AddObject()->SetName("box");
    model.AddObject()->SetName("box002");
    char out[HXO_NAME_LEN + 8];
    EXPECT_EQ(1, model.MakeUniqueObjectName(out, "box"));
    EXPECT_STREQ("box003", out);
    model.AddMaterial()->SetName("red");
    model.MakeUniqueMaterialName(out, "red");
    EXPECT_STREQ("red002", out);
    std::string base(255, 'n');
    model.AddObject()->SetName(base.c_str());
    std::memset(out, 'x', sizeof out);
    model.MakeUniqueObjectName(out, base.c_str());
    EXPECT_EQ(std::string(252, 'n') + "002", out);
    EXPECT_EQ('x', out[HXO_NAME_LEN]);
}

// Repeated neighbouring corners go, with the UVs and colours of the corners that stay; faces with other
// repeats or fewer than three corners left go as a whole.
TEST(HxoModel, DegenerateFacesAndUVsOutOfRange) {
    HXO_OBJ obj;
    AddFace(obj, {5, 5, 6, 7})->SetColor(3, FVEC4(0, 0, 0.5f, 1));
    AddFace(obj, {1, 2, 1, 3});
    AddFace(obj, {1, 2, 3, 1});
    AddFace(obj, {4, 4, 4});
    AddFace(obj, {0, 1, 2, 3});
    obj.RemoveDegenerateFaces();
    ASSERT_EQ(3, obj.GetFaceCount());
    EXPECT_EQ("5 6 7 ", Corners(obj.GetFace(0)));
    EXPECT_EQ(FVEC2(6, 0.5f), obj.GetFace(0)->GetUV(1));
    EXPECT_EQ(FVEC4(0, 0, 0.5f, 1), obj.GetFace(0)->GetColor(2));
    EXPECT_EQ(7, obj.GetFace(0)->GetMaterial());
    EXPECT_EQ("1 2 3 ", Corners(obj.GetFace(1)));
    // A face's UVs move by whole units until none is negative.
    obj.GetFace(1)->SetUV(0, FVEC2(-1.5f, 0.2f));
    obj.GetFace(1)->SetUV(1, FVEC2(0.5f, -0.1f));
    obj.NormalizeUVs();
    EXPECT_EQ(FVEC2(0.5f, 1.2f), obj.GetFace(1)->GetUV(0));
    EXPECT_EQ(FVEC2(2.5f, 0.9f), obj.GetFace(1)->GetUV(1));
    EXPECT_EQ(FVEC2(2, 0.5f), obj.GetFace(2)->GetUV(2));
}

// Faces live in shared blocks: making and freeing many in any order keeps every face intact.
TEST(HxoModel, ManyFacesMadeAndFreedInAnyOrder) {
    for (int round = 0; round < 2; ++round) {
        HXO_OBJ obj;
        for (int i = 0; i < 20000; ++i)
            AddFace(obj, {i, i + 1, i + 2});
        for (int i = 0; i < 20000; i += 2)
            obj.GetFace(i)->SetPointCount(1);
        obj.RemoveDegenerateFaces();
        ASSERT_EQ(10000, obj.GetFaceCount());
        HXO_MODEL model;
        HXO_OBJ* other = model.AddObject();
        for (int i = 0; i < 15000; ++i)
            AddFace(*other, {i, 0, 0, i});
        for (int i = 0; i < 10000; ++i)
            ASSERT_EQ(2 * i + 1, obj.GetFace(i)->GetIndex(0));
        for (int i = 0; i < 15000; ++i)
            ASSERT_EQ(i, other->GetFace(i)->GetIndex(3));
    }
}

// Depth first: a child, else the next sibling, else the next sibling of the nearest ancestor.
TEST(HxoRecords, BoneTreeWalk) {
    HXO_MODEL model;
    HXO_BONE* root = model.AddBone();
    HXO_BONE* arm = model.AddBone();
    HXO_BONE* hand = model.AddBone();
    HXO_BONE* leg = model.AddBone();
    root->SetFirstChild(arm);
    arm->SetParent(root);
    arm->SetNextSibling(leg);
    leg->SetPrevSibling(arm);
    leg->SetParent(root);
    arm->SetFirstChild(hand);
    hand->SetParent(arm);
    EXPECT_EQ(leg, HXO_BONE::GetNext(hand));
    EXPECT_EQ(nullptr, HXO_BONE::GetNext(leg));
    EXPECT_EQ(arm, HXO_BONE::GetPrev(leg));
    EXPECT_EQ(arm, HXO_BONE::GetPrev(hand));
    EXPECT_EQ(nullptr, HXO_BONE::GetPrev(root));
}

// Weights need their lists and keep one entry per bone; anchors shrink; fixed texts are cut at a
// whole Shift-JIS character, never past their field.
TEST(HxoRecords, WeightsAnchorsAndTexts) {
    HXO_OBJ obj;
    obj.AddVertex(0, 0, 0);
    obj.SetVertexWeight(0, 7, 0.5f);
    EXPECT_EQ(nullptr, obj.GetVertexWeights(0));
    obj.MakeVertexWeights();
    obj.SetVertexWeight(0, 7, 0.5f);
    obj.SetVertexWeight(0, 7, 0.25f);
    obj.SetVertexWeight(0, 3, 1.0f);
    ASSERT_EQ(2u, obj.GetVertexWeights(0)->size());
    EXPECT_EQ(0.25f, obj.GetVertexWeight(0, 7));
    EXPECT_EQ(0.0f, obj.GetVertexWeight(2, 7));
    HXO_MODEL model;
    HXO_ANCHOR* anchor = model.AddAnchor();
    anchor->SetFaceCount(3);
    anchor->GetFace(2)->SetIndex(3, 11);
    anchor->SetFaceCount(1);
    EXPECT_EQ(nullptr, anchor->GetFace(1));
    anchor->SetVertexCount(2);
    anchor->SetVertex(1, FVEC3(1, 2, 3));
    EXPECT_EQ(FVEC3(1, 2, 3), *anchor->GetVertex(1));
    std::string jp;
    for (int i = 0; i < 200; ++i)
        jp += "\x83\x41";
    model.AddObject()->SetName(("x" + jp).c_str());
    EXPECT_EQ(255u, std::strlen(model.GetObject(0)->GetName()));
    model.SetName(jp.c_str());
    EXPECT_EQ(254u, std::strlen(model.GetName()));
}

// Matrices made from a camera give the same camera back, in perspective and orthographic views.
TEST(HxoCamera, MatricesRoundTrip) {
    HXO_CAMERA camera;
    camera.SetLookAt(FVEC3(10, -20, 30));
    camera.SetZoom2(4.0f);
    FMATRIX view, proj;
    camera.GetMatrices(view, proj, 1.5f);
    EXPECT_FLOAT_EQ(0.001f * 4.0f * 1500.0f, proj.m0);
    EXPECT_FLOAT_EQ(0.004f * 1.5f * 1500.0f, proj.m5);
    EXPECT_NEAR(1500.0f, view.TransformPoint(camera.GetLookAt()).z, 1e-2f);
    for (int ortho = 0; ortho < 2; ++ortho) {
        camera.SetOrtho(ortho);
        camera.GetMatrices(view, proj, 1.0f);
        HXO_CAMERA back;
        back.SetFromMatrices(view, proj);
        EXPECT_EQ(ortho, back.GetOrtho());
        EXPECT_NEAR(camera.GetHead(), back.GetHead(), 1e-5f);
        EXPECT_NEAR(camera.GetPich(), back.GetPich(), 1e-5f);
        EXPECT_NEAR(4.0f, back.GetZoom2(), 1e-4f);
        EXPECT_NEAR(1500.0f, back.GetPosition().z, 0.5f);
        EXPECT_NEAR(-20.0f, back.GetLookAt().y, 0.5f);
    }
}

} // namespace
