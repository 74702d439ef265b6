#include "table/ImageResources.h"

#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/ResourceCatalog.h"
#include "platform/ResourceLibrary.h"

#include "common/TempFolder.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

std::string Png(const QImage& img) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return std::string(bytes.constData(), size_t(bytes.size()));
}

std::string Bmp(const QImage& img) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return std::string(bytes.constData(), size_t(bytes.size()));
}

std::string Jpeg(const QImage& source) {
    QImage img = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(img.width());
    info.image_height = JDIMENSION(img.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<char*>(out), size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

QImage Solid(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// 13 cells of cw x ch in rows of 5: red channel `tag`, green channel 15 * rank.
QImage Strip(int cw, int ch, int tag) {
    QImage img(5 * cw, 3 * ch, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    for (int r = 1; r <= 13; ++r)
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                img.setPixel(((r - 1) % 5) * cw + x, ((r - 1) / 5) * ch + y, qRgb(tag, 15 * r, 0));
    return img;
}

// A custom card set: 5 x 12 cells; the block of rows 3b..3b+2 carries tag 100 + b.
QImage CardSetPicture(int w, int h, int cw, int ch) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    for (int b = 0; b < 4; ++b)
        for (int r = 1; r <= 13; ++r)
            for (int y = 0; y < ch; ++y)
                for (int x = 0; x < cw; ++x) {
                    int px = ((r - 1) % 5) * cw + x, py = (3 * b + (r - 1) / 5) * ch + y;
                    if (px < w && py < h)
                        img.setPixel(px, py, qRgb(100 + b, 15 * r, 0));
                }
    return img;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

constexpr QRgb kBack011 = qRgb(1, 2, 3), kBack005 = qRgb(5, 5, 5), kBackM011 = qRgb(7, 7, 7);

class ImageResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.ProgramFolder = dir.path() + "prog/";
        s.DataFolder = dir.path() + "data/";
        dir.Write("data/.keep", "");
        desktop = static_cast<RecordingDesktop*>(s.desktop);
        const char suits[] = "HDCS";
        for (int k = 0; k < 4; ++k) {
            main.Add(ResourceKind::Bitmap, std::string("CB001") + suits[k], Png(Strip(71, 96, 10 + k)));
            main.Add(ResourceKind::Bitmap, std::string("CM003") + suits[k], Png(Strip(59, 80, 30 + k)));
            main.Add(ResourceKind::Bitmap, std::string("CX001") + suits[k], Png(Strip(102, 138, 40 + k)));
        }
        main.Add(ResourceKind::Bitmap, "JOKER_B", Png(Solid(71, 96, qRgb(9, 9, 9))));
        main.Add(ResourceKind::Bitmap, "JOKER_M", Png(Solid(59, 80, qRgb(8, 8, 8))));
        main.Add(ResourceKind::Bitmap, "DB011", Png(Solid(71, 96, kBack011)));
        main.Add(ResourceKind::Bitmap, "DB005", Png(Solid(71, 96, kBack005)));
        main.Add(ResourceKind::Bitmap, "DM011", Png(Solid(59, 80, kBackM011)));
        int n = 0;
        for (const char* mark :
             {"001", "003", "004", "005", "006", "008", "009", "010", "011",    "012",     "013",
              "014", "015", "016", "017", "018", "019", "020", "022", "_WASTE", "_TABLEAU"})
            main.Add(ResourceKind::Bitmap, std::string("WB") + mark, Png(Solid(71, 96, qRgb(200, ++n, 0))));
        for (const char* piece : {"SHADOW_B1", "SHADOW_B2", "3D_BORDER_B1", "3D_BORDER_B2"})
            main.Add(ResourceKind::Bitmap, piece, Png(Solid(9, 9, qRgb(50, 50, 50))));
        QImage tile = Solid(10, 10, qRgb(0, 200, 0));
        tile.setPixel(0, 0, qRgb(255, 0, 0));
        main.Add(ResourceKind::Bitmap, "B012", Png(tile));
        main.Add(ResourceKind::Bitmap, "B501", Png(Solid(50, 40, qRgb(0, 0, 255))));

        QImage bigBack = Solid(102, 138, qRgb(30, 60, 90));
        for (int x = 0; x < 102; ++x)
            bigBack.setPixel(x, 1, qRgb(255, 255, 255));
        extra.Add(ResourceKind::Bitmap, "DX011", Png(bigBack));
        extra.Add(ResourceKind::Bitmap, "WX009", Png(Solid(51, 69, qRgb(70, 70, 70))));
        extra.Add(ResourceKind::Bitmap, "JOKER_X", Png(Solid(102, 138, qRgb(6, 6, 6))));
    }

    void Save() {
        dir.Write("prog/plus/.keep", "");
        ASSERT_TRUE(main.Save(s.ProgramFolder + "SOL.RGF"));
        ASSERT_TRUE(extra.Save(s.ProgramFolder + "plus/soladd.rgf"));
        ASSERT_TRUE(OpenMainLibrary(s));
    }

    void Settings(const std::string& letter, const std::string& set = "001",
                  const std::string& back = "011") {
        s.Params.WriteParam(128, 1, letter);
        s.Params.WriteParam(24, 3, set);
        s.Params.WriteParam(21, 3, back);
        for (int pos : {256, 257, 258, 259})
            s.Params.WriteParam(pos, 1, "N");
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& b : desktop->boxes)
            out.push_back(b.text);
        return out;
    }

    TempFolder dir;
    Session s;
    RecordingDesktop* desktop = nullptr;
    ResourceWriter main, extra;
};

TEST_F(ImageResourcesTest, SuitModesChooseTheStrips) {
    Save();
    struct Case {
        int mode;
        int tags[4]; // strip cut for hearts, diamonds, clubs, spades
    } cases[] = {{0, {10, 11, 12, 13}}, {1, {13, 13, 13, 13}}, {2, {10, 10, 13, 13}}, {7, {10, 11, 12, 13}}};
    for (const Case& c : cases) {
        s.GameAttr[50] = static_cast<std::int16_t>(c.mode);
        Settings("B");
        ImageResources img(s);
        img.ApplyCardSettings();
        for (int k = 0; k < 4; ++k)
            for (int r = 1; r <= 13; ++r) {
                const QImage& face = img.CardFaceImages[size_t(13 * k + r - 1)];
                ASSERT_EQ(face.size(), QSize(71, 96)) << c.mode;
                EXPECT_EQ(face.pixel(35, 48), qRgb(c.tags[k], 15 * r, 0))
                    << "mode " << c.mode << " suit " << k;
            }
        EXPECT_EQ(img.CardFaceImages[52].pixel(1, 1), qRgb(9, 9, 9));
        EXPECT_EQ(img.FaceCopyImage.pixel(2, 2), img.CardFaceImages[0].pixel(2, 2));
    }
}

TEST_F(ImageResourcesTest, CardSizeLetterSetsTheMetricsAndTheCells) {
    Save();
    struct Case {
        std::string letter, set;
        int w, h, tag;
    } cases[] = {{"M", "003", 59, 80, 30}, {"B", "001", 71, 96, 10}, {"X", "001", 102, 138, 40}};
    for (const Case& c : cases) {
        Settings(c.letter, c.set);
        ImageResources img(s);
        img.ApplyCardSettings();
        EXPECT_EQ(s.Metrics.CardWidth, c.w);
        EXPECT_EQ(s.Metrics.CardHeight, c.h);
        EXPECT_EQ(img.CardFaceImages[12].size(), QSize(c.w, c.h)) << c.letter;
        EXPECT_EQ(img.CardFaceImages[12].pixel(c.w - 1, c.h - 1), qRgb(c.tag, 15 * 13, 0)) << c.letter;
    }
    // A letter outside the table leaves the metrics as they were.
    s.Params.WriteParam(128, 1, "Q");
    ImageResources img(s);
    img.ApplyCardSettings();
    EXPECT_EQ(s.Metrics.CardWidth, 102);
}

TEST_F(ImageResourcesTest, BacksBySizeAndNumber) {
    Save();
    struct Case {
        std::string letter, back;
        QSize size;
        QRgb colour;
    } cases[] = {
        {"B", "011", QSize(71, 96), kBack011},
        {"B", "005", QSize(71, 96), kBack005},
        {"M", "011", QSize(59, 80), kBackM011}, // the size's own 011
        {"M", "005", QSize(59, 80), kBack005},  // the normal back, shrunk
    };
    for (const Case& c : cases) {
        Settings(c.letter, c.letter == "M" ? "003" : "001", c.back);
        ImageResources img(s);
        img.ApplyCardSettings();
        EXPECT_EQ(img.CardBackImage.size(), c.size) << c.letter << c.back;
        EXPECT_EQ(img.CardBackImage.pixel(c.size.width() / 2, c.size.height() / 2), c.colour)
            << c.letter << c.back;
    }
}

TEST_F(ImageResourcesTest, ExtraLargeBackGetsWhitenedCornersAndComesFromTheExtraLibrary) {
    Save();
    Settings("X");
    ImageResources img(s);
    img.ApplyCardSettings();
    const QImage& b = img.CardBackImage;
    ASSERT_EQ(b.size(), QSize(102, 138));
    const int W = 102, H = 138;
    const int white[][2] = {{2, 1},     {2, 2},         {1, 2},         {W - 3, 1},
                            {W - 3, 2}, {W - 2, 2},     {2, H - 2},     {2, H - 3},
                            {1, H - 3}, {W - 3, H - 2}, {W - 3, H - 3}, {W - 2, H - 3}};
    for (auto& p : white)
        EXPECT_EQ(b.pixel(p[0], p[1]) & 0xFFFFFF, 0xFFFFFFu) << p[0] << "," << p[1];
    EXPECT_EQ(b.pixel(3, 3), qRgb(30, 60, 90));
    EXPECT_EQ(img.CardFaceImages[52].pixel(5, 5), qRgb(6, 6, 6));
    // The mark of the extra-large size is stretched to the card size.
    QImage mark;
    img.LoadMarkImage(mark, "EmptyPositionJQK");
    EXPECT_EQ(mark.size(), QSize(102, 138));
}

TEST_F(ImageResourcesTest, MissingExtraLibraryResetsToTheNormalSize) {
    Save();
    std::remove((s.ProgramFolder + "plus/soladd.rgf").c_str());
    Settings("X");
    ImageResources img(s);
    QImage bitmap;
    EXPECT_FALSE(img.LoadImageResource(bitmap, "WX009"));
    EXPECT_TRUE(bitmap.isNull());
    ASSERT_FALSE(desktop->boxes.empty());
    EXPECT_EQ(desktop->boxes[0].text, "Can't find/load " + Lower(dir.path() + "prog/plus/soladd.rgf"));
    EXPECT_EQ(s.Params.ReadParam(128, 1), "B");
    EXPECT_EQ(s.Metrics.CardWidth, 71);
    EXPECT_EQ(img.CardFaceImages[0].pixel(1, 1), qRgb(10, 15, 0));
}

TEST_F(ImageResourcesTest, MarkNamesMapToTheirPictures) {
    Save();
    Settings("B", "001", "005");
    ImageResources img(s);
    // The colour of WB + suffix is (200, position of the suffix in the list above, 0).
    struct Case {
        const char* mark;
        int index;
    } cases[] = {{"emptyposition", 1}, {"foundation12", 2},  {"foundation", 3},   {"FirstTableauAll", 3},
                 {"stockdown", 4},     {"foundation11", 5},  {"stockstop", 6},    {"emptypositionjqk", 7},
                 {"foundationA", 8},   {"foundation13", 9},  {"foundation2", 10}, {"foundation10", 18},
                 {"stockup", 19},      {"StockVisible", 20}, {"position", 21}};
    for (const Case& c : cases) {
        QImage mark;
        img.LoadMarkImage(mark, c.mark);
        ASSERT_FALSE(mark.isNull()) << c.mark;
        EXPECT_EQ(mark.pixel(3, 3), qRgb(200, c.index, 0)) << c.mark;
    }
    QImage deck;
    img.LoadMarkImage(deck, "Deck");
    EXPECT_EQ(deck.pixel(3, 3), kBack005);
    EXPECT_TRUE(desktop->boxes.empty());
    QImage none;
    img.LoadMarkImage(none, "foundation14");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error: foundation14"});
}

TEST_F(ImageResourcesTest, CustomCardSetSizeChoosesTheLetter) {
    Save();
    struct Case {
        int w, h;
        std::string letter;
    } cases[] = {{355, 1152, "B"}, {295, 960, "M"}, {425, 1380, "S"}, {510, 1656, "X"},
                 {356, 1152, ""},  {355, 1151, ""}, {71, 96, ""},     {1152, 355, ""}};
    for (const Case& c : cases) {
        desktop->boxes.clear();
        Settings("B");
        dir.Write("data/custom card sets/Mine.crs", Bmp(CardSetPicture(c.w, c.h, c.w / 5, c.h / 12)));
        ImageResources img(s);
        img.WritePreferenceForTest("Customized_Cards_Set", "Mine");
        s.Params.WriteParam(257, 1, "Y");
        img.ApplyCardSettings();
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        if (!c.letter.empty()) {
            EXPECT_TRUE(desktop->boxes.empty());
            EXPECT_EQ(s.Params.ReadParam(128, 1), c.letter);
            EXPECT_EQ(s.Params.ReadParam(257, 1), "Y");
            EXPECT_EQ(img.CardFaceImages[13 + 12].pixel(c.w / 10, c.h / 24), qRgb(101, 15 * 13, 0));
        } else {
            EXPECT_EQ(Texts(),
                      std::vector<std::string>{"The format of the Customized card set image is not valid.\n" +
                                               dir.path() + "data/custom card sets/Mine.crs"});
            EXPECT_EQ(s.Params.ReadParam(257, 1), "N");
            EXPECT_EQ(s.Params.ReadParam(128, 1), "B");
            EXPECT_EQ(img.Preference("Customized_Cards_Set"), "");
            EXPECT_EQ(img.Preference("Card_Size"), "B");
            EXPECT_EQ(img.CardFaceImages[0].pixel(1, 1), qRgb(10, 15, 0)); // the built-in set again
        }
    }
}

TEST_F(ImageResourcesTest, CustomCardSetSuitModesCutFromTheirRows) {
    Save();
    dir.Write("data/custom card sets/Mine.crs", Bmp(CardSetPicture(355, 1152, 71, 96)));
    struct Case {
        int mode;
        int blocks[4];
    } cases[] = {{0, {100, 101, 102, 103}}, {1, {103, 103, 103, 103}}, {2, {100, 100, 103, 103}}};
    for (const Case& c : cases) {
        Settings("B");
        s.GameAttr[50] = static_cast<std::int16_t>(c.mode);
        ImageResources img(s);
        img.WritePreferenceForTest("Customized_Cards_Set", "Mine");
        s.Params.WriteParam(257, 1, "Y");
        img.ApplyCardSettings();
        for (int k = 0; k < 4; ++k)
            for (int r : {1, 5, 6, 11, 13})
                EXPECT_EQ(img.CardFaceImages[size_t(13 * k + r - 1)].pixel(35, 48),
                          qRgb(c.blocks[k], 15 * r, 0))
                    << "mode " << c.mode << " suit " << k << " rank " << r;
    }
}

TEST_F(ImageResourcesTest, MissingOrDamagedCustomCardSetIsReported) {
    Save();
    std::string full = Bmp(CardSetPicture(355, 1152, 71, 96));
    struct Case {
        const char* what;
        bool write;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"missing", false, "", "Customized cards set image not found: "},
        {"truncated", true, full.substr(0, full.size() / 3),
         "The format of the Customized card set image is not valid.\n"},
        {"not a picture", true, "BM this is text",
         "The format of the Customized card set image is not valid.\n"},
    };
    for (const Case& c : cases) {
        desktop->boxes.clear();
        std::remove((s.DataFolder + "custom card sets/Gone.crs").c_str());
        if (c.write)
            dir.Write("data/custom card sets/Gone.crs", c.bytes);
        Settings("B");
        ImageResources img(s);
        img.WritePreferenceForTest("Customized_Cards_Set", "Gone");
        s.Params.WriteParam(257, 1, "Y");
        img.ApplyCardSettings();
        ASSERT_EQ(desktop->boxes.size(), 1u) << c.what;
        EXPECT_EQ(desktop->boxes[0].text, c.message + dir.path() + "data/custom card sets/Gone.crs")
            << c.what;
        EXPECT_EQ(s.Params.ReadParam(257, 1), "N") << c.what;
        EXPECT_FALSE(img.CardFaceImages[0].isNull()) << c.what;
    }
}

