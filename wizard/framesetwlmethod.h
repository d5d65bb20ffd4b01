// TFrameSetWlMethod: the wireless set-up method page: WPS or manual set-up.
#pragma once

#include "wizard/framenavpage.h"

class TFrameSetWlMethod : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameSetWlMethod(QWidget* parent = nullptr);
};
