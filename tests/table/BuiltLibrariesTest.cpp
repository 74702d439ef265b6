// Checks the libraries the build made against the list of every resource the program asks for.
#include "platform/Files.h"
#include "platform/ResourceCatalog.h"
#include "platform/ResourceLibrary.h"
#include "table/ImageResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace quillon;

namespace {

class BuiltLibrariesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The program folder the build fills; beside the test programs when no folder is given.
        const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
        folder = dir && *dir ? WithSlash(dir) : ProgramFolder() + "../bin/";
        ASSERT_TRUE(main.Open(folder + "SOL.RGF")) << folder;
        ASSERT_TRUE(extra.Open(folder + "plus/soladd.rgf")) << folder;
    }
    std::string folder;
    ResourceLibrary main, extra;
};

TEST_F(BuiltLibrariesTest, EveryNameExistsInItsLibraryWithItsSize) {
    int checked = 0;
    for (const RequiredResource& r : RequiredResources()) {
        ResourceLibrary& lib = r.extraLarge ? extra : main;
        ResourceLibrary& other = r.extraLarge ? main : extra;
        SCOPED_TRACE(r.name);
        std::string bytes = lib.Read(r.kind, r.name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_FALSE(other.Has(r.kind, r.name)); // each name lives where the loader looks for it
        if (r.kind == ResourceKind::Wave)
            continue;
        QImage img = DecodeImage(bytes);
        ASSERT_FALSE(img.isNull());
        if (r.width) {
            EXPECT_EQ(img.width(), r.width);
            EXPECT_EQ(img.height(), r.height);
        }
        ++checked;
    }
    EXPECT_GT(checked, 400);
}

TEST_F(BuiltLibrariesTest, WavesAreSixteenBitPcmAndShort) {
    for (const char* name : kWaveNames) {
        SCOPED_TRACE(name);
        std::string w = main.Wave(name);
        ASSERT_GT(w.size(), 44u);
        EXPECT_EQ(w.substr(0, 4), "RIFF");
        EXPECT_EQ(w.substr(8, 8), "WAVEfmt ");
        auto u16 = [&](size_t at) { return unsigned(uint8_t(w[at])) | unsigned(uint8_t(w[at + 1])) << 8; };
        auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
        EXPECT_EQ(u16(20), 1u);  // PCM
        EXPECT_EQ(u16(34), 16u); // bits per sample
        double seconds = double(u32(40)) / double(u32(28));
        EXPECT_GT(seconds, 0.05);
        EXPECT_LE(seconds, 2.5);
        EXPECT_EQ(u32(40) + 44, w.size());
    }
}

TEST_F(BuiltLibrariesTest, LanguageStringsForBothBases) {
    EXPECT_EQ(main.String(20000 + 1803), "Add a player");
    EXPECT_EQ(main.String(20000 + 1804), "Edit a player");
    for (int id : RequiredStrings())
        EXPECT_FALSE(main.String(id).empty()) << id;
}

TEST_F(BuiltLibrariesTest, CursorHotSpotsLieOnThePicture) {
    for (const char* name : kCursorNames) {
        CursorResource c = main.Cursor(name);
        QImage img = DecodeImage(c.image);
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_LT(c.hotX, img.width()) << name;
        EXPECT_LT(c.hotY, img.height()) << name;
        // The hot spot is on the drawn shape or right beside it, never in empty space.
        bool near = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (img.valid(c.hotX + dx, c.hotY + dy) && qAlpha(img.pixel(c.hotX + dx, c.hotY + dy)) > 0)
                    near = true;
        EXPECT_TRUE(near) << name;
    }
}

// Mean colour difference between two columns (or rows) of a picture.
double Seam(const QImage& img, bool vertical, int a, int b) {
    double sum = 0;
    int n = vertical ? img.height() : img.width();
    for (int i = 0; i < n; ++i) {
        QRgb p = vertical ? img.pixel(a, i) : img.pixel(i, a);
        QRgb q = vertical ? img.pixel(b, i) : img.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / n;
}

// True when copies of the tile laid side by side and one above the other meet without a visible
// seam: where they meet (last line against the first) differs no more than neighbouring lines
// inside the tile do somewhere (a pattern's own joints count as inside).
bool Seamless(const QImage& tile) {
    for (bool vertical : {true, false}) {
        int size = vertical ? tile.width() : tile.height();
        double inside = 0;
        for (int i = 0; i + 1 < size; ++i)
            inside = std::max(inside, Seam(tile, vertical, i, i + 1));
        if (Seam(tile, vertical, size - 1, 0) > inside * 1.15 + 3)
            return false;
    }
    return true;
}

TEST(SeamCheckTest, TellsRepeatingFromBrokenTiles) {
    QImage ramp(64, 64, QImage::Format_RGB32), wave(64, 64, QImage::Format_RGB32),
        bricks(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            ramp.setPixel(x, y, qRgb(x * 3, 100, 100)); // jumps from 189 back to 0 at the edge
            int v = int(120 + 100 * std::sin(2 * M_PI * x / 64) * std::cos(2 * M_PI * y / 64));
            wave.setPixel(x, y, qRgb(v, v, 80));
            if (y < 32)
                bricks.setPixel(x, y, x % 32 < 2 || y % 16 < 2 ? qRgb(200, 200, 190) : qRgb(150, 60, 40));
        }
    EXPECT_FALSE(Seamless(ramp));
    EXPECT_TRUE(Seamless(wave));
    EXPECT_TRUE(Seamless(bricks)); // mortar lines at the edge are part of the pattern
}

TEST_F(BuiltLibrariesTest, BackgroundTilesMeetWithoutASeam) {
    for (int n : BackgroundTiles())
        for (const std::string& name : {"B" + std::to_string(n), DoubleSizeName("B" + std::to_string(n))}) {
            QImage tile = DecodeImage(main.Bitmap(name));
            ASSERT_FALSE(tile.isNull()) << name;
            EXPECT_TRUE(Seamless(tile)) << name;
        }
}

TEST_F(BuiltLibrariesTest, DoubleSizePicturesLieBesideTheirsAtTwiceTheSize) {
    int checked = 0;
    for (const RequiredResource& r : RequiredResources()) {
        if (!HasDoubleSize(r))
            continue;
        SCOPED_TRACE(r.name);
        ResourceLibrary& lib = r.extraLarge ? extra : main;
        const QImage one = DecodeImage(lib.Bitmap(r.name)),
                     two = DecodeImage(lib.Bitmap(DoubleSizeName(r.name)));
        ASSERT_FALSE(two.isNull());
        EXPECT_EQ(two.size(), one.size() * 2);
        ++checked;
    }
    EXPECT_GT(checked, 250); // every card picture of four sizes, the tiles, toolbars and menus
}

TEST_F(BuiltLibrariesTest, CardFacesHaveRoundedCornersAndDistinctPictures) {
    for (const CardSize& size : CardSizes()) {
        std::string strip = size.letter == 'L' ? "CL003S" : std::string("C") + size.letter + "001S";
        QImage img = DecodeImage(main.Bitmap(strip));
        ASSERT_FALSE(img.isNull()) << strip;
        for (int r = 0; r < 13; ++r) {
            QImage face = img.copy((r % 5) * size.width, (r / 5) * size.height, size.width, size.height);
            SCOPED_TRACE(strip + " rank " + std::to_string(r + 1));
            // The corner pixel lies outside the outline; the edge runs along the middle of each side.
            EXPECT_EQ(face.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
            EXPECT_NE(face.pixel(0, size.height / 2) & 0xFFFFFF, 0xFFFFFFu);
            EXPECT_NE(face.pixel(size.width / 2, size.height - 1) & 0xFFFFFF, 0xFFFFFFu);
        }
        // No two ranks of a suit look alike.
        for (int a = 0; a < 13; ++a)
            for (int b = a + 1; b < 13; ++b)
                EXPECT_NE(img.copy((a % 5) * size.width, (a / 5) * size.height, size.width, size.height),
                          img.copy((b % 5) * size.width, (b / 5) * size.height, size.width, size.height))
                    << strip << " " << a + 1 << " vs " << b + 1;
    }
}

TEST_F(BuiltLibrariesTest, TheFourCardSetsDiffer) {
    QImage sets[4];
    for (int i = 0; i < 4; ++i)
        sets[i] = DecodeImage(main.Bitmap("CB00" + std::to_string(i + 1) + "D"));
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_NE(sets[a], sets[b]) << a + 1 << " vs " << b + 1;
}

TEST_F(BuiltLibrariesTest, LibrariesStaySmall) {
    auto size = [](const std::string& path) {
        auto bytes = ReadWholeFile(path);
        return bytes ? bytes->size() : 0;
    };
    EXPECT_LT(size(folder + "SOL.RGF") + size(folder + "plus/soladd.rgf"), 10u * 1024 * 1024);
}

} // namespace
