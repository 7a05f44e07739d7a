#include <gtest/gtest.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include "plugin_fixture.h"

namespace {

std::string Messages() {
    HWND mess = Main()->GetMessageWindow().GetHwnd();
    std::string text(GetWindowTextLengthA(mess) + 1, '\0');
    text.resize(GetWindowTextA(mess, &text[0], static_cast<int>(text.size())));
    return text;
}

} // namespace

TEST(WorkPath, AFolderTooLongForTheMapFilesStopsTheRenderBeforeAnythingIsWritten) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string root = std::string(temp) + "hxwork" + std::to_string(GetCurrentProcessId());
    // The longest file is "<work>\tmp\__pyldlgHX__mtl1__alpha.bmp" (two materials): 32 characters more.
    const struct {
        size_t length;
        bool fits;
    } rows[] = {{MAX_PATH - 33, true}, {MAX_PATH - 32, false}, {300, false}};
    for (const auto& row : rows) {
        {
            PluginSession session;
            SendOpen(OpenHostDocument(DocumentJson()));
            std::string work = root + "\\" + std::string(row.length - root.size() - 1, 'w');
            std::snprintf(Main()->GetTmpPath(), DLMAIN::PATHSIZE, "%s", work.c_str());
            std::snprintf(Main()->GetPyrellPath(), DLMAIN::PATHSIZE, "%s", "C:\\none\\pyrell.exe");
            EXPECT_EQ(0, Main()->Render());
            EXPECT_EQ(!row.fits, Messages().find("作業パスが長すぎます!!") != std::string::npos)
                << row.length;
            EXPECT_EQ(row.fits, std::filesystem::exists(work + "\\tmp")) << row.length;
        }
        std::filesystem::remove_all(root);
        DeleteSettingsKey();
    }
}

TEST(WorkPath, AStoredFolderTooLongToReadIsReportedAndKept) {
    DeleteSettingsKey();
    const std::string stored(1500, 'p');
    SetSetting("pylcomm_tmppath", REG_SZ, stored.c_str(), static_cast<DWORD>(stored.size() + 1));
    {
        PluginSession session;
        EXPECT_NE(std::string::npos, Messages().find("pylcomm_tmppath"));
        EXPECT_STREQ("C:\\pyrell\\tmp", Main()->GetTmpPath());
    }
    DWORD size = 0;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\orlek31\\pyldlqHX", "pylcomm_tmppath", RRF_RT_REG_SZ, nullptr,
                 nullptr, &size);
    EXPECT_EQ(stored.size() + 1, size);
    DeleteSettingsKey();
}
