// End to end: WPS status sequences, the connect time-out event, and every spoiled answer with its log line.
#include "e2e/e2efixture.h"

namespace {

std::vector<std::intptr_t> WpsStatuses(const CMessageRecorder& main) {
    std::vector<std::intptr_t> statuses;
    for (const auto& m : main.Of(UM_UDP_EVENT)) {
        EXPECT_EQ(m.WParam, 150u);
        statuses.push_back(m.LParam);
    }
    return statuses;
}

TEST_F(E2ETest, WpsStatusSequences) {
    struct Case {
        const char* Sequence;
        std::vector<std::intptr_t> Statuses;
        bool Pin;
    };
    const Case cases[] = {
        {"3,34", {3, 34}, false},
        {"3,1", {3, 1}, true},
        {"2", {2}, false},
        {"3+4,34", {3, 4, 34}, true}, // two statuses in one datagram keep their order
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Sequence);
        StartSim({QString("--wps-status=") + c.Sequence, "--wps-interval=20"});
        ASSERT_TRUE(DiscoverAndLogin().Result(1));
        Main.Messages.clear();
        g_Var.DeviceMode = DEVICE_AP;
        g_Var.NewWlProfile.EnrolleePin = 12345670;
        if (c.Pin)
            ASSERT_TRUE(RunWithLogin(UDP_REQ_WPS_PIN, [&] { Engine->SendWPSPIN(10000); }));
        else
            ASSERT_TRUE(RunWithLogin(UDP_REQ_WPS_PBC, [&] { Engine->SendWPSPBC(10000); }));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return Main.Count(UM_UDP_EVENT) >= static_cast<int>(c.Statuses.size()); }, 5000));
        QTest::qWait(100);
        EXPECT_EQ(WpsStatuses(Main), c.Statuses);
        Sims.back()->Stop();
    }
}

TEST_F(E2ETest, ConnectTimeOutEventEndsTheLogin) {
    CLogCapture log;
    StartSim({"--session-timeout=300"});
    ASSERT_TRUE(DiscoverAndLogin().Result(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Engine->LoggedIn(); }, 5000));
    EXPECT_TRUE(log.Has("  TLVTYPE_OTHER_CONNECTTIMEOUT"));
    // The next request logs in again first.
    EXPECT_TRUE(RunWithLogin(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }));
    EXPECT_EQ(log.Count("TFormUDP::SendLogin()"), 2);
}

TEST_F(E2ETest, SpoiledAnswersAreDroppedWithTheirLogLine) {
    struct Case {
        const char* Fault;
        const char* Line;
    };
    const Case cases[] = {
        {"short", "TFormUDP::ProcRecvData() FAIL length"},
        {"magic", "TFormUDP::ProcRecvData() FAIL magic word"},
        {"version", "TFormUDP::ProcRecvData() FAIL version"},
        {"total-length", "TFormUDP::ProcRecvData() FAIL total length"},
        {"foreign-mac", "TFormUDP::ProcRecvData() FAIL destination address doesn't match"},
        {"echo-mac", "TFormUDP::ProcRecvData() FAIL received a request"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Fault);
        CLogCapture log;
        StartSim({QString("--fault.get-config=") + c.Fault + ",then-valid"});
        ASSERT_TRUE(DiscoverAndLogin().Result(1));
        // The spoiled copy is dropped and the sound one that follows completes the request.
        EXPECT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
        EXPECT_EQ(log.Count(c.Line), 1);
        EXPECT_EQ(log.Count("TFormUDP::RecvGetConfig()"), 1);
        Sims.back()->Stop();
    }
}

TEST_F(E2ETest, OverrunningAndStrayBytesInAnswers) {
    struct Case {
        const char* Fault;
        bool Overrun;
    };
    for (const Case& c : {Case{"overrun", true}, Case{"overrun-first", true}, Case{"stray-byte", false}}) {
        SCOPED_TRACE(c.Fault);
        CLogCapture log;
        StartSim({QString("--fault.get-config=") + c.Fault});
        ASSERT_TRUE(DiscoverAndLogin().Result(1));
        // The configuration result is reported whether or not the walk ended early.
        EXPECT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
        EXPECT_EQ(log.Has("  not enough bytes in buffer"), c.Overrun);
        Sims.back()->Stop();
    }
}

TEST_F(E2ETest, DuplicateAndDelayedAnswers) {
    CLogCapture log;
    StartSim({"--fault.login=duplicate", "--fault.get-config=delay:1500"});
    ASSERT_TRUE(DiscoverAndLogin().Result(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Count("TFormUDP::RecvLogin()") == 2; }, 3000));
    EXPECT_EQ(log.Count("  ignore data"), 1);
    // The answer comes after the wait ran out: a time-out, then the answer is ignored.
    EXPECT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(500); }).TimedOut());
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Count("TFormUDP::RecvGetConfig()") == 1; }, 5000));
    EXPECT_EQ(log.Count("  ignore data"), 2);
}

} // namespace
