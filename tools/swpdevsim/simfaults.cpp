// Fault words, request kind names and the spoiled datagrams built from sound answers.
#include "simfaults.h"

#include "simcipher.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace swpsim {

namespace {
constexpr std::array<std::string_view, kReqCount> kReqNames = {
    "discover", "login",   "logout",   "get-config", "get-mode",    "ip-setting", "wl-setting",
    "wps-pbc",  "wps-pin", "set-mode", "survey",     "station-get", "station-set"};

struct MalformWord {
    std::string_view word;
    Malform malform;
};
constexpr MalformWord kMalformWords[] = {
    {"short", Malform::Short},
    {"magic", Malform::Magic},
    {"version", Malform::Version},
    {"total-length", Malform::TotalLength},
    {"overrun", Malform::Overrun},
    {"overrun-first", Malform::OverrunFirst},
    {"stray-byte", Malform::StrayByte},
    {"empty", Malform::Empty},
    {"foreign-mac", Malform::ForeignMac},
    {"echo-mac", Malform::EchoMac},
};

bool ParseNumber(std::string_view text, long long max, long long& out) {
    long long v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 0 || v > max) return false;
    out = v;
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}
} // namespace

std::string_view ReqName(Req req) {
    const auto i = static_cast<std::size_t>(req);
    return i < kReqCount ? kReqNames[i] : std::string_view("unknown");
}

std::optional<Req> ReqFromName(std::string_view name) {
    for (std::size_t i = 0; i < kReqCount; ++i)
        if (kReqNames[i] == name) return static_cast<Req>(i);
    return std::nullopt;
}

std::string_view MalformName(Malform m) {
    for (const MalformWord& w : kMalformWords)
        if (w.malform == m) return w.word;
    return "none";
}

bool Fault::Active() const {
    return times != 0 &&
           (drop || result0 || delayMs || duplicate || malform != Malform::None || timeoutEvent);
}

bool ParseFault(std::string_view text, Fault& out, std::string& error) {
    Fault f;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view word = Trim(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (word.empty() || word == "none") continue;
        if (word == "drop") {
            f.drop = true;
        } else if (word == "result0") {
            f.result0 = true;
        } else if (word == "duplicate") {
            f.duplicate = true;
        } else if (word == "then-valid") {
            f.thenValid = true;
        } else if (word == "timeout-event") {
            f.timeoutEvent = true;
        } else if (word.starts_with("delay:")) {
            long long ms = 0;
            if (!ParseNumber(word.substr(6), 3600000, ms)) {
                error = "bad delay in \"" + std::string(word) + "\" (0 to 3600000 ms)";
                return false;
            }
            f.delayMs = static_cast<std::uint32_t>(ms);
        } else if (word.starts_with("times:")) {
            long long n = 0;
            if (!ParseNumber(word.substr(6), 1000000, n) || n == 0) {
                error = "bad count in \"" + std::string(word) + "\" (1 to 1000000)";
                return false;
            }
            f.times = static_cast<int>(n);
        } else {
            bool known = false;
            for (const MalformWord& w : kMalformWords) {
                if (w.word == word) {
                    f.malform = w.malform;
                    known = true;
                }
            }
            if (!known) {
                error = "unknown fault word \"" + std::string(word) + "\"";
                return false;
            }
        }
    }
    out = f;
    return true;
}

Bytes MalformedAnswer(Malform m, const Mac& deviceMac, std::uint8_t opCode, const Bytes& plainPayload,
                      std::string_view password, const Mac& requestMac, bool encipher) {
    Bytes payload = plainPayload;
    Mac mac = deviceMac;
    switch (m) {
    case Malform::Overrun:
        payload.insert(payload.end(), {0x7F, 0x05, 0x00});
        break;
    case Malform::OverrunFirst:
        // The first item's length claims every byte that is there and one more.
        if (payload.size() < 2) payload = {0x7F, 0x05};
        if (payload.size() > 256) payload.resize(256);
        payload[1] = static_cast<std::uint8_t>(payload.size() - 1);
        break;
    case Malform::StrayByte:
        payload.push_back(0x7F);
        break;
    case Malform::Empty:
        payload.clear();
        break;
    case Malform::ForeignMac:
        mac[5] ^= 0xFF;
        break;
    case Malform::EchoMac:
        mac = requestMac;
        break;
    default:
        break;
    }
    if (encipher) CryptPayload(password, payload);
    Bytes d = BuildDatagram(mac, opCode, payload);
    switch (m) {
    case Malform::Short:
        d.resize(kHeaderSize - 1);
        break;
    case Malform::Magic:
        d[0] = 'X';
        break;
    case Malform::Version:
        d[8] = kVersion + 1;
        break;
    case Malform::TotalLength:
        d.insert(d.end(), {0x00, 0x00});
        break;
    default:
        break;
    }
    return d;
}

} // namespace swpsim
