#include "model/DealArrangements.h"

#include "model/CardRemoval.h"
#include "model/Session.h"

#include <algorithm>
#include <functional>

namespace quillon {

namespace {

enum : int {
    kAttrTableauFan = 3,
    kAttrExtraFoundationCard = 13,
    kAttrGridWidth = 30,
    kAttrDealPileByPile = 26,
    kAttrFamilyArrangement = 36,
    kAttrFamily = 54,
    kAttrFoundationBase = 55,
    kAttrFoundationDirection = 71,
    kAttrFoundationRule = 87,
    kAttrFoundationStart = 103,
    kAttrTableauRule = 215,
    kAttrWrap = 255,
    kAttrFoundationCount = 374,
    kAttrTableauCount = 375,
    kAttrReserveCount = 376,
};

const std::string kEmptySlot = "000";

// The family whose game is won when tableau cell k holds card k + 1 (or k + 14, the same rank of
// the next suit) from the first cell on, and the rule that slides a card into a neighbouring gap.
constexpr int kOrderingFamily = 34;
constexpr int kGridSlideRule = 70;

int Count(const Session& s, int attr, int most) {
    return std::clamp(s.Attr(attr), 0, most);
}

std::string& Tableau(Session& s, int m) {
    return s.Piles.TableauPiles[static_cast<size_t>(m - 1)];
}
std::string& Foundation(Session& s, int k) {
    return s.Piles.FoundationPiles[static_cast<size_t>(k - 1)];
}
std::string& Reserve(Session& s, int r) {
    return s.Piles.ReservePiles[static_cast<size_t>(r - 1)];
}
std::string& Stock(Session& s) {
    return s.Piles.StockPiles[0];
}
std::string& Waste(Session& s) {
    return s.Piles.StockPiles[1];
}

void AppendFaceUp(Session& s, std::string& pile, int card) {
    pile += CardText(card);
    s.Cards.SetCardFace(card, '1');
}

void EraseAt(std::string& pile, int k) {
    pile.erase(static_cast<size_t>(3 * k), 3);
}

int Longest(const Session& s, const std::string* piles, int count) {
    int L = 0;
    for (int i = 0; i < count; ++i)
        L = std::max(L, PileSize(piles[i]));
    return L;
}

// Aces of the tableau (or of the reserves) go to the foundations; each played ace is replaced by
// the top card of the stock, or of the waste when the stock is empty.
void PlayAcesOut(Session& s, bool reserves) {
    const int count =
        reserves ? Count(s, kAttrReserveCount, kReserveCount) : Count(s, kAttrTableauCount, kTableauCount);
    auto pile = [&](int m) -> std::string& { return reserves ? Reserve(s, m) : Tableau(s, m); };
    const int L = reserves ? Longest(s, s.Piles.ReservePiles.data(), count)
                           : Longest(s, s.Piles.TableauPiles.data(), count);
    for (int p = 0; p <= L; ++p)
        for (int m = 1; m <= count; ++m) {
            while (true) {
                int card = PileCard(pile(m), p);
                if (card <= 0 || CardRank(card) != 1 || CardIsJoker(card))
                    break;
                if (!PlayToFoundation(s, card, kAnyFoundation))
                    break;
                int refill = PileTop(Stock(s));
                if (refill == 0)
                    refill = PileTop(Waste(s));
                // With both stock and waste empty the pile simply keeps what is left of it.
                if (refill == 0)
                    break;
                RemoveCardFromPiles(s, refill);
                AppendFaceUp(s, pile(m), refill);
            }
        }
}

// Aces out of the first reserve to foundations 2, 3, ...; then the waste gives its aces to
// foundation 1 and refills the reserve with one non-ace per ace taken.
void AcesOutOfFirstReserve(Session& s) {
    int n = 0;
    for (bool found = true; found;) {
        found = false;
        std::string& r = Reserve(s, 1);
        for (int k = 0; k < PileSize(r); ++k) {
            int card = PileCard(r, k);
            if (CardRank(card) == 1 && !CardIsJoker(card) && n + 2 <= kFoundationCount) {
                EraseAt(r, k);
                Foundation(s, n + 2) = CardText(card);
                ++n;
                found = true;
                break;
            }
        }
    }
    bool aceToFirst = false;
    std::string& waste = Waste(s);
    for (int pos = 0; pos < PileSize(waste); ++pos) {
        int card = PileCard(waste, pos);
        if (CardRank(card) == 1 && !CardIsJoker(card)) {
            EraseAt(waste, pos);
            std::string& f = Foundation(s, 1);
            f += CardText(card);
            s.Cards.SetCardFace(PileTop(f), '1');
            aceToFirst = true;
        } else if (n > 0) {
            EraseAt(waste, pos);
            std::string& r = Reserve(s, 1);
            r += CardText(card);
            s.Cards.SetPileFaces(r, PileSize(r), '1');
            --n;
        }
        if (n == 0 && aceToFirst)
            break;
    }
}

void KingsToStock(Session& s) {
    auto handle = [&](std::string& pile) {
        int bottom = PileCard(pile, 0);
        if (bottom <= 0 || CardRank(bottom) != 13 || CardIsJoker(bottom))
            return;
        // The whole pile goes under the stock, so nothing dealt to it is lost.
        std::string& stock = Stock(s);
        stock.insert(0, pile);
        pile.clear();
        s.Cards.SetCardFace(PileTop(stock), '0');
        for (int k = 0; k < PileSize(stock); ++k) {
            int c = PileCard(stock, k);
            if (c > 0 && (CardRank(c) != 13 || CardIsJoker(c))) {
                EraseAt(stock, k);
                AppendFaceUp(s, pile, c);
                break;
            }
        }
    };
    for (int m = 1; m <= Count(s, kAttrTableauCount, kTableauCount); ++m)
        handle(Tableau(s, m));
    for (int k = 1; k <= Count(s, kAttrFoundationCount, kFoundationCount); ++k)
        handle(Foundation(s, k));
}

void PilesFromKings(Session& s, DeckList& deck, int K) {
    auto it = std::find_if(deck.begin(), deck.end(), [&](int c) { return CardRank(c) == K; });
    if (it == deck.end())
        return;
    int first = *it;
    deck.erase(it);
    Tableau(s, 1) = CardText(first);
    s.Cards.SetCardFace(first, '1');
    int l = 1;
    for (int c : deck) {
        if (CardRank(c) == K && l < kTableauCount)
            ++l;
        AppendFaceUp(s, Tableau(s, l), c);
    }
    deck.clear();
    PlayDealtToFoundations(s);
}

bool PileHoldsRank(const std::string& pile, int rank, int skip) {
    for (int k = 0; k < PileSize(pile); ++k)
        if (k != skip) {
            const int c = PileCard(pile, k);
            if (c > 0 && CardRank(c) == rank)
                return true;
        }
    return false;
}

// When every card left repeats a rank of pile m, a card already placed in an earlier pile whose
// rank pile m lacks moves into pile m, and a card left takes its place there if that pile lacks
// the card's rank. The deal then keeps each pile free of pairs wherever an exchange allows it.
std::vector<int>::iterator SwapIntoEarlierPile(Session& s, int m, std::vector<int>& J) {
    std::string& target = Tableau(s, m);
    for (auto it = J.begin(); it != J.end(); ++it)
        for (int p = 1; p < m; ++p) {
            std::string& earlier = Tableau(s, p);
            for (int k = 0; k < PileSize(earlier); ++k) {
                const int x = PileCard(earlier, k);
                if (x <= 0 || PileHoldsRank(target, CardRank(x), -1) ||
                    PileHoldsRank(earlier, CardRank(*it), k))
                    continue;
                earlier.replace(static_cast<size_t>(3 * k), 3, CardText(*it));
                PlaceDistinctRank(s, m, x);
                return it;
            }
        }
    return J.end();
}

void DistinctRanks(Session& s) {
    const int count = Count(s, kAttrTableauCount, kTableauCount);
    std::vector<int> J;
    for (int m = 1; m <= count; ++m)
        for (int k = 0; k < PileSize(Tableau(s, m)); ++k)
            J.push_back(PileCard(Tableau(s, m), k));
    for (int m = 1; m <= count; ++m) {
        const int n = PileSize(Tableau(s, m));
        std::string slots;
        for (int k = 0; k < n; ++k)
            slots += kEmptySlot;
        Tableau(s, m) = slots;
        for (int slot = 0; slot < n && !J.empty(); ++slot) {
            auto it = std::find_if(J.begin(), J.end(), [&](int c) { return PlaceDistinctRank(s, m, c); });
            if (it == J.end())
                it = SwapIntoEarlierPile(s, m, J);
            if (it == J.end()) {
                // No card of a new rank is left: the first one fills the slot, so no card is lost.
                std::string& pile = Tableau(s, m);
                size_t at = std::string::npos;
                for (size_t i = 0; i + 3 <= pile.size(); i += 3)
                    if (pile.compare(i, 3, kEmptySlot) == 0) {
                        at = i;
                        break;
                    }
                if (at == std::string::npos)
                    break;
                pile.replace(at, 3, CardText(J.front()));
                it = J.begin();
            }
            J.erase(it);
        }
    }
}

void ThirteenPlaces(Session& s, DeckList& deck) {
    int place = 1;
    for (int c : deck) {
        if (CardRank(c) == place) {
            Stock(s) += CardText(c);
            s.Cards.SetCardFace(c, '0');
            continue;
        }
        AppendFaceUp(s, place == 13 ? Reserve(s, 1) : Tableau(s, place), c);
        place = place == 13 ? 1 : place + 1;
    }
    deck.clear();
}

void FourGroups(Session& s, DeckList& deck) {
    s.Game.OnceUsed = 0;
    s.Game.DealValues.fill(0);
    for (size_t i = 0; i <= 20 && i < deck.size();) {
        int r = CardRank(deck[i]);
        if (r >= 11 && r <= 13)
            deck.erase(deck.begin() + static_cast<long>(i));
        else
            ++i;
    }
    auto sum = [&](size_t from) {
        int t = 0;
        for (size_t i = from; i < from + 4 && i < deck.size(); ++i)
            t += CardRank(deck[i]);
        return static_cast<std::int16_t>(t);
    };
    s.Game.OnceUsed = sum(0);
    s.Game.DealValues[0] = sum(4);
    s.Game.DealValues[1] = sum(8);
    s.Game.DealValues[2] = sum(12);
    if (deck.size() > 16)
        deck.resize(16);
    RankShuffle(deck);
    for (size_t i = 0; i < deck.size(); ++i) {
        Tableau(s, static_cast<int>(i) + 1) = CardText(deck[i]);
        s.Cards.SetCardFace(deck[i], '1');
    }
}

// Family 38: the first ten cards of the first deck, in deck order, lie face up on the foundations
// for the player to remember, and the whole second deck forms the stock, face down; the rest of
// the first deck takes no part.
void RememberedCards(Session& s, DeckList& deck) {
    const int places = std::min(Count(s, kAttrFoundationCount, kFoundationCount), 10);
    int placed = 0;
    DeckList left;
    for (int c : deck) {
        if (c >= 1 && c <= 52 && placed < places && Foundation(s, placed + 1).empty()) {
            AppendFaceUp(s, Foundation(s, ++placed), c);
        } else if (c > 52 && c <= 104) {
            Stock(s) += CardText(c);
            s.Cards.SetCardFace(c, '0');
        } else {
            left.push_back(c);
        }
    }
    deck = std::move(left);
}

void FamilyArrangement(Session& s, DeckList& deck) {
    const int tableaus = Count(s, kAttrTableauCount, kTableauCount);
    switch (s.Attr(kAttrFamilyArrangement)) {
    case 1:
        KingsToStock(s);
        break;
    case 2:
        PilesFromKings(s, deck, 13);
        break;
    case 4:
        PilesFromKings(s, deck, 12);
        break;
    case 3:
        DistinctRanks(s);
        break;
    case 5:
    case 6: {
        const int shift = s.Attr(kAttrFamilyArrangement) == 5 ? 1 : 0;
        DeckList left;
        for (int c : deck) {
            int pile = CardRank(c) - shift;
            if (pile >= 1 && pile <= kTableauCount && !CardIsJoker(c))
                AppendFaceUp(s, Tableau(s, pile), c);
            else
                left.push_back(c); // an ace with nowhere to go stays out of the game
        }
        deck = std::move(left);
        break;
    }
    case 7:
        for (int m = 1; m <= tableaus && m <= kFoundationCount; ++m)
            if (int bottom = PileCard(Tableau(s, m), 0); bottom > 0)
                PlayToFoundation(s, bottom, m);
        break;
    case 8:
    case 21:
        for (int m = 1; m <= tableaus; ++m) {
            std::string& pile = Tableau(s, m);
            for (int k = 0; k < PileSize(pile); ++k) {
                int c = PileCard(pile, k);
                if (c > 0 && CardRank(c) == 1)
                    pile.replace(static_cast<size_t>(3 * k), 3, kEmptySlot);
            }
        }
        if (s.Attr(kAttrFamilyArrangement) == 21) {
            Foundation(s, 1) = "014027040001";
            Foundation(s, 2) = "024037050011";
            Foundation(s, 3) = "025038051012";
            Foundation(s, 4) = "026039052013";
            for (int c : {1, 11, 12, 13})
                s.Cards.SetCardFace(c, '1');
        }
        break;
    case 9: {
        int gap = tableaus > 13 ? tableaus + 13 : tableaus;
        for (int m = 1; m <= tableaus; ++m)
            if (PileCard(Tableau(s, m), 0) == gap) {
                Tableau(s, m).clear();
                break;
            }
        break;
    }
    case 10: {
        int m = s.Random.RandomInt(tableaus - 1);
        if (m >= 0 && m < tableaus)
            Tableau(s, m + 1).clear();
        break;
    }
    case 13:
        for (int l = 0;
             l < Count(s, kAttrFoundationCount, kFoundationCount) && l < static_cast<int>(deck.size()); ++l) {
            int c = deck[static_cast<size_t>(l)];
            Foundation(s, l + 1) = CardText(c);
            s.Cards.SetCardFace(c, '1');
        }
        break;
    case 15:
        for (int m = 1; m <= tableaus; ++m) {
            std::string& pile = Tableau(s, m);
            for (int k = 0; k < PileSize(pile); ++k)
                if (int c = PileCard(pile, k); c > 0 && CardRank(c) == 13)
                    pile.replace(static_cast<size_t>(3 * k), 3, kEmptySlot);
            if (pile.size() < 27)
                pile.resize(27, '0');
        }
        break;
    case 17:
        ThirteenPlaces(s, deck);
        break;
    case 18:
        FourGroups(s, deck);
        break;
    default:
        break;
    }
}

} // namespace

int RemoveCardFromPiles(Session& s, int card) {
    return TakeCardFromPiles(s.Piles, card, false).kind;
}

bool PlayToFoundation(Session& s, int card, int k) {
    if (!s.Hooks.RuleAccepts)
        return false;
    const int count = Count(s, kAttrFoundationCount, kFoundationCount);
    const int from = k == kAnyFoundation ? 0 : k - 1;
    const int to = k == kAnyFoundation ? count - 1 : k - 1;
    for (int i = std::max(from, 0); i <= to && i < kFoundationCount; ++i) {
        std::string& f = s.Piles.FoundationPiles[static_cast<size_t>(i)];
        RuleQuery q;
        // The rule evaluator takes -1 for an empty pile.
        q.top = f.empty() ? -1 : PileTop(f);
        q.card = card;
        q.emptyValue = s.Attr(kAttrFoundationBase + i);
        q.stopRank = s.Attr(kAttrFoundationBase);
        q.direction = s.Attr(kAttrFoundationDirection + i);
        q.rule = s.Attr(kAttrFoundationRule + i);
        q.toFoundation = true;
        q.wrap = s.Attr(kAttrWrap + i) > 0;
        q.index = i;
        q.placing = false;
        if (!s.Hooks.RuleAccepts(s, q))
            continue;
        RemoveCardFromPiles(s, card);
        AppendFaceUp(s, s.Piles.FoundationPiles[static_cast<size_t>(i)], card);
        if (s.Hooks.AddScore)
            s.Hooks.AddScore(s, 1);
        return true;
    }
    return false;
}

void PlayDealtToFoundations(Session& s) {
    const int count = Count(s, kAttrTableauCount, kTableauCount);
    const int L = Longest(s, s.Piles.TableauPiles.data(), count);
    const int startCode = s.Attr(kAttrFoundationStart);
    int target = kAnyFoundation;
    auto offer = [&](int m, int p) {
        while (true) {
            int card = PileCard(Tableau(s, m), p);
            if (card <= 0)
                return;
            bool played = false;
            if (startCode == 94)
                target = m;
            if (startCode == 95) {
                int lo = 1, hi = 8;
                if (m >= 1 && m <= 4)
                    lo = 1, hi = 4;
                else if (m >= 7 && m <= 10)
                    lo = 5, hi = 8;
                for (int f = lo; f <= hi && !played; ++f)
                    played = PlayToFoundation(s, card, f);
            } else {
                played = PlayToFoundation(s, card, target);
            }
            if (!played)
                return;
        }
    };
    if (s.Attr(kAttrDealPileByPile) == 0) {
        for (int p = 0; p <= L; ++p)
            for (int m = 1; m <= count; ++m)
                offer(m, p);
    } else {
        for (int m = 1; m <= count; ++m)
            for (int p = 0; p <= L; ++p)
                offer(m, p);
    }
}

bool PlaceDistinctRank(Session& s, int m, int card) {
    if (m < 1 || m > kTableauCount)
        return false;
    std::string& pile = Tableau(s, m);
    for (int k = 0; k < PileSize(pile); ++k) {
        int c = PileCard(pile, k);
        if (c > 0 && CardRank(c) == CardRank(card))
            return false;
    }
    for (size_t i = 0; i + 3 <= pile.size(); i += 3)
        if (pile.compare(i, 3, kEmptySlot) == 0) {
            pile.replace(i, 3, CardText(card));
            return true;
        }
    return false;
}

void RankShuffle(std::vector<int>& list) {
    if (list.empty())
        return;
    std::vector<int> out;
    int b = CardRank(list[list.size() / 2]);
    while (!list.empty()) {
        if (b > static_cast<int>(list.size()) - 1 || b < 0)
            b = 0;
        out.push_back(list[static_cast<size_t>(b)]);
        list.erase(list.begin() + b);
        if (!list.empty()) {
            b = CardRank(list.front());
            b += list.size() % 2 == 0 ? 3 : 2;
        }
    }
    list = std::move(out);
}

namespace {

// Fills `cellOf` (one entry per tile, the tiles in reading order) with the cell each tile must
// reach in the won order. Tile c belongs in cell c - 1 or c - 14; where a tile could go to two
// cells the choice is made by augmenting paths so that every cell but the last gets one tile.
// False when the tiles cannot fill the cells at all.
bool TargetCells(const std::vector<int>& tiles, int cells, std::vector<int>& cellOf) {
    const int n = static_cast<int>(tiles.size());
    std::vector<int> owner(static_cast<size_t>(cells), -1);
    auto fits = [&](int tile, int cell) {
        return tiles[static_cast<size_t>(tile)] == cell + 1 || tiles[static_cast<size_t>(tile)] == cell + 14;
    };
    std::vector<char> seen;
    std::function<bool(int)> place = [&](int tile) {
        for (int cell = 0; cell < cells; ++cell) {
            if (!fits(tile, cell) || seen[static_cast<size_t>(cell)])
                continue;
            seen[static_cast<size_t>(cell)] = 1;
            if (owner[static_cast<size_t>(cell)] < 0 || place(owner[static_cast<size_t>(cell)])) {
                owner[static_cast<size_t>(cell)] = tile;
                return true;
            }
        }
        return false;
    };
    for (int tile = 0; tile < n; ++tile) {
        seen.assign(static_cast<size_t>(cells), 0);
        if (!place(tile))
            return false;
    }
    cellOf.assign(static_cast<size_t>(n), -1);
    for (int cell = 0; cell < cells; ++cell)
        if (owner[static_cast<size_t>(cell)] >= 0)
            cellOf[static_cast<size_t>(owner[static_cast<size_t>(cell)])] = cell;
    return true;
}

// The board of a sliding puzzle as dealt: every cell but one holds one card, one cell is the gap,
// and every cell slides by the grid rule. Empty when the game is no such puzzle.
struct SlidingBoard {
    int width = 0, rows = 0, gap = -1;
    std::vector<int> tileCells; // the cells that hold a tile, in reading order
    std::vector<int> cellOf;    // for each of them, the cell its tile belongs in
};

bool ReadSlidingBoard(const Session& s, SlidingBoard& b) {
    const int cells = Count(s, kAttrTableauCount, kTableauCount);
    const int w = s.Attr(kAttrGridWidth);
    if (s.Attr(kAttrFamily) != kOrderingFamily || w < 2 || cells < 2 * w || cells % w != 0)
        return false;
    std::vector<int> tiles;
    b = SlidingBoard{w, cells / w, -1, {}, {}};
    for (int k = 0; k < cells; ++k) {
        if (s.Attr(kAttrTableauRule + k) != kGridSlideRule)
            return false;
        const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(k)];
        if (pile.empty()) {
            if (b.gap >= 0)
                return false;
            b.gap = k;
        } else if (PileSize(pile) == 1 && PileCard(pile, 0) > 0) {
            b.tileCells.push_back(k);
            tiles.push_back(PileCard(pile, 0));
        } else {
            return false;
        }
    }
    return b.gap >= 0 && TargetCells(tiles, cells - 1, b.cellOf);
}

// A slide sideways keeps the tiles' reading order; a slide up or down moves one tile past the
// width - 1 tiles between, and moves the gap one row. So on an odd width the parity of the
// inversions never changes, and on an even width that parity plus the gap's row does. The won
// board has no inversions and its gap in the bottom row.
bool BoardSolvable(const SlidingBoard& b) {
    int inversions = 0;
    for (size_t i = 0; i < b.cellOf.size(); ++i)
        for (size_t j = i + 1; j < b.cellOf.size(); ++j)
            inversions += b.cellOf[i] > b.cellOf[j] ? 1 : 0;
    if (b.width % 2 == 1)
        return inversions % 2 == 0;
    const int gapRowFromBottom = b.rows - b.gap / b.width; // 1 for the bottom row
    return (inversions + gapRowFromBottom) % 2 == 1;
}

} // namespace

