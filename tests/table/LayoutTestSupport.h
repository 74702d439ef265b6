#pragma once
// Helpers of the layout tests: the pile shape of a hand-made game (counts, layout codes, fan modes)
// written into a session's attributes, and a layout of it for a given window.

#include "model/Session.h"
#include "table/PileLayout.h"

namespace quillon::test {

// A layout code as its two attributes hold it: row 1 and arrangement 5 is "1005".
struct Code {
    int row = 0;
    int arrangement = 0;
};

struct GameShape {
    int stockPiles = 0, foundations = 0, tableau = 0, reserves = 0, secondWaste = 0;
    int hasStock = 0, stockToWaste = 0;
    Code stock, foundation, tab, reserve, waste;
    int tableauFan = 0, foundationFan = 0, reserveFan = 0;
};

inline void ApplyShape(Session& s, const GameShape& g) {
    using namespace layout_attr;
    auto set = [&](int n, int v) { s.GameAttr[static_cast<size_t>(n)] = static_cast<std::int16_t>(v); };
    set(StockCount, g.stockPiles);
    set(FoundationCount, g.foundations);
    set(TableauCount, g.tableau);
    set(ReserveCount, g.reserves);
    set(SecondWasteCount, g.secondWaste);
    set(HasStock, g.hasStock);
    set(StockToWaste, g.stockToWaste);
    set(StockRow, g.stock.row);
    set(StockArrangement, g.stock.arrangement);
    set(FoundationRow, g.foundation.row);
    set(FoundationArrangement, g.foundation.arrangement);
    set(TableauRow, g.tab.row);
    set(TableauArrangement, g.tab.arrangement);
    set(ReserveRow, g.reserve.row);
    set(ReserveArrangement, g.reserve.arrangement);
    set(SecondWasteRow, g.waste.row);
    set(SecondWasteArrangement, g.waste.arrangement);
    set(TableauFan, g.tableauFan);
    set(FoundationFan, g.foundationFan);
    set(ReserveFan, g.reserveFan);
}

inline void SetAttr(Session& s, int n, int v) {
    s.GameAttr[static_cast<size_t>(n)] = static_cast<std::int16_t>(v);
}

// Standard cards (71 x 96, shadows on), positions reset, fan steps for size "B", then the layout
// of a window whose client area is width x height below a toolbar band ending at `top`.
inline void LayOut(Session& s, int width = 1024, int height = 768, ScreenSize screen = {1024, 768},
                   int top = 0, int scrollPos = 0) {
    s.Params.WriteParam(128, 1, "B");
    s.Metrics = CardMetrics{71, 96, 9};
    s.ResetPilePositions();
    ComputeFanSteps(s);
    LayoutPiles(s, top, height - 1, width, height, screen, scrollPos);
}

} // namespace quillon::test
