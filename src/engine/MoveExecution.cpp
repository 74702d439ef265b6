#include "engine/MoveExecution.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/DropTargets.h"
#include "engine/GameEnd.h"
#include "engine/MoveLegality.h"
#include "engine/Stock.h"
#include "engine/TableView.h"
#include "engine/Undo.h"
#include "model/CardRemoval.h"

#include <algorithm>
#include <cstdlib>

namespace quillon {

namespace {

int Family(const Session& s) {
    return s.Attr(attr::Family);
}

// The pile number written after a target's prefix: one or two digits.
int TargetNumber(const std::string& target, size_t prefix) {
    int value = 0;
    bool any = false;
    for (size_t k = prefix; k < target.size() && k < prefix + 2; ++k) {
        char c = target[k];
        if (c < '0' || c > '9')
            return any ? value : 0;
        value = value * 10 + (c - '0');
        any = true;
    }
    return any ? value : 0;
}

bool IsCard(int card) {
    return card >= 1 && card <= kCardCount;
}

void Append(Session& s, std::string& pile, int card) {
    pile += CardText(card);
    s.Cards.SetCardFace(card, '1');
}

// What a move target did, for the common tail.
struct MoveOutcome {
    bool moved = false;
    bool faceUpDue = false;
    bool placed = false; // a card place was used: `lastY` holds its y
    int lastY = 0;
};

void Sound(Session& s, const char* name, int switchPosition) {
    View(s).PlaySound(name, s.Params.Flag(switchPosition));
}

MoveOutcome ToFoundation(Session& s, int card, int n, bool autoplay) {
    MoveOutcome out;
    TableView& view = View(s);
    const std::string dest = PileName("Dest", n);
    RecordStep(s);
    RemovedFrom from = RemoveCard(s, card, s.Attr(attr::TableauFan) == 12);
    std::string& pile = s.Piles.FoundationPiles[static_cast<size_t>(n - 1)];
    Append(s, pile, card);
    out.moved = true;
    out.faceUpDue = from.kind == kFromTableau;

    const int layout = s.Attr(attr::FoundationFan);
    if (layout != 2 && layout != 7) {
        view.RedrawPile(dest, Surface::TableImage);
        int x = s.Game.GetFoundationX(n - 1), y = s.Game.GetFoundationY(n - 1);
        view.Repaint({x - 15, y - 15, x + s.Metrics.CardWidth + 15, s.PileBottomEdge(dest) + 15});
    }
    const int x = CardPlaceX(s, dest, 0, false), y = CardPlaceY(s, dest, 0, false);
    view.DropDragImage(x, y);
    out.placed = true;
    out.lastY = y;
    if (layout == 7)
        view.RedrawPile(dest, Surface::Both);
    else if (PileSize(pile) == 1)
        view.Repaint(CardRect(s, x, y));

    s.SetFlag(GameWon, WonTest(s));
    if (autoplay)
        Sound(s, "Autoplay", param::SoundAutoplay);
    else
        Sound(s, "Foundation", param::SoundFoundation);
    if (s.Game.HighlightFoundationsMark != 0)
        view.DrawFoundationHighlight(n - 1);
    return out;
}

// Families 49 and 63: a card laid on a pile whose first card is not the pile's rank changes
// places with that card.
void SwapIntoPlace(Session& s, int n, const RemovedFrom& from) {
    std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(n - 1)];
    if (PileSize(pile) != 2 || CardRank(PileCard(pile, 0)) == s.Attr(attr::TableauEmpty + n - 1))
        return;
    std::string* source = from.kind == kFromTableau ? s.Piles.Find(from.pile) : nullptr;
    if (!source || source == &pile)
        return;
    TableView& view = View(s);
    const std::string name = PileName("Fila", n);
    const int first = PileCard(pile, 0), moved = PileCard(pile, 1);
    view.PauseBusy(100);
    FlyCard(s, first, CardPlaceX(s, name, 1, false), CardPlaceY(s, name, 1, false),
            CardPlaceX(s, from.pile, 0, true), CardPlaceY(s, from.pile, 0, true), true, false, false, true);
    // The first card joins the pile the moved card came from (its only card when that pile was
    // left empty); any cards still there stay.
    *source += CardText(first);
    pile = CardText(moved);
    view.RedrawPile(from.pile, Surface::Both);
    view.RedrawPile(name, Surface::Both);
}

MoveOutcome ToTableau(Session& s, int card, int n) {
    MoveOutcome out;
    TableView& view = View(s);
    const std::string dest = PileName("Fila", n);
    std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(n - 1)];
    const bool heldMoreThanTwo = PileSize(pile) > 2;
    const int fromLocation = CardLocation(s, card);
    RecordStep(s);

