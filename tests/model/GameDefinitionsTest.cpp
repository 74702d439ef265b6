// Reading game definitions: the shifted file format, game-list queries, loading a game's column,
// custom games and their rule strings, damaged files.

#include "model/GameDefinitions.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

namespace quillon {
namespace {

// A private folder per test, removed afterwards.
struct TempFolder {
    std::string path;
    TempFolder() {
        std::string templ = (std::filesystem::temp_directory_path() / "qgdefXXXXXX").string();
        path = WithSlash(mkdtemp(templ.data()));
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    void Write(const std::string& name, const std::string& text) const {
        ASSERT_TRUE(WriteFileAtomic(path + name, text));
    }
};

// Builds a definition file by hand: game-list lines and attribute columns.
struct DatBuilder {
    std::vector<std::string> list;                 // plain game-list lines
    std::vector<std::map<int, std::string>> cells; // per column: attribute -> cell text
    std::vector<std::string> selection;
    int lastAttribute = 502;

    void Game(int group, int number, char edition, const std::string& name, bool needs800 = false) {
        char head[16];
        std::snprintf(head, sizeof head, "%03d %03d%c%c0", group, number, edition, needs800 ? '1' : '0');
        std::string n = name;
        n.resize(50, ' ');
        list.push_back(head + n);
        if (edition == '4')
            cells.emplace_back();
    }
    std::string MatrixLine(int a) const {
        std::string line = FormatFixed(a, 4) + std::string(12, ' ');
        for (const auto& col : cells) {
            auto it = col.find(a);
            std::string cell = it == col.end() ? "0" : it->second;
            cell.resize(10, ' ');
            line += Unshift(cell) + " ";
        }
        return line;
    }
    std::string Text() const {
        std::string out = "[Sect1]\r\n";
        for (const auto& l : list)
            out += Unshift(l) + "\r\n";
        out += "[Sect2]\r\n";
        for (int a = 1; a <= lastAttribute; ++a)
            out += MatrixLine(a) + "\r\n";
        out += "[SectS]\r\n";
        for (const auto& s : selection)
            out += Unshift(s) + "\r\n";
        return out;
    }
};

class GameFile : public ::testing::Test {
protected:
    TempFolder prog, data;
    Session s;
    RecordingDesktop* desk = nullptr;
    RecordingDesktop ownDesk;

