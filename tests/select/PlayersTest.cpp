#include "select/Players.h"
#include "common/TempFolder.h"
#include "model/ConfigFile.h"
#include "model/ParamString.h"
#include "model/Session.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

class PlayersTest : public ::testing::Test {
protected:
    PlayersTest() {
        s.DataFolder = dir.path();
        s.desktop = &desktop;
    }
    TempFolder dir;
    RecordingDesktop desktop;
    Session s;
};

TEST(PlayerNameValid, ForbiddenCharactersAnywhereInTheName) {
    struct Case {
        std::string name;
        bool valid;
    } cases[] = {
        {"Player 1", true},
        {"", true}, // emptiness is the name dialog's own check
        {" ", true},
        {"Ann-Marie (2nd) & Co.; 100% #1 'x' [a] {b} ~!@$^+=,`", true},
        {"\xc3\xa9lodie", true}, // letters beyond ASCII
        {"a\\b", false},
        {"a/b", false},
        {"a:b", false},
        {"*", false},
        {"Who?", false},
        {"\"quoted\"", false},
        {"<x", false},
        {"x>", false},
        {"a|b", false},
        {"tab\there", false},
        {std::string("nul\0x", 5), false},
        {"\x1f", false},
        {"\x7f", true},
        {std::string(200, 'a'), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayerNameValid(c.name), c.valid) << "[" << c.name << "]";
}

TEST(PlayerNameValid, MessagesOfTheNameDialog) {
    EXPECT_EQ(ForbiddenNameMessage(),
              "A Player name cannot contain any of the following characters: \\ / : * ? \" < > |");
    EXPECT_EQ(PlayerNameProblem(""), "Please enter at least 1 character.");
    EXPECT_EQ(PlayerNameProblem("a?"), ForbiddenNameMessage());
    EXPECT_EQ(PlayerNameProblem("Player 4"), "");
}

TEST_F(PlayersTest, NamesAreReadSortedWithoutEmptyValues) {
    dir.Write("Cfg.dat", "[Users]\r\nUser003=carol\r\nUser001=Bob\r\nUser002=\r\nUser005=alice\r\n"
                         "User020=Zed\r\nUser021=Beyond\r\nUser000=Zero\r\nUser4=Short\r\n");
    EXPECT_EQ(PlayerNames(s), (std::vector<std::string>{"alice", "Bob", "carol", "Zed"}));
}

TEST_F(PlayersTest, TwentyPlayersAreTheMost) {
    std::string cfg = "[Users]\r\n";
    for (int n = 1; n <= 21; ++n)
        cfg += "User" + FormatFixed(n, 3) + "=P" + FormatFixed(n, 2) + "\r\n";
    dir.Write("Cfg.dat", cfg);
    auto names = PlayerNames(s);
    ASSERT_EQ(names.size(), 20u);
    EXPECT_EQ(names.front(), "P01");
    EXPECT_EQ(names.back(), "P20");
}

TEST_F(PlayersTest, MissingConfigurationGivesNoPlayers) {
    EXPECT_TRUE(PlayerNames(s).empty());
    EXPECT_TRUE(CheckPlayerNames(s));
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(PlayersTest, DefaultPlayersPassTheCheck) {
    dir.Write("Cfg.dat", "[Users]\r\nUser001=Player 1\r\nUser002=Player 2\r\nUser003=Player 3\r\n");
    std::string offending = "untouched";
    EXPECT_TRUE(CheckPlayerNames(s, &offending));
    EXPECT_EQ(offending, "untouched");
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(PlayersTest, FirstBadNameInListOrderIsReported) {
    dir.Write("Cfg.dat", "[Users]\r\nUser001=Zoe?\r\nUser002=Player 1\r\nUser003=Bad|Name\r\n");
    std::string offending;
    EXPECT_FALSE(CheckPlayerNames(s, &offending));
    EXPECT_EQ(offending, "Bad|Name");
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              ForbiddenNameMessage() + "\n" + "Please rename the Player name:  " + "Bad|Name");
}

} // namespace
