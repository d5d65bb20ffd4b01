// TSortHeaderView: the column header of TSortListView, drawing each caption and the sort arrow itself.
#pragma once

#include <QHeaderView>

class TSortListView;

class TSortHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit TSortHeaderView(TSortListView* list);

protected:
    // The section's frame and background come from the style; caption and arrow from DrawHeaderItem.
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    TSortListView* m_list;
};
