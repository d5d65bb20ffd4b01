#include "link/packet.h"

#include "app/debug.h"
#include "link/rc4encry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

void CPacket::BuildHeader(const std::uint8_t* clientMac) {
    Bytes.fill(0);
    m_offset = 0;
    m_overflow = false;
    std::memcpy(Bytes.data(), UDP_MAGIC, sizeof UDP_MAGIC);
    Bytes[8] = UDP_VERSION;
    SetMac(clientMac);
}

void CPacket::SetMac(const std::uint8_t* mac) {
    if (mac) std::memcpy(Bytes.data() + 9, mac, 6);
}

void CPacket::SetLength() {
    Bytes[16] = static_cast<std::uint8_t>(m_offset >> 8);
    Bytes[17] = static_cast<std::uint8_t>(m_offset & 0xFF);
}

std::size_t CPacket::AppendBytes(std::uint8_t type, const std::uint8_t* data, std::size_t length) {
    if (length > 255 || m_offset + 2 + length > UDP_MAX_PAYLOAD || (length > 0 && !data)) {
        m_overflow = true;
        return m_offset;
    }
    std::uint8_t* at = Bytes.data() + UDP_HEADER_SIZE + m_offset;
    at[0] = type;
    at[1] = static_cast<std::uint8_t>(length);
    if (length > 0) std::memcpy(at + 2, data, length);
    m_offset += 2 + length;
    return m_offset;
}

std::size_t CPacket::AppendByte(std::uint8_t type, std::uint8_t value) {
    return AppendBytes(type, &value, 1);
}

std::size_t CPacket::AppendWord(std::uint8_t type, std::uint16_t value) {
    const std::uint8_t be[2] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    return AppendBytes(type, be, 2);
}

std::size_t CPacket::AppendDWord(std::uint8_t type, std::uint32_t hostValue) {
    const std::uint8_t be[4] = {
        static_cast<std::uint8_t>(hostValue >> 24), static_cast<std::uint8_t>(hostValue >> 16),
        static_cast<std::uint8_t>(hostValue >> 8), static_cast<std::uint8_t>(hostValue)};
    return AppendBytes(type, be, 4);
}

