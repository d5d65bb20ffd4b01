// Request handling of the simulated devices without sockets: login checks, state changes, faults, events.
#include "swpdevsim_client.h"
#include "swpdevsim_vectors.h"

#include "simanswer.h"
#include "simcore.h"
#include "simnet.h"

#include <gtest/gtest.h>

using namespace swpsim;
using simtest::ItemByte;
using simtest::ReadAnswer;
using simtest::Request;

namespace {

const Endpoint kClient{0x7F000001, 5433};

Bytes LoginPayloadFor(const Mac& mac, const std::string& phrase = std::string(kAuthPhrase)) {
    return PayloadWriter().Raw(tlv::DeviceMac, mac).Text(tlv::OtherAuth, phrase).Take();
}

// One device (or more) and the request steps a client takes, on plain values.
class SimCoreTest : public ::testing::Test {
protected:
    explicit SimCoreTest(int devices = 1) {
        std::vector<SimDevice> list;
        SimDevice base;
        for (int i = 0; i < devices; ++i)
            list.push_back(GeneratedDevice(base, i, devices));
        core = std::make_unique<CSimCore>(std::move(list));
        core->SetLog([this](const std::string& line) { log += line + "\n"; });
    }
    SimDevice& Dev(int i = 0) { return core->Devices()[static_cast<std::size_t>(i)]; }

    std::vector<Outgoing> Send(std::uint8_t op, const Bytes& payload, int listener = 0,
                               const std::string& pw = "pylon", std::uint64_t now = 0) {
        return core->Handle(Request(op, payload, pw), kClient, listener, now);
    }
    std::vector<Outgoing> Login(int device = 0, std::uint64_t now = 0) {
        return core->Handle(Request(op::Login, LoginPayloadFor(Dev(device).mac)), kClient, kDiscoveryListener,
                            now);
    }
    // The single answer's deciphered payload.
    Bytes Only(const std::vector<Outgoing>& outs) {
        EXPECT_EQ(outs.size(), 1u);
        if (outs.empty()) return {};
        auto a = ReadAnswer(outs[0].bytes);
        EXPECT_TRUE(a.has_value());
        return a ? a->payload : Bytes{};
    }

    std::unique_ptr<CSimCore> core;
    std::string log;
};

class SimCoreThreeDevices : public SimCoreTest {
protected:
    SimCoreThreeDevices() : SimCoreTest(3) {}
};

} // namespace

TEST_F(SimCoreThreeDevices, DiscoveryIsAnsweredPlainByEveryDeviceWithItsName) {
    Dev(1).behaviour.answer = AnswerMode::Broadcast;
    const auto outs = Send(op::Discover, {}, kDiscoveryListener);
    ASSERT_EQ(outs.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const Outgoing& o = outs[static_cast<std::size_t>(i)];
        Header h;
        ASSERT_EQ(ParseHeader(o.bytes, h), HeaderError::None);
        EXPECT_EQ(h.mac, Dev(i).mac);
        EXPECT_EQ(h.opCode, op::Discover);
        const ItemWalk walk = ReadItems(std::span(o.bytes).subspan(kHeaderSize)); // plain
        ASSERT_EQ(walk.items.size(), 1u);
        EXPECT_EQ(ValueText(walk.items[0]), Dev(i).name);
        EXPECT_EQ(o.to, kClient);
        EXPECT_EQ(o.broadcast, i == 1);
        EXPECT_EQ(o.via, kDiscoveryListener);
    }
    EXPECT_NE(Dev(0).mac, Dev(1).mac);
    EXPECT_NE(Dev(0).name, Dev(1).name);
}

TEST_F(SimCoreThreeDevices, OnlyTheNamedDeviceAnswersALogin) {
    const auto outs = Login(2);
    ASSERT_EQ(outs.size(), 1u);
    EXPECT_EQ(outs[0].device, 2);
    EXPECT_TRUE(Dev(2).loggedIn);
    EXPECT_FALSE(Dev(0).loggedIn);
    EXPECT_EQ(Dev(0).Handled(Req::Login), 0);
}

