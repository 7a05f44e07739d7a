#include "controls_test.h"
#include <commctrl.h>
#include "ui/udlgicon.h"
#include "ui/udlglistview.h"
#include "ui/udlgradio.h"
#include "ui/udlgslider.h"
#include "ui/udlgtree.h"

namespace {

using ListViewTest = ControlsTest;
using TreeTest = ControlsTest;
using SliderTest = ControlsTest;
using RadioTest = ControlsTest;

bool IconAlive(HICON icon) {
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

} // namespace

TEST_F(ListViewTest, KeepsItemDataAndHearsTheUsersSelection) {
    UDLGLISTVIEW list;
    ASSERT_TRUE(list.Attach(dlg, IDC_LISTVIEW));
    list.AddStringData("a", 10);
    list.AddStringData("b", 20);
    EXPECT_TRUE(list.SetSelectData(20));
    EXPECT_EQ(1, list.GetSelect());
    SendMessageA(Item(IDC_LISTVIEW), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(1, Heard(WM_COMMAND, MAKEWPARAM(IDC_LISTVIEW, LBN_SELCHANGE)));
    EXPECT_EQ(10u, list.GetSelectData());

    UDLGLISTVIEW missing;
    EXPECT_FALSE(missing.Attach(dlg, IDC_MISSING));
    EXPECT_EQ(-1, missing.AddString("x"));
}

TEST_F(TreeTest, CountsTextsButLeavesTheTreeEmpty) {
    TVINSERTSTRUCTA tvi = {};
    tvi.hInsertAfter = TVI_LAST;
    tvi.item.mask = TVIF_TEXT;
    tvi.item.pszText = const_cast<char*>("x");
    SendMessageA(Item(IDC_TREE), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    UDLGTREE tree;
    ASSERT_TRUE(tree.Attach(dlg, IDC_TREE));
    EXPECT_EQ(0, SendMessageA(Item(IDC_TREE), TVM_GETCOUNT, 0, 0));
    const char* texts[] = {"a", "b", "c"};
    tree.SetStrings(texts, 3);
    EXPECT_EQ(0, tree.GetSelect());
    EXPECT_EQ(0, SendMessageA(Item(IDC_TREE), TVM_GETCOUNT, 0, 0));

    UDLGTREE missing;
    EXPECT_FALSE(missing.Attach(dlg, IDC_MISSING));
}

TEST_F(SliderTest, ReadsAndWritesItsPositionAndTheUsersMoveReachesTheOwner) {
    UDLGSLIDER slider;
    ASSERT_TRUE(slider.Attach(dlg, IDC_SLIDER));
    slider.SetRange(0, 200);
    slider.SetPos(500);
    EXPECT_EQ(200, slider.GetPos());
    SendMessageA(Item(IDC_SLIDER), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(199, slider.GetPos());
    EXPECT_EQ(1, Heard(WM_HSCROLL, TB_LINEUP));

    UDLGSLIDER missing;
    EXPECT_FALSE(missing.Attach(dlg, IDC_MISSING));
    missing.SetPos(3);
    EXPECT_EQ(0, missing.GetPos());
}

TEST_F(RadioTest, SelectsByPlaceOverTheRangeOfItsIds) {
    const UINT ids[] = {IDC_RADIO1, IDC_RADIO3, IDC_RADIO2, 0};
    UDLGRADIO radio;
    ASSERT_EQ(1, radio.AttachIds(dlg, ids, 0));
    EXPECT_EQ(3, radio.GetCount());
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dlg, IDC_RADIO1));
    radio.SetSelect(1);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dlg, IDC_RADIO3));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dlg, IDC_RADIO1));
    EXPECT_EQ(1, radio.GetSelect());
    radio.SetSelect(3); // outside the group: nothing changes
    EXPECT_EQ(1, radio.GetSelect());

    SendMessageA(Item(IDC_RADIO2), BM_CLICK, 0, 0);
    EXPECT_EQ(1, Heard(WM_COMMAND, MAKEWPARAM(IDC_RADIO2, BN_CLICKED)));
    EXPECT_EQ(2, radio.GetSelect());

    CheckDlgButton(dlg, IDC_RADIO2, BST_UNCHECKED);
    EXPECT_EQ(0, radio.GetSelect()); // none on

    const UINT withMissing[] = {IDC_RADIO1, IDC_MISSING};
    EXPECT_EQ(0, radio.AttachIds(dlg, withMissing, 2));
    EXPECT_EQ(2, radio.GetCount());
}

TEST(Udlgicon, DestroysOnlyTheIconsItOwns) {
    HICON shared;
    {
        UDLGICON icon;
        ASSERT_TRUE(icon.Load(0, IDI_APPLICATION));
        shared = icon.GetIcon();
        EXPECT_EQ(1, icon.GetShared());
        EXPECT_FALSE(icon.Load(GetModuleHandleA(0), "NOSUCHICON"));
        EXPECT_EQ(shared, icon.GetIcon()); // a failed load keeps the icon held before
    }
    EXPECT_TRUE(IconAlive(shared));

    HICON own = SolidIcon(RGB(1, 2, 3));
    {
        UDLGICON icon;
        icon.SetIcon(own);
    }
    EXPECT_FALSE(IconAlive(own));
}
