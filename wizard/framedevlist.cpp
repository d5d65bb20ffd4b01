#include "wizard/framedevlist.h"

TFrameDevList::TFrameDevList(QWidget* parent) : TFrameNavPage(parent) {}
