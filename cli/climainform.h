// CCliMainForm: the console program's main-window receiver; hands the engine's messages to the running step.
#pragma once

#include "platform/message.h"

#include <QObject>

#include <functional>

class CCliMainForm : public QObject, public CMessageReceiver {
public:
    // Takes UM_UDP_RESULT, UM_UDP_TIMEOUT and UM_UDP_EVENT; none while no step runs.
    std::function<void(TMessage& msg)> Handler;

    void WndProc(TMessage& msg) override;

protected:
    bool event(QEvent* e) override;
};
