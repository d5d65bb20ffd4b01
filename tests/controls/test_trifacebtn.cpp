// Face buttons: faces by state under real mouse input, shape and its invariants, drawing, shaping errors.
#include "controls/faceregion.h"
#include "controls/trifacebtn.h"

#include "platform/application.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor kBackground(0, 128, 0);
const QColor kFrame(Qt::black);
const QColor kHi(Qt::white);
const QColor kLo(0, 0, 160);
const QColor kNormal(200, 200, 200);
const QColor kOver(250, 220, 120);
const QColor kDown(90, 90, 90);
const QColor kDisabled(150, 60, 60);
constexpr QRgb kFuchsia = 0xFF00FF;

QPixmap Face(const QColor& fill, QRgb corner = kFuchsia, int w = 85, int h = 21) {
    QImage face(w, h, QImage::Format_RGB32);
    face.fill(fill);
    for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        face.setPixelColor(p, QColor(corner));
    return QPixmap::fromImage(face);
}

// A shown window with a green background and one face button on it.
class FaceButton : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->setGeometry(50, 50, 200, 100);
        host->setAutoFillBackground(true);
        QPalette palette = host->palette();
        palette.setColor(QPalette::Window, kBackground);
        host->setPalette(palette);
        btn = new TTrifaceBtn(host.get());
        btn->setGeometry(20, 20, 85, 21);
        QFont font = btn->font();
        font.setStyleStrategy(QFont::NoAntialias);
        btn->setFont(font);
        btn->SetColorHi(kHi);
        btn->SetColorLo(kLo);
        // The cursor starts outside the window, so no test inherits the mouse over its button.
        QCursor::setPos(QPoint(5, 5));
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        MoveAway();
    }

    void UseSkinFaces() {
        btn->SetFace(Face(kNormal));
        btn->SetFaceOver(Face(kOver));
        btn->SetFaceDown(Face(kDown));
        btn->SetAutoShape(true);
    }

    void MoveAway() { QTest::mouseMove(host.get(), QPoint(190, 90)); }
    void MoveOnto(QPoint local = QPoint(42, 10)) {
        QTest::mouseMove(host.get(), btn->mapTo(host.get(), local));
    }

    // What the window shows over the button's rectangle (parent included, as the user sees it).
    QImage Shot() const { return host->grab(btn->geometry()).toImage(); }

    std::unique_ptr<QWidget> host;
    TTrifaceBtn* btn = nullptr;
};

TEST_F(FaceButton, MouseAndButtonInputSelectTheFace) {
    UseSkinFaces();
    QSignalSpy clicks(btn, &QAbstractButton::clicked);
    const QPoint centre(42, 10);
    struct Step {
        const char* action;
        std::function<void()> run;
        QColor face;
        bool over;
    };
    const Step steps[] = {
        {"start", [] {}, kNormal, false},
        {"enter", [&] { MoveOnto(); }, kOver, true},
        {"press", [&] { QTest::mousePress(btn, Qt::LeftButton, {}, centre); }, kDown, true},
        {"release", [&] { QTest::mouseRelease(btn, Qt::LeftButton, {}, centre); }, kOver, true},
        {"double click presses again", [&] { QTest::mouseDClick(btn, Qt::LeftButton, {}, centre); }, kDown,
         true},
        {"release after double click", [&] { QTest::mouseRelease(btn, Qt::LeftButton, {}, centre); }, kOver,
         true},
        {"leave", [&] { MoveAway(); }, kNormal, false},
        {"enter again", [&] { MoveOnto(); }, kOver, true},
        {"press again", [&] { QTest::mousePress(btn, Qt::LeftButton, {}, centre); }, kDown, true},
        {"drag out while pressed", [&] { QTest::mouseMove(btn, QPoint(150, 10)); }, kNormal, false},
        {"release outside", [&] { QTest::mouseRelease(btn, Qt::LeftButton, {}, QPoint(150, 10)); }, kNormal,
         false},
    };
    for (const Step& step : steps) {
        step.run();
        EXPECT_EQ(btn->MouseOver(), step.over) << step.action;
        EXPECT_EQ(Shot().pixelColor(centre), step.face) << step.action;
    }
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(FaceButton, ShiftOnOverMovesTheOverFaceUpAndLeftInsideTheShape) {
    UseSkinFaces();
    btn->SetShiftOnOver(true);
    MoveOnto();
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(83, 10), kOver);
    EXPECT_EQ(shot.pixelColor(42, 19), kOver);
    // The right column and the bottom row are no longer covered: the page shows there.
    EXPECT_EQ(shot.pixelColor(84, 10), kBackground);
    EXPECT_EQ(shot.pixelColor(42, 20), kBackground);
    // The moved cut-out corner does not bring fuchsia into the visible shape.
    EXPECT_NE(shot.pixelColor(83, 0), QColor(kFuchsia));
}

