// Layout and drawing of one header item of the sortable list: caption clear of the sort arrow, arrow
// unscaled.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Gap between the arrow and the item's right edge, and the caption's margin on each side.
inline constexpr int kHeaderArrowMargin = 5;
inline constexpr int kHeaderTextMargin = 5;
// Room kept between the caption and the arrow.
inline constexpr int kHeaderArrowGap = 2;

// Where the arrow goes in `item`: at the right end, centred vertically, cut to the item. Without an arrow
// (`arrow` empty or the item not the sort column) a rectangle of no width at the item's right edge.
QRect SortArrowRect(const QRect& item, const QSize& arrow, bool shown);

// The caption's rectangle: the item less the side margins, its right edge moved clear of `arrowRect` by the
// alignment rule, moved down to centre a caption of `textSize`. May come out with no width.
QRect HeaderCaptionRect(const QRect& item, const QRect& arrowRect, const QSize& textSize,
                        Qt::Alignment alignment);

// Draws caption and arrow of one header item (frame and background are the header's). `arrow` null: no arrow.
void DrawHeaderItem(QPainter& painter, const QRect& item, const QString& caption, Qt::Alignment alignment,
                    const QFont& font, const QColor& textColor, const QPixmap& arrow, bool rightToLeft);
