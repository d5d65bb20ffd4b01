#include "link/rc4encry.h"

#include <climits>
#include <utility>

namespace rc4encry {

void KeySetup(const std::uint8_t* key, int keyLength, TState& state) {
    if (!key || keyLength <= 0) {
        key = reinterpret_cast<const std::uint8_t*>(FixedKey.data());
        keyLength = static_cast<int>(FixedKey.size());
    }
    for (int n = 0; n < 256; ++n)
        state.Table[n] = static_cast<std::uint8_t>(n);
    state.I = 0;
    state.J = 0;
    std::uint8_t j = 0;
    for (int n = 0; n < 256; ++n) {
        j = static_cast<std::uint8_t>(j + state.Table[n] + key[n % keyLength]);
        std::swap(state.Table[n], state.Table[j]);
    }
}

void Stream(std::uint8_t* data, int dataLength, TState& state) {
    if (!data || dataLength <= 0) return;
    std::uint8_t i = state.I, j = state.J;
    std::uint8_t* s = state.Table;
    for (int n = 0; n < dataLength; ++n) {
        i = static_cast<std::uint8_t>(i + 1);
        j = static_cast<std::uint8_t>(j + s[i]);
        std::swap(s[i], s[j]);
        data[n] ^= s[static_cast<std::uint8_t>(s[i] + s[j])];
    }
    state.I = i;
    state.J = j;
}

void Crypt(const std::uint8_t* key, int keyLength, std::uint8_t* data, int dataLength) {
    if (!data || dataLength <= 0) return;
    TState state;
    KeySetup(key, keyLength, state);
    Stream(data, dataLength, state);
}

void Crypt(std::string_view password, std::uint8_t* data, std::size_t dataLength) {
    if (!data || dataLength == 0) return;
    // Only the first 256 key bytes take part in the key scheduling, so a longer password is cut there.
    const int keyLength = password.size() > 256 ? 256 : static_cast<int>(password.size());
    TState state;
    KeySetup(reinterpret_cast<const std::uint8_t*>(password.data()), keyLength, state);
    while (dataLength > 0) {
        const int chunk = dataLength > INT_MAX ? INT_MAX : static_cast<int>(dataLength);
        Stream(data, chunk, state);
        data += chunk;
        dataLength -= static_cast<std::size_t>(chunk);
    }
}

} // namespace rc4encry
