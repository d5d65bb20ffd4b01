// TSortListView: a report-style list whose header clicks keep a sort column and direction, shown by an arrow.
#pragma once

#include <QPixmap>
#include <QTreeWidget>
#include <QVariant>
#include <functional>

class TSortHeaderView;

class TSortListView : public QTreeWidget {
    Q_OBJECT
public:
    // Owner comparison of two rows: negative, zero or positive.
    using TCompareHandler = std::function<int(const QTreeWidgetItem*, const QTreeWidgetItem*)>;
    // Paints the list area before the rows (in viewport coordinates).
    using TCustomDrawHandler = std::function<void(QPainter&)>;
    // Paints one whole row; `rect` spans all columns.
    using TDrawItemHandler = std::function<void(QPainter&, QTreeWidgetItem*, const QRect&, bool selected)>;

    explicit TSortListView(QWidget* parent = nullptr);

    // Sort direction: true ascending.
    bool Increase() const { return m_increase; }
    void SetIncrease(bool on);
    // Index of the sort column, 0 the leftmost.
    int SortColunm() const { return m_sortColunm; }
    void SetSortColunm(int column);
    // A column whose header click changes nothing (-1: none); meeting the sort column moves that one right.
    int SkipSort1() const { return m_skipSort1; }
    void SetSkipSort1(int column);
    // Arrows shown in the sort column's header while ascending / descending; empty: no arrow.
    const QPixmap& IncBMP() const { return m_incBmp; }
    void SetIncBMP(const QPixmap& picture);
    const QPixmap& DecBMP() const { return m_decBmp; }
    void SetDecBMP(const QPixmap& picture);

    // Appends a column; the alignment serves the header caption and the owner's cell drawing.
    int AddColumn(const QString& caption, int width, Qt::Alignment alignment = Qt::AlignLeft);
    Qt::Alignment ColumnAlignment(int column) const;

    // Appends an empty row.
    QTreeWidgetItem* AddItem();
    // The number or record attached to a row.
    static void SetItemData(QTreeWidgetItem* item, const QVariant& data);
    static QVariant ItemData(const QTreeWidgetItem* item);

    // The owner's row order, used by AlphaSort.
    void SetOnCompare(TCompareHandler handler) { m_onCompare = std::move(handler); }
    // Puts the rows in the order of the compare handler (rows that compare equal keep their order);
    // selection and current row stay with their rows. Without a handler nothing happens.
    void AlphaSort();

    // Owner drawing: with OwnerDraw on and a row handler set, rows are painted by the owner only.
    bool OwnerDraw() const { return m_ownerDraw; }
    void SetOwnerDraw(bool on);
    void SetOnCustomDraw(TCustomDrawHandler handler) { m_onCustomDraw = std::move(handler); }
    void SetOnDrawItem(TDrawItemHandler handler) { m_onDrawItem = std::move(handler); }

    TSortHeaderView* SortHeader() const { return m_header; }

signals:
    // A header click, raised after the sort state has changed so the owner re-sorts with the new state.
    void OnColumnClick(int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    void HeaderClicked(int column);
    void RepaintHeader();

    TSortHeaderView* m_header;
    bool m_increase = true;
    int m_sortColunm = 0;
    int m_skipSort1 = -1;
    QPixmap m_incBmp;
    QPixmap m_decBmp;
    bool m_ownerDraw = false;
    TCompareHandler m_onCompare;
    TCustomDrawHandler m_onCustomDraw;
    TDrawItemHandler m_onDrawItem;
};
