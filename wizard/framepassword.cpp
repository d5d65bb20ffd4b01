#include "wizard/framepassword.h"

TFramePassword::TFramePassword(QWidget* parent) : TFrameNavPage(parent) {}
