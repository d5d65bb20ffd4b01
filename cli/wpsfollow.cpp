#include "cli/wpsfollow.h"

#include "app/debug.h"
#include "app/records.h"
#include "cli/wpsstatus.h"
#include "link/messages_udp.h"
#include "link/requestpattern.h"
#include "platform/tickclock.h"
#include "platform/timer.h"

CWpsFollower::CWpsFollower(int deviceMode, std::function<void(int status)> onStatus)
    : m_deviceMode(deviceMode), m_onStatus(std::move(onStatus)),
      m_limit(std::make_unique<TTimer>(nullptr, WPS_TIME_LIMIT, false)) {
    m_limit->OnTimer = [this](TTimer*) {
        LogText("CWpsFollower: time limit");
        Fail("no ending WPS status within " + std::to_string(WPS_TIME_LIMIT / 1000) + " s");
    };
}

CWpsFollower::~CWpsFollower() = default;

void CWpsFollower::Accepted() {
    m_running = true;
    m_limit->SetEnabled(true);
}

void CWpsFollower::Event(TMessage& msg) {
    if (!m_running) {
        Log("CWpsFollower: ignore UM_UDP_EVENT %d, %d", static_cast<int>(msg.WParam),
            static_cast<int>(msg.LParam));
        return;
    }
    if (msg.WParam != static_cast<WPARAM>(UDP_EVENT_WPS_STATUS)) {
        Log("CWpsFollower: UM_UDP_EVENT, %d, %d", static_cast<int>(msg.WParam), static_cast<int>(msg.LParam));
        return;
    }
    Status(static_cast<int>(msg.LParam));
}

void CWpsFollower::Status(int code) {
    Log("CWpsFollower: status %d=%s", code, WpsStatusText(code));
    if (m_onStatus) m_onStatus(code);
    if (!m_pattern) return;
    switch (code) {
    case WPS_STATUS_IDLE:
        Stop();
        // A start never seen counts as long ago.
        if (m_started && TickClock::GetTickCount() - *m_started <= WPS_IDLE_WINDOW)
            m_pattern->ReadConfig(25000);
        else
            Fail("WPS went idle without a recent start");
        break;
    case WPS_STATUS_FAIL:
        Fail(std::string("WPS failed: ") + WpsStatusText(code));
        break;
    case WPS_STATUS_START:
        m_started = TickClock::GetTickCount();
        break;
    case WPS_STATUS_CONFIGURED:
        Stop();
        if (m_deviceMode == DEVICE_AP)
            m_pattern->ReadConfig(10000);
        else
            m_pattern->Finish(1, TPatternReason::None, m_pattern->RequestCode());
        break;
    default:
        break;
    }
}

void CWpsFollower::Stop() {
    m_running = false;
    m_limit->SetEnabled(false);
}

void CWpsFollower::Fail(const std::string& detail) {
    Stop();
    m_detail = detail;
    if (m_pattern) m_pattern->Finish(2, TPatternReason::Custom, m_pattern->RequestCode());
}
