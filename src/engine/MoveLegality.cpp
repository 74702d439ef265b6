#include "engine/MoveLegality.h"

#include "engine/PickUp.h"
#include "engine/RuleContext.h"

#include <algorithm>

namespace quillon {

namespace {

int Clamp(int value, int limit) {
    return std::clamp(value, 0, limit);
}

// Position (0-based) of the card's three-digit group in a content, or -1. Contents are scanned
// in steps of three characters, without parsing: "014027" holds 14 and 27, not 402.
int FindGroup(std::string_view content, const char (&key)[4]) {
    const char* p = content.data();
    const int count = PileSize(content);
    for (int k = 0; k < count; ++k, p += 3)
        if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2])
            return k;
    return -1;
}

bool MakeKey(int card, char (&key)[4]) {
    if (card < 1 || card > 999)
        return false;
    key[0] = static_cast<char>('0' + card / 100);
    key[1] = static_cast<char>('0' + card / 10 % 10);
    key[2] = static_cast<char>('0' + card % 10);
    key[3] = 0;
    return true;
}

bool IsRealCard(int card) {
    return card >= 1 && card <= kCardCount;
}

// The general rule for an empty destination, by its empty value.
bool GeneralEmpty(const RuleContext& c) {
    const Session& s = c.s;
    const int v = c.q.emptyValue;
    switch (v) {
    case 81:
    case 84:
    case 85:
    case 90:
        return BaseCardsBalanced(s, v, c.M);
    case 82:
    case 83:
        return false;
    case 86:
        return MoveCarriesSingleCard(s);
    case 87:
        return !(c.fromTableau() || c.fromReserve() || c.fromFoundation());
    case 88:
        return !c.fromTableau();
    case 92:
    case 93: {
        bool anyStarted = false;
        for (int k = 0; k < FoundationsInPlay(s); ++k) {
            std::string_view f = c.F(k);
            if (f.empty())
                continue;
            anyStarted = true;
            if (CardRank(RuleContext::First(f)) != c.rM)
                return false;
        }
        if (v == 93 && !anyStarted)
            return c.fromReserve();
        return true;
    }
    case 96: {
        if (c.fromTableau())
            return false;
        for (int k = 0; k < ReservesInPlay(s); ++k)
            if (!c.R(k).empty())
                return c.fromReserve();
        return c.fromWaste();
    }
    default:
        return c.rM == v || v == -1 || c.q.stopRank == -1;
    }
}

// The general rule for a covered destination: the suit rule of `code`, then the rank step by the
// direction, the stop rank and the wrap. `acc` is an acceptance already reached (rule 125); the
// King and Ace cases that are final set the result outright.
bool GeneralCovered(const RuleContext& c, int code, bool acc) {
    const RuleQuery& q = c.q;
    switch (code) {
    case 0:
    case 11:
        if (!c.SameSuit())
            return false;
        break;
    case 1:
        if (c.redM != c.redD)
            return false;
        break;
    case 3:
        if (c.redM == c.redD)
            return false;
        break;
    case 6:
        return false;
    default:
        break;
    }
    const int d = c.rD;
    const int m = c.rM;
    const bool plainSteps = !q.toFoundation && c.Wrap(c.i) == 2;
    if (q.direction == 1 || q.direction == 2) {
        if (q.toFoundation) {
            if (d == 13) {
                acc = m == 1 && q.emptyValue != 1;
                if (q.direction == 1)
                    return acc;
            } else if (m == d + 1) {
                acc = true;
            }
        } else if (plainSteps) {
            if (m == d + 1)
                acc = true;
        } else {
            if (d == q.stopRank && !q.wrap)
                return false;
            if (d == 13 && m == 1)
                return true;
            if (m == d + 1)
                acc = true;
        }
    }
    if (q.direction == 0 || (q.direction == 2 && !acc)) {
        if (q.toFoundation) {
            if (d == 1)
                return m == 13 && q.emptyValue != 13;
            if (m == d - 1)
                acc = true;
        } else if (plainSteps) {
            if (m == d - 1)
                acc = true;
        } else {
            const bool stopsAtAce = d == 1 && q.stopRank >= 81 && q.stopRank <= 83;
            if ((d == q.stopRank || stopsAtAce) && !q.wrap)
                return false;
            if (d == 1)
                return m == 13;
            if (m == d - 1)
                acc = true;
        }
    }
    return acc;
}

