#pragma once
// Resource libraries (".rgf"): ZIP archives that hold the program's pictures, cursors, wave sounds,
// raw JPEG data and language strings, looked up by the names the program asks for without regard
// to case. Layout of an archive:
//   bitmap/NAME.png     a picture (any format the image loaders decode; PNG is what we build)
//   cursor/NAME.png     a pointer shape, with its hot spot in cursor/NAME.hot ("x y")
//   wave/NAME.wav       a PCM wave sound
//   rcdata/NAME.jpg     raw JPEG data (backgrounds of the add-on libraries)
//   strings.txt         one "number<TAB>text" per line
// A name the library lacks, or an entry that cannot be read back intact, gives an empty answer;
// only opening the archive itself can fail.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace quillon {

enum class ResourceKind { Bitmap, Cursor, Wave, RawData };

struct CursorResource {
    std::string image; // empty when the library has no such cursor
    int hotX = 0;
    int hotY = 0;
};

class ResourceLibrary {
public:
    ResourceLibrary() = default;
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Opens the archive and reads its index; false (and closed) when the file is missing or its
    // index is unreadable. A library stays open until Close or destruction.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return archive_ != nullptr; }
    const std::string& Path() const { return path_; }

    // The stored bytes of a resource, or "" when the library lacks it or the entry is damaged.
    std::string Bitmap(std::string_view name) const { return Read(ResourceKind::Bitmap, name); }
    std::string Wave(std::string_view name) const { return Read(ResourceKind::Wave, name); }
    std::string RawData(std::string_view name) const { return Read(ResourceKind::RawData, name); }
    CursorResource Cursor(std::string_view name) const;
    // The language string with that number, or "".
    std::string String(int id) const;

    std::string Read(ResourceKind kind, std::string_view name) const;
    bool Has(ResourceKind kind, std::string_view name) const;
    // Names of one kind as stored in the archive (for checks and tools).
    std::vector<std::string> Names(ResourceKind kind) const;

private:
    std::string ReadIndex(long long index) const;

    zip* archive_ = nullptr;
    std::string path_;
    // "kind/lower-case name" -> entry index and the stored spelling of the name.
    struct Entry {
        long long index;
        std::string name;
    };
    std::map<std::string, Entry> entries_;
    std::map<int, std::string> strings_;
};

// Builds a resource library in memory and writes it as one archive. Used by the library builder
// and by tests that need small libraries of their own.
class ResourceWriter {
public:
    void Add(ResourceKind kind, const std::string& name, std::string bytes);
    void AddCursor(const std::string& name, std::string image, int hotX, int hotY);
    void AddString(int id, const std::string& text);
    // Writes the archive through a temporary file and a rename; false on any failure.
    bool Save(const std::string& path) const;
    size_t size() const { return files_.size(); }

private:
    // Archive path -> bytes, in insertion order of names.
    std::vector<std::pair<std::string, std::string>> files_;
    std::map<int, std::string> strings_;
};

// Folder and extension of a kind inside the archive ("bitmap", ".png").
const char* ResourceFolder(ResourceKind kind);
const char* ResourceExtension(ResourceKind kind);

} // namespace quillon
