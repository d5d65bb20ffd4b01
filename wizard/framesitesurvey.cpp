#include "wizard/framesitesurvey.h"

TFrameSiteSurvey::TFrameSiteSurvey(QWidget* parent) : TFrameNavPage(parent) {}