TEST_F(SimCoreTest, LoginChecksPhraseAddressAndKey) {
    struct Case {
        const char* name;
        Bytes payload;
        std::string clientPassword;
        WrongKey wrongKey;
        int answers; // datagrams sent
        int result;  // result item read under the device password (-1: none)
        bool loggedIn;
    };
    const Mac other = {1, 2, 3, 4, 5, 6};
    std::string badPhrase(kAuthPhrase);
    badPhrase.back() = '?';
    const Case cases[] = {
        {"accepted", LoginPayloadFor(Dev().mac), "pylon", WrongKey::Silent, 1, 1, true},
        {"wrong phrase", LoginPayloadFor(Dev().mac, badPhrase), "pylon", WrongKey::Silent, 1, 0, false},
        {"short phrase", LoginPayloadFor(Dev().mac, "Pqv"), "pylon", WrongKey::Silent, 1, 0, false},
        {"another device's address", LoginPayloadFor(other), "pylon", WrongKey::Silent, 0, -1, false},
        {"wrong key, silent device", LoginPayloadFor(Dev().mac), "nylon", WrongKey::Silent, 0, -1, false},
        {"wrong key, refusing device", LoginPayloadFor(Dev().mac), "nylon", WrongKey::Refuse, 1, 0, false},
    };
    for (const Case& c : cases) {
        Dev().loggedIn = false;
        Dev().behaviour.wrongKey = c.wrongKey;
        const auto outs =
            core->Handle(Request(op::Login, c.payload, c.clientPassword), kClient, kDiscoveryListener, 0);
        ASSERT_EQ(static_cast<int>(outs.size()), c.answers) << c.name;
        EXPECT_EQ(Dev().loggedIn, c.loggedIn) << c.name;
        if (outs.empty()) continue;
        const auto a = ReadAnswer(outs[0].bytes); // under the device's own password
        ASSERT_TRUE(a) << c.name;
        EXPECT_EQ(a->header.opCode, op::Login) << c.name;
        EXPECT_EQ(ItemByte(a->payload, tlv::OtherResult), c.result) << c.name;
        // Only an accepted login names the command port.
        const ItemWalk walk = ReadItems(a->payload);
        EXPECT_EQ(FindItem(walk, tlv::OtherPort) != nullptr, c.loggedIn) << c.name;
    }
}

TEST_F(SimCoreTest, EmptyPasswordsOnBothSidesUseTheFixedKey) {
    Dev().password = "";
    const auto outs =
        core->Handle(Request(op::Login, LoginPayloadFor(Dev().mac), ""), kClient, kDiscoveryListener, 0);
    ASSERT_EQ(outs.size(), 1u);
    EXPECT_EQ(ItemByte(ReadAnswer(outs[0].bytes, "")->payload, tlv::OtherResult), 1);
    Bytes viaFixedKey = LoginPayloadFor(Dev().mac);
    CryptPayload(kFixedKey, viaFixedKey);
    Dev().loggedIn = false;
    EXPECT_EQ(core->Handle(BuildDatagram(simtest::kClientMac, op::Login, viaFixedKey), kClient, -1, 0).size(),
              1u);
    EXPECT_TRUE(Dev().loggedIn);
}

TEST_F(SimCoreTest, CommandsNeedALoginAndGoToTheCommandPort) {
    EXPECT_TRUE(Send(op::GetConfig, simvec::kGetConfig, 0).empty()) << "not logged in yet";
    ASSERT_EQ(Login().size(), 1u);
    EXPECT_TRUE(Send(op::GetConfig, simvec::kGetConfig, kDiscoveryListener).empty()) << "discovery port";
    EXPECT_TRUE(Send(op::Discover, {}, 0).empty()) << "discovery on the command port";
    const auto outs = Send(op::GetConfig, simvec::kGetConfig, 0);
    ASSERT_EQ(outs.size(), 1u);
    EXPECT_EQ(outs[0].via, 0);

    Dev().behaviour.strictPorts = false;
    EXPECT_EQ(Send(op::GetConfig, simvec::kGetConfig, kDiscoveryListener).size(), 1u);
    Dev().behaviour.requireLogin = false;
    ASSERT_EQ(Only(Send(op::Logout, {})).size(), 3u);
    EXPECT_FALSE(Dev().loggedIn);
    EXPECT_EQ(Send(op::GetConfig, simvec::kGetMode, 0).size(), 1u);
}

