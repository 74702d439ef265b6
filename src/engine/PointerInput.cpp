#include "engine/PointerInput.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/DropTargets.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/PickUp.h"
#include "engine/Stock.h"
#include "engine/TableView.h"
#include "engine/Undo.h"
#include "model/Cards.h"

#include <algorithm>

namespace quillon {

namespace {

constexpr int kAttrSingleClickGame = 39;
constexpr int kAttrPairingGame = 41;
constexpr int kAttrMoveHintKey = 47;
constexpr int kAttrFamily = 54;
constexpr int kAttrWasteLocked = 8;
constexpr int kAttrStockMarker = 10;
constexpr int kAttrRedealMarker = 17;
constexpr int kAttrPickUpRule = 14;
constexpr int kAttrReserveRule = 15;
constexpr int kAttrFoundationPickUp = 19;
constexpr int kAttrReserveCount = 376;
constexpr int kReserveWholeDrag = -11;
constexpr int kReserveNoPickUp = -14;
constexpr int kReserveRowRule = -15;

int Family(const Session& s) {
    return s.Attr(kAttrFamily);
}
bool OneOf(int v, std::initializer_list<int> list) {
    return std::find(list.begin(), list.end(), v) != list.end();
}
bool Inside(const TableRect& r, int x, int y) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

// The fan kind of a tableau pile (0-based) or reserve; the mixed kind 11 splits its piles into
// right-fanned (1 to 7) and left-fanned ones.
int TableauFan(const Session& s, int pileIndex) {
    int mode = s.Attr(attr::TableauFan);
    if (mode == 11)
        return s.Attr(6) == 1 ? (pileIndex < 7 ? 2 : 10) : 0;
    return mode;
}

// Place of card k (0-based from the bottom) of a pile of `count` cards.
int SlotX(const Session& s, std::string_view pile, int count, int k) {
    return CardPlaceX(s, pile, count - 1 - k, false);
}
int SlotY(const Session& s, std::string_view pile, int count, int k) {
    return CardPlaceY(s, pile, count - 1 - k, false);
}

bool IsVertical(int mode) {
    return OneOf(mode, {1, 3, 5, 7, 12, 13});
}

} // namespace

CardHit CardInPile(Session& s, const std::string& prefix, const std::string& content, int pileIndex, int x,
                   int y) {
    const bool tableau = prefix == "Fila";
    const std::string name = PileName(prefix, pileIndex + 1);
    int ox = 0, oy = 0;
    const int count = PileSize(content);
    if (count == 0 || !PilePosition(s, name, ox, oy))
        return {};
    const int mode = tableau ? TableauFan(s, pileIndex) : s.Attr(attr::ReserveFan);
    const TMainGame& g = s.Game;
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;

    if (IsVertical(mode)) {
        int top = oy;
        for (int k = 0; k < count; ++k) {
            const int card = PileCard(content, k);
            int h;
            if (k == count - 1)
                h = ch - 1;
            else if (mode == 1 || mode == 3 || mode == 13)
                h = card > 0 && s.Cards.CardIsHidden(card) ? g.StepDownY : g.StepUpY;
            else if (mode == 12)
                h = card > 0 && s.Cards.CardIsHidden(card) ? g.StepDownY : g.StepUpY;
            else if (mode == 7)
                h = k == 0 ? g.StepUpY : 0;
            else
                h = g.StepMode5;
            if (y >= top && y <= top + h) {
                if (mode == 3)
                    return {PileCard(content, count - 1), ox, oy};
                return {card, SlotX(s, name, count, k), top};
            }
            top += h;
        }
        return {};
    }
    if (mode == 8 || mode == 9) {
        for (int k = 0; k < count; ++k) {
            const int card = PileCard(content, k);
            if (card <= 0)
                continue;
            const int cx = SlotX(s, name, count, k), cy = SlotY(s, name, count, k);
            if (Inside(CardRect(s, cx, cy), x, y))
                return {card, cx, cy};
        }
        return {};
    }
    if (OneOf(mode, {2, 4, 6, 10})) {
        int left = ox;
        for (int k = 0; k < count; ++k) {
            const int card = PileCard(content, k);
            const bool hidden = card > 0 && s.Cards.CardIsHidden(card);
            int w;
            int advance;
            if (mode == 4) {
                w = cw;
                advance = cw + g.RowGap;
            } else if (mode == 2) {
                w = advance = hidden ? g.StepDownX : g.StepUpX;
            } else if (mode == 6) {
                w = advance = g.StepMode6X;
            } else {
                w = advance = -(hidden ? g.StepDownX : g.StepUpX);
            }
            if (k == count - 1)
                w = cw - 1;
            if (x >= left && x <= left + w)
                return {card, left, oy};
            left += advance;
        }
        return {};
    }
    // Squared piles: the top card at its place.
    const int top = PileCard(content, count - 1);
    return {top, CardPlaceX(s, name, 0, false), CardPlaceY(s, name, 0, false)};
}

HitResult HitTest(Session& s, int x, int y, bool reportEmpty) {
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    auto cardResult = [&](const std::string& pile, int card, int cx, int cy) {
        HitResult r;
        r.pile = pile;
        r.card = card;
        if (card > 0)
            r.rect = CardRect(s, cx, cy);
        return r;
    };

    // The stock, the waste and the second waste: one card each.
    for (const char* name : {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"}) {
        int px = 0, py = 0;
        if (!PilePosition(s, name, px, py))
            continue;
        if (Inside(CardRect(s, px, py), x, y))
            return cardResult(name, std::max(0, s.TopCard(name)), px, py);
    }

    // The tableau piles; overlapping rows of kind 4 are tried from the last pile.
    const int tableauMode = s.Attr(attr::TableauFan);
    for (int n = 0; n < kTableauCount; ++n) {
        const int i = tableauMode == 4 ? kTableauCount - 1 - n : n;
        const std::string name = PileName("Fila", i + 1);
        const std::string* content = s.Piles.Find(name);
        int px = 0, py = 0;
        if (!content || !PilePosition(s, name, px, py))
            continue;
        const int mode = TableauFan(s, i);
        const int count = PileSize(*content);
        TableRect r{px, py, px + cw, py + ch};
        bool everywhere = false;
        if (IsVertical(mode) && mode != 5) {
            r.bottom = s.PileBottomEdge(name);
        } else if (mode == 2 || mode == 6 || mode == 4) {
            r.right = CardPlaceX(s, name, 0, false) + cw;
        } else if (mode == 10) {
            r.left = CardPlaceX(s, name, 0, false);
        } else if (mode == 9) {
            for (int k = 0; k < count; ++k) {
                const int cx = SlotX(s, name, count, k), cy = SlotY(s, name, count, k);
                r.left = std::min(r.left, cx), r.top = std::min(r.top, cy);
                r.right = std::max(r.right, cx + cw), r.bottom = std::max(r.bottom, cy + ch);
            }
        } else if (mode == 8) {
            everywhere = true;
        }
        if (!everywhere && !Inside(r, x, y))
            continue;
        const CardHit hit = CardInPile(s, "Fila", *content, i, x, y);
        if (hit.card > 0 || reportEmpty)
            return cardResult(name, std::max(0, hit.card), hit.x, hit.y);
        return {};
    }

    // The foundations: the top card's place, empty or not.
    const int foundationMode = s.Attr(attr::FoundationFan);
    for (int i = 0; i < kFoundationCount; ++i) {
        const std::string name = PileName("Dest", i + 1);
        int px = 0, py = 0;
        if (!s.Piles.Find(name) || !PilePosition(s, name, px, py))
            continue;
        if (foundationMode == 1 || foundationMode == 3)
            py = s.PileBottomEdge(name) - ch;
        else if (foundationMode == 2 || foundationMode == 6)
            px = CardPlaceX(s, name, 0, true);
        if (!Inside(CardRect(s, px, py), x, y))
            continue;
        const int top = std::max(0, s.TopCard(name));
        const TableRect at = TopCardRect(s, name);
        return cardResult(name, top, at.left, at.top);
    }

    // The reserves: a card ends the search; a miss is remembered only when asked for.
    HitResult result;
    const int reserveMode = s.Attr(attr::ReserveFan);
    const int reserves = std::clamp(s.Attr(kAttrReserveCount), 0, kReserveCount);
    for (int i = 0; i < reserves; ++i) {
        const std::string name = PileName("Appogg", i + 1);
        const std::string* content = s.Piles.Find(name);
        int px = 0, py = 0;
        if (!content || !PilePosition(s, name, px, py))
            continue;
        TableRect r{px, py, px + cw, py + ch};
        if (OneOf(reserveMode, {1, 3, 5, 13}))
            r.bottom = s.PileBottomEdge(name);
        else if (reserveMode == 2)
            r = CardRect(s, CardPlaceX(s, name, 0, true), py);
        if (Inside(r, x, y) && PileSize(*content) > 0) {
            const CardHit hit = CardInPile(s, "Appogg", *content, i, x, y);
            if (hit.card > 0)
                return cardResult(name, hit.card, hit.x, hit.y);
        }
        if (reportEmpty && Inside(r, x, y))
            result = cardResult(name, 0, 0, 0);
    }
    return result;
}

bool SendByClick(Session& s, int card, const TableRect& rect, const std::string&, bool toFoundations,
                 bool toTableaus) {
    if (card <= 0)
        return false;
    return SendCard(s, card, rect, true, toFoundations, toTableaus, false, false, true);
}

void StartDrag(Session& s, int card, const TableRect& rect, bool lift, bool wholeReserve) {
    TableView& view = View(s);
    if (s.Game.DragCard == 0) {
        s.Game.DragStartX = s.Game.PressX;
        s.Game.DragStartY = s.Game.PressY;
        s.Game.DragCard = static_cast<std::int16_t>(card);
    }
    s.GrabOffsetX = s.Game.PressX - rect.left;
    s.GrabOffsetY = s.Game.PressY - rect.top;
    s.DragRect = rect;
    view.BuildDragImage(card);
    view.LiftCard(card);
    if (s.Params.ReadParam(param::CardsShadowed, 1) != "N") {
        const int shift = s.Metrics.ShadowSize - 2;
        view.MoveDragImage(rect.left - shift, rect.top - shift, false, !lift);
        s.GrabOffsetX += shift;
        s.GrabOffsetY += shift;
        view.PlaySound("card_up", s.Params.ReadParam(param::SoundCardUp, 1) == "Y");
    } else if ((wholeReserve && s.Attr(kAttrReserveRule) == kReserveWholeDrag) ||
               s.Params.ReadParam(param::PilesHandPlaced, 1) != "N") {
        view.MoveDragImage(rect.left, rect.top, false, false);
    }
}

namespace {

// Shows a partly covered face-up card whole until the release.
void PeekCard(Session& s, int card, const TableRect& rect) {
    if (card <= 0 || s.Cards.CardIsHidden(card) || s.Params.ReadParam(param::ShowPartialHiddenCard, 1) != "Y")
        return;
    View(s).DrawCard(card, rect.left, rect.top, Surface::Window, -1);
    s.PeekX = rect.left;
    s.PeekY = rect.top;
}

// The games that play a tableau card straight onto the second waste (families 2, 12 and 15).
void PlayToWaste(Session& s, int card, const TableRect& rect) {
    StartDrag(s, card, rect, true, false);
    int wx = 0, wy = 0;
    if (PilePosition(s, "Mazzo_Waste", wx, wy) && ParamNotN(s, param::CardsAnimate))
        FlyCard(s, card, s.DragRect.left, s.DragRect.top, wx, wy, false, true, false, false);
    const bool moved = ExecuteMove(s, card, "Waste");
    s.Game.DragCard = 0;
    s.Game.RunEndCard = 0;
    if (!moved)
        PutBackDragged(s);
    else if (s.Flag(GameWon))
        EndGame(s);
}

// Picks the card (or its run) up when the pick-up limit allows it; a refusal beeps, except where
// the refusal was the Draw of rule -17, which answers for itself.
void TakeOrBeep(Session& s, const std::string& pile, int card, const TableRect& rect, bool run) {
    const bool single = IsPileTop(s, card);
    if (!PickUpLimit(s, card, false)) {
        if (single || s.Attr(kAttrPickUpRule) != pickup::SingleOrDraw)
            View(s).Beep();
        return;
    }
    if (run)
        s.DragHeight = s.PileBottomEdge(pile) - rect.top;
    StartDrag(s, card, rect, !run, false);
}

// Rule A: a press on a card of a tableau pile. False when the press falls through to B or C.
bool TableauPress(Session& s, int button, bool ctrl, const HitResult& hit) {
    TableView& view = View(s);
    const int family = Family(s);
    const int card = hit.card;
    const int pileIndex = PileNumber(hit.pile) - 1;
    const int mode = TableauFan(s, pileIndex);
    const bool left = button == kLeftButton;
    const bool top = IsPileTop(s, card);

    if ((family == 2 || family == 15) && left) {
        bool taken = false;
        const int waste = PileTop(s.Piles.StockPiles[2]); // TopCard does not answer for the second waste
        if (top && waste > 0 && s.Hooks.RuleAccepts) {
            RuleQuery q;
            q.top = waste;
            q.card = card;
            q.emptyValue = -1;
            q.stopRank = -1;
            q.direction = 1;
            q.rule = 2;
            q.index = pileIndex;
            taken = s.Hooks.RuleAccepts(s, q);
            if (!taken) {
                std::swap(q.top, q.card);
                taken = s.Hooks.RuleAccepts(s, q);
            }
            const int a = CardRank(card), b = CardRank(waste);
            if (taken && ((a == 13 && b == 1) || (a == 1 && b == 13)))
                taken = family == 15;
        }
        if (taken)
            PlayToWaste(s, card, hit.rect);
        else
            view.Beep();
        return true;
    }
    if (family == 12) {
        const int waste = PileTop(s.Piles.StockPiles[2]); // TopCard does not answer for the second waste
        const int a = CardRank(card), b = waste > 0 ? CardRank(waste) : -10;
        if (top && waste > 0 && (a == b + 1 || a == b - 1 || (a == 1 && b == 13) || (a == 13 && b == 1)))
            PlayToWaste(s, card, hit.rect);
        else
            view.Beep();
        return true;
    }
    if ((OneOf(family, {3, 4, 67}) && left) || family == 33 || OneOf(family, {36, 37, 39})) {
        if (s.Play.SelectionPress)
            s.Play.SelectionPress(s, button, hit.pile, card);
        return true;
    }
    if (button == kRightButton && OneOf(family, {32, 46, 74}))
        return false;
    if (OneOf(family, {40, 53, 54}))
        return false;
    if (mode == 8 || mode == 9) {
        TakeOrBeep(s, hit.pile, card, hit.rect, false);
        return true;
    }
    if (family == 61)
        return false;
    if (mode == 12) {
        TakeOrBeep(s, hit.pile, card, hit.rect, false);
        return true;
    }
    if (left && TableauPileLocked(s, pileIndex))
        return true;
    if (left && top) {
        if (!s.Cards.CardIsHidden(card))
            TakeOrBeep(s, hit.pile, card, hit.rect, false);
        else if (family != 76)
            TurnUp(s, card, hit.rect.left, hit.rect.top, pileIndex);
        return true;
    }
    if (left) {
        if (!s.Cards.CardIsHidden(card) && RunIsSequence(s, card, pileIndex))
            TakeOrBeep(s, hit.pile, card, hit.rect, true);
        else
            view.Beep();
        return true;
    }
    (void)ctrl;
    // Only the right button shows a covered card whole; the middle button goes on to the
    // reserves' rule, which beeps when nothing is shown.
    if (button != kRightButton)
        return false;
    PeekCard(s, card, hit.rect);
    if (s.PeekX == 0 && s.PeekY == 0)
        view.Beep();
    return true;
}

// Rule C: the left button on the stock piles, the foundations and the reserves.
void OtherPilePress(Session& s, const HitResult& hit) {
    const int family = Family(s);
    const int card = hit.card;
    const int kind = PileKind(hit.pile);
    if (hit.pile == "Mazzo") {
        if (s.Play.StockClick)
            s.Play.StockClick(s);
        return;
    }
    if (hit.pile == "Mazzo_Vis") {
        if (card > 0 && s.Attr(kAttrWasteLocked) == 0) {
            if (family == 4 || family == 67) {
                if (s.Play.SelectionPress)
                    s.Play.SelectionPress(s, kLeftButton, hit.pile, card);
            } else if (family == 61) {
                const int dest = s.TopCard("Dest01");
                if (dest > 0 && CardRank(card) == CardRank(dest + 1))
                    SendCard(s, card, hit.rect, true, true, false, false, false, true);
            } else {
                StartDrag(s, card, hit.rect, true, false);
            }
        } else if (s.Attr(kAttrRedealMarker) >= 1 && PileSize(*s.Piles.Find("Mazzo")) == 0 &&
                   PileSize(*s.Piles.Find("Mazzo_Vis")) == 0) {
            ExecuteMove(s, 0, "Mazzo_Redeal");
        }
        return;
    }
    if (hit.pile == "Mazzo_Waste") {
        if (family == 64 && s.Play.SelectionPress)
            s.Play.SelectionPress(s, kLeftButton, hit.pile, card);
        return;
    }
    if (card <= 0)
        return;
    if (kind == kFoundationKind) {
        if (FoundationCardLifts(s, card, PileSize(*s.Piles.Find(hit.pile))))
            StartDrag(s, card, hit.rect, true, false);
        return;
    }
    if (kind == kReserveKind) {
        const int rule = s.Attr(kAttrReserveRule);
        if (rule == kReserveNoPickUp)
            return;
        if (rule == kReserveRowRule) {
            if (PickUpAllowed(s, card, false))
                StartDrag(s, card, hit.rect, true, false);
        } else if (IsPileTop(s, card)) {
            if (!s.Cards.CardIsHidden(card))
                StartDrag(s, card, hit.rect, true, false);
        } else if (rule == kReserveWholeDrag) {
            const std::string& content = *s.Piles.Find(hit.pile);
            const int first = PileCard(content, 0);
            int rx = 0, ry = 0;
            PilePosition(s, hit.pile, rx, ry);
            s.DragHeight = s.PileBottomEdge(hit.pile) - ry;
            StartDrag(s, first, CardRect(s, rx, ry), true, true);
        }
    }
}

} // namespace

void OnTablePress(Session& s, int button, int shift, int x, int y) {
    const PlayerAction action(s, InputKind::Press);
    TableView& view = View(s);
    view.HideHintPanels();
    if (!s.Flag(GameInPlay) || s.Game.DragCard != 0)
        return;
    s.Game.DragMoved = 0;
    if (s.Flag(SkipNextPress)) {
        s.SetFlag(SkipNextPress, false);
        return;
    }
    view.UpdateClockLabel();
    s.Game.PressX = static_cast<std::int16_t>(x);
    s.Game.PressY = static_cast<std::int16_t>(y);
    const HitResult hit = HitTest(s, x, y, false);
    const bool ctrl = (shift & kCtrlKey) != 0;
    const int family = Family(s);
    if (button == kRightButton && !ctrl && !OneOf(family, {32, 33, 46, 74}))
        return;
    if (button == kRightButton && ctrl && hit.pile.empty())
        return;
    if (hit.pile.empty())
        return;
    if (s.Attr(kAttrSingleClickGame) == 1) {
        SendByClick(s, hit.card, hit.rect, hit.pile, true, true);
        if (s.Flag(GameWon))
            EndGame(s);
        return;
    }
    s.DragHeight = s.Metrics.CardHeight;
    if (s.Attr(kAttrPairingGame) != 0) {
        if (s.Play.SelectionPress)
            s.Play.SelectionPress(s, button, hit.pile, hit.card);
        return;
    }
    if (PileKind(hit.pile) == kTableauKind && hit.card > 0 && TableauPress(s, button, ctrl, hit))
        return;
    if (button != kLeftButton) {
        // Rule B: a face-up reserve card of a fanned reserve is shown whole.
        const int reserveMode = s.Attr(attr::ReserveFan);
        if (PileKind(hit.pile) == kReserveKind && (reserveMode == 1 || reserveMode == 2))
            PeekCard(s, hit.card, hit.rect);
        if (s.PeekX == 0 && s.PeekY == 0)
            view.Beep();
        return;
    }
    OtherPilePress(s, hit);
}

void OnTableMove(Session& s, int x, int y) {
    if (s.Game.DragCard != 0) {
        s.Game.DragMoved = 1;
        View(s).SetBusyCursor(false);
        const int left = x - s.GrabOffsetX, top = y - s.GrabOffsetY;
        View(s).MoveDragImage(left, top, false, false);
        const int height = std::max(s.DragHeight, s.Metrics.CardHeight);
        s.DragRect = {left, top, left + s.Metrics.CardWidth, top + height};
        return;
    }
    if (s.Game.StockPressed == 1) {
        const char* marker = s.Attr(kAttrStockMarker) == 1 ? "Mazzo" : "Mazzo_Vis";
        int px = 0, py = 0;
        PilePosition(s, marker, px, py);
        // Sliding off the marker lets it go up again, wherever it lies, and cancels the redeal.
        if (!Inside(CardRect(s, px, py), x, y))
            SlideOffStockMarker(s);
        return;
    }
    // The hints are worked out again only when the pointer stands on another point.
    if (x == s.Game.HintX && y == s.Game.HintY)
        return;
    s.Game.HintX = static_cast<std::int16_t>(x);
    s.Game.HintY = static_cast<std::int16_t>(y);
    if (s.Play.PileHints)
        s.Play.PileHints(s, x, y);
}

void OnTableDoubleClick(Session& s) {
    const PlayerAction action(s, InputKind::Press);
    if (!s.Flag(GameInPlay) || s.Game.DragCard != 0)
        return;
    const HitResult hit = HitTest(s, s.Game.PressX, s.Game.PressY, false);
    if (hit.pile == "Mazzo") {
        s.SetFlag(SkipNextPress, false);
        return;
    }
    const bool single = s.Attr(kAttrSingleClickGame) == 1;
    const bool toFoundations = single || s.Params.ReadParam(param::DoubleClickToFoundations, 1) == "Y";
    const bool toTableaus = single || s.Params.ReadParam(param::DoubleClickToTableaus, 1) == "Y";
    if (!toFoundations && !toTableaus)
        return;
    const int card = hit.card;
    if (card <= 0 || s.Cards.CardIsHidden(card))
        return;
    s.SetFlag(SkipNextPress, true);
    const int kind = PileKind(hit.pile);
    bool moved = false;
    if (kind == kFoundationKind) {
        const int rule = s.Attr(kAttrFoundationPickUp);
        if (rule == 1 || (rule == 2 && PileSize(*s.Piles.Find(hit.pile)) > 1))
            moved = SendByClick(s, card, hit.rect, hit.pile, toFoundations, toTableaus);
    } else if (hit.pile == "Mazzo_Vis") {
        moved = SendByClick(s, card, hit.rect, hit.pile, toFoundations, toTableaus);
    } else if (kind == kTableauKind && s.Attr(kAttrPickUpRule) != 0) {
        if (IsPileTop(s, card)) {
            moved = SendByClick(s, card, hit.rect, hit.pile, toFoundations, toTableaus);
        } else if (PickUpAllowed(s, card, false)) {
            const bool single12 = TableauFan(s, PileNumber(hit.pile) - 1) == 12;
            if (!single12)
                s.DragHeight = s.PileBottomEdge(hit.pile) - hit.rect.top;
            moved = single12 ? SendByClick(s, card, hit.rect, hit.pile, false, toTableaus)
                             : SendCard(s, card, hit.rect, false, false, toTableaus, false, false, true);
            s.DragHeight = s.Metrics.CardHeight;
        }
    } else if (kind == kReserveKind &&
               (IsPileTop(s, card) || s.Attr(kAttrReserveRule) == kReserveWholeDrag)) {
        moved = SendByClick(s, card, hit.rect, hit.pile, toFoundations, toTableaus);
    }
    if (moved && s.Flag(GameWon))
        EndGame(s);
}

void OnTableKey(Session& s, char character) {
    const PlayerAction action(s);
    View(s).HideHintPanels();
    if (character == ' ') {
        int px = 0, py = 0;
        if (PilePosition(s, "Mazzo", px, py)) {
            OnTablePress(s, kLeftButton, 0, px + 1, py + 1);
            OnTableRelease(s, 0, 0);
        }
    } else if ((character == 'm' || character == 'M') && s.Attr(kAttrMoveHintKey) == 1) {
        if (s.Play.SuggestMove)
            s.Play.SuggestMove(s);
    }
}

} // namespace quillon