bool GeneralRule(const RuleContext& c, int code, bool initial) {
    return c.empty ? GeneralEmpty(c) : GeneralCovered(c, code, initial);
}

} // namespace

RuleContext::RuleContext(const Session& session, const RuleQuery& query)
    : s(session), q(query), M(query.card), D(query.top <= 0 ? -1 : query.top), empty(D == -1), i(query.index),
      rM(CardRank(M)), rD(CardRank(D)), sM(CardSuit(M)), sD(CardSuit(D)), redM(CardIsRed(M)),
      redD(CardIsRed(D)) {}

int RuleContext::loc() const {
    if (!locKnown_) {
        loc_ = CardLocation(s, M);
        locKnown_ = true;
    }
    return loc_;
}

int FoundationsInPlay(const Session& s) {
    return Clamp(s.Attr(attr::FoundationCount), kFoundationCount);
}
int TableauInPlay(const Session& s) {
    return Clamp(s.Attr(attr::TableauCount), kTableauCount);
}
int ReservesInPlay(const Session& s) {
    return Clamp(s.Attr(attr::ReserveCount), kReserveCount);
}

bool MoveCarriesSingleCard(const Session& s) {
    return s.DragHeight <= s.Metrics.CardHeight;
}

bool RuleAccepts(Session& s, const RuleQuery& q) {
    RuleContext c(s, q);
    // A card never goes on itself.
    if (q.top == q.card)
        return false;
    // The stock lock: while the stock or the waste holds a card, tableau cards stay put.
    const int lock = s.Attr(attr::StockLock);
    if (((q.toFoundation && lock == 1) || lock == 2 || lock == 3) && !(c.S().empty() && c.W().empty()) &&
        c.fromTableau())
        return false;

    bool result;
    Verdict v = SpecialRule(c);
    if (v.kind == Verdict::General)
        result = GeneralRule(c, v.code, v.initial);
    else
        result = v.kind == Verdict::Accept;

    // Starting a foundation: the start rule of the game may restrict which card it takes.
    if (q.toFoundation && result && c.F(c.i).empty() && c.i >= 0 && c.i < kFoundationCount) {
        const int start = s.Attr(attr::FoundationStart);
        // Each group of four foundations (1-4, 5-8, ...) holds four different suits; a second
        // group is judged by its own top cards, not by the first group's.
        const int group = c.i / 4 * 4;
        if (start == 1)
            result = SuitsDistinctInGroup(s, group, c.i - group, c.M);
        else if (start == 2)
            result = BaseColoursAlternate(s, c.M, c.i);
    }
    return result;
}