TEST_F(SimCoreTest, SetRequestsChangeTheStateTheNextReadShows) {
    Login();
    struct Case {
        const char* name;
        std::uint8_t op;
        Bytes payload;
        int result;
        std::function<void(const SimDevice&)> check;
    };
    Bytes badMask = simvec::kIpFixed;
    badMask[13] = 0x0F; // 255.255.15.0
    Bytes channel14 = simvec::WlWep();
    channel14[8] = 14;
    Bytes shortWep = simvec::WlWep();
    shortWep[22] = 0x04;                   // key length 4 ...
    shortWep.erase(shortWep.begin() + 23); // ... "bcde"
    const Case cases[] = {
        {"fixed address", op::SetConfig, simvec::kIpFixed, 1,
         [](const SimDevice& d) {
             EXPECT_FALSE(d.dhcp);
             EXPECT_EQ(d.ip, 0xC0A80A64u);
             EXPECT_EQ(d.gateway, 0xC0A80A01u);
         }},
        {"netmask with a hole", op::SetConfig, badMask, 0,
         [](const SimDevice& d) { EXPECT_EQ(d.ip, 0xC0A80A64u); }},
        {"DHCP", op::SetConfig, simvec::kIpDhcp, 1, [](const SimDevice& d) { EXPECT_TRUE(d.dhcp); }},
        {"WEP profile", op::SetConfig, simvec::WlWep(), 1,
         [](const SimDevice& d) {
             EXPECT_EQ(d.ssid, "Home");
             EXPECT_EQ(d.security, 1);
             EXPECT_EQ(d.wepKey, "abcde");
             EXPECT_EQ(d.wepKeyLen, 0);
             EXPECT_EQ(d.stdChannel, 6);
         }},
        {"channel outside the list", op::SetConfig, channel14, 0,
         [](const SimDevice& d) { EXPECT_EQ(d.stdChannel, 6); }},
        {"4-character WEP key", op::SetConfig, shortWep, 0,
         [](const SimDevice& d) { EXPECT_EQ(d.wepKey, "abcde"); }},
        {"WPA-PSK on channel 0", op::SetConfig, simvec::WlWpaChannel0(), 1,
         [](const SimDevice& d) {
             EXPECT_EQ(d.security, 2);
             EXPECT_EQ(d.passphrase, "password");
             EXPECT_EQ(d.stdChannel, 0);
             EXPECT_EQ(d.wepKey, "abcde"); // WEP fields are kept
         }},
        {"station WPA-PSK", op::StationSetConfig, simvec::StationWpa(), 1,
         [](const SimDevice& d) {
             EXPECT_EQ(d.passphrase, "secret-psk");
             EXPECT_EQ(d.wpaCipher, 2);
         }},
        {"set mode bridge", op::SetConfig, simvec::kSetModeBridge, 1,
         [](const SimDevice& d) { EXPECT_EQ(d.mode, kModeBridge); }},
        {"mode 3",
         op::SetConfig,
         {0x00, 0x01, 0x03},
         0,
         [](const SimDevice& d) { EXPECT_EQ(d.mode, kModeBridge); }},
        {"unknown set request", op::SetConfig, {0x7E, 0x00}, 0, [](const SimDevice&) {}},
    };
    for (const Case& c : cases) {
        const Bytes answer = Only(Send(c.op, c.payload));
        EXPECT_EQ(ItemByte(answer, tlv::OtherResult), c.result) << c.name;
        c.check(Dev());
    }
    // The configuration answer carries what the set requests left.
    const Bytes configPayload = Only(Send(op::GetConfig, simvec::kGetConfig));
    const ItemWalk config = ReadItems(configPayload);
    EXPECT_EQ(ValueText(*FindItem(config, tlv::WlSsid)), "Home");
    EXPECT_EQ(FindItem(config, tlv::DeviceMode)->value[0], kModeBridge);
    EXPECT_EQ(FindItem(config, tlv::IpMode)->value[0], 1);
    EXPECT_EQ(ReadItems(Only(Send(op::GetConfig, simvec::kGetMode))).items.size(), 1u);
}

TEST_F(SimCoreTest, WpsPinRulesFollowTheDeviceMode) {
    Login();
    Bytes badChecksum = simvec::WpsPinAp();
    badChecksum.back() = '1';
    EXPECT_EQ(ItemByte(Only(Send(op::SetConfig, badChecksum)), tlv::OtherResult), 0);
    // Access-point mode sends events after an accepted request; a refused one sends none.
    EXPECT_EQ(Send(op::SetConfig, simvec::WpsPinAp()).size(), 3u);
    EXPECT_EQ(Dev().wpsTarget, "00000000");
    Dev().mode = kModeBridge;
    const auto outs = Send(op::SetConfig, simvec::WpsPinBridge());
    EXPECT_EQ(ItemByte(ReadAnswer(outs.at(0).bytes)->payload, tlv::OtherResult), 1);
    EXPECT_EQ(Dev().ssid, "HomeNet") << "a bridge that ends WPS configured joins the named network";
}

