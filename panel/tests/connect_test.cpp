// "On", "Off" and closing the panel, through the real port code.
#include "panel/tests/board_session.h"

#include "link/tests/test_link.h"
#include "panel/tests/os_faults.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace {

using ConnectSession = BoardSession;

// Another holder of the port, as a second program would be.
using OtherLink = TestLink;

class ConnectByRows : public BoardSession, public ::testing::WithParamInterface<const char*> {};

TEST_P(ConnectByRows, ConnectAppliesTheConnectedSetForTheRowsText) {
    view.text[IDC_COMBO_ROWS] = GetParam();
    Connect();
    const std::string rows = GetParam();
    const bool two = rows == "2" || rows == "4", four = rows == "4";
    EXPECT_FALSE(view.enabled[IDC_BTN_ON]);
    EXPECT_TRUE(view.enabled[IDC_BTN_OFF]);
    EXPECT_TRUE(view.enabled[IDC_EDIT_ROW1] && view.enabled[IDC_BTN_ROW1] && view.enabled[IDC_BTN_LAYOUT]);
    EXPECT_EQ(view.enabled[IDC_EDIT_ROW2], two);
    EXPECT_EQ(view.enabled[IDC_BTN_ROW2], two);
    EXPECT_EQ(view.enabled[IDC_EDIT_ROW3], four);
    EXPECT_EQ(view.enabled[IDC_BTN_ROW4], four);
    for (int id : {IDC_CHK_LED1, IDC_CHK_LED4, IDC_CHK_BUZ, IDC_CHK_ACQ_TEMP, IDC_CHK_ACQ_ANALOG,
                   IDC_TEMP, IDC_ANALOG, IDC_LBL_TEMP, IDC_LBL_ANALOG})
        EXPECT_TRUE(view.enabled[id]) << id;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(board.Received(), "");  // connecting sends nothing
}

INSTANTIATE_TEST_SUITE_P(Rows, ConnectByRows, ::testing::Values("1", "2", "4", "3"));

TEST_F(ConnectSession, ConnectRunsNoExchangeToTheControls) {
    view.text[IDC_COMBO_PORT] = board.Path();
    view.log.clear();
    Click(IDC_BTN_ON);
    EXPECT_TRUE(view.Calls("text").empty());
    EXPECT_TRUE(view.Calls("check").empty());
}

struct BadPortCase {
    std::string name;
    std::string message;
};

class BadPortName : public BoardSession, public ::testing::WithParamInterface<BadPortCase> {};

