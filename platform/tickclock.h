// The one monotonic millisecond clock; every timer, wait and tick read goes through it so tests can speed
// time up.
#pragma once

#include <cstdint>

namespace TickClock {
// Milliseconds of product time since an arbitrary start, wrapping like a 32-bit tick count.
std::uint32_t GetTickCount();
// Product time runs `factor` times faster than real time (1 in the product; e.g. 1000 in tests).
void SetTimeScale(double factor);
double TimeScale();
// Real milliseconds that a product interval of `ms` lasts; at least 1 for a non-zero interval.
int RealInterval(std::uint32_t ms);
} // namespace TickClock
