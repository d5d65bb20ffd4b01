// TFrameWelcome: the welcome page, offering the user guide; no route shows it.
#pragma once

#include "wizard/framenavpage.h"

class TFrameWelcome : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameWelcome(QWidget* parent = nullptr);
};
