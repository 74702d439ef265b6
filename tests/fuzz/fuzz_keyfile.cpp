// The sectioned key files (the statistics files' format) on any bytes: reading never fails hard,
// and a key written reads back with its value, in place or through a rebuilt section.

#include "fuzz/FuzzFiles.h"
#include "platform/Desktop.h"
#include "platform/SectionedKeyFile.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput("Stat_uni.dat", data, size);
    RecordingDesktop desktop;
    const std::vector<std::string> sections = SectionNames(path);
    for (size_t i = 0; i < sections.size() && i < 8; ++i) {
        (void)SectionOffset(path, "[" + sections[i] + "]");
        (void)SectionLines(path, sections[i]);
        (void)ReadKeys(path, sections[i], {"GW-0087", "GL-0087", "Version"}, {"0", "0"});
    }
    const std::string section = sections.empty() ? std::string("Player 1") : sections.front();
    // Two widths: the second write of the same width goes in place, the third rebuilds.
    for (const char* value : {"0000000001", "0000000002", "123"}) {
        if (!WriteKey(desktop, path, section, "GW-0087", value))
            continue;
        const KeyResult back = ReadKey(path, section, "GW-0087", "missing");
        if (!back.found || back.value != value)
            fuzz::Fail("a written key does not read back");
    }
    return 0;
}
