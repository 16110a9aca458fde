#include "map/ui/map_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace vorlan {

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("MapCanvas");
    // The frame covers every pixel; nothing needs clearing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    // The mouse position labels follow the mouse without a button held.
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (frame_ != nullptr && !frame_->isNull()) {
        painter.drawImage(event->rect().topLeft(), *frame_, event->rect());
    } else {
        painter.fillRect(event->rect(), Qt::black);
    }
}

void MapCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized(width(), height());
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    // The drawing area takes the keyboard first, so the map's keys reach the window.
    setFocus(Qt::MouseFocusReason);
    emit Pressed(event);
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    emit Moved(event);
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event);
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DoubleClicked(event);
}

}  // namespace vorlan
