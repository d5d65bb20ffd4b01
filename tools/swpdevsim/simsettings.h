// Settings of a simulator run: command-line flags and the scenario file, both as key=value pairs.
#pragma once

#include "simdevice.h"

#include <string>
#include <utility>
#include <vector>

namespace swpsim {

struct SimProcessSettings {
    std::uint16_t port = 5432;    // discovery and login port; 0: any free port
    std::string bindAddress;      // empty: the interface's address, or 127.0.0.1
    std::string interfaceName;    // empty: the interface that holds the bind address
    std::string broadcastAddress; // empty: the interface's subnet broadcast address
    int devices = 0;              // 0: one per [device] section, at least one
    double timeScale = 1.0;       // product time runs this many times faster than real time
    bool verbose = false;
    bool tieToInterface = true; // false: bind the interface address (what happens where tying is refused)
};

using KeyValues = std::vector<std::pair<std::string, std::string>>;

struct SimSettings {
    SimProcessSettings process;
    SimDevice defaults;                    // every device starts from these
    std::vector<KeyValues> deviceSections; // one per [device] section of the scenario
    bool help = false;
};

// Applies one key. Process keys are refused when `device` is not the defaults (inside a [device] section).
bool ApplyKey(SimSettings& settings, SimDevice& device, bool isDefaults, const std::string& key,
              const std::string& value, std::string& error);

// Reads "--key value", "--key=value", "--help", "--verbose" and "--scenario FILE"; the scenario's top keys
// come first, then the flags, so flags win. False with `error` set on a bad flag, key, value or file.
bool ParseCommandLine(const std::vector<std::string>& args, SimSettings& out, std::string& error);
// Reads scenario text: "key = value" lines, "[device]" sections, "#" or ";" comments.
bool ParseScenario(const std::string& text, KeyValues& topKeys, std::vector<KeyValues>& sections,
                   std::string& error);

// The devices of the run: one per section (defaults, then the section), then generated ones up to
// `process.devices`, each with its own address and name. False on duplicate addresses or too many devices.
bool BuildDevices(const SimSettings& settings, std::vector<SimDevice>& devices, std::string& error);

std::string HelpText();

// "3,34" or "3+4,34": commas separate event datagrams, '+' joins items in one; "connect-timeout" adds that
// item.
bool ParseWpsSequence(const std::string& text, std::vector<WpsStep>& out);
// "SSID,BSSID,SIGNAL,CHANNEL,CIPHER,AUTH[,ICON[,WPS[,HEAD]]]"; the name may hold commas.
bool ParseSurveyEntry(const std::string& text, SurveyEntry& out);

constexpr int kMaxDevices = 4096;
constexpr int kMaxSurveyEntries = 1000;

} // namespace swpsim
