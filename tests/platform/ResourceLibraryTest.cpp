#include "platform/ResourceLibrary.h"
#include "platform/ResourceCatalog.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <set>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

// Finds `needle` in the archive bytes and flips one byte inside it, leaving the archive's index
// intact: the entry is damaged, the library is not.
bool DamageStoredBytes(std::string& archive, const std::string& needle) {
    size_t at = archive.find(needle);
    if (at == std::string::npos)
        return false;
    archive[at + needle.size() / 2] ^= 0x5A;
    return true;
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

class ResourceLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResourceWriter w;
        w.Add(ResourceKind::Bitmap, "CB001H", "picture-of-hearts");
        w.Add(ResourceKind::Bitmap, "Joker_L", "tiny-joker");
        w.AddCursor("CUR_ARROW1A", "arrow-picture", 3, 7);
        w.Add(ResourceKind::Wave, "Foundation", "RIFF-foundation");
        w.Add(ResourceKind::RawData, "Marble", "jpeg-bytes");
        w.AddString(21803, "Add a player");
        w.AddString(11803, "Aggiungi un giocatore");
        ASSERT_TRUE(w.Save(dir / "lib.rgf"));
    }
    TempFolder dir;
};

TEST_F(ResourceLibraryTest, FindsEveryKindWithoutRegardToCase) {
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "lib.rgf"));
    struct Case {
        ResourceKind kind;
        std::string name;
        std::string bytes;
    } cases[] = {
        {ResourceKind::Bitmap, "CB001H", "picture-of-hearts"},
        {ResourceKind::Bitmap, "cb001h", "picture-of-hearts"},
        {ResourceKind::Bitmap, "JOKER_L", "tiny-joker"},
        {ResourceKind::Bitmap, "joker_l", "tiny-joker"},
        {ResourceKind::Wave, "FOUNDATION", "RIFF-foundation"},
        {ResourceKind::RawData, "marble", "jpeg-bytes"},
        {ResourceKind::Cursor, "cur_arrow1a", "arrow-picture"},
        // The same name under another kind is another resource.
        {ResourceKind::Wave, "CB001H", ""},
        {ResourceKind::Bitmap, "Foundation", ""},
        {ResourceKind::Bitmap, "CB001", ""},
        {ResourceKind::Bitmap, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lib.Read(c.kind, c.name), c.bytes) << c.name;
        EXPECT_EQ(lib.Has(c.kind, c.name), !c.bytes.empty()) << c.name;
    }
}

TEST_F(ResourceLibraryTest, CursorsCarryTheirHotSpot) {
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "lib.rgf"));
    CursorResource c = lib.Cursor("Cur_Arrow1A");
    EXPECT_EQ(c.image, "arrow-picture");
    EXPECT_EQ(c.hotX, 3);
    EXPECT_EQ(c.hotY, 7);
    CursorResource missing = lib.Cursor("CUR_ARROW9A");
    EXPECT_TRUE(missing.image.empty());
    EXPECT_EQ(missing.hotX, 0);
}

TEST_F(ResourceLibraryTest, StringsByNumberForBothLanguageBases) {
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "lib.rgf"));
    EXPECT_EQ(lib.String(21803), "Add a player");
    EXPECT_EQ(lib.String(11803), "Aggiungi un giocatore");
    EXPECT_EQ(lib.String(21804), "");
    EXPECT_EQ(lib.String(1803), "");
}

TEST_F(ResourceLibraryTest, OpeningFailsOnlyForAMissingOrUnreadableArchive) {
    dir.Write("garbage.rgf", "this is not an archive at all");
    std::string whole = dir.Read("lib.rgf");
    dir.Write("truncated.rgf", whole.substr(0, whole.size() / 2));
    dir.Write("empty.rgf", "");
    struct Case {
        std::string file;
        bool opens;
    } cases[] = {{"lib.rgf", true},
                 {"missing.rgf", false},
                 {"garbage.rgf", false},
                 {"truncated.rgf", false},
                 {"empty.rgf", false}};
    for (const Case& c : cases) {
        ResourceLibrary lib;
        EXPECT_EQ(lib.Open(dir / c.file), c.opens) << c.file;
        EXPECT_EQ(lib.IsOpen(), c.opens) << c.file;
        if (!c.opens) {
            EXPECT_EQ(lib.Bitmap("CB001H"), "") << c.file;
        }
    }
}

TEST_F(ResourceLibraryTest, ADamagedEntryReadsEmptyAndLeavesTheOthersIntact) {
    ResourceWriter w;
    // Stored raw (".png"), so the bytes can be found and damaged inside the archive.
    w.Add(ResourceKind::Bitmap, "Damaged",
          std::string(4000, 'x') + "MIDDLE-OF-THE-PICTURE" + std::string(4000, 'y'));
    w.Add(ResourceKind::Bitmap, "Sound", "intact-picture");
    ASSERT_TRUE(w.Save(dir / "damaged.rgf"));
    std::string bytes = dir.Read("damaged.rgf");
    ASSERT_TRUE(DamageStoredBytes(bytes, "MIDDLE-OF-THE-PICTURE"));
    dir.Write("damaged.rgf", bytes);

    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "damaged.rgf"));
    EXPECT_EQ(lib.Bitmap("Damaged"), "");
    EXPECT_EQ(lib.Bitmap("Sound"), "intact-picture");
}

TEST_F(ResourceLibraryTest, NamesListsEachKind) {
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "lib.rgf"));
    auto bitmaps = lib.Names(ResourceKind::Bitmap);
    std::sort(bitmaps.begin(), bitmaps.end());
    EXPECT_EQ(bitmaps, (std::vector<std::string>{"CB001H", "Joker_L"}));
    EXPECT_EQ(lib.Names(ResourceKind::Cursor), (std::vector<std::string>{"CUR_ARROW1A"}));
}

