// The GUI application object: shows exceptions escaping event handlers in the standard box; the loop goes on.
#pragma once

#include "platform/application.h"

#include <QApplication>

class TGuardedApplication : public QApplication {
public:
    TGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};
