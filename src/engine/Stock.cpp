#include "engine/Stock.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/TableView.h"

#include <algorithm>

namespace quillon {

namespace {

std::string& Stock(Session& s) {
    return s.Piles.StockPiles[0];
}
std::string& Waste(Session& s) {
    return s.Piles.StockPiles[1];
}
std::string& Tableau(Session& s, int i) {
    return s.Piles.TableauPiles.at(static_cast<size_t>(i));
}
std::string& Reserve(Session& s, int j) {
    return s.Piles.ReservePiles.at(static_cast<size_t>(j));
}

int Family(const Session& s) {
    return s.Attr(attr::Family);
}

void Sound(Session& s, const char* name, int switchPosition) {
    View(s).PlaySound(name, s.Params.Flag(switchPosition));
}

// The deal mode of the first or of the last tableau pile equals `mode`.
bool TableauDealMode(const Session& s, int mode) {
    const int n = TableauInPlay(s);
    return s.Attr(attr::TableauDealMode) == mode || (n > 0 && s.Attr(attr::TableauDealMode + n - 1) == mode);
}
bool ReserveDealMode(const Session& s, int mode) {
    const int n = ReservesInPlay(s);
    return s.Attr(attr::ReserveDealMode) == mode || (n > 0 && s.Attr(attr::ReserveDealMode + n - 1) == mode);
}

bool RedealLeft(const Session& s) {
    const int passes = s.Attr(attr::Passes);
    return passes == -1 || s.Game.RedealCount < passes;
}

std::string TwoDigits(int n) {
    return FormatFixed(n, 2);
}

// The number of up to two digits at `at` in a target; 0 when there is none.
int TargetDigits(const std::string& target, size_t at) {
    int value = 0;
    for (size_t k = at; k < target.size() && k < at + 2 && target[k] >= '0' && target[k] <= '9'; ++k)
        value = value * 10 + (target[k] - '0');
    return value;
}

// Takes the top card off a pile; 0 when it is empty.
int TakeTop(std::string& pile) {
    const int card = PileTop(pile);
    if (PileSize(pile) > 0)
        pile.resize(pile.size() - 3);
    return card;
}

// Drops the history step just recorded, with its event entry: the operation it was recorded
// for is refused.
void DropLastStep(Session& s) {
    HistorySide& h = s.History.Undo;
    if (h.Steps() < 1)
        return;
    h.Stock.resize(h.Stock.size() - kStockPileCount);
    h.Foundations.resize(h.Foundations.size() - kFoundationCount);
    h.Tableau.resize(h.Tableau.size() - kTableauCount);
    h.Reserves.resize(h.Reserves.size() - kReserveCount);
    std::string& log = h.Events;
    if (!log.empty()) {
        log.pop_back(); // the last entry's comma
        const size_t comma = log.rfind(',');
        log.erase(comma == std::string::npos ? 0 : comma + 1);
    }
}

bool AnyTableauEmpty(Session& s) {
    for (int i = 0; i < TableauInPlay(s); ++i)
        if (Tableau(s, i).empty())
            return true;
    return false;
}

// Runs several stock operations as one history step: every step after the first one recorded
// is merged into it.
class MergedSteps {
public:
    explicit MergedSteps(Session& s) : s_(s), start_(s.History.Steps()) {}
    bool Run(int card, const std::string& target) {
        const int before = s_.History.Steps();
        const bool moved = ExecuteMove(s_, card, target);
        const int added = s_.History.Steps() - before;
        if (added > 0 && before > start_)
            MergeSteps(s_, added);
        else if (added > 1)
            MergeSteps(s_, added - 1);
        return moved;
    }
    bool Any() const { return s_.History.Steps() > start_; }

private:
    Session& s_;
    int start_;
};

// Deal mode 9: every tableau pile is made up to three cards from the stock, turning the waste
// over when the stock runs out; then the next card goes to the waste.
void FillTableauToThree(Session& s) {
    MergedSteps merged(s);
    bool turnedOver = false;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        for (int k = 0; k < 3 && PileSize(Tableau(s, i)) < 3; ++k) {
            if (Stock(s).empty() && !Waste(s).empty() && RedealLeft(s)) {
                const int pressed = s.Game.StockPressed;
                s.Game.StockPressed = 1;
                merged.Run(0, "Mazzo_Vis");
                s.Game.StockPressed = static_cast<std::int16_t>(pressed);
                turnedOver = true;
            }
            if (Stock(s).empty())
                break;
            merged.Run(0, "Add_Tableau_" + TwoDigits(i + 1));
        }
    }
    if (!turnedOver)
        merged.Run(0, "Mazzo_Vis");
}

void StockClickRules(Session& s) {
    const int family = Family(s);
    if (s.Attr(attr::StockToWaste) == 1) {
        if (s.Attr(attr::TableauDealMode) == 9) {
            FillTableauToThree(s);
        } else if (TableauDealMode(s, 15)) {
            if (CountEvents(s, kEventStockDeal) >= 3) {
                ExecuteMove(s, 0, "Mazzo_Vis");
            } else {
                ExecuteMove(s, 0, "Add_Tableaus");
                LogEvent(s, kEventStockDeal);
            }
        } else if (s.Attr(attr::DealWhenWasteEmpty) == 0 || Waste(s).empty()) {
            ExecuteMove(s, 0, "Mazzo_Vis");
        }
        return;
    }
    (void)family;
    const int redealMode = s.Attr(attr::RedealMode);
    const int reserveMode = s.Attr(attr::ReserveDealMode);
    if ((redealMode >= 1 && Stock(s).empty()) || redealMode == 6) {
        ExecuteMove(s, 0, "Mazzo_Redeal");
    } else if (TableauDealMode(s, 1)) {
        MergedSteps merged(s);
        merged.Run(0, "Add_Tableaus");
        if (reserveMode == 5)
            merged.Run(0, "Add_Reserves");
    } else if (TableauDealMode(s, 2)) {
        if (AnyTableauEmpty(s))
            View(s).MessageBox(BoxKind::Information, "Quillon 2003", kFillGapsFirst);
        else
            ExecuteMove(s, 0, "Add_Tableaus");
    } else if (TableauDealMode(s, 7)) {
        // One card to every pile that holds cards.
        ExecuteMove(s, 0, "Add_Tableaus");
    } else if (ReserveDealMode(s, 1)) {
        ExecuteMove(s, 0, "Add_Reserves");
    } else if (reserveMode == 3) {
        if (PileSize(Stock(s)) == 8) {
            ExecuteMove(s, 0, "Add_Tableaus_Last");
        } else {
            MergedSteps merged(s);
            merged.Run(0, "Add_Reserves");
            merged.Run(0, "Add_Reserves");
        }
    } else if (reserveMode == 4) {
        if (!Stock(s).empty()) {
            const int counter = ++s.StateValues[DealCounter];
            const std::string target = counter % 2 == 1 ? "Add_Reserve_1" : "Add_Reserve_2";
            MergedSteps merged(s);
            for (int k = 0; k < 3 && !Stock(s).empty(); ++k)
                merged.Run(0, target);
            LogEvent(s, kEventStockDeal);
        }
    } else if (s.Attr(attr::TableauDealMode) == 8 || s.Attr(attr::SecondDealMode8) == 8) {
        MergedSteps merged(s);
        for (int i = 0; i < TableauInPlay(s); ++i) {
            if (s.Attr(attr::TableauDealMode + i) != 8)
                continue;
            for (int k = 0; k < 4 && !Stock(s).empty(); ++k)
                merged.Run(0, "Add_Tableau_" + TwoDigits(i + 1));
        }
    } else if (TableauDealMode(s, 10)) {
        if (!Stock(s).empty()) {
            const int k = ++s.StateValues[DealCounter];
            MergedSteps merged(s);
            for (int p = 8 * (k - 1) + 1; p <= 8 * k && p <= kTableauCount && !Stock(s).empty(); ++p)
                merged.Run(0, "Add_Tableau_" + TwoDigits(p));
            LogEvent(s, kEventStockDeal);
        }
    } else if (TableauDealMode(s, 11)) {
        if (!Stock(s).empty()) {
            ++s.StateValues[DealCounter];
            MergedSteps merged(s);
            for (int p = 1; p <= TableauInPlay(s) && !Stock(s).empty(); ++p)
                merged.Run(0, "Add_Tableau_" + TwoDigits(p));
            LogEvent(s, kEventStockDeal);
        }
    } else if (TableauDealMode(s, 13)) {
        MergedSteps merged(s);
        if (!Tableau(s, 0).empty()) {
            if (Tableau(s, 2).empty())
                merged.Run(0, "Add_Tableau_03");
        } else {
            merged.Run(0, "Add_Tableau_01");
            merged.Run(0, "Add_Tableau_02");
        }
        const std::string hand = Tableau(s, 0) + Tableau(s, 1) + Tableau(s, 2);
        View(s).DrawPartialScore(HandValue(hand, 3));
    } else if (TableauDealMode(s, 14)) {
        const int left = PileSize(Stock(s));
        if (left <= TableauInPlay(s)) {
            MergedSteps merged(s);
            for (int p = 1; p <= left - 4; ++p)
                merged.Run(0, "Add_Tableau_" + TwoDigits(p));
            for (int r = 1; r <= 4 && !Stock(s).empty(); ++r)
                merged.Run(0, "Add_Reserve_" + std::to_string(r));
        } else {
            ExecuteMove(s, 0, "Add_Tableaus");
        }
    } else if (s.Attr(attr::DealToSecondWaste) != 0) {
        ExecuteMove(s, 0, "Mazzo_Waste");
    }
}

// The stock shows its new top card after one was taken off.
void ShowStockTop(Session& s) {
    TableView& view = View(s);
    if (Stock(s).empty())
        view.DrawEmptyStockMarker();
    else
        view.RedrawPile("Mazzo", Surface::Both);
}

// Deals up to attribute 24 cards from the stock to the waste (or the second waste).
void DealToWaste(Session& s, bool secondWaste) {
    TableView& view = View(s);
    const char* name = secondWaste ? "Mazzo_Waste" : "Mazzo_Vis";
    std::string& dest = s.Piles.StockPiles[secondWaste ? 2 : 1];
    const int perClick = std::max(1, s.Attr(attr::CardsPerClick));
    for (int k = 0; k < perClick && !Stock(s).empty(); ++k) {
        const int sx = CardPlaceX(s, "Mazzo", 0, false), sy = CardPlaceY(s, "Mazzo", 0, false);
        const int card = TakeTop(Stock(s));
        ShowStockTop(s);
        const int tx = CardPlaceX(s, name, 0, true), ty = CardPlaceY(s, name, 0, true);
        dest += CardText(card);
        s.Cards.SetCardFace(card, '1');
        if (ParamNotN(s, param::CardsAnimate)) {
            const int lift = s.Metrics.ShadowSize;
            view.DrawCard(card, sx - lift, sy - lift, Surface::Window, -1);
            view.PauseBusy(10);
            FlyCard(s, card, sx - lift, sy - lift, tx, ty, true, false, false, true);
        } else {
            view.DrawCard(card, tx, ty, Surface::Both, -1);
        }
        Sound(s, "Stock", param::SoundStock);
        s.SetFlag(GameWon, WonTest(s));
    }
}

// The waste turned over onto the stock: its top card becomes the stock's bottom card.
void TurnOver(Session& s) {
    TableView& view = View(s);
    ++s.Game.RedealCount;
    RecordStep(s);
    Stock(s).clear();
    const bool faceDown = s.Attr(attr::StockFaceDown) == 1;
    const bool animate = ParamNotN(s, param::RedealAnimation);
    const int wx = CardPlaceX(s, "Mazzo_Vis", 0, false), wy = CardPlaceY(s, "Mazzo_Vis", 0, false);
    const int sx = CardPlaceX(s, "Mazzo", 0, true), sy = CardPlaceY(s, "Mazzo", 0, true);
    s.Game.MultiCardFill = 1;
    if (animate)
        view.PlaySound("Redeal", s.Params.Flag(param::SoundRedeal));
    while (!Waste(s).empty()) {
        const int card = TakeTop(Waste(s));
        Stock(s) += CardText(card);
        s.Cards.SetCardFace(card, faceDown ? '0' : '1');
        if (animate)
            FlyCard(s, faceDown ? -1 : card, wx, wy, sx, sy, true, false, true, true);
        if ((Family(s) == 4 || Family(s) == 67) && s.Play.DropFromSelection)
            s.Play.DropFromSelection(s, card);
    }
    s.Game.MultiCardFill = 0;
    view.RedrawPile("Mazzo", Surface::Both);
    view.RedrawPile("Mazzo_Vis", Surface::Both);
    if (animate) {
        view.DrawEmptyWasteMarker();
        view.PauseBusy(100);
    } else {
        Sound(s, "Red_no_a", param::SoundRedealWithoutAnimation);
    }
}

bool MazzoTarget(Session& s, const std::string& target) {
    const int redealMode = s.Attr(attr::RedealMode);
    bool done = false;
    bool shuffled = false;
    bool recorded = false;
    if (redealMode >= 1 && RedealLeft(s) && (Stock(s).empty() || redealMode == 6)) {
        if (s.Game.StockPressed == 1) {
            RecordStep(s);
            ++s.Game.RedealCount;
            ShuffledRedeal(s);
            done = true;
        } else {
            PressStockMarker(s);
        }
        shuffled = true;
    } else if (target == "Mazzo_Vis" && Stock(s).empty() && PileSize(Waste(s)) >= 2 && RedealLeft(s)) {
        if (s.Game.StockPressed == 1) {
            TurnOver(s);
            done = true;
            recorded = true;
        } else {
            PressStockMarker(s);
        }
    }
    if (!Stock(s).empty() && !shuffled) {
        if (!recorded)
            RecordStep(s);
        if (TableauDealMode(s, 12))
            ExecuteMove(s, 0, "Add_Tableaus");
        DealToWaste(s, target == "Mazzo_Waste");
        done = true;
        if (Family(s) == 28) {
            ++s.StateValues[DealCounter];
            LogEvent(s, kEventStockDeal);
        }
    }
    if (done && s.Game.GameStarted < 1)
        s.Game.GameStarted = 1;
    return done;
}

// One card from the stock to a tableau pile or a reserve.
void DealOne(Session& s, const std::string& pileName, std::string& pile, bool faceDown, int tableauIndex) {
    TableView& view = View(s);
    const int sx = CardPlaceX(s, "Mazzo", 0, false), sy = CardPlaceY(s, "Mazzo", 0, false);
    const int card = TakeTop(Stock(s));
    ShowStockTop(s);
    if (s.Attr(attr::TableauFan) == 8)
        Tableau(s, 0) += "000";
    const int tx = CardPlaceX(s, pileName, 0, true), ty = CardPlaceY(s, pileName, 0, true);
    pile += CardText(card);
    s.Cards.SetCardFace(card, faceDown ? '0' : '1');
    FlyCard(s, faceDown ? -1 : card, sx, sy, tx, ty, true, false, true, true);
    view.RedrawPile(pileName, Surface::Both);
    Sound(s, "Shuffle", param::SoundShuffle);
    if (tableauIndex >= 0)
        RemoveCompleteRun(s, tableauIndex);
}

bool DealTarget(Session& s, const std::string& target) {
    if (Stock(s).empty())
        return false;
    const bool fill = target == "Fill_Tableaus";
    if (!fill)
        RecordStep(s);
    const bool reserves = target.starts_with("Add_Reserve");
    int first = 0, last = -1;
    if (reserves) {
        if (target == "Add_Reserves") {
            last = ReservesInPlay(s) - 1;
        } else {
            const int n = TargetDigits(target, 12); // "Add_Reserve_" + n
            first = last = n - 1;
        }
    } else if (target == "Add_Tableaus" || fill || target == "Add_Tableaus_Last") {
        last = TableauInPlay(s) - 1;
    } else if (target.starts_with("Add_Tableau_")) {
        const int n = TargetDigits(target, 12); // "Add_Tableau_" + nn
        first = last = n - 1;
    } else {
        if (!fill)
            DropLastStep(s);
        return false;
    }
    // A pile number outside the game's piles deals nothing.
    const int limit = reserves ? kReserveCount : kTableauCount;
    first = std::max(first, 0);
    last = std::min(last, limit - 1);

    if (reserves) {
        if (ReserveDealMode(s, 5) && !RedealLeft(s) && s.Attr(attr::Passes) != -1) {
            if (!fill)
                DropLastStep(s);
            return false;
        }
        if (s.Attr(attr::RedealMode) == 18) {
            bool reserveHolds = false;
            for (int j = 0; j < 3; ++j)
                reserveHolds = reserveHolds || !Reserve(s, j).empty();
            if (AnyTableauEmpty(s) && reserveHolds) {
                View(s).MessageBox(BoxKind::Information, "Quillon 2003", kFillGapsFirst);
                DropLastStep(s);
                return false;
            }
            const int count = s.Game.RedealCount;
            first = 0;
            last = count == 1 ? 2 : count == 2 ? 1 : count == 3 ? 0 : -1;
        }
    }

    // A deal that passes over empty piles would find no pile at all once the whole tableau is
    // empty, and the stock would stick with cards in it: then the first pile of the deal takes one.
    bool tableauEmpty = !reserves && !fill;
    for (int i = 0; tableauEmpty && i < TableauInPlay(s); ++i)
        tableauEmpty = Tableau(s, i).empty();

    bool moved = false;
    s.Game.MultiCardFill = 1;
    for (int k = first; k <= last && !Stock(s).empty(); ++k) {
        int mode;
        if (reserves)
            mode = s.Attr(attr::ReserveDealMode + k);
        else if (target == "Add_Tableaus_Last")
            mode = 1;
        else if (fill)
            mode = Tableau(s, k).empty() ? 1 : 0;
        else
            mode = s.Attr(attr::TableauDealMode + k);
        if (mode < 1 || mode > 15)
            continue;
        if (!reserves && mode == 7 && Tableau(s, k).empty() && !(tableauEmpty && !moved))
            continue;
        const bool faceDown = (reserves && mode == 5) || (!reserves && target == "Add_Tableaus" && mode == 6);
        if (reserves)
            DealOne(s, PileName("Appogg", k + 1), Reserve(s, k), faceDown, -1);
        else
            DealOne(s, PileName("Fila", k + 1), Tableau(s, k), faceDown, k);
        moved = true;
    }
    s.Game.MultiCardFill = 0;
    // A deal that found no pile to take a card leaves no history step behind.
    if (!moved && !fill)
        DropLastStep(s);
    s.SetFlag(GameWon, WonTest(s));
    if (moved && s.Game.GameStarted < 1)
        s.Game.GameStarted = 1;
    return moved;
}

// --- Shuffled redeals ---

// Gathered cards, in gathering order, taken off their piles.
struct Gathered {
    std::vector<int> cards;
    void Take(Session& s, std::string& pile, int card) {
        const int k = PileFind(pile, card);
        if (k < 0)
            return;
        pile.erase(static_cast<size_t>(3 * k), 3);
        cards.push_back(card);
        (void)s;
    }
};

void FlyToStock(Session& s, const std::vector<int>& cards) {
    TableView& view = View(s);
    const int sx = CardPlaceX(s, "Mazzo", 0, false), sy = CardPlaceY(s, "Mazzo", 0, false);
    for (int c : cards) {
        view.LiftCard(c);
        FlyCard(s, s.Cards.CardIsHidden(c) ? -1 : c, sx, sy, sx, sy, true, false, true, true);
        Sound(s, "Shuffle", param::SoundShuffle);
    }
}

// Every tableau pile's cards, pile by pile from the first, each from its top down.
std::vector<int> GatherTableauFirstToLast(Session& s) {
    std::vector<int> out;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        std::string& pile = Tableau(s, i);
        for (int k = PileSize(pile) - 1; k >= 0; --k) {
            const int c = PileCard(pile, k);
            if (c > 0)
                out.push_back(c);
        }
        pile.clear();
    }
    return out;
}

