#include <cstdio>
#include "base/filepath.h"
#include "ui/dlgwinpos.h"
#include "ui/filehistorymenu.h"
#include "ui/filenamelist.h"
#include "ui_test.h"

namespace {

using HistoryTest = UiTest;

const std::string kJapanese = "C:\\作業表\\ソ\\能.pyl";

// The entries as "path," (untyped) or "type:path,".
std::string Entries(const FILEHISTORY& h) {
    std::string out;
    FILEHISTORY_ENTRY e;
    for (int i = 0; h.GetPathType(i, &e.type, e.path, sizeof e.path); i++)
        out += (h.GetTyped() ? std::to_string(e.type) + ":" : "") + e.path + ",";
    return out;
}

// The menu's item texts, each followed by a comma.
std::string Items(HMENU popup) {
    std::string out;
    char text[1100];
    for (int i = 0; GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION) > 0; i++)
        out += std::string(text) + ",";
    return out;
}

// A "File" menu holding Open and the item that the history replaces.
HMENU FileMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 100, "Open");
    AppendMenuA(file, MF_STRING, 300, "Recent");
    return file;
}

// The history (typed unless asked otherwise) and the sized dialog position "w" loaded from the key, as
// "type:path,...|stored x y width height".
std::string Loaded(const UREGKEY& key, int typed = 1) {
    FILEHISTORY h;
    h.SetTyped(typed);
    FILEHISTORY_MENU menu;
    menu.SetHistory(&h);
    DLGWINPOS pos;
    pos.SetSizeFlag(1);
    EXPECT_EQ(std::tuple(true, true), std::tuple(menu.Load(&key), pos.Load(&key, "w")));
    char values[64];
    snprintf(values, sizeof values, "|%d %ld %ld %ld %ld", pos.IsStored(), pos.GetOffset().x,
             pos.GetOffset().y, pos.GetSize().cx, pos.GetSize().cy);
    return Entries(h) + values;
}

std::string Dword(int v) {
    return std::string(reinterpret_cast<const char*>(&v), 4);
}

} // namespace

TEST_F(HistoryTest, MostRecentFirstEachPathOnceAndOnlyTypedAddsSetTheType) {
    FILEHISTORY h;
    for (const char* p : {"a", "b", "c", "a"})
        EXPECT_TRUE(h.Add(p));
    EXPECT_EQ("a,c,b,", Entries(h));
    for (int i = 0; i < 10; i++)
        h.Add(std::to_string(i).c_str());
    for (int i : {-1, 10, 2}) // only the one inside the list moves
        h.MoveToFront(i);
    EXPECT_EQ("7,9,8,6,5,4,3,2,1,0,", Entries(h));
    char path[1];
    // Outside the list, and "9" needs 2 bytes.
    EXPECT_EQ(std::make_tuple(false, false),
              std::make_tuple(h.GetPath(-1, path, sizeof path), h.GetPath(0, path, 1)));
    EXPECT_FALSE(h.Add(std::string(1024, 'p').c_str())); // longer than an entry holds: refused, not cut
    FILEHISTORY typed;
    typed.SetTyped(1);
    typed.SetMax(2);
    typed.AddTyped(0, "scene");
    typed.AddTyped(1, "scene");
    typed.AddTyped(0, "scene");
    typed.Add("other"); // takes the oldest entry's place and leaves its type
    EXPECT_EQ("1:other,0:scene,", Entries(typed));
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
    h.Add(kJapanese.c_str()); // second bytes 0x5C: 表, ソ, 能
    // No item 999.
    ASSERT_EQ(std::tuple(false, true), (std::tuple{menu.Attach(file, 999), menu.Attach(file, 300)}));
    EXPECT_EQ("Open,最近のファイル,|" + kJapanese + ",C:\\a.pyl,", Items(file) + "|" + Items(menu.GetMenu()));
    h.SetTyped(1);
    h.AddTyped(1, "C:\\a.pyl");
    h.AddTyped(0, (std::string(1021, 'x') + "表").c_str()); // the longest keeps its last byte, 0x5C
    menu.SetEnglish(1);
    DestroyMenu(file);
    file = FileMenu();
    ASSERT_TRUE(menu.Attach(file, 300)); // a new popup in a menu made again
    EXPECT_EQ("Open,History,", Items(file));
    EXPECT_EQ(" " + std::string(1021, 'x') + "表,*C:\\a.pyl, " + kJapanese + ", C:\\a.pyl,",
              Items(menu.GetMenu()));
    EXPECT_EQ(std::make_tuple(1000u, 1003u),
              std::make_tuple(GetMenuItemID(menu.GetMenu(), 0), GetMenuItemID(menu.GetMenu(), 3)));
    DestroyMenu(file);
}

