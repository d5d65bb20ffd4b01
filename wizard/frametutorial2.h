// TFrameTutorial2: the second tutorial page: plugging in the power adapter.
#pragma once

#include "wizard/frametutorialbase.h"

class TFrameTutorial2 : public TFrameTutorialBase {
    Q_OBJECT
public:
    explicit TFrameTutorial2(QWidget* parent = nullptr);

    QLabel* ImgTutorial2;
};
