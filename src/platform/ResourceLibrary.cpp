#include "platform/ResourceLibrary.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

namespace quillon {

namespace {

// Larger entries are not pictures or sounds of ours; refusing them keeps a hand-edited size field
// from asking for gigabytes.
constexpr zip_uint64_t kMaxEntrySize = 64u * 1024u * 1024u;

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string Key(ResourceKind kind, std::string_view name) {
    return std::string(ResourceFolder(kind)) + "/" + Lower(name);
}

// Splits "bitmap/CB001H.png" into folder "bitmap", stem "CB001H" and extension ".png".
bool SplitEntry(const std::string& entry, std::string& folder, std::string& stem, std::string& ext) {
    size_t slash = entry.find('/');
    if (slash == std::string::npos || entry.find('/', slash + 1) != std::string::npos)
        return false;
    folder = Lower(entry.substr(0, slash));
    std::string file = entry.substr(slash + 1);
    size_t dot = file.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return false;
    stem = file.substr(0, dot);
    ext = Lower(file.substr(dot));
    return true;
}

} // namespace

const char* ResourceFolder(ResourceKind kind) {
    switch (kind) {
    case ResourceKind::Bitmap:
        return "bitmap";
    case ResourceKind::Cursor:
        return "cursor";
    case ResourceKind::Wave:
        return "wave";
    case ResourceKind::RawData:
        return "rcdata";
    }
    return "";
}

const char* ResourceExtension(ResourceKind kind) {
    switch (kind) {
    case ResourceKind::Bitmap:
    case ResourceKind::Cursor:
        return ".png";
    case ResourceKind::Wave:
        return ".wav";
    case ResourceKind::RawData:
        return ".jpg";
    }
    return "";
}

ResourceLibrary::~ResourceLibrary() {
    Close();
}

void ResourceLibrary::Close() {
    if (archive_)
        zip_discard(archive_);
    archive_ = nullptr;
    entries_.clear();
    strings_.clear();
    path_.clear();
}

bool ResourceLibrary::Open(const std::string& path) {
    Close();
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive)
        return false;
    archive_ = archive;
    path_ = path;
    zip_int64_t count = zip_get_num_entries(archive, 0);
    long long stringsIndex = -1;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (!raw)
            continue;
        std::string entry = raw;
        if (Lower(entry) == "strings.txt") {
            stringsIndex = i;
            continue;
        }
        std::string folder, stem, ext;
        if (!SplitEntry(entry, folder, stem, ext))
            continue;
        // The hot spot of a cursor sits beside its picture under its own key.
        std::string key = folder + (ext == ".hot" ? "-hot/" : "/") + Lower(stem);
        entries_.emplace(key, Entry{i, stem}); // the first entry of a name wins
    }
    if (stringsIndex >= 0) {
        std::istringstream lines(ReadIndex(stringsIndex));
        std::string line;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            size_t tab = line.find('\t');
            if (tab == std::string::npos || tab == 0)
                continue;
            try {
                size_t used = 0;
                int id = std::stoi(line.substr(0, tab), &used);
                if (used == tab)
                    strings_.emplace(id, line.substr(tab + 1));
            } catch (const std::exception&) {
                // A line that does not start with a number is not a string of the table.
            }
        }
    }
    return true;
}

std::string ResourceLibrary::ReadIndex(long long index) const {
    if (!archive_ || index < 0)
        return {};
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_SIZE) || st.size > kMaxEntrySize)
        return {};
    zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        return {};
    std::string bytes(static_cast<size_t>(st.size), '\0');
    zip_uint64_t done = 0;
    bool ok = true;
    while (done < st.size) {
        zip_int64_t n = zip_fread(file, bytes.data() + done, st.size - done);
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<zip_uint64_t>(n);
    }
    // Reading to the end lets the archive check the entry's checksum; a damaged entry fails here.
    if (ok) {
        char extra;
        if (zip_fread(file, &extra, 1) != 0)
            ok = false;
    }
    zip_fclose(file);
    return ok ? bytes : std::string();
}

std::string ResourceLibrary::Read(ResourceKind kind, std::string_view name) const {
    auto it = entries_.find(Key(kind, name));
    return it == entries_.end() ? std::string() : ReadIndex(it->second.index);
}

bool ResourceLibrary::Has(ResourceKind kind, std::string_view name) const {
    return entries_.count(Key(kind, name)) != 0;
}

CursorResource ResourceLibrary::Cursor(std::string_view name) const {
    CursorResource c;
    c.image = Read(ResourceKind::Cursor, name);
    if (c.image.empty())
        return c;
    auto hot = entries_.find(std::string("cursor-hot/") + Lower(name));
    if (hot != entries_.end()) {
        std::istringstream in(ReadIndex(hot->second.index));
        int x = 0, y = 0;
        if (in >> x >> y && x >= 0 && y >= 0 && x < 256 && y < 256) {
            c.hotX = x;
            c.hotY = y;
        }
    }
    return c;
}

std::string ResourceLibrary::String(int id) const {
    auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
}

std::vector<std::string> ResourceLibrary::Names(ResourceKind kind) const {
    std::vector<std::string> out;
    std::string prefix = std::string(ResourceFolder(kind)) + "/";
    for (const auto& [key, entry] : entries_)
        if (key.compare(0, prefix.size(), prefix) == 0)
            out.push_back(entry.name);
    return out;
}

void ResourceWriter::Add(ResourceKind kind, const std::string& name, std::string bytes) {
    files_.emplace_back(std::string(ResourceFolder(kind)) + "/" + name + ResourceExtension(kind),
                        std::move(bytes));
}

void ResourceWriter::AddCursor(const std::string& name, std::string image, int hotX, int hotY) {
    Add(ResourceKind::Cursor, name, std::move(image));
    files_.emplace_back("cursor/" + name + ".hot", std::to_string(hotX) + " " + std::to_string(hotY) + "\n");
}

void ResourceWriter::AddString(int id, const std::string& text) {
    strings_[id] = text;
}

bool ResourceWriter::Save(const std::string& path) const {
    std::string table;
    for (const auto& [id, text] : strings_)
        table += std::to_string(id) + "\t" + text + "\n";
    int error = 0;
    // The archive is written beside the old one and renamed over it when complete.
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    auto add = [&](const std::string& name, const std::string& bytes) {
        zip_source_t* src = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (!src)
            return false;
        zip_int64_t index = zip_file_add(archive, name.c_str(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(src);
            return false;
        }
        // Pictures and JPEG data are compressed already; storing them keeps loading fast.
        bool packed = name.size() > 4 && (name.compare(name.size() - 4, 4, ".png") == 0 ||
                                          name.compare(name.size() - 4, 4, ".jpg") == 0);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 packed ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
        return true;
    };
    bool ok = true;
    for (const auto& [name, bytes] : files_)
        ok = ok && add(name, bytes);
    if (!strings_.empty())
        ok = ok && add("strings.txt", table);
    if (!ok) {
        zip_discard(archive);
        return false;
    }
    if (zip_close(archive) != 0) {
        // A failed close leaves the archive open and the old file untouched.
        zip_discard(archive);
        return false;
    }
    return true;
}

} // namespace quillon
