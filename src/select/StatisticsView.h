#pragma once
// The statistics view: a player's results per game played (played, won, lost and the percentage
// from "Stat_uni.dat"; the best time, the best score, the current and the longest winning streak
// and the last time played from the game log "Stat_log.dat"), with totals per family and overall,
// sortable columns and a per-game reset. The open-game dialog's Statistics button opens it for the
// player of its player box, with the game selected in its tree selected here too.

#include "select/GameLog.h"
#include "support/widgets/C_AdvancedForm.h"

#include <map>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillon {

class Session;

// One played game of a player.
struct GameStatisticsRow {
    int game = 0;
    std::string name;
    int family = -1;
    int won = 0;
    int lost = 0;
    int bestSeconds = -1; // the quickest won game; -1 when no won game is logged
    bool hasScore = false;
    int bestScore = 0;
    int currentStreak = 0; // wins in a row at the end of the log
    int longestStreak = 0;
    std::string lastPlayed; // "YYYY-MM-DD HH:MM:SS", "" when the log has no line of the game
    int Played() const { return won + lost; }
};

// The games of the game list that the player has won or lost at least once (counters of
// "Stat_uni.dat"), in game-list order, with the log's figures of that player's lines of each game
// (in log order). Counters that cannot be read count as not played.
std::vector<GameStatisticsRow> PlayerStatisticsRows(const Session& s, const std::string& player,
                                                    const std::vector<GameLogEntry>& log);

struct StatisticsTotals {
    int won = 0;
    int lost = 0;
    int Played() const { return won + lost; }
};
// Totals by family code, and of every row.
std::map<int, StatisticsTotals> FamilyTotals(const std::vector<GameStatisticsRow>& rows);
StatisticsTotals OverallTotals(const std::vector<GameStatisticsRow>& rows);

// "h:mm:ss"; "" for a negative time.
std::string FormatPlayTime(int seconds);

class TfrmStatisticsView : public C_TAdvancedForm {
public:
    explicit TfrmStatisticsView(Session& s, QWidget* parent = nullptr);
    // Fills the view for a player, with `game` selected when it is listed.
    void Show(const std::string& player, int game);
    // Sets the selected game's counters to zero through the recording of results with reset on,
    // after the question when `ask`; true when done.
    bool ResetSelectedGame(bool ask = true);
    // The game of the selected line, or -1.
    int SelectedGame() const;

    QLabel* lblPlayer = nullptr;
    QTreeWidget* lvStatistics = nullptr;
    QLabel* lblTotals = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnClose = nullptr;

    // Column numbers of the list.
    enum Column {
        Game,
        Played,
        Won,
        Lost,
        Percent,
        BestTime,
        BestScore,
        Streak,
        LongestStreak,
        LastPlayed,
        Columns
    };

private:
    void Fill(int select);
    Session& s_;
    std::string player_;
};

} // namespace quillon
