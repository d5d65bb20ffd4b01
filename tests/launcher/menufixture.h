// The start menu and the wizard window built on a given disc folder, with a fake shell and scripted prompts.
#pragma once

#include "app/formres.h"
#include "app/globalvar.h"
#include "launcher/formautorun.h"
#include "platform/application.h"
#include "platform/prompt_scripted.h"
#include "platform/tickclock.h"
#include "support/fakeshell.h"
#include "support/tempdir.h"
#include "wizard/formmain.h"

#include <QCoreApplication>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct MenuFixture {
    TestDir Dir;
    CScriptedPromptGuard Prompt;
    FakeShellGuard Shell;

    using Files = std::vector<std::pair<std::string, std::string>>;

    // A fresh disc folder holding `ini` as the program's ini file and the given files.
    explicit MenuFixture(const std::string& ini = std::string(), const Files& files = {}) {
        Dir.Write("Setup.ini", ini);
        for (const auto& [name, content] : files)
            Dir.Write(name, content);
        Build(Dir.Path("Setup"));
    }
    // The disc of the given program path.
    struct OnDisc {
        std::string Program;
    };
    explicit MenuFixture(const OnDisc& disc) { Build(disc.Program); }

    void Build(const std::string& program) {
        g_Var.LoadConfig(program);
        FormRes = new TFormRes(nullptr);
        FormAutorun = new TFormAutorun();
        FormMain = new TFormMain();
        TApplication::Instance().SetMainForm(FormAutorun);
        FormAutorun->show();
        Settle(); // the wizard's first move, posted at its creation
    }
    ~MenuFixture() {
        delete FormMain;
        delete FormAutorun;
        delete FormRes;
        FormRes = nullptr;
        TApplication::Instance().SetMainForm(nullptr);
        TickClock::SetTimeScale(1);
        g_Var.LoadConfig("/nonexistent/Setup");
    }
    // Lets posted navigation requests arrive, including those that pages post while moving.
    static void Settle() {
        for (int i = 0; i < 8; ++i)
            QCoreApplication::processEvents();
    }
};
