#include "platform/ResourceCatalog.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace quillon {

const char* const kTreeFamilies[27] = {
    "1DECK",       "2DECK",        "ADDITION",     "BAKERSDOZEN",  "BELEAGUEREDCASTLE", "CANFIELD",
    "FAERIEQUEEN", "FAN",          "FLOWERGARDEN", "FORTYTHIEVES", "FOURSEASONS",       "FREECELL",
    "KLONDIKE",    "MATHEMATICAL", "MEMORY",       "NONBUILDERS",  "ORIGINAL",          "PAIRING",
    "PUZZLE",      "QUEENOFITALY", "ROW",          "SIMPLEGAMES",  "SIRTOMMY",          "SLYFOX",
    "SPIDER",      "STRIPPEDDECK", "YUKON"};

const char* const kWaveNames[18] = {"About",  "New",      "Shuffle", "Stock",   "Tableau", "Foundation",
                                    "Eddy",   "Autoplay", "Pairing", "Face_up", "card_up", "card_down",
                                    "Redeal", "Red_no_a", "Won",     "Splash",  "Undo",    "Redo"};

const char* const kCursorNames[12] = {"CUR_ARROW1A",      "CUR_ARROW2A",     "CUR_RIGHT_HAND1A",
                                      "CUR_RIGHT_HAND2A", "CUR_LEFT_HAND1A", "CUR_LEFT_HAND2A",
                                      "CUR_ARROW1B",      "CUR_ARROW2B",     "CUR_RIGHT_HAND1B",
                                      "CUR_RIGHT_HAND2B", "CUR_LEFT_HAND1B", "CUR_LEFT_HAND2B"};

const std::vector<CardSize>& CardSizes() {
    static const std::vector<CardSize> sizes = {
        {'M', 59, 80}, {'B', 71, 96}, {'S', 85, 115}, {'X', 102, 138}, {'L', 25, 32}};
    return sizes;
}

bool CardSizeOf(char letter, int& width, int& height) {
    for (const CardSize& c : CardSizes())
        if (c.letter == std::toupper(static_cast<unsigned char>(letter))) {
            width = c.width;
            height = c.height;
            return true;
        }
    return false;
}

bool StripCellOf(char letter, int& width, int& height) {
    return CardSizeOf(letter, width, height);
}

bool IsExtraLargeResource(const std::string& name) {
    auto starts = [&](const char* prefix) {
        size_t i = 0;
        for (; prefix[i]; ++i)
            if (i >= name.size() || std::toupper(static_cast<unsigned char>(name[i])) != prefix[i])
                return false;
        return true;
    };
    return starts("WX") || starts("DX") || starts("SHADOW_X") || starts("3D_BORDER_X") || starts("JOKER_X");
}

std::string DoubleSizeName(const std::string& name) {
    return name + "@2x";
}

bool HasDoubleSize(const RequiredResource& r) {
    if (r.kind != ResourceKind::Bitmap || r.name.size() < 2)
        return false;
    const std::string& n = r.name;
    auto starts = [&](const char* prefix) { return n.rfind(prefix, 0) == 0; };
    int w = 0, h = 0;
    // Every card picture but the tiny ones of the game preview.
    if ((n[0] == 'C' || n[0] == 'D' || n[0] == 'W') && n[1] != 'L' && CardSizeOf(n[1], w, h))
        return n[0] != 'C' || n.size() == 6;
    if (starts("JOKER_") || starts("SHADOW_") || starts("3D_BORDER_"))
        return true;
    // Background tiles; the whole pictures are enlarged when drawn.
    if (n.size() == 4 && n[0] == 'B' && std::isdigit(static_cast<unsigned char>(n[1])))
        return std::atoi(n.c_str() + 1) < 500;
    return starts("TB_") || starts("2000_TB_") || starts("MN_");
}

int CornerCut(int row, double scale) {
    if (row < 0)
        return 0;
    // The pattern of one program pixel: two pixels in the first row, one in the second.
    const int base = row == 0 ? 2 : row == 1 ? 1 : 0;
    const double R = 3 * scale, y = R - (row + 0.5);
    if (y <= 0)
        return base;
    int cut = 0;
    // Pixels whose centre lies outside the circle of radius R centred R pixels in from both edges.
    while (cut < R && (R - (cut + 0.5)) * (R - (cut + 0.5)) + y * y > R * R)
        ++cut;
    return std::max(base, cut);
}

const std::vector<std::string>& MarkSuffixes() {
    static const std::vector<std::string> suffixes = {
        "001", "003", "004", "005", "006", "008", "009", "010", "011", "012",    "013",
        "014", "015", "016", "017", "018", "019", "020", "021", "022", "_WASTE", "_TABLEAU"};
    return suffixes;
}

const std::vector<int>& BuiltInBacks() {
    static const std::vector<int> backs = {1, 3, 6, 7, 11, 14, 19, 20};
    return backs;
}

const std::vector<int>& BackgroundTiles() {
    static const std::vector<int> tiles = {102, 287, 296, 304, 311, 324};
    return tiles;
}

const std::vector<int>& BackgroundPictures() {
    static const std::vector<int> pictures = {501};
    return pictures;
}

namespace {

std::string Num(int n, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, n);
    return buf;
}

