// Golden byte vectors of the device protocol, written by hand from the protocol description (never produced
// by our own codec), so that the client's codec and the device simulator cannot share one mistake.
// Payloads are plain (before enciphering) unless the name says otherwise; hex bytes are separated by blanks.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace golden {

// The addresses the vectors use: the client (request headers) and the device (answer headers).
inline constexpr std::uint8_t ClientMac[6] = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
inline constexpr std::uint8_t DeviceMac[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

struct TVector {
    const char* Name;
    std::uint8_t OpCode;
    const char* Hex;
};

// Parses "01 0A FF" (blanks optional between pairs) into bytes.
inline std::vector<std::uint8_t> Bytes(const char* hex) {
    std::vector<std::uint8_t> out;
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (const char* p = hex; *p;) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        const int hi = nibble(p[0]), lo = p[1] ? nibble(p[1]) : -1;
        if (hi < 0 || lo < 0) throw std::invalid_argument(std::string("bad golden hex at: ") + p);
        out.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
        p += 2;
    }
    return out;
}

// ---- Requests (client to device) -----------------------------------------------------------------------

// Discovery, whole datagram: magic "SWP12345", version 2, client address, op 0, Length 0.
inline constexpr TVector DiscoverDatagram{"discovery datagram", 0,
                                          "53 57 50 31 32 33 34 35 02 02 00 00 00 00 01 00 00 00"};

// Login to DeviceMac: DEVICE_MAC (8 bytes) and the 91-character phrase (93 bytes) = 101 bytes.
inline constexpr TVector LoginRequest{"login request", 1,
                                      "02 06 00 1A 2B 3C 4D 5E "
                                      "90 5B "
                                      "50 71 76 20 62 72 69 64 67 65 20 70 65 65 72 20 "
                                      "76 6F 75 63 68 65 64 3B 20 74 68 69 73 20 66 69 "
                                      "78 65 64 20 70 68 72 61 73 65 20 6F 70 65 6E 73 "
                                      "20 74 68 65 20 55 44 50 20 74 61 6C 6B 2C 20 32 "
                                      "78 32 20 6B 69 74 2E 20 51 75 6F 74 69 6E 67 20 "
                                      "66 6F 72 62 69 64 64 65 6E 21 21"};

inline constexpr TVector LogoutRequest{"logout request", 2, ""};
inline constexpr TVector GetConfigRequest{"get configuration", 3, "93 01 00"};
inline constexpr TVector GetModeRequest{"get mode", 3, "00 01 00"};
inline constexpr TVector SiteSurveyRequest{"site survey", 7, ""};
inline constexpr TVector StationGetConfigRequest{"station get configuration", 8, ""};

// NewIPSetting DHCP 1 (IPAddr 192.168.10.100 is not sent).
inline constexpr TVector IPSettingDhcp{"IP setting DHCP", 4, "30 01 01"};
// NewIPSetting DHCP 0, 192.168.10.100 / 255.255.255.0 / 192.168.10.1: 21 bytes.
inline constexpr TVector IPSettingFixed{"IP setting fixed", 4,
                                        "30 01 00 31 04 C0 A8 0A 64 32 04 FF FF FF 00 33 04 C0 A8 0A 01"};

// Wireless setting: SSID "wireless", channel 0 (no WL_EXT_CH), WlMode 9, security 0.
inline constexpr TVector WlSettingOpenChannel0{"wireless setting, open, channel 0", 4,
                                               "50 08 77 69 72 65 6C 65 73 73 "
                                               "53 01 00 "
                                               "54 01 09 "
                                               "60 01 00"};
// SSID "home", channel 6 with extension channel 2 (WL_STD_CH first), WlMode 0, security 3 (nothing more).
inline constexpr TVector WlSettingWpaChannel6{"wireless setting, security 3, channel 6", 4,
                                              "50 04 68 6F 6D 65 "
                                              "53 01 06 52 01 02 "
                                              "54 01 00 "
                                              "60 01 03"};
// SSID "home", channel 0, WlMode 9, WEP, AuthMode 1, WepKey "12345", WepKeyIndex 3 (sent as 0).
inline constexpr TVector WlSettingWep{"wireless setting, WEP", 4,
                                      "50 04 68 6F 6D 65 "
                                      "53 01 00 "
                                      "54 01 09 "
                                      "60 01 01 61 01 01 63 05 31 32 33 34 35 67 01 00"};
// SSID "home", channel 11 with extension channel 0, WlMode 7, WPA-PSK, WpaMode 1, WpaCipher 1, "secret12".
inline constexpr TVector WlSettingWpaPsk{"wireless setting, WPA-PSK", 4,
                                         "50 04 68 6F 6D 65 "
                                         "53 01 0B 52 01 00 "
                                         "54 01 07 "
                                         "60 01 02 68 01 01 69 01 01 6A 08 73 65 63 72 65 74 31 32"};
