// Sockets, notifiers and the send schedule around the simulated devices.
#include "simserver.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <array>
#include <cstdio>
#include <poll.h>

namespace swpsim {

CSimServer::CSimServer(QObject* parent) : QObject(parent), m_timer(this) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSimServer::TimerFired);
}

CSimServer::~CSimServer() {
    Stop();
}

void CSimServer::Log(const std::string& line) {
    if (m_settings.verbose) std::fprintf(stderr, "swpdevsim: %s\n", line.c_str());
    if (m_logSink) m_logSink(line);
}

std::uint64_t CSimServer::RealNow() const {
    return static_cast<std::uint64_t>(m_clock.elapsed());
}

std::uint64_t CSimServer::ProductNow() const {
    return static_cast<std::uint64_t>(static_cast<double>(m_clock.elapsed()) * m_settings.timeScale);
}

bool CSimServer::Start(const SimProcessSettings& settings, std::vector<SimDevice> devices,
                       std::string& error) {
    Stop();
    m_settings = settings;
    if (!ResolveInterface(settings.interfaceName, settings.bindAddress, m_nif, error)) return false;
    m_core = std::make_unique<CSimCore>(std::move(devices));
    m_announced.assign(m_core->Devices().size(), 0);
    m_core->SetLog([this](const std::string& line) { Log(line); });
    m_core->SetPortProvider([this](int device) -> std::uint16_t {
        const auto it = m_commandPorts.find(device);
        if (it != m_commandPorts.end()) return it->second->port.Port();
        std::string why;
        Listener* l = OpenListener(
            device, m_core->Devices()[static_cast<std::size_t>(device)].behaviour.commandPort, why);
        if (!l) {
            Log("cannot open a command port: " + why);
            return 0;
        }
        m_announced[static_cast<std::size_t>(device)] = l->port.Port();
        return l->port.Port();
    });
    m_clock.start();
    m_running = true;
    Listener* discovery = OpenListener(kDiscoveryListener, settings.port, error);
    if (!discovery) {
        Stop();
        return false;
    }
    m_discoveryPort = discovery->port.Port();
    if (!ChooseBroadcast(discovery->port.TiedToInterface(), error)) {
        Stop();
        return false;
    }
    Log("serving " + std::to_string(m_core->Devices().size()) + " device(s) on " + m_nif.name + " " +
        Ipv4Text(m_nif.address) + " port " + std::to_string(m_discoveryPort) +
        (discovery->port.TiedToInterface() ? " (tied to the interface)" : " (address-bound)") +
        ", broadcast answers to " + (m_broadcast != 0 ? Ipv4Text(m_broadcast) : "the sender"));
    return true;
}

bool CSimServer::ChooseBroadcast(bool tied, std::string& error) {
    m_broadcast = 0;
    if (m_settings.broadcastAddress.empty()) {
        const auto chosen = BroadcastDestination(m_nif, tied);
        if (!chosen) {
            Log(m_nif.name + " " + Ipv4Text(m_nif.address) +
                " has no broadcast address and the sockets cannot be tied to it: broadcast answers go by "
                "unicast to the sender");
            return true;
        }
        m_broadcast = *chosen;
    } else if (!ParseIpv4(m_settings.broadcastAddress, m_broadcast)) {
        error = "bad broadcast address " + m_settings.broadcastAddress;
        return false;
    }
    // A broadcast address outside the interface's subnet would only be safe from a socket tied to it.
    const bool inSubnet = (m_broadcast & m_nif.netmask) == (m_nif.address & m_nif.netmask);
    if (!tied && !inSubnet) {
        error = "broadcast address " + Ipv4Text(m_broadcast) + " is outside " + m_nif.name +
                "'s subnet and the sockets cannot be tied to the interface";
        return false;
    }
    return true;
}

void CSimServer::Stop() {
    m_timer.stop();
    m_pending.clear();
    m_held.clear();
    m_discovery.reset();
    m_commandPorts.clear();
    m_running = false;
    m_discoveryPort = 0;
}

