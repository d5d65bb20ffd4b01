#include "wizard/framesuccess.h"

TFrameSuccess::TFrameSuccess(QWidget* parent) : TFrameNavPage(parent) {}
