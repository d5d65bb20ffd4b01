// The simulator's codec against the shared golden vectors that also guard the client's codec.
#include "link/golden_vectors.h"

#include "simanswer.h"
#include "simcipher.h"
#include "simcore.h"
#include "simrequest.h"
#include "simwire.h"

#include <gtest/gtest.h>

using namespace swpsim;

namespace {

Mac ToMac(const std::uint8_t (&m)[6]) {
    return {m[0], m[1], m[2], m[3], m[4], m[5]};
}
Bytes B(const golden::TVector& v) {
    return golden::Bytes(v.Hex);
}

SimRequest Decode(const golden::TVector& v) {
    return DecodeRequest(v.OpCode, B(v));
}

} // namespace

TEST(SimGolden, EveryRequestVectorDecodesWithoutComplaint) {
    const golden::TVector* all[] = {
        &golden::LoginRequest,         &golden::LogoutRequest,       &golden::GetConfigRequest,
        &golden::GetModeRequest,       &golden::SiteSurveyRequest,   &golden::StationGetConfigRequest,
        &golden::IPSettingDhcp,        &golden::IPSettingFixed,      &golden::WlSettingOpenChannel0,
        &golden::WlSettingWpaChannel6, &golden::WlSettingWep,        &golden::WlSettingWpaPsk,
        &golden::StationSettingWpaPsk, &golden::StationSettingWep,   &golden::WpsPbcRequest,
        &golden::WpsPinApRequest,      &golden::WpsPinBridgeRequest, &golden::SetModeBridgeRequest,
    };
    for (const golden::TVector* v : all) {
        const SimRequest r = Decode(*v);
        EXPECT_NE(r.kind, Req::Unknown) << v->Name;
        EXPECT_EQ(r.problem, "") << v->Name;
    }
    Header h;
    ASSERT_EQ(ParseHeader(B(golden::DiscoverDatagram), h), HeaderError::None);
    EXPECT_EQ(h.mac, ToMac(golden::ClientMac));
    EXPECT_EQ(h.opCode, op::Discover);
    EXPECT_EQ(h.length, 0);
}

TEST(SimGolden, RequestVectorsCarryTheExpectedValues) {
    const SimRequest login = Decode(golden::LoginRequest);
    EXPECT_EQ(B(golden::LoginRequest).size(), 101u);
    EXPECT_EQ(login.loginMac, ToMac(golden::DeviceMac));
    EXPECT_EQ(login.phrase, kAuthPhrase);

    EXPECT_EQ(Decode(golden::GetModeRequest).kind, Req::GetMode);
    EXPECT_EQ(Decode(golden::GetConfigRequest).kind, Req::GetConfig);
    EXPECT_TRUE(Decode(golden::IPSettingDhcp).dhcp);
    const SimRequest fixed = Decode(golden::IPSettingFixed);
    EXPECT_EQ(fixed.ip, 0xC0A80A64u);
    EXPECT_EQ(fixed.netmask, 0xFFFFFF00u);
    EXPECT_EQ(fixed.gateway, 0xC0A80A01u);

    const SimRequest open = Decode(golden::WlSettingOpenChannel0);
    EXPECT_EQ(open.wireless.ssid, "wireless");
    EXPECT_EQ(open.wireless.stdChannel, 0);
    EXPECT_FALSE(open.wireless.extChannel.has_value());
    const SimRequest ch6 = Decode(golden::WlSettingWpaChannel6);
    EXPECT_EQ(ch6.wireless.stdChannel, 6);
    EXPECT_EQ(ch6.wireless.extChannel, 2);
    EXPECT_EQ(ch6.wireless.security, 3);
    const SimRequest wep = Decode(golden::WlSettingWep);
    EXPECT_EQ(wep.wireless.wepKey, "12345");
    EXPECT_EQ(wep.wireless.wepKeyIndex, 0);
    EXPECT_EQ(wep.wireless.authMode, 1);
    EXPECT_EQ(Decode(golden::WlSettingWpaPsk).wireless.passphrase, "secret12");
    const SimRequest station = Decode(golden::StationSettingWep);
    EXPECT_EQ(station.kind, Req::StationSet);
    EXPECT_FALSE(station.wireless.stdChannel.has_value());
    EXPECT_EQ(station.wireless.wepKey, "ABCDEF0123");
    EXPECT_EQ(Decode(golden::WpsPinApRequest).pinText, "01234567");
    EXPECT_EQ(Decode(golden::WpsPinBridgeRequest).pinText, "neighbour");
    EXPECT_EQ(Decode(golden::SetModeBridgeRequest).mode, kModeBridge);
}

