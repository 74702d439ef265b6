#include "platform/SectionedKeyFile.h"

#include "platform/Desktop.h"
#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

constexpr size_t kBlockSize = 8192; // reads and copies
constexpr size_t kPieceSize = 200;  // writes of new section text
constexpr std::string_view kCrLf = "\r\n";

// An open stdio file that is closed when it goes out of scope.
class File {
public:
    File() = default;
    explicit File(FILE* f) : f_(f) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& o) noexcept : f_(o.f_) { o.f_ = nullptr; }
    ~File() {
        if (f_)
            std::fclose(f_);
    }
    FILE* get() const { return f_; }
    explicit operator bool() const { return f_ != nullptr; }
    // Closes the file; false when buffered data could not be written.
    bool Close() {
        FILE* f = f_;
        f_ = nullptr;
        return f && std::fclose(f) == 0;
    }

private:
    FILE* f_ = nullptr;
};

[[noreturn]] void CannotOpen(const std::string& path) {
    throw FileError("Cannot open file " + path);
}
[[noreturn]] void WriteError() {
    throw FileError("Write error on file");
}

// Opens an existing file for reading; an empty File when there is no file at `path`. A path that
// exists but cannot be read as a file raises "Cannot open file".
File OpenExisting(const std::string& path, const char* mode = "rb") {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return File();
        CannotOpen(path);
    }
    if (!S_ISREG(st.st_mode))
        CannotOpen(path);
    FILE* f = std::fopen(path.c_str(), mode);
    if (!f)
        CannotOpen(path);
    return File(f);
}

void SeekTo(FILE* f, std::int64_t offset, const std::string& path) {
    if (::fseeko(f, static_cast<off_t>(offset), SEEK_SET) != 0)
        CannotOpen(path);
}

void WriteAll(FILE* f, std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        WriteError();
}

// Writes `bytes` in pieces of at most `piece` bytes.
void WritePieces(FILE* f, std::string_view bytes, size_t piece) {
    for (size_t pos = 0; pos < bytes.size(); pos += piece)
        WriteAll(f, bytes.substr(pos, piece));
}

// Copies the bytes of `from` between `begin` and `end` (the end of the file when `end` is
// negative) to `to`, in blocks.
void CopyRange(FILE* from, const std::string& path, std::int64_t begin, std::int64_t end, FILE* to) {
    SeekTo(from, begin, path);
    std::string buf(kBlockSize, '\0');
    std::int64_t left = end < 0 ? -1 : end - begin;
    while (left != 0) {
        size_t want = left < 0 ? kBlockSize : static_cast<size_t>(std::min<std::int64_t>(left, kBlockSize));
        size_t n = std::fread(buf.data(), 1, want, from);
        if (std::ferror(from))
            CannotOpen(path);
        WriteAll(to, std::string_view(buf.data(), n));
        if (left > 0)
            left -= static_cast<std::int64_t>(n);
        if (n < want) {
            if (left > 0) // the file became shorter than it was a moment ago
                CannotOpen(path);
            break;
        }
    }
}

// One line read from a file: its text without line end, where it begins and its line end ("" for
// a last line without one).
struct FileLine {
    std::string text;
    std::int64_t offset = 0;
    std::string_view eol;
};

// The same, looking into the reader's buffer: valid until the reader's next call.
struct LineView {
    std::string_view text;
    std::int64_t offset = 0;
    std::string_view eol;
};

// Reads a file line by line from a given offset, in blocks. Lines end in CR LF, LF or a lone CR.
class LineReader {
public:
    LineReader(FILE* f, const std::string& path, std::int64_t start) : f_(f), path_(path), bufStart_(start) {
        SeekTo(f, start, path);
    }

    bool Next(FileLine& line) {
        LineView view;
        if (!Next(view))
            return false;
        line.text.assign(view.text);
        line.offset = view.offset;
        line.eol = view.eol;
        return true;
    }

