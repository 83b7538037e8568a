// The log behind "Traffico" fed by a panel talking to the simulated board:
// the lines of a tick, of a silent board and of one sending extra bytes,
// and the bytes on the wire the same whether it watches or not.
#include "panel/tests/board_session.h"

#include <string>
#include <vector>

namespace {

struct TrafficFeed : BoardSession {
    const TrafficLog& Log() const { return *view.traffic; }
    void OpenTraffic() {
        EXPECT_TRUE(dlg.OnEvent({PanelEventKind::SysCommand, IDM_TRAFFIC}).handled);
        ASSERT_NE(view.traffic, nullptr);
    }
    void AcquireAnalog() { view.checked[IDC_CHK_ACQ_ANALOG] = true; }
    // The lines added since `from`, without their time.
    std::vector<std::string> LinesFrom(std::size_t from) const {
        std::vector<std::string> out;
        for (std::size_t i = from; i < Log().Size(); ++i) out.push_back(Log().Line(i).substr(14));
        return out;
    }
    static bool Has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }
};

TEST_F(TrafficFeed, TheMenuItemOpensTheWindowOverThePanelsLogAndBringsItForward) {
    OpenTraffic();
    OpenTraffic();
    EXPECT_EQ(view.Calls("traffic"), (std::vector<std::string>{"traffic open", "traffic front"}));
}

TEST_F(TrafficFeed, ATickIsTheRequestItsReplyAndTheDelay) {
    OpenTraffic();
    Connect();
    AcquireAnalog();
    const std::size_t before = Log().Size();
    Tick();
    const auto lines = LinesFrom(before);
    ASSERT_EQ(lines.size(), 2u) << ::testing::PrintToString(lines);
    EXPECT_TRUE(lines[0].starts_with("inviato      \"a\"  Lettura ingresso analogico  [61]")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("ricevuto     \"0512\"  risposta dopo ")) << lines[1];
    EXPECT_TRUE(lines[1].ends_with(" ms  [30 35 31 32]")) << lines[1];
}

TEST_F(TrafficFeed, ASilentBoardTimesOut) {
    OpenTraffic();
    Connect();
    AcquireAnalog();
    board.SetReply(sim::Reply::Never);
    const std::size_t before = Log().Size();
    Tick();
    const auto lines = LinesFrom(before);
    ASSERT_EQ(lines.size(), 2u) << ::testing::PrintToString(lines);
    EXPECT_EQ(lines[1], "scaduto      nessuna risposta entro 300 ms");
}

TEST_F(TrafficFeed, ExtraBytesAreDiscardedBeforeTheNextRequest) {
    OpenTraffic();
    Connect();
    AcquireAnalog();
    board.SetReply(sim::Reply::Extra);
    Tick();
    const std::size_t before = Log().Size();
    Tick();
    const auto lines = LinesFrom(before);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "scartato     \"XY\"  scartati 2 byte  [58 59]");
}

TEST_F(TrafficFeed, AConnectToNoPortSaysWhichStepFailed) {
    OpenTraffic();
    view.text[IDC_COMBO_PORT] = "/dev/velmora-no-such-port";
    Click(IDC_BTN_ON);
    ASSERT_GE(Log().Size(), 1u);
    EXPECT_TRUE(Has(Log().Line(Log().Size() - 1), "errore       Connessione non riuscita: apertura della porta"))
        << Log().Line(Log().Size() - 1);
}

// One session's bytes: connect, a row, an LED, the buzzer, two ticks with both readings.
std::string SessionBytes(bool watched) {
    FakeView view;
    sim::SimBoard board;
    std::tm now{};
    CPanelDlg dlg{view, [&now] { return LocalTime{now, 0}; }};
    dlg.OnInitDialog();
    if (watched) dlg.OnEvent({PanelEventKind::SysCommand, IDM_TRAFFIC});
    view.text[IDC_COMBO_PORT] = board.Path();
    dlg.OnEvent({PanelEventKind::Click, IDC_BTN_ON});
    view.text[IDC_EDIT_ROW2] = "Ciao";
    dlg.OnEvent({PanelEventKind::Click, IDC_BTN_ROW2});
    view.checked[IDC_CHK_LED1] = true;
    dlg.OnEvent({PanelEventKind::Click, IDC_CHK_LED1});
    view.checked[IDC_CHK_BUZ] = true;
    dlg.OnEvent({PanelEventKind::Click, IDC_CHK_BUZ});
    view.checked[IDC_CHK_ACQ_ANALOG] = true;
    view.checked[IDC_CHK_ACQ_TEMP] = true;
    dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL});
    dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL});
    dlg.OnEvent({PanelEventKind::Click, IDC_BTN_OFF});
    // Every write has returned, but the board's thread may not have read
    // the last ones yet (slow under the sanitizers): wait until it is quiet.
    std::string received = board.Received();
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        const std::string later = board.Received();
        if (later == received && !later.empty()) break;
        received = later;
    }
    return received;
}

TEST(TrafficWatch, LeavesTheBytesOnTheWireAsTheyAre) {
    const std::string unwatched = SessionBytes(false);
    EXPECT_NE(unwatched.find("LEDb1on"), std::string::npos) << unwatched;
    EXPECT_EQ(SessionBytes(true), unwatched);
}

}  // namespace