TEST_F(ImageResourcesTest, AdditionalCardSetFromTheAddOnLibrary) {
    ResourceWriter c01;
    c01.Add(ResourceKind::Bitmap, "SMALL16", Png(CardSetPicture(295, 960, 59, 80)));
    dir.Write("prog/plus/c01.dat", "SMALL16=Small (16 colors)\r\nTRAD=Traditional English Playing Cards\r\n");
    Save();
    ASSERT_TRUE(c01.Save(s.ProgramFolder + "plus/c01.rgf"));

    // A custom-set name kept from earlier versions maps onto the add-on set.
    Settings("B");
    ImageResources img(s);
    img.WritePreferenceForTest("Customized_Cards_Set", "Small (16 colors)");
    s.Params.WriteParam(257, 1, "Y");
    img.ApplyCardSettings();
    EXPECT_TRUE(desktop->boxes.empty());
    EXPECT_EQ(s.Params.ReadParam(257, 1), "N");
    EXPECT_EQ(s.Params.ReadParam(258, 1), "Y");
    EXPECT_EQ(img.Preference("Additional_Cards_Set"), "SMALL16");
    EXPECT_EQ(img.Preference("Customized_Cards_Set"), "");
    EXPECT_EQ(s.Params.ReadParam(128, 1), "M");
    EXPECT_EQ(img.CardFaceImages[39].pixel(30, 40), qRgb(103, 15, 0));

    // A resource the add-on library lacks.
    dir.Write("data/Rnd_read.dat", "x");
    img.WritePreferenceForTest("Additional_Cards_Set", "NOSUCH");
    img.ApplyCardSettings();
    EXPECT_EQ(Texts(), std::vector<std::string>{
                           "Error loading the Card Set: NOSUCH\nPlease install again Varopa Plus!"});
    EXPECT_FALSE(FileExists(s.DataFolder + "Rnd_read.dat"));
    EXPECT_EQ(s.Params.ReadParam(258, 1), "N");
}

