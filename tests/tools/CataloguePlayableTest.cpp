// Checks that every game of the catalogue can be played as written: the piles it deals can take
// cards, every pile is placed on the table, the stock does something when clicked, every card of
// the deck takes part, and the game has its rules page and open-game facts. These are mistakes the
// compiler accepts (the values are all valid numbers) but that leave a game unplayable or wrong.
#include "GamesDatCompiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace quillon::gamesdat {
namespace {

namespace fs = std::filesystem;

// Attribute numbers read here.
constexpr int kPickUp = 14, kSingleClick = 39, kFamily = 54, kPasses = 16, kRedeal = 17, kTurn = 24;
constexpr int kStockPresent = 10, kToWaste = 11;
constexpr int kFoundationCapacity = 34, kTableauCapacity = 35, kDealFamily = 36, kPairing = 41;
constexpr int kFoundationRule = 87, kTableauRule = 215, kTableauDealMode = 295, kReserveDealMode = 347;
constexpr int kStockArr = 362, kFoundationArr = 364, kTableauArr = 366, kReserveArr = 370;
constexpr int kSecondWasteRow = 371, kSecondWasteArr = 372;
constexpr int kStockPiles = 373, kFoundations = 374, kTableaus = 375, kReserves = 376, kSecondWastes = 377;
constexpr int kStockDeal = 379;
constexpr int kDescribeFoundation = 487, kDescribeTableau = 488;
constexpr int kTime = 497, kDifficulty = 498, kSkill = 499, kChance = 500;

bool OneOf(int v, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), v) != set.end();
}

// Tableau arrangements that lay out the whole table by themselves.
bool WholeTable(int arrangement) {
    return OneOf(arrangement, {51,  52,  54,  57,  58,  61,  66,  75,  78,  81,  98,  103,
                               108, 120, 123, 124, 125, 126, 127, 128, 129, 130, 166, 172});
}

std::vector<std::string> GameFiles() {
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(QUILLON_GAMES_SOURCE_DIR))
        if (e.path().extension() == ".toml")
            files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CataloguePlayable : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        std::vector<CompileError> errors;
        auto g = ParseGameSource(ReadFile(GetParam()), GetParam(), errors);
        ASSERT_TRUE(g.has_value()) << (errors.empty() ? "" : errors.front().Text());
        game = *g;
    }
    int A(int n) const { return game.attr[static_cast<size_t>(n)]; }
    bool Building() const { return A(kPairing) == 0; }
    GameSource game;
};

TEST_P(CataloguePlayable, HasItsRulesPage) {
    fs::path page = fs::path(QUILLON_GAMES_SOURCE_DIR) / ".." / "help" / "rules" /
                    (std::to_string(game.number + 3000) + ".html");
    ASSERT_TRUE(fs::exists(page)) << page;
    std::string html = ReadFile(page);
    EXPECT_NE(html.find("<title>" + game.name + "</title>"), std::string::npos) << "title of " << page;
    EXPECT_NE(html.find("</html>"), std::string::npos) << page << " is cut short";
}

TEST_P(CataloguePlayable, BelongsToAFamilyOfTheGameTree) {
    // Group codes outside the family table give the game no node and no icon in the open-game tree.
    EXPECT_GE(game.group, 2);
    EXPECT_LE(game.group, 27);
    EXPECT_EQ(game.edition, 4);
}

TEST_P(CataloguePlayable, GameFactsHaveAText) {
    EXPECT_TRUE(A(kTime) >= 0 && A(kTime) <= 2) << A(kTime);
    EXPECT_TRUE(A(kDifficulty) >= 0 && A(kDifficulty) <= 2) << A(kDifficulty);
    EXPECT_TRUE(A(kSkill) >= 0 && A(kSkill) <= 4) << A(kSkill);
    EXPECT_TRUE(A(kChance) >= 0 && A(kChance) <= 4) << A(kChance);
}

TEST_P(CataloguePlayable, EveryCardOfTheDeckTakesPart) {
    // Cards left in the deck after the deal are out of the game; a patience with cards missing can
    // never be won. Deal families that lay out the rest of the deck themselves are not counted here.
    if (OneOf(A(kDealFamily), {2, 4, 5, 6, 17, 18}))
        GTEST_SKIP() << "the deal family lays out the rest of the deck";
    // The memory game of family 38 lays out its own cards and keeps the rest of the first pack out.
    if (A(kFamily) == 38)
        GTEST_SKIP() << "the family lays out its own cards";
    EXPECT_EQ(CardsDealt(game), CardsKept(game));
}

TEST_P(CataloguePlayable, FoundationsCanTakeCards) {
    if (A(kFoundations) == 0)
        GTEST_SKIP();
    // A capacity of 0 makes every foundation full from the start (only rules 20 and 29 ignore it).
    bool capacityIgnored = true;
    for (int i = 0; i < A(kFoundations); ++i)
        capacityIgnored = capacityIgnored && OneOf(A(kFoundationRule + i), {20, 29});
    if (!capacityIgnored) {
        EXPECT_GE(A(kFoundationCapacity), 1) << "every foundation is full from the start";
    }
}

TEST_P(CataloguePlayable, TableauPilesCanTakeCards) {
    if (A(kTableaus) == 0 || !Building())
        GTEST_SKIP();
    // The capacity is a card count, -1 for none; 0 makes every pile refuse every card.
    EXPECT_TRUE(A(kTableauCapacity) == -1 || A(kTableauCapacity) >= 1) << A(kTableauCapacity);
}

