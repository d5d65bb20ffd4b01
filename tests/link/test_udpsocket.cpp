// CUDPSocket on loopback: binding rules, both kinds of answer, readiness to the owner, large bursts.
#include "link/logcapture.h"
#include "link/messages_udp.h"
#include "link/netutil.h"
#include "link/udpsocket.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// An owner that reads each announced datagram, as the engine does.
struct COwner : CMessageRecorder {
    COwner() {
        OnMessage = [this](TMessage& m) {
            if (m.Msg != UM_UDP_READ) return;
            auto* socket = reinterpret_cast<CUDPSocket*>(m.LParam);
            std::vector<std::uint8_t> buffer(65536);
            std::uint16_t port = 0;
            std::string address;
            const int n = socket->Recv(buffer.data(), static_cast<int>(buffer.size()), port, address);
            if (n > 0) Received.emplace_back(buffer.begin(), buffer.begin() + n);
            From.push_back(address);
        };
    }
    std::vector<std::vector<std::uint8_t>> Received;
    std::vector<std::string> From;
};

std::unique_ptr<CUDPSocket> LoopbackSocket(std::uint16_t port, const char* ip = "127.0.0.1",
                                           const char* iface = "lo") {
    auto s = std::make_unique<CUDPSocket>();
    s->AdapterAddr = {0x02, 0, 0, 0, 0, 0x0A};
    s->LocalIP = ip;
    s->NetMask = "255.0.0.0";
    s->LocalPort = port;
    s->Interface = iface;
    s->Broadcast = "127.255.255.255";
    return s;
}

