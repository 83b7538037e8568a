// Initialisation, the enable sets, the event table's routing of system
// commands and the OK path, against a fake view.
#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "panel/tests/test_panel.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::tm At(int h, int m, int s) {
    std::tm t{};
    t.tm_hour = h, t.tm_min = m, t.tm_sec = s;
    return t;
}

std::vector<std::string> Ids(std::initializer_list<int> ids, const char* verb) {
    std::vector<std::string> out;
    for (int id : ids) out.push_back(std::string(verb) + " " + std::to_string(id));
    return out;
}

struct PanelInit : ::testing::Test {
    FakeView view;
    CPanelDlg dlg{view, [] { return LocalTime{At(9, 5, 3)}; }};
};

TEST_F(PanelInit, ConstructionHoldsNoPortAndAnUnsetColumnCount) {
    EXPECT_EQ(dlg.Link().Handle(), port::kNoPort);
    EXPECT_TRUE(dlg.Store().m_strRow1.empty() && dlg.Store().m_strPort.empty());
    EXPECT_EQ(dlg.Store().m_bLed1 + dlg.Store().m_bBuzzer + dlg.Store().m_bAcquireAnalog + dlg.Store().m_bAcquireTemp, 0);
    EXPECT_TRUE(dlg.Store().m_nColumns != 8 && dlg.Store().m_nColumns != 16 && dlg.Store().m_nColumns != 20 &&
                dlg.Store().m_nColumns != 40);
    EXPECT_EQ(dlg.Store().m_hIcon, 7000 + IDR_MAINFRAME);
}

TEST_F(PanelInit, StepsRunInOrderAndLeaveTheDefaultsShown) {
    EXPECT_TRUE(dlg.OnInitDialog());
    const auto& log = view.log;
    const auto pos = [&](const std::string& line) {
        return std::find(log.begin(), log.end(), line) - log.begin();
    };
    // Step 1's exchange runs with the construction values, 16 columns after sanitising.
    EXPECT_EQ(log.front(), "text 1003 ");
    EXPECT_EQ(log[1], "limit 1003 16");
    EXPECT_LT(pos("limit 1008 16"), pos("menu separator"));
    EXPECT_EQ(pos("menu separator") + 1, pos("menu 16 &Informazioni sul Velmora..."));
    EXPECT_EQ(pos("menu 16 &Informazioni sul Velmora...") + 1, pos("menu 32 &Andamento..."));
    EXPECT_EQ(pos("menu 32 &Andamento...") + 1, pos("menu 48 &Traffico..."));
    EXPECT_EQ(pos("menu 48 &Traffico...") + 1, pos("icon large 7128"));
    EXPECT_EQ(pos("icon large 7128") + 1, pos("icon small 7128"));
    EXPECT_EQ(pos("icon small 7128") + 1, pos("disable 1012"));
    EXPECT_EQ(log.back(), "timer 1 1000");

    EXPECT_EQ(view.text[IDC_EDIT_ROW1], "Riga 1");
    EXPECT_EQ(view.text[IDC_EDIT_ROW4], "Riga 4");
    EXPECT_EQ(view.text[IDC_COMBO_PORT], "COM3");
    EXPECT_EQ(view.text[IDC_COMBO_ROWS], "4");
    EXPECT_EQ(view.text[IDC_COMBO_COLUMNS], "16");
    EXPECT_EQ(view.text[IDC_CLOCK], "00:00:00");
    EXPECT_EQ(view.text[IDC_ANALOG], "---");
    EXPECT_EQ(view.text[IDC_TEMP], "---°C");
    EXPECT_EQ(view.limit[IDC_EDIT_ROW2], 16);
    EXPECT_TRUE(view.enabled[IDC_BTN_ON] && view.enabled[IDC_COMBO_PORT] && view.enabled[IDCANCEL]);
    EXPECT_FALSE(view.enabled[IDC_BTN_OFF] || view.enabled[IDC_CHK_LED1] || view.enabled[IDC_EDIT_ROW1]);
}

TEST_F(PanelInit, StartSetDisablesInItsOrder) {
    dlg.OnInitDialog();
    EXPECT_EQ(view.Calls("disable"),
              Ids({IDC_BTN_OFF, IDC_EDIT_ROW1, IDC_EDIT_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4,
                   IDC_BTN_LAYOUT, IDC_BTN_ROW1, IDC_BTN_ROW2, IDC_BTN_ROW3, IDC_BTN_ROW4, IDC_TEMP,
                   IDC_ANALOG, IDC_LBL_TEMP, IDC_LBL_ANALOG, IDC_CHK_ACQ_TEMP, IDC_CHK_ACQ_ANALOG,
                   IDC_CHK_LED1, IDC_CHK_LED2, IDC_CHK_LED3, IDC_CHK_LED4, IDC_CHK_BUZ},
                  "disable"));
    EXPECT_TRUE(view.Calls("enable").empty());
}

