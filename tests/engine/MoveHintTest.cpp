// The move hint: on a copy of the position, the next move of a winning line, else the most useful
// legal move, else the stock. It never names a move the rules refuse and never changes the game
// it was asked about.
#include "engine/MoveHint.h"
#include "engine/Engine.h"
#include "engine/LegalMoves.h"
#include "engine/Solver.h"
#include "model/Cards.h"
#include "model/Deal.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillon {
namespace {

constexpr int kFreeCell = 103, kKlondike = 101, kYukon = 104, kGolf = 107, kCanfield = 109;

bool Deal(Session& s, int game, const std::string& code) {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
    InstallEngine(s);
    std::string error;
    if (!LoadAndDeal(s, game, code, error)) {
        ADD_FAILURE() << error;
        return false;
    }
    PrepareForSearch(s);
    return true;
}

std::string Piles(const Session& s) {
    std::string out;
    s.Piles.ForEach([&](const std::string& p) { out += p + "|"; });
    return out;
}

// Card n of a suit (0 hearts, 1 diamonds, 2 clubs, 3 spades) and rank.
int Card(int suit, int rank) {
    return suit * 13 + rank;
}

// FreeCell with every card home but the given ones, which lie on tableau piles.
void AlmostWon(Session& s, const std::vector<std::pair<int, std::string>>& out) {
    s.Piles.Clear();
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const int card = Card(suit, rank);
            bool away = false;
            for (const auto& [c, pile] : out)
                away = away || c == card;
            if (!away)
                s.Piles.FoundationPiles[static_cast<size_t>(suit)] += CardText(card);
        }
    for (const auto& [card, pile] : out)
        *s.Piles.Find(pile) += CardText(card);
    for (int n = 1; n <= kCardCount; ++n)
        s.Cards.SetCardFace(n, '1');
}

TEST(MoveHint, OneMoveFromAWinTheHintNamesThatMove) {
    Session s;
    ASSERT_TRUE(Deal(s, kFreeCell, "0000000000001"));
    AlmostWon(s, {{Card(3, 13), "Fila5"}});
    const std::string before = Piles(s);
    const MoveHint hint = FindMoveHint(s, 1000, {});
    EXPECT_EQ(hint.kind, MoveHint::Kind::Winning);
    EXPECT_EQ(hint.card, Card(3, 13));
    EXPECT_EQ(hint.from, "Fila5");
    EXPECT_EQ(hint.to, "Dest4");
    EXPECT_EQ(Piles(s), before) << "the search leaves the position as it found it";
    EXPECT_EQ(MoveHintText(hint),
              "Move the King of Spades from tableau 5 to foundation 4 (it leads to a win)");
}

TEST(MoveHint, AWinningLineIsPreferredToAMoveThatOnlyLooksUseful) {
    Session s;
    ASSERT_TRUE(Deal(s, kFreeCell, "0000000000001"));
    // The queen of hearts lies on the king of spades: only freeing the king first wins at once;
    // the queen must go home before the king can.
    AlmostWon(s, {{Card(3, 13), "Fila2"}, {Card(0, 12), "Fila2"}, {Card(0, 13), "Fila4"}});
    const MoveHint hint = FindMoveHint(s, 1000, {});
    ASSERT_EQ(hint.kind, MoveHint::Kind::Winning);
    EXPECT_EQ(hint.card, Card(0, 12));
    EXPECT_EQ(hint.to, "Dest1");
}

TEST(MoveHint, WithoutASearchTheBestLegalMoveSendsACardHome) {
    Session s;
    ASSERT_TRUE(Deal(s, kFreeCell, "0000000000001"));
    AlmostWon(s, {{Card(3, 13), "Fila2"}, {Card(0, 12), "Fila2"}, {Card(0, 13), "Fila4"}});
    const MoveHint hint = FindMoveHint(s, 0, {});
    ASSERT_EQ(hint.kind, MoveHint::Kind::Best);
    EXPECT_EQ(hint.card, Card(0, 12));
    EXPECT_EQ(hint.to, "Dest1");
    // A search stopped at once gives the same.
    const MoveHint stopped = FindMoveHint(s, 1000, [] { return true; });
    EXPECT_EQ(stopped.kind, MoveHint::Kind::Best);
    EXPECT_EQ(stopped.card, hint.card);
}

