#include "controls/sortheaderlayout.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Windows-style edges: right and bottom lie just past the last pixel.
int RightEdge(const QRect& r) {
    return r.x() + r.width();
}
int BottomEdge(const QRect& r) {
    return r.y() + r.height();
}
QRect FromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

QRect SortArrowRect(const QRect& item, const QSize& arrow, bool shown) {
    if (!shown || arrow.isEmpty())
        return FromEdges(RightEdge(item), item.y(), RightEdge(item), BottomEdge(item));
    const int left = std::max(RightEdge(item) - arrow.width() - kHeaderArrowMargin, item.x());
    const int right = std::min(left + arrow.width(), RightEdge(item));
    // Integer division rounds toward zero, also when the arrow is taller than the item.
    const int top = std::max(item.y() + (item.height() - arrow.height()) / 2, item.y());
    const int bottom = std::min(top + arrow.height(), BottomEdge(item));
    return FromEdges(left, top, right, bottom);
}

QRect HeaderCaptionRect(const QRect& item, const QRect& arrowRect, const QSize& textSize,
                        Qt::Alignment alignment) {
    int left = item.x() + kHeaderTextMargin;
    int right = RightEdge(item) - kHeaderTextMargin;
    int top = item.y();
    int bottom = BottomEdge(item);
    const int arrowLeft = arrowRect.x();
    const int w = textSize.width();
    if (alignment & Qt::AlignRight) {
        right = arrowLeft - kHeaderArrowGap;
    } else if (alignment & Qt::AlignHCenter) {
        if (arrowLeft < right - (right - left - w) / 2 + kHeaderArrowGap) right = arrowLeft - kHeaderArrowGap;
    } else if (arrowLeft < left + w + kHeaderArrowGap) {
        right = arrowLeft - kHeaderArrowGap;
    }
    const int down = (bottom - top - textSize.height()) / 2;
    return FromEdges(left, top + down, right, bottom + down);
}

void DrawHeaderItem(QPainter& painter, const QRect& item, const QString& caption, Qt::Alignment alignment,
                    const QFont& font, const QColor& textColor, const QPixmap& arrow, bool rightToLeft) {
    const QRect arrowRect = SortArrowRect(item, arrow.size(), !arrow.isNull());
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    const QRect margins = item.adjusted(kHeaderTextMargin, 0, -kHeaderTextMargin, 0);
    if (margins.width() > 0 && margins.height() > 0 && !caption.isEmpty()) {
        painter.save();
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QSize textSize = metrics.size(Qt::TextSingleLine | Qt::TextExpandTabs, caption);
        const QRect textRect = HeaderCaptionRect(item, arrowRect, textSize, horizontal);
        if (textRect.width() > 0) {
            int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs;
            flags |= horizontal & Qt::AlignRight     ? Qt::AlignRight
                     : horizontal & Qt::AlignHCenter ? Qt::AlignHCenter
                                                     : Qt::AlignLeft;
            if (rightToLeft) flags |= Qt::TextForceRightToLeft;
            painter.setPen(textColor);
            painter.setClipRect(textRect, Qt::IntersectClip);
            painter.drawText(textRect, flags, metrics.elidedText(caption, Qt::ElideRight, textRect.width()));
        }
        painter.restore();
    }
    if (!arrow.isNull() && arrowRect.width() > 0 && arrowRect.height() > 0) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(arrowRect.topLeft(), arrow, QRect(QPoint(0, 0), arrowRect.size()));
        painter.restore();
    }
}
