// Where the catalogue's well-known games lie on the table: for each game and each table size it is
// shown at (with the card size the program picks for that size), every pile the game has is on the
// table, inside its width, and no pile covers another once the cards are dealt.
#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "table/PileLayout.h"
#include "LayoutChecker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace quillon {
namespace {

std::string GamesDatText() {
    // The program folder; without the variable, the one beside the tests' own folder.
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    std::ifstream in(std::string(dir && *dir ? dir : "../bin") + "/GAMES.DAT", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool LoadGame(Session& s, int number) {
    static const std::string text = GamesDatText();
    s.Game.GameList = GameListFromText(text);
    s.Params.WriteParam(62, 4, std::to_string(number));
    return LoadGameDefinitionFromText(s, text);
}

// Fills the tableau piles and reserves as the deal does (counts and face rules), with distinct
// cards; what the cards are does not matter to the layout.
void DealShapes(Session& s) {
    int next = 1;
    auto fill = [&](std::string& pile, int count, int face) {
        pile.clear();
        if (count < 1 || count > 1000)
            return;
        for (int k = 0; k < count; ++k) {
            s.Cards.SetCardFace(next, '0');
            pile += CardText(next++);
        }
        s.Cards.SetPileFaces(pile, face, '1');
    };
    for (int k = 0; k < s.Attr(375); ++k)
        fill(s.Piles.TableauPiles[static_cast<size_t>(k)], s.Attr(382 + k), s.Attr(422 + k));
    for (int k = 0; k < s.Attr(376); ++k)
        fill(s.Piles.ReservePiles[static_cast<size_t>(k)], s.Attr(463 + k), s.Attr(475 + k));
}

struct Rect {
    std::string pile;
    int left, top, right, bottom; // right and bottom exclusive
};

std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << r.pile << " (" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

// The rectangles the game's piles cover after the deal; piles missing from the table are reported.
std::vector<Rect> PileRects(const Session& s, std::vector<std::string>& missing) {
    const int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    std::vector<Rect> rects;
    auto add = [&](const std::string& name, int x, int y, int bottom) {
        if (x < -9999)
            missing.push_back(name);
        else
            rects.push_back({name, x, y, x + cw, bottom});
    };
    const auto& g = s.Game;
    if (s.Attr(10) == 1)
        add("Mazzo", g.GetStockX(0), g.GetStockY(0), g.GetStockY(0) + ch);
    if (s.Attr(11) == 1)
        add("Mazzo_Vis", g.GetStockX(1), g.GetStockY(1), g.GetStockY(1) + ch);
    if (s.Attr(377) > 0)
        add("Mazzo_Waste", g.GetStockX(2), g.GetStockY(2), g.GetStockY(2) + ch);
    for (int i = 0; i < s.Attr(374); ++i) {
        std::string name = "Dest" + std::to_string(i + 1);
        add(name, g.GetFoundationX(i), g.GetFoundationY(i), s.PileBottomEdge(name));
    }
    for (int i = 0; i < s.Attr(375); ++i) {
        std::string name = "Fila" + std::to_string(i + 1);
        add(name, s.GetTableauX(i), s.GetTableauY(i), s.PileBottomEdge(name));
    }
    for (int i = 0; i < s.Attr(376); ++i) {
        std::string name = "Appogg" + std::to_string(i + 1);
        add(name, g.GetReserveX(i), g.GetReserveY(i), s.PileBottomEdge(name));
    }
    return rects;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct TableCase {
    const char* game;
    int number;
    int width, height;
    char size; // the card size the program uses on such a screen for this game
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.game << " " << c.width << "x" << c.height << " " << c.size;
}

class CatalogueLayout : public ::testing::TestWithParam<TableCase> {};

TEST_P(CatalogueLayout, PilesLieApartInsideTheTable) {
    const TableCase& c = GetParam();
    Session s;
    ASSERT_TRUE(LoadGame(s, c.number)) << c.game;
    DealShapes(s);
    LayoutForClientArea(s, c.width, c.height, c.size);

    std::vector<std::string> missing;
    const std::vector<Rect> rects = PileRects(s, missing);
    for (const std::string& pile : missing)
        ADD_FAILURE() << pile << " is not on the table";
    for (const Rect& r : rects) {
        EXPECT_GE(r.left, 0) << r;
        EXPECT_LE(r.right, c.width) << r;
        EXPECT_GE(r.top, 0) << r;
    }
    for (size_t a = 0; a < rects.size(); ++a)
        for (size_t b = a + 1; b < rects.size(); ++b)
            EXPECT_FALSE(Overlap(rects[a], rects[b])) << rects[a] << " covers " << rects[b];
}

// Seven and eight pile games are laid out for any screen; the ten-pile games (wide screen class)
// get medium cards below 810 pixels and no larger than big ones below 1100.
const TableCase kTables[] = {
    {"Klondike", 101, 1024, 700, 'B'},
    {"Klondike", 101, 800, 540, 'B'},
    {"Klondike", 101, 640, 420, 'M'},
    {"Klondike", 101, 1280, 960, 'X'},
    {"KlondikeByThrees", 102, 800, 540, 'B'},
    {"FreeCell", 103, 1024, 700, 'B'},
    {"FreeCell", 103, 800, 540, 'B'},
    {"FreeCell", 103, 640, 420, 'M'},
    {"FreeCell", 103, 1280, 960, 'X'},
    {"Yukon", 104, 1024, 700, 'B'},
    {"Yukon", 104, 640, 420, 'M'},
    {"FortyThieves", 105, 1024, 700, 'B'},
    {"FortyThieves", 105, 800, 540, 'M'},
    {"FortyThieves", 105, 1280, 960, 'S'},
    {"Spider", 106, 1024, 700, 'B'},
    {"Spider", 106, 800, 540, 'M'},
    {"Golf", 107, 1024, 700, 'B'},
    {"Golf", 107, 640, 420, 'M'},
    {"Golf", 107, 1280, 960, 'X'},
    {"BeleagueredCastle", 108, 1024, 700, 'B'},
    {"BeleagueredCastle", 108, 640, 420, 'M'},
    {"Canfield", 109, 1024, 700, 'B'},
    {"Canfield", 109, 800, 540, 'B'},
    {"Canfield", 109, 640, 420, 'M'},
    {"Canfield", 109, 1280, 960, 'X'},
    // Backbone: eleven columns in the second row (the two backbone columns, the crosswise card and
    // eight piles) and ten in the first.
    {"Backbone", 661, 1024, 700, 'B'},
    {"Backbone", 661, 800, 540, 'M'},
};

INSTANTIATE_TEST_SUITE_P(Games, CatalogueLayout, ::testing::ValuesIn(kTables),
                         [](const ::testing::TestParamInfo<TableCase>& info) {
                             return std::string(info.param.game) + "_" + std::to_string(info.param.width) +
                                    "x" + std::to_string(info.param.height) + "_" + info.param.size;
                         });

// Every game the build put into GAMES.DAT, whatever its number, at the two common screens with
// size "B" cards: a new game file is checked without touching this test.
TEST(CatalogueLayoutAll, EveryGameOfTheDefinitionFileLiesSoundly) {
    Session list;
    list.Game.GameList = GameListFromText(GamesDatText());
    ASSERT_GE(list.Game.GameList.size(), 10u) << "the built catalogue should hold the shipped games";
    for (const std::string& line : list.Game.GameList) {
        const int number = std::stoi(line.substr(4, 3));
        Session s;
        ASSERT_TRUE(LoadGame(s, number)) << number;
        DealShapes(s);
        for (const std::string& fault : test::CheckGameLayout(s))
            ADD_FAILURE() << "game " << number << ": " << fault;
    }
}

} // namespace
} // namespace quillon
