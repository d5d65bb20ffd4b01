// TStateImage: a picture control that swaps its picture by state (mouse over, pressed, tab, disabled).
#pragma once

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <array>

class TStateImage : public QWidget {
    Q_OBJECT
public:
    // Where the state pictures come from.
    enum TImageSource { isImageList = 0, isImages = 1 };
    // How presses change the state.
    enum TImageStyle { isPlain = 0, isPushButton = 1, isTabButton = 2 };
    static constexpr int kImageCount = 8;

    explicit TStateImage(QWidget* parent = nullptr);

    // The picture on show, drawn at the top-left corner (or stretched to the control with Stretch).
    const QPixmap& Picture() const { return m_picture; }
    void SetPicture(const QPixmap& picture);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool on);

    // The state shown: 0 normal, 1 mouse over or pressed, 3 disabled. Unknown states change nothing.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);

    const QList<QPixmap>& ImageList() const { return m_imageList; }
    void SetImageList(const QList<QPixmap>& list);
    // State pictures by index (0 to 7). Setting picture 0 also shows it and selects state 0; the others
    // are only stored. An index outside 0 to 7 is ignored.
    QPixmap Image(int index) const;
    void SetImage(int index, const QPixmap& picture);

    TImageSource ImageSource() const { return m_imageSource; }
    void SetImageSource(TImageSource source) { m_imageSource = source; }
    TImageStyle ImageStyle() const { return m_imageStyle; }
    void SetImageStyle(TImageStyle style) { m_imageStyle = style; }
    bool MouseOverEffect() const { return m_mouseOverEffect; }
    void SetMouseOverEffect(bool on) { m_mouseOverEffect = on; }
    // Tab buttons with the same tag form one group.
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    bool MouseInside() const { return m_mouseInside; }

    // Call once the owner has set the properties: with pictures as source, shows the one at ImageIndex.
    void Loaded();

signals:
    void OnMouseEnter();
    void OnMouseLeave();
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The tab buttons of this one's group: same style and tag, under the parent's parent.
    QList<TStateImage*> TabGroup() const;

    QPixmap m_picture;
    bool m_stretch = false;
    int m_imageIndex = 0;
    QList<QPixmap> m_imageList;
    std::array<QPixmap, kImageCount> m_images;
    TImageSource m_imageSource = isImageList;
    TImageStyle m_imageStyle = isPlain;
    bool m_mouseOverEffect = false;
    int m_tag = 0;
    bool m_mouseInside = false;
    bool m_pressed = false;
};