    RemovedFrom from;
    std::vector<int> run;
    if (!MoveCarriesSingleCard(s))
        run = RunFromCard(s, card);
    if (run.size() <= 1) {
        from = RemoveCard(s, card, s.Attr(attr::TableauFan) == 12);
        Append(s, pile, card);
        const int x = CardPlaceX(s, dest, 0, false), y = CardPlaceY(s, dest, 0, false);
        view.DropDragImage(x, y);
        out.placed = true;
        out.lastY = y;
        out.faceUpDue = from.kind == kFromTableau;
    } else {
        // The run leaves its pile as a whole and lands bottom card first.
        const int keptBottom = s.Game.TableBottom;
        from.kind = LocIsTableau(fromLocation) ? kFromTableau : kFromReserve;
        from.pile = LocIsTableau(fromLocation) ? PileName("Fila", LocTableauIndex(fromLocation) + 1)
                                               : PileName("Appogg", LocReserveIndex(fromLocation) + 1);
        std::string* source = s.Piles.Find(from.pile);
        const int depth = source ? PileFind(*source, card) : -1;
        if (source && depth >= 0)
            source->erase(static_cast<size_t>(3 * depth));
        const bool animate = ParamNotN(s, param::CardsAnimate);
        const bool handPlaced = ParamNotN(s, param::PilesHandPlaced);
        const int firstX = CardPlaceX(s, dest, 0, true), firstY = CardPlaceY(s, dest, 0, true);
        if (!animate && handPlaced)
            view.DropDragImage(firstX, firstY);
        for (int c : run) {
            Append(s, pile, c);
            if (handPlaced)
                view.DrawCard(c, CardPlaceX(s, dest, 0, false), CardPlaceY(s, dest, 0, false), Surface::Both,
                              n - 1);
        }
        if (!animate && !handPlaced)
            view.DropDragImage(firstX, firstY);
        out.faceUpDue = true;
        out.placed = true;
        out.lastY = firstY;
        s.Game.TableBottom = static_cast<std::int16_t>(keptBottom);
        int x = 0, y = 0;
        PilePosition(s, dest, x, y);
        view.Repaint({x - 2, y, x + s.Metrics.CardWidth + s.Metrics.ShadowSize + 2,
                      CardPlaceY(s, dest, 0, false) + s.Metrics.CardHeight + s.Metrics.ShadowSize});
    }
    out.moved = true;

    if (heldMoreThanTwo || PileSize(pile) < 2)
        view.RedrawPile(dest, Surface::Both);
    if (from.kind == kFromTableau)
        RemoveCompleteRun(s, PileNumber(from.pile) - 1);
    RemoveCompleteRun(s, n - 1);
    Sound(s, "Tableau", param::SoundTableau);

    // Grid jumps: the card jumped over leaves the table.
    if (s.Attr(attr::TableauRule + n - 1) == 71) {
        GridJumpResult jump = GridJump(s, fromLocation, n - 1);
        if (jump.ok && jump.jumped >= 0 && jump.jumped < kTableauCount) {
            const std::string over = PileName("Fila", jump.jumped + 1);
            const int first = PileCard(*s.Piles.Find(over), 0);
            if (first > 0) {
                view.LiftCard(first);
                FlyCard(s, first, CardPlaceX(s, over, 0, false), CardPlaceY(s, over, 0, false),
                        CardPlaceX(s, "Mazzo_Waste", 0, true), CardPlaceY(s, "Mazzo_Waste", 0, true), true,
                        false, false, true);
                ExecuteMove(s, first, "Waste");
                MergeSteps(s, 1);
            }
        }
    }

