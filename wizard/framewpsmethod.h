// TFrameWPSMethod: the WPS page: push button or PIN.
#pragma once

#include "wizard/framenavpage.h"

class TFrameWPSMethod : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameWPSMethod(QWidget* parent = nullptr);
};
