// The simulated devices without sockets: a received datagram in, the datagrams to send (with delays) out.
#pragma once

#include "simdevice.h"
#include "simwire.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace swpsim {

// The socket a datagram came in on or leaves from: the shared discovery port, or a device's command port.
constexpr int kDiscoveryListener = -1;

struct Outgoing {
    int device = 0;               // index of the device that sends it
    int via = kDiscoveryListener; // socket to send from (a device index: its command port)
    Endpoint to;                  // the client's address and port
    bool broadcast = false;       // send to the subnet broadcast address at to.port instead of to.addr
    std::uint32_t delayMs = 0;    // product milliseconds after the request
    Bytes bytes;
    std::string what; // short description for the log
};

class CSimCore {
public:
    explicit CSimCore(std::vector<SimDevice> devices);

    // Gives the command port of a device, opening it when needed; 0 when it cannot be opened.
    using PortProvider = std::function<std::uint16_t(int device)>;
    using LogSink = std::function<void(const std::string&)>;
    void SetPortProvider(PortProvider provider) { m_portProvider = std::move(provider); }
    void SetLog(LogSink sink) { m_log = std::move(sink); }

    // One datagram from `from` on `listener`; `nowMs` is product time, for login time-outs.
    std::vector<Outgoing> Handle(std::span<const std::uint8_t> datagram, const Endpoint& from, int listener,
                                 std::uint64_t nowMs);
    // Ends every login idle past its time-out, with a connect time-out event to its client.
    std::vector<Outgoing> Expire(std::uint64_t nowMs);
    // The earliest login time-out still to come.
    std::optional<std::uint64_t> NextDeadline() const;

    std::vector<SimDevice>& Devices() { return m_devices; }
    const std::vector<SimDevice>& Devices() const { return m_devices; }
    int FindDevice(const Mac& mac) const;

private:
    void HandleForDevice(int index, const Header& header, std::span<const std::uint8_t> payload,
                         const Endpoint& from, int listener, std::uint64_t nowMs, std::vector<Outgoing>& out);
    void Log(const SimDevice& d, const std::string& line) const;
    Outgoing Make(int index, int via, const Endpoint& to, std::uint32_t delayMs, Bytes bytes,
                  std::string what) const;
    std::uint16_t CommandPort(int index);

    std::vector<SimDevice> m_devices;
    PortProvider m_portProvider;
    LogSink m_log;
};

} // namespace swpsim
