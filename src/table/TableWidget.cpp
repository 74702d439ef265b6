#include "table/TableWidget.h"

#include "model/Session.h"
#include "table/TableDrawing.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace quillon {

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TableWidget::Attach(TableDrawing* drawing) {
    drawing_ = drawing;
    // The widget shows the table picture itself until something is drawn on the window alone.
    if (drawing_)
        drawing_->WindowFollowsTable = true;
    if (drawing_)
        drawing_->ShowOnWindow = [this](const QRect& r) {
            // Shown before the operation returns, so a sequence inside one event is seen step by step.
            // At a fractional device ratio the window system rounds the rectangle to its pixels
            // its own way: one more pixel round it makes sure no changed device pixel stays unshown.
            const qreal ratio = devicePixelRatioF();
            if (isVisible())
                repaint(ratio == std::floor(ratio) ? r : r.adjusted(-1, -1, 1, 1));
        };
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    if (drawing_ && (!drawing_->WindowImage.isNull() || drawing_->WindowIsTable())) {
        // The picture holds device pixels: the exposed rectangle is copied pixel for pixel, from
        // the window's own picture or from the table picture at the scroll position.
        const bool table = drawing_->WindowIsTable();
        const QImage& window = table ? drawing_->TableImage : drawing_->WindowImage;
        const qreal ratio = window.devicePixelRatio();
        const QSize size = table ? drawing_->WindowSize() : LogicalSize(window);
        const int dy = table ? DevicePos(drawing_->s.Game.ScrollOffset, ratio) : 0;
        const QRect device = DeviceRect(table ? r.intersected(QRect(QPoint(), size)) : r, ratio)
                                 .translated(0, dy)
                                 .intersected(window.rect());
        p.drawImage(QRectF(device.x() / ratio, (device.y() - dy) / ratio, device.width() / ratio,
                           device.height() / ratio),
                    window, device);
        // Outside the picture (while a resize is pending) the window shows black.
        const QRect img(QPoint(), size);
        if (!img.contains(r)) {
            QRegion rest = QRegion(r).subtracted(QRegion(img));
            for (const QRect& part : rest)
                p.fillRect(part, Qt::black);
        }
    } else {
        p.fillRect(r, Qt::black);
    }
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (OnResize)
        OnResize(width(), height());
}

namespace {

int ButtonNumber(Qt::MouseButton b) {
    return b == Qt::RightButton ? 1 : b == Qt::MiddleButton ? 2 : 0;
}

int ShiftSet(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::AltModifier ? 2 : 0) |
           (m & Qt::ControlModifier ? 4 : 0);
}

} // namespace

void TableWidget::mousePressEvent(QMouseEvent* event) {
    if (!InputBlocked && OnPress)
        OnPress(ButtonNumber(event->button()), ShiftSet(event->modifiers()), event->position().toPoint().x(),
                event->position().toPoint().y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!InputBlocked && OnMove)
        OnMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!InputBlocked && OnRelease)
        OnRelease(event->position().toPoint().x(), event->position().toPoint().y());
}

// The second press of a double click arrives here instead of as a press: the double click
// comes first, then the press it carries, as the engine expects.
void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (InputBlocked)
        return;
    if (OnDoubleClick)
        OnDoubleClick();
    mousePressEvent(event);
}

} // namespace quillon
