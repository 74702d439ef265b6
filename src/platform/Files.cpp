#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillon {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    return ::access(path.c_str(), X_OK) == 0;
}

bool CreateFolders(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return FolderExists(path);
}

void DeleteFileIfAny(const std::string& path) {
    if (!path.empty())
        ::unlink(path.c_str());
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Finds one path component in `dir` without regard to case; empty when none matches.
static std::string MatchEntry(const std::string& dir, const std::string& part) {
    std::string exact = WithSlash(dir) + part;
    struct stat st {};
    if (::stat(exact.c_str(), &st) == 0)
        return part;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return {};
    std::string found;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, part.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

std::string FindNoCase(const std::string& folder, const std::string& name) {
    std::string dir = folder;
    std::string result = WithSlash(folder);
    std::stringstream parts(name);
    std::string part;
    bool first = true;
    while (std::getline(parts, part, '/')) {
        if (part.empty())
            continue;
        std::string match = MatchEntry(dir, part);
        if (match.empty())
            return WithSlash(folder) + name;
        result += (first ? "" : "/") + match;
        dir = result;
        first = false;
    }
    return result;
}

#ifndef QUILLON_INSTALL_DATADIR
#define QUILLON_INSTALL_DATADIR "/usr/local/share/quillon"
#endif

std::string ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const bool exeKnown = !ec;
    const std::string beside = exeKnown ? WithSlash(exe.parent_path().string()) : std::string("./");
    // The build tree keeps the program's files beside the executable; an installed program keeps
    // them in the shared data folder, found relative to the executable first so that a staged or
    // moved installation works too, then where the build installed them.
    auto holdsGames = [](const std::string& folder) {
        std::error_code missing;
        return fs::exists(FindNoCase(folder, "GAMES.DAT"), missing);
    };
    if (holdsGames(beside))
        return beside;
    if (exeKnown) {
        const std::string relative =
            WithSlash((exe.parent_path().parent_path() / "share" / "quillon").string());
        if (holdsGames(relative))
            return relative;
    }
    const std::string installed = WithSlash(QUILLON_INSTALL_DATADIR);
    if (holdsGames(installed))
        return installed;
    return beside;
}

std::string ApplicationDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && xdg[0] == '/')
        return WithSlash(xdg);
    if (const char* home = std::getenv("HOME"); home && *home)
        return WithSlash(home) + ".local/share/";
    return {};
}

std::optional<std::string> MakeTempFile(const std::string& folder, const std::string& prefix) {
    std::string dir = folder;
    if (dir.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        dir = tmp && *tmp ? tmp : "/tmp";
    }
    std::string templ = WithSlash(dir) + prefix + "XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    int fd = ::mkstemp(buf.data());
    if (fd < 0)
        return std::nullopt;
    ::close(fd);
    return std::string(buf.data());
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(out).str();
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes) {
    auto temp = MakeTempFile(FolderOf(path), "rpl");
    if (!temp)
        return false;
    {
        std::ofstream out(*temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            DeleteFileIfAny(*temp);
            return false;
        }
    }
    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::chmod(temp->c_str(), st.st_mode & 07777);
    else
        ::chmod(temp->c_str(), 0644);
    if (::rename(temp->c_str(), path.c_str()) != 0) {
        DeleteFileIfAny(*temp);
        return false;
    }
    return true;
}

} // namespace quillon
