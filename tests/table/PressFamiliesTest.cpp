// The catalogue's games whose presses on the tableau do not pick cards up, played through the
// table's own events on the dealt games: Auld Lang Syne (a press with any button only marks or
// unmarks a card, and the tops go up by autoplay after a stock click) and Sir Tommy (a press on a
// waste pile does nothing; its top goes up by a double click).

#include "engine/Autoplay.h"
#include "engine/CardPlaces.h"
#include "engine/GameEnd.h"
#include "engine/MoveExecution.h"
#include "engine/PointerInput.h"
#include "engine/SelectionGames.h"
#include "engine/Solver.h"
#include "engine/Stock.h"
#include "engine/TableView.h"
#include "model/Cards.h"
#include "model/Deal.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "table/PileLayout.h"

#include "PlayDeal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr int kAuldLangSyne = 850;
constexpr int kSirTommy = 853;

// The corners of the cards the engine inverted, in order.
struct MarkingView : SilentTableView {
    std::vector<std::pair<int, int>> inverted;
    int beeps = 0;
    void InvertCard(int x, int y) override { inverted.emplace_back(x, y); }
    void Beep() override { ++beeps; }
};

struct Dealt {
    Session s;
    MarkingView view;
    bool ok = false;

    Dealt(int game, const char* code, bool autoplay) {
        s.view = &view;
        std::string error;
        ok = DealForPlay(s, game, code, error);
        EXPECT_TRUE(ok) << error;
        s.AutoplayMenu.Ticked = s.AutoplayMenu.ButtonsDown = autoplay;
    }
    // A point inside the part of the card `skip` places below the top of the pile that shows.
    std::pair<int, int> Point(const std::string& pile, int skip) const {
        return {CardPlaceX(s, pile, skip, false) + 10, CardPlaceY(s, pile, skip, false) + 5};
    }
    std::pair<int, int> Corner(const std::string& pile, int skip) const {
        return {CardPlaceX(s, pile, skip, false), CardPlaceY(s, pile, skip, false)};
    }
    void Click(std::pair<int, int> at, int button = kLeftButton) {
        OnTablePress(s, button, 0, at.first, at.second);
        OnTableRelease(s, at.first, at.second);
    }
    void ClickStock() {
        int x = 0, y = 0;
        ASSERT_TRUE(PilePosition(s, "Mazzo", x, y));
        Click({x + 1, y + 1});
    }
};

// Every button marks the pressed card and a second press clears it; nothing moves, nothing is
// picked up, nothing joins a selection, and the foundations keep their cards.
TEST(PressFamilies, MarkOnlyPressInvertsTheCardWithEveryButtonAndMovesNothing) {
    for (int button : {kLeftButton, kRightButton, kMiddleButton}) {
        Dealt d(kAuldLangSyne, "0000000000001", true);
        ASSERT_TRUE(d.ok);
        d.ClickStock(); // two cards on every pile: a covered card and a top card
        ASSERT_EQ(PileSize(d.s.Piles.TableauPiles[0]), 2);
        const PileLists before = d.s.Piles;
        const size_t steps = d.s.History.Steps();
        for (int skip : {0, 1}) {
            d.view.inverted.clear();
            const auto at = d.Point("Fila1", skip);
            OnTablePress(d.s, button, 0, at.first, at.second);
            EXPECT_EQ(d.s.Game.DragCard, 0) << button;
            OnTableRelease(d.s, at.first, at.second);
            ASSERT_EQ(d.view.inverted.size(), 1u)
                << "button " << button << ", card " << skip << " below the top";
            EXPECT_EQ(d.view.inverted[0], d.Corner("Fila1", skip));
            d.Click(d.Point("Fila1", skip), button);
            ASSERT_EQ(d.view.inverted.size(), 2u);
            EXPECT_EQ(d.view.inverted[1], d.view.inverted[0])
                << "the second press inverts the same card back";
        }
        EXPECT_EQ(d.s.Piles.TableauPiles, before.TableauPiles);
        EXPECT_EQ(d.s.Piles.FoundationPiles, before.FoundationPiles);
        EXPECT_EQ(d.s.History.Steps(), steps) << "a mark is no move";
        EXPECT_EQ(d.view.beeps, 0);
    }
}