TEST_P(BadPortName, EachFailureShowsItsTextAndChangesNothingElse) {
    view.text[IDC_COMBO_PORT] = GetParam().name;
    view.log.clear();
    Click(IDC_BTN_ON);
    EXPECT_EQ(view.messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(view.log, std::vector<std::string>{"message " + GetParam().message});
    EXPECT_EQ(dlg.Link().Handle(), port::kNoPort);  // nothing left open
    EXPECT_TRUE(view.enabled[IDC_BTN_ON]);
    EXPECT_FALSE(view.enabled[IDC_BTN_OFF]);
}

std::string RegularFile() {
    static const std::string path = [] {
        const std::string p = ::testing::TempDir() + "velmora-not-a-port-" + std::to_string(getpid());
        std::ofstream(p) << "x";
        return p;
    }();
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Names, BadPortName,
    ::testing::Values(BadPortCase{"COM3", "Errore in CreateFile!!"},  // no such file here
                      BadPortCase{"", "Errore in CreateFile!!"},
                      BadPortCase{"/dev/velmora-no-such-port", "Errore in CreateFile!!"},
                      BadPortCase{"/tmp", "Errore in CreateFile!!"},  // a directory
                      BadPortCase{std::string(4096, 'x'), "Errore in CreateFile!!"},
                      BadPortCase{"/dev/ttyè°€", "Errore in CreateFile!!"},
                      BadPortCase{"/dev/null", "Errore in GetCommState!!"},
                      BadPortCase{RegularFile(), "Errore in GetCommState!!"}));

TEST_F(ConnectSession, AHeldPortFailsTheOpen) {
    OtherLink other;
    ASSERT_TRUE(other.Open(board.Path()));
    view.text[IDC_COMBO_PORT] = board.Path();
    Click(IDC_BTN_ON);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Errore in CreateFile!!"});
    other.ClosePort();
    view.messages.clear();
    Click(IDC_BTN_ON);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(ConnectSession, ARefusedSettingsWriteIsReportedAndFreesThePort) {
    view.text[IDC_COMBO_PORT] = board.Path();
    os_faults::failSetState = true;
    Click(IDC_BTN_ON);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Errore in SetCommState!!"});
    EXPECT_EQ(dlg.Link().Handle(), port::kNoPort);
    EXPECT_TRUE(view.enabled[IDC_BTN_ON]);
    view.messages.clear();
    Click(IDC_BTN_ON);  // the same port again works
    EXPECT_TRUE(view.messages.empty());
    EXPECT_FALSE(view.enabled[IDC_BTN_ON]);
}

TEST_F(ConnectSession, DisconnectRestoresTheStoreAndFreesThePort) {
    Connect();
    view.checked[IDC_CHK_LED2] = true;  // pressed at the last exchange
    view.checked[IDC_CHK_ACQ_ANALOG] = true;
    dlg.ExchangeData(Exchange::ToStore);
    view.checked[IDC_CHK_LED2] = false;  // shown released since, not read
    view.text[IDC_EDIT_ROW1] = "non ancora letto";
    Click(IDC_BTN_OFF);
    EXPECT_TRUE(view.enabled[IDC_BTN_ON]);
    EXPECT_FALSE(view.enabled[IDC_BTN_OFF] || view.enabled[IDC_CHK_LED2] || view.enabled[IDC_EDIT_ROW1]);
    EXPECT_FALSE(view.checked[IDC_CHK_ACQ_ANALOG]);
    EXPECT_TRUE(view.checked[IDC_CHK_LED2]);               // still looks pressed
    EXPECT_EQ(view.text[IDC_EDIT_ROW1], "Riga 1");         // the stored text again
    EXPECT_EQ(dlg.Link().Handle(), port::kNoPort);
    EXPECT_EQ(board.Received(), "");
    // The port is free: connect again.
    Click(IDC_BTN_ON);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_FALSE(view.enabled[IDC_BTN_ON]);
}

TEST_F(ConnectSession, ClosingWhileConnectedReleasesThePortAndEnds) {
    Connect();
    Click(IDCANCEL);
    EXPECT_EQ(view.endResult, IDCANCEL);
    EXPECT_EQ(dlg.Link().Handle(), port::kNoPort);
    OtherLink other;
    EXPECT_TRUE(other.Open(board.Path()));  // released: another program can have it
    other.ClosePort();
}

TEST_F(ConnectSession, ClosingWhileDisconnectedEndsQuietly) {
    view.log.clear();
    Click(IDCANCEL);
    EXPECT_EQ(view.endResult, IDCANCEL);
    EXPECT_EQ(view.log, std::vector<std::string>{"end 2"});
}

TEST_F(ConnectSession, OnOpensThePortTheComboShowsWhileARowIsTooLong) {
    Connect();
    view.text[IDC_EDIT_ROW1] = "Riga 1 lunga";
    view.text[IDC_COMBO_COLUMNS] = "8";
    Click(IDC_BTN_LAYOUT);  // row 1 is now too long
    ASSERT_EQ(Wire(1), "c");
    Click(IDC_BTN_OFF);
    ASSERT_EQ(view.text[IDC_EDIT_ROW1], "Riga 1 lunga");
    view.messages.clear();
    sim::SimBoard other;
    ASSERT_TRUE(other.Ok());
    view.text[IDC_COMBO_PORT] = other.Path();
    Click(IDC_BTN_ON);
    EXPECT_TRUE(view.messages.empty());  // no editor was enabled: nothing to report
    EXPECT_EQ(dlg.Store().m_strPort, other.Path());
    Click(IDC_CHK_LED1);
    EXPECT_TRUE(other.WaitForBytes(7, std::chrono::seconds(2)));
    EXPECT_EQ(other.Received(), "LEDb1on");
    EXPECT_EQ(board.Received(), "c");
    Click(IDC_BTN_OFF);  // before the other board goes
}

}  // namespace
