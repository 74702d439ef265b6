#include "support/widgets/C_FullScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillon {

namespace {

QRect ScreenRect(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

} // namespace

void C_TFullScreen::SetFullscreen(bool on) {
    if (on == m_bFullscreen || !m_Form)
        return;
    QWidget* w = m_Form;
    if (on) {
        // The facts to come back to, in the order the switch reads them.
        saved_.frameless = w->windowFlags().testFlag(Qt::FramelessWindowHint);
        saved_.state = w->windowState();
        saved_.bounds = w->geometry();
        saved_.normalBounds = w->normalGeometry();
        saved_.flags = w->windowFlags();
        saved_.visible = w->isVisible();

        // Full screen: no border and no caption, covering the whole screen. Qt's full-screen state
        // is what makes a window cover the screen including the desktop's panels, where a maximised
        // window would only fill the space between them.
        Qt::WindowFlags flags = w->windowFlags();
        flags |= Qt::FramelessWindowHint;
        flags &= ~(Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
        // Changing the flags re-creates the native window, which hides it.
        w->setWindowFlags(flags);
        w->setWindowState(Qt::WindowNoState);
        w->setGeometry(ScreenRect(w));
        if (saved_.visible)
            w->show();
        w->setWindowState(Qt::WindowFullScreen);
    } else {
        // Back in the order the facts were taken: the style word (with the border), the bounds, the
        // state. A window that was maximised first gets its normal bounds back, so that it returns
        // to them when the player restores it later; the state then maximises it again.
        w->setWindowFlags(saved_.flags);
        w->setWindowState(Qt::WindowNoState);
        w->setGeometry(saved_.state.testFlag(Qt::WindowMaximized) ? saved_.normalBounds : saved_.bounds);
        if (saved_.visible)
            w->show();
        w->setWindowState(saved_.state);
    }
    m_bFullscreen = on;
}

} // namespace quillon