TEST_F(ImageResourcesTest, CustomAndAdditionalDecks) {
    Save();
    dir.Write("data/custom decks/Cat.bmp", Bmp(Solid(40, 50, qRgb(90, 10, 10))));
    Settings("M", "003");
    ImageResources img(s);
    img.WritePreferenceForTest("Customized_Deck", "Cat");
    s.Params.WriteParam(256, 1, "Y");
    img.ApplyCardSettings();
    EXPECT_EQ(img.CardBackImage.size(), QSize(59, 80)); // stretched to the card
    EXPECT_EQ(img.CardBackImage.pixel(30, 40), qRgb(90, 10, 10));
    EXPECT_TRUE(desktop->boxes.empty());

    struct Case {
        int flag;
        const char* key;
        std::string message;
    } cases[] = {{256, "Customized_Deck",
                  "Customized deck image not found: " + dir.path() + "data/custom decks/Dog.bmp"},
                 {259, "Additional_Deck", "Error loading the Deck: Dog\nPlease install again Varopa Plus!"}};
    for (const Case& c : cases) {
        desktop->boxes.clear();
        Settings("B", "001", "005");
        s.Params.WriteParam(c.flag, 1, "Y");
        img.WritePreferenceForTest(c.key, "Dog");
        img.LoadCardBack();
        EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(s.Params.ReadParam(21, 3), "011");
        EXPECT_EQ(s.Params.ReadParam(256, 1), "N");
        EXPECT_EQ(s.Params.ReadParam(259, 1), "N");
        EXPECT_EQ(img.Preference(c.key), "");
        EXPECT_EQ(img.CardBackImage.pixel(30, 40), kBack011);
    }
}

