// The resource library (a ZIP archive) on any bytes: opening, listing and reading every entry,
// cursor and string never fail hard.

#include "fuzz/FuzzFiles.h"
#include "platform/ResourceLibrary.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput("SOL.RGF", data, size);
    ResourceLibrary library;
    if (!library.Open(path))
        return 0;
    for (ResourceKind kind :
         {ResourceKind::Bitmap, ResourceKind::Cursor, ResourceKind::Wave, ResourceKind::RawData})
        for (const std::string& name : library.Names(kind)) {
            (void)library.Read(kind, name);
            if (kind == ResourceKind::Cursor)
                (void)library.Cursor(name);
        }
    for (int id = 0; id < 8; ++id)
        (void)library.String(id);
    (void)library.Bitmap("missing");
    return 0;
}
