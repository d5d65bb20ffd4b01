#include "wizard/framewlconfig.h"

TFrameWlConfig::TFrameWlConfig(QWidget* parent) : TFrameNavPage(parent) {}
