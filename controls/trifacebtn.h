// TTrifaceBtn: the skin's face button, showing a picture per state and shaped to its normal face.
#pragma once

#include "controls/colorbtn.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <cstdint>

class TTrifaceBtn : public TColorBtn {
    Q_OBJECT
public:
    explicit TTrifaceBtn(QWidget* parent = nullptr);

    // Normal face, also the source of the shape. An empty face on a shaped button turns AutoShape off.
    const QPixmap& Face() const { return m_face; }
    void SetFace(const QPixmap& face);
    // Faces under the mouse, while pressed and while disabled; empty ones fall back to Face.
    const QPixmap& FaceOver() const { return m_faceOver; }
    void SetFaceOver(const QPixmap& face);
    const QPixmap& FaceDown() const { return m_faceDown; }
    void SetFaceDown(const QPixmap& face);
    const QPixmap& FaceDisable() const { return m_faceDisable; }
    void SetFaceDisable(const QPixmap& face);

    // Corner marks while focused; turning it on turns AutoShape off.
    bool FocusRect() const { return m_focusRect; }
    void SetFocusRect(bool on);
    // Size the button to Face and cut its window to the face's opaque pixels; turning it on turns
    // FocusRect off. Never on while Face is empty.
    bool AutoShape() const { return m_autoShape; }
    void SetAutoShape(bool on);
    QColor TransColor() const { return m_transColor; }
    void SetTransColor(const QColor& color);
    std::uint16_t TransTolerance() const { return m_transTolerance; }
    void SetTransTolerance(std::uint16_t tolerance);
    // Under the mouse, face and caption move one pixel up and to the left.
    bool ShiftOnOver() const { return m_shiftOnOver; }
    void SetShiftOnOver(bool on);

    bool MouseOver() const { return m_mouseOver; }

    // Moves and sizes the button; while AutoShape is on the size stays that of Face.
    void SetBounds(int left, int top, int width, int height);

protected:
    void DoDrawButtonFace(QPainter& painter, TButtonState state) override;
    void DoDrawButtonText(QPainter& painter, TButtonState state) override;

    // Sizes and shapes the window from Face, or makes it rectangular again; raises the shaping errors.
    virtual void DoShapeButton();
    // A 24-bit copy of Face for the shape; a null image means it could not be made.
    virtual QImage DoCreateDIBSection() const;
    // Hands the region to the window; false when the window refuses it.
    virtual bool SetWindowRegion(const QRegion& region);
    // Repaints the button's rectangle on the parent, so what shows through the cut-out corners is redrawn.
    void DoRedrawButton();
    // The over picture one pixel up and to the left, kept inside the window's shape.
    void DrawShiftFace(QPainter& painter, const QPixmap& face);

    bool hitButton(const QPoint& pos) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void UpdateMouseOver(const QPoint& pos);

    QPixmap m_face;
    QPixmap m_faceOver;
    QPixmap m_faceDown;
    QPixmap m_faceDisable;
    bool m_focusRect = true;
    bool m_autoShape = false;
    QColor m_transColor = QColor(0xFF, 0x00, 0xFF);
    std::uint16_t m_transTolerance = 0;
    bool m_shiftOnOver = false;
    bool m_mouseOver = false;
};
