#include "controls/stateimage.h"

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

TStateImage::TStateImage(QWidget* parent) : QWidget(parent) {}

void TStateImage::SetPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void TStateImage::SetStretch(bool on) {
    if (on == m_stretch) return;
    m_stretch = on;
    update();
}

void TStateImage::SetImageIndex(int index) {
    if (m_imageSource == isImageList) {
        if (index >= 0 && index < m_imageList.size()) {
            m_imageIndex = index;
            m_picture = m_imageList.at(index);
        }
    } else if (index >= 0 && index < kImageCount && !m_images[index].isNull()) {
        m_imageIndex = index;
        m_picture = m_images[index];
    }
    update();
}

void TStateImage::SetImageList(const QList<QPixmap>& list) {
    m_imageList = list;
    SetImageIndex(0);
}

QPixmap TStateImage::Image(int index) const {
    return index >= 0 && index < kImageCount ? m_images[index] : QPixmap();
}

void TStateImage::SetImage(int index, const QPixmap& picture) {
    if (index < 0 || index >= kImageCount) return;
    m_images[index] = picture;
    if (index != 0) return;
    SetPicture(picture);
    SetImageIndex(0);
}

void TStateImage::Loaded() {
    if (m_imageSource == isImages && m_imageIndex >= 0 && m_imageIndex < kImageCount)
        SetPicture(m_images[m_imageIndex]);
}

void TStateImage::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    if (m_stretch)
        painter.drawPixmap(rect(), m_picture);
    else
        painter.drawPixmap(0, 0, m_picture);
}

void TStateImage::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    m_mouseInside = true;
    if (isEnabled() && m_mouseOverEffect) SetImageIndex(1);
    emit OnMouseEnter();
}

void TStateImage::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    m_mouseInside = false;
    if (isEnabled() && m_mouseOverEffect) SetImageIndex(0);
    emit OnMouseLeave();
}

void TStateImage::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) m_pressed = true;
    if (m_imageStyle == isPushButton) {
        SetImageIndex(1);
    } else if (m_imageStyle == isTabButton) {
        SetImageIndex(1);
        for (TStateImage* other : TabGroup())
            if (other != this) other->SetImageIndex(0);
    }
}

void TStateImage::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (m_imageStyle == isPushButton) SetImageIndex(0);
    if (event->button() != Qt::LeftButton || !m_pressed) return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint())) emit OnClick();
}

void TStateImage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) return;
    if (isEnabled())
        SetImageIndex(m_mouseOverEffect && m_mouseInside ? 1 : 0);
    else
        SetImageIndex(3);
}

QList<TStateImage*> TStateImage::TabGroup() const {
    // The group lives under the parent's parent; a control placed directly on a window uses its parent.
    QWidget* scope = parentWidget();
    if (scope && scope->parentWidget()) scope = scope->parentWidget();
    QList<TStateImage*> group;
    if (!scope) return group;
    for (TStateImage* image : scope->findChildren<TStateImage*>())
        if (image->m_imageStyle == isTabButton && image->m_tag == m_tag) group.append(image);
    return group;
}
