#include "support/widgets/QtDesktop.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>

namespace quillon {

namespace {

QMessageBox::Icon IconOf(BoxKind kind) {
    switch (kind) {
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Warning:
        return QMessageBox::Warning;
    case BoxKind::Error:
        return QMessageBox::Critical;
    case BoxKind::Question:
    case BoxKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

C_TAdviceWindow::C_TAdviceWindow(const QString& text, const QPixmap& picture, QWidget* parent)
    : C_TAdvancedForm(parent), picture_(new QLabel(this)), text_(new QLabel(text, this)),
      check_(new QCheckBox(QStringLiteral("&Don't show this message box again"), this)) {
    setWindowTitle(QStringLiteral("Information"));
    setModal(true);

    picture_->setPixmap(picture);
    picture_->setVisible(!picture.isNull());
    picture_->setAlignment(Qt::AlignTop);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* body = new QHBoxLayout;
    body->addWidget(picture_);
    body->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(check_);
    layout->addWidget(buttons);
    FinishDesign();
}

bool C_TAdviceWindow::DontShowAgain() const {
    return check_->isChecked();
}

bool QtDesktop::MessageBox(BoxKind kind, const std::string& caption, const std::string& text) {
    QMessageBox box(IconOf(kind), QString::fromStdString(caption),
                    QString::fromStdString(WithLineFeeds(text)), QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    if (kind == BoxKind::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else if (kind == BoxKind::Confirmation) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    ApplyFontFallback(&box);
    int answer = box.exec();
    if (kind == BoxKind::Question)
        return answer == QMessageBox::Yes;
    return kind == BoxKind::Confirmation ? answer == QMessageBox::Ok : true;
}

bool QtDesktop::AdviceBox(const std::string& text, int page) {
    QPixmap picture = advicePicture ? advicePicture(page) : QPixmap();
    C_TAdviceWindow window(QString::fromStdString(WithLineFeeds(text)), picture, parent_);
    window.exec();
    return window.DontShowAgain();
}

bool QtDesktop::OpenUrl(const std::string& url) {
    QUrl link(QString::fromStdString(url), QUrl::TolerantMode);
    if (!link.isValid())
        return false;
    return openUrl ? openUrl(link) : QDesktopServices::openUrl(link);
}

void QtDesktop::Beep() {
    QApplication::beep();
}

} // namespace quillon
