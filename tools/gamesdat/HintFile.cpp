#include "HintFile.h"

#include "model/Scramble.h"

#include <algorithm>
#include <array>

namespace quillon::gamesdat {

namespace {

constexpr size_t kLongestHint = 200;

struct HintKind {
    const char* name;
    char letter;
    int countAttr; // 0: one pile, no numbered entries
    int most;      // piles of the kind the program knows
};

constexpr std::array<HintKind, 5> kKinds{{
    {"foundation", 'F', 374, 16},
    {"tableau", 'T', 375, 40},
    {"reserve", 'R', 376, 12},
    {"stock", 'S', 0, 0},
    {"waste", 'W', 0, 0},
}};

const HintKind* KindOf(char letter) {
    for (const HintKind& k : kKinds)
        if (k.letter == letter)
            return &k;
    return nullptr;
}

} // namespace

void ParseHints(const toml::node& node, GameSource& g, std::vector<CompileError>& errors) {
    const toml::table* table = node.as_table();
    if (!table) {
        errors.push_back({g.file, "hints", "expected a table of pile hint texts"});
        return;
    }
    for (auto&& [key, value] : *table) {
        const std::string name(key.str());
        const std::string field = "hints." + name;
        HintSource h;
        h.field = field;
        const HintKind* kind = nullptr;
        for (const HintKind& k : kKinds) {
            const std::string base = k.name;
            if (name == base) {
                kind = &k;
                h.pile = 0;
            } else if (k.countAttr != 0 && name.size() > base.size() + 1 && name.starts_with(base + "_")) {
                const std::string digits = name.substr(base.size() + 1);
                if (digits.size() <= 2 &&
                    std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
                    kind = &k;
                    // Numbered piles count from 1; "_0" is no pile (and not every pile).
                    h.pile = std::stoi(digits) > 0 ? std::stoi(digits) : -1;
                }
            }
            if (kind)
                break;
        }
        if (!kind) {
            errors.push_back(
                {g.file, field, "unknown pile (stock, waste, foundation, tableau, reserve, or kind_N)"});
            continue;
        }
        h.kind = kind->letter;
        const auto* text = value.as_string();
        if (!text) {
            errors.push_back({g.file, field, "expected a text"});
            continue;
        }
        h.text = text->get();
        g.hints.push_back(std::move(h));
    }
}

void ValidateHints(const GameSource& g, std::vector<CompileError>& errors) {
    for (const HintSource& h : g.hints) {
        const HintKind* kind = KindOf(h.kind);
        if (!kind) {
            errors.push_back({g.file, h.field, "unknown pile kind"});
            continue;
        }
        if (h.pile != 0) {
            const int count = std::min(g.attr[static_cast<size_t>(kind->countAttr)], kind->most);
            if (h.pile < 1 || h.pile > count)
                errors.push_back({g.file, h.field,
                                  "pile " + std::to_string(h.pile) + " outside 1.." + std::to_string(count)});
        }
        if (h.text.empty() || h.text.size() > kLongestHint)
            errors.push_back(
                {g.file, h.field, "text of 1 to " + std::to_string(kLongestHint) + " characters wanted"});
        if (!std::all_of(h.text.begin(), h.text.end(), [](char c) { return c >= 32 && c <= 126; }))
            errors.push_back({g.file, h.field, "holds characters outside printable ASCII"});
    }
}

std::string WriteHintFile(std::vector<GameSource> games) {
    std::stable_sort(games.begin(), games.end(),
                     [](const GameSource& a, const GameSource& b) { return a.number < b.number; });
    std::string out = "[Main]\r\n";
    for (const GameSource& g : games)
        for (const HintSource& h : g.hints) {
            const std::string name = HintEntryName(g.number, h.kind, h.pile);
            out += HintEntryKey(name) + "=" + HintEntryValue(name, h.text) + "\r\n";
        }
    out += "\r\n";
    return out;
}

} // namespace quillon::gamesdat
