// The state of one simulated device: identity, settings the client reads and writes, and its behaviour.
#pragma once

#include "simfaults.h"
#include "simwire.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace swpsim {

constexpr std::uint8_t kModeAp = 1;
constexpr std::uint8_t kModeBridge = 2;
// The phrase a login request must carry, deciphered.
constexpr std::string_view kAuthPhrase =
    "Pqv bridge peer vouched; this fixed phrase opens the UDP talk, 2x2 kit. Quoting forbidden!!";

enum class AnswerMode { Unicast, Broadcast };
// What the device does with a login it cannot read (enciphered with another password).
enum class WrongKey { Silent, Refuse };

// One event datagram of a WPS run: one status item per code, and optionally a connect time-out item.
struct WpsStep {
    std::vector<std::int32_t> statuses;
    bool connectTimeout = false;
    bool operator==(const WpsStep&) const = default;
};

struct Endpoint {
    std::uint32_t addr = 0; // host order
    std::uint16_t port = 0;
    bool operator==(const Endpoint&) const = default;
};

struct SimBehaviour {
    AnswerMode answer = AnswerMode::Unicast;
    std::vector<WpsStep> wpsSequence = {{{3}, false}, {{34}, false}};
    std::uint32_t wpsIntervalMs = 1000;
    std::uint32_t sessionTimeoutMs = 0; // idle time after which a login ends with an event; 0 never
    WrongKey wrongKey = WrongKey::Silent;
    bool requireLogin = true;      // commands other than discovery and login need a login first
    bool strictPorts = true;       // discovery port: discovery and login only; command port: no discovery
    std::uint16_t commandPort = 0; // 0: any free port
    std::array<Fault, kReqCount> faults{};
};

// The survey list a device starts with.
std::vector<SurveyEntry> DefaultSurvey();

struct SimDevice {
    // Identity
    std::string name = "Corvana-Sim";
    Mac mac = {0x02, 0x53, 0x57, 0x50, 0x00, 0x01};
    std::string password = "pylon";
    // Settings the client reads and writes
    std::uint8_t mode = kModeAp;
    bool dhcp = true;
    std::uint32_t ip = 0xC0A80032;      // 192.168.0.50
    std::uint32_t netmask = 0xFFFFFF00; // 255.255.255.0
    std::uint32_t gateway = 0xC0A80001; // 192.168.0.1
    std::string ssid = "SimNet";
    std::uint8_t stdChannel = 6;
    std::uint8_t extChannel = 0;
    std::vector<std::uint8_t> channels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::uint8_t wlMode = 9;
    std::uint8_t security = 0;
    std::uint8_t authMode = 2;
    std::uint8_t wepKeyLen = 0;
    std::uint8_t wepKeyIndex = 0;
    std::string wepKey;
    std::uint8_t wpaMode = 2;
    std::uint8_t wpaCipher = 2;
    std::string passphrase;
    std::uint32_t wpsPin = 12345670;
    std::string stationPin = "31415927";
    std::vector<SurveyEntry> survey = DefaultSurvey();
    SimBehaviour behaviour;

    // Run-time state
    bool loggedIn = false;
    Endpoint client;                          // where the login came from; events go there
    std::uint64_t sessionDeadline = 0;        // product ms; 0 none
    std::string wpsMethod;                    // "pbc" or "pin" of the last accepted WPS request
    std::string wpsTarget;                    // its PIN digits (access point) or network name (bridge)
    std::array<int, kReqCount + 1> handled{}; // requests of each kind (and unknown ones) that reached it

    int Handled(Req r) const { return handled[static_cast<std::size_t>(r)]; }
};

// `count` made-up access points, names "AP-001"..., for large survey answers.
std::vector<SurveyEntry> GeneratedSurvey(int count);
// A device built from `base` for index `i` of `n` generated ones: a distinct address and name.
SimDevice GeneratedDevice(const SimDevice& base, int i, int n);

} // namespace swpsim
