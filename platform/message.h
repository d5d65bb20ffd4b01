// Window messages: a TMessage carried by one QEvent type; post queues it, send calls the target's WndProc.
#pragma once

#include <QEvent>
#include <QObject>
#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr unsigned WM_APP = 0x8000;

struct TMessage {
    unsigned Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// The event that carries a posted message to its target.
class TMessageEvent : public QEvent {
public:
    explicit TMessageEvent(const TMessage& msg) : QEvent(EventType()), Message(msg) {}
    static QEvent::Type EventType();
    TMessage Message;
};

// Anything that takes window messages. A QObject subclass also derives from this and calls
// DispatchMessageEvent first thing in its event() override.
class CMessageReceiver {
public:
    virtual ~CMessageReceiver() = default;
    virtual void WndProc(TMessage& msg) { DefaultHandler(msg); }
    virtual void DefaultHandler(TMessage& msg) { (void)msg; }

protected:
    // True when the event was a message and has been handled.
    bool DispatchMessageEvent(QEvent* event);
};

// Queues the message for the target; false when the target takes no messages.
bool PostMessage(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam);
// Calls the target's WndProc at once and returns the message result (0 for a target without one).
LRESULT SendMessage(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam);
