// The game-definition compiler: what it refuses, what it writes, and the round trip through the
// program's own reader and back through the dumper.

#include "GamesDatCompiler.h"
#include "AttributeNames.h"

#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

#include "platform/Files.h"

namespace quillon::gamesdat {
namespace {

const std::string kPuzzle = R"toml(
number = 87
name = "Put-Them-In-Order (3x3 square)"
group = 14
selected = true
family = 34
score.win = 28
[deal]
family = 9
[deck]
cards = 52
[grid]
width = 3
[tableau]
count = 9
deal = 1
face = 1
rule = 70
[layout.tableau]
row = 1
arrangement = "124"
)toml";

GameSource Parse(const std::string& toml, std::vector<CompileError>& errors,
                 const std::string& file = "game.toml") {
    auto g = ParseGameSource(toml, file, errors);
    return g ? *g : GameSource{};
}

GameSource ParseOk(const std::string& toml) {
    std::vector<CompileError> errors;
    auto g = ParseGameSource(toml, "game.toml", errors);
    EXPECT_TRUE(g.has_value());
    for (const auto& e : errors)
        ADD_FAILURE() << e.Text();
    return g ? *g : GameSource{};
}

TEST(AttributeNames, NamesAreUniqueAndRangesDoNotOverlap) {
    std::set<std::string_view> names;
    std::vector<int> owner(kAttributeSlots, 0);
    for (const auto& n : AttributeNames()) {
        EXPECT_TRUE(names.insert(n.name).second) << n.name;
        EXPECT_GE(n.first, 0);
        EXPECT_LE(n.first + n.count - 1, 502) << n.name;
        EXPECT_EQ(n.count > 1, n.group != PileGroup::None) << n.name;
        for (int a = n.first; a < n.first + n.count; ++a)
            EXPECT_EQ(owner[static_cast<size_t>(a)]++, 0)
                << "attribute " << a << " named twice (" << n.name << ")";
    }
    struct Case {
        const char* name;
        int first, count;
    } cases[] = {{"tableau.count", 375, 1},
                 {"tableau.rule", 215, 40},
                 {"family", 54, 1},
                 {"foundation.base", 55, 16},
                 {"foundation.direction", 71, 16},
                 {"foundation.rule", 87, 16},
                 {"tableau.empty", 135, 40},
                 {"tableau.direction", 175, 40},
                 {"tableau.wrap", 255, 40},
                 {"reserve.kind", 335, 12},
                 {"tableau.deal", 382, 40},
                 {"tableau.face", 422, 40},
                 {"reserve.deal", 463, 12},
                 {"reserve.face", 475, 12},
                 {"deck.cards", 378, 1},
                 {"layout.stock.row", 363, 1},
                 {"layout.stock.arrangement", 362, 1},
                 {"layout.reserve.row", 369, 1},
                 {"layout.reserve.arrangement", 370, 1}};
    for (auto c : cases) {
        const AttributeName* n = FindAttributeName(c.name);
        ASSERT_NE(n, nullptr) << c.name;
        EXPECT_EQ(n->first, c.first) << c.name;
        EXPECT_EQ(n->count, c.count) << c.name;
    }
    int index = -1;
    EXPECT_EQ(FindAttributeByNumber(254, &index)->name, "tableau.rule");
    EXPECT_EQ(index, 39);
    EXPECT_EQ(FindAttributeByNumber(9), nullptr);
}

TEST(Compiler, SymbolicNamesListsAndSingleValues) {
    GameSource g = ParseOk(kPuzzle);
    EXPECT_EQ(g.number, 87);
    EXPECT_EQ(g.edition, 4);
    EXPECT_TRUE(g.selected);
    EXPECT_EQ(g.attr[375], 9);
    EXPECT_EQ(g.attr[36], 9);
    EXPECT_EQ(g.attr[30], 3);
    EXPECT_EQ(g.attr[54], 34);
    EXPECT_EQ(g.attr[53], 28);
    EXPECT_EQ(g.attr[366], 124);
    EXPECT_EQ(g.attr[367], 1);
    // A single value fills the game's nine piles and no more.
    EXPECT_EQ(g.attr[215], 70);
    EXPECT_EQ(g.attr[223], 70);
    EXPECT_EQ(g.attr[224], 0);
    EXPECT_EQ(g.attr[382 + 8], 1);
    EXPECT_EQ(g.attr[382 + 9], 0);

    GameSource lists = ParseOk(R"toml(
number = 5
name = "Lists"
[deck]
cards = 52
[tableau]
count = 3
deal = [3, 0, 1005]
[attributes]
"9" = -7
"502" = 32767
)toml");
    EXPECT_EQ(lists.attr[382], 3);
    EXPECT_EQ(lists.attr[383], 0);
    EXPECT_EQ(lists.attr[384], 1005);
    EXPECT_EQ(lists.attr[9], -7);
    EXPECT_EQ(lists.attr[502], 32767);
}

// Every refusal names the file, the field and the reason.
TEST(Compiler, RefusesBadGames) {
    struct Case {
        std::string toml;
        std::string field;
        std::string reasonPart;
    } cases[] = {
        {"[tableau]\ncount = 41", "tableau.count", "outside 0..40"},
        {"[foundation]\ncount = 17", "foundation.count", "outside 0..16"},
        {"[reserve]\ncount = 13", "reserve.count", "outside 0..12"},
        {"[tableau]\ncount = -1", "tableau.count", "outside"},
        {"[deck]\ncards = 60", "deck.cards", "not 52, 104, 156 or 208"},
        {"[tableau]\ncount = 2\ndeal = [30, 30]", "deal", "needs 60 cards but the deck holds 52"},
        {"[tableau]\ncount = 2\ndeal = [30, 22]\n[stock]\ndeal = 1", "deal", "needs 53 cards"},
        {"[deal]\nfamily = 9\n[tableau]\ncount = 9\ndeal = 2", "deal", "needs 18 cards but the deck holds 9"},
        {"[deck]\ncards = 52\nshort = 1\n[stock]\ndeal = 33", "deal", "holds 32"},
        {"[tableau]\ncount = 1\ndeal = 1500", "tableau.deal[0]", "is not a deal count"},
        {"[tableau]\ncount = 1\ndeal = 1501", "tableau.deal[0]", "not that many jokers"},
        {"[stock]\ndeal = -3", "stock.deal", "is not a deal count"},
        {"[attributes]\n\"40\" = 32768", "attributes.40", "does not fit 16 bits"},
        {"[tableau]\ncount = 1\nrule = [-40000]", "tableau.rule[0]", "does not fit 16 bits"},
        {"[layout.tableau]\narrangement = \"999\"", "layout.tableau.arrangement", "unknown arrangement 999"},
        {"[layout.stock]\narrangement = 124", "layout.stock.arrangement", "unknown arrangement 124"},
        {"[layout.tableau]\narrangement = \"12a\"", "layout.tableau.arrangement", "not a three-digit number"},
        {"[layout.tableau]\nrow = 10", "layout.tableau.row", "not a row digit"},
        {"[tableau]\ncount = 2\nrules = 3", "tableau.rules", "unknown field"},
        {"[attributes]\n\"503\" = 1", "attributes.503", "not an attribute number"},
        {"[attributes]\n\"375\" = 1\n[tableau]\ncount = 1", "tableau.count", "given twice"},
        {"[tableau]\ncount = 2\nrule = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, "
         "20, 21, 22, 23, "
         "24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41]",
         "tableau.rule", "at most 40"},
        {"[tableau]\ncount = \"nine\"", "tableau.count", "expected an integer"},
        {"needs_800 = 1", "needs_800", "expected true or false"},
        {"edition = 12", "edition", "outside 0..9"},
        {"[tableau]\ncount = 2\n[tableau", "line 5", "expected ']'"},
    };
    for (const auto& c : cases) {
        std::vector<CompileError> errors;
        std::string toml = "number = 5\nname = \"Bad\"\n" + c.toml;
        if (toml.find("cards") == std::string::npos)
            toml += "\n[deck]\ncards = 52\n";
        // A refusal at parse time or at the check: either way the game does not compile.
        auto g = ParseGameSource(toml, "bad.toml", errors);
        if (g)
            ValidateCatalogue({*g}, errors);
        ASSERT_FALSE(errors.empty()) << c.toml;
        bool found = false;
        for (const auto& e : errors)
            if (e.file == "bad.toml" && e.field == c.field &&
                e.reason.find(c.reasonPart) != std::string::npos)
                found = true;
        EXPECT_TRUE(found) << c.toml << "\n first error: " << errors[0].Text();
    }
}

TEST(Compiler, RefusesLongNamesDuplicatesAndMissingFields) {
    std::vector<CompileError> errors;
    GameSource a = Parse(kPuzzle, errors, "a.toml");
    GameSource b = Parse(kPuzzle, errors, "b.toml");
    ASSERT_TRUE(errors.empty());
    ValidateCatalogue({a, b}, errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Text(), "b.toml: number: game number 87 is also used by a.toml");

    errors.clear();
    GameSource longName = a;
    longName.name = std::string(51, 'x');
    ValidateGame(longName, errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].field, "name");
    errors.clear();
    longName.name = std::string(50, 'x');
    ValidateGame(longName, errors);
    EXPECT_TRUE(errors.empty());
    longName.name = "Caf\xc3\xa9";
    ValidateGame(longName, errors);
    EXPECT_EQ(errors.size(), 1u);

