#include "app/wait.h"

#include "platform/tickclock.h"

#include <QEventLoop>
#include <QTimer>

bool WaitWithMessages(std::uint32_t ms) {
    const std::uint32_t start = TickClock::GetTickCount();
    for (;;) {
        const std::uint32_t elapsed = TickClock::GetTickCount() - start; // unsigned, survives the wrap
        if (elapsed >= ms) return true;
        // The loop sleeps until a message arrives or the rest of the wait has passed; nothing spins.
        QEventLoop loop;
        QTimer::singleShot(TickClock::RealInterval(ms - elapsed), &loop, &QEventLoop::quit);
        loop.exec();
    }
}
