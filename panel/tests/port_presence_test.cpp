// A board pulled out while connected and plugged back in under the same
// name: a pseudo-terminal board behind a symbolic link that is re-pointed.
#include "panel/tests/replug_session.h"

namespace {

TEST_F(Replug, EachPullIsReportedOnceAndEachReplugConnectsAgainWithTheSameAcquisitions) {
    Click(IDC_BTN_ON);
    ASSERT_TRUE(Connected());
    view.checked[IDC_CHK_ACQ_ANALOG] = true;
    Tick();
    ASSERT_EQ(view.text[IDC_ANALOG], "0512");
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        Pull();
        Tick();
        Tick();
        EXPECT_EQ(view.messages.size(), static_cast<std::size_t>(round));
        EXPECT_FALSE(Connected());
        EXPECT_TRUE(view.enabled[IDC_BTN_ON]);
        EXPECT_FALSE(view.enabled[IDC_BTN_OFF] || view.enabled[IDC_CHK_ACQ_ANALOG]);
        EXPECT_FALSE(view.checked[IDC_CHK_ACQ_ANALOG]);

        PlugNew(100 * round);
        Tick();  // one tick after the replug: connected, toggles back, a true value
        EXPECT_TRUE(Connected());
        EXPECT_FALSE(view.enabled[IDC_BTN_ON]);
        EXPECT_TRUE(view.enabled[IDC_BTN_OFF]);
        EXPECT_TRUE(view.checked[IDC_CHK_ACQ_ANALOG]);
        EXPECT_FALSE(view.checked[IDC_CHK_ACQ_TEMP]);
        EXPECT_EQ(view.text[IDC_ANALOG], "0" + std::to_string(100 * round));
    }
    EXPECT_EQ(view.messages, std::vector<std::string>(3, "Errore in WriteFile!!"));
}

TEST_F(Replug, APullSeenByASwitchIsReportedOnceAndFollowedAsWell) {
    Click(IDC_BTN_ON);
    Pull();
    Click(IDC_BTN_ROW2);  // locate and text both fail: one report
    EXPECT_EQ(view.messages, std::vector<std::string>{"Errore in WriteFile!!"});
    EXPECT_FALSE(Connected());
    PlugNew(7);
    Tick();
    EXPECT_TRUE(Connected());
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(Replug, AnotherPortNameTypedMeanwhileStopsTheReconnect) {
    Click(IDC_BTN_ON);
    Pull();
    Tick();
    view.text[IDC_COMBO_PORT] = "COM9";
    Tick();
    view.text[IDC_COMBO_PORT] = name.string();
    PlugNew(7);
    Tick();
    EXPECT_FALSE(Connected());  // the user's to connect now
}

TEST_F(Replug, OffMeansOff) {
    Click(IDC_BTN_ON);
    Click(IDC_BTN_OFF);
    Tick();
    EXPECT_FALSE(Connected());
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Replug, ASilentBoardIsNotAGoneOne) {
    Click(IDC_BTN_ON);
    board->SetReply(sim::Reply::Never);
    view.checked[IDC_CHK_ACQ_ANALOG] = view.checked[IDC_CHK_ACQ_TEMP] = true;
    Tick();
    Tick();
    EXPECT_TRUE(Connected());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.checked[IDC_CHK_ACQ_ANALOG] && view.checked[IDC_CHK_ACQ_TEMP]);
}

}  // namespace
