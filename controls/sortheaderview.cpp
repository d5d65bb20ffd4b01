#include "controls/sortheaderview.h"

#include "controls/sortheaderlayout.h"
#include "controls/sortlistview.h"

#include <QPainter>
#include <QStyleOptionHeader>

TSortHeaderView::TSortHeaderView(TSortListView* list) : QHeaderView(Qt::Horizontal, list), m_list(list) {
    setSectionsClickable(true);
    setSectionsMovable(false);
    setStretchLastSection(false);
    // Columns may be narrower than an arrow; the arrow is then cut to the column.
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TSortHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    painter->save();
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    option.text.clear();
    option.icon = QIcon();
    option.sortIndicator = QStyleOptionHeader::None;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->restore();

    const QString caption = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    const QPixmap& arrow = m_list->Increase() ? m_list->IncBMP() : m_list->DecBMP();
    const bool sortColumn = logicalIndex == m_list->SortColunm();
    painter->save();
    DrawHeaderItem(*painter, rect, caption, m_list->ColumnAlignment(logicalIndex), m_list->font(),
                   palette().color(QPalette::ButtonText), sortColumn ? arrow : QPixmap(),
                   m_list->layoutDirection() == Qt::RightToLeft);
    painter->restore();
}
