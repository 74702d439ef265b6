#include "model/Deal.h"

#include "model/DealArrangements.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillon {

namespace {

// Suit table: 13 rows of 16 suits (1 hearts .. 4 spades), read in groups of four, one per deck.
constexpr int kSuitRows[13][16] = {
    {4, 2, 3, 1, 4, 2, 1, 3, 1, 2, 4, 3, 3, 2, 1, 4}, {1, 3, 2, 4, 4, 3, 2, 1, 3, 2, 4, 1, 4, 2, 3, 1},
    {2, 4, 3, 1, 3, 4, 1, 2, 4, 3, 1, 2, 3, 2, 4, 1}, {3, 4, 2, 1, 2, 3, 1, 4, 2, 1, 4, 3, 1, 3, 4, 2},
    {4, 2, 3, 1, 1, 3, 4, 2, 3, 1, 2, 4, 2, 4, 3, 1}, {1, 4, 2, 3, 4, 1, 2, 3, 1, 2, 4, 3, 4, 3, 1, 2},
    {2, 1, 3, 4, 3, 1, 2, 4, 2, 3, 4, 1, 2, 1, 3, 4}, {3, 2, 1, 4, 2, 4, 1, 3, 4, 1, 2, 3, 1, 4, 3, 2},
    {4, 3, 1, 2, 1, 2, 3, 4, 1, 3, 4, 2, 2, 4, 3, 1}, {2, 1, 4, 3, 4, 2, 1, 3, 4, 3, 1, 2, 4, 1, 2, 3},
    {3, 1, 4, 2, 1, 2, 4, 3, 2, 4, 3, 1, 3, 1, 4, 2}, {3, 2, 4, 1, 1, 4, 3, 2, 1, 4, 3, 2, 4, 3, 1, 2},
    {2, 3, 4, 1, 4, 1, 3, 2, 1, 3, 2, 4, 2, 4, 3, 1},
};

// Step table: 10 rows of 16 steps.
constexpr int kStepRows[10][16] = {
    {25, 18, 13, 22, 21, 20, 15, 15, 19, 20, 11, 30, 12, 25, 35, 41},
    {20, 19, 12, 13, 18, 18, 23, 17, 11, 20, 15, 25, 28, 34, 21, 10},
    {30, 21, 19, 19, 13, 22, 20, 18, 25, 31, 14, 10, 40, 32, 10, 15},
    {51, 16, 14, 18, 21, 21, 17, 19, 24, 10, 23, 15, 21, 11, 16, 32},
    {18, 19, 19, 23, 13, 16, 15, 20, 12, 15, 19, 25, 30, 24, 26, 10},
    {17, 21, 14, 19, 19, 16, 18, 17, 25, 35, 14, 18, 17, 26, 12, 15},
    {48, 16, 13, 14, 19, 20, 20, 16, 15, 26, 32, 24, 30, 15, 12, 11},
    {11, 21, 21, 23, 17, 18, 22, 20, 32, 16, 18, 20, 21, 27, 18, 12},
    {22, 16, 13, 13, 19, 17, 22, 13, 30, 15, 21, 23, 23, 14, 11, 12},
    {24, 13, 20, 21, 21, 14, 15, 22, 16, 21, 18, 23, 17, 15, 18, 22},
};

// Attribute numbers read by the deal.
enum : int {
    kAttrFoundationArrangement = 1,
    kAttrStockFaceDown = 7,
    kAttrDeckFilter = 36,
    kAttrJokerSwitch = 46,
    kAttrShortDeck = 49,
    kAttrFamily = 54,
    kAttrFoundationBase = 55,
    kAttrFoundationStart = 103,
    kAttrTableauEmpty = 135,
    kAttrSecondWasteCard = 359,
    kAttrStockPiles = 373,
    kAttrFoundationCount = 374,
    kAttrTableauCount = 375,
    kAttrReserveCount = 376,
    kAttrSecondWasteCount = 377,
    kAttrDeckSize = 378,
    kAttrStockDeal = 379,
    kAttrWasteDeal = 380,
    kAttrJokers = 381,
    kAttrTableauDeal = 382,
    kAttrTableauFace = 422,
    kAttrSecondWasteDeal = 462,
    kAttrReserveDeal = 463,
    kAttrReserveFace = 475,
};

// Rank used as a foundation's start rank: a joker counts as -2.
int StartRank(int card) {
    return CardIsJoker(card) ? -2 : CardRank(card);
}

void SetStartRank(Session& s, int k, int rank) {
    if (k >= 0 && k < kFoundationCount)
        s.GameAttr[static_cast<size_t>(kAttrFoundationBase + k)] = static_cast<std::int16_t>(rank);
}

int Count(const Session& s, int attr, int most) {
    return std::clamp(s.Attr(attr), 0, most);
}

// Removes the first entry holding `card` from the deck; false when it holds none.
bool TakeFromDeck(DeckList& deck, int card) {
    auto it = std::find(deck.begin(), deck.end(), card);
    if (it == deck.end())
        return false;
    deck.erase(it);
    return true;
}

// The first deck card that satisfies `pred`, taken out of the deck; 0 when none.
template <class Pred> int TakeFirstWhere(DeckList& deck, Pred pred) {
    for (auto it = deck.begin(); it != deck.end(); ++it)
        if (*it > 0 && pred(*it)) {
            int card = *it;
            deck.erase(it);
            return card;
        }
    return 0;
}

int TakeFirst(DeckList& deck) {
    return TakeFirstWhere(deck, [](int) { return true; });
}

void AppendFaceUp(Session& s, std::string& pile, int card) {
    pile += CardText(card);
    s.Cards.SetCardFace(card, '1');
}

// Deals up to n cards from the front of the deck onto a pile, face down.
void DealCards(Session& s, DeckList& deck, std::string& pile, int n) {
    for (int i = 0; i < n && !deck.empty(); ++i) {
        int card = deck.front();
        deck.erase(deck.begin());
        pile += CardText(card);
        s.Cards.SetCardFace(card, '0');
    }
}

// Deals by a pile's deal count: 1-1000 cards; 1001-1499 the first card of rank count - 1000, face
// down; 1501-1504 joker 209-212, face up. Other counts deal nothing.
void DealCount(Session& s, DeckList& deck, std::string& pile, int count) {
    if (count >= 1 && count <= 1000) {
        DealCards(s, deck, pile, count);
    } else if (count > 1000 && count < 1500) {
        int card = TakeFirstWhere(deck, [&](int c) { return CardRank(c) == count - 1000; });
        if (card > 0) {
            pile += CardText(card);
            s.Cards.SetCardFace(card, '0');
        }
    } else if (count >= 1501 && count <= 1504) {
        int joker = kFirstJoker + count - 1501;
        TakeFromDeck(deck, joker);
        AppendFaceUp(s, pile, joker);
    }
}

// The first empty slot from `from` toward the end (step 1) or toward the start (step -1); -1 when none.
int FindEmpty(const DeckList& deck, int from, int step) {
    for (int i = from; i >= 0 && i < static_cast<int>(deck.size()); i += step)
        if (deck[static_cast<size_t>(i)] == 0)
            return i;
    return -1;
}

void KeepOnly(DeckList& deck, auto keep) {
    std::erase_if(deck, [&](int c) { return !keep(c); });
}

// Deck filters by attribute 36.
void FilterDeck(Session& s, DeckList& deck) {
    const int tableaus = s.Attr(kAttrTableauCount);
    auto firstOfRanks = [&](int lastRank, auto eligible) {
        DeckList out;
        std::vector<bool> kept(14, false);
        for (int c : deck) {
            int r = CardRank(c);
            if (r < 1 || r > lastRank || r > 13)
                continue;
            if (!kept[static_cast<size_t>(r)] && eligible(c)) {
                kept[static_cast<size_t>(r)] = true;
                out.push_back(c);
            }
        }
        deck = std::move(out);
    };
    switch (s.Attr(kAttrDeckFilter)) {
    case 11:
        firstOfRanks(tableaus, [](int) { return true; });
        break;
    case 14: {
        const int suit = deck.empty() ? -2 : CardSuit(deck.front());
        firstOfRanks(9, [&](int c) { return CardSuit(c) == suit; });
        break;
    }
    case 9:
        if (tableaus <= 13)
            KeepOnly(deck, [&](int c) { return c >= 1 && c <= tableaus; });
        else
            KeepOnly(deck, [&](int c) { return (c >= 1 && c <= 13) || (c >= 27 && c <= tableaus + 13); });
        break;
    case 12: {
        static constexpr int always[] = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
        static constexpr int notThree[] = {9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
        static constexpr int neither[] = {2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104};
        auto in = [](const auto& list, int c) {
            return std::find(std::begin(list), std::end(list), c) != std::end(list);
        };
        KeepOnly(deck, [&](int c) {
            return in(always, c) || (tableaus != 3 && in(notThree, c)) ||
                   (tableaus != 3 && tableaus != 4 && in(neither, c));
        });
        break;
    }
    case 16:
        KeepOnly(deck, [](int c) { return CardIsJoker(c) || CardRank(c) < 12; });
        break;
    default:
        break;
    }
}

// The start card of foundation k for its start code; -1 for none.
int StartCard(Session& s, const DeckList& deck, int k, int code) {
    auto first = [&](auto pred) {
        for (int c : deck)
            if (c > 0 && pred(c))
                return c;
        return -1;
    };
    auto bottoms = [&](auto get) {
        std::vector<int> out;
        for (int j = 0; j < k; ++j) {
            int b = PileCard(s.Piles.FoundationPiles[static_cast<size_t>(j)], 0);
            if (b > 0)
                out.push_back(get(b));
        }
        return out;
    };
    if (code == 0)
        return -1;
    if (code >= 100)
        return code - 100;
    switch (code) {
    case 20:
        return deck.empty() ? -1 : deck.front();
    case 21: {
        auto suits = bottoms(CardSuit);
        return first(
            [&](int c) { return std::find(suits.begin(), suits.end(), CardSuit(c)) == suits.end(); });
    }
    case 22: {
        auto ranks = bottoms(CardRank);
        return first([&](int c) {
            return CardRank(c) != 13 && std::find(ranks.begin(), ranks.end(), CardRank(c)) == ranks.end();
        });
    }
    case 91: {
        if (deck.empty())
            return -1;
        // The same rank in the following suits, counted round the deck: from the king of the last
        // suit, 13 places on is the king of the first suit, never card 0 (which would leave the
        // foundation without its start card).
        int x = deck.front() + 13 * (k + 1);
        int n = s.Attr(kAttrDeckSize);
        if (x > n && n > 0)
            x = (x - 1) % n + 1;
        return x;
    }
    case 92:
        SetStartRank(s, k, s.Attr(kAttrFoundationBase));
        return -1;
    case 93:
    case 94:
        return k * 13 + 1;
    case 95:
        return k < 4 ? 13 * (k + 1) : 13 * k - 51;
    case 96:
    case 97:
    case 98:
        return -1;
    default:
        if (code >= 51 && code <= 63)
            return first([&](int c) { return CardRank(c) == code - 50; });
        return k * 13 + code;
    }
}

// Places a start card face up on foundation k; it leaves the deck and sets the start rank.
void PlaceOnFoundation(Session& s, DeckList& deck, int k, int card) {
    if (card < 1 || card > kCardCount || k < 0 || k >= kFoundationCount)
        return;
    TakeFromDeck(deck, card);
    AppendFaceUp(s, s.Piles.FoundationPiles[static_cast<size_t>(k)], card);
    SetStartRank(s, k, StartRank(card));
}

int RankAbove(int r) {
    return r >= 13 ? 1 : r + 1;
}
int RankBelow(int r) {
    return r <= 1 ? 13 : r - 1;
}

void FoundationArrangements(Session& s, DeckList& deck) {
    const int foundations = Count(s, kAttrFoundationCount, kFoundationCount);
    auto& F = s.Piles.FoundationPiles;
    auto toFoundation = [&](int k) {
        int card = TakeFirst(deck);
        if (card > 0)
            AppendFaceUp(s, F[static_cast<size_t>(k)], card);
        return card;
    };
    switch (s.Attr(kAttrFoundationArrangement)) {
    case 1:
        if (int c = toFoundation(0); c > 0)
            for (int k = 0; k < kFoundationCount; ++k)
                SetStartRank(s, k, StartRank(c));
        break;
    case 2: {
        int firstCard = 0;
        for (int k = 0; k < foundations; ++k) {
            int c = toFoundation(k);
            if (k == 0)
                firstCard = c;
        }
        if (firstCard > 0)
            for (int k = 0; k < foundations; ++k)
                SetStartRank(s, k, StartRank(firstCard));
        break;
    }
    case 3:
        for (int k = 0; k < foundations && k < kReserveCount; ++k) {
            int b = PileCard(s.Piles.ReservePiles[static_cast<size_t>(k)], 0);
            if (b > 0)
                SetStartRank(s, k, RankAbove(CardRank(b)));
        }
        break;
    case 4:
        if (int c = toFoundation(0); c > 0) {
            int r = CardRank(c);
            for (int k = 0; k < 4; ++k)
                SetStartRank(s, k, r);
            for (int k = 4; k < 8; ++k)
                SetStartRank(s, k, RankAbove(r));
        }
        break;
    case 6:
        if (int c = toFoundation(0); c > 0) {
            int r = CardRank(c);
            for (int k = 0; k < foundations; ++k, r = RankBelow(r))
                SetStartRank(s, k, r);
        }
        break;
    case 7: {
        if (deck.empty())
            break;
        int card = deck.front();
        int r = CardRank(card);
        if (r == 11) {
            deck.erase(deck.begin());
            AppendFaceUp(s, s.Piles.TableauPiles[0], card);
        } else if (r >= 2 && r <= 13) {
            // Foundation rank - 1 (1-based); an ace would name no foundation and stays in the deck.
            deck.erase(deck.begin());
            AppendFaceUp(s, F[static_cast<size_t>(r - 2)], card);
        }
        s.Game.OnceUsed =
            static_cast<std::int16_t>(CardSuit(card)); // 0 hearts .. 3 spades, as the rules compare it
        break;
    }
    case 8:
        if (int c = toFoundation(4); c > 0) {
            int r = CardRank(c);
            SetStartRank(s, 4, r);
            for (int k = 0; k < 4; ++k)
                SetStartRank(s, k, RankAbove(r));
            for (int k = 5; k < 9; ++k)
                SetStartRank(s, k, RankBelow(r));
        }
        break;
    default:
        break;
    }
}

} // namespace

bool IsDealCode(std::string_view code) {
    return !code.empty() && code.size() <= kDealCodeDigits &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void DrawDealCode(Session& s) {
    const int a = s.Random.RandomInt(9999999);
    const int b = s.Random.RandomInt(999999);
    const double p = static_cast<double>(a) * static_cast<double>(b);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", p);
    std::string code = std::string(kDealCodeDigits, '0') + digits;
    s.Params.WriteParam(kParamDealCode, kParamDealCodeWidth, code.substr(code.size() - kDealCodeDigits));
}

DeckList BuildDeck(Session& s) {
    const int deckSize = s.Attr(kAttrDeckSize);
    const bool jokers = s.Attr(kAttrJokerSwitch) == 1;
    const int jokerCount = jokers ? std::clamp(s.Attr(kAttrJokers), 0, 4) : 0;
    const int N = std::max(0, deckSize) + jokerCount;
    DeckList deck(static_cast<size_t>(N), 0);
    if (N == 0)
        return deck;

    int G = 0;
    if (deckSize <= 52)
        G = 4;
    else if (deckSize == 104)
        G = 8;
    else if (deckSize == 156)
        G = 12;
    else if (deckSize == 208)
        G = 16;
    else
        s.desktop->MessageBox(BoxKind::Information, "Quillon 2003", "Error 01 - fnGameNumberCardsArray");

    // T: the code as 13 digits, T[1]..T[13]; anything but a digit counts as 0.
    std::string code =
        std::string(kDealCodeDigits, '0') + s.Params.ReadParam(kParamDealCode, kParamDealCodeWidth);
    code = code.substr(code.size() - kDealCodeDigits);
    int T[14] = {};
    for (int i = 1; i <= 13; ++i) {
        char ch = code[static_cast<size_t>(i - 1)];
        T[i] = ch >= '0' && ch <= '9' ? ch - '0' : 0;
    }
    auto three = [&](int a, int b, int c) { return T[a] * 100 + T[b] * 10 + T[c]; };
    auto wrapInto = [N](int y) { return y >= N ? y % N : y < 0 ? 0 : y; };
    auto firstEmptyFromStart = [&]() { return FindEmpty(deck, 0, 1); };

    int Y = three(2, 6, 12);

    if (jokerCount > 0) {
        int a = Y;
        for (int i = 1; i <= jokerCount; ++i) {
            a = wrapInto(a + kStepRows[T[1]][i - 1]);
            int slot = FindEmpty(deck, a, 1);
            if (slot < 0)
                slot = firstEmptyFromStart();
            if (slot >= 0)
                deck[static_cast<size_t>(slot)] = kFirstJoker + i - 1;
        }
    }

    std::vector<int> pool;
    for (int r = 1; r <= 13; ++r)
        pool.push_back(r);
    int p1 = 1, p2 = 7, p3 = 13;
    for (int r = 1; r <= 13; ++r) {
        const int d = T[r];
        const bool forward = d == 0;
        // Nine digits of the code select the suit row.
        long long M = 0;
        if (r <= 10) {
            for (int i = 1; i <= 13; ++i)
                if (i < r || i > r + 3)
                    M = M * 10 + T[i];
        } else {
            for (int i = r - 8; i <= r; ++i)
                M = M * 10 + T[i];
        }
        const int S = static_cast<int>(M % 13);
        int k = three(p1, p2, p3) % 13;
        const int last = static_cast<int>(pool.size()) - 1;
        if (k > last)
            k = forward ? last : 0;
        const int R = pool[static_cast<size_t>(k)];
        pool.erase(pool.begin() + k);
        p1 = p1 % 13 + 1;
        p2 = p2 % 13 + 1;
        p3 = p3 % 13 + 1;
        Y -= d;
        for (int j = 1; j <= G; ++j) {
            Y = wrapInto(Y + kStepRows[d][j - 1]);
            const int suit = kSuitRows[S][j - 1];
            const int card = (suit - 1) * 13 + R + 52 * ((j - 1) / 4);
            if (deck[static_cast<size_t>(Y)] == 0) {
                deck[static_cast<size_t>(Y)] = card;
                continue;
            }
            int slot = FindEmpty(deck, Y, forward ? 1 : -1);
            if (slot < 0)
                slot = firstEmptyFromStart();
            if (slot >= 0)
                deck[static_cast<size_t>(slot)] = card;
            Y = slot;
        }
    }

    const int shortDeck = s.Attr(kAttrShortDeck);
    if (shortDeck == 1 || shortDeck == 2)
        std::erase_if(deck, [&](int c) {
            int r = CardRank(c);
            return (c > 0 && !CardIsJoker(c) && r >= 2 && r <= 6) || (shortDeck == 2 && r == 13);
        });
    return deck;
}

DeckList DeckForDeal(Session& s) {
    DeckList deck = BuildDeck(s);
    // Slots the build left empty (a deck of the wrong size) hold no card and are not dealt.
    std::erase(deck, 0);
    FilterDeck(s, deck);
    return deck;
}

DeckList DealGame(Session& s) {
    s.Piles.Clear();
    DeckList deck = DeckForDeal(s);

    const int foundations = Count(s, kAttrFoundationCount, kFoundationCount);
    for (int k = 0; k < foundations; ++k) {
        int card = StartCard(s, deck, k, s.Attr(kAttrFoundationStart + k));
        if (card >= 0)
            PlaceOnFoundation(s, deck, k, card);
    }
    if (s.Attr(kAttrFoundationStart) == 97)
        for (int k = 0; k < 8; ++k) {
            int card = TakeFirstWhere(deck, [&](int c) { return CardRank(c) == k + 2; });
            if (card > 0) {
                AppendFaceUp(s, s.Piles.FoundationPiles[static_cast<size_t>(k)], card);
                SetStartRank(s, k, CardRank(card));
            }
        }
    if (s.Attr(kAttrFamily) == 50) {
        const int h = s.Attr(kAttrFoundationCount) / 2;
        for (int i = h; i < foundations; ++i) {
            int r = 2 * s.Attr(kAttrFoundationBase + i - h);
            if (r > 13)
                r -= 13;
            if (r == 0)
                r = 13;
            SetStartRank(s, i, r);
        }
    }
    if (s.Attr(kAttrDeckFilter) == 21)
        std::erase_if(deck, [](int c) { return !CardIsJoker(c) && CardRank(c) >= 11; });
    if (s.Attr(kAttrFoundationArrangement) == 5) {
        int card = TakeFirst(deck);
        if (card > 0) {
            AppendFaceUp(s, s.Piles.FoundationPiles[0], card);
            const int R = StartRank(card);
            for (int k = 0; k < kFoundationCount; ++k)
                SetStartRank(s, k, R);
            for (int k = 1; k < kFoundationCount;) {
                int next = TakeFirstWhere(deck, [&](int c) { return StartRank(c) == R; });
                if (next == 0)
                    break;
                AppendFaceUp(s, s.Piles.FoundationPiles[static_cast<size_t>(k++)], next);
            }
        }
    }
    if (int w = s.Attr(kAttrSecondWasteCard); w != 0) {
        int card = w > 100 ? w - 100 : w;
        if (card >= 1 && card <= kCardCount) {
            TakeFromDeck(deck, card);
            AppendFaceUp(s, s.Piles.StockPiles[2], card);
        }
    }

    // The deal counts, in dealing order.
    const int tableaus = Count(s, kAttrTableauCount, kTableauCount);
    auto& P = s.Piles;
    auto dealTableau = [&](int k) {
        std::string& pile = P.TableauPiles[static_cast<size_t>(k)];
        DealCount(s, deck, pile, s.Attr(kAttrTableauDeal + k));
        s.Cards.SetPileFaces(pile, s.Attr(kAttrTableauFace + k), '1');
    };
    for (int k = 0; k < tableaus; ++k)
        if (s.Attr(kAttrTableauDeal + k) > 1000)
            dealTableau(k);
    DealCount(s, deck, P.StockPiles[0], s.Attr(kAttrStockDeal));
    s.Cards.SetPileFaces(P.StockPiles[0], s.Attr(kAttrStockFaceDown) != 0 ? 0 : PileSize(P.StockPiles[0]),
                         '1');
    DealCount(s, deck, P.StockPiles[1], s.Attr(kAttrWasteDeal));
    s.Cards.SetPileFaces(P.StockPiles[1], PileSize(P.StockPiles[1]), '1');
    for (int k = 0; k < tableaus; ++k)
        if (s.Attr(kAttrTableauDeal + k) >= 1 && s.Attr(kAttrTableauDeal + k) <= 1000)
            dealTableau(k);
    DealCount(s, deck, P.StockPiles[2], s.Attr(kAttrSecondWasteDeal));
    s.Cards.SetPileFaces(P.StockPiles[2], PileSize(P.StockPiles[2]), '1');
    const int reserves = Count(s, kAttrReserveCount, kReserveCount);
    for (int l = 0; l < reserves; ++l)
        if (s.Attr(kAttrReserveDeal + l) > 0) {
            std::string& pile = P.ReservePiles[static_cast<size_t>(l)];
            DealCount(s, deck, pile, s.Attr(kAttrReserveDeal + l));
            s.Cards.SetPileFaces(pile, s.Attr(kAttrReserveFace + l), '1');
        }

    FoundationArrangements(s, deck);

    const int below = RankBelow(s.Attr(kAttrFoundationBase));
    for (int i = 0; i < kTableauCount; ++i)
        if (s.GameAttr[static_cast<size_t>(kAttrTableauEmpty + i)] == 91)
            s.GameAttr[static_cast<size_t>(kAttrTableauEmpty + i)] = static_cast<std::int16_t>(below);

    RunDealArrangements(s, deck);
    return deck;
}

std::string WindowTitle(const Session& s) {
    std::string name = s.Params.ReadParam(kParamGameName, kParamGameNameWidth).substr(0, 50);
    std::string title = "Quillon 2003 3.2  [" + name + "]";
    std::string code = s.Params.ReadParam(kParamDealCode, kParamDealCodeWidth);
    if (!code.empty())
        title += "  [" + code + "]";
    return title;
}

namespace {

void UpdateWindowTitle(Session& s, NewGameSeams& seams) {
    std::string title = WindowTitle(s);
    if (title != seams.Caption())
        seams.SetCaption(title);
}

} // namespace

void NewGame(Session& s, NewGameSeams* given) {
    NewGameSeams none;
    NewGameSeams& seams = given ? *given : none;
    seams.BeginBusy();
    UpdateWindowTitle(s, seams);
    if (s.Game.AutoPlayAllGames == 3)
        seams.SwitchOffAllGamesAutoplay();
    s.ResetForNewGame();
    seams.ClearHistory();
    s.Params.WriteParam(kParamScore, kParamScoreWidth, "0");
    if (s.Attr(kAttrDeckSize) != 0) {
        RestoreSavedAttributes(s);
    } else {
        LoadGameDefinition(s);
        seams.PrepareGameAndLayout();
    }
    seams.ShowTime("0:00:00");
    s.Game.FreshDeal = 1;
    DrawDealCode(s);
    UpdateWindowTitle(s, seams);
    s.SetFlag(AutomaticSequence, true);
    DealGame(s);
    s.SetFlag(GameInPlay, true);
    s.SetFlag(GameWon, false);
    seams.ApplyRandomLooks();
    seams.ShowScore();
    seams.ShowDeal(s);
    s.SetFlag(AutomaticSequence, false);
    if (!s.Flag(ClockRunning)) {
        s.GameTimes[0] = seams.Now();
        s.SetFlag(ClockRunning, true);
    }
    seams.RunAutoplay();
    seams.EndBusy();
    if (s.Attr(kAttrFamily) == 44)
        seams.RunGameEndTest();
}

bool OpenGame(Session& s, int number, const std::string& name, const std::string& player,
              NewGameSeams* given) {
    NewGameSeams none;
    NewGameSeams& seams = given ? *given : none;
    seams.BeginBusy();
    const bool gameChanges = number != s.Params.ReadInt(kParamGame, kParamGameWidth, -1);
    const bool playerChanges = player != s.Params.ReadParam(kParamPlayer, kParamPlayerWidth);
    if ((!gameChanges && !playerChanges && s.Flag(GameInPlay)) || !seams.ConfirmQuit()) {
        seams.EndBusy();
        return false;
    }
    if (seams.EndGame()) {
        seams.EndBusy();
        return true;
    }
    if (playerChanges) {
        s.Params.WriteParam(kParamPlayer, kParamPlayerWidth, player);
        seams.PlayerChanged();
        UpdateWindowTitle(s, seams);
    }
    if (gameChanges || s.Game.CardImagesState == 2)
        s.Game.CardImagesState = 0;
    s.Params.WriteParam(kParamGame, kParamGameWidth, FormatFixed(number, kParamGameWidth));
    s.Params.WriteParam(kParamGameName, kParamGameNameWidth, name);
    if (gameChanges) {
        LoadGameDefinition(s);
        seams.PrepareGameAndLayout();
    }
    seams.EnableGameCommandsIfNeeded();
    if (gameChanges)
        seams.ApplyAutoplayMemory();
    NewGame(s, &seams);
    seams.EndBusy();
    return true;
}

bool LoadAndDeal(Session& s, int number, const std::string& code, std::string& error) {
    auto text = ReadGamesDat(s);
    if (!text) {
        error = "cannot read " + GamesDatPath(s);
        return false;
    }
    s.Game.GameList = GameListFromText(*text);
    if (GameColumn(s, number) < 0 && number < kFirstCustomGame) {
        error = "unknown game " + std::to_string(number);
        return false;
    }
    if (!IsDealCode(code)) {
        error = "malformed deal code '" + code + "' (want 13 digits)";
        return false;
    }
    s.Params.WriteParam(kParamGame, kParamGameWidth, FormatFixed(number, kParamGameWidth));
    s.Params.WriteParam(kParamGameName, kParamGameNameWidth, GameName(s, number));
    RecordingDesktop quiet;
    Desktop* shown = s.desktop;
    s.desktop = &quiet;
    const bool loaded = LoadGameDefinitionFromText(s, *text);
    s.desktop = shown;
    if (!loaded) {
        error = "the definition of game " + std::to_string(number) + " cannot be read";
        if (!quiet.boxes.empty())
            error += ": " + quiet.boxes.back().text;
        return false;
    }
    s.ResetForNewGame();
    std::string padded = std::string(kDealCodeDigits, '0') + code;
    s.Params.WriteParam(kParamDealCode, kParamDealCodeWidth, padded.substr(padded.size() - kDealCodeDigits));
    DealGame(s);
    return true;
}

std::vector<std::string> DescribePiles(const Session& s) {
    std::vector<std::string> out;
    auto line = [&](const std::string& name, const std::string& content, bool exists) {
        if (!exists && content.empty())
            return;
        std::string l = name + ":";
        for (int k = 0; k < PileSize(content); ++k) {
            int card = PileCard(content, k);
            l += " " + content.substr(static_cast<size_t>(3 * k), 3);
            if (card > 0 && s.Cards.CardIsHidden(card))
                l += "d";
        }
        out.push_back(l);
    };
    const int stockPiles = s.Attr(kAttrStockPiles);
    line("Mazzo", s.Piles.StockPiles[0], stockPiles >= 1);
    line("Mazzo_Vis", s.Piles.StockPiles[1], stockPiles >= 2);
    line("Mazzo_Waste", s.Piles.StockPiles[2], stockPiles >= 3 || s.Attr(kAttrSecondWasteCount) >= 1);
    for (int k = 0; k < kFoundationCount; ++k)
        line("Dest" + std::to_string(k + 1), s.Piles.FoundationPiles[static_cast<size_t>(k)],
             k < s.Attr(kAttrFoundationCount));
    for (int k = 0; k < kTableauCount; ++k)
        line("Fila" + std::to_string(k + 1), s.Piles.TableauPiles[static_cast<size_t>(k)],
             k < s.Attr(kAttrTableauCount));
    for (int k = 0; k < kReserveCount; ++k)
        line("Appogg" + std::to_string(k + 1), s.Piles.ReservePiles[static_cast<size_t>(k)],
             k < s.Attr(kAttrReserveCount));
    return out;
}

} // namespace quillon
