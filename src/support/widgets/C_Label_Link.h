#pragma once
// A label that looks like a link: pure blue text (red 0, green 0, blue 255), underlined, with the
// hand cursor. What a click opens is up to the window that owns it (a page or a mail address).

#include <QCursor>
#include <QLabel>

#include <functional>

namespace quillon {

class C_TLabel_Link : public QLabel {
public:
    explicit C_TLabel_Link(const QString& text = QString(), QWidget* parent = nullptr);

    // The program's own hand cursor replaces the toolkit's pointing hand once the cursor pictures
    // are loaded.
    void SetLinkCursor(const QCursor& cursor) { setCursor(cursor); }

    // Called when the label is clicked (pressed and released over it with the left button).
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

} // namespace quillon
