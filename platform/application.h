// The application object: title, main-window receiver of messages, and the standard exception box.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <stdexcept>
#include <string>

// The application's own exception class; other exceptions are shown as one with an empty message.
class EAppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TApplication {
public:
    static TApplication& Instance();

    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title);

    // The window (or plain QObject, in a console program) that receives posted messages.
    QObject* MainForm() const { return m_mainForm; }
    void SetMainForm(QObject* form) { m_mainForm = form; }

    // The standard exception box: the message, the application title as caption, OK.
    void ShowException(const std::string& message);
    // Shows the exception currently being handled (call from inside a catch block).
    void HandleCurrentException();

private:
    std::string m_title;
    QPointer<QObject> m_mainForm;
};

// Runs `body` and shows any exception it raises in the standard box instead of passing it on.
template <class F> void GuardedCall(F&& body) {
    try {
        body();
    } catch (...) {
        TApplication::Instance().HandleCurrentException();
    }
}

// A QCoreApplication that shows exceptions escaping event handlers in the standard box; the loop goes on.
// The GUI program uses TGuardedApplication (guardedapplication.h).
class TGuardedCoreApplication : public QCoreApplication {
public:
    TGuardedCoreApplication(int& argc, char** argv) : QCoreApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};
