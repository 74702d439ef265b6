// The configuration file reader and writer on any bytes: reading never fails hard, and a write
// reads back as written while every section the file had stays in it.

#include "fuzz/FuzzFiles.h"
#include "platform/IniFile.h"

#include <algorithm>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput("Cfg.dat", data, size);
    const std::vector<std::string> before = IniFile::SectionNames(path);
    for (const std::string& name : before) {
        for (const auto& [key, value] : IniFile::ReadSection(path, name)) {
            (void)IniFile::ReadString(path, name, key, "");
            (void)IniFile::ReadInteger(path, name, key, -1);
        }
    }
    (void)IniFile::ReadString(path, "Options", "Deck", "001");
    (void)IniFile::ReadInteger(path, "Options", "Size", 7);

    // The section the write goes to: the file's first when it has one, so that writes into
    // existing (and odd) sections are tried as well as new ones.
    const std::string section = before.empty() ? std::string("Options") : before.front();
    if (IniFile::WriteString(path, section, "FuzzKey", "written value")) {
        if (IniFile::ReadString(path, section, "FuzzKey", "") != "written value")
            fuzz::Fail("a written key does not read back");
        const std::vector<std::string> after = IniFile::SectionNames(path);
        for (const std::string& name : before)
            if (std::none_of(after.begin(), after.end(), [&](const std::string& a) { return a == name; }))
                fuzz::Fail("a write lost a section");
    }
    return 0;
}
