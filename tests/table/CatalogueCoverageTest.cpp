// How much of the engine the shipped catalogue exercises, counted over the built GAMES.DAT: the
// games and the groups of the open-game dialog they fill, and the distinct codes the games use of
// each kind the engine branches on. The counts may grow; a game removed or changed so that a code
// falls out of use makes the test fail.

#include "model/Deal.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quillon {
namespace {

// Attribute numbers of the game definition.
constexpr int kRedealMode = 17, kDealFamily = 36, kFamily = 54, kFoundationArrangement = 1;
constexpr int kFoundationRule = 87, kFoundationStart = 103, kTableauRule = 215;
constexpr int kTableauDealMode = 295, kReserveKind = 335, kReserveDealMode = 347;
constexpr int kFoundations = 374, kTableaus = 375, kReserves = 376;

// The class of a foundation's start-card code, as the deal tells them apart: none (0, and 100,
// which names no card), a card of the deck numbered from the foundation's suit (1-13 and every
// code without a rule of its own), each of the codes 20, 21 and 22, a rank of the deal (51-63),
// each of the codes 91 to 98 (every one has its own rule, 93 and 94 differing in where the dealt
// cards may go), and a given card (above 100).
int StartClass(int code) {
    if (code == 0 || code == 100)
        return 0;
    if (code > 100)
        return 101;
    if (code >= 20 && code <= 22)
        return code;
    if (code >= 51 && code <= 63)
        return 51;
    if (code >= 91 && code <= 98)
        return code;
    return 1;
}

struct Coverage {
    int games = 0;
    std::map<int, int> perGroup;
    std::map<std::string, std::set<int>> codes;
};

Coverage Count() {
    Coverage c;
    Session s;
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
    auto text = ReadGamesDat(s);
    if (!text)
        return c;
    s.Game.GameList = GameListFromText(*text);
    for (int n = 0; n < 8000; ++n) {
        if (GameColumn(s, n) < 0)
            continue;
        ++c.games;
        ++c.perGroup[GameGroup(s, n)];
        Session game;
        game.ProgramFolder = s.ProgramFolder;
        std::string error;
        if (!LoadAndDeal(game, n, "0000000000001", error)) {
            ADD_FAILURE() << "game " << n << ": " << error;
            continue;
        }
        auto at = [&](int a) { return game.Attr(a); };
        c.codes["family"].insert(at(kFamily));
        if (at(kRedealMode) >= 1)
            c.codes["shuffled redeal"].insert(at(kRedealMode));
        if (at(kDealFamily) != 0)
            c.codes["deal arrangement"].insert(at(kDealFamily));
        if (at(kFoundationArrangement) != 0)
            c.codes["foundation arrangement"].insert(at(kFoundationArrangement));
        for (int f = 0; f < std::min(16, at(kFoundations)); ++f) {
            if (at(kFoundationRule + f) >= 4)
                c.codes["special building"].insert(at(kFoundationRule + f));
            c.codes["foundation start"].insert(StartClass(at(kFoundationStart + f)));
        }
        for (int i = 0; i < std::min(40, at(kTableaus)); ++i) {
            if (at(kTableauRule + i) >= 4)
                c.codes["special building"].insert(at(kTableauRule + i));
            if (at(kTableauDealMode + i) != 0)
                c.codes["tableau deal mode"].insert(at(kTableauDealMode + i));
        }
        // The empty-pile values as the game defines them, before the deal resolves some of them
        // (91 becomes the rank below the first foundation's start): the tableau piles' values and
        // the foundations' start values, which the building rules read alike for an empty pile.
        // -2 on a foundation names the wild-card start rule, not an empty-pile value.
        for (int i = 0; i < std::min(40, at(kTableaus)); ++i)
            if (const int v = game.SavedAttr[static_cast<size_t>(i)]; v < -1 || v > 13)
                c.codes["special empty"].insert(v);
        for (int f = 0; f < std::min(16, at(kFoundations)); ++f)
            if (const int v = game.SavedAttr[static_cast<size_t>(40 + f)]; v < -2 || v > 13)
                c.codes["special empty"].insert(v);
        for (int j = 0; j < std::min(12, at(kReserves)); ++j) {
            c.codes["reserve kind"].insert(at(kReserveKind + j));
            if (at(kReserveDealMode + j) != 0)
                c.codes["reserve deal mode"].insert(at(kReserveDealMode + j));
        }
    }
    return c;
}

TEST(CatalogueCoverage, CodesInUseDoNotDrop) {
    const Coverage c = Count();
    ASSERT_GT(c.games, 0) << "no GAMES.DAT";
    int groupsOfThree = 0;
    for (const auto& [group, count] : c.perGroup)
        groupsOfThree += count >= 3 ? 1 : 0;
    auto distinct = [&](const char* kind) {
        const auto it = c.codes.find(kind);
        return it == c.codes.end() ? 0 : static_cast<int>(it->second.size());
    };
    // What the catalogue reaches today.
    const std::map<std::string, std::pair<int, int>> counts = {
        {"games", {c.games, 185}},
        {"groups with three games or more", {groupsOfThree, 26}},
        {"family codes", {distinct("family"), 42}},
        {"special building codes", {distinct("special building"), 63}},
        {"tableau deal modes", {distinct("tableau deal mode"), 6}},
        {"reserve deal modes", {distinct("reserve deal mode"), 1}},
        // Mode 12 (the top cards gathered round after round) went with Cruel and Perseverance,
        // whose piles are now gathered whole and dealt out again in fours, as the classics play.
        {"shuffled redeal modes", {distinct("shuffled redeal"), 7}},
        // Kind 12 (a place that takes any card) went with Faerie Queen's kings' place, where one
        // stray card spoiled the deal: its kings now stay at the foot of their piles.
        {"reserve kinds", {distinct("reserve kind"), 5}},
        {"special empty-pile values", {distinct("special empty"), 8}},
        {"foundation start classes", {distinct("foundation start"), 12}},
        {"foundation arrangements", {distinct("foundation arrangement"), 3}},
        {"deal arrangements", {distinct("deal arrangement"), 9}},
    };
    for (const auto& [what, value] : counts) {
        std::printf("%s: %d\n", what.c_str(), value.first);
        EXPECT_GE(value.first, value.second) << what;
    }
    // The codes themselves, so whoever adds a game sees which ones are still unused.
    for (const auto& [kind, used] : c.codes) {
        std::printf("%s in use:", kind.c_str());
        for (int code : used)
            std::printf(" %d", code);
        std::printf("\n");
    }
    std::printf("games per group:");
    for (const auto& [group, count] : c.perGroup)
        std::printf(" %d:%d", group, count);
    std::printf("\n");
}

// The counting itself: codes the deal treats alike share a class, codes it treats apart do not.
TEST(CatalogueCoverage, StartClasses) {
    const std::vector<std::vector<int>> classes = {
        {0, 100},
        {1, 7, 13, 14, 19, 23, 50, 64, 90, 99},
        {20},
        {21},
        {22},
        {51, 57, 63},
        {91},
        {92},
        {93},
        {94},
        {95},
        {96},
        {97},
        {98},
        {101, 152, 208},
    };
    std::set<int> seen;
    for (const auto& members : classes) {
        for (int code : members)
            EXPECT_EQ(StartClass(code), StartClass(members.front())) << code;
        EXPECT_TRUE(seen.insert(StartClass(members.front())).second) << "class of " << members.front();
    }
}

} // namespace
} // namespace quillon
