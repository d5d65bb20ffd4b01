// The protocol engine over loopback UDP against a tiny in-test device.
#include "link/enginefixture.h"
#include "link/iphelp.h"
#include "link/logcapture.h"
#include "link/udpsocket.h"
#include "platform/prompt_scripted.h"

#include <algorithm>

namespace {

const std::uint8_t DeviceB[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x60};
const std::uint8_t DeviceC[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x61};

TBytes Named(const char* name) {
    TBytes p = {0x01, static_cast<std::uint8_t>(std::strlen(name))};
    p.insert(p.end(), name, name + std::strlen(name));
    return p;
}

TEST_F(EngineTest, DiscoveryCollectsDevicesFirstAnswerWinsAndEndsWithOneTimeout) {
    CLogCapture log;
    TickClock::SetTimeScale(10); // the 4000 ms wait lasts 400 ms
    ASSERT_TRUE(Engine->SendDiscover(4000, true));
    const TBytes request = Device->Receive();
    EXPECT_EQ(request, golden::Bytes(golden::DiscoverDatagram.Hex)); // stamped with the adapter's address
    EXPECT_EQ(Engine->PendingCode(), UDP_REQ_DISCOVER);

    Answer(0, Named("first"));
    Answer(0, Named("second"), DeviceB);
    Answer(0, Named("again"), golden::DeviceMac); // the same device heard twice
    Answer(0, {}, DeviceC);                       // empty payload: nothing added
    ASSERT_TRUE(WaitFor([&] { return log.Count("TFormUDP::RecvDiscover()") == 4; }));
    EXPECT_EQ(log.Count("  already exist"), 1);

    ASSERT_TRUE(WaitFor([&] { return Main.Count(UM_UDP_TIMEOUT) == 1; }));
    EXPECT_EQ(Main.Of(UM_UDP_TIMEOUT)[0].WParam, static_cast<WPARAM>(UDP_REQ_DISCOVER));
    EXPECT_EQ(Main.Count(UM_UDP_RESULT), 0);
    EXPECT_TRUE(log.Has("TFormUDP::TimerWaitTimer() 1"));

    std::vector<tag_DEVICE_INFO> devices;
    Engine->GetDevList(devices);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_STREQ(devices[0].DevName, "first");
    EXPECT_EQ(std::memcmp(devices[0].MacAddr, golden::DeviceMac, 6), 0);
    EXPECT_STREQ(devices[1].DevName, "second");
    EXPECT_EQ(devices[0].LocalIP, DottedToHost("127.0.0.1"));
    EXPECT_EQ(devices[0].LocalMask, DottedToHost("255.0.0.0"));
    EXPECT_EQ(devices[0].DeviceIP, DottedToHost("127.0.0.1"));

    // After the wait an answer is ignored; the list stays until the next reopening discovery.
    Answer(0, Named("late"), DeviceC);
    ASSERT_TRUE(WaitFor([&] { return log.Has("  ignore data"); }));
    Settle(300);
    EXPECT_EQ(Main.Count(UM_UDP_TIMEOUT), 1);
    ASSERT_TRUE(Engine->SendDiscover(0, true));
    devices.clear();
    Engine->GetDevList(devices);
    EXPECT_TRUE(devices.empty());
}

TEST_F(EngineTest, DiscoveryHearsBroadcastAnswersAndEmptyNames) {
    Discover();
    Answer(0, golden::Bytes(golden::DiscoverAnswerEmptyName.Hex), golden::DeviceMac, "127.255.255.255");
    std::vector<tag_DEVICE_INFO> devices;
    ASSERT_TRUE(WaitFor([&] {
        devices.clear();
        Engine->GetDevList(devices);
        return devices.size() == 1;
    }));
    EXPECT_STREQ(devices[0].DevName, "");
}

TEST_F(EngineTest, LoginBindsToTheDeviceAndMovesToTheCommandPort) {
    CLogCapture log;
    Discover();
    CPeerSocket command(FreeUdpPort(), "0.0.0.0");
    ASSERT_TRUE(Engine->SendLogin(5000));
    const TBytes login = NextRequest();
    EXPECT_EQ(login[15], 1);
    EXPECT_EQ(PayloadOf(login), golden::Bytes(golden::LoginRequest.Hex));
    // The log shows the plain payload, phrase included: the first payload line of the dump.
    EXPECT_TRUE(log.Has("[Tx] size=119"));
    EXPECT_TRUE(log.Has("53 57 50 31 32 33 34 35 02 02 00 00 00 00 01 01 "));
    EXPECT_TRUE(log.Has("00 65 02 06 00 1A 2B 3C 4D 5E 90 5B 50 71 76 20 "));

    const std::uint16_t port = command.Port;
    Answer(1, {0x91, 1, 1, 0x92, 2, static_cast<std::uint8_t>(port >> 8), static_cast<std::uint8_t>(port)});
    ASSERT_TRUE(WaitFor([&] { return Results(UDP_REQ_LOGIN) == 1; }));
    EXPECT_EQ(Main.Of(UM_UDP_RESULT)[0].LParam, 1);
    EXPECT_TRUE(Engine->LoggedIn());
    EXPECT_EQ(Engine->RemotePort(), port);
    EXPECT_EQ(std::memcmp(Engine->PeerAddr().data(), golden::DeviceMac, 6), 0);
    EXPECT_TRUE(log.Has("  Result=1"));
    EXPECT_TRUE(log.Has("  Port=" + std::to_string(port)));

    // The next request goes to the command port; other devices are no longer heard.
    Engine->SendGetConfig(15000);
    EXPECT_EQ(PayloadOf(NextRequest("pylon", &command)), golden::Bytes(golden::GetConfigRequest.Hex));
    Answer(3, {0x00, 1, 2}, DeviceB);
    ASSERT_TRUE(
        WaitFor([&] { return log.Has("TFormUDP::ProcRecvData() FAIL destination address doesn't match"); }));
    EXPECT_EQ(Engine->PendingCode(), UDP_REQ_GET_CONFIG);

    // A second login goes to the device port again.
    Engine->SendLogin(5000);
    EXPECT_EQ(NextRequest()[15], 1);
}

TEST_F(EngineTest, LoginAnswerVariants) {
    struct Case {
        const golden::TVector& Vector;
        int Result;
        bool LoggedIn;
    };
    for (const Case& c : {Case{golden::LoginRefused, 0, false}, Case{golden::LoginNoResult, 0, false},
                          Case{golden::LoginAccepted, 1, true}}) {
        SCOPED_TRACE(c.Vector.Name);
        Main.Messages.clear();
        Discover();
        Engine->SendLogin(5000);
        ASSERT_FALSE(Device->Receive().empty());
        Answer(1, golden::Bytes(c.Vector.Hex));
        ASSERT_TRUE(WaitFor([&] { return Results(UDP_REQ_LOGIN) == 1; }));
        EXPECT_EQ(Main.Of(UM_UDP_RESULT)[0].LParam, c.Result);
        EXPECT_EQ(Engine->LoggedIn(), c.LoggedIn);
        EXPECT_EQ(Engine->RemotePort(), 6000); // the port applies whatever the result
    }
}

TEST_F(EngineTest, SecondAnswerAndLateAnswersAreIgnored) {
    CLogCapture log;
    Discover();
    Engine->SendLogin(5000);
    ASSERT_FALSE(Device->Receive().empty());
    Answer(1, golden::Bytes(golden::LoginRefused.Hex));
    Answer(1, golden::Bytes(golden::LoginAccepted.Hex));
    ASSERT_TRUE(WaitFor([&] { return log.Count("TFormUDP::RecvLogin()") == 2; }));
    EXPECT_EQ(log.Count("  ignore data"), 1);
    Settle();
    EXPECT_EQ(Results(UDP_REQ_LOGIN), 1);
    EXPECT_FALSE(Engine->LoggedIn());

    // A configuration request replaces a pending login: the late login answer does not log in.
    Engine->SendLogin(5000);
    Engine->SendGetConfig(15000);
    EXPECT_EQ(Engine->PendingCode(), UDP_REQ_GET_CONFIG);
    Answer(1, golden::Bytes(golden::LoginAccepted.Hex));
    ASSERT_TRUE(WaitFor([&] { return log.Count("  ignore data") == 2; }));
    EXPECT_FALSE(Engine->LoggedIn());

    // A request sent with wait 0 waits for nothing; its answer is ignored.
    Engine->SendLogout(0);
    EXPECT_EQ(Engine->PendingCode(), 0);
    Answer(2, golden::Bytes(golden::SetAccepted.Hex));
    ASSERT_TRUE(WaitFor([&] { return log.Count("  ignore data") == 3; }));
}

TEST_F(EngineTest, ConfigurationModeSurveyAndStationPin) {
    LogIn();
    g_Var.IPSetting = {};
    g_Var.WlProfile = {};
    g_Var.DeviceMode = 0;
    Engine->SendGetConfig(15000);
    EXPECT_EQ(PayloadOf(NextRequest()), golden::Bytes(golden::GetConfigRequest.Hex));
    Answer(3, golden::Bytes(golden::ConfigAnswer.Hex));
    ASSERT_TRUE(WaitFor([&] { return Results(UDP_REQ_GET_CONFIG) == 1; }));
    EXPECT_EQ(Main.Of(UM_UDP_RESULT)[0].LParam, 1);
    EXPECT_EQ(g_Var.DeviceMode, DEVICE_AP);
    EXPECT_EQ(g_Var.IPSetting.IPAddr, 0xC0A80001u);
    EXPECT_STREQ(g_Var.WlProfile.SSID, "wireless");
    EXPECT_EQ(g_Var.WlProfile.WpsPin, 0x012C4B6Fu);

    const tag_IP_SETTING ipBefore = g_Var.IPSetting;
    Engine->SendGetMode(3000);
    EXPECT_EQ(PayloadOf(NextRequest()), golden::Bytes(golden::GetModeRequest.Hex));
    Answer(3, golden::Bytes(golden::ModeAnswerBridge.Hex));
    ASSERT_TRUE(WaitFor([&] { return Results(UDP_REQ_GET_CONFIG) == 2; }));
    EXPECT_EQ(g_Var.DeviceMode, DEVICE_WBRIDGE);
    EXPECT_EQ(g_Var.IPSetting, ipBefore);

    Engine->SendSiteSurvey(10000);
    const TBytes survey = NextRequest();
    EXPECT_EQ(survey[15], 7);
    EXPECT_TRUE(PayloadOf(survey).empty());
    Answer(7, golden::Bytes(golden::SurveyTwoEntries.Hex));
    ASSERT_TRUE(WaitFor([&] { return Results(UDP_REQ_SITE_SURVEY) == 1; }));
    EXPECT_EQ(Main.Of(UM_UDP_RESULT).back().LParam, 0);
    std::vector<tag_AP_ROFIILE> all, wps;
    Engine->GetSurveyList(all);
    Engine->GetWPSSurveyList(wps);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].SSID, "HomeAP");
    ASSERT_EQ(wps.size(), 1u);
    EXPECT_EQ(wps[0].SSID, "HomeAP");
    // An empty survey answer empties the list.
    Engine->SendSiteSurvey(10000);
    ASSERT_FALSE(NextRequest().empty());
    Answer(7, {});
    ASSERT_TRUE(WaitFor([&] { return Results(UDP_REQ_SITE_SURVEY) == 2; }));
    all.clear();
    Engine->GetSurveyList(all);
    EXPECT_TRUE(all.empty());

    std::memset(g_Var.ClientPIN, 0, sizeof g_Var.ClientPIN);
    Engine->SendStationGetConfig(3000);
    EXPECT_EQ(NextRequest()[15], 8);
    Answer(8, golden::Bytes(golden::StationConfigAnswer.Hex));
    ASSERT_TRUE(WaitFor([&] { return Results(UDP_REQ_STATION_GET_CONFIG) == 1; }));
    EXPECT_EQ(Main.Of(UM_UDP_RESULT).back().LParam, 1);
    EXPECT_STREQ(g_Var.ClientPIN, "12345670");
}

