#pragma once
// The desktop services of the running program on Qt: message boxes, the advice window with its
// "don't show again" check box, the default handler for links, and the message beep. Every window
// shown here gets the base window's font fallback.

#include "platform/Desktop.h"
#include "support/widgets/C_AdvancedForm.h"

#include <QPixmap>

#include <functional>

class QCheckBox;
class QLabel;
class QUrl;

namespace quillon {

// The modal advice window: caption "Information", the text, the picture of its page (when there
// is one), the check box "&Don't show this message box again" and an OK button.
class C_TAdviceWindow : public C_TAdvancedForm {
public:
    C_TAdviceWindow(const QString& text, const QPixmap& picture, QWidget* parent = nullptr);

    bool DontShowAgain() const;
    QCheckBox* CheckBox() const { return check_; }
    QLabel* TextLabel() const { return text_; }
    QLabel* PictureLabel() const { return picture_; }

private:
    QLabel* picture_;
    QLabel* text_;
    QCheckBox* check_;
};

class QtDesktop : public Desktop {
public:
    explicit QtDesktop(QWidget* parent = nullptr) : parent_(parent) {}

    // Information, warning and error boxes have an OK button and answer true; a question box has
    // "Yes" and "No" and answers true for "Yes".
    bool MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override;
    bool AdviceBox(const std::string& text, int page) override;
    bool OpenUrl(const std::string& url) override;
    void Beep() override;

    void SetParent(QWidget* parent) { parent_ = parent; }

    // The picture of an advice page; until the picture library is loaded there is none and the
    // advice window shows the text alone.
    std::function<QPixmap(int page)> advicePicture;
    // The handler links go to: the desktop's default handler unless replaced (tests).
    std::function<bool(const QUrl&)> openUrl;

private:
    QWidget* parent_;
};

} // namespace quillon