// Station setting (op 9): SSID "home", WlMode 9, WPA-PSK 2/2 "secret12"; the profile's channel 6 is not sent.
inline constexpr TVector StationSettingWpaPsk{"station setting, WPA-PSK", 9,
                                              "50 04 68 6F 6D 65 "
                                              "59 01 01 "
                                              "54 01 09 "
                                              "60 01 02 68 01 02 69 01 02 6A 08 73 65 63 72 65 74 31 32"};
// Station setting: SSID "home", WlMode 9, WEP, AuthMode 2, WepKey "ABCDEF0123", WepKeyIndex 1 (sent as 0).
inline constexpr TVector StationSettingWep{"station setting, WEP", 9,
                                           "50 04 68 6F 6D 65 "
                                           "59 01 01 "
                                           "54 01 09 "
                                           "60 01 01 61 01 02 63 0A 41 42 43 44 45 46 30 31 32 33 67 01 00"};

inline constexpr TVector WpsPbcRequest{"WPS push button", 4, "6B 00"};
// Access-point mode, EnrolleePin 1234567: "01234567".
inline constexpr TVector WpsPinApRequest{"WPS PIN, access point", 4, "6C 08 30 31 32 33 34 35 36 37"};
// Bridge mode, NewWlProfile.SSID "neighbour".
inline constexpr TVector WpsPinBridgeRequest{"WPS PIN, bridge", 4, "6C 09 6E 65 69 67 68 62 6F 75 72"};
inline constexpr TVector SetModeBridgeRequest{"set mode bridge", 4, "00 01 02"};

// ---- Answers and events (device to client) -------------------------------------------------------------

// Discovery answer, whole datagram (never enciphered): DeviceMac, op 0, Length 12, DEVICE_NAME "QVN-514WBR".
inline constexpr TVector DiscoverAnswerDatagram{"discovery answer datagram", 0,
                                                "53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 00 00 0C "
                                                "01 0A 51 56 4E 2D 35 31 34 57 42 52"};
inline constexpr TVector DiscoverAnswerEmptyName{"discovery answer, empty name", 0, "01 00"};
inline constexpr TVector DiscoverAnswerEmpty{"discovery answer, empty payload", 0, ""};

// Result 1, command port 6000.
inline constexpr TVector LoginAccepted{"login accepted, port 6000", 1, "91 01 01 92 02 17 70"};
// Result 0, port 6000 (the port still applies).
inline constexpr TVector LoginRefused{"login refused, port 6000", 1, "91 01 00 92 02 17 70"};
// No result item: reported as result 0.
inline constexpr TVector LoginNoResult{"login answer without result", 1, "92 02 17 70"};
inline constexpr TVector SetAccepted{"set answer, result 1", 4, "91 01 01"};
inline constexpr TVector SetRefused{"set answer, result 0", 4, "91 01 00"};

// Mode answer: DEVICE_MODE 2 only.
inline constexpr TVector ModeAnswerBridge{"mode answer, bridge", 3, "00 01 02"};
// Configuration answer: mode 1, IP_MODE 7 (reads as DHCP 1), 192.168.0.1 / 255.255.255.0 / 192.168.0.254,
// SSID "wireless", channel list 1..11, extension 0, channel 6, WPA-PSK, auth 2, WEP length 1, WEP index 2
// (logged only), WPA mode 2, cipher 2, WL_WPA_PSK "secret12" (not read: "  TLV=0x6A"), WPS PIN 0x012C4B6F.
inline constexpr TVector ConfigAnswer{"configuration answer", 3,
                                      "00 01 01 "
                                      "30 01 07 "
                                      "31 04 C0 A8 00 01 "
                                      "32 04 FF FF FF 00 "
                                      "33 04 C0 A8 00 FE "
                                      "50 08 77 69 72 65 6C 65 73 73 "
                                      "51 0B 01 02 03 04 05 06 07 08 09 0A 0B "
                                      "52 01 00 "
                                      "53 01 06 "
                                      "60 01 02 "
                                      "61 01 02 "
                                      "62 01 01 "
                                      "67 01 02 "
                                      "68 01 02 "
                                      "69 01 02 "
                                      "6A 08 73 65 63 72 65 74 31 32 "
                                      "6C 04 01 2C 4B 6F"};
// Station configuration answer: the device's PIN as the text "12345670".
inline constexpr TVector StationConfigAnswer{"station configuration answer", 8,
                                             "6C 08 31 32 33 34 35 36 37 30"};

// Event: two WPS status items, 3 then 34 (two UM_UDP_EVENT in this order).
inline constexpr TVector EventWpsTwoStatuses{"event, WPS status 3 then 34", 6,
                                             "96 04 00 00 00 03 96 04 00 00 00 22"};
