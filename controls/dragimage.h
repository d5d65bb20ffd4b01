// TDragImage: a background picture that drags its borderless window while the left button is held.
#pragma once

#include <QLabel>
#include <QPoint>

class TDragImage : public QLabel {
    Q_OBJECT
public:
    explicit TDragImage(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint m_grab; // where the window was taken, relative to its top-left corner
};
