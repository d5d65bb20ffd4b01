#include "controls/sortlistview.h"

#include "controls/sortheaderview.h"
#include "platform/fonts.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QSignalBlocker>

#include <algorithm>

TSortListView::TSortListView(QWidget* parent) : QTreeWidget(parent), m_header(new TSortHeaderView(this)) {
    QFont appFont(AppFontFamily());
    appFont.setPointSize(8);
    setFont(appFont);
    setHeader(m_header);
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    // The owner sorts; switching Qt's own sorting off also made the header unclickable, so undo that.
    setSortingEnabled(false);
    m_header->setSectionsClickable(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_header, &QHeaderView::sectionClicked, this, &TSortListView::HeaderClicked);
}

void TSortListView::SetIncrease(bool on) {
    if (on == m_increase) return;
    m_increase = on;
    RepaintHeader();
}

void TSortListView::SetSortColunm(int column) {
    if (column == m_sortColunm) return;
    m_sortColunm = column;
    RepaintHeader();
}

void TSortListView::SetSkipSort1(int column) {
    if (column == m_skipSort1) return;
    m_skipSort1 = column;
    if (m_skipSort1 == m_sortColunm) SetSortColunm(m_skipSort1 + 1);
}

void TSortListView::SetIncBMP(const QPixmap& picture) {
    if (picture.cacheKey() == m_incBmp.cacheKey()) return;
    m_incBmp = picture;
    RepaintHeader();
}

void TSortListView::SetDecBMP(const QPixmap& picture) {
    if (picture.cacheKey() == m_decBmp.cacheKey()) return;
    m_decBmp = picture;
    RepaintHeader();
}

int TSortListView::AddColumn(const QString& caption, int width, Qt::Alignment alignment) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, caption);
    headerItem()->setTextAlignment(column, (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    setColumnWidth(column, width);
    return column;
}

Qt::Alignment TSortListView::ColumnAlignment(int column) const {
    if (column < 0 || column >= columnCount()) return Qt::AlignLeft;
    const QVariant value = headerItem()->data(column, Qt::TextAlignmentRole);
    if (!value.isValid()) return Qt::AlignLeft;
    const Qt::Alignment horizontal = Qt::Alignment(value.toInt()) & Qt::AlignHorizontal_Mask;
    return horizontal ? horizontal : Qt::AlignLeft;
}

QTreeWidgetItem* TSortListView::AddItem() {
    return new QTreeWidgetItem(this);
}

void TSortListView::SetItemData(QTreeWidgetItem* item, const QVariant& data) {
    if (item) item->setData(0, Qt::UserRole, data);
}

QVariant TSortListView::ItemData(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole) : QVariant();
}

void TSortListView::AlphaSort() {
    if (!m_onCompare) return;
    QList<QTreeWidgetItem*> rows;
    rows.reserve(topLevelItemCount());
    for (int i = 0; i < topLevelItemCount(); ++i)
        rows.append(topLevelItem(i));
    QList<QTreeWidgetItem*> sorted = rows;
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return m_onCompare(a, b) < 0; });
    if (sorted == rows) return;

    // Reordering takes the rows out and back in; the owner sees no selection change from it.
    const QList<QTreeWidgetItem*> selected = selectedItems();
    QTreeWidgetItem* current = currentItem();
    {
        const QSignalBlocker blockList(this);
        const QSignalBlocker blockSelection(selectionModel());
        for (int i = topLevelItemCount() - 1; i >= 0; --i)
            takeTopLevelItem(i);
        insertTopLevelItems(0, sorted);
        if (current) selectionModel()->setCurrentIndex(indexFromItem(current), QItemSelectionModel::NoUpdate);
        for (QTreeWidgetItem* item : selected)
            item->setSelected(true);
    }
    viewport()->update();
}

void TSortListView::SetOwnerDraw(bool on) {
    if (on == m_ownerDraw) return;
    m_ownerDraw = on;
    viewport()->update();
}

void TSortListView::paintEvent(QPaintEvent* event) {
    if (m_onCustomDraw) {
        QPainter painter(viewport());
        m_onCustomDraw(painter);
    }
    QTreeWidget::paintEvent(event);
}

void TSortListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (!m_ownerDraw || !m_onDrawItem) {
        QTreeWidget::drawRow(painter, option, index);
        return;
    }
    const QRect row(-header()->offset(), option.rect.y(), header()->length(), option.rect.height());
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    painter->save();
    m_onDrawItem(*painter, itemFromIndex(index), row, selected);
    painter->restore();
}

void TSortListView::HeaderClicked(int column) {
    // The state changes before the owner hears of the click, so its re-sort already uses the new state.
    if (column == m_skipSort1) {
        // The skipped column never sorts.
    } else if (column == m_sortColunm) {
        m_increase = !m_increase;
    } else {
        m_sortColunm = column;
    }
    emit OnColumnClick(column);
    RepaintHeader();
}

void TSortListView::RepaintHeader() {
    m_header->viewport()->update();
}
