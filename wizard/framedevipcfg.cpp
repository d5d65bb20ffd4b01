#include "wizard/framedevipcfg.h"

TFrameDevIPCfg::TFrameDevIPCfg(QWidget* parent) : TFrameNavPage(parent) {}
