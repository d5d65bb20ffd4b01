// TFrameNavPage: the common page pattern - skin background and the Exit, Back and Next face buttons.
#pragma once

#include "wizard/framebase.h"

class QLabel;
class TTrifaceBtn;

class TFrameNavPage : public TFrameBase {
    Q_OBJECT
public:
    explicit TFrameNavPage(QWidget* parent = nullptr);

    // Puts the skin's page background and button faces on the page, then loads the texts.
    void InitFrame() override;

    QLabel* ImgBG;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnBack;
    TTrifaceBtn* BtnNext;

protected:
    // A face button of the page with the skin's faces, at a place of the button row.
    TTrifaceBtn* AddButton(const char* name, const char* caption, int left);
    // Button handlers: post the navigation message; pages do their checks first and then call these.
    virtual void BtnExitClick();
    virtual void BtnBackClick();
    virtual void BtnNextClick();
};

// Skin pictures onto a page: ImgFrameBG on its ImgBG and the three faces on every face button it owns.
void ApplyPageSkin(QWidget* page);

// The button row of every page.
constexpr int kButtonTop = 290;
constexpr int kExitLeft = 25;
constexpr int kBackLeft = 390;
constexpr int kNextLeft = 480;