    switch (Family(s)) {
    case 43:
    case 44:
        UpdateScore(s);
        s.SetFlag(GameWon, WonTest(s));
        break;
    case 72:
    case 73:
    // The grid-filling games are filled by tableau moves alone: the card laid in the last empty
    // cell ends the game.
    case 9:
    case 59:
    case 77:
        s.SetFlag(GameWon, WonTest(s));
        break;
    case 38:
        // The last of the ten places taken: the remembered cards are shown beside their choices.
        s.SetFlag(GameWon, WonTest(s));
        if (s.Flag(GameWon))
            TurnRememberedCards(s, true);
        break;
    case 49:
    case 63:
        SwapIntoPlace(s, n, from);
        // Whether or not two cards changed places, the move may have completed the last pile:
        // these games end on a tableau move, so the score and the won test follow every one.
        UpdateScore(s);
        s.SetFlag(GameWon, WonTest(s));
        break;
    default:
        break;
    }
    return out;
}

MoveOutcome ToReserve(Session& s, int card, int n) {
    MoveOutcome out;
    TableView& view = View(s);
    const std::string dest = PileName("Appogg", n);
    RecordStep(s);
    RemovedFrom from = RemoveCard(s, card, s.Attr(attr::TableauFan) == 12);
    std::string& pile = s.Piles.ReservePiles[static_cast<size_t>(n - 1)];
    Append(s, pile, card);
    out.moved = true;
    out.faceUpDue = from.kind == kFromTableau;
    const int x = CardPlaceX(s, dest, 0, false), y = CardPlaceY(s, dest, 0, false);
    view.DropDragImage(x, y);
    out.placed = true;
    out.lastY = y;
    const int layout = s.Attr(attr::ReserveFan);
    if (layout != 1 || PileSize(pile) == 1)
        view.Repaint(CardRect(s, x, y));
    if (layout == 1)
        view.RedrawPile(dest, Surface::Window);
    Sound(s, "Tableau", param::SoundTableau);
    return out;
}

// "Waste" (to the second waste) and "Stock02" (to the waste).
MoveOutcome ToWastePile(Session& s, int card, bool secondWaste) {
    MoveOutcome out;
    TableView& view = View(s);
    const char* name = secondWaste ? "Mazzo_Waste" : "Mazzo_Vis";
    RecordStep(s);
    RemovedFrom from = RemoveCard(s, card, s.Attr(attr::TableauFan) == 12);
    std::string& pile = s.Piles.StockPiles[secondWaste ? 2 : 1];
    Append(s, pile, card);
    out.moved = true;
    out.faceUpDue = from.kind == kFromTableau;
    view.RedrawPile(name, Surface::Both);
    const int x = CardPlaceX(s, name, 0, false), y = CardPlaceY(s, name, 0, false);
    view.DropDragImage(x, y);
    out.placed = true;
    out.lastY = y;
    if (!secondWaste || PileSize(pile) == 1)
        view.Repaint(CardRect(s, x, y));
    s.SetFlag(GameWon, WonTest(s));
    if (secondWaste) {
        if (Family(s) == 12)
            Sound(s, "Eddy", param::SoundFoundation);
    } else {
        Sound(s, "Tableau", param::SoundTableau);
    }
    return out;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.starts_with(prefix);
}

// True when the target names an ordinary pile move whose pile number is in range; the number is
// returned in `n`.
bool PileTarget(const std::string& target, std::string_view prefix, size_t digitsAt, int limit, int& n) {
    if (!StartsWith(target, prefix))
        return false;
    n = TargetNumber(target, digitsAt);
    return true;
}

} // namespace

RemovedFrom RemoveCard(Session& s, int card, bool leaveSlot) {
    // Numbers that are no cards are never looked for: "000" would take an empty slot.
    if (!IsCard(card))
        return {};
    TakenCard taken = TakeCardFromPiles(s.Piles, card, leaveSlot);
    return {taken.kind, std::move(taken.pile)};
}

bool SelectionGame(const Session& s) {
    const int f = Family(s);
    return s.Attr(41) != 0 || f == 3 || f == 4 || f == 67;
}

void RecordStep(Session& s) {
    s.History.RecordStep(s.Piles, SelectionGame(s));
}
void LogEvent(Session& s, int code) {
    s.History.LogEvent(code);
}
int CountEvents(const Session& s, int code) {
    return s.History.CountEvents(code);
}
void MergeSteps(Session& s, int n) {
    s.History.MergeSteps(n);
}
void ClearRedo(Session& s) {
    s.History.ClearRedo();
}

