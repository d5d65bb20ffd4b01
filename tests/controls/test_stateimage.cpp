// State picture: hover, disabled, push and tab styles, image-list source.
#include "controls/stateimage.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

QPixmap Solid(const QColor& colour) {
    QPixmap picture(20, 10);
    picture.fill(colour);
    return picture;
}

bool Shows(const TStateImage& image, const QPixmap& picture) {
    return image.Picture().cacheKey() == picture.cacheKey();
}

// A shown window holding a panel, as the start menu holds its sub-buttons.
class StatePicture : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->setGeometry(50, 50, 300, 100);
        panel = new QWidget(host.get());
        panel->setGeometry(0, 0, 300, 100);
        QCursor::setPos(QPoint(5, 5));
    }
    void Show() {
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        QTest::mouseMove(host.get(), QPoint(290, 90));
    }
    TStateImage* AddImage(int x, int tag = 0) {
        auto* image = new TStateImage(panel);
        image->setGeometry(x, 10, 40, 20);
        image->SetTag(tag);
        image->SetImageSource(TStateImage::isImages);
        for (int i = 0; i < 3; ++i)
            image->SetImage(i, pictures[i]);
        return image;
    }

    const QPixmap pictures[4] = {Solid(Qt::red), Solid(Qt::green), Solid(Qt::gray), Solid(Qt::blue)};
    std::unique_ptr<QWidget> host;
    QWidget* panel = nullptr;
};

TEST_F(StatePicture, MouseOverEffectFollowsTheMouse) {
    TStateImage* image = AddImage(10);
    image->SetMouseOverEffect(true);
    std::vector<int> seenOnEvents;
    QObject::connect(image, &TStateImage::OnMouseEnter, [&] { seenOnEvents.push_back(image->ImageIndex()); });
    QObject::connect(image, &TStateImage::OnMouseLeave, [&] { seenOnEvents.push_back(image->ImageIndex()); });
    Show();
    EXPECT_TRUE(Shows(*image, pictures[0]));
    QTest::mouseMove(host.get(), QPoint(20, 15));
    EXPECT_TRUE(image->MouseInside());
    EXPECT_TRUE(Shows(*image, pictures[1]));
    QTest::mouseMove(host.get(), QPoint(290, 90));
    EXPECT_FALSE(image->MouseInside());
    EXPECT_TRUE(Shows(*image, pictures[0]));
    EXPECT_EQ(seenOnEvents, (std::vector<int>{1, 0})) << "the events come after the state change";
}

TEST_F(StatePicture, DisabledShowsPicture3OnlyWhenSet) {
    TStateImage* withDisabled = AddImage(10);
    withDisabled->SetImage(3, pictures[3]);
    TStateImage* without = AddImage(60);
    without->SetMouseOverEffect(true);
    Show();
    QTest::mouseMove(host.get(), QPoint(70, 15));
    ASSERT_TRUE(Shows(*without, pictures[1]));

    withDisabled->setEnabled(false);
    without->setEnabled(false);
    EXPECT_EQ(withDisabled->ImageIndex(), 3);
    EXPECT_TRUE(Shows(*withDisabled, pictures[3]));
    EXPECT_EQ(without->ImageIndex(), 1);
    EXPECT_TRUE(Shows(*without, pictures[1])) << "keeps its picture";

    // Enabled again with the mouse still inside: the hover state comes back.
    without->setEnabled(true);
    EXPECT_TRUE(Shows(*without, pictures[1]));
    withDisabled->setEnabled(true);
    EXPECT_TRUE(Shows(*withDisabled, pictures[0]));
}

TEST_F(StatePicture, PushStyleShowsPressedStateUntilRelease) {
    TStateImage* image = AddImage(10);
    image->SetImageStyle(TStateImage::isPushButton);
    QSignalSpy clicks(image, &TStateImage::OnClick);
    Show();
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Shows(*image, pictures[1]));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Shows(*image, pictures[0]));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(clicks.count(), 1) << "released outside: no click";
}

TEST_F(StatePicture, TabStyleResetsTheOtherTabsOfItsGroup) {
    TStateImage* a = AddImage(10, 7);
    TStateImage* b = AddImage(60, 7);
    TStateImage* otherGroup = AddImage(110, 8);
    TStateImage* plainSameTag = AddImage(160, 7);
    for (TStateImage* image : {a, b, otherGroup})
        image->SetImageStyle(TStateImage::isTabButton);
    Show();
    for (TStateImage* image : {a, b, otherGroup, plainSameTag})
        image->SetImageIndex(1);

    QTest::mousePress(a, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(a->ImageIndex(), 1) << "a tab stays down after release";
    EXPECT_EQ(b->ImageIndex(), 0);
    EXPECT_EQ(otherGroup->ImageIndex(), 1);
    EXPECT_EQ(plainSameTag->ImageIndex(), 1);
}

TEST_F(StatePicture, TabWithoutGrandparentDoesNotFail) {
    TStateImage lone;
    lone.SetImageStyle(TStateImage::isTabButton);
    lone.SetImageSource(TStateImage::isImages);
    lone.SetImage(0, pictures[0]);
    lone.SetImage(1, pictures[1]);
    QTest::mousePress(&lone, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(lone.ImageIndex(), 1);
    QTest::mouseRelease(&lone, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(StatePictureSources, IndexChangesOnlyToExistingPictures) {
    TStateImage image;
    const QList<QPixmap> list = {Solid(Qt::red), Solid(Qt::green)};
    image.SetImageList(list);
    EXPECT_TRUE(Shows(image, list[0]));
    image.SetImageIndex(1);
    EXPECT_TRUE(Shows(image, list[1]));
    image.SetImageIndex(3);
    image.SetImageIndex(-1);
    EXPECT_EQ(image.ImageIndex(), 1);
    EXPECT_TRUE(Shows(image, list[1]));

    // Pictures as source: state 2 was never set, so asking for it changes nothing.
    image.SetImageSource(TStateImage::isImages);
    const QPixmap normal = Solid(Qt::yellow);
    image.SetImage(0, normal);
    EXPECT_EQ(image.ImageIndex(), 0);
    EXPECT_TRUE(Shows(image, normal));
    image.SetImageIndex(2);
    image.SetImageIndex(99);
    EXPECT_EQ(image.ImageIndex(), 0);
    EXPECT_TRUE(Shows(image, normal));

    // After loading, the picture of the stored state is shown.
    TStateImage loaded;
    loaded.SetImageSource(TStateImage::isImages);
    loaded.SetImage(2, Solid(Qt::cyan));
    loaded.SetImageIndex(2);
    loaded.SetPicture(QPixmap());
    loaded.Loaded();
    EXPECT_TRUE(Shows(loaded, loaded.Image(2)));
}

} // namespace
