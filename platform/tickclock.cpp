#include "platform/tickclock.h"

#include <atomic>
#include <chrono>
#include <cmath>

namespace {
std::atomic<double> g_scale{1.0};
// Product time is accumulated across scale changes so it never runs backwards.
struct Anchor {
    std::chrono::steady_clock::time_point real = std::chrono::steady_clock::now();
    double product = 0;
};
Anchor& anchor() {
    static Anchor a;
    return a;
}
double productNow() {
    const auto elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anchor().real);
    return anchor().product + elapsed.count() * g_scale.load();
}
} // namespace

namespace TickClock {
std::uint32_t GetTickCount() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(productNow()) & 0xFFFFFFFFu);
}

void SetTimeScale(double factor) {
    if (!(factor > 0)) factor = 1;
    anchor().product = productNow();
    anchor().real = std::chrono::steady_clock::now();
    g_scale = factor;
}

double TimeScale() {
    return g_scale.load();
}

int RealInterval(std::uint32_t ms) {
    if (ms == 0) return 0;
    const double real = std::ceil(static_cast<double>(ms) / g_scale.load());
    if (real < 1) return 1;
    if (real > 2147483647.0) return 2147483647;
    return static_cast<int>(real);
}
} // namespace TickClock
