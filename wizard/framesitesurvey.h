// TFrameSiteSurvey: the site survey page: pick an access point to join (bridge mode).
#pragma once

#include "wizard/framenavpage.h"

class TFrameSiteSurvey : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameSiteSurvey(QWidget* parent = nullptr);
};
