// One table of keys serves the flags, the scenario file and the help text.
#include "simsettings.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

namespace swpsim {

namespace {

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

bool Number(const std::string& text, long long lo, long long hi, long long& out) {
    long long v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || end != last || v < lo || v > hi) return false;
    out = v;
    return true;
}

bool Bool(const std::string& text, bool& out) {
    if (text == "1" || text == "true" || text == "yes" || text == "on")
        out = true;
    else if (text == "0" || text == "false" || text == "no" || text == "off")
        out = false;
    else
        return false;
    return true;
}

// A number in [lo, hi], or one of the given words for 0, 1, 2, ...
bool Code(const std::string& text, std::initializer_list<const char*> words, long long hi,
          std::uint8_t& out) {
    long long i = 0;
    for (const char* w : words) {
        if (text == w) {
            out = static_cast<std::uint8_t>(i);
            return true;
        }
        ++i;
    }
    long long v = 0;
    if (!Number(text, 0, hi, v)) return false;
    out = static_cast<std::uint8_t>(v);
    return true;
}

using Setter = std::function<bool(SimSettings&, SimDevice&, const std::string&)>;

struct Key {
    const char* name;
    const char* arg;
    const char* help;
    bool process;
    Setter set;
};

bool Ip(const std::string& v, std::uint32_t& out) {
    return ParseIpv4(v, out);
}

const std::vector<Key>& Keys() {
    static const std::vector<Key> keys = {
        // Process
        {"port", "N", "discovery and login port (default 5432; 0: any free port, shown in the READY line)",
         true,
         [](SimSettings& s, SimDevice&, const std::string& v) {
             long long n;
             if (!Number(v, 0, 65535, n)) return false;
             s.process.port = static_cast<std::uint16_t>(n);
             return true;
         }},
        {"bind", "ADDR", "local IPv4 address to serve on (default: the interface's, or 127.0.0.1)", true,
         [](SimSettings& s, SimDevice&, const std::string& v) {
             std::uint32_t a;
             if (!Ip(v, a) || a == 0) return false;
             s.process.bindAddress = v;
             return true;
         }},
        {"interface", "NAME", "network interface to serve on (default: the one holding the bind address)",
         true,
         [](SimSettings& s, SimDevice&, const std::string& v) {
             if (v.empty() || v.size() > 15) return false;
             s.process.interfaceName = v;
             return true;
         }},
        {"broadcast-address", "ADDR",
         "where broadcast answers go (default: the interface's broadcast address, 127.255.255.255 on "
         "loopback)",
         true,
         [](SimSettings& s, SimDevice&, const std::string& v) {
             std::uint32_t a;
             if (!Ip(v, a)) return false;
             s.process.broadcastAddress = v;
             return true;
         }},
        {"devices", "N",
         "number of devices; beyond the [device] sections they are generated from the defaults", true,
         [](SimSettings& s, SimDevice&, const std::string& v) {
             long long n;
             if (!Number(v, 1, kMaxDevices, n)) return false;
             s.process.devices = static_cast<int>(n);
             return true;
         }},
        {"time-scale", "F", "product time runs F times faster (delays, WPS intervals, login time-outs)", true,
         [](SimSettings& s, SimDevice&, const std::string& v) {
             try {
                 std::size_t used = 0;
                 const double f = std::stod(v, &used);
                 if (used != v.size() || !(f >= 0.001 && f <= 1000000)) return false;
                 s.process.timeScale = f;
                 return true;
             } catch (...) {
                 return false;
             }
         }},
        {"tie-to-interface", "0|1",
         "1 (default): sockets on 0.0.0.0 tied to the interface, falling back to 0 where the system refuses; "
         "0: a socket on the interface address, plus one on 255.255.255.255 that keeps only broadcasts "
         "that came in on the interface",
         true, [](SimSettings& s, SimDevice&, const std::string& v) { return Bool(v, s.process.tieToInterface); }},
        {"verbose", "0|1", "log every datagram and decision to stderr", true,
         [](SimSettings& s, SimDevice&, const std::string& v) { return Bool(v, s.process.verbose); }},
        // Device identity and settings
        {"name", "TEXT", "device name (generated devices add -0001, -0002, ...)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v.size() > 255) return false;
             d.name = v;
             return true;
         }},
        {"mac", "XX:XX:XX:XX:XX:XX", "device hardware address (generated devices count up from it)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return ParseMac(v, d.mac); }},
        {"password", "TEXT", "device password, the cipher key (default pylon; empty: the fixed key)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v.size() > 255) return false;
             d.password = v;
             return true;
         }},
        {"mode", "ap|bridge", "device mode", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v == "ap" || v == "1")
                 d.mode = kModeAp;
             else if (v == "bridge" || v == "2")
                 d.mode = kModeBridge;
             else
                 return false;
             return true;
         }},
        {"ip-mode", "dhcp|static", "how the device gets its address", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v != "dhcp" && v != "static") return false;
             d.dhcp = v == "dhcp";
             return true;
         }},
        {"ip", "ADDR", "device LAN address", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return Ip(v, d.ip); }},
        {"netmask", "ADDR", "device LAN netmask", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return Ip(v, d.netmask); }},
        {"gateway", "ADDR", "device LAN gateway", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return Ip(v, d.gateway); }},
        {"ssid", "TEXT", "wireless network name (at most 255 bytes; the client keeps 32)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v.size() > 255) return false;
             d.ssid = v;
             return true;
         }},
        {"channel", "N", "wireless channel (0: automatic)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             long long n;
             if (!Number(v, 0, 255, n)) return false;
             d.stdChannel = static_cast<std::uint8_t>(n);
             return true;
         }},
        {"ext-channel", "N", "extension channel", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             long long n;
             if (!Number(v, 0, 255, n)) return false;
             d.extChannel = static_cast<std::uint8_t>(n);
             return true;
         }},
        {"channels", "N,N,...|none", "channels the device allows, in its order", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             std::vector<std::uint8_t> list;
             if (v != "none") {
                 std::stringstream ss(v);
                 std::string part;
                 while (std::getline(ss, part, ',')) {
                     long long n;
                     if (!Number(Trim(part), 1, 255, n) || list.size() >= 255) return false;
                     list.push_back(static_cast<std::uint8_t>(n));
                 }
             }
             d.channels = list;
             return true;
         }},
        {"wl-mode", "0-9", "802.11 mode code", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return Code(v, {}, 255, d.wlMode); }},
        {"security", "none|wep|wpa-psk|wpa", "security mode", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             return Code(v, {"none", "wep", "wpa-psk", "wpa"}, 255, d.security);
         }},
        {"auth", "open|shared|auto", "WEP authentication", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             return Code(v, {"open", "shared", "auto"}, 255, d.authMode);
         }},
        {"wep-key", "TEXT", "WEP key (its length sets the 64/128-bit flag)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v.size() > 255) return false;
             d.wepKey = v;
             d.wepKeyLen = (v.size() == 13 || v.size() == 26) ? 1 : 0;
             return true;
         }},
        {"wep-key-index", "N", "WEP key index the device reports", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return Code(v, {}, 255, d.wepKeyIndex); }},
        {"wpa-mode", "wpa|wpa2|auto", "WPA mode", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             return Code(v, {"wpa", "wpa2", "auto"}, 255, d.wpaMode);
         }},
        {"wpa-cipher", "tkip|aes|tkip-aes", "WPA cipher", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             return Code(v, {"tkip", "aes", "tkip-aes"}, 255, d.wpaCipher);
         }},
        {"passphrase", "TEXT", "WPA passphrase", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v.size() > 255) return false;
             d.passphrase = v;
             return true;
         }},
        {"wps-pin", "N", "the device's own WPS PIN, reported as a number (default 12345670)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             long long n;
             if (!Number(v, 0, 0xFFFFFFFFLL, n)) return false;
             d.wpsPin = static_cast<std::uint32_t>(n);
             return true;
         }},
        {"station-pin", "TEXT", "the PIN the device reports as a station, as text (default 31415927)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v.size() > 255) return false;
             d.stationPin = v;
             return true;
         }},
        {"survey", "default|none|generated:N", "replace the survey list", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             long long n;
             if (v == "default")
                 d.survey = DefaultSurvey();
             else if (v == "none")
                 d.survey.clear();
             else if (v.starts_with("generated:") && Number(v.substr(10), 0, kMaxSurveyEntries, n))
                 d.survey = GeneratedSurvey(static_cast<int>(n));
             else
                 return false;
             return true;
         }},
        {"survey-ap", "SSID,BSSID,SIGNAL,CHANNEL,CIPHER,AUTH[,ICON[,WPS[,HEAD]]]",
         "add one access point to the survey list (use survey=none first to start empty)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             SurveyEntry e;
             if (!ParseSurveyEntry(v, e) || d.survey.size() >= kMaxSurveyEntries) return false;
             d.survey.push_back(e);
             return true;
         }},
        // Device behaviour
        {"answer", "unicast|broadcast", "answer to the sender's address, or to the broadcast address", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v == "unicast")
                 d.behaviour.answer = AnswerMode::Unicast;
             else if (v == "broadcast")
                 d.behaviour.answer = AnswerMode::Broadcast;
             else
                 return false;
             return true;
         }},
        {"wps-status", "SEQ|none",
         "WPS status events after an accepted WPS request (default 3,34); ',' separates datagrams, '+' joins "
         "items in one, 'connect-timeout' adds that item",
         false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             return ParseWpsSequence(v, d.behaviour.wpsSequence);
         }},
        {"wps-interval", "MS", "time between WPS status events (default 1000)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             long long n;
             if (!Number(v, 0, 3600000, n)) return false;
             d.behaviour.wpsIntervalMs = static_cast<std::uint32_t>(n);
             return true;
         }},
        {"session-timeout", "MS", "a login idle this long ends with a connect time-out event (0: never)",
         false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             long long n;
             if (!Number(v, 0, 86400000, n)) return false;
             d.behaviour.sessionTimeoutMs = static_cast<std::uint32_t>(n);
             return true;
         }},
        {"wrong-key", "silent|refuse",
         "a login the device cannot decipher: no answer (default), or result 0 under its own key", false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             if (v == "silent")
                 d.behaviour.wrongKey = WrongKey::Silent;
             else if (v == "refuse")
                 d.behaviour.wrongKey = WrongKey::Refuse;
             else
                 return false;
             return true;
         }},
        {"require-login", "0|1", "ignore commands until a login succeeded (default 1)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return Bool(v, d.behaviour.requireLogin); }},
        {"strict-ports", "0|1",
         "discovery port takes only discovery and login, command port no discovery (default 1)", false,
         [](SimSettings&, SimDevice& d, const std::string& v) { return Bool(v, d.behaviour.strictPorts); }},
        {"command-port", "N",
         "command port announced at login (default 0: any free port; generated devices count up from it)",
         false,
         [](SimSettings&, SimDevice& d, const std::string& v) {
             long long n;
             if (!Number(v, 0, 65535, n)) return false;
             d.behaviour.commandPort = static_cast<std::uint16_t>(n);
             return true;
         }},
    };
    return keys;
}

