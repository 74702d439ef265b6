#include "engine/Autoplay.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/DropTargets.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/TableView.h"
#include "model/ConfigFile.h"

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

// A card and where it flies from.
struct FillCard {
    int card = 0;
    int source = kFillFromStock;
    int x = 0, y = 0;
};

FillCard FromStock(Session& s) {
    return {PileTop(Stock(s)), kFillFromStock, CardPlaceX(s, "Mazzo", 0, false),
            CardPlaceY(s, "Mazzo", 0, false)};
}
FillCard FromWaste(Session& s) {
    return {PileTop(Waste(s)), kFillFromWaste, CardPlaceX(s, "Mazzo_Vis", 0, false),
            CardPlaceY(s, "Mazzo_Vis", 0, false)};
}
FillCard FromPile(Session& s, const std::string& name) {
    const std::string* pile = s.Piles.Find(name);
    return {pile ? PileTop(*pile) : 0, kFillFromPile, CardPlaceX(s, name, 0, false),
            CardPlaceY(s, name, 0, false)};
}
FillCard WasteElseStock(Session& s) {
    if (!Waste(s).empty())
        return FromWaste(s);
    if (!Stock(s).empty())
        return FromStock(s);
    return {};
}
FillCard StockElseWaste(Session& s) {
    if (!Stock(s).empty())
        return FromStock(s);
    if (!Waste(s).empty())
        return FromWaste(s);
    return {};
}

void Fill(Session& s, const std::string& target, const FillCard& c, bool faceDown = false) {
    FillMove(s, target, c.source, c.x, c.y, c.card, faceDown);
}

// Rule 14: the partner pile of an empty pile, searched downwards from it, then from 15 down.
int PartnerPile(Session& s, int i) {
    const int p = i <= 7 ? i + 8 : i - 8;
    for (int k = p; k >= 8; --k)
        if (!Tableau(s, k).empty())
            return k;
    for (int k = 15; k >= 8; --k)
        if (!Tableau(s, k).empty())
            return k;
    return -1;
}

bool FoundationHolds(const std::string& foundation, int card) {
    return card > 0 && PileFind(foundation, card) >= 0;
}

// The fill of one empty tableau pile by the rules of the per-pile table.
void FillPile(Session& s, int rule, int i) {
    const std::string target = PileName("Fila", i + 1);
    const int locked = s.Attr(attr::LockedColumns) * s.Attr(attr::LockedRows);
    auto multi = [&](auto&& take, int times, int faceDownCount) {
        s.Game.MultiCardFill = 1;
        for (int k = 0; k < times; ++k) {
            const FillCard c = take();
            if (c.card < 1)
                break;
            Fill(s, target, c, k < faceDownCount);
        }
        s.Game.MultiCardFill = 0;
    };
    switch (rule) {
    case 1:
        if (!s.Piles.ReservePiles[0].empty())
            Fill(s, target, FromPile(s, "Appogg1"));
        break;
    case 2:
    case 4:
    case 8:
    case 10:
        if (i >= locked)
            Fill(s, target, WasteElseStock(s));
        break;
    case 3:
        Fill(s, target, StockElseWaste(s));
        break;
    case 5:
        multi([&] { return Waste(s).empty() ? FillCard{} : FromWaste(s); }, 3, 0);
        break;
    case 6:
        if ((i == 0 || i == 6 || i == 7 || i == 13 || i == 14 || i == 20 || i == 21 || i == 27) &&
            !Waste(s).empty())
            Fill(s, target, FromWaste(s));
        break;
    case 7:
        if (i >= 10 && !Stock(s).empty())
            Fill(s, target, FromStock(s));
        break;
    case 9:
        multi([&] { return Stock(s).empty() ? FillCard{} : FromStock(s); }, 4, 0);
        break;
    case 11:
        if (i >= 24 && i <= 31)
            Fill(s, target, WasteElseStock(s));
        break;
    case 12:
        multi([&] { return WasteElseStock(s); }, 4, 0);
        break;
    case 14:
        if ((i <= 7) || (i >= 16 && i <= 23)) {
            const int p = PartnerPile(s, i);
            if (p >= 0)
                Fill(s, target, FromPile(s, PileName("Fila", p + 1)));
        }
        break;
    case 18:
        multi([&] { return WasteElseStock(s); }, 4, 3);
        break;
    case 19:
        if (i >= 14 && i <= 25)
            Fill(s, target, WasteElseStock(s));
        break;
    case 20:
        if (i >= 16 && i <= 24)
            Fill(s, target, WasteElseStock(s));
        break;
    case 21:
        if (i < kFoundationCount && PileSize(s.Piles.FoundationPiles[static_cast<size_t>(i)]) != 13)
            Fill(s, target, WasteElseStock(s));
        break;
    default:
        break;
    }
}