TEST_F(EngineTest, EverySetRequestAndTheSharedSetAnswer) {
    LogIn();
    g_Var.NewIPSetting = {
        0, DottedToHost("192.168.10.100"), DottedToHost("255.255.255.0"), DottedToHost("192.168.10.1"), 0, 0};
    g_Var.NewWlProfile = {};
    CopyText(g_Var.NewWlProfile.SSID, "neighbour");
    g_Var.NewWlProfile.EnrolleePin = 1234567;
    g_Var.DeviceMode = DEVICE_WBRIDGE;

    struct Case {
        const char* Name;
        std::function<void()> Send;
        int Code;
        std::uint8_t OpCode;
        std::uint8_t AnswerOp;
        TBytes Payload;
    };
    const Case cases[] = {
        {"IP", [&] { Engine->SendIPSetting(32000); }, UDP_REQ_IP_SETTING, 4, 9,
         golden::Bytes(golden::IPSettingFixed.Hex)},
        {"wireless", [&] { Engine->SendWlSetting(60000); }, UDP_REQ_WL_SETTING, 4, 4,
         golden::Bytes("50 09 6E 65 69 67 68 62 6F 75 72 53 01 00 54 01 00 60 01 00")},
        {"station", [&] { Engine->SendWlStationSetting(60000); }, UDP_REQ_WL_STATION_SETTING, 9, 4,
         golden::Bytes("50 09 6E 65 69 67 68 62 6F 75 72 59 01 01 54 01 00 60 01 00")},
        {"WPS PBC", [&] { Engine->SendWPSPBC(10000); }, UDP_REQ_WPS_PBC, 4, 4,
         golden::Bytes(golden::WpsPbcRequest.Hex)},
        {"WPS PIN bridge", [&] { Engine->SendWPSPIN(10000); }, UDP_REQ_WPS_PIN, 4, 4,
         golden::Bytes(golden::WpsPinBridgeRequest.Hex)},
        {"set mode", [&] { Engine->SendSetMode(28000, DEVICE_WBRIDGE); }, UDP_REQ_SET_MODE, 4, 9,
         golden::Bytes(golden::SetModeBridgeRequest.Hex)},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Send();
        const TBytes request = NextRequest();
        ASSERT_GE(request.size(), 18u);
        EXPECT_EQ(request[15], c.OpCode);
        EXPECT_EQ(PayloadOf(request), c.Payload);
        EXPECT_EQ(Engine->PendingCode(), c.Code);
        // Either set operation code completes any of the six; results pass through unchanged.
        Answer(c.AnswerOp, {0x91, 1, static_cast<std::uint8_t>(n % 2 ? 0 : 7)});
        ASSERT_TRUE(WaitFor([&] { return Results(c.Code) == 1; }));
        EXPECT_EQ(Main.Of(UM_UDP_RESULT).back().LParam, n % 2 ? 0 : 7);
        EXPECT_EQ(Engine->PendingCode(), 0);
        ++n;
    }
    g_Var.DeviceMode = DEVICE_AP;
    Engine->SendWPSPIN(10000);
    EXPECT_EQ(PayloadOf(NextRequest()), golden::Bytes(golden::WpsPinApRequest.Hex));
}

