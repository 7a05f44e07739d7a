#include <gtest/gtest.h>
#include <string>
#include <windows.h>
#include <commctrl.h>
#include "app/dlp_rendpyrell.h"
#include "page_driver.h"
#include "plugin_fixture.h"
#include "res/pageids.h"

namespace {

DLP_RENDPYRELL* Pane() {
    return Main()->GetPropertyPane();
}

std::string TabText(HWND tab, int i) {
    char text[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    return text;
}

// Which strip positions show their page.
std::string Shown() {
    UTABTBL& tabs = Pane()->GetTabTable();
    std::string shown;
    for (int i = 0; i < tabs.GetPageCount(); ++i)
        shown += (GetWindowLongA(tabs.GetPageHwnd(i), GWL_STYLE) & WS_VISIBLE) ? '1' : '0';
    return shown;
}

int PageTop(HWND page) {
    RECT rc;
    GetWindowRect(page, &rc);
    MapWindowPoints(0, GetParent(page), reinterpret_cast<POINT*>(&rc), 2);
    return rc.top;
}

} // namespace

TEST(PropertyPane, FiveTabsInStripOrderWithOnlyTheCommonPageShown) {
    PluginSession session;
    ASSERT_TRUE(Pane());
    ASSERT_TRUE(Pane()->IsCreated());
    HWND tab = Pane()->GetTabTable().GetHwnd();
    ASSERT_EQ(5, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    const char* labels[] = {"Comm", "Light", "Mtl", "Rend", "Cam"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(labels[i], TabText(tab, i));
    EXPECT_EQ("10000", Shown());
}

TEST(PropertyPane, ATabNotificationShowsThatPageOnly) {
    PluginSession session;
    ShowPaneTab(3);
    EXPECT_EQ("00010", Shown());
    ShowPaneTab(1);
    EXPECT_EQ("01000", Shown());
    ShowPaneTab(0);
    EXPECT_EQ("10000", Shown());
}

TEST(PropertyPane, APageTallerThanThePaneScrollsWithTheWheel) {
    PluginSession session;
    HWND page = Pane()->GetCommPage().GetHwnd();
    RECT pageRect;
    GetClientRect(page, &pageRect);
    Pane()->Move(URECT{0, 0, 256, pageRect.bottom / 2}, TRUE);
    Pane()->Resize();
    PumpMessages();
    EXPECT_EQ(0, PageTop(page));
    HWND tab = Pane()->GetTabTable().GetHwnd();
    SendMessageA(tab, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(-40, PageTop(page));
    SendMessageA(tab, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(0, PageTop(page));
}

namespace {

// A bare page that shows what every page sees of its record.
struct ProbePage : DLP_PAGE {
    ProbePage() : DLP_PAGE(IDD_PAGE_REND) {}
    using DLP_PAGE::AnyChanged;
    using DLP_PAGE::GetModel;
};

} // namespace

TEST(PropertyPane, PagesFindTheModelAfreshThroughTheirOwner) {
    PluginSession session;
    ProbePage page;
    EXPECT_EQ(nullptr, page.GetModel()); // no owner yet
    ASSERT_TRUE(page.Create(Main(), Main()->GetHwnd(), URECT{}));
    EXPECT_EQ(nullptr, page.GetModel()); // no document open
    SendOpen(OpenHostDocument(DocumentJson()));
    ASSERT_NE(nullptr, page.GetModel());
    EXPECT_EQ(Main()->GetScene(), page.GetModel());
    SendEvent(201); // the document closes
    EXPECT_EQ(nullptr, page.GetModel());
    DestroyWindow(page.GetHwnd());
}

TEST(PropertyPane, AskingStopsAtTheFirstChangedFieldAndTheLaterKeepTheirFlags) {
    UDLGFLOATS first, second, third;
    second.SetChanged();
    third.SetChanged();
    EXPECT_TRUE(ProbePage::AnyChanged(first, second, third));
    EXPECT_EQ(0, second.IsChanged());
    EXPECT_EQ(1, third.IsChanged());
    EXPECT_TRUE(ProbePage::AnyChanged(first, second, third));
    EXPECT_FALSE(ProbePage::AnyChanged(first, second, third));
}
