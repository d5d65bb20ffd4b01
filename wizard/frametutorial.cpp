#include "wizard/frametutorial.h"

TFrameTutorial::TFrameTutorial(QWidget* parent)
    : TFrameTutorialBase(parent, "ImgTutorial", QPoint(42, 10)), ImgTutorial(Picture()) {}