TEST_F(ImageResourcesTest, AddOnResourceNames) {
    dir.Write("prog/plus/b01.dat", "MARBLE=Marble\nMARBLE2=Grey Marble\r\nbad line\n");
    ImageResources img(s);
    struct Case {
        std::string name, kind, result;
    } cases[] = {{"Marble", "Backgrounds", "MARBLE"},
                 {"Grey Marble", "backgrounds", "MARBLE2"},
                 {"Wood", "BACKGROUNDS", ""},
                 {"Marble", "decks", ""} /* no list file */};
    for (const Case& c : cases)
        EXPECT_EQ(img.AddOnResourceName(c.name, c.kind), c.result) << c.name << " " << c.kind;
    EXPECT_TRUE(desktop->boxes.empty());
    EXPECT_EQ(img.AddOnResourceName("Marble", "sounds"), "");
    EXPECT_EQ(Texts(), std::vector<std::string>{"File not found:"});
}

TEST_F(ImageResourcesTest, VerifyCardSetFallsBackWithoutTheFourthSet) {
    Save();
    struct Case {
        bool many;
        const char* set;
    } cases[] = {{true, "001"}, {false, "003"}};
    for (const Case& c : cases) {
        s.Params.WriteParam(24, 3, "004");
        ImageResources img(s);
        img.services.ManyColours = c.many;
        img.VerifyCardSet();
        EXPECT_EQ(s.Params.ReadParam(24, 3), c.set);
    }
    main.Add(ResourceKind::Bitmap, "CB004H", Png(Strip(71, 96, 1)));
    Save();
    s.Params.WriteParam(24, 3, "004");
    ImageResources img(s);
    img.VerifyCardSet();
    EXPECT_EQ(s.Params.ReadParam(24, 3), "004");
}

