#include "link/iphelp.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace {

std::string AddressText(const sockaddr* sa) {
    if (!sa || sa->sa_family != AF_INET) return "0.0.0.0";
    char text[INET_ADDRSTRLEN] = {};
    const auto* in = reinterpret_cast<const sockaddr_in*>(sa);
    inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
    return text;
}

// First gateway of each interface, from the kernel's routing table (hex, network byte order as stored).
std::map<std::string, std::string> ReadGateways() {
    std::map<std::string, std::string> gateways;
    std::ifstream file("/proc/net/route");
    std::string line;
    std::getline(file, line); // column titles
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string iface, destination, gateway;
        if (!(fields >> iface >> destination >> gateway)) continue;
        std::uint32_t raw = 0;
        try {
            raw = static_cast<std::uint32_t>(std::stoul(gateway, nullptr, 16));
        } catch (...) {
            continue;
        }
        if (raw == 0 || gateways.count(iface)) continue;
        in_addr addr{};
        addr.s_addr = raw; // the table holds the address as it lies in memory
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &addr, text, sizeof text);
        gateways[iface] = text;
    }
    return gateways;
}

} // namespace

std::vector<TAdapter> CSystemAdapterSource::Adapters() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return {};
    std::map<std::string, TAdapter> byName;
    for (ifaddrs* ifa = list; ifa; ifa = ifa->ifa_next) {
        if (!ifa->ifa_name) continue;
        TAdapter& adapter = byName[ifa->ifa_name];
        adapter.Name = ifa->ifa_name;
        adapter.Index = if_nametoindex(ifa->ifa_name);
        adapter.Up = (ifa->ifa_flags & IFF_UP) != 0;
        adapter.Loopback = (ifa->ifa_flags & IFF_LOOPBACK) != 0;
        adapter.CanBroadcast = (ifa->ifa_flags & IFF_BROADCAST) != 0;
        if (!ifa->ifa_addr) continue;
        if (ifa->ifa_addr->sa_family == AF_PACKET) {
            const auto* ll = reinterpret_cast<const sockaddr_ll*>(ifa->ifa_addr);
            if (ll->sll_halen == 6) std::memcpy(adapter.MacAddr.data(), ll->sll_addr, 6);
        } else if (ifa->ifa_addr->sa_family == AF_INET) {
            adapter.Addresses.push_back({AddressText(ifa->ifa_addr), AddressText(ifa->ifa_netmask)});
        }
    }
    freeifaddrs(list);

    const auto gateways = ReadGateways();
    std::vector<TAdapter> adapters;
    for (auto& [name, adapter] : byName) {
        const auto g = gateways.find(name);
        adapter.Gateway = g != gateways.end() ? g->second : "0.0.0.0";
        adapters.push_back(std::move(adapter));
    }
    std::stable_sort(adapters.begin(), adapters.end(),
                     [](const TAdapter& a, const TAdapter& b) { return a.Index < b.Index; });
    return adapters;
}

CIPHelp::CIPHelp(std::unique_ptr<IAdapterSource> source) {
    SetSource(std::move(source));
}

void CIPHelp::SetSource(std::unique_ptr<IAdapterSource> source) {
    m_source = source ? std::move(source) : std::make_unique<CSystemAdapterSource>();
}

void CIPHelp::SetInterfaceFilter(std::vector<std::string> names) {
    m_filter = std::move(names);
}

std::vector<TAdapter> CIPHelp::GetAdapterList() {
    std::vector<TAdapter> all = m_source->Adapters(), chosen;
    for (TAdapter& adapter : all) {
        const bool wanted = m_filter.empty()
                                ? adapter.Up && adapter.CanBroadcast && !adapter.Loopback
                                : std::find(m_filter.begin(), m_filter.end(), adapter.Name) != m_filter.end();
        if (wanted) chosen.push_back(std::move(adapter));
    }
    return chosen;
}

bool CIPHelp::FindAdapter(std::uint32_t& address, std::uint32_t& netmask, std::uint32_t& gateway,
                          std::uint8_t* mac) {
    const std::vector<TAdapter> adapters = GetAdapterList();
    bool haveFirst = false;
    std::uint32_t firstMask = 0, firstGateway = 0;
    for (const TAdapter& adapter : adapters) {
        for (const TAdapterAddress& a : adapter.Addresses) {
            const std::uint32_t ip = DottedToHost(a.IP);
            if (ip == 0) continue;
            if (!haveFirst) {
                haveFirst = true;
                firstMask = DottedToHost(a.Mask);
                firstGateway = DottedToHost(adapter.Gateway);
            }
            if (address == 0 || ip == address) {
                address = ip;
                netmask = DottedToHost(a.Mask);
                gateway = DottedToHost(adapter.Gateway);
                if (mac) std::memcpy(mac, adapter.MacAddr.data(), 6);
                return true;
            }
        }
    }
    if (haveFirst) {
        netmask = firstMask;
        gateway = firstGateway;
    }
    return false;
}

std::string CIPHelp::BroadcastAddress(const TAdapter& adapter, const TAdapterAddress& address) {
    if (!adapter.Loopback) return "255.255.255.255";
    const std::uint32_t ip = DottedToHost(address.IP), mask = DottedToHost(address.Mask);
    return HostToDotted(mask ? (ip | ~mask) : ip);
}

CIPHelp& IPHelp() {
    static CIPHelp help;
    return help;
}

std::uint32_t DottedToHost(const std::string& text) {
    in_addr addr{};
    if (inet_pton(AF_INET, text.c_str(), &addr) != 1) return 0;
    return ntohl(addr.s_addr);
}

std::string HostToDotted(std::uint32_t address) {
    in_addr addr{};
    addr.s_addr = htonl(address);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &addr, text, sizeof text);
    return text;
}
