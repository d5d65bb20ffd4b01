#include "link/answers.h"

#include "app/debug.h"
#include "link/packet.h"

#include <cstring>
#include <string>
#include <string_view>

namespace {
std::string_view Text(std::uint8_t length, const std::uint8_t* value) {
    return {reinterpret_cast<const char*>(value), length};
}
} // namespace

bool ReadDiscoverAnswer(std::span<const std::uint8_t> payload, tag_DEVICE_INFO& device) {
    const int items =
        WalkTLV(payload, [&](std::uint8_t type, std::uint8_t length, const std::uint8_t* value) {
            if (type != DEVICE_NAME) return;
            CopyText(device.DevName, Text(length, value));
            Log("  DevName=%s", device.DevName);
        });
    return items > 0;
}

TLoginAnswer ReadLoginAnswer(std::span<const std::uint8_t> payload) {
    TLoginAnswer answer;
    WalkTLV(payload, [&](std::uint8_t type, std::uint8_t length, const std::uint8_t* value) {
        if (type == TLVTYPE_OTHER_RESULT) {
            answer.Result = TLVByte(length, value);
            Log("  Result=%d", answer.Result);
        } else if (type == TLVTYPE_OTHER_PORT) {
            answer.HasPort = true;
            answer.Port = TLVWord(length, value);
            Log("  Port=%d", answer.Port);
        }
    });
    return answer;
}

int ReadResultAnswer(std::span<const std::uint8_t> payload) {
    int result = 0;
    WalkTLV(payload, [&](std::uint8_t type, std::uint8_t length, const std::uint8_t* value) {
        if (type != TLVTYPE_OTHER_RESULT) return;
        result = TLVByte(length, value);
        Log("  Result=%d", result);
    });
    return result;
}

void ReadConfigAnswer(std::span<const std::uint8_t> payload, int& deviceMode, tag_IP_SETTING& ip,
                      tag_WL_PROFILE& profile) {
    WalkTLV(payload, [&](std::uint8_t type, std::uint8_t length, const std::uint8_t* value) {
        const std::uint8_t byte = TLVByte(length, value);
        switch (type) {
        case DEVICE_MODE:
            deviceMode = byte;
            Log("  DEVICE_MODE=0x%02X", byte);
            break;
        case IP_MODE:
            ip.DHCP = byte != 0 ? 1 : 0;
            Log("  IP_MODE=%d", ip.DHCP);
            break;
        case LAN_IP:
            ip.IPAddr = TLVDWord(length, value);
            Log("  LAN_IP=%X", ip.IPAddr);
            break;
        case LAN_NETMASK:
            ip.NetMask = TLVDWord(length, value);
            Log("  LAN_NETMASK=%X", ip.NetMask);
            break;
        case LAN_GATEWAY:
            ip.Gateway = TLVDWord(length, value);
            Log("  LAN_GATEWAY=%X", ip.Gateway);
            break;
        case WL_SSID:
            CopyText(profile.SSID, Text(length, value));
            Log("  WL_SSID=%s", profile.SSID);
            break;
        case WL_CH_LIST: {
            // At most 255 channels and the 0 byte always fit the 256-byte list.
            std::memset(profile.ChannelList, 0, sizeof profile.ChannelList);
            std::memcpy(profile.ChannelList, value, length);
            std::string numbers;
            for (int n = 0; n < length; ++n)
                numbers += " " + std::to_string(value[n]);
            Log("  WL_CH_LIST=(%d) %s", length, numbers.c_str());
            break;
        }
        case WL_EXT_CH:
            profile.ExtChannel = byte;
            Log("  WL_EXT_CH=%d", byte);
            break;
        case WL_STD_CH:
            profile.StdChannel = byte;
            Log("  WL_STD_CH=%d", byte);
            break;
        case WL_SECURITY_MODE:
            profile.SecurityMode = byte;
            Log("  WL_SECURITY_MODE=%d", byte);
            break;
        case WL_AUTH_MODE:
            profile.AuthMode = byte;
            Log("  WL_AUTH_MODE=%d", byte);
            break;
        case WL_WEPKEY_LEN:
            profile.WepKeyLen = byte;
            Log("  WL_WEPKEY_LEN=%d", byte);
            break;
        case WL_WEPKEY_INDEX:
            Log("  WL_WEPKEY_INDEX=%d", byte);
            break;
        case WL_WPA_MODE:
            profile.WpaMode = byte;
            Log("  WL_WPA_MODE=%d", byte);
            break;
        case WL_WPA_CIPHER:
            profile.WpaCipher = byte;
            Log("  WL_WPA_CIPHER=%d", byte);
            break;
        case WL_WPS_PIN:
            profile.WpsPin = TLVDWord(length, value);
            Log("  WL_WPS_PIN=0x%08X", profile.WpsPin);
            break;
        default:
            Log("  TLV=0x%X", type);
            break;
        }
    });
}

void ReadStationConfigAnswer(std::span<const std::uint8_t> payload, char (&clientPIN)[12]) {
    WalkTLV(payload, [&](std::uint8_t type, std::uint8_t length, const std::uint8_t* value) {
        if (type == WL_WPS_PIN) {
            CopyText(clientPIN, Text(length, value));
            Log("  AP Client PIN Code = %s", clientPIN);
        } else {
            Log("  TLV=0x%X", type);
        }
    });
}

std::vector<TEventItem> ReadEventAnswer(std::span<const std::uint8_t> payload) {
    std::vector<TEventItem> items;
    WalkTLV(payload, [&](std::uint8_t type, std::uint8_t length, const std::uint8_t* value) {
        if (type == TLVTYPE_OTHER_CONNECTTIMEOUT) {
            LogText("  TLVTYPE_OTHER_CONNECTTIMEOUT");
            items.push_back({TEventItem::ConnectTimeout, 0});
        } else if (type == TLVTYPE_OTHER_WPS_STATUS) {
            const auto status = static_cast<std::int32_t>(TLVDWord(length, value));
            Log("  TLVTYPE_OTHER_WPS_STATUS %d", status);
            items.push_back({TEventItem::WpsStatus, status});
        } else {
            Log("  TLV=0x%X", type);
        }
    });
    return items;
}
