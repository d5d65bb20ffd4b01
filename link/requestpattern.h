// CRequestPattern: one page request run the common way - log in first when needed, one logout and login after
// a time-out, the pause and the configuration read after an accepted change - driven by the engine's
// messages.
#pragma once

#include "platform/message.h"

#include <cstdint>
#include <functional>

class TFormUDP;

// The waits the pattern itself passes.
constexpr std::uint32_t PATTERN_LOGIN_WAIT = 5000;
constexpr std::uint32_t PATTERN_CONFIG_WAIT = 15000;
constexpr std::uint32_t PATTERN_PAUSE = 3000;

enum class TPatternReason {
    None,     // success
    Refused,  // the device answered with result 0 (`Code`: which request; 2 is the login)
    TimedOut, // no answer within the wait (`Code`: which request)
    NoLogin,  // not logged in and the one extra login already spent
    Custom,   // ended by the owner's own handling (a WPS status, its time limit)
};

struct TPatternEnd {
    int Result = 0; // 1 success, 2 failure
    TPatternReason Reason = TPatternReason::None;
    int Code = 0; // the request code the reason refers to
};

// Where the pause of an accepted change goes: before the configuration read (IP, set-up method and
// confirmation pages) or after its answer (device mode page).
enum class TPatternPause { None, BeforeRead, AfterRead };

struct TPatternOptions {
    // One extra login: spent at the start when the engine is not logged in, or after a time-out.
    bool Retry = true;
    // The device mode page logs in again after a time-out without logging out first.
    bool LogoutOnRetry = true;
    // The password page: log in first whatever the engine's state.
    bool LoginFirst = false;
    // False: any answer to the request counts as accepted (the site survey reports 0).
    bool CheckResult = true;
    // Read the configuration after an accepted request; false ends with success at once.
    bool ReadConfig = true;
    TPatternPause Pause = TPatternPause::None;
    std::uint32_t PauseMs = PATTERN_PAUSE;
    // Replaces the configuration read after an accepted request (the WPS page follows the device's events
    // and calls ReadConfig or Finish itself). Gets the request's result.
    std::function<void(int result)> OnAccepted;
    // UM_UDP_EVENT while the pattern runs.
    std::function<void(TMessage& msg)> OnEvent;
};

class CRequestPattern {
public:
    // Sends the page's request with its wait; the engine's pending code afterwards names the request.
    using TSend = std::function<void()>;
    using TDone = std::function<void(const TPatternEnd& end)>;

    enum class TStep { Idle, LoggingIn, Requesting, Pausing, ReadingConfig, Following, Done };

    CRequestPattern(TFormUDP& engine, TSend send, TPatternOptions options = {});
    CRequestPattern(const CRequestPattern&) = delete;
    CRequestPattern& operator=(const CRequestPattern&) = delete;

    // Sets the retry allowance and runs the start step; `done` hears the end exactly once (possibly before
    // Start returns). The callback must not destroy the pattern.
    void Start(TDone done);
    // The owner forwards UM_UDP_RESULT, UM_UDP_TIMEOUT and UM_UDP_EVENT; true when the running pattern took
    // it.
    bool Handle(TMessage& msg);

    bool Running() const { return m_step != TStep::Idle && m_step != TStep::Done; }
    TStep Step() const { return m_step; }
    // The code of the page's request as last sent (0 before it was sent).
    int RequestCode() const { return m_requestCode; }
    bool RetryLeft() const { return m_retry; }

    // The owner's own steps (custom handling): pause `pauseMs` keeping messages flowing, then read the
    // configuration; its answer ends the pattern with success.
    void ReadConfig(std::uint32_t pauseMs);
    // Ends the pattern with `result` (1 or 2).
    void Finish(int result, TPatternReason reason = TPatternReason::Custom, int code = 0);
    // Stops without telling anyone (the owner is going away).
    void Cancel();

private:
    void StartStep();
    void Login();
    void OnResult(int code, int result);
    void OnTimeout(int code);
    void ConfigAnswered();
    // Pauses with messages flowing; false when the pattern ended or moved on meanwhile.
    bool Pause(std::uint32_t ms, TStep during);

    TFormUDP& m_engine;
    TSend m_send;
    TPatternOptions m_options;
    TDone m_done;
    TStep m_step = TStep::Idle;
    bool m_retry = false;
    int m_requestCode = 0;
    unsigned m_run = 0; // counts starts, so a pause can tell that its run is over
};