constexpr const char* kFaultHelp =
    "fault.REQ=WORDS    REQ: discover login logout get-config get-mode ip-setting wl-setting wps-pbc\n"
    "                   wps-pin set-mode survey station-get station-set\n"
    "                   WORDS, comma separated:\n"
    "                     drop            the request is lost (no effect, no answer)\n"
    "                     result0         refused: no effect, result 0 (set requests, login, logout)\n"
    "                     delay:MS        the answer leaves MS later\n"
    "                     duplicate       the answer leaves twice\n"
    "                     short | magic | version | total-length | overrun | overrun-first |\n"
    "                     stray-byte | empty | foreign-mac | echo-mac\n"
    "                                     a spoiled answer instead of the sound one: 17 bytes, bad magic\n"
    "                                     word, version 3, 2 bytes beyond the length, a last item (or the\n"
    "                                     first) running past the payload, one stray byte, no payload,\n"
    "                                     another device's address, the client's own address\n"
    "                     then-valid      after the spoiled answer the sound one follows\n"
    "                     timeout-event   a connect time-out event precedes the answer; the login ends\n"
    "                     times:N         only the next N such requests, then the fault clears\n"
    "                     none            no fault\n";

// `text` broken at blanks into lines of at most `width` characters, each indented by `indent`.
std::string Wrapped(const std::string& text, std::size_t indent, std::size_t width) {
    std::string out, line;
    std::stringstream words(text);
    std::string word;
    while (words >> word) {
        if (!line.empty() && indent + line.size() + 1 + word.size() > width) {
            out += std::string(indent, ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) out += std::string(indent, ' ') + line + "\n";
    return out;
}

} // namespace

bool ParseWpsSequence(const std::string& text, std::vector<WpsStep>& out) {
    std::vector<WpsStep> steps;
    if (Trim(text) != "none") {
        std::stringstream ss(text);
        std::string packet;
        while (std::getline(ss, packet, ',')) {
            WpsStep step;
            std::stringstream items(packet);
            std::string item;
            while (std::getline(items, item, '+')) {
                item = Trim(item);
                long long n;
                if (item == "connect-timeout")
                    step.connectTimeout = true;
                else if (Number(item, -2147483648LL, 2147483647LL, n))
                    step.statuses.push_back(static_cast<std::int32_t>(n));
                else
                    return false;
            }
            if (step.statuses.empty() && !step.connectTimeout) return false;
            steps.push_back(step);
        }
        if (steps.empty() || steps.size() > 100) return false;
    }
    out = steps;
    return true;
}

bool ParseSurveyEntry(const std::string& text, SurveyEntry& out) {
    // The name ends at the last comma that is followed by a hardware address.
    std::size_t macAt = std::string::npos;
    for (std::size_t p = text.find(','); p != std::string::npos; p = text.find(',', p + 1)) {
        Mac m;
        if (ParseMac(std::string_view(text).substr(p + 1, 17), m) &&
            (p + 18 == text.size() || text[p + 18] == ','))
            macAt = p;
    }
    if (macAt == std::string::npos) return false;
    SurveyEntry e;
    e.ssid = text.substr(0, macAt);
    if (e.ssid.size() > 32) return false;
    ParseMac(std::string_view(text).substr(macAt + 1, 17), e.bssid);
    std::vector<long long> numbers;
    std::stringstream ss(text.size() > macAt + 18 ? text.substr(macAt + 19) : std::string());
    std::string part;
    while (std::getline(ss, part, ',')) {
        long long n;
        if (!Number(Trim(part), 0, 999, n)) return false;
        numbers.push_back(n);
    }
    if (numbers.size() < 4 || numbers.size() > 7) return false;
    for (std::size_t i = 2; i < numbers.size(); ++i)
        if (numbers[i] > 255) return false;
    e.signal = static_cast<int>(numbers[0]);
    e.channel = static_cast<int>(numbers[1]);
    e.cipher = static_cast<std::uint8_t>(numbers[2]);
    e.authType = static_cast<std::uint8_t>(numbers[3]);
    if (numbers.size() > 4) e.iconFlag = static_cast<std::uint8_t>(numbers[4]);
    if (numbers.size() > 5) e.wpsFlag = static_cast<std::uint8_t>(numbers[5]);
    if (numbers.size() > 6) e.headFlag = static_cast<std::uint8_t>(numbers[6]);
    out = e;
    return true;
}

bool ApplyKey(SimSettings& s, SimDevice& d, bool isDefaults, const std::string& key, const std::string& value,
              std::string& error) {
    if (key.starts_with("fault.")) {
        const auto req = ReqFromName(key.substr(6));
        if (!req) {
            error = "unknown request kind in \"" + key + "\"";
            return false;
        }
        std::string why;
        if (!ParseFault(value, d.behaviour.faults[static_cast<std::size_t>(*req)], why)) {
            error = key + ": " + why;
            return false;
        }
        return true;
    }
    for (const Key& k : Keys()) {
        if (key != k.name) continue;
        if (k.process && !isDefaults) {
            error = "\"" + key + "\" applies to the whole run, not to one [device]";
            return false;
        }
        if (!k.set(s, d, value)) {
            error = "bad value \"" + value + "\" for " + key + " (" + k.arg + ")";
            return false;
        }
        return true;
    }
    error = "unknown key \"" + key + "\"";
    return false;
}

bool ParseScenario(const std::string& text, KeyValues& topKeys, std::vector<KeyValues>& sections,
                   std::string& error) {
    std::stringstream ss(text);
    std::string line;
    int number = 0;
    KeyValues* current = &topKeys;
    while (std::getline(ss, line)) {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line[0] == '[') {
            if (line == "[device]") {
                if (sections.size() >= kMaxDevices) {
                    error = "line " + std::to_string(number) + ": too many [device] sections";
                    return false;
                }
                sections.emplace_back();
                current = &sections.back();
            } else if (line == "[global]") {
                current = &topKeys;
            } else {
                error = "line " + std::to_string(number) + ": unknown section " + line;
                return false;
            }
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            error = "line " + std::to_string(number) + ": expected key = value";
            return false;
        }
        current->emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
    return true;
}

bool ParseCommandLine(const std::vector<std::string>& args, SimSettings& out, std::string& error) {
    SimSettings s;
    KeyValues flags;
    std::string scenarioPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            s.help = true;
            continue;
        }
        if (!a.starts_with("--") || a.size() < 3) {
            error = "unexpected argument \"" + a + "\"";
            return false;
        }
        std::string key = a.substr(2);
        std::string value;
        if (const auto eq = key.find('='); eq != std::string::npos) {
            value = key.substr(eq + 1);
            key = key.substr(0, eq);
        } else if (key == "verbose") {
            value = "1";
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "--" + key + " needs a value";
            return false;
        }
        if (key == "scenario")
            scenarioPath = value;
        else
            flags.emplace_back(key, value);
    }
    KeyValues top;
    if (!scenarioPath.empty()) {
        std::ifstream in(scenarioPath, std::ios::binary);
        if (!in) {
            error = "cannot read scenario file " + scenarioPath;
            return false;
        }
        std::string text;
        char buf[4096];
        while (in.read(buf, sizeof buf) || in.gcount() > 0) {
            text.append(buf, static_cast<std::size_t>(in.gcount()));
            if (text.size() > (4u << 20)) {
                error = "scenario file " + scenarioPath + " is larger than 4 MiB";
                return false;
            }
        }
        if (!ParseScenario(text, top, s.deviceSections, error)) {
            error = scenarioPath + ": " + error;
            return false;
        }
    }
    top.insert(top.end(), flags.begin(), flags.end());
    for (const auto& [key, value] : top)
        if (!ApplyKey(s, s.defaults, true, key, value, error)) return false;
    // Section keys are checked now so that a bad scenario fails before anything opens.
    for (const KeyValues& section : s.deviceSections) {
        SimDevice probe = s.defaults;
        for (const auto& [key, value] : section)
            if (!ApplyKey(s, probe, false, key, value, error)) return false;
    }
    out = std::move(s);
    return true;
}

