// TFrameAdhocMode: the ad-hoc page; hosted, but no route leads to it.
#pragma once

#include "wizard/framenavpage.h"

class TFrameAdhocMode : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameAdhocMode(QWidget* parent = nullptr);
};
