#pragma once
// A private temporary folder for one test, removed with everything in it afterwards, and small file
// helpers for the file tests.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace quillon::test {

class TempFolder {
public:
    TempFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/quillon-test-XXXXXX";
        std::vector<char> buf(templ.begin(), templ.end());
        buf.push_back('\0');
        if (::mkdtemp(buf.data()))
            path_ = std::string(buf.data()) + "/";
    }
    ~TempFolder() {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a final "/".
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    // The names of the entries of the folder, sorted.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // A folder below this one whose path (with its final "/") is exactly `length` characters long,
    // made of nested parts. Used to make paths too long for a temporary file beside them.
    std::string DeepFolder(size_t length) const {
        std::string dir = path_;
        while (dir.size() < length) {
            size_t part = std::min<size_t>(200, length - dir.size() - 1);
            if (part == 0)
                part = 1;
            dir += std::string(part, 'd') + "/";
            ::mkdir(dir.c_str(), 0755);
        }
        return dir;
    }

private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace quillon::test