bool PreconditionHolds(Session& s, int rule) {
    switch (rule) {
    case 1:
        return !s.Piles.ReservePiles[0].empty();
    case 2:
    case 3:
    case 8:
    case 9:
    case 11:
    case 12:
    case 13:
    case 16:
    case 17:
    case 18:
    case 19:
    case 21:
        return !Stock(s).empty() || !Waste(s).empty();
    case 10:
        for (int j = 0; j < ReservesInPlay(s); ++j)
            if (!s.Piles.ReservePiles[static_cast<size_t>(j)].empty())
                return false;
        return true;
    case 4:
        return CountEvents(s, 1) == 0;
    case 15: {
        const std::string& f0 = s.Piles.FoundationPiles[0];
        if (f0.empty())
            return false;
        const int suit = CardSuit(PileTop(f0));
        int matching = 0;
        for (int i = 0; i < 4 && i < TableauInPlay(s); ++i) {
            const int top = PileTop(Tableau(s, i));
            if (top > 0 && CardSuit(top) == suit)
                ++matching;
        }
        if (matching < 2 || matching != PileSize(f0))
            return false;
        View(s).PauseWithMessages(300);
        return true;
    }
    default:
        return true;
    }
}

// Sends an autoplay card to the first foundation that takes it.
bool Send(Session& s, int card) {
    return SendCard(s, card, CardPlace(s, card), true, true, false, false, true, false);
}

} // namespace

void FillMove(Session& s, const std::string& target, int source, int fromX, int fromY, int card,
              bool faceDown) {
    if (card < 1)
        return;
    TableView& view = View(s);
    if (faceDown)
        s.Cards.SetCardFace(card, '0');
    view.LiftCard(card);
    FlyCard(s, faceDown ? -1 : card, fromX, fromY, CardPlaceX(s, target, 0, true),
            CardPlaceY(s, target, 0, true), true, false, false, true);
    // A fill carries one card, never the run above it.
    const int dragHeight = s.DragHeight;
    s.DragHeight = s.Metrics.CardHeight;
    const int before = s.History.Steps();
    ExecuteMove(s, card, target);
    s.DragHeight = dragHeight;
    if (faceDown) {
        s.Cards.SetCardFace(card, '0');
        view.RedrawPile(target, Surface::Both);
    }
    if (source == kFillFromStock || source == kFillFromWaste) {
        const char* name = source == kFillFromStock ? "Mazzo" : "Mazzo_Vis";
        view.RedrawPile(name, Surface::Both);
        int x = 0, y = 0;
        PilePosition(s, name, x, y);
        view.Repaint({x - 15, y - 15, x + s.Metrics.CardWidth + 15, y + s.Metrics.CardHeight + 15});
    }
    // The fill belongs to the move that caused it; a fill that recorded nothing merges nothing.
    if (s.History.Steps() > before)
        MergeSteps(s, 1);
}

void FillSlot(Session& s, int pileIndex, int slot, int card) {
    if (pileIndex < 0 || pileIndex >= kTableauCount || slot < 0 || card < 1)
        return;
    std::string& pile = Tableau(s, pileIndex);
    const size_t at = static_cast<size_t>(3 * slot);
    if (at + 3 > pile.size() || pile.compare(at, 3, "000") != 0)
        return;
    std::string& stock = Stock(s);
    const int k = PileFind(stock, card);
    if (k < 0)
        return;
    TableView& view = View(s);
    const std::string name = PileName("Fila", pileIndex + 1);
    const int sx = CardPlaceX(s, "Mazzo", 0, false), sy = CardPlaceY(s, "Mazzo", 0, false);
    stock.erase(static_cast<size_t>(3 * k), 3);
    view.LiftCard(card);
    const int skip = PileSize(pile) - 1 - slot;
    FlyCard(s, card, sx, sy, CardPlaceX(s, name, skip, false), CardPlaceY(s, name, skip, false), true, false,
            false, true);
    pile.replace(at, 3, CardText(card));
    s.Cards.SetCardFace(card, '1');
    view.RedrawPile("Mazzo", Surface::Both);
    int x = 0, y = 0;
    PilePosition(s, "Mazzo", x, y);
    view.Repaint({x - 15, y - 15, x + s.Metrics.CardWidth + 15, y + s.Metrics.CardHeight + 15});
    view.RedrawPile(name, Surface::Both);
}