    void SetUp() override {
        s.ProgramFolder = prog.path;
        s.DataFolder = data.path;
        s.desktop = &ownDesk;
        desk = &ownDesk;
    }
    void Install(const DatBuilder& b) {
        prog.Write("GAMES.DAT", b.Text());
        ASSERT_TRUE(ReadGameList(s));
    }
    void Select(int number) { s.Params.WriteParam(62, 4, FormatFixed(number, 4)); }
};

TEST(Unshift, RestoresBothHalvesOfThePrintableRange) {
    struct Case {
        unsigned char stored, plain;
    } cases[] = {{80, 32}, {127, 79}, {32, 80}, {79, 127}, {96, '0'}, {105, '9'}, {125, 'M'}, {'x', 'H'}};
    for (auto c : cases) {
        std::string in(1, static_cast<char>(c.stored));
        EXPECT_EQ(static_cast<unsigned char>(Unshift(in)[0]), c.plain) << int(c.stored);
    }
    const std::string text = "Put-Them-In-Order (3x3 square) 087 -1";
    EXPECT_EQ(Unshift(Unshift(text)), text);
    EXPECT_NE(Unshift(text), text);
}

TEST(ExtractSection, JoinsRepeatedSectionsAndStopsAtTheNextHeader) {
    std::vector<std::string> lines = {"x", "[Sect1]", "a", "b",       "[Other]", "c", "[Sect1] trailing",
                                      "d", "[sect1]", "e", "[Sect2]", "f"};
    EXPECT_EQ(ExtractSection(lines, "[Sect1]"), (std::vector<std::string>{"a", "b", "d"}));
    EXPECT_EQ(ExtractSection(lines, "[Sect2]"), (std::vector<std::string>{"f"}));
    EXPECT_TRUE(ExtractSection(lines, "[SectS]").empty());
}

TEST(SplitLines, AcceptsBothLineEndsAndAMissingLastOne) {
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST_F(GameFile, OnlyEditionFourLinesFormTheList) {
    DatBuilder b;
    b.Game(14, 87, '4', "Put-Them-In-Order (3x3 square)");
    b.Game(5, 101, '3', "Other Edition");
    b.Game(5, 102, '4', "Klondike");
    Install(b);
    ASSERT_EQ(s.Game.GameList.size(), 2u);
    EXPECT_EQ(GameColumn(s, 101), -1);
    EXPECT_EQ(GameName(s, 101), "");
    EXPECT_EQ(GameColumn(s, 102), 1);
    EXPECT_EQ(GameName(s, 102), "Klondike");
}

TEST_F(GameFile, GameListQueries) {
    DatBuilder b;
    b.Game(14, 1, '4', "Second At Index Zero");
    b.Game(7, 0, '4', "Zero");
    b.Game(14, 87, '4', "Put-Them-In-Order (3x3 square)");
    Install(b);
    struct Case {
        int number, column, group;
        std::string name;
    } cases[] = {
        {0, 1, 7, "Zero"},                  // the line at index 0 is game 1: found by the search
        {1, 0, 14, "Second At Index Zero"}, // index 1 holds game 0; found at 0
        {87, 2, 14, "Put-Them-In-Order (3x3 square)"},
        {88, -1, -1, ""},
        {-1, -1, -1, ""},
        {8000, -1, 800, ""}, // custom games have no line
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GameColumn(s, c.number), c.column) << c.number;
        EXPECT_EQ(GameGroup(s, c.number), c.group) << c.number;
        EXPECT_EQ(GameName(s, c.number), c.name) << c.number;
    }
    EXPECT_EQ(GameNumberByName(s, "put-them-in-order (3x3 square)"), 87);
    EXPECT_EQ(GameNumberByName(s, "PUT-THEM-IN-ORDER (3X3 SQUARE)   "), 87);
    EXPECT_EQ(GameNumberByName(s, "put-them-in-order"), -1);
}

TEST_F(GameFile, SecondGameReadsItsOwnColumn) {
    DatBuilder b;
    b.Game(14, 87, '4', "First");
    b.Game(5, 101, '4', "Second");
    b.cells[0][375] = "9";
    b.cells[1][375] = "7";
    b.cells[1][16] = "-1";
    b.cells[1][378] = "52";
    Install(b);
    // The second column's cell lies at characters 28-37.
    std::string line = b.MatrixLine(375);
    EXPECT_EQ(Unshift(line.substr(27, 10)), "7         ");
    Select(101);
    ASSERT_TRUE(LoadGameDefinition(s));
    EXPECT_EQ(s.Attr(375), 7);
    EXPECT_EQ(s.Attr(16), -1);
    EXPECT_EQ(s.Attr(378), 52);
    Select(87);
    ASSERT_TRUE(LoadGameDefinition(s));
    EXPECT_EQ(s.Attr(375), 9);
    EXPECT_EQ(s.Attr(16), 0);
    EXPECT_TRUE(desk->boxes.empty());
}

TEST_F(GameFile, LoadClearsWhatTheGameDoesNotSetAndTakesSavedAttributes) {
    DatBuilder b;
    b.Game(14, 87, '4', "First");
    b.cells[0][135] = "91";
    b.cells[0][174] = "5";
    b.cells[0][55] = "1";
    b.cells[0][70] = "13";
    Install(b);
    s.GameAttr[400] = 77;
    s.GameAttr[0] = 5;
    Select(87);
    ASSERT_TRUE(LoadGameDefinition(s));
    EXPECT_EQ(s.Attr(400), 0);
    EXPECT_EQ(s.Attr(0), 0);
    s.GameAttr[135] = 12; // the deal resolves 91 ...
    s.GameAttr[70] = 4;
    s.GameAttr[71] = 9; // ... and attributes outside the saved ranges stay as they are
    RestoreSavedAttributes(s);
    EXPECT_EQ(s.Attr(135), 91);
    EXPECT_EQ(s.Attr(174), 5);
    EXPECT_EQ(s.Attr(55), 1);
    EXPECT_EQ(s.Attr(70), 13);
    EXPECT_EQ(s.Attr(71), 9);
}

// Damaged files: the load stops at the bad line with the conversion message and keeps what it read.
TEST_F(GameFile, DamagedMatrixStopsTheLoadWithTheConversionMessage) {
    struct Case {
        const char* what;
        std::function<std::string(DatBuilder&)> damage;
        std::string message;
        int keptAttribute; // read before the damage
        int lostAttribute; // after it
    } cases[] = {
        {"empty cell",
         [](DatBuilder& b) {
             b.cells[0][30] = "";
             return b.Text();
         },
         "'' is not a valid integer value", 29, 31},
        {"letters in a cell",
         [](DatBuilder& b) {
             b.cells[0][30] = "12x";
             return b.Text();
         },
         "'12x' is not a valid integer value", 29, 31},
        {"value beyond 16 bits",
         [](DatBuilder& b) {
             b.cells[0][30] = "40000";
             return b.Text();
         },
         "'40000' is not a valid integer value", 29, 31},
        {"index not a number",
         [](DatBuilder& b) {
             std::string t = b.Text();
             size_t p = t.find("\r\n0030");
             t.replace(p + 2, 4, "00x0");
             return t;
         },
         "'00x0' is not a valid integer value", 29, 31},
        {"truncated line",
         [](DatBuilder& b) {
             std::string t = b.Text();
             size_t p = t.find("\r\n0030");
             size_t e = t.find("\r\n", p + 2);
             t.erase(p + 2 + 20, e - (p + 2 + 20)); // cut inside the first cell
             return t;
         },
         "'31' is not a valid integer value", 29, 31},
    };
    for (auto& c : cases) {
        DatBuilder b;
        b.Game(14, 87, '4', "First");
        for (int a = 1; a <= 502; ++a)
            b.cells[0][a] = std::to_string(a % 100 + 1);
        std::string text = c.damage(b);
        prog.Write("GAMES.DAT", text);
        desk->boxes.clear();
        ASSERT_TRUE(ReadGameList(s)) << c.what;
        Select(87);
        EXPECT_FALSE(LoadGameDefinition(s)) << c.what;
        ASSERT_EQ(desk->boxes.size(), 1u) << c.what;
        EXPECT_EQ(desk->boxes[0].text, c.message) << c.what;
        EXPECT_EQ(s.Attr(c.keptAttribute), c.keptAttribute % 100 + 1) << c.what;
        EXPECT_EQ(s.Attr(c.lostAttribute), 0) << c.what;
    }
}

TEST_F(GameFile, MissingMatrixOrUnknownGameLoadsNothing) {
    DatBuilder b;
    b.Game(14, 87, '4', "First");
    b.cells[0][375] = "9";
    std::string text = b.Text();
    text.erase(text.find("[Sect2]"), text.find("[SectS]") - text.find("[Sect2]"));
    prog.Write("GAMES.DAT", text);
    ASSERT_TRUE(ReadGameList(s));
    Select(87);
    EXPECT_FALSE(LoadGameDefinition(s));
    EXPECT_EQ(s.Attr(375), 0);
    ASSERT_EQ(desk->boxes.size(), 1u);
    EXPECT_EQ(desk->boxes[0].text, kNoAttributesText);
    desk->boxes.clear();

    Install(b);
    s.GameAttr[375] = 3;
    Select(88);
    EXPECT_FALSE(LoadGameDefinition(s));
    EXPECT_EQ(s.Attr(375), 0);
    EXPECT_TRUE(desk->boxes.empty());
}

TEST_F(GameFile, MissingFileShowsTheStartUpErrorBox) {
    EXPECT_FALSE(ReadGameList(s));
    EXPECT_TRUE(s.Game.GameList.empty());
    ASSERT_EQ(desk->boxes.size(), 1u);
    EXPECT_EQ(desk->boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(desk->boxes[0].caption, "Error");
    EXPECT_EQ(desk->boxes[0].text,
              "Cannot find file:\n" + prog.path +
                  "GAMES.DAT\nCopy the file into the directory that above is specified\nor "
                  "reinstall the program.");
}

TEST_F(GameFile, FileNameIsFoundWithoutRegardToCase) {
    DatBuilder b;
    b.Game(14, 87, '4', "First");
    prog.Write("games.dat", b.Text());
    EXPECT_TRUE(ReadGameList(s));
    EXPECT_EQ(GameColumn(s, 87), 0);
}

TEST_F(GameFile, ReadGameAttributesByLinePosition) {
    DatBuilder b;
    b.Game(14, 87, '4', "First");
    b.Game(5, 101, '4', "Second");
    b.cells[1][497] = "2";
    b.cells[1][378] = "104";
    b.cells[1][16] = "-1";
    Install(b);
    EXPECT_EQ(ReadGameAttributes(s, 101, {497, -1, 378, 16, 1}), (std::vector<int>{2, -99, 104, -1, 0}));
    // At most nine values.
    EXPECT_EQ(ReadGameAttributes(s, 101, std::vector<int>(12, 378)).size(), 9u);
    EXPECT_EQ(ReadGameAttributes(s, 555, {378}), (std::vector<int>{0}));

    // A file whose lines are out of order still answers by attribute number.
    std::string text = b.Text();
    std::string l378 = b.MatrixLine(378) + "\r\n", l379 = b.MatrixLine(379) + "\r\n";
    size_t p = text.find(l378);
    text.replace(p, l378.size() + l379.size(), l379 + l378);
    prog.Write("GAMES.DAT", text);
    EXPECT_EQ(ReadGameAttributes(s, 101, {378, 16}), (std::vector<int>{104, -1}));
    Select(101);
    EXPECT_TRUE(LoadGameDefinition(s)); // the load goes by the index in each line
    EXPECT_EQ(s.Attr(378), 104);
}

TEST_F(GameFile, SelectionListsTheShiftedNumbers) {
    DatBuilder b;
    b.Game(14, 87, '4', "First");
    b.selection = {"87", "101 ", "x"};
    Install(b);
    EXPECT_EQ(ReadSelection(s), (std::vector<int>{87, 101}));
}

TEST_F(GameFile, SmallScreenRefusesWideGamesWithTheMessage) {
    DatBuilder b;
    b.Game(14, 87, '4', "Narrow");
    b.Game(5, 106, '4', "Spider", true);
    Install(b);
    data.Write("GAM_CUST.DAT", "header\r\n8001My Spider" + std::string(50 - 9, ' ') + "0106\r\n\r\n");
    struct Case {
        int number, width;
        bool ok;
    } cases[] = {
        {106, 650, true}, {106, 649, false}, {87, 640, true}, {8001, 640, false}, {8001, 1024, true}};
    for (auto c : cases) {
        desk->boxes.clear();
        EXPECT_EQ(CanPlayOnSmallScreen(s, c.number, c.width), c.ok) << c.number << " " << c.width;
        EXPECT_EQ(desk->boxes.size(), c.ok ? 0u : 1u);
    }
    desk->boxes.clear();
    CanPlayOnSmallScreen(s, 106, 640);
    ASSERT_EQ(desk->boxes.size(), 1u);
    EXPECT_EQ(desk->boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(desk->boxes[0].text,
              "Your video card's display is 640x480 pixels.\nYou can't play: Spider\nPlease set "
              "your screen resolution to 800x600 pixels or higher.");
}

// Custom games: records of thirty lines after a header line.
std::string CustomRecord(int number, const std::string& name, int base, const std::string& rules) {
    std::string n = name;
    n.resize(50, ' ');
    std::string rec = FormatFixed(number, 4) + n + FormatFixed(base, 4) + "\r\n" + rules + "\r\n";
    for (int i = 0; i < 28; ++i)
        rec += "filler " + std::to_string(i) + "\r\n";
    return rec;
}

TEST_F(GameFile, CustomGameListIsSortedByNameAndBaseIsFoundByNumber) {
    data.Write("GAM_CUST.DAT", "header\r\n" + CustomRecord(8002, "Zeta", 101, "0030011") +
                                   CustomRecord(8001, "alpha", 87, "0010022extra") +
                                   CustomRecord(8003, "Mid", 5, ""));
    CustomGames list = CustomGameList(s);
    ASSERT_EQ(list.names.size(), 3u);
    EXPECT_EQ(list.names[0].substr(0, 5), "alpha"); // names sort without regard to case
    EXPECT_EQ(list.names[0].size(), 50u);
    EXPECT_EQ(list.numbers, (std::vector<std::string>{"8001", "8003", "8002"}));
    EXPECT_EQ(list.bases, (std::vector<std::string>{"0087", "0005", "0101"}));
    EXPECT_EQ(list.rules, (std::vector<std::string>{"0010022", "", "0030011"}));
    EXPECT_EQ(CustomGameBase(s, 8002).base, 101);
    EXPECT_EQ(CustomGameBase(s, 8001).rules, "0010022extra");
    EXPECT_EQ(CustomGameBase(s, 8009).base, -1);
    EXPECT_EQ(CustomGameBase(s, 101).base, -1); // a base number is no custom game
}

TEST_F(GameFile, MissingCustomFileMeansNoCustomGames) {
    EXPECT_TRUE(CustomGameList(s).names.empty());
    EXPECT_EQ(CustomGameBase(s, 8000).base, -1);
}

TEST(CustomRules, RuleStringChangesTheNamedAttributes) {
    struct Case {
        const char* rules;
        std::map<int, int> expect; // attribute -> value after the rules
    } cases[] = {
        // Stock pair: cards per click, then passes.
        {"003002", {{24, 3}, {16, 2}}},
        {"xx3002", {{24, 1}, {16, 1}}}, // first field not a number: the second is not read
        {"003xx2", {{24, 3}, {16, 1}}},
        // Empty tableau piles: only the game's tableau piles change.
        {"      1", {{135, 91}, {137, 91}, {138, 7}}},
        {"      2", {{135, -1}, {137, -1}, {138, 7}}},
        {"      3", {{135, 0}, {137, 0}}},
        {"      4", {{135, 5}, {137, 5}}},
        // Tableau direction and rule: 0<->1, rules 1->3, 3->1, 4->21, others as given.
        {"       00001", {{175, 1}, {177, 1}, {178, 8}, {215, 3}, {217, 3}, {218, 8}}},
        {"       01003", {{175, 0}, {215, 1}}},
        {"       05004", {{175, 5}, {215, 21}}},
        {"       01009", {{175, 0}, {215, 9}}},
        {"       -1004", {{175, 8}, {215, 21}}}, // direction -1 changes nothing, the rule still applies
        {"       00-01", {{175, 1}, {215, 8}}},  // rule -1 changes nothing
        {"       xx004", {{175, 8}, {215, 8}}},  // direction not a number: the rule is not read
        {"       01", {{175, 0}, {215, 8}}},     // string ends: the rule counts as -1
        // Foundation direction and rule, over the game's foundations only.
        {"            00003", {{71, 1}, {72, 1}, {73, 8}, {87, 1}, {88, 1}, {89, 8}}},
        {"", {{24, 1}, {16, 1}, {135, 5}, {175, 8}, {215, 8}, {71, 8}, {87, 8}}},
    };
    for (const auto& c : cases) {
        Session s;
        s.GameAttr[375] = 3;
        s.GameAttr[374] = 2;
        s.GameAttr[24] = 1;
        s.GameAttr[16] = 1;
        for (int i = 0; i < 40; ++i) {
            s.GameAttr[135 + i] = i < 3 ? 5 : 7;
            s.GameAttr[175 + i] = 8;
            s.GameAttr[215 + i] = 8;
        }
        for (int i = 0; i < 16; ++i) {
            s.GameAttr[71 + i] = 8;
            s.GameAttr[87 + i] = 8;
        }
        ApplyCustomRules(s, c.rules);
        for (auto [attr, value] : c.expect)
            EXPECT_EQ(s.Attr(attr), value) << "rules '" << c.rules << "' attribute " << attr;
    }
}

TEST_F(GameFile, CustomGameLoadsItsBaseColumnAndAppliesItsRules) {
    DatBuilder b;
    b.Game(14, 87, '4', "Base A");
    b.Game(5, 101, '4', "Base B");
    b.cells[1][375] = "7";
    b.cells[1][135] = "13";
    b.cells[1][141] = "13";
    b.cells[1][142] = "13"; // beyond the seven piles
    Install(b);
    data.Write("GAM_CUST.DAT", "header\r\n" + CustomRecord(8005, "No Gaps", 101, "      2"));
    Select(8005);
    ASSERT_TRUE(LoadGameDefinition(s));
    EXPECT_EQ(s.Attr(375), 7);
    EXPECT_EQ(s.Attr(135), -1);
    EXPECT_EQ(s.Attr(141), -1);
    EXPECT_EQ(s.Attr(142), 13);
    // The rule string's changes are what a new deal restores.
    s.GameAttr[135] = 4;
    RestoreSavedAttributes(s);
    EXPECT_EQ(s.Attr(135), -1);
}

TEST(ExpandPlaceholders, ReplacesTheFirstOccurrenceOfEach) {
    struct Case {
        const char *in, *out;
    } cases[] = {
        {"A&bout [Program]...", "A&bout Quillon 2003..."},
        {"[Program] [Program]", "Quillon 2003 [Program]"},
        {"[GameNum_fw] games", "6 games"},
        {"[program]", "[program]"},
        {"", ""},
        {"[Program][GameNum_fw]", "Quillon 20036"},
    };
    for (auto c : cases)
        EXPECT_EQ(ExpandPlaceholders(c.in), c.out) << c.in;
}

} // namespace
} // namespace quillon
