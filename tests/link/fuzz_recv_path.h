// The received-datagram path without sockets: the header checks, deciphering and every answer reader, with
// the invariants a reader must keep. Shared by the libFuzzer target and the replay test.
#pragma once

#include "link/answers.h"
#include "link/packet.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace fuzzpath {

inline const TMacAddr ClientMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
inline const TMacAddr AdapterMacs[] = {{0x02, 0x00, 0x00, 0x00, 0x00, 0x01},
                                       {0x02, 0x00, 0x00, 0x00, 0x00, 0x02}};
inline const TMacAddr Broadcast{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// Stops the run on a broken invariant (a crash is what the fuzzer and the replay test look for).
inline void Require(bool ok) {
    if (!ok) __builtin_trap();
}

// Runs one datagram through the path; returns true when it passed the checks.
inline bool RunDatagram(const std::uint8_t* data, std::size_t size) {
    if (size > UDP_RECV_BUFFER) size = UDP_RECV_BUFFER; // what one receive can hold
    const TRecvFault fault = CheckDatagram({data, size}, AdapterMacs, ClientMac, Broadcast);
    if (fault != TRecvFault::None) return false;
    // A copy of exactly the datagram, so any read past it is caught by the address checker.
    std::vector<std::uint8_t> packet(data, data + size);
    DecipherPayload(packet.data(), packet.size(), "pylon");
    LogPacket("[Rx] fuzz", packet.data(), packet.size());
    const std::span<const std::uint8_t> payload(packet.data() + UDP_HEADER_SIZE,
                                                packet.size() - UDP_HEADER_SIZE);
    switch (HeaderOpCode(packet.data())) {
    case OP_DISCOVER: {
        tag_DEVICE_INFO device{};
        ReadDiscoverAnswer(payload, device);
        Require(strnlen(device.DevName, sizeof device.DevName) < sizeof device.DevName);
        break;
    }
    case OP_LOGIN: {
        const TLoginAnswer a = ReadLoginAnswer(payload);
        Require(a.Result >= 0 && a.Result <= 255);
        break;
    }
    case OP_LOGOUT:
    case OP_SET_CONFIG:
    case OP_STATION_SET_CONFIG:
        Require(ReadResultAnswer(payload) <= 255);
        break;
    case OP_GET_CONFIG: {
        int mode = 0;
        tag_IP_SETTING ip{};
        tag_WL_PROFILE profile{};
        ReadConfigAnswer(payload, mode, ip, profile);
        Require(strnlen(profile.SSID, sizeof profile.SSID) < sizeof profile.SSID);
        Require(ip.DHCP == 0 || ip.DHCP == 1);
        break;
    }
    case OP_EVENT:
        Require(ReadEventAnswer(payload).size() <= payload.size() / 2);
        break;
    case OP_SITE_SURVEY:
        for (const tag_AP_ROFIILE& ap : ReadSurveyEntries(payload)) {
            Require(ap.SSID.size() <= 32);
            Require(ap.HeadFlag <= 1 && ap.WpsFlag <= 1);
            Require(ap.Signal >= -99 && ap.Signal <= 999 && ap.Channel >= -99 && ap.Channel <= 999);
        }
        break;
    case OP_STATION_GET_CONFIG: {
        char pin[12];
        std::memset(pin, 'x', sizeof pin);
        ReadStationConfigAnswer(payload, pin);
        break;
    }
    default:
        break;
    }
    return true;
}

} // namespace fuzzpath
