// Start-up: the platform's steps in order, the panel run modally, and
// false returned so the process ends.
#include "panel/about_dlg.h"
#include "app/panel_app.h"
#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

struct RecordingPlatform : AppPlatform {
    FakeView view;
    std::vector<std::string> steps;
    void InitCommonControls() override { steps.push_back("common controls"); }
    bool InitBase() override { return steps.push_back("base"), true; }
    PanelView& PanelWindow() override { return steps.push_back("window"), view; }
    void SetMainWindow(CPanelDlg&) override { steps.push_back("main window"); }
    int RunModal(CPanelDlg& dlg) override {
        steps.push_back("run");
        dlg.OnInitDialog();
        dlg.OnEvent({PanelEventKind::Click, IDCANCEL});
        return view.endResult;
    }
};

TEST(PanelApp, StartUpRunsThePanelModallyAndEndsTheProcess) {
    CPanelApp app;
    RecordingPlatform platform;
    EXPECT_FALSE(app.InitInstance(platform));
    EXPECT_EQ(platform.steps,
              (std::vector<std::string>{"common controls", "base", "window", "main window", "run"}));
    EXPECT_EQ(platform.view.endResult, IDCANCEL);
}

TEST(AboutItem, AppendsASeparatorThenTheItemWithItsCommand) {
    FakeView view;
    AppendAboutItem(view);
    EXPECT_EQ(view.log, (std::vector<std::string>{"menu separator", "menu 16 &Informazioni sul Velmora..."}));
}

TEST(AboutBox, RunsTemplate100Modally) {
    FakeView view;
    CAboutDlg about(view);
    about.DoModal();
    EXPECT_EQ(view.Calls("modal"), std::vector<std::string>{"modal 100"});
}

}  // namespace