TEST_F(ResourceLibraryTest, ReopeningAnotherArchiveForgetsTheFirst) {
    ResourceWriter w;
    w.Add(ResourceKind::Bitmap, "Other", "other");
    ASSERT_TRUE(w.Save(dir / "other.rgf"));
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "lib.rgf"));
    ASSERT_TRUE(lib.Open(dir / "other.rgf"));
    EXPECT_EQ(lib.Bitmap("CB001H"), "");
    EXPECT_EQ(lib.String(21803), "");
    EXPECT_EQ(lib.Bitmap("other"), "other");
    EXPECT_FALSE(lib.Open(dir / "missing.rgf"));
    EXPECT_EQ(lib.Bitmap("other"), "");
}

TEST(ResourceStringsTest, LinesThatAreNotNumberedStringsAreSkipped) {
    TempFolder dir;
    const std::string table = "5\tfive\r\n"
                              "x6\tnot a number\n"
                              "\tno number\n"
                              "7 seven without a tab\n"
                              "8\t\n"
                              "9\tnine\tstill nine\n"
                              "5\tsecond five\n";
    int error = 0;
    zip_t* z = zip_open((dir / "s.rgf").c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(z, nullptr);
    zip_source_t* src = zip_source_buffer(z, table.data(), table.size(), 0);
    ASSERT_GE(zip_file_add(z, "STRINGS.TXT", src, 0), 0);
    ASSERT_EQ(zip_close(z), 0);

    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "s.rgf"));
    EXPECT_EQ(lib.String(5), "five"); // the first line of a number counts
    EXPECT_EQ(lib.String(6), "");
    EXPECT_EQ(lib.String(7), "");
    EXPECT_EQ(lib.String(8), "");
    EXPECT_EQ(lib.String(9), "nine\tstill nine");
}

TEST(ResourceCatalogTest, ExtraLargeNamesGoToTheExtraLibrary) {
    struct Case {
        const char* name;
        bool extra;
    } cases[] = {{"WX001", true},        {"wx_waste", true}, {"DX011", true},      {"SHADOW_X1", true},
                 {"3D_BORDER_X2", true}, {"JOKER_X", true},  {"joker_x", true},    {"CX001H", false},
                 {"WB001", false},       {"DB011", false},   {"SHADOW_S1", false}, {"JOKER_", false},
                 {"W", false},           {"", false},        {"X", false},         {"TB_EXIT_SMALL", false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsExtraLargeResource(c.name), c.extra) << c.name;
}

TEST(ResourceCatalogTest, CardSizesByLetter) {
    struct Case {
        char letter;
        bool known;
        int w, h;
    } cases[] = {{'M', true, 59, 80}, {'B', true, 71, 96}, {'S', true, 85, 115}, {'X', true, 102, 138},
                 {'L', true, 25, 32}, {'b', true, 71, 96}, {'Q', false, 0, 0},   {' ', false, 0, 0}};
    for (const Case& c : cases) {
        int w = 0, h = 0;
        EXPECT_EQ(CardSizeOf(c.letter, w, h), c.known) << c.letter;
        EXPECT_EQ(w, c.w) << c.letter;
        EXPECT_EQ(h, c.h) << c.letter;
    }
}

TEST(ResourceCatalogTest, EveryNameIsListedOnceAndStripsHoldThirteenCells) {
    std::set<std::string> seen;
    int strips = 0;
    for (const RequiredResource& r : RequiredResources()) {
        EXPECT_TRUE(seen.insert(std::string(ResourceFolder(r.kind)) + "/" + Upper(r.name)).second) << r.name;
        EXPECT_EQ(r.extraLarge, IsExtraLargeResource(r.name)) << r.name;
        if (r.kind == ResourceKind::Bitmap && r.name.size() == 6 && r.name[0] == 'C' &&
            std::isdigit(r.name[2])) {
            int cw = 0, ch = 0;
            ASSERT_TRUE(StripCellOf(r.name[1], cw, ch)) << r.name;
            EXPECT_EQ(r.width, 5 * cw) << r.name;
            EXPECT_EQ(r.height, 3 * ch) << r.name;
            ++strips;
        }
    }
    // Four sets in four sizes, four suits each, and the four preview strips.
    EXPECT_EQ(strips, 4 * 4 * 4 + 4);
    for (const char* name :
         {"CB004H", "DB011", "DM011", "DS011", "DX011", "WB021", "WX_WASTE", "B501", "TITLE",
          "2000_TB_SAVE_SMALL_DIS", "TREE5_CUSTOMIZED_GAMES_NOPLAYED", "GAME0087"})
        EXPECT_TRUE(seen.count(std::string("bitmap/") + Upper(name))) << name;
    EXPECT_TRUE(seen.count("wave/SPLASH"));
    EXPECT_TRUE(seen.count("cursor/CUR_LEFT_HAND2B"));
}

} // namespace

namespace {

TEST(ResourceWriterTest, RewritingReplacesTheWholeArchive) {
    TempFolder dir;
    ResourceWriter first;
    first.Add(ResourceKind::Bitmap, "Old", "old");
    ASSERT_TRUE(first.Save(dir / "lib.rgf"));
    ResourceWriter second;
    second.Add(ResourceKind::Bitmap, "New", "new");
    ASSERT_TRUE(second.Save(dir / "lib.rgf"));
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Open(dir / "lib.rgf"));
    EXPECT_EQ(lib.Bitmap("New"), "new");
    EXPECT_EQ(lib.Bitmap("Old"), "");
    // A folder that does not exist cannot take an archive; saying so is the whole answer.
    EXPECT_FALSE(second.Save(dir / "no/such/folder/lib.rgf"));
}

} // namespace
