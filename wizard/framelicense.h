// TFrameLicense: the licence agreement page; Next only once the terms are accepted.
#pragma once

#include "wizard/framenavpage.h"

class TFrameLicense : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameLicense(QWidget* parent = nullptr);
};
