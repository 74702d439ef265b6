#include "support/widgets/C_ShadowedHintWindow.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace quillon {

namespace {

std::function<bool(QWidget*)>& Gate() {
    static std::function<bool(QWidget*)> gate;
    return gate;
}

// Routes the application's hint requests to the one shadowed hint window.
class HintFilter : public QObject {
public:
    HintFilter() : window_(new C_TShadowedHintWindow) {}
    ~HintFilter() override { delete window_; }

    C_TShadowedHintWindow* window() const { return window_; }

    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::ToolTip: {
            auto* w = qobject_cast<QWidget*>(watched);
            if (!w)
                break;
            QString text = w->toolTip();
            if (text.isEmpty() || (Gate() && !Gate()(w))) {
                window_->HideHint();
                return !text.isEmpty(); // a hint kept back is not shown by the toolkit either
            }
            auto* help = static_cast<QHelpEvent*>(e);
            // Below the pointer, as the toolkit places its hints.
            window_->ShowHint(text, help->globalPos() + QPoint(2, 16));
            owner_ = w;
            return true;
        }
        case QEvent::Leave:
            if (watched == owner_)
                window_->HideHint();
            break;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
            window_->HideHint();
            break;
        default:
            break;
        }
        return false;
    }

private:
    C_TShadowedHintWindow* window_;
    QPointer<QWidget> owner_;
};

HintFilter*& InstalledFilter() {
    static HintFilter* filter = nullptr;
    return filter;
}

} // namespace

C_TShadowedHintWindow::C_TShadowedHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      label_(new QLabel(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);

    label_->setForegroundRole(QPalette::ToolTipText);
    label_->setBackgroundRole(QPalette::ToolTipBase);
    label_->setAutoFillBackground(true);
    label_->setFrameShape(QFrame::Box);
    label_->setMargin(2);
    label_->setTextFormat(Qt::PlainText);
    QPalette p = label_->palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    label_->setPalette(p);

    auto* shadow = new QGraphicsDropShadowEffect(label_);
    shadow->setOffset(kShadowOffset, kShadowOffset);
    shadow->setBlurRadius(kShadowBlur);
    shadow->setColor(QColor(0, 0, 0, 110));
    label_->setGraphicsEffect(shadow);

    // The window reaches past the box to the right and bottom, where the shadow falls.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, kShadowOffset + kShadowBlur, kShadowOffset + kShadowBlur);
    layout->addWidget(label_);
}

void C_TShadowedHintWindow::ShowHint(const QString& text, const QPoint& globalPos) {
    if (text.isEmpty()) {
        HideHint();
        return;
    }
    label_->setText(text);
    adjustSize();
    QPoint pos = globalPos;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos) ? QGuiApplication::screenAt(globalPos)
                                                                     : QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        if (pos.x() + width() > area.right() + 1)
            pos.setX(std::max(area.left(), area.right() + 1 - width()));
        if (pos.y() + height() > area.bottom() + 1)
            pos.setY(std::max(area.top(), area.bottom() + 1 - height()));
    }
    move(pos);
    show();
    raise();
}

void C_TShadowedHintWindow::HideHint() {
    hide();
}

QString C_TShadowedHintWindow::Text() const {
    return label_->text();
}

C_TShadowedHintWindow* C_TShadowedHintWindow::Install() {
    HintFilter*& filter = InstalledFilter();
    if (!filter) {
        filter = new HintFilter;
        qApp->installEventFilter(filter);
    }
    return filter->window();
}

void C_TShadowedHintWindow::SetGate(std::function<bool(QWidget*)> gate) {
    Gate() = std::move(gate);
}

void C_TShadowedHintWindow::Uninstall() {
    HintFilter*& filter = InstalledFilter();
    if (!filter)
        return;
    qApp->removeEventFilter(filter);
    delete filter;
    filter = nullptr;
}

} // namespace quillon