inline constexpr TVector EventConnectTimeout{"event, connect time-out", 6, "95 00"};
// Event: WPS status -1 (signed), then an unknown type 0x99 ("  TLV=0x99").
inline constexpr TVector EventNegativeStatus{"event, WPS status -1 and unknown type", 6,
                                             "96 04 FF FF FF FF 99 01 00"};

// Survey entries. Entry A: head flag 1, "HomeAP", 00:11:22:33:44:55, signal "08"+NUL = 8, channel " 11" = 11,
// cipher 3, auth 3, icon flag 1, WPS 1. Entry B: head flag 0, a 32-character name without terminator
// "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 66:77:88:99:AA:BB, signal three blanks = 0, channel "006" = 6,
// cipher 2, auth 4, icon flag 0, WPS 0.
#define GOLDEN_SURVEY_ENTRY_A                                                                                \
    "01 48 6F 6D 65 41 50 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "    \
    "00 11 22 33 44 55 30 38 00 20 31 31 03 03 01 01 "
#define GOLDEN_SURVEY_ENTRY_B                                                                                \
    "00 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56 57 58 59 5A 30 31 32 33 34 35 "    \
    "66 77 88 99 AA BB 20 20 20 30 30 36 02 04 00 00 "
// 98 bytes: both entries.
inline constexpr TVector SurveyTwoEntries{"survey answer, 98 bytes", 7,
                                          GOLDEN_SURVEY_ENTRY_A GOLDEN_SURVEY_ENTRY_B};
// 97 bytes: entry A and the first 48 bytes of entry B (ignored).
inline constexpr TVector SurveyOneEntryAndTail{
    "survey answer, 97 bytes", 7,
    GOLDEN_SURVEY_ENTRY_A
    "00 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56 57 58 59 5A 30 "
    "31 32 33 34 35 66 77 88 99 AA BB 20 20 20 30 30 36 02 04 00"};

// ---- Enciphered datagrams (RC4 over the payload only, fresh state per packet) ----------------------------

// Get configuration from ClientMac under the password "pylon".
inline constexpr TVector GetConfigPylonDatagram{"get configuration, key pylon", 3,
                                                "53 57 50 31 32 33 34 35 02 02 00 00 00 00 01 03 00 03 "
                                                "23 22 EB"};
// The same with an empty password (fixed key "pqjhvbcyto7981mgwxan").
inline constexpr TVector GetConfigFixedKeyDatagram{"get configuration, fixed key", 3,
                                                   "53 57 50 31 32 33 34 35 02 02 00 00 00 00 01 03 00 03 "
                                                   "82 61 86"};
// Login answer from DeviceMac, result 1, port 6000, under "pylon".
inline constexpr TVector LoginAcceptedPylonDatagram{"login accepted, key pylon", 1,
                                                    "53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 01 00 07 "
                                                    "21 22 EA 6F 1F 49 C5"};
// Set answer, result 1, under the fixed key.
inline constexpr TVector SetAcceptedFixedKeyDatagram{"set answer, fixed key", 4,
                                                     "53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 04 00 03 "
                                                     "80 61 87"};

// ---- Malformed datagrams and payloads
// ----------------------------------------------------------------------

// 17 bytes: dropped as "FAIL length".
inline constexpr TVector ShortDatagram{"17-byte datagram", 0,
                                       "53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 00 00"};
// Header Length 0 and nothing more: valid, dispatched with an empty payload.
inline constexpr TVector HeaderOnlyDatagram{"18-byte datagram", 0,
                                            "53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 00 00 00"};
inline constexpr TVector BadMagicDatagram{"bad magic", 0,
                                          "53 57 50 31 32 33 34 36 02 00 1A 2B 3C 4D 5E 00 00 00"};
inline constexpr TVector BadVersionDatagram{"bad version", 0,
                                            "53 57 50 31 32 33 34 35 01 00 1A 2B 3C 4D 5E 00 00 00"};
// Header says Length 10, 12 payload bytes follow: "FAIL total length".
inline constexpr TVector WrongTotalLengthDatagram{"wrong total length", 4,
                                                  "53 57 50 31 32 33 34 35 02 00 1A 2B 3C 4D 5E 04 00 0A "
                                                  "91 01 01 91 01 01 91 01 01 91 01 01"};
// One item with L = 5 in a 3-byte payload: "  not enough bytes in buffer", nothing read.
inline constexpr TVector OverrunningItem{"overrunning item", 0, "01 05 41"};
// A complete result item and one stray byte: read completely, no log line.
inline constexpr TVector StrayTrailingByte{"stray trailing byte", 4, "91 01 01 00"};

} // namespace golden
