#include <gtest/gtest.h>
#include <string>
#include "app/dlp_lists.h"
#include "app/dlp_mtlcbox.h"
#include "plugin_fixture.h"
#include "scene/rendpyl_model.h"

namespace {

const int kList = 1, kCombo = 2;

// A hidden window holding a list box and a drop-down combo box, the way a page holds them.
struct ListHost {
    HWND hwnd;
    ListHost() {
        hwnd = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 200, 0, 0, GetModuleHandleA(0), 0);
        CreateWindowA("LISTBOX", "", WS_CHILD | LBS_NOTIFY, 0, 0, 100, 100, hwnd, (HMENU)kList, 0, 0);
        CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 100, 0, 100, 100, hwnd, (HMENU)kCombo, 0,
                      0);
    }
    ~ListHost() { DestroyWindow(hwnd); }
    std::string Text(int id, int i) const {
        char text[300] = "";
        UINT msg = id == kList ? LB_GETTEXT : CB_GETLBTEXT;
        SendDlgItemMessageA(hwnd, id, msg, i, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

} // namespace

TEST(ModelLists, LightsInModelOrderWithTheFirstSelected) {
    ListHost host;
    UDLGLIST list;
    ASSERT_TRUE(list.Attach(host.hwnd, kList));
    RENDPYL_MODEL model;
    RENDPYL_LIGHTDIR* lights[3];
    for (int i = 0; i < 3; ++i) {
        lights[i] = model.AddDirLight();
        lights[i]->SetName(("Light" + std::to_string(i)).c_str());
    }
    SetDirLightList(&list, &model);
    ASSERT_EQ(3, list.GetCount());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ("Light" + std::to_string(i), host.Text(kList, i));
    EXPECT_EQ(lights[0], GetDirLightList(&list));

    SelectDirLightList(&list, lights[2]);
    EXPECT_EQ(lights[2], GetDirLightList(&list));
    RENDPYL_LIGHTDIR stranger;
    SelectDirLightList(&list, &stranger); // not in the list: the selection stays
    EXPECT_EQ(lights[2], GetDirLightList(&list));

    SetDirLightList(&list, nullptr); // without a model the list is only emptied
    EXPECT_EQ(0, list.GetCount());
    UDLGLIST* none = nullptr;
    SetDirLightList(none, &model);
    EXPECT_EQ(nullptr, GetDirLightList(none));
    SelectDirLightList(none, lights[0]);
}

TEST(ModelLists, MaterialsShowTheHostNamesAndAnEmptyOneWhenTheHostMaterialIsGone) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    RENDPYL_MODEL* model = Main()->GetScene();
    ASSERT_TRUE(model);
    RENDPYL_MTL* gone = model->AddMtl();
    gone->ID = 4242;
    ListHost host;
    UDLGLIST list;
    ASSERT_TRUE(list.Attach(host.hwnd, kList));
    SetMtlList(&list, model);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ("floor", host.Text(kList, 0));
    EXPECT_EQ("red", host.Text(kList, 1));
    EXPECT_EQ("", host.Text(kList, 2));
    EXPECT_EQ(model->GetMtl(0), GetMtlList(&list));
    SelectMtlList(&list, gone);
    EXPECT_EQ(gone, GetMtlList(&list));
}

TEST(ModelLists, MaterialComboWithAndWithoutTheNoneItem) {
    PluginSession session;
    SendOpen(OpenHostDocument(DocumentJson()));
    RENDPYL_MODEL* model = Main()->GetScene();
    ASSERT_TRUE(model);
    ListHost host;
    DLP_MTLCBOX box;
    ASSERT_TRUE(box.Attach(host.hwnd, kCombo));
    EXPECT_EQ(nullptr, box.GetMtl()); // no model yet
    box.SetList(model, 1);
    ASSERT_EQ(3, box.GetCount());
    EXPECT_EQ("なし", host.Text(kCombo, 0));
    EXPECT_EQ("red", host.Text(kCombo, 2));
    EXPECT_EQ(nullptr, box.GetMtl());
    box.SetSelect(2);
    EXPECT_EQ(model->GetMtl(1), box.GetMtl());
    RENDPYL_MTL stranger;
    box.SetMtl(&stranger); // not in the model: "なし"
    EXPECT_EQ(0, box.GetSelect());
    box.SetMtl(nullptr);
    EXPECT_EQ(0, box.GetSelect());

    box.SetList(model, 0);
    ASSERT_EQ(2, box.GetCount());
    EXPECT_EQ(model->GetMtl(0), box.GetMtl());
    box.SetMtl(&stranger); // selects nothing
    EXPECT_EQ(nullptr, box.GetMtl());

    box.SetList(nullptr, 1); // only empties; model and flag stay
    EXPECT_EQ(0, box.GetCount());
    EXPECT_EQ(nullptr, box.GetMtl());
}
