#include "link/requestpattern.h"

#include "app/wait.h"
#include "link/formudp.h"
#include "link/messages_udp.h"

#include <utility>

CRequestPattern::CRequestPattern(TFormUDP& engine, TSend send, TPatternOptions options)
    : m_engine(engine), m_send(std::move(send)), m_options(std::move(options)) {}

void CRequestPattern::Start(TDone done) {
    m_done = std::move(done);
    ++m_run;
    m_retry = m_options.Retry;
    m_requestCode = 0;
    m_step = TStep::LoggingIn; // running from here on, so an end inside the first step is reported
    if (m_options.LoginFirst)
        Login();
    else
        StartStep();
}

bool CRequestPattern::Handle(TMessage& msg) {
    if (!Running()) return false;
    switch (msg.Msg) {
    case UM_UDP_RESULT:
        OnResult(static_cast<int>(msg.WParam), static_cast<int>(msg.LParam));
        return true;
    case UM_UDP_TIMEOUT:
        OnTimeout(static_cast<int>(msg.WParam));
        return true;
    case UM_UDP_EVENT:
        if (m_options.OnEvent) m_options.OnEvent(msg);
        return true;
    default:
        return false;
    }
}

void CRequestPattern::StartStep() {
    if (m_engine.LoggedIn()) {
        m_step = TStep::Requesting;
        m_send();
        m_requestCode = m_engine.PendingCode();
        // A request sent without a wait can never be answered to us; do not wait for nothing.
        if (m_requestCode == 0) Finish(2, TPatternReason::TimedOut, 0);
    } else if (m_retry) {
        m_retry = false;
        Login();
    } else {
        Finish(2, TPatternReason::NoLogin, UDP_REQ_LOGIN);
    }
}

void CRequestPattern::Login() {
    m_step = TStep::LoggingIn;
    m_engine.SendLogin(PATTERN_LOGIN_WAIT);
}

void CRequestPattern::OnResult(int code, int result) {
    if (m_step == TStep::LoggingIn && code == UDP_REQ_LOGIN) {
        if (result != 0)
            StartStep(); // now logged in: the request goes out
        else
            Finish(2, TPatternReason::Refused, UDP_REQ_LOGIN);
    } else if (m_step == TStep::Requesting && code == m_requestCode) {
        if (m_options.CheckResult && result == 0) {
            Finish(2, TPatternReason::Refused, code);
        } else if (m_options.OnAccepted) {
            m_step = TStep::Following;
            m_options.OnAccepted(result);
        } else if (code == UDP_REQ_GET_CONFIG) {
            ConfigAnswered(); // the request was the configuration read itself
        } else if (m_options.ReadConfig) {
            ReadConfig(m_options.Pause == TPatternPause::BeforeRead ? m_options.PauseMs : 0);
        } else {
            Finish(1, TPatternReason::None, code);
        }
    } else if (m_step == TStep::ReadingConfig && code == UDP_REQ_GET_CONFIG) {
        ConfigAnswered();
    }
}

void CRequestPattern::OnTimeout(int code) {
    if (m_step == TStep::Requesting && code == m_requestCode) {
        if (!m_retry) {
            Finish(2, TPatternReason::TimedOut, code);
            return;
        }
        // The device may have dropped the login while it was busy: once, log in afresh and send again.
        m_retry = false;
        if (m_options.LogoutOnRetry) m_engine.SendLogout(0);
        Login();
    } else if ((m_step == TStep::LoggingIn && code == UDP_REQ_LOGIN) ||
               (m_step == TStep::ReadingConfig && code == UDP_REQ_GET_CONFIG)) {
        Finish(2, TPatternReason::TimedOut, code);
    }
}

void CRequestPattern::ConfigAnswered() {
    if (m_options.Pause == TPatternPause::AfterRead && !Pause(m_options.PauseMs, TStep::Pausing)) return;
    Finish(1, TPatternReason::None, UDP_REQ_GET_CONFIG);
}

bool CRequestPattern::Pause(std::uint32_t ms, TStep during) {
    m_step = during;
    const unsigned run = m_run;
    if (ms > 0) WaitWithMessages(ms);
    return m_run == run && m_step == during;
}

void CRequestPattern::ReadConfig(std::uint32_t pauseMs) {
    if (!Running()) return;
    if (pauseMs > 0 && !Pause(pauseMs, TStep::Pausing)) return;
    m_step = TStep::ReadingConfig;
    m_engine.SendGetConfig(PATTERN_CONFIG_WAIT);
}

void CRequestPattern::Finish(int result, TPatternReason reason, int code) {
    if (!Running()) return;
    m_step = TStep::Done;
    TDone done = std::move(m_done);
    m_done = nullptr;
    if (done) done(TPatternEnd{result, reason, code});
}

void CRequestPattern::Cancel() {
    m_step = TStep::Done;
    m_done = nullptr;
}
