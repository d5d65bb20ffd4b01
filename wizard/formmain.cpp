#include "wizard/formmain.h"

#include "app/captions.h"
#include "app/formres.h"
#include "app/globalvar.h"
#include "app/messages.h"
#include "controls/dragimage.h"
#include "platform/prompt.h"
#include "wizard/frameadhocmode.h"
#include "wizard/framedevipcfg.h"
#include "wizard/framedevlist.h"
#include "wizard/framelicense.h"
#include "wizard/framepassword.h"
#include "wizard/framesetupmethod.h"
#include "wizard/framesetwlmethod.h"
#include "wizard/framesitesurvey.h"
#include "wizard/framesuccess.h"
#include "wizard/frametutorial.h"
#include "wizard/frametutorial2.h"
#include "wizard/framewelcome.h"
#include "wizard/framewlconfig.h"
#include "wizard/framewlmodesel.h"
#include "wizard/framewlprofile.h"
#include "wizard/framewpsmethod.h"
#include "wizard/navigation.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

TFormMain* FormMain = nullptr;

namespace {
// The engine's result, time-out and event messages, passed on to the page on display.
constexpr unsigned kFirstEngineMessage = WM_APP + 102;
constexpr unsigned kLastEngineMessage = WM_APP + 104;
} // namespace

template <class T> T* TFormMain::AddPage(PageId id, const char* name) {
    auto* page = new T(this);
    page->setObjectName(QString::fromLatin1(name));
    page->setGeometry(0, 105, 600, 323);
    m_pages.emplace_back(id, page);
    return page;
}

