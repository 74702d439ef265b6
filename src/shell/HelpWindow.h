#pragma once
// The help window: the program's help pages (the contents, how to play, one rules page per game)
// in one browser window that stays open beside the table. Links between the pages are followed in
// the window itself; links to the web go to the desktop's browser.
#include <QWidget>

#include <functional>
#include <string>

class QTextBrowser;
class QToolButton;
class QUrl;

namespace quillon {

class THelpWindow : public QWidget {
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page of a file, brought to the front.
    void ShowPage(const std::string& path);
    QTextBrowser* Browser() const { return browser_; }
    // Follows a link as a click on it does.
    void FollowLink(const QUrl& link);
    // Hands a web or mail link to the desktop.
    std::function<void(const std::string& url)> OpenExternal;

private:
    void UpdateTitle();
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
};

} // namespace quillon
