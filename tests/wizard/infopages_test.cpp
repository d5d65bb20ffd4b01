// The licence, tutorial and welcome pages inside the wizard window: the licence box, the acceptance,
// the skip settings in both directions and the welcome page's user guide action.
#include "app/globalvar.h"
#include "controls/trifacebtn.h"
#include "platform/application.h"
#include "platform/prompt_scripted.h"
#include "platform/tickclock.h"
#include "platform/timer.h"
#include "support/fakeshell.h"
#include "support/tempdir.h"
#include "wizard/formmain.h"
#include "wizard/framelicense.h"
#include "wizard/frametutorial.h"
#include "wizard/frametutorial2.h"
#include "wizard/framewelcome.h"
#include "wizard/navigation.h"
#include "wizard/userguideaction.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {
using Files = std::vector<std::pair<std::string, std::string>>;

const char* const kLicenceIni = "[Product]\nLicense=License.txt\n";
const Files kLicence = {{"License.txt", "first terms"}};

// A wizard window on a fresh disc folder with the given ini text and files; pages post to it.
struct InfoWizard {
    TestDir Dir;
    CScriptedPromptGuard Prompt;
    FakeShellGuard Shell;
    std::unique_ptr<TFormMain> Form;

    explicit InfoWizard(const std::string& ini, const Files& files = {}) {
        Dir.Write("Setup.ini", ini);
        for (const auto& [name, content] : files)
            Dir.Write(name, content);
        g_Var.LoadConfig(Dir.Path("Setup"));
        Form = std::make_unique<TFormMain>();
        TApplication::Instance().SetMainForm(Form.get());
        Form->show();
        Settle(); // the first move, and the moves of pages that pass themselves over
    }
    ~InfoWizard() {
        Form.reset();
        TApplication::Instance().SetMainForm(nullptr);
        TickClock::SetTimeScale(1);
        g_Var.LoadConfig("/nonexistent/Setup");
    }
    static void Settle() {
        for (int i = 0; i < 8; ++i)
            QCoreApplication::processEvents();
    }
    void Nav(int nav) {
        PostPageNav(nav);
        Settle();
    }
    TFrameBase* Current() const { return Form->CurFrame(); }
    TFrameBase* Page(PageId id) const { return Form->Page(id); }
    TFrameLicense* Licence() const { return Form->FrameLicense1; }
};

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}
} // namespace