// Every tableau pile's cards, from the last pile to the first, each from its top down.
std::vector<int> GatherTableauLastToFirst(Session& s) {
    std::vector<int> out;
    for (int i = TableauInPlay(s) - 1; i >= 0; --i) {
        std::string& pile = Tableau(s, i);
        for (int k = PileSize(pile) - 1; k >= 0; --k) {
            const int c = PileCard(pile, k);
            if (c > 0)
                out.push_back(c);
        }
        pile.clear();
    }
    return out;
}

// The top cards pass after pass, from the last pile to the first, until the tableau is empty.
std::vector<int> GatherTopsInPasses(Session& s) {
    std::vector<int> out;
    bool any = true;
    while (any) {
        any = false;
        for (int i = TableauInPlay(s) - 1; i >= 0; --i) {
            std::string& pile = Tableau(s, i);
            if (pile.empty())
                continue;
            const int c = TakeTop(pile);
            if (c > 0)
                out.push_back(c);
            any = true;
        }
    }
    return out;
}

void PutOnStock(Session& s, const std::vector<int>& cards, char face) {
    for (int c : cards) {
        Stock(s) += CardText(c);
        s.Cards.SetCardFace(c, face);
    }
}

int ShapeOf(const Session& s, int i) {
    const int own = s.Attr(attr::RedealShape + i);
    return own != 0 ? own : s.Attr(attr::RedealShape);
}

