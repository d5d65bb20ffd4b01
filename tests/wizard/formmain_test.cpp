#include "controls/trifacebtn.h"
#include "wizard/framebase.h"
#include "wizard/framelicense.h"
#include "wizard/framesetupmethod.h"
#include "wizard/framesetwlmethod.h"
#include "wizard/framesuccess.h"
#include "wizard/frametutorial2.h"
#include "wizard/framewpsmethod.h"
#include "wizard/navigation.h"
#include "wizardfixture.h"

#include <QRadioButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// A page that records every hook and message, and refuses moves when told.
class SpyPage : public TFrameBase {
public:
    SpyPage(QWidget* parent, std::vector<std::string>& log, const char* name)
        : TFrameBase(parent), m_log(log) {
        setObjectName(QString::fromLatin1(name));
        hide();
    }
    bool RefuseEnter = false, RefuseLeave = false;
    bool CanEnter(TFrameBase* from, int dir, LPARAM p) override {
        record("CanEnter", dir, p);
        return !RefuseEnter && TFrameBase::CanEnter(from, dir, p);
    }
    void AfterEnter(TFrameBase*, int dir, LPARAM p) override { record("AfterEnter", dir, p); }
    bool CanLeave(TFrameBase* to, int dir, LPARAM p) override {
        record("CanLeave", dir, p);
        return !RefuseLeave && TFrameBase::CanLeave(to, dir, p);
    }
    void AfterLeave(TFrameBase*, int dir, LPARAM p) override { record("AfterLeave", dir, p); }
    void WndProc(TMessage& m) override {
        m_log.push_back(name() + " msg " + std::to_string(m.Msg - WM_APP) + " " + std::to_string(m.WParam) +
                        " " + std::to_string(m.LParam));
        m.Result = 99;
    }

private:
    std::string name() const { return objectName().toStdString(); }
    void record(const char* hook, int dir, LPARAM p) {
        m_log.push_back(name() + " " + hook + " " + std::to_string(dir) + " " + std::to_string(p) +
                        (isHidden() ? " hidden" : " shown"));
    }
    std::vector<std::string>& m_log;
};
} // namespace

TEST(FormMain, FirstMoveShowsTheLicencePageNeverTheWelcomePage) {
    WizardFixture w;
    EXPECT_EQ(w.Form->CurFrame(), static_cast<TFrameBase*>(w.Form->FrameLicense1));
    EXPECT_FALSE(w.Form->FrameLicense1->isHidden());
    int shown = 0;
    for (TFrameBase* page : w.Form->findChildren<TFrameBase*>())
        shown += page->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(g_Var.DeviceMode, 1); // the device mode page starts the wizard in access-point mode
}

