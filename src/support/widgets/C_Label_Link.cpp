#include "support/widgets/C_Label_Link.h"

#include <QMouseEvent>
#include <QPalette>

namespace quillon {

C_TLabel_Link::C_TLabel_Link(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
}

void C_TLabel_Link::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(e);
}

void C_TLabel_Link::mouseReleaseEvent(QMouseEvent* e) {
    bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click && onClick)
        onClick();
}

} // namespace quillon
