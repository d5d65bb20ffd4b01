// The request pattern on the real engine against the in-test device: the order of the requests it sends, its
// one extra login, its pause, and how it ends.
#include "link/enginefixture.h"
#include "link/requestpattern.h"

#include <memory>
#include <ostream>

namespace {

using TStep = CRequestPattern::TStep;

class PatternTest : public EngineTest {
protected:
    void TearDown() override {
        Main.OnMessage = nullptr;
        Pattern.reset();
        EngineTest::TearDown();
    }

    // A pattern whose request is the static IP setting (code 4, the IP page's wait).
    void Make(TPatternOptions options = {}) {
        Pattern = std::make_unique<CRequestPattern>(
            *Engine, [this] { Engine->SendIPSetting(32000); }, options);
    }
    void StartPattern() {
        Main.OnMessage = [this](TMessage& msg) { Pattern->Handle(msg); };
        Pattern->Start([this](const TPatternEnd& end) { Ends.push_back(end); });
    }

    // The operation code of the next request the device hears; -1 when none came.
    int NextOp() {
        const TBytes d = NextRequest();
        return d.size() >= 18 ? d[15] : -1;
    }
    void AnswerLogin(int result) {
        Answer(1, {0x91, 1, static_cast<std::uint8_t>(result), 0x92, 2,
                   static_cast<std::uint8_t>(DevicePort >> 8), static_cast<std::uint8_t>(DevicePort)});
    }
    void AnswerSet(int result) { Answer(4, {0x91, 1, static_cast<std::uint8_t>(result)}); }
    void AnswerConfig() { Answer(3, {0x00, 1, 1}); }

    bool StepIs(TStep step) {
        return WaitFor([&] { return Pattern->Step() == step; });
    }
    bool Ended() {
        return WaitFor([&] { return !Ends.empty(); }, 5000);
    }

    std::unique_ptr<CRequestPattern> Pattern;
    std::vector<TPatternEnd> Ends;
};

TEST_F(PatternTest, LogsInFirstThenSendsPausesReadsAndSucceeds) {
    TickClock::SetTimeScale(10); // the 3000 ms pause lasts 300 ms
    Discover();                  // sockets open, not logged in
    TPatternOptions options;
    options.Pause = TPatternPause::BeforeRead;
    Make(options);
    StartPattern();
    EXPECT_EQ(NextOp(), 1) << "login first";
    AnswerLogin(1);
    ASSERT_TRUE(StepIs(TStep::Requesting));
    EXPECT_EQ(NextOp(), 4);
    EXPECT_EQ(Pattern->RequestCode(), UDP_REQ_IP_SETTING);
    EXPECT_FALSE(Pattern->RetryLeft()) << "the start's login spent the one extra login";

    const std::uint32_t accepted = TickClock::GetTickCount();
    AnswerSet(1);
    ASSERT_TRUE(StepIs(TStep::ReadingConfig));
    EXPECT_GE(TickClock::GetTickCount() - accepted, 2900u) << "the configuration is read after the pause";
    EXPECT_EQ(NextOp(), 3);
    EXPECT_TRUE(Ends.empty());
    AnswerConfig();
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Ends[0].Result, 1);
    EXPECT_EQ(Ends[0].Reason, TPatternReason::None);
    Settle();
    EXPECT_EQ(Ends.size(), 1u);
    EXPECT_EQ(NextOp(), -1);
}

// After a time-out the page logs out (the device mode page does not) and in once, then sends again; a second
// time-out ends the wait. Nothing is tried a third time.
struct RetryCase {
    bool LogoutOnRetry;
    std::vector<int> RetryOps;
};

void PrintTo(const RetryCase& c, std::ostream* os) {
    *os << (c.LogoutOnRetry ? "logout then login" : "login only");
}

class PatternRetryTest : public PatternTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(PatternRetryTest, OneLoginAfterATimeoutThenTheRequestAgainThenFailure) {
    LogIn();
    TickClock::SetTimeScale(40); // the 32000 ms wait lasts 800 ms
    TPatternOptions options;
    options.LogoutOnRetry = GetParam().LogoutOnRetry;
    Make(options);
    StartPattern();
    EXPECT_EQ(NextOp(), 4) << "logged in: the request at once";
    EXPECT_TRUE(Pattern->RetryLeft());

    ASSERT_TRUE(StepIs(TStep::LoggingIn)); // the wait ran out
    for (int op : GetParam().RetryOps)
        EXPECT_EQ(NextOp(), op);
    AnswerLogin(1);
    ASSERT_TRUE(StepIs(TStep::Requesting));
    EXPECT_EQ(NextOp(), 4) << "the request again";

