// CWpsFollower: after the device accepted a WPS request, follows its status events for at most 180 s and
// ends the request pattern: configuration read after "Configured" (access point) or after "Idle" soon after
// "Start WSC Process", failure on "WSC Fail", a late "Idle" or the time limit.
#pragma once

#include "platform/message.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CRequestPattern;
class TTimer;

constexpr std::uint32_t WPS_TIME_LIMIT = 180000;
// "Idle" counts as success only this soon after "Start WSC Process".
constexpr std::uint32_t WPS_IDLE_WINDOW = 100000;

class CWpsFollower {
public:
    // `onStatus` hears every status followed while WPS runs.
    CWpsFollower(int deviceMode, std::function<void(int status)> onStatus);
    ~CWpsFollower();
    CWpsFollower(const CWpsFollower&) = delete;
    CWpsFollower& operator=(const CWpsFollower&) = delete;

    // The pattern whose WPS request this follows (its OnAccepted and OnEvent call the two below).
    void SetPattern(CRequestPattern* pattern) { m_pattern = pattern; }
    void Accepted();
    void Event(TMessage& msg);

    bool Running() const { return m_running; }
    // Why the run failed, for the report.
    const std::string& Detail() const { return m_detail; }

private:
    void Status(int code);
    void Stop();
    void Fail(const std::string& detail);

    int m_deviceMode;
    std::function<void(int)> m_onStatus;
    CRequestPattern* m_pattern = nullptr;
    std::unique_ptr<TTimer> m_limit;
    bool m_running = false;
    std::optional<std::uint32_t> m_started; // tick of the last "Start WSC Process"
    std::string m_detail;
};
