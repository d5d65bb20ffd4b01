#include "cli/configview.h"

#include "app/globalvar.h"
#include "link/iphelp.h"

#include <QJsonArray>

#include <cstdio>

namespace {

template <std::size_t N> std::string Coded(const std::string (&texts)[N], int code) {
    return code >= 0 && static_cast<std::size_t>(code) < N ? texts[code] : "(" + std::to_string(code) + ")";
}

const char* SecurityWord(int mode) {
    static const char* const words[] = {"none", "wep", "wpa-psk", "wpa"};
    return mode >= 0 && mode < 4 ? words[mode] : "other";
}

std::string Channels(const tag_WL_PROFILE& profile) {
    std::string text;
    for (std::uint8_t ch : profile.ChannelList) {
        if (ch == 0) break;
        text += (text.empty() ? "" : " ") + std::to_string(ch);
    }
    return text;
}

std::string PinText(std::uint32_t pin) {
    char text[16];
    std::snprintf(text, sizeof text, "%08u", static_cast<unsigned>(pin));
    return text;
}

} // namespace

std::string WlModeText(int wlMode) {
    return Coded(g_Var.WlModeStr, wlMode);
}

std::string ModeText(int deviceMode) {
    if (deviceMode == DEVICE_AP) return "access point";
    if (deviceMode == DEVICE_WBRIDGE) return "bridge (AP client)";
    return "unknown (" + std::to_string(deviceMode) + ")";
}

QString ModeWord(int deviceMode) {
    if (deviceMode == DEVICE_AP) return "ap";
    if (deviceMode == DEVICE_WBRIDGE) return "bridge";
    return QString::number(deviceMode);
}

std::string AddressText(std::uint32_t address, bool gateway) {
    if (address == 0 || (gateway && address == 0xFFFFFFFFu)) return {};
    return HostToDotted(address);
}

TFieldList IPFields(const tag_IP_SETTING& ip) {
    return {{"IP mode", ip.DHCP ? "automatic (DHCP)" : "static"},
            {"IP address", AddressText(ip.IPAddr)},
            {"Subnet mask", AddressText(ip.NetMask)},
            {"Gateway", AddressText(ip.Gateway, true)}};
}

QJsonObject IPJson(const tag_IP_SETTING& ip) {
    return {{"dhcp", ip.DHCP != 0},
            {"address", QString::fromStdString(AddressText(ip.IPAddr))},
            {"netmask", QString::fromStdString(AddressText(ip.NetMask))},
            {"gateway", QString::fromStdString(AddressText(ip.Gateway, true))}};
}

TFieldList WirelessFields(const tag_WL_PROFILE& p) {
    TFieldList fields = {
        {"SSID", Printable(FieldText(p.SSID))},
        {"Channel", p.StdChannel ? std::to_string(p.StdChannel) : "automatic"},
        {"Channels allowed", Channels(p)},
        {"Security", Coded(g_Var.SecurityStr, p.SecurityMode)},
    };
    if (p.SecurityMode == 1) {
        fields.push_back({"WEP key length", Coded(g_Var.WepLenStr, p.WepKeyLen)});
        fields.push_back({"Authentication", Coded(g_Var.AuthenStr, p.AuthMode)});
    } else if (p.SecurityMode == 2) {
        fields.push_back({"WPA mode", Coded(g_Var.WpaModeStr, p.WpaMode)});
        fields.push_back({"Cipher", Coded(g_Var.CipherStr, p.WpaCipher)});
    }
    fields.push_back({"WPS PIN", PinText(p.WpsPin)});
    return fields;
}

QJsonObject WirelessJson(const tag_WL_PROFILE& p) {
    QJsonArray channels;
    for (std::uint8_t ch : p.ChannelList) {
        if (ch == 0) break;
        channels.append(ch);
    }
    QJsonObject o{{"ssid", JsonText(FieldText(p.SSID))},
                  {"channel", p.StdChannel},
                  {"ext_channel", p.ExtChannel},
                  {"channels", channels},
                  {"security", SecurityWord(p.SecurityMode)},
                  {"wps_pin", QString::fromStdString(PinText(p.WpsPin))}};
    if (p.SecurityMode == 1) {
        o["wep_length"] = p.WepKeyLen == 1 ? 128 : 64;
        o["auth"] = p.AuthMode == 0 ? "open" : p.AuthMode == 1 ? "shared" : "auto";
    } else if (p.SecurityMode == 2) {
        o["wpa"] = p.WpaMode == 0 ? "wpa" : p.WpaMode == 1 ? "wpa2" : "auto";
        o["cipher"] = p.WpaCipher == 0 ? "tkip" : p.WpaCipher == 1 ? "aes" : "tkip-aes";
    }
    return o;
}
