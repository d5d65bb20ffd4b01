// The command line of swpctl: global options, the command, its arguments and options, and the usage text.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Exit codes.
constexpr int EXIT_DONE = 0;    // success
constexpr int EXIT_DEVICE = 1;  // the device refused or did not answer
constexpr int EXIT_INVALID = 2; // usage error or invalid input

struct TCliArgs {
    std::vector<std::string> Interfaces; // --interface, repeatable
    std::string Password;                // --password
    bool PasswordGiven = false;
    bool Json = false;   // --json
    std::string LogFile; // --log
    bool Help = false;   // --help / -h
    // For tests: ports and time scale.
    std::uint16_t ClientPort = 0; // 0: the protocol's
    std::uint16_t DevicePort = 0;
    double TimeScale = 1;

    std::string Command;
    std::vector<std::string> Arguments;         // positional arguments after the command
    std::map<std::string, std::string> Options; // command options by name without "--"

    bool Has(const std::string& option) const { return Options.count(option) != 0; }
    std::string Option(const std::string& option, const std::string& def = std::string()) const {
        const auto it = Options.find(option);
        return it == Options.end() ? def : it->second;
    }
};

// Parses argv; false with `error` set on a usage error.
bool ParseArgs(int argc, const char* const* argv, TCliArgs& args, std::string& error);
// The --help text.
const char* UsageText();