// Deals the shuffled cards back to the tableau. Cards that find no place stay on the stock
// face down, so none leaves the game.
void DealBack(Session& s, const std::vector<int>& cards, int mode) {
    TableView& view = View(s);
    const int n = TableauInPlay(s);
    const bool fan8 = s.Attr(attr::TableauFan) == 8;
    const char face = s.Attr(attr::RedealShape) == s.Attr(attr::RedealFaces) ? '1' : '0';
    const int sx = CardPlaceX(s, "Mazzo", 0, false), sy = CardPlaceY(s, "Mazzo", 0, false);
    if (fan8 && n > 0)
        Tableau(s, 0).clear();
    size_t next = 0;
    auto dealTo = [&](int i) {
        const int c = cards[next++];
        std::string& pile = Tableau(s, i);
        const std::string name = PileName("Fila", i + 1);
        const int tx = CardPlaceX(s, name, 0, true), ty = CardPlaceY(s, name, 0, true);
        pile += CardText(c);
        s.Cards.SetCardFace(c, face);
        if (fan8 && i == 0)
            pile += "000";
        FlyCard(s, face == '1' ? c : -1, sx, sy, tx, ty, true, false, true, true);
        Sound(s, "Shuffle", param::SoundShuffle);
    };
    if (n > 0) {
        if (mode == 1 || mode == 6 || mode == 12) {
            for (int i = 0; i < n && next < cards.size(); ++i)
                for (int k = 0; k < ShapeOf(s, i) && next < cards.size(); ++k)
                    dealTo(i);
            if (mode != 6)
                for (int i = 0; next < cards.size(); i = (i + 1) % n)
                    dealTo(i);
        } else {
            for (int i = 0; next < cards.size(); i = (i + 1) % n)
                dealTo(i);
        }
    }
    std::vector<int> rest(cards.begin() + static_cast<std::ptrdiff_t>(next), cards.end());
    PutOnStock(s, rest, '0');
    if (face == '0' && s.Attr(attr::RedealFaces) == 1)
        for (int i = 0; i < n; ++i) {
            const int top = PileTop(Tableau(s, i));
            if (top > 0)
                s.Cards.SetCardFace(top, '1');
        }
    for (int i = 0; i < n; ++i)
        view.RedrawPile(PileName("Fila", i + 1), Surface::Both);
    view.RedrawPile("Mazzo", Surface::Both);
}