TEST_F(FaceButton, DisabledWithoutDisabledFaceShowsFaceWithEtchedCaption) {
    UseSkinFaces();
    btn->setText("Exit");
    btn->setEnabled(false);
    MoveOnto();
    QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(3, 10), kNormal);
    bool front = false, back = false, plain = false;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            front |= shot.pixelColor(x, y) == kLo;
            back |= shot.pixelColor(x, y) == kHi;
            plain |= shot.pixelColor(x, y) == btn->palette().color(QPalette::ButtonText);
        }
    EXPECT_TRUE(front && back) << "etched caption in ColorLo over ColorHi";
    EXPECT_FALSE(plain);

    btn->SetFaceDisable(Face(kDisabled));
    shot = Shot();
    EXPECT_EQ(shot.pixelColor(3, 10), kDisabled);
}

TEST_F(FaceButton, ShapedCornersNeitherPaintNorTakeClicks) {
    UseSkinFaces();
    QSignalSpy clicks(btn, &QAbstractButton::clicked);
    MoveOnto(QPoint(0, 0));
    EXPECT_FALSE(btn->MouseOver()) << "the cut-out corner is not part of the button";
    MoveOnto(QPoint(1, 0));
    EXPECT_TRUE(btn->MouseOver());
    MoveAway();
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(0, 0), kBackground);
    EXPECT_EQ(shot.pixelColor(84, 20), kBackground);
    EXPECT_EQ(shot.pixelColor(1, 0), kNormal);
    // (QTest takes the point 0,0 for "the centre", so the other three corners are clicked.)
    for (QPoint corner : {QPoint(84, 0), QPoint(0, 20), QPoint(84, 20)})
        QTest::mouseClick(btn, Qt::LeftButton, {}, corner);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(btn, Qt::LeftButton, {}, QPoint(1, 0));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FaceButton, FocusedFaceShowsCornerMarks) {
    btn->SetFace(Face(kNormal));
    ASSERT_TRUE(btn->FocusRect());
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    btn->setFocus();
    ASSERT_TRUE(btn->hasFocus());
    const QPoint marked[] = {{0, 0},  {0, 6},  {5, 0},  {78, 0},  {84, 0},  {84, 5},
                             {0, 14}, {0, 20}, {5, 20}, {78, 20}, {84, 20}, {84, 15}};
    const QPoint clear[] = {{6, 0}, {0, 7}, {77, 0}, {84, 6}, {0, 13}, {6, 20}, {77, 20}, {84, 14}, {42, 10}};
    QImage shot = Shot();
    for (QPoint p : marked)
        EXPECT_EQ(shot.pixelColor(p), kFrame) << p.x() << "," << p.y();
    for (QPoint p : clear)
        EXPECT_NE(shot.pixelColor(p), kFrame) << p.x() << "," << p.y();

    btn->SetFocusRect(false);
    shot = Shot();
    EXPECT_EQ(shot.pixelColor(0, 6), kNormal);
}

TEST_F(FaceButton, WithoutPictureTheColourFaceIsDrawn) {
    btn->SetColor(kNormal);
    btn->setGeometry(20, 20, 60, 20);
    btn->setFocusPolicy(Qt::NoFocus);
    btn->clearFocus();
    ASSERT_FALSE(btn->hasFocus());
    struct Case {
        const char* name;
        bool pressed;
        bool isDefault;
        QPoint at;
        QColor colour;
    };
    const Case cases[] = {
        {"light top-left edge", false, false, {0, 0}, kHi},
        {"frame on the bottom-left corner", false, false, {0, 19}, kFrame},
        {"frame on the right edge", false, false, {59, 0}, kFrame},
        {"inner shadow bottom", false, false, {57, 18}, kLo},
        {"inner shadow right", false, false, {58, 1}, kLo},
        {"fill", false, false, {30, 10}, kNormal},
        {"pressed border", true, false, {0, 0}, kLo},
        {"pressed border bottom-right", true, false, {59, 19}, kLo},
        {"pressed fill", true, false, {30, 10}, kNormal},
        {"default: outer frame", false, true, {0, 0}, kFrame},
        {"default: light edge inside it", false, true, {1, 1}, kHi},
    };
    for (const Case& c : cases) {
        btn->setDown(c.pressed);
        btn->SetButtonStyle(c.isDefault);
        EXPECT_EQ(Shot().pixelColor(c.at), c.colour) << c.name;
    }
}