// Every set enables first and disables second, each half in the set's
// order: a control that takes the focus from a disabled one is enabled by then.
TEST_F(PanelInit, DisconnectedSetReEnablesOnThenRepeatsTheStartSet) {
    view.log.clear();
    dlg.ApplyEnableSet(DisconnectedSet());
    std::vector<std::string> want = {"enable 1011", "disable 1012"};
    for (auto& l : Ids({IDC_EDIT_ROW1, IDC_EDIT_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4, IDC_BTN_LAYOUT,
                        IDC_BTN_ROW1, IDC_BTN_ROW2, IDC_BTN_ROW3, IDC_BTN_ROW4, IDC_TEMP, IDC_ANALOG,
                        IDC_LBL_TEMP, IDC_LBL_ANALOG, IDC_CHK_ACQ_TEMP, IDC_CHK_ACQ_ANALOG,
                        IDC_CHK_LED1, IDC_CHK_LED2, IDC_CHK_LED3, IDC_CHK_LED4, IDC_CHK_BUZ},
                       "disable"))
        want.push_back(l);
    EXPECT_EQ(view.log, want);
}

struct RowsCase {
    const char* rows;
    std::vector<std::string> connected;  // the calls the connected set makes
    std::vector<std::string> rowsSet;    // the calls the rows set makes
};

class EnableSetsByRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(EnableSetsByRows, ConnectedAndRowsSetsFollowTheRowsText) {
    FakeView view;
    TestPanel dlg(view);
    dlg.Seed().m_strRows = GetParam().rows;
    dlg.ApplyEnableSet(ConnectedSet());
    EXPECT_EQ(view.log, GetParam().connected);
    view.log.clear();
    dlg.ApplyEnableSet(RowsSet());
    EXPECT_EQ(view.log, GetParam().rowsSet);
}

std::vector<std::string> Connected(std::initializer_list<int> rowControls) {
    std::vector<std::string> out = {"enable 1012", "enable 1003", "enable 1005", "enable 1004"};
    for (int id : rowControls) out.push_back("enable " + std::to_string(id));
    for (int id : {IDC_TEMP, IDC_ANALOG, IDC_LBL_TEMP, IDC_LBL_ANALOG, IDC_CHK_ACQ_TEMP,
                   IDC_CHK_ACQ_ANALOG, IDC_CHK_LED1, IDC_CHK_LED2, IDC_CHK_LED3, IDC_CHK_LED4,
                   IDC_CHK_BUZ})
        out.push_back("enable " + std::to_string(id));
    out.push_back("disable 1011");
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EnableSetsByRows,
    ::testing::Values(
        RowsCase{"1", Connected({}),
                 Ids({IDC_EDIT_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4, IDC_BTN_ROW2, IDC_BTN_ROW3,
                      IDC_BTN_ROW4},
                     "disable")},
        RowsCase{"2", Connected({IDC_EDIT_ROW2, IDC_BTN_ROW2}),
                 {"enable 1006", "enable 1013", "disable 1007", "disable 1008", "disable 1014",
                  "disable 1015"}},
        RowsCase{"4",
                 Connected({IDC_EDIT_ROW2, IDC_BTN_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4, IDC_BTN_ROW3,
                            IDC_BTN_ROW4}),
                 Ids({IDC_EDIT_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4, IDC_BTN_ROW2, IDC_BTN_ROW3,
                      IDC_BTN_ROW4},
                     "enable")},
        // Whole-text, case-sensitive tests: "3", "" and "04" match none.
        RowsCase{"3", Connected({}), {}}, RowsCase{"", Connected({}), {}},
        RowsCase{"04", Connected({}), {}}));