void RedealRotateBottom(Session& s) {
    for (int i = 0; i < TableauInPlay(s); ++i) {
        std::string& pile = Tableau(s, i);
        if (PileSize(pile) < 2)
            continue;
        const int bottom = PileCard(pile, 0);
        pile.erase(0, 3);
        pile += CardText(bottom);
        s.Cards.SetCardFace(bottom, '1');
        Sound(s, "Shuffle", param::SoundShuffle);
        View(s).RedrawPile(PileName("Fila", i + 1), Surface::Both);
    }
}

void RedealSpreadPile(Session& s) {
    TableView& view = View(s);
    const int n = TableauInPlay(s);
    int i = s.Game.RedealCount - 2;
    while (i >= 0 && i < n && Tableau(s, i).empty()) {
        ++i;
        ++s.Game.RedealCount;
    }
    if (i < 0 || i >= n) {
        ++s.Game.RedealCount;
        return;
    }
    std::string& pile = Tableau(s, i);
    const std::string name = PileName("Fila", i + 1);
    std::vector<int> others;
    for (int k = 0; k + 1 < PileSize(pile); ++k)
        others.push_back(PileCard(pile, k));
    pile.erase(0, pile.size() - 3);
    int to = 0;
    for (int c : others) {
        const std::string dest = PileName("Fila", to + 1);
        const int fx = CardPlaceX(s, name, 0, false), fy = CardPlaceY(s, name, 0, false) - 15;
        view.PauseBusy(10);
        FlyCard(s, c, fx, fy, CardPlaceX(s, dest, 0, true), CardPlaceY(s, dest, 0, true), true, false, true,
                true);
        Tableau(s, to) += CardText(c);
        view.PauseBusy(50);
        to = (to + 1) % n;
    }
    for (int k = 0; k < n; ++k)
        view.RedrawPile(PileName("Fila", k + 1), Surface::Both);
}

