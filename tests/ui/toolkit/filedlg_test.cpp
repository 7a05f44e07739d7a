#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <string>
#include "toolkit_test.h"
#include "ui/filedlg.h"
#include "ui/winutil.h"

namespace {
std::string FilterBytes(const FILEEXTFILTER& f) {
    // Up to and including the first three zero bytes in a row.
    const char* p = f.GetFilter();
    size_t n = 0;
    while (!(n >= 2 && p[n - 2] == 0 && p[n - 1] == 0 && p[n] == 0))
        ++n;
    return std::string(p, n + 1);
}

// A scratch folder in the temporary folder, with a dot in its name.
std::string ScratchFolder() {
    char tmp[MAX_PATH];
    GetTempPathA(sizeof tmp, tmp);
    std::string folder = std::string(tmp) + "hx my.pics";
    CreateDirectoryA(folder.c_str(), 0);
    return folder;
}

// Types a name into the file dialog's name field and presses OK.
void TypeNameAndOk(HWND dlg, const std::string& name) {
    SetDlgItemTextA(dlg, 1148, name.c_str());
    PressButton(dlg, IDOK);
}
} // namespace

TEST(Fileextfilter, AllFilesEntryComesFirst) {
    FILEEXTFILTER f;
    f.SetAllFiles(1);
    f.AddType("Bmp", "bmp");
    f.AddType("Png", "png");
    f.Build();
    std::string expect = std::string("対応する全てのファイル") + '\0' + "*.bmp;*.png" + '\0' + "Bmp (*.bmp)" +
                         '\0' + "*.bmp" + '\0' + "Png (*.png)" + '\0' + "*.png" + '\0' + '\0' + '\0';
    EXPECT_EQ(expect, FilterBytes(f));
    ASSERT_EQ(3, f.GetExtCount());
    EXPECT_STREQ("*", f.GetExt(0));
    EXPECT_STREQ("bmp", f.GetExt(1));
    EXPECT_STREQ("png", f.GetExt(2));
}

TEST(Fileextfilter, FindsExtensions) {
    FILEEXTFILTER f;
    f.AddType("Bmp", "bmp");
    f.Build();
    EXPECT_EQ(0, f.FindExt("BMP"));
    EXPECT_EQ(-1, f.FindExt("*"));
    EXPECT_EQ(-1, f.FindExt(""));
    EXPECT_EQ(-1, f.FindExt(nullptr));
    EXPECT_EQ(0, f.FindExtOfPath("C:\\pics\\SHOT.BMP"));
    EXPECT_EQ(0, f.FindExtOfPath("C:\\pics\\shot"));
    EXPECT_EQ(1, f.FindExtOfPath("C:\\pics\\shot."));
    EXPECT_EQ(0, f.FindExtOfPath("C:\\my.pics\\shot")); // a dot in a folder name is no extension

    FILEEXTFILTER any;
    any.SetAllFiles(1);
    any.AddType("Bmp", "bmp");
    any.AddType("Png", "png");
    any.Build();
    EXPECT_EQ(2, any.FindExtOfPath("a.png")); // the "*" entry is skipped
    EXPECT_EQ(0, any.FindExtOfPath("a.gif"));
}

TEST(Fileextfilter, StaysWithinItsLimits) {
    FILEEXTFILTER f;
    f.SetAllFiles(1);
    std::string longDesc(400, 'd');
    f.AddType(longDesc.c_str(), "abcdefghijklmnopqrstuvwxyz"); // cut to 255 and 15 bytes
    for (int i = 0; i < 299; ++i)
        f.AddType("T", "ext");
    f.Build();
    EXPECT_EQ(300, f.GetTypeCount());
    EXPECT_EQ(256, f.GetExtCount()); // the all-files entry and 255 types
    EXPECT_STREQ("abcdefghijklmno", f.GetExt(1));
    const char* second = f.GetFilter() + strlen(f.GetFilter()) + 1; // the all-files pattern list
    EXPECT_LT(strlen(second), 4096u);
    const char* entry = second + strlen(second) + 1;
    EXPECT_EQ(std::string(255, 'd') + " (*.abcdefghijklmno)", entry);

    FILEEXTFILTER japanese;
    std::string desc;
    for (int i = 0; i < 200; ++i)
        desc += "画";
    desc = "x" + desc; // 401 bytes; the cut must not split a character
    japanese.AddType(desc.c_str(), "bmp");
    japanese.Build();
    EXPECT_EQ(desc.substr(0, 255) + " (*.bmp)", japanese.GetFilter());
}

TEST(FileDialogs, SaveAppendsTheExtensionInsideADottedFolder) {
    std::string folder = ScratchFolder();
    FILEEXTFILTER f;
    f.AddType("Bmp", "bmp");
    f.Build();
    char path[1024];
    snprintf(path, sizeof path, "%s\\old.bmp", folder.c_str());
    std::string typed = folder + "\\render";
    ModalDriver driver("Save test", [&](HWND dlg) { TypeNameAndOk(dlg, typed); });
    ASSERT_EQ(1,
              SaveFileDialog(0, path, "Save test", f.GetFilter(), f.FindExtOfPath(path) + 1, f.GetExtList()));
    EXPECT_EQ(folder + "\\render.bmp", path);
}

TEST(FileDialogs, CancelLeavesThePath) {
    FILEEXTFILTER f;
    f.AddType("Bmp", "bmp");
    f.Build();
    char path[1024] = "C:\\keep\\me.bmp";
    ModalDriver driver("Cancel test", IDCANCEL);
    EXPECT_EQ(0, SaveFileDialog(0, path, "Cancel test", f.GetFilter(), 1, f.GetExtList()));
    EXPECT_TRUE(driver.acted);
    EXPECT_STREQ("C:\\keep\\me.bmp", path);

    ModalDriver image("LoadImage", IDCANCEL);
    EXPECT_FALSE(LoadImageDialog(0, path));
    EXPECT_TRUE(image.acted);
    EXPECT_STREQ("C:\\keep\\me.bmp", path);
}

TEST(FileDialogs, AnyFileEntryKeepsTheChosenName) {
    std::string folder = ScratchFolder();
    std::string file = folder + "\\notes.txt";
    FILE* fp = fopen(file.c_str(), "wb");
    ASSERT_TRUE(fp);
    fclose(fp);
    FILEEXTFILTER f;
    f.AddType("全てのファイル", "*");
    f.Build();
    char path[1024] = "";
    ModalDriver driver("Load test", [&](HWND dlg) { TypeNameAndOk(dlg, file); });
    ASSERT_EQ(1, OpenFileDialog(0, path, "Load test", f.GetFilter(), 1, f.GetExtList()));
    EXPECT_EQ(file, path);
    DeleteFileA(file.c_str());
}

TEST(FileDialogs, FolderBrowserReturnsTheFolderItOpenedAt) {
    std::string folder = ScratchFolder();
    char path[1024];
    snprintf(path, sizeof path, "%s", folder.c_str());
    ModalDriver driver(nullptr, IDOK);
    ASSERT_EQ(1, BrowseFolder(0, path, "Work folder"));
    EXPECT_EQ(0, lstrcmpiA(folder.c_str(), path));
}
