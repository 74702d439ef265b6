#pragma once
// The statistics view: a player's results per game (played, won, lost, percentage from
// "Stat_uni.dat"), with totals per family and overall, sortable columns and a per-game reset.

#include "support/widgets/C_AdvancedForm.h"

#include <string>
#include <vector>

class QTreeWidget;
class QPushButton;
class QLabel;

namespace quillon {

class Session;

// One game's line of the view.
struct GameStatisticsRow {
    int game = 0;
    std::string name;
    int family = -1;
    int won = 0;
    int lost = 0;
    int Played() const { return won + lost; }
};

// The played games of a player (won or lost at least once), in game-list order; games whose
// counters cannot be read count as not played.
std::vector<GameStatisticsRow> PlayerStatisticsRows(const Session& s, const std::string& player);

class TfrmStatisticsView : public C_TAdvancedForm {
public:
    TfrmStatisticsView(Session& s, QWidget* parent = nullptr);
    // Fills the view for a player, with `game` selected when it is listed.
    void Show(const std::string& player, int game);
    // Sets the selected game's counters to zero, after the question (true when done).
    bool ResetSelectedGame(bool ask = true);

    QTreeWidget* lvStatistics = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* lblPlayer = nullptr;

private:
    void Fill();
    Session& s_;
    std::string player_;
};

} // namespace quillon
