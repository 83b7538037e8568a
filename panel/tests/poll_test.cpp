// The once-a-second poll and the hello read, against the simulated board.
#include "panel/tests/board_session.h"

#include <thread>

namespace {

using namespace std::chrono_literals;

struct PollSession : BoardSession {
    void Acquire(bool analog, bool temperature) {
        view.checked[IDC_CHK_ACQ_ANALOG] = analog;
        view.checked[IDC_CHK_ACQ_TEMP] = temperature;
    }
};

TEST_F(PollSession, DisconnectedATickOnlyMovesTheClock) {
    now.tm_hour = 9, now.tm_min = 5, now.tm_sec = 3;
    EXPECT_EQ(view.text[IDC_CLOCK], "00:00:00");
    Tick();
    EXPECT_EQ(view.text[IDC_CLOCK], "09:05:03");
    now.tm_hour = 23, now.tm_min = 59, now.tm_sec = 59;
    Tick();
    EXPECT_EQ(view.text[IDC_CLOCK], "23:59:59");
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(board.Received(), "");
    EXPECT_FALSE(dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL}).handled);  // default handling follows
}

TEST_F(PollSession, BothAcquisitionsReadAnalogThenTemperature) {
    Connect();
    board.SetAnalog(731);
    board.SetTemperature(21.0);
    board.SetReply(sim::Reply::Late, 60);  // so the order of reads shows in the times
    Acquire(true, true);
    Tick();
    EXPECT_EQ(Wire(3), "aTt");
    const auto chunks = board.Chunks();
    ASSERT_GE(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].bytes, "a");
    // "T" waits for the analog reply, which the board sends 60 ms late.
    EXPECT_GE(chunks[1].at - chunks[0].at, 55ms);
    EXPECT_EQ(view.text[IDC_ANALOG], "0731");
    EXPECT_EQ(view.text[IDC_TEMP], " 21.0°C");
}

TEST_F(PollSession, PressingAnAcquisitionSendsNothingUntilTheNextTick) {
    Connect();
    view.checked[IDC_CHK_ACQ_TEMP] = true;
    Click(IDC_CHK_ACQ_TEMP);
    Click(IDC_CHK_ACQ_ANALOG);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(board.Received(), "");
    Tick();
    EXPECT_EQ(Wire(2), "Tt");
    EXPECT_EQ(view.text[IDC_ANALOG], "---");  // released: not read, not changed
}

TEST_F(PollSession, ARepliesZeroByteEndsItsText) {
    Connect();
    board.SetReply(sim::Reply::ZeroByte);
    Acquire(true, false);
    Tick();
    EXPECT_EQ(view.text[IDC_ANALOG], "05");
}

TEST_F(PollSession, ASilentBoardLeavesTheEmptyTextAfterTheBound) {
    Connect();
    board.SetReply(sim::Reply::Never);
    Acquire(true, true);
    const auto start = std::chrono::steady_clock::now();
    Tick();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3 * 2 * std::chrono::milliseconds(port::kReadBoundMs));
    EXPECT_EQ(view.text[IDC_ANALOG], "");
    EXPECT_EQ(view.text[IDC_TEMP], "");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(PollSession, AFailedWriteEndsTheTickBeforeItsExchangeAndIsReportedOnce) {
    Connect();
    now.tm_hour = 10;
    Acquire(true, true);
    board.Vanish();
    Tick();
    EXPECT_EQ(view.messages, std::vector<std::string>{"Errore in WriteFile!!"});
    EXPECT_EQ(view.text[IDC_CLOCK], "00:00:00");  // the tick ended before showing it
    EXPECT_EQ(view.text[IDC_ANALOG], "---");
    // Both acquisitions are released, so the next ticks do not report it again.
    EXPECT_FALSE(view.checked[IDC_CHK_ACQ_ANALOG] || view.checked[IDC_CHK_ACQ_TEMP]);
    Tick();
    Tick();
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.text[IDC_CLOCK], "10:00:00");
    // "Off" still works, and a board that comes back can be connected.
    Click(IDC_BTN_OFF);
    EXPECT_EQ(dlg.m_hComm, port::kNoPort);
    sim::SimBoard again;
    view.text[IDC_COMBO_PORT] = again.Path();
    Click(IDC_BTN_ON);
    EXPECT_EQ(view.messages.size(), 1u);
    Acquire(true, false);
    Tick();
    EXPECT_EQ(view.text[IDC_ANALOG], "0512");
    dlg.ClosePort();
}

