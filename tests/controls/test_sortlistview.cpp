// Sortable list: the header-click state machine seen by the owner, the setters' rules, header drawing.
#include "controls/sortheaderlayout.h"
#include "controls/sortheaderview.h"
#include "controls/sortlistview.h"

#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

const QColor kUpArrow(0, 200, 0);
const QColor kDownArrow(200, 0, 200);

QPixmap Solid(const QColor& colour, int w = 10, int h = 10) {
    QPixmap picture(w, h);
    picture.fill(colour);
    return picture;
}

// The survey list: seven columns, strongest signal first, the icon column never sorts.
std::unique_ptr<TSortListView> SurveyList() {
    auto list = std::make_unique<TSortListView>();
    const std::tuple<const char*, int, Qt::Alignment> columns[] = {{"", 30, Qt::AlignLeft},
                                                                   {"SSID", 115, Qt::AlignLeft},
                                                                   {"Channel", 50, Qt::AlignHCenter},
                                                                   {"Signal", 60, Qt::AlignLeft},
                                                                   {"Encryption", 70, Qt::AlignHCenter},
                                                                   {"Authentication", 80, Qt::AlignHCenter},
                                                                   {"BSSID", 110, Qt::AlignLeft}};
    for (const auto& [caption, width, alignment] : columns)
        list->AddColumn(caption, width, alignment);
    list->SetIncrease(false);
    list->SetSortColunm(3);
    list->SetSkipSort1(0);
    list->SetIncBMP(Solid(kUpArrow));
    list->SetDecBMP(Solid(kDownArrow));
    list->resize(560, 200);
    return list;
}

void ShowList(TSortListView& list) {
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
}

void ClickHeader(TSortListView& list, int column) {
    QHeaderView* header = list.header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// The item rectangle of a column in header coordinates.
QRect SectionRect(TSortListView& list, int column) {
    QHeaderView* header = list.header();
    return QRect(header->sectionViewportPosition(column), 0, header->sectionSize(column), header->height());
}

struct ClickCase {
    const char* name;
    std::vector<int> clicks;
    int sortColumn;
    bool increase;
};

class HeaderClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(HeaderClicks, OwnerSeesTheNewStateInItsHandler) {
    const ClickCase& c = GetParam();
    auto list = SurveyList();
    ShowList(*list);
    struct Seen {
        int column, sortColumn;
        bool increase;
    };
    std::vector<Seen> seen;
    QObject::connect(list.get(), &TSortListView::OnColumnClick, [&](int column) {
        seen.push_back({column, list->SortColunm(), list->Increase()});
    });
    for (int column : c.clicks)
        ClickHeader(*list, column);

    EXPECT_EQ(list->SortColunm(), c.sortColumn) << c.name;
    EXPECT_EQ(list->Increase(), c.increase) << c.name;
    ASSERT_EQ(seen.size(), c.clicks.size())
        << c.name << ": every click reaches the owner, the icon column too";
    EXPECT_EQ(seen.back().column, c.clicks.back()) << c.name;
    EXPECT_EQ(seen.back().sortColumn, c.sortColumn) << c.name;
    EXPECT_EQ(seen.back().increase, c.increase) << c.name;
}

// Start: sort column 3, descending, column 0 skipped.
INSTANTIATE_TEST_SUITE_P(Survey, HeaderClicks,
                         ::testing::Values(ClickCase{"sort column flips direction", {3}, 3, true},
                                           ClickCase{"other column keeps direction", {2}, 2, false},
                                           ClickCase{"the new column clicked again flips", {2, 2}, 2, true},
                                           ClickCase{"icon column changes nothing", {0}, 3, false},
                                           ClickCase{"icon column after a change", {2, 0}, 2, false},
                                           ClickCase{"signal reversed, then channel", {3, 2}, 2, true},
                                           ClickCase{"back to signal keeps direction", {2, 3}, 3, false}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SortListView, OwnerResortsOnHeaderClick) {
    auto list = SurveyList();
    ShowList(*list);
    const int strengths[] = {40, 90, 10};
    const int channels[] = {6, 1, 11};
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem* row = list->AddItem();
        row->setText(2, QString::number(channels[i]));
        row->setText(3, QString("%1%").arg(strengths[i]));
        TSortListView::SetItemData(row, i);
    }
    // The page's compare: by the sort column's number, reversed when descending.
    list->SetOnCompare([&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        const int ia = TSortListView::ItemData(a).toInt(), ib = TSortListView::ItemData(b).toInt();
        const int* values = list->SortColunm() == 2 ? channels : strengths;
        const int result = values[ia] - values[ib];
        return list->Increase() ? result : -result;
    });
    QObject::connect(list.get(), &TSortListView::OnColumnClick, [&](int column) {
        if (column > 0) list->AlphaSort();
    });
    auto order = [&] {
        std::vector<QString> texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts.push_back(list->topLevelItem(i)->text(3));
        return texts;
    };
    list->AlphaSort();
    EXPECT_EQ(order(), (std::vector<QString>{"90%", "40%", "10%"}));

    // Selection stays with its row and the owner hears no selection change from the reordering.
    list->topLevelItem(1)->setSelected(true);
    QSignalSpy selectionChanges(list.get(), &QTreeWidget::itemSelectionChanged);
    ClickHeader(*list, 3);
    EXPECT_EQ(order(), (std::vector<QString>{"10%", "40%", "90%"}));
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().first()->text(3), "40%");
    EXPECT_EQ(selectionChanges.count(), 0);

    ClickHeader(*list, 2); // channel, still ascending
    EXPECT_EQ(order(), (std::vector<QString>{"90%", "40%", "10%"}));
    ClickHeader(*list, 0);
    EXPECT_EQ(order(), (std::vector<QString>{"90%", "40%", "10%"}));
}

