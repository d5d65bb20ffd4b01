#include "platform/message.h"

#include <QCoreApplication>

QEvent::Type TMessageEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool CMessageReceiver::DispatchMessageEvent(QEvent* event) {
    if (event->type() != TMessageEvent::EventType()) return false;
    WndProc(static_cast<TMessageEvent*>(event)->Message);
    return true;
}

bool PostMessage(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (!target || !dynamic_cast<CMessageReceiver*>(target)) return false;
    QCoreApplication::postEvent(target, new TMessageEvent(TMessage{msg, wParam, lParam, 0}));
    return true;
}

LRESULT SendMessage(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam) {
    auto* receiver = dynamic_cast<CMessageReceiver*>(target);
    if (!receiver) return 0;
    TMessage m{msg, wParam, lParam, 0};
    receiver->WndProc(m);
    return m.Result;
}
