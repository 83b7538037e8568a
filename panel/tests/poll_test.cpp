// The once-a-second poll and the hello read, against the simulated board.
#include "panel/tests/board_session.h"
#include "panel/tests/os_faults.h"

#include <functional>
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
    os_faults::failWritesTo = static_cast<int>(dlg.Link().Handle());
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
    // Still connected; pressed again once the port works, the readings come.
    os_faults::failWritesTo = -1;
    EXPECT_NE(dlg.Link().Handle(), port::kNoPort);
    Acquire(true, false);
    Tick();
    EXPECT_EQ(view.text[IDC_ANALOG], "0512");
}

TEST_F(PollSession, ABoardGoneMidTickIsReportedOnceAndDisconnects) {
    Connect();
    Acquire(true, true);
    board.Vanish();
    Tick();
    Tick();
    EXPECT_EQ(view.messages, std::vector<std::string>{"Errore in WriteFile!!"});
    EXPECT_EQ(dlg.Link().Handle(), port::kNoPort);
    EXPECT_TRUE(view.enabled[IDC_BTN_ON]);
    // Another board can be connected at once.
    sim::SimBoard again;
    view.text[IDC_COMBO_PORT] = again.Path();
    Click(IDC_BTN_ON);
    EXPECT_EQ(view.messages.size(), 1u);
    Acquire(true, false);
    Tick();
    EXPECT_EQ(view.text[IDC_ANALOG], "0512");
    Click(IDC_BTN_OFF);  // before the other board goes
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

TEST_F(PollSession, ALongRowHoldsBackNeitherTheTogglesNorTheCombosNorTheSwitches) {
    Connect();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunga";
    view.text[IDC_COMBO_COLUMNS] = "8";
    Click(IDC_BTN_LAYOUT);
    ASSERT_EQ(Wire(1), "c");
    Tick();
    ASSERT_EQ(view.messages.size(), 1u);
    board.ClearReceived();
    Acquire(true, false);
    view.text[IDC_COMBO_ROWS] = "2";
    view.checked[IDC_CHK_LED1] = true;
    Click(IDC_CHK_LED1);
    Tick();
    EXPECT_EQ(Wire(8), "LEDb1ona");
    EXPECT_EQ(view.text[IDC_ANALOG], "0512");
    EXPECT_EQ(view.text[IDC_COMBO_ROWS], "2");  // not snapped back
    view.checked[IDC_CHK_LED1] = false;
    Click(IDC_CHK_LED1);  // across a tick: the other command
    EXPECT_EQ(Wire(16), "LEDb1onaLEDb1off");
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(PollSession, ARowLeftTooLongInADisabledEditorIsNoDeadEnd) {
    Connect();
    view.text[IDC_EDIT_ROW2] = "Temperatura";  // 11 characters
    view.text[IDC_COMBO_ROWS] = "1";
    view.text[IDC_COMBO_COLUMNS] = "8";
    Click(IDC_BTN_LAYOUT);
    ASSERT_FALSE(view.enabled[IDC_EDIT_ROW2]);
    Tick();
    Click(IDC_BTN_LAYOUT);
    Click(IDC_BTN_OFF);
    Click(IDC_BTN_ON);
    Tick();
    EXPECT_TRUE(view.messages.empty());
    // Showing the row again makes it editable, and then it is reported.
    view.text[IDC_COMBO_ROWS] = "2";
    Click(IDC_BTN_LAYOUT);
    EXPECT_TRUE(view.enabled[IDC_EDIT_ROW2]);
    Tick();
    EXPECT_EQ(view.messages, std::vector<std::string>{"Riga 2: al massimo 8 caratteri."});
    EXPECT_EQ(view.focus, IDC_EDIT_ROW2);
}

TEST_F(PollSession, AFailedPollWriteWhileARowIsTooLongIsReportedOnce) {
    Connect();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunga";
    view.text[IDC_COMBO_COLUMNS] = "8";
    Click(IDC_BTN_LAYOUT);
    Acquire(true, true);
    board.Vanish();
    for (int i = 0; i < 4; ++i) Tick();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Riga 1: al massimo 8 caratteri.",
                                                       "Errore in WriteFile!!"}));
}

// A fault of the board's, and how it ends.
struct FaultCase {
    const char* name;
    std::function<void(sim::SimBoard&)> start;
    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class ReadingsAfterAFault : public PollSession, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ReadingsAfterAFault, TrueValuesReturnWithinTwoTicksOfItsEnd) {
    Connect();
    board.SetAnalog(731);
    board.SetTemperature(21.0);
    Acquire(true, true);
    GetParam().start(board);
    TickOnTime();
    board.SetReply(sim::Reply::Normal);
    TickOnTime();
    TickOnTime();
    EXPECT_EQ(view.text[IDC_ANALOG], "0731");
    EXPECT_EQ(view.text[IDC_TEMP], " 21.0°C");
    // And they stay right.
    board.SetAnalog(5);
    TickOnTime();
    EXPECT_EQ(view.text[IDC_ANALOG], "0005");
    EXPECT_EQ(view.text[IDC_TEMP], " 21.0°C");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadingsAfterAFault,
    ::testing::Values(
        FaultCase{"LateReply", [](sim::SimBoard& b) { b.SetReply(sim::Reply::Late, 2 * port::kReadBoundMs); }},
        FaultCase{"ExtraBytes", [](sim::SimBoard& b) { b.SetReply(sim::Reply::Extra); }},
        FaultCase{"Garbage", [](sim::SimBoard& b) { b.Inject(std::string(4000, '#')); }},
        FaultCase{"ZeroByte", [](sim::SimBoard& b) { b.SetReply(sim::Reply::ZeroByte); }},
        FaultCase{"ShortReply", [](sim::SimBoard& b) { b.SetReply(sim::Reply::Short); }},
        FaultCase{"Silence", [](sim::SimBoard& b) { b.SetReply(sim::Reply::Never); }}),
    [](const auto& fault) { return std::string(fault.param.name); });

TEST_F(PollSession, ExtraBytesNeverReachTheOtherField) {
    Connect();
    board.SetReply(sim::Reply::Extra);
    Acquire(true, true);
    for (int i = 0; i < 3; ++i) {
        Tick();
        EXPECT_EQ(view.text[IDC_ANALOG], "0512");
        EXPECT_EQ(view.text[IDC_TEMP], " 23.5°C");
    }
}

TEST_F(PollSession, BytesWaitingBeforeTheConnectAnswerNothing) {
    board.Inject("garbage from before");
    Connect();
    Click(IDC_BTN_HELLO);  // reads whatever comes, up to 512 bytes
    EXPECT_EQ(view.text[IDC_ANALOG], "0512");
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

TEST_F(PollSession, HelloWithAFailingWriteReportsAndStops) {
    Connect();
    os_faults::failWritesTo = static_cast<int>(dlg.Link().Handle());
    view.log.clear();
    Click(IDC_BTN_HELLO);
    os_faults::failWritesTo = -1;
    EXPECT_EQ(view.log, std::vector<std::string>{"message Errore in WriteFile!!"});
}

}  // namespace
