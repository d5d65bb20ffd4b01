#include "cli/climainform.h"

#include "link/messages_udp.h"

void CCliMainForm::WndProc(TMessage& msg) {
    if (msg.Msg == UM_UDP_RESULT || msg.Msg == UM_UDP_TIMEOUT || msg.Msg == UM_UDP_EVENT) {
        // A copy: the step may replace the handler while it runs.
        const auto handler = Handler;
        if (handler) handler(msg);
    }
    DefaultHandler(msg);
}

bool CCliMainForm::event(QEvent* e) {
    return DispatchMessageEvent(e) || QObject::event(e);
}
