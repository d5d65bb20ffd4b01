#include "controls/dragimage.h"
#include "controls/stateimage.h"
#include "controls/trifacebtn.h"
#include "menufixture.h"
#include "platform/timer.h"
#include "wizard/framebase.h"
#include "wizard/framelicense.h"
#include "wizard/navigation.h"
#include "wizard/userguideaction.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {
const MenuFixture::Files kLicence = {{"License.txt", "The terms.\n"}};
const char* const kLicenceIni = "[Product]\nLicense=License.txt\n";
const char* const kGuideIni =
    "[Product]\nMsgTitle=Box Title\nUserGuide=guide.pdf\nAcrobatReader=reader-setup\n"
    "AcrobatReaderTitle=Reader Setup\n";

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Runs `inside` once the wizard's modal run has started, then returns from the click that opened it.
void OpenWizard(const std::function<void()>& inside) {
    QTimer::singleShot(0, FormMain, [inside] {
        inside();
        MenuFixture::Settle();
    });
    click(FormAutorun->BtnSetupWizard);
}

// A page that records the messages it is given and answers 77.
class SpyPage : public TFrameBase {
public:
    explicit SpyPage(QWidget* parent) : TFrameBase(parent) { hide(); }
    void WndProc(TMessage& m) override {
        Seen.push_back({static_cast<LPARAM>(m.Msg), static_cast<LPARAM>(m.WParam), m.LParam});
        m.Result = 77;
    }
    std::vector<std::vector<LPARAM>> Seen;
};

// Runs the application's message loop with `start` as its first step; true when the loop ended by itself
// (the program would end there), false when it was still running after 20 s.
bool RunsToTheEnd(const std::function<void()>& start) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(20000);
    QTimer::singleShot(0, FormAutorun, start);
    return QApplication::exec() == 0;
}

std::vector<std::string> Texts(const CScriptedPrompt& p) {
    std::vector<std::string> t;
    for (const auto& r : p.Shown)
        t.push_back(r.Text);
    return t;
}
} // namespace

TEST(FormAutorun, ButtonsSitAtTheirPlacesShapedByTheirFaces) {
    MenuFixture m;
    const TFormAutorun& f = *FormAutorun;
    EXPECT_EQ(f.size(), QSize(600, 450));
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(f.ImgBG->geometry(), QRect(0, 0, 600, 450));
    struct Case {
        TTrifaceBtn* Button;
        QRect Bounds;
    };
    for (const Case& c : {Case{f.BtnSetupWizard, {356, 94, 197, 32}}, Case{f.BtnUG, {356, 143, 197, 31}},
                          Case{f.BtnProductReg, {356, 237, 197, 30}}, Case{f.BtnExit, {356, 284, 197, 31}}}) {
        SCOPED_TRACE(c.Button->objectName().toStdString());
        EXPECT_EQ(c.Button->geometry(), c.Bounds);
        EXPECT_TRUE(c.Button->AutoShape());
        EXPECT_FALSE(c.Button->mask().isEmpty());
        EXPECT_FALSE(c.Button->mask().contains(QPoint(0, 0))); // the fuchsia corner is cut away
        EXPECT_EQ(c.Button->FaceOver().cacheKey(), c.Button->FaceDown().cacheKey());
    }
    EXPECT_EQ(f.BtnUG_UG->geometry(), QRect(356, 175, 197, 21));
    EXPECT_EQ(f.BtnUG_QIG->geometry(), QRect(356, 195, 197, 21));
    EXPECT_TRUE(f.BtnUG_UG->isHidden());
    EXPECT_TRUE(f.BtnUG_QIG->isHidden());
    EXPECT_FALSE(f.TimerInstAcrobat->Enabled());
}

TEST(FormAutorun, DocumentationButtonOpensAndClosesTheSubMenu) {
    MenuFixture m;
    TFormAutorun& f = *FormAutorun;
    const QPoint reg = f.BtnProductReg->pos(), exit = f.BtnExit->pos(), wizard = f.BtnSetupWizard->pos();
    click(f.BtnUG);
    EXPECT_TRUE(f.GuideMenuShown());
    EXPECT_EQ(f.BtnProductReg->pos(), reg + QPoint(0, 48));
    EXPECT_EQ(f.BtnExit->pos(), exit + QPoint(0, 48));
    EXPECT_TRUE(f.BtnUG_UG->isVisible());
    EXPECT_TRUE(f.BtnUG_QIG->isVisible());
    click(f.BtnUG);
    EXPECT_FALSE(f.GuideMenuShown());
    EXPECT_EQ(f.BtnProductReg->pos(), reg);
    EXPECT_EQ(f.BtnExit->pos(), exit);
    EXPECT_EQ(f.BtnSetupWizard->pos(), wizard);
    EXPECT_TRUE(f.BtnUG_UG->isHidden());
    EXPECT_TRUE(f.BtnUG_QIG->isHidden());
}

