// A small loopback-only UDP client for the simulator tests, plus request/answer helpers on the simulator
// codec.
#pragma once

#include "simcipher.h"
#include "simwire.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace simtest {

using swpsim::Bytes;
using swpsim::Mac;

inline const Mac kClientMac = {0x00, 0xC0, 0xFF, 0xEE, 0x00, 0x01};

// A request as a client sends it: payload enciphered with the password (nothing to encipher for discovery).
inline Bytes Request(std::uint8_t opCode, Bytes payload, const std::string& password = "pylon") {
    swpsim::CryptPayload(password, payload);
    return swpsim::BuildDatagram(kClientMac, opCode, payload);
}

struct Answer {
    swpsim::Header header;
    Bytes payload; // deciphered unless discovery
};

inline std::optional<Answer> ReadAnswer(const Bytes& datagram, const std::string& password = "pylon") {
    Answer a;
    if (swpsim::ParseHeader(datagram, a.header) != swpsim::HeaderError::None) return std::nullopt;
    a.payload.assign(datagram.begin() + swpsim::kHeaderSize, datagram.end());
    if (a.header.opCode != swpsim::op::Discover) swpsim::CryptPayload(password, a.payload);
    return a;
}

// First value byte of an item, or -1.
inline int ItemByte(const Bytes& payload, std::uint8_t type) {
    const swpsim::ItemWalk walk = swpsim::ReadItems(payload);
    const swpsim::Item* item = swpsim::FindItem(walk, type);
    return item && !item->value.empty() ? item->value[0] : -1;
}

// A UDP socket on a loopback address; waits for datagrams with the event loop running.
class LoopbackSocket {
public:
    LoopbackSocket() = default;
    ~LoopbackSocket() {
        if (m_fd >= 0) close(m_fd);
    }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;

    // `device` ties the socket to an interface (needed to send to 255.255.255.255 safely); false if refused.
    bool Open(const char* address, std::uint16_t port = 0, const char* device = nullptr) {
        m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (m_fd < 0) return false;
        const int on = 1;
        setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        if (device && setsockopt(m_fd, SOL_SOCKET, SO_BINDTODEVICE, device,
                                 static_cast<socklen_t>(strlen(device) + 1)) != 0)
            return false;
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(port);
        inet_pton(AF_INET, address, &sa.sin_addr);
        if (bind(m_fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) return false;
        socklen_t len = sizeof sa;
        getsockname(m_fd, reinterpret_cast<sockaddr*>(&sa), &len);
        m_port = ntohs(sa.sin_port);
        return true;
    }
    std::uint16_t Port() const { return m_port; }
    // The kernel may grant less than asked (net.core.rmem_max); true when at least `bytes` were granted.
    bool SetReceiveBuffer(int bytes) const {
        if (setsockopt(m_fd, SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) != 0)
            setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
        int granted = 0;
        socklen_t len = sizeof granted;
        getsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &granted, &len);
        return granted >= bytes;
    }

    bool SendTo(const Bytes& data, const char* address, std::uint16_t port) const {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        inet_pton(AF_INET, address, &to.sin_addr);
        return sendto(m_fd, data.data(), data.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) ==
               static_cast<ssize_t>(data.size());
    }

    // The next datagram, or nothing after `timeoutMs` (the event loop runs meanwhile).
    std::optional<Bytes> Receive(int timeoutMs = 5000) {
        if (auto d = TryRead()) return d;
        QEventLoop loop;
        QSocketNotifier notifier(m_fd, QSocketNotifier::Read);
        QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        return TryRead();
    }

private:
    std::optional<Bytes> TryRead() const {
        Bytes buf(65536);
        const ssize_t n = recv(m_fd, buf.data(), buf.size(), MSG_DONTWAIT);
        if (n < 0) return std::nullopt;
        buf.resize(static_cast<std::size_t>(n));
        return buf;
    }
    int m_fd = -1;
    std::uint16_t m_port = 0;
};

} // namespace simtest