bool IsSlidingPuzzle(const Session& s) {
    SlidingBoard b;
    return ReadSlidingBoard(s, b);
}

bool SlidingPuzzleSolvable(const Session& s) {
    SlidingBoard b;
    return !ReadSlidingBoard(s, b) || BoardSolvable(b);
}

void MakeSlidingPuzzleSolvable(Session& s) {
    SlidingBoard b;
    if (!ReadSlidingBoard(s, b) || BoardSolvable(b) || b.tileCells.size() < 2)
        return;
    // Exchanging two tiles changes the parity of the inversions and nothing else: the last two
    // tiles in reading order, so the rule is fixed and a deal code still means one board.
    auto& piles = s.Piles.TableauPiles;
    const size_t last = b.tileCells.size() - 1;
    std::swap(piles[static_cast<size_t>(b.tileCells[last - 1])],
              piles[static_cast<size_t>(b.tileCells[last])]);
}

void RunDealArrangements(Session& s, DeckList& deck) {
    if (s.Attr(kAttrExtraFoundationCard) == 1 && !deck.empty()) {
        int card = deck.front();
        deck.erase(deck.begin());
        AppendFaceUp(s, Foundation(s, 1), card);
    }
    if (s.Attr(kAttrFamily) == 11)
        AcesOutOfFirstReserve(s);
    const int startCode = s.Attr(kAttrFoundationStart);
    if (startCode == 93 || startCode == 94 || startCode == 95)
        PlayDealtToFoundations(s);
    if (startCode == 96)
        PlayAcesOut(s, false);
    if (startCode == 98) {
        const int foundations = Count(s, kAttrFoundationCount, kFoundationCount);
        const auto before = s.GameAttr[kAttrFoundationRule];
        for (int i = 0; i < foundations; ++i)
            s.GameAttr[static_cast<size_t>(kAttrFoundationRule + i)] = 0;
        PlayAcesOut(s, true);
        for (int i = 0; i < foundations; ++i)
            s.GameAttr[static_cast<size_t>(kAttrFoundationRule + i)] = before;
    }
    if (s.Attr(kAttrFamily) == 22) {
        RemoveCardFromPiles(s, 12);
        RemoveCardFromPiles(s, 13);
        Stock(s).insert(0, CardText(13));
        AppendFaceUp(s, Tableau(s, 1), 12);
    }
    if (s.Attr(kAttrFamily) == 38)
        RememberedCards(s, deck);
    FamilyArrangement(s, deck);
    if (s.Attr(kAttrTableauFan) == 8 && PileSize(Tableau(s, 1)) > 1) {
        std::string& pile = Tableau(s, 1);
        std::string spaced;
        for (int k = 0; k < PileSize(pile); ++k) {
            if (k > 0)
                spaced += kEmptySlot;
            spaced += pile.substr(static_cast<size_t>(3 * k), 3);
        }
        pile = spaced;
    }
    MakeSlidingPuzzleSolvable(s);
}

} // namespace quillon
