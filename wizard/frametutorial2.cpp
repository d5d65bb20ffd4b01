#include "wizard/frametutorial2.h"

TFrameTutorial2::TFrameTutorial2(QWidget* parent)
    : TFrameTutorialBase(parent, "ImgTutorial2", QPoint(16, 24)), ImgTutorial2(Picture()) {}