TEST_F(FaceButton, ShapeInvariants) {
    btn->SetFace(Face(kNormal));
    btn->SetAutoShape(true);
    EXPECT_TRUE(btn->AutoShape());
    EXPECT_FALSE(btn->FocusRect()) << "AutoShape turns FocusRect off";

    btn->SetBounds(5, 6, 200, 50);
    EXPECT_EQ(btn->geometry(), QRect(5, 6, 85, 21));
    btn->setGeometry(7, 8, 300, 40); // the way a layout from the ini file moves it
    EXPECT_EQ(btn->geometry(), QRect(7, 8, 85, 21));

    btn->SetFocusRect(true);
    EXPECT_FALSE(btn->AutoShape()) << "FocusRect turns AutoShape off";
    EXPECT_TRUE(btn->mask().isEmpty());
    btn->SetAutoShape(true);
    EXPECT_FALSE(btn->FocusRect());

    btn->SetFace(QPixmap());
    EXPECT_FALSE(btn->AutoShape()) << "an empty face ends the shape";
    EXPECT_TRUE(btn->mask().isEmpty());
    btn->SetBounds(0, 0, 120, 30);
    EXPECT_EQ(btn->size(), QSize(120, 30));
    btn->SetAutoShape(true);
    EXPECT_FALSE(btn->AutoShape()) << "never on without a face";
}

TEST_F(FaceButton, ToleranceReshapesTheButton) {
    btn->SetFace(Face(kNormal, 0xFF10F0));
    btn->SetAutoShape(true);
    EXPECT_TRUE(btn->mask().contains(QPoint(0, 0)));
    btn->SetTransTolerance(30);
    EXPECT_FALSE(btn->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(btn->mask().contains(QPoint(1, 0)));
}

// Lets a test make the picture copy or the window refuse its part of the shaping.
class RefusingFaceBtn : public TTrifaceBtn {
public:
    bool refuseCopy = false;
    bool refuseRegion = false;

protected:
    QImage DoCreateDIBSection() const override {
        return refuseCopy ? QImage() : TTrifaceBtn::DoCreateDIBSection();
    }
    bool SetWindowRegion(const QRegion& region) override {
        return !refuseRegion && TTrifaceBtn::SetWindowRegion(region);
    }
};

TEST(FaceButtonErrors, ShapingFailuresReachTheCallerWithTheirTexts) {
    struct Case {
        const char* name;
        QPixmap face;
        bool refuseCopy;
        bool refuseRegion;
        const char* text;
    };
    const Case cases[] = {
        {"face entirely transparent", Face(QColor(kFuchsia)), false, false, kErrCreateRegion},
        {"picture copy fails", Face(kNormal), true, false, kErrCreateDib},
        {"window refuses the region", Face(kNormal), false, true, kErrSetWindowRegion},
    };
    for (const Case& c : cases) {
        RefusingFaceBtn btn;
        btn.refuseCopy = c.refuseCopy;
        btn.refuseRegion = c.refuseRegion;
        btn.SetFace(c.face);
        try {
            btn.SetAutoShape(true);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EAppError& e) {
            EXPECT_STREQ(e.what(), c.text) << c.name;
        }
        EXPECT_TRUE(btn.mask().isEmpty()) << c.name;
        // The same failure when the face is replaced on a button that is already shaped.
        RefusingFaceBtn shaped;
        shaped.SetFace(Face(kNormal));
        shaped.SetAutoShape(true);
        shaped.refuseCopy = c.refuseCopy;
        shaped.refuseRegion = c.refuseRegion;
        EXPECT_THROW(shaped.SetFace(c.face), EAppError) << c.name;
    }
    EXPECT_STREQ(kErrCreateDib, "Failed to create DIB section.");
    EXPECT_STREQ(kErrCreateRegion, "Failed to create region.");
    EXPECT_STREQ(kErrSetWindowRegion, "Failed to set window region.");
}

} // namespace
