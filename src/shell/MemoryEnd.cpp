#include "shell/MemoryEnd.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillon {

namespace {

QString Points(int points) {
    return QString::number(points) + (points == 1 || points == -1 ? " point" : " points");
}

} // namespace

TfrmMemoryEnd::TfrmMemoryEnd(const MemoryResultPage& page, QWidget* parent) : C_TAdvancedForm(parent) {
    setObjectName("frmMemoryEnd");
    setWindowTitle(QString::fromStdString(page.caption));
    setModal(true);
    auto* column = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName("pgcResult");
    auto* sheet = new QWidget(pages);
    auto* sheetColumn = new QVBoxLayout(sheet);
    if (!page.boxCaption.empty()) {
        auto* grid = new QLabel(QString::fromStdString(page.boxCaption), sheet);
        grid->setObjectName("lblBoxCaption");
        sheetColumn->addWidget(grid);
    }
    auto points = [&](const char* caption, const char* name, int value) {
        auto* box = new QGroupBox(caption, sheet);
        auto* row = new QVBoxLayout(box);
        auto* label = new QLabel(Points(value), box);
        label->setObjectName(name);
        row->addWidget(label);
        sheetColumn->addWidget(box);
    };
    points("For each match:", "lblMatchPoints", page.matchPoints);
    points("For each miss:", "lblMissPoints", page.missPoints);

    auto* score = new QGroupBox("Score ", sheet);
    auto* lines = new QGridLayout(score);
    auto line = [&](int row, const char* name, const QString& text) {
        auto* label = new QLabel(text, score);
        label->setObjectName(name);
        lines->addWidget(label, row, 0);
    };
    line(0, "lblMatches",
         QString("Matches: %1 x %2 = %3").arg(page.matches).arg(page.matchPoints).arg(page.matchesTotal()));
    line(1, "lblMisses",
         QString("Misses %1 x %2 = %3").arg(page.misses).arg(page.missPoints).arg(page.missesTotal()));
    line(2, "lblStart", QString("Start: %1").arg(page.start));
    line(3, "lblTotal", QString("Total: %1").arg(page.total));
    line(4, "lblToWin", QString("(Score to win: %1)").arg(page.scoreToWin));
    colour_ = page.won ? QColor(0, 160, 0) : QColor(200, 0, 0);
    QPixmap mark(16, 16);
    mark.fill(colour_);
    auto* image = new QLabel(score);
    image->setObjectName("imgResult");
    image->setPixmap(mark);
    lines->addWidget(image, 3, 1);
    sheetColumn->addWidget(score);
    pages->addTab(sheet, QString::fromStdString(page.page));
    column->addWidget(pages);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
}

QLabel* TfrmMemoryEnd::Line(const char* name) const {
    return findChild<QLabel*>(name);
}

} // namespace quillon
