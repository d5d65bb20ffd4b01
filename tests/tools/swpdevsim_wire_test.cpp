// The simulator's own codec against byte vectors written from the wire format: requests, answers, cipher.
#include "swpdevsim_vectors.h"

#include "simanswer.h"
#include "simcipher.h"
#include "simrequest.h"
#include "simwire.h"

#include <gtest/gtest.h>

using namespace swpsim;
using simvec::Bytes;

namespace {

Bytes Datagram(std::uint8_t op, const Bytes& payload) {
    return BuildDatagram({0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}, op, payload);
}

} // namespace

TEST(SimWire, HeaderLayoutAndChecksInOrder) {
    const Bytes d = Datagram(op::SetConfig, simvec::kIpDhcp);
    const Bytes expected =
        simvec::Cat({simvec::Text("SWP12345"),
                     {0x02, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x04, 0x00, 0x03, 0x30, 0x01, 0x01}});
    EXPECT_EQ(d, expected);

    struct Case {
        const char* name;
        Bytes bytes;
        HeaderError want;
    };
    Bytes badMagic = d, badVersion = d, tooLong = d, badBoth = d;
    badMagic[7] = '6';
    badVersion[8] = 1;
    tooLong.push_back(0);
    badBoth[0] = 'X';
    badBoth[8] = 1; // the magic word is checked first
    const Bytes header18 = Datagram(op::Discover, {});
    const Case cases[] = {
        {"17 bytes", Bytes(d.begin(), d.begin() + 17), HeaderError::Short},
        {"18 bytes, length 0", header18, HeaderError::None},
        {"bad magic", badMagic, HeaderError::Magic},
        {"bad version", badVersion, HeaderError::Version},
        {"magic before version", badBoth, HeaderError::Magic},
        {"one byte more than the length", tooLong, HeaderError::TotalLength},
        {"length 10 with 12 bytes",
         simvec::Cat({Bytes(d.begin(), d.begin() + 16), {0x00, 0x0A}, Bytes(12, 0)}),
         HeaderError::TotalLength},
    };
    for (const Case& c : cases) {
        Header h;
        EXPECT_EQ(ParseHeader(c.bytes, h), c.want) << c.name;
    }
}

TEST(SimWire, ItemWalkStopsAtOverrunAndToleratesOneStrayByte) {
    const ItemWalk overrun = ReadItems(Bytes{0x91, 0x05, 0x01});
    EXPECT_TRUE(overrun.overrun);
    EXPECT_TRUE(overrun.items.empty());

    const ItemWalk partial = ReadItems(Bytes{0x91, 0x01, 0x01, 0x92, 0x04, 0x17});
    EXPECT_TRUE(partial.overrun);
    ASSERT_EQ(partial.items.size(), 1u); // what came before the overrun stands
    EXPECT_EQ(partial.items[0].type, 0x91);

    const ItemWalk stray = ReadItems(Bytes{0x91, 0x01, 0x01, 0x7F});
    EXPECT_FALSE(stray.overrun);
    EXPECT_TRUE(stray.strayByte);
    EXPECT_EQ(stray.items.size(), 1u);

    const ItemWalk emptyValue = ReadItems(Bytes{0x6B, 0x00});
    ASSERT_EQ(emptyValue.items.size(), 1u);
    EXPECT_TRUE(emptyValue.items[0].value.empty());
}

