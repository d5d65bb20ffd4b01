// TFrameDevList: the device list page: search the network and pick a device.
#pragma once

#include "wizard/framenavpage.h"

class TFrameDevList : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameDevList(QWidget* parent = nullptr);
};