std::vector<RequiredResource> Build() {
    std::vector<RequiredResource> list;
    auto bmp = [&](const std::string& name, int w, int h) {
        list.push_back({name, ResourceKind::Bitmap, w, h, IsExtraLargeResource(name)});
    };
    const char suits[] = {'H', 'D', 'C', 'S'};

    for (const CardSize& c : CardSizes()) {
        std::string s(1, c.letter);
        if (c.letter == 'L') {
            for (char suit : suits)
                bmp("CL003" + std::string(1, suit), 5 * c.width, 3 * c.height);
            bmp("Joker_L", c.width, c.height);
            bmp("DL001", c.width, c.height);
            for (int n : {1, 2, 4, 5, 7, 8, 9, 10, 11})
                bmp("WL" + Num(n, 3), c.width, c.height);
            continue;
        }
        for (int set = 1; set <= 4; ++set)
            for (char suit : suits)
                bmp("C" + s + Num(set, 3) + suit, 5 * c.width, 3 * c.height);
        bmp("JOKER_" + s, c.width, c.height);
        if (c.letter == 'B')
            for (int back : BuiltInBacks())
                bmp("DB" + Num(back, 3), c.width, c.height);
        else
            bmp("D" + s + "011", c.width, c.height);
        for (const std::string& suffix : MarkSuffixes())
            bmp("W" + s + suffix, c.width, c.height);
        bmp("SHADOW_" + s + "1", 9, c.height + 2);
        bmp("SHADOW_" + s + "2", c.width + 1, 9);
        bmp("3D_BORDER_" + s + "1", 16, c.height + 13);
        bmp("3D_BORDER_" + s + "2", c.width + 13, 16);
    }

    for (int n : BackgroundTiles())
        bmp(std::string("B").append(Num(n, 3)), 0, 0);
    for (int n : BackgroundPictures())
        bmp(std::string("B").append(Num(n, 3)), 0, 0);

    // Game preview pieces.
    for (int n = 1; n <= 3; ++n)
        bmp("SL" + Num(n, 3), 25, 32);
    bmp("Tab_d_01", 0, 0);
    bmp("Tab_d_02", 0, 0);
    for (const char* k : {"v", "h", "a"})
        for (int n = 1; n <= 10; ++n)
            bmp(std::string("Tab_") + k + "_" + Num(n, 2), 0, 0);
    bmp("Tab_s_01", 0, 0);
    bmp("GAME0087", 0, 0);

    // Game tree and game facts.
    for (const char* t :
         {"TREE1", "TREE2", "S_TREE1", "S_TREE2", "F_TREE1", "F_TREE2", "D_TREE1", "D_TREE2", "C_TREE1",
          "C_TREE2", "T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2", "N_TREE3", "N_TREE4", "N_TREE5"})
        bmp(t, 16, 16);
    std::vector<std::string> families(std::begin(kTreeFamilies), std::end(kTreeFamilies));
    for (const std::string& f : families)
        for (const char* end : {"", "_WIN", "_NOWIN", "_NOPLAYED"})
            bmp("TREE5_" + f + "_TYPE" + end, 16, 16);
    for (const char* end : {"", "_WIN", "_NOWIN", "_NOPLAYED"})
        bmp(std::string("TREE5_CUSTOMIZED_GAMES") + end, 16, 16);
    for (const char* p :
         {"PROG_DIFF_EASY", "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD", "PROG_SKILL_CHANCEONLY",
          "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_MODERATE", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_DIFFICULT",
          "PROG_TIME_QUICK", "PROG_TIME_MEDIUM", "PROG_TIME_LONG", "PROG_CHAN_VERYLOW", "PROG_CHAN_LOW",
          "PROG_CHAN_MEDIUM", "PROG_CHAN_HIGH", "PROG_CHAN_VERYHIGH", "PROG_DISABLED"})
        bmp(p, 48, 13);

    // Toolbars in both styles; menu pictures; dialog buttons; status bar and suits.
    for (const std::string style : {"", "2000_"}) {
        for (const char* b : {"NEW", "OPEN", "RESTART", "UNDO", "REDO", "AUTOPLAY", "STAT", "RULES", "EXIT",
                              "RESTORE_AFTER_F11"}) {
            bmp(style + "TB_" + b + "_SMALL", 17, 17);
            bmp(style + "TB_" + b + "_LARGE", 24, 24);
        }
        bmp(style + "TB_SAVE_SMALL", 17, 17);
        for (const char* b : {"RESTART", "UNDO", "REDO", "AUTOPLAY"}) {
            bmp(style + "TB_" + b + "_SMALL_DIS", 17, 17);
            bmp(style + "TB_" + b + "_LARGE_DIS", 24, 24);
        }
        bmp(style + "TB_SAVE_SMALL_DIS", 17, 17);
    }
    for (const char* m : {"MN_SELECT", "MN_PLAYERS", "MN_BOOKMARK", "MN_PAUSE", "MN_SERIES", "MN_FAVORITES",
                          "MN_CUSTOMIZE", "MN_RULESWIZARD", "MN_CARDCOUNTER", "MN_WEB"})
        bmp(m, 17, 17);
    for (const char* b : {"BTN_NEW", "BTN_EDIT", "BTN_DELETE"})
        bmp(b, 16, 16);
    for (const char* b : {"STATUSBAR_STOCK", "STATUSBAR_WASTE", "STATUSBAR_FOUNDATION", "STATUSBAR_TABLEAU",
                          "STATUSBAR_RESERVE"})
        bmp(b, 16, 16);
    for (const char* b : {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"})
        bmp(b, 11, 11);

    // The splash window's title picture and the logo of the open-game dialog.
    bmp("TITLE", 439, 287);
    bmp("LOGO", 180, 180);

    for (const char* c : kCursorNames)
        list.push_back({c, ResourceKind::Cursor, 32, 32, false});
    for (const char* w : kWaveNames)
        list.push_back({w, ResourceKind::Wave, 0, 0, false});
    return list;
}

} // namespace

const std::vector<RequiredResource>& RequiredResources() {
    static const std::vector<RequiredResource> list = Build();
    return list;
}

const std::vector<int>& RequiredStrings() {
    static const std::vector<int> ids = {11803, 11804, 21803, 21804};
    return ids;
}

} // namespace quillon
