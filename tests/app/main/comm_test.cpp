#include <gtest/gtest.h>
#include <string>
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/pageids.h"

namespace {

HWND CommPage() {
    return Main()->GetPropertyPane()->GetCommPage().GetHwnd();
}

HWND CommItem(int id) {
    return GetDlgItem(CommPage(), id);
}

HWND CommEdit(int id) {
    return PageEdit(CommPage(), id);
}

void Enter(int id, const char* text) {
    EnterText(CommPage(), id, text);
}

void Click(int id) {
    ClickItem(CommPage(), id);
}

} // namespace

TEST(CommonPage, ZoomIsClampedAndRepaintsTheView) {
    PluginSession session;
    SendActivate(TRUE);
    PumpMessages();
    HWND view = Main()->GetRenderView().GetHwnd();
    ValidateRect(view, nullptr);
    Enter(IDC_COMM_SCALE, "25");
    EXPECT_EQ("10.00", TextOf(CommEdit(IDC_COMM_SCALE)));
    EXPECT_EQ(10.0f, Main()->GetViewScale());
    EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE));
    Enter(IDC_COMM_SCALE, "0.01");
    EXPECT_EQ(0.1f, Main()->GetViewScale());
    Enter(IDC_COMM_SCALE, "abc");
    EXPECT_EQ("0.10", TextOf(CommEdit(IDC_COMM_SCALE)));
    PumpMessages();
    ValidateRect(view, nullptr);
    SendMessageA(CommItem(IDC_COMM_FIT), BM_CLICK, 0, 0);
    EXPECT_EQ(1, Main()->GetViewFit());
    EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE));
    SendActivate(FALSE);
}

TEST(CommonPage, EditsReachTheMainWindowAndTheRegistryAtExit) {
    DeleteSettingsKey();
    {
        PluginSession session;
        Click(IDC_COMM_STARTIMAGE);
        EXPECT_EQ(0, Main()->GetStartImage());
        Click(IDC_COMM_PREVIEW);
        EXPECT_EQ(0, Main()->GetPreview());
        // A committed path stores everything the page shows, the zoom typed but not committed too.
        SetWindowTextA(CommEdit(IDC_COMM_SCALE), "2.5");
        SetWindowTextA(CommEdit(IDC_COMM_TMPPATH), "D:\\work");
        SetWindowTextA(CommEdit(IDC_COMM_PYRELL), "D:\\bin\\pyrell.exe");
        SetFocus(CommEdit(IDC_COMM_PYRELL));
        SetFocus(CommEdit(IDC_COMM_SCALE)); // leaving the field commits it
        EXPECT_STREQ("D:\\bin\\pyrell.exe", Main()->GetPyrellPath());
        EXPECT_STREQ("D:\\work", Main()->GetTmpPath());
        EXPECT_EQ(2.5f, Main()->GetViewScale());
    }
    EXPECT_EQ(0u, StoredInt("startimage_flg"));
    EXPECT_EQ(0u, StoredInt("preview_flg"));
    EXPECT_EQ("D:\\bin\\pyrell.exe", StoredText("pylcomm_pyrell"));
    EXPECT_EQ("D:\\work", StoredText("pylcomm_tmppath"));
    DeleteSettingsKey();
}

TEST(CommonPage, ChoosingTheRendererTakesTheFileUnlessCancelled) {
    PluginSession session;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    {
        ModalAction cancel("Ashmoor.exe(060518)", Cancel());
        Click(IDC_COMM_PYRELL_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STREQ("C:\\pyrell\\pyrell.exe", Main()->GetPyrellPath());
    {
        ModalAction choose("Ashmoor.exe(060518)", ChooseFile(self));
        Click(IDC_COMM_PYRELL_BROWSE);
        EXPECT_TRUE(ModalAction::Acted());
    }
    EXPECT_STRCASEEQ(self, Main()->GetPyrellPath());
    EXPECT_STRCASEEQ(self, TextOf(CommEdit(IDC_COMM_PYRELL)).c_str());
}

TEST(CommonPage, RenderWithoutADocumentIsSilent) {
    PluginSession session;
    std::string before = TextOf(Main()->GetMessageWindow().GetHwnd());
    Click(IDC_COMM_RENDER);
    EXPECT_EQ(before, TextOf(Main()->GetMessageWindow().GetHwnd()));
}
