// Runs swpctl and swpdevsim as real processes on loopback for the swpctl tests.
#pragma once

#include "support/freeport.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <set>

// The simulator on 127.0.0.1 with a port of its own choosing, stopped when this goes away.
class CSimProcess {
public:
    bool Start(QStringList args) {
        args << "--bind"
             << "127.0.0.1"
             << "--port"
             << "0"
             << "--time-scale"
             << "20";
        m_process.start(SWPDEVSIM_PATH, args);
        if (!m_process.waitForStarted(10000)) return false;
        while (m_process.waitForReadyRead(20000)) {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().trimmed();
                if (!line.startsWith("READY ")) continue;
                const int at = line.indexOf("port=") + 5;
                m_port = static_cast<std::uint16_t>(line.mid(at, line.indexOf(' ', at) - at).toUInt());
                return m_port != 0;
            }
        }
        return false;
    }
    ~CSimProcess() {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) m_process.kill();
        m_process.waitForFinished(5000);
    }
    std::uint16_t Port() const { return m_port; }
    QString Errors() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    std::uint16_t m_port = 0;
};

struct TRun {
    int Code = -1;
    QString Out;
    QString Err;
    QJsonObject Json() const { return QJsonDocument::fromJson(Out.toUtf8()).object(); }
};

inline TRun RunProgram(const QStringList& args) {
    QProcess p;
    p.start(SWPCTL_PATH, args);
    TRun run;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(5000);
        run.Err = "swpctl did not finish";
        return run;
    }
    run.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.Out = QString::fromUtf8(p.readAllStandardOutput());
    run.Err = QString::fromUtf8(p.readAllStandardError());
    return run;
}