    errors.clear();
    EXPECT_FALSE(ParseGameSource("name = \"No number\"", "n.toml", errors).has_value());
    EXPECT_FALSE(ParseGameSource("number = 3", "m.toml", errors).has_value());
    EXPECT_EQ(errors.size(), 2u);
}

TEST(Compiler, AcceptsTheBoundaries) {
    struct Case {
        const char* toml;
    } cases[] = {
        {"[foundation]\ncount = 16\n[tableau]\ncount = 40\n[reserve]\ncount = 12"},
        {"[deck]\ncards = 208\n[tableau]\ncount = 1\ndeal = 208"},
        {"[deck]\ncards = 104\nwith_jokers = 1\njokers = 4\n[tableau]\ncount = 2\ndeal = [104, 1504]"},
        {"[tableau]\ncount = 1\ndeal = 1013"},
        {"[attributes]\n\"40\" = -32768"},
        {"[layout.tableau]\nrow = 0\narrangement = \"000\""},
    };
    for (auto c : cases) {
        std::vector<CompileError> errors;
        std::string toml = std::string("number = 5\nname = \"Edge\"\n") + c.toml;
        if (toml.find("cards") == std::string::npos)
            toml += "\n[deck]\ncards = 52\n";
        auto g = ParseGameSource(toml, "edge.toml", errors);
        ASSERT_TRUE(g.has_value()) << c.toml;
        ValidateGame(*g, errors);
        for (const auto& e : errors)
            ADD_FAILURE() << c.toml << ": " << e.Text();
    }
}

