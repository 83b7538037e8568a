// After a box the focus and the caret go back to the control that had them,
// at once, or when a control disabled meanwhile is enabled again; and one
// box at a time: a box met under the About box or the file chooser waits
// for it to close, while the poll goes on.
#include "panel/tests/os_faults.h"
#include "panel/tests/replug_session.h"

#include <algorithm>

namespace {

struct FocusReturn : Replug {
    void Connect() {
        Click(IDC_BTN_ON);
        ASSERT_TRUE(Connected());
    }
    // The user's keys go on in `id` from `at`: "ciao " typed into an empty row.
    void TypeInto(int id, std::string_view before) {
        view.text[id].clear();
        view.ClickInto(id, 0);
        view.Type(before);
    }
    std::size_t At(const std::string& line) const {
        return static_cast<std::size_t>(std::ranges::find(view.log, line) - view.log.begin());
    }
};

// The issue's own case: the board pulled while the user types in a row.
TEST_F(FocusReturn, TypingGoesOnInTheRowAfterTheBoardLeftAndCameBack) {
    Connect();
    TypeInto(IDC_EDIT_ROW1, "ciao ");
    Pull();
    Tick();  // "Errore in WriteFile!!"; the user closes it with Space
    ASSERT_EQ(view.messages, std::vector<std::string>{"Errore in WriteFile!!"});
    ASSERT_FALSE(view.enabled[IDC_EDIT_ROW1]);
    EXPECT_EQ(view.focus, IDCANCEL);  // the keyboard still reaches something meanwhile
    Tick();
    PlugNew(512);
    Tick();  // connected again by itself
    ASSERT_TRUE(Connected());
    EXPECT_EQ(view.focus, IDC_EDIT_ROW1);
    EXPECT_EQ(view.caret[IDC_EDIT_ROW1], 5);
    EXPECT_EQ(view.selected, 0);
    view.Type("mondo bello");
    EXPECT_EQ(view.text[IDC_EDIT_ROW1], "ciao mondo bello");
    Tick();
    EXPECT_EQ(view.focus, IDC_EDIT_ROW1);  // returned once, then left alone
    EXPECT_EQ(view.Calls("focus " + std::to_string(IDC_EDIT_ROW1)).size(), 2u);
}

// What the user does meanwhile, and where the focus is after the reconnect.
struct MeanwhileCase {
    const char* name;
    void (*act)(FocusReturn&);
    int want;
    friend void PrintTo(const MeanwhileCase& c, std::ostream* os) { *os << c.name; }
};

class FocusAfterTheReconnect : public FocusReturn, public ::testing::WithParamInterface<MeanwhileCase> {};

TEST_P(FocusAfterTheReconnect, IsGivenBackOnlyIfTheUserLeftItWhereThePanelPutIt) {
    Connect();
    TypeInto(IDC_EDIT_ROW1, "ciao ");
    Pull();
    Tick();
    PlugNew(512);
    GetParam().act(*this);
    Tick();
    ASSERT_TRUE(Connected());  // by itself, or by the user's "On"
    EXPECT_EQ(view.focus, GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Meanwhile, FocusAfterTheReconnect,
    ::testing::Values(
        MeanwhileCase{"Nothing", [](FocusReturn&) {}, IDC_EDIT_ROW1},
        MeanwhileCase{"ClickedIntoTheRowsCombo", [](FocusReturn& s) { s.view.ClickInto(IDC_COMBO_ROWS, 1); },
                      IDC_COMBO_ROWS},
        // The user connects: "On" hands the focus to "Off", and it stays.
        MeanwhileCase{"PressedOn",
                      [](FocusReturn& s) {
                          s.view.focus = IDC_BTN_ON;
                          s.Click(IDC_BTN_ON);
                      },
                      IDC_BTN_OFF},
        // A box of the panel's own is no move of the user's.
        MeanwhileCase{"OpenedAndClosedTheAboutBox",
                      [](FocusReturn& s) { s.dlg.OnEvent({PanelEventKind::SysCommand, IDM_ABOUTBOX}); },
                      IDC_EDIT_ROW1}),
    [](const auto& c) { return std::string(c.param.name); });

// A box that disables nothing: the focus and the caret are back as it
// closes, with nothing selected, in an edit and in a combo's entry alike.
struct EditorCase {
    int id;
    int caret;
};

class FocusAfterABox : public FocusReturn, public ::testing::WithParamInterface<EditorCase> {};

TEST_P(FocusAfterABox, ComesBackWithTheCaretAtOnce) {
    const auto [id, caret] = GetParam();
    Connect();
    view.checked[IDC_CHK_ACQ_ANALOG] = true;
    view.text[id] = "24";
    view.ClickInto(id, caret);
    int focusInside = -1;
    view.whileMessageOpen = [&] { focusInside = view.focus; };
    os_faults::failWritesTo = static_cast<int>(dlg.Link().Handle());
    Tick();  // the poll's write fails: "Errore in WriteFile!!"
    os_faults::failWritesTo = -1;
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(focusInside, 0);
    EXPECT_EQ(view.focus, id);
    EXPECT_EQ(view.selected, 0);
    view.Type("x");
    EXPECT_EQ(view.text[id], caret == 0 ? "x24" : "2x4");
}

INSTANTIATE_TEST_SUITE_P(Editors, FocusAfterABox,
                         ::testing::Values(EditorCase{IDC_EDIT_ROW2, 1}, EditorCase{IDC_COMBO_COLUMNS, 1},
                                           EditorCase{IDC_COMBO_PORT, 0}));

// The two modal windows of the panel: its About box, and a window the
// frontend runs by itself (the trend window's file chooser).
struct ModalCase {
    const char* name;
    void (*open)(FocusReturn&);
    friend void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }
};

class UnderAModalWindow : public FocusReturn, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(UnderAModalWindow, ThePollGoesOnAndItsBoxWaitsForTheWindowToClose) {
    Connect();
    view.checked[IDC_CHK_ACQ_ANALOG] = true;
    TypeInto(IDC_EDIT_ROW1, "ciao ");
    std::string clockInside, analogInside;
    std::size_t messagesInside = 9;
    bool disconnectedInside = false;
    view.whileModalOpen = [&] {
        now.tm_sec = 42;
        board->SetAnalog(77);
        Tick();
        clockInside = view.text[IDC_CLOCK];
        analogInside = view.text[IDC_ANALOG];
        Pull();
        Tick();
        Tick();
        messagesInside = view.messages.size();
        disconnectedInside = !Connected() && view.enabled[IDC_BTN_ON] && !view.enabled[IDC_EDIT_ROW1];
    };
    GetParam().open(*this);
    view.whileModalOpen = nullptr;

