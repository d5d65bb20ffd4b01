// TFrameWlProfile: the wireless profile sub-wizard, one page stepping through inner pages of its own.
#pragma once

#include "wizard/framenavpage.h"

class TFrameWlProfile : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameWlProfile(QWidget* parent = nullptr);

    // Moves inside the sub-wizard; true when it is left at its end (forward) or its start (backward).
    virtual bool Navigate(bool forward);
};