TEST(MoveHint, ClearingAPileBeatsTheStock) {
    Session s;
    ASSERT_TRUE(Deal(s, kCanfield, "0000000000001"));
    s.Piles.Clear();
    s.Piles.TableauPiles[0] = CardText(Card(0, 5));  // 5 of hearts
    s.Piles.TableauPiles[1] = CardText(Card(3, 4));  // 4 of spades, alone on its pile
    s.Piles.TableauPiles[2] = CardText(Card(2, 13)); // king of clubs
    s.Piles.TableauPiles[3] = CardText(Card(1, 9));  // 9 of diamonds
    s.Piles.ReservePiles[0] = CardText(Card(1, 2)) + CardText(Card(2, 8));
    s.Piles.StockPiles[0] = CardText(Card(0, 11)) + CardText(Card(3, 10));
    for (int n = 1; n <= kCardCount; ++n)
        s.Cards.SetCardFace(n, '1');
    s.Game.StockX[0] = 10; // the stock is on the table and can be clicked
    const MoveHint hint = FindMoveHint(s, 0, {});
    ASSERT_EQ(hint.kind, MoveHint::Kind::Best) << MoveHintText(hint);
    EXPECT_EQ(hint.card, Card(3, 4));
    EXPECT_EQ(hint.to, "Fila1");
}

// Plays hint after hint from a deal: every hint must be a move the rules carry out on the game
// itself, and the game must never be left by a hint in a state the rules could not reach.
void FollowHints(int game, const std::string& code, long budget, int moves) {
    Session s;
    ASSERT_TRUE(Deal(s, game, code));
    for (int k = 0; k < moves && !SearchGameWon(s); ++k) {
        Session copy;
        CopyPosition(s, copy);
        const MoveHint hint = FindMoveHint(copy, budget, {});
        const std::string where =
            std::to_string(game) + " move " + std::to_string(k) + ": " + MoveHintText(hint);
        if (hint.kind == MoveHint::Kind::None)
            return;
        if (hint.kind == MoveHint::Kind::Stock) {
            // Only when no card can move, and the stock holds cards or may be turned over again.
            EXPECT_TRUE(ListLegalMoves(s).empty() || !s.Piles.StockPiles[0].empty()) << where;
            EXPECT_FALSE(s.Piles.StockPiles[0].empty() && s.Piles.StockPiles[1].empty()) << where;
            return;
        }
        bool listed = false;
        for (const LegalMove& m : ListLegalMoves(s))
            listed = listed || (m.card == hint.card && m.to == hint.to && m.from == hint.from);
        EXPECT_TRUE(listed) << where << " is not among the legal moves";
        ASSERT_TRUE(DropOnNamedPile(s, hint.card, hint.to)) << where << " was refused";
    }
}

TEST(MoveHint, EveryHintIsAMoveTheRulesCarryOut) {
    FollowHints(kFreeCell, "0000000000001", 60, 12);
    FollowHints(kFreeCell, "1234567890123", 0, 20);
    FollowHints(kYukon, "0000000000007", 40, 10);
    FollowHints(kKlondike, "0000000000003", 40, 10);
    FollowHints(kGolf, "0000000000005", 40, 10);
}

TEST(MoveHint, TheCopyIsTheGameInPlayAndSearchingItLeavesTheGameAlone) {
    Session s;
    ASSERT_TRUE(Deal(s, kFreeCell, "0000000000001"));
    Session copy;
    CopyPosition(s, copy);
    EXPECT_EQ(Piles(copy), Piles(s));
    EXPECT_EQ(copy.GameAttr, s.GameAttr);
    EXPECT_EQ(ListLegalMoves(copy), ListLegalMoves(s));
    EXPECT_TRUE(copy.ProgramFolder.empty() && copy.DataFolder.empty()) << "the copy writes no file";
    const std::string before = Piles(s);
    const MoveHint hint = FindMoveHint(copy, 500, {});
    EXPECT_NE(hint.kind, MoveHint::Kind::None);
    EXPECT_EQ(Piles(s), before);
}

TEST(MoveHint, NamesOfCardsAndPiles) {
    EXPECT_EQ(CardName(Card(0, 1)), "Ace of Hearts");
    EXPECT_EQ(CardName(Card(1, 10)), "10 of Diamonds");
    EXPECT_EQ(CardName(Card(2, 11)), "Jack of Clubs");
    EXPECT_EQ(CardName(52 + Card(3, 12)), "Queen of Spades") << "a card of the second deck";
    EXPECT_EQ(CardName(209), "Joker");
    EXPECT_EQ(PileDescription("Mazzo_Vis"), "the waste");
    EXPECT_EQ(PileDescription("Mazzo_Waste"), "the waste");
    EXPECT_EQ(PileDescription("Mazzo"), "the stock");
    EXPECT_EQ(PileDescription("Appogg2"), "reserve 2");
    EXPECT_EQ(PileDescription("Fila12"), "tableau 12");
    MoveHint none;
    EXPECT_EQ(MoveHintText(none), "No move is possible");
    none.kind = MoveHint::Kind::Stock;
    EXPECT_EQ(MoveHintText(none), "Click the stock");
    const MoveHint best{MoveHint::Kind::Best, Card(2, 7), "Mazzo_Vis", "Fila3"};
    EXPECT_EQ(MoveHintText(best),
              "Move the 7 of Clubs from the waste to tableau 3 (no winning line was found)");
}

} // namespace
} // namespace quillon
