#pragma once
// A table for play tests: the legality test table with the engine's hooks (building rules, stock,
// fill rules and autoplay) installed and a view that records what the player would have seen.

#include "TableSetup.h"
#include "engine/Autoplay.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/Stock.h"
#include "engine/TableView.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quillon::test {

class StockView : public SilentTableView {
public:
    std::vector<std::string> messages;
    std::vector<std::string> stockImages; // "StockDown 0", "StockUp 1", ...
    int emptyStockMarkers = 0;
    std::vector<int> pauses;

    bool MessageBox(BoxKind, const std::string&, const std::string& text) override {
        messages.push_back(text);
        return true;
    }
    void DrawStockImage(const std::string& image, int pile) override {
        stockImages.push_back(image + " " + std::to_string(pile));
    }
    void DrawEmptyStockMarker() override { ++emptyStockMarkers; }
    void PauseWithMessages(int ms) override { pauses.push_back(ms); }
};

class StockTable : public Table {
public:
    StockTable() {
        InstallPlayHooks(s);
        InstallStockHooks(s);
        InstallAutoplayHooks(s);
        s.view = &view;
        s.Game.RedealCount = 1;
        // Every pile on the table, apart from each other: foundations in the top row, tableau
        // piles below, reserves below them, the stock group at the left.
        for (int k = 0; k < kFoundationCount; ++k)
            s.Game.SetFoundationX(k, 100 + 80 * k), s.Game.SetFoundationY(k, 0);
        for (int k = 0; k < kTableauCount; ++k)
            s.TableauX[static_cast<size_t>(k)] = static_cast<std::int16_t>(100 + 80 * k),
            s.TableauY[static_cast<size_t>(k)] = 150;
        for (int k = 0; k < kReserveCount; ++k)
            s.Game.SetReserveX(k, 100 + 80 * k), s.Game.SetReserveY(k, 600);
        for (int k = 0; k < kStockPileCount; ++k)
            s.Game.SetStockX(k, 0), s.Game.SetStockY(k, 150 * k);
        // Moves do not fly: the tests look at piles, not at frames.
        s.Params.WriteParam(67, 1, "N");
        s.Params.WriteParam(242, 1, "N");
    }
    ~StockTable() { s.view = nullptr; }
    StockTable(const StockTable&) = delete;
    StockTable& operator=(const StockTable&) = delete;

    // The pile's cards in the test notation, bottom first ("AH 2H").
    std::string Cards(const std::string& name) const {
        const std::string* content = s.Piles.Find(name);
        std::string out;
        for (int k = 0; content && k < PileSize(*content); ++k) {
            if (!out.empty())
                out += ' ';
            out += Name(PileCard(*content, k));
        }
        return out;
    }
    static std::string Name(int card) {
        if (card == 0)
            return "000";
        static const char* ranks[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
        std::string out = std::string(ranks[CardRank(card)]) + "HDCS"[CardSuit(card)];
        for (int d = (card - 1) / 52; d > 0; --d)
            out += '\'';
        return out;
    }
    bool FaceUp(const std::string& card) const { return !s.Cards.CardIsHidden(Card(card)); }
    // Every card on the table, sorted: a move that loses or doubles a card changes it.
    std::vector<int> AllCards() const {
        std::vector<int> out;
        auto add = [&](const std::string& p) {
            for (int k = 0; k < PileSize(p); ++k)
                if (PileCard(p, k) > 0)
                    out.push_back(PileCard(p, k));
        };
        for (const auto& p : s.Piles.StockPiles)
            add(p);
        for (const auto& p : s.Piles.FoundationPiles)
            add(p);
        for (const auto& p : s.Piles.TableauPiles)
            add(p);
        for (const auto& p : s.Piles.ReservePiles)
            add(p);
        std::sort(out.begin(), out.end());
        return out;
    }
    // Autoplay switched on, with a dealt game in play.
    StockTable& AutoplayOn() {
        s.AutoplayMenu.Ticked = s.AutoplayMenu.Enabled = s.AutoplayMenu.ButtonsDown = true;
        s.Game.DealDone = 1;
        s.SetFlag(GameInPlay, true);
        return *this;
    }
    // Foundations 1..n build up in suit from the Ace.
    StockTable& UpFromAce(int n) {
        for (int k = 0; k < n; ++k)
            Attrs(
                {{attr::FoundationBase + k, 1}, {attr::FoundationDir + k, 1}, {attr::FoundationRule + k, 0}});
        return *this;
    }

    StockView view;
};

} // namespace quillon::test
