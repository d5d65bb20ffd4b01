// Loopback helpers for the socket and engine tests: free ports, a plain peer socket and a message recorder.
#pragma once

#include "support/freeport.h"

#include "platform/message.h"

#include <QObject>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

// A plain blocking-with-timeout UDP socket on loopback, playing the other side.
class CPeerSocket {
public:
    explicit CPeerSocket(std::uint16_t port = 0, const char* bindTo = "127.0.0.1") {
        m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        const int one = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        ::setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        ::inet_pton(AF_INET, bindTo, &a.sin_addr);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len);
        Port = ntohs(a.sin_port);
        timeval tv{0, 300 * 1000};
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    }
    ~CPeerSocket() { ::close(m_fd); }
    CPeerSocket(const CPeerSocket&) = delete;
    CPeerSocket& operator=(const CPeerSocket&) = delete;

    bool SendTo(const std::vector<std::uint8_t>& data, std::uint16_t port,
                const char* to = "127.0.0.1") const {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        ::inet_pton(AF_INET, to, &a.sin_addr);
        return ::sendto(m_fd, data.data(), data.size(), 0, reinterpret_cast<sockaddr*>(&a), sizeof a) ==
               static_cast<ssize_t>(data.size());
    }
    // One datagram, or an empty vector after the time-out; `fromPort` receives the sender's port.
    std::vector<std::uint8_t> Receive(std::uint16_t* fromPort = nullptr,
                                      std::string* fromIP = nullptr) const {
        std::vector<std::uint8_t> buffer(65536);
        sockaddr_in a{};
        socklen_t len = sizeof a;
        const ssize_t n =
            ::recvfrom(m_fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&a), &len);
        if (n < 0) return {};
        buffer.resize(static_cast<size_t>(n));
        if (fromPort) *fromPort = ntohs(a.sin_port);
        if (fromIP) {
            char text[INET_ADDRSTRLEN] = {};
            ::inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
            *fromIP = text;
        }
        return buffer;
    }

    std::uint16_t Port = 0;

private:
    int m_fd = -1;
};

// Records every message it takes; an optional hook runs inside WndProc (as the owner's handling would).
class CMessageRecorder : public QObject, public CMessageReceiver {
public:
    void WndProc(TMessage& msg) override {
        Messages.push_back(msg);
        if (OnMessage) OnMessage(msg);
    }
    int Count(unsigned msgNumber) const {
        int n = 0;
        for (const auto& m : Messages)
            n += m.Msg == msgNumber;
        return n;
    }
    std::vector<TMessage> Of(unsigned msgNumber) const {
        std::vector<TMessage> out;
        for (const auto& m : Messages)
            if (m.Msg == msgNumber) out.push_back(m);
        return out;
    }
    std::vector<TMessage> Messages;
    std::function<void(TMessage&)> OnMessage;

protected:
    bool event(QEvent* e) override { return DispatchMessageEvent(e) || QObject::event(e); }
};