std::uint16_t CSimServer::CommandPort(int device) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return device >= 0 && static_cast<std::size_t>(device) < m_announced.size()
               ? m_announced[static_cast<std::size_t>(device)]
               : 0;
}

CSimServer::Listener* CSimServer::OpenListener(int device, std::uint16_t port, std::string& error) {
    auto l = std::make_unique<Listener>();
    l->device = device;
    if (!l->port.Open(m_nif, port, m_settings.tieToInterface, error)) return nullptr;
    Listener* raw = l.get();
    for (int fd : l->port.Fds()) {
        auto n = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(n.get(), &QSocketNotifier::activated, this, &CSimServer::ReadReady);
        l->notifiers.push_back(std::move(n));
    }
    if (device == kDiscoveryListener)
        m_discovery = std::move(l);
    else
        m_commandPorts[device] = std::move(l);
    return raw;
}

// A device handles what it receives in arrival order, whatever port it came to: a logout to the command
// port and a login right after it to the discovery port must not swap. So every wake-up reads all sockets
// and handles the datagrams by kernel receive time. A socket cut short by the read bound may still hold
// datagrams older than some already read from other sockets; those later ones wait for the next round.
void CSimServer::ReadReady() {
    if (!m_running) return;
    struct Source {
        const Listener* listener;
        int fd;
    };
    std::vector<Source> sources;
    std::vector<pollfd> polls;
    const auto add = [&](const Listener* l) {
        for (int fd : l->port.Fds()) {
            sources.push_back({l, fd});
            polls.push_back({fd, POLLIN, 0});
        }
    };
    if (m_discovery) add(m_discovery.get());
    for (const auto& [device, l] : m_commandPorts)
        add(l.get());
    if (poll(polls.data(), polls.size(), 0) < 0) return; // the notifiers call again
    const auto readable = static_cast<int>(
        std::count_if(polls.begin(), polls.end(), [](const pollfd& p) { return p.revents != 0; }));
    const int perSocket = std::max(1, kReadsPerWakeup / std::max(1, readable));

    static thread_local std::array<std::uint8_t, 65536> buffer;
    std::uint64_t horizon = UINT64_MAX; // what came later than this may follow a datagram still queued
    bool cut = false;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (polls[i].revents == 0) continue;
        int reads = 0;
        std::uint64_t last = 0;
        for (; reads < perSocket; ++reads) {
            ReceivedFrom from;
            const long n = sources[i].listener->port.Receive(sources[i].fd, buffer, from);
            if (n < 0) break;
            last = from.stampNs;
            if (n == 0) continue;
            m_held.push_back({from.stampNs,
                              sources[i].listener->device,
                              {from.addr, from.port},
                              Bytes(buffer.begin(), buffer.begin() + n)});
        }
        if (reads == perSocket) {
            cut = true;
            horizon = std::min(horizon, last);
        }
    }
    // Under a flood on one socket the others' datagrams would pile up; past a bound order yields to memory.
    if (m_held.size() > 4 * static_cast<std::size_t>(kReadsPerWakeup)) horizon = UINT64_MAX;
    // Stable: datagrams with equal times keep the order they were read in, one socket's its queue order.
    std::stable_sort(m_held.begin(), m_held.end(),
                     [](const Received& a, const Received& b) { return a.stampNs < b.stampNs; });
    const auto due = std::upper_bound(m_held.begin(), m_held.end(), horizon,
                                      [](std::uint64_t h, const Received& r) { return h < r.stampNs; });
    std::vector<Received> now(std::make_move_iterator(m_held.begin()), std::make_move_iterator(due));
    m_held.erase(m_held.begin(), due);
    for (const Received& r : now) {
        if (!m_running) return;
        HandleReceived(r);
    }
    // A socket cut short is read again soon, after other events had their turn, even if its notifier stays
    // quiet because the bound took exactly its last datagram.
    if (cut && m_running && !m_readQueued) {
        m_readQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_readQueued = false;
                ReadReady();
            },
            Qt::QueuedConnection);
    }
}

