// CIPHelp: the local adapters (hardware address, IPv4 addresses with netmasks, first gateway) behind a
// replaceable source, with the default filter and the explicit interface choice.
#pragma once

#include "link/udpdefs.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TAdapterAddress {
    std::string IP;   // dotted text
    std::string Mask; // dotted text
};

struct TAdapter {
    std::string Name; // interface name; also the adapter's description in the log
    unsigned Index = 0;
    TMacAddr MacAddr{};
    std::vector<TAdapterAddress> Addresses; // in the system's order
    std::string Gateway;                    // first gateway, dotted text, "0.0.0.0" when none
    bool Up = true;
    bool Loopback = false;
    bool CanBroadcast = true;
};

// Where the facts about the adapters come from: the system, or a test.
class IAdapterSource {
public:
    virtual ~IAdapterSource() = default;
    // Every adapter, in a stable order.
    virtual std::vector<TAdapter> Adapters() = 0;
};

// getifaddrs for the addresses and hardware addresses, /proc/net/route for the first gateway; ordered by
// interface index.
class CSystemAdapterSource final : public IAdapterSource {
public:
    std::vector<TAdapter> Adapters() override;
};

class CIPHelp {
public:
    explicit CIPHelp(std::unique_ptr<IAdapterSource> source = nullptr);

    // Replaces the source (tests); null restores the system's.
    void SetSource(std::unique_ptr<IAdapterSource> source);
    // Restricts the adapters to these interface names (any kind, loopback included); empty restores the
    // default: adapters that are up, can broadcast and are not loopback.
    void SetInterfaceFilter(std::vector<std::string> names);
    const std::vector<std::string>& InterfaceFilter() const { return m_filter; }

    // The usable adapters, read afresh from the source at each call.
    std::vector<TAdapter> GetAdapterList();
    // `address` 0: the first nonzero address wins (true). Otherwise the address equal to it wins (true); when
    // none is, the netmask and gateway of the first nonzero address are stored and the result is false. Host
    // order throughout; `mac` may be null and is written only on success.
    bool FindAdapter(std::uint32_t& address, std::uint32_t& netmask, std::uint32_t& gateway,
                     std::uint8_t* mac);

    // The destination of the requests sent through an adapter: the limited broadcast on a broadcast-capable
    // adapter; on the loopback adapter, which carries no limited broadcast, the directed broadcast of its
    // subnet (127.255.255.255 for 127.0.0.1/8).
    static std::string BroadcastAddress(const TAdapter& adapter, const TAdapterAddress& address);

private:
    std::unique_ptr<IAdapterSource> m_source;
    std::vector<std::string> m_filter;
};

// The program's one instance, built before any window.
CIPHelp& IPHelp();

// Dotted text to a host-order number and back; 0 for text that is not an IPv4 address.
std::uint32_t DottedToHost(const std::string& text);
std::string HostToDotted(std::uint32_t address);
