// Interface lookup with getifaddrs and UDP sockets bound to one interface only.
#include "simnet.h"

#include "simwire.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace swpsim {

namespace {

std::uint32_t HostOrder(const sockaddr* sa) {
    return ntohl(reinterpret_cast<const sockaddr_in*>(sa)->sin_addr.s_addr);
}

sockaddr_in SockAddr(std::uint32_t addr, std::uint16_t port) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(addr);
    sa.sin_port = htons(port);
    return sa;
}

std::string Errno(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

int NewSocket(std::string& error) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = Errno("socket");
        return -1;
    }
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    // Many clients (or one client with many requests) may arrive at once.
    const int size = 1 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    // Receive times keep the arrival order across the sockets of one server.
    setsockopt(fd, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    return fd;
}

bool Bind(int fd, std::uint32_t addr, std::uint16_t port, std::string& error) {
    const sockaddr_in sa = SockAddr(addr, port);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) {
        error = Errno(("bind " + Ipv4Text(addr) + ":" + std::to_string(port)).c_str());
        return false;
    }
    return true;
}

std::uint64_t Nanoseconds(const timespec& t) {
    return static_cast<std::uint64_t>(t.tv_sec) * 1000000000u + static_cast<std::uint64_t>(t.tv_nsec);
}

std::uint16_t BoundPort(int fd) {
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len) != 0) return 0;
    return ntohs(sa.sin_port);
}

} // namespace

bool ResolveInterface(const std::string& name, const std::string& bindAddress, NetInterface& out,
                      std::string& error) {
    std::uint32_t wanted = 0;
    const std::string addrText = name.empty() && bindAddress.empty() ? "127.0.0.1" : bindAddress;
    if (!addrText.empty() && !ParseIpv4(addrText, wanted)) {
        error = "bad address " + addrText;
        return false;
    }
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        error = Errno("getifaddrs");
        return false;
    }
    bool found = false;
    for (ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !i->ifa_netmask) continue;
        if (!name.empty() && name != i->ifa_name) continue;
        const std::uint32_t a = HostOrder(i->ifa_addr);
        if (wanted != 0 && a != wanted) continue;
        out.name = i->ifa_name;
        out.index = if_nametoindex(i->ifa_name);
        out.address = a;
        out.netmask = HostOrder(i->ifa_netmask);
        out.broadcastCapable = (i->ifa_flags & IFF_BROADCAST) != 0;
        out.broadcast = out.broadcastCapable && i->ifa_broadaddr && i->ifa_broadaddr->sa_family == AF_INET
                            ? HostOrder(i->ifa_broadaddr)
                            : 0;
        found = true;
        break;
    }
    freeifaddrs(list);
    if (!found) {
        error = "no interface";
        if (!name.empty()) error += " named " + name;
        if (wanted != 0) error += " with the address " + addrText;
        return false;
    }
    return true;
}

std::optional<std::uint32_t> BroadcastDestination(const NetInterface& nif, bool tied) {
    if (nif.broadcastCapable && nif.broadcast != 0 && nif.broadcast != nif.address) return nif.broadcast;
    // A /31 has no broadcast address (its other address is the peer), a /32 no other host.
    const bool pointToPoint = nif.netmask >= 0xFFFFFFFEu;
    const std::uint32_t directed = nif.address | ~nif.netmask;
    if (!pointToPoint && directed != nif.address) return directed;
    if (tied) return INADDR_BROADCAST;
    return std::nullopt;
}

CUdpPort::~CUdpPort() {
    Close();
}

void CUdpPort::Close() {
    if (m_fd >= 0) close(m_fd);
    if (m_broadcastFd >= 0) close(m_broadcastFd);
    m_fd = m_broadcastFd = -1;
    m_port = 0;
    m_tied = false;
}