void RedealSweep(Session& s) {
    TableView& view = View(s);
    const int n = std::min(TableauInPlay(s), 8);
    auto occupied = [&] {
        int count = 0;
        for (int i = 0; i < TableauInPlay(s); ++i)
            count += Tableau(s, i).empty() ? 0 : 1;
        return count;
    };
    const int holding = occupied();
    if (holding == 0)
        return;
    if (holding == 1) {
        view.MessageBox(BoxKind::Information, "Quillon 2003", kOnlyOnePileLeft);
        DropLastStep(s);
        return;
    }
    const int counter = ++s.StateValues[DealCounter];
    LogEvent(s, kEventStockDeal);
    bool moved = false;
    auto move = [&](int from, int to) {
        if (occupied() < 2)
            return false;
        if (Tableau(s, from).empty() || Tableau(s, to).empty())
            return true;
        const int c = TakeTop(Tableau(s, from));
        Tableau(s, to) += CardText(c);
        view.RedrawPile(PileName("Fila", from + 1), Surface::Both);
        view.RedrawPile(PileName("Fila", to + 1), Surface::Both);
        moved = true;
        return true;
    };
    if (counter % 2 == 1) {
        for (int i = 0; i + 1 < n; ++i)
            if (!move(i, i + 1))
                break;
    } else {
        for (int i = n - 1; i >= 1; --i)
            if (!move(i, i - 1))
                break;
    }
    if (!moved)
        view.MessageBox(BoxKind::Information, "Quillon 2003", kNoCardsToMove);
}