TEST_F(EngineTest, EventsInEveryState) {
    CLogCapture log;
    LogIn();
    // Two statuses in one packet, while nothing is pending.
    Answer(6, golden::Bytes(golden::EventWpsTwoStatuses.Hex));
    ASSERT_TRUE(WaitFor([&] { return Main.Count(UM_UDP_EVENT) == 2; }));
    const auto events = Main.Of(UM_UDP_EVENT);
    EXPECT_EQ(events[0].WParam, 150u);
    EXPECT_EQ(events[0].LParam, 3);
    EXPECT_EQ(events[1].LParam, 34);

    // A connect time-out while a request is pending clears the login but lets the request run on.
    Engine->SendGetConfig(15000);
    ASSERT_FALSE(NextRequest().empty());
    Answer(6, golden::Bytes(golden::EventConnectTimeout.Hex));
    ASSERT_TRUE(WaitFor([&] { return !Engine->LoggedIn(); }));
    EXPECT_EQ(Engine->PendingCode(), UDP_REQ_GET_CONFIG);
    EXPECT_TRUE(log.Has("  TLVTYPE_OTHER_CONNECTTIMEOUT"));

    Answer(6, golden::Bytes(golden::EventNegativeStatus.Hex));
    ASSERT_TRUE(WaitFor([&] { return Main.Count(UM_UDP_EVENT) == 3; }));
    EXPECT_EQ(Main.Of(UM_UDP_EVENT).back().LParam, -1);
    EXPECT_TRUE(log.Has("  TLV=0x99"));
}