TEST(FormMain, SwitchFrameCallsTheHooksInOrder) {
    WizardFixture w;
    std::vector<std::string> log;
    auto* a = new SpyPage(w.Form.get(), log, "A");
    auto* b = new SpyPage(w.Form.get(), log, "B");
    ASSERT_TRUE(w.Form->SwitchFrame(a, DIR_FORWARD, 0));
    log.clear();
    ASSERT_TRUE(w.Form->SwitchFrame(b, DIR_FORWARD, 5));
    const std::vector<std::string> expected = {"A CanLeave 0 5 shown", "B CanEnter 0 5 hidden",
                                               "A AfterLeave 0 5 hidden", "B AfterEnter 0 5 shown"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(b->PrevFrame(), a);
    log.clear();
    EXPECT_TRUE(w.Form->SwitchFrame(b, DIR_FORWARD, 0)); // already current: nothing happens
    EXPECT_TRUE(log.empty());
}

TEST(FormMain, RefusedMovesChangeNothing) {
    struct Case {
        bool RefuseLeave, RefuseEnter;
        std::vector<std::string> Log;
        bool PrevKept; // a page that agreed to leave backward has forgotten where it came from
    } cases[] = {
        {true, false, {"A CanLeave 1 0 shown"}, true},
        {false, true, {"A CanLeave 1 0 shown", "B CanEnter 1 0 hidden"}, false},
    };
    for (const auto& c : cases) {
        WizardFixture w;
        std::vector<std::string> log;
        auto* a = new SpyPage(w.Form.get(), log, "A");
        auto* b = new SpyPage(w.Form.get(), log, "B");
        w.Form->SwitchFrame(a, DIR_FORWARD, 0);
        log.clear();
        a->RefuseLeave = c.RefuseLeave;
        b->RefuseEnter = c.RefuseEnter;
        EXPECT_FALSE(w.Form->SwitchFrame(b, DIR_BACKWARD, 0));
        EXPECT_EQ(log, c.Log);
        EXPECT_EQ(w.Form->CurFrame(), a);
        EXPECT_FALSE(a->isHidden());
        EXPECT_TRUE(b->isHidden());
        EXPECT_EQ(a->PrevFrame() != nullptr, c.PrevKept);
    }
}

TEST(FormMain, ExitAskedNoKeepsEverythingYesEndsWithResultOne) {
    WizardFixture w;
    std::vector<std::string> log;
    auto* a = new SpyPage(w.Form.get(), log, "A");
    w.Form->SwitchFrame(a, DIR_FORWARD, 0);
    log.clear();
    w.Prompt->Answers = {IDNO, IDYES};
    w.Form->setResult(0);
    w.Nav(NAV_EXIT);
    ASSERT_EQ(w.Prompt->Shown.size(), 1u);
    EXPECT_EQ(w.Prompt->Shown[0].Text, "Do you want to exit the Setup Wizard?");
    EXPECT_EQ(w.Prompt->Shown[0].Kind, PromptKind::Question);
    EXPECT_EQ(w.Form->result(), 0);
    w.Nav(NAV_EXIT);
    EXPECT_EQ(w.Form->result(), 1);
    EXPECT_EQ(w.Form->CurFrame(), a);
    EXPECT_TRUE(log.empty()); // no page hook runs on exit
}

TEST(FormMain, BackFromTheFirstPagesEndsWithResultTwoAndKeepsThePage) {
    WizardFixture w;
    w.Form->setResult(0);
    w.Nav(NAV_BACK);
    EXPECT_EQ(w.Form->result(), 2);
    EXPECT_EQ(w.Form->CurFrame(), static_cast<TFrameBase*>(w.Form->FrameLicense1));
    w.Nav(42); // unknown navigation values are ignored
    EXPECT_EQ(w.Form->CurFrame(), static_cast<TFrameBase*>(w.Form->FrameLicense1));
}

TEST(FormMain, EngineMessagesReachTheCurrentPageSynchronously) {
    WizardFixture w;
    std::vector<std::string> log;
    auto* a = new SpyPage(w.Form.get(), log, "A");
    w.Form->SwitchFrame(a, DIR_FORWARD, 0);
    log.clear();
    for (unsigned m : {WM_APP + 101, WM_APP + 102, WM_APP + 103, WM_APP + 104, WM_APP + 105})
        SendMessage(w.Form.get(), m, 3, 1);
    const std::vector<std::string> expected = {"A msg 102 3 1", "A msg 103 3 1", "A msg 104 3 1"};
    EXPECT_EQ(log, expected);
}

TEST(FormMain, StaticIPChoiceRoutesAndCopiesTheRecords) {
    WizardFixture w;
    g_Var.DeviceMode = 1;
    g_Var.SetupType = 0;
    g_Var.IPSetting = {0, 0xC0A80102, 0xFFFFFF00, 0xC0A80101, 0, 0};
    g_Var.NewIPSetting = {};
    CopyText(g_Var.WlProfile.SSID, "from device");
    w.Form->SwitchFrame(w.Form->FrameSetupMethod1, DIR_FORWARD, 0);
    w.Form->FrameSetupMethod1->RBtnSetIP->setChecked(true);
    w.Nav(NAV_NEXT);
    EXPECT_EQ(w.Form->IdOf(w.Form->CurFrame()), PageId::DevIPCfg);
    EXPECT_EQ(g_Var.SetupType, 0);
    w.Nav(NAV_NEXT);
    EXPECT_EQ(w.Form->IdOf(w.Form->CurFrame()), PageId::SetWlMethod);
    EXPECT_EQ(g_Var.SetupType, 1);
    EXPECT_EQ(g_Var.NewIPSetting, g_Var.IPSetting);
    EXPECT_EQ(FieldText(g_Var.NewWlProfile.SSID), "from device");
    w.Nav(NAV_BACK); // static IP chosen: back to the IP page
    EXPECT_EQ(w.Form->IdOf(w.Form->CurFrame()), PageId::DevIPCfg);
}

TEST(FormMain, BackFromWpsInAccessPointModeEntersTheMethodPageForward) {
    WizardFixture w;
    g_Var.DeviceMode = 1;
    w.Form->SwitchFrame(w.Form->FrameWPSMethod1, DIR_FORWARD, 0);
    w.Nav(NAV_BACK);
    EXPECT_EQ(w.Form->CurFrame(), static_cast<TFrameBase*>(w.Form->FrameSetWlMethod1));
    EXPECT_EQ(w.Form->FrameSetWlMethod1->PrevFrame(), static_cast<TFrameBase*>(w.Form->FrameWPSMethod1));
}

TEST(FormMain, PageButtonsPostTheirNavigation) {
    WizardFixture w;
    w.Form->SwitchFrame(w.Form->FrameSuccess1, DIR_FORWARD, 0);
    g_Var.DeviceMode = 1;
    w.Form->FrameSuccess1->BtnBack->click(); // posts, so nothing moves until the message arrives
    EXPECT_EQ(w.Form->CurFrame(), static_cast<TFrameBase*>(w.Form->FrameSuccess1));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Form->IdOf(w.Form->CurFrame()), PageId::WlModeSel);
}
