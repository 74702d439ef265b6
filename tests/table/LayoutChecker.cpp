#include "table/LayoutChecker.h"

#include "table/PileLayout.h"

#include <algorithm>

namespace quillon::test {

namespace {

struct PileBox {
    std::string name;
    int group = 0; // 0 stock group, 1 foundation, 2 tableau, 3 reserve
    int x = 0, y = 0;
};

bool Overlap(const PileBox& a, const PileBox& b, int cw, int ch) {
    return a.x < b.x + cw && b.x < a.x + cw && a.y < b.y + ch && b.y < a.y + ch;
}

// Piles the game's own codes put on top of each other: stock-type piles laid inside the tableau
// row, and the overlapping rows of the pyramid.
bool StackedOnPurpose(const Session& s, const PileBox& a, const PileBox& b) {
    const LayoutCode stock = ReadLayoutCode(s, layout_attr::StockRow, layout_attr::StockArrangement);
    const LayoutCode tab = ReadLayoutCode(s, layout_attr::TableauRow, layout_attr::TableauArrangement);
    auto groups = [&](int g1, int g2) {
        return (a.group == g1 && b.group == g2) || (a.group == g2 && b.group == g1);
    };
    if (stock.Arrangement == "004" && groups(0, 2))
        return true;
    if (tab.Arrangement == "054" && groups(2, 2))
        return true;
    return false;
}

} // namespace

std::vector<std::string> CheckPilePositions(const Session& s, int width, const LayoutCheckOptions& options) {
    std::vector<std::string> faults;
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    const int nStock = std::clamp(s.Attr(layout_attr::StockCount), 0, 3);
    const int nWaste = s.Attr(layout_attr::SecondWasteCount);
    const int counts[4] = {0, std::clamp(s.Attr(layout_attr::FoundationCount), 0, kFoundationCount),
                           std::clamp(s.Attr(layout_attr::TableauCount), 0, kTableauCount),
                           std::clamp(s.Attr(layout_attr::ReserveCount), 0, kReserveCount)};
    std::vector<PileBox> shown;
    auto visit = [&](const std::string& name, int group, bool has, int x, int y, int hidden, bool checkY) {
        if (!has) {
            if (x != hidden || (checkY && y != hidden))
                faults.push_back(name + " is not in the game but lies at " + std::to_string(x) + "," +
                                 std::to_string(y));
            return;
        }
        if (x < -9999)
            return;
        if (x < 0 || x + cw > width || y < 0)
            faults.push_back(name + " at " + std::to_string(x) + "," + std::to_string(y) +
                             " is outside the table width " + std::to_string(width));
        shown.push_back({name, group, x, y});
    };
    const auto& g = s.Game;
    const char* stockNames[3] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (int i = 0; i < 3; ++i) {
        const bool has = i < 2 ? nStock >= 1 : (nStock >= 3 || nWaste > 0);
        // The waste of a general arrangement takes the stock's y even where it is not shown.
        visit(stockNames[i], 0, has, g.StockX[i], g.StockY[i], kStockHidden, false);
    }
    for (int i = 0; i < kFoundationCount; ++i)
        visit("Dest" + std::to_string(i + 1), 1, i < counts[1], g.FoundationX[i], g.FoundationY[i],
              kFoundationHidden, true);
    for (int i = 0; i < kTableauCount; ++i)
        visit("Fila" + std::to_string(i + 1), 2, i < counts[2], s.TableauX[i], s.TableauY[i], kTableauHidden,
              true);
    for (int i = 0; i < kReserveCount; ++i)
        visit("Appogg" + std::to_string(i + 1), 3, i < counts[3], g.ReserveX[i], g.ReserveY[i],
              kReserveHidden, true);

    auto allowed = [&](const PileBox& a, const PileBox& b) {
        for (const auto& [p, q] : options.allowedOverlaps)
            if ((p == a.name && q == b.name) || (p == b.name && q == a.name))
                return true;
        return StackedOnPurpose(s, a, b);
    };
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j)
            if (Overlap(shown[i], shown[j], cw, ch) && !allowed(shown[i], shown[j]))
                faults.push_back(shown[i].name + " at " + std::to_string(shown[i].x) + "," +
                                 std::to_string(shown[i].y) + " overlaps " + shown[j].name + " at " +
                                 std::to_string(shown[j].x) + "," + std::to_string(shown[j].y));
    return faults;
}

std::vector<std::string> CheckGameLayout(Session& s, const LayoutCheckOptions& options) {
    std::vector<std::string> faults;
    for (auto [w, h] : {std::pair{1024, 768}, std::pair{1280, 1024}}) {
        LayoutForClientArea(s, w, h, 'B');
        for (auto& f : CheckPilePositions(s, w, options))
            faults.push_back(std::to_string(w) + "x" + std::to_string(h) + ": " + f);
    }
    return faults;
}

} // namespace quillon::test
