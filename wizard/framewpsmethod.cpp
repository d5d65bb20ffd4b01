#include "wizard/framewpsmethod.h"

TFrameWPSMethod::TFrameWPSMethod(QWidget* parent) : TFrameNavPage(parent) {}
