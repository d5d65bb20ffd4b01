// The adapter list: default filter, explicit interfaces, FindAdapter and the broadcast destination rule.
#include "link/fakeadapters.h"
#include "link/iphelp.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TAdapter Adapter(const char* name, unsigned index, std::uint8_t tail, std::vector<TAdapterAddress> addresses,
                 const char* gateway = "0.0.0.0") {
    TAdapter a;
    a.Name = name;
    a.Index = index;
    a.MacAddr = {0x00, 0x11, 0x22, 0x33, 0x44, tail};
    a.Addresses = std::move(addresses);
    a.Gateway = gateway;
    return a;
}

std::vector<std::string> Names(const std::vector<TAdapter>& list) {
    std::vector<std::string> names;
    for (const auto& a : list)
        names.push_back(a.Name);
    return names;
}

TEST(IPHelp, DefaultFilterLeavesOutLoopbackTunnelsAndDownAdapters) {
    auto lo = LoopbackAdapter(1);
    auto eth = Adapter("eth0", 2, 0xA0, {{"192.168.0.10", "255.255.255.0"}}, "192.168.0.1");
    auto tun = Adapter("tun0", 3, 0xA1, {{"10.8.0.2", "255.255.255.0"}});
    tun.CanBroadcast = false;
    auto down = Adapter("eth1", 4, 0xA2, {{"192.168.5.10", "255.255.255.0"}});
    down.Up = false;
    int reads = 0;
    CIPHelp help(std::make_unique<CFakeAdapterSource>(std::vector<TAdapter>{lo, eth, tun, down}, &reads));
    EXPECT_EQ(Names(help.GetAdapterList()), std::vector<std::string>{"eth0"});
    EXPECT_EQ(reads, 1);

    // An explicit choice takes any kind, loopback included, in the source's order.
    help.SetInterfaceFilter({"tun0", "lo"});
    EXPECT_EQ(Names(help.GetAdapterList()), (std::vector<std::string>{"lo", "tun0"}));
    EXPECT_EQ(reads, 2); // read afresh at each call
}

TEST(IPHelp, FindAdapterRules) {
    auto first =
        Adapter("eth0", 2, 0xA0, {{"0.0.0.0", "0.0.0.0"}, {"192.168.0.10", "255.255.255.0"}}, "192.168.0.1");
    auto second = Adapter("eth1", 3, 0xB0, {{"10.0.0.5", "255.0.0.0"}}, "10.0.0.1");
    auto empty = Adapter("eth2", 1, 0xC0, {{"0.0.0.0", "0.0.0.0"}});
    CIPHelp help(std::make_unique<CFakeAdapterSource>(std::vector<TAdapter>{empty, first, second}));

    std::uint32_t address = 0, mask = 0, gateway = 0;
    std::uint8_t mac[6] = {};
    ASSERT_TRUE(help.FindAdapter(address, mask, gateway, mac));
    EXPECT_EQ(address, DottedToHost("192.168.0.10")); // 0.0.0.0 entries are skipped
    EXPECT_EQ(mask, DottedToHost("255.255.255.0"));
    EXPECT_EQ(gateway, DottedToHost("192.168.0.1"));
    EXPECT_EQ(mac[5], 0xA0);

    address = DottedToHost("10.0.0.5");
    ASSERT_TRUE(help.FindAdapter(address, mask, gateway, mac));
    EXPECT_EQ(mask, DottedToHost("255.0.0.0"));
    EXPECT_EQ(mac[5], 0xB0);

    // No match: the first address's netmask and gateway, the hardware address untouched, false.
    address = DottedToHost("172.16.0.1");
    std::fill(std::begin(mac), std::end(mac), 0xEE);
    EXPECT_FALSE(help.FindAdapter(address, mask, gateway, mac));
    EXPECT_EQ(mask, DottedToHost("255.255.255.0"));
    EXPECT_EQ(gateway, DottedToHost("192.168.0.1"));
    EXPECT_EQ(mac[0], 0xEE);

    CIPHelp none(std::make_unique<CFakeAdapterSource>(std::vector<TAdapter>{empty}));
    address = 0;
    EXPECT_FALSE(none.FindAdapter(address, mask, gateway, nullptr));
}

TEST(IPHelp, BroadcastDestination) {
    auto eth = Adapter("eth0", 2, 0xA0, {{"192.168.0.10", "255.255.255.0"}});
    EXPECT_EQ(CIPHelp::BroadcastAddress(eth, eth.Addresses[0]), "255.255.255.255");
    auto lo = LoopbackAdapter(1);
    EXPECT_EQ(CIPHelp::BroadcastAddress(lo, lo.Addresses[0]), "127.255.255.255");
    // Never the limited broadcast on loopback, whatever its mask says.
    TAdapterAddress host{"127.0.0.2", "255.255.255.255"};
    EXPECT_EQ(CIPHelp::BroadcastAddress(lo, host), "127.0.0.2");
}

TEST(IPHelp, SystemListHasLoopbackInIndexOrder) {
    CSystemAdapterSource source;
    const auto adapters = source.Adapters();
    const auto lo =
        std::find_if(adapters.begin(), adapters.end(), [](const TAdapter& a) { return a.Loopback; });
    ASSERT_NE(lo, adapters.end());
    ASSERT_FALSE(lo->Addresses.empty());
    EXPECT_EQ(lo->Addresses[0].IP, "127.0.0.1");
    EXPECT_EQ(lo->Addresses[0].Mask, "255.0.0.0");
    EXPECT_TRUE(std::is_sorted(adapters.begin(), adapters.end(),
                               [](const TAdapter& a, const TAdapter& b) { return a.Index < b.Index; }));
    // The default list never holds the loopback adapter.
    CIPHelp help;
    for (const auto& a : help.GetAdapterList())
        EXPECT_FALSE(a.Loopback) << a.Name;
}

TEST(IPHelp, DottedConversions) {
    EXPECT_EQ(DottedToHost("192.168.10.1"), 0xC0A80A01u);
    EXPECT_EQ(DottedToHost("not an address"), 0u);
    EXPECT_EQ(DottedToHost(""), 0u);
    EXPECT_EQ(HostToDotted(0xC0A80A01u), "192.168.10.1");
}

} // namespace
