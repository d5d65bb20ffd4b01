#include "link/requests.h"

#include <cstdio>

namespace {
void Start(CPacket& packet, const std::uint8_t* clientMac, std::uint8_t opCode) {
    packet.BuildHeader(clientMac);
    packet.SetOpCode(opCode);
}

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// The security items shared by the access-point and station settings.
void AppendSecurity(CPacket& packet, const tag_WL_PROFILE& profile) {
    packet.AppendByte(WL_SECURITY_MODE, LowByte(profile.SecurityMode));
    if (profile.SecurityMode == 1) {
        packet.AppendByte(WL_AUTH_MODE, LowByte(profile.AuthMode));
        packet.AppendText(WL_WEPKEY, FieldText(profile.WepKey));
        packet.AppendByte(WL_WEPKEY_INDEX, 0);
    } else if (profile.SecurityMode == 2) {
        packet.AppendByte(WL_WPA_MODE, LowByte(profile.WpaMode));
        packet.AppendByte(WL_WPA_CIPHER, LowByte(profile.WpaCipher));
        packet.AppendText(WL_WPA_PSK, FieldText(profile.Passphrase));
    }
}
} // namespace

void BuildDiscover(CPacket& packet, const std::uint8_t* clientMac) {
    Start(packet, clientMac, OP_DISCOVER);
    packet.SetLength();
}

void BuildLogin(CPacket& packet, const std::uint8_t* clientMac, const std::uint8_t* deviceMac) {
    Start(packet, clientMac, OP_LOGIN);
    packet.AppendBytes(DEVICE_MAC, deviceMac, 6);
    packet.AppendText(TLVTYPE_OTHER_AUTH, LOGIN_AUTH_PHRASE);
    packet.SetLength();
}

void BuildLogout(CPacket& packet, const std::uint8_t* clientMac) {
    Start(packet, clientMac, OP_LOGOUT);
    packet.SetLength();
}

void BuildGetConfig(CPacket& packet, const std::uint8_t* clientMac) {
    Start(packet, clientMac, OP_GET_CONFIG);
    packet.AppendByte(TLVTYPE_OTHER_GETCONFIG, 0);
    packet.SetLength();
}

void BuildGetMode(CPacket& packet, const std::uint8_t* clientMac) {
    Start(packet, clientMac, OP_GET_CONFIG);
    packet.AppendByte(DEVICE_MODE, 0);
    packet.SetLength();
}

void BuildSiteSurvey(CPacket& packet, const std::uint8_t* clientMac) {
    Start(packet, clientMac, OP_SITE_SURVEY);
    packet.SetLength();
}

void BuildStationGetConfig(CPacket& packet, const std::uint8_t* clientMac) {
    Start(packet, clientMac, OP_STATION_GET_CONFIG);
    packet.SetLength();
}

void BuildIPSetting(CPacket& packet, const std::uint8_t* clientMac, const tag_IP_SETTING& setting) {
    Start(packet, clientMac, OP_SET_CONFIG);
    if (setting.DHCP != 0) {
        packet.AppendByte(IP_MODE, 1);
    } else {
        packet.AppendByte(IP_MODE, 0);
        packet.AppendDWord(LAN_IP, setting.IPAddr);
        packet.AppendDWord(LAN_NETMASK, setting.NetMask);
        packet.AppendDWord(LAN_GATEWAY, setting.Gateway);
    }
    packet.SetLength();
}

void BuildWlSetting(CPacket& packet, const std::uint8_t* clientMac, const tag_WL_PROFILE& profile) {
    Start(packet, clientMac, OP_SET_CONFIG);
    packet.AppendText(WL_SSID, FieldText(profile.SSID));
    packet.AppendByte(WL_STD_CH, profile.StdChannel);
    if (profile.StdChannel != 0) packet.AppendByte(WL_EXT_CH, profile.ExtChannel);
    packet.AppendByte(WL_MODE, LowByte(profile.WlMode));
    AppendSecurity(packet, profile);
    packet.SetLength();
}

void BuildWlStationSetting(CPacket& packet, const std::uint8_t* clientMac, const tag_WL_PROFILE& profile) {
    Start(packet, clientMac, OP_STATION_SET_CONFIG);
    packet.AppendText(WL_SSID, FieldText(profile.SSID));
    packet.AppendByte(WL_STA_FLAG, 1);
    packet.AppendByte(WL_MODE, LowByte(profile.WlMode));
    AppendSecurity(packet, profile);
    packet.SetLength();
}

void BuildWPSPBC(CPacket& packet, const std::uint8_t* clientMac) {
    Start(packet, clientMac, OP_SET_CONFIG);
    packet.AppendEmpty(WL_WPS_PBC);
    packet.SetLength();
}

void BuildWPSPIN(CPacket& packet, const std::uint8_t* clientMac, int deviceMode,
                 const tag_WL_PROFILE& profile) {
    Start(packet, clientMac, OP_SET_CONFIG);
    if (deviceMode == DEVICE_AP) {
        char pin[16];
        const int n = std::snprintf(pin, sizeof pin, "%08u", static_cast<unsigned>(profile.EnrolleePin));
        packet.AppendText(WL_WPS_PIN, std::string_view(pin, n > 0 ? static_cast<std::size_t>(n) : 0));
    } else {
        packet.AppendText(WL_WPS_PIN, FieldText(profile.SSID));
    }
    packet.SetLength();
}

void BuildSetMode(CPacket& packet, const std::uint8_t* clientMac, int mode) {
    Start(packet, clientMac, OP_SET_CONFIG);
    packet.AppendByte(DEVICE_MODE, static_cast<std::uint8_t>(mode & 0xFF));
    packet.SetLength();
}