TEST_F(ImageResourcesTest, DamagedOrWrongSizedPicturesGiveEmptyOrCutImagesNeverACrash) {
    // A strip of the wrong size is cut as far as it goes.
    main.Add(ResourceKind::Bitmap, "CB002H", Png(Solid(100, 100, qRgb(1, 1, 1))));
    main.Add(ResourceKind::Bitmap, "CB002D", "\x89PNG\r\n\x1a\n broken");
    Save();
    Settings("B", "002");
    ImageResources img(s);
    img.ApplyCardSettings();
    EXPECT_EQ(img.CardFaceImages[0].size(), QSize(71, 96));
    EXPECT_EQ(img.CardFaceImages[0].pixel(10, 10), qRgb(1, 1, 1));
    EXPECT_EQ(img.CardFaceImages[12].size(), QSize(71, 96)); // outside the small strip
    EXPECT_TRUE(img.CardFaceImages[13].isNull());            // undecodable strip
    EXPECT_TRUE(img.CardFaceImages[26].isNull());            // missing strip
    EXPECT_TRUE(desktop->boxes.empty());
}

TEST_F(ImageResourcesTest, MissingMainLibraryIsReported) {
    EXPECT_FALSE(OpenMainLibrary(s));
    ASSERT_EQ(desktop->boxes.size(), 1u);
    EXPECT_EQ(desktop->boxes[0].text, "Can't find/load " + Lower(dir.path() + "prog/SOL.RGF"));
    EXPECT_EQ(desktop->boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(s.MainLibrary, nullptr);
}

TEST_F(ImageResourcesTest, SettingsReachTheConfigurationFile) {
    Save();
    WriteConfigString(s, "Preference", "Customized_Deck", "Gone");
    Settings("B", "001", "005");
    s.Params.WriteParam(256, 1, "Y");
    ImageResources img(s);
    UseConfigurationFile(img);
    img.ApplyCardSettings();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Customized deck image not found: " + dir.path() +
                                                "data/custom decks/Gone.bmp"});
    EXPECT_EQ(ReadConfigString(s, "Preference", "Customized_Deck", "?"), "");
    img.ResetCardSettings();
    EXPECT_EQ(ReadConfigString(s, "Preference", "Card", "?"), "1");
    EXPECT_EQ(img.Preference("Card"), ""); // nothing went to the private store
}

// ---- Fitting the card size --------------------------------------------------------------------