TEST_F(SimCoreTest, WpsStatusSequencesFollowAnAcceptedRequest) {
    Login();
    struct Case {
        const char* name;
        std::vector<WpsStep> steps;
        std::vector<std::vector<std::int32_t>> packets;
    };
    const Case cases[] = {
        {"3 then 34", {{{3}, false}, {{34}, false}}, {{3}, {34}}},
        {"3 then 1", {{{3}, false}, {{1}, false}}, {{3}, {1}}},
        {"2", {{{2}, false}}, {{2}}},
        {"3 and 34 in one datagram", {{{3, 34}, false}}, {{3, 34}}},
        {"none", {}, {}},
    };
    for (const Case& c : cases) {
        Dev().behaviour.wpsSequence = c.steps;
        Dev().behaviour.wpsIntervalMs = 500;
        const auto outs = Send(op::SetConfig, simvec::kWpsPbc);
        ASSERT_EQ(outs.size(), 1 + c.packets.size()) << c.name;
        EXPECT_EQ(outs[0].delayMs, 0u);
        for (std::size_t k = 0; k < c.packets.size(); ++k) {
            const Outgoing& o = outs[k + 1];
            EXPECT_EQ(o.delayMs, 500u * (k + 1)) << c.name;
            const auto a = ReadAnswer(o.bytes);
            ASSERT_TRUE(a);
            EXPECT_EQ(a->header.opCode, op::Event);
            std::vector<std::int32_t> statuses;
            for (const Item& item : ReadItems(a->payload).items) {
                EXPECT_EQ(item.type, tlv::OtherWpsStatus);
                statuses.push_back(static_cast<std::int32_t>(ReadBe32(item.value)));
            }
            EXPECT_EQ(statuses, c.packets[k]) << c.name;
        }
    }
    Dev().behaviour.faults[static_cast<std::size_t>(Req::WpsPbc)].result0 = true;
    Dev().behaviour.wpsSequence = {{{3}, false}};
    EXPECT_EQ(Send(op::SetConfig, simvec::kWpsPbc).size(), 1u) << "no events after a refused WPS request";
}

TEST_F(SimCoreTest, FaultKnobsShapeTheAnswer) {
    Login();
    Fault& f = Dev().behaviour.faults[static_cast<std::size_t>(Req::IpSetting)];

    ASSERT_TRUE(ParseFault("drop", f, log));
    EXPECT_TRUE(Send(op::SetConfig, simvec::kIpFixed).empty());
    EXPECT_TRUE(Dev().dhcp) << "a lost request changes nothing";

    ASSERT_TRUE(ParseFault("result0", f, log));
    EXPECT_EQ(ItemByte(Only(Send(op::SetConfig, simvec::kIpFixed)), tlv::OtherResult), 0);
    EXPECT_TRUE(Dev().dhcp);

    ASSERT_TRUE(ParseFault("delay:300,duplicate", f, log));
    auto outs = Send(op::SetConfig, simvec::kIpFixed);
    ASSERT_EQ(outs.size(), 2u);
    EXPECT_EQ(outs[0].bytes, outs[1].bytes);
    EXPECT_EQ(outs[0].delayMs, 300u);
    EXPECT_FALSE(Dev().dhcp) << "a late answer still stands for an applied change";

    ASSERT_TRUE(ParseFault("result0,times:1", f, log));
    EXPECT_EQ(ItemByte(Only(Send(op::SetConfig, simvec::kIpDhcp)), tlv::OtherResult), 0);
    EXPECT_EQ(ItemByte(Only(Send(op::SetConfig, simvec::kIpDhcp)), tlv::OtherResult), 1);

    ASSERT_TRUE(ParseFault("timeout-event", f, log));
    outs = Send(op::SetConfig, simvec::kIpDhcp);
    ASSERT_EQ(outs.size(), 2u);
    const auto event = ReadAnswer(outs[0].bytes);
    EXPECT_EQ(event->header.opCode, op::Event);
    EXPECT_EQ(ReadItems(event->payload).items.at(0).type, tlv::OtherConnectTimeout);
    EXPECT_EQ(ReadAnswer(outs[1].bytes)->header.opCode, op::SetConfig);
    EXPECT_FALSE(Dev().loggedIn);
    EXPECT_TRUE(Send(op::SetConfig, simvec::kIpDhcp).empty()) << "the login has ended";

    std::string error;
    Fault bad;
    EXPECT_FALSE(ParseFault("delay:abc", bad, error));
    EXPECT_FALSE(ParseFault("explode", bad, error));
    EXPECT_FALSE(ParseFault("times:0", bad, error));
}

