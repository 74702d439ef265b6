#pragma once
// Sectioned key files: the program's own reader and writer of the large text files kept in the
// data folder (the statistics files, the custom-game file). A file is made of section header lines
// ("[" + name + "]") and "key=value" lines, with CR LF line ends; sections are separated by an
// empty line. Keys match by prefix: a key matches every line that begins with its text. Section
// names and keys are compared exactly (case counts).
//
// Sections are found by a block scan of the file, never by reading it as lines, and a value of a
// key that exists is overwritten in place, so the common update does not copy the file. Files that
// must change shape are rewritten through a temporary file ("rpl" prefix, same folder) that then
// takes the file's name.
//
// Reading accepts CR LF, LF and lone CR line ends, a last line without line end, NUL bytes and
// lines of any length. Failures:
//   - an existing file that cannot be opened: FileError "Cannot open file " + path;
//   - no temporary file: information box "Error creating temp file.", the call returns false and
//     the file is untouched;
//   - the final swap fails: information box "Error in deleting the file: " + path (the old file
//     is in the way) or "Error in renaming the file: " + temp + "\n" + "to: " + path; the call
//     returns false, the old file is intact and the new content stays in the temporary file;
//   - a short write: FileError "Write error on file" (a temporary file is removed first).
// A missing file reads as empty: every read gives its default.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class Desktop;

// Byte offset of the first occurrence of `header` (a section name between "[" and "]") at the
// beginning of a line, or nothing. The file is scanned in blocks of 8192 bytes that overlap by the
// header's length, so a header across a block border is found.
std::optional<std::int64_t> SectionOffset(const std::string& file, std::string_view header);

struct KeysResult {
    std::vector<std::string> values;
    bool allFound = false;
};
// Values for a list of keys, each starting at its default (or "" when `defaults` is shorter). In
// the first section with that name, each line that contains "=" gives the text after its first
// "=" to the first key in list order that the line begins with; a later line for the same key
// overwrites. Reading stops as soon as every key has a value from the file.
KeysResult ReadKeys(const std::string& file, std::string_view section, const std::vector<std::string>& keys,
                    const std::vector<std::string>& defaults);

struct KeyResult {
    std::string value;
    bool found = false;
};
// The first line of the section that begins with `key`: the value is the text after the key and
// one more character (the "="), without trailing spaces. `def` when there is none.
KeyResult ReadKey(const std::string& file, std::string_view section, std::string_view key,
                  std::string_view def);

// The names of all sections in file order: each line beginning with "[" without its first and
// last character.
std::vector<std::string> SectionNames(const std::string& file);
// All non-empty lines of the first section with that name.
std::vector<std::string> SectionLines(const std::string& file, std::string_view section);

// Sets the value of `key` in `section`:
//  - no such section (or no such file): the section is appended with the one pair;
//  - the first line of the section that begins with `key` holds a value of the same width as
//    `value`: the bytes after that line's first "=" are overwritten in place, the file keeps its
//    length;
//  - otherwise (the key is missing, or the stored value is wider or narrower) the section is
//    rebuilt through a temporary file, with that line's value replaced or the pair added at the
//    end; the section's other lines stay as they are.
// False when the write failed or was refused: a line break in the section, key or value, an empty
// key, a key containing "=" or beginning with "[", a section name containing "]".
bool WriteKey(Desktop& desktop, const std::string& file, std::string_view section, std::string_view key,
              std::string_view value);

// Replaces the body of `section` with the pairs key + "=" + value, one per line, and one empty
// line, keeping the rest of the file byte for byte (rewritten through a temporary file). A missing
// section (or file) is appended. `keys` and `values` must have the same length.
bool WriteSection(Desktop& desktop, const std::string& file, std::string_view section,
                  const std::vector<std::string>& keys, const std::vector<std::string>& values);

// Writes CR LF, "[" + section + "]", CR LF and the pairs at the end of the file (created when
// missing).
bool AppendSection(const std::string& file, std::string_view section, const std::vector<std::string>& keys,
                   const std::vector<std::string>& values);

// Copies the file line by line through a temporary file, replacing in each line the text `oldText`
// found at the 1-based character `column` by `newText`; each line keeps its own line end.
// `progress` (may be empty) is told the number of lines done every 10 lines and at the end.
// A missing file needs no change (true); an empty `oldText` or a column below 1 is refused.
bool ReplaceInLines(Desktop& desktop, const std::string& file, int column, std::string_view oldText,
                    std::string_view newText, const std::function<void(int lines)>& progress);

// The final swap of a rewrite: the temporary file takes the name `file`. On failure shows the
// deletion or renaming message, keeps the temporary file and returns false.
bool ReplaceWithTemp(Desktop& desktop, const std::string& temp, const std::string& file);

// Creates an empty file when none exists; true when it created one.
bool CreateEmptyFile(const std::string& file);

// True when `text` consists only of "0" characters (also for the empty text).
bool AllZeros(std::string_view text);

} // namespace quillon
