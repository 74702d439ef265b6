// The preview file "solp.dat" on any bytes: reading never fails hard, every line restores, every
// piece read from a record is a picture 1-99 at a place of three digits, and the pieces written
// back as a record read back the same.

#include "fuzz/FuzzFiles.h"
#include "select/PreviewFile.h"
#include "select/StatisticsText.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput("solp.dat", data, size);
    const auto lines = ReadPreviewFile(path);
    if (!lines)
        fuzz::Fail("a readable preview file was not read");
    for (int game = 0; game < static_cast<int>(lines->size()) && game < 400; ++game) {
        const auto record = PreviewRecord(*lines, game);
        if (!record || record->size() != (*lines)[static_cast<size_t>(game)].size())
            fuzz::Fail("a line did not restore to its own length");
        if (StorePreviewRecord(*record) != (*lines)[static_cast<size_t>(game)])
            fuzz::Fail("storing a restored line does not give the line back");
        const auto pieces = ParsePreviewRecord(*record);
        if (record->size() > 4 && pieces.size() > (record->size() - 4) / 9)
            fuzz::Fail("more pieces than whole groups");
        for (const PreviewPiece& p : pieces)
            if (p.picture < 1 || p.picture > kPreviewPictureCount || p.x < 0 || p.x > 999 || p.y < 0 ||
                p.y > 999)
                fuzz::Fail("a piece out of range was read");
        if (ParsePreviewRecord(FormatPreviewRecord(pieces)) != pieces)
            fuzz::Fail("pieces written as a record do not read back");
    }
    if (PreviewRecord(*lines, static_cast<int>(lines->size())))
        fuzz::Fail("a game beyond the last line has a record");
    return 0;
}
