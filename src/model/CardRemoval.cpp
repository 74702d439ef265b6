#include "model/CardRemoval.h"

namespace quillon {

TakenCard TakeCardFromPiles(PileLists& p, int card, bool leaveSlot) {
    TakenCard out;
    auto take = [&](std::string& pile, int kind, const char* prefix, int number, bool slot) {
        const int k = PileFind(pile, card);
        if (k < 0)
            return false;
        if (slot)
            pile.replace(static_cast<size_t>(3 * k), 3, "000");
        else
            pile.erase(static_cast<size_t>(3 * k), 3);
        out.kind = kind;
        out.pile = number > 0 ? prefix + std::to_string(number) : prefix;
        return true;
    };
    if (take(p.StockPiles[1], 2, "Mazzo_Vis", 0, false))
        return out;
    for (int i = 0; i < kTableauCount; ++i)
        if (take(p.TableauPiles[static_cast<size_t>(i)], 4, "Fila", i + 1, leaveSlot))
            return out;
    for (int i = 0; i < kFoundationCount; ++i)
        if (take(p.FoundationPiles[static_cast<size_t>(i)], 5, "Dest", i + 1, false))
            return out;
    if (take(p.StockPiles[0], 1, "Mazzo", 0, false))
        return out;
    if (take(p.StockPiles[2], 3, "Mazzo_Waste", 0, false))
        return out;
    for (int i = 0; i < kReserveCount; ++i)
        if (take(p.ReservePiles[static_cast<size_t>(i)], 6, "Appogg", i + 1, false))
            return out;
    return out;
}

} // namespace quillon
