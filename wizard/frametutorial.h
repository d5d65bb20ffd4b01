// TFrameTutorial: the first tutorial page: cabling the device to the router.
#pragma once

#include "wizard/framenavpage.h"

class TFrameTutorial : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameTutorial(QWidget* parent = nullptr);
};
