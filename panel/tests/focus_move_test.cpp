// The focus on a control that an enable set disables: it goes to the
// control's partner ("On" and "Off"), else to the next enabled control in
// tab order, before the control is disabled, and in one move.
#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "panel/tests/test_panel.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct MoveCase {
    const char* name;
    bool connected;     // the connected set applied first, with four rows
    const char* rows;   // the rows text the set under test reads
    int focused;
    std::span<const CPanelDlg::EnableStep> (*set)();
    int want;
    friend void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }
};

class FocusOnADisabledControl : public ::testing::TestWithParam<MoveCase> {};

TEST_P(FocusOnADisabledControl, MovesOnceBeforeTheControlIsDisabled) {
    const MoveCase& c = GetParam();
    FakeView view;
    TestPanel dlg(view);
    dlg.OnInitDialog();
    dlg.Seed().m_strRows = "4";
    if (c.connected) dlg.ApplyEnableSet(ConnectedSet());
    dlg.Seed().m_strRows = c.rows;
    view.focus = c.focused;
    view.log.clear();

    dlg.ApplyEnableSet(c.set());

    EXPECT_EQ(view.focus, c.want);
    const auto focusCalls = view.Calls("focus");
    if (c.want == c.focused) {
        EXPECT_TRUE(focusCalls.empty());
        return;
    }
    EXPECT_EQ(focusCalls, std::vector<std::string>{"focus " + std::to_string(c.want)});
    const auto at = [&](const std::string& line) {
        return std::ranges::find(view.log, line) - view.log.begin();
    };
    EXPECT_LT(at("focus " + std::to_string(c.want)), at("disable " + std::to_string(c.focused)));
}

INSTANTIATE_TEST_SUITE_P(
    Sets, FocusOnADisabledControl,
    ::testing::Values(
        // The partners: "On" is disabled after "Off" is enabled.
        MoveCase{"OnHandsItToOff", false, "4", IDC_BTN_ON, ConnectedSet, IDC_BTN_OFF},
        MoveCase{"OffHandsItToOn", true, "4", IDC_BTN_OFF, DisconnectedSet, IDC_BTN_ON},
        // No partner: the next control a Tab reaches that stays enabled.
        MoveCase{"Row1PassesTheDisabledRowsToChiudi", true, "4", IDC_EDIT_ROW1, DisconnectedSet, IDCANCEL},
        MoveCase{"Led4PassesTheHiddenHelloToChiudi", true, "4", IDC_CHK_LED4, DisconnectedSet, IDCANCEL},
        MoveCase{"BuzzerGoesRoundTheEndToThePort", true, "4", IDC_CHK_BUZ, DisconnectedSet, IDC_COMBO_PORT},
        MoveCase{"Row3HiddenByOneRowGoesToLed3", true, "1", IDC_EDIT_ROW3, RowsSet, IDC_CHK_LED3},
        MoveCase{"Row3ButtonHiddenByTwoRowsGoesToLed4", true, "2", IDC_BTN_ROW3, RowsSet, IDC_CHK_LED4},
        // A control the set leaves alone keeps it.
        MoveCase{"TheRowsComboKeepsIt", true, "4", IDC_COMBO_ROWS, DisconnectedSet, IDC_COMBO_ROWS},
        MoveCase{"ChiudiKeepsIt", true, "4", IDCANCEL, DisconnectedSet, IDCANCEL}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(FocusOnADisabledControl, NoFocusNoMove) {
    FakeView view;
    CPanelDlg dlg(view);
    dlg.OnInitDialog();
    dlg.ApplyEnableSet(ConnectedSet());
    view.log.clear();
    dlg.ApplyEnableSet(DisconnectedSet());
    EXPECT_TRUE(view.Calls("focus").empty());
    EXPECT_EQ(view.focus, 0);
}

}  // namespace
