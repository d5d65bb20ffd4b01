#include "platform/timer.h"

#include "platform/tickclock.h"

TTimer::TTimer(QObject* owner, std::uint32_t interval, bool enabled)
    : QObject(owner), m_interval(interval), m_enabled(enabled) {
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (OnTimer) OnTimer(this);
    });
    Update();
}

void TTimer::SetInterval(std::uint32_t ms) {
    m_interval = ms;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    m_enabled = enabled;
    Update();
}

void TTimer::Update() {
    m_timer.stop();
    // A zero interval never fires, as with the original timer.
    if (m_enabled && m_interval > 0) m_timer.start(TickClock::RealInterval(m_interval));
}
