#include "model/MoveHistory.h"

#include "model/ParamString.h"

#include <algorithm>
#include <iterator>

namespace quillon {

void HistorySide::Clear() {
    Stock.clear();
    Foundations.clear();
    Tableau.clear();
    Reserves.clear();
    Events.clear();
}

void MoveHistory::RecordStep(const PileLists& piles, bool selectionGame) {
    for (const auto& p : piles.StockPiles)
        Undo.Stock.push_back(p);
    for (size_t i = 0; i < piles.FoundationPiles.size(); ++i)
        Undo.Foundations.push_back(i == 0 && selectionGame ? std::string() : piles.FoundationPiles[i]);
    for (const auto& p : piles.TableauPiles)
        Undo.Tableau.push_back(p);
    for (const auto& p : piles.ReservePiles)
        Undo.Reserves.push_back(p);
    Undo.Events += ",";
    ++Recorded;
}

namespace {

// Start of the last entry of an event log (each entry ends with ",").
size_t LastEntryStart(const std::string& log) {
    if (log.size() < 2)
        return 0;
    size_t comma = log.rfind(',', log.size() - 2);
    return comma == std::string::npos ? 0 : comma + 1;
}

void DropLast(std::vector<std::string>& lines, int count) {
    lines.resize(lines.size() >= static_cast<size_t>(count) ? lines.size() - static_cast<size_t>(count) : 0);
}

} // namespace

void MoveHistory::LogEvent(int code) {
    if (Undo.Events.empty())
        return;
    Undo.Events.erase(LastEntryStart(Undo.Events));
    Undo.Events += FormatFixed(code, 3) + ",";
}

int MoveHistory::CountEvents(int code) const {
    const std::string wanted = FormatFixed(code, 3);
    int count = 0;
    size_t start = 0;
    while (start < Undo.Events.size()) {
        size_t comma = Undo.Events.find(',', start);
        if (comma == std::string::npos)
            break;
        if (Undo.Events.compare(start, comma - start, wanted) == 0)
            ++count;
        start = comma + 1;
    }
    return count;
}

void MoveHistory::MergeSteps(int n) {
    for (int k = 0; k < n && Undo.Steps() >= 2; ++k) {
        DropLast(Undo.Stock, kStockPileCount);
        DropLast(Undo.Foundations, kFoundationCount);
        DropLast(Undo.Tableau, kTableauCount);
        DropLast(Undo.Reserves, kReserveCount);
        // "a,b," becomes "b,": the earlier entry goes, the later code stays.
        std::string& log = Undo.Events;
        size_t last = LastEntryStart(log);
        size_t previous = LastEntryStart(log.substr(0, last));
        log.erase(previous, last - previous);
    }
}

void MoveHistory::Clear() {
    Undo.Clear();
    Redo.Clear();
    Actions.clear();
    Undone.clear();
    ++Generation;
}

namespace {

// Moves the lines of the last `count` steps (of `per` lines each) from one list to the end of
// another, in their order.
void MoveLines(std::vector<std::string>& from, std::vector<std::string>& to, int count, int per) {
    const size_t n = std::min(from.size(), static_cast<size_t>(count) * static_cast<size_t>(per));
    const auto first = from.end() - static_cast<std::ptrdiff_t>(n);
    to.insert(to.end(), std::make_move_iterator(first), std::make_move_iterator(from.end()));
    from.erase(first, from.end());
}

void MoveSteps(HistorySide& from, HistorySide& to, int count) {
    MoveLines(from.Stock, to.Stock, count, kStockPileCount);
    MoveLines(from.Foundations, to.Foundations, count, kFoundationCount);
    MoveLines(from.Tableau, to.Tableau, count, kTableauCount);
    MoveLines(from.Reserves, to.Reserves, count, kReserveCount);
}

} // namespace

int MoveHistory::MoveTailToRedo(int steps) {
    const int count = std::max(0, Undo.Steps() - std::max(0, steps));
    MoveSteps(Undo, Redo, count);
    return count;
}

void MoveHistory::MoveRedoTailBack(int count) {
    MoveSteps(Redo, Undo, std::clamp(count, 0, Redo.Steps()));
}

std::vector<std::string> MoveHistory::StepLines(int k) const {
    std::vector<std::string> lines;
    if (k < 0 || k >= Steps())
        return lines;
    auto add = [&](const std::vector<std::string>& list, int per) {
        for (int i = 0; i < per; ++i)
            lines.push_back(list[static_cast<size_t>(k * per + i)]);
    };
    add(Undo.Stock, kStockPileCount);
    add(Undo.Foundations, kFoundationCount);
    add(Undo.Tableau, kTableauCount);
    add(Undo.Reserves, kReserveCount);
    return lines;
}

std::vector<std::string> MoveHistory::EventEntries() const {
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < Undo.Events.size()) {
        size_t comma = Undo.Events.find(',', start);
        if (comma == std::string::npos)
            break;
        entries.push_back(Undo.Events.substr(start, comma - start));
        start = comma + 1;
    }
    return entries;
}

} // namespace quillon
