#include "shell/Preferences.h"

#include "common/TempFolder.h"
#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::TempFolder;

struct PreferencesTest : ::testing::Test {
    TempFolder data;
    Session s;
    RecordingDesktop desktop;
    PreferencesTest() {
        s.DataFolder = data.path();
        s.desktop = &desktop;
    }
    void Config(const std::string& text) { data.Write("Cfg.dat", text); }
};

struct Expect {
    int position;
    int width;
    const char* value;
};

TEST_F(PreferencesTest, EmptyFileGivesTheDefaults) {
    Config("");
    PreferenceEffects fx = LoadPreferences(s);
    const Expect defaults[] = {
        {244, 1, "Y"},  {21, 3, "011"},       {24, 3, "001"},     {128, 1, "B"},      {43, 4, "0"},
        {47, 15, "32768"}, {28, 15, "-2147483633"}, {27, 1, "N"}, {135, 1, "Y"},      {246, 1, "N"},
        {260, 1, "N"},  {256, 1, "N"},        {259, 1, "N"},      {257, 1, "N"},      {258, 1, "N"},
        {62, 4, "0087"}, {189, 50, "Put-Them-In-Order (3x3 square)"}, {66, 1, "Y"}, {136, 1, "Y"},
        {67, 1, "Y"},   {178, 1, "Y"},        {179, 1, "N"},      {239, 1, "Y"},      {241, 1, "Y"},
        {242, 1, "Y"},  {68, 6, "20000"},     {74, 2, "10"},      {76, 1, "N"},       {77, 30, "Player 1"},
        {137, 1, "0"},  {185, 1, "N"},        {186, 1, "Y"},      {141, 1, "Y"},      {142, 1, "Y"},
        {143, 1, "Y"},  {181, 1, "Y"},        {182, 1, "Y"},      {174, 1, "Y"},      {180, 1, "Y"},
        {144, 1, "Y"},  {171, 1, "Y"},        {145, 1, "N"},      {175, 1, "Y"},      {183, 1, "Y"},
        {252, 1, "Y"},  {146, 1, "Y"},        {147, 1, "Y"},      {149, 1, "Y"},      {148, 1, "Y"},
        {176, 1, "Y"},  {184, 1, "Y"},        {177, 1, "Y"},      {151, 1, "Y"},      {152, 1, "N"},
        {187, 1, "N"},  {188, 1, "N"},        {243, 1, "Y"},      {245, 1, "N"},      {253, 1, "Y"},
        {255, 1, "Y"},  {247, 1, "N"},        {248, 1, "N"},      {249, 1, "Y"},      {251, 1, "N"},
        {172, 2, "10"}, {120, 2, "01"},
    };
    for (const auto& e : defaults)
        EXPECT_EQ(s.Params.ReadParam(e.position, e.width), e.value) << "position " << e.position;
    EXPECT_EQ(s.Game.StatisticsDisabled, 0);
    EXPECT_EQ(s.Game.HighlightFoundationsMark, 0);
    EXPECT_EQ(s.Game.AutoPlayAllGames, 1);
    EXPECT_EQ(s.Game.FastSearchType, 0);
    EXPECT_EQ(s.Game.RandomGameType, 2);
    EXPECT_TRUE(fx.toolbarLarge);
    EXPECT_TRUE(fx.toolbarFlat);
    EXPECT_EQ(fx.cursor, 10);
    EXPECT_EQ(fx.autoplay, PreferenceEffects::Autoplay::SwitchOn);
    EXPECT_FALSE(fx.cardSet4);
    // The three default players are written.
    EXPECT_EQ(ReadConfigString(s, "Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(ReadConfigString(s, "Users", "User001", ""), "Player 1");
    EXPECT_EQ(ReadConfigString(s, "Users", "User002", ""), "Player 2");
    EXPECT_EQ(ReadConfigString(s, "Users", "User003", ""), "Player 3");
    EXPECT_TRUE(desktop.advice.empty());
}

TEST_F(PreferencesTest, MissingFileIsCreatedByTheFirstWrite) {
    LoadPreferences(s);
    EXPECT_EQ(s.Params.ReadParam(77, 30), "Player 1");
    EXPECT_EQ(data.Read("Cfg.dat").empty(), false);
}

TEST_F(PreferencesTest, StoredValuesAndTheirRules) {
    Config("[Preference]\r\n"
           "Customized_Deck=mydeck\r\n"
           "Additional_Deck=\r\n"
           "RightClick_To_Foundations=Y\r\n"
           "Cursor=12\r\n"
           "Cards_Animate=N\r\n"
           "Back_Card=0\r\n"
           "Background_Col=0\r\n"
           "Background_bmp=\r\n"
           "Card=4\r\n"
           "Game=5\r\n"
           "Speed_Move_Card=abc\r\n"
           "UserDefault=Anna\r\n"
           "Disable_Statistics=Y\r\n"
           "AutoPlay_All_Games=2\r\n"
           "Show_Time=N\r\n"
           "[Settings]\r\n"
           "Random_Game_Type=7\r\n");
    PreferenceEffects fx = LoadPreferences(s);
    const Expect stored[] = {
        {256, 1, "Y"}, {259, 1, "N"},  {247, 1, "N"},    {172, 2, "12"},       {67, 1, "N"},
        {178, 1, "N"}, // shadows follow the animation when not stored
        {21, 3, "001"}, {28, 15, "-2147483633"}, {43, 4, "0"}, {24, 3, "004"}, {62, 4, "0005"},
        {74, 2, "10"}, // not a number: the default
        {77, 30, "Anna"}, {66, 1, "N"},
    };
    for (const auto& e : stored)
        EXPECT_EQ(s.Params.ReadParam(e.position, e.width), e.value) << "position " << e.position;
    EXPECT_EQ(fx.cursor, 12);
    EXPECT_TRUE(fx.cardSet4);
    EXPECT_FALSE(fx.showTime);
    EXPECT_EQ(s.Game.StatisticsDisabled, 1);
    EXPECT_EQ(s.Game.RandomGameType, 7);
    EXPECT_EQ(fx.autoplay, PreferenceEffects::Autoplay::ApplyGameChoice);
    EXPECT_EQ(ReadConfigString(s, "Users", "User001", "none"), "none") << "players exist already";
}

TEST_F(PreferencesTest, AutoplayFollowsItsSwitches) {
    struct Case {
        const char* file;
        PreferenceEffects::Autoplay expected;
    } cases[] = {
        {"[Preference]\nAutoPlay=N\n", PreferenceEffects::Autoplay::Unchanged},
        {"[Preference]\nAutoPlay=Y\n", PreferenceEffects::Autoplay::SwitchOn},
        {"[Preference]\nAutoPlay_All_Games=3\nAutoPlay=Y\n", PreferenceEffects::Autoplay::Unchanged},
        {"[Preference]\nAutoPlay_All_Games=2\nAutoPlay=N\n", PreferenceEffects::Autoplay::ApplyGameChoice},
    };
    for (const auto& c : cases) {
        Config(c.file);
        EXPECT_EQ(LoadPreferences(s).autoplay, c.expected) << c.file;
    }
}

TEST_F(PreferencesTest, LowColourDisplayAdvisesOnceAndUsesThePlainSet) {
    Config("");
    desktop.adviceTicked = true;
    LoadPreferences(s, false);
    EXPECT_EQ(s.Params.ReadParam(24, 3), "003");
    ASSERT_EQ(desktop.advice.size(), 1u);
    EXPECT_EQ(desktop.advice[0].substr(0, 43), "At this time your video driver supports 256");
    EXPECT_EQ(ReadConfigString(s, "Show_Messages", "Screen_Under_256_Colors", ""), "N");
    LoadPreferences(s, false);
    EXPECT_EQ(desktop.advice.size(), 1u) << "switched off by the tick";
}

TEST_F(PreferencesTest, ConfigNameComesFromTheParameterString) {
    data.Write("CFG.DAT", "[Preference]\r\nShow_Score=N\r\n");
    EXPECT_EQ(ReadConfigString(s, "preference", "show_score", "Y"), "N") << "names ignore case";
    s.Params.WriteParam(1, 20, "Other.dat");
    EXPECT_EQ(ReadConfigString(s, "Preference", "Show_Score", "Y"), "Y");
    EXPECT_TRUE(WriteConfigInteger(s, "Preference", "Speed", 7));
    EXPECT_EQ(ReadConfigInteger(s, "Preference", "Speed", 0), 7);
    EXPECT_EQ(data.Read("Other.dat").find("Speed=7"), data.Read("Other.dat").find("Speed"));
}

TEST_F(PreferencesTest, AdviceIsShownUntilSwitchedOff) {
    EXPECT_TRUE(ShowAdvice(s, "Big cards need room.", "Msg_Cards_Large", 2));
    EXPECT_EQ(ReadConfigString(s, "Show_Messages", "Msg_Cards_Large", "unset"), "unset");
    desktop.adviceTicked = true;
    EXPECT_TRUE(ShowAdvice(s, "Big cards need room.", "Msg_Cards_Large", 2));
    EXPECT_FALSE(ShowAdvice(s, "Big cards need room.", "Msg_Cards_Large", 2));
    EXPECT_EQ(desktop.advice.size(), 2u);
}

} // namespace
} // namespace quillon