std::size_t CPacket::AppendText(std::uint8_t type, std::string_view text) {
    if (text.size() > 255) text = text.substr(0, 255);
    return AppendBytes(type, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::size_t CPacket::AppendEmpty(std::uint8_t type) {
    return AppendBytes(type, nullptr, 0);
}

int WalkTLV(std::span<const std::uint8_t> payload, const TTLVHandler& handler) {
    const std::size_t length = payload.size();
    std::size_t offset = 0;
    int items = 0;
    while (length - offset >= 2) {
        const std::uint8_t type = payload[offset];
        const std::uint8_t itemLength = payload[offset + 1];
        if (offset + 2 + itemLength > length) {
            LogText("  not enough bytes in buffer");
            break;
        }
        ++items;
        if (handler) handler(type, itemLength, payload.data() + offset + 2);
        offset += 2 + itemLength;
        if (offset == length) break;
    }
    return items;
}

namespace {
std::uint32_t BigEndian(std::uint8_t length, const std::uint8_t* value, int size) {
    std::uint32_t result = 0;
    for (int n = 0; n < size; ++n)
        result = result << 8 | (n < length && value ? value[n] : 0u);
    return result;
}
} // namespace

std::uint8_t TLVByte(std::uint8_t length, const std::uint8_t* value) {
    return static_cast<std::uint8_t>(BigEndian(length, value, 1));
}
std::uint16_t TLVWord(std::uint8_t length, const std::uint8_t* value) {
    return static_cast<std::uint16_t>(BigEndian(length, value, 2));
}
std::uint32_t TLVDWord(std::uint8_t length, const std::uint8_t* value) {
    return BigEndian(length, value, 4);
}

int SurveyNumber(const std::uint8_t* field3) {
    // A 4-byte zeroed copy bounds the conversion to the field.
    char text[4] = {};
    std::memcpy(text, field3, 3);
    const char* p = text;
    while (*p && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    int value = 0;
    while (*p >= '0' && *p <= '9')
        value = value * 10 + (*p++ - '0');
    return negative ? -value : value;
}

tag_AP_ROFIILE ReadSurveyEntry(const std::uint8_t* entry) {
    tag_AP_ROFIILE ap;
    ap.HeadFlag = entry[0] ? 1 : 0;
    char ssid[33] = {};
    std::memcpy(ssid, entry + 1, 32);
    ap.SSID = ssid;
    std::memcpy(ap.BSSID, entry + 33, 6);
    ap.Signal = SurveyNumber(entry + 39);
    ap.Channel = SurveyNumber(entry + 42);
    ap.Cipher = entry[45];
    ap.AuthType = entry[46];
    ap.IconFlag = entry[47];
    ap.WpsFlag = entry[48] ? 1 : 0;
    return ap;
}

std::vector<tag_AP_ROFIILE> ReadSurveyEntries(std::span<const std::uint8_t> payload) {
    std::vector<tag_AP_ROFIILE> entries;
    entries.reserve(payload.size() / SURVEY_ENTRY_SIZE);
    for (std::size_t offset = 0; payload.size() - offset >= SURVEY_ENTRY_SIZE; offset += SURVEY_ENTRY_SIZE)
        entries.push_back(ReadSurveyEntry(payload.data() + offset));
    return entries;
}

TRecvFault CheckDatagram(std::span<const std::uint8_t> datagram, std::span<const TMacAddr> adapterMacs,
                         const TMacAddr& clientMac, const TMacAddr& peerMac) {
    if (datagram.size() < UDP_HEADER_SIZE) return TRecvFault::Length;
    const std::uint8_t* p = datagram.data();
    if (std::memcmp(p, UDP_MAGIC, sizeof UDP_MAGIC) != 0) return TRecvFault::Magic;
    if (p[8] != UDP_VERSION) return TRecvFault::Version;
    const std::uint8_t* mac = HeaderMac(p);
    for (const TMacAddr& own : adapterMacs)
        if (std::memcmp(mac, own.data(), 6) == 0) return TRecvFault::OwnRequest;
    if (std::memcmp(mac, clientMac.data(), 6) == 0) return TRecvFault::OwnRequest;
    const bool peerSet =
        std::any_of(peerMac.begin(), peerMac.end(), [](std::uint8_t b) { return b != 0xFF; });
    if (peerSet && std::memcmp(mac, peerMac.data(), 6) != 0) return TRecvFault::Destination;
    if (UDP_HEADER_SIZE + HeaderLength(p) != datagram.size()) return TRecvFault::TotalLength;
    return TRecvFault::None;
}

const char* RecvFaultText(TRecvFault fault) {
    switch (fault) {
    case TRecvFault::None:
        return "";
    case TRecvFault::Length:
        return "TFormUDP::ProcRecvData() FAIL length";
    case TRecvFault::Magic:
        return "TFormUDP::ProcRecvData() FAIL magic word";
    case TRecvFault::Version:
        return "TFormUDP::ProcRecvData() FAIL version";
    case TRecvFault::OwnRequest:
        return "TFormUDP::ProcRecvData() FAIL received a request";
    case TRecvFault::Destination:
        return "TFormUDP::ProcRecvData() FAIL destination address doesn't match";
    case TRecvFault::TotalLength:
        return "TFormUDP::ProcRecvData() FAIL total length";
    }
    return "";
}

namespace {
// The payload bytes that the header announces and the datagram really holds.
std::size_t PayloadBytes(const std::uint8_t* packet, std::size_t size) {
    if (!packet || size <= UDP_HEADER_SIZE) return 0;
    return std::min<std::size_t>(HeaderLength(packet), size - UDP_HEADER_SIZE);
}
} // namespace

void EncipherPayload(std::uint8_t* packet, std::size_t size, std::string_view password) {
    rc4encry::Crypt(password, packet + UDP_HEADER_SIZE, PayloadBytes(packet, size));
}

void DecipherPayload(std::uint8_t* packet, std::size_t size, std::string_view password) {
    if (size < UDP_HEADER_SIZE || HeaderOpCode(packet) == OP_DISCOVER) return;
    rc4encry::Crypt(password, packet + UDP_HEADER_SIZE, PayloadBytes(packet, size));
}

std::vector<std::string> DumpLines(const std::uint8_t* data, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::vector<std::string> lines;
    lines.reserve((size + 15) / 16);
    for (std::size_t start = 0; start < size; start += 16) {
        const std::size_t end = std::min(size, start + 16);
        std::string line;
        line.reserve(48);
        for (std::size_t n = start; n < end; ++n) {
            line += digits[data[n] >> 4];
            line += digits[data[n] & 0xF];
            line += ' ';
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void LogPacket(const std::string& firstLine, const std::uint8_t* data, std::size_t size) {
    // Formatting the dump costs more than the packet's handling; skip it when nothing is logged.
    if (!DebugLog().Enabled()) return;
    LogText(firstLine);
    for (const std::string& line : DumpLines(data, size))
        LogText(line);
}
