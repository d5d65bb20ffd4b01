// CCliSession: the engine of one swpctl run - discovery, choosing the device, logging in, running page
// patterns to their end - and the reports of failures.
#pragma once

#include "app/records.h"
#include "cli/cliargs.h"
#include "cli/clioutput.h"
#include "cli/progress.h"
#include "link/requestpattern.h"

#include <QJsonObject>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CCliMainForm;
class TFormUDP;

// The wait of a discovery: the device list page's.
constexpr std::uint32_t DISCOVER_WAIT = 4000;

class CCliSession {
public:
    CCliSession(const TCliArgs& args, CCliMainForm& mainForm, const COutput& out);
    // Logs out (when logged in) and closes the adapters.
    ~CCliSession();
    CCliSession(const CCliSession&) = delete;
    CCliSession& operator=(const CCliSession&) = delete;

    TFormUDP& Engine() { return *m_engine; }
    const TCliArgs& Args() const { return m_args; }
    const COutput& Out() const { return m_out; }
    CProgress& Progress() { return m_progress; }

    // Broadcasts a discovery and collects the answers for `wait` ms; stops early once the device with the
    // hardware address `stopAt` answered. False when no adapter could be opened (its message is shown).
    bool Discover(std::uint32_t wait, std::vector<tag_DEVICE_INFO>& devices,
                  const std::uint8_t* stopAt = nullptr);
    // Finds DEVICE, logs in and reads its configuration (the password page's steps). EXIT_DONE, or the exit
    // code after the message has been printed.
    int Connect(const std::string& device);
    // Runs `pattern` to its end with the engine's messages flowing; `stage` names the wait on a terminal.
    TPatternEnd Run(CRequestPattern& pattern, const std::string& stage);

    // A failed pattern: the [Message] text of `key` and the reason on standard error (in JSON mode also an
    // error document); returns EXIT_DEVICE. `detail` replaces the reason drawn from `end`.
    int Fail(const char* key, const TPatternEnd& end, const std::string& detail = std::string());
    // Invalid input: the [Message] text of `key` on standard error; returns EXIT_INVALID.
    int Invalid(const char* key);
    // A usage error found by a command; returns EXIT_INVALID.
    int Usage(const std::string& text);

    // What discover prints about a device.
    TTableRow DeviceRow(const tag_DEVICE_INFO& device) const;
    QJsonObject DeviceJson(const tag_DEVICE_INFO& device) const;
    // The local adapter that heard the device, as "NAME (ADDRESS)".
    std::string AdapterText(std::uint32_t localIP) const;
    // Says that no device answered and names the two usual causes.
    void NoDeviceHelp() const;

private:
    const TCliArgs& m_args;
    CCliMainForm& m_main;
    const COutput& m_out;
    CProgress m_progress;
    std::unique_ptr<TFormUDP> m_engine;
};

// The request names used in failure reports.
const char* RequestName(int code);
// "02:53:57:50:00:01" or "02-53-57-50-00-01", any case.
bool ParseMac(const std::string& text, std::uint8_t mac[6]);
