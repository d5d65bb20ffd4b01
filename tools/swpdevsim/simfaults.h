// Request kinds the simulated device tells apart, and the faults it can be told to show for each.
#pragma once

#include "simwire.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace swpsim {

enum class Req {
    Discover,
    Login,
    Logout,
    GetConfig,
    GetMode,
    IpSetting,
    WlSetting,
    WpsPbc,
    WpsPin,
    SetMode,
    Survey,
    StationGet,
    StationSet,
    Unknown,
};
constexpr std::size_t kReqCount = static_cast<std::size_t>(Req::Unknown);

// The key suffix of a request kind ("login", "ip-setting", ...).
std::string_view ReqName(Req req);
std::optional<Req> ReqFromName(std::string_view name);

// How an answer is spoiled instead of (or, with thenValid, before) the sound one.
enum class Malform {
    None,
    Short,        // 17 bytes: the header cut by one
    Magic,        // the magic word's first byte changed
    Version,      // version 3
    TotalLength,  // two bytes more than the header says
    Overrun,      // a last item whose length runs past the payload
    OverrunFirst, // the first item's length runs past the payload
    StrayByte,    // one byte after the last complete item
    Empty,        // no payload at all
    ForeignMac,   // the header carries another device's address
    EchoMac,      // the header carries the address of the request (the client's own)
};
std::string_view MalformName(Malform m);

struct Fault {
    bool drop = false;         // the request is lost: no effect, no answer
    bool result0 = false;      // the request is refused: no effect, result 0
    std::uint32_t delayMs = 0; // the answer leaves this long after the request
    bool duplicate = false;    // the answer leaves twice
    Malform malform = Malform::None;
    bool thenValid = false;    // after the spoiled answer the sound one follows
    bool timeoutEvent = false; // a connect time-out event precedes the answer and ends the login
    int times = -1;            // the fault holds for this many requests, then clears; -1 always
    bool Active() const;
    bool operator==(const Fault&) const = default;
};

// Reads a comma list of fault words ("drop", "result0", "delay:300", "duplicate", "short", "magic",
// "version", "total-length", "overrun", "overrun-first", "stray-byte", "empty", "foreign-mac",
// "echo-mac", "then-valid", "timeout-event", "times:N", "none"). False with `error` set on a bad word.
bool ParseFault(std::string_view text, Fault& out, std::string& error);

// Spoils a sound answer. `plainPayload` is the payload before enciphering; `password` keys it;
// `requestMac` is the address in the request header (for EchoMac).
Bytes MalformedAnswer(Malform m, const Mac& deviceMac, std::uint8_t opCode, const Bytes& plainPayload,
                      std::string_view password, const Mac& requestMac, bool encipher);

} // namespace swpsim