TEST_F(EngineTest, MalformedDatagramsAreDroppedWithTheirLineAndTheWaitGoesOn) {
    CLogCapture log;
    Discover();
    auto withMac = [](const char* hex, const std::uint8_t* mac) {
        TBytes b = golden::Bytes(hex);
        std::copy(mac, mac + 6, b.begin() + 9);
        return b;
    };
    struct Case {
        TBytes Datagram;
        const char* Line;
    };
    const Case cases[] = {
        {golden::Bytes(golden::ShortDatagram.Hex), "TFormUDP::ProcRecvData() FAIL length"},
        {golden::Bytes(golden::BadMagicDatagram.Hex), "TFormUDP::ProcRecvData() FAIL magic word"},
        {golden::Bytes(golden::BadVersionDatagram.Hex), "TFormUDP::ProcRecvData() FAIL version"},
        {golden::Bytes(golden::WrongTotalLengthDatagram.Hex), "TFormUDP::ProcRecvData() FAIL total length"},
        // A well-formed discovery answer carrying this machine's adapter address is our own request.
        {withMac(golden::DiscoverAnswerDatagram.Hex, golden::ClientMac),
         "TFormUDP::ProcRecvData() FAIL received a request"},
    };
    for (const Case& c : cases) {
        log.Clear();
        SendRaw(c.Datagram);
        ASSERT_TRUE(WaitFor([&] { return log.Has(c.Line); })) << c.Line;
        EXPECT_EQ(Engine->PendingCode(), UDP_REQ_DISCOVER);
    }
    // An overrunning item in a discovery answer adds nothing; the header-only answer neither.
    SendRaw(DeviceDatagram(0, golden::Bytes(golden::OverrunningItem.Hex), golden::DeviceMac, ""));
    SendRaw(golden::Bytes(golden::HeaderOnlyDatagram.Hex));
    ASSERT_TRUE(WaitFor([&] { return log.Count("TFormUDP::RecvDiscover()") == 2; }));
    EXPECT_TRUE(log.Has("  not enough bytes in buffer"));
    std::vector<tag_DEVICE_INFO> devices;
    Engine->GetDevList(devices);
    EXPECT_TRUE(devices.empty());
    // Codes 5 and above 9 are logged (their dump) and dropped.
    SendRaw(DeviceDatagram(5, {0x91, 1, 1}, golden::DeviceMac, "pylon"));
    SendRaw(DeviceDatagram(10, {0x91, 1, 1}, golden::DeviceMac, "pylon"));
    ASSERT_TRUE(WaitFor([&] {
        return log.Has("53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 05 ") &&
               log.Has("53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 0A ");
    }));
    Settle();
    EXPECT_EQ(Main.Count(UM_UDP_RESULT), 0);
}