// Compiled files are read by the program's own reader.
TEST(Compiler, RoundTripThroughTheProgramsReader) {
    GameSource a = ParseOk(kPuzzle);
    GameSource b = ParseOk(R"toml(
number = 3
name = "Three"
group = 7
needs_800 = true
new_game = true
[deck]
cards = 104
[stock]
passes = -1
[attributes]
"502" = -32768
)toml");
    GameSource c = ParseOk("number = 500\nname = \"Old edition\"\nedition = 3\n[deck]\ncards = 52\n");
    std::string dat = WriteGamesDat({a, b, c});
    Session s;
    RecordingDesktop desk;
    s.desktop = &desk;
    s.Game.GameList = GameListFromText(dat);
    ASSERT_EQ(s.Game.GameList.size(), 2u); // game 500 is of another edition
    EXPECT_EQ(GameColumn(s, 3), 0);        // ordered by game number
    EXPECT_EQ(GameColumn(s, 87), 1);
    EXPECT_EQ(GameColumn(s, 500), -1);
    EXPECT_EQ(GameName(s, 87), "Put-Them-In-Order (3x3 square)");
    EXPECT_EQ(GameGroup(s, 3), 7);
    EXPECT_EQ(s.Game.GameList[0][8], '1');
    EXPECT_EQ(s.Game.GameList[0][9], '1');
    for (int number : {3, 87}) {
        s.Params.WriteParam(62, 4, FormatFixed(number, 4));
        ASSERT_TRUE(LoadGameDefinitionFromText(s, dat));
        const GameSource& src = number == 3 ? b : a;
        for (int attr = 1; attr <= 502; ++attr)
            ASSERT_EQ(s.Attr(attr), src.attr[static_cast<size_t>(attr)]) << number << " attribute " << attr;
    }
    EXPECT_TRUE(desk.boxes.empty());
    // The selection lists the games marked for it.
    auto sel = ExtractSection(SplitLines(dat), "[SectS]");
    ASSERT_EQ(sel.size(), 1u);
    EXPECT_EQ(Unshift(sel[0]), "87");
}

