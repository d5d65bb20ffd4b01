// TFrameWlConfig: the network type page; hosted, but no route leads to it.
#pragma once

#include "wizard/framenavpage.h"

class TFrameWlConfig : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameWlConfig(QWidget* parent = nullptr);
};
