// Fill rules, the automatic finishing sweep, the per-game autoplay choice and the autoplay
// command.

#include "../common/TempFolder.h"
#include "StockTable.h"
#include "engine/MoveExecution.h"
#include "model/ConfigFile.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

using Piles = std::vector<std::pair<std::string, std::string>>;

struct FillCase {
    const char* name;
    std::vector<std::pair<int, int>> attrs;
    Piles before;
    Piles after; // the piles to look at, with their expected cards
};

// A game with six tableau piles and two reserves whose first move has been made.
void RunFill(const FillCase& c) {
    StockTable t;
    t.Attrs({{attr::TableauCount, 6}, {attr::ReserveCount, 2}});
    t.Attrs(c.attrs);
    t.Piles(c.before);
    t.s.Game.MovesMade = 2;
    const std::vector<int> cards = t.AllCards();
    FillEmptyPiles(t.s);
    for (const auto& [pile, cards] : c.after)
        EXPECT_EQ(t.Cards(pile), cards) << c.name << ": " << pile;
    EXPECT_EQ(t.AllCards(), cards) << c.name;
    EXPECT_EQ(t.s.Game.MultiCardFill, 0) << c.name;
}

TEST(FillRules, PerPileTable) {
    const FillCase cases[] = {
        {"rule 0 fills nothing", {}, {{"Mazzo", "AS"}}, {{"Fila1", ""}, {"Mazzo", "AS"}}},
        {"rule 2: stock when the waste is empty, one card per pile, the locked block stays",
         {{attr::FillRule, 2}, {attr::LockedColumns, 1}, {attr::LockedRows, 2}},
         {{"Mazzo", "AS 2S 3S"}, {"Fila2", "KH"}, {"Fila4", "KD"}, {"Fila5", "KC"}, {"Fila6", "KS"}},
         {{"Fila1", ""}, {"Fila3", "3S"}, {"Mazzo", "AS 2S"}}},
        {"rule 2: the waste first",
         {{attr::FillRule, 2}},
         {{"Mazzo", "AS"},
          {"Mazzo_Vis", "2S"},
          {"Fila2", "KH"},
          {"Fila3", "KD"},
          {"Fila4", "KC"},
          {"Fila5", "KS"},
          {"Fila6", "QS"}},
         {{"Fila1", "2S"}, {"Mazzo", "AS"}}},
        {"rule 3: the stock first",
         {{attr::FillRule, 3}},
         {{"Mazzo", "AS"},
          {"Mazzo_Vis", "2S"},
          {"Fila2", "KH"},
          {"Fila3", "KD"},
          {"Fila4", "KC"},
          {"Fila5", "KS"},
          {"Fila6", "QS"}},
         {{"Fila1", "AS"}, {"Mazzo_Vis", "2S"}}},
        {"rule 1 from the first reserve",
         {{attr::FillRule, 1}},
         {{"Appogg1", "5H 6H"},
          {"Fila2", "KH"},
          {"Fila3", "KD"},
          {"Fila4", "KC"},
          {"Fila5", "KS"},
          {"Fila6", "QS"}},
         {{"Fila1", "6H"}, {"Appogg1", "5H"}}},
        {"rule 1 needs a card in the first reserve",
         {{attr::FillRule, 1}},
         {{"Appogg2", "5H"}, {"Mazzo", "AS"}},
         {{"Fila1", ""}, {"Appogg2", "5H"}}},
        {"rule 5: three waste cards on one pile",
         {{attr::FillRule, 5}},
         {{"Mazzo_Vis", "AS 2S 3S 4S"},
          {"Fila2", "KH"},
          {"Fila3", "KD"},
          {"Fila4", "KC"},
          {"Fila5", "KS"},
          {"Fila6", "QS"}},
         {{"Fila1", "4S 3S 2S"}, {"Mazzo_Vis", "AS"}}},
        {"rule 9: four stock cards, as long as there are any",
         {{attr::FillRule, 9}},
         {{"Mazzo", "AS 2S 3S 4S 5S 6S"}, {"Fila3", "KD"}, {"Fila4", "KC"}, {"Fila5", "KS"}, {"Fila6", "QS"}},
         {{"Fila1", "6S 5S 4S 3S"}, {"Fila2", "2S AS"}, {"Mazzo", ""}}},
        {"rule 10 waits for empty reserves",
         {{attr::FillRule, 10}},
         {{"Mazzo", "AS"}, {"Appogg2", "QH"}},
         {{"Fila1", ""}, {"Mazzo", "AS"}}},
        {"rule 13 fills the reserves from the stock, not the tableau",
         {{attr::FillRule, 13}},
         {{"Mazzo", "AS 2S 3S"}},
         {{"Fila1", ""}, {"Appogg1", "3S"}, {"Appogg2", "2S"}}},
        {"rule 8 fills tableau and unlocked reserves",
         {{attr::FillRule, 8}, {attr::LockedColumns, 1}, {attr::LockedRows, 1}},
         {{"Mazzo", "AS 2S 3S"},
          {"Fila2", "KH"},
          {"Fila3", "KD"},
          {"Fila4", "KC"},
          {"Fila5", "KS"},
          {"Fila6", "QS"}},
         {{"Fila1", ""}, {"Appogg1", ""}, {"Appogg2", "3S"}}},
        {"rule 18: three face-down cards and a fourth on top",
         {{attr::FillRule, 18}, {attr::TableauCount, 1}},
         {{"Mazzo", "AS 2S 3S 4S 5S"}},
         {{"Fila1", "5S 4S 3S 2S"}, {"Mazzo", "AS"}}},
        {"rule 21: only piles whose foundation is not complete",
         {{attr::FillRule, 21}, {attr::TableauCount, 2}},
         {{"Mazzo", "AS 2S"}, {"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}},
         {{"Fila1", ""}, {"Fila2", "2S"}}},
    };
    for (const auto& c : cases)
        RunFill(c);
}

TEST(FillRules, RuleEighteenFaces) {
    StockTable t;
    t.Attrs({{attr::FillRule, 18}, {attr::TableauCount, 1}});
    t.Pile("Mazzo", "AS 2S 3S 4S 5S");
    t.s.Game.MovesMade = 2;
    FillEmptyPiles(t.s);
    EXPECT_FALSE(t.FaceUp("5S"));
    EXPECT_FALSE(t.FaceUp("4S"));
    EXPECT_FALSE(t.FaceUp("3S"));
    EXPECT_TRUE(t.FaceUp("2S"));
}

TEST(FillRules, RuleSeventeenWaitsForPileSix) {
    StockTable t;
    t.Attrs({{attr::FillRule, 17}, {attr::TableauCount, 6}});
    t.Piles({{"Mazzo", "AS 2S 3S"}, {"Fila1", "KH"}, {"Fila3", "KD"}, {"Fila5", "KC"}, {"Fila6", "KS"}});
    t.s.Game.MovesMade = 2;
    FillEmptyPiles(t.s);
    EXPECT_EQ(t.Cards("Fila2"), "");
    EXPECT_EQ(t.Cards("Fila4"), "3S");

    t.Pile("Fila6", "");
    t.Pile("Fila4", "");
    FillEmptyPiles(t.s);
    EXPECT_EQ(t.Cards("Fila2"), "2S");
    EXPECT_EQ(t.Cards("Fila4"), "AS");
    EXPECT_EQ(t.Cards("Fila6"), "");
}

TEST(FillRules, RuleFourteenPartners) {
    struct Case {
        const char* name;
        Piles piles;
        const char* pile3;
    };
    const std::vector<Case> cases = {
        {"partner 10 (0-based) holds cards", {{"Fila11", "5H"}, {"Fila10", "6H"}, {"Fila9", "7H"}}, "5H"},
        {"partner empty: 9", {{"Fila10", "6H"}, {"Fila9", "7H"}}, "6H"},
        {"then 8", {{"Fila9", "7H"}, {"Fila14", "9H"}}, "7H"},
        {"8 to 10 empty: the highest of 11 to 15", {{"Fila12", "8H"}, {"Fila14", "9H"}}, "9H"},
        {"all of 8 to 15 empty", {{"Fila17", "10H"}}, ""},
    };
    for (const auto& c : cases) {
        StockTable t;
        t.Attrs({{attr::FillRule, 14}, {attr::TableauCount, 24}});
        for (int i = 1; i <= 24; ++i)
            if (i <= 8 || i >= 17)
                t.Pile("Fila" + std::to_string(i), "KS'''");
        t.Pile("Fila3", "");
        t.Piles(c.piles);
        t.s.Game.MovesMade = 2;
        FillEmptyPiles(t.s);
        EXPECT_EQ(t.Cards("Fila3"), c.pile3) << c.name;
    }
}

TEST(FillRules, NothingBeforeTheFirstMoveWhenTheGameSaysSo) {
    StockTable t;
    t.Attrs({{attr::FillRule, 3}, {attr::TableauCount, 1}, {attr::FirstMoveToFoundation, 1}});
    t.Pile("Mazzo", "AS");
    FillEmptyPiles(t.s);
    EXPECT_EQ(t.Cards("Fila1"), "");
    t.s.Game.MovesMade = 1;
    FillEmptyPiles(t.s);
    EXPECT_EQ(t.Cards("Fila1"), "AS");
}

TEST(FillRules, FillBelongsToTheMoveThatCausedIt) {
    StockTable t;
    t.Attrs({{attr::FillRule, 3}, {attr::TableauCount, 2}});
    t.Piles({{"Mazzo", "AS 2S"}, {"Fila1", "KH"}, {"Fila2", "KD"}});
    t.s.Game.MovesMade = 2;
    ASSERT_TRUE(ExecuteMove(t.s, Card("KD"), "Appogg1"));
    ASSERT_EQ(t.s.History.Steps(), 1);
    FillEmptyPiles(t.s);
    EXPECT_EQ(t.Cards("Fila2"), "2S");
    EXPECT_EQ(t.s.History.Steps(), 1);
    // The step holds the table from before the move.
    EXPECT_EQ(t.s.History.StepLines(0).at(3 + 16 + 1), Content("KD"));
}

TEST(FillRules, SlotsFromTheStock) {
    StockTable t;
    t.Attrs({{attr::FillRule, 16}, {attr::TableauCount, 2}});
    t.Piles({{"Mazzo", "AS 2S"}, {"Fila1", "KH 000 QH"}, {"Fila2", "000"}});
    t.s.Game.MovesMade = 2;
    FillEmptyPiles(t.s);
    EXPECT_EQ(t.Cards("Fila1"), "KH 2S QH");
    EXPECT_EQ(t.Cards("Fila2"), "AS");
    EXPECT_EQ(t.s.History.Steps(), 0);
    // A slot outside the pile or a card not in the stock changes nothing.
    t.Pile("Mazzo", "3S");
    FillSlot(t.s, 0, 5, Card("3S"));
    FillSlot(t.s, 1, 0, Card("4S"));
    EXPECT_EQ(t.Cards("Mazzo"), "3S");
}

TEST(FillRules, RuleFifteenCoversTheSelectedCards) {
    // The first foundation holds the selection: cards that stay where they lie on the tableau.
    struct Case {
        const char* name;
        const char* selection;
        const char* stock;
        const char* pile1;
        const char* pile2;
        const char* selectionAfter;
        std::vector<int> pauses;
    };
    const Case cases[] = {
        {"two hearts selected, both covered", "5H 9H", "AS 2S 3S", "2C 5H 3S", "9H 2S", "", {300, 35, 35}},
        {"the last stock card: the long pause", "5H 9H", "3S", "2C 5H 3S", "9H", "", {300, 35, 1000}},
        {"one club on top only", "5H 3C", "AS 2S 3S", "2C 5H", "9H", "5H 3C", {}},
        {"three selected, two shown", "5H 9H 7H", "AS", "2C 5H", "9H", "5H 9H 7H", {}},
        {"nothing selected", "", "AS", "2C 5H", "9H", "", {}},
    };
    for (const auto& c : cases) {
        StockTable t;
        t.Attrs({{attr::FillRule, 15}, {attr::TableauCount, 4}});
        t.Piles({{"Mazzo", c.stock}, {"Fila1", "2C 5H"}, {"Fila2", "9H"}, {"Fila3", "3C"}, {"Fila4", "KS"}});
        t.s.Piles.FoundationPiles[0] = Content(c.selection);
        t.s.Game.MovesMade = 2;
        FillEmptyPiles(t.s);
        EXPECT_EQ(t.Cards("Fila1"), c.pile1) << c.name;
        EXPECT_EQ(t.Cards("Fila2"), c.pile2) << c.name;
        EXPECT_EQ(t.Cards("Fila3"), "3C") << c.name;
        EXPECT_EQ(t.Cards("Dest1"), c.selectionAfter) << c.name;
        EXPECT_EQ(t.view.pauses, c.pauses) << c.name;
    }
}

// --- Autoplay ---

TEST(AutoFinish, OnlyWhenTickedEnabledDealtAndInPlay) {
    struct Case {
        bool ticked, enabled, dealt, inPlay, moves;
    };
    const Case cases[] = {{true, true, true, true, true},
                          {false, true, true, true, false},
                          {true, false, true, true, false},
                          {true, true, false, true, false},
                          {true, true, true, false, false}};
    for (const auto& c : cases) {
        StockTable t;
        t.UpFromAce(1).Pile("Fila1", "AH");
        t.s.AutoplayMenu.Ticked = c.ticked;
        t.s.AutoplayMenu.Enabled = c.enabled;
        t.s.Game.DealDone = c.dealt ? 1 : 0;
        t.s.SetFlag(GameInPlay, c.inPlay);
        EXPECT_EQ(AutoFinish(t.s), c.moves);
        EXPECT_EQ(t.Cards("Dest1"), c.moves ? "AH" : "");
    }
}

TEST(AutoFinish, OnlyFoundationsEverTakeACard) {
    StockTable t;
    t.AutoplayOn().UpFromAce(4);
    t.Attrs({{attr::TableauCount, 3}, {attr::ReserveCount, 1}});
    // Everything here could go on a tableau pile or a reserve, nothing on a foundation.
    t.Piles({{"Fila1", "6H"}, {"Fila2", "6S"}, {"Mazzo_Vis", "5S"}, {"Appogg1", "5H"}});
    EXPECT_FALSE(AutoFinish(t.s));
    EXPECT_EQ(t.Cards("Fila1"), "6H");
    EXPECT_EQ(t.Cards("Fila2"), "6S");
    EXPECT_EQ(t.Cards("Fila3"), "");
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "5S");
    EXPECT_EQ(t.Cards("Appogg1"), "5H");
    EXPECT_EQ(t.s.History.Steps(), 0);
}

TEST(AutoFinish, SweepsReservesWasteAndTableau) {
    StockTable t;
    t.AutoplayOn().UpFromAce(2);
    t.Attrs({{attr::TableauCount, 2}, {attr::ReserveCount, 1}});
    t.Piles({{"Appogg1", "3H"}, {"Mazzo_Vis", "2S 2H"}, {"Fila1", "KD AS"}, {"Fila2", "QD AH"}});
    EXPECT_TRUE(AutoFinish(t.s));
    EXPECT_EQ(t.Cards("Dest1"), "AS 2S");
    EXPECT_EQ(t.Cards("Dest2"), "AH 2H 3H");
    EXPECT_EQ(t.Cards("Fila1"), "KD");
    EXPECT_EQ(t.Cards("Appogg1"), "");
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "");
}

