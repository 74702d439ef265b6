#pragma once
// Cards and piles. A card is a number 1-212 (four decks of 52, hearts, diamonds, clubs, spades,
// each A..K, then four jokers), written in texts as three digits. A pile's content is the
// concatenation of its cards' three-digit numbers, bottom card first.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

constexpr int kCardCount = 212;
constexpr int kFirstJoker = 209;
constexpr int kStockPileCount = 3;
constexpr int kFoundationCount = 16;
constexpr int kTableauCount = 40;
constexpr int kReserveCount = 12;

// Rank 1-13 of a card of any deck; 100 for a joker; -1 above 212; numbers below 1 give themselves.
int CardRank(int n);
// Suit 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 for jokers and numbers above 208.
int CardSuit(int n);
bool CardIsRed(int n);
// Jack, queen or king of any deck.
bool CardIsFace(int n);
bool CardIsJoker(int n);
// "" for 0, "A", "J", "Q", "K", else the decimal rank.
std::string CardRankText(int rank);
// Three-digit text of a card number ("014").
std::string CardText(int n);

// The card table: one 20-character record per card. Characters 1-15 name the card, 16 is the
// suit digit, 17-19 the number and 20 the face flag ("1" up, "0" down). The face state belongs to
// the card number and travels with the card between piles.
class CardTable {
public:
    CardTable() { Build(); }
    // Rebuilds all 212 records, every card face up.
    void Build();

    const std::string& Record(int n) const { return records_.at(static_cast<size_t>(n - 1)); }
    int size() const { return static_cast<int>(records_.size()); }

    // True when n is not a card (below 1 or above 212) or the card lies face down.
    bool CardIsHidden(int n) const;
    // Sets the face flag of card n to '0' or '1'; numbers that are not cards are ignored.
    void SetCardFace(int n, char flag);
    // Sets the faces of a pile's cards: mode >= 1 the top `mode` cards get `flag`; -1 alternating
    // from the bottom starting face up; -2 alternating starting face down; -3 only the bottom card
    // face up. Other modes change nothing.
    void SetPileFaces(std::string_view content, int mode, char flag);

private:
    std::vector<std::string> records_;
};

// Pile kinds by name.
enum PileKindCode { kNotAPile = 0, kStockKind = 1, kWasteKind = 2, kSecondWasteKind = 3, kTableauKind = 4,
                    kFoundationKind = 5, kReserveKind = 6 };
int PileKind(std::string_view name);
// The pile number written after the prefix ("Fila07" -> 7), read from the two characters that
// follow it; 0 when they hold no number.
int PileNumber(std::string_view name);

// Pile contents.
inline int PileSize(std::string_view content) { return static_cast<int>(content.size() / 3); }
// Card at 0-based depth k from the bottom; 0 when out of range or not a number.
int PileCard(std::string_view content, int k);
// Top card of a content; 0 for an empty pile.
int PileTop(std::string_view content);
// 0-based depth of card n in the content, or -1.
int PileFind(std::string_view content, int n);

// The four pile lists, sized once: stock group (0 "Mazzo", 1 "Mazzo_Vis", 2 "Mazzo_Waste"),
// foundations "Dest1".."Dest16", tableau "Fila1".."Fila40", reserves "Appogg1".."Appogg12".
struct PileLists {
    std::array<std::string, kStockPileCount> StockPiles;
    std::array<std::string, kFoundationCount> FoundationPiles;
    std::array<std::string, kTableauCount> TableauPiles;
    std::array<std::string, kReserveCount> ReservePiles;

    void Clear();
    bool operator==(const PileLists&) const = default;
    // Calls `visit` with every pile's content: stock group, foundations, tableau, reserves.
    template <class Visit>
    void ForEach(Visit&& visit) const {
        for (const auto& p : StockPiles)
            visit(p);
        for (const auto& p : FoundationPiles)
            visit(p);
        for (const auto& p : TableauPiles)
            visit(p);
        for (const auto& p : ReservePiles)
            visit(p);
    }
    // The content of the pile with this name, or nullptr for a name that is no pile ("Waste" and
    // command names included, numbers out of range too).
    std::string* Find(std::string_view name);
    const std::string* Find(std::string_view name) const;
    // Top card of "Mazzo", "Mazzo_Vis", "Mazzo_Waste", a "Dest", "Fila" or "Appogg" pile; 0 for an
    // empty pile or any other name.
    int TopCard(std::string_view name) const;
};

} // namespace quillon