class FitCardSizeTest : public ImageResourcesTest {
protected:
    void SetUp() override {
        ImageResourcesTest::SetUp();
        for (const char* l : {"S"}) {
            const char suits[] = "HDCS";
            for (int k = 0; k < 4; ++k)
                main.Add(ResourceKind::Bitmap, std::string("C") + l + "001" + suits[k],
                         Png(Strip(85, 115, 50 + k)));
        }
        Save();
        s.Params.WriteParam(189, 50, "Klondike");
    }
};

TEST_F(FitCardSizeTest, ReducesTheSizeAndGivesItsNotice) {
    struct Case {
        int width, screenClass;
        std::string before, after, notice;
    } cases[] = {
        {1024, 2, "S", "B", "Msg_Cards_Large"},
        {1024, 2, "X", "B", "Msg_Extra_Large_Cards"},
        {640, 1, "B", "M", "Msg_Cards_Medium_640x480"},
        {800, 2, "B", "M", "Msg_Cards_Medium_800x600"},
        {800, 2, "X", "M", "Msg_Cards_Medium_800x600"},
        {800, 1, "X", "B", "Msg_Extra_Large_Cards"},
        {700, 1, "S", "B", "Msg_Cards_Large"},
        {1280, 2, "X", "X", ""},
        {1024, 1, "S", "S", ""},
        {900, 1, "X", "X", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " class " + std::to_string(c.screenClass) + " " + c.before);
        Settings(c.before);
        for (int pos : {240, 261, 262})
            s.Params.WriteParam(pos, 1, "");
        s.Params.WriteParam(129, 3, "");
        s.Game.CardImagesState = 0;
        s.Game.SmallScreenAdviceShown = 0;
        s.Game.CardSizeAdviceShown = 0;
        s.GameAttr[40] = static_cast<std::int16_t>(c.screenClass);
        ImageResources img(s);
        img.ApplyCardSettings();
        s.Game.CardSetVariant = static_cast<std::int16_t>(s.Attr(50));
        std::vector<std::string> notices;
        img.services.ShowAdvice = [&](const std::string& text, const std::string& name) {
            notices.push_back(name);
            EXPECT_NE(text.find("Klondike using a predefined"), std::string::npos) << text;
        };
        img.services.ScreenWidth = c.width;
        img.FitCardSize();
        EXPECT_EQ(s.Params.ReadParam(128, 1), c.after);
        if (c.notice.empty()) {
            EXPECT_TRUE(notices.empty());
        } else {
            EXPECT_EQ(notices, std::vector<std::string>{c.notice});
            EXPECT_EQ(s.Params.ReadParam(240, 1), c.before); // the size in force is kept for later
            EXPECT_EQ(s.Game.CardImagesState, 1);
        }
        int w = 0, h = 0;
        CardSizeOf(c.after[0], w, h);
        EXPECT_EQ(s.Metrics.CardWidth, w);
    }
}

TEST_F(FitCardSizeTest, NoticeOncePerRunAndTheSavedSizeComesBack) {
    Settings("S");
    s.Game.CardImagesState = 0;
    s.GameAttr[40] = 2;
    ImageResources img(s);
    int notices = 0, enabled = 0;
    img.services.ShowAdvice = [&](const std::string&, const std::string&) { ++notices; };
    img.services.EnableCustomize = [&](bool on) { enabled += on; };
    img.services.ScreenWidth = 1024;
    img.WritePreferenceForTest("Customized_Cards_Set", "");
    img.FitCardSize();
    EXPECT_EQ(s.Params.ReadParam(128, 1), "B");
    EXPECT_EQ(notices, 1);

    // A game with room: the saved "S" comes back and the saved settings are cleared.
    s.GameAttr[40] = 1;
    img.FitCardSize();
    EXPECT_EQ(s.Params.ReadParam(128, 1), "S");
    EXPECT_EQ(s.Metrics.CardWidth, 85);
    EXPECT_EQ(img.CardFaceImages[0].pixel(40, 50), qRgb(50, 15, 0));
    EXPECT_EQ(s.Params.ReadParam(240, 1), "");
    EXPECT_EQ(s.Params.ReadParam(129, 3), "");
    EXPECT_EQ(enabled, 1);

    // Reduced again, opened from the dialog again: no second notice in this run.
    s.GameAttr[40] = 2;
    s.Game.CardImagesState = 0;
    img.FitCardSize();
    EXPECT_EQ(s.Params.ReadParam(128, 1), "B");
    EXPECT_EQ(notices, 1);
}

TEST_F(FitCardSizeTest, NoNoticeAtStartUpOrWhenNothingWasSaved) {
    struct Case {
        int state;
        std::string saved;
    } cases[] = {{2, ""}, {1, ""}, {0, "S"}};
    for (const Case& c : cases) {
        Settings("S");
        s.Params.WriteParam(240, 1, c.saved);
        s.Params.WriteParam(129, 3, c.saved.empty() ? "" : "001");
        s.Game.CardImagesState = static_cast<std::int16_t>(c.state);
        s.Game.CardSizeAdviceShown = 0;
        s.GameAttr[40] = 2;
        ImageResources img(s);
        int notices = 0;
        img.services.ShowAdvice = [&](const std::string&, const std::string&) { ++notices; };
        img.services.ScreenWidth = 1024;
        img.FitCardSize();
        EXPECT_EQ(s.Params.ReadParam(128, 1), "B") << c.state;
        EXPECT_EQ(notices, 0) << c.state;
    }
}

