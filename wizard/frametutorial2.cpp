#include "wizard/frametutorial2.h"

TFrameTutorial2::TFrameTutorial2(QWidget* parent) : TFrameNavPage(parent) {}
