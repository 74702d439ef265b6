#pragma once
// The full-screen switch of the main window: full screen is the window maximised, without border
// and caption, covering the whole screen; switching back restores the window exactly as it was.

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <Qt>

namespace quillon {

class C_TFullScreen {
public:
    // The window facts saved when full screen is switched on.
    struct SavedFacts {
        bool frameless = false; // the border style: no border
        Qt::WindowStates state = Qt::WindowNoState;
        QRect bounds;          // height, width, left and top as the window had them
        QRect normalBounds;    // the bounds a maximised window returns to
        Qt::WindowFlags flags; // the window style word
        bool visible = false;
    };

    explicit C_TFullScreen(QWidget* form = nullptr) : m_Form(form) {}

    void SetForm(QWidget* form) { m_Form = form; }
    QWidget* Form() const { return m_Form; }

    // Switches the controlled window; asking for the state it already has does nothing.
    void SetFullscreen(bool on);
    bool Fullscreen() const { return m_bFullscreen; }

    // What was saved at the last switch to full screen (overwritten at every such switch).
    const SavedFacts& Saved() const { return saved_; }

private:
    // Cleared by Qt when the window goes first, so a late switch finds no window and does nothing.
    QPointer<QWidget> m_Form;
    bool m_bFullscreen = false;
    SavedFacts saved_;
};

} // namespace quillon