TEST(AutoFinish, WasteLeftAloneWhenTheGameSaysSo) {
    StockTable t;
    t.AutoplayOn().UpFromAce(1).Attr(attr::WasteLocked, 1).Pile("Mazzo_Vis", "AH");
    EXPECT_FALSE(AutoFinish(t.s));
    EXPECT_EQ(t.Cards("Mazzo_Vis"), "AH");
}

TEST(AutoFinish, ReservesAreTriedAgainAfterEachTableauCard) {
    StockTable t;
    t.AutoplayOn().UpFromAce(2);
    t.Attrs({{attr::TableauCount, 2}, {attr::ReserveCount, 1}});
    t.Piles({{"Appogg1", "2H"}, {"Fila1", "AH"}, {"Fila2", "AH'"}});
    EXPECT_TRUE(AutoFinish(t.s));
    EXPECT_EQ(t.Cards("Dest1"), "AH 2H");
    EXPECT_EQ(t.Cards("Dest2"), "AH'");
    // Three moves; before the third the reserve had already given its card: the reserve went
    // before the second tableau pile.
    ASSERT_EQ(t.s.History.Steps(), 3);
    const int reserve1 = 3 + 16 + 40;
    EXPECT_EQ(t.s.History.StepLines(1).at(reserve1), Content("2H"));
    EXPECT_EQ(t.s.History.StepLines(2).at(reserve1), "");
}