TEST(UDPSocket, BindRulesAndReadBack) {
    struct Case {
        const char* Name;
        const char* IP;
        const char* Interface;
        bool PortZero;
        const char* ReadBack;
    };
    const Case cases[] = {
        {"empty local IP binds any", "", "", false, "0.0.0.0"},
        {"adapter address binds only it", "127.0.0.1", "", false, "127.0.0.1"},
        {"port 0 takes a system port", "127.0.0.1", "", true, "127.0.0.1"},
        {"tied to its interface keeps the adapter address", "127.0.0.1", "lo", false, "127.0.0.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::uint16_t port = c.PortZero ? 0 : FreeUdpPort();
        auto s = LoopbackSocket(port, c.IP, c.Interface);
        COwner owner;
        ASSERT_TRUE(s->Open(&owner, UM_UDP_READ));
        EXPECT_EQ(s->LocalIP, c.ReadBack);
        if (c.PortZero)
            EXPECT_NE(s->LocalPort, 0);
        else
            EXPECT_EQ(s->LocalPort, port);
        EXPECT_GT(s->ReceiveBuffer(), 0);
    }
    // A local IP that is not an address fails to open.
    auto bad = LoopbackSocket(FreeUdpPort(), "no.such.address", "");
    COwner owner;
    EXPECT_FALSE(bad->Open(&owner, UM_UDP_READ));
    EXPECT_FALSE(bad->IsOpen());
}

TEST(UDPSocket, TiedSocketHearsUnicastAndBroadcastAnswers) {
    const std::uint16_t port = FreeUdpPort();
    auto s = LoopbackSocket(port);
    COwner owner;
    CLogCapture log;
    ASSERT_TRUE(s->Open(&owner, UM_UDP_READ));
    if (!s->BoundToDevice()) GTEST_SKIP() << "the system refuses to tie sockets to an interface here";
    EXPECT_TRUE(log.Has("WSAAsyncSelect() OK"));

    CPeerSocket device;
    ASSERT_TRUE(device.SendTo({1, 2, 3}, port, "127.0.0.1"));
    ASSERT_TRUE(device.SendTo({4, 5}, port, "127.255.255.255"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner.Received.size() == 2; }, 3000));
    EXPECT_EQ(owner.Received[0], (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(owner.Received[1], (std::vector<std::uint8_t>{4, 5}));
    EXPECT_EQ(owner.From[0], "127.0.0.1");
    // Each readiness reached the owner as UM_UDP_READ, wParam 1, lParam the socket.
    for (const TMessage& m : owner.Messages) {
        EXPECT_EQ(m.Msg, UM_UDP_READ);
        EXPECT_EQ(m.WParam, 1u);
        EXPECT_EQ(m.LParam, reinterpret_cast<LPARAM>(s.get()));
    }
    EXPECT_TRUE(log.Has("CUDPSocket::OnUMSocket(02:00:00:00:00:0A) " +
                        QString::number(s->Handle(), 16).toStdString() + " 1"));
    EXPECT_TRUE(log.Has("CUDPSocket::WndProc()" + std::string(69, 'a') + " 32769, 32769, " +
                        std::to_string(s->Handle()) + ", 1"));

    // Requests leave for the adapter's broadcast destination and reach a device listening there.
    CPeerSocket listener(FreeUdpPort(), "0.0.0.0");
    EXPECT_TRUE(s->Send("\x01\x02", 2, listener.Port, s->Broadcast));
    EXPECT_EQ(listener.Receive(), (std::vector<std::uint8_t>{1, 2}));
}

TEST(UDPSocket, TwoSocketsOnOnePortBothHearABroadcast) {
    const std::uint16_t port = FreeUdpPort();
    auto a = LoopbackSocket(port), b = LoopbackSocket(port);
    COwner owner;
    ASSERT_TRUE(a->Open(&owner, UM_UDP_READ));
    ASSERT_TRUE(b->Open(&owner, UM_UDP_READ)) << "the client port must stay shareable";
    if (!a->BoundToDevice()) GTEST_SKIP() << "the system refuses to tie sockets to an interface here";
    CPeerSocket device;
    ASSERT_TRUE(device.SendTo({9}, port, "127.255.255.255"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner.Received.size() == 2; }, 3000));
}

TEST(UDPSocket, RefusedInterfaceFallsBackToTheAdapterAddress) {
    CLogCapture log;
    auto s = LoopbackSocket(FreeUdpPort(), "127.0.0.1", "nosuchif0");
    COwner owner;
    ASSERT_TRUE(s->Open(&owner, UM_UDP_READ));
    EXPECT_FALSE(s->BoundToDevice());
    EXPECT_EQ(s->LocalIP, "127.0.0.1");
    ASSERT_FALSE(log.Lines.empty());
    EXPECT_EQ(log.Lines[0].rfind("CUDPSocket::Open() SO_BINDTODEVICE nosuchif0 refused", 0), 0u)
        << log.Lines[0];
    EXPECT_NE(log.Lines[0].find("bound to 127.0.0.1: answers sent by broadcast will be missed"),
              std::string::npos);
}

TEST(UDPSocket, ClosedAndForeignCases) {
    CUDPSocket never;
    EXPECT_FALSE(never.Send("x", 1, 9, "127.0.0.1"));
    std::uint8_t buffer[4];
    std::uint16_t port = 0;
    std::string address;
    EXPECT_EQ(never.Recv(buffer, 4, port, address), 0);

    auto s = LoopbackSocket(FreeUdpPort());
    COwner owner;
    ASSERT_TRUE(s->Open(&owner, UM_UDP_READ));
    EXPECT_FALSE(s->Send("x", 1, 9, "")); // no address text: nothing is sent
    EXPECT_FALSE(s->Send("x", 1, 9, "host.example"));

    CLogCapture log;
    s->OnUMSocket(static_cast<std::uintptr_t>(s->Handle() + 1000), 1);
    EXPECT_TRUE(log.Has("  socket doesn't match"));
    s->OnUMSocket(static_cast<std::uintptr_t>(s->Handle()), 0x20); // close event: nothing for the owner
    EXPECT_TRUE(owner.Messages.empty());

    s->Close();
    s->Close(); // closing a closed socket does nothing
    EXPECT_FALSE(s->IsOpen());
    EXPECT_FALSE(s->Send("x", 1, 9, "127.0.0.1"));
}

TEST(UDPSocket, ThousandDatagramsArrivingTogetherAreAllRead) {
    const std::uint16_t port = FreeUdpPort();
    auto s = LoopbackSocket(port, "127.0.0.1", "");
    COwner owner;
    ASSERT_TRUE(s->Open(&owner, UM_UDP_READ));
    if (s->ReceiveBuffer() < 1000 * 2048)
        GTEST_SKIP() << "receive buffer limited to " << s->ReceiveBuffer() << " bytes (net.core.rmem_max)";
    CPeerSocket device;
    std::vector<std::uint8_t> answer(30, 0x55);
    for (int n = 0; n < 1000; ++n) {
        answer[0] = static_cast<std::uint8_t>(n);
        ASSERT_TRUE(device.SendTo(answer, port));
    }
    // All were queued before the first was read.
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner.Received.size() == 1000; }, 10000))
        << owner.Received.size() << " of 1000";
}

} // namespace