TEST(PanelSystemMenu, CommandsWithTheAboutIdInTheHighBitsOpenTheAboutBox) {
    for (unsigned id = 0x0010; id <= 0x001F; ++id) {
        FakeView view;
        CPanelDlg dlg(view);
        const EventResult r = dlg.OnEvent({PanelEventKind::SysCommand, static_cast<int>(id), 0});
        EXPECT_TRUE(r.handled) << id;
        EXPECT_EQ(view.Calls("modal"), std::vector<std::string>{"modal 100"}) << id;
    }
    for (unsigned id : {0x0040u, 0x0000u, 0xF060u /* close */}) {
        FakeView view;
        CPanelDlg dlg(view);
        EXPECT_FALSE(dlg.OnEvent({PanelEventKind::SysCommand, static_cast<int>(id), 0}).handled) << id;
        EXPECT_TRUE(view.Calls("modal").empty()) << id;
    }
}

TEST(PanelSystemMenu, TheTrendItemOpensTheWindowOrBringsItToTheFront) {
    for (unsigned id = 0x0020; id <= 0x002F; ++id) {
        FakeView view;
        CPanelDlg dlg(view);
        EXPECT_TRUE(dlg.OnEvent({PanelEventKind::SysCommand, static_cast<int>(id), 0}).handled) << id;
        EXPECT_EQ(view.Calls("trend"), std::vector<std::string>{"trend open"}) << id;
        EXPECT_EQ(view.trend, &dlg.Store().m_trend);
        EXPECT_TRUE(view.Calls("modal").empty());
    }
    // Open: the points stay and the window comes to the front. Closed and
    // opened again: the series starts anew.
    FakeView view;
    TestPanel dlg(view);
    dlg.Seed().m_trend.Add({1000, 0, 21.5, 100});
    dlg.OnEvent({PanelEventKind::SysCommand, IDM_TREND, 0});
    EXPECT_TRUE(dlg.Store().m_trend.Empty());
    dlg.Seed().m_trend.Add({1001, 0, 21.5, 100});
    dlg.OnEvent({PanelEventKind::SysCommand, IDM_TREND, 0});
    EXPECT_EQ(dlg.Store().m_trend.Size(), 1u);
    view.trendOpen = false;
    dlg.OnEvent({PanelEventKind::SysCommand, IDM_TREND, 0});
    EXPECT_TRUE(dlg.Store().m_trend.Empty());
    EXPECT_EQ(view.Calls("trend"), (std::vector<std::string>{"trend open", "trend front", "trend open"}));
}

TEST(PanelSystemMenu, DragIconQueryGivesThePanelIconAndPaintingIsTheWindows) {
    FakeView view;
    CPanelDlg dlg(view);
    const EventResult icon = dlg.OnEvent({PanelEventKind::QueryDragIcon});
    EXPECT_TRUE(icon.handled);
    EXPECT_EQ(icon.value, dlg.Store().m_hIcon);
    EXPECT_FALSE(dlg.OnEvent({PanelEventKind::Paint}).handled);
}

TEST(PanelEvents, UnlistedEventsGoToTheBaseHandling) {
    FakeView view;
    CPanelDlg dlg(view);
    dlg.OnInitDialog();
    view.log.clear();
    // The temperature "Acquisisci" has no entry; the analog one an empty routine.
    EXPECT_FALSE(dlg.OnEvent({PanelEventKind::Click, IDC_CHK_ACQ_TEMP}).handled);
    EXPECT_TRUE(dlg.OnEvent({PanelEventKind::Click, IDC_CHK_ACQ_ANALOG}).handled);
    EXPECT_FALSE(dlg.OnEvent({PanelEventKind::Click, IDC_EDIT_ROW1}).handled);
    EXPECT_TRUE(view.log.empty());
}

TEST(PanelOk, EnterEndsThePanelWhenTheExchangeSucceeds) {
    FakeView view;
    CPanelDlg dlg(view);
    dlg.OnInitDialog();
    view.text[IDC_EDIT_ROW2] = "sedici caratteri";  // exactly 16
    EXPECT_TRUE(dlg.OnEvent({PanelEventKind::Click, IDOK}).handled);
    EXPECT_EQ(view.endResult, IDOK);
    EXPECT_TRUE(view.messages.empty());
}

TEST(PanelOk, ATooLongRowKeepsThePanelOpenAndSaysWhy) {
    FakeView view;
    CPanelDlg dlg(view);
    dlg.OnInitDialog();
    view.enabled[IDC_EDIT_ROW3] = true;  // as while connected
    view.text[IDC_EDIT_ROW3] = "diciassette carat";  // 17
    dlg.OnEvent({PanelEventKind::Click, IDOK});
    EXPECT_EQ(view.endResult, 0);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Riga 3: al massimo 16 caratteri."});
    EXPECT_EQ(view.focus, IDC_EDIT_ROW3);
}

}  // namespace