    EXPECT_EQ(clockInside, "00:00:42");  // the poll ran under the window
    EXPECT_EQ(analogInside, "0077");
    EXPECT_TRUE(disconnectedInside);     // and the board's leaving was acted on there
    EXPECT_EQ(messagesInside, 0u);       // but not told on top of the window
    EXPECT_EQ(view.messages, std::vector<std::string>{"Errore in WriteFile!!"});
    EXPECT_LT(At("closed modal window"), At("message Errore in WriteFile!!"));
    EXPECT_EQ(view.stacked, 0);
    EXPECT_EQ(view.focus, IDCANCEL);  // the row is disabled: the focus waits there

    PlugNew(512);
    Tick();
    ASSERT_TRUE(Connected());
    EXPECT_EQ(view.focus, IDC_EDIT_ROW1);
    view.Type("mondo");
    EXPECT_EQ(view.text[IDC_EDIT_ROW1], "ciao mondo");
}

// Where the toolkit leaves the focus as the boxes close: nowhere, on the
// first tab stop (the Windows dialog manager, when the control it kept is
// disabled), or on the disabled row itself. The panel's rule decides.
class WhereverTheBoxesLeaveIt : public FocusReturn, public ::testing::WithParamInterface<int> {};

TEST_P(WhereverTheBoxesLeaveIt, TheFocusWaitsOnTheNextControlAndComesBackToTheRow) {
    Connect();
    TypeInto(IDC_EDIT_ROW1, "ciao ");
    view.focusAfterBox = GetParam();
    view.whileModalOpen = [&] {
        Pull();
        Tick();
    };
    dlg.OnEvent({PanelEventKind::SysCommand, IDM_ABOUTBOX});
    EXPECT_EQ(view.focus, IDCANCEL);
    PlugNew(512);
    Tick();
    EXPECT_EQ(view.focus, IDC_EDIT_ROW1);
    EXPECT_EQ(view.caret[IDC_EDIT_ROW1], 5);
}

INSTANTIATE_TEST_SUITE_P(Toolkits, WhereverTheBoxesLeaveIt,
                         ::testing::Values(0, IDC_COMBO_PORT, IDC_EDIT_ROW1));

TEST_P(UnderAModalWindow, TheFocusAndCaretComeBackAfterItCloses) {
    Connect();
    view.text[IDC_EDIT_ROW2] = "abc";
    view.ClickInto(IDC_EDIT_ROW2, 2);
    view.whileModalOpen = [&] { Tick(); };
    GetParam().open(*this);
    EXPECT_EQ(view.focus, IDC_EDIT_ROW2);
    EXPECT_EQ(view.caret[IDC_EDIT_ROW2], 2);
    EXPECT_EQ(view.selected, 0);
    EXPECT_TRUE(view.messages.empty());
}

TEST_P(UnderAModalWindow, ATooLongRowMetThereIsToldAfterItWithTheFocusOnTheRow) {
    Connect();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunga";
    view.text[IDC_COMBO_COLUMNS] = "8";
    view.focus = IDC_BTN_LAYOUT;
    Click(IDC_BTN_LAYOUT);  // the next tick finds row 1 too long
    view.whileModalOpen = [&] {
        Tick();
        Tick();
    };
    GetParam().open(*this);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Riga 1: al massimo 8 caratteri."});
    EXPECT_LT(At("closed modal window"), At("message Riga 1: al massimo 8 caratteri."));
    EXPECT_EQ(view.focus, IDC_EDIT_ROW1);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, UnderAModalWindow,
    ::testing::Values(ModalCase{"About",
                                [](FocusReturn& s) {
                                    s.dlg.OnEvent({PanelEventKind::SysCommand, IDM_ABOUTBOX});
                                }},
                      ModalCase{"FileChooser",
                                [](FocusReturn& s) { s.dlg.RunModalWindow(s.view.ModalWindow()); }}),
    [](const auto& c) { return std::string(c.param.name); });

}  // namespace
