// Answer payloads read into the records, with the log line of every item the handlers note.
#pragma once

#include "app/records.h"

#include <cstdint>
#include <span>
#include <vector>

// Discovery answer: DEVICE_NAME into DevName (cut to 33 characters). True when at least one item lay wholly
// inside the payload.
bool ReadDiscoverAnswer(std::span<const std::uint8_t> payload, tag_DEVICE_INFO& device);

struct TLoginAnswer {
    int Result = 0;
    bool HasPort = false;
    std::uint16_t Port = 0;
};
// Login answer: TLVTYPE_OTHER_RESULT ("  Result=%d") and TLVTYPE_OTHER_PORT ("  Port=%d").
TLoginAnswer ReadLoginAnswer(std::span<const std::uint8_t> payload);
// Logout and set answers: the first value byte of TLVTYPE_OTHER_RESULT, 0 when absent.
int ReadResultAnswer(std::span<const std::uint8_t> payload);

// Configuration answer: overwrites only the fields it carries; every item is logged.
void ReadConfigAnswer(std::span<const std::uint8_t> payload, int& deviceMode, tag_IP_SETTING& ip,
                      tag_WL_PROFILE& profile);
// Station configuration answer: WL_WPS_PIN as text into the PIN field (cut to 11 characters).
void ReadStationConfigAnswer(std::span<const std::uint8_t> payload, char (&clientPIN)[12]);

// One item of a device event that the engine acts on, in item order.
struct TEventItem {
    enum Kind { ConnectTimeout, WpsStatus } Type;
    std::int32_t Status = 0;
};
std::vector<TEventItem> ReadEventAnswer(std::span<const std::uint8_t> payload);
