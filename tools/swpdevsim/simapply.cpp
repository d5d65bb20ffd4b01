// The device's own acceptance rules for set requests.
#include "simapply.h"

#include <algorithm>

namespace swpsim {

namespace {

bool IsHex(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

bool IsPrintable(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::string CheckIp(const SimRequest& r) {
    if (r.dhcp) return {};
    const std::uint32_t m = r.netmask;
    if (m == 0 || ((~m + 1) & ~m) != 0) return "netmask is not a run of ones";
    const std::uint32_t host = r.ip & ~m;
    if (r.ip == 0 || host == 0 || host == ~m) return "address is a network or broadcast address";
    return {};
}

std::string CheckWireless(const SimDevice& d, const WirelessValues& w) {
    if (w.ssid.empty() || w.ssid.size() > 32) return "network name must have 1 to 32 characters";
    if (w.wlMode > 9) return "unknown 802.11 mode";
    if (w.security > 3) return "unknown security mode";
    if (w.stdChannel && *w.stdChannel != 0 && !d.channels.empty() &&
        std::find(d.channels.begin(), d.channels.end(), *w.stdChannel) == d.channels.end())
        return "channel not in the channel list";
    if (w.security == 1) {
        if (w.authMode > 2) return "unknown WEP authentication";
        const std::size_t n = w.wepKey.size();
        const bool ascii = (n == 5 || n == 13) && IsPrintable(w.wepKey);
        const bool hex = (n == 10 || n == 26) && IsHex(w.wepKey);
        if (!ascii && !hex) return "WEP key must be 5 or 13 characters or 10 or 26 hex digits";
    }
    if (w.security == 2) {
        if (w.wpaMode > 2 || w.wpaCipher > 2) return "unknown WPA mode or cipher";
        const std::size_t n = w.passphrase.size();
        const bool text = n >= 8 && n <= 63 && IsPrintable(w.passphrase);
        const bool hex = n == 64 && IsHex(w.passphrase);
        if (!text && !hex) return "passphrase must have 8 to 63 characters or 64 hex digits";
    }
    return {};
}

void ApplyWireless(SimDevice& d, const WirelessValues& w) {
    d.ssid = w.ssid;
    if (w.stdChannel) d.stdChannel = *w.stdChannel;
    if (w.extChannel) d.extChannel = *w.extChannel;
    if (w.stdChannel && *w.stdChannel == 0) d.extChannel = 0;
    d.wlMode = w.wlMode;
    d.security = w.security;
    if (w.security == 1) {
        d.authMode = w.authMode;
        d.wepKey = w.wepKey;
        d.wepKeyLen = (w.wepKey.size() == 13 || w.wepKey.size() == 26) ? 1 : 0;
        d.wepKeyIndex = w.wepKeyIndex;
    }
    if (w.security == 2) {
        d.wpaMode = w.wpaMode;
        d.wpaCipher = w.wpaCipher;
        d.passphrase = w.passphrase;
    }
}

} // namespace

bool IsValidWpsPin(std::string_view digits) {
    if (digits.size() != 8 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    int sum = 0;
    for (std::size_t i = 0; i < 8; ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 3 : 1);
    return sum % 10 == 0;
}

std::string ApplySetRequest(SimDevice& d, const SimRequest& r) {
    if (!r.problem.empty()) return r.problem;
    switch (r.kind) {
    case Req::IpSetting: {
        if (std::string p = CheckIp(r); !p.empty()) return p;
        d.dhcp = r.dhcp;
        if (!r.dhcp) {
            d.ip = r.ip;
            d.netmask = r.netmask;
            d.gateway = r.gateway;
        }
        return {};
    }
    case Req::WlSetting:
    case Req::StationSet: {
        if (std::string p = CheckWireless(d, r.wireless); !p.empty()) return p;
        ApplyWireless(d, r.wireless);
        return {};
    }
    case Req::WpsPbc:
        d.wpsMethod = "pbc";
        d.wpsTarget.clear();
        return {};
    case Req::WpsPin:
        if (d.mode == kModeAp && !IsValidWpsPin(r.pinText))
            return "PIN is not 8 digits with a valid checksum";
        if (d.mode != kModeAp && (r.pinText.empty() || r.pinText.size() > 32))
            return "network name to join must have 1 to 32 characters";
        d.wpsMethod = "pin";
        d.wpsTarget = r.pinText;
        return {};
    case Req::SetMode:
        if (r.mode != kModeAp && r.mode != kModeBridge) return "unknown device mode";
        d.mode = r.mode;
        return {};
    default:
        return "not a set request";
    }
}

} // namespace swpsim
