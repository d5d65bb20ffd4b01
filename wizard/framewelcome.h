// TFrameWelcome: the welcome page, offering the user guide; no route shows it.
#pragma once

#include "wizard/framebase.h"

class QGroupBox;
class QLabel;
class TTimer;
class TTrifaceBtn;
class TUserGuideAction;

class TFrameWelcome : public TFrameBase {
    Q_OBJECT
public:
    explicit TFrameWelcome(QWidget* parent = nullptr);

    // Puts the skin's page background and button faces on the page, then loads the texts.
    void InitFrame() override;

    QLabel* ImgBG;
    QGroupBox* GBoxWelcome;
    QLabel* LbInfo1;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnUG;
    TTrifaceBtn* BtnStart;
    // The page's own user guide action and installer watch (TimerInstAcrobat, InstallerMisses).
    TUserGuideAction* UserGuide;
    TTimer* TimerInstAcrobat;
};