TFormMain::TFormMain(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FormMain"));
    MarkAsContainer(this);
    setFixedSize(600, 450);
    ImgBG = new TDragImage(this);
    ImgBG->setObjectName(QStringLiteral("ImgBG"));
    ImgBG->setGeometry(0, 0, 600, 450);
    FrameWelcome1 = AddPage<TFrameWelcome>(PageId::Welcome, "FrameWelcome1");
    FrameLicense1 = AddPage<TFrameLicense>(PageId::License, "FrameLicense1");
    FrameTutorial1 = AddPage<TFrameTutorial>(PageId::Tutorial, "FrameTutorial1");
    FrameDevList1 = AddPage<TFrameDevList>(PageId::DevList, "FrameDevList1");
    FramePassword1 = AddPage<TFramePassword>(PageId::Password, "FramePassword1");
    FrameSetupMethod1 = AddPage<TFrameSetupMethod>(PageId::SetupMethod, "FrameSetupMethod1");
    FrameDevIPCfg1 = AddPage<TFrameDevIPCfg>(PageId::DevIPCfg, "FrameDevIPCfg1");
    FrameSetWlMethod1 = AddPage<TFrameSetWlMethod>(PageId::SetWlMethod, "FrameSetWlMethod1");
    FrameWPSMethod1 = AddPage<TFrameWPSMethod>(PageId::WPSMethod, "FrameWPSMethod1");
    FrameSuccess1 = AddPage<TFrameSuccess>(PageId::Success, "FrameSuccess1");
    FrameWlProfile1 = AddPage<TFrameWlProfile>(PageId::WlProfile, "FrameWlProfile1");
    FrameAdhocMode1 = AddPage<TFrameAdhocMode>(PageId::AdhocMode, "FrameAdhocMode1");
    FrameWlModeSel1 = AddPage<TFrameWlModeSel>(PageId::WlModeSel, "FrameWlModeSel1");
    FrameWlConfig1 = AddPage<TFrameWlConfig>(PageId::WlConfig, "FrameWlConfig1");
    FrameSiteSurvey1 = AddPage<TFrameSiteSurvey>(PageId::SiteSurvey, "FrameSiteSurvey1");
    FrameTutorial21 = AddPage<TFrameTutorial2>(PageId::Tutorial2, "FrameTutorial21");

    setWindowTitle(QString::fromUtf8(g_Var.AppTitle));
    if (g_Var.IniFile) {
        CIniLock lock(*g_Var.IniFile);
        LoadCaptions(this, "FormMain", lock.Reader());
    }
    if (FormRes) ImgBG->setPixmap(FormRes->Pixmap("ImgBGMain"));
    if (g_Var.IniFile) {
        CIniLock lock(*g_Var.IniFile);
        LoadLayout(this, "FormMain", lock.Reader());
    }
    for (auto& [id, page] : m_pages) {
        page->InitFrame();
        page->hide();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    PostMessage(this, UM_PAGE_NAV, NAV_NEXT, 0);
}

TFormMain::~TFormMain() {
    for (auto& [id, page] : m_pages)
        page->DoneFrame();
    if (FormMain == this) FormMain = nullptr;
}

TFrameBase* TFormMain::Page(PageId id) const {
    for (const auto& [pid, page] : m_pages)
        if (pid == id) return page;
    return nullptr;
}

PageId TFormMain::IdOf(const TFrameBase* page) const {
    for (const auto& [pid, p] : m_pages)
        if (p == page) return pid;
    return PageId::None;
}

bool TFormMain::SwitchFrame(TFrameBase* target, int direction, LPARAM param) {
    if (target == m_curFrame) return true;
    if (m_curFrame && !m_curFrame->CanLeave(target, direction, param)) return false;
    if (target && !target->CanEnter(m_curFrame, direction, param)) return false;
    TFrameBase* old = m_curFrame;
    if (old) {
        old->hide();
        old->AfterLeave(target, direction, param);
    }
    if (target) {
        target->show();
        target->AfterEnter(old, direction, param);
    }
    m_curFrame = target;
    return true;
}

TRouteState TFormMain::RouteState() const {
    TRouteState s;
    s.Current = IdOf(m_curFrame);
    s.DeviceMode = g_Var.DeviceMode;
    s.SetupType = g_Var.SetupType;
    s.WlMethod = g_Var.WlMethod;
    s.StaticIPChosen = FrameSetupMethod1->IsStaticIPChosen();
    return s;
}

void TFormMain::Apply(const TRouteDecision& d, LPARAM param) {
    switch (d.Action) {
    case TRouteDecision::NoMove:
    case TRouteDecision::AskProfile:
        return;
    case TRouteDecision::Close:
        CloseWithResult(d.ModalResult);
        return;
    case TRouteDecision::Move:
        if (d.SetSetupTypeToWireless) g_Var.SetupType = 1;
        if (d.CopyRecords) {
            g_Var.NewIPSetting = g_Var.IPSetting;
            g_Var.NewWlProfile = g_Var.WlProfile;
        }
        SwitchFrame(Page(d.Target), d.Direction, param);
        return;
    }
}

void TFormMain::GoNext(LPARAM param) {
    TRouteDecision d = RouteNext(RouteState());
    if (d.Action == TRouteDecision::AskProfile) {
        if (!FrameWlProfile1->Navigate(true)) return;
        d = RouteAfterProfile(RouteState(), true);
    }
    Apply(d, param);
}

void TFormMain::GoBack(LPARAM param) {
    TRouteDecision d = RouteBack(RouteState());
    if (d.Action == TRouteDecision::AskProfile) {
        if (!FrameWlProfile1->Navigate(false)) return;
        d = RouteAfterProfile(RouteState(), false);
    }
    Apply(d, param);
}

void TFormMain::AskExit() {
    // Any answer but No leaves the wizard; no page hook runs.
    if (Prompt::Service().MessageBox(PromptKind::Question, MessageText("MSG_Exit"), g_Var.MsgTitle) != IDNO)
        CloseWithResult(1);
}

void TFormMain::CloseWithResult(int result) {
    m_closing = true;
    done(result);
    m_closing = false;
}

void TFormMain::WndProc(TMessage& msg) {
    if (msg.Msg == UM_PAGE_NAV) {
        switch (msg.WParam) {
        case NAV_EXIT:
            AskExit();
            break;
        case NAV_NEXT:
            GoNext(msg.LParam);
            break;
        case NAV_BACK:
            GoBack(msg.LParam);
            break;
        default:
            break;
        }
    } else if (msg.Msg >= kFirstEngineMessage && msg.Msg <= kLastEngineMessage && m_curFrame) {
        msg.Result = SendMessage(m_curFrame, msg.Msg, msg.WParam, msg.LParam);
    }
    DefaultHandler(msg);
}

bool TFormMain::event(QEvent* e) {
    return DispatchMessageEvent(e) || QDialog::event(e);
}

// Closing the window by the window manager asks the exit question like the Exit button.
void TFormMain::closeEvent(QCloseEvent* e) {
    if (m_closing) return QDialog::closeEvent(e);
    e->ignore();
    AskExit();
}

// Escape does not leave the wizard.
void TFormMain::reject() {}
