// Both directions of the exchange between controls and store.
#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "panel/tests/test_panel.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

struct ExchangeFixture : ::testing::Test {
    FakeView view;
    TestPanel dlg{view};
    // The row editors enabled, as while connected with four rows.
    void SetUp() override {
        dlg.OnInitDialog();
        for (int id : {IDC_EDIT_ROW1, IDC_EDIT_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4}) view.enabled[id] = true;
        view.log.clear();
    }
};

TEST_F(ExchangeFixture, ToStoreReadsEveryControl) {
    view.text[IDC_EDIT_ROW1] = "uno";
    view.text[IDC_COMBO_PORT] = "/dev/ttyUSB0";
    view.text[IDC_COMBO_ROWS] = "2";
    view.text[IDC_COMBO_COLUMNS] = "20";
    view.text[IDC_ANALOG] = "0512";
    view.checked[IDC_CHK_ACQ_TEMP] = true;
    view.checked[IDC_CHK_LED3] = true;
    view.checked[IDC_CHK_BUZ] = true;
    EXPECT_TRUE(dlg.ExchangeData(Exchange::ToStore));
    EXPECT_EQ(dlg.Store().m_strRow1, "uno");
    EXPECT_EQ(dlg.Store().m_strPort, "/dev/ttyUSB0");
    EXPECT_EQ(dlg.Store().m_strRows, "2");
    EXPECT_EQ(dlg.Store().m_strColumns, "20");
    EXPECT_EQ(dlg.Store().m_nColumns, 16);  // only applying the layout changes it
    EXPECT_EQ(dlg.Store().m_strAnalog, "0512");
    EXPECT_EQ(dlg.Store().m_bAcquireTemp, 1);
    EXPECT_EQ(dlg.Store().m_bAcquireAnalog, 0);
    EXPECT_EQ(dlg.Store().m_bLed3, 1);
    EXPECT_EQ(dlg.Store().m_bBuzzer, 1);
}

TEST_F(ExchangeFixture, ATooLongRowIsReportedAndTheRestIsStillRead) {
    view.text[IDC_EDIT_ROW1] = "nuova";
    view.text[IDC_EDIT_ROW2] = "diciassette carat";  // 17 > 16
    view.text[IDC_EDIT_ROW3] = "anche questa è lunga";
    view.text[IDC_COMBO_PORT] = "COM7";
    view.checked[IDC_CHK_LED1] = true;
    view.checked[IDC_CHK_ACQ_ANALOG] = true;
    EXPECT_FALSE(dlg.ExchangeData(Exchange::ToStore));
    EXPECT_EQ(dlg.Store().m_strRow1, "nuova");
    EXPECT_EQ(dlg.Store().m_strRow2, "diciassette carat");
    // Everything after it keeps up with the window: port, toggles, switches.
    EXPECT_EQ(dlg.Store().m_strRow3, "anche questa è lunga");
    EXPECT_EQ(dlg.Store().m_strPort, "COM7");
    EXPECT_EQ(dlg.Store().m_bLed1, 1);
    EXPECT_EQ(dlg.Store().m_bAcquireAnalog, 1);
    // One report, for the first offending row, and the focus there.
    EXPECT_EQ(view.messages, std::vector<std::string>{"Riga 2: al massimo 16 caratteri."});
    EXPECT_EQ(view.focus, IDC_EDIT_ROW2);
}

