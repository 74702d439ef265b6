#include "table/TableWidget.h"

#include "table/TableDrawing.h"

#include <QPaintEvent>
#include <QPainter>

namespace quillon {

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TableWidget::Attach(TableDrawing* drawing) {
    drawing_ = drawing;
    if (drawing_)
        drawing_->ShowOnWindow = [this](const QRect& r) {
            // Shown before the operation returns, so a sequence inside one event is seen step by step.
            if (isVisible())
                repaint(r);
        };
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    if (drawing_ && !drawing_->WindowImage.isNull()) {
        p.drawImage(r.topLeft(), drawing_->WindowImage, r);
        // Outside the picture (while a resize is pending) the window shows black.
        const QRect img = drawing_->WindowImage.rect();
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

} // namespace quillon
