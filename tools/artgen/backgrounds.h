// Window and page backgrounds of the skin.
#pragma once

#include <QImage>

namespace art {

QImage wizardBackground();    // 600 x 450
QImage pageBackground();      // 600 x 323
QImage progressBackground();  // 190 x 50
QImage startMenuBackground(); // 600 x 450

} // namespace art
