#pragma once
// The map's drawing area: shows the frame buffer it is given and hands its mouse input and
// size changes to the window, which decides what they do.

#include <QImage>
#include <QWidget>

namespace vorlan {

class MapCanvas : public QWidget {
    Q_OBJECT

public:
    explicit MapCanvas(QWidget* parent = nullptr);

    // The picture to show; the canvas keeps a pointer, so the owner keeps it alive.
    void SetFrame(const QImage* frame) { frame_ = frame; }

signals:
    void Pressed(QMouseEvent* event);
    void Moved(QMouseEvent* event);
    void Released(QMouseEvent* event);
    void DoubleClicked(QMouseEvent* event);
    void Resized(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QImage* frame_ = nullptr;
};

}  // namespace vorlan
