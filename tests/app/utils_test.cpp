#include "app/utils.h"
#include "app/wait.h"
#include "platform/message.h"
#include "platform/tickclock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Utils, MacToStr) {
    const std::uint8_t mac[6] = {0x00, 0x0A, 0xFF, 0x01, 0x02, 0x03};
    EXPECT_EQ(MacToStr(mac), "00:0A:FF:01:02:03");
}

TEST(Utils, IsHexText) {
    struct Case {
        const char* Text;
        bool Expected;
    } cases[] = {
        {"", true}, {"0123456789abcdefABCDEF", true}, {"0x12", false}, {"12 3", false}, {"g", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsHexText(c.Text), c.Expected) << c.Text;
}

TEST(Utils, IsValidWpsPin) {
    struct Case {
        const char* Text;
        bool Expected;
    } cases[] = {
        {"12345670", true}, {"12345671", false}, // checksum digit
        {"00000000", true}, {"1234567", false},  {"1234567a", false}, {"123456789", false}, {"1230", false},
        {"1234", false},    {"0000", true},      {"5050", true}, // 4 digits weigh 3,1,3,1
        {"", false},        {" 2345670", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidWpsPin(c.Text), c.Expected) << c.Text;
}

namespace {
class Counter : public QObject, public CMessageReceiver {
public:
    int Seen = 0;
    void WndProc(TMessage&) override { ++Seen; }
    bool event(QEvent* e) override { return DispatchMessageEvent(e) || QObject::event(e); }
};
} // namespace

TEST(WaitWithMessages, ZeroReturnsAtOnce) {
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(WaitWithMessages(0));
    EXPECT_LT(t.elapsed(), 50);
}

TEST(WaitWithMessages, DispatchesMessagesAndTimersWhileWaitingProductTime) {
    TickClock::SetTimeScale(100);
    Counter target;
    PostMessage(&target, WM_APP + 102, 0, 0);
    bool timerRan = false;
    QTimer::singleShot(5, [&] { timerRan = true; });
    const std::uint32_t start = TickClock::GetTickCount();
    QElapsedTimer real;
    real.start();
    EXPECT_TRUE(WaitWithMessages(3000)); // 3 s of product time, about 30 ms real
    EXPECT_GE(TickClock::GetTickCount() - start, 3000u);
    EXPECT_LT(real.elapsed(), 1000);
    TickClock::SetTimeScale(1);
    EXPECT_EQ(target.Seen, 1);
    EXPECT_TRUE(timerRan);
}