TEST(SimWire, LoginRequestIs101BytesAndDecodes) {
    const Bytes p = simvec::LoginPayload();
    ASSERT_EQ(p.size(), 101u);
    const SimRequest r = DecodeRequest(op::Login, p);
    EXPECT_EQ(r.kind, Req::Login);
    EXPECT_TRUE(r.readable);
    EXPECT_EQ(r.problem, "");
    EXPECT_EQ(r.loginMac, (Mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(r.phrase, kAuthPhrase);
    EXPECT_EQ(kAuthPhrase.size(), 91u);
}

TEST(SimWire, SetRequestsDecodeFromTheirVectors) {
    const SimRequest dhcp = DecodeRequest(op::SetConfig, simvec::kIpDhcp);
    EXPECT_EQ(dhcp.kind, Req::IpSetting);
    EXPECT_TRUE(dhcp.dhcp);
    EXPECT_EQ(dhcp.problem, "");

    ASSERT_EQ(simvec::kIpFixed.size(), 21u);
    const SimRequest fixed = DecodeRequest(op::SetConfig, simvec::kIpFixed);
    EXPECT_EQ(fixed.kind, Req::IpSetting);
    EXPECT_FALSE(fixed.dhcp);
    EXPECT_EQ(fixed.ip, 0xC0A80A64u);
    EXPECT_EQ(fixed.netmask, 0xFFFFFF00u);
    EXPECT_EQ(fixed.gateway, 0xC0A80A01u);
    EXPECT_EQ(fixed.problem, "");

    const SimRequest wep = DecodeRequest(op::SetConfig, simvec::WlWep());
    EXPECT_EQ(wep.kind, Req::WlSetting);
    EXPECT_EQ(wep.problem, "");
    EXPECT_EQ(wep.wireless.ssid, "Home");
    EXPECT_EQ(wep.wireless.stdChannel, 6);
    EXPECT_EQ(wep.wireless.extChannel, 0);
    EXPECT_EQ(wep.wireless.security, 1);
    EXPECT_EQ(wep.wireless.authMode, 2);
    EXPECT_EQ(wep.wireless.wepKey, "abcde");
    EXPECT_EQ(wep.wireless.wepKeyIndex, 0);

    const SimRequest wpa = DecodeRequest(op::SetConfig, simvec::WlWpaChannel0());
    EXPECT_EQ(wpa.problem, "");
    EXPECT_EQ(wpa.wireless.stdChannel, 0);
    EXPECT_FALSE(wpa.wireless.extChannel.has_value());
    EXPECT_EQ(wpa.wireless.passphrase, "password");
    EXPECT_EQ(wpa.wireless.wpaMode, 1);

    const SimRequest sec3 = DecodeRequest(op::SetConfig, simvec::WlSecurity3());
    EXPECT_EQ(sec3.problem, "");
    EXPECT_EQ(sec3.wireless.security, 3);

    const SimRequest station = DecodeRequest(op::StationSetConfig, simvec::StationWpa());
    EXPECT_EQ(station.kind, Req::StationSet);
    EXPECT_EQ(station.problem, "");
    EXPECT_TRUE(station.wireless.staFlag);
    EXPECT_FALSE(station.wireless.stdChannel.has_value());
    EXPECT_EQ(station.wireless.passphrase, "secret-psk");

    EXPECT_EQ(DecodeRequest(op::SetConfig, simvec::kWpsPbc).kind, Req::WpsPbc);
    const SimRequest pin = DecodeRequest(op::SetConfig, simvec::WpsPinAp());
    EXPECT_EQ(pin.kind, Req::WpsPin);
    EXPECT_EQ(pin.pinText, "00000000");
    EXPECT_EQ(DecodeRequest(op::SetConfig, simvec::WpsPinBridge()).pinText, "HomeNet");
    const SimRequest mode = DecodeRequest(op::SetConfig, simvec::kSetModeBridge);
    EXPECT_EQ(mode.kind, Req::SetMode);
    EXPECT_EQ(mode.mode, 2);
    EXPECT_EQ(DecodeRequest(op::GetConfig, simvec::kGetConfig).kind, Req::GetConfig);
    EXPECT_EQ(DecodeRequest(op::GetConfig, simvec::kGetMode).kind, Req::GetMode);
}

TEST(SimWire, RequestsOfAnotherShapeAreFlagged) {
    struct Case {
        const char* name;
        std::uint8_t op;
        Bytes payload;
    };
    const Bytes wep = simvec::WlWep();
    Bytes wepIndex3 = wep;
    wepIndex3.back() = 3; // the key index a client always sends is 0; the value itself is kept, not refused
    const Case cases[] = {
        {"DHCP item followed by an address", op::SetConfig, {0x30, 0x01, 0x01, 0x31, 0x04, 1, 2, 3, 4}},
        {"fixed address without gateway", op::SetConfig,
         Bytes(simvec::kIpFixed.begin(), simvec::kIpFixed.end() - 6)},
        {"channel 6 without extension channel", op::SetConfig,
         simvec::Cat({{0x50, 0x01, 'x', 0x53, 0x01, 0x06, 0x54, 0x01, 0x09, 0x60, 0x01, 0x00}})},
        {"extension channel with channel 0", op::SetConfig,
         simvec::Cat(
             {{0x50, 0x01, 'x', 0x53, 0x01, 0x00, 0x52, 0x01, 0x00, 0x54, 0x01, 0x09, 0x60, 0x01, 0x00}})},
        {"station setting with a channel",
         op::StationSetConfig,
         {0x50, 0x01, 'x', 0x59, 0x01, 0x01, 0x53, 0x01, 0x06, 0x54, 0x01, 0x09, 0x60, 0x01, 0x00}},
        {"WEP without key index", op::SetConfig, Bytes(wep.begin(), wep.end() - 3)},
        {"security 3 with WPA items", op::SetConfig,
         simvec::Cat({simvec::WlSecurity3(), {0x68, 0x01, 0x00, 0x69, 0x01, 0x00, 0x6A, 0x01, 'x'}})},
        {"two-byte mode item", op::SetConfig, {0x00, 0x02, 0x01, 0x00}},
        {"discovery with a payload", op::Discover, {0x01, 0x00}},
        {"overrunning login", op::Login, {0x02, 0x06, 0x00}},
        {"set request of unknown kind", op::SetConfig, {0x7E, 0x00}},
    };
    for (const Case& c : cases)
        EXPECT_NE(DecodeRequest(c.op, c.payload).problem, "") << c.name;
    EXPECT_EQ(DecodeRequest(op::SetConfig, wepIndex3).problem, "");
    EXPECT_FALSE(DecodeRequest(op::Login, Bytes{0x02, 0x06, 0x00}).readable);
}

TEST(SimWire, AnswersMatchTheirVectors) {
    EXPECT_EQ(LoginPayload(1, 6000), simvec::kLoginOkPort6000);
    EXPECT_EQ(ResultPayload(1), simvec::kResultOk);
    EXPECT_EQ(EventPayload({{3}, false}), simvec::kWpsStatus3);
    SimDevice dev;
    dev.name = "Dev";
    EXPECT_EQ(BuildDatagram(dev.mac, op::Discover, DiscoveryPayload(dev)), simvec::DiscoveryAnswer());

    dev.survey = {{1, "HomeNet", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x01}, 86, 6, 3, 3, 1, 1}};
    EXPECT_EQ(SurveyPayload(dev), simvec::SurveyEntryHomeNet());

    // The configuration answer carries the device's own PIN as a 4-byte number.
    dev.wpsPin = 12345670; // 0x00BC6146
    const Bytes config = ConfigPayload(dev);
    const ItemWalk walk = ReadItems(config);
    ASSERT_FALSE(walk.overrun);
    const Item* pin = FindItem(walk, tlv::WlWpsPin);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(Bytes(pin->value.begin(), pin->value.end()), (Bytes{0x00, 0xBC, 0x61, 0x46}));
    const Item* channels = FindItem(walk, tlv::WlChList);
    ASSERT_NE(channels, nullptr);
    EXPECT_EQ(channels->value.size(), 11u);
}

TEST(SimWire, SurveyPayloadsSplitIntoWholeEntries) {
    const Bytes one = simvec::SurveyEntryHomeNet();
    ASSERT_EQ(one.size(), 49u);
    const Bytes two = simvec::Cat({one, one});
    EXPECT_EQ(ReadSurveyEntries(two).size(), 2u);                               // 98 bytes
    EXPECT_EQ(ReadSurveyEntries(Bytes(two.begin(), two.end() - 1)).size(), 1u); // 97 bytes
    const SurveyEntry e = ReadSurveyEntries(one).at(0);
    EXPECT_EQ(e.ssid, "HomeNet");
    EXPECT_EQ(e.signal, 86);
    EXPECT_EQ(e.channel, 6);
    EXPECT_EQ(e.wpsFlag, 1);

    // A 32-character name fills its field with no terminator and reads back whole.
    Bytes full;
    AppendSurveyEntry(full, {0, std::string(40, 'N'), {}, 5, 11, 0, 0, 0, 0});
    ASSERT_EQ(full.size(), 49u);
    EXPECT_EQ(full[32], 'N');
    EXPECT_EQ(ReadSurveyEntries(full).at(0).ssid, std::string(32, 'N'));
    EXPECT_EQ(full[39], ' ');
    EXPECT_EQ(full[41], '5');
}

TEST(SimWire, CipherIsPlainRc4WithTheFixedKeyForAnEmptyPassword) {
    struct Case {
        const char* key;
        std::string plain;
        Bytes cipher;
    };
    // Published RC4 test vectors.
    const Case cases[] = {
        {"Key", "Plaintext", {0xBB, 0xF3, 0x16, 0xE8, 0xD9, 0x40, 0xAF, 0x0A, 0xD3}},
        {"Wiki", "pedia", {0x10, 0x21, 0xBF, 0x04, 0x20}},
        {"Secret",
         "Attack at dawn",
         {0x45, 0xA0, 0x1F, 0x64, 0x5F, 0xC3, 0x5B, 0x38, 0x35, 0x52, 0x54, 0x4B, 0x9B, 0xF5}},
    };
    for (const Case& c : cases) {
        Bytes data(c.plain.begin(), c.plain.end());
        CryptPayload(c.key, data);
        EXPECT_EQ(data, c.cipher) << c.key;
        CryptPayload(c.key, data);
        EXPECT_EQ(data, Bytes(c.plain.begin(), c.plain.end())) << c.key;
    }
    Bytes a = simvec::LoginPayload(), b = a;
    CryptPayload("", a);
    CryptPayload("pqjhvbcyto7981mgwxan", b);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, simvec::LoginPayload());
}
