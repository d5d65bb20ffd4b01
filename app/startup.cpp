#include "app/startup.h"

#include "app/debug.h"
#include "app/formres.h"
#include "app/globalvar.h"
#include "platform/fonts.h"
#include "platform/guardedapplication.h"
#include "platform/namedmutex.h"
#include "platform/termsignal.h"

#include <QFont>
#include <QWidget>
#include <memory>

int RunStartup(int& argc, char** argv, const std::vector<TWindowFactory>& windows,
               const TStartupOptions& options) {
    // A stop request from the session ends the loop like closing the start menu does.
    TermSignals::Catch();
    const bool loaded =
        options.ProgramPath.empty() ? g_Var.LoadConfig() : g_Var.LoadConfig(options.ProgramPath);
    if (!loaded) return 0;

    CNamedMutex mutex;
    switch (mutex.Create(g_Var.MutexName)) {
    case CNamedMutex::Result::Failed:
        Log("FAIL CreateMutex()");
        return 0;
    case CNamedMutex::Result::AlreadyExists:
        Log("FAIL another instance is running");
        return 0;
    case CNamedMutex::Result::Created:
        break;
    }

    std::unique_ptr<TGuardedApplication> app;
    std::vector<QObject*> created;
    try {
        app = std::make_unique<TGuardedApplication>(argc, argv);
        TermSignals::Watch([] { QCoreApplication::quit(); });
        TApplication& application = TApplication::Instance();
        application.SetTitle(g_Var.AppTitle);
        QFont font(RegisterAppFont());
        font.setPointSize(8);
        QApplication::setFont(font);
        // The windows copy their pictures from the skin holder while they are being created.
        FormRes = new TFormRes(nullptr);
        for (const TWindowFactory& factory : windows) {
            QObject* window = nullptr;
            GuardedCall([&] { window = factory.Create(); });
            if (!window) continue;
            created.push_back(window);
            if (!application.MainForm()) application.SetMainForm(window);
        }
        // Until a main window exists there is nothing to run: the start-up ends here.
        if (auto* main = qobject_cast<QWidget*>(application.MainForm())) {
            main->show();
            QApplication::exec();
        }
    } catch (...) {
        TApplication::Instance().HandleCurrentException();
    }

    for (auto it = created.rbegin(); it != created.rend(); ++it)
        delete *it;
    TApplication::Instance().SetMainForm(nullptr);
    delete FormRes;
    FormRes = nullptr;
    TermSignals::Release();
    app.reset();
    mutex.Close();
    return 0;
}
