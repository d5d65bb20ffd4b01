#include "wizard/framewelcome.h"

TFrameWelcome::TFrameWelcome(QWidget* parent) : TFrameNavPage(parent) {}