TEST_F(PollSession, TicksDuringAMessageBoxAreSkipped) {
    Connect();
    Acquire(true, true);
    board.Vanish();
    int ticksInside = 0;
    view.whileMessageOpen = [&] {
        ++ticksInside;
        Tick();
        Tick();
    };
    Click(IDC_BTN_ROW2);  // locate fails, the text write fails: two boxes
    EXPECT_EQ(ticksInside, 2);
    EXPECT_EQ(view.messages.size(), 2u);  // no box from the ticks
    EXPECT_EQ(view.text[IDC_CLOCK], "00:00:00");
}

TEST_F(PollSession, ATickCannotCutBetweenALocateAndItsText) {
    Connect();
    Acquire(true, true);
    view.text[IDC_EDIT_ROW2] = "diciassette carat";  // the exchange reports it
    view.whileMessageOpen = [&] { Tick(); };
    Click(IDC_BTN_ROW2);
    view.whileMessageOpen = nullptr;
    EXPECT_EQ(Wire(19), "l!wdiciassette cara");
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(PollSession, TicksGoOnWhileTheAboutBoxIsOpen) {
    now.tm_sec = 42;
    view.whileModalOpen = [&] { Tick(); };
    dlg.OnEvent({PanelEventKind::SysCommand, 0x0010});
    EXPECT_EQ(view.text[IDC_CLOCK], "00:00:42");
}

TEST_F(PollSession, ATooLongRowIsReportedOnceByTheTicksAndAgainByAClick) {
    Connect();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunga";
    view.text[IDC_COMBO_COLUMNS] = "8";
    Click(IDC_BTN_LAYOUT);
    EXPECT_TRUE(view.messages.empty());
    Tick();
    Tick();
    Tick();
    EXPECT_EQ(view.messages, std::vector<std::string>{"Riga 1: al massimo 8 caratteri."});
    Click(IDC_BTN_ROW1);
    EXPECT_EQ(view.messages.size(), 2u);
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunghissima";  // a new offence
    Tick();
    EXPECT_EQ(view.messages.size(), 3u);
    view.text[IDC_EDIT_ROW1] = "corta";
    Tick();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunghissima";  // again after a clean exchange
    Tick();
    EXPECT_EQ(view.messages.size(), 4u);
}

TEST_F(PollSession, WhileARowBreaksTheRuleTheTickGoesOnWithTheFieldsItHas) {
    Connect();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunga";
    view.text[IDC_COMBO_COLUMNS] = "8";
    Click(IDC_BTN_LAYOUT);
    Acquire(true, false);  // after the row: not taken in
    Tick();
    EXPECT_EQ(dlg.m_bAcquireAnalog, 0);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(board.Received(), "c");
}

TEST_F(PollSession, HelloReadsWhateverComesAndShowsItWithoutReadingTheControls) {
    Connect();
    board.SetReply(sim::Reply::Extra);
    view.text[IDC_EDIT_ROW1] = "non letto";
    Click(IDC_BTN_HELLO);
    EXPECT_EQ(Wire(1), "a");
    EXPECT_EQ(view.text[IDC_ANALOG], "0512XY");
    EXPECT_EQ(view.text[IDC_EDIT_ROW1], "Riga 1");  // the store, written back
}

TEST_F(PollSession, HelloWithThePortGoneReportsAndStops) {
    Connect();
    board.Vanish();
    view.log.clear();
    Click(IDC_BTN_HELLO);
    EXPECT_EQ(view.log, std::vector<std::string>{"message Errore in WriteFile!!"});
}

}  // namespace