void RedealWasteToReserves(Session& s) {
    for (int j = 0; j < 8 && j < kReserveCount && !Waste(s).empty(); ++j) {
        const int c = TakeTop(Waste(s));
        Reserve(s, j) += CardText(c);
        s.Cards.SetCardFace(c, '1');
        View(s).RedrawPile(PileName("Appogg", j + 1), Surface::Both);
    }
    View(s).RedrawPile("Mazzo_Vis", Surface::Both);
}

// Mode 8: the leading run of every row stays, followed by a gap; the rest is shuffled and dealt
// back after the gaps, each row to its former length.
void RedealRows(Session& s) {
    const int n = TableauInPlay(s);
    std::vector<int> lengths(static_cast<size_t>(n));
    std::vector<int> gathered;
    for (int i = 0; i < n; ++i) {
        std::string& pile = Tableau(s, i);
        lengths[static_cast<size_t>(i)] = PileSize(pile);
        int keep = 0;
        int first = PileCard(pile, 0);
        if (first > 0 && CardRank(first) == 2) {
            keep = 1;
            while (keep < PileSize(pile)) {
                const int c = PileCard(pile, keep);
                if (c <= 0 || CardSuit(c) != CardSuit(first) || CardRank(c) != CardRank(first) + keep)
                    break;
                ++keep;
            }
        }
        for (int k = keep; k < PileSize(pile); ++k) {
            const int c = PileCard(pile, k);
            if (c > 0) {
                gathered.push_back(c);
                s.Cards.SetCardFace(c, '1');
            }
        }
        pile.erase(static_cast<size_t>(3 * keep));
        pile += "000";
    }
    FlyToStock(s, gathered);
    const std::vector<int> shuffled = ShuffleGathered(gathered);
    size_t next = 0;
    for (int i = 0; i < n; ++i)
        while (PileSize(Tableau(s, i)) < lengths[static_cast<size_t>(i)] && next < shuffled.size()) {
            Tableau(s, i) += CardText(shuffled[next]);
            s.Cards.SetCardFace(shuffled[next], '1');
            ++next;
        }
    for (int i = 0; n > 0 && next < shuffled.size(); i = (i + 1) % n) {
        Tableau(s, i) += CardText(shuffled[next]);
        s.Cards.SetCardFace(shuffled[next++], '1');
    }
    for (int i = 0; i < n; ++i)
        View(s).RedrawPile(PileName("Fila", i + 1), Surface::Both);
}

// Mode 9: the first card of most piles is gathered and shuffled onto the waste; the piles with a
// redeal shape take one card each from the waste.
void RedealFirstCards(Session& s) {
    static constexpr int kept[] = {1, 7, 8, 14, 15, 21, 22, 28};
    std::vector<int> gathered;
    std::vector<int> piles;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        if (std::find(std::begin(kept), std::end(kept), i + 1) != std::end(kept))
            continue;
        std::string& pile = Tableau(s, i);
        const int c = PileCard(pile, 0);
        if (c <= 0)
            continue;
        pile.erase(0, 3);
        gathered.push_back(c);
        piles.push_back(i);
    }
    FlyToStock(s, gathered);
    for (int c : ShuffleGathered(gathered)) {
        Waste(s) += CardText(c);
        s.Cards.SetCardFace(c, '1');
    }
    for (int i : piles) {
        if (s.Attr(attr::RedealShape + i) == 0 || Waste(s).empty())
            continue;
        const int c = TakeTop(Waste(s));
        Tableau(s, i) += CardText(c);
        s.Cards.SetCardFace(c, '1');
    }
    for (int i = 0; i < TableauInPlay(s); ++i)
        View(s).RedrawPile(PileName("Fila", i + 1), Surface::Both);
    View(s).RedrawPile("Mazzo_Vis", Surface::Both);
}

