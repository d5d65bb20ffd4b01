// The simulated device's own RC4 payload cipher, keyed with the device password.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace swpsim {

// Used whole when the password is empty.
constexpr std::string_view kFixedKey = "pqjhvbcyto7981mgwxan";

// Enciphers or deciphers in place with a fresh RC4 state from `password` (the fixed key when empty).
void CryptPayload(std::string_view password, std::span<std::uint8_t> data);

} // namespace swpsim
