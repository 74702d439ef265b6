#include "engine/SelectionGames.h"

#include "engine/CardFlight.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/PointerInput.h"
#include "engine/Stock.h"
#include "engine/TableView.h"
#include "model/Cards.h"

#include <algorithm>
#include <cstdlib>

namespace quillon {

namespace {

constexpr int kAttrTarget = 41;
constexpr int kSoundPairing = 175;
constexpr int kSoundCardUp = 182;
constexpr int kEventExchange = 4;
constexpr int kAttrFirstRowDeal = 382; // cards dealt to tableau pile 1 (pile 2 follows)
constexpr const char* kCaption = "Quillon 2003";
constexpr const char* kExchangeQuestion =
    "Would you like to exchange the position of these two cards?\nYou may perform this action only once "
    "during a game.";
constexpr const char* kNoSpace = "No tableau space to fill.";

int Family(const Session& s) {
    return s.Attr(attr::Family);
}
bool OneOf(int v, std::initializer_list<int> list) {
    return std::find(list.begin(), list.end(), v) != list.end();
}
std::string& Selection(Session& s) {
    return s.Piles.FoundationPiles[0];
}
std::string& Tableau(Session& s, int i) {
    return s.Piles.TableauPiles.at(static_cast<size_t>(i));
}
const std::string& Tableau(const Session& s, int i) {
    return s.Piles.TableauPiles.at(static_cast<size_t>(i));
}
std::string& Stock(Session& s) {
    return s.Piles.StockPiles[0];
}
void Sound(Session& s, const char* name, int switchPosition) {
    View(s).PlaySound(name, s.Params.Flag(switchPosition));
}
int Rank(int card) {
    return CardRank(card);
}

// Where a card lies, the selection's own copy on the first foundation left aside.
struct Holder {
    std::string pile;
    int index = -1;
    bool found() const { return index >= 0; }
};

Holder FindHolder(const Session& s, int card) {
    if (card < 1 || card > kCardCount)
        return {};
    auto look = [&](const std::string& name) -> Holder {
        const std::string* content = s.Piles.Find(name);
        const int at = content ? PileFind(*content, card) : -1;
        return at < 0 ? Holder{} : Holder{name, at};
    };
    for (const char* name : {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"})
        if (Holder h = look(name); h.found())
            return h;
    for (int k = 1; k <= kTableauCount; ++k)
        if (Holder h = look(PileName("Fila", k)); h.found())
            return h;
    for (int k = 2; k <= kFoundationCount; ++k)
        if (Holder h = look(PileName("Dest", k)); h.found())
            return h;
    for (int k = 1; k <= kReserveCount; ++k)
        if (Holder h = look(PileName("Appogg", k)); h.found())
            return h;
    return {};
}

// 0-based tableau pile of the card, -1 when it lies elsewhere.
int TableauPileOf(const Session& s, int card) {
    const Holder h = FindHolder(s, card);
    return h.found() && PileKind(h.pile) == kTableauKind ? PileNumber(h.pile) - 1 : -1;
}

// Top-left corner of a card's place on the table; false when it lies in no pile.
bool CardCorner(const Session& s, int card, int& x, int& y) {
    const Holder h = FindHolder(s, card);
    if (!h.found())
        return false;
    const int skip = PileSize(*s.Piles.Find(h.pile)) - 1 - h.index;
    x = CardPlaceX(s, h.pile, skip, false);
    y = CardPlaceY(s, h.pile, skip, false);
    return true;
}

void Invert(Session& s, int card) {
    int x = 0, y = 0;
    if (CardCorner(s, card, x, y))
        View(s).InvertCard(x, y);
}

bool Selected(Session& s, int card) {
    return PileFind(Selection(s), card) >= 0;
}
void Unselect(Session& s, int card) {
    std::string& sel = Selection(s);
    const int at = PileFind(sel, card);
    if (at >= 0)
        sel.erase(static_cast<size_t>(3 * at), 3);
}
// Every selected card shown plainly again and the selection emptied.
void ClearSelection(Session& s) {
    for (int c : SelectedCards(s))
        Invert(s, c);
    Selection(s).clear();
}

// Grid neighbours and lines of the table-shaped families.
bool AdjacentInFive(int a, int b) {
    const int ra = a / 5, ca = a % 5, rb = b / 5, cb = b % 5;
    return (ra == rb && std::abs(ca - cb) == 1) || (std::abs(ra - rb) == 1 && std::abs(ca - cb) <= 1);
}
bool SameLineOfFive(int a, int b) {
    return a / 5 == b / 5 || a % 5 == b % 5;
}
// The 21 places of family 75 (1-based): five rows and five columns.
bool SameLineOf21(int a, int b) {
    static constexpr int rows[][5] = {{1, 3}, {4, 8}, {9, 13}, {14, 18}, {19, 21}};
    for (const auto& r : rows)
        if (a >= r[0] && a <= r[1] && b >= r[0] && b <= r[1])
            return true;
    static const std::vector<std::vector<int>> columns = {
        {1, 5, 10, 15, 19}, {2, 6, 11, 16, 20}, {3, 7, 12, 17, 21}, {4, 9, 14}, {8, 13, 18}};
    for (const auto& c : columns)
        if (std::find(c.begin(), c.end(), a) != c.end() && std::find(c.begin(), c.end(), b) != c.end())
            return true;
    return false;
}

// The counts a rule looks at: how many cards of each rank, the sum of the number cards below
// `limit`, how many of them.
struct Counts {
    int ranks[14] = {};
    int numberSum = 0, numbers = 0, others = 0, total = 0;
    Counts(const std::vector<int>& cards, int limit) {
        for (int c : cards) {
            const int r = std::clamp(Rank(c), 0, 13);
            ++ranks[r];
            total += r;
            if (r < limit)
                numberSum += r, ++numbers;
            else
                ++others;
        }
    }
    int distinctOthers(int limit) const {
        int d = 0;
        for (int r = limit; r <= 13; ++r)
            d += ranks[r] > 0;
        return d;
    }
    bool oneEach(int from) const {
        for (int r = from; r <= 13; ++r)
            if (ranks[r] != 1)
                return false;
        return true;
    }
};

SelectionVerdict Verdict(bool valid, bool complete) {
    return !valid     ? SelectionVerdict::Invalid
           : complete ? SelectionVerdict::Complete
                      : SelectionVerdict::Valid;
}

// Families 21, 22 and 23, the marriage games played along one row: a card, or two side by side,
// leave the row when the cards on either side of them share a suit or a rank. A lone card that
// may leave goes at once; one that may not waits for its neighbour. Family 22 never lets its
// queen and king of hearts (cards 12 and 13), the ends of the row, go.
SelectionVerdict BetweenAMatch(const Session& s, const std::vector<int>& cards, int family) {
    const size_t n = cards.size();
    if (n > 2)
        return SelectionVerdict::Invalid;
    if (family == 22 && std::any_of(cards.begin(), cards.end(), [](int c) { return c == 12 || c == 13; }))
        return SelectionVerdict::Invalid;
    const int pile = TableauPileOf(s, cards[0]);
    if (pile < 0 || (n == 2 && TableauPileOf(s, cards[1]) != pile))
        return SelectionVerdict::Invalid;
    // The row as it reads, its empty slots left out.
    std::vector<int> row;
    const std::string& content = Tableau(s, pile);
    for (int k = 0; k < PileSize(content); ++k)
        if (const int c = PileCard(content, k); c > 0)
            row.push_back(c);
    auto at = [&](int card) {
        return static_cast<int>(std::find(row.begin(), row.end(), card) - row.begin());
    };
    const int a = at(cards[0]), b = n == 2 ? at(cards[1]) : a;
    const int lo = std::min(a, b), hi = std::max(a, b);
    if (hi - lo > 1 || hi >= static_cast<int>(row.size()))
        return SelectionVerdict::Invalid;
    const bool flanked =
        lo > 0 && hi + 1 < static_cast<int>(row.size()) &&
        (Rank(row[static_cast<size_t>(lo - 1)]) == Rank(row[static_cast<size_t>(hi + 1)]) ||
         CardSuit(row[static_cast<size_t>(lo - 1)]) == CardSuit(row[static_cast<size_t>(hi + 1)]));
    return Verdict(n == 1 || flanked, flanked);
}

} // namespace

std::vector<int> SelectedCards(const Session& s) {
    std::vector<int> out;
    const std::string& sel = s.Piles.FoundationPiles[0];
    for (int k = 0; k < PileSize(sel); ++k)
        out.push_back(PileCard(sel, k));
    return out;
}

SelectionVerdict JudgeSelection(const Session& s, const std::vector<int>& cards) {
    const int n = static_cast<int>(cards.size());
    const int family = Family(s);
    if (n == 0)
        return SelectionVerdict::Valid;
    auto pileOf = [&](int k) { return TableauPileOf(s, cards[static_cast<size_t>(k)]); };
    auto rank = [&](int k) { return Rank(cards[static_cast<size_t>(k)]); };
    switch (family) {
    case 8: {
        if (n > 2)
            return SelectionVerdict::Invalid;
        if (n < 2)
            return SelectionVerdict::Valid;
        const bool ok =
            rank(0) == rank(1) && pileOf(0) >= 0 && pileOf(1) >= 0 && AdjacentInFive(pileOf(0), pileOf(1));
        return Verdict(ok, ok);
    }
    case 20: {
        int total = 0;
        for (int c : cards)
            total += std::min(Rank(c), 10);
        return Verdict(true, n >= 2 && (total == 10 || total == 20 || total == 30));
    }
    case 41: {
        const Counts c(cards, 11);
        const int faces = c.total - c.numberSum;
        return Verdict(faces < 14, c.numberSum == faces && faces != 0);
    }
    case 25:
    case 14:
    case 16:
        if (n > 2 || (n == 2 && rank(0) != rank(1)))
            return SelectionVerdict::Invalid;
        return Verdict(true, n == 2);
    case 26:
    case 17: {
        const Counts c(cards, 11);
        bool ok =
            !(c.numbers > 0 && c.others > 0) && c.ranks[11] <= 1 && c.ranks[12] <= 1 && c.ranks[13] <= 1;
        ok = ok && !(c.numbers > 0 && n > 2) && n <= 3 && !(c.numbers == 2 && c.numberSum != 11);
        return Verdict(ok, (c.numbers == 2 && c.numberSum == 11) || (c.others == 3 && c.oneEach(11)));
    }
    case 1: {
        const Counts c(cards, 10);
        const int target = s.Attr(kAttrTarget);
        bool ok = !(c.numbers > 0 && c.others > 0) && c.distinctOthers(10) <= 1;
        // Two number cards that miss the ten, or number cards past the fifteen, can never complete.
        if (target == 10 && c.numbers > 0 && (n > 2 || (c.numbers == 2 && c.numberSum != 10)))
            ok = false;
        if (target == 15 && c.numberSum > 15)
            ok = false;
        bool done = (c.others == 4 && c.distinctOthers(10) == 1) ||
                    (target == 15 && c.numbers == n && c.numberSum == 15) ||
                    (target == 10 && c.numbers == 2 && n == 2 && c.numberSum == 10);
        return Verdict(ok, done);
    }
    case 18: {
        const Counts c(cards, 11);
        bool ok = n <= 4 && c.others <= 1 && c.numbers <= 3 && !(c.ranks[1] > 0 && n > 1);
        for (int r = 1; r <= 13; ++r)
            ok = ok && c.ranks[r] <= 1;
        const bool done =
            (n == 1 && c.ranks[1] == 1) || (c.numbers == 3 && c.numberSum == 18 && c.others == 1);
        return Verdict(ok, done);
    }
    case 24: {
        const Counts c(cards, 10);
        bool ok = !(c.numbers > 0 && c.others > 0) && !(c.numbers > 0 && n > 2) &&
                  !(c.numbers == 2 && c.numberSum != 9);
        for (int r = 10; r <= 13; ++r)
            ok = ok && c.ranks[r] <= 1;
        return Verdict(ok, (c.numbers == 2 && c.numberSum == 9) || (c.others == 4 && c.oneEach(10)));
    }
    case 71: {
        if (n == 1)
            return SelectionVerdict::Valid;
        const bool ok = n == 2 && pileOf(0) >= 0 && pileOf(1) >= 0 && SameLineOfFive(pileOf(0), pileOf(1)) &&
                        rank(0) + rank(1) == 14;
        return Verdict(ok, ok);
    }
    case 75: {
        if (n == 1)
            return Verdict(true, rank(0) == 13);
        if (n >= 3)
            return SelectionVerdict::Valid;
        const bool ok = pileOf(0) >= 0 && pileOf(1) >= 0 && SameLineOf21(pileOf(0) + 1, pileOf(1) + 1) &&
                        rank(0) + rank(1) == 13;
        return Verdict(ok, ok);
    }
    case 47: {
        if (n > 2)
            return SelectionVerdict::Invalid;
        if (n < 2)
            return SelectionVerdict::Valid;
        const int a = pileOf(0) + 1, b = pileOf(1) + 1;
        const bool ok = rank(0) == rank(1) && a >= 1 && b >= 1 && a <= 21 && b <= 21 && std::abs(a - b) == 2;
        return Verdict(ok, ok);
    }
    case 57:
        return Verdict(n <= 2, n == 2);
    case 21:
    case 22:
    case 23:
        return BetweenAMatch(s, cards, family);
    case 45:
        return Verdict(n == 1, false);
    case 48:
    case 55:
    case 70:
        return SelectionVerdict::Invalid;
    default: {
        int total = 0;
        for (int c : cards)
            total += Rank(c);
        return Verdict(!(family == 7 && n > 2), total == s.Attr(kAttrTarget));
    }
    }
}

namespace {

// The removal of a completed selection, with every key and press swallowed meanwhile. The end of
// the game runs after input is accepted again, so that its dialogs can be answered.
void RemoveCompleted(Session& s) {
    TableView& view = View(s);
    const int family = Family(s);
    view.SwallowInput(true);
    if (family != 48)
        ExecuteMove(s, 0, "Selezionate_Dest");
    if (family != 8 && family != 47) {
        ExecuteMove(s, 0, "Selezionate_Fila");
        if (family == 75) {
            // Closing up moves whole piles: the gaps the refill left are filled from later piles.
            for (int i = 0; i < TableauInPlay(s); ++i) {
                if (!Tableau(s, i).empty())
                    continue;
                for (int j = i + 1; j < TableauInPlay(s); ++j) {
                    if (Tableau(s, j).empty())
                        continue;
                    const std::string from = PileName("Fila", j + 1), to = PileName("Fila", i + 1);
                    const int fx = CardPlaceX(s, from, 0, false), fy = CardPlaceY(s, from, 0, false);
                    Tableau(s, i) = Tableau(s, j);
                    Tableau(s, j).clear();
                    view.RedrawPile(from, Surface::Both);
                    FlyCard(s, PileTop(Tableau(s, i)), fx, fy, CardPlaceX(s, to, 0, false),
                            CardPlaceY(s, to, 0, false), true, false, false, true);
                    view.RedrawPile(to, Surface::Both);
                    Sound(s, "Shuffle", param::SoundTableau);
                    break;
                }
            }
        }
    }
    view.SwallowInput(false);
    if (s.Flag(GameWon))
        EndGame(s);
}

// Family 71's one exchange of two cards that do not pair: asked once, done once.
bool OfferExchange(Session& s, int first, int second) {
    TableView& view = View(s);
    Invert(s, second);
    if (!view.MessageBox(BoxKind::Question, kCaption, kExchangeQuestion)) {
        Invert(s, second);
        view.Beep();
        Unselect(s, second);
        return false;
    }
    s.Game.OnceUsed = 1;
    Invert(s, first);
    Invert(s, second);
    const int a = TableauPileOf(s, first), b = TableauPileOf(s, second);
    Selection(s).clear();
    if (a < 0 || b < 0)
        return true;
    RecordStep(s);
    Sound(s, "card_up", kSoundCardUp);
    const std::string pa = PileName("Fila", a + 1), pb = PileName("Fila", b + 1);
    const int ax = CardPlaceX(s, pa, 0, false), ay = CardPlaceY(s, pa, 0, false);
    const int bx = CardPlaceX(s, pb, 0, false), by = CardPlaceY(s, pb, 0, false);
    FlyCard(s, first, ax, ay, bx, by, true, false, false, false);
    FlyCard(s, second, bx, by, ax, ay, true, false, false, false);
    std::swap(Tableau(s, a), Tableau(s, b));
    view.RedrawPile(pa, Surface::Both);
    view.RedrawPile(pb, Surface::Both);
    LogEvent(s, kEventExchange);
    view.Beep();
    return true;
}

// Family 57: the two selected cards change places.
void SwapSelected(Session& s) {
    TableView& view = View(s);
    const std::vector<int> cards = SelectedCards(s);
    if (cards.size() != 2)
        return;
    const int a = TableauPileOf(s, cards[0]), b = TableauPileOf(s, cards[1]);
    ClearSelection(s);
    if (a < 0 || b < 0)
        return;
    RecordStep(s);
    const std::string pa = PileName("Fila", a + 1), pb = PileName("Fila", b + 1);
    const int ax = CardPlaceX(s, pa, 0, false), ay = CardPlaceY(s, pa, 0, false);
    const int bx = CardPlaceX(s, pb, 0, false), by = CardPlaceY(s, pb, 0, false);
    Tableau(s, a) = CardText(cards[1]);
    Tableau(s, b) = CardText(cards[0]);
    s.Cards.SetCardFace(cards[0], '1');
    s.Cards.SetCardFace(cards[1], '1');
    FlyCard(s, cards[0], ax, ay, bx, by, true, false, false, true);
    view.PauseBusy(50);
    FlyCard(s, cards[1], bx, by, ax, ay, true, false, false, true);
    view.RedrawPile(pa, Surface::Both);
    view.RedrawPile(pb, Surface::Both);
    UpdateScore(s);
    s.SetFlag(GameWon, WonTest(s));
    if (s.Flag(GameWon))
        EndGame(s);
}

// Family 71, a press on the empty stock: the last piles move into the gaps before them.
void CloseUpFromEnd(Session& s) {
    TableView& view = View(s);
    const int n = TableauInPlay(s);
    bool moved = false;
    for (bool again = true; again;) {
        again = false;
        for (int i = 0; i < n && !again; ++i) {
            if (!Tableau(s, i).empty())
                continue;
            int last = -1;
            for (int j = n - 1; j > i; --j)
                if (!Tableau(s, j).empty()) {
                    last = j;
                    break;
                }
            if (last < 0)
                break;
            if (!moved)
                RecordStep(s);
            moved = again = true;
            const std::string from = PileName("Fila", last + 1), to = PileName("Fila", i + 1);
            const int fx = CardPlaceX(s, from, 0, false), fy = CardPlaceY(s, from, 0, false);
            Tableau(s, i) = Tableau(s, last);
            Tableau(s, last).clear();
            view.RedrawPile(from, Surface::Both);
            FlyCard(s, PileTop(Tableau(s, i)), fx, fy, CardPlaceX(s, to, 0, false),
                    CardPlaceY(s, to, 0, false), true, false, false, true);
            view.RedrawPile(to, Surface::Both);
        }
    }
    if (moved)
        Sound(s, "Shuffle", param::SoundTableau);
    else
        view.MessageBox(BoxKind::Information, kCaption, kNoSpace);
}

// A press on the stock of a game that selects through SelectCard.
void SelectionStockPress(Session& s) {
    const int family = Family(s);
    if (family == 8 || family == 45) {
        ExecuteMove(s, 0, "Stock_To_Pile_Monte_Carlo");
    } else if (OneOf(family, {20, 41, 21, 22, 23})) {
        ExecuteMove(s, 0, "Add_Tableaus");
    } else if (family == 47) {
        ClearSelection(s);
        ExecuteMove(s, 0, "Add_Tableaus");
    } else if (family == 71) {
        if (Stock(s).empty())
            CloseUpFromEnd(s);
        return;
    } else {
        return;
    }
    if (s.Flag(GameWon))
        EndGame(s);
}

// Which piles a family selects from.
bool PileAllowed(Session& s, const std::string& pile, int card) {
    const int family = Family(s);
    const int kind = PileKind(pile);
    if (OneOf(family, {8, 20, 25, 26, 71, 75, 47, 57}))
        return kind == kTableauKind;
    if (family == 41)
        return kind == kTableauKind || kind == kFoundationKind;
    if (family == 14 || family == 16) {
        if (pile == "Mazzo_Vis")
            return false;
        const std::string* content = s.Piles.Find(pile);
        return content && PileTop(*content) == card;
    }
    return true;
}

} // namespace

void SelectCard(Session& s, const std::string& pile, int card, const TableRect& rect, int button) {
    TableView& view = View(s);
    const int family = Family(s);
    const int kind = PileKind(pile);
    const bool left = button == kLeftButton;
    const bool reaches =
        (left && (kind == kTableauKind || OneOf(family, {8, 16, 20, 21, 22, 23, 45, 47, 48, 70, 71}))) ||
        kind == kFoundationKind || family == 41;
    if (!reaches || OneOf(family, {48, 55, 70}))
        return;
    if (pile == "Mazzo" && family != 16) {
        SelectionStockPress(s);
        return;
    }
    if (card < 1 || !PileAllowed(s, pile, card))
        return;
    if (s.Cards.CardIsHidden(card)) {
        // Families 25 and 26 turn a face-down top card up; no family selects a face-down card.
        if ((family == 25 || family == 26) && left && kind == kTableauKind && s.IsTableauTop(card))
            TurnUp(s, card, rect.left, rect.top, PileNumber(pile) - 1);
        return;
    }
    // A selected card pressed again leaves the selection (and is shown plainly again).
    if (Selected(s, card)) {
        Unselect(s, card);
        Invert(s, card);
        return;
    }
    std::vector<int> cards = SelectedCards(s);
    cards.push_back(card);
    Selection(s) += CardText(card);
    const SelectionVerdict verdict = JudgeSelection(s, cards);
    if (verdict == SelectionVerdict::Invalid) {
        if (family == 71 && cards.size() == 2 && s.Game.OnceUsed == 0) {
            OfferExchange(s, cards[0], card);
            return;
        }
        view.Beep();
        Unselect(s, card);
        return;
    }
    Invert(s, card);
    if (verdict != SelectionVerdict::Complete)
        return;
    if (family == 57)
        SwapSelected(s);
    else
        RemoveCompleted(s);
}

bool IsFreePyramidCard(const Session& s, int card) {
    const int row = TableauPileOf(s, card);
    if (row < 0)
        return false;
    const int rows = TableauInPlay(s);
    auto emptyRow = [&](int k) {
        const std::string& p = Tableau(s, k);
        return p.find_first_not_of('0') == std::string::npos;
    };
    bool allBelowEmpty = true;
    for (int k = row + 1; k < rows; ++k)
        allBelowEmpty = allBelowEmpty && emptyRow(k);
    if (allBelowEmpty)
        return true;
    if (row + 1 >= rows)
        return true;
    const std::string& here = Tableau(s, row);
    const std::string& below = Tableau(s, row + 1);
    const int p = 3 * PileFind(here, card);
    const int other = s.Attr(kAttrFirstRowDeal) < s.Attr(kAttrFirstRowDeal + 1) ? p + 3 : p - 3;
    const std::vector<int> selected = SelectedCards(s);
    const int first = Family(s) == 67 && !selected.empty() ? selected.front() : -1;
    auto covering = [&](int at) {
        if (at < 0 || at + 3 > static_cast<int>(below.size()))
            return false;
        const int c = std::atoi(below.substr(static_cast<size_t>(at), 3).c_str());
        return c > 0 && c != first;
    };
    return !covering(p) && !covering(other);
}

void SumSelect(Session& s, int card, const TableRect& rect) {
    (void)rect;
    TableView& view = View(s);
    const int family = Family(s);
    if (card <= 0) {
        view.Beep();
        return;
    }
    const int pile = TableauPileOf(s, card);
    if (pile >= 0) {
        const bool selectable = (family == 4 || family == 67) ? IsFreePyramidCard(s, card)
                                : family == 3                 ? PileTop(Tableau(s, pile)) == card
                                                              : true;
        if (!selectable) {
            view.Beep();
            return;
        }
    }
    if (family == 33) {
        Invert(s, card);
        return;
    }
    if (Selected(s, card)) {
        Unselect(s, card);
        Invert(s, card);
        return;
    }
    Selection(s) += CardText(card);
    const std::vector<int> cards = SelectedCards(s);
    if (cards.size() > 2) {
        view.Beep();
        Unselect(s, card);
        return;
    }
    Invert(s, card);
    int total = 0;
    for (int c : cards)
        total += Rank(c);
    if (total != (family == 3 ? 14 : 13))
        return;
    view.SwallowInput(true);
    ExecuteMove(s, 0, "Selezionate_Dest");
    view.SwallowInput(false);
    if (s.Flag(GameWon))
        EndGame(s);
}

namespace {

bool AllTableauFaceUp(const Session& s) {
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const std::string& p = Tableau(s, i);
        for (int k = 0; k < PileSize(p); ++k)
            if (int c = PileCard(p, k); c > 0 && s.Cards.CardIsHidden(c))
                return false;
    }
    return true;
}

std::vector<int> FaceUpTableauCards(const Session& s) {
    std::vector<int> out;
    for (int i = 0; i < TableauInPlay(s); ++i) {
        const std::string& p = Tableau(s, i);
        for (int k = 0; k < PileSize(p); ++k)
            if (int c = PileCard(p, k); c > 0 && !s.Cards.CardIsHidden(c))
                out.push_back(c);
    }
    return out;
}

// Every face-up tableau card turned face down again, one every 200 ms; one more miss.
void TurnBack(Session& s) {
    TableView& view = View(s);
    for (int c : FaceUpTableauCards(s)) {
        view.PauseBusy(200);
        int x = 0, y = 0;
        s.Cards.SetCardFace(c, '0');
        if (CardCorner(s, c, x, y))
            view.DrawCard(c, x, y, Surface::Both, TableauPileOf(s, c));
    }
    ++s.Game.CardsTurnedBack;
}

// A memory pair leaves the table for the second waste, each card leaving an empty slot.
void TakePair(Session& s, const std::vector<int>& pair) {
    TableView& view = View(s);
    RecordStep(s);
    for (int c : pair) {
        int x = 0, y = 0;
        const int pile = TableauPileOf(s, c);
        if (pile < 0 || !CardCorner(s, c, x, y))
            continue;
        view.LiftCard(c);
        std::string& content = Tableau(s, pile);
        content.replace(static_cast<size_t>(3 * PileFind(content, c)), 3, "000");
        view.RedrawPile(PileName("Fila", pile + 1), Surface::Both);
        const int tx = CardPlaceX(s, "Mazzo_Waste", 0, true), ty = CardPlaceY(s, "Mazzo_Waste", 0, true);
        FlyCard(s, c, x, y, tx, ty, true, false, false, false);
        s.Piles.StockPiles[2] += CardText(c);
        view.RedrawPile("Mazzo_Waste", Surface::Both);
    }
    if (s.Game.GameStarted < 1)
        s.Game.GameStarted = 1;
}

} // namespace

void MemoryTurn(Session& s, int card, const TableRect& rect, int pileIndex) {
    const int family = Family(s);
    if (card <= 0)
        return;
    if (family == 36) {
        if (!s.Cards.CardIsHidden(card))
            return;
        TurnUp(s, card, rect.left, rect.top, pileIndex);
        std::string& reserve = s.Piles.ReservePiles[0];
        reserve += CardText(card);
        if (SequenceLength(s) != PileSize(reserve)) {
            reserve.clear();
            TurnBack(s);
        }
    } else {
        const std::vector<int> up = FaceUpTableauCards(s);
        if (up.size() < 2) {
            if (s.Cards.CardIsHidden(card))
                TurnUp(s, card, rect.left, rect.top, pileIndex);
        } else {
            const int a = up[0], b = up[1];
            const bool match = Rank(a) == Rank(b) && (family != 37 || std::abs(a - b) == 52);
            if (match)
                TakePair(s, {a, b});
            else
                TurnBack(s);
        }
    }
    UpdateScore(s);
    s.SetFlag(GameWon, WonTest(s));
    if (AllTableauFaceUp(s) && !EndGame(s))
        View(s).RedrawTable();
}

namespace {

// "Selezionate_Dest" and "Selezionate_Dest_Deck": the selected cards leave for the second waste.
bool RemoveSelection(Session& s, bool faceDown) {
    TableView& view = View(s);
    const int family = Family(s);
    const int fan = s.Attr(attr::TableauFan);
    Sound(s, "Pairing", kSoundPairing);
    RecordStep(s);
    view.PauseBusy(150);
    if (family == 64 && !Tableau(s, 0).empty() && !Tableau(s, 1).empty())
        Selection(s) = Tableau(s, 0).substr(0, 3) + Tableau(s, 1).substr(0, 3) +
                       (Tableau(s, 2).empty() ? "" : Tableau(s, 2).substr(0, 3));
    bool moved = false;
    std::vector<std::string> touched;
    int reference = -1;
    while (!Selection(s).empty()) {
        const int card = PileCard(Selection(s), 0);
        Selection(s).erase(0, 3);
        const Holder h = FindHolder(s, card);
        if (!h.found() || card <= 0)
            continue;
        int x = 0, y = 0;
        CardCorner(s, card, x, y);
        view.LiftCard(card);
        std::string& content = *s.Piles.Find(h.pile);
        const bool tableau = PileKind(h.pile) == kTableauKind;
        if (tableau && (fan == 4 || fan == 8))
            content.replace(static_cast<size_t>(3 * h.index), 3, "000");
        else
            content.erase(static_cast<size_t>(3 * h.index), 3);
        if (tableau)
            reference = PileNumber(h.pile) - 1;
        touched.push_back(h.pile);
        view.RedrawPile(h.pile, Surface::Both);
        const int tx = CardPlaceX(s, "Mazzo_Waste", 0, true), ty = CardPlaceY(s, "Mazzo_Waste", 0, true);
        s.Cards.SetCardFace(card, faceDown ? '0' : '1');
        FlyCard(s, faceDown ? -1 : card, x, y, tx, ty, true, false, false, false);
        s.Piles.StockPiles[2] += CardText(card);
        view.RedrawPile("Mazzo_Waste", Surface::Both);
        view.UpdateClockLabel();
        moved = true;
    }
    if (fan == 8) {
        // The grid closes up: the cards left move up to the first slots, one after another. A
        // card's slot is the number of empty markers before it, so one marker stays between every
        // two cards, as the deal and the stock lay them.
        std::string& grid = Tableau(s, 0);
        std::string kept;
        for (int k = 0; k < PileSize(grid); ++k)
            if (int c = PileCard(grid, k); c > 0)
                kept += (kept.empty() ? "" : "000") + CardText(c);
        if (kept != grid) {
            grid = kept;
            view.RedrawPile("Fila1", Surface::Both);
            Sound(s, "Shuffle", param::SoundTableau);
        }
    }
    if (family == 47 && reference >= 0) {
        // The row of the pair closes up toward its start.
        const int rowStart = reference / 7 * 7, rowEnd = std::min(rowStart + 7, TableauInPlay(s));
        for (int i = rowStart; i < rowEnd; ++i) {
            if (!Tableau(s, i).empty())
                continue;
            for (int j = i + 1; j < rowEnd; ++j) {
                if (Tableau(s, j).empty())
                    continue;
                Tableau(s, i) = Tableau(s, j);
                Tableau(s, j).clear();
                view.RedrawPile(PileName("Fila", j + 1), Surface::Both);
                view.RedrawPile(PileName("Fila", i + 1), Surface::Both);
                Sound(s, "Shuffle", param::SoundTableau);
                break;
            }
        }
    }
    // Lifting a card clears its shadow strip over its neighbours, and rows may overlap (a
    // pyramid): the piles are drawn again in order, so every card and the lower rows show whole.
    if (moved)
        for (int i = 0; i < TableauInPlay(s); ++i)
            view.RedrawPile(PileName("Fila", i + 1), Surface::Both);
    if (family == 25 || family == 26)
        AutoFaceUp(s);
    if (family == 33 && s.Play.Autoplay)
        s.Play.Autoplay(s);
    s.SetFlag(GameWon, WonTest(s));
    if (s.Game.GameStarted < 1)
        s.Game.GameStarted = 1;
    return moved;
}

// The stock's top card to every empty tableau pile in order ("Selezionate_Fila").
bool RefillFromStock(Session& s) {
    TableView& view = View(s);
    bool moved = false;
    for (int i = 0; i < TableauInPlay(s) && !Stock(s).empty(); ++i) {
        if (!Tableau(s, i).empty())
            continue;
        const std::string name = PileName("Fila", i + 1);
        const int sx = CardPlaceX(s, "Mazzo", 0, false), sy = CardPlaceY(s, "Mazzo", 0, false);
        const int card = PileTop(Stock(s));
        Stock(s).resize(Stock(s).size() - 3);
        if (Stock(s).empty())
            view.DrawEmptyStockMarker();
        else
            view.RedrawPile("Mazzo", Surface::Both);
        Tableau(s, i) += CardText(card);
        s.Cards.SetCardFace(card, '1');
        FlyCard(s, card, sx, sy, CardPlaceX(s, name, 0, false), CardPlaceY(s, name, 0, false), true, false,
                true, true);
        view.RedrawPile(name, Surface::Both);
        Sound(s, "Shuffle", param::SoundShuffle);
        view.UpdateClockLabel();
        moved = true;
    }
    s.SetFlag(GameWon, WonTest(s));
    return moved;
}

// Monte Carlo: the cards close up toward the first pile, then the gaps at the end are filled.
bool CloseUpAndRefill(Session& s) {
    TableView& view = View(s);
    const int n = TableauInPlay(s);
    bool gap = false, laterCard = false;
    for (int i = 0; i < n; ++i) {
        if (Tableau(s, i).empty())
            gap = true;
        else if (gap)
            laterCard = true;
    }
    if (!gap || (Stock(s).empty() && !laterCard))
        return false;
    RecordStep(s);
    view.RedrawTable();
    Selection(s).clear();
    for (int i = 0; i < n; ++i) {
        if (!Tableau(s, i).empty())
            continue;
        int next = -1;
        for (int j = i + 1; j < n && next < 0; ++j)
            if (!Tableau(s, j).empty())
                next = j;
        if (next < 0)
            break;
        const std::string from = PileName("Fila", next + 1), to = PileName("Fila", i + 1);
        const int fx = CardPlaceX(s, from, 0, false), fy = CardPlaceY(s, from, 0, false);
        Tableau(s, i) = Tableau(s, next);
        Tableau(s, next).clear();
        view.RedrawPile(from, Surface::Both);
        FlyCard(s, PileTop(Tableau(s, i)), fx, fy, CardPlaceX(s, to, 0, false), CardPlaceY(s, to, 0, false),
                true, false, true, true);
        view.RedrawPile(to, Surface::Both);
        Sound(s, "Shuffle", param::SoundTableau);
    }
    RefillFromStock(s);
    return true;
}

} // namespace

bool SelectionMoveTarget(Session& s, int card, const std::string& target) {
    (void)card;
    if (target == "Selezionate_Dest")
        return RemoveSelection(s, false);
    if (target == "Selezionate_Dest_Deck")
        return RemoveSelection(s, true);
    if (target == "Selezionate_Fila")
        return RefillFromStock(s);
    if (target == "Stock_To_Pile_Monte_Carlo")
        return CloseUpAndRefill(s);
    return false;
}

bool AddToSelection(Session& s, int card) {
    if (Selection(s).empty() || card <= 0)
        return false;
    int x = 0, y = 0;
    CardCorner(s, card, x, y);
    SumSelect(s, card, CardRect(s, x, y));
    return true;
}

void DropFromSelection(Session& s, int card) {
    Unselect(s, card);
}

void SelectionPress(Session& s, int button, const std::string& pile, int card) {
    const int family = Family(s);
    const HitResult hit = HitTest(s, s.Game.PressX, s.Game.PressY, false);
    const TableRect rect = hit.card == card ? hit.rect : TableRect{};
    if (pile == "Mazzo_Waste") {
        if (family == 64) {
            ExecuteMove(s, 0, "Selezionate_Dest_Deck");
            if (s.Flag(GameWon))
                EndGame(s);
        }
        return;
    }
    if (OneOf(family, {3, 4, 67, 33})) {
        SumSelect(s, card, rect);
    } else if (OneOf(family, {36, 37, 39})) {
        if (PileKind(pile) == kTableauKind)
            MemoryTurn(s, card, rect, PileNumber(pile) - 1);
    } else {
        SelectCard(s, pile, card, rect, button);
    }
}

bool IsSelectionGame(const Session& s) {
    return s.Attr(kAttrTarget) != 0 || OneOf(Family(s), {3, 4, 33, 67});
}

void RedrawSelectionMarks(Session& s) {
    if (IsSelectionGame(s))
        for (int c : SelectedCards(s))
            Invert(s, c);
    if (Family(s) == 38 && MatchedPairs(s) > 0) {
        std::vector<int> pairs;
        for (int j = 0; j < 10; ++j) {
            const int first = PileCard(Tableau(s, j), 0);
            const int found = PileCard(s.Piles.FoundationPiles[static_cast<size_t>(j)], 0);
            if (first > 0 && found > 0 && first == found + 52)
                pairs.push_back(j);
        }
        View(s).ShowMark("pairs", pairs);
    }
}

void InstallSelectionHooks(Session& s) {
    s.Play.SelectionPress = SelectionPress;
    s.Play.SelectionMove = SelectionMoveTarget;
    s.Play.AddToSelection = AddToSelection;
    s.Play.DropFromSelection = DropFromSelection;
}

} // namespace quillon