TEST(AutoFinish, WithoutReservesTheTableauPassGoesOn) {
    StockTable t;
    t.AutoplayOn().UpFromAce(2).Attrs({{attr::TableauCount, 3}, {attr::ReserveCount, 0}});
    t.Piles({{"Fila1", "AH"}, {"Fila2", "AH'"}, {"Fila3", "2H"}});
    EXPECT_TRUE(AutoFinish(t.s));
    EXPECT_EQ(t.Cards("Dest1"), "AH 2H");
    EXPECT_EQ(t.Cards("Dest2"), "AH'");
}

TEST(AutoFinish, FaceDownTopTurnedUpAndSentInTheSameSweep) {
    struct Case {
        const char* faceUpParam;
        int attr44;
        bool sent;
    };
    const Case cases[] = {{"Y", 1, true}, {"N", 1, false}, {"Y", 0, false}, {"Y", 2, false}};
    for (const auto& c : cases) {
        StockTable t;
        t.AutoplayOn().UpFromAce(1).Attrs({{attr::TableauCount, 1}, {attr::AutoFaceUpAllowed, c.attr44}});
        t.s.Params.WriteParam(239, 1, c.faceUpParam);
        t.Pile("Fila1", "KS AH").FaceDown("AH").FaceDown("KS");
        EXPECT_EQ(AutoFinish(t.s), c.sent) << c.faceUpParam << c.attr44;
        EXPECT_EQ(t.Cards("Dest1"), c.sent ? "AH" : "") << c.faceUpParam << c.attr44;
        if (c.sent) {
            // The turn-up and the move form one step; the card under it is turned in the next sweep.
            EXPECT_EQ(t.s.History.Steps(), 2);
            EXPECT_TRUE(t.FaceUp("KS"));
        }
    }
}