TEST_F(FitCardSizeTest, SuitModeChangeReloadsTheFaces) {
    Settings("B");
    s.GameAttr[40] = 1;
    s.GameAttr[50] = 1;
    s.Game.CardSetVariant = 0;
    ImageResources img(s);
    img.FitCardSize();
    EXPECT_EQ(s.Game.CardSetVariant, 1);
    EXPECT_EQ(img.CardFaceImages[0].pixel(5, 5), qRgb(13, 15, 0)); // hearts cut from the spades strip
}

// ---- Backgrounds ------------------------------------------------------------------------------

class BackgroundTest : public ImageResourcesTest {
protected:
    void SetUp() override {
        ImageResourcesTest::SetUp();
        Save();
        s.Params.WriteParam(27, 1, "N");
        s.Params.WriteParam(135, 1, "Y");
        for (int pos : {246, 260})
            s.Params.WriteParam(pos, 1, "N");
    }
    QImage Paint(ImageResources& img) {
        QImage canvas(95, 63, QImage::Format_RGB32);
        canvas.fill(qRgb(1, 1, 1));
        img.PaintBackground(canvas);
        return canvas;
    }
};

TEST_F(BackgroundTest, BuiltInPicturesTileOrStandOnce) {
    ImageResources img(s);
    s.Params.WriteParam(43, 4, "12");
    QImage tiled = Paint(img);
    for (QPoint p :
         {QPoint(0, 0), QPoint(10, 0), QPoint(90, 0), QPoint(0, 60), QPoint(90, 60), QPoint(40, 30)})
        EXPECT_EQ(tiled.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(tiled.pixel(94, 62), qRgb(0, 200, 0));

    s.Params.WriteParam(43, 4, "501");
    QImage whole = Paint(img);
    EXPECT_EQ(whole.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(whole.pixel(49, 39), qRgb(0, 0, 255));
    EXPECT_NE(whole.pixel(60, 50), qRgb(0, 0, 255)); // drawn once, not repeated
}

TEST_F(BackgroundTest, ColoursAndTheDefaultTable) {
    ImageResources img(s);
    struct Case {
        const char *def, *picture, *fixed, *colour;
        QRgb expected;
        bool faded;
    } cases[] = {
        {"Y", "12", "255", "0", qRgb(0, 0x80, 0), true}, // the default table wins over everything
        {"N", "0", "255", "0", qRgb(255, 0, 0), true},   // blue in the high byte: 255 is red
        {"N", "0", "16711680", "0", qRgb(0, 0, 255), true},
        {"N", "0", "0", "65280", qRgb(0, 255, 0), true}, // no fixed colour: the other one
        {"N", "", "", "", qRgb(0, 0x80, 0), true},       // empty settings get their defaults
        {"N", "77", "255", "0", qRgb(255, 0, 0), true},  // a picture the library lacks: the colour
    };
    for (const Case& c : cases) {
        s.Params.WriteParam(27, 1, c.def);
        s.Params.WriteParam(43, 4, c.picture);
        s.Params.WriteParam(47, 15, c.fixed);
        s.Params.WriteParam(28, 15, c.colour);
        BackgroundChoice choice = img.ChooseBackground();
        EXPECT_EQ(choice.kind, BackgroundChoice::Colour) << c.fixed;
        EXPECT_EQ(choice.colour, c.expected) << c.fixed;
        EXPECT_EQ(choice.faded, c.faded) << c.fixed;
    }
    EXPECT_EQ(s.Params.ReadParam(43, 4), "77");
    s.Params.WriteParam(135, 1, "N");
    EXPECT_FALSE(img.ChooseBackground().faded);
}

TEST_F(BackgroundTest, CustomJpegAndBitmapFiles) {
    QImage picture = Solid(16, 16, qRgb(200, 100, 50));
    dir.Write("data/Sunset.jpg", Jpeg(picture));
    dir.Write("data/Tiles.bmp", Bmp(picture));
    ImageResources img(s);
    s.Params.WriteParam(246, 1, "Y");
    for (std::string name : {dir.path() + "data/Sunset.jpg", std::string("Tiles")}) {
        img.WritePreferenceForTest("Customized_Background", name);
        BackgroundChoice choice = img.ChooseBackground();
        ASSERT_EQ(choice.kind, BackgroundChoice::Tiled) << name;
        ASSERT_EQ(choice.picture.size(), QSize(16, 16)) << name;
        QRgb p = choice.picture.pixel(8, 8);
        EXPECT_NEAR(qRed(p), 200, 4) << name;
        EXPECT_NEAR(qGreen(p), 100, 4) << name;
        EXPECT_NEAR(qBlue(p), 50, 4) << name;
    }
    EXPECT_TRUE(desktop->boxes.empty());
}

TEST_F(BackgroundTest, BrokenCustomFilesFallBackToTheDefaultTable) {
    std::string jpeg = Jpeg(Solid(64, 64, qRgb(10, 20, 30)));
    std::string bmp = Bmp(Solid(64, 64, qRgb(10, 20, 30)));
    dir.Write("data/cut.bmp", bmp.substr(0, 20));
    dir.Write("data/text.jpg", "not a jpeg at all");
    struct Case {
        std::string name;
        std::string path;
    } cases[] = {{"Missing", dir.path() + "data/Missing.bmp"},
                 {dir.path() + "data/nowhere.jpeg", dir.path() + "data/nowhere.jpeg"},
                 {"cut", dir.path() + "data/cut.bmp"},
                 {dir.path() + "data/text.jpg", dir.path() + "data/text.jpg"}};
    for (const Case& c : cases) {
        desktop->boxes.clear();
        s.Params.WriteParam(246, 1, "Y");
        s.Params.WriteParam(27, 1, "N");
        s.Params.WriteParam(135, 1, "N");
        ImageResources img(s);
        img.WritePreferenceForTest("Customized_Background", c.name);
        BackgroundChoice choice = img.ChooseBackground();
        EXPECT_EQ(Texts(), std::vector<std::string>{"Customized background image not found: " + c.path})
            << c.name;
        EXPECT_EQ(choice.kind, BackgroundChoice::Colour);
        EXPECT_EQ(choice.colour, qRgb(0, 0x80, 0));
        EXPECT_EQ(s.Params.ReadParam(246, 1), "N");
        EXPECT_EQ(s.Params.ReadParam(27, 1), "Y");
        EXPECT_EQ(s.Params.ReadParam(135, 1), "Y");
        EXPECT_EQ(img.Preference("Customized_Background"), "");
        EXPECT_EQ(img.Preference("Background_Def"), "Y");
    }
    // A JPEG cut short still decodes what it has; it is never a crash.
    dir.Write("data/short.jpg", jpeg.substr(0, jpeg.size() / 2));
    s.Params.WriteParam(246, 1, "Y");
    s.Params.WriteParam(27, 1, "N");
    ImageResources img(s);
    img.WritePreferenceForTest("Customized_Background", dir.path() + "data/short.jpg");
    BackgroundChoice choice = img.ChooseBackground();
    if (choice.kind == BackgroundChoice::Tiled) {
        EXPECT_EQ(choice.picture.size(), QSize(64, 64));
    }
}

TEST_F(BackgroundTest, AdditionalBackgroundsFromTheAddOnLibrary) {
    ResourceWriter b01;
    b01.Add(ResourceKind::RawData, "MARBLE", Jpeg(Solid(20, 20, qRgb(120, 120, 120))));
    b01.Add(ResourceKind::RawData, "BROKEN", "definitely not a picture");
    ASSERT_TRUE(b01.Save(s.ProgramFolder + "plus/b01.rgf"));
    ImageResources img(s);
    s.Params.WriteParam(260, 1, "Y");
    img.WritePreferenceForTest("Additional_Background", "Marble");
    BackgroundChoice good = img.ChooseBackground();
    ASSERT_EQ(good.kind, BackgroundChoice::Tiled);
    EXPECT_NEAR(qRed(good.picture.pixel(10, 10)), 120, 4);

    for (const char* name : {"BROKEN", "ABSENT"}) {
        desktop->boxes.clear();
        dir.Write("data/Rnd_read.dat", "x");
        s.Params.WriteParam(260, 1, "Y");
        s.Params.WriteParam(27, 1, "N");
        img.WritePreferenceForTest("Additional_Background", name);
        BackgroundChoice choice = img.ChooseBackground();
        EXPECT_EQ(Texts(), std::vector<std::string>{std::string("Error loading the Background: ") + name +
                                                    "\nPlease install again Varopa Plus!"});
        EXPECT_FALSE(FileExists(s.DataFolder + "Rnd_read.dat"));
        EXPECT_EQ(choice.kind, BackgroundChoice::Colour);
        EXPECT_EQ(s.Params.ReadParam(260, 1), "N");
        EXPECT_EQ(img.Preference("Additional_Background"), "");
    }
}

TEST(DecodeJpegTest, RefusesWhatIsNotAJpeg) {
    for (const std::string& bad : {std::string(), std::string("\xFF\xD8"),
                                   std::string("\xFF\xD8\xFF\xE0 short"), std::string(1000, '\0')})
        EXPECT_TRUE(DecodeJpeg(bad).isNull());
    QImage ok = DecodeJpeg(Jpeg(Solid(3, 5, qRgb(0, 0, 0))));
    EXPECT_EQ(ok.size(), QSize(3, 5));
}

} // namespace
