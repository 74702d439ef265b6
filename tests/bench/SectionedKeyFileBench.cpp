// Timings of the sectioned key file operations on a statistics-sized file: 20 sections of 16 000
// keys each (about 8 MB), as the statistics files grow with many games and players.

#include "platform/Desktop.h"
#include "platform/SectionedKeyFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kSections = 20;
constexpr int kKeys = 16000;

std::string KeyName(int k) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "Key%05d", k);
    return buf;
}

std::string SectionName(int s) {
    return "Player Game " + std::to_string(s);
}

// The file, made once in a private temporary folder and removed at exit.
class StatisticsFile {
public:
    StatisticsFile() {
        const char* tmp = std::getenv("TMPDIR");
        std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/quillon-bench-XXXXXX";
        std::vector<char> buf(templ.begin(), templ.end());
        buf.push_back('\0');
        if (!::mkdtemp(buf.data()))
            std::abort();
        folder_ = buf.data();
        path_ = folder_ + "/STAT.DAT";
        std::string text;
        for (int s = 0; s < kSections; ++s) {
            text.append("[").append(SectionName(s)).append("]\r\n");
            for (int k = 0; k < kKeys; ++k)
                text += KeyName(k) + "=" + std::string(13, static_cast<char>('0' + k % 10)) + "\r\n";
            text += "\r\n";
        }
        FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0)
            std::abort();
        size_ = text.size();
    }
    ~StatisticsFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& Path() const { return path_; }
    size_t Size() const { return size_; }

private:
    std::string folder_;
    std::string path_;
    size_t size_ = 0;
};

StatisticsFile& File() {
    static StatisticsFile file;
    return file;
}

// The last key of the last section: the whole file is scanned for the header and the whole section
// for the key.
void BM_ReadKeyLastSection(benchmark::State& state) {
    const std::string& path = File().Path();
    const std::string section = SectionName(kSections - 1);
    const std::string key = KeyName(kKeys - 1);
    for (auto _ : state) {
        auto r = quillon::ReadKey(path, section, key, "");
        if (!r.found)
            state.SkipWithError("key not found");
        benchmark::DoNotOptimize(r);
    }
    state.counters["file_MB"] = static_cast<double>(File().Size()) / 1e6;
}
BENCHMARK(BM_ReadKeyLastSection)->Unit(benchmark::kMillisecond);

// The block scan alone, for the header of the last section.
void BM_SectionOffsetLastSection(benchmark::State& state) {
    const std::string& path = File().Path();
    const std::string header = std::string("[").append(SectionName(kSections - 1)).append("]");
    for (auto _ : state) {
        auto offset = quillon::SectionOffset(path, header);
        if (!offset)
            state.SkipWithError("header not found");
        benchmark::DoNotOptimize(offset);
    }
}
BENCHMARK(BM_SectionOffsetLastSection)->Unit(benchmark::kMillisecond);

// A value of the same width overwritten where it lies.
void BM_WriteKeyInPlace(benchmark::State& state) {
    quillon::RecordingDesktop desktop;
    const std::string& path = File().Path();
    const std::string section = SectionName(kSections - 1);
    const std::string key = KeyName(kKeys - 1);
    int n = 0;
    for (auto _ : state) {
        std::string value(13, static_cast<char>('0' + n++ % 10));
        if (!quillon::WriteKey(desktop, path, section, key, value))
            state.SkipWithError("write failed");
    }
    if (quillon::ReadKey(path, section, key, "").value.size() != 13)
        state.SkipWithError("value damaged");
}
BENCHMARK(BM_WriteKeyInPlace)->Unit(benchmark::kMillisecond);

// A whole section rewritten: the file is copied through a temporary file.
void BM_WriteSection(benchmark::State& state) {
    quillon::RecordingDesktop desktop;
    const std::string& path = File().Path();
    const std::string section = SectionName(kSections / 2);
    std::vector<std::string> keys, values;
    for (int k = 0; k < kKeys; ++k) {
        keys.push_back(KeyName(k));
        values.push_back(std::string(13, '7'));
    }
    for (auto _ : state) {
        if (!quillon::WriteSection(desktop, path, section, keys, values))
            state.SkipWithError("rewrite failed");
    }
    if (std::filesystem::file_size(path) != File().Size())
        state.SkipWithError("file size changed");
}
BENCHMARK(BM_WriteSection)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