bool PileAccepts(Session& s, int card, std::string_view pile) {
    if (!IsRealCard(card))
        return false;
    const std::string* content = s.Piles.Find(pile);
    if (!content)
        return false;
    const int n = PileNumber(pile);
    const bool single = MoveCarriesSingleCard(s);
    const int top = content->empty() ? -1 : PileTop(*content);
    // A pile never takes the card it shows on top, nor back the run lifted from it.
    if (top != -1 && (top == card || (s.Game.RunEndCard != 0 && top == s.Game.RunEndCard)))
        return false;

    switch (PileKind(pile)) {
    case kFoundationKind: {
        const int i = n - 1;
        if (!single)
            return false;
        const int rule = s.Attr(attr::FoundationRule + i);
        if (rule == 10)
            return CardRank(card) == 12 && content->empty();
        if (rule == 22) {
            if (CardRank(card) == 1)
                return false;
            for (int k = 0; k < TableauInPlay(s); ++k) {
                const std::string& t = s.Piles.TableauPiles[static_cast<size_t>(k)];
                if (t.empty())
                    continue;
                const int x = PileTop(t);
                if (CardSuit(x) == CardSuit(card) && (CardRank(card) < CardRank(x) || CardRank(x) == 1))
                    return true;
            }
            return false;
        }
        const int size = PileSize(*content);
        if (size >= s.Attr(attr::FoundationCapacity) && rule != 20 && rule != 29)
            return false;
        if (rule == 20 && size >= 52)
            return false;
        const int base = s.Attr(attr::FoundationBase + i);
        RuleQuery q{top, card, base, base, s.Attr(attr::FoundationDir + i), rule, true, true, i, true};
        return RuleAccepts(s, q);
    }
    case kTableauKind: {
        const int i = n - 1;
        if (top != -1 && s.Cards.CardIsHidden(top) && s.Attr(attr::Family) != 40)
            return false;
        const int capacity = s.Attr(attr::TableauCapacity);
        if (capacity != -1 && PileSize(*content) >= capacity)
            return false;
        const int rule = s.Attr(attr::TableauRule + i);
        RuleQuery q{top,
                    card,
                    s.Attr(attr::TableauEmpty + i),
                    s.Attr(attr::FoundationBase),
                    s.Attr(attr::TableauDir + i),
                    rule,
                    false,
                    s.Attr(attr::TableauWrap + i) > 0,
                    i,
                    true};
        bool result = RuleAccepts(s, q);
        if (rule == 34 && !content->empty() && !single)
            result = false;
        if (result && s.Attr(attr::RunOrder) != 0 && !single)
            result = RunIsSequence(s, card, i);
        if (result && s.Attr(attr::PickUpRule) == -5 && !single && content->empty())
            result = PickUpAllowed(s, card, true);
        return result;
    }
    case kReserveKind: {
        const int r = n - 1;
        const int kind = s.Attr(attr::ReserveKind + r);
        const bool isEmpty = content->empty();
        const std::string& first = s.Piles.ReservePiles[0];
        switch (kind) {
        case 4:
            return false;
        case 8:
            return single && CardRank(card) == 13 && PileSize(first) < 3;
        case 12:
            return true;
        case 85:
            return CardLocation(s, card) == kLocWaste;
        case 13:
            return single && PileSize(first) < 5;
        case 88:
        case 89:
        case 90:
            return single && isEmpty && CardRank(card) == kind - 77;
        case 103:
            return isEmpty && CardIsFree(s, card);
        case 107:
            if (CardRank(card) != 1)
                return false;
            return isEmpty || CardIsRed(card) != CardIsRed(top);
        case 119: {
            // Reserve r pairs with foundation r (there are fewer reserves than foundations).
            const std::string& f = s.Piles.FoundationPiles[static_cast<size_t>(r)];
            if (!isEmpty || f.empty())
                return false;
            return CardRank(card) == 12 && CardSuit(card) == CardSuit(PileCard(f, 0));
        }
        case 145:
            return isEmpty || (CardRank(card) == CardRank(top) + 1 && CardSuit(card) == CardSuit(top));
        default:
            if (!isEmpty || !single)
                return false;
            if (kind == 9)
                return CardIsFace(card);
            if (kind == 81) {
                RuleQuery q{-1, card, -1, -1, -1, 81, true, true, r, true};
                return RuleAccepts(s, q);
            }
            return true;
        }
    }
    default:
        return false;
    }
}

int CardLocation(const Session& s, int card) {
    char key[4];
    if (!MakeKey(card, key))
        return kLocNowhere;
    if (FindGroup(s.Piles.StockPiles[0], key) >= 0)
        return kLocStock;
    if (FindGroup(s.Piles.StockPiles[1], key) >= 0)
        return kLocWaste;
    for (int k = 0; k < kFoundationCount; ++k)
        if (FindGroup(s.Piles.FoundationPiles[static_cast<size_t>(k)], key) >= 0)
            return -1 - k;
    for (int k = 0; k < TableauInPlay(s); ++k)
        if (FindGroup(s.Piles.TableauPiles[static_cast<size_t>(k)], key) >= 0)
            return 1 + k;
    for (int k = 0; k < ReservesInPlay(s); ++k)
        if (FindGroup(s.Piles.ReservePiles[static_cast<size_t>(k)], key) >= 0)
            return -21 - k;
    return kLocNowhere;
}

