#pragma once
// Files for the harnesses: the parsers read paths, so each input is written to a file in a private
// folder of this process (made with mkdtemp, removed at exit) before it is parsed.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quillon::fuzz {

inline std::string& FolderPath() {
    static std::string folder;
    return folder;
}

inline void RemoveFolder() {
    std::error_code ec;
    if (!FolderPath().empty())
        std::filesystem::remove_all(FolderPath(), ec);
}

// The private folder, with a final "/".
inline const std::string& Folder() {
    if (FolderPath().empty()) {
        std::error_code ec;
        std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
        std::string templ = ((ec ? std::filesystem::path("/tmp") : tmp) / "quillon-fuzz-XXXXXX").string();
        if (!::mkdtemp(templ.data())) {
            std::perror("quillon fuzz: mkdtemp");
            std::abort();
        }
        FolderPath() = templ + "/";
        std::atexit(RemoveFolder);
    }
    return FolderPath();
}

// Writes the bytes to `name` in the private folder (replacing what was there) and returns its path.
inline std::string WriteInput(const std::string& name, const std::uint8_t* data, size_t size) {
    const std::string path = Folder() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Stops the run with a message: a property of the parser did not hold for this input.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "quillon fuzz: %s\n", what);
    std::abort();
}

} // namespace quillon::fuzz
