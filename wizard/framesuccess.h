// TFrameSuccess: the success page at the end of a set-up path.
#pragma once

#include "wizard/framenavpage.h"

class TFrameSuccess : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameSuccess(QWidget* parent = nullptr);
};
