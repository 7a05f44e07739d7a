// The model the HXO writer writes: faces in shared blocks, the records, the camera. Name and face
// operations the plug-in never calls are left out.
#include <gtest/gtest.h>

#include "scene/hxo_model.h"

#include <string>

namespace {

HXO_FACE* AddFace(HXO_OBJ& obj, std::initializer_list<int> corners) {
    HXO_FACE* face = obj.AddFace();
    for (int index : corners) {
        face->SetIndex(face->GetPointCount(), index);
        face->SetPointCount(face->GetPointCount() + 1);
    }
    return face;
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
    EXPECT_EQ(2u, obj.GetVertexWeights(0)->size());
    EXPECT_EQ(0.25f + 0.0f, obj.GetVertexWeight(0, 7) + obj.GetVertexWeight(2, 7));
    HXO_ANCHOR* anchor = model.AddAnchor();
    anchor->SetFaceCount(3);
    anchor->SetFaceCount(1);
    EXPECT_EQ(nullptr, anchor->GetFace(1));
}

// Matrices made from a camera give the same camera back, in perspective and orthographic views.
TEST(HxoCamera, MatricesRoundTrip) {
    HXO_CAMERA camera;
    camera.SetLookAt(FVEC3(10, -20, 30));
    camera.SetZoom2(4.0f);
    FMATRIX view, proj;
    camera.GetMatrices(view, proj, 1.5f);
    EXPECT_FLOAT_EQ(0.004f * 1.5f * 1500.0f, proj.m5);
    for (int ortho = 0; ortho < 2; ++ortho) {
        camera.SetOrtho(ortho);
        camera.GetMatrices(view, proj, 1.0f);
        HXO_CAMERA back;
        back.SetFromMatrices(view, proj);
        EXPECT_EQ(ortho, back.GetOrtho());
        EXPECT_NEAR(camera.GetHead() + camera.GetPich(), back.GetHead() + back.GetPich(), 1e-5f);
        EXPECT_NEAR(4.0f, back.GetZoom2(), 1e-4f);
        EXPECT_NEAR(-20.0f, back.GetLookAt().y, 0.5f);
    }
}

} // namespace
