// A golden vector as the whole datagram a device sends: header, then the payload enciphered with "pylon"
// (discovery answers stay plain). For the client's fuzz seeds and replay only: the simulator keeps its own.
#pragma once

#include "link/golden_vectors.h"
#include "link/rc4encry.h"

#include <cstdint>
#include <vector>

namespace golden {
inline std::vector<std::uint8_t> Datagram(const TVector& v) {
    std::vector<std::uint8_t> payload = Bytes(v.Hex);
    std::vector<std::uint8_t> d = {'S', 'W', 'P', '1', '2', '3', '4', '5', 2};
    d.insert(d.end(), DeviceMac, DeviceMac + 6);
    d.push_back(v.OpCode);
    d.push_back(static_cast<std::uint8_t>(payload.size() >> 8));
    d.push_back(static_cast<std::uint8_t>(payload.size()));
    if (v.OpCode != 0) rc4encry::Crypt("pylon", payload.data(), payload.size());
    d.insert(d.end(), payload.begin(), payload.end());
    return d;
}
} // namespace golden
