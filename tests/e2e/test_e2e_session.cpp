// End to end: discovery, login and every read and set of the real engine against the simulator over UDP.
#include "e2e/e2efixture.h"

namespace {

TEST_F(E2ETest, DiscoveryOfThreeDevices) {
    CSimProcess& sim = StartSim({"--devices=3", "--name=Unit"});
    const auto devices = Discover();
    ASSERT_EQ(devices.size(), 3u);
    for (std::size_t a = 0; a < devices.size(); ++a) {
        EXPECT_EQ(devices[a].DeviceIP, DottedToHost(sim.Address));
        EXPECT_EQ(std::string(devices[a].DevName).rfind("Unit", 0), 0u) << devices[a].DevName;
        for (std::size_t b = a + 1; b < devices.size(); ++b)
            EXPECT_NE(std::memcmp(devices[a].MacAddr, devices[b].MacAddr, 6), 0);
    }
    EXPECT_EQ(Main.Count(UM_UDP_TIMEOUT), 1);
}

TEST_F(E2ETest, OneDeviceAnsweringTwiceIsListedOnce) {
    CLogCapture log;
    StartSim({"--fault.discover=duplicate"});
    EXPECT_EQ(Discover().size(), 1u);
    EXPECT_EQ(log.Count("  already exist"), 1);
}

TEST_F(E2ETest, BothAnswerModesCarryASession) {
    for (const char* mode : {"unicast", "broadcast"}) {
        SCOPED_TRACE(mode);
        StartSim({QString("--answer=") + mode});
        ASSERT_TRUE(DiscoverAndLogin().Result(1));
        EXPECT_TRUE(Engine->LoggedIn());
        EXPECT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
        Sims.back()->Stop();
    }
}

TEST_F(E2ETest, LoginOutcomes) {
    struct Case {
        const char* Name;
        QStringList SimArgs;
        const char* Password;
        bool Accepted;
        bool TimesOut;
    };
    const Case cases[] = {
        {"accepted", {}, "pylon", true, false},
        {"refused", {"--fault.login=result0"}, "pylon", false, false},
        {"wrong key refused", {"--wrong-key=refuse"}, "guess", false, false},
        {"wrong key silent", {}, "guess", false, true},
        {"empty password on both sides", {"--password="}, "", true, false},
    };
    TickClock::SetTimeScale(10); // a silent device costs 500 ms, not 5 s
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        StartSim(c.SimArgs);
        g_Var.Password = c.Password;
        const TOutcome o = DiscoverAndLogin();
        EXPECT_EQ(o.TimedOut(), c.TimesOut);
        if (!c.TimesOut) {
            EXPECT_TRUE(o.Result(c.Accepted ? 1 : 0));
        }
        EXPECT_EQ(Engine->LoggedIn(), c.Accepted);
        Sims.back()->Stop();
    }
}

TEST_F(E2ETest, ReadsFillTheGlobalState) {
    StartSim({"--ssid=Attic", "--channels=1,6,11", "--wps-pin=87654325", "--station-pin=55554444"});
    ASSERT_TRUE(DiscoverAndLogin().Result(1));
    g_Var.IPSetting = {};
    g_Var.WlProfile = {};
    ASSERT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
    EXPECT_EQ(g_Var.DeviceMode, DEVICE_AP);
    EXPECT_EQ(g_Var.IPSetting.DHCP, 1);
    EXPECT_EQ(g_Var.IPSetting.IPAddr, DottedToHost("192.168.0.50"));
    EXPECT_STREQ(g_Var.WlProfile.SSID, "Attic");
    EXPECT_EQ(std::vector<std::uint8_t>(g_Var.WlProfile.ChannelList, g_Var.WlProfile.ChannelList + 4),
              (std::vector<std::uint8_t>{1, 6, 11, 0}));
    EXPECT_EQ(g_Var.WlProfile.WpsPin, 87654325u);

    g_Var.DeviceMode = 0;
    ASSERT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetMode(3000); }).Result(1));
    EXPECT_EQ(g_Var.DeviceMode, DEVICE_AP);

    ASSERT_TRUE(Run(UDP_REQ_SITE_SURVEY, [&] { Engine->SendSiteSurvey(10000); }).Result(0));
    std::vector<tag_AP_ROFIILE> survey, wps;
    Engine->GetSurveyList(survey);
    Engine->GetWPSSurveyList(wps);
    EXPECT_FALSE(survey.empty());
    EXPECT_LE(wps.size(), survey.size());
    for (const auto& ap : wps)
        EXPECT_EQ(ap.WpsFlag, 1);

    ASSERT_TRUE(Run(UDP_REQ_STATION_GET_CONFIG, [&] { Engine->SendStationGetConfig(3000); }).Result(1));
    EXPECT_STREQ(g_Var.ClientPIN, "55554444");
}

