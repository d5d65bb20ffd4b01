// Wire constants of the device protocol: header layout, ports, operation codes and TLV types.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

using TMacAddr = std::array<std::uint8_t, 6>;

constexpr std::uint16_t UDP_DEVICE_PORT = 5432; // discovery and login
constexpr std::uint16_t UDP_CLIENT_PORT = 5433; // every adapter socket

constexpr std::size_t UDP_HEADER_SIZE = 18;
constexpr std::size_t UDP_SEND_BUFFER = 1024;
constexpr std::size_t UDP_MAX_PAYLOAD = UDP_SEND_BUFFER - UDP_HEADER_SIZE; // 1006
constexpr std::size_t UDP_RECV_BUFFER = 65536;
constexpr std::uint8_t UDP_VERSION = 2;
constexpr char UDP_MAGIC[8] = {'S', 'W', 'P', '1', '2', '3', '4', '5'};
constexpr std::size_t SURVEY_ENTRY_SIZE = 49;

// The 18-byte packet header as it stands on the wire; Length is big-endian.
struct tag_UDP_HEADER {
    char Magic[8];
    std::uint8_t Version;
    std::uint8_t MacAddr[6];
    std::uint8_t OpCode;
    std::uint8_t Length[2];
};
static_assert(sizeof(tag_UDP_HEADER) == UDP_HEADER_SIZE);

// Operation codes.
constexpr std::uint8_t OP_DISCOVER = 0;
constexpr std::uint8_t OP_LOGIN = 1;
constexpr std::uint8_t OP_LOGOUT = 2;
constexpr std::uint8_t OP_GET_CONFIG = 3;
constexpr std::uint8_t OP_SET_CONFIG = 4;
constexpr std::uint8_t OP_EVENT = 6;
constexpr std::uint8_t OP_SITE_SURVEY = 7;
constexpr std::uint8_t OP_STATION_GET_CONFIG = 8;
constexpr std::uint8_t OP_STATION_SET_CONFIG = 9;

// TLV types.
constexpr std::uint8_t DEVICE_MODE = 0x00;
constexpr std::uint8_t DEVICE_NAME = 0x01;
constexpr std::uint8_t DEVICE_MAC = 0x02;
constexpr std::uint8_t IP_MODE = 0x30;
constexpr std::uint8_t LAN_IP = 0x31;
constexpr std::uint8_t LAN_NETMASK = 0x32;
constexpr std::uint8_t LAN_GATEWAY = 0x33;
constexpr std::uint8_t WL_SSID = 0x50;
constexpr std::uint8_t WL_CH_LIST = 0x51;
constexpr std::uint8_t WL_EXT_CH = 0x52;
constexpr std::uint8_t WL_STD_CH = 0x53;
constexpr std::uint8_t WL_MODE = 0x54;
constexpr std::uint8_t WL_STA_FLAG = 0x59;
constexpr std::uint8_t WL_SECURITY_MODE = 0x60;
constexpr std::uint8_t WL_AUTH_MODE = 0x61;
constexpr std::uint8_t WL_WEPKEY_LEN = 0x62;
constexpr std::uint8_t WL_WEPKEY = 0x63;
constexpr std::uint8_t WL_WEPKEY_INDEX = 0x67;
constexpr std::uint8_t WL_WPA_MODE = 0x68;
constexpr std::uint8_t WL_WPA_CIPHER = 0x69;
constexpr std::uint8_t WL_WPA_PSK = 0x6A;
constexpr std::uint8_t WL_WPS_PBC = 0x6B;
constexpr std::uint8_t WL_WPS_PIN = 0x6C;
constexpr std::uint8_t TLVTYPE_OTHER_AUTH = 0x90;
constexpr std::uint8_t TLVTYPE_OTHER_RESULT = 0x91;
constexpr std::uint8_t TLVTYPE_OTHER_PORT = 0x92;
constexpr std::uint8_t TLVTYPE_OTHER_GETCONFIG = 0x93;
constexpr std::uint8_t TLVTYPE_OTHER_CONNECTTIMEOUT = 0x95;
constexpr std::uint8_t TLVTYPE_OTHER_WPS_STATUS = 0x96;

// The fixed phrase of every login request (91 characters, sent without terminator).
constexpr char LOGIN_AUTH_PHRASE[] =
    "Pqv bridge peer vouched; this fixed phrase opens the UDP talk, 2x2 kit. Quoting forbidden!!";
static_assert(sizeof(LOGIN_AUTH_PHRASE) - 1 == 91);
