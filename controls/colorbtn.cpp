#include "controls/colorbtn.h"

#include "controls/pixellines.h"
#include "platform/fonts.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPen>

#include <algorithm>

namespace {

// The glyph's visible pixels in one colour, for the etched look of a disabled button.
QPixmap Silhouette(const QPixmap& glyph, const QColor& color) {
    QPixmap shaped = glyph;
    if (!shaped.hasAlphaChannel()) shaped.setMask(shaped.createHeuristicMask());
    QImage image = shaped.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter tint(&image);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(image.rect(), color);
    tint.end();
    return QPixmap::fromImage(image);
}

} // namespace

TColorBtn::TColorBtn(QWidget* parent) : QPushButton(parent) {
    QFont appFont(AppFontFamily());
    appFont.setPointSize(8);
    setFont(appFont);
    m_colorLo = palette().color(QPalette::Dark);
    m_colorHi = palette().color(QPalette::Light);
    m_color = palette().color(QPalette::Button);
}

void TColorBtn::SetColorLo(const QColor& color) {
    if (color == m_colorLo) return;
    m_colorLo = color;
    update();
}

void TColorBtn::SetColorHi(const QColor& color) {
    if (color == m_colorHi) return;
    m_colorHi = color;
    update();
}

void TColorBtn::SetColor(const QColor& color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void TColorBtn::SetGlyphs(const QList<QPixmap>& glyphs) {
    m_glyphs = glyphs;
    update();
}

void TColorBtn::SetGlyphIndex(int index) {
    if (index == m_glyphIndex) return;
    m_glyphIndex = index;
    update();
}

void TColorBtn::SetButtonStyle(bool isDefault) {
    if (isDefault == m_default) return;
    m_default = isDefault;
    update();
}

QColor TColorBtn::WindowFrameColor() const {
    return QColor(Qt::black);
}

TColorBtn::TButtonState TColorBtn::PaintState() const {
    TButtonState state;
    if (isDown()) state |= bsPressed;
    if (!isEnabled()) state |= bsDisabled;
    if (hasFocus()) state |= bsFocused;
    return state;
}

QPixmap TColorBtn::CurrentGlyph() const {
    if (m_glyphIndex < 0 || m_glyphIndex >= m_glyphs.size()) return QPixmap();
    return m_glyphs.at(m_glyphIndex);
}

void TColorBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TButtonState state = PaintState();
    DoDrawButtonFace(painter, state);
    DoDrawButtonGlyph(painter, state);
    DoDrawButtonText(painter, state);
}

void TColorBtn::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
}

void TColorBtn::DoDrawButtonFace(QPainter& painter, TButtonState state) {
    QRect r = rect();
    if (IsDefaultState() || state.testFlag(bsFocused)) {
        RectangleWithBorder(painter, r, WindowFrameColor(), m_color);
        r.adjust(1, 1, -1, -1);
    }
    if (state.testFlag(bsPressed)) {
        RectangleWithBorder(painter, r, m_colorLo, m_color);
        return;
    }
    painter.fillRect(r, m_color);
    Frame3D(painter, r, m_colorHi, WindowFrameColor());
    // Inner shadow along the bottom and right edges.
    const int right = r.left() + r.width(), bottom = r.top() + r.height();
    PolylineExclusive(painter, m_colorLo,
                      {QPoint(1, bottom - 1), QPoint(right - 1, bottom - 1), QPoint(right - 1, r.top() - 1)});
}

void TColorBtn::DoDrawButtonGlyph(QPainter& painter, TButtonState state) {
    const QPixmap glyph = CurrentGlyph();
    if (glyph.isNull()) return;
    int x = (width() - glyph.width()) / 2;
    if (!text().isEmpty()) {
        // Beside the caption, which is centred in the part of the button right of the glyph.
        const int captionLeft = glyph.width() + 6;
        const int textWidth = fontMetrics().size(kCaptionFlags, text()).width();
        x = std::max(0, captionLeft + (width() - captionLeft - textWidth) / 2 - glyph.width() - 3);
    }
    QPoint at(x, (height() - glyph.height()) / 2);
    if (state.testFlag(bsPressed)) at += QPoint(1, 1);
    if (state.testFlag(bsDisabled)) {
        painter.drawPixmap(at + QPoint(1, 1), Silhouette(glyph, m_colorHi));
        painter.drawPixmap(at, Silhouette(glyph, m_colorLo));
    } else {
        painter.drawPixmap(at, glyph);
    }
}

void TColorBtn::DoDrawButtonText(QPainter& painter, TButtonState state) {
    if (text().isEmpty()) return;
    QRect r = rect();
    const QPixmap glyph = CurrentGlyph();
    if (!glyph.isNull()) r.setLeft(r.left() + glyph.width() + 6);
    if (state.testFlag(bsPressed)) r.translate(1, 1);
    painter.setFont(font());
    if (state.testFlag(bsDisabled)) {
        painter.setPen(m_colorHi);
        painter.drawText(r.translated(1, 1), kCaptionFlags, text());
        painter.setPen(m_colorLo);
        painter.drawText(r, kCaptionFlags, text());
    } else {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(r, kCaptionFlags, text());
    }
    if (state.testFlag(bsFocused)) {
        painter.save();
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
        painter.restore();
    }
}
