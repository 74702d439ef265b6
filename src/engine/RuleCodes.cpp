// The building rules of their own: build by two, three or four, by the count of stock deals, by
// sums, by grid neighbours, by groups tied to other piles, jokers as wild cards, the step fixed by
// the first foundation and the base-rank puzzle. Each is a rule code of 4 or above in the per-pile
// rule attributes; codes without a rule of their own go on with the general rule.

#include "engine/MoveLegality.h"
#include "engine/RuleContext.h"

namespace quillon {

namespace {

using V = Verdict;
constexpr V Yes{V::Accept, 0, false};
constexpr V No{V::Refuse, 0, false};

int RankOf(std::string_view pile, int k) {
    return CardRank(PileCard(pile, k));
}
int SuitOf(std::string_view pile, int k) {
    return CardSuit(PileCard(pile, k));
}

// 4 when the destination is foundation 4 or above, else 0: the group of four foundations it
// belongs to in the games that start each group with four different suits.
int GroupOf(int i) {
    return i > 3 ? 4 : 0;
}

bool AnyEmpty(const RuleContext& c, int first, int last) {
    for (int k = first; k <= last; ++k)
        if (c.T(k).empty())
            return true;
    return false;
}

bool AllEmpty(const RuleContext& c, int first, int last) {
    for (int k = first; k <= last; ++k)
        if (!c.T(k).empty())
            return false;
    return true;
}

// Suit order of rules 86 and 87: hearts, clubs, diamonds, spades, then hearts again.
int NextSuit(int suit) {
    switch (suit) {
    case 0:
        return 2;
    case 2:
        return 1;
    case 1:
        return 3;
    case 3:
        return 0;
    default:
        return -2;
    }
}

// Jokers as wild cards on foundations built up in suit (rules 72 and 75).
V WildJokers(const RuleContext& c) {
    const Session& s = c.s;
    int base = c.Base(c.i);
    if (base == -2) {
        for (int k = 0; k < FoundationsInPlay(s); ++k) {
            std::string_view f = c.F(k);
            if (f.empty())
                continue;
            const int first = PileCard(f, 0);
            if (!CardIsJoker(first)) {
                base = CardRank(first);
                break;
            }
            if (RuleContext::n(f) >= 2) {
                base = RankOf(f, 1) - 1;
                break;
            }
        }
    }
    const bool anyRank = base == -2;
    std::string_view dest = c.F(c.i);
    bool ok;
    if (CardIsJoker(c.M)) {
        ok = !c.empty || c.q.rule == 75;
    } else if (c.empty) {
        ok = anyRank || c.rM == base;
    } else if (CardIsJoker(c.D) && RuleContext::n(dest) <= 1) {
        ok = anyRank || c.rM == base || c.rM == base + 1;
    } else if (CardIsJoker(c.D)) {
        const int y = PileCard(dest, RuleContext::n(dest) - 2);
        const int ry = CardRank(y);
        ok = c.sM == CardSuit(y) &&
             (c.rM == ry + 1 || c.rM == ry + 2 || (base != 1 && ry == 13 && (c.rM == 1 || c.rM == 2)));
    } else {
        ok = c.SameSuit() && c.Up(base != 1);
        if (!ok && c.SameSuit()) {
            // The card may stand for the first joker of the foundation.
            for (int k = 0; k < RuleContext::n(dest); ++k) {
                if (!CardIsJoker(PileCard(dest, k)))
                    continue;
                ok = k == 0 ? c.rM == base : c.rM == RankOf(dest, k - 1) + 1;
                break;
            }
        }
    }
    if (ok && s.Attr(attr::FoundationCount) == 4)
        ok = SuitsDistinctInGroup(s, 0, c.i, c.M);
    return V::Is(ok);
}

// The step rule (91): the step is fixed by the first foundation holding two cards.
V StepRule(const RuleContext& c) {
    int step = 0;
    bool found = false;
    for (int k = 0; k < FoundationsInPlay(c.s) && !found; ++k) {
        std::string_view f = c.F(k);
        if (RuleContext::n(f) < 2)
            continue;
        const int a = RankOf(f, 0), b = RankOf(f, 1);
        step = b - a;
        if (step < 0) {
            if (a == 13 && b == 1)
                step = 1;
            else if ((a == 13 && b == 2) || (a == 12 && b == 1))
                step = 2;
        }
        found = true;
    }
    auto byStep = [&](int st) {
        if (c.rM == c.rD + st)
            return true;
        if (st == 1)
            return c.rD == 13 && c.rM == 1;
        if (st == 2)
            return (c.rD == 13 && c.rM == 2) || (c.rD == 12 && c.rM == 1);
        return false;
    };
    if (found)
        return V::Is(byStep(step));
    return V::Is(byStep(1) || byStep(2));
}

// The base-rank puzzle (93): every tableau pile is built up by three in suit from its own base rank.
V BaseRankPuzzle(const RuleContext& c) {
    std::string_view t = c.T(c.i);
    const int base = c.Empty(c.i);
    const int count = RuleContext::n(t);
    if (count == 0 || c.empty)
        return V::Is(c.rM == base);
    if (count == 1 && RankOf(t, 0) != base) {
        // Two lone cards in the wrong piles are exchanged.
        if (c.rM != base || !c.fromTableau())
            return No;
        const int k = LocTableauIndex(c.loc());
        return V::Is(RuleContext::n(c.T(k)) == 1 && RankOf(t, 0) == c.Empty(k));
    }
    if (RankOf(t, 0) == base)
        return V::Is(c.sM == c.sD && c.rM == c.rD + 3);
    return No;
}

// Rule 128: foundations 3 and 4 share one suit, built up from an Ace and down from a Jack; the
// others build down from their base rank in the remaining suits.
V SharedSuitPair(const RuleContext& c) {
    std::string_view f3 = c.F(3), f4 = c.F(4);
    if (c.i == 3 || c.i == 4) {
        for (int k : {0, 1, 2, 5, 6, 7})
            if (!c.F(k).empty() && SuitOf(c.F(k), 0) == c.sM)
                return No;
        if (c.i == 3) {
            if (c.empty)
                return V::Is(c.rM == 1 && (f4.empty() || SuitOf(f4, 0) == c.sM));
            return V::Is(c.SameSuit() && c.Up(true));
        }
        if (c.empty)
            return V::Is(c.rM == 11 && (f3.empty() || SuitOf(f3, 0) == c.sM));
        return V::Is(c.SameSuit() && c.Down(true));
    }
    const int shared = !f3.empty() ? SuitOf(f3, 0) : !f4.empty() ? SuitOf(f4, 0) : -2;
    if (c.sM == shared)
        return No;
    if (f3.empty() && f4.empty() && !BaseSuitsAtMost(c.s, c.M, 3))
        return No;
    if (c.empty)
        return V::Is(c.rM == c.Base(c.i));
    return V::Is(c.SameSuit() && c.Down(true));
}

// Rule 102: the direction of play is set by the foundations.
V FoundationDirected(const RuleContext& c) {
    if (!CardIsFree(c.s, c.M) || c.empty || !c.SameSuit())
        return No;
    int direction = -1; // undecided
    for (int k = 0; k < kFoundationCount; ++k) {
        std::string_view f = c.F(k);
        if (RuleContext::n(f) < 2)
            continue;
        const int a = RankOf(f, 0), b = RankOf(f, 1);
        if (a == 13 && b == 1)
            direction = 1;
        else if (a == 1 && b == 13)
            direction = 0;
        else
            direction = b > a ? 1 : 0;
    }
    if (direction == 1)
        return V::Is(c.Up(true));
    if (direction == 0)
        return V::Is(c.Down(true));
    return V::Is(c.UpOrDown(true));
}

// Rule 101: cards leave and join the rows of ten from their free ends only.
V RowEnds(const RuleContext& c) {
    if (!CardIsFree(c.s, c.M))
        return No;
    const int i = c.i;
    const int rowStart = i / 10 * 10;
    const int rowEnd = rowStart + 9;
    if (c.empty) {
        if (i % 10 == 4)
            return V::Is(AllEmpty(c, i - 4, i));
        if (i % 10 == 5)
            return V::Is(AllEmpty(c, i, i + 4));
        return No;
    }
    const bool open = (i % 10 <= 4 && i < 35) ? AllEmpty(c, rowStart, i - 1) : AllEmpty(c, i + 1, rowEnd);
    return V::Is(open && c.SameSuit() && c.UpOrDown(true));
}

} // namespace

Verdict SpecialRule(const RuleContext& c) {
    const Session& s = c.s;
    const int code = c.q.rule;
    const int i = c.i;
    const int rM = c.rM, rD = c.rD;
    switch (code) {
    case 4:
    case 5:
    case 113:
    case 138:
    case 139:
        return No;
    case 7:
        if (!c.q.placing)
            return V::G(code);
        return V::Is(c.empty && c.S().empty());
    case 11:
        if (rM == 12 && (rD == 13 || rD == 11))
            return No;
        return V::G(11);
    case 12:
        return Yes;
    case 14:
    case 15:
    case 16: {
        const int k = code - 12;
        return V::Is(rM == rD + k || rM == (rD + k) % 13);
    }
    case 17:
        return V::Is(!c.fromTableau());
    case 18:
        return V::Is(!c.fromTableau() || c.T(i).empty());
    case 19:
        return V::Is(!c.fromTableau() && !c.fromReserve());
    case 33:
        return V::Is(!c.fromTableau() && RuleContext::n(c.T(i)) < 2);
    case 20:
        return V::Is(c.empty ? rM == 1 : c.Up(true));
    case 21:
        if (c.SameSuit())
            return No;
        return V::G(code);
    case 23:
        if (!c.W().empty() || c.empty)
            return No;
        return V::Is(c.SameSuit() && c.Up());
    case 24:
        if ((rM == 12 && rD == 13) || (rM == 13 && rD == 12) || !c.SameSuit())
            return No;
        return V::G(code);
    case 25:
    case 61: {
        if (c.empty)
            return V::G(code);
        const int k = c.q.direction == 1 ? 2 : -2;
        if (rM == rD + k && c.SameSuit())
            return Yes;
        if (code == 25)
            return No;
        if (RuleContext::n(c.F(i)) >= 13)
            return V::G(code);
        return V::Is(c.SameSuit() && ((rM == 2 && rD == 13) || (rM == 1 && rD == 12)));
    }
    case 26:
        if (c.empty) {
            const int e = c.Empty(i);
            return V::Is(e == 13 ? rM == 13 : e == -1);
        }
        return V::Is(RuleContext::n(c.T(i)) < 3 && c.UpOrDown());
    case 27:
        if (c.loc() >= -32 && c.loc() <= -1)
            return No;
        return V::G(3);
    case 28:
    case 60: {
        if (c.empty)
            return Yes;
        if (code == 60 && !c.SameSuit())
            return No;
        if (rD == 1)
            return V::Is(rM == 2);
        if (rD == 13)
            return V::Is(rM == 12);
        return V::Is(c.UpOrDown());
    }
    case 29: {
        if (c.empty)
            return V::Is(BaseCardsBalanced(s, c.q.emptyValue, c.M));
        if (!c.SameSuit())
            return No;
        const int held = RuleContext::n(c.F(i));
        if (held <= 12)
            return V::Is(c.Up());
        if (held == 13)
            return V::Is(rM == 13);
        return V::Is(c.Down());
    }
    case 30: {
        if ((rM == 13 && rD == 1) || (rM == 1 && rD == 13))
            return No;
        if (!c.empty && !c.SameSuit())
            return No;
        std::string_view t = c.T(i);
        const int held = RuleContext::n(t);
        if (held >= 2)
            return V::Is(rD < RankOf(t, held - 2) ? c.Down() : c.Up());
        return V::Is(c.UpOrDown());
    }
    case 31:
        return V::Is(rD != 1 && c.SameSuit() && c.Down());
    case 32:
        return V::Is(rD != 13 && c.SameSuit() && c.Up());
    case 34:
        if (c.empty)
            return V::G(code);
        return V::Is(c.Down());
    case 35:
        if (c.empty)
            return V::G(code);
        return V::Is(c.UpOrDown(true));
    case 36:
        if (c.empty)
            return V::Is(rM == c.q.stopRank && (i <= 0 || !c.F(i - 1).empty()));
        return V::Is(c.Down(true));
    case 37:
        if (c.empty)
            return V::G(code);
        return V::Is(rM == (2 * rD) % 13 || (rM == 13 && RuleContext::n(c.F(0)) >= 48));
    case 38: {
        if (!c.W().empty())
            return No;
        if (c.empty)
            return V::Is(rM == 13);
        if (RuleContext::n(c.Dest()) == 1 && rD == 13)
            return V::Is(rM != 12 && rM != 13);
        return No;
    }
    case 39:
        if (c.empty)
            return V::Is(rM == 1);
        return V::Is(c.Up() && rM != 12 && rM != 13);
    case 40: {
        if (RuleContext::n(c.S()) + RuleContext::n(c.W()) == 1)
            return Yes;
        int want = s.StateValues[DealCounter] % 13;
        if (want < 0)
            want += 13;
        return V::Is(rM == (want == 0 ? 13 : want));
    }
    case 41:
        if (c.empty)
            return V::Is(rM == c.Base(i) && SuitsDistinctInGroup(s, GroupOf(i), -1, c.M));
        return V::Is(c.SameSuit() && (rM == rD + 2 || rM == (rD + 2) % 13));
    case 42: {
        if (!(c.SameSuit() && c.Up()))
            return No;
        if (rM != 13)
            return Yes;
        // The King waits for a King on the foundation six places on; no such foundation, no King.
        std::string_view partner = c.F(i + 6);
        return V::Is(i + 6 < kFoundationCount && !partner.empty() && CardRank(PileTop(partner)) == 13);
    }
    case 43:
        return V::Is(c.SameSuit() && rM == rD + 2);
    case 44:
        if (c.empty)
            return V::Is(rM == 1);
        return V::Is(c.Up() && rM != 13);
    case 45:
        if (!c.W().empty())
            return No;
        if (c.empty)
            return V::Is(rM == 13);
        if (rM == 13)
            return No;
        if (RuleContext::n(c.Dest()) == 1)
            return Yes;
        return V::Is(c.Down());
    case 46:
    case 49:
    case 51: {
        if (!c.empty)
            return V::Is(c.Up() && rM != 12 && rM != 13);
        bool ok = rM == c.Base(i);
        if (code != 46)
            ok = ok && !c.T(i).empty();
        if (code == 51)
            ok = ok && c.sM == SuitOf(c.T(i), 0);
        return V::Is(ok);
    }
    case 47:
    case 50:
    case 52: {
        if (!c.empty)
            return V::Is(c.Down(true) && rM != 12);
        bool ok = rM == c.Base(i);
        // A tableau pile eight places back that does not exist leaves the result as it is.
        if (code != 47 && i - 8 >= 0 && i - 8 < kTableauCount) {
            std::string_view partner = c.T(i - 8);
            ok = ok && !partner.empty();
            if (code == 52)
                ok = ok && c.sM == SuitOf(partner, 0);
        }
        return V::Is(ok);
    }
    case 48:
        if (!c.W().empty())
            return No;
        if (c.empty)
            return V::Is(rM == 12);
        if (RuleContext::n(c.Dest()) == 1 && rD == 12)
            return V::Is(rM != 12);
        return No;
    case 53:
        if (i > 0 && RuleContext::n(c.F(0)) != 13)
            return No;
        return V::Is(c.empty ? rM == c.Base(i) : c.Up(true));
    case 54: {
        if (!c.empty)
            return V::Is(rD == 1 && rM == 13 ? c.Wrap(i) == 1 : c.Down());
        if (c.fromTableau() || c.fromReserve())
            return No;
        const int e = c.Empty(i);
        return V::Is(rM == e || e == -1);
    }
    case 55: {
        bool ok;
        if (c.empty) {
            const int e = c.Empty(i);
            ok = rM == e || e == -1;
        } else {
            ok = c.redM == c.redD && c.Up();
        }
        const int waste = RuleContext::n(c.W());
        if (waste > 1)
            return No;
        if (waste == 1)
            ok = ok && PileTop(c.W()) == c.M;
        return V::Is(ok);
    }
    case 56:
        if (c.empty)
            return No;
        return V::Is(rM == rD && c.fromTableau() && LocTableauIndex(c.loc()) >= i);
    case 57:
        return V::Is(c.S().empty() && c.UpOrDown(true));
    case 58:
    case 64: {
        if (!c.S().empty() && c.fromTableauPiles(4, 7) && LocTableauIndex(c.loc()) != i + 4)
            return No;
        if (c.empty)
            return No;
        return V::Is(c.SameSuit() && (c.Dir(i) == 1 ? c.Up() : c.Down()));
    }
    case 63:
        if (s.Game.RedealCount <= 1 &&
            ((c.fromTableauPiles(0, 3) && i > 3) || (c.fromTableauPiles(6, 9) && i <= 3)))
            return No;
        if (!c.SameSuit())
            return No;
        return V::G(code);
    case 68:
        return V::Is(c.UpOrDown(true));
    case 70: {
        const int w = s.Attr(attr::GridWidth);
        if (!c.T(i).empty() || !c.fromTableau() || w <= 0)
            return No;
        const int k = LocTableauIndex(c.loc());
        const bool fromNeighbour =
            (k == i + 1 && i % w != w - 1) || (k == i - 1 && i % w != 0) || k == i - w || k == i + w;
        return V::Is(fromNeighbour);
    }
    case 71:
        return V::Is(c.T(i).empty() && GridJump(s, c.loc(), i).ok);
    case 72:
    case 75:
        return WildJokers(c);
    case 73:
        return V::Is(rM == i + 1);
    case 76:
        return V::Is(c.empty || rM < rD);
    case 77:
        return V::Is(rM == RuleContext::n(c.F(i)) / 4 + 1);
    case 78:
        if (c.empty)
            return V::Is(rM == 1);
        return V::Is((rD == 13 && rM == 1) || (c.SameSuit() && c.Up()));
    case 79: {
        bool ok = c.empty ? rM == c.Base(i) : c.Up(true);
        const bool thirteenth = RuleContext::n(c.F(i)) == 12;
        if (c.fromReserve())
            ok = ok && thirteenth && LocReserveIndex(c.loc()) == i;
        else
            ok = ok && !thirteenth;
        return V::Is(ok);
    }
    case 80:
        if (c.fromTableau())
            return No;
        if (c.T(i).empty())
            return Yes;
        return V::Is(c.SameSuit() && c.UpOrDown(true));
    case 81:
        if (c.fromTableau())
            return No;
        if (c.R(i).empty())
            return Yes;
        return V::Is(c.SameSuit() && c.UpOrDown(true));
    case 82:
        if (!c.S().empty() || !c.W().empty())
            return No;
        if (c.empty ? !SuitsDistinctInGroup(s, GroupOf(i), -1, c.M) : !c.SameSuit())
            return No;
        return V::G(code);
    case 83:
        if (i == 6 ? RuleContext::n(c.F(6)) == 13 : rD == i + 1)
            return No;
        return V::Is(c.Down(true));
    case 86:
        if (c.empty)
            return V::Is(rM == 1);
        return V::Is(c.Up() && c.sM == NextSuit(c.sD));
    case 87:
        if (c.empty)
            return Yes;
        return V::Is(c.Down() && c.sM == NextSuit(c.sD));
    case 91:
        return StepRule(c);
    case 92:
        return V::Is(rM == 1);
    case 93:
        return BaseRankPuzzle(c);
    case 94: {
        if (!c.empty)
            return V::Is(c.redM != c.redD && rM == CardRank(c.D - 1));
        if (c.fromTableau())
            return No;
        if (c.fromWaste()) {
            for (int k = 0; k < kReserveCount; ++k)
                if (!c.R(k).empty())
                    return No;
        }
        return Yes;
    }
    case 95: {
        if (c.empty)
            return V::Is(rM == 1);
        // The rank of the card numbered one above D, which is D's rank plus one and an Ace above a
        // King (also above the last King of the fourth deck, where the next number is a joker).
        const int next = c.D >= 1 && c.D <= 208 ? rD % 13 + 1 : CardRank(c.D + 1);
        return V::Is(c.SameSuit() && rM == next);
    }
    case 96:
        if (c.empty && !SuitsDistinctInGroup(s, GroupOf(i), i, c.M))
            return No;
        return V::G(0);
    case 97: {
        if (c.empty)
            return V::Is(rM == c.Base(i));
        if (RuleContext::n(c.F(i)) >= 12)
            return No;
        const int h = s.Attr(attr::FoundationCount) / 2;
        std::string_view partner = c.F(i - h);
        if (i - h < 0 || i - h >= kFoundationCount || partner.empty())
            return No;
        int sum = rD + RankOf(partner, 0);
        if (sum > 13)
            sum -= 13;
        return V::Is(rM == sum);
    }
    case 98:
        if (c.empty)
            return V::Is(rM == c.Base(i));
        return V::Is(c.SameSuit() && (rD == 1 ? rM == 7 : c.Up()));
    case 99:
        if (!c.fromTableauPiles(0, 7))
            return No;
        return V::Is(c.empty ? rM == 1 : c.SameSuit() && c.Up());
    case 100: {
        bool source = true;
        if (i >= 0 && i <= 7)
            source = c.fromTableauPiles(8, 15);
        else if (i >= 8 && i <= 15)
            source = c.fromTableauPiles(16, 23);
        else if (i >= 16 && i <= 23)
            source = c.fromTableauPiles(24, 31);
        else if (i >= 24 && i <= 31)
            source = c.fromWaste();
        if (!source)
            return No;
        return V::Is(c.empty || (c.redM != c.redD && c.Down()));
    }
    case 101:
        return RowEnds(c);
    case 102:
        return FoundationDirected(c);
    case 104: {
        if (c.empty)
            return No;
        if (i == 0 && rD == 12)
            return No;
        if (i >= 1 && i <= 11 && rD == i)
            return No;
        return V::Is(c.SameSuit() && c.Up(true));
    }
    case 105:
        return V::Is(!c.empty && c.SameSuit() && c.Down(true));
    case 106:
        if (c.empty)
            return V::Is(rM == c.Base(i));
        return V::Is(c.SameSuit() && rM == rD + 2);
    case 108:
        if (!c.S().empty())
            return No;
        return V::Is(c.empty || (c.SameSuit() && c.UpOrDown(true)));
    case 109: {
        if (!(c.SameSuit() && c.Up()))
            return No;
        if (!c.fromTableau())
            return Yes;
        const int k = LocTableauIndex(c.loc());
        if (k >= 8 && k <= 31)
            return V::Is(c.T(k - 8).empty() || c.T(k + 8).empty());
        if (k <= 7)
            return V::Is(!(!c.R(k).empty() && !c.T(k + 8).empty()));
        return Yes;
    }
    case 110: {
        if (!c.fromTableau())
            return No;
        if (rM != 1 && LocTableauIndex(c.loc()) != i)
            return No;
        if (c.empty) {
            if (rM != 1)
                return No;
            for (int k = 0; k < i; ++k)
                if (c.F(k).empty())
                    return No;
            return Yes;
        }
        if (!c.SameSuit())
            return No;
        if (rD == 1 && RuleContext::n(c.F(i)) == 1)
            return V::Is(rM == 7);
        return V::Is(c.Up());
    }
    case 111:
        if (c.fromTableauPiles(8, 15))
            return No;
        if (c.empty)
            return V::Is(rM == c.Base(i) && SuitsDistinctInGroup(s, GroupOf(i), i, c.M));
        return V::Is(c.SameSuit() && (c.Dir(i) == 1 ? c.Up() : c.Down()));
    case 112:
        if ((i >= 8 && i <= 15) || c.fromTableauPiles(8, 15))
            return No;
        return V::Is(c.empty || (c.SameSuit() && c.UpOrDown()));
    case 114: {
        bool source;
        if (c.fromTableauPiles(0, 12))
            source = true;
        else if (c.fromTableauPiles(13, 21))
            source = AnyEmpty(c, 0, 12) || c.F(i).empty();
        else if (c.fromWaste())
            source = c.F(i).empty() || (AnyEmpty(c, 0, 12) && AnyEmpty(c, 13, 21));
        else
            source = false;
        if (!source)
            return No;
        if (c.empty)
            return V::Is(rM == s.Attr(attr::FoundationBase));
        return V::Is(c.SameSuit() && c.Up(true));
    }
    case 115:
        if (i >= 13) {
            if (!c.fromTableauPiles(13, 21) && !c.fromWaste())
                return No;
            return V::Is(c.empty || (c.redM != c.redD && c.Down(true)));
        }
        if (!c.T(i).empty())
            return No;
        if (c.fromTableauPiles(13, 21))
            return Yes;
        return V::Is(c.fromWaste() && AnyEmpty(c, 13, 21));
    case 116:
        if (!c.fromTableau() || !GridAdjacent(i, LocTableauIndex(c.loc()), 3))
            return No;
        return V::Is(c.empty || c.UpOrDown(true));
    case 117: {
        bool source = false;
        if (c.fromTableau()) {
            switch (LocTableauIndex(c.loc())) {
            case 5:
                source = true;
                break;
            case 0:
            case 6:
                source = AllEmpty(c, 3, 5);
                break;
            case 1:
            case 3:
            case 7:
                source = AllEmpty(c, 4, 5);
                break;
            case 2:
            case 4:
            case 8:
                source = c.T(5).empty();
                break;
            default:
                break;
            }
        }
        if (!source)
            return No;
        return V::Is(c.empty ? rM == 1 : c.Up(true));
    }
    case 118:
        if (i > 0 && RuleContext::n(c.F(i - 1)) != 13)
            return No;
        return V::Is(c.empty ? rM == c.q.stopRank : c.Up(true));
    case 120: {
        std::string_view partner = c.F(i - 8);
        if (rM != 13 || !c.empty || i - 8 < 0 || partner.empty())
            return No;
        return V::Is(c.sM == SuitOf(partner, 0));
    }
    case 121:
        if (c.empty)
            return V::Is(rM == 11);
        return V::Is(c.SameSuit() && c.Down());
    case 123:
        if (rM != c.q.stopRank)
            return No;
        return V::Is(c.empty ? c.sM == s.Game.OnceUsed : c.redM != c.redD);
    case 124: {
        const int shared = s.Attr(59);
        if (i == 4)
            return V::Is(rM == shared);
        if (rM == shared)
            return No;
        if (c.empty)
            return V::Is(SuitsDistinctInGroup(s, i > 3 ? 5 : 0, i, c.M) && rM == c.Base(i));
        return V::Is(c.SameSuit() && (c.Dir(i) == 1 ? c.Up(true) : c.Down(true)));
    }
    case 125:
        if (c.empty)
            return V::G(code);
        if (RuleContext::n(c.F(i)) >= 13 || !c.SameSuit())
            return No;
        return V::G(code, c.Up(true));
    case 126:
        return V::Is(c.empty || rM == rD);
    case 127:
        if (c.empty)
            return V::Is(rM == 1 && SuitsDistinctInGroup(s, 0, i, c.M));
        return V::Is(RuleContext::n(c.F(i)) <= 26 && c.SameSuit() && c.Up(true));
    case 128:
        return SharedSuitPair(c);
    case 129:
        if (!c.S().empty() || c.empty)
            return No;
        return V::Is(c.SameSuit() && c.UpOrDown(true));
    case 130:
        if (i >= 0 && i <= 3)
            return V::Is(c.empty && !c.fromTableau());
        if (c.fromTableauPiles(0, 3))
            return No;
        if (c.fromReserve() && !AnyEmpty(c, 4, 8))
            return No;
        return V::Is(c.empty || (c.SameSuit() && c.UpOrDown()));
    case 131: {
        if (c.fromTableau()) {
            bool blocked = false;
            switch (LocTableauIndex(c.loc())) {
            case 0:
                blocked = !c.T(2).empty() || !c.T(6).empty();
                break;
            case 1:
                blocked = !c.T(5).empty();
                break;
            case 2:
                blocked = !c.T(6).empty();
                break;
            case 3:
                blocked = !c.T(7).empty();
                break;
            default:
                break;
            }
            if (blocked)
                return No;
        }
        if (c.empty)
            return V::Is(rM == c.Base(i) && SuitsDistinctInGroup(s, GroupOf(i), i, c.M));
        return V::Is(c.SameSuit() && (c.Dir(i) == 1 ? c.Up() : c.Down()));
    }
    case 132:
        if (!c.empty)
            return V::Is(c.Up());
        return V::Is(rM == 1 && (i <= 0 || RuleContext::n(c.F(i - 1)) == 13));
    case 133:
        if (c.empty)
            return Yes;
        return V::Is(rM == rD - 2 || (rD == 1 && rM == 12) || (rD == 2 && rM == 13));
    case 134: {
        const int l = c.loc();
        if (l >= -15 && l <= -1)
            return No;
        if (i == 0 ? c.fromTableauPiles(1, 3) : c.fromTableauPiles(0, 0))
            return No;
        if (c.empty)
            return V::Is(c.fromWaste());
        return V::Is(i == 0 ? c.Down() : c.Up());
    }
    case 135: {
        if (i == 0) {
            if (!c.empty)
                return V::Is(c.SameSuit() && c.Up());
            if (rM != 1)
                return No;
            for (int k = 0; k < 4; ++k)
                if (RuleContext::n(c.F(k)) > 1)
                    return Yes;
            return V::Is(SuitsDistinctInGroup(s, 0, 0, c.M));
        }
        std::string_view f0 = c.F(0);
        if (!f0.empty() && c.sM == SuitOf(f0, 0))
            return No;
        return V::Is(c.empty ? rM == 13 : c.Down());
    }
    case 136:
        if (i >= 4 && c.empty) {
            int complete = 0;
            for (int k = 0; k < kFoundationCount; ++k)
                if (RuleContext::n(c.F(k)) == 13)
                    ++complete;
            if (complete < i - 3)
                return No;
        }
        return V::G(3);
    case 137:
        if (c.fromTableau() || RuleContext::n(c.T(i)) >= 5)
            return No;
        return V::Is(c.empty || c.UpOrDown());
    case 140: {
        if (!c.empty)
            return V::Is(RuleContext::n(c.F(i)) < 10 && c.SameSuit() && c.Up());
        if (rM != 1)
            return No;
        int firstEmpty = 0;
        while (firstEmpty < kFoundationCount && !c.F(firstEmpty).empty())
            ++firstEmpty;
        if (firstEmpty > 0 && firstEmpty < kFoundationCount)
            return V::Is(c.redM != CardIsRed(PileCard(c.F(firstEmpty - 1), 0)));
        return Yes;
    }
    case 141:
        if (c.fromTableau())
            return No;
        return V::Is(i == 3 ? rM == 13 : rM != 13);
    case 142:
        if (!(c.fromTableau() && LocTableauIndex(c.loc()) == i) && !c.T(i).empty())
            return No;
        return V::Is(c.empty ? rM == 1 : c.SameSuit() && c.Up());
    case 143:
    case 144: {
        const int l = c.loc();
        if ((l == -21 || l == -22) && !c.R(2).empty())
            return No;
        if (code == 143)
            return V::Is(c.empty ? !c.fromReserve() : c.SameSuit() && c.Down());
        return V::Is(c.empty ? rM == 1 : c.SameSuit() && c.Up());
    }
    default:
        return V::G(code);
    }
}

} // namespace quillon
