// rc4encry: the payload cipher (RC4 with a fresh state per packet, fixed key when the password is empty).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rc4encry {

// The key used whenever the password is empty.
inline constexpr std::string_view FixedKey = "pqjhvbcyto7981mgwxan";

// The cipher state: the permutation table followed by the two stream indexes (258 bytes).
struct TState {
    std::uint8_t Table[256];
    std::uint8_t I;
    std::uint8_t J;
};
static_assert(sizeof(TState) == 258);

// Standard key scheduling. A key length of 0 or less (or no key) takes the fixed key instead.
void KeySetup(const std::uint8_t* key, int keyLength, TState& state);
// Standard generator, no bytes discarded; continues from the indexes in `state` and stores them back.
void Stream(std::uint8_t* data, int dataLength, TState& state);
// Enciphers or deciphers `data` in place with a state freshly set up from `key`.
void Crypt(const std::uint8_t* key, int keyLength, std::uint8_t* data, int dataLength);
// The same with the password text as key (its bytes as they stand; empty gives the fixed key).
void Crypt(std::string_view password, std::uint8_t* data, std::size_t dataLength);

} // namespace rc4encry
