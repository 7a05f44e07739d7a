#include <cstdio>
#include "base/filepath.h"
#include "tests/common/mutate.h"
#include "ui/dlgwinpos.h"
#include "ui/filehistorymenu.h"
#include "ui/filenamelist.h"
#include "ui_test.h"

namespace {

using HistoryTest = UiTest;
using List = std::vector<std::string>;

// The entries as "path" (untyped) or "type:path".
List Entries(const FILEHISTORY& h) {
    List out;
    FILEHISTORY_ENTRY e;
    for (int i = 0; h.GetPathType(i, &e.type, e.path, sizeof e.path); i++)
        out.push_back(h.GetTyped() ? std::to_string(e.type) + ":" + e.path : e.path);
    return out;
}

List Items(HMENU popup) {
    List out;
    char text[1100];
    for (int i = 0; GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION) > 0; i++)
        out.push_back(text);
    return out;
}

// A "File" menu holding Open and the item that the history replaces.
HMENU FileMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 100, "Open");
    AppendMenuA(file, MF_STRING, 300, "Recent");
    return file;
}

// Loads a history and a dialog position from the key; both must hold only values a user could have saved.
void ExpectSaneLoad(const UREGKEY& key, int typed, const std::string& label) {
    FILEHISTORY h;
    h.SetTyped(typed);
    FILEHISTORY_MENU menu;
    menu.SetHistory(&h);
    ASSERT_TRUE(menu.Load(&key));
    for (const std::string& entry : Entries(h))
        EXPECT_GT(entry.size(), size_t(typed ? 2 : 0)) << label;
    DLGWINPOS pos;
    pos.SetSizeFlag(1);
    ASSERT_TRUE(pos.Load(&key, "w"));
    EXPECT_TRUE(pos.Save(&key, "saved"));
    EXPECT_LE(abs(pos.GetOffset().x), 32767) << label;
    EXPECT_TRUE(pos.GetSize().cx == -1 || (pos.GetSize().cx > 0 && pos.GetSize().cx <= 32767)) << label;
}

} // namespace

