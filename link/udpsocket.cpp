#include "link/udpsocket.h"

#include "app/debug.h"
#include "app/utils.h"
#include "link/messages_udp.h"
#include "platform/message.h"

#include <QPointer>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Hundreds of answers may arrive together after one broadcast; the buffer must hold them all.
constexpr int WantedReceiveBuffer = 8 * 1024 * 1024;

} // namespace

CUDPSocket::CUDPSocket() = default;

CUDPSocket::~CUDPSocket() {
    Close();
}

bool CUDPSocket::Open(QObject* notifyWindow, unsigned notifyMessage) {
    m_notifyWindow = notifyWindow;
    m_notifyMessage = notifyMessage;
    if (m_notifyWindow)
        connect(m_notifyWindow, &QObject::destroyed, this, [this] { m_notifyWindow = nullptr; });
    return CreateSocket();
}

bool CUDPSocket::CreateSocket() {
    Close();
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_socket < 0) return false;
    auto fail = [this] {
        Close();
        return false;
    };
    const int one = 1;
    if (setsockopt(m_socket, SOL_SOCKET, SO_BROADCAST, &one, sizeof one) != 0) return fail();
    // Another program on the client port must not lock us out, nor we it.
    setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (setsockopt(m_socket, SOL_SOCKET, SO_RCVBUFFORCE, &WantedReceiveBuffer, sizeof WantedReceiveBuffer) !=
        0)
        setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &WantedReceiveBuffer, sizeof WantedReceiveBuffer);
    socklen_t optionLength = sizeof m_receiveBuffer;
    if (getsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &m_receiveBuffer, &optionLength) != 0)
        m_receiveBuffer = 0;

    // Tied to its interface and bound to the any address, the socket sends out of that adapter only and
    // receives answers sent to the adapter's address as well as answers sent by broadcast.
    m_boundToDevice = false;
    if (!Interface.empty()) {
        if (setsockopt(m_socket, SOL_SOCKET, SO_BINDTODEVICE, Interface.c_str(),
                       static_cast<socklen_t>(Interface.size())) == 0) {
            m_boundToDevice = true;
        } else {
            Log("CUDPSocket::Open() SO_BINDTODEVICE %s refused (%s), bound to %s: answers sent by broadcast "
                "will "
                "be missed",
                Interface.c_str(), std::strerror(errno), LocalIP.empty() ? "0.0.0.0" : LocalIP.c_str());
        }
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(LocalPort);
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    if (!m_boundToDevice && !LocalIP.empty() && inet_pton(AF_INET, LocalIP.c_str(), &address.sin_addr) != 1)
        return fail();
    if (bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return fail();

    sockaddr_in bound{};
    socklen_t boundLength = sizeof bound;
    if (getsockname(m_socket, reinterpret_cast<sockaddr*>(&bound), &boundLength) == 0) {
        LocalPort = ntohs(bound.sin_port);
        // A socket tied to its interface keeps reporting the adapter's own address.
        if (!m_boundToDevice) {
            char text[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &bound.sin_addr, text, sizeof text);
            LocalIP = text;
        }
    }

    m_notifier = std::make_unique<QSocketNotifier>(m_socket, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { Readiness(); });
    LogText("WSAAsyncSelect() OK");
    return true;
}

void CUDPSocket::Close() {
    if (m_socket < 0) return;
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier.reset();
    }
    ::close(m_socket);
    m_socket = -1;
    m_boundToDevice = false;
}

bool CUDPSocket::Send(const void* data, int length, std::uint16_t port, const std::string& address) {
    if (m_socket < 0 || !data || length < 0) return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &to.sin_addr) != 1) return false;
    const ssize_t sent = ::sendto(m_socket, data, static_cast<size_t>(length), 0,
                                  reinterpret_cast<const sockaddr*>(&to), sizeof to);
    return sent == length;
}

int CUDPSocket::Recv(void* buffer, int size, std::uint16_t& port, std::string& address) {
    if (m_socket < 0) return 0;
    try {
        if (!buffer || size <= 0) return -1;
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = ::recvfrom(m_socket, buffer, static_cast<size_t>(size), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0) return -1;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
        address = text;
        port = ntohs(from.sin_port);
        return static_cast<int>(n);
    } catch (...) {
        LogText("CUDPSocket::Recv() exception");
        return -1;
    }
}

void CUDPSocket::Readiness() {
    // Every waiting datagram is one readiness event, announced and read in arrival order. A bounded batch per
    // wake-up keeps a burst of answers quick without starving the rest of the event loop.
    QPointer<CUDPSocket> self(this);
    for (int batch = 0; batch < 256 && self && m_socket >= 0; ++batch) {
        const auto wParam = static_cast<std::uintptr_t>(m_socket);
        const std::intptr_t lParam = 1; // data to read
        OnUMSocket(wParam, lParam);
        if (!self) return;
        Log("CUDPSocket::WndProc()aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa %d, "
            "%d, %d, %d",
            static_cast<int>(UM_SOCKET), static_cast<int>(UM_SOCKET), static_cast<int>(wParam),
            static_cast<int>(lParam));
        if (m_socket < 0) return;
        pollfd waiting{m_socket, POLLIN, 0};
        if (::poll(&waiting, 1, 0) <= 0 || !(waiting.revents & POLLIN)) return;
    }
}

void CUDPSocket::OnUMSocket(std::uintptr_t wParam, std::intptr_t lParam) {
    if (DebugLog().Enabled())
        Log("CUDPSocket::OnUMSocket(%s) %x %x", MacToStr(AdapterAddr.data()).c_str(),
            static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
    if (m_socket < 0 || wParam != static_cast<std::uintptr_t>(m_socket)) {
        LogText("  socket doesn't match");
        return;
    }
    if ((lParam & 0xFFFF) != 1) return;
    if (m_notifyWindow) {
        SendMessage(m_notifyWindow, m_notifyMessage, 1, reinterpret_cast<LPARAM>(this));
    } else {
        // Nobody reads for us: drop the datagram so readiness does not repeat for ever.
        std::uint8_t sink[1];
        ::recv(m_socket, sink, sizeof sink, 0);
    }
}