bool ExecuteMove(Session& s, int card, const std::string& target) {
    // The first move of some games must carry a tableau card to a foundation.
    if (s.Attr(attr::FirstMoveToFoundation) == 1 && s.Game.MovesMade == 0 &&
        !(LocIsTableau(CardLocation(s, card)) && StartsWith(target, "Dest")))
        return false;

    const bool stockBefore = !s.Piles.StockPiles[0].empty() || PileSize(s.Piles.StockPiles[1]) >= 2;

    MoveOutcome out;
    int n = 0;
    // A pile move needs a card that lies in some pile and a pile that exists; anything else is
    // refused before the history or any pile changes.
    auto pileMoveOk = [&](int limit) { return n >= 1 && n <= limit && CardLocation(s, card) != kLocNowhere; };
    if (StartsWith(target, "Mazzo")) {
        out.moved = s.Play.StockMove && s.Play.StockMove(s, card, target);
    } else if (PileTarget(target, "Dest_Autoplay", 13, kFoundationCount, n)) {
        if (!pileMoveOk(kFoundationCount))
            return false;
        out = ToFoundation(s, card, n, true);
    } else if (PileTarget(target, "Dest", 4, kFoundationCount, n)) {
        if (!pileMoveOk(kFoundationCount))
            return false;
        out = ToFoundation(s, card, n, false);
    } else if (PileTarget(target, "Fila", 4, kTableauCount, n)) {
        if (!pileMoveOk(kTableauCount))
            return false;
        out = ToTableau(s, card, n);
    } else if (PileTarget(target, "Appogg", 6, kReserveCount, n)) {
        if (!pileMoveOk(kReserveCount))
            return false;
        out = ToReserve(s, card, n);
    } else if (target == "Waste" || target == "Stock02") {
        if (CardLocation(s, card) == kLocNowhere && PileFind(s.Piles.StockPiles[2], card) < 0)
            return false;
        out = ToWastePile(s, card, target == "Waste");
    } else if (StartsWith(target, "Add_Tableau") || StartsWith(target, "Add_Reserve") ||
               target == "Fill_Tableaus" || target == "Add_Tableaus_Last") {
        out.moved = s.Play.StockMove && s.Play.StockMove(s, card, target);
    } else if (StartsWith(target, "Selezionate_") || target == "Stock_To_Pile_Monte_Carlo") {
        out.moved = s.Play.SelectionMove && s.Play.SelectionMove(s, card, target);
    }

    // The common tail, in its order.
    TableView& view = View(s);
    if (stockBefore && s.Piles.StockPiles[0].empty() && PileSize(s.Piles.StockPiles[1]) <= 1)
        view.DrawEmptyStockMarker();
    const int family = Family(s);
    if (out.moved && family != 9 && family != 59 && family != 76 && family != 77)
        UpdateScore(s);
    if (out.placed)
        s.Game.TableBottom = static_cast<std::int16_t>(
            std::max<int>(s.Game.TableBottom, out.lastY + s.DragHeight + s.Game.ScrollOffset));
    if (out.faceUpDue && !AutoplayActive(s))
        AutoFaceUp(s);
    if (out.moved)
        ClearRedo(s);
    if (s.Game.MovesMade <= 1) {
        ++s.Game.MovesMade;
        if (s.Attr(attr::FillAfterFirstMove) == 1 && s.Game.MovesMade == 1) {
            s.Game.MovesMade = 2;
            ExecuteMove(s, 0, "Fill_Tableaus");
        }
    }
    if (family == 31 || family == 34 || family == 35 || (family == 52 && StartsWith(target, "Appogg")))
        s.SetFlag(GameWon, WonTest(s));
    return out.moved;
}

void TurnUp(Session& s, int card, int x, int y, int pileIndex) {
    TableView& view = View(s);
    RecordStep(s);
    const std::string& pile = s.Piles.TableauPiles.at(static_cast<size_t>(pileIndex));
    const int depth = PileFind(pile, card);
    const bool alone = PileSize(pile) == 1;
    const bool onFaceUp = depth > 0 && !s.Cards.CardIsHidden(PileCard(pile, depth - 1));
    s.Cards.SetCardFace(card, '1');
    if (alone || onFaceUp)
        view.LiftCard(card);
    if (ParamNotN(s, param::CardsShadowed)) {
        const int lift = s.Metrics.ShadowSize - 2;
        view.DrawCard(card, x - lift, y - lift, Surface::Window, pileIndex);
        FlyCard(s, card, x - lift, y - lift, x, y, true, true, false, true);
    } else {
        view.DrawCard(card, x, y, Surface::Window, pileIndex);
    }
    Sound(s, "Face_up", param::SoundFaceUp);
    view.DrawCard(card, x, y, Surface::TableImage, pileIndex);
    if (alone)
        view.RedrawPile(PileName("Fila", pileIndex + 1), Surface::Both);
}