TEST(AutoFinish, EndGameOnceAfterTheLoop) {
    StockTable t;
    int results = 0;
    t.s.Play.RecordGameResult = [&](Session&, int, const std::string&, bool, bool won) {
        ++results;
        EXPECT_TRUE(won);
    };
    // Family 65 is won once the stock and the waste are empty.
    t.AutoplayOn().UpFromAce(2).Attrs({{attr::Family, 65}, {attr::TableauCount, 2}, {attr::ReserveCount, 0}});
    t.Piles({{"Mazzo_Vis", "AH"}, {"Fila1", "AS"}, {"Fila2", "2H"}});
    EXPECT_TRUE(AutoFinish(t.s));
    EXPECT_EQ(results, 1);
    EXPECT_EQ(t.Cards("Dest1"), "AH 2H");
    EXPECT_EQ(t.Cards("Dest2"), "AS");
    EXPECT_FALSE(t.s.Flag(GameInPlay));
    EXPECT_FALSE(t.s.Flag(GameEndHandled));
    // The game is over: a second call does nothing.
    EXPECT_FALSE(AutoFinish(t.s));
    EXPECT_EQ(results, 1);
}

TEST(AutoplaySteps, FillsBetweenFinishingRuns) {
    StockTable t;
    t.AutoplayOn().UpFromAce(1).Attrs({{attr::FillRule, 3}, {attr::TableauCount, 1}});
    t.Piles({{"Mazzo", "3H 2H"}, {"Fila1", "AH"}});
    t.s.Game.MovesMade = 2;
    AutoplaySteps(t.s);
    EXPECT_EQ(t.Cards("Dest1"), "AH 2H 3H");
    EXPECT_EQ(t.Cards("Mazzo"), "");
}

