#include "support/widgets/InputSwallower.h"

#include <QCoreApplication>
#include <QEvent>

namespace quillon {

InputSwallower& InputSwallower::Instance() {
    static InputSwallower* swallower = new InputSwallower; // lives as long as the application
    return *swallower;
}

void InputSwallower::Swallow(bool on) {
    QCoreApplication* app = QCoreApplication::instance();
    if (on) {
        if (depth_++ == 0 && app)
            app->installEventFilter(this);
        return;
    }
    if (depth_ == 0)
        return; // an unmatched switch-off is harmless
    if (--depth_ == 0 && app)
        app->removeEventFilter(this);
}

bool InputSwallower::IsSwallowed(int eventType) {
    switch (eventType) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

bool InputSwallower::eventFilter(QObject* watched, QEvent* event) {
    if (depth_ == 0 || !IsSwallowed(event->type()))
        return QObject::eventFilter(watched, event);
    // A shortcut override accepted here keeps the key from triggering a menu shortcut.
    event->accept();
    ++discarded_;
    return true;
}

} // namespace quillon