TEST(Compiler, DumpAndCompileAgainGiveTheSameFile) {
    GameSource a = ParseOk(kPuzzle);
    GameSource b = ParseOk(R"toml(
number = 101
name = "Quote \" and backslash \\"
[deck]
cards = 52
[stock]
piles = 2
deal = 24
[foundation]
count = 4
base = 1
[tableau]
count = 7
deal = [1, 2, 3, 4, 5, 6, 7]
face = 1
[layout.stock]
arrangement = "004"
[attributes]
"9" = 4
"130" = -2
)toml");
    std::string dat = WriteGamesDat({a, b});
    std::vector<CompileError> errors;
    auto back = ReadGamesDatText(dat, errors);
    ASSERT_TRUE(errors.empty());
    ASSERT_EQ(back.size(), 2u);
    std::vector<GameSource> again;
    for (const auto& g : back) {
        std::string toml = ToToml(g);
        auto parsed = ParseGameSource(toml, "dump.toml", errors);
        ASSERT_TRUE(parsed.has_value()) << toml << (errors.empty() ? "" : errors[0].Text());
        again.push_back(*parsed);
    }
    EXPECT_EQ(WriteGamesDat(again), dat);
    EXPECT_EQ(again[1].name, "Quote \" and backslash \\");
}

TEST(Compiler, DumpReportsDamage) {
    std::string dat = WriteGamesDat({ParseOk(kPuzzle)});
    size_t p = dat.find("\r\n0375");
    dat.replace(p + 2 + 16, 1, "!"); // a cell that is not a number
    std::vector<CompileError> errors;
    auto back = ReadGamesDatText(dat, errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].field, "attribute 375");
    EXPECT_EQ(back.size(), 1u);
}

TEST(Compiler, CardsKeptFollowTheFilters) {
    struct Case {
        const char* toml;
        int kept;
    } cases[] = {
        {"[deck]\ncards = 52", 52},
        {"[deck]\ncards = 104\nshort = 1", 64},
        {"[deck]\ncards = 52\nshort = 2", 28},
        {"[deck]\ncards = 52\nwith_jokers = 1\njokers = 2", 54},
        {"[deck]\ncards = 52\njokers = 2", 52},
        {"[deck]\ncards = 52\n[deal]\nfamily = 16", 44},
        {"[deck]\ncards = 104\n[deal]\nfamily = 12\n[tableau]\ncount = 4", 24},
        {"[deck]\ncards = 52\n[deal]\nfamily = 11\n[tableau]\ncount = 20", 13},
    };
    for (auto c : cases) {
        GameSource g = ParseOk(std::string("number = 1\nname = \"k\"\n") + c.toml);
        EXPECT_EQ(CardsKept(g), c.kept) << c.toml;
    }
}

// The compiler program: it writes the file only when every game is accepted, and names each refusal.
TEST(CompilerProgram, WritesNothingWhenAGameIsRefused) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("qgdc" + std::to_string(::getpid()));
    fs::create_directories(dir);
    auto write = [&](const std::string& name, const std::string& text) {
        ASSERT_TRUE(WriteFileAtomic((dir / name).string(), text));
    };
    write("good.toml", kPuzzle);
    write("bad.toml", "number = 5\nname = \"Bad\"\n[deck]\ncards = 60\n[tableau]\ncount = 41\n");
    auto run = [&](const std::string& args) {
        std::string cmd = std::string(QUILLON_GAMESDAT_PATH) + " " + args + " 2>&1";
        FILE* p = popen(cmd.c_str(), "r");
        std::string out;
        char buf[256];
        while (p && fgets(buf, sizeof buf, p))
            out += buf;
        int status = p ? pclose(p) : -1;
        return std::make_pair(out, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    };
    const std::string out = (dir / "OUT.DAT").string();
    auto [text, status] =
        run("compile " + out + " " + (dir / "good.toml").string() + " " + (dir / "bad.toml").string());
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_NE(text.find("bad.toml: deck.cards: 60 is not 52, 104, 156 or 208"), std::string::npos) << text;
    EXPECT_NE(text.find("bad.toml: tableau.count: 41 is outside 0..40"), std::string::npos) << text;

    std::tie(text, status) = run("compile " + out + " " + (dir / "good.toml").string());
    EXPECT_EQ(status, 0) << text;
    ASSERT_TRUE(fs::exists(out));
    std::tie(text, status) = run("dump " + out + " 87");
    EXPECT_EQ(status, 0);
    EXPECT_NE(text.find("name = \"Put-Them-In-Order (3x3 square)\""), std::string::npos) << text;
    EXPECT_NE(text.find("layout.tableau.arrangement = \"124\""), std::string::npos) << text;
    std::tie(text, status) = run("dump " + (dir / "missing.DAT").string());
    EXPECT_EQ(status, 1);
    std::tie(text, status) = run("frobnicate");
    EXPECT_EQ(status, 2);
    fs::remove_all(dir);
}

} // namespace
} // namespace quillon::gamesdat
