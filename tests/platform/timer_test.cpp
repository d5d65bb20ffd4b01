#include "platform/tickclock.h"
#include "platform/timer.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct ScaleGuard {
    explicit ScaleGuard(double f) { TickClock::SetTimeScale(f); }
    ~ScaleGuard() { TickClock::SetTimeScale(1); }
};
} // namespace

TEST(TickClock, ScaledTimeRunsFasterAndNeverBackwards) {
    const std::uint32_t before = TickClock::GetTickCount();
    ScaleGuard scale(1000);
    QTest::qWait(20);
    const std::uint32_t after = TickClock::GetTickCount();
    EXPECT_GE(after - before, 10000u); // 20 ms real is about 20 s of product time
    TickClock::SetTimeScale(1);
    EXPECT_GE(TickClock::GetTickCount(), after);
}

TEST(TickClock, RealIntervalIsScaledAndNeverZeroForAWait) {
    ScaleGuard scale(1000);
    EXPECT_EQ(TickClock::RealInterval(0), 0);
    EXPECT_EQ(TickClock::RealInterval(1), 1);
    EXPECT_EQ(TickClock::RealInterval(300000), 300);
}

TEST(TTimer, FiresUnderTheTestTimeScale) {
    ScaleGuard scale(100);
    TTimer timer(nullptr, 2000, true); // 2 s of product time, 20 ms real
    int fired = 0;
    timer.OnTimer = [&](TTimer* t) {
        ++fired;
        t->SetEnabled(false);
    };
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 2000));
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(fired, 1);
}

TEST(TTimer, SettingIntervalRestartsARunningTimerAndZeroNeverFires) {
    TTimer timer(nullptr, 60000, true);
    int fired = 0;
    timer.OnTimer = [&](TTimer*) { ++fired; };
    timer.SetInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 2000));
    timer.SetInterval(0);
    const int seen = fired;
    QTest::qWait(50);
    EXPECT_EQ(fired, seen);
    EXPECT_TRUE(timer.Enabled());
}
