#include "app/globalvar.h"
#include "platform/tickclock.h"
#include "platform/timer.h"
#include "wizard/formprogress.h"

#include <QLabel>

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct FastTime {
    explicit FastTime(double f) { TickClock::SetTimeScale(f); }
    ~FastTime() { TickClock::SetTimeScale(1); }
};
} // namespace

TEST(FormProgress, WithoutOnProcessItClosesWithResultTwoAfterTheTimeOut) {
    FastTime fast(2000); // 300 s of product time in about 150 ms
    TFormProgress progress;
    QElapsedTimer real;
    real.start();
    EXPECT_EQ(progress.ShowCentered(nullptr), 2);
    EXPECT_GT(progress.TimerProc->Tag, TFormProgress::kTimeoutTicks);
    EXPECT_LT(real.elapsed(), 20000);
}

TEST(FormProgress, OnProcessRunsOnTheFirstTickAndThePageResultEndsTheRun) {
    FastTime fast(20);
    TFormProgress progress;
    int calls = 0;
    progress.OnProcess = [&] {
        ++calls;
        EXPECT_EQ(progress.TimerProc->Tag, 1);
        // The answer arrives later as a message; here a timer stands for it.
        QTimer::singleShot(5, &progress, [&] { progress.SetModalResult(1); });
    };
    EXPECT_EQ(progress.ShowCentered(nullptr), 1);
    EXPECT_EQ(calls, 1);
    EXPECT_GT(progress.ProgressBar1->value(), 0);
}

TEST(FormProgress, AltF4AndEscapeDoNotCloseIt) {
    FastTime fast(20);
    TFormProgress progress;
    bool stillOpen = false;
    progress.OnProcess = [&] {
        QTest::keyClick(&progress, Qt::Key_F4, Qt::AltModifier);
        QTest::keyClick(&progress, Qt::Key_Escape);
        progress.close();
        stillOpen = progress.isVisible();
        progress.SetModalResult(1);
    };
    EXPECT_EQ(progress.ShowCentered(nullptr), 1);
    EXPECT_TRUE(stillOpen);
}

TEST(FormProgress, PlacedCentredOverTheHostWindow) {
    FastTime fast(20);
    QWidget host;
    host.setGeometry(100, 80, 600, 450);
    auto* control = new QWidget(&host);
    host.show();
    TFormProgress progress;
    QPoint placed;
    progress.OnProcess = [&] {
        placed = progress.pos();
        progress.SetModalResult(1);
    };
    progress.ShowCentered(control);
    const QRect h = host.frameGeometry();
    EXPECT_EQ(placed, QPoint(h.left() + (h.width() - 190) / 2, h.top() + (h.height() - 50) / 2));
}

TEST(FormProgress, TextsAndCaptionFromTheIni) {
    TFormProgress progress;
    EXPECT_EQ(progress.findChild<QLabel*>(QStringLiteral("LbWait"))->text(),
              QStringLiteral("Please wait..."));
    EXPECT_EQ(progress.size(), QSize(190, 50));
}
