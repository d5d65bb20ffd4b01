#include "cli/cliargs.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

struct TCommandSpec {
    const char* Name;
    std::size_t MinArgs;
    std::size_t MaxArgs;
    std::set<std::string> Options; // each takes a value
};

const TCommandSpec kCommands[] = {
    {"discover", 0, 0, {"wait"}},
    {"show", 1, 1, {}},
    {"set-ip", 2, 2, {"ip", "mask", "gateway"}},
    {"set-mode", 2, 2, {}},
    {"set-wireless", 1, 1, {"ssid", "mode", "security", "wep-length", "key", "auth", "wpa"}},
    {"survey", 1, 1, {}},
    {"wps", 2, 3, {"ssid"}},
};

const TCommandSpec* FindCommand(const std::string& name) {
    for (const auto& c : kCommands)
        if (name == c.Name) return &c;
    return nullptr;
}

bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value) {
    if (text.empty() || text.size() > 10) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    value = std::strtoul(text.c_str(), nullptr, 10);
    return value <= max;
}

bool ParsePort(const std::string& name, const std::string& text, std::uint16_t& port, std::string& error) {
    unsigned long value = 0;
    if (!ParseNumber(text, 65535, value) || value == 0) {
        error = "--" + name + " needs a port number from 1 to 65535";
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

bool ParseScale(const std::string& text, double& scale, std::string& error) {
    char* end = nullptr;
    errno = 0;
    const double value = text.empty() ? 0 : std::strtod(text.c_str(), &end);
    if (text.empty() || errno != 0 || *end != '\0' || !(value >= 1) || value > 10000) {
        error = "--time-scale needs a number from 1 to 10000";
        return false;
    }
    scale = value;
    return true;
}

// "--name=value" or "--name value"; false when the value is missing.
bool TakeValue(const std::string& token, std::size_t eq, int& i, int argc, const char* const* argv,
               std::string& value) {
    if (eq != std::string::npos) {
        value = token.substr(eq + 1);
        return true;
    }
    if (i + 1 >= argc) return false;
    value = argv[++i];
    return true;
}

} // namespace

bool ParseArgs(int argc, const char* const* argv, TCliArgs& args, std::string& error) {
    const TCommandSpec* command = nullptr;
    bool onlyArguments = false;
    for (int i = 1; i < argc; ++i) {
        const std::string token = argv[i] ? argv[i] : "";
        const bool isOption = !onlyArguments && token.size() > 1 && token[0] == '-';
        if (!isOption) {
            if (!command) {
                command = FindCommand(token);
                if (!command) {
                    error = "unknown command '" + token + "'";
                    return false;
                }
                args.Command = token;
            } else {
                args.Arguments.push_back(token);
            }
            continue;
        }
        if (token == "--") {
            onlyArguments = true;
            continue;
        }
        if (token == "-h" || token == "--help") {
            args.Help = true;
            continue;
        }
        if (token.rfind("--", 0) != 0) {
            error = "unknown option '" + token + "'";
            return false;
        }
        const std::size_t eq = token.find('=');
        const std::string name = token.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        if (name == "json") {
            if (eq != std::string::npos) {
                error = "--json takes no value";
                return false;
            }
            args.Json = true;
            continue;
        }
        std::string value;
        const bool global = name == "interface" || name == "password" || name == "log" ||
                            name == "client-port" || name == "device-port" || name == "time-scale";
        const bool commandOption = command && command->Options.count(name) != 0;
        if (!global && !commandOption) {
            error = command ? "unknown option '--" + name + "' for " + args.Command
                            : "unknown option '--" + name + "'";
            return false;
        }
        if (!TakeValue(token, eq, i, argc, argv, value)) {
            error = "--" + name + " needs a value";
            return false;
        }
        if (name == "interface") {
            if (value.empty()) {
                error = "--interface needs an interface name";
                return false;
            }
            args.Interfaces.push_back(value);
        } else if (name == "password") {
            args.Password = value;
            args.PasswordGiven = true;
        } else if (name == "log") {
            args.LogFile = value;
        } else if (name == "client-port") {
            if (!ParsePort(name, value, args.ClientPort, error)) return false;
        } else if (name == "device-port") {
            if (!ParsePort(name, value, args.DevicePort, error)) return false;
        } else if (name == "time-scale") {
            if (!ParseScale(value, args.TimeScale, error)) return false;
        } else {
            if (args.Options.count(name)) {
                error = "--" + name + " given twice";
                return false;
            }
            args.Options[name] = value;
        }
    }
    if (args.Help) return true;
    if (!command) {
        error = "no command given";
        return false;
    }
    if (args.Arguments.size() < command->MinArgs) {
        error = args.Command + ": missing " + (args.Arguments.empty() ? "DEVICE" : "argument");
        return false;
    }
    if (args.Arguments.size() > command->MaxArgs) {
        error = args.Command + ": unexpected argument '" + args.Arguments[command->MaxArgs] + "'";
        return false;
    }
    return true;
}

const char* UsageText() {
    return R"(swpctl - provision Corvana wireless devices from a terminal or a script

Usage:
  swpctl [--interface NAME]... [--password P] [--json] [--log FILE] COMMAND
    discover [--wait MS]                       list devices: name, MAC, device IP, local adapter
    show DEVICE                                log in, read and print the configuration
    set-ip DEVICE dhcp | static --ip A --mask M [--gateway G]
    set-mode DEVICE ap | bridge
    set-wireless DEVICE --ssid S [--mode bgn|bg|n] [--security none|wep|wpa-psk]
                 [--wep-length 64|128] [--key K] [--auth open|shared|auto] [--wpa wpa|wpa2|auto]
    survey DEVICE                              access points the device hears, strongest first
    wps DEVICE pbc | pin [PIN] [--ssid S]      run WPS and follow its status until it ends

DEVICE is a MAC address (02:53:57:50:00:01), a device name, or the number that discover prints.
Every command but discover finds the device (a discovery of up to 4 s), logs in with the password,
runs its requests, and logs out.

Global options:
  --interface NAME   use only this network interface (repeatable; may name the loopback "lo").
                     Default: every interface that is up and can broadcast, loopback excluded.
  --password P       device password (default: the factory password "pylon")
  --json             print one JSON document on standard output instead of aligned text
  --log FILE         write the debug log (every request and answer) to FILE; created when missing
  -h, --help         this text

Command options:
  discover --wait MS       how long to collect answers (default 4000)
  set-wireless             --ssid: network name (1 to 32 characters); --mode: 802.11 mode (default bgn);
                           --security (default none); WEP: --key of 5 or 13 characters or 10 or 26 hex
                           digits, --wep-length (default: from the key), --auth (default: the device's, or
                           open in bridge mode; auto only in access-point mode); WPA-PSK: --key of 8 to 63
                           characters or 64 hex digits, --wpa (default: the device's)
  wps pin PIN              access-point mode: the 8-digit PIN of the client adapter (checksum checked);
                           bridge mode: the device shows its own PIN; --ssid names the access point to join

Exit codes:
  0  done
  1  the device refused or did not answer (the reason on standard error)
  2  usage error or invalid input

For testing only (loopback test runs):
  --client-port N    local UDP port instead of 5433
  --device-port N    device discovery/login port instead of 5432
  --time-scale F     product time runs F times faster (every wait and time limit shrinks)
)";
}