TEST_F(HistoryTest, SavedHistoryAndPlaceComeBackAndDamagedValuesReadAsMissing) {
    UREGKEY& key = Registry();
    FILEHISTORY saved;
    saved.SetTyped(1);
    saved.AddTyped(0, "C:\\old.pyl");
    saved.AddTyped(7, kJapanese.c_str());
    FILEHISTORY_MENU out;
    out.SetHistory(&saved);
    HWND owner = CreateWindowA("STATIC", "", WS_POPUP, 100, 100, 200, 100, 0, 0, GetModuleHandleA(0), 0);
    HWND dialog = CreateWindowA("STATIC", "", WS_POPUP, 140, 120, 300, 80, 0, 0, GetModuleHandleA(0), 0);
    DLGWINPOS pos, loaded;
    pos.SetSizeFlag(1);
    loaded.SetSizeFlag(1);
    pos.Apply(owner, dialog); // nothing stored yet: records
    ASSERT_EQ(std::tuple(true, true), std::tuple(out.Save(&key), pos.Save(&key, "w")));
    const std::string newest = "7:" + kJapanese + ",", history = newest + "0:C:\\old.pyl,",
                      place = "|1 40 20 300 80";
    EXPECT_EQ(history + place, Loaded(key));
    EXPECT_EQ(kJapanese + ",C:\\old.pyl," + place, Loaded(key, 0));
    ASSERT_TRUE(loaded.Load(&key, "w"));
    MoveWindow(owner, 300, 200, 200, 100, FALSE);
    MoveWindow(dialog, 0, 0, 10, 10, FALSE);
    loaded.Apply(owner, dialog); // the saved offset and size, from the owner's new place
    RECT r, desk;
    GetWindowRect(dialog, &r);
    EXPECT_EQ(std::make_tuple(340L, 220L, 640L, 300L), std::make_tuple(r.left, r.top, r.right, r.bottom));
    GetWindowRect(GetDesktopWindow(), &desk);
    MoveWindow(owner, desk.right - 200, desk.bottom - 100, 200, 100, FALSE);
    loaded.Apply(owner, dialog);
    GetWindowRect(dialog, &r); // pushed back to end on the desktop's edge
    EXPECT_EQ(std::make_tuple(desk.right, desk.bottom), std::make_tuple(r.right, r.bottom));
    DestroyWindow(dialog);
    DestroyWindow(owner);
    UREGKEY readOnly; // a failed write is reported
    ASSERT_EQ(1, readOnly.Open(kKey));
    EXPECT_EQ(std::make_tuple(false, false), std::make_tuple(out.Save(&readOnly), pos.Save(&readOnly, "w")));

    // Each damaged value reads as missing, and the others as they were saved.
    const std::tuple<const char*, DWORD, std::string, std::string> rows[] = {
        {"filehistory_00", REG_EXPAND_SZ, std::string("C:\\a.pyl\0", 9), "0:C:\\old.pyl," + place},
        {"filehistory_00", REG_DWORD, Dword(40), "0:C:\\old.pyl," + place},
        {"filehistory_00", REG_SZ, std::string(1024, 'L'), "0:C:\\old.pyl," + place}, // no room for the zero
        {"filehistory_01", REG_SZ, std::string("\0", 1), newest + place},
        {"filehistory_type_00", REG_SZ, Dword(7), "0" + history.substr(1) + place},
        {"w_winpos_flg", REG_BINARY, Dword(1), history + "|0 40 20 300 80"},
        {"w_winpos_x", REG_DWORD, Dword(40000), history + "|1 0 20 300 80"},
        {"w_winpos_y", REG_DWORD, Dword(-40000), history + "|1 40 0 300 80"},
        {"w_winpos_w", REG_QWORD, Dword(300) + Dword(0), history + "|1 40 20 -1 80"},
        {"w_winpos_h", REG_DWORD, Dword(0), history + "|1 40 20 300 -1"},
    };
    for (const auto& [name, type, bytes, expected] : rows) {
        ASSERT_EQ(std::tuple(true, true), std::tuple(out.Save(&key), pos.Save(&key, "w")));
        RegSetValueExA(key.GetHandle(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       DWORD(bytes.size()));
        EXPECT_EQ(expected, Loaded(key)) << name << " of type " << type;
    }
}

TEST_F(HistoryTest, NumberedFilesSortByTheirTrailingNumber) {
    const std::string folder = Folder() + "\\作業表\\ソ", f = folder + "\\"; // second bytes 0x5C
    for (const std::string& dir : {Folder() + "\\作業表", folder})
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
    for (const char* name : {"能10.bmp", "能2.bmp", "能07.bmp", "能.bmp", "能2x.bmp", "能2.png"})
        ASSERT_EQ(1, WriteFileFromBuffer((f + name).c_str(), "x", 1));
    char pattern[1024];
    ASSERT_TRUE(MakeFilePattern(pattern, sizeof pattern, folder.c_str(), "能", ""));
    FILENAME_LIST list;
    ASSERT_TRUE(list.Find(pattern)); // 能2.png is skipped as a second number 2
    std::string found;
    for (int i = 0; i < list.GetCount(); ++i)
        found += std::string(list.Get(i)) + "=" + std::to_string(list.GetNumber(i)) + ",";
    EXPECT_EQ(f + "能2.bmp=2," + f + "能07.bmp=7," + f + "能10.bmp=10,2-10",
              found + std::to_string(list.GetLowest()) + "-" + std::to_string(list.GetHighest()));
    // Paths too long for the list are refused.
    EXPECT_EQ(std::make_tuple(false, false),
              std::make_tuple(list.SetFolder(std::string(260, 'f').c_str()),
                              list.Find(("C:\\" + std::string(300, 'd') + "\\shot*.bmp").c_str())));
    const std::pair<const char*, int> rows[] = {
        {"image", -1}, {"a12", 12}, {"画像0012", 12}, {"shot99999999999999", 0x7FFFFFFF}};
    for (const auto& [name, number] : rows)
        EXPECT_EQ(number, GetTrailingNumber(name)) << name;
    char base[5];
    EXPECT_FALSE(SplitTrailingNumber(base, sizeof base, "longer1")); // does not fit: refused
    EXPECT_TRUE(SplitTrailingNumber(base, sizeof base, "ab12"));
    EXPECT_STREQ("ab", base);
    EXPECT_FALSE(MakeFilePattern(pattern, 12, "C:\\a", "shot", "bmp"));
    ASSERT_TRUE(MakeFilePattern(pattern, sizeof pattern, "C:\\a.b", "shot.v2", ".png"));
    EXPECT_STREQ("C:\\a.b\\shot.v2*.png", pattern);
}