TEST(AutoplayRelease, TheReleaseFillsAndFinishes) {
    StockTable t;
    t.AutoplayOn().UpFromAce(1).Attrs({{attr::FillRule, 3}, {attr::TableauCount, 1}});
    t.Piles({{"Mazzo", "3H 2H"}, {"Fila1", "AH"}});
    t.s.Game.MovesMade = 2;
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.Cards("Dest1"), "AH 2H 3H");
    // Autoplay off: only the fill rule runs.
    StockTable u;
    u.UpFromAce(1).Attrs({{attr::FillRule, 3}, {attr::TableauCount, 1}});
    u.Piles({{"Mazzo", "3H 2H"}});
    u.s.Game.MovesMade = 2;
    OnTableRelease(u.s, 0, 0);
    EXPECT_EQ(u.Cards("Fila1"), "2H");
    EXPECT_EQ(u.Cards("Dest1"), "");
}

TEST(CardPlaceTest, TopCardsOnlyAndNothingElsewhere) {
    StockTable t;
    t.Attrs({{attr::TableauCount, 2}});
    t.s.TableauX[1] = 200;
    t.s.TableauY[1] = 50;
    t.Piles({{"Fila2", "KS QH"}, {"Mazzo", "AS"}});
    t.s.Game.StockX[0] = 10;
    t.s.Game.StockY[0] = 20;
    EXPECT_EQ(CardPlace(t.s, Card("QH")).left, 200);
    EXPECT_EQ(CardPlace(t.s, Card("AS")), (TableRect{10, 20, 10 + 71, 20 + 96}));
    EXPECT_EQ(CardPlace(t.s, Card("KS")), TableRect{});
    EXPECT_EQ(CardPlace(t.s, Card("2D")), TableRect{});
    EXPECT_EQ(CardPlace(t.s, 0), TableRect{});
    t.s.TableauX[1] = kTableauHidden;
    EXPECT_EQ(CardPlace(t.s, Card("QH")), TableRect{});
}