    bool Next(LineView& line) {
        for (;;) {
            size_t i = FindLineEnd(searched_);
            if (i != std::string::npos) {
                if (buf_[i] == '\r' && i + 1 == buf_.size() && !eof_) {
                    searched_ = i;
                    Fill(); // a LF may follow in the next block
                    continue;
                }
                size_t eolLen = buf_[i] == '\r' && i + 1 < buf_.size() && buf_[i + 1] == '\n' ? 2 : 1;
                Take(line, i, eolLen == 2 ? kCrLf : buf_[i] == '\r' ? std::string_view("\r") : "\n", eolLen);
                return true;
            }
            if (eof_) {
                if (pos_ == buf_.size())
                    return false;
                Take(line, buf_.size(), "", 0);
                return true;
            }
            searched_ = buf_.size();
            Fill();
        }
    }

private:
    // The first CR or LF at or after `from`. The places of the next CR and the next LF are kept
    // between calls, so a file with only one kind of line end is not searched again for the
    // other at every line.
    size_t FindLineEnd(size_t from) {
        if (!cached_ || (nextCr_ != std::string::npos && nextCr_ < from))
            nextCr_ = Find('\r', from);
        if (!cached_ || (nextLf_ != std::string::npos && nextLf_ < from))
            nextLf_ = Find('\n', from);
        cached_ = true;
        return std::min(nextCr_, nextLf_);
    }

    size_t Find(char c, size_t from) const {
        if (from >= buf_.size())
            return std::string::npos;
        const void* hit = std::memchr(buf_.data() + from, c, buf_.size() - from);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - buf_.data()) : std::string::npos;
    }

    void Take(LineView& line, size_t end, std::string_view eol, size_t eolLen) {
        line.text = std::string_view(buf_).substr(pos_, end - pos_);
        line.offset = bufStart_ + static_cast<std::int64_t>(pos_);
        line.eol = eol;
        pos_ = end + eolLen;
        searched_ = pos_;
    }

    void Fill() {
        cached_ = false;
        // Drop what has been handed out so that long files keep a small buffer.
        if (pos_ > 0) {
            buf_.erase(0, pos_);
            bufStart_ += static_cast<std::int64_t>(pos_);
            searched_ -= pos_;
            pos_ = 0;
        }
        size_t old = buf_.size();
        buf_.resize(old + kBlockSize);
        size_t n = std::fread(buf_.data() + old, 1, kBlockSize, f_);
        if (std::ferror(f_))
            CannotOpen(path_);
        buf_.resize(old + n);
        if (n < kBlockSize)
            eof_ = true;
    }

    FILE* f_;
    const std::string& path_;
    std::string buf_;
    std::int64_t bufStart_;
    size_t pos_ = 0;
    size_t searched_ = 0;
    size_t nextCr_ = 0;
    size_t nextLf_ = 0;
    bool cached_ = false;
    bool eof_ = false;
};

// The block scan for a header at the beginning of a line.
std::optional<std::int64_t> FindHeader(FILE* f, const std::string& path, std::string_view header) {
    if (header.empty())
        return std::nullopt;
    // Blocks must be longer than the overlap, or the scan would not advance.
    const size_t block = std::max(kBlockSize, 2 * header.size() + 1);
    std::string buf(block, '\0');
    std::int64_t start = 0; // file offset of buf[0]
    size_t carry = 0;       // bytes kept from the end of the previous block
    char before = '\n';     // the byte before the block; the file's start counts as a line start
    SeekTo(f, 0, path);
    for (;;) {
        size_t n = std::fread(buf.data() + carry, 1, block - carry, f);
        if (std::ferror(f))
            CannotOpen(path);
        std::string_view view(buf.data(), carry + n);
        for (size_t i = view.find(header); i != std::string_view::npos; i = view.find(header, i + 1)) {
            char prev = i > 0 ? view[i - 1] : before;
            if (prev == '\n' || prev == '\r')
                return start + static_cast<std::int64_t>(i);
        }
        if (n < block - carry)
            return std::nullopt;
        // The next block begins `header.size()` bytes before this one ends; those bytes are
        // moved to the front instead of being read again.
        size_t next = view.size() - header.size();
        before = view[next - 1];
        std::memmove(buf.data(), buf.data() + next, header.size());
        carry = header.size();
        start += static_cast<std::int64_t>(next);
    }
}

