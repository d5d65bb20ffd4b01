#include "controls/trifacebtn.h"

#include "controls/faceregion.h"
#include "controls/pixellines.h"
#include "platform/application.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

TTrifaceBtn::TTrifaceBtn(QWidget* parent) : TColorBtn(parent) {
    setMouseTracking(true);
}

void TTrifaceBtn::SetFace(const QPixmap& face) {
    m_face = face;
    if (m_face.isNull() && m_autoShape) {
        SetAutoShape(false);
    } else {
        DoShapeButton();
        DoRedrawButton();
    }
}

void TTrifaceBtn::SetFaceOver(const QPixmap& face) {
    m_faceOver = face;
    DoRedrawButton();
}

void TTrifaceBtn::SetFaceDown(const QPixmap& face) {
    m_faceDown = face;
    DoRedrawButton();
}

void TTrifaceBtn::SetFaceDisable(const QPixmap& face) {
    m_faceDisable = face;
    DoRedrawButton();
}

void TTrifaceBtn::SetFocusRect(bool on) {
    if (on == m_focusRect) return;
    m_focusRect = on;
    if (on && m_autoShape)
        SetAutoShape(false);
    else
        DoRedrawButton();
}

void TTrifaceBtn::SetAutoShape(bool on) {
    if (on == m_autoShape) return;
    m_autoShape = on && !m_face.isNull();
    DoShapeButton();
    if (m_autoShape && m_focusRect)
        SetFocusRect(false);
    else
        DoRedrawButton();
}

void TTrifaceBtn::SetTransColor(const QColor& color) {
    if (color == m_transColor) return;
    m_transColor = color;
    DoShapeButton();
    DoRedrawButton();
}

void TTrifaceBtn::SetTransTolerance(std::uint16_t tolerance) {
    if (tolerance == m_transTolerance) return;
    m_transTolerance = tolerance;
    DoShapeButton();
    DoRedrawButton();
}

void TTrifaceBtn::SetShiftOnOver(bool on) {
    if (on == m_shiftOnOver) return;
    m_shiftOnOver = on;
    DoRedrawButton();
}

void TTrifaceBtn::SetBounds(int left, int top, int width, int height) {
    if (m_autoShape) {
        width = m_face.width();
        height = m_face.height();
    }
    setGeometry(left, top, width, height);
}

void TTrifaceBtn::DoShapeButton() {
    if (m_autoShape && !m_face.isNull()) {
        // A fixed size also holds the face's size against later geometry changes (ini layouts).
        setFixedSize(m_face.size());
        const QImage dib = DoCreateDIBSection();
        if (dib.isNull()) throw EAppError(kErrCreateDib);
        const QRegion region = RegionFromRects(FaceRegionRects(dib, m_transColor.rgb(), m_transTolerance));
        if (region.isEmpty()) throw EAppError(kErrCreateRegion);
        if (!SetWindowRegion(region)) throw EAppError(kErrSetWindowRegion);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        clearMask();
    }
}

QImage TTrifaceBtn::DoCreateDIBSection() const {
    return m_face.toImage().convertToFormat(QImage::Format_RGB888);
}

bool TTrifaceBtn::SetWindowRegion(const QRegion& region) {
    setMask(region);
    return true;
}

void TTrifaceBtn::DoRedrawButton() {
    if (QWidget* parent = parentWidget())
        parent->update(geometry());
    else
        update();
}

void TTrifaceBtn::DrawShiftFace(QPainter& painter, const QPixmap& face) {
    painter.save();
    // Only the moved opaque part is drawn, so no transparent pixel moves into the visible shape.
    if (!mask().isEmpty()) painter.setClipRegion(mask().translated(-1, -1));
    painter.drawPixmap(rect().translated(-1, -1), face);
    painter.restore();
}

void TTrifaceBtn::DoDrawButtonFace(QPainter& painter, TButtonState state) {
    QPixmap picture;
    bool shifted = false;
    if (state.testFlag(bsDisabled)) {
        picture = m_faceDisable;
    } else if (state.testFlag(bsPressed)) {
        picture = m_faceDown;
    } else if (m_mouseOver) {
        if (m_shiftOnOver) {
            picture = m_faceOver.isNull() ? m_face : m_faceOver;
            shifted = true;
        } else {
            picture = m_faceOver;
        }
    } else {
        picture = m_face;
    }
    if (picture.isNull()) {
        picture = m_face;
        shifted = false;
    }
    if (picture.isNull()) {
        TColorBtn::DoDrawButtonFace(painter, state);
        return;
    }
    if (shifted)
        DrawShiftFace(painter, picture);
    else
        painter.drawPixmap(rect(), picture);

    if (m_focusRect && state.testFlag(bsFocused)) {
        const QColor frame = WindowFrameColor();
        const int left = 0, top = 0, right = width(), bottom = height();
        PolylineExclusive(painter, frame, {QPoint(left, top + 6), QPoint(left, top), QPoint(left + 6, top)});
        PolylineExclusive(painter, frame,
                          {QPoint(right - 7, top), QPoint(right - 1, top), QPoint(right - 1, top + 6)});
        PolylineExclusive(painter, frame,
                          {QPoint(left, bottom - 7), QPoint(left, bottom - 1), QPoint(left + 6, bottom - 1)});
        PolylineExclusive(
            painter, frame,
            {QPoint(right - 7, bottom - 1), QPoint(right - 1, bottom - 1), QPoint(right - 1, bottom - 7)});
    }
}

void TTrifaceBtn::DoDrawButtonText(QPainter& painter, TButtonState state) {
    if (text().isEmpty()) return;
    if (m_mouseOver && m_shiftOnOver && !state.testFlag(bsDisabled) && !state.testFlag(bsPressed)) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect().translated(-1, -1), kCaptionFlags, text());
        return;
    }
    // A picture face shows its focus by the corner marks, never by a focus rectangle.
    if (!m_face.isNull()) state.setFlag(bsFocused, false);
    TColorBtn::DoDrawButtonText(painter, state);
}

bool TTrifaceBtn::hitButton(const QPoint& pos) const {
    const QRegion shape = mask();
    return shape.isEmpty() ? TColorBtn::hitButton(pos) : shape.contains(pos);
}

void TTrifaceBtn::mouseMoveEvent(QMouseEvent* event) {
    TColorBtn::mouseMoveEvent(event);
    UpdateMouseOver(event->position().toPoint());
}

void TTrifaceBtn::enterEvent(QEnterEvent* event) {
    TColorBtn::enterEvent(event);
    UpdateMouseOver(event->position().toPoint());
}

void TTrifaceBtn::leaveEvent(QEvent* event) {
    TColorBtn::leaveEvent(event);
    if (!m_mouseOver) return;
    m_mouseOver = false;
    DoRedrawButton();
}

void TTrifaceBtn::UpdateMouseOver(const QPoint& pos) {
    const bool over = rect().contains(pos);
    if (over == m_mouseOver) return;
    m_mouseOver = over;
    DoRedrawButton();
}
