// The harnesses in the normal test build: instead of libFuzzer's search, every file named on the
// command line (or found in a folder named there) is fed to the harness once. A crash or a broken
// property aborts, so an input that once failed stays a test for good.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size);

namespace {

int Feed(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int inputs = 0, failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg = argv[i];
        std::error_code ec;
        if (std::filesystem::is_directory(arg, ec)) {
            std::vector<std::filesystem::path> files;
            for (const auto& e : std::filesystem::directory_iterator(arg, ec))
                if (e.is_regular_file())
                    files.push_back(e.path());
            std::sort(files.begin(), files.end());
            for (const auto& f : files) {
                failures += Feed(f);
                ++inputs;
            }
        } else {
            failures += Feed(arg);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    if (inputs == 0) {
        std::fprintf(stderr, "no inputs: the corpus is missing\n");
        return 1;
    }
    return failures ? 1 : 0;
}
