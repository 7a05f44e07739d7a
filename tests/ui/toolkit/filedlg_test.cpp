#include <cstring>
#include "base/filepath.h"
#include "ui/filedlg.h"
#include "ui_test.h"

namespace {

using FileDialogTest = UiTest;

// Types a name into the file dialog's name field and presses OK.
std::function<void(HWND)> TypeName(const std::string& name) {
    return [name](HWND dlg) {
        SetDlgItemTextA(dlg, 1148, name.c_str());
        PressButton(dlg, IDOK);
    };
}

} // namespace

TEST_F(FileDialogTest, FilterListsTheAllFilesEntryFirstStaysWithinItsLimitsAndTheDialogsReturnTheName) {
    FILEEXTFILTER f;
    f.SetAllFiles(1);
    f.AddType("Bmp", "bmp");
    f.AddType("Png", "png");
    f.Build();
    const char expect[] = "対応する全てのファイル\0*.bmp;*.png\0Bmp (*.bmp)\0*.bmp\0Png (*.png)\0*.png\0\0";
    EXPECT_EQ(0, memcmp(expect, f.GetFilter(), sizeof expect));
    const std::pair<const char*, int> rows[] = {
        {"C:\\pics\\SHOT.PNG", 2}, {"C:\\pics\\shot", 0}, {"C:\\pics\\shot.", 1},
        {"C:\\my.pics\\shot", 0},  {"a.gif", 0},          {"a.bmp", 1}};
    for (const auto& [path, index] : rows)
        EXPECT_EQ(index, f.FindExtOfPath(path)) << path;
    // The all-files entry is no extension.
    EXPECT_EQ(std::make_tuple(-1, -1), std::make_tuple(f.FindExt("*"), f.FindExt(nullptr)));

    FILEEXTFILTER big;
    std::string desc = "x";
    for (int i = 0; i < 200; ++i)
        desc += "画"; // 401 bytes: cut to 255 without splitting a character
    big.AddType(desc.c_str(), "abcdefghijklmnopqrstuvwxyz");
    for (int i = 0; i < 299; ++i)
        big.AddType("T", "ext");
    big.Build();
    EXPECT_EQ(std::make_tuple(256, desc.substr(0, 255) + " (*.abcdefghijklmno)", (const char*)nullptr),
              std::make_tuple(big.GetExtCount(), std::string(big.GetFilter()), big.GetExt(256)));

    std::string folder = Folder(); // the dialogs return the chosen name; a dot in a folder is no extension
    FILEEXTFILTER bmp;
    bmp.AddType("Bmp", "bmp");
    bmp.Build();
    char path[1024] = "";
    {
        ModalDriver driver(TypeName(folder + "\\render"));
        ASSERT_EQ(1, SaveFileDialog(0, path, "Save test", bmp.GetFilter(), 1, bmp.GetExtList()));
    }
    EXPECT_EQ(folder + "\\render.bmp", path);

    std::string file = folder + "\\notes.txt";
    ASSERT_EQ(1, WriteFileFromBuffer(file.c_str(), "x", 1));
    FILEEXTFILTER any;
    any.AddType("全てのファイル", "*");
    any.Build();
    {
        ModalDriver driver(TypeName(file));
        ASSERT_EQ(1, OpenFileDialog(0, path, "Load test", any.GetFilter(), 1, any.GetExtList()));
    }
    EXPECT_EQ(file, path);
    strcpy(path, folder.c_str());
    {
        ModalDriver driver([](HWND d) { PressButton(d, IDOK); });
        ASSERT_EQ(1, BrowseFolder(0, path, "Work folder"));
    }
    EXPECT_EQ(0, lstrcmpiA(folder.c_str(), path));
}
