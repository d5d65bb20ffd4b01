// The two tutorial pictures: cabling the device to the router, and plugging in its power.
#pragma once

#include <QImage>

namespace art {

QImage cablingTutorial(); // 516 x 270
QImage powerTutorial();   // 553 x 240

} // namespace art
