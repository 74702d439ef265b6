// An automatic player plays every game of the catalogue through the engine's own entry points:
// drops on named piles (the road a released card takes), double clicks (card sending), stock
// clicks with the release that follows them, and the release's fill and autoplay. On 200 deal
// codes per game it must never crash, never lose or double a card, and never get a move through
// that the game's rules forbid. Every game is also won at least once, by a recorded move list.

#include "engine/Autoplay.h"
#include "engine/CardPlaces.h"
#include "engine/DropTargets.h"
#include "engine/GameEnd.h"
#include "engine/LegalMoves.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/Stock.h"
#include "model/Deal.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Files.h"
#include "table/PileLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace quillon {
namespace {

std::string ProgramDir() {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    return dir && *dir ? WithSlash(dir) : std::string();
}

std::vector<int> CatalogueGames() {
    Session s;
    s.ProgramFolder = ProgramDir();
    auto text = ReadGamesDat(s);
    if (!text)
        return {};
    s.Game.GameList = GameListFromText(*text);
    std::vector<int> games;
    for (int n = 0; n < 8000; ++n)
        if (GameColumn(s, n) >= 0)
            games.push_back(n);
    return games;
}

std::string Code(int k) {
    std::string digits = std::to_string(k);
    return std::string(13 - digits.size(), '0') + digits;
}

// Every card on the table (slots left out), sorted.
std::vector<int> CardsOnTable(const Session& s) {
    std::vector<int> out;
    auto add = [&](const std::string& p) {
        for (int k = 0; k < PileSize(p); ++k)
            if (int c = PileCard(p, k); c > 0)
                out.push_back(c);
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

// A dealt game, laid out on a 1024 x 768 table, with the engine, the stock and autoplay wired in
// and nothing animated.
struct Game {
    Session s;
    std::vector<int> dealt;
    bool ok = false;

    Game(int number, const std::string& code, bool autoplay) {
        s.ProgramFolder = ProgramDir();
        InstallPlayHooks(s);
        InstallStockHooks(s);
        InstallAutoplayHooks(s);
        std::string error;
        ok = LoadAndDeal(s, number, code, error);
        if (!ok)
            return;
        LayoutForClientArea(s, 1024, 768, 'B');
        s.Params.WriteParam(param::CardsAnimate, 1, "N");
        s.Params.WriteParam(242, 1, "N");
        s.Game.DealDone = 1;
        s.SetFlag(GameInPlay, true);
        s.AutoplayMenu.Ticked = s.AutoplayMenu.ButtonsDown = autoplay;
        dealt = CardsOnTable(s);
    }

    static int Kind(const std::string& pile) { return PileKind(pile); }

    // The card (or the run from it) dropped on the named pile, as a release over it does.
    bool Drop(int card, const std::string& to) {
        const std::string* content = s.Piles.Find(to);
        if (!content)
            return false;
        const int loc = CardLocation(s, card);
        bool top = true;
        if (LocIsTableau(loc)) {
            const std::string& pile = s.Piles.TableauPiles[static_cast<size_t>(LocTableauIndex(loc))];
            top = PileTop(pile) == card;
        }
        s.DragHeight = top ? s.Metrics.CardHeight : s.Metrics.CardHeight + 20;
        s.Game.DragCard = static_cast<std::int16_t>(card);
        const TableRect at = TopCardRect(s, to);
        s.DragRect = at;
        DropOptions o;
        const int kind = Kind(to);
        o.target = {kind == kWasteKind ? kWasteKind : kind, kind == kWasteKind ? 0 : PileNumber(to) - 1};
        o.prepare = true;
        o.named = true;
        const bool moved = ResolveDrop(s, card, at, o);
        s.Game.DragCard = 0;
        if (moved && s.Flag(GameWon))
            EndGame(s);
        Release();
        return moved;
    }
    // The release after a move: the fill rule and, when it is on, autoplay.
    void Release() { OnTableRelease(s, 0, 0); }
    // A click on the stock and the release over it.
    bool ClickStock() {
        const PileLists before = s.Piles;
        StockClick(s, s.TopCard("Mazzo"));
        OnTableRelease(s, 0, 0);
        return before.StockPiles != s.Piles.StockPiles || before.TableauPiles != s.Piles.TableauPiles ||
               before.ReservePiles != s.Piles.ReservePiles;
    }
    bool Won() const { return s.Flag(GameEndHandled) || s.Flag(GameWon); }
};

struct PlayResult {
    bool won = false;
    std::string failure;
};

// Plays one deal: foundation moves first, otherwise a random legal move or the stock, with a
// forbidden move tried now and then that must be refused.
PlayResult PlayDeal(int number, const std::string& code, int seed) {
    PlayResult r;
    Game g(number, code, seed % 2 == 0);
    if (!g.ok) {
        r.failure = "cannot deal";
        return r;
    }
    Session& s = g.s;
    RandomGenerator rng;
    rng.seed = static_cast<std::uint32_t>(seed * 7919 + number);
    std::vector<std::string> piles;
    for (int k = 1; k <= FoundationsInPlay(s); ++k)
        piles.push_back(PileName("Dest", k));
    for (int k = 1; k <= TableauInPlay(s); ++k)
        piles.push_back(PileName("Fila", k));
    for (int k = 1; k <= ReservesInPlay(s); ++k)
        piles.push_back(PileName("Appogg", k));

    int stockClicksWithoutMove = 0;
    for (int step = 0; step < 300 && s.Flag(GameInPlay); ++step) {
        // A forbidden drop: a top card on a pile that does not take it.
        {
            std::vector<int> tops;
            for (const auto& p : piles)
                if (int c = s.TopCard(p); c > 0 && !s.Cards.CardIsHidden(c) && p.rfind("Dest", 0) != 0)
                    tops.push_back(c);
            if (int w = s.TopCard("Mazzo_Vis"); w > 0)
                tops.push_back(w);
            if (!tops.empty()) {
                const int card = tops[static_cast<size_t>(rng.RandomInt(static_cast<int>(tops.size())))];
                const std::string& to =
                    piles[static_cast<size_t>(rng.RandomInt(static_cast<int>(piles.size())))];
                s.DragHeight = s.Metrics.CardHeight;
                const std::vector<LegalMove> legal = ListLegalMoves(s);
                const bool allowed = std::any_of(legal.begin(), legal.end(), [&](const LegalMove& m) {
                    return m.card == card && m.to == to;
                });
                if (!allowed && CardLocation(s, card) != kLocNowhere && g.Drop(card, to)) {
                    r.failure = "forbidden move accepted: " + std::to_string(card) + " -> " + to +
                                " at step " + std::to_string(step);
                    return r;
                }
            }
        }
        if (!s.Flag(GameInPlay))
            break;
        std::vector<LegalMove> moves = ListLegalMoves(s);
        std::vector<LegalMove> home;
        for (const auto& m : moves)
            if (m.to.rfind("Dest", 0) == 0)
                home.push_back(m);
        bool acted = false;
        if (!home.empty()) {
            const LegalMove& m = home.front();
            if (!g.Drop(m.card, m.to)) {
                r.failure = "legal move refused: " + FormatMove(m);
                return r;
            }
            acted = true;
        } else if (!moves.empty() && rng.RandomInt(4) != 0) {
            const LegalMove m = moves[static_cast<size_t>(rng.RandomInt(static_cast<int>(moves.size())))];
            if (rng.RandomInt(3) == 0 && s.TopCard(m.from) == m.card) {
                // A double click: the card goes wherever the game sends it.
                SendCard(s, m.card, TopCardRect(s, m.from), false, true, true, false, false, true);
                g.Release();
            } else if (!g.Drop(m.card, m.to)) {
                r.failure = "legal move refused: " + FormatMove(m);
                return r;
            }
            acted = true;
        }
        if (!acted || rng.RandomInt(3) == 0) {
            if (g.ClickStock())
                stockClicksWithoutMove = 0;
            else if (!acted && ++stockClicksWithoutMove > 2)
                break;
        }
        if (CardsOnTable(s) != g.dealt) {
            r.failure = "cards lost or doubled at step " + std::to_string(step);
            return r;
        }
    }
    r.won = g.Won();
    return r;
}

TEST(CataloguePlayer, EveryGameTwoHundredDealsWithoutFault) {
    const std::vector<int> games = CatalogueGames();
    ASSERT_FALSE(games.empty()) << "no GAMES.DAT in " << ProgramDir();
    for (int number : games) {
        int won = 0;
        for (int k = 1; k <= 200; ++k) {
            const PlayResult r = PlayDeal(number, Code(k * 7919 % 100000), k);
            ASSERT_TRUE(r.failure.empty())
                << "game " << number << " code " << Code(k * 7919 % 100000) << ": " << r.failure;
            won += r.won ? 1 : 0;
        }
        RecordProperty("game_" + std::to_string(number) + "_won", won);
    }
}

// Winning move lists found for one deal code per game: card number and the pile it is dropped
// on, replayed through the same drops.
struct Replay {
    int game;
    const char* code;
    std::vector<std::pair<int, const char*>> moves;
};

const std::vector<Replay>& Replays() {
    static const std::vector<Replay> replays = {
        {87,
         "0000000000003",
         {{5, "Fila8"},
          {7, "Fila7"},
          {4, "Fila4"},
          {2, "Fila5"},
          {6, "Fila6"},
          {3, "Fila3"},
          {2, "Fila2"},
          {5, "Fila5"},
          {8, "Fila8"}}},
    };
    return replays;
}

TEST(CataloguePlayer, RecordedWinsReplayThroughTheEntryPoints) {
    for (const auto& replay : Replays()) {
        Game g(replay.game, replay.code, false);
        ASSERT_TRUE(g.ok) << replay.game;
        int recorded = 0;
        g.s.Play.RecordGameResult = [&](Session&, int, const std::string&, bool, bool won) {
            recorded += won ? 1 : 100;
        };
        for (size_t k = 0; k < replay.moves.size(); ++k) {
            const auto& [card, to] = replay.moves[k];
            EXPECT_FALSE(g.Won()) << "won before move " << k;
            ASSERT_TRUE(g.Drop(card, to))
                << "game " << replay.game << " move " << k << ": " << card << " -> " << to;
            ASSERT_EQ(CardsOnTable(g.s), g.dealt);
        }
        EXPECT_EQ(recorded, 1) << "game " << replay.game;
        EXPECT_FALSE(g.s.Flag(GameInPlay));
    }
}

TEST(CataloguePlayer, EveryGameHasARecordedWin) {
    std::set<int> replayed;
    for (const auto& replay : Replays())
        replayed.insert(replay.game);
    for (int number : CatalogueGames())
        EXPECT_TRUE(replayed.count(number)) << "game " << number << " has no recorded win";
}

// A move the rules forbid is refused in the middle of the recorded game too: the replay's last
// card dropped anywhere else leaves the table as it was.
TEST(CataloguePlayer, ForbiddenDropsLeaveTheTable) {
    Game g(87, "0000000000003", false);
    ASSERT_TRUE(g.ok);
    const PileLists before = g.s.Piles;
    for (int k = 1; k <= 9; ++k) {
        const std::string to = PileName("Fila", k);
        if (to == "Fila8")
            continue; // the empty cell
        EXPECT_FALSE(g.Drop(5, to)) << to;
    }
    EXPECT_EQ(g.s.Piles.TableauPiles, before.TableauPiles);
}

} // namespace
} // namespace quillon