bool AutoFaceUp(Session& s) {
    if (!ParamNotN(s, param::AutomaticFaceUp) || s.Attr(attr::AutoFaceUpAllowed) == 0)
        return false;
    bool turned = false;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const std::string name = PileName("Fila", i + 1);
        const int top = PileTop(s.Piles.TableauPiles[static_cast<size_t>(i)]);
        if (top < 1 || !s.Cards.CardIsHidden(top))
            continue;
        TurnUp(s, top, CardPlaceX(s, name, 0, false), CardPlaceY(s, name, 0, false), i);
        MergeSteps(s, 1);
        turned = true;
    }
    return turned;
}

void RemoveCompleteRun(Session& s, int pileIndex) {
    if (pileIndex < 0 || pileIndex >= kTableauCount)
        return;
    const std::string name = PileName("Fila", pileIndex + 1);
    const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(pileIndex)];
    const int size = PileSize(pile);
    if (size < 13)
        return;
    auto wholeRunCode = [](int code) {
        return code == 82 || code == 83 || code == 95 || code == 97 || code == 98 || code == 99;
    };
    int dest = -1;
    for (int k = 0; k < kFoundationCount; ++k)
        if (wholeRunCode(s.Attr(attr::FoundationBase + k)) &&
            s.Piles.FoundationPiles[static_cast<size_t>(k)].empty()) {
            dest = k;
            break;
        }
    if (dest < 0)
        return;
    const int code = s.Attr(attr::FoundationBase + dest);
    const int rule = s.Attr(attr::TableauRule + pileIndex);
    const int top = PileTop(pile);
    int expected = s.Attr(attr::FoundationBase) == 95 ? 13 : 1;
    int prev = top;
    bool complete = false;
    for (int k = 0; k < 13 && !complete; ++k) {
        const int c = PileCard(pile, size - 1 - k);
        if (c < 1 || s.Cards.CardIsHidden(c))
            return;
        if (k > 0) {
            bool ok = true;
            switch (code) {
            case 82:
                if (rule == 3 && CardIsRed(c) == CardIsRed(prev))
                    ok = false;
                if (rule == 0 && CardSuit(c) != CardSuit(top))
                    ok = false;
                break;
            case 97:
            case 83:
            case 95:
                ok = CardSuit(c) == CardSuit(top);
                break;
            case 98:
                ok = CardIsRed(c) == CardIsRed(prev);
                break;
            default:
                break;
            }
            if (!ok)
                return;
        }
        const int rank = CardRank(c);
        if (code == 99) {
            if (k > 0) {
                const int pr = CardRank(prev);
                const bool neighbours =
                    std::abs(rank - pr) == 1 || (rank == 1 && pr == 13) || (rank == 13 && pr == 1);
                if (!neighbours)
                    return;
            }
            complete = k == 12;
        } else {
            if (rank != expected)
                return;
            if (code == 95) {
                complete = rank == 1;
                --expected;
            } else {
                complete = rank == 13;
                ++expected;
            }
        }
        prev = c;
    }
    if (!complete)
        return;
    if (code != 95 && !BaseCardsBalanced(s, 82, top))
        return;

    TableView& view = View(s);
    Sound(s, "Redeal", param::SoundRedeal);
    const std::string destName = PileName("Dest", dest + 1);
    int fx = 0, fy = 0;
    const bool shown = PilePosition(s, destName, fx, fy);
    const std::string target = shown ? destName : "Waste";
    const std::string landing = shown ? destName : "Mazzo_Waste";
    for (int k = 0; k < 13 && !s.Piles.TableauPiles[static_cast<size_t>(pileIndex)].empty(); ++k) {
        const int c = PileTop(s.Piles.TableauPiles[static_cast<size_t>(pileIndex)]);
        view.LiftCard(c);
        FlyCard(s, c, CardPlaceX(s, name, 0, false), CardPlaceY(s, name, 0, false),
                CardPlaceX(s, landing, 0, true), CardPlaceY(s, landing, 0, true), true, false, false, true);
        ExecuteMove(s, c, target);
        MergeSteps(s, 1);
    }
}

