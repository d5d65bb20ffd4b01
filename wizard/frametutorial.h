// TFrameTutorial: the first tutorial page: cabling the device to the router.
#pragma once

#include "wizard/frametutorialbase.h"

class TFrameTutorial : public TFrameTutorialBase {
    Q_OBJECT
public:
    explicit TFrameTutorial(QWidget* parent = nullptr);

    QLabel* ImgTutorial;
};
