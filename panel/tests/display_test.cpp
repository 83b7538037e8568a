// "Aggiorna il display" and the rows' "Aggiorna": byte-exact traffic at the
// simulated board through the real port.
#include "panel/tests/board_session.h"
#include "panel/tests/os_faults.h"

#include <tuple>

namespace {

using namespace std::string_literals;

struct DisplaySession : BoardSession {
    // Applies `columns` and forgets the "c" it sent.
    void Columns(const std::string& columns) {
        view.text[IDC_COMBO_COLUMNS] = columns;
        Click(IDC_BTN_LAYOUT);
        ASSERT_EQ(Wire(1), "c");
        board.ClearReceived();
    }
};

TEST_F(DisplaySession, LayoutSendsOneByteAndAppliesRowsAndColumns) {
    Connect();
    view.text[IDC_COMBO_ROWS] = "2";
    view.text[IDC_COMBO_COLUMNS] = "20";
    Click(IDC_BTN_LAYOUT);
    EXPECT_EQ(Wire(1), "c");
    EXPECT_EQ(dlg.Store().m_nColumns, 20);
    EXPECT_TRUE(view.enabled[IDC_EDIT_ROW2] && view.enabled[IDC_BTN_ROW2]);
    EXPECT_FALSE(view.enabled[IDC_EDIT_ROW3] || view.enabled[IDC_BTN_ROW4]);
    EXPECT_EQ(view.limit[IDC_EDIT_ROW1], 20);
}

TEST_F(DisplaySession, AnUnknownColumnsTextKeepsTheCountAndStillSends) {
    Connect();
    view.text[IDC_COMBO_COLUMNS] = "12";
    Click(IDC_BTN_LAYOUT);
    EXPECT_EQ(Wire(1), "c");
    EXPECT_EQ(dlg.Store().m_nColumns, 16);
    EXPECT_EQ(view.text[IDC_COMBO_COLUMNS], "12");
}

TEST_F(DisplaySession, TypingFourInTheColumnsComboShowsFortyAfterATick) {
    Connect();
    view.text[IDC_COMBO_COLUMNS] = "4";
    Tick();
    EXPECT_EQ(view.text[IDC_COMBO_COLUMNS], "40");
    EXPECT_EQ(dlg.Store().m_nColumns, 16);  // shown, not applied
}

enum class Length { Short, Exact, TooLong };

class RowWrite : public DisplaySession,
                 public ::testing::WithParamInterface<std::tuple<int, int, Length>> {};

TEST_P(RowWrite, LocateThenOneTextCommandOfColumnsPlusOneBytes) {
    const auto [row, columns, length] = GetParam();
    Connect();
    Columns(std::to_string(columns));
    const int edit[] = {IDC_EDIT_ROW1, IDC_EDIT_ROW2, IDC_EDIT_ROW3, IDC_EDIT_ROW4};
    const int button[] = {IDC_BTN_ROW1, IDC_BTN_ROW2, IDC_BTN_ROW3, IDC_BTN_ROW4};
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::string text = "Riga " + std::to_string(row);
    if (length != Length::Short) text = alphabet.substr(0, static_cast<std::size_t>(columns));
    if (length == Length::TooLong) text += "++";
    view.text[edit[row - 1]] = text;

    Click(button[row - 1]);
    const std::string sent = text.substr(0, static_cast<std::size_t>(columns));
    const std::string want = "l"s + static_cast<char>(row << 4 | 1) + "w" + sent +
                             std::string(static_cast<std::size_t>(columns) - sent.size(), ' ');
    EXPECT_EQ(Wire(want.size()), want);
    EXPECT_EQ(view.messages.size(), length == Length::TooLong ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(RowsColumnsLengths, RowWrite,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4),
                                            ::testing::Values(8, 16, 20, 40),
                                            ::testing::Values(Length::Short, Length::Exact,
                                                              Length::TooLong)));

TEST_F(DisplaySession, DefaultRowOneIsSeventeenBytesAfterItsLocate) {
    Connect();
    Click(IDC_BTN_ROW1);
    EXPECT_EQ(Wire(19), "l\x11wRiga 1          ");
}

TEST_F(DisplaySession, ANarrowerLayoutCutsARowStillLongerInTheEditor) {
    Connect();
    view.text[IDC_EDIT_ROW3] = "Riga 3 lunga";  // 12 characters, fine at 16
    Columns("8");
    EXPECT_EQ(view.text[IDC_EDIT_ROW3], "Riga 3 lunga");  // kept, not cut
    Click(IDC_BTN_ROW3);
    EXPECT_EQ(Wire(11), "l1wRiga 3 l");
    EXPECT_EQ(view.messages, std::vector<std::string>{"Riga 3: al massimo 8 caratteri."});
}

TEST_F(DisplaySession, AWiderLayoutIsAWayOutOfALongRow) {
    Connect();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunga";
    Columns("8");
    view.text[IDC_COMBO_ROWS] = "2";
    view.text[IDC_COMBO_COLUMNS] = "20";
    Click(IDC_BTN_LAYOUT);
    EXPECT_EQ(Wire(1), "c");
    EXPECT_EQ(view.messages, std::vector<std::string>{"Riga 1: al massimo 8 caratteri."});
    // The texts chosen are applied and stay shown: no snapping back.
    EXPECT_EQ(dlg.Store().m_nColumns, 20);
    EXPECT_EQ(view.text[IDC_COMBO_ROWS], "2");
    EXPECT_EQ(view.text[IDC_COMBO_COLUMNS], "20");
    EXPECT_FALSE(view.enabled[IDC_EDIT_ROW3]);
    board.ClearReceived();
    Click(IDC_BTN_ROW1);
    EXPECT_EQ(Wire(23), "l\x11wRiga 1 lunga        ");
    EXPECT_EQ(view.messages.size(), 1u);  // the row fits now
}

TEST_F(DisplaySession, TextGoesOutInWindows1252OneBytePerCharacter) {
    Connect();
    Columns("8");
    view.text[IDC_EDIT_ROW2] = "è°€日x";  // 5 characters, 11 UTF-8 bytes
    Click(IDC_BTN_ROW2);
    EXPECT_EQ(Wire(11), "l!w\xE8\xB0\x80?x   ");
    EXPECT_TRUE(view.messages.empty());
}

struct FailingRowCase {
    int button;
    std::vector<std::string> messages;
};

class RowWithFailingWrites : public BoardSession, public ::testing::WithParamInterface<FailingRowCase> {};

TEST_P(RowWithFailingWrites, FailedWritesAreReportedAsEachRowSays) {
    Connect();
    os_faults::failWritesTo = static_cast<int>(dlg.Link().Handle());
    Click(GetParam().button);
    os_faults::failWritesTo = -1;
    EXPECT_EQ(view.messages, GetParam().messages);
    EXPECT_NE(dlg.Link().Handle(), port::kNoPort);  // a failure, not a board gone: still connected
}

const std::vector<std::string> kTwice = {"Errore in WriteFile!!", "Errore in WriteFile!!"};
INSTANTIATE_TEST_SUITE_P(Rows, RowWithFailingWrites,
                         ::testing::Values(FailingRowCase{IDC_BTN_ROW1, kTwice},
                                           FailingRowCase{IDC_BTN_ROW2, kTwice},
                                           FailingRowCase{IDC_BTN_ROW3, kTwice},
                                           FailingRowCase{IDC_BTN_ROW4, {"Errore in WriteFile!!"}},
                                           FailingRowCase{IDC_BTN_LAYOUT, {"Errore in WriteFile!!"}}));

}  // namespace