void DrawCardToTop(Session& s, int card, const std::string& target) {
    const int loc = CardLocation(s, card);
    if (!LocIsTableau(loc))
        return;
    const std::string pile = PileName("Fila", LocTableauIndex(loc) + 1);
    const std::string& content = *s.Piles.Find(pile);
    const int skip = PileSize(content) - 1 - PileFind(content, card);
    const int fromX = CardPlaceX(s, pile, skip, false), fromY = CardPlaceY(s, pile, skip, false);
    if (!ExecuteMove(s, card, target))
        return;
    FlyCard(s, card, fromX, fromY, CardPlaceX(s, pile, 0, false), CardPlaceY(s, pile, 0, false), true, false,
            false, true);
    View(s).RedrawPile(pile, Surface::Both);
    LogEvent(s, 4);
}

void PutBackDragged(Session& s) {
    const int card = s.Game.DragCard;
    const int loc = CardLocation(s, card);
    std::string pile;
    if (LocIsTableau(loc))
        pile = PileName("Fila", LocTableauIndex(loc) + 1);
    else if (LocIsReserve(loc))
        pile = PileName("Appogg", LocReserveIndex(loc) + 1);
    else if (LocIsFoundation(loc))
        pile = PileName("Dest", LocFoundationIndex(loc) + 1);
    else if (loc == kLocWaste)
        pile = "Mazzo_Vis";
    else if (loc == kLocStock)
        pile = "Mazzo";
    if (pile.empty())
        return;
    const std::string& content = *s.Piles.Find(pile);
    const int skip = PileSize(content) - 1 - PileFind(content, card);
    if (ParamNotN(s, param::CardsAnimate))
        FlyCard(s, card, s.DragRect.left, s.DragRect.top, CardPlaceX(s, pile, skip, false),
                CardPlaceY(s, pile, skip, false), false, true, false, false);
    View(s).RedrawPile(pile, Surface::Both);
}

void OnTableRelease(Session& s, int, int) {
    const PlayerAction action(s, InputKind::Release);
    TableView& view = View(s);
    view.SetBusyCursor(false);
    // A covered card shown whole since the press goes back under the cards that cover it.
    if (s.PeekX != 0 || s.PeekY != 0) {
        view.Repaint({s.PeekX, s.PeekY, s.PeekX + s.Metrics.CardWidth, s.PeekY + s.Metrics.CardHeight});
        s.PeekX = s.PeekY = 0;
    }
    if (s.Game.StockPressed == 1) {
        ReleaseStockMarker(s);
        ExecuteMove(s, 0, "Mazzo_Vis");
        s.Game.StockPressed = 0;
    }
    if (s.Game.DragCard != 0) {
        bool dropped = false;
        if (s.Game.DragMoved == 1) {
            dropped = ResolveDrop(s, s.Game.DragCard, s.DragRect);
            if (dropped && s.Flag(GameWon))
                EndGame(s);
        }
        if (!dropped)
            PutBackDragged(s);
        s.Game.DragCard = 0;
        s.Game.RunEndCard = 0;
    }
    // The fill of the gaps can itself win the game: family 55 is won once its stock is dealt out,
    // which the fill that takes the stock's last card does. The game then ends here, as after a
    // winning drop; otherwise it would wait, won, for a move that can no longer come.
    const bool wonBeforeFill = s.Flag(GameWon);
    if (s.Play.Autoplay)
        s.Play.Autoplay(s);
    if (Family(s) == 55 && !wonBeforeFill)
        s.SetFlag(GameWon, WonTest(s));
    if (!wonBeforeFill && s.Flag(GameWon))
        EndGame(s);
    if (AutoplayActive(s) && s.Play.AutoFinish) {
        bool again = true;
        while (again) {
            again = s.Play.AutoFinish(s);
            if (s.Play.Autoplay)
                s.Play.Autoplay(s);
        }
    }
}

} // namespace quillon