    ASSERT_TRUE(Ended());
    EXPECT_EQ(Ends[0].Result, 2);
    EXPECT_EQ(Ends[0].Reason, TPatternReason::TimedOut);
    EXPECT_EQ(Ends[0].Code, UDP_REQ_IP_SETTING);
    Settle(400);
    EXPECT_EQ(NextOp(), -1) << "no second retry";
    EXPECT_EQ(Ends.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Pages, PatternRetryTest,
                         ::testing::Values(RetryCase{true, {2, 1}}, // IP, set-up method, confirmation, WPS
                                           RetryCase{false, {1}})); // device mode

struct RefusalCase {
    bool LoggedInFirst;
    int Code;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << "request code " << c.Code;
}

class PatternRefusalTest : public PatternTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PatternRefusalTest, ResultZeroEndsWithFailureAndNoConfigurationRead) {
    if (GetParam().LoggedInFirst)
        LogIn();
    else
        Discover();
    Make();
    StartPattern();
    if (GetParam().Code == UDP_REQ_LOGIN) {
        EXPECT_EQ(NextOp(), 1);
        AnswerLogin(0);
    } else {
        EXPECT_EQ(NextOp(), 4);
        AnswerSet(0);
    }
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Ends[0].Result, 2);
    EXPECT_EQ(Ends[0].Reason, TPatternReason::Refused);
    EXPECT_EQ(Ends[0].Code, GetParam().Code);
    Settle();
    EXPECT_EQ(NextOp(), -1);
}

INSTANTIATE_TEST_SUITE_P(Answers, PatternRefusalTest,
                         ::testing::Values(RefusalCase{true, UDP_REQ_IP_SETTING},
                                           RefusalCase{false, UDP_REQ_LOGIN}));

TEST_F(PatternTest, WithoutTheRetryFlagANotLoggedInEngineFailsAtOnce) {
    Discover();
    TPatternOptions options;
    options.Retry = false;
    Make(options);
    StartPattern(); // the end may come before Start returns
    ASSERT_EQ(Ends.size(), 1u);
    EXPECT_EQ(Ends[0].Result, 2);
    EXPECT_EQ(Ends[0].Reason, TPatternReason::NoLogin);
    EXPECT_EQ(NextOp(), -1) << "nothing sent";
}

// The password page: a login whatever the state, then the configuration read, which may not time out.
TEST_F(PatternTest, LoginFirstReadsTheConfigurationAndItsTimeoutFails) {
    LogIn();
    TickClock::SetTimeScale(40);
    TPatternOptions options;
    options.Retry = false;
    options.LoginFirst = true;
    Pattern = std::make_unique<CRequestPattern>(
        *Engine, [this] { Engine->SendGetConfig(PATTERN_CONFIG_WAIT); }, options);
    StartPattern();
    EXPECT_EQ(NextOp(), 1) << "a login although logged in";
    AnswerLogin(1);
    ASSERT_TRUE(StepIs(TStep::Requesting));
    EXPECT_EQ(NextOp(), 3);
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Ends[0].Result, 2);
    EXPECT_EQ(Ends[0].Reason, TPatternReason::TimedOut);
    EXPECT_EQ(Ends[0].Code, UDP_REQ_GET_CONFIG);
    Settle(300);
    EXPECT_EQ(NextOp(), -1);
}

// The device mode page pauses after the configuration answer instead of before the read.
TEST_F(PatternTest, PauseAfterReadComesBetweenTheAnswerAndTheEnd) {
    LogIn();
    TickClock::SetTimeScale(10);
    TPatternOptions options;
    options.Pause = TPatternPause::AfterRead;
    Make(options);
    StartPattern();
    EXPECT_EQ(NextOp(), 4);
    AnswerSet(1);
    ASSERT_TRUE(StepIs(TStep::ReadingConfig));
    EXPECT_EQ(NextOp(), 3) << "no pause before the read";
    const std::uint32_t answered = TickClock::GetTickCount();
    AnswerConfig();
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Ends[0].Result, 1);
    EXPECT_GE(TickClock::GetTickCount() - answered, 2900u);
}

// The WPS page's custom handling: the accepted request hands over to the owner, which follows events and
// asks for the configuration read itself; events reach it only while the pattern runs.
TEST_F(PatternTest, CustomHandlingFollowsEventsAndEndsThroughTheConfigurationRead) {
    LogIn();
    std::vector<int> accepted, events;
    TPatternOptions options;
    options.OnAccepted = [&](int result) { accepted.push_back(result); };
    options.OnEvent = [&](TMessage& msg) {
        events.push_back(static_cast<int>(msg.LParam));
        if (msg.LParam == 34) Pattern->ReadConfig(0);
    };
    Pattern = std::make_unique<CRequestPattern>(
        *Engine, [this] { Engine->SendWPSPBC(10000); }, options);
    StartPattern();
    EXPECT_EQ(NextOp(), 4);
    Answer(4, {0x91, 1, 1});
    ASSERT_TRUE(StepIs(TStep::Following));
    EXPECT_EQ(accepted, std::vector<int>{1});
    EXPECT_EQ(NextOp(), -1) << "no configuration read of its own";

    Answer(6, {0x96, 4, 0, 0, 0, 3, 0x96, 4, 0, 0, 0, 34}); // two statuses in one event
    ASSERT_TRUE(StepIs(TStep::ReadingConfig));
    EXPECT_EQ(NextOp(), 3);
    AnswerConfig();
    ASSERT_TRUE(Ended());
    EXPECT_EQ(Ends[0].Result, 1);
    EXPECT_EQ(events, (std::vector<int>{3, 34}));

    Answer(6, {0x96, 4, 0, 0, 0, 1});
    Settle();
    EXPECT_EQ(events.size(), 2u) << "no events after the end";
}

} // namespace
