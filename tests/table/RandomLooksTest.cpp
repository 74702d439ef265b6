// The random looks of a new game drawn from the pictures of the built image and sound library.

#include "table/RandomLooks.h"

#include "common/TempFolder.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/ResourceLibrary.h"
#include "table/ImageResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

using namespace quillon;

namespace {

TEST(RandomLooks, NumberedPicturesOfAKind) {
    const std::vector<std::string> names = {"bitmap/DB001.png", "DB003", "db020",  "DB01",    "DBX01",
                                            "DB0011",           "DB003", "CB002H", "CB002D",  "cb004h",
                                            "CM001H",           "B012",  "B501",   "BTN_NEW", "B5"};
    struct Case {
        std::string prefix, suffix;
        std::vector<std::string> numbers;
    } cases[] = {
        {"DB", "", {"001", "003", "020"}},
        {"CB", "H", {"002", "004"}},
        {"CM", "H", {"001"}},
        {"B", "", {"012", "501"}},
        {"CX", "H", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberedPictures(names, c.prefix, c.suffix), c.numbers) << c.prefix << c.suffix;
}

class RandomLooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
        ASSERT_TRUE(dir);
        s.ProgramFolder = WithSlash(dir);
        s.DataFolder = data.path();
        s.desktop = &desktop;
        ASSERT_TRUE(OpenMainLibrary(s));
        s.Params.WriteParam(128, 1, "B");
        s.Params.WriteParam(24, 3, "001");
        s.Params.WriteParam(21, 3, "011");
        s.Params.WriteParam(43, 4, "0");
        s.Params.WriteParam(27, 1, "Y");
        s.Params.WriteParam(256, 1, "Y"); // a custom deck in force
    }
    quillon::testing::TempFolder data;
    RecordingDesktop desktop;
    Session s;
};

TEST_F(RandomLooksTest, EachSwitchDrawsFromTheLibrarysOwnPictures) {
    ImageResources images(s);
    const std::string before = s.Params.ReadParam(1, 300);
    EXPECT_FALSE(ApplyRandomLooks(images, s.Random)) << "all three switches off";
    EXPECT_EQ(s.Params.ReadParam(1, 300), before);

    const auto names = s.MainLibrary->Names(ResourceKind::Bitmap);
    const auto backs = NumberedPictures(names, "DB", ""), sets = NumberedPictures(names, "CB", "H"),
               pictures = NumberedPictures(names, "B", "");
    ASSERT_GE(backs.size(), 3u);
    for (int pos : {152, 187, 188})
        s.Params.WriteParam(pos, 1, "Y");
    std::set<std::string> seenBacks, seenSets, seenPictures;
    for (int deal = 0; deal < 40; ++deal) {
        ASSERT_TRUE(ApplyRandomLooks(images, s.Random));
        const std::string back = s.Params.ReadParam(21, 3), set = s.Params.ReadParam(24, 3);
        char picture[8];
        std::snprintf(picture, sizeof picture, "%03d", s.Params.ReadInt(43, 4, -1));
        EXPECT_NE(std::find(backs.begin(), backs.end(), back), backs.end()) << back;
        EXPECT_NE(std::find(sets.begin(), sets.end(), set), sets.end()) << set;
        EXPECT_NE(std::find(pictures.begin(), pictures.end(), picture), pictures.end()) << picture;
        seenBacks.insert(back), seenSets.insert(set), seenPictures.insert(picture);
    }
    EXPECT_GE(seenBacks.size(), 3u) << "the back changes from deal to deal";
    EXPECT_GE(seenSets.size(), 2u);
    EXPECT_GE(seenPictures.size(), 2u);
    EXPECT_EQ(s.Params.ReadParam(256, 1), "N") << "the drawn back replaces the custom deck";
    EXPECT_EQ(s.Params.ReadParam(27, 1), "N") << "the drawn picture replaces the default background";
    EXPECT_FALSE(images.CardBackImage.isNull());
    EXPECT_TRUE(desktop.boxes.empty());
}

} // namespace
