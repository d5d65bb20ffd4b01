#include "wizard/framelicense.h"

TFrameLicense::TFrameLicense(QWidget* parent) : TFrameNavPage(parent) {}
