#pragma once
// Dealing the built catalogue's games in tests: deal codes spread over the whole range, and a game
// of the built definition file dealt from one of them.
#include "model/Deal.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace quillon::testing {

// `count` deal codes spread over the whole range (xorshift from `seed`), with the all-zero and
// all-nine codes among them.
inline std::vector<std::string> SpreadDealCodes(size_t count, std::uint64_t seed) {
    std::vector<std::string> codes = {"0000000000000", "9999999999999", "1234567890123", "0000000000001"};
    std::uint64_t x = seed;
    while (codes.size() < count) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::string code = std::to_string(x % 10000000000000ull);
        codes.push_back(std::string(13 - code.size(), '0') + code);
    }
    return codes;
}

// Deals `game` of the built definition file; the program folder is the one the variable names, or
// the one beside the tests' own folder.
inline void DealCatalogueGame(Session& s, int game, const std::string& code) {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    s.ProgramFolder = std::string(dir && *dir ? dir : "../bin") + "/";
    std::string error;
    ASSERT_TRUE(LoadAndDeal(s, game, code, error)) << error;
}

// Every card on the table, with the number of times it lies there.
inline std::map<int, int> CardsOnTable(const Session& s) {
    std::map<int, int> seen;
    auto add = [&](const auto& piles) {
        for (const std::string& p : piles)
            for (int k = 0; k < PileSize(p); ++k)
                ++seen[PileCard(p, k)];
    };
    add(s.Piles.StockPiles);
    add(s.Piles.FoundationPiles);
    add(s.Piles.TableauPiles);
    add(s.Piles.ReservePiles);
    return seen;
}

// The table holds the cards 1 to `deck`, each exactly once.
inline bool EveryCardOnce(const Session& s, int deck) {
    std::map<int, int> expected;
    for (int c = 1; c <= deck; ++c)
        expected[c] = 1;
    return CardsOnTable(s) == expected;
}

} // namespace quillon::testing