TEST_F(EngineTest, EmptyPasswordUsesTheFixedKey) {
    g_Var.Password = "";
    Discover();
    Engine->SendGetConfig(15000);
    EXPECT_EQ(Device->Receive(), golden::Bytes(golden::GetConfigFixedKeyDatagram.Hex));
    g_Var.Password = "pylon";
    Engine->SendGetConfig(15000);
    EXPECT_EQ(Device->Receive(), golden::Bytes(golden::GetConfigPylonDatagram.Hex));
}

TEST_F(EngineTest, TwoAdaptersSendTwoCopiesDifferingOnlyInTheAddress) {
    MakeEngine({LoopbackAdapter(0x01), LoopbackAdapter(0x02)});
    EXPECT_EQ(Engine->ClientAddr()[5], 0x01); // the first adapter's address
    ASSERT_TRUE(Engine->SendDiscover(60000, true));
    ASSERT_EQ(Engine->SocketCount(), 2u);
    Engine->SendGetConfig(15000);
    TBytes copies[3] = {Device->Receive(), Device->Receive(), Device->Receive()}; // discovery x2, config
    TBytes a = Device->Receive();
    ASSERT_EQ(copies[2].size(), 21u);
    ASSERT_EQ(a.size(), 21u);
    EXPECT_NE(copies[2][14], a[14]);
    a[14] = copies[2][14];
    EXPECT_EQ(a, copies[2]);
}

