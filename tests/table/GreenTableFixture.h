#pragma once
// A drawing session for table tests: the built image library open, big cards of the first set
// with back 011, and a plain green table of the given size on all three pictures.
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "table/ImageResources.h"
#include "table/TableDrawing.h"

#include <gtest/gtest.h>

#include "common/PictureCompare.h"

#include <cstdlib>
#include <string>

namespace quillon::testing {

constexpr QRgb kGreenTable = 0xFF008000;

// A picture as it looks laid over the green table (its see-through parts showing the green).
inline QImage OnGreenTable(const QImage& picture) {
    QImage green(picture.size(), QImage::Format_RGB32);
    green.fill(kGreenTable);
    return LaidOver(picture, green);
}

class GreenTableFixture : public ::testing::Test {
protected:
    GreenTableFixture(int width, int height) : width_(width), height_(height) {}

    void SetUp() override {
        const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
        s.desktop = &desktop;
        s.ProgramFolder = dir ? WithSlash(dir) : std::string();
        ASSERT_TRUE(OpenMainLibrary(s)) << s.ProgramFolder;
        s.Params.WriteParam(128, 1, "B");
        s.Params.WriteParam(24, 3, "001");
        s.Params.WriteParam(21, 3, "011");
        images.ApplyCardSettings();
        ASSERT_EQ(s.Metrics.CardWidth, 71);
        ASSERT_EQ(s.Metrics.CardHeight, 96);
        drawing.Resize(width_, height_, width_, height_);
        drawing.SetPlainBackground(kGreenTable);
        for (QImage* img : {&drawing.TableImage, &drawing.WindowImage})
            img->fill(kGreenTable);
    }
    QRgb Table(int x, int y) const { return drawing.TableImage.pixel(x, y); }
    QRgb Window(int x, int y) const { return drawing.WindowImage.pixel(x, y); }

    RecordingDesktop desktop;
    Session s;
    ImageResources images{s};
    TableDrawing drawing{s, images};

private:
    int width_, height_;
};

} // namespace quillon::testing
