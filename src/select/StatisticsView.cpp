#include "select/StatisticsView.h"

#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "select/OpenGame.h"
#include "select/StatisticsFiles.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace quillon {

namespace {

constexpr int kSortRole = Qt::UserRole + 10;
constexpr int kGameRole = Qt::UserRole;

// A line that sorts by the number behind each column rather than by its text.
class StatisticsItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant a = data(column, kSortRole), b = other.data(column, kSortRole);
        if (a.isValid() && b.isValid())
            return a.toDouble() < b.toDouble();
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string PercentText(int won, int played) {
    return played == 0 ? std::string() : FormatPercentage(won, played) + "%";
}

void SetCounts(QTreeWidgetItem* item, int won, int lost) {
    const int played = won + lost;
    auto number = [&](int column, int value) {
        item->setText(column, QString::number(value));
        item->setData(column, kSortRole, value);
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    };
    number(TfrmStatisticsView::Played, played);
    number(TfrmStatisticsView::Won, won);
    number(TfrmStatisticsView::Lost, lost);
    item->setText(TfrmStatisticsView::Percent, Q(PercentText(won, played)));
    item->setData(TfrmStatisticsView::Percent, kSortRole, played ? 100.0 * won / played : -1.0);
    item->setTextAlignment(TfrmStatisticsView::Percent, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

std::string FormatPlayTime(int seconds) {
    if (seconds < 0)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::vector<GameStatisticsRow> PlayerStatisticsRows(const Session& s, const std::string& player,
                                                    const std::vector<GameLogEntry>& log) {
    std::vector<GameStatisticsRow> rows;
    std::map<int, size_t> rowOfGame;
    for (const std::string& line : s.Game.GameList) {
        int n = -1;
        if (line.size() < 7 || std::sscanf(line.substr(4, 3).c_str(), "%d", &n) != 1 || rowOfGame.count(n))
            continue;
        const UniqueCounts c = ReadUniqueCounts(s, player, n);
        if (c.status != UniqueCounts::Status::Ok || c.won + c.lost == 0)
            continue;
        GameStatisticsRow row;
        row.game = n;
        row.name = GameName(s, n);
        row.family = GameGroup(s, n);
        row.won = c.won;
        row.lost = c.lost;
        rowOfGame[n] = rows.size();
        rows.push_back(row);
    }
    std::map<int, int> run;
    for (const GameLogEntry& e : log) {
        auto it = rowOfGame.find(e.game);
        if (e.player != player || it == rowOfGame.end())
            continue;
        GameStatisticsRow& row = rows[it->second];
        if (e.won && (row.bestSeconds < 0 || e.seconds < row.bestSeconds))
            row.bestSeconds = e.seconds;
        if (!row.hasScore || e.score > row.bestScore)
            row.bestScore = e.score;
        row.hasScore = true;
        int& streak = run[e.game];
        streak = e.won ? streak + 1 : 0;
        row.currentStreak = streak;
        row.longestStreak = std::max(row.longestStreak, streak);
        row.lastPlayed = std::max(row.lastPlayed, e.date + " " + e.time);
    }
    return rows;
}

std::map<int, StatisticsTotals> FamilyTotals(const std::vector<GameStatisticsRow>& rows) {
    std::map<int, StatisticsTotals> totals;
    for (const GameStatisticsRow& r : rows) {
        totals[r.family].won += r.won;
        totals[r.family].lost += r.lost;
    }
    return totals;
}

StatisticsTotals OverallTotals(const std::vector<GameStatisticsRow>& rows) {
    StatisticsTotals t;
    for (const GameStatisticsRow& r : rows) {
        t.won += r.won;
        t.lost += r.lost;
    }
    return t;
}

TfrmStatisticsView::TfrmStatisticsView(Session& s, QWidget* parent) : C_TAdvancedForm(parent), s_(s) {
    setObjectName("frmStatistics");
    setWindowTitle("Statistics");
    QFont font("Tahoma");
    font.setPixelSize(11);
    setFont(font);
    resize(840, 440);
    auto* column = new QVBoxLayout(this);
    lblPlayer = new QLabel(this);
    lblPlayer->setObjectName("lblPlayer");
    column->addWidget(lblPlayer);
    lvStatistics = new QTreeWidget(this);
    lvStatistics->setObjectName("lvStatistics");
    lvStatistics->setColumnCount(Columns);
    lvStatistics->setHeaderLabels({"Game", "Played", "Won", "Lost", "%", "Best time", "Best score", "Streak",
                                   "Longest streak", "Last played"});
    lvStatistics->setSortingEnabled(true);
    lvStatistics->setUniformRowHeights(true);
    lvStatistics->setAlternatingRowColors(true);
    lvStatistics->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvStatistics->header()->setStretchLastSection(false);
    static const int widths[Columns] = {200, 50, 44, 44, 52, 64, 72, 50, 96, 128};
    for (int c = Game; c < Columns; ++c)
        lvStatistics->setColumnWidth(c, widths[c]);
    column->addWidget(lvStatistics, 1);
    lblTotals = new QLabel(this);
    lblTotals->setObjectName("lblTotals");
    column->addWidget(lblTotals);
    auto* buttons = new QHBoxLayout;
    btnReset = new QPushButton("&Reset game", this);
    btnReset->setObjectName("btnReset");
    btnClose = new QPushButton("Close", this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);
    buttons->addWidget(btnReset);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    column->addLayout(buttons);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnReset, &QPushButton::clicked, this, [this] { ResetSelectedGame(); });
    connect(lvStatistics, &QTreeWidget::currentItemChanged, this,
            [this] { btnReset->setEnabled(SelectedGame() >= 0 && s_.Play.RecordGameResult != nullptr); });
    FinishDesign();
}

void TfrmStatisticsView::Show(const std::string& player, int game) {
    player_ = player;
    lblPlayer->setText("Player: " + Q(player));
    Fill(game);
}

void TfrmStatisticsView::Fill(int select) {
    lvStatistics->setSortingEnabled(false);
    lvStatistics->clear();
    const std::vector<GameStatisticsRow> rows =
        PlayerStatisticsRows(s_, player_, ReadGameLog(GameLogPath(s_)));
    const auto totals = FamilyTotals(rows);
    std::map<int, QTreeWidgetItem*> families;
    for (const auto& [family, t] : totals) {
        const GameFamily* f = FamilyOfCode(family);
        auto* item = new StatisticsItem(lvStatistics);
        item->setText(Game, f ? f->groupCaption : "Other games");
        QFont bold = item->font(Game);
        bold.setBold(true);
        item->setFont(Game, bold);
        item->setData(Game, kGameRole, -1);
        SetCounts(item, t.won, t.lost);
        item->setExpanded(true);
        families[family] = item;
    }
    QTreeWidgetItem* selected = nullptr;
    for (const GameStatisticsRow& r : rows) {
        auto* item = new StatisticsItem(families[r.family]);
        item->setText(Game, Q(r.name));
        item->setData(Game, kGameRole, r.game);
        SetCounts(item, r.won, r.lost);
        item->setText(BestTime, Q(FormatPlayTime(r.bestSeconds)));
        item->setData(BestTime, kSortRole, r.bestSeconds < 0 ? 1e12 : r.bestSeconds);
        item->setText(BestScore, r.hasScore ? QString::number(r.bestScore) : QString());
        item->setData(BestScore, kSortRole, r.hasScore ? r.bestScore : -1e12);
        for (auto [col, value] :
             {std::pair{int(Streak), r.currentStreak}, {int(LongestStreak), r.longestStreak}}) {
            item->setText(col, QString::number(value));
            item->setData(col, kSortRole, value);
        }
        for (int c : {int(BestTime), int(BestScore), int(Streak), int(LongestStreak)})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(LastPlayed, Q(r.lastPlayed));
        if (r.game == select)
            selected = item;
    }
    lvStatistics->setSortingEnabled(true);
    lvStatistics->sortByColumn(Game, Qt::AscendingOrder);
    const StatisticsTotals all = OverallTotals(rows);
    lblTotals->setText(QString("All games: %1 played, %2 won, %3 lost%4")
                           .arg(all.Played())
                           .arg(all.won)
                           .arg(all.lost)
                           .arg(all.Played() ? "  -  " + Q(PercentText(all.won, all.Played())) : QString()));
    if (selected) {
        lvStatistics->setCurrentItem(selected);
        lvStatistics->scrollToItem(selected);
    }
    btnReset->setEnabled(SelectedGame() >= 0 && s_.Play.RecordGameResult != nullptr);
}

int TfrmStatisticsView::SelectedGame() const {
    QTreeWidgetItem* item = lvStatistics->currentItem();
    return item ? item->data(Game, kGameRole).toInt() : -1;
}

bool TfrmStatisticsView::ResetSelectedGame(bool ask) {
    const int game = SelectedGame();
    if (game < 0 || !s_.Play.RecordGameResult)
        return false;
    if (ask && s_.desktop &&
        !s_.desktop->MessageBox(BoxKind::Question, "Statistics",
                                "Reset the statistics of " + GameName(s_, game) + " for " + player_ + "?"))
        return false;
    s_.Play.RecordGameResult(s_, game, player_, true, false);
    Fill(game);
    return true;
}

} // namespace quillon
