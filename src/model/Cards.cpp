#include "model/Cards.h"

#include <cstdio>

namespace quillon {

// Rank within the deck's 52: card n of deck d reduced to 1..52 (numbers below 53 unchanged).
static int InDeck(int n) {
    if (n > 156)
        return n - 156;
    if (n > 104)
        return n - 104;
    if (n > 52)
        return n - 52;
    return n;
}

int CardRank(int n) {
    if (n > 208)
        return n <= kCardCount ? 100 : -1;
    int r = InDeck(n);
    if (r <= 13)
        return r;
    if (r <= 26)
        return r - 13;
    if (r <= 39)
        return r - 26;
    return r - 39;
}

int CardSuit(int n) {
    if (n > 208)
        return -1;
    int r = InDeck(n);
    if (r <= 13)
        return 0;
    if (r <= 26)
        return 1;
    if (r <= 39)
        return 2;
    return 3;
}

bool CardIsRed(int n) {
    return n <= 26 || (n >= 53 && n <= 78) || (n >= 105 && n <= 130) || (n >= 157 && n <= 182);
}

bool CardIsFace(int n) {
    if (n < 1 || n > 208)
        return false;
    return CardRank(n) >= 11;
}

bool CardIsJoker(int n) { return n >= kFirstJoker && n <= kCardCount; }

std::string CardRankText(int rank) {
    switch (rank) {
    case 0:
        return {};
    case 1:
        return "A";
    case 11:
        return "J";
    case 12:
        return "Q";
    case 13:
        return "K";
    default:
        return std::to_string(rank);
    }
}

std::string CardText(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

void CardTable::Build() {
    static const char* const suits[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
    static const char* const ranks[] = {"A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K"};
    records_.clear();
    records_.reserve(kCardCount);
    int number = 1;
    for (int deck = 0; deck < 4; ++deck)
        for (int suit = 0; suit < 4; ++suit)
            for (const char* rank : ranks) {
                std::string name = std::string(suits[suit]) + "_" + rank;
                name.resize(15, ' ');
                records_.push_back(name + char('1' + suit) + CardText(number++) + "1");
            }
    for (int joker = 0; joker < 4; ++joker)
        records_.push_back(std::string("JOKER          4") + CardText(number++) + "1");
}

bool CardTable::CardIsHidden(int n) const {
    if (n < 1 || n > size())
        return true;
    return Record(n)[19] == '0';
}

void CardTable::SetCardFace(int n, char flag) {
    if (n < 1 || n > size())
        return;
    records_[static_cast<size_t>(n - 1)][19] = flag;
}

void CardTable::SetPileFaces(std::string_view content, int mode, char flag) {
    const int count = PileSize(content);
    for (int k = 0; k < count; ++k) {
        int card = PileCard(content, k);
        if (mode >= 1) {
            if (k >= count - mode)
                SetCardFace(card, flag);
        } else if (mode == -1) {
            SetCardFace(card, k % 2 == 0 ? '1' : '0');
        } else if (mode == -2) {
            SetCardFace(card, k % 2 == 0 ? '0' : '1');
        } else if (mode == -3) {
            SetCardFace(card, k == 0 ? '1' : '0');
        }
    }
}

int PileKind(std::string_view name) {
    if (name.starts_with("Fila"))
        return kTableauKind;
    if (name.starts_with("Dest"))
        return kFoundationKind;
    if (name.starts_with("Appogg"))
        return kReserveKind;
    if (name.starts_with("Mazzo_Vis"))
        return kWasteKind;
    if (name.starts_with("Mazzo"))
        return kStockKind;
    if (name.starts_with("Waste"))
        return kSecondWasteKind;
    return kNotAPile;
}

int PileNumber(std::string_view name) {
    size_t prefix = 0;
    if (name.starts_with("Fila") || name.starts_with("Dest"))
        prefix = 4;
    else if (name.starts_with("Appogg"))
        prefix = 6;
    else
        return 0;
    std::string_view digits = name.substr(prefix, 2);
    int value = 0;
    bool any = false;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
        any = true;
    }
    return any ? value : 0;
}

int PileCard(std::string_view content, int k) {
    if (k < 0 || k >= PileSize(content))
        return 0;
    int value = 0;
    for (char c : content.substr(static_cast<size_t>(3 * k), 3)) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

int PileTop(std::string_view content) { return PileCard(content, PileSize(content) - 1); }

int PileFind(std::string_view content, int n) {
    for (int k = 0; k < PileSize(content); ++k)
        if (PileCard(content, k) == n)
            return k;
    return -1;
}

void PileLists::Clear() {
    for (auto& p : StockPiles)
        p.clear();
    for (auto& p : FoundationPiles)
        p.clear();
    for (auto& p : TableauPiles)
        p.clear();
    for (auto& p : ReservePiles)
        p.clear();
}

template <class Lists>
static auto FindIn(Lists& lists, std::string_view name) -> decltype(&lists.StockPiles[0]) {
    auto pick = [&](auto& list) -> decltype(&lists.StockPiles[0]) {
        int n = PileNumber(name);
        if (n < 1 || n > static_cast<int>(list.size()))
            return nullptr;
        return &list[static_cast<size_t>(n - 1)];
    };
    if (name == "Mazzo")
        return &lists.StockPiles[0];
    if (name == "Mazzo_Vis")
        return &lists.StockPiles[1];
    if (name == "Mazzo_Waste")
        return &lists.StockPiles[2];
    switch (PileKind(name)) {
    case kTableauKind:
        return pick(lists.TableauPiles);
    case kFoundationKind:
        return pick(lists.FoundationPiles);
    case kReserveKind:
        return pick(lists.ReservePiles);
    default:
        return nullptr;
    }
}

std::string* PileLists::Find(std::string_view name) { return FindIn(*this, name); }
const std::string* PileLists::Find(std::string_view name) const { return FindIn(*this, name); }

int PileLists::TopCard(std::string_view name) const {
    // The second waste pile is not among the piles this answers for.
    if (name == "Mazzo_Waste")
        return 0;
    const std::string* content = Find(name);
    return content ? PileTop(*content) : 0;
}

} // namespace quillon