TEST_P(CataloguePlayable, RuleDescriptionsMatchThePiles) {
    // A description parameter of 0 describes every pile as building in suit. A game whose piles
    // build by another plain rule (same colour, any suit, alternating colours) must not leave it at
    // 0, or the status bar tells the player the wrong rule.
    struct Group {
        int describe, count, rule;
        const char* what;
    };
    for (Group grp : {Group{kDescribeFoundation, A(kFoundations), kFoundationRule, "foundation"},
                      Group{kDescribeTableau, A(kTableaus), kTableauRule, "tableau"}}) {
        if (A(grp.describe) != 0)
            continue;
        for (int i = 0; i < grp.count; ++i)
            EXPECT_FALSE(OneOf(A(grp.rule + i), {1, 2, 3}))
                << grp.what << " pile " << i + 1 << " builds by rule " << A(grp.rule + i)
                << " but is described as building in suit";
    }
}

TEST_P(CataloguePlayable, EveryPileLiesOnTheTable) {
    const int tableauArr = A(kTableauArr);
    if (WholeTable(tableauArr))
        GTEST_SKIP() << "the tableau arrangement places every pile";
    const int n = A(kTableaus);
    if (n > 0) {
        EXPECT_TRUE(OneOf(tableauArr, {1, 2, 3, 10, 11, 12, 13, 14, 15, 18, 20, 21}))
            << "tableau " << tableauArr;
    }
    const int m = A(kFoundations);
    if (m > 0) {
        EXPECT_TRUE(OneOf(A(kFoundationArr), {1, 2, 7, 8, 9, 13, 17, 22, 32}))
            << "foundations " << A(kFoundationArr);
        if (OneOf(A(kFoundationArr), {7, 9, 13, 22})) {
            EXPECT_GE(n, m) << "the foundations are placed over tableau piles";
        }
    }
    const int r = A(kReserves);
    if (r > 0) {
        EXPECT_TRUE(OneOf(A(kReserveArr), {4, 5, 6, 7, 11, 12, 23})) << "reserves " << A(kReserveArr);
        if (OneOf(A(kReserveArr), {4, 7})) {
            EXPECT_GE(n, r) << "the reserves are placed over tableau piles";
        }
    }
    if (A(kSecondWastes) > 0) {
        EXPECT_TRUE(OneOf(A(kSecondWasteArr), {6, 7, 16})) << "second waste " << A(kSecondWasteArr);
    }

    const int stockArr = A(kStockArr);
    if (A(kStockPresent) == 1) {
        EXPECT_TRUE(OneOf(stockArr, {3, 4, 5, 11, 13, 16, 19, 21, 23})) << "stock " << stockArr;
    }
    if (A(kToWaste) == 1) {
        // The waste needs a place of its own beside (or under) the stock.
        bool placed = OneOf(stockArr, {3, 4, 11, 21, 23}) || (stockArr == 5 && A(kStockPiles) >= 2) ||
                      (stockArr == 13 && A(kStockPiles) > 1) ||
                      (OneOf(stockArr, {16, 19}) && A(kStockPresent) == 0);
        EXPECT_TRUE(placed) << "the waste has no place with stock arrangement " << stockArr;
        if (stockArr == 4 && A(kStockPresent) == 1) {
            EXPECT_GE(n, 2) << "stock and waste are placed over the first two tableau piles";
        }
    }
}

TEST_P(CataloguePlayable, AClickOnTheStockDoesSomething) {
    // Family 38 fills its stock itself, with the whole second pack.
    if (A(kStockDeal) == 0 && A(kFamily) != 38) {
        EXPECT_EQ(A(kToWaste), 0) << "a waste without a stock to fill it";
        GTEST_SKIP();
    }
    EXPECT_EQ(A(kStockPresent), 1) << "the stock holds cards but the game has no stock pile";
    EXPECT_GE(A(kStockPiles), 1);
    EXPECT_GE(A(kPasses), -1);
    if (A(kToWaste) == 1) {
        EXPECT_GE(A(kTurn), 1) << "a click would turn no card";
        return;
    }
    const int last = A(kTableaus) > 0 ? A(kTableauDealMode + A(kTableaus) - 1) : 0;
    const int lastReserve = A(kReserves) > 0 ? A(kReserveDealMode + A(kReserves) - 1) : 0;
    bool deals = (A(kTableauDealMode) >= 1 && A(kTableauDealMode) <= 15) || (last >= 1 && last <= 15) ||
                 (A(kReserveDealMode) >= 1 && A(kReserveDealMode) <= 15) ||
                 (lastReserve >= 1 && lastReserve <= 15) || A(kSecondWasteRow) != 0 || A(kRedeal) >= 1;
    // A pairing game (attribute 41) fills the places of removed cards from the stock, and so does
    // a fill rule that takes the stock's top card for a gap (attribute 25) without any click.
    const int fill = A(25);
    deals = deals || A(41) != 0 || OneOf(fill, {2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19, 20, 21});
    EXPECT_TRUE(deals) << "the stock holds cards that no click can bring into play";
}

TEST_P(CataloguePlayable, PickUpRuleLetsACardMove) {
    // Single-click games and the families whose presses play, select or turn cards do not pick
    // tableau cards up by this rule.
    if (A(kTableaus) == 0 || !Building() || A(kSingleClick) == 1 ||
        OneOf(A(kFamily), {2, 3, 4, 12, 15, 33, 36, 37, 39, 67}))
        GTEST_SKIP();
    // A non-negative limit is the longest run that may be lifted: 0 would freeze the tableau.
    EXPECT_NE(A(kPickUp), 0) << "no tableau card could ever be picked up";
}

INSTANTIATE_TEST_SUITE_P(Games, CataloguePlayable, ::testing::ValuesIn(GameFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string stem = fs::path(info.param).stem().string();
                             std::replace_if(
                                 stem.begin(), stem.end(),
                                 [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return stem;
                         });

} // namespace
} // namespace quillon::gamesdat