std::vector<int> RunFromCard(const Session& s, int card) {
    std::vector<int> run;
    char key[4];
    if (!MakeKey(card, key))
        return run;
    auto take = [&](const std::string& content) {
        const int at = FindGroup(content, key);
        if (at < 0)
            return false;
        for (int k = at; k < PileSize(content); ++k)
            run.push_back(PileCard(content, k));
        return true;
    };
    for (int k = 0; k < TableauInPlay(s); ++k)
        if (take(s.Piles.TableauPiles[static_cast<size_t>(k)]))
            return run;
    for (int k = 0; k < ReservesInPlay(s); ++k)
        if (take(s.Piles.ReservePiles[static_cast<size_t>(k)]))
            return run;
    return run;
}

bool IsPileTop(const Session& s, int card) {
    if (!IsRealCard(card))
        return false;
    for (int k = 0; k < TableauInPlay(s); ++k) {
        const std::string& t = s.Piles.TableauPiles[static_cast<size_t>(k)];
        if (!t.empty() && PileTop(t) == card)
            return true;
    }
    for (int k = 0; k < ReservesInPlay(s); ++k) {
        const std::string& r = s.Piles.ReservePiles[static_cast<size_t>(k)];
        if (!r.empty() && PileTop(r) == card)
            return true;
    }
    return false;
}

bool RunIsSequence(Session& s, int card, int i) {
    int code;
    switch (s.Attr(attr::RunOrder)) {
    case 1:
        code = i >= 0 && i < kTableauCount ? s.Attr(attr::TableauRule + i) : 0;
        break;
    case 10:
        code = 0;
        break;
    case 11:
        code = 1;
        break;
    default:
        return true;
    }
    const bool pileKnown = i >= 0 && i < kTableauCount;
    const int emptyValue = pileKnown ? s.Attr(attr::TableauEmpty + i) : 0;
    const int direction = pileKnown ? s.Attr(attr::TableauDir + i) : -1;
    const bool wrap = pileKnown && s.Attr(attr::TableauWrap + i) > 0;
    const std::vector<int> run = RunFromCard(s, card);
    for (size_t k = 1; k < run.size(); ++k) {
        RuleQuery q{run[k - 1], run[k], emptyValue, s.Attr(attr::FoundationBase), direction, code, false,
                    wrap,       i,      false};
        if (!RuleAccepts(s, q))
            return false;
    }
    return true;
}

bool CardIsFree(const Session& s, int card) {
    const int loc = CardLocation(s, card);
    if (LocIsTableau(loc)) {
        const int k = LocTableauIndex(loc);
        const int rowStart = k / 10 * 10;
        const int rowEnd = std::min(rowStart + 9, kTableauCount - 1);
        const auto& t = s.Piles.TableauPiles;
        if (k % 10 <= 4 && k < 35) {
            for (int j = rowStart; j < k; ++j)
                if (!t[static_cast<size_t>(j)].empty())
                    return false;
        } else {
            for (int j = k + 1; j <= rowEnd; ++j)
                if (!t[static_cast<size_t>(j)].empty())
                    return false;
        }
        return true;
    }
    if (LocIsReserve(loc)) {
        const int k = LocReserveIndex(loc);
        const auto& r = s.Piles.ReservePiles;
        if (k >= 1 && k <= 4) {
            for (int j = 0; j < k; ++j)
                if (!r[static_cast<size_t>(j)].empty())
                    return false;
        } else if (k >= 5 && k <= 8) {
            for (int j = k + 1; j <= 9; ++j)
                if (!r[static_cast<size_t>(j)].empty())
                    return false;
        }
        return true;
    }
    return true;
}