bool BuildDevices(const SimSettings& settings, std::vector<SimDevice>& devices, std::string& error) {
    const int sections = static_cast<int>(settings.deviceSections.size());
    const int n = std::max({settings.process.devices, sections, 1});
    if (n > kMaxDevices) {
        error = "too many devices";
        return false;
    }
    if (settings.defaults.behaviour.commandPort != 0 &&
        settings.defaults.behaviour.commandPort + n - 1 > 65535) {
        error = "command ports run past 65535";
        return false;
    }
    std::vector<SimDevice> out;
    SimSettings scratch = settings;
    for (int i = 0; i < n; ++i) {
        SimDevice d = GeneratedDevice(settings.defaults, i, n);
        if (i < sections)
            for (const auto& [key, value] : settings.deviceSections[static_cast<std::size_t>(i)])
                if (!ApplyKey(scratch, d, false, key, value, error)) return false;
        out.push_back(std::move(d));
    }
    std::set<Mac> macs;
    std::set<std::uint16_t> ports;
    for (const SimDevice& d : out) {
        if (!macs.insert(d.mac).second) {
            error = "two devices have the address " + MacText(d.mac);
            return false;
        }
        if (d.behaviour.commandPort != 0 && !ports.insert(d.behaviour.commandPort).second) {
            error = "two devices have the command port " + std::to_string(d.behaviour.commandPort);
            return false;
        }
    }
    devices = std::move(out);
    return true;
}

