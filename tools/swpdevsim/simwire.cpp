// Header checks, TLV walk and writer, survey entries and small text conversions of the simulated device.
#include "simwire.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace swpsim {

const char* HeaderErrorText(HeaderError e) {
    switch (e) {
    case HeaderError::None:
        return "ok";
    case HeaderError::Short:
        return "shorter than a header";
    case HeaderError::Magic:
        return "bad magic word";
    case HeaderError::Version:
        return "bad version";
    case HeaderError::TotalLength:
        return "total length differs from the header";
    }
    return "?";
}

HeaderError ParseHeader(std::span<const std::uint8_t> datagram, Header& out) {
    if (datagram.size() < kHeaderSize) return HeaderError::Short;
    if (std::memcmp(datagram.data(), kMagic.data(), kMagic.size()) != 0) return HeaderError::Magic;
    if (datagram[8] != kVersion) return HeaderError::Version;
    Header h;
    std::copy_n(datagram.begin() + 9, 6, h.mac.begin());
    h.opCode = datagram[15];
    h.length = static_cast<std::uint16_t>((datagram[16] << 8) | datagram[17]);
    if (kHeaderSize + h.length != datagram.size()) return HeaderError::TotalLength;
    out = h;
    return HeaderError::None;
}

ItemWalk ReadItems(std::span<const std::uint8_t> payload) {
    ItemWalk walk;
    std::size_t offset = 0;
    while (payload.size() - offset >= 2) {
        const std::uint8_t type = payload[offset];
        const std::size_t len = payload[offset + 1];
        if (offset + 2 + len > payload.size()) {
            walk.overrun = true;
            return walk;
        }
        walk.items.push_back({type, payload.subspan(offset + 2, len)});
        offset += 2 + len;
    }
    walk.strayByte = offset < payload.size();
    return walk;
}

const Item* FindItem(const ItemWalk& walk, std::uint8_t type) {
    for (const Item& item : walk.items)
        if (item.type == type) return &item;
    return nullptr;
}

PayloadWriter& PayloadWriter::Byte(std::uint8_t type, std::uint8_t value) {
    const std::uint8_t v[1] = {value};
    return Raw(type, v);
}

PayloadWriter& PayloadWriter::Word(std::uint8_t type, std::uint16_t value) {
    const std::uint8_t v[2] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    return Raw(type, v);
}