TEST(SortListView, SkipColumnMeetingTheSortColumnMovesItRight) {
    struct Case {
        int sortColumn, skip, expectedSort;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{3, 3, 4}, Case{3, 0, 3}, Case{1, 2, 1}}) {
        TSortListView list;
        list.SetSortColunm(c.sortColumn);
        list.SetSkipSort1(c.skip);
        EXPECT_EQ(list.SortColunm(), c.expectedSort) << c.sortColumn << " skip " << c.skip;
        EXPECT_EQ(list.SkipSort1(), c.skip);
    }
}

TEST(SortListView, DefaultsMatchThePlainList) {
    TSortListView list;
    EXPECT_TRUE(list.Increase());
    EXPECT_EQ(list.SortColunm(), 0);
    EXPECT_EQ(list.SkipSort1(), -1);
    EXPECT_TRUE(list.IncBMP().isNull());
    EXPECT_TRUE(list.DecBMP().isNull());
    EXPECT_EQ(list.columnCount(), 0);
}

int CountPixels(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

TEST(SortHeader, ArrowSitsAtTheRightOfTheSortColumnCentredVertically) {
    auto list = SurveyList();
    ShowList(*list);
    const QRect item = SectionRect(*list, 3);
    const QRect arrow(item.x() + item.width() - 10 - 5, (item.height() - 10) / 2, 10, 10);
    for (const auto& [increase, shown, hidden] :
         {std::tuple{false, kDownArrow, kUpArrow}, std::tuple{true, kUpArrow, kDownArrow}}) {
        list->SetIncrease(increase);
        const QImage header = list->header()->grab().toImage();
        for (int y = arrow.top(); y <= arrow.bottom(); ++y)
            for (int x = arrow.left(); x <= arrow.right(); ++x)
                ASSERT_EQ(header.pixelColor(x, y), shown) << x << "," << y;
        EXPECT_EQ(CountPixels(header, shown), 100) << "no arrow outside the sort column";
        EXPECT_EQ(CountPixels(header, hidden), 0);
    }
}

TEST(SortHeader, NarrowColumnCutsTheArrowToTheItem) {
    auto list = SurveyList();
    list->setColumnWidth(2, 8);
    list->SetSortColunm(2);
    // A tall picture with a different colour per pixel, so the part shown can be checked pixel by pixel.
    QImage tall(10, 40, QImage::Format_RGB32);
    for (int y = 0; y < tall.height(); ++y)
        for (int x = 0; x < tall.width(); ++x)
            tall.setPixelColor(x, y, QColor(10 + 20 * x, 5 + 5 * y, 77));
    list->SetDecBMP(QPixmap::fromImage(tall));
    ShowList(*list);
    const QRect item = SectionRect(*list, 2);
    ASSERT_LT(item.height(), 40);
    const QImage header = list->header()->grab().toImage();
    for (int y = 0; y < item.height(); ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(header.pixelColor(item.x() + x, y), tall.pixelColor(x, y)) << x << "," << y;
    // Nothing of the picture beyond the item.
    QSet<QRgb> arrowColours;
    for (int y = 0; y < tall.height(); ++y)
        for (int x = 0; x < tall.width(); ++x)
            arrowColours.insert(tall.pixel(x, y));
    const QRect next = SectionRect(*list, 3);
    for (int y = 0; y < next.height(); ++y)
        for (int x = next.left(); x <= next.right(); ++x)
            ASSERT_FALSE(arrowColours.contains(header.pixel(x, y))) << x << "," << y;
}

// The columns of the caption's ink: the header drawn with and without the caption, compared.
std::pair<int, int> CaptionInk(TSortListView& list, int column, const QString& caption) {
    list.headerItem()->setText(column, caption);
    const QImage with = list.header()->grab().toImage();
    list.headerItem()->setText(column, QString());
    const QImage without = list.header()->grab().toImage();
    list.headerItem()->setText(column, caption);
    int first = INT_MAX, last = -1;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(SortHeader, RightAlignedCaptionWithoutArrowsEndsTwoPixelsFromTheEdge) {
    TSortListView list;
    list.AddColumn("Name", 100);
    list.AddColumn("Signal", 100, Qt::AlignRight);
    list.resize(300, 100);
    ShowList(list);
    const QRect item = SectionRect(list, 1);
    const auto [first, last] = CaptionInk(list, 1, "Signal");
    ASSERT_GE(first, item.x());
    EXPECT_LE(last, item.x() + item.width() - 3);
    EXPECT_GE(last, item.x() + item.width() - 5) << "further right than the 5-pixel text margin allows";
}

TEST(SortHeader, CaptionStaysClearOfTheArrow) {
    auto list = SurveyList();
    list->setColumnWidth(3, 60);
    ShowList(*list);
    const QRect item = SectionRect(*list, 3);
    const int arrowLeft = item.x() + item.width() - 15;
    const auto [first, last] = CaptionInk(*list, 3, "Authentication and more");
    EXPECT_GE(first, item.x() + 5);
    EXPECT_LE(last, arrowLeft - 3);
}

TEST(SortHeaderLayout, ArrowRect) {
    struct Case {
        QRect item;
        QSize arrow;
        bool shown;
        QRect expected;
    };
    const Case cases[] = {
        {{100, 0, 60, 20}, {10, 10}, true, {145, 5, 10, 10}},
        {{0, 0, 50, 21}, {10, 10}, true, {35, 5, 10, 10}},
        {{100, 0, 60, 20}, {10, 10}, false, {160, 0, 0, 20}},
        {{100, 0, 60, 20}, {0, 0}, true, {160, 0, 0, 20}},
        {{100, 0, 8, 20}, {10, 40}, true, {100, 0, 8, 20}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SortArrowRect(c.item, c.arrow, c.shown), c.expected) << c.item.x();
}

TEST(SortHeaderLayout, CaptionRect) {
    const QRect item(0, 0, 100, 20);
    const QRect noArrow(100, 0, 0, 20);
    const QRect arrow(85, 5, 10, 10);
    struct Case {
        const char* name;
        QRect arrowRect;
        int textWidth;
        Qt::Alignment alignment;
        QRect expected;
    };
    // Text 13 high: moved down by (20 - 13) / 2 = 3.
    const Case cases[] = {
        {"left, no arrow", noArrow, 30, Qt::AlignLeft, {5, 3, 90, 20}},
        {"left, short text beside arrow", arrow, 30, Qt::AlignLeft, {5, 3, 90, 20}},
        {"left, long text stops before arrow", arrow, 90, Qt::AlignLeft, {5, 3, 78, 20}},
        {"right, no arrow: 2 pixels from the edge", noArrow, 30, Qt::AlignRight, {5, 3, 93, 20}},
        {"right, arrow", arrow, 30, Qt::AlignRight, {5, 3, 78, 20}},
        {"centre, short text", arrow, 30, Qt::AlignHCenter, {5, 3, 90, 20}},
        {"centre, long text", arrow, 80, Qt::AlignHCenter, {5, 3, 78, 20}},
        {"centre, long text, no arrow", noArrow, 80, Qt::AlignHCenter, {5, 3, 90, 20}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeaderCaptionRect(item, c.arrowRect, QSize(c.textWidth, 13), c.alignment), c.expected)
            << c.name;
}

TEST(SortListView, OwnerDrawsBackgroundAndRows) {
    TSortListView list;
    list.AddColumn("A", 100);
    list.AddColumn("B", 100);
    list.resize(300, 200);
    for (int i = 0; i < 3; ++i)
        list.AddItem()->setText(1, QString::number(i));
    const QColor band(255, 255, 225), selectedRow(229, 236, 248);
    std::vector<QRect> rows;
    list.SetOwnerDraw(true);
    list.SetOnCustomDraw([&](QPainter& painter) { painter.fillRect(list.viewport()->rect(), band); });
    list.SetOnDrawItem([&](QPainter& painter, QTreeWidgetItem*, const QRect& rect, bool selected) {
        rows.push_back(rect);
        if (selected) painter.fillRect(rect, selectedRow);
    });
    list.topLevelItem(1)->setSelected(true);
    ShowList(list);
    const QImage view = list.viewport()->grab().toImage();
    ASSERT_EQ(rows.size() % 3, 0u);
    const QRect second = rows[1];
    EXPECT_EQ(second.width(), 200) << "a row spans every column";
    EXPECT_EQ(view.pixelColor(150, second.center().y()), selectedRow);
    EXPECT_EQ(view.pixelColor(150, rows[0].center().y()), band);
    EXPECT_EQ(view.pixelColor(150, view.height() - 2), band);
}

} // namespace
