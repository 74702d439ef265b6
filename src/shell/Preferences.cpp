#include "shell/Preferences.h"

#include "model/ConfigFile.h"
#include "model/Session.h"

namespace quillon {

namespace {

constexpr const char* kPreference = "Preference";

const char kLowColourAdvice[] =
    "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
    "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \n"
    "If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen "
    "resolution using the Display Properties Settings in the Control Panel.";

enum class Kind {
    Text,      // stored as it is
    Fixed,     // an integer written with FormatFixed
    Decimal,   // an integer written as plain decimal text
    NonEmpty,  // "Y" when the stored text is not empty, else "N"
};

struct Key {
    const char* name;
    Kind kind;
    const char* def; // text default, or the decimal default of an integer
    int position;
    int width;
};

// Keys that go straight into the parameter string, in loading order. The keys with rules of their
// own are handled between these groups by LoadPreferences.
const Key kAppearance[] = {
    {"Card_Size", Kind::Text, "B", 128, 1},
    {"Background_bmp", Kind::Text, "", 43, 4},
    {"Background_Fixed_Col", Kind::Decimal, "32768", 47, 15},
    {"Background_Col", Kind::Decimal, "-2147483633", 28, 15},
    {"Background_def", Kind::Text, "N", 27, 1},
    {"Fade_Background", Kind::Text, "Y", 135, 1},
    {"Customized_Background", Kind::NonEmpty, "", 246, 1},
    {"Additional_Background", Kind::NonEmpty, "", 260, 1},
    {"Customized_Deck", Kind::NonEmpty, "", 256, 1},
    {"Additional_Deck", Kind::NonEmpty, "", 259, 1},
    {"Customized_Cards_Set", Kind::NonEmpty, "", 257, 1},
    {"Additional_Cards_Set", Kind::NonEmpty, "", 258, 1},
    {"Game", Kind::Fixed, "87", 62, 4},
    {"Game_name", Kind::Text, "Put-Them-In-Order (3x3 square)", 189, 50},
    {"Show_Time", Kind::Text, "Y", 66, 1},
    {"Show_Score", Kind::Text, "Y", 136, 1},
    {"Cards_Animate", Kind::Text, "Y", 67, 1},
};

const Key kPlay[] = {
    {"Piles_TT", Kind::Text, "N", 179, 1},
    {"Automatic_FaceUp", Kind::Text, "Y", 239, 1},
    {"Deal_Animation", Kind::Text, "Y", 241, 1},
    {"Redeal_Animation", Kind::Text, "Y", 242, 1},
    {"Language", Kind::Decimal, "20000", 68, 6},
    {"Speed_Move_Card", Kind::Decimal, "10", 74, 2},
    // Read twice, as the program always has; the second read wins and both read the same key.
    {"StatusBar", Kind::Text, "N", 76, 1},
    {"StatusBar", Kind::Text, "N", 76, 1},
    {"UserDefault", Kind::Text, "", 77, 30},
    {"Undo_Enabled", Kind::Text, "0", 137, 1},
    {"ConfirmQuitGame", Kind::Text, "N", 185, 1},
    {"ConfirmEnterHiScores", Kind::Text, "Y", 186, 1},
    {"Sounds_Enabled", Kind::Text, "Y", 141, 1},
    {"Sounds_About", Kind::Text, "Y", 142, 1},
    {"Sounds_Autoplay", Kind::Text, "Y", 143, 1},
    {"Sounds_CardDown", Kind::Text, "Y", 181, 1},
    {"Sounds_CardUp", Kind::Text, "Y", 182, 1},
    {"Sounds_NewHiScores", Kind::Text, "Y", 174, 1},
    {"Sounds_FaceUp", Kind::Text, "Y", 180, 1},
    {"Sounds_GameWon", Kind::Text, "Y", 144, 1},
    {"Sounds_HiScores", Kind::Text, "Y", 171, 1},
    {"Sounds_NewGame", Kind::Text, "N", 145, 1},
    {"Sounds_Pairing", Kind::Text, "Y", 175, 1},
    {"Sounds_Redeal", Kind::Text, "Y", 183, 1},
    {"Sounds_Redeal_Without_Animation", Kind::Text, "Y", 252, 1},
    {"Sounds_Redo", Kind::Text, "Y", 146, 1},
    {"Sounds_Restart", Kind::Text, "Y", 147, 1},
    {"Sounds_Shuffle", Kind::Text, "Y", 149, 1},
    {"Sounds_Splash", Kind::Text, "Y", 148, 1},
    {"Sounds_Stock", Kind::Text, "Y", 176, 1},
    {"Sounds_Foundation", Kind::Text, "Y", 184, 1},
    {"Sounds_Tableau", Kind::Text, "Y", 177, 1},
    {"Sounds_Undo", Kind::Text, "Y", 151, 1},
    {"Random_Background", Kind::Text, "N", 152, 1},
    {"Random_Card", Kind::Text, "N", 187, 1},
    {"Random_Deck", Kind::Text, "N", 188, 1},
    {"VertScrollBar", Kind::Text, "Y", 243, 1},
    {"ShowPilesSize", Kind::Text, "N", 245, 1},
    {"Show_Main_Popup_Menu", Kind::Text, "Y", 253, 1},
    {"Show_Partial_Hidden_Card", Kind::Text, "Y", 255, 1},
    // Right clicks never send cards in this program: both are read and then set to "N" below.
    {"RightClick_To_Foundations", Kind::Text, "Y", 247, 1},
    {"RightClick_To_Tableaus", Kind::Text, "Y", 248, 1},
    {"DoubleClick_To_Foundations", Kind::Text, "Y", 249, 1},
    {"DoubleClick_To_Tableaus", Kind::Text, "N", 251, 1},
};

void Load(Session& s, const Key& k) {
    std::string value;
    switch (k.kind) {
    case Kind::Text:
        value = ReadConfigString(s, kPreference, k.name, k.def);
        break;
    case Kind::NonEmpty:
        value = ReadConfigString(s, kPreference, k.name, "").empty() ? "N" : "Y";
        break;
    case Kind::Fixed:
    case Kind::Decimal: {
        int v = ReadConfigInteger(s, kPreference, k.name, std::stoi(k.def));
        value = k.kind == Kind::Fixed ? FormatFixed(v, k.width) : std::to_string(v);
        break;
    }
    }
    s.Params.WriteParam(k.position, k.width, value);
}

bool IsYes(const std::string& v) { return v == "Y"; }

} // namespace

PreferenceEffects LoadPreferences(Session& s, bool moreThan256Colours) {
    PreferenceEffects fx;
    s.Params.WriteParam(244, 1, ReadConfigString(s, kPreference, "Show_ToolTips", "Y"));
    fx.toolbarLarge = IsYes(ReadConfigString(s, kPreference, "ToolBar_Large", "Y"));
    ReadConfigString(s, kPreference, "ToolBar_Flat", "Y"); // flat is forced on this system
    fx.toolbarFlat = true;

    if (!moreThan256Colours)
        ShowAdvice(s, kLowColourAdvice, "Screen_Under_256_Colors", 0);

    s.Params.WriteParam(21, 3, FormatFixed(ReadConfigInteger(s, kPreference, "Back_Card", 11), 3));
    s.Params.WriteParam(24, 3, FormatFixed(ReadConfigInteger(s, kPreference, "Card", moreThan256Colours ? 1 : 3), 3));
    for (const Key& k : kAppearance) {
        Load(s, k);
        if (k.position == 128)
            fx.cardSet4 = s.Params.ReadParam(24, 3) == "004";
    }
    // Shadows default to whatever was just loaded for the card animation.
    s.Params.WriteParam(178, 1, ReadConfigString(s, kPreference, "Cards_Shadowed", s.Params.ReadParam(67, 1)));
    for (const Key& k : kPlay)
        Load(s, k);
    s.Params.WriteParam(247, 1, "N");
    s.Params.WriteParam(248, 1, "N");
    s.Params.WriteParam(120, 2, "01");

    s.Game.StatisticsDisabled = IsYes(ReadConfigString(s, kPreference, "Disable_Statistics", "N")) ? 1 : 0;
    int cursor = ReadConfigInteger(s, kPreference, "Cursor", 10);
    s.Params.WriteParam(172, 2, std::to_string(cursor));
    fx.cursor = cursor;
    s.Game.HighlightFoundationsMark =
        static_cast<std::int16_t>(ReadConfigInteger(s, kPreference, "HighLights_Foundations_Mark", 0));
    s.Game.AutoPlayAllGames = static_cast<std::int16_t>(ReadConfigInteger(s, kPreference, "AutoPlay_All_Games", 1));
    bool autoplayWanted = false;
    if (s.Game.AutoPlayAllGames == 1)
        autoplayWanted = IsYes(ReadConfigString(s, kPreference, "AutoPlay", "Y"));

    s.Game.FastSearchType = static_cast<std::int16_t>(ReadConfigInteger(s, "Settings", "Games_Fast_Search_Type", 0));
    s.Game.RandomGameType = static_cast<std::int16_t>(ReadConfigInteger(s, "Settings", "Random_Game_Type", 2));

    // Normalisation of values that would draw nothing.
    if (s.Params.ReadInt(21, 3) == 0)
        s.Params.WriteParam(21, 3, "001");
    if (s.Params.ReadInt(28, 15) == 0)
        s.Params.WriteParam(28, 15, "-2147483633");
    if (s.Params.ReadParam(43, 4).empty())
        s.Params.WriteParam(43, 4, "0");

    fx.showTime = IsYes(s.Params.ReadParam(66, 1));
    fx.showScore = IsYes(s.Params.ReadParam(136, 1));

    if (s.Params.ReadParam(77, 30).empty()) {
        WriteConfigString(s, kPreference, "UserDefault", "Player 1");
        WriteConfigString(s, "Users", "User001", "Player 1");
        WriteConfigString(s, "Users", "User002", "Player 2");
        WriteConfigString(s, "Users", "User003", "Player 3");
        s.Params.WriteParam(77, 30, "Player 1");
    }

    if (s.Game.AutoPlayAllGames == 1 && autoplayWanted)
        fx.autoplay = PreferenceEffects::Autoplay::SwitchOn;
    else if (s.Game.AutoPlayAllGames == 2)
        fx.autoplay = PreferenceEffects::Autoplay::ApplyGameChoice;
    return fx;
}

} // namespace quillon
