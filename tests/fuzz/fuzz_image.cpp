// The picture loaders on any bytes: BMP and PNG through the image decoder, and the same bytes as
// JPEG through libjpeg. A decoded picture is never larger than the loaders allow.

#include "fuzz/FuzzFiles.h"
#include "table/ImageResources.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QImage image = DecodeImage(bytes);
    const QImage jpeg = DecodeJpeg(bytes);
    if (!image.isNull() && (image.width() <= 0 || image.height() <= 0))
        fuzz::Fail("a decoded picture has no size");
    if (!jpeg.isNull() && (jpeg.width() <= 0 || jpeg.height() <= 0))
        fuzz::Fail("a decoded JPEG has no size");
    return 0;
}
