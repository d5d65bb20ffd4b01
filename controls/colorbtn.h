// TColorBtn: an owner-painted push button in flat colours, with an optional glyph and an etched caption.
#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPushButton>

class QPainter;

class TColorBtn : public QPushButton {
    Q_OBJECT
public:
    // The state set handed to the drawing steps.
    enum TButtonStateFlag { bsPressed = 0x1, bsDisabled = 0x2, bsFocused = 0x4 };
    Q_DECLARE_FLAGS(TButtonState, TButtonStateFlag)

    explicit TColorBtn(QWidget* parent = nullptr);

    // Dark edges, the pressed frame and the front of an etched caption.
    QColor ColorLo() const { return m_colorLo; }
    void SetColorLo(const QColor& color);
    // Light edges and the back of an etched caption.
    QColor ColorHi() const { return m_colorHi; }
    void SetColorHi(const QColor& color);
    // Fill of the colour face.
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);
    // Optional small pictures; GlyphIndex picks one, a negative index shows none.
    const QList<QPixmap>& Glyphs() const { return m_glyphs; }
    void SetGlyphs(const QList<QPixmap>& glyphs);
    int GlyphIndex() const { return m_glyphIndex; }
    void SetGlyphIndex(int index);

    // Whether the button is the window's default button (also true while Qt treats it as default).
    bool IsDefaultState() const { return m_default || isDefault(); }
    // Called when the button becomes or stops being the default button; repaints on a change.
    void SetButtonStyle(bool isDefault);

    // The colour of window frames: the outer frame of a default or focused colour face and the corner marks.
    QColor WindowFrameColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The drawing steps, in this order, each with the state set of the paint.
    virtual void DoDrawButtonFace(QPainter& painter, TButtonState state);
    virtual void DoDrawButtonGlyph(QPainter& painter, TButtonState state);
    virtual void DoDrawButtonText(QPainter& painter, TButtonState state);

    // Caption layout: one line, centred both ways, '&' marks the accelerator.
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

    TButtonState PaintState() const;
    // The glyph to draw, or a null picture when none is shown.
    QPixmap CurrentGlyph() const;

private:
    QColor m_colorLo;
    QColor m_colorHi;
    QColor m_color;
    QList<QPixmap> m_glyphs;
    int m_glyphIndex = 0;
    bool m_default = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TColorBtn::TButtonState)
