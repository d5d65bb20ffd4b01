#include "platform/message.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <vector>

namespace {
class Receiver : public QObject, public CMessageReceiver {
public:
    std::vector<TMessage> Seen;
    void WndProc(TMessage& m) override {
        Seen.push_back(m);
        m.Result = static_cast<LRESULT>(m.WParam * 10);
    }
    bool event(QEvent* e) override { return DispatchMessageEvent(e) || QObject::event(e); }
};
} // namespace

TEST(Messages, SendCallsWndProcAtOnceAndReturnsItsResult) {
    Receiver r;
    EXPECT_EQ(SendMessage(&r, WM_APP + 100, 2, 0), 20);
    ASSERT_EQ(r.Seen.size(), 1u);
    EXPECT_EQ(r.Seen[0].Msg, WM_APP + 100);
}

TEST(Messages, PostArrivesLaterInOrder) {
    Receiver r;
    ASSERT_TRUE(PostMessage(&r, WM_APP + 102, 1, 7));
    ASSERT_TRUE(PostMessage(&r, WM_APP + 103, 2, 8));
    EXPECT_TRUE(r.Seen.empty()); // nothing is delivered before the loop runs
    QCoreApplication::processEvents();
    ASSERT_EQ(r.Seen.size(), 2u);
    EXPECT_EQ(r.Seen[0].Msg, WM_APP + 102);
    EXPECT_EQ(r.Seen[0].LParam, 7);
    EXPECT_EQ(r.Seen[1].Msg, WM_APP + 103);
}

TEST(Messages, TargetsWithoutWndProcAreRefused) {
    QObject plain;
    EXPECT_FALSE(PostMessage(&plain, WM_APP, 0, 0));
    EXPECT_FALSE(PostMessage(nullptr, WM_APP, 0, 0));
    EXPECT_EQ(SendMessage(&plain, WM_APP, 5, 0), 0);
}