void CSimServer::HandleReceived(const Received& r) {
    std::vector<Outgoing> outs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        outs = m_core->Handle(r.bytes, r.from, r.listener, ProductNow());
    }
    Dispatch(std::move(outs));
}

void CSimServer::Dispatch(std::vector<Outgoing> outs) {
    for (Outgoing& o : outs) {
        if (o.delayMs == 0 && m_pending.empty()) {
            Send(o);
            continue;
        }
        const auto real = static_cast<std::uint64_t>(static_cast<double>(o.delayMs) / m_settings.timeScale);
        m_pending.emplace(RealNow() + real, std::move(o));
    }
    ArmTimer();
}

void CSimServer::Send(const Outgoing& o) {
    if (!m_running) return;
    const Listener* via = m_discovery.get();
    if (const auto it = m_commandPorts.find(o.via); it != m_commandPorts.end()) via = it->second.get();
    if (!via) return;
    const std::uint32_t addr = o.broadcast && m_broadcast != 0 ? m_broadcast : o.to.addr;
    std::string error;
    if (via->port.Send(o.bytes, addr, o.to.port, error))
        Log("sent " + o.what + " (" + std::to_string(o.bytes.size()) + " bytes) to " + Ipv4Text(addr) + ":" +
            std::to_string(o.to.port));
    else
        Log("could not send " + o.what + ": " + error);
}

void CSimServer::ArmTimer() {
    if (!m_running) return;
    std::uint64_t due = UINT64_MAX;
    if (!m_pending.empty()) due = m_pending.begin()->first;
    std::optional<std::uint64_t> deadline;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        deadline = m_core->NextDeadline();
    }
    if (deadline) {
        const std::uint64_t product = ProductNow();
        const std::uint64_t left = *deadline > product ? *deadline - product : 0;
        due = std::min(due, RealNow() +
                                static_cast<std::uint64_t>(static_cast<double>(left) / m_settings.timeScale) +
                                1);
    }
    if (due == UINT64_MAX) {
        m_timer.stop();
        return;
    }
    const std::uint64_t now = RealNow();
    m_timer.start(static_cast<int>(std::min<std::uint64_t>(due > now ? due - now : 0, 24u * 3600 * 1000)));
}

void CSimServer::TimerFired() {
    const std::uint64_t now = RealNow();
    while (!m_pending.empty() && m_pending.begin()->first <= now) {
        const Outgoing o = std::move(m_pending.begin()->second);
        m_pending.erase(m_pending.begin());
        Send(o);
    }
    std::vector<Outgoing> expired;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        expired = m_core->Expire(ProductNow());
    }
    for (const Outgoing& o : expired)
        Send(o);
    ArmTimer();
}

CSimThread::CSimThread() = default;

CSimThread::~CSimThread() {
    Stop();
}

bool CSimThread::Start(const SimProcessSettings& settings, std::vector<SimDevice> devices,
                       std::string& error) {
    Stop();
    m_thread = new QThread;
    m_thread->setObjectName("swpdevsim");
    m_server = new CSimServer;
    m_server->moveToThread(m_thread);
    m_thread->start();
    bool ok = false;
    QMetaObject::invokeMethod(
        m_server, [&] { ok = m_server->Start(settings, std::move(devices), error); },
        Qt::BlockingQueuedConnection);
    if (!ok) Stop();
    return ok;
}

void CSimThread::Stop() {
    if (!m_thread) return;
    // Sockets, notifiers and the timer belong to the server's thread and are closed there.
    QMetaObject::invokeMethod(
        m_server, [this] { m_server->Stop(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_server;
    delete m_thread;
    m_server = nullptr;
    m_thread = nullptr;
}

} // namespace swpsim
