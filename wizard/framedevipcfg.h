// TFrameDevIPCfg: the IP configuration page: static address settings.
#pragma once

#include "wizard/framenavpage.h"

class TFrameDevIPCfg : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameDevIPCfg(QWidget* parent = nullptr);
};
