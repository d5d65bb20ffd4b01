// Starts the lock-holder helper process and keeps it alive for the life of the object.
#pragma once

#include <QProcess>
#include <string>

class LockHolder {
public:
    // kind: "mutex" (name) or "file" (path). State() is "held", "exists" or "failed".
    LockHolder(const char* kind, const std::string& what) {
        m_proc.start(QStringLiteral(LOCKHOLDER), {QString::fromLatin1(kind), QString::fromStdString(what)});
        m_proc.waitForStarted(10000);
        m_proc.waitForReadyRead(10000);
        m_state = m_proc.readLine().trimmed().toStdString();
    }
    ~LockHolder() {
        m_proc.closeWriteChannel();
        if (!m_proc.waitForFinished(10000)) m_proc.kill();
    }
    const std::string& State() const { return m_state; }

private:
    QProcess m_proc;
    std::string m_state;
};
