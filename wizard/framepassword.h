// TFramePassword: the password page: log in to the chosen device.
#pragma once

#include "wizard/framenavpage.h"

class TFramePassword : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFramePassword(QWidget* parent = nullptr);
};