// A stock click deals a card to every pile, empty or not, and autoplay plays every top that fits
// (any suit on the next rank); a top that fits nowhere stays. The dealt cards are all accounted
// for after every click.
TEST(PressFamilies, MarkOnlyGameDealsRowsAndAutoplayPlaysTheTops) {
    Dealt d(kAuldLangSyne, "0000000000001", true);
    ASSERT_TRUE(d.ok);
    auto total = [&] {
        int n = PileSize(d.s.Piles.StockPiles[0]);
        for (const auto& p : d.s.Piles.TableauPiles)
            n += PileSize(p);
        for (const auto& p : d.s.Piles.FoundationPiles)
            n += PileSize(p);
        return n;
    };
    for (int click = 0; click < 11; ++click) {
        const int stock = PileSize(d.s.Piles.StockPiles[0]);
        d.ClickStock();
        EXPECT_EQ(PileSize(d.s.Piles.StockPiles[0]), stock - 4) << click;
        EXPECT_EQ(total(), 52);
        for (int k = 0; k < 4; ++k) {
            const int top = PileTop(d.s.Piles.TableauPiles[static_cast<size_t>(k)]);
            if (top <= 0)
                continue;
            for (int f = 0; f < 4; ++f)
                EXPECT_NE(CardRank(PileTop(d.s.Piles.FoundationPiles[static_cast<size_t>(f)])) + 1,
                          CardRank(top))
                    << "pile " << k + 1 << " after click " << click << " keeps a top that fits";
        }
    }
    EXPECT_TRUE(d.s.Piles.StockPiles[0].empty());
    // The stock is dealt once.
    const PileLists end = d.s.Piles;
    d.ClickStock();
    EXPECT_EQ(d.s.Piles.TableauPiles, end.TableauPiles);
}

// Sir Tommy: a press on a waste pile picks nothing up, whatever the button, and marks nothing; its
// top goes to a foundation by a double click.
TEST(PressFamilies, WastePilesGiveTheirTopsOnlyToTheFoundations) {
    Dealt d(kSirTommy, "0000000000001", false);
    ASSERT_TRUE(d.ok);
    d.s.Params.WriteParam(param::DoubleClickToFoundations, 1, "Y");
    // Turn cards until an ace shows, putting the others on waste piles 2 to 4, and the ace on 1.
    int ace = 0;
    for (int k = 0; k < 52 && ace == 0; ++k) {
        d.ClickStock();
        const int w = d.s.TopCard("Mazzo_Vis");
        ASSERT_GT(w, 0);
        if (CardRank(w) == 1)
            ace = w;
        else
            ASSERT_TRUE(DropOnNamedPile(d.s, w, PileName("Fila", 2 + k % 3)));
    }
    ASSERT_GT(ace, 0);
    ASSERT_TRUE(DropOnNamedPile(d.s, ace, "Fila1"));
    ASSERT_EQ(PileTop(d.s.Piles.TableauPiles[0]), ace);
    const auto at = d.Point("Fila1", 0);
    for (int button : {kLeftButton, kRightButton, kMiddleButton}) {
        OnTablePress(d.s, button, 0, at.first, at.second);
        EXPECT_EQ(d.s.Game.DragCard, 0) << button;
        OnTableMove(d.s, at.first + 200, at.second);
        OnTableRelease(d.s, at.first + 200, at.second);
        EXPECT_EQ(PileTop(d.s.Piles.TableauPiles[0]), ace) << button;
    }
    EXPECT_TRUE(d.view.inverted.empty()) << "nothing is marked";
    // The double click: press, release, the double click, and the press it carries.
    d.Click(at);
    OnTableDoubleClick(d.s);
    d.Click(at);
    EXPECT_TRUE(d.s.Piles.TableauPiles[0].empty());
    EXPECT_EQ(d.s.TopCard("Dest1"), ace);
}

} // namespace
} // namespace quillon
