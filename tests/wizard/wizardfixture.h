// A wizard window built on a fresh ini file, receiving its own navigation messages.
#pragma once

#include "app/globalvar.h"
#include "platform/application.h"
#include "platform/prompt_scripted.h"
#include "support/tempdir.h"
#include "wizard/formmain.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <memory>

struct WizardFixture {
    TestDir Dir;
    CScriptedPromptGuard Prompt;
    std::unique_ptr<TFormMain> Form;

    // Without an ini of its own the wizard has a licence to show, so it stays on the licence page.
    explicit WizardFixture(const std::string& ini = "[Product]\nLicense=License.txt\n") {
        Dir.Write("License.txt", "Terms.");
        if (!ini.empty()) Dir.Write("Setup.ini", ini);
        g_Var.LoadConfig(Dir.Path("Setup"));
        Form = std::make_unique<TFormMain>();
        TApplication::Instance().SetMainForm(Form.get());
        QCoreApplication::processEvents(); // the first move, posted at creation
        // Ticked, so the tests may move on from the licence page as they like.
        if (auto* accept = Form->findChild<QCheckBox*>(QStringLiteral("ChkAccept"))) accept->setChecked(true);
    }
    ~WizardFixture() {
        Form.reset();
        TApplication::Instance().SetMainForm(nullptr);
        g_Var.LoadConfig("/nonexistent/Setup");
    }
    // Posts a navigation request as a page does and lets it arrive.
    void Nav(int nav) {
        PostMessage(TApplication::Instance().MainForm(), UM_PAGE_NAV, static_cast<WPARAM>(nav), 0);
        QCoreApplication::processEvents();
    }
};