TEST_F(SimCoreTest, MalformedAnswersFailTheirCheck) {
    Login();
    struct Case {
        const char* word;
        HeaderError header;
        bool overrun;
        std::size_t itemsBefore; // complete items read before the walk ends
        bool stray;
    };
    const Case cases[] = {
        {"short", HeaderError::Short, false, 0, false},
        {"magic", HeaderError::Magic, false, 0, false},
        {"version", HeaderError::Version, false, 0, false},
        {"total-length", HeaderError::TotalLength, false, 0, false},
        {"overrun", HeaderError::None, true, 1, false},
        {"overrun-first", HeaderError::None, true, 0, false},
        {"stray-byte", HeaderError::None, false, 1, true},
        {"empty", HeaderError::None, false, 0, false},
        {"foreign-mac", HeaderError::None, false, 1, false},
        {"echo-mac", HeaderError::None, false, 1, false},
    };
    Fault& f = Dev().behaviour.faults[static_cast<std::size_t>(Req::Logout)];
    for (const Case& c : cases) {
        std::string error;
        ASSERT_TRUE(ParseFault(c.word, f, error)) << c.word;
        Dev().loggedIn = true;
        const auto outs = Send(op::Logout, {});
        ASSERT_EQ(outs.size(), 1u) << c.word;
        const Bytes& d = outs[0].bytes;
        Header h;
        ASSERT_EQ(ParseHeader(d, h), c.header) << c.word;
        if (c.header != HeaderError::None) continue;
        Bytes payload(d.begin() + kHeaderSize, d.end());
        CryptPayload(Dev().password, payload);
        const ItemWalk walk = ReadItems(payload);
        EXPECT_EQ(walk.overrun, c.overrun) << c.word;
        EXPECT_EQ(walk.items.size(), c.itemsBefore) << c.word;
        EXPECT_EQ(walk.strayByte, c.stray) << c.word;
        const Mac want = std::string(c.word) == "echo-mac" ? simtest::kClientMac : Dev().mac;
        if (std::string(c.word) == "foreign-mac")
            EXPECT_NE(h.mac, Dev().mac);
        else
            EXPECT_EQ(h.mac, want) << c.word;
    }
    // A discovery answer spoiled at its first item adds nothing on the client side; then-valid follows it up.
    std::string error;
    ASSERT_TRUE(ParseFault("overrun-first,then-valid", Dev().behaviour.faults[0], error));
    const auto outs = Send(op::Discover, {}, kDiscoveryListener);
    ASSERT_EQ(outs.size(), 2u);
    EXPECT_TRUE(ReadItems(std::span(outs[0].bytes).subspan(kHeaderSize)).overrun);
    EXPECT_EQ(ReadItems(std::span(outs[1].bytes).subspan(kHeaderSize)).items.size(), 1u);
}

TEST_F(SimCoreTest, IdleLoginEndsWithAConnectTimeoutEvent) {
    Dev().behaviour.sessionTimeoutMs = 1000;
    Login(0, 0);
    EXPECT_EQ(core->NextDeadline(), 1000u);
    Send(op::GetConfig, simvec::kGetConfig, 0, "pylon", 600); // activity pushes the end out
    EXPECT_EQ(core->NextDeadline(), 1600u);
    EXPECT_TRUE(core->Expire(1599).empty());
    const auto outs = core->Expire(1600);
    ASSERT_EQ(outs.size(), 1u);
    EXPECT_EQ(outs[0].to, kClient);
    const auto a = ReadAnswer(outs[0].bytes);
    EXPECT_EQ(a->header.opCode, op::Event);
    EXPECT_EQ(ReadItems(a->payload).items.at(0).type, tlv::OtherConnectTimeout);
    EXPECT_FALSE(Dev().loggedIn);
    EXPECT_FALSE(core->NextDeadline().has_value());
}

