#include "wizard/frameadhocmode.h"

TFrameAdhocMode::TFrameAdhocMode(QWidget* parent) : TFrameNavPage(parent) {}
