// The request packets, TLV walk, received-datagram checks, cipher rules and dump against the golden vectors.
#include "link/golden_vectors.h"
#include "link/logcapture.h"
#include "link/packet.h"
#include "link/requests.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes PayloadOf(const CPacket& p) {
    return {p.Payload().begin(), p.Payload().end()};
}
Bytes DatagramOf(const CPacket& p) {
    return {p.Data(), p.Data() + p.Size()};
}

std::uint32_t Ip(const char* dotted) {
    return ntohl(inet_addr(dotted));
}

tag_WL_PROFILE Profile(const char* ssid, std::uint8_t channel, std::uint8_t ext, int wlMode, int security) {
    tag_WL_PROFILE p;
    CopyText(p.SSID, ssid);
    p.StdChannel = channel;
    p.ExtChannel = ext;
    p.WlMode = wlMode;
    p.SecurityMode = security;
    return p;
}

TEST(Codec, RequestsMatchGoldenVectors) {
    tag_IP_SETTING dhcp{1, Ip("192.168.10.100"), Ip("255.255.255.0"), Ip("192.168.10.1"), 0, 0};
    tag_IP_SETTING fixed{0, Ip("192.168.10.100"), Ip("255.255.255.0"), Ip("192.168.10.1"), Ip("8.8.8.8"), 0};

    auto wep = Profile("home", 0, 0, 9, 1);
    wep.AuthMode = 1;
    CopyText(wep.WepKey, "12345");
    wep.WepKeyIndex = 3;
    auto wpa = Profile("home", 11, 0, 7, 2);
    wpa.WpaMode = 1;
    wpa.WpaCipher = 1;
    CopyText(wpa.Passphrase, "secret12");
    auto staWpa = Profile("home", 6, 3, 9, 2);
    staWpa.WpaMode = 2;
    staWpa.WpaCipher = 2;
    CopyText(staWpa.Passphrase, "secret12");
    auto staWep = Profile("home", 0, 0, 9, 1);
    staWep.AuthMode = 2;
    CopyText(staWep.WepKey, "ABCDEF0123");
    staWep.WepKeyIndex = 1;
    auto pinAp = Profile("ignored", 0, 0, 9, 0);
    pinAp.EnrolleePin = 1234567;
    auto pinBridge = Profile("neighbour", 0, 0, 9, 0);
    pinBridge.EnrolleePin = 1234567;

    const std::uint8_t* mac = golden::ClientMac;
    struct Case {
        const golden::TVector& Vector;
        std::function<void(CPacket&)> Build;
    };
    const Case cases[] = {
        {golden::LoginRequest, [&](CPacket& p) { BuildLogin(p, mac, golden::DeviceMac); }},
        {golden::LogoutRequest, [&](CPacket& p) { BuildLogout(p, mac); }},
        {golden::GetConfigRequest, [&](CPacket& p) { BuildGetConfig(p, mac); }},
        {golden::GetModeRequest, [&](CPacket& p) { BuildGetMode(p, mac); }},
        {golden::SiteSurveyRequest, [&](CPacket& p) { BuildSiteSurvey(p, mac); }},
        {golden::StationGetConfigRequest, [&](CPacket& p) { BuildStationGetConfig(p, mac); }},
        {golden::IPSettingDhcp, [&](CPacket& p) { BuildIPSetting(p, mac, dhcp); }},
        {golden::IPSettingFixed, [&](CPacket& p) { BuildIPSetting(p, mac, fixed); }},
        {golden::WlSettingOpenChannel0,
         [&](CPacket& p) { BuildWlSetting(p, mac, Profile("wireless", 0, 5, 9, 0)); }},
        {golden::WlSettingWpaChannel6,
         [&](CPacket& p) { BuildWlSetting(p, mac, Profile("home", 6, 2, 0, 3)); }},
        {golden::WlSettingWep, [&](CPacket& p) { BuildWlSetting(p, mac, wep); }},
        {golden::WlSettingWpaPsk, [&](CPacket& p) { BuildWlSetting(p, mac, wpa); }},
        {golden::StationSettingWpaPsk, [&](CPacket& p) { BuildWlStationSetting(p, mac, staWpa); }},
        {golden::StationSettingWep, [&](CPacket& p) { BuildWlStationSetting(p, mac, staWep); }},
        {golden::WpsPbcRequest, [&](CPacket& p) { BuildWPSPBC(p, mac); }},
        {golden::WpsPinApRequest, [&](CPacket& p) { BuildWPSPIN(p, mac, DEVICE_AP, pinAp); }},
        {golden::WpsPinBridgeRequest, [&](CPacket& p) { BuildWPSPIN(p, mac, DEVICE_WBRIDGE, pinBridge); }},
        {golden::SetModeBridgeRequest, [&](CPacket& p) { BuildSetMode(p, mac, DEVICE_WBRIDGE); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Vector.Name);
        CPacket packet;
        packet.Bytes.fill(0xEE); // the header build must start from a zeroed buffer
        c.Build(packet);
        const Bytes expected = golden::Bytes(c.Vector.Hex);
        EXPECT_EQ(PayloadOf(packet), expected);
        EXPECT_EQ(HeaderOpCode(packet.Data()), c.Vector.OpCode);
        EXPECT_EQ(HeaderLength(packet.Data()), expected.size());
        EXPECT_EQ(packet.Size(), 18 + expected.size());
        EXPECT_EQ(Bytes(packet.Data(), packet.Data() + 9), golden::Bytes("53 57 50 31 32 33 34 35 02"));
        EXPECT_EQ(Bytes(packet.Data() + 9, packet.Data() + 15), Bytes(mac, mac + 6));
        EXPECT_FALSE(packet.Overflowed());
    }
    CPacket login;
    BuildLogin(login, mac, golden::DeviceMac);
    EXPECT_EQ(login.PayloadLength(), 101u);
}

TEST(Codec, DiscoveryDatagramAndEncipheredRequests) {
    CPacket discover;
    BuildDiscover(discover, golden::ClientMac);
    EXPECT_EQ(DatagramOf(discover), golden::Bytes(golden::DiscoverDatagram.Hex));
    EncipherPayload(discover.Data(), discover.Size(), "pylon"); // empty payload: unchanged
    EXPECT_EQ(DatagramOf(discover), golden::Bytes(golden::DiscoverDatagram.Hex));

    struct Case {
        const char* Password;
        const golden::TVector& Vector;
    };
    for (const Case& c :
         {Case{"pylon", golden::GetConfigPylonDatagram}, Case{"", golden::GetConfigFixedKeyDatagram}}) {
        CPacket p;
        BuildGetConfig(p, golden::ClientMac);
        EncipherPayload(p.Data(), p.Size(), c.Password);
        EXPECT_EQ(DatagramOf(p), golden::Bytes(c.Vector.Hex)) << c.Vector.Name;
    }
}

TEST(Codec, DecipherLeavesDiscoveryAnswersPlain) {
    auto discovery = golden::Bytes(golden::DiscoverAnswerDatagram.Hex);
    const auto plain = discovery;
    DecipherPayload(discovery.data(), discovery.size(), "pylon");
    EXPECT_EQ(discovery, plain);

    auto login = golden::Bytes(golden::LoginAcceptedPylonDatagram.Hex);
    DecipherPayload(login.data(), login.size(), "pylon");
    EXPECT_EQ(Bytes(login.begin() + 18, login.end()), golden::Bytes(golden::LoginAccepted.Hex));

    auto set = golden::Bytes(golden::SetAcceptedFixedKeyDatagram.Hex);
    DecipherPayload(set.data(), set.size(), "");
    EXPECT_EQ(Bytes(set.begin() + 18, set.end()), golden::Bytes(golden::SetAccepted.Hex));
}

TEST(Codec, AppendFormsAndBounds) {
    CPacket p;
    p.BuildHeader(golden::ClientMac);
    EXPECT_EQ(p.AppendByte(0x10, 0xAB), 3u);
    EXPECT_EQ(p.AppendWord(0x11, 0x1770), 7u);
    EXPECT_EQ(p.AppendDWord(0x12, 0xC0A80A64), 13u);
    EXPECT_EQ(p.AppendText(0x13, "ab"), 17u);
    EXPECT_EQ(p.AppendEmpty(0x14), 19u);
    p.SetLength();
    EXPECT_EQ(PayloadOf(p), golden::Bytes("10 01 AB 11 02 17 70 12 04 C0 A8 0A 64 13 02 61 62 14 00"));
    EXPECT_EQ(HeaderLength(p.Data()), 19);

    // A text longer than one length byte can say is cut to 255 characters.
    p.BuildHeader(golden::ClientMac);
    EXPECT_EQ(p.AppendText(0x50, std::string(300, 'x')), 257u);
    EXPECT_EQ(p.Bytes[19], 255);

    // The payload never grows past 1006 bytes; an item that does not fit is refused whole.
    p.BuildHeader(golden::ClientMac);
    while (p.PayloadLength() + 257 <= UDP_MAX_PAYLOAD)
        p.AppendText(0x50, std::string(255, 'y'));
    const std::size_t before = p.PayloadLength();
    EXPECT_EQ(p.AppendText(0x50, std::string(255, 'z')), before);
    EXPECT_TRUE(p.Overflowed());
    EXPECT_LE(p.Size(), UDP_SEND_BUFFER);
}

TEST(Codec, TlvWalkOverrunAndTrailingByte) {
    struct Case {
        const char* Name;
        const char* Hex;
        std::vector<std::uint8_t> Types; // items handed over, in order
        bool LogsOverrun;
    };
    const Case cases[] = {
        {"one item overrunning a 3-byte payload", golden::OverrunningItem.Hex, {}, true},
        {"complete item then a stray byte", golden::StrayTrailingByte.Hex, {0x91}, false},
        {"items before an overrun stand", "91 01 01 92 02 17 70 50 09 41", {0x91, 0x92}, true},
        {"empty item at the end", "91 01 01 6B 00", {0x91, 0x6B}, false},
        {"empty payload", "", {}, false},
        {"a single byte", "91", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CLogCapture log;
        const auto payload = golden::Bytes(c.Hex);
        std::vector<std::uint8_t> seen;
        const int items =
            WalkTLV(payload, [&](std::uint8_t type, std::uint8_t length, const std::uint8_t* value) {
                seen.push_back(type);
                // The value view lies inside the payload.
                EXPECT_LE(value + length, payload.data() + payload.size());
            });
        EXPECT_EQ(seen, c.Types);
        EXPECT_EQ(items, static_cast<int>(c.Types.size()));
        EXPECT_EQ(log.Has("  not enough bytes in buffer"), c.LogsOverrun);
        EXPECT_EQ(log.Lines.size(), c.LogsOverrun ? 1u : 0u);
    }
}

TEST(Codec, ReceivedDatagramChecksInOrder) {
    const TMacAddr client{0x02, 0, 0, 0, 0, 0x01};
    const TMacAddr adapterA{0x02, 0, 0, 0, 0, 0x0A}, adapterB{0x02, 0, 0, 0, 0, 0x0B};
    const TMacAddr broadcast{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const TMacAddr device{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, other{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F};
    const std::vector<TMacAddr> adapters{adapterA, adapterB};

    auto withMac = [](const char* hex, const TMacAddr& mac) {
        auto b = golden::Bytes(hex);
        std::copy(mac.begin(), mac.end(), b.begin() + 9);
        return b;
    };
    struct Case {
        const char* Name;
        Bytes Datagram;
        TMacAddr Peer;
        TRecvFault Expected;
    };
    const Case cases[] = {
        {"17 bytes", golden::Bytes(golden::ShortDatagram.Hex), broadcast, TRecvFault::Length},
        {"header only", golden::Bytes(golden::HeaderOnlyDatagram.Hex), broadcast, TRecvFault::None},
        {"bad magic", golden::Bytes(golden::BadMagicDatagram.Hex), broadcast, TRecvFault::Magic},
        {"bad version", golden::Bytes(golden::BadVersionDatagram.Hex), broadcast, TRecvFault::Version},
        {"own adapter, well-formed discovery answer", withMac(golden::DiscoverAnswerDatagram.Hex, adapterB),
         broadcast, TRecvFault::OwnRequest},
        {"client address", withMac(golden::DiscoverAnswerDatagram.Hex, client), broadcast,
         TRecvFault::OwnRequest},
        {"other device after login", withMac(golden::DiscoverAnswerDatagram.Hex, other), device,
         TRecvFault::Destination},
        {"logged-in device", golden::Bytes(golden::DiscoverAnswerDatagram.Hex), device, TRecvFault::None},
        {"any device before login", withMac(golden::DiscoverAnswerDatagram.Hex, other), broadcast,
         TRecvFault::None},
        {"Length 10 with 12 payload bytes", golden::Bytes(golden::WrongTotalLengthDatagram.Hex), broadcast,
         TRecvFault::TotalLength},
        // An own request that is also too long still reports the earlier check.
        {"own request with wrong length", withMac(golden::WrongTotalLengthDatagram.Hex, client), broadcast,
         TRecvFault::OwnRequest},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckDatagram(c.Datagram, adapters, client, c.Peer), c.Expected) << c.Name;
    }
    EXPECT_STREQ(RecvFaultText(TRecvFault::Length), "TFormUDP::ProcRecvData() FAIL length");
    EXPECT_STREQ(RecvFaultText(TRecvFault::Magic), "TFormUDP::ProcRecvData() FAIL magic word");
    EXPECT_STREQ(RecvFaultText(TRecvFault::Version), "TFormUDP::ProcRecvData() FAIL version");
    EXPECT_STREQ(RecvFaultText(TRecvFault::OwnRequest), "TFormUDP::ProcRecvData() FAIL received a request");
    EXPECT_STREQ(RecvFaultText(TRecvFault::Destination),
                 "TFormUDP::ProcRecvData() FAIL destination address doesn't match");
    EXPECT_STREQ(RecvFaultText(TRecvFault::TotalLength), "TFormUDP::ProcRecvData() FAIL total length");
}

TEST(Codec, SurveyEntries) {
    const auto two = ReadSurveyEntries(golden::Bytes(golden::SurveyTwoEntries.Hex));
    ASSERT_EQ(two.size(), 2u);
    const tag_AP_ROFIILE& a = two[0];
    EXPECT_EQ(a.HeadFlag, 1);
    EXPECT_EQ(a.SSID, "HomeAP");
    EXPECT_EQ(Bytes(a.BSSID, a.BSSID + 6), golden::Bytes("00 11 22 33 44 55"));
    EXPECT_EQ(a.Signal, 8);
    EXPECT_EQ(a.Channel, 11);
    EXPECT_EQ(a.Cipher, 3);
    EXPECT_EQ(a.AuthType, 3);
    EXPECT_EQ(a.IconFlag, 1);
    EXPECT_EQ(a.WpsFlag, 1);
    const tag_AP_ROFIILE& b = two[1];
    EXPECT_EQ(b.HeadFlag, 0);
    EXPECT_EQ(b.SSID, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"); // 32 characters, no terminator on the wire
    EXPECT_EQ(b.Signal, 0);
    EXPECT_EQ(b.Channel, 6);
    EXPECT_EQ(b.Cipher, 2);
    EXPECT_EQ(b.AuthType, 4);
    EXPECT_EQ(b.WpsFlag, 0);

    EXPECT_EQ(ReadSurveyEntries(golden::Bytes(golden::SurveyOneEntryAndTail.Hex)).size(), 1u);
    EXPECT_TRUE(ReadSurveyEntries({}).empty());
    Bytes twenty;
    for (int n = 0; n < 10; ++n) {
        const auto pair = golden::Bytes(golden::SurveyTwoEntries.Hex);
        twenty.insert(twenty.end(), pair.begin(), pair.end());
    }
    ASSERT_EQ(twenty.size(), 980u);
    EXPECT_EQ(ReadSurveyEntries(twenty).size(), 20u);

    // Flag bytes: any nonzero value reads as 1.
    auto flags = golden::Bytes(golden::SurveyTwoEntries.Hex);
    flags[0] = 0x80;
    flags[48] = 0x07;
    const auto e = ReadSurveyEntry(flags.data());
    EXPECT_EQ(e.HeadFlag, 1);
    EXPECT_EQ(e.WpsFlag, 1);
}

TEST(Codec, SurveyNumberFields) {
    struct Case {
        const char Field[3];
        int Value;
    };
    const Case cases[] = {{{'0', '8', 0}, 8},    {{' ', ' ', ' '}, 0}, {{'1', '0', '0'}, 100},
                          {{' ', '4', '2'}, 42}, {{'7', 'x', '9'}, 7}, {{'a', 'b', 'c'}, 0},
                          {{'9', '9', '9'}, 999}};
    for (const Case& c : cases)
        EXPECT_EQ(SurveyNumber(reinterpret_cast<const std::uint8_t*>(c.Field)), c.Value) << c.Value;
}

TEST(Codec, DumpLines) {
    const auto seventeen = golden::Bytes(golden::ShortDatagram.Hex);
    const auto lines = DumpLines(seventeen.data(), seventeen.size());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 00 ");
    EXPECT_EQ(lines[1], "00 ");
    EXPECT_TRUE(DumpLines(seventeen.data(), 0).empty());
    EXPECT_EQ(DumpLines(seventeen.data(), 16).size(), 1u);

    CLogCapture log;
    LogPacket("[Tx] size=17", seventeen.data(), seventeen.size());
    EXPECT_EQ(log.Lines, (std::vector<std::string>{"[Tx] size=17", lines[0], lines[1]}));
}

} // namespace