TEST_F(SimCoreTest, ForeignAndBrokenDatagramsAreDropped) {
    Login();
    Bytes shortOne = Request(op::Discover, {});
    shortOne.pop_back();
    EXPECT_TRUE(core->Handle(shortOne, kClient, kDiscoveryListener, 0).empty());
    EXPECT_NE(log.find("shorter than a header"), std::string::npos);
    // Our own answer heard again, an event, an unknown code: nothing.
    EXPECT_TRUE(core->Handle(BuildDatagram(Dev().mac, op::Discover, {}), kClient, -1, 0).empty());
    EXPECT_TRUE(Send(op::Event, ConnectTimeoutPayload()).empty());
    EXPECT_TRUE(Send(5, {}).empty());
    EXPECT_TRUE(Send(10, {}).empty());
    // A request deciphered with the wrong key does not have a request's shape.
    EXPECT_TRUE(Send(op::GetConfig, simvec::kGetConfig, 0, "other").empty());
    EXPECT_TRUE(Dev().loggedIn);
}

// Whatever arrives, well-formed header or not, readable payload or not, is handled without harm.
TEST_F(SimCoreTest, RandomDatagramsAreHandledSafely) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    Dev().behaviour.requireLogin = false;
    Dev().behaviour.strictPorts = false;
    for (int i = 0; i < 5000; ++i) {
        Bytes payload(next() % 300);
        for (auto& b : payload)
            b = static_cast<std::uint8_t>(next());
        // Half the payloads start like a real request so that the decoders get past the first item.
        if (i % 2 && payload.size() >= 2) payload[0] = static_cast<std::uint8_t>(next() % 2 ? 0x30 : 0x50);
        Bytes d = BuildDatagram(simtest::kClientMac, static_cast<std::uint8_t>(next() % 12), payload);
        if (i % 7 == 0) d.resize(next() % (d.size() + 1));
        if (i % 3 == 0) CryptPayload("pylon", std::span(d).subspan(std::min(d.size(), kHeaderSize)));
        const auto outs =
            core->Handle(d, kClient, i % 2 ? 0 : kDiscoveryListener, static_cast<std::uint64_t>(i));
        for (const Outgoing& o : outs) {
            Header h;
            EXPECT_EQ(ParseHeader(o.bytes, h), HeaderError::None);
        }
    }
    EXPECT_TRUE(Dev().ssid.size() <= 32);
}

// Where broadcast answers go, from what the system reports for the interface address. An address added
// without a broadcast address is reported with itself as the broadcast address.
TEST(SimBroadcastDestination, FollowsTheInterfaceAddress) {
    constexpr std::uint32_t kUnicast = 0; // expected when there is no safe broadcast
    struct Case {
        const char* name;
        const char* address;
        int prefix;
        bool capable; // the link takes broadcasts
        const char* given;
        bool tied;
        const char* expected; // nullptr: kUnicast
    };
    const Case cases[] = {
        {"given broadcast", "10.231.0.2", 24, true, "10.231.0.255", false, "10.231.0.255"},
        {"given narrower broadcast", "10.231.0.2", 24, true, "10.231.0.127", false, "10.231.0.127"},
        {"added without broadcast", "10.231.0.2", 24, true, "10.231.0.2", false, "10.231.0.255"},
        {"added without broadcast, tied", "10.231.0.2", 24, true, "10.231.0.2", true, "10.231.0.255"},
        {"none given", "172.16.5.9", 12, true, "0.0.0.0", false, "172.31.255.255"},
        {"loopback", "127.0.0.1", 8, false, "127.0.0.1", false, "127.255.255.255"},
        {"/32, tied", "10.9.9.9", 32, true, "10.9.9.9", true, "255.255.255.255"},
        {"/32", "10.9.9.9", 32, true, "10.9.9.9", false, nullptr},
        {"/31, tied", "10.0.0.0", 31, true, "10.0.0.0", true, "255.255.255.255"},
        {"/31 upper address", "10.0.0.1", 31, true, "10.0.0.1", false, nullptr},
        {"point-to-point peer is no broadcast", "10.8.0.1", 32, false, "10.8.0.2", true, "255.255.255.255"},
        {"last address of the subnet, tied", "10.4.4.255", 24, true, "10.4.4.255", true, "255.255.255.255"},
        {"last address of the subnet", "10.4.4.255", 24, true, "10.4.4.255", false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetInterface nif;
        ASSERT_TRUE(ParseIpv4(c.address, nif.address));
        ASSERT_TRUE(ParseIpv4(c.given, nif.broadcast));
        nif.netmask = ~std::uint32_t{0} << (32 - c.prefix);
        nif.broadcastCapable = c.capable;
        std::uint32_t expected = kUnicast;
        ASSERT_TRUE(!c.expected || ParseIpv4(c.expected, expected));
        EXPECT_EQ(BroadcastDestination(nif, c.tied).value_or(kUnicast), expected);
    }
}