std::string HeaderOf(std::string_view section) {
    std::string header;
    header.reserve(section.size() + 2);
    header.append(1, '[').append(section).append(1, ']');
    return header;
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

bool ValidSection(std::string_view section) {
    return !HasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool ValidPair(std::string_view key, std::string_view value) {
    return !key.empty() && key.front() != '[' && key.find('=') == std::string_view::npos &&
           !HasLineBreak(key) && !HasLineBreak(value);
}

bool ValidPairs(const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    if (keys.size() != values.size())
        return false;
    for (size_t i = 0; i < keys.size(); ++i)
        if (!ValidPair(keys[i], values[i]))
            return false;
    return true;
}

// Where a section lies in a file.
struct SectionScan {
    std::int64_t header = 0;     // offset of the header line
    std::int64_t bodyStart = 0;  // offset just after the header line
    bool headerHasEol = true;    // false when the header is the file's last, unterminated line
    std::int64_t rest = -1;      // offset of the next section's "[", -1 when this is the last
    std::vector<FileLine> lines; // the body's lines, empty ones included
};

std::optional<SectionScan> ScanSection(FILE* f, const std::string& path, std::string_view section) {
    auto header = FindHeader(f, path, HeaderOf(section));
    if (!header)
        return std::nullopt;
    SectionScan scan;
    scan.header = *header;
    LineReader reader(f, path, *header);
    FileLine line;
    reader.Next(line);
    scan.headerHasEol = !line.eol.empty();
    scan.bodyStart = line.offset + static_cast<std::int64_t>(line.text.size() + line.eol.size());
    while (reader.Next(line)) {
        if (!line.text.empty() && line.text.front() == '[') {
            scan.rest = line.offset;
            break;
        }
        scan.lines.push_back(std::move(line));
    }
    return scan;
}

void Inform(Desktop& desktop, const std::string& text) {
    desktop.MessageBox(BoxKind::Information, "Information", text);
}

// Rewrites the body of a scanned section through a temporary file: the file up to and including
// the header line, `body` (each line followed by CR LF) and one empty line, then the rest of the
// file from the next section on.
bool RewriteSection(Desktop& desktop, File& old, const std::string& file, const SectionScan& scan,
                    const std::vector<std::string>& body) {
    std::string folder = FolderOf(file);
    auto temp = MakeTempFile(folder.empty() ? "./" : folder, "rpl");
    if (!temp) {
        Inform(desktop, "Error creating temp file.");
        return false;
    }
    try {
        File out(std::fopen(temp->c_str(), "wb"));
        if (!out)
            CannotOpen(*temp);
        CopyRange(old.get(), file, 0, scan.bodyStart, out.get());
        std::string text;
        if (!scan.headerHasEol)
            text += kCrLf;
        for (const auto& line : body)
            text.append(line).append(kCrLf);
        text += kCrLf;
        WritePieces(out.get(), text, kPieceSize);
        if (scan.rest >= 0)
            CopyRange(old.get(), file, scan.rest, -1, out.get());
        if (!out.Close())
            WriteError();
    } catch (...) {
        DeleteFileIfAny(*temp);
        throw;
    }
    old.Close();
    return ReplaceWithTemp(desktop, *temp, file);
}

std::vector<std::string> PairLines(const std::vector<std::string>& keys,
                                   const std::vector<std::string>& values) {
    std::vector<std::string> lines;
    lines.reserve(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        lines.push_back(keys[i] + "=" + values[i]);
    return lines;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::optional<std::int64_t> SectionOffset(const std::string& file, std::string_view header) {
    File f = OpenExisting(file);
    if (!f)
        return std::nullopt;
    return FindHeader(f.get(), file, header);
}

KeysResult ReadKeys(const std::string& file, std::string_view section, const std::vector<std::string>& keys,
                    const std::vector<std::string>& defaults) {
    KeysResult result;
    result.values.resize(keys.size());
    for (size_t i = 0; i < keys.size() && i < defaults.size(); ++i)
        result.values[i] = defaults[i];
    File f = OpenExisting(file);
    if (!f || keys.empty())
        return result;
    auto header = FindHeader(f.get(), file, HeaderOf(section));
    if (!header)
        return result;
    std::vector<bool> found(keys.size(), false);
    size_t missing = keys.size();
    LineReader reader(f.get(), file, *header);
    LineView line;
    reader.Next(line); // the header line
    while (missing > 0 && reader.Next(line)) {
        if (!line.text.empty() && line.text.front() == '[')
            break;
        size_t eq = line.text.find('=');
        if (eq == std::string_view::npos)
            continue;
        for (size_t k = 0; k < keys.size(); ++k) {
            if (keys[k].empty() || !StartsWith(line.text, keys[k]))
                continue;
            result.values[k] = std::string(line.text.substr(eq + 1));
            if (!found[k]) {
                found[k] = true;
                --missing;
            }
            break;
        }
    }
    result.allFound = missing == 0;
    return result;
}

KeyResult ReadKey(const std::string& file, std::string_view section, std::string_view key,
                  std::string_view def) {
    KeyResult result{std::string(def), false};
    if (key.empty())
        return result;
    File f = OpenExisting(file);
    if (!f)
        return result;
    auto header = FindHeader(f.get(), file, HeaderOf(section));
    if (!header)
        return result;
    LineReader reader(f.get(), file, *header);
    LineView line;
    reader.Next(line); // the header line
    while (reader.Next(line)) {
        if (!line.text.empty() && line.text.front() == '[')
            break;
        if (!StartsWith(line.text, key))
            continue;
        std::string value(line.text.size() > key.size() ? line.text.substr(key.size() + 1)
                                                        : std::string_view());
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
        return {std::move(value), true};
    }
    return result;
}

std::vector<std::string> SectionNames(const std::string& file) {
    std::vector<std::string> names;
    File f = OpenExisting(file);
    if (!f)
        return names;
    LineReader reader(f.get(), file, 0);
    FileLine line;
    while (reader.Next(line))
        if (!line.text.empty() && line.text.front() == '[')
            names.push_back(line.text.size() >= 2 ? line.text.substr(1, line.text.size() - 2)
                                                  : std::string());
    return names;
}

std::vector<std::string> SectionLines(const std::string& file, std::string_view section) {
    std::vector<std::string> lines;
    File f = OpenExisting(file);
    if (!f)
        return lines;
    auto scan = ScanSection(f.get(), file, section);
    if (!scan)
        return lines;
    for (auto& line : scan->lines)
        if (!line.text.empty())
            lines.push_back(std::move(line.text));
    return lines;
}

bool WriteKey(Desktop& desktop, const std::string& file, std::string_view section, std::string_view key,
              std::string_view value) {
    if (!ValidSection(section) || !ValidPair(key, value))
        return false;
    File f = OpenExisting(file);
    std::optional<std::int64_t> header;
    if (f)
        header = FindHeader(f.get(), file, HeaderOf(section));
    if (!header) {
        f.Close();
        return AppendSection(file, section, {std::string(key)}, {std::string(value)});
    }

    // The common update: the key's line holds a value of the same width, which is overwritten
    // where it lies, without copying the file.
    {
        LineReader reader(f.get(), file, *header);
        LineView line;
        reader.Next(line); // the header line
        while (reader.Next(line)) {
            if (!line.text.empty() && line.text.front() == '[')
                break;
            if (!StartsWith(line.text, key))
                continue;
            // Only a line whose "=" follows the key directly is overwritten in place: the reader
            // takes the value from just after the key and its "=", so any other line (a longer
            // name that begins with the key, a line without "=") is rewritten whole below.
            size_t eq = line.text.find('=');
            if (eq != key.size() || line.text.size() - (eq + 1) != value.size())
                break;
            std::int64_t at = line.offset + static_cast<std::int64_t>(eq + 1);
            f.Close();
            File rw = OpenExisting(file, "r+b");
            if (!rw)
                CannotOpen(file);
            SeekTo(rw.get(), at, file);
            WriteAll(rw.get(), value);
            if (!rw.Close())
                WriteError();
            return true;
        }
    }

    // A value of another width would run into the next line or leave part of the old value
    // behind, so the section is rebuilt instead: the key's line gets the new value (a line without
    // "=" is malformed and takes the pair, as does a longer name that begins with the key), or the
    // pair goes at the end; other lines stay.
    auto scan = ScanSection(f.get(), file, section);
    if (!scan)
        CannotOpen(file);
    std::vector<std::string> body;
    bool replaced = false;
    for (const auto& line : scan->lines) {
        if (line.text.empty())
            continue;
        if (!replaced && StartsWith(line.text, key)) {
            // The key's line becomes exactly key=value, so that it reads back as written.
            replaced = true;
            body.push_back(std::string(key) + "=" + std::string(value));
            continue;
        }
        body.push_back(line.text);
    }
    if (!replaced)
        body.push_back(std::string(key) + "=" + std::string(value));
    return RewriteSection(desktop, f, file, *scan, body);
}

bool WriteSection(Desktop& desktop, const std::string& file, std::string_view section,
                  const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    if (!ValidSection(section) || !ValidPairs(keys, values))
        return false;
    File f = OpenExisting(file);
    std::optional<SectionScan> scan;
    if (f)
        scan = ScanSection(f.get(), file, section);
    if (!scan) {
        f.Close();
        return AppendSection(file, section, keys, values);
    }
    return RewriteSection(desktop, f, file, *scan, PairLines(keys, values));
}

bool AppendSection(const std::string& file, std::string_view section, const std::vector<std::string>& keys,
                   const std::vector<std::string>& values) {
    if (!ValidSection(section) || !ValidPairs(keys, values))
        return false;
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        CannotOpen(file);
    File f(std::fopen(file.c_str(), "ab"));
    if (!f)
        CannotOpen(file);
    std::string text;
    text.append(kCrLf).append(HeaderOf(section)).append(kCrLf);
    for (const auto& line : PairLines(keys, values))
        text.append(line).append(kCrLf);
    WriteAll(f.get(), text);
    if (!f.Close())
        WriteError();
    return true;
}

bool ReplaceInLines(Desktop& desktop, const std::string& file, int column, std::string_view oldText,
                    std::string_view newText, const std::function<void(int lines)>& progress) {
    if (column < 1 || oldText.empty())
        return false;
    File in = OpenExisting(file);
    if (!in)
        return true;
    std::string folder = FolderOf(file);
    auto temp = MakeTempFile(folder.empty() ? "./" : folder, "rpl");
    if (!temp) {
        Inform(desktop, "Error creating temp file.");
        return false;
    }
    try {
        File out(std::fopen(temp->c_str(), "wb"));
        if (!out)
            CannotOpen(*temp);
        LineReader reader(in.get(), file, 0);
        FileLine line;
        const size_t at = static_cast<size_t>(column - 1);
        int done = 0;
        while (reader.Next(line)) {
            if (line.text.size() >= at + oldText.size() &&
                line.text.compare(at, oldText.size(), oldText) == 0)
                line.text.replace(at, oldText.size(), newText);
            WriteAll(out.get(), line.text);
            WriteAll(out.get(), line.eol);
            if (++done % 10 == 0 && progress)
                progress(done);
        }
        if (done % 10 != 0 && progress)
            progress(done);
        if (!out.Close())
            WriteError();
    } catch (...) {
        DeleteFileIfAny(*temp);
        throw;
    }
    in.Close();
    return ReplaceWithTemp(desktop, *temp, file);
}

bool ReplaceWithTemp(Desktop& desktop, const std::string& temp, const std::string& file) {
    // The rewritten file keeps the permissions of the old one.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0)
        ::chmod(temp.c_str(), st.st_mode & 07777);
    // A rename replaces the old file in one step, so the file is never missing in between.
    if (::rename(temp.c_str(), file.c_str()) == 0)
        return true;
    if (::lstat(file.c_str(), &st) == 0)
        Inform(desktop, "Error in deleting the file: " + file);
    else
        Inform(desktop, "Error in renaming the file: " + temp + "\n" + "to:" + " " + file);
    return false;
}

bool CreateEmptyFile(const std::string& file) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool AllZeros(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; });
}

} // namespace quillon