TEST(SimGolden, AnswersTheSimulatorBuildsEqualTheVectors) {
    SimDevice dev;
    dev.mac = ToMac(golden::DeviceMac);
    dev.name = "QVN-514WBR";
    EXPECT_EQ(BuildDatagram(dev.mac, op::Discover, DiscoveryPayload(dev)), B(golden::DiscoverAnswerDatagram));
    EXPECT_EQ(LoginPayload(1, 6000), B(golden::LoginAccepted));
    EXPECT_EQ(ResultPayload(1), B(golden::SetAccepted));
    EXPECT_EQ(ResultPayload(0), B(golden::SetRefused));
    dev.mode = kModeBridge;
    EXPECT_EQ(ModePayload(dev), B(golden::ModeAnswerBridge));
    dev.stationPin = "12345670";
    EXPECT_EQ(StationPayload(dev), B(golden::StationConfigAnswer));
    EXPECT_EQ(EventPayload({{3, 34}, false}), B(golden::EventWpsTwoStatuses));
    EXPECT_EQ(ConnectTimeoutPayload(), B(golden::EventConnectTimeout));
    const Bytes negative = B(golden::EventNegativeStatus);
    EXPECT_EQ(EventPayload({{-1}, false}), Bytes(negative.begin(), negative.begin() + 6));

    // Enciphered answers: payload only, fresh RC4 state, fixed key for an empty password.
    dev.password = "pylon";
    Bytes accepted = LoginPayload(1, 6000);
    CryptPayload(dev.password, accepted);
    EXPECT_EQ(BuildDatagram(dev.mac, op::Login, accepted), B(golden::LoginAcceptedPylonDatagram));
    Bytes setFixed = ResultPayload(1);
    CryptPayload("", setFixed);
    EXPECT_EQ(BuildDatagram(dev.mac, op::SetConfig, setFixed), B(golden::SetAcceptedFixedKeyDatagram));

    // The spoiled short answer is exactly the 17-byte vector.
    EXPECT_EQ(MalformedAnswer(Malform::Short, dev.mac, op::Discover, {}, "", {}, false),
              B(golden::ShortDatagram));
}

TEST(SimGolden, ConfigurationItemsEncodeLikeTheVector) {
    // A device set up as the vector describes writes each item it shares with the vector byte for byte.
    SimDevice dev;
    dev.mode = kModeAp;
    dev.dhcp = true;
    dev.ip = 0xC0A80001;
    dev.netmask = 0xFFFFFF00;
    dev.gateway = 0xC0A800FE;
    dev.ssid = "wireless";
    dev.channels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    dev.extChannel = 0;
    dev.stdChannel = 6;
    dev.security = 2;
    dev.authMode = 2;
    dev.wepKeyLen = 1;
    dev.wepKeyIndex = 2;
    dev.wpaMode = 2;
    dev.wpaCipher = 2;
    dev.wpsPin = 0x012C4B6F;
    const Bytes vector = B(golden::ConfigAnswer);
    const ItemWalk want = ReadItems(vector);
    ASSERT_FALSE(want.overrun);
    const Bytes mine = ConfigPayload(dev);
    const ItemWalk got = ReadItems(mine);
    ASSERT_FALSE(got.overrun);
    for (const Item& item : got.items) {
        const Item* expected = FindItem(want, item.type);
        ASSERT_NE(expected, nullptr) << "type " << int(item.type);
        if (item.type == tlv::IpMode) {
            EXPECT_NE(expected->value[0], 0); // the vector's 7 and our 1 both mean DHCP
            continue;
        }
        EXPECT_EQ(Bytes(item.value.begin(), item.value.end()),
                  Bytes(expected->value.begin(), expected->value.end()))
            << "type " << int(item.type);
    }
}

