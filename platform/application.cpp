#include "platform/application.h"

#include "platform/prompt.h"

TApplication& TApplication::Instance() {
    static TApplication app;
    return app;
}

void TApplication::SetTitle(const std::string& title) {
    m_title = title;
    if (QCoreApplication::instance()) QCoreApplication::setApplicationName(QString::fromUtf8(title));
}

void TApplication::ShowException(const std::string& message) {
    Prompt::Service().MessageBox(PromptKind::Error, message, m_title);
}

void TApplication::HandleCurrentException() {
    try {
        throw;
    } catch (const EAppError& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException(std::string());
    }
}

bool TGuardedCoreApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QCoreApplication::notify(receiver, event);
    } catch (...) {
        TApplication::Instance().HandleCurrentException();
        return true;
    }
}
