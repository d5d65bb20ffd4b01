// The packet codec: request buffer with header and TLV appends, TLV and survey walks, received-datagram
// checks, the payload cipher rules and the hex dump of the log.
#pragma once

#include "app/records.h"
#include "link/udpdefs.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A request being built in its 1024-byte buffer. Appends that would not fit the buffer are refused whole
// (the offset stays and Overflowed() turns true), so a request can never spill past its buffer.
class CPacket {
public:
    CPacket() { Bytes.fill(0); }

    // Zeroes the buffer and writes Magic, Version 2, the client address and Length 0.
    void BuildHeader(const std::uint8_t* clientMac);
    void SetOpCode(std::uint8_t opCode) { Bytes[15] = opCode; }
    void SetMac(const std::uint8_t* mac);
    // Writes the number of payload bytes appended so far into Length (big-endian).
    void SetLength();

    // Each writes type, length and value at the current payload offset and returns the new offset.
    std::size_t AppendByte(std::uint8_t type, std::uint8_t value);
    std::size_t AppendWord(std::uint8_t type, std::uint16_t value);
    std::size_t AppendDWord(std::uint8_t type, std::uint32_t hostValue);
    // Text: the characters only; a text longer than 255 characters is cut to 255 (the length is one byte).
    std::size_t AppendText(std::uint8_t type, std::string_view text);
    std::size_t AppendBytes(std::uint8_t type, const std::uint8_t* data, std::size_t length);
    std::size_t AppendEmpty(std::uint8_t type);

    std::size_t PayloadLength() const { return m_offset; }
    std::size_t Size() const { return UDP_HEADER_SIZE + m_offset; }
    bool Overflowed() const { return m_overflow; }
    std::uint8_t* Data() { return Bytes.data(); }
    const std::uint8_t* Data() const { return Bytes.data(); }
    std::span<const std::uint8_t> Payload() const { return {Bytes.data() + UDP_HEADER_SIZE, m_offset}; }

    std::array<std::uint8_t, UDP_SEND_BUFFER> Bytes;

private:
    std::size_t m_offset = 0;
    bool m_overflow = false;
};

// Header fields of a datagram of at least 18 bytes.
inline std::uint8_t HeaderOpCode(const std::uint8_t* packet) {
    return packet[15];
}
inline std::uint16_t HeaderLength(const std::uint8_t* packet) {
    return static_cast<std::uint16_t>(packet[16] << 8 | packet[17]);
}
inline const std::uint8_t* HeaderMac(const std::uint8_t* packet) {
    return packet + 9;
}

// One item of a TLV walk: the value view lies wholly inside the payload.
using TTLVHandler = std::function<void(std::uint8_t type, std::uint8_t length, const std::uint8_t* value)>;
// Visits the items in order. An item that overruns the payload logs "  not enough bytes in buffer" and ends
// the walk (items before it keep their effect); a single trailing byte ends it silently. Returns the number
// of items handed to the handler.
int WalkTLV(std::span<const std::uint8_t> payload, const TTLVHandler& handler);

// Numbers of fixed-size items, read from the item's own bytes only: missing bytes count as zero, extra bytes
// are ignored. Multi-byte values are big-endian.
std::uint8_t TLVByte(std::uint8_t length, const std::uint8_t* value);
std::uint16_t TLVWord(std::uint8_t length, const std::uint8_t* value);
std::uint32_t TLVDWord(std::uint8_t length, const std::uint8_t* value);

// One 49-byte site-survey entry as its record.
tag_AP_ROFIILE ReadSurveyEntry(const std::uint8_t* entry);
// All whole entries of a survey payload in order; a tail shorter than one entry is ignored.
std::vector<tag_AP_ROFIILE> ReadSurveyEntries(std::span<const std::uint8_t> payload);
// The decimal conversion of the survey's 3-character number fields: leading blanks skipped, optional sign,
// stops at the first non-digit, 0 when there is no digit.
int SurveyNumber(const std::uint8_t* field3);

// Why a received datagram is dropped, in the order the checks run.
enum class TRecvFault { None, Length, Magic, Version, OwnRequest, Destination, TotalLength };
// Runs the received-datagram checks in order and returns the first that fails.
TRecvFault CheckDatagram(std::span<const std::uint8_t> datagram, std::span<const TMacAddr> adapterMacs,
                         const TMacAddr& clientMac, const TMacAddr& peerMac);
// The log line of a failed check ("TFormUDP::ProcRecvData() FAIL ...").
const char* RecvFaultText(TRecvFault fault);

// Enciphers the payload of a request in place (the header stays plain).
void EncipherPayload(std::uint8_t* packet, std::size_t size, std::string_view password);
// Deciphers a checked datagram's payload in place unless it is a discovery answer (operation code 0).
void DecipherPayload(std::uint8_t* packet, std::size_t size, std::string_view password);

// The byte lines of a packet dump: 16 bytes a line, each "%02X ".
std::vector<std::string> DumpLines(const std::uint8_t* data, std::size_t size);
// Writes the dump's first line and then its byte lines to the log.
void LogPacket(const std::string& firstLine, const std::uint8_t* data, std::size_t size);
