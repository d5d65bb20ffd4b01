// TFormAutorun: the start menu window - the program's main window, opening the wizard and the documents.
#pragma once

#include "platform/message.h"

#include <QWidget>

class TDragImage;
class TStateImage;
class TTimer;
class TTrifaceBtn;
class TUserGuideAction;

class TFormAutorun : public QWidget, public CMessageReceiver {
    Q_OBJECT
public:
    explicit TFormAutorun(QWidget* parent = nullptr);
    ~TFormAutorun() override;

    // The wizard's navigation and the engine's messages go on to the wizard window, then get the
    // default processing.
    void WndProc(TMessage& msg) override;

    TDragImage* ImgBG;
    TTrifaceBtn* BtnSetupWizard;
    TTrifaceBtn* BtnUG;
    TStateImage* BtnUG_UG;
    TStateImage* BtnUG_QIG;
    TTrifaceBtn* BtnProductReg;
    TTrifaceBtn* BtnExit;
    // The user guide action with its installer watch (TimerInstAcrobat, InstallerMisses).
    TUserGuideAction* UserGuide;
    TTimer* TimerInstAcrobat;

    bool GuideMenuShown() const { return m_guideMenuShown; }

    // How far the buttons below the documentation button move when its sub-menu opens.
    static constexpr int kGuideMenuShift = 48;

protected:
    bool event(QEvent* e) override;

private:
    void BtnSetupWizardClick();
    void BtnUGClick();
    void BtnUG_QIGClick();
    void BtnProductRegClick();
    void BtnExitClick();

    bool m_guideMenuShown = false;
};

// The start menu window of the running program.
extern TFormAutorun* FormAutorun;
