#include "shell/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quillon {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* row = new QHBoxLayout;
    auto button = [this, row](const char* name, const char* caption) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(caption);
        b->setAutoRaise(true);
        row->addWidget(b);
        return b;
    };
    contents_ = button("btnContents", "&Contents");
    back_ = button("btnBack", "&Back");
    forward_ = button("btnForward", "&Forward");
    row->addStretch(1);
    column->addLayout(row);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("brwHelp");
    // Every link comes here first: pages of the help stay in this window, the rest goes out.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    column->addWidget(browser_, 1);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { FollowLink(link); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });
    connect(contents_, &QToolButton::clicked, this, [this] {
        // The contents page lies in the help folder, above the rules pages.
        QString folder = QFileInfo(browser_->source().toLocalFile()).absolutePath();
        if (QFileInfo(folder).fileName().compare("rules", Qt::CaseInsensitive) == 0)
            folder = QFileInfo(folder).absolutePath();
        browser_->setSource(QUrl::fromLocalFile(folder + "/contents.html"));
    });
    resize(560, 520);
}

void THelpWindow::ShowPage(const std::string& path) {
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    UpdateTitle();
    show();
    raise();
    activateWindow();
}

void THelpWindow::FollowLink(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme.isEmpty() || scheme == "file") {
        const QUrl target = browser_->source().resolved(link);
        if (target.hasFragment() &&
            target.adjusted(QUrl::RemoveFragment) == browser_->source().adjusted(QUrl::RemoveFragment))
            browser_->scrollToAnchor(target.fragment());
        else
            browser_->setSource(target);
        return;
    }
    if (OpenExternal)
        OpenExternal(link.toString().toStdString());
}

void THelpWindow::UpdateTitle() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : QStringLiteral("Help - ") + title);
}

} // namespace quillon