PayloadWriter& PayloadWriter::Dword(std::uint8_t type, std::uint32_t value) {
    const std::uint8_t v[4] = {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                               static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    return Raw(type, v);
}

PayloadWriter& PayloadWriter::Text(std::uint8_t type, std::string_view text) {
    return Raw(type, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

PayloadWriter& PayloadWriter::Raw(std::uint8_t type, std::span<const std::uint8_t> value) {
    const std::size_t len = std::min<std::size_t>(value.size(), 255);
    m_bytes.push_back(type);
    m_bytes.push_back(static_cast<std::uint8_t>(len));
    m_bytes.insert(m_bytes.end(), value.begin(), value.begin() + static_cast<std::ptrdiff_t>(len));
    return *this;
}

PayloadWriter& PayloadWriter::Empty(std::uint8_t type) {
    return Raw(type, {});
}

Bytes BuildDatagram(const Mac& mac, std::uint8_t opCode, std::span<const std::uint8_t> payload) {
    // The length field has 16 bits; a longer payload is cut so header and size always agree.
    const std::size_t len = std::min<std::size_t>(payload.size(), 0xFFFF);
    Bytes out(kMagic.begin(), kMagic.end());
    out.push_back(kVersion);
    out.insert(out.end(), mac.begin(), mac.end());
    out.push_back(opCode);
    out.push_back(static_cast<std::uint8_t>(len >> 8));
    out.push_back(static_cast<std::uint8_t>(len));
    out.insert(out.end(), payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(len));
    return out;
}

void AppendSurveyEntry(Bytes& out, const SurveyEntry& e) {
    std::uint8_t entry[kSurveyEntrySize] = {};
    entry[0] = e.headFlag;
    std::memcpy(entry + 1, e.ssid.data(), std::min<std::size_t>(e.ssid.size(), 32));
    std::copy(e.bssid.begin(), e.bssid.end(), entry + 33);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%3d", std::clamp(e.signal, 0, 999));
    std::memcpy(entry + 39, digits, 3);
    std::snprintf(digits, sizeof digits, "%3d", std::clamp(e.channel, 0, 999));
    std::memcpy(entry + 42, digits, 3);
    entry[45] = e.cipher;
    entry[46] = e.authType;
    entry[47] = e.iconFlag;
    entry[48] = e.wpsFlag;
    out.insert(out.end(), entry, entry + kSurveyEntrySize);
}

namespace {
// Decimal reading of a 3-character field: leading blanks, then digits up to the first other character.
int ThreeDigits(const std::uint8_t* p) {
    int i = 0;
    while (i < 3 && p[i] == ' ')
        ++i;
    int value = 0;
    for (; i < 3 && p[i] >= '0' && p[i] <= '9'; ++i)
        value = value * 10 + (p[i] - '0');
    return value;
}
} // namespace

std::vector<SurveyEntry> ReadSurveyEntries(std::span<const std::uint8_t> payload) {
    std::vector<SurveyEntry> entries;
    for (std::size_t off = 0; payload.size() - off >= kSurveyEntrySize; off += kSurveyEntrySize) {
        const std::uint8_t* p = payload.data() + off;
        SurveyEntry e;
        e.headFlag = p[0] ? 1 : 0;
        e.ssid.assign(reinterpret_cast<const char*>(p + 1),
                      strnlen(reinterpret_cast<const char*>(p + 1), 32));
        std::copy_n(p + 33, 6, e.bssid.begin());
        e.signal = ThreeDigits(p + 39);
        e.channel = ThreeDigits(p + 42);
        e.cipher = p[45];
        e.authType = p[46];
        e.iconFlag = p[47];
        e.wpsFlag = p[48] ? 1 : 0;
        entries.push_back(std::move(e));
    }
    return entries;
}

std::uint32_t ReadBe32(std::span<const std::uint8_t> b) {
    if (b.size() < 4) return 0;
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
}

std::string ValueText(const Item& item) {
    return {reinterpret_cast<const char*>(item.value.data()), item.value.size()};
}

std::string MacText(const Mac& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return text;
}

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

bool ParseMac(std::string_view text, Mac& out) {
    // Six two-digit hex groups separated by ':' or '-'.
    if (text.size() != 17) return false;
    Mac mac{};
    for (std::size_t i = 0; i < 6; ++i) {
        const int hi = HexValue(text[i * 3]);
        const int lo = HexValue(text[i * 3 + 1]);
        if (hi < 0 || lo < 0) return false;
        if (i < 5 && text[i * 3 + 2] != ':' && text[i * 3 + 2] != '-') return false;
        mac[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    out = mac;
    return true;
}

std::string Ipv4Text(std::uint32_t a) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a >> 24, (a >> 16) & 0xFF, (a >> 8) & 0xFF, a & 0xFF);
    return text;
}

bool ParseIpv4(std::string_view text, std::uint32_t& hostOrder) {
    std::uint32_t value = 0;
    int parts = 0;
    std::size_t i = 0;
    while (parts < 4) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
        unsigned part = 0;
        int digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            part = part * 10 + static_cast<unsigned>(text[i] - '0');
            ++i;
            ++digits;
        }
        if (digits > 3 || part > 255) return false;
        value = (value << 8) | part;
        ++parts;
        if (parts < 4) {
            if (i >= text.size() || text[i] != '.') return false;
            ++i;
        }
    }
    if (i != text.size()) return false;
    hostOrder = value;
    return true;
}

std::string HexDump(std::span<const std::uint8_t> bytes) {
    std::string out;
    char hex[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%02X ", bytes[i]);
        out += hex;
        if (i % 16 == 15 && i + 1 < bytes.size()) out += '\n';
    }
    return out;
}

} // namespace swpsim