TEST(SimGolden, SurveyVectorsReadAsWholeEntries) {
    const auto two = ReadSurveyEntries(B(golden::SurveyTwoEntries));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].ssid, "HomeAP");
    EXPECT_EQ(two[0].signal, 8);
    EXPECT_EQ(two[0].channel, 11);
    EXPECT_EQ(two[0].wpsFlag, 1);
    EXPECT_EQ(two[1].ssid, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    EXPECT_EQ(two[1].signal, 0);
    EXPECT_EQ(two[1].channel, 6);
    EXPECT_EQ(two[1].authType, 4);
    EXPECT_EQ(ReadSurveyEntries(B(golden::SurveyOneEntryAndTail)).size(), 1u);
    // What the simulator writes reads back the same.
    Bytes again;
    for (const SurveyEntry& e : two)
        AppendSurveyEntry(again, e);
    EXPECT_EQ(ReadSurveyEntries(again), two);
}

TEST(SimGolden, MalformedVectorsFailTheSameChecks) {
    struct Case {
        const golden::TVector& v;
        HeaderError want;
    };
    const Case cases[] = {
        {golden::ShortDatagram, HeaderError::Short},
        {golden::HeaderOnlyDatagram, HeaderError::None},
        {golden::BadMagicDatagram, HeaderError::Magic},
        {golden::BadVersionDatagram, HeaderError::Version},
        {golden::WrongTotalLengthDatagram, HeaderError::TotalLength},
    };
    for (const Case& c : cases) {
        Header h;
        EXPECT_EQ(ParseHeader(B(c.v), h), c.want) << c.v.Name;
    }
    const ItemWalk overrun = ReadItems(B(golden::OverrunningItem));
    EXPECT_TRUE(overrun.overrun);
    EXPECT_TRUE(overrun.items.empty());
    const ItemWalk stray = ReadItems(B(golden::StrayTrailingByte));
    EXPECT_FALSE(stray.overrun);
    EXPECT_TRUE(stray.strayByte);
    EXPECT_EQ(stray.items.size(), 1u);
}

TEST(SimGolden, EncipheredRequestVectorsAreServed) {
    SimDevice dev;
    dev.mac = ToMac(golden::DeviceMac);
    CSimCore core({dev});
    const Endpoint client{0x7F000001, 5433};
    // The plain login vector, enciphered under the factory password, logs in.
    Bytes login = B(golden::LoginRequest);
    CryptPayload("pylon", login);
    ASSERT_EQ(
        core.Handle(BuildDatagram(ToMac(golden::ClientMac), op::Login, login), client, kDiscoveryListener, 0)
            .size(),
        1u);
    ASSERT_TRUE(core.Devices()[0].loggedIn);
    const auto outs = core.Handle(B(golden::GetConfigPylonDatagram), client, 0, 0);
    ASSERT_EQ(outs.size(), 1u);
    Header h;
    ASSERT_EQ(ParseHeader(outs[0].bytes, h), HeaderError::None);
    EXPECT_EQ(h.opCode, op::GetConfig);
    EXPECT_EQ(h.mac, ToMac(golden::DeviceMac));
    // Under the fixed key the same request is unreadable for a device keyed "pylon".
    EXPECT_TRUE(core.Handle(B(golden::GetConfigFixedKeyDatagram), client, 0, 0).empty());
    core.Devices()[0].password = "";
    EXPECT_EQ(core.Handle(B(golden::GetConfigFixedKeyDatagram), client, 0, 0).size(), 1u);
}