TEST(FormAutorun, QuickGuideAndRegistrationGoToTheShellAsWritten) {
    struct Case {
        const char* Ini;
        bool Registration; // which button
        std::vector<std::string> Calls;
    };
    const Case cases[] = {
        {"", false, {"explore QIG"}},
        {"[Product]\nQIG=docs/quick\n", false, {"explore docs/quick"}},
        {"[Product]\nProductReg=https://register.example.com/x\n",
         true,
         {"open https://register.example.com/x"}},
        {"[Product]\nProductReg=\n", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Ini);
        MenuFixture m(c.Ini);
        if (c.Registration) {
            click(FormAutorun->BtnProductReg);
        } else {
            click(FormAutorun->BtnUG);
            click(FormAutorun->BtnUG_QIG);
        }
        EXPECT_EQ(m.Shell->Calls, c.Calls);
        EXPECT_TRUE(m.Prompt->Shown.empty());
    }
}

TEST(FormAutorun, UserGuideResults) {
    struct Case {
        const char* Name;
        bool GuideFile, Associated, OpenOk, StartOk;
        std::deque<int> Answers;
        std::vector<std::string> Prompts;
        bool WatchStarts;
    };
    const std::string failed = "Unable to open the user guide.";
    const std::string install = "Acrobat Reader is not installed. Would you like to install it now?";
    const std::string noSetup = "Unable to find Acrobat Reader setup file.";
    const Case cases[] = {
        {"opened", true, true, true, true, {}, {}, false},
        {"file missing", false, true, true, true, {}, {failed}, false},
        {"open failed", true, true, false, true, {}, {failed}, false},
        {"no reader, No", true, false, true, true, {IDNO}, {install}, false},
        {"no reader, setup missing", true, false, true, false, {IDYES}, {install, noSetup}, false},
        {"no reader, setup started", true, false, true, true, {IDYES}, {install}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        MenuFixture m(kGuideIni);
        if (c.GuideFile) m.Dir.Write("guide.pdf", "%PDF-1.4\n");
        m.Shell->Associated = c.Associated;
        m.Shell->OpenResult = c.OpenOk;
        m.Shell->StartResult = c.StartOk;
        m.Prompt->Answers = c.Answers;
        click(FormAutorun->BtnUG);
        click(FormAutorun->BtnUG_UG);
        EXPECT_EQ(Texts(*m.Prompt), c.Prompts);
        for (const auto& shown : m.Prompt->Shown) {
            EXPECT_EQ(shown.Caption, "Box Title");
            EXPECT_EQ(shown.Kind, shown.Text == install ? PromptKind::Question : PromptKind::Information);
        }
        EXPECT_EQ(FormAutorun->TimerInstAcrobat->Enabled(), c.WatchStarts);
        if (c.WatchStarts) {
            EXPECT_EQ(FormAutorun->TimerInstAcrobat->Interval(), 10000u);
            EXPECT_EQ(m.Shell->Calls.back(), "start " + m.Dir.Path("reader-setup"));
        }
        if (c.Answers == std::deque<int>{IDNO}) {
            // No changes nothing: the next click asks again.
            m.Prompt->Answers = {IDNO};
            click(FormAutorun->BtnUG_UG);
            EXPECT_EQ(Texts(*m.Prompt), (std::vector<std::string>{install, install}));
        }
    }
}

// The watch checks 10 s after the start, then every second while the installer's window is up; the
// fourth check without it opens the guide, silently even when that fails again.
TEST(FormAutorun, InstallerWatchOpensTheGuideOnTheFourthMiss) {
    for (int windowUpFor : {0, 3}) {
        SCOPED_TRACE(windowUpFor);
        MenuFixture m(kGuideIni);
        m.Dir.Write("guide.pdf", "%PDF-1.4\n");
        m.Shell->Associated = false;
        TickClock::SetTimeScale(1000);
        TTimer* timer = FormAutorun->TimerInstAcrobat;
        std::vector<unsigned> intervals; // the timer's interval at each check
        m.Shell->FindWindow = [&](const std::string& title) {
            EXPECT_EQ(title, "Reader Setup");
            intervals.push_back(timer->Interval());
            return static_cast<int>(intervals.size()) <= windowUpFor;
        };
        click(FormAutorun->BtnUG);
        click(FormAutorun->BtnUG_UG);
        ASSERT_TRUE(timer->Enabled());
        // Asked again while the watch runs: no second question.
        click(FormAutorun->BtnUG_UG);
        EXPECT_EQ(m.Prompt->Shown.size(), 1u);

        ASSERT_TRUE(QTest::qWaitFor([&] { return !timer->Enabled(); }, 10000));
        std::vector<unsigned> expected(static_cast<size_t>(windowUpFor + 4), 1000u);
        expected[0] = 10000u;
        if (windowUpFor == 0) expected = {10000u, 10000u, 10000u, 10000u};
        EXPECT_EQ(intervals, expected);
        EXPECT_EQ(FormAutorun->UserGuide->InstallerMisses, 0);
        EXPECT_EQ(m.Prompt->Shown.size(), 1u);
        // The guide was tried once more after the watch: three associations asked in all.
        EXPECT_EQ(
            std::count(m.Shell->Calls.begin(), m.Shell->Calls.end(), "assoc " + m.Dir.Path("guide.pdf")), 3);
    }
}

TEST(FormAutorun, NavigationAndEngineMessagesReachTheWizardSynchronously) {
    MenuFixture m("[Setting]\nSkipLicense=1\n");
    ASSERT_EQ(FormMain->CurFrame(), FormMain->Page(PageId::Tutorial));
    // Back from the first tutorial closes the wizard: the move happens inside the send.
    SendMessage(FormAutorun, UM_PAGE_NAV, NAV_BACK, 0);
    EXPECT_EQ(FormMain->result(), 2);

    auto* page = new SpyPage(FormMain);
    ASSERT_TRUE(FormMain->SwitchFrame(page, DIR_FORWARD, 0));
    for (unsigned msg : {WM_APP + 102, WM_APP + 103, WM_APP + 104}) {
        EXPECT_EQ(SendMessage(FormAutorun, msg, 7, 9), 77);
        ASSERT_FALSE(page->Seen.empty());
        EXPECT_EQ(page->Seen.back(), (std::vector<LPARAM>{static_cast<LPARAM>(msg), 7, 9}));
    }
    EXPECT_EQ(page->Seen.size(), 3u);
    SendMessage(FormAutorun, WM_APP + 101, 7, 9); // not the wizard's
    EXPECT_EQ(page->Seen.size(), 3u);
}

TEST(FormAutorun, WizardBackReturnsToTheMenuAndCanBeOpenedAgain) {
    MenuFixture m(kLicenceIni, kLicence);
    ASSERT_EQ(FormMain->CurFrame(), FormMain->Page(PageId::License));
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        bool menuHidden = false, wizardShown = false;
        OpenWizard([&] {
            menuHidden = FormAutorun->isHidden();
            wizardShown = FormMain->isVisible();
            PostPageNav(NAV_BACK); // Back on the licence page
        });
        EXPECT_TRUE(menuHidden);
        EXPECT_TRUE(wizardShown);
        EXPECT_EQ(FormMain->result(), 2);
        EXPECT_TRUE(FormAutorun->isVisible());
        EXPECT_FALSE(FormMain->isVisible());
        EXPECT_EQ(FormMain->CurFrame(), FormMain->Page(PageId::License));
    }
}

TEST(FormAutorun, LeavingTheWizardWithYesEndsTheProgram) {
    MenuFixture m(kLicenceIni, kLicence);
    m.Prompt->Answers = {IDNO, IDYES};
    bool stayedAfterNo = false;
    EXPECT_TRUE(RunsToTheEnd([&] {
        OpenWizard([&] {
            PostPageNav(NAV_EXIT);
            MenuFixture::Settle();
            stayedAfterNo = FormMain->isVisible() && FormMain->CurFrame() == FormMain->Page(PageId::License);
            PostPageNav(NAV_EXIT);
        });
    }));
    EXPECT_TRUE(stayedAfterNo);
    EXPECT_EQ(FormMain->result(), 1);
    EXPECT_FALSE(FormAutorun->isVisible());
    EXPECT_EQ(m.Prompt->Shown.size(), 2u);
    EXPECT_EQ(m.Prompt->Shown[0].Text, "Do you want to exit the Setup Wizard?");
}

TEST(FormAutorun, ExitButtonEndsTheProgram) {
    MenuFixture m;
    EXPECT_TRUE(RunsToTheEnd([] { click(FormAutorun->BtnExit); }));
    EXPECT_FALSE(FormAutorun->isVisible());
}