void FillEmptyPiles(Session& s) {
    const int rule = s.Attr(attr::FillRule);
    if (rule == 0 || (s.Attr(attr::FirstMoveToFoundation) != 0 && s.Game.MovesMade == 0))
        return;
    if (!PreconditionHolds(s, rule))
        return;
    const int piles = TableauInPlay(s);
    if (rule != 13 && rule != 16) {
        for (int i = 0; i < piles; ++i) {
            if (rule == 15) {
                const int top = PileTop(Tableau(s, i));
                if (FoundationHolds(s.Piles.FoundationPiles[0], top) && !Stock(s).empty()) {
                    Fill(s, PileName("Fila", i + 1), FromStock(s));
                    View(s).PauseWithMessages(35);
                }
                continue;
            }
            if (Tableau(s, i).empty())
                FillPile(s, rule, i);
        }
    }
    if (rule == 17 && !Stock(s).empty()) {
        int counter = piles > 5 && Tableau(s, 5).empty() ? 1 : 0;
        for (int j = 0; j < piles; ++j) {
            if (j == 5 || !Tableau(s, j).empty())
                continue;
            ++counter;
            if (counter > 1 && !Stock(s).empty())
                Fill(s, PileName("Fila", j + 1), FromStock(s));
        }
    }
    if (rule == 15) {
        std::string& f0 = s.Piles.FoundationPiles[0];
        // The first foundation holds the selection; the selected cards stay on the tableau.
        f0.clear();
        View(s).RedrawPile("Dest1", Surface::Both);
        if (Stock(s).empty())
            View(s).PauseWithMessages(1000);
    }
    if (rule == 8 || rule == 13) {
        const int locked = s.Attr(attr::LockedColumns) * s.Attr(attr::LockedRows);
        for (int j = 0; j < ReservesInPlay(s); ++j) {
            if (!s.Piles.ReservePiles[static_cast<size_t>(j)].empty())
                continue;
            const std::string target = PileName("Appogg", j + 1);
            if (rule == 8 && j >= locked)
                Fill(s, target, WasteElseStock(s));
            else if (rule == 13 && !Stock(s).empty())
                Fill(s, target, FromStock(s));
        }
    }
    if (rule == 16) {
        for (int i = 0; i < piles; ++i)
            for (int slot = 0; slot < 10; ++slot) {
                const std::string& pile = Tableau(s, i);
                const size_t at = static_cast<size_t>(3 * slot);
                if (at + 3 <= pile.size() && pile.compare(at, 3, "000") == 0 && !Stock(s).empty())
                    FillSlot(s, i, slot, PileTop(Stock(s)));
            }
    }
}

TableRect CardPlace(const Session& s, int card) {
    if (card < 1)
        return {};
    for (int k = 0; k < kStockPileCount; ++k) {
        static constexpr const char* names[] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
        int x = 0, y = 0;
        if (PilePosition(s, names[k], x, y) &&
            PileFind(s.Piles.StockPiles[static_cast<size_t>(k)], card) >= 0)
            return CardRect(s, x, y);
    }
    auto topOf = [&](std::string_view prefix, const auto& list, int count) -> TableRect {
        for (int k = 0; k < count; ++k) {
            const std::string name = PileName(prefix, k + 1);
            int x = 0, y = 0;
            if (!PilePosition(s, name, x, y))
                continue;
            if (PileTop(list[static_cast<size_t>(k)]) == card)
                return TopCardRect(s, name);
        }
        return {};
    };
    TableRect r = topOf("Dest", s.Piles.FoundationPiles, kFoundationCount);
    if (r == TableRect{})
        r = topOf("Fila", s.Piles.TableauPiles, TableauInPlay(s));
    if (r == TableRect{})
        r = topOf("Appogg", s.Piles.ReservePiles, ReservesInPlay(s));
    return r;
}

