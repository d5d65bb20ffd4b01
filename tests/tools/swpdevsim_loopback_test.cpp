// The simulator over real UDP on loopback only: the program as a separate process, and in-process servers.
#include "swpdevsim_client.h"
#include "swpdevsim_vectors.h"

#include "simserver.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace swpsim;
using simtest::ItemByte;
using simtest::LoopbackSocket;
using simtest::ReadAnswer;
using simtest::Request;

namespace {

// Starts the program on 127.0.0.1 with any free port and reads its READY line.
class SimProcess {
public:
    bool Start(QStringList args) {
        args << "--bind"
             << "127.0.0.1"
             << "--port"
             << "0";
        m_process.start(SWPDEVSIM_PATH, args);
        if (!m_process.waitForStarted(10000)) return false;
        while (m_process.waitForReadyRead(20000)) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("READY ")) {
                m_ready = QString::fromLatin1(line);
                const int at = line.indexOf("port=") + 5;
                m_port = static_cast<std::uint16_t>(line.mid(at, line.indexOf(' ', at) - at).toUInt());
                return m_port != 0;
            }
        }
        return false;
    }
    ~SimProcess() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(10000)) m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    std::uint16_t Port() const { return m_port; }
    QString Ready() const { return m_ready; }
    int Stop() {
        m_process.terminate();
        m_process.waitForFinished(10000);
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

private:
    QProcess m_process;
    std::uint16_t m_port = 0;
    QString m_ready;
};

Bytes LoginPayloadFor(const Mac& mac) {
    return PayloadWriter().Raw(tlv::DeviceMac, mac).Text(tlv::OtherAuth, kAuthPhrase).Take();
}

// The command port a successful login answer names; 0 otherwise.
std::uint16_t CommandPortOf(const std::optional<Bytes>& loginAnswer) {
    if (!loginAnswer) return 0;
    const auto a = ReadAnswer(*loginAnswer);
    if (!a || ItemByte(a->payload, tlv::OtherResult) != 1) return 0;
    const ItemWalk items = ReadItems(a->payload);
    const Item* port = FindItem(items, tlv::OtherPort);
    return port && port->value.size() == 2
               ? static_cast<std::uint16_t>((port->value[0] << 8) | port->value[1])
               : 0;
}

} // namespace

TEST(SimLoopback, ProgramAnswersDiscoveryByUnicast) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--name", "Loop Device", "--devices", "2"}));
    EXPECT_TRUE(sim.Ready().contains("interface=lo")) << sim.Ready().toStdString();
    LoopbackSocket client;
    ASSERT_TRUE(client.Open("127.0.0.1"));
    ASSERT_TRUE(client.SendTo(Request(op::Discover, {}), "127.0.0.1", sim.Port()));
    std::set<std::string> names;
    for (int i = 0; i < 2; ++i) {
        const auto datagram = client.Receive();
        ASSERT_TRUE(datagram) << "answer " << i;
        const auto a = ReadAnswer(*datagram);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->header.opCode, op::Discover);
        names.insert(ValueText(ReadItems(a->payload).items.at(0)));
    }
    EXPECT_EQ(names, (std::set<std::string>{"Loop Device-0001", "Loop Device-0002"}));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(SimLoopback, ProgramAnswersByBroadcastToTheLoopbackSubnet) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--answer", "broadcast", "--name", "Caster"}));
    // Requests leave from 127.0.0.1:P; a socket on 127.255.255.255:P hears the broadcast answers.
    LoopbackSocket sender, listener;
    ASSERT_TRUE(sender.Open("127.0.0.1"));
    ASSERT_TRUE(listener.Open("127.255.255.255", sender.Port()));
    ASSERT_TRUE(sender.SendTo(Request(op::Discover, {}), "127.0.0.1", sim.Port()));
    const auto datagram = listener.Receive();
    ASSERT_TRUE(datagram);
    EXPECT_EQ(ValueText(ReadItems(ReadAnswer(*datagram)->payload).items.at(0)), "Caster");
    EXPECT_FALSE(sender.Receive(200)) << "nothing by unicast";
}

