// TFrameWlModeSel: the device mode page - access point or wireless bridge.
#pragma once

#include "wizard/framenavpage.h"

class TFrameWlModeSel : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameWlModeSel(QWidget* parent = nullptr);
    // The wizard starts out in access-point mode.
    void InitFrame() override;
};
