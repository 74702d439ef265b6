#pragma once
// Helpers for legality tests: cards written as "9H", "10S", "KD'" (a prime per further deck),
// "Jk1".."Jk4" for the jokers and "000" for an empty slot; piles written as a blank-separated
// list of such cards, bottom first.

#include "engine/MoveLegality.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quillon::test {

inline int Card(const std::string& text) {
    if (text == "000")
        return 0;
    if (text.rfind("Jk", 0) == 0)
        return 208 + std::stoi(text.substr(2));
    size_t decks = 0;
    std::string t = text;
    while (!t.empty() && t.back() == '\'') {
        ++decks;
        t.pop_back();
    }
    if (t.size() < 2)
        throw std::invalid_argument("card " + text);
    const char suitChar = t.back();
    const std::string rankText = t.substr(0, t.size() - 1);
    int rank;
    if (rankText == "A")
        rank = 1;
    else if (rankText == "J")
        rank = 11;
    else if (rankText == "Q")
        rank = 12;
    else if (rankText == "K")
        rank = 13;
    else
        rank = std::stoi(rankText);
    const std::string suits = "HDCS";
    const size_t suit = suits.find(suitChar);
    if (suit == std::string::npos || rank < 1 || rank > 13)
        throw std::invalid_argument("card " + text);
    return static_cast<int>(52 * decks + 13 * suit) + rank;
}

inline std::string Content(const std::string& cards) {
    std::istringstream in(cards);
    std::string token, content;
    while (in >> token)
        content += CardText(Card(token));
    return content;
}

// A session with a small game in play: 8 foundations, 10 tableau piles and 4 reserves, roomy
// foundations and unlimited tableau piles. Everything else is 0 until a test sets it.
class Table {
public:
    Table() {
        Attr(attr::FoundationCount, 8);
        Attr(attr::TableauCount, 10);
        Attr(attr::ReserveCount, 4);
        Attr(attr::FoundationCapacity, 52);
        Attr(attr::TableauCapacity, -1);
        s.DragHeight = s.Metrics.CardHeight;
    }
    Table& Attr(int n, int value) {
        s.GameAttr.at(static_cast<size_t>(n)) = static_cast<std::int16_t>(value);
        return *this;
    }
    Table& Attrs(const std::vector<std::pair<int, int>>& values) {
        for (auto [n, v] : values)
            Attr(n, v);
        return *this;
    }
    // Puts the cards on a named pile ("Fila3", "Dest1", "Appogg2", "Mazzo", "Mazzo_Vis").
    Table& Pile(const std::string& name, const std::string& cards) {
        std::string* content = s.Piles.Find(name);
        if (!content)
            throw std::invalid_argument("pile " + name);
        *content = Content(cards);
        return *this;
    }
    Table& Piles(const std::vector<std::pair<std::string, std::string>>& piles) {
        for (const auto& [name, cards] : piles)
            Pile(name, cards);
        return *this;
    }
    Table& FaceDown(const std::string& card) {
        s.Cards.SetCardFace(Card(card), '0');
        return *this;
    }
    // The move carries a run (a drag image taller than one card).
    Table& Run() {
        s.DragHeight = s.Metrics.CardHeight + 20;
        return *this;
    }
    bool Accepts(const std::string& card, const std::string& pile) {
        return PileAccepts(s, Card(card), pile);
    }

    Session s;
};

} // namespace quillon::test
