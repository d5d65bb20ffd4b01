#include "controls/dragimage.h"

#include <QMouseEvent>
#include <QWindow>

TDragImage::TDragImage(QWidget* parent) : QLabel(parent) {}

void TDragImage::mousePressEvent(QMouseEvent* event) {
    m_grab = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
    QLabel::mousePressEvent(event);
}

void TDragImage::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return QLabel::mouseMoveEvent(event);
    // The window manager moves the window as if its title bar were dragged; where it cannot, move it here.
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove()) return;
    window()->move(event->globalPosition().toPoint() - m_grab);
}