TEST(SimLoopback, ProgramRefusesBadFlagsWithExitCode2) {
    QProcess p;
    p.start(SWPDEVSIM_PATH, {"--answer", "sideways"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("answer"));
    p.start(SWPDEVSIM_PATH, {"--help"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    const QByteArray help = p.readAllStandardOutput();
    for (const char* word : {"--scenario", "fault.REQ", "wps-status", "[device]", "broadcast"})
        EXPECT_TRUE(help.contains(word)) << word;
}

// A session over the command port with the server on its own thread.
TEST(SimLoopback, ThreadedServerLoginSetAndReadBack) {
    SimProcessSettings settings;
    settings.port = 0;
    SimDevice dev;
    CSimThread sim;
    std::string error;
    ASSERT_TRUE(sim.Start(settings, {dev}, error)) << error;
    const std::uint16_t port = sim.Server().DiscoveryPort();
    LoopbackSocket client;
    ASSERT_TRUE(client.Open("127.0.0.1"));

    ASSERT_TRUE(client.SendTo(Request(op::Login, LoginPayloadFor(dev.mac)), "127.0.0.1", port));
    const std::uint16_t commandPort = CommandPortOf(client.Receive());
    ASSERT_NE(commandPort, 0);
    EXPECT_EQ(commandPort, sim.Server().CommandPort(0));
    EXPECT_NE(commandPort, port);

    ASSERT_TRUE(client.SendTo(Request(op::SetConfig, simvec::kIpFixed), "127.0.0.1", commandPort));
    const auto set = client.Receive();
    ASSERT_TRUE(set);
    EXPECT_EQ(ItemByte(ReadAnswer(*set)->payload, tlv::OtherResult), 1);
    EXPECT_EQ(sim.Server().WithDevices([](std::vector<SimDevice>& d) { return d[0].ip; }), 0xC0A80A64u);

    ASSERT_TRUE(client.SendTo(Request(op::GetConfig, simvec::kGetConfig), "127.0.0.1", commandPort));
    const auto config = client.Receive();
    ASSERT_TRUE(config);
    EXPECT_EQ(ItemByte(ReadAnswer(*config)->payload, tlv::IpMode), 0);
    sim.Stop();
}

// A client ends a session with a logout to the command port and at once logs in again on the discovery
// port. Queued on both sockets before the server reads either (it runs on this thread), they are handled in
// the order they arrived: logout then login leaves a session, login then logout none. Junk queued first on
// the discovery port makes one wake-up read only part of that socket, so a later datagram already read from
// the command port has to wait for the ones still queued before it.
TEST(SimLoopback, DatagramsOnBothPortsAreHandledInArrivalOrder) {
    struct Case {
        const char* name;
        int junk;
        bool logoutFirst;
    };
    const int flood = CSimServer::kReadsPerWakeup;
    for (const Case& c :
         {Case{"logout, login", 0, true}, Case{"login, logout", 0, false},
          Case{"junk, logout, login", flood, true}, Case{"junk, login, logout", flood, false}}) {
        SCOPED_TRACE(c.name);
        SimProcessSettings settings;
        settings.port = 0;
        SimDevice dev;
        CSimServer sim;
        std::string error;
        ASSERT_TRUE(sim.Start(settings, {dev}, error)) << error;
        const std::uint16_t discovery = sim.DiscoveryPort();
        LoopbackSocket client;
        ASSERT_TRUE(client.Open("127.0.0.1"));
        ASSERT_TRUE(client.SendTo(Request(op::Login, LoginPayloadFor(dev.mac)), "127.0.0.1", discovery));
        const std::uint16_t commandPort = CommandPortOf(client.Receive());
        ASSERT_NE(commandPort, 0);

        // Nothing is read until Receive runs the event loop.
        for (int i = 0; i < c.junk; ++i)
            ASSERT_TRUE(client.SendTo(Bytes{0x4A, 0x55, 0x4E, 0x4B}, "127.0.0.1", discovery));
        const auto logout = [&] { return client.SendTo(Request(op::Logout, {}), "127.0.0.1", commandPort); };
        const auto login = [&] {
            return client.SendTo(Request(op::Login, LoginPayloadFor(dev.mac)), "127.0.0.1", discovery);
        };
        ASSERT_TRUE(c.logoutFirst ? logout() && login() : login() && logout());

        std::vector<std::uint8_t> answered;
        for (int i = 0; i < 2; ++i) {
            const auto d = client.Receive();
            ASSERT_TRUE(d) << "answer " << i;
            const auto a = ReadAnswer(*d);
            ASSERT_TRUE(a);
            EXPECT_EQ(ItemByte(a->payload, tlv::OtherResult), 1);
            answered.push_back(a->header.opCode);
        }
        EXPECT_EQ(answered, c.logoutFirst ? (std::vector<std::uint8_t>{op::Logout, op::Login})
                                          : (std::vector<std::uint8_t>{op::Login, op::Logout}));
        EXPECT_EQ(sim.WithDevices([](std::vector<SimDevice>& d) { return d[0].loggedIn; }), c.logoutFirst);

        // A command is served only within a session.
        ASSERT_TRUE(client.SendTo(Request(op::GetConfig, simvec::kGetConfig), "127.0.0.1", commandPort));
        const auto config = client.Receive(c.logoutFirst ? 5000 : 300);
        EXPECT_EQ(config.has_value(), c.logoutFirst);
        if (config) {
            EXPECT_EQ(ReadAnswer(*config)->header.opCode, op::GetConfig);
        }
    }
}

// Delays and WPS events run on the server's timer, scaled by the time scale; the server runs on this thread.
TEST(SimLoopback, InProcessServerSendsDelayedAnswersAndWpsEvents) {
    SimProcessSettings settings;
    settings.port = 0;
    settings.timeScale = 100; // 1000 product ms pass in 10 ms
    SimDevice dev;
    dev.behaviour.wpsSequence = {{{3}, false}, {{34}, false}};
    dev.behaviour.wpsIntervalMs = 1000;
    dev.behaviour.requireLogin = false;
    dev.behaviour.strictPorts = false;
    std::string error;
    ASSERT_TRUE(ParseFault("delay:2000", dev.behaviour.faults[static_cast<std::size_t>(Req::WpsPbc)], error));
    CSimServer sim;
    ASSERT_TRUE(sim.Start(settings, {dev}, error)) << error;
    LoopbackSocket client;
    ASSERT_TRUE(client.Open("127.0.0.1"));
    ASSERT_TRUE(client.SendTo(Request(op::SetConfig, simvec::kWpsPbc), "127.0.0.1", sim.DiscoveryPort()));
    std::vector<std::uint8_t> ops;
    std::vector<std::int64_t> statuses;
    for (int i = 0; i < 3; ++i) {
        const auto d = client.Receive();
        ASSERT_TRUE(d) << i;
        const auto a = ReadAnswer(*d);
        ops.push_back(a->header.opCode);
        if (a->header.opCode == op::Event)
            statuses.push_back(ReadBe32(ReadItems(a->payload).items.at(0).value));
    }
    EXPECT_EQ(ops, (std::vector<std::uint8_t>{op::SetConfig, op::Event, op::Event}));
    EXPECT_EQ(statuses, (std::vector<std::int64_t>{3, 34}));
    sim.Stop();
}

// A client that broadcasts to 255.255.255.255 from a socket tied to loopback reaches the simulator, both with
// its sockets tied to loopback and with the address-bound pair used where tying is refused.
TEST(SimLoopback, LimitedBroadcastOnLoopbackIsHeard) {
    for (const bool tie : {true, false}) {
        LoopbackSocket client;
        if (!client.Open("0.0.0.0", 0, "lo"))
            GTEST_SKIP() << "this system does not let a test socket be tied to loopback; "
                            "no broadcast is sent from an untied socket";
        SimProcessSettings settings;
        settings.port = 0;
        settings.tieToInterface = tie;
        CSimThread sim;
        std::string error;
        ASSERT_TRUE(sim.Start(settings, {SimDevice{}}, error)) << error;
        ASSERT_TRUE(
            client.SendTo(Request(op::Discover, {}), "255.255.255.255", sim.Server().DiscoveryPort()));
        const auto d = client.Receive();
        ASSERT_TRUE(d) << "tie " << tie;
        EXPECT_EQ(ReadAnswer(*d)->header.opCode, op::Discover);
        EXPECT_FALSE(client.Receive(200)) << "one answer only, tie " << tie;
    }
}

// A thousand devices answer one discovery together; every answer leaves and reaches a client that keeps up.
TEST(SimLoopback, ThousandDevicesAllAnswerOneDiscovery) {
    SimSettings s;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"--devices", "1000", "--port", "0"}, s, error)) << error;
    std::vector<SimDevice> devices;
    ASSERT_TRUE(BuildDevices(s, devices, error)) << error;
    LoopbackSocket client;
    ASSERT_TRUE(client.Open("127.0.0.1"));
    if (!client.SetReceiveBuffer(2 << 20)) GTEST_SKIP() << "a 2 MiB receive buffer is not granted here";
    CSimThread sim;
    ASSERT_TRUE(sim.Start(s.process, std::move(devices), error)) << error;
    ASSERT_TRUE(client.SendTo(Request(op::Discover, {}), "127.0.0.1", sim.Server().DiscoveryPort()));
    std::set<Mac> seen;
    while (seen.size() < 1000) {
        const auto d = client.Receive(3000);
        if (!d) break;
        const auto a = ReadAnswer(*d);
        ASSERT_TRUE(a);
        seen.insert(a->header.mac);
    }
    EXPECT_EQ(seen.size(), 1000u);
}
