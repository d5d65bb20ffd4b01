// TFrameTutorialBase: a tutorial page - one skin picture and the button row, skipped by "SkipTutorial".
#pragma once

#include "wizard/framenavpage.h"

class TFrameTutorialBase : public TFrameNavPage {
    Q_OBJECT
public:
    // Shows the skin picture `pictureName` at `topLeft`, sized to the picture, in an image named alike.
    TFrameTutorialBase(QWidget* parent, const char* pictureName, QPoint topLeft);

    // With [Setting] SkipTutorial set, the page moves on at once in the direction it was entered.
    bool CanEnter(TFrameBase* from, int direction, LPARAM param) override;

    QLabel* Picture() const { return m_picture; }

private:
    QLabel* m_picture;
};
