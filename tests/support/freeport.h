// A loopback UDP port for one test: free a moment ago, never handed out twice in a process.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <set>

inline std::uint16_t FreeUdpPort() {
    static std::set<std::uint16_t> handedOut;
    for (;;) {
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
        ::close(fd);
        const std::uint16_t port = ntohs(a.sin_port);
        if (handedOut.insert(port).second) return port;
    }
}