// Mode 15: the cards of reserve 1, then those left on the tableau and the stock, are dealt by
// rank: kings to reserve 1, a card whose rank is the position under consideration (1 to 12 in
// turn) onto the stock face down, any other card to the tableau pile of its rank.
void RedealByRank(Session& s) {
    std::vector<int> cards;
    std::string& r1 = Reserve(s, 0);
    for (int k = PileSize(r1) - 1; k >= 0; --k)
        cards.push_back(PileCard(r1, k));
    r1.clear();
    // The tableau and the stock are emptied too; their cards join the deal rather than leave
    // the game.
    for (int c : GatherTableauFirstToLast(s))
        cards.push_back(c);
    for (int k = PileSize(Stock(s)) - 1; k >= 0; --k)
        cards.push_back(PileCard(Stock(s), k));
    Stock(s).clear();
    const int n = TableauInPlay(s);
    int position = 1;
    for (int c : cards) {
        if (c <= 0)
            continue;
        const int rank = CardRank(c);
        if (rank == 13) {
            r1 += CardText(c);
            s.Cards.SetCardFace(c, '1');
        } else if (rank == position || rank < 1 || rank > n) {
            Stock(s) += CardText(c);
            s.Cards.SetCardFace(c, '0');
        } else {
            Tableau(s, rank - 1) += CardText(c);
            s.Cards.SetCardFace(c, '1');
        }
        position = position % 12 + 1;
    }
    for (int i = 0; i < n; ++i)
        View(s).RedrawPile(PileName("Fila", i + 1), Surface::Both);
    View(s).RedrawPile("Appogg1", Surface::Both);
    View(s).RedrawPile("Mazzo", Surface::Both);
}

// Mode 6: the waste's cards are mixed into the gathered tableau at every third place; after the
// shuffle the aces go to the empty foundations.
void RedealWithWaste(Session& s) {
    std::vector<int> tableau = GatherTableauFirstToLast(s);
    std::vector<int> waste;
    while (!Waste(s).empty())
        waste.push_back(TakeTop(Waste(s)));
    std::vector<int> mixed;
    size_t w = 0;
    for (int c : tableau) {
        mixed.push_back(c);
        if (mixed.size() % 3 == 2 && w < waste.size())
            mixed.push_back(waste[w++]);
    }
    while (w < waste.size())
        mixed.push_back(waste[w++]);
    FlyToStock(s, mixed);
    std::vector<int> shuffled = ShuffleGathered(mixed);
    std::stable_partition(shuffled.begin(), shuffled.end(), [](int c) { return CardRank(c) == 1; });
    std::vector<int> rest;
    for (int c : shuffled) {
        bool placed = false;
        if (CardRank(c) == 1)
            for (int f = 0; f < FoundationsInPlay(s) && !placed; ++f)
                if (s.Piles.FoundationPiles[static_cast<size_t>(f)].empty()) {
                    s.Piles.FoundationPiles[static_cast<size_t>(f)] = CardText(c);
                    s.Cards.SetCardFace(c, '1');
                    View(s).RedrawPile(PileName("Dest", f + 1), Surface::Both);
                    placed = true;
                }
        if (!placed)
            rest.push_back(c);
    }
    View(s).RedrawPile("Mazzo_Vis", Surface::Both);
    DealBack(s, rest, 6);
}

// Modes 4, 5 and 16: the tableau is gathered onto the stock (or the waste) for the player to deal
// again.
void RedealGatherToStock(Session& s, int mode) {
    std::vector<int> cards = GatherTableauLastToFirst(s);
    FlyToStock(s, cards);
    const bool toWaste = s.Attr(attr::StockPileCount) == 1 && s.Attr(attr::MarkerOnStock) == 0 &&
                         s.Attr(attr::StockToWaste) == 1;
    if (toWaste) {
        for (int c : cards) {
            Waste(s) += CardText(c);
            s.Cards.SetCardFace(c, '1');
        }
    } else {
        PutOnStock(s, cards, '0');
    }
    if (mode == 16) {
        std::vector<int> waste;
        while (!Waste(s).empty())
            waste.push_back(TakeTop(Waste(s)));
        PutOnStock(s, waste, '0');
    }
    for (int i = 0; i < TableauInPlay(s); ++i)
        View(s).RedrawPile(PileName("Fila", i + 1), Surface::Both);
    View(s).RedrawPile("Mazzo", Surface::Both);
    View(s).RedrawPile("Mazzo_Vis", Surface::Both);
    if (mode == 16)
        ExecuteMove(s, 0, "Mazzo_Vis");
}

// Modes 10 and 18: the tableau and the reserves go to the stock, shuffled, face down.
void RedealAllToStock(Session& s) {
    std::vector<int> cards = GatherTableauFirstToLast(s);
    for (int j = 0; j < ReservesInPlay(s); ++j) {
        std::string& r = Reserve(s, j);
        for (int k = PileSize(r) - 1; k >= 0; --k)
            if (PileCard(r, k) > 0)
                cards.push_back(PileCard(r, k));
        r.clear();
    }
    FlyToStock(s, cards);
    PutOnStock(s, ShuffleGathered(cards), '0');
    for (int i = 0; i < TableauInPlay(s); ++i)
        View(s).RedrawPile(PileName("Fila", i + 1), Surface::Both);
    for (int j = 0; j < ReservesInPlay(s); ++j)
        View(s).RedrawPile(PileName("Appogg", j + 1), Surface::Both);
    View(s).RedrawPile("Mazzo", Surface::Both);
}