TEST_F(HistoryTest, MostRecentFirstEachPathOnceAndOnlyTypedAddsSetTheType) {
    FILEHISTORY h;
    for (const char* p : {"a", "b", "c", "a"})
        EXPECT_TRUE(h.Add(p));
    EXPECT_EQ((List{"a", "c", "b"}), Entries(h));
    for (int i = 0; i < 10; i++)
        h.Add(std::to_string(i).c_str());
    EXPECT_EQ((List{"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}), Entries(h));
    char path[1];
    EXPECT_FALSE(h.GetPath(-1, path, sizeof path));
    EXPECT_FALSE(h.GetPath(0, path, sizeof path));       // "9" needs 2 bytes
    EXPECT_FALSE(h.Add(std::string(1024, 'p').c_str())); // longer than an entry holds: refused, not cut
    FILEHISTORY typed;
    typed.SetTyped(1);
    typed.SetMax(2);
    typed.AddTyped(0, "scene");
    typed.AddTyped(1, "scene");
    typed.AddTyped(0, "scene");
    typed.Add("other"); // takes the oldest entry's place and leaves its type
    EXPECT_EQ((List{"1:other", "0:scene"}), Entries(typed));
    typed.SetMax(0);
    typed.Clear();
    EXPECT_FALSE(typed.Add("a")); // no entry to reuse
}

TEST_F(HistoryTest, MenuTakesTheItemsPlaceAndFollowsTheHistory) {
    HMENU file = FileMenu();
    FILEHISTORY h;
    FILEHISTORY_MENU menu;
    menu.SetHistory(&h);
    menu.SetBaseId(1000);
    h.Add("C:\\a.pyl");
    h.Add("C:\\作業\\b.pyl");
    EXPECT_FALSE(menu.Attach(file, 999)); // no such item
    ASSERT_TRUE(menu.Attach(file, 300));
    EXPECT_EQ((List{"Open", "最近のファイル"}), Items(file));
    EXPECT_EQ((List{"C:\\作業\\b.pyl", "C:\\a.pyl"}), Items(menu.GetMenu()));
    h.SetTyped(1);
    h.AddTyped(1, "C:\\a.pyl");
    h.AddTyped(0, std::string(1023, 'x').c_str()); // the longest path keeps its last byte behind the mark
    menu.SetEnglish(1);
    DestroyMenu(file);
    file = FileMenu();
    ASSERT_TRUE(menu.Attach(file, 300)); // a new popup in a menu made again
    EXPECT_EQ((List{"Open", "History"}), Items(file));
    EXPECT_EQ((List{" " + std::string(1023, 'x'), "*C:\\a.pyl", " C:\\作業\\b.pyl", " C:\\a.pyl"}),
              Items(menu.GetMenu()));
    DestroyMenu(file);
}

TEST_F(HistoryTest, SavedValuesComeBackAndDamagedOnesReadAsMissing) {
    UREGKEY& key = Registry();
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
    EXPECT_EQ(Entries(saved), Entries(loaded));
    UREGKEY readOnly; // a failed write is reported
    ASSERT_EQ(1, readOnly.Open(kKey));
    EXPECT_FALSE(out.Save(&readOnly));
    EXPECT_FALSE(DLGWINPOS().Save(&readOnly, "w"));

    // Damaged values of every type under the names the readers read.
    const char* names[] = {"filehistory_00", "filehistory_01",     "filehistory_09", "filehistory_type_00",
                           "w_winpos_x",     "w_winpos_y",         "w_winpos_flg",   "w_winpos_w",
                           "w_winpos_h",     "filehistory_type_01"};
    const DWORD types[] = {REG_SZ, REG_DWORD, REG_BINARY, REG_EXPAND_SZ};
    const std::vector<std::string> seeds = {std::string("C:\\a.pyl\0", 9), std::string("\x28\0\0\0", 4),
                                            std::string(1030, 'L') + '\0', "unterminated"};
    mutate::Options o;
    o.rounds = 400;
    int round = 0;
    mutate::EachMutation(seeds, o, [&](const std::string& bytes, const std::string& label) {
        RegSetValueExA(key.GetHandle(), names[round % 10], 0, types[(round / 10) % 4],
                       reinterpret_cast<const BYTE*>(bytes.data()), DWORD(bytes.size()));
        ExpectSaneLoad(key, ++round % 2, label);
    });
}

TEST_F(HistoryTest, NumberedFilesSortByTheirTrailingNumber) {
    for (const char* name : {"shot10.bmp", "shot2.bmp", "shot07.bmp", "shot.bmp", "shot2x.bmp", "shot2.png"})
        ASSERT_EQ(1, WriteFileFromBuffer((Folder() + "\\" + name).c_str(), "x", 1));
    char pattern[1024];
    ASSERT_TRUE(MakeFilePattern(pattern, sizeof pattern, Folder().c_str(), "shot", ""));
    FILENAME_LIST list;
    ASSERT_TRUE(list.Find(pattern)); // shot2.png is skipped as a second number 2
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(Folder() + "\\shot07.bmp", list.Get(1));
    EXPECT_EQ(7, list.GetNumber(1));
    EXPECT_EQ(10, list.GetHighest());
    EXPECT_FALSE(list.SetFolder(std::string(260, 'f').c_str())); // paths too long for the list are refused
    EXPECT_FALSE(list.Find(("C:\\" + std::string(300, 'd') + "\\shot*.bmp").c_str()));
    const struct {
        const char* name;
        int number;
    } rows[] = {{"image", -1}, {"a12", 12}, {"画像0012", 12}, {"shot99999999999999", 0x7FFFFFFF}};
    for (const auto& row : rows)
        EXPECT_EQ(row.number, GetTrailingNumber(row.name)) << row.name;
    char base[5];
    EXPECT_FALSE(SplitTrailingNumber(base, sizeof base, "longer1")); // does not fit: refused
    EXPECT_TRUE(SplitTrailingNumber(base, sizeof base, "ab12"));
    EXPECT_FALSE(MakeFilePattern(pattern, 12, "C:\\a", "shot", "bmp"));
    ASSERT_TRUE(MakeFilePattern(pattern, sizeof pattern, "C:\\a.b", "shot.v2", ".png"));
    EXPECT_STREQ("C:\\a.b\\shot.v2*.png", pattern);
}

TEST_F(HistoryTest, ARestoredDialogFollowsItsOwnerAndStaysOnTheDesktop) {
    HWND owner = CreateWindowA("STATIC", "", WS_POPUP, 100, 100, 200, 100, 0, 0, GetModuleHandleA(0), 0);
    HWND dialog = CreateWindowA("STATIC", "", WS_POPUP, 140, 120, 300, 80, 0, 0, GetModuleHandleA(0), 0);
    RECT desk, r;
    GetWindowRect(GetDesktopWindow(), &desk);
    DLGWINPOS pos;
    pos.SetSizeFlag(1);
    pos.Apply(owner, dialog); // nothing stored yet: records
    MoveWindow(owner, desk.right - 200, desk.bottom - 100, 200, 100, FALSE);
    pos.Apply(owner, dialog);
    GetWindowRect(dialog, &r);
    EXPECT_EQ(desk.right, r.right); // pushed back to end on the desktop's edge
    EXPECT_EQ(desk.bottom, r.bottom);
    DestroyWindow(dialog);
    DestroyWindow(owner);
}
