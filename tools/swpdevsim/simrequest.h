// Decoding of a client request (deciphered payload) into its kind and values, with shape checks.
#pragma once

#include "simfaults.h"
#include "simwire.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace swpsim {

struct WirelessValues {
    std::string ssid;
    std::optional<std::uint8_t> stdChannel;
    std::optional<std::uint8_t> extChannel;
    bool staFlag = false;
    std::uint8_t wlMode = 0;
    std::uint8_t security = 0;
    std::uint8_t authMode = 0;
    std::string wepKey;
    std::uint8_t wepKeyIndex = 0;
    std::uint8_t wpaMode = 0;
    std::uint8_t wpaCipher = 0;
    std::string passphrase;
};

struct SimRequest {
    Req kind = Req::Unknown;
    // Empty when the items have the shape the client is meant to send; otherwise why not.
    std::string problem;
    // Login: readable is false when the payload does not even have the login shape (wrong key).
    bool readable = true;
    Mac loginMac{};
    std::string phrase;
    // IP setting
    bool dhcp = false;
    std::uint32_t ip = 0, netmask = 0, gateway = 0;
    // Wireless and station setting
    WirelessValues wireless;
    // WPS PIN: the 8 digits (access point) or the network name to join (bridge), as sent
    std::string pinText;
    // Set mode
    std::uint8_t mode = 0;
};

// `payload` is the deciphered payload of a request with `opCode`.
SimRequest DecodeRequest(std::uint8_t opCode, std::span<const std::uint8_t> payload);

} // namespace swpsim
