#pragma once
// The configuration file reader and writer: INI-style text files of "[section]" header lines and
// "key=value" lines, as the program's configuration file "Cfg.dat" is kept.
//
// - Sections and keys are compared without regard to (ASCII) case; the first occurrence counts,
//   both of a section and of a key inside it.
// - Blanks (spaces and tabs) around a section name, a key and a value are not part of them, as
//   with the classic profile functions: "  Sound = Y " is key "Sound" with value "Y".
// - Lines may end in CR LF, LF or CR alone; the last line needs no line end. Any byte (NUL, bytes
//   that are not UTF-8) is kept as it is.
// - Nothing is cached: every call opens the file, acts and closes it.
// - A write changes only the value of the key (or adds the key, or the section at the end of the
//   file); every other byte of the file stays as it was, including comments, blank lines, the case
//   of names, unknown sections and the file's own line ends. The file is replaced through a
//   temporary file and a rename, so it is never left half written.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {

class IniFile {
public:
    // The stored value, or `def` when the file, the section or the key is missing or the file
    // cannot be read.
    static std::string ReadString(const std::string& path, std::string_view section, std::string_view key,
                                  std::string_view def);
    // The stored value as a number, or `def` when it is missing or not a decimal number (an
    // optional sign and digits only) within the range of int.
    static int ReadInteger(const std::string& path, std::string_view section, std::string_view key, int def);

    // Sets the value of a key, creating the file, the section and the key as needed. False (and
    // the file unchanged) when the file cannot be read or written, or when a name or the value
    // would not read back as written: a line break in any of them, an empty key, a key that
    // contains "=" or begins with "[", a section name that contains "]".
    static bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                            std::string_view value);
    static bool WriteInteger(const std::string& path, std::string_view section, std::string_view key,
                             int value);

    // The key/value pairs of the first section with that name, in file order; a key repeated in
    // the section is listed once, with its first value.
    static std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& path,
                                                                        std::string_view section);
    // The names of all sections in file order (each name once, as first spelled).
    static std::vector<std::string> SectionNames(const std::string& path);
};

} // namespace quillon
