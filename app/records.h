// The device records: plain fixed-size values copied whole; text copies are cut to their field.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

constexpr int DEVICE_AP = 1;
constexpr int DEVICE_WBRIDGE = 2;

// Copies at most N-1 bytes of `src` into a zeroed `dst`, always leaving a terminator.
template <size_t N> void CopyText(char (&dst)[N], std::string_view src) {
    std::memset(dst, 0, N);
    std::memcpy(dst, src.data(), src.size() < N - 1 ? src.size() : N - 1);
}
// The text held in a terminated field (never reads past the field).
template <size_t N> std::string_view FieldText(const char (&field)[N]) {
    return {field, strnlen(field, N)};
}

struct tag_DEVICE_INFO {
    std::uint32_t LocalIP = 0;
    std::uint32_t LocalMask = 0;
    std::uint32_t DeviceIP = 0;
    std::uint8_t MacAddr[6] = {};
    char DevName[34] = {};
};

struct tag_IP_SETTING {
    std::int32_t DHCP = 0;
    std::uint32_t IPAddr = 0;
    std::uint32_t NetMask = 0;
    std::uint32_t Gateway = 0;
    std::uint32_t DNS1 = 0;
    std::uint32_t DNS2 = 0;
    bool operator==(const tag_IP_SETTING&) const = default;
};

struct tag_WL_PROFILE {
    char SSID[33] = {};
    std::uint8_t StdChannel = 0;
    std::uint8_t ExtChannel = 0;
    std::uint8_t ChannelList[256] = {};
    std::int32_t WlMode = 0;
    std::int32_t SecurityMode = 0;
    std::int32_t AuthMode = 0;
    std::int32_t WepKeyLen = 0;
    std::int32_t WepKeyIndex = 0;
    char WepKey[128] = {};
    std::int32_t WpaMode = 0;
    std::int32_t WpaCipher = 0;
    char Passphrase[128] = {};
    std::uint32_t WpsPin = 0;
    std::uint32_t EnrolleePin = 0;
};

// One access point heard in a site survey; the only record with a counted string.
struct tag_AP_ROFIILE {
    std::uint8_t HeadFlag = 0;
    std::string SSID;
    std::uint8_t BSSID[6] = {};
    std::int32_t Signal = 0;
    std::int32_t Channel = 0;
    std::uint8_t Cipher = 0;
    std::uint8_t AuthType = 0;
    std::uint8_t IconFlag = 0;
    std::uint8_t WpsFlag = 0;
};
