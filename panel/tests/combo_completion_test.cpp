// A combo that has the focus is not completed while the user types in it,
// however many ticks pass; the first tick after the focus leaves completes
// it. The rule is the panel's: every frontend only answers HasFocus.
#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "panel/tests/test_panel.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CompletionCase {
    const char* name;
    int combo;
    std::vector<std::string> keys;  // typed one after another, a tick after each
    std::string completed;          // what the combo shows after the focus left
    friend void PrintTo(const CompletionCase& c, std::ostream* os) { *os << c.name; }
};

class TypingInACombo : public ::testing::TestWithParam<CompletionCase> {
protected:
    FakeView view;
    CPanelDlg dlg{view};

    void SetUp() override {
        dlg.OnInitDialog();
        view.log.clear();
    }
    void Tick() { dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL}); }
};

TEST_P(TypingInACombo, IsCompletedOnlyAtTheFirstTickAfterTheFocusLeaves) {
    const CompletionCase& c = GetParam();
    view.text[c.combo].clear();  // the user emptied the field
    view.ClickInto(c.combo, 0);
    std::string typed;
    for (const std::string& key : c.keys) {
        view.Type(key);
        typed += key;
        Tick();
        EXPECT_EQ(view.text[c.combo], typed) << "after typing '" << key << "'";
        EXPECT_EQ(view.caret[c.combo], static_cast<int>(typed.size())) << "after typing '" << key << "'";
    }
    EXPECT_TRUE(view.Calls("select " + std::to_string(c.combo)).empty());

    view.focus = IDC_BTN_ON;  // Tab, or a click elsewhere
    EXPECT_EQ(view.text[c.combo], typed) << "completed before any tick";
    Tick();
    EXPECT_EQ(view.text[c.combo], c.completed);
}

INSTANTIATE_TEST_SUITE_P(
    Combos, TypingInACombo,
    ::testing::Values(
        CompletionCase{"ColumnsTwoToTwenty", IDC_COMBO_COLUMNS, {"2"}, "20"},
        CompletionCase{"ColumnsFourToForty", IDC_COMBO_COLUMNS, {"4"}, "40"},
        CompletionCase{"PortTypedAcrossTicks", IDC_COMBO_PORT, {"c", "o", "m"}, "COM1"},
        // Only the case differs: still a completion, still the user's text meanwhile.
        CompletionCase{"PortInLowerCase", IDC_COMBO_PORT, {"com", "3"}, "COM3"},
        CompletionCase{"RowsOneOfTheList", IDC_COMBO_ROWS, {"2"}, "2"},
        // Nothing in the list begins so: the text stays as typed.
        CompletionCase{"PortNotInTheList", IDC_COMBO_PORT, {"/dev/tty", "ACM0"}, "/dev/ttyACM0"},
        CompletionCase{"RowsNotInTheList", IDC_COMBO_ROWS, {"3"}, "3"}),
    [](const auto& c) { return std::string(c.param.name); });

struct OwnChangeCase {
    int combo;
    std::string PanelStore::*field;
    std::string shown;  // what the user typed, the focus still there
    std::string set;    // what the panel puts in the store meanwhile
    std::string want;
};

// The rule holds back only a completion of what the user typed: an entry the
// panel sets that does not continue it is no completion, and shows at once.
TEST(AFocusedCombo, ShowsThePanelsOwnChangeAtOnce) {
    const OwnChangeCase cases[] = {
        {IDC_COMBO_COLUMNS, &PanelStore::m_strColumns, "2", "8", "8"},
        {IDC_COMBO_PORT, &PanelStore::m_strPort, "COM", "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {IDC_COMBO_PORT, &PanelStore::m_strPort, "/dev/tty", "COM3", "COM3"},
        // The same store, a completion: held back.
        {IDC_COMBO_PORT, &PanelStore::m_strPort, "COM", "COM3", "COM"},
    };
    for (const OwnChangeCase& c : cases) {
        FakeView view;
        TestPanel dlg(view);
        dlg.OnInitDialog();
        view.text[c.combo] = c.shown;
        view.ClickInto(c.combo, static_cast<int>(c.shown.size()));
        dlg.Seed().*c.field = c.set;
        dlg.ExchangeData(Exchange::ToControls);
        EXPECT_EQ(view.text[c.combo], c.want) << c.shown << " then " << c.set;
        EXPECT_EQ(view.focus, c.combo);
    }
}

}  // namespace