TEST_F(EngineTest, NoAdapterShowsTheMessageAndSendsNothing) {
    CScriptedPromptGuard prompt;
    CLogCapture log;
    Help->SetInterfaceFilter({"no-such-interface"});
    EXPECT_FALSE(Engine->SendDiscover(4000, true));
    ASSERT_EQ(prompt->Shown.size(), 1u);
    EXPECT_EQ(prompt->Shown[0].Text, "Unable to initialize adapter interface.");
    EXPECT_TRUE(log.Has("TFormUDP::SendDiscover() FAIL init interface"));
    EXPECT_EQ(Engine->PendingCode(), 0);
    EXPECT_TRUE(Device->Receive().empty());
}

TEST_F(EngineTest, ReopeningWhileLoggedInLogsOutFirst) {
    LogIn();
    ASSERT_TRUE(Engine->SendDiscover(60000, true));
    const TBytes logout = NextRequest();
    EXPECT_EQ(logout[15], 2);
    EXPECT_EQ(logout.size(), 18u);
    EXPECT_FALSE(Engine->LoggedIn());
    EXPECT_EQ(NextRequest()[15], 0); // then the discovery through the new sockets
    // The peer is broadcast again: any device is heard until the next login.
    EXPECT_EQ(Engine->PeerAddr(), (TMacAddr{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(EngineTest, TimeOutReportsThePendingCodeOnce) {
    TickClock::SetTimeScale(50);
    Discover();
    CLogCapture log;
    Engine->SendGetConfig(15000);
    ASSERT_TRUE(WaitFor([&] { return Main.Count(UM_UDP_TIMEOUT) == 1; }));
    EXPECT_EQ(Main.Of(UM_UDP_TIMEOUT)[0].WParam, static_cast<WPARAM>(UDP_REQ_GET_CONFIG));
    EXPECT_EQ(Main.Of(UM_UDP_TIMEOUT)[0].LParam, 0);
    EXPECT_TRUE(log.Has("TFormUDP::TimerWaitTimer() 6"));
    EXPECT_EQ(Engine->PendingCode(), 0);
    Settle(500);
    EXPECT_EQ(Main.Count(UM_UDP_TIMEOUT), 1); // no retry inside the engine
}

TEST_F(EngineTest, ReadsLogTheLocalAddressOfTheReceivingSocket) {
    CLogCapture log;
    Discover();
    Answer(0, Named("x"));
    ASSERT_TRUE(WaitFor([&] { return log.Has("Local IP:127.0.0.1"); }));
    EXPECT_EQ(Engine->LastLocalIP(), "127.0.0.1");
    EXPECT_TRUE(log.Has("  DevName=x"));
}

} // namespace
