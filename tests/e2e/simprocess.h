// Starts the device simulator as a child process on the test's interface (loopback, or an interface inside a
// test network namespace named by the environment) and stops it again.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <string>

// The environment of an end-to-end run: loopback unless the namespace script says otherwise.
struct TE2EEnvironment {
    static std::string Get(const char* name, const char* def) {
        const char* v = std::getenv(name);
        return v && *v ? v : def;
    }
    static std::string ClientInterface() { return Get("SWP_E2E_CLIENT_IFACE", "lo"); }
    static std::string SimInterface() { return Get("SWP_E2E_SIM_IFACE", "lo"); }
    static std::string SimNamespace() { return Get("SWP_E2E_SIM_NETNS", ""); }
};

class CSimProcess {
public:
    CSimProcess() = default;
    ~CSimProcess() { Stop(); }
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    // Starts the simulator with `args` (keys as "--key=value") and waits for its READY line.
    bool Start(const QStringList& args) {
        QStringList all = {"--interface=" + QString::fromStdString(TE2EEnvironment::SimInterface()),
                           "--port=0"};
        all += args;
        const std::string netns = TE2EEnvironment::SimNamespace();
        if (netns.empty()) {
            m_process.start(SWPDEVSIM_PATH, all);
        } else {
            all.prepend(SWPDEVSIM_PATH);
            all = QStringList{"netns", "exec", QString::fromStdString(netns)} + all;
            m_process.start("ip", all);
        }
        if (!m_process.waitForStarted(5000)) return false;
        while (m_process.waitForReadyRead(10000)) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                if (!line.startsWith("READY ")) continue;
                for (const QString& field : line.split(' ')) {
                    if (field.startsWith("port=")) Port = static_cast<std::uint16_t>(field.mid(5).toUInt());
                    if (field.startsWith("address=")) Address = field.mid(8).toStdString();
                }
                return Port != 0;
            }
        }
        return false;
    }

    void Stop() {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    std::string Errors() { return m_process.readAllStandardError().toStdString(); }

    std::uint16_t Port = 0;
    std::string Address;

private:
    QProcess m_process;
};
