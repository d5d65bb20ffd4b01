// The simulated device's own reading and writing of datagrams: header, TLV items and survey entries.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace swpsim {

using Bytes = std::vector<std::uint8_t>;
using Mac = std::array<std::uint8_t, 6>;

constexpr std::size_t kHeaderSize = 18;
constexpr std::uint8_t kVersion = 2;
constexpr std::string_view kMagic = "SWP12345";
// The largest payload a client request can carry (1024-byte request buffer less the header).
constexpr std::size_t kMaxRequestPayload = 1006;
constexpr std::size_t kSurveyEntrySize = 49;

namespace op {
constexpr std::uint8_t Discover = 0;
constexpr std::uint8_t Login = 1;
constexpr std::uint8_t Logout = 2;
constexpr std::uint8_t GetConfig = 3;
constexpr std::uint8_t SetConfig = 4;
constexpr std::uint8_t Event = 6;
constexpr std::uint8_t SiteSurvey = 7;
constexpr std::uint8_t StationGetConfig = 8;
constexpr std::uint8_t StationSetConfig = 9;
} // namespace op

namespace tlv {
constexpr std::uint8_t DeviceMode = 0x00;
constexpr std::uint8_t DeviceName = 0x01;
constexpr std::uint8_t DeviceMac = 0x02;
constexpr std::uint8_t IpMode = 0x30;
constexpr std::uint8_t LanIp = 0x31;
constexpr std::uint8_t LanNetmask = 0x32;
constexpr std::uint8_t LanGateway = 0x33;
constexpr std::uint8_t WlSsid = 0x50;
constexpr std::uint8_t WlChList = 0x51;
constexpr std::uint8_t WlExtCh = 0x52;
constexpr std::uint8_t WlStdCh = 0x53;
constexpr std::uint8_t WlMode = 0x54;
constexpr std::uint8_t WlStaFlag = 0x59;
constexpr std::uint8_t WlSecurityMode = 0x60;
constexpr std::uint8_t WlAuthMode = 0x61;
constexpr std::uint8_t WlWepKeyLen = 0x62;
constexpr std::uint8_t WlWepKey = 0x63;
constexpr std::uint8_t WlWepKeyIndex = 0x67;
constexpr std::uint8_t WlWpaMode = 0x68;
constexpr std::uint8_t WlWpaCipher = 0x69;
constexpr std::uint8_t WlWpaPsk = 0x6A;
constexpr std::uint8_t WlWpsPbc = 0x6B;
constexpr std::uint8_t WlWpsPin = 0x6C;
constexpr std::uint8_t OtherAuth = 0x90;
constexpr std::uint8_t OtherResult = 0x91;
constexpr std::uint8_t OtherPort = 0x92;
constexpr std::uint8_t OtherGetConfig = 0x93;
constexpr std::uint8_t OtherConnectTimeout = 0x95;
constexpr std::uint8_t OtherWpsStatus = 0x96;
} // namespace tlv

struct Header {
    Mac mac{};
    std::uint8_t opCode = 0;
    std::uint16_t length = 0;
};

// Why a received datagram was refused, in the order the checks run.
enum class HeaderError { None, Short, Magic, Version, TotalLength };
const char* HeaderErrorText(HeaderError e);

// Checks size, magic word, version and total length; fills `out` when they pass.
HeaderError ParseHeader(std::span<const std::uint8_t> datagram, Header& out);

struct Item {
    std::uint8_t type = 0;
    std::span<const std::uint8_t> value;
};

struct ItemWalk {
    std::vector<Item> items;
    bool overrun = false;   // an item claimed more bytes than were left; the walk stopped there
    bool strayByte = false; // one byte was left after the last complete item
};

// Splits a payload into TLV items; never reads past the payload.
ItemWalk ReadItems(std::span<const std::uint8_t> payload);
// The first item of `type`, or nullptr.
const Item* FindItem(const ItemWalk& walk, std::uint8_t type);

// Appends TLV items to a payload; values longer than 255 bytes are cut to 255.
class PayloadWriter {
public:
    PayloadWriter& Byte(std::uint8_t type, std::uint8_t value);
    PayloadWriter& Word(std::uint8_t type, std::uint16_t value);
    PayloadWriter& Dword(std::uint8_t type, std::uint32_t value);
    PayloadWriter& Text(std::uint8_t type, std::string_view text);
    PayloadWriter& Raw(std::uint8_t type, std::span<const std::uint8_t> value);
    PayloadWriter& Empty(std::uint8_t type);
    const Bytes& bytes() const { return m_bytes; }
    Bytes Take() { return std::move(m_bytes); }

private:
    Bytes m_bytes;
};

// Header (magic, version 2, `mac`, `opCode`, big-endian length) followed by `payload` as given.
Bytes BuildDatagram(const Mac& mac, std::uint8_t opCode, std::span<const std::uint8_t> payload);

// One access point entry of a site-survey answer.
struct SurveyEntry {
    std::uint8_t headFlag = 0;
    std::string ssid;
    Mac bssid{};
    int signal = 0;
    int channel = 0;
    std::uint8_t cipher = 0;
    std::uint8_t authType = 0;
    std::uint8_t iconFlag = 0;
    std::uint8_t wpsFlag = 0;
    bool operator==(const SurveyEntry&) const = default;
};

// 49 bytes: name zero-filled to 32, signal and channel as 3 right-aligned decimal characters.
void AppendSurveyEntry(Bytes& out, const SurveyEntry& entry);
// Reads whole 49-byte entries; a shorter tail is ignored.
std::vector<SurveyEntry> ReadSurveyEntries(std::span<const std::uint8_t> payload);

std::uint32_t ReadBe32(std::span<const std::uint8_t> bytes);
std::string ValueText(const Item& item);
std::string MacText(const Mac& mac);
bool ParseMac(std::string_view text, Mac& out);
std::string Ipv4Text(std::uint32_t hostOrder);
bool ParseIpv4(std::string_view text, std::uint32_t& hostOrder);
std::string HexDump(std::span<const std::uint8_t> bytes);

} // namespace swpsim