TEST_F(E2ETest, EverySetIsAppliedAndReadBack) {
    StartSim({});
    ASSERT_TRUE(DiscoverAndLogin().Result(1));

    g_Var.NewIPSetting = {
        0, DottedToHost("10.20.30.40"), DottedToHost("255.255.0.0"), DottedToHost("10.20.0.1"), 0, 0};
    ASSERT_TRUE(RunWithLogin(UDP_REQ_IP_SETTING, [&] { Engine->SendIPSetting(32000); }));
    ASSERT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
    EXPECT_EQ(g_Var.IPSetting.DHCP, 0);
    EXPECT_EQ(g_Var.IPSetting.IPAddr, DottedToHost("10.20.30.40"));
    EXPECT_EQ(g_Var.IPSetting.NetMask, DottedToHost("255.255.0.0"));
    EXPECT_EQ(g_Var.IPSetting.Gateway, DottedToHost("10.20.0.1"));

    g_Var.NewWlProfile = {};
    CopyText(g_Var.NewWlProfile.SSID, "Garden");
    g_Var.NewWlProfile.StdChannel = 11;
    g_Var.NewWlProfile.WlMode = 9;
    g_Var.NewWlProfile.SecurityMode = 2;
    g_Var.NewWlProfile.WpaMode = 1;
    g_Var.NewWlProfile.WpaCipher = 1;
    CopyText(g_Var.NewWlProfile.Passphrase, "correct horse");
    ASSERT_TRUE(RunWithLogin(UDP_REQ_WL_SETTING, [&] { Engine->SendWlSetting(60000); }));
    ASSERT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
    EXPECT_STREQ(g_Var.WlProfile.SSID, "Garden");
    EXPECT_EQ(g_Var.WlProfile.StdChannel, 11);
    EXPECT_EQ(g_Var.WlProfile.SecurityMode, 2);
    EXPECT_EQ(g_Var.WlProfile.WpaMode, 1);
    EXPECT_EQ(g_Var.WlProfile.WpaCipher, 1);

    ASSERT_TRUE(RunWithLogin(UDP_REQ_SET_MODE, [&] { Engine->SendSetMode(28000, DEVICE_WBRIDGE); }));
    ASSERT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetMode(3000); }).Result(1));
    EXPECT_EQ(g_Var.DeviceMode, DEVICE_WBRIDGE);

    // As a station: WEP profile of the access point to join.
    g_Var.NewWlProfile = {};
    CopyText(g_Var.NewWlProfile.SSID, "Upstairs");
    g_Var.NewWlProfile.WlMode = 9;
    g_Var.NewWlProfile.SecurityMode = 1;
    g_Var.NewWlProfile.AuthMode = 1;
    CopyText(g_Var.NewWlProfile.WepKey, "0123456789");
    g_Var.NewWlProfile.WepKeyIndex = 2;
    ASSERT_TRUE(RunWithLogin(UDP_REQ_WL_STATION_SETTING, [&] { Engine->SendWlStationSetting(60000); }));
    ASSERT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
    EXPECT_STREQ(g_Var.WlProfile.SSID, "Upstairs");
    EXPECT_EQ(g_Var.WlProfile.SecurityMode, 1);
    EXPECT_EQ(g_Var.WlProfile.AuthMode, 1);

    // DHCP again: only IP_MODE travels.
    g_Var.NewIPSetting.DHCP = 1;
    ASSERT_TRUE(RunWithLogin(UDP_REQ_IP_SETTING, [&] { Engine->SendIPSetting(32000); }));
    ASSERT_TRUE(Run(UDP_REQ_GET_CONFIG, [&] { Engine->SendGetConfig(15000); }).Result(1));
    EXPECT_EQ(g_Var.IPSetting.DHCP, 1);
}

TEST_F(E2ETest, RefusedSetReportsResultZero) {
    StartSim({"--fault.ip-setting=result0,times:1"});
    ASSERT_TRUE(DiscoverAndLogin().Result(1));
    g_Var.NewIPSetting = {1, 0, 0, 0, 0, 0};
    int result = -1;
    EXPECT_FALSE(RunWithLogin(
        UDP_REQ_IP_SETTING, [&] { Engine->SendIPSetting(32000); }, &result));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(RunWithLogin(UDP_REQ_IP_SETTING, [&] { Engine->SendIPSetting(32000); }));
}

TEST_F(E2ETest, LostRequestIsRecoveredByOneLogoutAndLogin) {
    CLogCapture log;
    // The logout (to the command port) and the new login (to the discovery port) leave back to back; the
    // repeated request needs the new session.
    StartSim({"--fault.set-mode=drop,times:1"});
    ASSERT_TRUE(DiscoverAndLogin().Result(1));
    TickClock::SetTimeScale(20); // the 28 s wait runs out in 1.4 s
    EXPECT_TRUE(RunWithLogin(UDP_REQ_SET_MODE, [&] { Engine->SendSetMode(28000, DEVICE_WBRIDGE); }));
    EXPECT_TRUE(log.Has("TFormUDP::TimerWaitTimer() 10"));
    EXPECT_EQ(log.Count("TFormUDP::SendLogout()"), 1);
    EXPECT_EQ(log.Count("TFormUDP::SendSetMode()"), 2);
}

} // namespace
