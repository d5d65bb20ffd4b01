// The white group box of the information pages.
#pragma once

#include <QRect>

class QGroupBox;
class QWidget;

// A group box with a white face at `bounds` of its page, captioned (the ini text may replace it).
QGroupBox* MakeWhiteGroupBox(QWidget* page, const char* name, const char* caption, const QRect& bounds);
