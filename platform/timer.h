// TTimer: Interval, Enabled, Tag and OnTimer over a QTimer; setting Interval restarts a running timer.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* owner = nullptr, std::uint32_t interval = 1000, bool enabled = true);

    std::uint32_t Interval() const { return m_interval; }
    void SetInterval(std::uint32_t ms);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    std::intptr_t Tag = 0;
    std::function<void(TTimer*)> OnTimer;

private:
    void Update();
    QTimer m_timer;
    std::uint32_t m_interval;
    bool m_enabled;
};
