#pragma once
// The hint window of the program: the hint text in the tooltip colours, in a small borderless
// window that casts a drop shadow to its lower right. Once installed, it shows the hints of every
// widget of the application in place of the toolkit's own hint windows.

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;

namespace quillon {

class C_TShadowedHintWindow : public QWidget {
public:
    // Room around the text for the shadow, in pixels.
    static constexpr int kShadowOffset = 3;
    static constexpr int kShadowBlur = 6;

    explicit C_TShadowedHintWindow(QWidget* parent = nullptr);

    // Shows `text` with the top left corner of the hint box at `globalPos`, kept on the screen.
    void ShowHint(const QString& text, const QPoint& globalPos);
    void HideHint();
    QString Text() const;
    QLabel* Label() const { return label_; }

    // Makes the hint windows of the whole application this class: the hint request of any widget
    // with a hint text shows it here; pressing a key or a button, leaving the widget or an empty
    // hint hides it. Installing again changes nothing. Returns the application's hint window.
    static C_TShadowedHintWindow* Install();
    static void Uninstall();
    // Lets the program keep some widgets' hints back (the toolbar's, when its hints are switched
    // off): a widget's hint shows only when the gate answers true for it. An empty gate lets
    // every hint through.
    static void SetGate(std::function<bool(QWidget*)> gate);

private:
    QLabel* label_;
};

} // namespace quillon
