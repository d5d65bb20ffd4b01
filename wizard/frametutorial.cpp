#include "wizard/frametutorial.h"

TFrameTutorial::TFrameTutorial(QWidget* parent) : TFrameNavPage(parent) {}
