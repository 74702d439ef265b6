#include "select/PreviewFile.h"

#include "model/ParamString.h"
#include "platform/Files.h"
#include "select/StatisticsText.h"

#include <algorithm>

namespace quillon {

namespace {

bool ThreeDigits(std::string_view text, int& value) {
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return text.size() == 3;
}

} // namespace

std::vector<PreviewPiece> ParsePreviewRecord(std::string_view restored) {
    std::vector<PreviewPiece> pieces;
    for (size_t at = 4; at + 9 <= restored.size(); at += 9) {
        PreviewPiece p;
        if (!ThreeDigits(restored.substr(at, 3), p.picture) ||
            !ThreeDigits(restored.substr(at + 3, 3), p.x) || !ThreeDigits(restored.substr(at + 6, 3), p.y))
            continue;
        if (p.picture < 1 || p.picture > kPreviewPictureCount)
            continue;
        pieces.push_back(p);
    }
    return pieces;
}

std::string FormatPreviewRecord(const std::vector<PreviewPiece>& pieces) {
    std::string out = "0000";
    auto three = [&](int v) { out += FormatFixed(std::clamp(v, 0, 999), 3); };
    for (const PreviewPiece& p : pieces) {
        three(p.picture);
        three(p.x);
        three(p.y);
    }
    return out;
}

std::optional<std::vector<std::string>> ReadPreviewFile(const std::string& path) {
    auto text = ReadWholeFile(path);
    if (!text)
        return std::nullopt;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text->size()) {
        size_t end = text->find('\n', start);
        if (end == std::string::npos)
            end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> PreviewRecord(const std::vector<std::string>& storedLines, int game) {
    if (game < 0 || static_cast<size_t>(game) >= storedLines.size())
        return std::nullopt;
    return Unscramble(storedLines[static_cast<size_t>(game)], kPreviewKey);
}

std::string StorePreviewRecord(std::string_view restored) {
    return Scramble(restored, kPreviewKey);
}

} // namespace quillon