// Mode 14: row by row, the highest row first, each row from the last pile to the first; the
// stock's order is then reversed.
std::vector<int> GatherRows(Session& s) {
    const int n = TableauInPlay(s);
    int rows = 0;
    for (int i = 0; i < n; ++i)
        rows = std::max(rows, PileSize(Tableau(s, i)));
    std::vector<int> out;
    for (int row = rows - 1; row >= 0; --row)
        for (int i = n - 1; i >= 0; --i) {
            const int c = PileCard(Tableau(s, i), row);
            if (c > 0)
                out.push_back(c);
        }
    for (int i = 0; i < n; ++i)
        Tableau(s, i).clear();
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace

std::vector<int> ShuffleGathered(std::vector<int> g) {
    std::vector<int> out;
    out.reserve(g.size());
    size_t i = g.size() / 2;
    while (!g.empty()) {
        if (i > g.size() - 1)
            i = 0;
        out.push_back(g[i]);
        g.erase(g.begin() + static_cast<std::ptrdiff_t>(i));
        i += out.size() % 2 == 0 ? 5 : 2;
    }
    return out;
}

void ShuffledRedeal(Session& s) {
    const int mode = s.Attr(attr::RedealMode);
    if (mode != 15)
        LogEvent(s, kEventShuffledRedeal);
    s.Game.MultiCardFill = 1;
    switch (mode) {
    case 7:
        RedealRotateBottom(s);
        break;
    case 13:
        RedealSpreadPile(s);
        break;
    case 19:
        RedealSweep(s);
        break;
    case 20:
        RedealWasteToReserves(s);
        break;
    case 4:
    case 5:
    case 16:
        RedealGatherToStock(s, mode);
        break;
    case 11: {
        std::vector<int> cards = GatherTopsInPasses(s);
        FlyToStock(s, cards);
        PutOnStock(s, cards, '1');
        for (int i = 0; i < TableauInPlay(s); ++i)
            View(s).RedrawPile(PileName("Fila", i + 1), Surface::Both);
        View(s).RedrawPile("Mazzo", Surface::Both);
        break;
    }
    case 10:
    case 18:
        RedealAllToStock(s);
        break;
    case 8:
        RedealRows(s);
        break;
    case 9:
        RedealFirstCards(s);
        break;
    case 15:
        RedealByRank(s);
        break;
    case 12: {
        std::vector<int> cards = GatherTopsInPasses(s);
        FlyToStock(s, cards);
        DealBack(s, cards, mode);
        break;
    }
    case 14: {
        std::vector<int> cards = GatherRows(s);
        FlyToStock(s, cards);
        DealBack(s, cards, mode);
        break;
    }
    case 6:
        RedealWithWaste(s);
        break;
    default: {
        std::vector<int> cards = GatherTableauFirstToLast(s);
        FlyToStock(s, cards);
        DealBack(s, ShuffleGathered(cards), mode);
        break;
    }
    }
    s.Game.MultiCardFill = 0;
}

void PressStockMarker(Session& s) {
    if (s.Attr(attr::MarkerOnStock) == 1 && Stock(s).empty())
        View(s).DrawStockImage("StockDown", 0);
    else if (s.Attr(attr::StockToWaste) == 1 && Waste(s).empty())
        View(s).DrawStockImage("StockDown", 1);
    s.Game.StockPressed = 1;
}

void ReleaseStockMarker(Session& s) {
    if (s.Attr(attr::MarkerOnStock) == 1 && Stock(s).empty())
        View(s).DrawStockImage("StockUp", 0);
    else if (s.Attr(attr::StockToWaste) == 1 && Waste(s).empty())
        View(s).DrawStockImage("StockUp", 1);
    View(s).PauseBusy(50);
}

void SlideOffStockMarker(Session& s) {
    if (s.Game.StockPressed != 1)
        return;
    ReleaseStockMarker(s);
    s.Game.StockPressed = 0;
}

void StockClick(Session& s, int topCard) {
    const int family = Family(s);
    if (family == 4 || family == 67) {
        if (topCard > 0 && !Stock(s).empty() && s.Play.AddToSelection && s.Play.AddToSelection(s, topCard))
            return;
    }
    if (family == 76)
        return;
    // The cards to remember are hidden as soon as the player starts looking for their twins.
    if (family == 38)
        TurnRememberedCards(s, false);
    StockClickRules(s);
    if ((family == 2 || family == 15) && s.Flag(GameWon))
        EndGame(s);
}

bool StockMove(Session& s, int, const std::string& target) {
    if (target.starts_with("Mazzo"))
        return MazzoTarget(s, target);
    if (target.starts_with("Add_") || target == "Fill_Tableaus")
        return DealTarget(s, target);
    return false;
}

void InstallStockHooks(Session& s) {
    s.Play.StockMove = StockMove;
    // A press on the stock (or the space key) clicks it with its top card.
    s.Play.StockClick = [](Session& x) { StockClick(x, x.TopCard("Mazzo")); };
}

} // namespace quillon