bool BaseCardsBalanced(const Session& s, int v, int card) {
    const int rank = CardRank(card);
    switch (v) {
    case 81:
    case 85:
        if (rank != 1)
            return false;
        break;
    case 84:
        if (rank != 13)
            return false;
        break;
    case 90:
        if (rank != 2)
            return false;
        break;
    default:
        break;
    }
    const int count = FoundationsInPlay(s);
    int f = 0;
    for (int k = 0; k < count; ++k)
        if (s.Attr(attr::FoundationBase + k) == v)
            ++f;
    const bool suitsOnce = v == 84 || v == 85 || v == 90;
    int red = CardIsRed(card) ? 1 : 0;
    int black = 1 - red;
    bool suitSeen[4] = {};
    if (CardSuit(card) >= 0)
        suitSeen[CardSuit(card)] = true;
    for (int k = 0; k < count; ++k) {
        const std::string& content = s.Piles.FoundationPiles[static_cast<size_t>(k)];
        if (s.Attr(attr::FoundationBase + k) != v || content.empty())
            continue;
        const int first = PileCard(content, 0);
        (CardIsRed(first) ? red : black) += 1;
        if (red > f / 2 || black > f / 2)
            return false;
        const int suit = CardSuit(first);
        if (suitsOnce && suit >= 0) {
            if (suitSeen[suit])
                return false;
            suitSeen[suit] = true;
        }
    }
    return true;
}

bool SuitsDistinctInGroup(const Session& s, int g, int slot, int card) {
    // Suits of the group's top cards; -1 for an empty foundation, a joker or a pile outside the list.
    int suits[5] = {-1, -1, -1, -1, -1};
    int used = 4;
    for (int k = 0; k < 4; ++k) {
        const int f = g + k;
        if (f >= 0 && f < kFoundationCount) {
            const std::string& content = s.Piles.FoundationPiles[static_cast<size_t>(f)];
            if (!content.empty())
                suits[k] = CardSuit(PileTop(content));
        }
    }
    if (slot >= 0 && slot <= 3)
        suits[slot] = CardSuit(card);
    else
        suits[used++] = CardSuit(card);
    bool seen[4] = {};
    for (int k = 0; k < used; ++k) {
        if (suits[k] < 0)
            continue;
        if (seen[suits[k]])
            return false;
        seen[suits[k]] = true;
    }
    return true;
}

bool BaseColoursAlternate(const Session& s, int card, int i) {
    for (int k = 0; k < kFoundationCount; ++k) {
        const std::string& content = s.Piles.FoundationPiles[static_cast<size_t>(k)];
        if (content.empty())
            continue;
        const bool c0 = CardIsRed(PileCard(content, 0));
        const bool required = (i - k) % 2 == 0 ? c0 : !c0;
        return CardIsRed(card) == required;
    }
    return true;
}

bool BaseSuitsAtMost(const Session& s, int card, int limit) {
    bool seen[4] = {};
    int count = 0;
    auto add = [&](int suit) {
        if (suit >= 0 && !seen[suit]) {
            seen[suit] = true;
            ++count;
        }
    };
    add(CardSuit(card));
    for (const std::string& content : s.Piles.FoundationPiles)
        if (!content.empty())
            add(CardSuit(PileCard(content, 0)));
    return count <= limit;
}

bool GridAdjacent(int a, int b, int w) {
    if (a == b || w <= 0 || a < 0 || b < 0)
        return false;
    if (a % w != b % w)
        return a / w == b / w && (a - b == 1 || b - a == 1);
    return a - b == w || b - a == w;
}

GridJumpResult GridJump(const Session& s, int loc, int i) {
    const int w = s.Attr(attr::GridWidth);
    if (!LocIsTableau(loc) || w <= 0 || i < 0 || i >= kTableauCount)
        return {};
    const int k = LocTableauIndex(loc);
    auto holds = [&](int p) {
        return p >= 0 && p < kTableauCount && !s.Piles.TableauPiles[static_cast<size_t>(p)].empty();
    };
    if (k / w == i / w) {
        if (k == i + 2 && holds(i + 1))
            return {true, i + 1};
        if (k == i - 2 && holds(i - 1))
            return {true, i - 1};
    }
    if (k == i - 2 * w && holds(i - w))
        return {true, i - w};
    if (k == i + 2 * w && holds(i + w))
        return {true, i + w};
    return {};
}

void InstallEngineHooks(Session& s) {
    s.Hooks.RuleAccepts = &RuleAccepts;
}

} // namespace quillon
