// Byte vectors of requests and answers written out by hand from the wire format, for the simulator's codec.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace simvec {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}
inline Bytes Text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

inline const std::string kPhrase =
    "Pqv bridge peer vouched; this fixed phrase opens the UDP talk, 2x2 kit. Quoting forbidden!!";

// Login to 00:11:22:33:44:55: DEVICE_MAC then the phrase item with length byte 91 (0x5B).
inline Bytes LoginPayload() {
    return Cat({{0x02, 0x06, 0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, {0x90, 0x5B}, Text(kPhrase)});
}

inline const Bytes kIpDhcp = {0x30, 0x01, 0x01};
// 192.168.10.100 / 255.255.255.0 / 192.168.10.1
inline const Bytes kIpFixed = {0x30, 0x01, 0x00, 0x31, 0x04, 0xC0, 0xA8, 0x0A, 0x64, 0x32, 0x04,
                               0xFF, 0xFF, 0xFF, 0x00, 0x33, 0x04, 0xC0, 0xA8, 0x0A, 0x01};

// Wireless setting "Home", channel 6 (extension 0), mode 9, WEP shared-or-open auto, key "abcde", index 0.
inline Bytes WlWep() {
    return Cat({{0x50, 0x04},
                Text("Home"),
                {0x53, 0x01, 0x06, 0x52, 0x01, 0x00, 0x54, 0x01, 0x09},
                {0x60, 0x01, 0x01, 0x61, 0x01, 0x02, 0x63, 0x05},
                Text("abcde"),
                {0x67, 0x01, 0x00}});
}
// Wireless setting "Home", channel 0 (so no extension item), WPA-PSK WPA2 AES "password".
inline Bytes WlWpaChannel0() {
    return Cat({{0x50, 0x04},
                Text("Home"),
                {0x53, 0x01, 0x00, 0x54, 0x01, 0x09},
                {0x60, 0x01, 0x02, 0x68, 0x01, 0x01, 0x69, 0x01, 0x01, 0x6A, 0x08},
                Text("password")});
}
// Wireless setting with security 3: nothing after the security item.
inline Bytes WlSecurity3() {
    return Cat({{0x50, 0x04}, Text("Home"), {0x53, 0x01, 0x00, 0x54, 0x01, 0x07, 0x60, 0x01, 0x03}});
}
// Station setting "Home": station flag, mode, WPA-PSK auto/TKIP+AES "secret-psk"; no channel items.
inline Bytes StationWpa() {
    return Cat({{0x50, 0x04},
                Text("Home"),
                {0x59, 0x01, 0x01, 0x54, 0x01, 0x09},
                {0x60, 0x01, 0x02, 0x68, 0x01, 0x02, 0x69, 0x01, 0x02, 0x6A, 0x0A},
                Text("secret-psk")});
}
inline const Bytes kWpsPbc = {0x6B, 0x00};
inline Bytes WpsPinAp() {
    return Cat({{0x6C, 0x08}, Text("00000000")});
}
inline Bytes WpsPinBridge() {
    return Cat({{0x6C, 0x07}, Text("HomeNet")});
}
inline const Bytes kSetModeBridge = {0x00, 0x01, 0x02};
inline const Bytes kGetConfig = {0x93, 0x01, 0x00};
inline const Bytes kGetMode = {0x00, 0x01, 0x00};

// Answers.
inline const Bytes kLoginOkPort6000 = {0x91, 0x01, 0x01, 0x92, 0x02, 0x17, 0x70};
inline const Bytes kResultOk = {0x91, 0x01, 0x01};
inline const Bytes kWpsStatus3 = {0x96, 0x04, 0x00, 0x00, 0x00, 0x03};
// Discovery answer header of device 02:53:57:50:00:01 with the name "Dev".
inline Bytes DiscoveryAnswer() {
    return Cat({Text("SWP12345"),
                {0x02, 0x02, 0x53, 0x57, 0x50, 0x00, 0x01, 0x00, 0x00, 0x05},
                {0x01, 0x03},
                Text("Dev")});
}
// One survey entry: head flag, "HomeNet" zero-filled to 32, BSSID, signal " 86", channel "  6", AES,
// WPA2-PSK, icon flag 1, WPS 1.
inline Bytes SurveyEntryHomeNet() {
    Bytes name = Text("HomeNet");
    name.resize(32, 0);
    return Cat({{0x01},
                name,
                {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x01},
                Text(" 86"),
                Text("  6"),
                {0x03, 0x03, 0x01, 0x01}});
}

} // namespace simvec
