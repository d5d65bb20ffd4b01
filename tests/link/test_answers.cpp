// Answer payloads read into the records, with their log lines, from the golden vectors.
#include "link/answers.h"
#include "link/golden_vectors.h"
#include "link/logcapture.h"
#include "link/udpdefs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Payload(const golden::TVector& v) {
    return golden::Bytes(v.Hex);
}

TEST(Answers, ConfigurationAnswerFillsRecordsAndLogsEveryItem) {
    CLogCapture log;
    int mode = 0;
    tag_IP_SETTING ip{};
    ip.DNS1 = 0x01020304; // never carried by the protocol
    tag_WL_PROFILE profile{};
    profile.WlMode = 5;
    CopyText(profile.Passphrase, "kept");
    ReadConfigAnswer(Payload(golden::ConfigAnswer), mode, ip, profile);

    EXPECT_EQ(mode, DEVICE_AP);
    EXPECT_EQ(ip.DHCP, 1); // IP_MODE 7
    EXPECT_EQ(ip.IPAddr, 0xC0A80001u);
    EXPECT_EQ(ip.NetMask, 0xFFFFFF00u);
    EXPECT_EQ(ip.Gateway, 0xC0A800FEu);
    EXPECT_EQ(ip.DNS1, 0x01020304u);
    EXPECT_STREQ(profile.SSID, "wireless");
    for (int n = 0; n < 11; ++n)
        EXPECT_EQ(profile.ChannelList[n], n + 1);
    EXPECT_EQ(profile.ChannelList[11], 0);
    EXPECT_EQ(profile.ExtChannel, 0);
    EXPECT_EQ(profile.StdChannel, 6);
    EXPECT_EQ(profile.SecurityMode, 2);
    EXPECT_EQ(profile.AuthMode, 2);
    EXPECT_EQ(profile.WepKeyLen, 1);
    EXPECT_EQ(profile.WpaMode, 2);
    EXPECT_EQ(profile.WpaCipher, 2);
    EXPECT_EQ(profile.WpsPin, 0x012C4B6Fu);
    EXPECT_EQ(profile.WlMode, 5);             // never read from the device
    EXPECT_STREQ(profile.Passphrase, "kept"); // WL_WPA_PSK is not read

    const std::vector<std::string> expected = {
        "  DEVICE_MODE=0x01",
        "  IP_MODE=1",
        "  LAN_IP=C0A80001",
        "  LAN_NETMASK=FFFFFF00",
        "  LAN_GATEWAY=C0A800FE",
        "  WL_SSID=wireless",
        "  WL_CH_LIST=(11)  1 2 3 4 5 6 7 8 9 10 11",
        "  WL_EXT_CH=0",
        "  WL_STD_CH=6",
        "  WL_SECURITY_MODE=2",
        "  WL_AUTH_MODE=2",
        "  WL_WEPKEY_LEN=1",
        "  WL_WEPKEY_INDEX=2",
        "  WL_WPA_MODE=2",
        "  WL_WPA_CIPHER=2",
        "  TLV=0x6A",
        "  WL_WPS_PIN=0x012C4B6F",
    };
    EXPECT_EQ(log.Lines, expected);
}

TEST(Answers, ModeAnswerTouchesOnlyTheMode) {
    int mode = DEVICE_AP;
    tag_IP_SETTING ip{1, 2, 3, 4, 5, 6};
    tag_WL_PROFILE profile{};
    CopyText(profile.SSID, "before");
    profile.StdChannel = 9;
    const tag_IP_SETTING ipBefore = ip;
    ReadConfigAnswer(Payload(golden::ModeAnswerBridge), mode, ip, profile);
    EXPECT_EQ(mode, DEVICE_WBRIDGE);
    EXPECT_EQ(ip, ipBefore);
    EXPECT_STREQ(profile.SSID, "before");
    EXPECT_EQ(profile.StdChannel, 9);
}

TEST(Answers, ConfigurationTextsAndShortItemsStayInsideTheirFields) {
    int mode = 0;
    tag_IP_SETTING ip{};
    tag_WL_PROFILE profile{};
    // A 40-character network name is cut to 32; a one-byte LAN_IP reads only its own byte; a channel list of
    // 255 entries still leaves the closing 0 byte.
    std::vector<std::uint8_t> payload = {WL_SSID, 40};
    payload.insert(payload.end(), 40, 'n');
    payload.insert(payload.end(), {LAN_IP, 1, 0xC0});
    payload.insert(payload.end(), {WL_CH_LIST, 255});
    payload.insert(payload.end(), 255, 7);
    payload.insert(payload.end(), {WL_STD_CH, 0});
    ReadConfigAnswer(payload, mode, ip, profile);
    EXPECT_EQ(std::string(profile.SSID), std::string(32, 'n'));
    EXPECT_EQ(ip.IPAddr, 0xC0000000u);
    EXPECT_EQ(profile.ChannelList[254], 7);
    EXPECT_EQ(profile.ChannelList[255], 0);
    EXPECT_EQ(profile.StdChannel, 0);
}

