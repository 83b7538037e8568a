// The poll feeds the trend: one point per tick that read the board, with
// the values parsed from its replies, against the simulated board.
#include "panel/tests/board_session.h"

namespace {

struct TrendFeed : BoardSession {
    void Acquire(bool analog, bool temperature) {
        view.checked[IDC_CHK_ACQ_ANALOG] = analog;
        view.checked[IDC_CHK_ACQ_TEMP] = temperature;
    }
    const TrendSeries& trend() const { return dlg.Store().m_trend; }
};

TEST_F(TrendFeed, EachReadingTickAddsOnePointAtThePollsTime) {
    Connect();
    board.SetAnalog(731);
    board.SetTemperature(21.0);
    Acquire(true, true);
    now.tm_year = 124, now.tm_mon = 2, now.tm_mday = 31, now.tm_hour = 14, now.tm_min = 5;
    now.tm_sec = 3;
    Tick();
    ASSERT_EQ(trend().Size(), 1u);
    EXPECT_EQ(trend()[0].utc, 1711843200 + 13 * 3600 + 5 * 60 + 3);  // 14:05:03 at UTC+1
    EXPECT_EQ(trend()[0].utcOffset, 3600);
    EXPECT_EQ(trend()[0].temperature, 21.0);
    EXPECT_EQ(trend()[0].analog, 731);
    EXPECT_EQ(view.trendChanges, 1);
    board.SetAnalog(0);  // a true zero is a value
    board.SetTemperature(-3.5);
    now.tm_sec = 4;
    Tick();
    ASSERT_EQ(trend().Size(), 2u);
    EXPECT_EQ(trend()[1].analog, 0);
    EXPECT_EQ(trend()[1].temperature, -3.5);
    EXPECT_EQ(view.trendChanges, 2);
}

TEST_F(TrendFeed, ATickWithoutAnAcquisitionLeavesItsValueAGap) {
    Connect();
    Acquire(true, false);
    Tick();
    Acquire(false, true);
    Tick();
    ASSERT_EQ(trend().Size(), 2u);
    EXPECT_EQ(trend()[0].analog, 512);
    EXPECT_FALSE(trend()[0].temperature);
    EXPECT_FALSE(trend()[1].analog);  // the field still shows 0512: not read, not kept
    EXPECT_EQ(trend()[1].temperature, 23.5);
}

TEST_F(TrendFeed, TicksThatReadNothingAddNoPoint) {
    Tick();  // not connected
    Connect();
    Tick();  // connected, nothing acquired
    EXPECT_TRUE(trend().Empty());
    EXPECT_EQ(view.trendChanges, 0);
}

// A read fault: the field shows what came, the trend a gap for both reads.
struct FeedFault {
    const char* name;
    sim::Reply reply;
    int lateMs;
};

class TrendFeedAfterAFault : public TrendFeed, public ::testing::WithParamInterface<FeedFault> {};

TEST_P(TrendFeedAfterAFault, LeavesAGapNeverAZeroAndTheValuesComeBack) {
    Connect();
    Acquire(true, true);
    board.SetReply(GetParam().reply, GetParam().lateMs);
    TickOnTime();
    ASSERT_EQ(trend().Size(), 1u);
    EXPECT_FALSE(trend()[0].analog) << "field: " << view.text[IDC_ANALOG];
    EXPECT_FALSE(trend()[0].temperature) << "field: " << view.text[IDC_TEMP];
    board.SetReply(sim::Reply::Normal);
    TickOnTime();
    TickOnTime();
    EXPECT_EQ(trend().Latest().analog, 512);
    EXPECT_EQ(trend().Latest().temperature, 23.5);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TrendFeedAfterAFault,
    ::testing::Values(FeedFault{"Short", sim::Reply::Short, 0},
                      FeedFault{"ZeroByte", sim::Reply::ZeroByte, 0},
                      FeedFault{"Late", sim::Reply::Late, 2 * port::kReadBoundMs},
                      FeedFault{"Silence", sim::Reply::Never, 0}),
    [](const auto& fault) { return std::string(fault.param.name); });

TEST_F(TrendFeed, ExtraBytesAfterAReplyCostNothing) {
    Connect();
    board.SetReply(sim::Reply::Extra);
    Acquire(true, true);
    Tick();
    Tick();
    ASSERT_EQ(trend().Size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(trend()[i].analog, 512);
        EXPECT_EQ(trend()[i].temperature, 23.5);
    }
}

TEST_F(TrendFeed, GarbageOnTheLineIsAGapAtMost) {
    Connect();
    Acquire(true, true);
    board.Inject(std::string(4000, '#'));
    Tick();
    Tick();
    Tick();
    for (std::size_t i = 0; i < trend().Size(); ++i) {
        const TrendPoint& p = trend()[i];
        EXPECT_TRUE(!p.analog || *p.analog == 512) << i;
        EXPECT_TRUE(!p.temperature || *p.temperature == 23.5) << i;
    }
    EXPECT_EQ(trend().Latest().analog, 512);
}

TEST_F(TrendFeed, ABoardThatLeftAddsNoPoint) {
    Connect();
    Acquire(true, true);
    board.Vanish();
    Tick();
    Tick();
    EXPECT_TRUE(trend().Empty());  // the first write failed: nothing was waited for
}

TEST_F(TrendFeed, TheHelloReadFeedsNothing) {
    Connect();
    Click(IDC_BTN_HELLO);
    EXPECT_EQ(view.text[IDC_ANALOG], "0512");
    EXPECT_TRUE(trend().Empty());
}

}  // namespace
