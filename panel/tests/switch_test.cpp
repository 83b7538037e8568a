// The LED and buzzer toggles, byte-exact at the simulated board.
#include "panel/tests/board_session.h"

namespace {

struct SwitchCase {
    int id;
    std::int32_t PanelStore::*flag;
    std::string whenReleased;  // flag 0: the click switches on
    std::string whenPressed;   // flag 1: the click switches off
};

class SwitchClick : public BoardSession, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchClick, SendsTheCommandChosenByTheStoredFlag) {
    const SwitchCase& c = GetParam();
    Connect();
    view.checked[c.id] = true;
    Click(c.id);
    EXPECT_EQ(Wire(c.whenReleased.size()), c.whenReleased);
    EXPECT_EQ(dlg.Store().*c.flag, 0);  // the routine leaves the flag alone
    board.ClearReceived();
    Tick();  // the exchange brings the flag in line with the toggle
    EXPECT_EQ(dlg.Store().*c.flag, 1);
    view.checked[c.id] = false;
    Click(c.id);
    EXPECT_EQ(Wire(c.whenPressed.size()), c.whenPressed);
}

using D = PanelStore;
INSTANTIATE_TEST_SUITE_P(Outputs, SwitchClick,
                         ::testing::Values(SwitchCase{IDC_CHK_LED1, &D::m_bLed1, "LEDb1on", "LEDb1off"},
                                           SwitchCase{IDC_CHK_LED2, &D::m_bLed2, "LEDron", "LEDroff"},
                                           SwitchCase{IDC_CHK_LED3, &D::m_bLed3, "LEDb2on", "LEDb2off"},
                                           SwitchCase{IDC_CHK_LED4, &D::m_bLed4, "LEDvon", "LEDvoff"},
                                           SwitchCase{IDC_CHK_BUZ, &D::m_bBuzzer, "PWM1on", "PWM1off"}));

using SwitchSession = BoardSession;

TEST_F(SwitchSession, TwoClicksWithinOnePeriodSendTheSameCommand) {
    Connect();
    view.checked[IDC_CHK_LED2] = true;
    Click(IDC_CHK_LED2);
    view.checked[IDC_CHK_LED2] = false;
    Click(IDC_CHK_LED2);
    EXPECT_EQ(Wire(12), "LEDronLEDron");
    EXPECT_TRUE(BoardShows([](const sim::BoardState& b) { return b.leds[1]; }));
}

TEST_F(SwitchSession, AToggleLeftPressedSwitchesOffAfterReconnecting) {
    Connect();
    view.checked[IDC_CHK_BUZ] = true;
    Click(IDC_CHK_BUZ);
    ASSERT_EQ(Wire(6), "PWM1on");
    Tick();
    Click(IDC_BTN_OFF);
    EXPECT_TRUE(view.checked[IDC_CHK_BUZ]);
    Click(IDC_BTN_ON);
    board.ClearReceived();
    view.checked[IDC_CHK_BUZ] = false;
    Click(IDC_CHK_BUZ);
    EXPECT_EQ(Wire(7), "PWM1off");
    EXPECT_TRUE(BoardShows([](const sim::BoardState& b) { return !b.buzzer; }));
}

TEST_F(SwitchSession, ASwitchThenOffShowsTheFormerStateAgain) {
    Connect();
    view.checked[IDC_CHK_LED4] = true;
    Click(IDC_CHK_LED4);
    Click(IDC_BTN_OFF);
    EXPECT_EQ(Wire(6), "LEDvon");
    EXPECT_FALSE(view.checked[IDC_CHK_LED4]);
}

TEST_F(SwitchSession, AFailedSwitchIsReportedOnce) {
    Connect();
    board.Vanish();
    Click(IDC_CHK_LED1);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Errore in WriteFile!!"});
}

}  // namespace
