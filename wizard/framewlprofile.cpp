#include "wizard/framewlprofile.h"

TFrameWlProfile::TFrameWlProfile(QWidget* parent) : TFrameNavPage(parent) {}

// Until the inner pages exist the sub-wizard is left at once in either direction.
bool TFrameWlProfile::Navigate(bool) {
    return true;
}
