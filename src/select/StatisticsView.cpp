#include "select/StatisticsView.h"

#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "select/StatisticsFiles.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillon {

std::vector<GameStatisticsRow> PlayerStatisticsRows(const Session& s, const std::string& player) {
    std::vector<GameStatisticsRow> rows;
    for (const std::string& line : s.Game.GameList) {
        int n = -1;
        if (line.size() < 7 || std::sscanf(line.substr(4, 3).c_str(), "%d", &n) != 1)
            continue;
        const UniqueCounts c = ReadUniqueCounts(s, player, n);
        if (c.status != UniqueCounts::Status::Ok || c.won + c.lost == 0)
            continue;
        rows.push_back({n, GameName(s, n), GameGroup(s, n), c.won, c.lost});
    }
    return rows;
}

TfrmStatisticsView::TfrmStatisticsView(Session& s, QWidget* parent) : C_TAdvancedForm(parent), s_(s) {
    setObjectName("frmStatistics");
    setWindowTitle("Statistics");
    resize(640, 420);
    auto* column = new QVBoxLayout(this);
    lblPlayer = new QLabel(this);
    column->addWidget(lblPlayer);
    lvStatistics = new QTreeWidget(this);
    lvStatistics->setObjectName("lvStatistics");
    column->addWidget(lvStatistics, 1);
    btnReset = new QPushButton("&Reset", this);
    btnClose = new QPushButton("Close", this);
    column->addWidget(btnReset);
    column->addWidget(btnClose);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnReset, &QPushButton::clicked, this, [this] { ResetSelectedGame(); });
    FinishDesign();
}

void TfrmStatisticsView::Show(const std::string& player, int game) {
    player_ = player;
    Fill();
    (void)game;
}

void TfrmStatisticsView::Fill() {
    lvStatistics->clear();
    for (const GameStatisticsRow& r : PlayerStatisticsRows(s_, player_)) {
        auto* item = new QTreeWidgetItem(lvStatistics);
        item->setText(0, QString::fromStdString(r.name));
    }
}

bool TfrmStatisticsView::ResetSelectedGame(bool) {
    return false;
}

} // namespace quillon