std::string HelpText() {
    std::string h =
        "swpdevsim - plays the firmware of one or more wireless devices on a local network interface,\n"
        "for tests, benchmarks and demonstrations of the set-up wizard.\n"
        "\n"
        "Usage: swpdevsim [--scenario FILE] [--KEY VALUE | --KEY=VALUE]...\n"
        "\n"
        "It serves only the interface it is given (loopback by default): sockets are tied to that "
        "interface,\n"
        "and broadcast answers go to its broadcast address. An address without one (added without a\n"
        "broadcast) uses its subnet's last address; a /31 or /32 the limited broadcast 255.255.255.255\n"
        "while the sockets are tied, otherwise such answers go by unicast to the sender. Datagrams are\n"
        "handled in the order they arrived, across all ports. When it is ready it prints one line\n"
        "  READY port=N devices=N interface=NAME address=ADDR\n"
        "to standard output. It stops on SIGINT or SIGTERM.\n"
        "\n"
        "Every device answers discovery on the discovery port with its name and takes a login there. The\n"
        "login payload, deciphered with the device password, must name the device's hardware address and\n"
        "carry the fixed phrase: then the answer is result 1 and the device's own command port; with a "
        "wrong\n"
        "phrase it is result 0; a login naming another address is not answered (it is for another device);\n"
        "one that cannot be read under the password follows wrong-key. Every other request goes to the\n"
        "command port after a login, and each accepted set request changes the device state. A request\n"
        "whose items do not have the exact shape a client writes is refused (result 0 for set requests, no\n"
        "answer for the others) and logged. Answers go to the source port of the request.\n"
        "\n"
        "Keys (flags and scenario file alike):\n";
    for (const Key& k : Keys()) {
        h += "  " + std::string(k.name) + "=" + k.arg + "\n";
        h += Wrapped(std::string(k.help) + (k.process ? " [run]" : ""), 6, 100);
    }
    h += "  ";
    h += kFaultHelp;
    h += "\n"
         "Keys marked [run] apply to the whole run; the others set a device, and given as flags or at the\n"
         "top of the scenario they set the defaults of every device.\n"
         "\n"
         "Other flags:\n"
         "  --scenario FILE   read keys from FILE first (flags given on the command line win)\n"
         "  --verbose         same as --verbose=1\n"
         "  --help            this text\n"
         "\n"
         "Scenario file: one \"key = value\" per line; lines starting with # or ; are comments. Keys before\n"
         "any section (or under [global]) are run keys and device defaults. Each [device] line starts one\n"
         "more device, whose keys override the defaults. Example:\n"
         "\n"
         "  # two devices answering by broadcast, the second refusing its first IP setting\n"
         "  answer = broadcast\n"
         "  [device]\n"
         "  name = Lounge\n"
         "  mac = 02:53:57:50:00:01\n"
         "  [device]\n"
         "  name = Console\n"
         "  mac = 02:53:57:50:00:02\n"
         "  mode = bridge\n"
         "  fault.ip-setting = result0,times:1\n"
         "  wps-status = 3,1\n";
    return h;
}

} // namespace swpsim
