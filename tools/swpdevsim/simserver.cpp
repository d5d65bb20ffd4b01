// Sockets, notifiers and the send schedule around the simulated devices.
#include "simserver.h"

#include <QCoreApplication>
#include <QThread>

#include <array>
#include <cstdio>

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
    m_broadcast = m_nif.broadcast;
    if (!settings.broadcastAddress.empty()) ParseIpv4(settings.broadcastAddress, m_broadcast);
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
    // A broadcast address outside the interface's subnet would only be safe from a socket tied to it.
    const bool inSubnet = (m_broadcast & m_nif.netmask) == (m_nif.address & m_nif.netmask);
    if (!discovery->port.TiedToInterface() && !inSubnet) {
        error = "broadcast address " + Ipv4Text(m_broadcast) + " is outside " + m_nif.name +
                "'s subnet and the sockets cannot be tied to the interface";
        Stop();
        return false;
    }
    Log("serving " + std::to_string(m_core->Devices().size()) + " device(s) on " + m_nif.name + " " +
        Ipv4Text(m_nif.address) + " port " + std::to_string(m_discoveryPort) +
        (discovery->port.TiedToInterface() ? " (tied to the interface)" : " (address-bound)"));
    return true;
}

void CSimServer::Stop() {
    m_timer.stop();
    m_pending.clear();
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
        connect(n.get(), &QSocketNotifier::activated, this, [this, raw, fd] { ReadReady(raw, fd); });
        l->notifiers.push_back(std::move(n));
    }
    if (device == kDiscoveryListener)
        m_discovery = std::move(l);
    else
        m_commandPorts[device] = std::move(l);
    return raw;
}

void CSimServer::ReadReady(Listener* listener, int fd) {
    static thread_local std::array<std::uint8_t, 65536> buffer;
    // A bounded batch per wake-up keeps timers and other sockets served under a flood.
    for (int i = 0; i < 256 && m_running; ++i) {
        std::uint32_t addr = 0;
        std::uint16_t port = 0;
        const long n = listener->port.Receive(fd, buffer, addr, port);
        if (n < 0) break;
        if (n == 0) continue;
        std::vector<Outgoing> outs;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            outs = m_core->Handle(std::span(buffer.data(), static_cast<std::size_t>(n)), {addr, port},
                                  listener->device, ProductNow());
        }
        Dispatch(std::move(outs));
    }
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
    const std::uint32_t addr = o.broadcast ? m_broadcast : o.to.addr;
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