bool AutoFinish(Session& s) {
    if (s.Game.DealDone != 1 || !AutoplayActive(s) || !s.Flag(GameInPlay))
        return false;
    const bool hasReserves = s.Attr(attr::ReserveCount) > 0;
    s.SetFlag(GameEndHandled, false);
    bool result = false;
    bool ended = false;
    while (!ended) {
        bool moved = false;
        // Reserves, pass after pass while a pass moves a card.
        for (bool pass = true; pass && !ended;) {
            pass = false;
            for (int j = 0; j < ReservesInPlay(s) && !ended; ++j) {
                const int top = PileTop(s.Piles.ReservePiles[static_cast<size_t>(j)]);
                if (top > 0 && Send(s, top))
                    pass = moved = true;
                ended = s.Flag(GameEndHandled);
            }
        }
        if (ended)
            break;
        if (s.Attr(attr::WasteLocked) == 0 && !Waste(s).empty()) {
            if (Send(s, PileTop(Waste(s))))
                moved = true;
            if (s.Flag(GameEndHandled))
                break;
        }
        for (int i = 0; i < TableauInPlay(s) && !ended; ++i) {
            const int top = PileTop(Tableau(s, i));
            if (top < 1)
                continue;
            if (ParamNotN(s, param::AutomaticFaceUp) && s.Attr(attr::AutoFaceUpAllowed) == 1 &&
                s.Cards.CardIsHidden(top)) {
                const std::string name = PileName("Fila", i + 1);
                TurnUp(s, top, CardPlaceX(s, name, 0, false), CardPlaceY(s, name, 0, false), i);
                MergeSteps(s, 1);
            }
            const bool sent = Send(s, top);
            moved = moved || sent;
            ended = s.Flag(GameEndHandled);
            if (sent && hasReserves)
                break;
        }
        if (ended || !moved)
            break;
        result = true;
    }
    if (s.Flag(GameWon))
        EndGame(s);
    s.SetFlag(GameEndHandled, false);
    return result;
}

void AutoplaySteps(Session& s) {
    bool again = AutoFinish(s);
    while (again) {
        FillEmptyPiles(s);
        again = AutoFinish(s);
    }
}

namespace {

std::string CustomKey(int game) {
    return "Cust_" + FormatFixed(game, 4);
}

bool CommandAvailable(const Session& s) {
    return s.AutoplayMenu.Enabled && s.Game.AutoPlayAllGames == 2;
}

int CurrentGame(const Session& s) {
    return s.Params.ReadInt(param::GameNumber, 4, 0);
}

} // namespace

void StoreAutoplayChoice(Session& s, int game) {
    if (!CommandAvailable(s) || game < 0)
        return;
    const char* value = s.AutoplayMenu.ButtonsDown ? "Y" : "N";
    if (game >= 8000) {
        WriteConfigString(s, "Autoplay", CustomKey(game), value);
        return;
    }
    std::string games = ReadConfigString(s, "Autoplay", "Games", "");
    const size_t at = static_cast<size_t>(game); // character game + 1, counted from 1
    if (games.size() <= at + 1) {
        games.append(at + 10 - std::min(games.size(), at + 10), 'Y');
        games.resize(at + 10);
    }
    games[at] = value[0];
    WriteConfigString(s, "Autoplay", "Games", games);
}

void ApplyAutoplayChoice(Session& s, int game) {
    if (!CommandAvailable(s) || game < 0)
        return;
    bool wanted;
    if (game >= 8000) {
        const std::string v = ReadConfigString(s, "Autoplay", CustomKey(game), "Y");
        wanted = v.empty() || v[0] != 'N';
    } else {
        const std::string games = ReadConfigString(s, "Autoplay", "Games", "");
        const size_t at = static_cast<size_t>(game);
        wanted = at >= games.size() || games[at] != 'N';
    }
    if (s.AutoplayMenu.ButtonsDown != wanted) {
        s.AutoplayMenu.Ticked = !wanted;
        AutoplayCommand(s);
    }
}

void AutoplayCommand(Session& s) {
    s.AutoplayMenu.Ticked = !s.AutoplayMenu.Ticked;
    s.AutoplayMenu.ButtonsDown = s.AutoplayMenu.Ticked;
    if (s.AutoplayMenu.Ticked && s.Flag(GameInPlay))
        AutoplaySteps(s);
    StoreAutoplayChoice(s, CurrentGame(s));
}

void AutoplayBeforeNewDeal(Session& s) {
    if (s.Game.AutoPlayAllGames == 3 && s.AutoplayMenu.Enabled) {
        s.AutoplayMenu.Ticked = true;
        AutoplayCommand(s);
    }
}

void AutoplayAfterNewDeal(Session& s) {
    if (!AutoplayActive(s))
        return;
    View(s).PauseWithMessages(800);
    AutoplaySteps(s);
}

void AutoplayAtStartup(Session& s, const std::string& autoPlay) {
    if (s.Game.AutoPlayAllGames == 1 && autoPlay == "Y") {
        s.AutoplayMenu.Ticked = false;
        AutoplayCommand(s);
    } else if (s.Game.AutoPlayAllGames == 2) {
        ApplyAutoplayChoice(s, CurrentGame(s));
    }
}

void InstallAutoplayHooks(Session& s) {
    s.Play.AutoplayActive = [](const Session& x) { return x.AutoplayMenu.Ticked && x.AutoplayMenu.Enabled; };
    s.Play.Autoplay = FillEmptyPiles;
    s.Play.AutoFinish = AutoFinish;
}

} // namespace quillon
