#include "wizard/framesetwlmethod.h"

TFrameSetWlMethod::TFrameSetWlMethod(QWidget* parent) : TFrameNavPage(parent) {}
