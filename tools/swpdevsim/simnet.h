// The one network interface a simulator serves, and its UDP sockets tied to that interface.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace swpsim {

struct NetInterface {
    std::string name;
    unsigned index = 0;
    std::uint32_t address = 0; // host order
    std::uint32_t netmask = 0;
    bool broadcastCapable = false; // the link takes broadcasts
    // The broadcast address the system gives with the address: 0 when there is none; the address itself
    // for an address added without one.
    std::uint32_t broadcast = 0;
};

// Finds the interface by name and/or by one of its IPv4 addresses; with neither, 127.0.0.1 (loopback).
bool ResolveInterface(const std::string& name, const std::string& bindAddress, NetInterface& out,
                      std::string& error);

// Where broadcast answers go on `nif`: its given broadcast address; without a usable one the subnet's
// directed broadcast; on a /31 or /32, or when that is the own address, the limited broadcast, but only
// from sockets tied to the interface (`tied`), where it cannot leave by another one. Nothing when none of
// these fits: then broadcast answers go by unicast to the sender.
std::optional<std::uint32_t> BroadcastDestination(const NetInterface& nif, bool tied);

// The sender of a received datagram and when the kernel took it in (real-time clock, nanoseconds), which
// orders datagrams received on different sockets.
struct ReceivedFrom {
    std::uint32_t addr = 0;
    std::uint16_t port = 0;
    std::uint64_t stampNs = 0;
};

// UDP sockets on one port of one interface. Where the system lets a socket be tied to the interface,
// one socket on 0.0.0.0 tied to it receives unicast and broadcast requests. Otherwise one socket on the
// interface address takes unicast and sends with the interface named on each datagram, and a second on
// 255.255.255.255 takes broadcasts, keeping only those that arrived on the interface.
class CUdpPort {
public:
    CUdpPort() = default;
    ~CUdpPort();
    CUdpPort(const CUdpPort&) = delete;
    CUdpPort& operator=(const CUdpPort&) = delete;

    // `port` 0 takes any free port. With `tie` false the address-bound pair is used even where tying works.
    bool Open(const NetInterface& nif, std::uint16_t port, bool tie, std::string& error);
    void Close();

    std::uint16_t Port() const { return m_port; }
    bool TiedToInterface() const { return m_tied; }
    // The sockets to watch for reading.
    std::vector<int> Fds() const;

    // Reads one datagram from `fd` without waiting; -1 when none; 0 for a datagram that did not come in on
    // the interface (dropped; `from` still holds its receive time). Otherwise its size, with the sender and
    // receive time in `from`.
    long Receive(int fd, std::span<std::uint8_t> buffer, ReceivedFrom& from) const;
    bool Send(std::span<const std::uint8_t> data, std::uint32_t addr, std::uint16_t port,
              std::string& error) const;

private:
    int m_fd = -1;          // sends, and receives unicast (and broadcast when tied)
    int m_broadcastFd = -1; // receives broadcasts when not tied
    unsigned m_ifindex = 0;
    std::uint32_t m_address = 0;
    std::uint16_t m_port = 0;
    bool m_tied = false;
};

} // namespace swpsim