TEST(LicencePage, BoxShowsTheFileAndNextWaitsForTheTick) {
    InfoWizard w(kLicenceIni, kLicence);
    TFrameLicense* page = w.Licence();
    ASSERT_EQ(w.Current(), page);
    EXPECT_TRUE(page->REdtLicense->isReadOnly());
    EXPECT_EQ(page->REdtLicense->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(page->REdtLicense->toPlainText(), QStringLiteral("first terms"));
    EXPECT_FALSE(page->ChkAccept->isChecked());
    EXPECT_FALSE(page->BtnNext->isEnabled());

    click(page->ChkAccept);
    EXPECT_TRUE(page->BtnNext->isEnabled());
    click(page->ChkAccept); // unticked again: Next is disabled again
    EXPECT_FALSE(page->BtnNext->isEnabled());
    click(page->ChkAccept);
    EXPECT_FALSE(g_Var.LicenseAccepted);
    click(page->BtnNext);
    w.Settle();
    EXPECT_EQ(w.Current(), w.Page(PageId::Tutorial));
    EXPECT_TRUE(g_Var.LicenseAccepted);
}

TEST(LicencePage, ANextRequestWhileUntickedChangesNothing) {
    InfoWizard w(kLicenceIni, kLicence);
    TFrameLicense* page = w.Licence();
    ASSERT_EQ(w.Current(), page);
    w.Nav(NAV_NEXT); // from elsewhere than the disabled button
    EXPECT_EQ(w.Current(), page);
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(w.Page(PageId::Tutorial)->isHidden());
    EXPECT_FALSE(page->ChkAccept->isChecked());
    EXPECT_FALSE(page->BtnNext->isEnabled());
    EXPECT_FALSE(g_Var.LicenseAccepted);
    EXPECT_EQ(page->REdtLicense->toPlainText(), QStringLiteral("first terms"));
}

TEST(LicencePage, RichTextShowsFormattedPlainTextAsWritten) {
    struct Case {
        const char* Name;
        std::string Content;
        QString Text;
        bool FirstWordBold;
    };
    const Case cases[] = {
        {"rich text", "{\\rtf1\\ansi \\b Terms\\b0  of use\\par end}", QStringLiteral("Terms of use\nend"),
         true},
        {"plain text", "{\\b Terms} of use\nend", QStringLiteral("{\\b Terms} of use\nend"), false},
        {"plain Big5 text", "Terms \xa4\xa4\xa4\xe5", QStringLiteral("Terms 中文"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        InfoWizard w("[Product]\nLicense=terms.dat\n", {{"terms.dat", c.Content}});
        ASSERT_EQ(w.Current(), w.Licence());
        QTextEdit* box = w.Licence()->REdtLicense;
        EXPECT_EQ(box->toPlainText(), c.Text);
        QTextCursor cursor(box->document());
        cursor.setPosition(1);
        EXPECT_EQ(cursor.charFormat().fontWeight() >= QFont::Bold, c.FirstWordBold);
    }
}

TEST(LicencePage, ReadAgainOnEachForwardEntryUntilAccepted) {
    InfoWizard w(kLicenceIni, kLicence);
    TFrameLicense* page = w.Licence();
    click(page->ChkAccept);
    ASSERT_TRUE(w.Form->SwitchFrame(w.Page(PageId::Welcome), DIR_BACKWARD, 0));
    w.Dir.Write("License.txt", "second terms");
    click(w.Form->FrameWelcome1->BtnStart);
    w.Settle();
    ASSERT_EQ(w.Current(), page);
    EXPECT_EQ(page->REdtLicense->toPlainText(), QStringLiteral("second terms"));
    EXPECT_FALSE(page->ChkAccept->isChecked());
    EXPECT_FALSE(page->BtnNext->isEnabled());

    click(page->ChkAccept);
    click(page->BtnNext);
    w.Settle();
    ASSERT_EQ(w.Current(), w.Page(PageId::Tutorial));
    // Accepted: the page passes itself over, with the box still ticked and the text not read again.
    ASSERT_TRUE(w.Form->SwitchFrame(w.Page(PageId::Welcome), DIR_BACKWARD, 0));
    w.Dir.Write("License.txt", "third terms");
    w.Nav(NAV_NEXT);
    EXPECT_EQ(w.Current(), w.Page(PageId::Tutorial));
    EXPECT_TRUE(page->ChkAccept->isChecked());
    EXPECT_EQ(page->REdtLicense->toPlainText(), QStringLiteral("second terms"));
}

TEST(InfoPages, SkipSettingsGoingForward) {
    struct Case {
        const char* Name;
        std::string Ini;
        Files Disc;
        PageId Shown;
        bool Accepted;
    };
    const Case cases[] = {
        {"nothing skipped", kLicenceIni, kLicence, PageId::License, false},
        {"no licence configured", "", {}, PageId::Tutorial, true},
        {"licence file missing", "[Product]\nLicense=gone.txt\n", kLicence, PageId::Tutorial, true},
        {"licence skipped", std::string(kLicenceIni) + "[Setting]\nSkipLicense=1\n", kLicence,
         PageId::Tutorial, true},
        {"tutorials skipped", std::string(kLicenceIni) + "[Setting]\nSkipTutorial=1\n", kLicence,
         PageId::License, false},
        {"both skipped", std::string(kLicenceIni) + "[Setting]\nSkipLicense=1\nSkipTutorial=1\n", kLicence,
         PageId::DevList, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        InfoWizard w(c.Ini, c.Disc);
        EXPECT_EQ(w.Form->IdOf(w.Current()), c.Shown);
        EXPECT_EQ(g_Var.LicenseAccepted, c.Accepted);
        int shown = 0;
        for (TFrameBase* page : w.Form->findChildren<TFrameBase*>())
            shown += page->isHidden() ? 0 : 1;
        EXPECT_EQ(shown, 1);
    }
}

TEST(InfoPages, TutorialsSkippedGoingBackEndTheWizardWithResultTwo) {
    InfoWizard w("[Setting]\nSkipLicense=1\nSkipTutorial=1\n");
    ASSERT_EQ(w.Current(), w.Page(PageId::DevList));
    w.Nav(NAV_BACK);
    // Both tutorial pages passed back: the first one closed the wizard and stays current.
    EXPECT_EQ(w.Form->result(), 2);
    EXPECT_FALSE(w.Form->isVisible());
    EXPECT_EQ(w.Current(), w.Page(PageId::Tutorial));
    EXPECT_EQ(w.Page(PageId::Tutorial2)->PrevFrame(), nullptr);
}

TEST(InfoPages, SkipSettingIsReadOnEveryEntry) {
    InfoWizard w("");
    ASSERT_EQ(w.Current(), w.Page(PageId::Tutorial));
    w.Dir.Write("Setup.ini", "[Setting]\nSkipTutorial=1\n");
    w.Nav(NAV_NEXT); // the second tutorial now passes itself over
    EXPECT_EQ(w.Current(), w.Page(PageId::DevList));
    w.Dir.Write("Setup.ini", "");
    w.Nav(NAV_BACK);
    EXPECT_EQ(w.Current(), w.Page(PageId::Tutorial2));
    EXPECT_TRUE(w.Page(PageId::Tutorial2)->isVisible());
}

TEST(WelcomePage, ButtonsPostTheirMoves) {
    InfoWizard w(kLicenceIni, kLicence);
    TFrameWelcome* page = w.Form->FrameWelcome1;
    ASSERT_TRUE(w.Form->SwitchFrame(page, DIR_BACKWARD, 0));
    EXPECT_TRUE(page->BtnUG->isHidden());
    w.Prompt->Answers = {IDNO};
    click(page->BtnExit);
    w.Settle();
    ASSERT_EQ(w.Prompt->Shown.size(), 1u);
    EXPECT_EQ(w.Prompt->Shown[0].Text, "Do you want to exit the Setup Wizard?");
    EXPECT_EQ(w.Current(), page);
    click(page->BtnStart);
    w.Settle();
    EXPECT_EQ(w.Current(), w.Licence());
}

// The welcome page runs the user guide action of the start menu with its own watch and counter.
TEST(WelcomePage, UserGuideActionWithItsOwnInstallerWatch) {
    InfoWizard w("[Product]\nUserGuide=guide.pdf\nAcrobatReader=setup.bin\n", {{"guide.pdf", "%PDF"}});
    TFrameWelcome* page = w.Form->FrameWelcome1;
    TUserGuideAction other(nullptr); // the start menu's, half-way through a watch of its own
    other.InstallerMisses = 2;
    w.Shell->Associated = false;
    int checks = 0;
    w.Shell->FindWindow = [&](const std::string&) {
        ++checks;
        return false;
    };
    TickClock::SetTimeScale(1000);
    page->BtnUG->click(); // hidden on the page, but the action is there
    ASSERT_EQ(w.Prompt->Shown.size(), 1u);
    EXPECT_EQ(w.Prompt->Shown[0].Text, "Acrobat Reader is not installed. Would you like to install it now?");
    EXPECT_EQ(w.Shell->Calls.back(), "start " + w.Dir.Path("setup.bin"));
    ASSERT_TRUE(page->TimerInstAcrobat->Enabled());
    EXPECT_EQ(page->TimerInstAcrobat->Interval(), 10000u);
    EXPECT_FALSE(other.TimerInstAcrobat->Enabled());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->TimerInstAcrobat->Enabled(); }, 10000));
    EXPECT_EQ(checks, 4);
    EXPECT_EQ(page->UserGuide->InstallerMisses, 0);
    EXPECT_EQ(other.InstallerMisses, 2);
    EXPECT_EQ(w.Prompt->Shown.size(), 1u);
}
