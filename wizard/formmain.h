// TFormMain: the wizard window - hosts every page, shows one at a time and routes Next, Back and Exit.
#pragma once

#include "platform/message.h"
#include "wizard/routing.h"

#include <QDialog>
#include <utility>
#include <vector>

class TDragImage;
class TFrameBase;
class TFrameWelcome;
class TFrameLicense;
class TFrameTutorial;
class TFrameDevList;
class TFramePassword;
class TFrameSetupMethod;
class TFrameDevIPCfg;
class TFrameSetWlMethod;
class TFrameWPSMethod;
class TFrameSuccess;
class TFrameWlProfile;
class TFrameAdhocMode;
class TFrameWlModeSel;
class TFrameWlConfig;
class TFrameSiteSurvey;
class TFrameTutorial2;

class TFormMain : public QDialog, public CMessageReceiver {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Moves from the current page to target through the page hooks; false when a page refuses.
    bool SwitchFrame(TFrameBase* target, int direction, LPARAM param);
    TFrameBase* CurFrame() const { return m_curFrame; }
    TFrameBase* Page(PageId id) const;
    PageId IdOf(const TFrameBase* page) const;

    void WndProc(TMessage& msg) override;

    TDragImage* ImgBG;
    TFrameWelcome* FrameWelcome1;
    TFrameLicense* FrameLicense1;
    TFrameTutorial* FrameTutorial1;
    TFrameDevList* FrameDevList1;
    TFramePassword* FramePassword1;
    TFrameSetupMethod* FrameSetupMethod1;
    TFrameDevIPCfg* FrameDevIPCfg1;
    TFrameSetWlMethod* FrameSetWlMethod1;
    TFrameWPSMethod* FrameWPSMethod1;
    TFrameSuccess* FrameSuccess1;
    TFrameWlProfile* FrameWlProfile1;
    TFrameAdhocMode* FrameAdhocMode1;
    TFrameWlModeSel* FrameWlModeSel1;
    TFrameWlConfig* FrameWlConfig1;
    TFrameSiteSurvey* FrameSiteSurvey1;
    TFrameTutorial2* FrameTutorial21;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    template <class T> T* AddPage(PageId id, const char* name);
    TRouteState RouteState() const;
    void Apply(const TRouteDecision& decision, LPARAM param);
    void GoNext(LPARAM param);
    void GoBack(LPARAM param);
    void AskExit();
    void CloseWithResult(int result);

    std::vector<std::pair<PageId, TFrameBase*>> m_pages;
    TFrameBase* m_curFrame = nullptr;
    bool m_closing = false; // closing with a modal result, not by the window manager
};

// The wizard window of the running program.
extern TFormMain* FormMain;
