// CSimServer runs simulated devices on real UDP sockets of one interface; CSimThread runs one on its own
// thread.
#pragma once

#include "simcore.h"
#include "simnet.h"
#include "simsettings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QThread;

namespace swpsim {

class CSimServer : public QObject {
    Q_OBJECT
public:
    explicit CSimServer(QObject* parent = nullptr);
    ~CSimServer() override;

    // Datagrams read from all sockets together on one wake-up; what is left waits for the next one.
    static constexpr int kReadsPerWakeup = 256;

    // Opens the discovery port and starts serving on the calling thread's event loop.
    bool Start(const SimProcessSettings& settings, std::vector<SimDevice> devices, std::string& error);
    // Closes every socket and drops every answer and event still waiting to leave.
    void Stop();
    bool Running() const { return m_running; }

    // Called on the server's thread for every line the devices log (and on stderr when verbose), with the
    // state lock held: the sink must not call WithDevices.
    void SetLog(std::function<void(const std::string&)> sink) { m_logSink = std::move(sink); }

    std::uint16_t DiscoveryPort() const { return m_discoveryPort; }
    const NetInterface& Interface() const { return m_nif; }
    // Where broadcast answers go; 0 when the interface offers no safe broadcast (they go by unicast).
    std::uint32_t BroadcastAddress() const { return m_broadcast; }
    // The command port a device announced at its last login; 0 before any.
    std::uint16_t CommandPort(int device) const;

    // Runs `fn` on the devices with the state lock held; safe from any thread.
    template <class F> auto WithDevices(F&& fn) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return fn(m_core->Devices());
    }

private:
    struct Listener {
        int device = kDiscoveryListener;
        CUdpPort port;
        std::vector<std::unique_ptr<QSocketNotifier>> notifiers;
    };
    // A datagram read but not yet handled.
    struct Received {
        std::uint64_t stampNs = 0;
        int listener = kDiscoveryListener;
        Endpoint from;
        Bytes bytes;
    };
    Listener* OpenListener(int device, std::uint16_t port, std::string& error);
    bool ChooseBroadcast(bool tied, std::string& error);
    void ReadReady();
    void HandleReceived(const Received& r);
    void Dispatch(std::vector<Outgoing> outs);
    void Send(const Outgoing& out);
    void ArmTimer();
    void TimerFired();
    std::uint64_t ProductNow() const;
    std::uint64_t RealNow() const;
    void Log(const std::string& line);

    SimProcessSettings m_settings;
    NetInterface m_nif;
    std::uint32_t m_broadcast = 0;
    std::uint16_t m_discoveryPort = 0;
    bool m_running = false;
    std::unique_ptr<CSimCore> m_core;
    mutable std::mutex m_mutex;
    std::unique_ptr<Listener> m_discovery;
    std::map<int, std::unique_ptr<Listener>> m_commandPorts;
    std::vector<std::uint16_t> m_announced;           // under m_mutex
    std::multimap<std::uint64_t, Outgoing> m_pending; // by real due time, in order of scheduling
    std::vector<Received> m_held;                     // read, waiting for earlier ones still queued
    bool m_readQueued = false;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::function<void(const std::string&)> m_logSink;
};

// A simulator on a thread of its own, for tests that drive a client on their own thread.
class CSimThread {
public:
    CSimThread();
    ~CSimThread();
    bool Start(const SimProcessSettings& settings, std::vector<SimDevice> devices, std::string& error);
    void Stop();
    CSimServer& Server() { return *m_server; }

private:
    QThread* m_thread = nullptr;
    CSimServer* m_server = nullptr;
};

} // namespace swpsim