bool CUdpPort::Open(const NetInterface& nif, std::uint16_t port, bool tie, std::string& error) {
    Close();
    m_ifindex = nif.index;
    m_address = nif.address;
    m_fd = NewSocket(error);
    if (m_fd < 0) return false;
    // Tied to the interface, 0.0.0.0 hears broadcasts on that interface only and sends only through it.
    if (tie && setsockopt(m_fd, SOL_SOCKET, SO_BINDTODEVICE, nif.name.c_str(),
                          static_cast<socklen_t>(nif.name.size() + 1)) == 0) {
        m_tied = true;
        if (!Bind(m_fd, INADDR_ANY, port, error)) {
            Close();
            return false;
        }
        m_port = BoundPort(m_fd);
        return true;
    }
    if (!Bind(m_fd, nif.address, port, error)) {
        Close();
        return false;
    }
    m_port = BoundPort(m_fd);
    m_broadcastFd = NewSocket(error);
    if (m_broadcastFd < 0) {
        Close();
        return false;
    }
    const int on = 1;
    setsockopt(m_broadcastFd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
    if (!Bind(m_broadcastFd, INADDR_BROADCAST, m_port, error)) {
        Close();
        return false;
    }
    return true;
}

std::vector<int> CUdpPort::Fds() const {
    std::vector<int> fds;
    if (m_fd >= 0) fds.push_back(m_fd);
    if (m_broadcastFd >= 0) fds.push_back(m_broadcastFd);
    return fds;
}

long CUdpPort::Receive(int fd, std::span<std::uint8_t> buffer, ReceivedFrom& from) const {
    sockaddr_in sender{};
    iovec iov{buffer.data(), buffer.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo)) + CMSG_SPACE(sizeof(timespec))];
    msghdr msg{};
    msg.msg_name = &sender;
    msg.msg_namelen = sizeof sender;
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    const ssize_t n = recvmsg(fd, &msg, MSG_DONTWAIT | MSG_TRUNC);
    if (n < 0) return -1;
    unsigned arrivedOn = 0;
    bool stamped = false;
    for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
        if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
            in_pktinfo info;
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            arrivedOn = static_cast<unsigned>(info.ipi_ifindex);
        } else if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_TIMESTAMPNS) {
            timespec t;
            std::memcpy(&t, CMSG_DATA(c), sizeof t);
            from.stampNs = Nanoseconds(t);
            stamped = true;
        }
    }
    if (!stamped) {
        // Without a kernel time the read time is the best order there is.
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        from.stampNs = Nanoseconds(t);
    }
    if (fd == m_broadcastFd && arrivedOn != m_ifindex) return 0;
    // A datagram larger than the buffer is cut by the kernel; hand on only what was read.
    from.addr = ntohl(sender.sin_addr.s_addr);
    from.port = ntohs(sender.sin_port);
    return std::min<long>(static_cast<long>(n), static_cast<long>(buffer.size()));
}

bool CUdpPort::Send(std::span<const std::uint8_t> data, std::uint32_t addr, std::uint16_t port,
                    std::string& error) const {
    sockaddr_in to = SockAddr(addr, port);
    iovec iov{const_cast<std::uint8_t*>(data.data()), data.size()};
    msghdr msg{};
    msg.msg_name = &to;
    msg.msg_namelen = sizeof to;
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    // An address-bound socket names the interface on every datagram, so that it leaves (and is seen to
    // arrive) through that interface only, as from a tied socket.
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    if (!m_tied) {
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        cmsghdr* c = CMSG_FIRSTHDR(&msg);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_ifindex = static_cast<int>(m_ifindex);
        info.ipi_spec_dst.s_addr = htonl(m_address);
        std::memcpy(CMSG_DATA(c), &info, sizeof info);
    }
    if (sendmsg(m_fd, &msg, 0) < 0) {
        error = Errno(("send to " + Ipv4Text(addr) + ":" + std::to_string(port)).c_str());
        return false;
    }
    return true;
}

} // namespace swpsim