TEST(Answers, LoginAndResultAnswers) {
    struct Case {
        const golden::TVector& Vector;
        int Result;
        bool HasPort;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {golden::LoginAccepted, 1, true, {"  Result=1", "  Port=6000"}},
        {golden::LoginRefused, 0, true, {"  Result=0", "  Port=6000"}},
        {golden::LoginNoResult, 0, true, {"  Port=6000"}},
    };
    for (const Case& c : cases) {
        CLogCapture log;
        const TLoginAnswer a = ReadLoginAnswer(Payload(c.Vector));
        EXPECT_EQ(a.Result, c.Result) << c.Vector.Name;
        EXPECT_EQ(a.HasPort, c.HasPort) << c.Vector.Name;
        EXPECT_EQ(a.Port, 6000) << c.Vector.Name;
        EXPECT_EQ(log.Lines, c.Lines) << c.Vector.Name;
    }
    EXPECT_EQ(ReadResultAnswer(Payload(golden::SetAccepted)), 1);
    EXPECT_EQ(ReadResultAnswer(Payload(golden::SetRefused)), 0);
    EXPECT_EQ(ReadResultAnswer(Payload(golden::StrayTrailingByte)), 1);
    EXPECT_EQ(ReadResultAnswer(Payload(golden::LoginNoResult)), 0);
    // A result item of length 0 reads as 0, never past the item.
    EXPECT_EQ(ReadResultAnswer(golden::Bytes("91 00")), 0);
}

TEST(Answers, DiscoveryAnswers) {
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Payload;
        bool Valid;
        std::string DevName;
    };
    auto named = [](size_t length) {
        std::vector<std::uint8_t> p = {DEVICE_NAME, static_cast<std::uint8_t>(length)};
        for (size_t n = 0; n < length; ++n)
            p.push_back(static_cast<std::uint8_t>('a' + n % 26));
        return p;
    };
    auto nameText = [](size_t length) {
        std::string s;
        for (size_t n = 0; n < length; ++n)
            s += static_cast<char>('a' + n % 26);
        return s;
    };
    const auto datagram = golden::Bytes(golden::DiscoverAnswerDatagram.Hex);
    const Case cases[] = {
        {"named", {datagram.begin() + 18, datagram.end()}, true, "QVN-514WBR"},
        {"empty name", Payload(golden::DiscoverAnswerEmptyName), true, ""},
        {"empty payload", Payload(golden::DiscoverAnswerEmpty), false, ""},
        {"first item overruns", Payload(golden::OverrunningItem), false, ""},
        {"other type only", golden::Bytes("99 01 00"), true, ""},
        {"33 characters", named(33), true, nameText(33)},
        {"34 characters cut", named(34), true, nameText(33)},
    };
    for (const Case& c : cases) {
        tag_DEVICE_INFO device{};
        EXPECT_EQ(ReadDiscoverAnswer(c.Payload, device), c.Valid) << c.Name;
        EXPECT_EQ(std::string(device.DevName), c.DevName) << c.Name;
        EXPECT_EQ(device.DevName[33], 0) << c.Name;
    }
    CLogCapture log;
    tag_DEVICE_INFO device{};
    ReadDiscoverAnswer({datagram.begin() + 18, datagram.end()}, device);
    EXPECT_EQ(log.Lines, (std::vector<std::string>{"  DevName=QVN-514WBR"}));
}

TEST(Answers, StationConfigurationPin) {
    CLogCapture log;
    char pin[12];
    std::memset(pin, 'x', sizeof pin);
    ReadStationConfigAnswer(Payload(golden::StationConfigAnswer), pin);
    EXPECT_STREQ(pin, "12345670");
    EXPECT_EQ(log.Lines, (std::vector<std::string>{"  AP Client PIN Code = 12345670"}));

    // A PIN text longer than 11 characters is cut; other types are logged.
    ReadStationConfigAnswer(golden::Bytes("6C 0E 31 32 33 34 35 36 37 38 39 30 31 32 33 34 50 00"), pin);
    EXPECT_STREQ(pin, "12345678901");
    EXPECT_EQ(log.Lines.back(), "  TLV=0x50");
}

TEST(Answers, EventsInItemOrder) {
    struct Case {
        const golden::TVector& Vector;
        std::vector<std::pair<TEventItem::Kind, int>> Items;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {golden::EventWpsTwoStatuses,
         {{TEventItem::WpsStatus, 3}, {TEventItem::WpsStatus, 34}},
         {"  TLVTYPE_OTHER_WPS_STATUS 3", "  TLVTYPE_OTHER_WPS_STATUS 34"}},
        {golden::EventConnectTimeout, {{TEventItem::ConnectTimeout, 0}}, {"  TLVTYPE_OTHER_CONNECTTIMEOUT"}},
        {golden::EventNegativeStatus,
         {{TEventItem::WpsStatus, -1}},
         {"  TLVTYPE_OTHER_WPS_STATUS -1", "  TLV=0x99"}},
    };
    for (const Case& c : cases) {
        CLogCapture log;
        const auto items = ReadEventAnswer(Payload(c.Vector));
        std::vector<std::pair<TEventItem::Kind, int>> got;
        for (const auto& i : items)
            got.emplace_back(i.Type, i.Status);
        EXPECT_EQ(got, c.Items) << c.Vector.Name;
        EXPECT_EQ(log.Lines, c.Lines) << c.Vector.Name;
    }
}

} // namespace
