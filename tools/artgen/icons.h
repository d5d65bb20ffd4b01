// Small pictures of the skin: the nine site-survey type icons and the two header sort arrows.
#pragma once

#include <QImage>

namespace art {

// 16 x 16 with alpha. 0 access point, 1 plug-in adapter, 2 and 3 the same secured, 4..8 signal steps.
QImage surveyTypeIcon(int index);

// 10 x 10 opaque sort arrow on the header face colour; `up` for ascending.
QImage sortArrow(bool up);

} // namespace art
