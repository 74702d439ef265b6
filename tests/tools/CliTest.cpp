// quillon-cli's moves and layout commands, run as a game designer would run them.

#include "CliRunner.h"

#include "model/GameDefinitions.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace quillon {
namespace {

TEST(CliMoves, SlidingPuzzleOffersTheTwoNeighboursOfTheGap) {
    // Deal code 0 leaves the gap in the last cell; its neighbours are the cell above and the one
    // to its left.
    auto [deal, dealStatus] = Cli("deal 87 0000000000000");
    ASSERT_EQ(dealStatus, 0) << deal;
    ASSERT_NE(deal.find("Fila9:\n"), std::string::npos) << deal;
    auto [out, status] = Cli("moves 87 0000000000000");
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out, "Fila6 003 -> Fila9\nFila8 007 -> Fila9\n");
}

TEST(CliMoves, KlondikeMovesFollowItsBuildingRules) {
    // The deal of this code shows the ace of clubs (027) on pile 5, the queen of diamonds (025) on
    // pile 7 and the king of spades (052) on pile 2; no other top card fits anywhere.
    auto [deal, dealStatus] = Cli("deal 101 1234567890123");
    ASSERT_EQ(dealStatus, 0) << deal;
    ASSERT_NE(deal.find("Fila5: 039d 041d 030d 051d 027\n"), std::string::npos) << deal;
    auto [out, status] = Cli("moves 101 1234567890123");
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out, "Fila5 027 -> Dest1\nFila5 027 -> Dest2\nFila5 027 -> Dest3\nFila5 027 -> Dest4\n"
                   "Fila7 025 -> Fila2\n");
}

TEST(CliMoves, EveryLineNamesAPileACardAndATarget) {
    const std::regex line(R"((Fila\d+|Appogg\d+|Mazzo_Vis) \d{3} -> (Fila|Dest|Appogg)\d+)");
    for (const char* game : {"101", "103", "104", "105", "106", "107", "108", "109"}) {
        auto [out, status] = Cli(std::string("moves ") + game + " 2718281828459");
        ASSERT_EQ(status, 0) << game << ": " << out;
        for (const std::string& l : SplitLines(out))
            EXPECT_TRUE(std::regex_match(l, line)) << game << ": " << l;
    }
}

TEST(CliLayout, KlondikeAt1024IsTheCentredRowOfSeven) {
    auto [out, status] = Cli("layout 101 1024 768");
    ASSERT_EQ(status, 0) << out;
    // Seven piles of 71 px in a table 1022 px wide: gap (1022 - 497) / 8 = 65, kept at 20 at most,
    // so the row is 7 * 71 + 6 * 20 = 617 px wide and starts at (1022 - 617) / 2 = 202.
    for (const char* pile : {"Fila1 202 ", "Fila2 293 ", "Fila7 748 "})
        EXPECT_NE(out.find(pile), std::string::npos) << pile << "\n" << out;
    EXPECT_EQ(SplitLines(out).size(), 13u) << "stock, waste, four foundations, seven piles:\n" << out;
}

TEST(CliLayout, CardSizeChangesThePlaces) {
    auto [big, s1] = Cli("layout 101 1280 1024");
    auto [bigB, s2] = Cli("layout 101 1280 1024 B");
    auto [large, s3] = Cli("layout 101 1280 1024 X");
    ASSERT_EQ(s1 + s2 + s3, 0);
    EXPECT_EQ(big, bigB) << "B is the size when none is named";
    EXPECT_NE(big, large);
}

TEST(CliCommands, RefuseBadArguments) {
    struct Case {
        const char* args;
    } cases[] = {
        {"layout 101 1024"},       {"layout 101 wide 768"}, {"layout 101 1024 768 Q"},
        {"layout 999 1024 768"},   {"layout 101 -5 768"},   {"moves 101"},
        {"moves 101 12345"},       {"moves 999 0000000000000"}, {"moves x 0000000000000"},
        {"nosuchcommand"},
    };
    for (const auto& c : cases) {
        auto [out, status] = Cli(c.args);
        EXPECT_EQ(status, 2) << c.args << ": " << out;
        EXPECT_FALSE(out.empty()) << c.args;
    }
}

} // namespace
} // namespace quillon
