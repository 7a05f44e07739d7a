#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry_case.h"
#include "ui/filehistorymenu.h"

namespace {

const UINT kRecentId = 300;
const UINT kBaseId = 1000;

std::string ItemText(HMENU menu, UINT item, UINT how) {
    char text[1100] = "";
    GetMenuStringA(menu, item, text, sizeof text, how);
    return text;
}

std::vector<std::string> Items(HMENU popup) {
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(popup); i++)
        out.push_back(ItemText(popup, kBaseId + i, MF_BYCOMMAND));
    return out;
}

using List = std::vector<std::string>;

// A real menu bar with a "File" popup holding Open, the item the history replaces, and Exit.
struct MenuCase : testing::Test {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    FILEHISTORY history;
    FILEHISTORY_MENU menu;
    void SetUp() override {
        AppendMenuA(file, MF_STRING, 100, "Open");
        AppendMenuA(file, MF_STRING, kRecentId, "Recent");
        AppendMenuA(file, MF_STRING, 101, "Exit");
        AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "File");
        menu.SetHistory(&history);
        menu.SetBaseId(kBaseId);
    }
    void TearDown() override { DestroyMenu(bar); }
};

} // namespace

TEST_F(MenuCase, PopupTakesTheItemsPlaceAndFollowsTheHistory) {
    EXPECT_FALSE(menu.Attach(file, 999)); // no such item
    history.Add("C:\\a.pyl");
    history.Add("C:\\作業\\b.pyl");
    ASSERT_TRUE(menu.Attach(file, kRecentId));
    HMENU popup = menu.GetMenu();
    ASSERT_TRUE(popup);
    EXPECT_EQ(ItemText(file, 1, MF_BYPOSITION), "最近のファイル");
    EXPECT_EQ(Items(popup), (List{"C:\\作業\\b.pyl", "C:\\a.pyl"}));

    history.Add("C:\\a.pyl");
    history.Add("C:\\c.pyl");
    menu.Rebuild();
    EXPECT_EQ(Items(popup), (List{"C:\\c.pyl", "C:\\a.pyl", "C:\\作業\\b.pyl"}));
}

TEST_F(MenuCase, TypedItemsAreMarkedAndEnglishCaption) {
    history.SetTyped(1);
    history.AddTyped(0, "scene.pyl");
    history.AddTyped(1, "scene.pyl");
    menu.SetEnglish(1);
    ASSERT_TRUE(menu.Attach(file, kRecentId));
    EXPECT_EQ(ItemText(file, 1, MF_BYPOSITION), "History");
    EXPECT_EQ(Items(menu.GetMenu()), (List{"*scene.pyl", " scene.pyl"}));
    // A path of the greatest length keeps its last byte behind the mark.
    std::string longest(1023, 'x');
    history.AddTyped(1, longest.c_str());
    menu.Rebuild();
    EXPECT_EQ(Items(menu.GetMenu())[0], "*" + longest);
}

using HistoryRegistry = RegistryCase;

TEST_F(HistoryRegistry, SaveAndLoadRoundTrip) {
    FILEHISTORY saved, loaded;
    saved.SetTyped(1);
    loaded.SetTyped(1);
    saved.AddTyped(0, "C:\\old.pyl");
    saved.AddTyped(7, "C:\\作業\\new.pyl");
    FILEHISTORY_MENU out, in;
    out.SetHistory(&saved);
    in.SetHistory(&loaded);
    ASSERT_TRUE(out.Save(&key));
    ASSERT_TRUE(in.Load(&key));
    int type = -1;
    char path[1024];
    ASSERT_EQ(loaded.GetCount(), 2);
    ASSERT_TRUE(loaded.GetPathType(0, &type, path, sizeof path));
    EXPECT_EQ(type, 7);
    EXPECT_STREQ(path, "C:\\作業\\new.pyl");

    // A shorter history overwrites every value of the longer one, and no more than ten.
    saved.Clear();
    saved.AddTyped(0, "only");
    ASSERT_TRUE(out.Save(&key));
    EXPECT_EQ(ReadString("filehistory_01"), "");
    EXPECT_EQ(ReadInt("filehistory_type_09"), 0);
    EXPECT_FALSE(Exists("filehistory_10"));

    UREGKEY readOnly;
    ASSERT_EQ(1, readOnly.Open(kKey));
    EXPECT_FALSE(out.Save(&readOnly));
}

TEST_F(HistoryRegistry, HostileValuesReadAsMissing) {
    SetRawString("filehistory_00", "good");
    SetRawInt("filehistory_01", 0x41414141);                    // a number under a path's name
    SetRaw("filehistory_02", REG_BINARY, "binary\0", 7);        // bytes, not a string
    SetRawString("filehistory_03", std::string(1024, 'L'));     // longer than an entry holds
    SetRaw("filehistory_04", REG_SZ, "unterminated", 12);       // read with its terminator added
    SetRawString("filehistory_05", "");                         // empty: skipped
    SetRawString("filehistory_06", "good");                     // already listed
    SetRawString("filehistory_type_04", "9");                   // a type that is no number
    SetRaw("filehistory_type_00", REG_BINARY, "\x05\0\0\0", 4); // four bytes of the wrong type

    FILEHISTORY h;
    h.SetTyped(1);
    FILEHISTORY_MENU menu;
    menu.SetHistory(&h);
    ASSERT_TRUE(menu.Load(&key));
    ASSERT_EQ(h.GetCount(), 2);
    int type = -1;
    char path[1024];
    ASSERT_TRUE(h.GetPathType(0, &type, path, sizeof path));
    EXPECT_STREQ(path, "good");
    EXPECT_EQ(type, 0);
    ASSERT_TRUE(h.GetPathType(1, &type, path, sizeof path));
    EXPECT_STREQ(path, "unterminated");
    EXPECT_EQ(type, 0);
}
