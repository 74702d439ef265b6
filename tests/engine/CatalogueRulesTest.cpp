// The building rules of the catalogue's well-known games, as the compiled game definitions and the
// legality rules give them together: each case lays out a few piles of one game and asks whether a
// card may go somewhere, whether a run may be lifted, or which moves the position allows.
#include "StockTable.h"
#include "engine/GameEnd.h"
#include "engine/LegalMoves.h"
#include "engine/MoveExecution.h"
#include "engine/MoveLegality.h"
#include "engine/PickUp.h"
#include "model/CatalogueDeals.h"
#include "model/GameDefinitions.h"
#include "model/Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quillon {
namespace {

enum Game {
    Klondike = 101,
    KlondikeByThrees = 102,
    FreeCell = 103,
    Yukon = 104,
    FortyThieves = 105,
    Spider = 106,
    Golf = 107,
    BeleagueredCastle = 108,
    Canfield = 109,
    Terrace = 440,
    FallingStar = 441,
    GeneralsPatience = 704,
    BetsyRoss = 541,
    FaerieQueen = 711,
    Quadrille = 759,
    DoubleDot = 760,
    UnionSquare = 770,
    SalicLaw = 772,
    Intrigue = 780,
    Glencoe = 781,
    Windmill = 782,
    MountOlympus = 800,
    Blockade = 821,
    SeniorWrangler = 822,
    Octave = 960,
    LittleForty = 970,
    DoubleCanfield = 971,
};

std::string GamesDatText() {
    // The program folder; without the variable, the one beside the tests' own folder.
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    std::ifstream in(std::string(dir && *dir ? dir : "../bin") + "/GAMES.DAT", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string& GamesDat() {
    static const std::string text = GamesDatText();
    return text;
}

// Loads a game of the compiled catalogue into the session, as opening it does.
bool LoadGame(Session& s, int number) {
    s.Game.GameList = GameListFromText(GamesDat());
    s.Params.WriteParam(62, 4, std::to_string(number));
    return LoadGameDefinitionFromText(s, GamesDat());
}

// A card written as rank and suit letter: "10S", "KD", "AH"; a trailing "2" names the card of the
// second deck ("AS2").
int Card(const std::string& text) {
    std::string t = text;
    int deck = 0;
    if (t.size() > 2 && t.back() == '2' && t[t.size() - 2] != '1') {
        deck = 1;
        t.pop_back();
    }
    const char suit = t.back();
    const std::string rank = t.substr(0, t.size() - 1);
    const int r = rank == "A" ? 1 : rank == "J" ? 11 : rank == "Q" ? 12 : rank == "K" ? 13 : std::stoi(rank);
    const int base = suit == 'H' ? 0 : suit == 'D' ? 13 : suit == 'C' ? 26 : 39;
    return 52 * deck + base + r;
}

// A pile written bottom first, "~" in front of a face-down card: "~KD 10S 9H".
void Lay(Session& s, const std::string& pile, const std::string& cards) {
    std::string* content = s.Piles.Find(pile);
    ASSERT_NE(content, nullptr) << pile;
    content->clear();
    std::istringstream in(cards);
    std::string word;
    while (in >> word) {
        const bool down = word[0] == '~';
        const int n = Card(down ? word.substr(1) : word);
        *content += CardText(n);
        s.Cards.SetCardFace(n, down ? '0' : '1');
    }
}

struct Layout {
    std::vector<std::pair<std::string, std::string>> piles;
    int baseRank = 0; // when set, the start rank the deal gives every foundation
    // When set, the empty-pile value of every tableau pile: -1 asks whether a gap stays closed by
    // the pile's own rule even where the general rule would take any card.
    std::optional<int> tableauEmpty = std::nullopt;
    int pass = 0; // when set, the pass through the stock (2 after the first redeal)
};

void Prepare(Session& s, int game, const Layout& layout) {
    ASSERT_TRUE(LoadGame(s, game)) << "game " << game << " is not in the catalogue";
    for (const auto& [pile, cards] : layout.piles)
        Lay(s, pile, cards);
    if (layout.baseRank != 0)
        for (int k = 0; k < 16; ++k)
            s.GameAttr[static_cast<size_t>(55 + k)] = static_cast<std::int16_t>(layout.baseRank);
    if (layout.tableauEmpty)
        for (int k = 0; k < 40; ++k)
            s.GameAttr[static_cast<size_t>(135 + k)] = static_cast<std::int16_t>(*layout.tableauEmpty);
    if (layout.pass != 0)
        s.Game.RedealCount = static_cast<std::int16_t>(layout.pass);
    s.DragHeight = s.Metrics.CardHeight; // a single card unless a case lifts a run
}

// Test names from the cases' descriptions.
template <class Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

struct PlaceCase {
    const char* what;
    Game game;
    Layout layout;
    const char* card;
    const char* pile;
    bool accepted;
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.what;
}

class CataloguePlacing : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(CataloguePlacing, CardGoesWhereTheGameAllows) {
    const PlaceCase& c = GetParam();
    Session s;
    Prepare(s, c.game, c.layout);
    EXPECT_EQ(PileAccepts(s, Card(c.card), c.pile), c.accepted) << c.what;
}

const PlaceCase kPlacing[] = {
    // Klondike and Klondike by Threes: down in alternating colours, kings into gaps, aces up in suit.
    {"red on black", Klondike, {{{"Fila1", "~3C 10S"}}}, "9H", "Fila1", true},
    {"red on red", Klondike, {{{"Fila1", "10D"}}}, "9H", "Fila1", false},
    {"up on the tableau", Klondike, {{{"Fila1", "8S"}}}, "9H", "Fila1", false},
    {"a king fills a gap", Klondike, {}, "KH", "Fila3", true},
    {"a queen does not fill a gap", Klondike, {}, "QH", "Fila3", false},
    {"no king on an ace", Klondike, {{{"Fila1", "AH"}}}, "KS", "Fila1", false},
    {"not on a face-down card", Klondike, {{{"Fila1", "~10S"}}}, "9H", "Fila1", false},
    {"an ace starts a foundation", Klondike, {}, "AH", "Dest1", true},
    {"a two does not start one", Klondike, {}, "2H", "Dest1", false},
    {"up in suit on the foundation", Klondike, {{{"Dest1", "AH"}}}, "2H", "Dest1", true},
    {"other suit on the foundation", Klondike, {{{"Dest1", "AH"}}}, "2D", "Dest1", false},
    {"no ace on a full foundation",
     Klondike,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "AH2",
     "Dest1",
     false},
    {"threes build the same way", KlondikeByThrees, {{{"Fila7", "JC"}}}, "10D", "Fila7", true},
    {"threes: kings only into gaps", KlondikeByThrees, {}, "JC", "Fila7", false},
    // Terrace, Falling Star and General's Patience: the terrace's last card goes only to a
    // foundation; the tableau takes cards down in alternating colours from the waste and from
    // other piles.
    {"terrace card not on the tableau",
     Terrace,
     {{{"Fila1", "10S"}, {"Appogg1", "4C 9H"}}},
     "9H",
     "Fila1",
     false},
    {"terrace card home", Terrace, {{{"Dest1", "8S"}, {"Appogg1", "4C 9H"}}, 8}, "9H", "Dest1", true},
    {"waste card on the tableau", Terrace, {{{"Fila1", "10S"}, {"Mazzo_Vis", "9H"}}}, "9H", "Fila1", true},
    {"pile to pile", Terrace, {{{"Fila1", "10S"}, {"Fila2", "9H"}}}, "9H", "Fila1", true},
    {"no card back from home", Terrace, {{{"Fila1", "10S"}, {"Dest2", "8C 9H"}}, 8}, "9H", "Fila1", false},
    {"general's patience: terrace card not on the tableau",
     GeneralsPatience,
     {{{"Fila1", "10S"}, {"Appogg1", "9H"}}},
     "9H",
     "Fila1",
     false},
    {"falling star: terrace card not on the tableau",
     FallingStar,
     {{{"Fila1", "10S"}, {"Appogg1", "9H"}}},
     "9H",
     "Fila1",
     false},

    // FreeCell: four single-card cells, any card into a gap.
    {"a free cell takes any card", FreeCell, {}, "7D", "Appogg1", true},
    {"a full free cell takes nothing", FreeCell, {{{"Appogg2", "KS"}}}, "7D", "Appogg2", false},
    {"any card fills a gap", FreeCell, {}, "QH", "Fila8", true},
    {"freecell: red on black", FreeCell, {{{"Fila8", "10C"}}}, "9D", "Fila8", true},
    {"freecell: same colour refused", FreeCell, {{{"Fila8", "10H"}}}, "9D", "Fila8", false},
    {"freecell: ace home", FreeCell, {}, "AS", "Dest4", true},

    // Yukon: like Klondike on the tableau; only a king into a gap.
    {"yukon: red on black", Yukon, {{{"Fila2", "~2C 8C"}}}, "7H", "Fila2", true},
    {"yukon: a gap takes a king", Yukon, {}, "KD", "Fila1", true},
    {"yukon: not a jack", Yukon, {}, "JD", "Fila1", false},

    // Forty Thieves: down in suit, any card into a gap, eight foundations.
    {"forty thieves: in suit", FortyThieves, {{{"Fila10", "10S"}}}, "9S", "Fila10", true},
    {"forty thieves: not another suit", FortyThieves, {{{"Fila10", "10S"}}}, "9C", "Fila10", false},
    {"forty thieves: any card into a gap", FortyThieves, {}, "5H", "Fila4", true},
    {"forty thieves: second deck's ace", FortyThieves, {}, "AS2", "Dest8", true},
    {"forty thieves: two aces of a suit side by side",
     FortyThieves,
     {{{"Dest1", "AS"}, {"Dest2", "AS2 2S2"}}},
     "2S",
     "Dest1",
     true},

    // Spider: down regardless of suit, nothing on an ace, foundations take no single card.
    {"spider: any suit", Spider, {{{"Fila1", "10S"}}}, "9H", "Fila1", true},
    {"spider: not up", Spider, {{{"Fila1", "10S"}}}, "JS", "Fila1", false},
    {"spider: nothing on an ace", Spider, {{{"Fila1", "AH"}}}, "KH", "Fila1", false},
    {"spider: any card into a gap", Spider, {}, "5D", "Fila10", true},
    {"spider: no ace to a foundation", Spider, {}, "AS", "Dest1", false},
    {"spider: no king to a foundation", Spider, {}, "KS", "Dest1", false},

    // Golf: nothing is built on the tableau.
    {"golf: the piles take nothing", Golf, {{{"Fila1", "10S"}}}, "9H", "Fila1", false},
    {"golf: not even into a gap", Golf, {}, "9H", "Fila1", false},

    // Beleaguered Castle: down regardless of suit, any card into a gap.
    {"castle: same suit", BeleagueredCastle, {{{"Fila5", "10H"}}}, "9H", "Fila5", true},
    {"castle: other colour", BeleagueredCastle, {{{"Fila5", "10S"}}}, "9H", "Fila5", true},
    {"castle: not two down", BeleagueredCastle, {{{"Fila5", "10S"}}}, "8H", "Fila5", false},
    {"castle: any card into a gap", BeleagueredCastle, {}, "8H", "Fila5", true},
    {"castle: up in suit home", BeleagueredCastle, {{{"Dest1", "AH"}}, 1}, "2H", "Dest1", true},

    // Canfield with the foundations starting at 5: build up in suit round the corner.
    {"canfield: the start rank opens a foundation", Canfield, {{{"Dest1", "5S"}}, 5}, "5H", "Dest2", true},
    {"canfield: an ace does not", Canfield, {{{"Dest1", "5S"}}, 5}, "AH", "Dest2", false},
    {"canfield: ace on king at home",
     Canfield,
     {{{"Dest1", "5S 6S 7S 8S 9S 10S JS QS KS"}}, 5},
     "AS",
     "Dest1",
     true},
    {"canfield: king on ace in the tableau", Canfield, {{{"Fila2", "AH"}}, 5}, "KS", "Fila2", true},
    {"canfield: building through the start rank", Canfield, {{{"Fila2", "5H"}}, 5}, "4S", "Fila2", true},
    {"canfield: same colour refused", Canfield, {{{"Fila2", "6H"}}, 5}, "5D", "Fila2", false},
    {"canfield: nothing back onto the reserve", Canfield, {{{"Appogg1", "10C"}}, 5}, "9H", "Appogg1", false},
    {"canfield: nothing into an empty reserve", Canfield, {{}, 5}, "9H", "Appogg1", false},
    {"canfield: any card into a gap", Canfield, {{}, 5}, "9H", "Fila3", true},

    // Betsy Ross: each foundation of the lower row goes up by the rank of the key card above it,
    // past the king to the ace, and ends with its king; nothing is built on a key card.
    {"betsy ross: up by the key's rank",
     BetsyRoss,
     {{{"Dest2", "2C"}, {"Dest6", "4D"}}},
     "6S",
     "Dest6",
     true},
    {"betsy ross: not by another step",
     BetsyRoss,
     {{{"Dest2", "2C"}, {"Dest6", "4D"}}},
     "5S",
     "Dest6",
     false},
    {"betsy ross: past the king to the ace",
     BetsyRoss,
     {{{"Dest3", "3S"}, {"Dest7", "6C 9H QD"}}},
     "2H",
     "Dest7",
     true},
    {"betsy ross: nothing on a key card", BetsyRoss, {{{"Dest1", "AD"}}}, "2H", "Dest1", false},
    {"betsy ross: a foundation ends with its king",
     BetsyRoss,
     {{{"Dest4", "4H"}, {"Dest8", "8S QS 3C 7D JH 2S 6C 10H AD 5C 9D KH"}}},
     "4S",
     "Dest8",
     false},

    // Quadrille: the fives go down to the kings and the sixes up to the jacks, in suit; the queens
    // are set aside in the middle place, and no queen ever joins another foundation.
    {"quadrille: a five starts a falling foundation", Quadrille, {}, "5H", "Dest1", true},
    {"quadrille: a six does not", Quadrille, {}, "6H", "Dest1", false},
    {"quadrille: a king after the ace", Quadrille, {{{"Dest1", "5H 4H 3H 2H AH"}}}, "KH", "Dest1", true},
    {"quadrille: not another suit", Quadrille, {{{"Dest1", "5H 4H"}}}, "3D", "Dest1", false},
    {"quadrille: no queen after the king",
     Quadrille,
     {{{"Dest1", "5H 4H 3H 2H AH KH"}}},
     "QH",
     "Dest1",
     false},
    {"quadrille: no queen after the jack",
     Quadrille,
     {{{"Dest6", "6S 7S 8S 9S 10S JS"}}},
     "QS",
     "Dest6",
     false},
    {"quadrille: a six starts a rising foundation", Quadrille, {}, "6C", "Dest9", true},
    {"quadrille: a five does not start a rising one", Quadrille, {}, "5C", "Dest9", false},
    {"quadrille: a queen is set aside", Quadrille, {}, "QD", "Dest5", true},
    {"quadrille: the queens share the middle place", Quadrille, {{{"Dest5", "QD QS"}}}, "QH", "Dest5", true},
    {"quadrille: no other card in the queens' place", Quadrille, {}, "KD", "Dest5", false},
    {"quadrille: not a jack on a queen", Quadrille, {{{"Dest5", "QD"}}}, "JD", "Dest5", false},
    {"quadrille: not a king on a queen", Quadrille, {{{"Dest5", "QD"}}}, "KD", "Dest5", false},

    // Double Dot: the tableau goes down by twos regardless of suit round the corner; the foundations
    // go up by twos in suit, from the king or the queen on to the other half of the suit.
    {"double dot: down by two in any suit", DoubleDot, {{{"Fila1", "9H"}}}, "7S", "Fila1", true},
    {"double dot: not down by one", DoubleDot, {{{"Fila1", "9H"}}}, "8S", "Fila1", false},
    {"double dot: a queen on an ace", DoubleDot, {{{"Fila1", "AH"}}}, "QC", "Fila1", true},
    {"double dot: a king on a two", DoubleDot, {{{"Fila1", "2D"}}}, "KS", "Fila1", true},
    {"double dot: any card into a gap", DoubleDot, {}, "6D", "Fila8", true},
    {"double dot: up by two at home", DoubleDot, {{{"Dest1", "AC"}}}, "3C", "Dest1", true},
    {"double dot: not up by one at home", DoubleDot, {{{"Dest1", "AC"}}}, "2C", "Dest1", false},
    {"double dot: not another suit at home", DoubleDot, {{{"Dest1", "AC"}}}, "3S", "Dest1", false},
    {"double dot: a two after the king",
     DoubleDot,
     {{{"Dest1", "AC 3C 5C 7C 9C JC KC"}}},
     "2C",
     "Dest1",
     true},
    {"double dot: an ace after the queen",
     DoubleDot,
     {{{"Dest3", "2H 4H 6H 8H 10H QH"}}},
     "AH",
     "Dest3",
     true},

    // Senior Wrangler: the key row holds a 2 to a 9; the foundation below each key starts with twice
    // its rank and goes up by it regardless of suit, past the king to the ace, ending with its king.
    {"senior wrangler: an empty foundation takes twice its key",
     SeniorWrangler,
     {{{"Dest1", "2H"}}},
     "4C",
     "Dest9",
     true},
    {"senior wrangler: not the key's own rank", SeniorWrangler, {{{"Dest1", "2H"}}}, "2C", "Dest9", false},
    {"senior wrangler: up by the key of the same column",
     SeniorWrangler,
     {{{"Dest1", "2H"}, {"Dest2", "3S"}, {"Dest10", "6D"}}},
     "9C",
     "Dest10",
     true},
    {"senior wrangler: not by a neighbour's step",
     SeniorWrangler,
     {{{"Dest1", "2H"}, {"Dest2", "3S"}, {"Dest10", "6D"}}},
     "8C",
     "Dest10",
     false},
    {"senior wrangler: up by nine past the king",
     SeniorWrangler,
     {{{"Dest8", "9S"}, {"Dest16", "5D"}}},
     "AH2",
     "Dest16",
     true},
    {"senior wrangler: a foundation ends with its king",
     SeniorWrangler,
     {{{"Dest1", "2H"}, {"Dest9", "4C 6D 8S 10H QC AD 3S 5H 7C 9D JS KH"}}},
     "2C",
     "Dest9",
     false},
    {"senior wrangler: nothing on a key card", SeniorWrangler, {{{"Dest5", "6H"}}}, "QC", "Dest5", false},

    // Blockade: the foundations go up in suit from the ace; the row builds down in suit.
    {"blockade: an ace starts a foundation", Blockade, {}, "AS2", "Dest3", true},
    {"blockade: down in suit on the row", Blockade, {{{"Fila1", "9D"}}}, "8D2", "Fila1", true},
    {"blockade: not another suit on the row", Blockade, {{{"Fila1", "9D"}}}, "8H", "Fila1", false},

    // Mount Olympus: the foundations go up by twos in suit and stop at the king or the queen; the
    // tableau goes down by twos in suit, and nothing turns the corner.
    {"mount olympus: up by two at home", MountOlympus, {{{"Dest1", "AH"}}}, "3H", "Dest1", true},
    {"mount olympus: not up by one at home", MountOlympus, {{{"Dest1", "AH"}}}, "2H", "Dest1", false},
    {"mount olympus: not another suit at home", MountOlympus, {{{"Dest1", "AH"}}}, "3S", "Dest1", false},
    {"mount olympus: nothing after the king",
     MountOlympus,
     {{{"Dest1", "AH 3H 5H 7H 9H JH KH"}}},
     "2H",
     "Dest1",
     false},
    {"mount olympus: no ace after the queen",
     MountOlympus,
     {{{"Dest2", "2H 4H 6H 8H 10H QH"}}},
     "AH",
     "Dest2",
     false},
    {"mount olympus: a queen ends a two's foundation",
     MountOlympus,
     {{{"Dest2", "2C 4C 6C 8C 10C"}}},
     "QC",
     "Dest2",
     true},
    {"mount olympus: down by two in suit", MountOlympus, {{{"Fila1", "9H"}}}, "7H", "Fila1", true},
    {"mount olympus: not down by two in another suit",
     MountOlympus,
     {{{"Fila1", "9H"}}},
     "7D",
     "Fila1",
     false},
    {"mount olympus: not down by one", MountOlympus, {{{"Fila1", "9H"}}}, "8H", "Fila1", false},
    {"mount olympus: not up by two", MountOlympus, {{{"Fila1", "9H"}}}, "JH", "Fila1", false},
    {"mount olympus: no king below a two", MountOlympus, {{{"Fila1", "2S"}}}, "KS", "Fila1", false},
    {"mount olympus: no queen below an ace", MountOlympus, {{{"Fila1", "AS"}}}, "QS", "Fila1", false},
    {"mount olympus: any card into a gap", MountOlympus, {}, "6D", "Fila3", true},
};

INSTANTIATE_TEST_SUITE_P(Games, CataloguePlacing, ::testing::ValuesIn(kPlacing), CaseName<PlaceCase>);

// Games whose piles follow a building rule of their own rather than a plain suit rule.
const PlaceCase kSpecialPlacing[] = {
    // Union Square: the tableau builds in suit one rank up or down, each pile the way its first two
    // cards set, never round the corner; a gap takes nothing by hand, the fill refills it.
    {"union square: down on a lone card", UnionSquare, {{{"Fila1", "9H"}}}, "8H", "Fila1", true},
    {"union square: up on a lone card", UnionSquare, {{{"Fila1", "9H"}}}, "10H", "Fila1", true},
    {"union square: not another suit", UnionSquare, {{{"Fila1", "9H"}}}, "8D", "Fila1", false},
    {"union square: not two ranks", UnionSquare, {{{"Fila1", "9H"}}}, "7H", "Fila1", false},
    {"union square: a falling pile goes on down", UnionSquare, {{{"Fila2", "9H 8H"}}}, "7H", "Fila2", true},
    {"union square: a falling pile does not turn",
     UnionSquare,
     {{{"Fila2", "9H 8H"}}},
     "9H2",
     "Fila2",
     false},
    {"union square: a rising pile goes on up", UnionSquare, {{{"Fila2", "7S 8S"}}}, "9S", "Fila2", true},
    {"union square: a rising pile does not turn", UnionSquare, {{{"Fila2", "7S 8S"}}}, "7S2", "Fila2", false},
    {"union square: the direction comes from the top two",
     UnionSquare,
     {{{"Fila3", "5C 4C 3C"}}},
     "2C",
     "Fila3",
     true},
    {"union square: no king on an ace", UnionSquare, {{{"Fila4", "AD"}}}, "KD", "Fila4", false},
    {"union square: no ace on a king", UnionSquare, {{{"Fila4", "KD"}}}, "AD", "Fila4", false},
    {"union square: a queen on a king", UnionSquare, {{{"Fila4", "KD"}}}, "QD", "Fila4", true},
    {"union square: a two on an ace", UnionSquare, {{{"Fila4", "AD"}}}, "2D", "Fila4", true},
    {"union square: a falling pile stops at the ace",
     UnionSquare,
     {{{"Fila4", "3D 2D AD"}}},
     "KD",
     "Fila4",
     false},
    {"union square: a gap takes nothing by hand", UnionSquare, {}, "8H", "Fila5", false},
    // Its foundations: an ace of a suit not yet started, up in suit to the king, the other king,
    // then down in suit to the other ace: 26 cards.
    {"union square: an ace starts a foundation", UnionSquare, {}, "AS", "Dest1", true},
    {"union square: a two does not", UnionSquare, {}, "2S", "Dest1", false},
    {"union square: not a second foundation of a suit",
     UnionSquare,
     {{{"Dest1", "AS"}}},
     "AS2",
     "Dest2",
     false},
    {"union square: a red ace beside two black ones",
     UnionSquare,
     {{{"Dest1", "AS"}, {"Dest2", "AC"}}},
     "AD",
     "Dest3",
     true},
    {"union square: up in suit", UnionSquare, {{{"Dest1", "AS 2S"}}}, "3S", "Dest1", true},
    {"union square: not down while rising", UnionSquare, {{{"Dest1", "AS 2S 3S"}}}, "2S2", "Dest1", false},
    {"union square: not another suit at home", UnionSquare, {{{"Dest1", "AS"}}}, "2C", "Dest1", false},
    {"union square: the king ends the rise",
     UnionSquare,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH"}}},
     "KH",
     "Dest1",
     true},
    {"union square: the other king turns the pile",
     UnionSquare,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "KH2",
     "Dest1",
     true},
    {"union square: no ace round the corner",
     UnionSquare,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "AH2",
     "Dest1",
     false},
    {"union square: no queen before the second king",
     UnionSquare,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "QH2",
     "Dest1",
     false},
    {"union square: down after the kings",
     UnionSquare,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH2"}}},
     "QH2",
     "Dest1",
     true},
    {"union square: not up after the kings",
     UnionSquare,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH2 QH2"}}},
     "KH",
     "Dest1",
     false},
    {"union square: the falling half ends at the ace",
     UnionSquare,
     {{{"Dest1",
        "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH2 QH2 JH2 10H2 9H2 8H2 7H2 6H2 5H2 4H2 3H2 2H2 AH2"}}},
     "KH",
     "Dest1",
     false},

    // Salic Law: the foundations go up regardless of suit from the aces to the jacks and never take
    // a queen or a king; the queens are set aside one to a place; nothing is built on the piles,
    // but a king left bare takes any one card other than a queen or a king.
    {"salic law: an ace starts a foundation", SalicLaw, {}, "AC", "Dest1", true},
    {"salic law: a two does not", SalicLaw, {}, "2C", "Dest1", false},
    {"salic law: up in any suit", SalicLaw, {{{"Dest1", "AC 2H"}}}, "3S", "Dest1", true},
    {"salic law: not down", SalicLaw, {{{"Dest1", "AC 2H 3S"}}}, "2D", "Dest1", false},
    {"salic law: not two up", SalicLaw, {{{"Dest1", "AC 2H 3S"}}}, "5D", "Dest1", false},
    {"salic law: a jack ends the foundation",
     SalicLaw,
     {{{"Dest2", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H"}}},
     "JC",
     "Dest2",
     true},
    {"salic law: no queen on the jack",
     SalicLaw,
     {{{"Dest2", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH"}}},
     "QH",
     "Dest2",
     false},
    {"salic law: no king at home", SalicLaw, {{{"Dest3", "AH 2H"}}}, "KH", "Dest3", false},
    {"salic law: no ace after a king", SalicLaw, {{{"Dest3", "KH"}}}, "AH", "Dest3", false},
    {"salic law: a queen is set aside", SalicLaw, {}, "QD", "Appogg1", true},
    {"salic law: one queen to a place", SalicLaw, {{{"Appogg1", "QS"}}}, "QD", "Appogg1", false},
    {"salic law: no jack among the queens", SalicLaw, {}, "JD", "Appogg3", false},
    {"salic law: a bare king takes any card", SalicLaw, {{{"Fila1", "KS"}}}, "7D", "Fila1", true},
    {"salic law: a bare king takes a jack", SalicLaw, {{{"Fila1", "KS"}}}, "JH", "Fila1", true},
    {"salic law: a bare king takes no queen", SalicLaw, {{{"Fila1", "KS"}}}, "QH", "Fila1", false},
    {"salic law: a bare king takes no king", SalicLaw, {{{"Fila1", "KS"}}}, "KH", "Fila1", false},
    {"salic law: a filled space takes no more", SalicLaw, {{{"Fila1", "KS 8H"}}}, "7C", "Fila1", false},
    {"salic law: not even up", SalicLaw, {{{"Fila1", "KS 8H"}}}, "9C", "Fila1", false},
    {"salic law: nothing on a dealt pile", SalicLaw, {{{"Fila2", "KD 5C 9H"}}}, "8H", "Fila2", false},
    {"octave: a foundation takes its ten",
     Octave,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H"}}},
     "10H",
     "Dest1",
     true},
    {"octave: no jack on a foundation's ten",
     Octave,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H"}}},
     "JH",
     "Dest1",
     false},
    {"octave: foundations keep their suit", Octave, {{{"Dest1", "AH 2H"}}}, "3D", "Dest1", false},
    {"octave: a queen of the other colour on a king", Octave, {{{"Fila1", "KS"}}}, "QD", "Fila1", true},
    {"octave: no queen of the king's colour", Octave, {{{"Fila1", "KS"}}}, "QC", "Fila1", false},
    {"octave: a gap takes any card", Octave, {}, "7D", "Fila4", true},

    // Little Forty: down regardless of suit, one card at a time, gaps filled only from the waste.
    {"little forty: down in any suit", LittleForty, {{{"Fila1", "10H"}}}, "9C", "Fila1", true},
    {"little forty: not up", LittleForty, {{{"Fila1", "10H"}}}, "JC", "Fila1", false},
    {"little forty: not the same rank", LittleForty, {{{"Fila1", "10H"}}}, "10C", "Fila1", false},
    {"little forty: nothing on an ace", LittleForty, {{{"Fila1", "AH"}}}, "KS", "Fila1", false},
    {"little forty: a waste card fills a gap", LittleForty, {{{"Mazzo_Vis", "QS"}}}, "QS", "Fila3", true},
    {"little forty: a waste ace fills a gap", LittleForty, {{{"Mazzo_Vis", "AD"}}}, "AD", "Fila10", true},
    {"little forty: no pile card into a gap", LittleForty, {{{"Fila2", "7S 5H"}}}, "5H", "Fila3", false},
    {"little forty: no lone pile card into a gap", LittleForty, {{{"Fila2", "KH"}}}, "KH", "Fila3", false},
    {"little forty: pile card on a pile",
     LittleForty,
     {{{"Fila2", "7S 5H"}, {"Fila3", "6C"}}},
     "5H",
     "Fila3",
     true},
    {"little forty: ace home from the waste", LittleForty, {{{"Mazzo_Vis", "AH2"}}}, "AH2", "Dest8", true},

    // Double Canfield with the foundations starting at 5: eight foundations, each up in suit round
    // the corner to thirteen cards; five piles down in alternating colours.
    {"double canfield: the second deck's start card opens a foundation",
     DoubleCanfield,
     {{{"Dest1", "5S"}}, 5},
     "5S2",
     "Dest8",
     true},
    {"double canfield: a six does not", DoubleCanfield, {{{"Dest1", "5S"}}, 5}, "6H", "Dest2", false},
    {"double canfield: up in suit", DoubleCanfield, {{{"Dest1", "5S"}}, 5}, "6S2", "Dest1", true},
    {"double canfield: not another suit", DoubleCanfield, {{{"Dest1", "5S"}}, 5}, "6C", "Dest1", false},
    {"double canfield: not down", DoubleCanfield, {{{"Dest1", "5S 6S"}}, 5}, "5S2", "Dest1", false},
    {"double canfield: an ace on the king",
     DoubleCanfield,
     {{{"Dest3", "5D 6D 7D 8D 9D 10D JD QD KD"}}, 5},
     "AD2",
     "Dest3",
     true},
    {"double canfield: a four ends the foundation",
     DoubleCanfield,
     {{{"Dest3", "5D 6D 7D 8D 9D 10D JD QD KD AD 2D 3D"}}, 5},
     "4D",
     "Dest3",
     true},
    {"double canfield: nothing on thirteen cards",
     DoubleCanfield,
     {{{"Dest3", "5D 6D 7D 8D 9D 10D JD QD KD AD 2D 3D 4D"}}, 5},
     "5D2",
     "Dest3",
     false},
    {"double canfield: red on black", DoubleCanfield, {{{"Fila5", "10C"}}, 5}, "9H", "Fila5", true},
    {"double canfield: black on black", DoubleCanfield, {{{"Fila5", "10C"}}, 5}, "9S", "Fila5", false},
    {"double canfield: king on ace in the tableau",
     DoubleCanfield,
     {{{"Fila1", "AH"}}, 5},
     "KS",
     "Fila1",
     true},

    // Intrigue: the upper row goes up regardless of suit from the sixes to the jacks, the lower
    // row down from the fives round the corner to the kings; a queen left bare takes any one card
    // but a queen, and nothing goes on any other pile.
    {"intrigue: a six starts the upper row", Intrigue, {}, "6C", "Dest1", true},
    {"intrigue: a five does not start the upper row", Intrigue, {}, "5C", "Dest8", false},
    {"intrigue: a five starts the lower row", Intrigue, {}, "5C", "Dest9", true},
    {"intrigue: a six does not start the lower row", Intrigue, {}, "6C", "Dest16", false},
    {"intrigue: up in any suit", Intrigue, {{{"Dest1", "6C 7H"}}}, "8S", "Dest1", true},
    {"intrigue: the upper row does not go down", Intrigue, {{{"Dest1", "6C 7H"}}}, "6S", "Dest1", false},
    {"intrigue: a jack ends the upper row", Intrigue, {{{"Dest2", "6C 7H 8S 9D 10C"}}}, "JH", "Dest2", true},
    {"intrigue: no queen on the jack", Intrigue, {{{"Dest2", "6C 7H 8S 9D 10C JH"}}}, "QH", "Dest2", false},
    {"intrigue: down in any suit", Intrigue, {{{"Dest9", "5C 4H"}}}, "3S", "Dest9", true},
    {"intrigue: the lower row does not go up", Intrigue, {{{"Dest9", "5C 4H"}}}, "5S", "Dest9", false},
    {"intrigue: a king follows the ace", Intrigue, {{{"Dest10", "5C 4H 3S 2D AC"}}}, "KH", "Dest10", true},
    {"intrigue: no queen after the king",
     Intrigue,
     {{{"Dest10", "5C 4H 3S 2D AC KH"}}},
     "QS",
     "Dest10",
     false},
    {"intrigue: a bare queen takes a king", Intrigue, {{{"Fila1", "QS"}}}, "KH", "Fila1", true},
    {"intrigue: a bare queen takes a five", Intrigue, {{{"Fila1", "QS"}}}, "5D", "Fila1", true},
    {"intrigue: a bare queen takes no queen", Intrigue, {{{"Fila1", "QS"}}}, "QH", "Fila1", false},
    {"intrigue: a filled space takes no more", Intrigue, {{{"Fila1", "QS 8H"}}}, "7C", "Fila1", false},
    {"intrigue: nothing on a dealt pile", Intrigue, {{{"Fila2", "QD 5C 9H"}}}, "8H", "Fila2", false},

    // Glencoe: as Intrigue, but each foundation starts in the suit of the queen of the pile in
    // its place (the first pile for the first of each row, and so on).
    {"glencoe: a six of the queen's suit", Glencoe, {{{"Fila1", "QS 9H"}}}, "6S", "Dest1", true},
    {"glencoe: not a six of another suit", Glencoe, {{{"Fila1", "QS 9H"}}}, "6H", "Dest1", false},
    {"glencoe: a five of the queen's suit", Glencoe, {{{"Fila1", "QS 9H"}}}, "5S", "Dest9", true},
    {"glencoe: not a five of another suit", Glencoe, {{{"Fila1", "QS 9H"}}}, "5D", "Dest9", false},
    {"glencoe: the last foundation follows the last pile",
     Glencoe,
     {{{"Fila8", "QD"}}},
     "5D",
     "Dest16",
     true},
    {"glencoe: not another pile's suit",
     Glencoe,
     {{{"Fila1", "QS"}, {"Fila8", "QD"}}},
     "5S",
     "Dest16",
     false},
    {"glencoe: then up in any suit", Glencoe, {{{"Fila1", "QS"}, {"Dest1", "6S"}}}, "7H", "Dest1", true},

    // Faerie Queen: the foundations go up regardless of suit from the aces to the queens; the piles
    // build down regardless of suit, and a king left bare takes any one card but a king.
    {"faerie queen: a bare king takes a queen", FaerieQueen, {{{"Fila1", "KS"}}}, "QH", "Fila1", true},
    {"faerie queen: a bare king takes a five", FaerieQueen, {{{"Fila1", "KS"}}}, "5H", "Fila1", true},
    {"faerie queen: a bare king takes no king", FaerieQueen, {{{"Fila1", "KS"}}}, "KH", "Fila1", false},
    {"faerie queen: down in any suit", FaerieQueen, {{{"Fila1", "KS 8H"}}}, "7C", "Fila1", true},
    {"faerie queen: not up", FaerieQueen, {{{"Fila1", "KS 8H"}}}, "9C", "Fila1", false},
    {"faerie queen: no king on a dealt pile", FaerieQueen, {{{"Fila2", "KD 5C AH"}}}, "KC", "Fila2", false},
    {"faerie queen: a queen ends the foundation",
     FaerieQueen,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH"}}},
     "QS",
     "Dest1",
     true},
    {"faerie queen: no king at home",
     FaerieQueen,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH"}}},
     "KS",
     "Dest1",
     false},

    // Windmill: the middle foundation goes up regardless of suit, round the corner, to 52 cards;
    // the corners take kings and go down regardless of suit to the aces; the sails build nothing.
    {"windmill: the middle starts with an ace", Windmill, {}, "AS", "Dest3", true},
    {"windmill: the middle starts with nothing else", Windmill, {}, "2S", "Dest3", false},
    {"windmill: the middle goes up in any suit", Windmill, {{{"Dest3", "AH 2C"}}}, "3D", "Dest3", true},
    {"windmill: the middle does not go down", Windmill, {{{"Dest3", "AH 2C"}}}, "AD", "Dest3", false},
    {"windmill: an ace follows a king in the middle",
     Windmill,
     {{{"Dest3", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "AS",
     "Dest3",
     true},
    {"windmill: the 52nd card",
     Windmill,
     {{{"Dest3", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD AC 2C 3C "
                 "4C 5C 6C 7C 8C 9C 10C JC QC KC AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS"}}},
     "KS2",
     "Dest3",
     true},
    {"windmill: nothing after 52 cards",
     Windmill,
     {{{"Dest3", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD AC 2C 3C "
                 "4C 5C 6C 7C 8C 9C 10C JC QC KC AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS"}}},
     "AH2",
     "Dest3",
     false},
    {"windmill: a corner starts with a king", Windmill, {}, "KD", "Dest1", true},
    {"windmill: a corner starts with nothing else", Windmill, {}, "AD", "Dest5", false},
    {"windmill: a corner goes down in any suit", Windmill, {{{"Dest2", "KH QS"}}}, "JD", "Dest2", true},
    {"windmill: a corner does not go up", Windmill, {{{"Dest2", "KH QS"}}}, "KD", "Dest2", false},
    {"windmill: a corner ends at the ace",
     Windmill,
     {{{"Dest4", "KH QH JH 10H 9H 8H 7H 6H 5H 4H 3H 2H AH"}}},
     "KS",
     "Dest4",
     false},
    {"windmill: nothing on a sail", Windmill, {{{"Fila1", "9C"}}}, "8C", "Fila1", false},
    {"windmill: an empty sail takes a card", Windmill, {}, "8C", "Fila1", true},
};

INSTANTIATE_TEST_SUITE_P(Special, CataloguePlacing, ::testing::ValuesIn(kSpecialPlacing),
                         CaseName<PlaceCase>);

// Moves the position allows: runs lifted and the cards they may land on.
struct MoveCase {
    const char* what;
    Game game;
    Layout layout;
    const char* from;
    const char* card;
    const char* to;
    bool listed;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << c.what;
}

class CatalogueMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(CatalogueMoves, RunsMoveAsTheGameAllows) {
    const MoveCase& c = GetParam();
    Session s;
    Prepare(s, c.game, c.layout);
    const LegalMove wanted{c.from, Card(c.card), c.to};
    const auto moves = ListLegalMoves(s);
    EXPECT_EQ(std::find(moves.begin(), moves.end(), wanted) != moves.end(), c.listed) << c.what << "\n"
                                                                                      << FormatMoves(moves);
}

const MoveCase kMoves[] = {
    {"klondike: a run in sequence moves",
     Klondike,
     {{{"Fila1", "~2C 10S 9H"}, {"Fila2", "JD"}}},
     "Fila1",
     "10S",
     "Fila2",
     true},
    {"klondike: a run out of sequence stays",
     Klondike,
     {{{"Fila1", "~2C 10S 9S"}, {"Fila2", "JD"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"klondike: a king's run into a gap", Klondike, {{{"Fila1", "~2C KS QH"}}}, "Fila1", "KS", "Fila4", true},
    {"klondike: the waste card plays",
     Klondike,
     {{{"Mazzo_Vis", "3D 9H"}, {"Fila1", "10C"}}},
     "Mazzo_Vis",
     "9H",
     "Fila1",
     true},
    {"klondike: a buried waste card does not",
     Klondike,
     {{{"Mazzo_Vis", "9H 3D"}, {"Fila1", "10C"}}},
     "Mazzo_Vis",
     "9H",
     "Fila1",
     false},

    // FreeCell: how long a run may be depends on the free cells and gaps.
    {"freecell: three cards with two free cells",
     FreeCell,
     {{{"Appogg1", "2S"},
       {"Appogg2", "3S"},
       {"Fila1", "10S 9H 8C"},
       {"Fila2", "JH"},
       {"Fila3", "4C"},
       {"Fila4", "4D"},
       {"Fila5", "4H"},
       {"Fila6", "4S"},
       {"Fila7", "5C"},
       {"Fila8", "5D"}}},
     "Fila1",
     "10S",
     "Fila2",
     true},
    {"freecell: three cards with one free cell",
     FreeCell,
     {{{"Appogg1", "2S"},
       {"Appogg2", "3S"},
       {"Appogg3", "6S"},
       {"Fila1", "10S 9H 8C"},
       {"Fila2", "JH"},
       {"Fila3", "4C"},
       {"Fila4", "4D"},
       {"Fila5", "4H"},
       {"Fila6", "4S"},
       {"Fila7", "5C"},
       {"Fila8", "5D"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"freecell: a free cell card plays home",
     FreeCell,
     {{{"Appogg3", "AD"}}},
     "Appogg3",
     "AD",
     "Dest1",
     true},

    // Yukon: any face-up card moves with whatever lies on it.
    {"yukon: an unordered pile moves",
     Yukon,
     {{{"Fila1", "~KC 5S 9H 2C"}, {"Fila2", "6H"}}},
     "Fila1",
     "5S",
     "Fila2",
     true},
    {"yukon: but not from a face-down card",
     Yukon,
     {{{"Fila1", "~5S 9H"}, {"Fila2", "6H"}}},
     "Fila1",
     "5S",
     "Fila2",
     false},

    // Forty Thieves and Beleaguered Castle: one card at a time.
    {"forty thieves: a run in suit stays",
     FortyThieves,
     {{{"Fila1", "10S 9S"}, {"Fila2", "JS"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"forty thieves: its top card moves",
     FortyThieves,
     {{{"Fila1", "10S 9S"}, {"Fila2", "10S2"}}},
     "Fila1",
     "9S",
     "Fila2",
     true},
    {"castle: a run stays",
     BeleagueredCastle,
     {{{"Fila1", "10S 9H"}, {"Fila2", "JD"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},

    // Spider: only a run in one suit moves as a unit.
    {"spider: a run in suit moves",
     Spider,
     {{{"Fila1", "~4C 10S 9S"}, {"Fila2", "JH"}}},
     "Fila1",
     "10S",
     "Fila2",
     true},
    {"spider: a mixed run stays",
     Spider,
     {{{"Fila1", "~4C 10S 9H"}, {"Fila2", "JH"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"spider: its top card still moves",
     Spider,
     {{{"Fila1", "~4C 10S 9H"}, {"Fila2", "10C"}}},
     "Fila1",
     "9H",
     "Fila2",
     true},

    // Canfield: a top card alone, or a whole pile.
    {"canfield: a whole pile moves",
     Canfield,
     {{{"Fila1", "10S 9H"}, {"Fila2", "JD"}}, 5},
     "Fila1",
     "10S",
     "Fila2",
     true},
    {"canfield: part of a pile stays",
     Canfield,
     {{{"Fila1", "QC JD 10S 9H"}, {"Fila2", "JH"}}, 5},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"canfield: the reserve card plays",
     Canfield,
     {{{"Appogg1", "3C 8D"}, {"Fila3", "9C"}}, 5},
     "Appogg1",
     "8D",
     "Fila3",
     true},

    // Mount Olympus: a run down by twos in suit moves as a whole; a broken one does not.
    {"mount olympus: a run by twos moves",
     MountOlympus,
     {{{"Fila1", "9H 7H 5H"}, {"Fila2", "JH"}}},
     "Fila1",
     "9H",
     "Fila2",
     true},
    {"mount olympus: a broken run stays",
     MountOlympus,
     {{{"Fila1", "9H 7H 6H"}, {"Fila2", "JH"}}},
     "Fila1",
     "9H",
     "Fila2",
     false},
};

INSTANTIATE_TEST_SUITE_P(Games, CatalogueMoves, ::testing::ValuesIn(kMoves), CaseName<MoveCase>);

// Golf plays a tableau card onto the pile beside the stock when it is one rank above or below that
// pile's top card, whatever the suit; the press asks the rule evaluator both ways round.
struct GolfCase {
    const char* wasteTop;
    const char* card;
    bool fits;
};

void PrintTo(const GolfCase& c, std::ostream* os) {
    *os << c.card << " on " << c.wasteTop;
}

class GolfPlay : public ::testing::TestWithParam<GolfCase> {};

TEST_P(GolfPlay, OneRankUpOrDown) {
    const GolfCase& c = GetParam();
    Session s;
    Prepare(s, Golf, {});
    const int top = Card(c.wasteTop), card = Card(c.card);
    const int wrapOfPile = s.Attr(255);
    auto ask = [&](int a, int b) {
        RuleQuery q{a, b, -1, -1, 1, 2, false, false, 0, false};
        return RuleAccepts(s, q);
    };
    ASSERT_EQ(wrapOfPile, 0) << "the piles must not change the plain one-step test";
    bool fits = ask(top, card) || ask(card, top);
    // The press itself refuses a king on an ace and an ace on a king.
    const int rt = CardRank(top), rc = CardRank(card);
    if ((rt == 1 && rc == 13) || (rt == 13 && rc == 1))
        fits = false;
    EXPECT_EQ(fits, c.fits) << c.card << " on " << c.wasteTop;
}

INSTANTIATE_TEST_SUITE_P(Games, GolfPlay,
                         ::testing::Values(GolfCase{"8C", "9H", true}, GolfCase{"8C", "7S", true},
                                           GolfCase{"8C", "8H", false}, GolfCase{"8C", "10C", false},
                                           GolfCase{"KS", "QD", true}, GolfCase{"AS", "2D", true},
                                           GolfCase{"KS", "AD", false}, GolfCase{"AS", "KD", false}));

// Octave ends with the foundations at their tens and the court cards in the tableau: the won test
// asks for both, and for eight piles of exactly a king, a queen and a jack, bottom first.
struct OctaveEndCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> changes; // laid over the finished table
    bool won;
};

void PrintTo(const OctaveEndCase& c, std::ostream* os) {
    *os << c.what;
}

class OctaveEnd : public ::testing::TestWithParam<OctaveEndCase> {};

TEST_P(OctaveEnd, WonOnlyWithTheCourtCardsInPlace) {
    const OctaveEndCase& c = GetParam();
    Session s;
    Layout finished;
    const char* suits = "HDCS";
    const char* courts[] = {"KS QH JC",    "KH QC JD",    "KC QD JS",    "KD QS JH",
                            "KS2 QH2 JC2", "KH2 QC2 JD2", "KC2 QD2 JS2", "KD2 QS2 JH2"};
    for (int k = 0; k < 8; ++k) {
        std::string home;
        for (int r = 1; r <= 10; ++r) {
            const std::string rank = r == 1 ? "A" : std::to_string(r);
            home += (r > 1 ? " " : "") + rank + suits[k / 2] + (k % 2 ? "2" : "");
        }
        finished.piles.push_back({"Dest" + std::to_string(k + 1), home});
        finished.piles.push_back({"Fila" + std::to_string(k + 1), courts[k]});
    }
    for (const auto& change : c.changes)
        finished.piles.push_back(change);
    Prepare(s, Octave, finished);
    EXPECT_EQ(WonTest(s), c.won) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Games, OctaveEnd,
    ::testing::Values(
        OctaveEndCase{"every pile a king, queen and jack", {}, true},
        OctaveEndCase{"a ten still on a jack",
                      {{"Dest8", "AS2 2S2 3S2 4S2 5S2 6S2 7S2 8S2 9S2"}, {"Fila8", "KD2 QS2 JH2 10S2"}},
                      false},
        OctaveEndCase{"a ten left on the waste",
                      {{"Dest8", "AS2 2S2 3S2 4S2 5S2 6S2 7S2 8S2 9S2"}, {"Mazzo_Vis", "10S2"}},
                      false},
        OctaveEndCase{"a jack under the queen", {{"Fila3", "KC JS QD"}}, false},
        OctaveEndCase{
            "two kings in one pile and a gap", {{"Fila1", "KS QH JC KH QC JD"}, {"Fila2", ""}}, false},
        OctaveEndCase{
            "a queen alone on its king", {{"Fila4", "KD QS"}, {"Fila5", "KS2 QH2 JC2 JH"}}, false}));

// Audited games of the first half of the catalogue: the rules each classic plays by.
constexpr Game Bastion = static_cast<Game>(312);
constexpr Game Alaska = static_cast<Game>(321);
constexpr Game Pyramid = static_cast<Game>(203);
constexpr Game PyramidRelaxed = static_cast<Game>(205);
constexpr Game EightOff = static_cast<Game>(301);
constexpr Game Whitehead = static_cast<Game>(330);
constexpr Game Storehouse = static_cast<Game>(403);
constexpr Game Indian = static_cast<Game>(410);
constexpr Game Scorpion = static_cast<Game>(421);
constexpr Game Wasp = static_cast<Game>(422);
constexpr Game FourSeasons = static_cast<Game>(450);
constexpr Game Czarina = static_cast<Game>(451);
constexpr Game Sultan = static_cast<Game>(461);
constexpr Game Amazons = static_cast<Game>(470);
constexpr Game Moosehide = static_cast<Game>(501);
constexpr Game Fortress = static_cast<Game>(506);
constexpr Game PortugueseSolitaire = static_cast<Game>(511);
constexpr Game Cruel = static_cast<Game>(513);
constexpr Game Perseverance = static_cast<Game>(514);

const PlaceCase kAuditedPlacing[] = {
    {"bastion: a queen on a king in suit", Bastion, {{{"Fila1", "KH"}}}, "QH", "Fila1", true},
    {"bastion: no ace on a king", Bastion, {{{"Fila1", "KH"}}}, "AH", "Fila1", false},
    {"bastion: a two on an ace in suit", Bastion, {{{"Fila1", "AH"}}}, "2H", "Fila1", true},
    {"bastion: no king on an ace", Bastion, {{{"Fila1", "AH"}}}, "KH", "Fila1", false},
    {"alaska: a queen on a king in suit", Alaska, {{{"Fila1", "KH"}}}, "QH", "Fila1", true},
    {"alaska: no ace on a king", Alaska, {{{"Fila1", "KH"}}}, "AH", "Fila1", false},
    {"alaska: a two on an ace in suit", Alaska, {{{"Fila1", "AH"}}}, "2H", "Fila1", true},
    {"alaska: no king on an ace", Alaska, {{{"Fila1", "AH"}}}, "KH", "Fila1", false},
    {"alaska: a gap takes only a king", Alaska, {}, "QH", "Fila3", false},
    // The classics' own building rules, gaps and foundations.
    {"eight off: a gap takes only a king", EightOff, {}, "QS", "Fila2", false},
    {"eight off: a king fills a gap", EightOff, {}, "KS", "Fila2", true},
    {"eight off: down in suit only", EightOff, {{{"Fila1", "10H"}}}, "9D", "Fila1", false},
    {"whitehead: red on red", Whitehead, {{{"Fila1", "10H"}}}, "9D", "Fila1", true},
    {"whitehead: not red on black", Whitehead, {{{"Fila1", "10S"}}}, "9D", "Fila1", false},
    {"whitehead: any card into a gap", Whitehead, {}, "9D", "Fila4", true},
    {"storehouse: down in suit round the corner", Storehouse, {{{"Fila1", "AC"}}}, "KC", "Fila1", true},
    {"storehouse: a gap takes the reserve's card", Storehouse, {{{"Appogg1", "4D 9C"}}}, "9C", "Fila2", true},
    {"storehouse: not the waste's while the reserve lasts",
     Storehouse,
     {{{"Appogg1", "4D 9C"}, {"Mazzo_Vis", "6H"}}},
     "6H",
     "Fila2",
     false},
    {"storehouse: an ace after the king at home",
     Storehouse,
     {{{"Dest1", "2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}, 2},
     "AH",
     "Dest1",
     true},
    {"indian: not on its own suit", Indian, {{{"Fila1", "10S"}}}, "9S", "Fila1", false},
    {"indian: on another suit", Indian, {{{"Fila1", "10S"}}}, "9C", "Fila1", true},
    {"scorpion: a gap takes only a king", Scorpion, {}, "QD", "Fila5", false},
    {"scorpion: down in suit", Scorpion, {{{"Fila5", "8D"}}}, "7D", "Fila5", true},
    {"wasp: a gap takes any card", Wasp, {}, "QD", "Fila5", true},
    {"four seasons: a king on an ace", FourSeasons, {{{"Fila3", "AD"}}, 6}, "KS", "Fila3", true},
    {"czarina: nothing on the cross", Czarina, {{{"Fila3", "9D"}}, 6}, "8S", "Fila3", false},
    {"sultan: the sultan takes nothing", Sultan, {{{"Dest1", "KH"}}}, "AH", "Dest1", false},
    {"sultan: an ace on a king", Sultan, {{{"Dest2", "KD"}}}, "AD", "Dest2", true},
    {"sultan: the ace of hearts goes up", Sultan, {{{"Dest9", "AH"}}}, "2H", "Dest9", true},
    {"amazons: a seven only from the pile below",
     Amazons,
     {{{"Dest1", "AH"}, {"Fila2", "7H"}}},
     "7H",
     "Dest1",
     false},
    {"amazons: a seven from its own pile",
     Amazons,
     {{{"Dest1", "AH"}, {"Fila1", "7H"}}},
     "7H",
     "Dest1",
     true},
    {"moosehide: not on its own suit", Moosehide, {{{"Fila2", "10C"}}}, "9C", "Fila2", false},
    {"moosehide: a gap takes a king", Moosehide, {}, "KC", "Fila2", true},
    {"fortress: no king on an ace", Fortress, {{{"Fila2", "AC"}}}, "KC", "Fila2", false},
    {"fortress: a two on an ace", Fortress, {{{"Fila2", "AC"}}}, "2C", "Fila2", true},
    {"portuguese: a gap takes only a king", PortugueseSolitaire, {}, "QC", "Fila2", false},
    {"cruel: a gap stays empty", Cruel, {}, "KC", "Fila2", false},
    {"cruel: down in suit", Cruel, {{{"Fila2", "5C"}}}, "4C", "Fila2", true},
};

INSTANTIATE_TEST_SUITE_P(Audited, CataloguePlacing, ::testing::ValuesIn(kAuditedPlacing),
                         CaseName<PlaceCase>);

// Passes through the stock: with the stock used up and three cards on the waste, the player
// clicks the stock again and again; each turn-over of the waste starts a new pass, and the
// clicks end in the game's last pass.
struct PassesCase {
    const char* what;
    Game game;
    int passes;
};

void PrintTo(const PassesCase& c, std::ostream* os) {
    *os << c.what;
}

class CataloguePasses : public ::testing::TestWithParam<PassesCase> {};

TEST_P(CataloguePasses, TheWasteTurnsOverAsOftenAsTheGameAllows) {
    const PassesCase& c = GetParam();
    test::StockTable t;
    ASSERT_TRUE(LoadGame(t.s, c.game));
    t.s.Game.RedealCount = 1;
    Lay(t.s, "Mazzo", "");
    Lay(t.s, "Mazzo_Vis", "5C 9D JS");
    for (int click = 0; click < 30; ++click) {
        StockClick(t.s, t.s.TopCard("Mazzo"));
        OnTableRelease(t.s, 0, 0);
    }
    EXPECT_EQ(t.s.Game.RedealCount, c.passes) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Audited, CataloguePasses,
                         ::testing::Values(PassesCase{"pyramid: three passes", Pyramid, 3},
                                           PassesCase{"pyramid relaxed: three passes", PyramidRelaxed, 3},
                                           PassesCase{"klondike by threes: three passes", KlondikeByThrees,
                                                      3},
                                           PassesCase{"forty thieves: one pass", FortyThieves, 1}),
                         CaseName<PassesCase>);

// The popular classics: Russian Solitaire, Simple Simon, Gypsy, Josephine, Maria, Limited and
// Emperor, each against the game it is most easily taken for.
constexpr Game RussianSolitaire = static_cast<Game>(110);
constexpr Game SimpleSimon = static_cast<Game>(111);
constexpr Game Gypsy = static_cast<Game>(112);
constexpr Game Josephine = static_cast<Game>(113);
constexpr Game Maria = static_cast<Game>(114);
constexpr Game Limited = static_cast<Game>(115);
constexpr Game Emperor = static_cast<Game>(116);

const PlaceCase kClassicsPlacing[] = {
    {"russian: down in suit", RussianSolitaire, {{{"Fila2", "~2C 8C"}}}, "7C", "Fila2", true},
    {"russian: not the other black suit", RussianSolitaire, {{{"Fila2", "~2C 8C"}}}, "7S", "Fila2", false},
    {"russian: not red on black as in yukon",
     RussianSolitaire,
     {{{"Fila2", "~2C 8C"}}},
     "7H",
     "Fila2",
     false},
    {"russian: a gap takes a king", RussianSolitaire, {}, "KD", "Fila1", true},
    {"russian: not a queen", RussianSolitaire, {}, "QD", "Fila1", false},
    {"russian: an ace starts a foundation", RussianSolitaire, {}, "AD", "Dest2", true},
    {"simple simon: any suit", SimpleSimon, {{{"Fila1", "10S"}}}, "9H", "Fila1", true},
    {"simple simon: not up", SimpleSimon, {{{"Fila1", "10S"}}}, "JS", "Fila1", false},
    {"simple simon: nothing on an ace", SimpleSimon, {{{"Fila1", "AH"}}}, "KH", "Fila1", false},
    {"simple simon: any card into a gap", SimpleSimon, {}, "5D", "Fila10", true},
    {"simple simon: no ace to a foundation", SimpleSimon, {}, "AS", "Dest1", false},
    {"simple simon: no king to a foundation", SimpleSimon, {}, "KS", "Dest4", false},
    {"gypsy: red on black", Gypsy, {{{"Fila3", "~4C 10S"}}}, "9D", "Fila3", true},
    {"gypsy: not red on red", Gypsy, {{{"Fila3", "~4C 10H"}}}, "9D", "Fila3", false},
    {"gypsy: nothing on an ace", Gypsy, {{{"Fila3", "AS"}}}, "KH", "Fila3", false},
    {"gypsy: any card into a gap", Gypsy, {}, "5D", "Fila8", true},
    {"gypsy: second deck's ace", Gypsy, {}, "AS2", "Dest8", true},
    {"josephine: in suit", Josephine, {{{"Fila10", "10S"}}}, "9S", "Fila10", true},
    {"josephine: not another suit", Josephine, {{{"Fila10", "10S"}}}, "9H", "Fila10", false},
    {"josephine: any card into a gap", Josephine, {}, "5H", "Fila4", true},
    {"maria: red on black", Maria, {{{"Fila9", "10C"}}}, "9H", "Fila9", true},
    {"maria: not in suit as in forty thieves", Maria, {{{"Fila9", "10C"}}}, "9C", "Fila9", false},
    {"maria: any card into a gap", Maria, {}, "5H", "Fila1", true},
    {"limited: in suit", Limited, {{{"Fila12", "10D"}}}, "9D", "Fila12", true},
    {"limited: not red on black", Limited, {{{"Fila12", "10C"}}}, "9D", "Fila12", false},
    {"limited: any card into the twelfth pile's gap", Limited, {}, "QS", "Fila12", true},
    {"emperor: red on black", Emperor, {{{"Fila1", "~3D ~4D ~5D 10S"}}}, "9H", "Fila1", true},
    {"emperor: not in suit", Emperor, {{{"Fila1", "~3D ~4D ~5D 10S"}}}, "9S", "Fila1", false},
    {"emperor: not on a face-down card", Emperor, {{{"Fila1", "~3D ~4D ~10S"}}}, "9H", "Fila1", false},
    {"emperor: any card into a gap", Emperor, {}, "5C", "Fila10", true},
};

INSTANTIATE_TEST_SUITE_P(Classics, CataloguePlacing, ::testing::ValuesIn(kClassicsPlacing),
                         CaseName<PlaceCase>);

const MoveCase kClassicsMoves[] = {
    {"russian: an unordered pile moves onto its suit",
     RussianSolitaire,
     {{{"Fila1", "~KC 5S 9H 2C"}, {"Fila2", "6S"}}},
     "Fila1",
     "5S",
     "Fila2",
     true},
    {"russian: but not onto another suit",
     RussianSolitaire,
     {{{"Fila1", "~KC 5S 9H 2C"}, {"Fila2", "6H"}}},
     "Fila1",
     "5S",
     "Fila2",
     false},
    {"simple simon: a run in suit moves",
     SimpleSimon,
     {{{"Fila1", "3D 10S 9S 8S"}, {"Fila2", "JH"}}},
     "Fila1",
     "10S",
     "Fila2",
     true},
    {"simple simon: a mixed run stays",
     SimpleSimon,
     {{{"Fila1", "3D 10S 9H"}, {"Fila2", "JH"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"simple simon: the top card of a mixed run moves",
     SimpleSimon,
     {{{"Fila1", "3D 10S 9H"}, {"Fila2", "10C"}}},
     "Fila1",
     "9H",
     "Fila2",
     true},
    {"gypsy: a run in alternating colours moves",
     Gypsy,
     {{{"Fila1", "~4C 10S 9H 8C"}, {"Fila2", "JD"}}},
     "Fila1",
     "10S",
     "Fila2",
     true},
    {"gypsy: a run out of sequence stays",
     Gypsy,
     {{{"Fila1", "~4C 10S 9S"}, {"Fila2", "JD"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"gypsy: a run into a gap",
     Gypsy,
     {{{"Fila1", "~4C 10S 9H"},
       {"Fila2", "3C"},
       {"Fila3", "3C"},
       {"Fila4", "3C"},
       {"Fila5", "3C"},
       {"Fila6", "3C"},
       {"Fila7", "3C"}}},
     "Fila1",
     "10S",
     "Fila8",
     true},
    {"josephine: a run in suit moves",
     Josephine,
     {{{"Fila1", "10S 9S 8S"}, {"Fila2", "JS"}}},
     "Fila1",
     "10S",
     "Fila2",
     true},
    {"josephine: a run out of suit stays",
     Josephine,
     {{{"Fila1", "10S 9H"}, {"Fila2", "JS"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"maria: a run stays", Maria, {{{"Fila1", "10S 9H"}, {"Fila2", "JD"}}}, "Fila1", "10S", "Fila2", false},
    {"maria: its top card moves",
     Maria,
     {{{"Fila1", "10S 9H"}, {"Fila2", "10C"}}},
     "Fila1",
     "9H",
     "Fila2",
     true},
    {"limited: a run in suit stays",
     Limited,
     {{{"Fila1", "10S 9S"}, {"Fila2", "JS"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
    {"emperor: a run stays as it does not in rank and file",
     Emperor,
     {{{"Fila1", "~4C 10S 9H"}, {"Fila2", "JD"}}},
     "Fila1",
     "10S",
     "Fila2",
     false},
};

INSTANTIATE_TEST_SUITE_P(Classics, CatalogueMoves, ::testing::ValuesIn(kClassicsMoves), CaseName<MoveCase>);

INSTANTIATE_TEST_SUITE_P(Classics, CataloguePasses,
                         ::testing::Values(PassesCase{"josephine: one pass", Josephine, 1},
                                           PassesCase{"maria: one pass", Maria, 1},
                                           PassesCase{"limited: one pass", Limited, 1},
                                           PassesCase{"emperor: one pass", Emperor, 1}),
                         CaseName<PassesCase>);

// A click on the stock of a game that deals to the tableau, with the third pile empty: Gypsy
// deals a face-up card to every pile, the gap included; Spider asks for the gaps to be filled
// first and deals nothing.
struct TableauDealCase {
    const char* what;
    Game game;
    int piles;
    bool dealt;
};

void PrintTo(const TableauDealCase& c, std::ostream* os) {
    *os << c.what;
}

class CatalogueTableauDeal : public ::testing::TestWithParam<TableauDealCase> {};

TEST_P(CatalogueTableauDeal, AClickDealsToEveryPileOrAsksForTheGaps) {
    const TableauDealCase& c = GetParam();
    test::StockTable t;
    ASSERT_TRUE(LoadGame(t.s, c.game));
    // No ace anywhere, so that nothing goes home by itself after the deal.
    std::string stock;
    for (int k = 2; k <= c.piles + 3; ++k)
        stock += "~" + std::to_string(k) + "S2 ";
    Lay(t.s, "Mazzo", stock);
    for (int k = 1; k <= c.piles; ++k) {
        const std::string rank = std::to_string(k + 1);
        Lay(t.s, "Fila" + std::to_string(k), k == 3 ? "" : "~" + rank + "D " + rank + "H");
    }
    StockClick(t.s, t.s.TopCard("Mazzo"));
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.view.messages.empty(), c.dealt) << c.what;
    EXPECT_EQ(t.s.Piles.Find("Mazzo")->size() / 3, static_cast<size_t>(c.dealt ? 2 : c.piles + 2)) << c.what;
    for (int k = 1; k <= c.piles; ++k) {
        const std::string pile = "Fila" + std::to_string(k);
        const size_t before = k == 3 ? 0 : 2;
        ASSERT_EQ(t.s.Piles.Find(pile)->size() / 3, before + (c.dealt ? 1 : 0)) << c.what << " " << pile;
        if (c.dealt) {
            EXPECT_FALSE(t.s.Cards.CardIsHidden(t.s.TopCard(pile))) << c.what << " " << pile;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Classics, CatalogueTableauDeal,
                         ::testing::Values(TableauDealCase{"gypsy: gaps take their card", Gypsy, 8, true},
                                           TableauDealCase{"spider: gaps first", Spider, 10, false}),
                         CaseName<TableauDealCase>);

// Games 520 to 999 whose rules were set right: each row fails under the game's former definition.
constexpr Game Stalactites = static_cast<Game>(550);
constexpr Game Strategy = static_cast<Game>(551);
constexpr Game Wasatch = static_cast<Game>(658);
constexpr Game GrandfathersClock = static_cast<Game>(756);
constexpr Game TrustyTwelve = static_cast<Game>(920);
constexpr Game SweetSixteen = static_cast<Game>(921);

const PlaceCase kMended520[] = {
    // Strategy: while the stock is dealt every card goes onto a pile; the foundations, started by
    // the aces, take cards only once the stock and the waste are used up.
    {"strategy: no waste card home while the stock lasts",
     Strategy,
     {{{"Mazzo", "~5C"}, {"Mazzo_Vis", "2H"}, {"Dest1", "AH"}}},
     "2H",
     "Dest1",
     false},
    {"strategy: not even the last card turned",
     Strategy,
     {{{"Mazzo", ""}, {"Mazzo_Vis", "2H"}, {"Dest1", "AH"}}},
     "2H",
     "Dest1",
     false},
    {"strategy: no pile card home while the stock lasts",
     Strategy,
     {{{"Mazzo", "~5C"}, {"Fila1", "2H"}, {"Dest1", "AH"}}},
     "2H",
     "Dest1",
     false},
    {"strategy: pile cards home once the stock is used up",
     Strategy,
     {{{"Mazzo", ""}, {"Fila1", "2H"}, {"Dest1", "AH"}}},
     "2H",
     "Dest1",
     true},
    {"strategy: in suit only",
     Strategy,
     {{{"Mazzo", ""}, {"Fila1", "2D"}, {"Dest1", "AH"}}},
     "2D",
     "Dest1",
     false},
    {"strategy: a waste card onto any pile",
     Strategy,
     {{{"Mazzo_Vis", "2H"}, {"Fila1", "9S"}}},
     "2H",
     "Fila1",
     true},
    // Wasatch: the one foundation of 52 cards goes up or down regardless of suit, round the corner
    // both ways, whatever rank the first card had.
    {"wasatch: an ace on a king over an ace",
     Wasatch,
     {{{"Dest1", "AH 2C 3D 4S 5H 6C 7D 8S 9H 10C JD QS KH"}}, 1},
     "AS",
     "Dest1",
     true},
    {"wasatch: a king on an ace over a king",
     Wasatch,
     {{{"Dest1", "KH QC JD 10S 9H 8C 7D 6S 5H 4C 3D 2S AH"}}, 13},
     "KS",
     "Dest1",
     true},
    {"wasatch: down after up", Wasatch, {{{"Dest1", "7H 8C"}}, 7}, "7S", "Dest1", true},
    {"wasatch: not two ranks on", Wasatch, {{{"Dest1", "7H"}}, 7}, "9S", "Dest1", false},
    // Grandfather's Clock (the deal starts the twelve o'clock foundation with a nine): the piles
    // build down regardless of suit through every rank, the nine included, and nothing goes on an
    // ace.
    {"grandfather's clock: an eight on a nine",
     GrandfathersClock,
     {{{"Fila1", "9H"}}, 9},
     "8S",
     "Fila1",
     true},
    {"grandfather's clock: a nine on a ten", GrandfathersClock, {{{"Fila1", "10H"}}, 9}, "9S", "Fila1", true},
    {"grandfather's clock: no king on an ace",
     GrandfathersClock,
     {{{"Fila1", "AH"}}, 9},
     "KS",
     "Fila1",
     false},
    {"grandfather's clock: not up", GrandfathersClock, {{{"Fila1", "8H"}}, 9}, "9S", "Fila1", false},
    // Trusty Twelve and Sweet Sixteen: the piles build down, never round the corner.
    {"trusty twelve: no king on an ace", TrustyTwelve, {{{"Fila1", "AH"}}}, "KS", "Fila1", false},
    {"trusty twelve: a two on a three", TrustyTwelve, {{{"Fila1", "3H"}}}, "2H", "Fila1", true},
    {"sweet sixteen: no king on an ace", SweetSixteen, {{{"Fila1", "AH"}}}, "KS", "Fila1", false},
    {"sweet sixteen: a black two on a red three", SweetSixteen, {{{"Fila1", "3H"}}}, "2S", "Fila1", true},
    // Stalactites: the foundations go up regardless of suit by ones or by twos; the first
    // foundation built on fixes the step for all four.
    {"stalactites: by twos at first", Stalactites, {{{"Dest1", "5H"}}}, "7S", "Dest1", true},
    {"stalactites: by ones at first", Stalactites, {{{"Dest1", "5H"}}}, "6S", "Dest1", true},
    {"stalactites: not by threes", Stalactites, {{{"Dest1", "5H"}}}, "8S", "Dest1", false},
    {"stalactites: twos for all once chosen",
     Stalactites,
     {{{"Dest1", "5H 7C"}, {"Dest2", "9D"}}},
     "JS",
     "Dest2",
     true},
    {"stalactites: no ones once twos are chosen",
     Stalactites,
     {{{"Dest1", "5H 7C"}, {"Dest2", "9D"}}},
     "10S",
     "Dest2",
     false},
    {"stalactites: no twos once ones are chosen",
     Stalactites,
     {{{"Dest1", "5H 6C"}, {"Dest2", "9D"}}},
     "JS",
     "Dest2",
     false},
    {"stalactites: by twos an ace after a queen",
     Stalactites,
     {{{"Dest1", "8H 10C QD"}}},
     "AS",
     "Dest1",
     true},
};

INSTANTIATE_TEST_SUITE_P(Mended520, CataloguePlacing, ::testing::ValuesIn(kMended520), CaseName<PlaceCase>);

// Games whose classic rule an engine code states exactly: the redeal of Cruel gathers the piles
// whole, in order, and deals them out again in fours, so the cards keep their order and only the
// borders between the piles move.
struct GatherCase {
    const char* what;
    Game game;
    std::vector<std::pair<std::string, std::string>> before; // tableau piles; every other is empty
    std::vector<std::string> after;                          // the tableau piles after the deal
};

void PrintTo(const GatherCase& c, std::ostream* os) {
    *os << c.what;
}

std::string PileOf(const std::string& cards) {
    std::istringstream in(cards);
    std::string word, content;
    while (in >> word)
        content += CardText(Card(word));
    return content;
}

class CatalogueGather : public ::testing::TestWithParam<GatherCase> {};

TEST_P(CatalogueGather, TheRedealKeepsTheCardsInOrder) {
    const GatherCase& c = GetParam();
    test::StockTable t;
    ASSERT_TRUE(LoadGame(t.s, c.game));
    t.s.Game.RedealCount = 1;
    for (int i = 1; i <= 12; ++i)
        Lay(t.s, "Fila" + std::to_string(i), "");
    Lay(t.s, "Mazzo", "");
    int cards = 0;
    for (const auto& [pile, content] : c.before) {
        Lay(t.s, pile, content);
        cards += static_cast<int>(PileOf(content).size()) / 3;
    }
    // The first click gathers the tableau face down into the stock...
    StockClick(t.s, 0);
    OnTableRelease(t.s, 0, 0);
    EXPECT_EQ(t.s.Game.RedealCount, 2) << c.what;
    EXPECT_EQ(static_cast<int>(t.s.Piles.Find("Mazzo")->size()) / 3, cards) << c.what;
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(*t.s.Piles.Find("Fila" + std::to_string(i)), "") << c.what << ", pile " << i;
    // ...and the second deals it out again.
    StockClick(t.s, t.s.TopCard("Mazzo"));
    EXPECT_EQ(*t.s.Piles.Find("Mazzo"), "") << c.what;
    for (int i = 1; i <= 12; ++i) {
        const std::string want = i <= static_cast<int>(c.after.size()) ? PileOf(c.after[i - 1]) : "";
        const std::string& got = *t.s.Piles.Find("Fila" + std::to_string(i));
        EXPECT_EQ(got, want) << c.what << ", pile " << i;
        for (size_t k = 0; k + 3 <= got.size(); k += 3)
            EXPECT_FALSE(t.s.Cards.CardIsHidden(std::stoi(got.substr(k, 3)))) << c.what << ", pile " << i;
    }
}

const GatherCase kGathers[] = {
    {"cruel: short piles and gaps close up",
     Cruel,
     {{"Fila1", "5C 9D"}, {"Fila3", "KS QS JS"}, {"Fila4", "2H 3H 4H 5H 6H"}},
     {"5C 9D KS QS", "JS 2H 3H 4H", "5H 6H"}},
    {"cruel: a built pile spills into the next",
     Cruel,
     {{"Fila2", "10D 7C 6C 5C 4C 3C"}, {"Fila5", "QH"}, {"Fila12", "8S 2D JH"}},
     {"10D 7C 6C 5C", "4C 3C QH 8S", "2D JH"}},
    {"perseverance: a long pile spills into the next",
     Perseverance,
     {{"Fila1", "KD QD JD 10D 9D"}, {"Fila7", "4S"}, {"Fila8", "8H 7H"}},
     {"KD QD JD 10D", "9D 4S 8H 7H"}},
};

INSTANTIATE_TEST_SUITE_P(Mended, CatalogueGather, ::testing::ValuesIn(kGathers), CaseName<GatherCase>);

// Games whose piles follow a building rule of their own.
constexpr Game DoubleFreeCell = static_cast<Game>(117);
constexpr Game BigBen = static_cast<Game>(118);

const PlaceCase kOwnRulePlacing[] = {
    // Double FreeCell: four foundations of twenty-six cards, each suit twice from ace to king.
    {"double freecell: an ace starts a foundation", DoubleFreeCell, {}, "AS2", "Dest1", true},
    {"double freecell: not a two", DoubleFreeCell, {}, "2S", "Dest1", false},
    {"double freecell: up in suit", DoubleFreeCell, {{{"Dest2", "AD 2D2"}}}, "3D", "Dest2", true},
    {"double freecell: not another suit", DoubleFreeCell, {{{"Dest2", "AD 2D2"}}}, "3H", "Dest2", false},
    {"double freecell: no second foundation of a suit",
     DoubleFreeCell,
     {{{"Dest1", "AH"}}},
     "AH2",
     "Dest3",
     false},
    {"double freecell: the second ace goes on the king",
     DoubleFreeCell,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "AH2",
     "Dest1",
     true},
    {"double freecell: not an ace of another suit on the king",
     DoubleFreeCell,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "AD",
     "Dest1",
     false},
    {"double freecell: a finished suit still counts as that suit's foundation",
     DoubleFreeCell,
     {{{"Dest1", "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH"}}},
     "AH2",
     "Dest4",
     false},
    {"double freecell: the second run goes on up",
     DoubleFreeCell,
     {{{"Dest4", "AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC AC2 2C2 3C2 4C2 5C2 6C2 7C2 8C2 9C2 10C2 JC2"}}},
     "QC2",
     "Dest4",
     true},
    {"double freecell: a foundation of both runs takes nothing more",
     DoubleFreeCell,
     {{{"Dest4",
        "AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC AC2 2C2 3C2 4C2 5C2 6C2 7C2 8C2 9C2 10C2 JC2 QC2 KC2"}}},
     "AC",
     "Dest4",
     false},
    {"double freecell: the sixth free cell", DoubleFreeCell, {}, "7D", "Appogg6", true},
    {"double freecell: red on black", DoubleFreeCell, {{{"Fila10", "10C"}}}, "9D2", "Fila10", true},
    {"double freecell: not red on red", DoubleFreeCell, {{{"Fila10", "10H"}}}, "9D2", "Fila10", false},
    // Big Ben: the piles build down in suit, the king going on the ace, and only the stock fills a
    // gap; each foundation stops at its hour. The empty value 0 alone already keeps a gap closed
    // under the general rule, so one case opens it to any card: the pile rule must still refuse.
    {"big ben: down in suit", BigBen, {{{"Fila1", "5C 9H"}}}, "8H2", "Fila1", true},
    {"big ben: not another suit", BigBen, {{{"Fila1", "5C 9H"}}}, "8D", "Fila1", false},
    {"big ben: not up", BigBen, {{{"Fila1", "5C 9H"}}}, "10H", "Fila1", false},
    {"big ben: the king goes on the ace", BigBen, {{{"Fila12", "AS"}}}, "KS2", "Fila12", true},
    {"big ben: not a king of another suit on the ace", BigBen, {{{"Fila12", "AS"}}}, "KC", "Fila12", false},
    {"big ben: a gap takes nothing", BigBen, {{{"Fila2", ""}}}, "KS", "Fila2", false},
    {"big ben: a gap stays closed whatever its empty value",
     BigBen,
     {{{"Fila2", ""}}, 0, -1},
     "KS",
     "Fila2",
     false},
    {"big ben: twelve o'clock reaches the queen",
     BigBen,
     {{{"Dest1", "5C 6C 7C 8C 9C 10C JC"}}},
     "QC",
     "Dest1",
     true},
    {"big ben: twelve o'clock stops at the queen",
     BigBen,
     {{{"Dest1", "5C 6C 7C 8C 9C 10C JC QC"}}},
     "KC2",
     "Dest1",
     false},
    {"big ben: one o'clock goes past the king", BigBen, {{{"Dest2", "6H 7H 8H 9H 10H JH QH KH"}}}, "AH", "Dest2", true},
    {"big ben: one o'clock stops at the ace",
     BigBen,
     {{{"Dest2", "6H 7H 8H 9H 10H JH QH KH AH"}}},
     "2H",
     "Dest2",
     false},
    {"big ben: nine o'clock stops at the nine", BigBen, {{{"Dest10", "2H 3H 4H 5H 6H 7H 8H 9H"}}}, "10H2", "Dest10", false},
    {"big ben: eight o'clock builds in suit", BigBen, {{{"Dest9", "KC AC"}}}, "2C2", "Dest9", true},
    {"big ben: not another suit on a foundation", BigBen, {{{"Dest9", "KC AC"}}}, "2S", "Dest9", false},
};

INSTANTIATE_TEST_SUITE_P(OwnRule, CataloguePlacing, ::testing::ValuesIn(kOwnRulePlacing),
                         CaseName<PlaceCase>);

// St. Helena: kings down and aces up in suit on the foundations; in the first deal the first four
// piles feed only the kings and the seventh to tenth only the aces, the side piles either; the
// piles build up or down in suit, never round the corner. The deal makes the king foundation's
// rank the stop rank of the tableau, which the cases give as the base rank 13.
constexpr Game StHelena = static_cast<Game>(119);

const PlaceCase kStHelenaPlacing[] = {
    {"st helena: down in suit on a pile", StHelena, {{{"Fila1", "9H"}}, 13}, "8H2", "Fila1", true},
    {"st helena: up in suit on a pile", StHelena, {{{"Fila1", "9H"}}, 13}, "10H", "Fila1", true},
    {"st helena: not another suit", StHelena, {{{"Fila1", "9H"}}, 13}, "8D", "Fila1", false},
    {"st helena: not two ranks apart", StHelena, {{{"Fila1", "9H"}}, 13}, "7H", "Fila1", false},
    {"st helena: a queen on a king", StHelena, {{{"Fila2", "KC"}}, 13}, "QC2", "Fila2", true},
    {"st helena: no king on an ace", StHelena, {{{"Fila2", "AC"}}, 13}, "KC", "Fila2", false},
    {"st helena: no ace on a king", StHelena, {{{"Fila2", "KC"}}, 13}, "AC", "Fila2", false},
    {"st helena: a gap stays empty", StHelena, {{{"Fila3", ""}}, 13}, "KS", "Fila3", false},
    {"st helena: a king foundation builds down in suit from a side pile",
     StHelena,
     {{{"Dest1", "KH"}, {"Fila5", "QH"}}},
     "QH",
     "Dest1",
     true},
    {"st helena: a king foundation does not build up",
     StHelena,
     {{{"Dest1", "KH QH"}, {"Fila5", "KH2"}}},
     "KH2",
     "Dest1",
     false},
    {"st helena: a king foundation keeps its suit",
     StHelena,
     {{{"Dest1", "KH"}, {"Fila5", "QD"}}},
     "QD",
     "Dest1",
     false},
    {"st helena: an upper pile feeds a king",
     StHelena,
     {{{"Dest1", "KH"}, {"Fila4", "QH"}}},
     "QH",
     "Dest1",
     true},
    {"st helena: a lower pile does not feed a king",
     StHelena,
     {{{"Dest1", "KH"}, {"Fila7", "QH"}}},
     "QH",
     "Dest1",
     false},
    {"st helena: the last lower pile does not feed a king",
     StHelena,
     {{{"Dest4", "KS"}, {"Fila10", "QS"}}},
     "QS",
     "Dest4",
     false},
    {"st helena: a lower pile feeds an ace",
     StHelena,
     {{{"Dest5", "AH"}, {"Fila10", "2H"}}},
     "2H",
     "Dest5",
     true},
    {"st helena: an upper pile does not feed an ace",
     StHelena,
     {{{"Dest8", "AS"}, {"Fila1", "2S"}}},
     "2S",
     "Dest8",
     false},
    {"st helena: the right side pile feeds an ace",
     StHelena,
     {{{"Dest8", "AS"}, {"Fila6", "2S"}}},
     "2S",
     "Dest8",
     true},
    {"st helena: the left side pile feeds a king",
     StHelena,
     {{{"Dest2", "KD"}, {"Fila12", "QD"}}},
     "QD",
     "Dest2",
     true},
    {"st helena: after a redeal a lower pile feeds a king",
     StHelena,
     {{{"Dest1", "KH"}, {"Fila7", "QH"}}, 0, std::nullopt, 2},
     "QH",
     "Dest1",
     true},
    {"st helena: after a redeal an upper pile feeds an ace",
     StHelena,
     {{{"Dest8", "AS"}, {"Fila1", "2S"}}, 0, std::nullopt, 2},
     "2S",
     "Dest8",
     true},
};

INSTANTIATE_TEST_SUITE_P(StHelena, CataloguePlacing, ::testing::ValuesIn(kStHelenaPlacing),
                         CaseName<PlaceCase>);

// Backbone: the crosswise card (the third reserve) lies across the two columns (the first two):
// no column card is free while it is there, and no backbone card ever fills a gap.
constexpr Game Backbone = static_cast<Game>(661);

const PlaceCase kBackbonePlacing[] = {
    {"backbone: an ace from the waste starts a foundation",
     Backbone,
     {{{"Mazzo_Vis", "AH"}}},
     "AH",
     "Dest1",
     true},
    {"backbone: up in suit", Backbone, {{{"Dest1", "AH"}, {"Fila1", "2H"}}}, "2H", "Dest1", true},
    {"backbone: not another suit home", Backbone, {{{"Dest1", "AH"}, {"Fila1", "2S"}}}, "2S", "Dest1", false},
    {"backbone: a column's ace waits for the crosswise card",
     Backbone,
     {{{"Appogg1", "5C AS"}, {"Appogg3", "KD"}}},
     "AS",
     "Dest1",
     false},
    {"backbone: a column's ace goes home once the crosswise card is gone",
     Backbone,
     {{{"Appogg1", "5C AS"}}},
     "AS",
     "Dest1",
     true},
    {"backbone: the crosswise card is free",
     Backbone,
     {{{"Appogg1", "5C 9C"}, {"Appogg3", "AD"}}},
     "AD",
     "Dest2",
     true},
    {"backbone: down in suit", Backbone, {{{"Fila1", "10H"}, {"Mazzo_Vis", "9H"}}}, "9H", "Fila1", true},
    {"backbone: not another suit", Backbone, {{{"Fila1", "10H"}, {"Mazzo_Vis", "9D"}}}, "9D", "Fila1", false},
    {"backbone: not up", Backbone, {{{"Fila1", "10H"}, {"Mazzo_Vis", "JH"}}}, "JH", "Fila1", false},
    {"backbone: a column's card waits for the crosswise card on the piles too",
     Backbone,
     {{{"Fila1", "10H"}, {"Appogg2", "4S 9H"}, {"Appogg3", "KC"}}},
     "9H",
     "Fila1",
     false},
    {"backbone: a column's card builds once the crosswise card is gone",
     Backbone,
     {{{"Fila1", "10H"}, {"Appogg2", "4S 9H"}}},
     "9H",
     "Fila1",
     true},
    {"backbone: a gap takes a waste card", Backbone, {{{"Mazzo_Vis", "7C"}}}, "7C", "Fila3", true},
    {"backbone: a gap takes a pile card", Backbone, {{{"Fila1", "10H 7C"}}}, "7C", "Fila3", true},
    {"backbone: a gap never takes a column card", Backbone, {{{"Appogg1", "5C 7C"}}}, "7C", "Fila3", false},
    {"backbone: a gap never takes the crosswise card", Backbone, {{{"Appogg3", "7C"}}}, "7C", "Fila3", false},
    {"backbone: nothing goes back on the backbone",
     Backbone,
     {{{"Mazzo_Vis", "QS"}}},
     "QS",
     "Appogg3",
     false},
};

INSTANTIATE_TEST_SUITE_P(Backbone, CataloguePlacing, ::testing::ValuesIn(kBackbonePlacing),
                         CaseName<PlaceCase>);


// Big Ben's clock: twelve o'clock first, then one to eleven o'clock. The two of clubs stands at nine
// o'clock and the suits go round clubs, hearts, spades, diamonds up to the king of diamonds at eight.
TEST(CatalogueDeal, BigBenClockStartsWithTheTwoOfClubsAtNine) {
    const char* hours[] = {"5D", "6C", "7H", "8S", "9D", "10C", "JH", "QS", "KD", "2C", "3H", "4S"};
    for (const std::string& code : testing::SpreadDealCodes(6, 0x2545F4914F6CDD1Dull)) {
        Session s;
        InstallPlayHooks(s);
        testing::DealCatalogueGame(s, BigBen, code);
        if (::testing::Test::HasFatalFailure())
            return;
        for (size_t f = 0; f < 12; ++f) {
            const std::string& pile = s.Piles.FoundationPiles[f];
            ASSERT_GE(PileSize(pile), 1) << "Dest" << f + 1 << " code " << code;
            const int start = PileCard(pile, 0);
            EXPECT_EQ(CardSuit(start), CardSuit(Card(hours[f]))) << "Dest" << f + 1 << " code " << code;
            EXPECT_EQ(CardRank(start), CardRank(Card(hours[f]))) << "Dest" << f + 1 << " code " << code;
        }
    }
}

} // namespace
} // namespace quillon
