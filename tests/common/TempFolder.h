#pragma once
// A private temporary folder for one test, removed with everything in it afterwards.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace quillon::testing {

class TempFolder {
public:
    TempFolder() {
        std::string templ = (std::filesystem::temp_directory_path() / "quillon-test-XXXXXX").string();
        path_ = ::mkdtemp(templ.data()) ? templ + "/" : std::string();
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a final "/".
    const std::string& path() const { return path_; }
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path_ + name).parent_path());
        std::ofstream(path_ + name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path_ + name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

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

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            had_ = true;
            old_ = old;
        }
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (had_)
            ::setenv(name_.c_str(), old_.c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::string old_;
    bool had_ = false;
};

} // namespace quillon::testing