// --- The per-game choice and the autoplay command ---

class AutoplayChoice : public ::testing::Test {
protected:
    void SetUp() override {
        t.s.DataFolder = folder.path();
        t.s.Game.AutoPlayAllGames = 2;
    }
    std::string Games() { return ReadConfigString(t.s, "Autoplay", "Games", "<none>"); }
    quillon::testing::TempFolder folder;
    StockTable t;
};

TEST_F(AutoplayChoice, StoringNForGameSeventeenExtendsTheText) {
    WriteConfigString(t.s, "Autoplay", "Games", "YYY");
    t.s.AutoplayMenu.ButtonsDown = false;
    StoreAutoplayChoice(t.s, 17);
    const std::string games = Games();
    ASSERT_EQ(games.size(), 27u);
    EXPECT_EQ(games, std::string(17, 'Y') + "N" + std::string(9, 'Y'));
}

TEST_F(AutoplayChoice, StoreTable) {
    struct Case {
        const char* before;
        int game;
        bool down;
        const char* after;
    };
    const Case cases[] = {
        {"<none>", 0, false, "NYYYYYYYYY"},
        {"YYYYYY", 2, false, "YYNYYY"}, // long enough: one character replaced
        {"YYY", 2, false, "YYNYYYYYYYYY"},
        {"NNNNNNNNNNNN", 1, true, "NYNNNNNNNNNN"},
    };
    for (const auto& c : cases) {
        if (std::string(c.before) == "<none>")
            std::remove((folder.path() + "Cfg.dat").c_str());
        else
            WriteConfigString(t.s, "Autoplay", "Games", c.before);
        t.s.AutoplayMenu.ButtonsDown = c.down;
        StoreAutoplayChoice(t.s, c.game);
        EXPECT_EQ(Games(), c.after) << c.before << " " << c.game;
    }
}

TEST_F(AutoplayChoice, CustomGamesHaveTheirOwnKey) {
    t.s.AutoplayMenu.ButtonsDown = false;
    StoreAutoplayChoice(t.s, 8001);
    EXPECT_EQ(ReadConfigString(t.s, "Autoplay", "Cust_8001", ""), "N");
    EXPECT_EQ(Games(), "<none>");
    t.s.AutoplayMenu.ButtonsDown = true;
    StoreAutoplayChoice(t.s, 8001);
    EXPECT_EQ(ReadConfigString(t.s, "Autoplay", "Cust_8001", ""), "Y");
}