TEST_F(ExchangeFixture, ARowWhoseEditorIsDisabledIsNotHeldToTheRule) {
    // Its editor can't be reached, so the user could never shorten it.
    view.enabled[IDC_EDIT_ROW2] = false;
    view.text[IDC_EDIT_ROW2] = "diciassette carat";
    EXPECT_TRUE(dlg.ExchangeData(Exchange::ToStore));
    EXPECT_EQ(dlg.Store().m_strRow2, "diciassette carat");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(ExchangeFixture, TheLengthRuleCountsCharactersNotBytes) {
    view.text[IDC_EDIT_ROW1] = "perché è così°€€€";  // 17 characters, more bytes
    view.text[IDC_EDIT_ROW2] = "perché è così°€€";   // 16 characters
    EXPECT_FALSE(dlg.ExchangeData(Exchange::ToStore));
    view.text[IDC_EDIT_ROW1] = "perché è così°€€";
    EXPECT_TRUE(dlg.ExchangeData(Exchange::ToStore));
}

struct ComboCase {
    int combo;
    std::string field;
    std::string shown;  // what the combo then shows
    int selected;       // the entry selected, -1 for none
};

class ComboPrefixSelect : public ExchangeFixture, public ::testing::WithParamInterface<ComboCase> {};

TEST_P(ComboPrefixSelect, ShowsTheFirstEntryThatBeginsWithTheField) {
    const ComboCase& c = GetParam();
    auto field = c.combo == IDC_COMBO_PORT   ? &PanelStore::m_strPort
                 : c.combo == IDC_COMBO_ROWS ? &PanelStore::m_strRows
                                             : &PanelStore::m_strColumns;
    dlg.Seed().*field = c.field;
    dlg.ExchangeData(Exchange::ToControls);
    EXPECT_EQ(view.text[c.combo], c.shown);
    const auto selects = view.Calls("select " + std::to_string(c.combo));
    if (c.selected < 0)
        EXPECT_TRUE(selects.empty());
    else
        EXPECT_EQ(selects, std::vector<std::string>{"select " + std::to_string(c.combo) + " " +
                                                    std::to_string(c.selected)});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComboPrefixSelect,
    ::testing::Values(ComboCase{IDC_COMBO_PORT, "com3", "COM3", 2},
                      ComboCase{IDC_COMBO_PORT, "COM1", "COM1", 0},  // not COM10
                      ComboCase{IDC_COMBO_PORT, "cOm1", "COM1", 0},
                      ComboCase{IDC_COMBO_PORT, "COM10", "COM10", 9},
                      ComboCase{IDC_COMBO_PORT, "/dev/ttyACM0", "/dev/ttyACM0", -1},
                      ComboCase{IDC_COMBO_PORT, "", "", -1},  // empty selects nothing
                      ComboCase{IDC_COMBO_COLUMNS, "4", "40", 2},  // list order 16 20 40 8
                      ComboCase{IDC_COMBO_COLUMNS, "8", "8", 3},
                      ComboCase{IDC_COMBO_COLUMNS, "12", "12", -1},
                      ComboCase{IDC_COMBO_ROWS, "4", "4", 2},
                      ComboCase{IDC_COMBO_ROWS, "3", "3", -1}));

class ColumnSanitising : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(ColumnSanitising, AnyCountButTheFourBecomesSixteenInBothDirections) {
    for (const Exchange direction : {Exchange::ToStore, Exchange::ToControls}) {
        FakeView view;
        TestPanel dlg(view);
        dlg.Seed().m_nColumns = static_cast<std::int8_t>(GetParam().first);
        dlg.ExchangeData(direction);
        EXPECT_EQ(dlg.Store().m_nColumns, GetParam().second);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, ColumnSanitising,
                         ::testing::Values(std::pair{8, 8}, std::pair{16, 16}, std::pair{20, 20},
                                           std::pair{40, 40}, std::pair{0, 16}, std::pair{12, 16},
                                           std::pair{-1, 16}, std::pair{127, 16}));

TEST_F(ExchangeFixture, ToControlsLimitsEachRowAndShowsTheToggles) {
    dlg.Seed().m_nColumns = 8;
    dlg.Seed().m_bLed2 = 1;
    dlg.Seed().m_bAcquireAnalog = 1;
    dlg.Seed().m_strRow1 = "dieci car.";  // longer than the new limit: shown whole
    dlg.ExchangeData(Exchange::ToControls);
    for (int id : {IDC_EDIT_ROW1, IDC_EDIT_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4})
        EXPECT_EQ(view.limit[id], 8);
    EXPECT_EQ(view.text[IDC_EDIT_ROW1], "dieci car.");
    EXPECT_TRUE(view.checked[IDC_CHK_LED2]);
    EXPECT_TRUE(view.checked[IDC_CHK_ACQ_ANALOG]);
    EXPECT_FALSE(view.checked[IDC_CHK_LED1]);
}

TEST_F(ExchangeFixture, ExchangeWalksTheListInItsOrder) {
    dlg.ExchangeData(Exchange::ToControls);
    std::vector<std::string> order;
    for (const std::string& l : view.log) order.push_back(l.substr(0, l.find(' ', l.find(' ') + 1)));
    const std::vector<std::string> want = {
        "text 1003",  "limit 1003", "text 1006",  "limit 1006", "text 1007",  "limit 1007",
        "text 1008",  "limit 1008", "select 1009", "select 1010", "select 1018", "text 1024",
        "text 1028",  "check 1027", "check 1025", "text 1029",  "check 1019", "check 1020",
        "check 1021", "check 1022", "check 1032"};
    EXPECT_EQ(order, want);
}

}  // namespace
