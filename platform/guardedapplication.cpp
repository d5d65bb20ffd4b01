#include "platform/guardedapplication.h"

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        TApplication::Instance().HandleCurrentException();
        return true;
    }
}
