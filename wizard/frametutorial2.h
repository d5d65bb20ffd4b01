// TFrameTutorial2: the second tutorial page: plugging in the power adapter.
#pragma once

#include "wizard/framenavpage.h"

class TFrameTutorial2 : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameTutorial2(QWidget* parent = nullptr);
};