TEST_F(AutoplayChoice, OnlyWithPreferenceTwoAndAnEnabledCommand) {
    t.s.Game.AutoPlayAllGames = 1;
    StoreAutoplayChoice(t.s, 3);
    EXPECT_EQ(Games(), "<none>");
    t.s.Game.AutoPlayAllGames = 2;
    t.s.AutoplayMenu.Enabled = false;
    StoreAutoplayChoice(t.s, 3);
    EXPECT_EQ(Games(), "<none>");
}

TEST_F(AutoplayChoice, ApplySwitchesToTheStoredChoiceAndStoresItAgain) {
    struct Case {
        const char* games;
        int game;
        bool downBefore;
        bool downAfter;
    };
    const Case cases[] = {
        {"YYN", 2, true, false}, {"YYN", 1, false, true}, {"YYN", 40, false, true}, {"NNN", 0, false, false}};
    for (const auto& c : cases) {
        WriteConfigString(t.s, "Autoplay", "Games", c.games);
        t.s.Params.WriteParam(62, 4, FormatFixed(c.game, 4));
        t.s.AutoplayMenu.ButtonsDown = t.s.AutoplayMenu.Ticked = c.downBefore;
        ApplyAutoplayChoice(t.s, c.game);
        EXPECT_EQ(t.s.AutoplayMenu.ButtonsDown, c.downAfter) << c.games << " " << c.game;
        EXPECT_EQ(t.s.AutoplayMenu.Ticked, c.downAfter) << c.games << " " << c.game;
    }
    // Custom game: missing key counts as on.
    t.s.AutoplayMenu.ButtonsDown = t.s.AutoplayMenu.Ticked = false;
    t.s.Params.WriteParam(62, 4, "8123");
    ApplyAutoplayChoice(t.s, 8123);
    EXPECT_TRUE(t.s.AutoplayMenu.ButtonsDown);
    EXPECT_EQ(ReadConfigString(t.s, "Autoplay", "Cust_8123", ""), "Y");
}

TEST_F(AutoplayChoice, CommandTogglesAndPlaysOnlyDuringAGame) {
    t.UpFromAce(1).Attr(attr::TableauCount, 1).Pile("Fila1", "AH");
    t.s.Game.DealDone = 1;
    t.s.Params.WriteParam(62, 4, "0005");
    AutoplayCommand(t.s); // no game in play: on, but nothing moves
    EXPECT_TRUE(t.s.AutoplayMenu.Ticked);
    EXPECT_TRUE(t.s.AutoplayMenu.ButtonsDown);
    EXPECT_EQ(t.Cards("Dest1"), "");
    EXPECT_EQ(Games(), "YYYYYYYYYYYYYYY");
    AutoplayCommand(t.s);
    EXPECT_FALSE(t.s.AutoplayMenu.ButtonsDown);
    EXPECT_EQ(Games(), "YYYYYNYYYYYYYYY");
    t.s.SetFlag(GameInPlay, true);
    AutoplayCommand(t.s);
    EXPECT_EQ(t.Cards("Dest1"), "AH");
}

TEST_F(AutoplayChoice, NewDealAndStartUp) {
    t.UpFromAce(1).Attr(attr::TableauCount, 1).Pile("Fila1", "AH");
    // Preference 3: every new deal starts with autoplay off.
    t.s.Game.AutoPlayAllGames = 3;
    t.s.AutoplayMenu.Ticked = t.s.AutoplayMenu.ButtonsDown = true;
    AutoplayBeforeNewDeal(t.s);
    EXPECT_FALSE(t.s.AutoplayMenu.Ticked);
    EXPECT_FALSE(t.s.AutoplayMenu.ButtonsDown);
    // Preference 1 with "Y" switches it on at start-up.
    t.s.Game.AutoPlayAllGames = 1;
    AutoplayAtStartup(t.s, "N");
    EXPECT_FALSE(t.s.AutoplayMenu.Ticked);
    AutoplayAtStartup(t.s, "Y");
    EXPECT_TRUE(t.s.AutoplayMenu.Ticked);
    // After the deal: the wait, then the cards go up.
    t.s.Game.DealDone = 1;
    t.s.SetFlag(GameInPlay, true);
    t.view.pauses.clear();
    AutoplayAfterNewDeal(t.s);
    EXPECT_EQ(t.view.pauses.front(), 800);
    EXPECT_EQ(t.Cards("Dest1"), "AH");
}

} // namespace
} // namespace quillon::test
