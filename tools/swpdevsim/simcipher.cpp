// Plain RC4: key scheduling over the key bytes, then the generator with nothing discarded.
#include "simcipher.h"

#include <utility>

namespace swpsim {

void CryptPayload(std::string_view password, std::span<std::uint8_t> data) {
    if (data.empty()) return;
    const std::string_view key = password.empty() ? kFixedKey : password;
    std::uint8_t s[256];
    for (int n = 0; n < 256; ++n)
        s[n] = static_cast<std::uint8_t>(n);
    std::uint8_t j = 0;
    for (std::size_t n = 0; n < 256; ++n) {
        j = static_cast<std::uint8_t>(j + s[n] + static_cast<std::uint8_t>(key[n % key.size()]));
        std::swap(s[n], s[j]);
    }
    std::uint8_t i = 0;
    j = 0;
    for (std::uint8_t& byte : data) {
        i = static_cast<std::uint8_t>(i + 1);
        j = static_cast<std::uint8_t>(j + s[i]);
        std::swap(s[i], s[j]);
        byte ^= s[static_cast<std::uint8_t>(s[i] + s[j])];
    }
}

} // namespace swpsim
