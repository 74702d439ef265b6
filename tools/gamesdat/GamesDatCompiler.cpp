#include "GamesDatCompiler.h"

#include "AttributeNames.h"
#include "HintFile.h"
#include "model/GameDefinitions.h"
#include "model/ParamString.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <sstream>

namespace quillon::gamesdat {

namespace {

constexpr int kFoundationCountAttr = 374, kTableauCountAttr = 375, kReserveCountAttr = 376;
constexpr int kStockPilesAttr = 373, kSecondWasteCountAttr = 377;
constexpr int kDeckAttr = 378, kJokerSwitchAttr = 46, kJokersAttr = 381, kShortDeckAttr = 49;
constexpr int kFamilyDealAttr = 36;
constexpr int kStockDealAttr = 379, kWasteDealAttr = 380, kSecondWasteDealAttr = 462;
constexpr int kTableauDealAttr = 382, kReserveDealAttr = 463, kFoundationStartAttr = 103;
constexpr int kSecondWasteCardAttr = 359, kExtraFoundationCardAttr = 13, kFoundationArrangementAttr = 1;

const std::set<std::string_view> kTopFields = {"number",    "name",     "group",   "edition",
                                               "needs_800", "new_game", "selected"};

struct Parser {
    const std::string& file;
    std::vector<CompileError>& errors;
    GameSource g;
    std::array<bool, kAttributeSlots> set{};
    struct Fill {
        const AttributeName* name;
        int value;
    };
    std::vector<Fill> fills; // per-pile scalars, spread once the pile counts are known

    void Error(const std::string& field, const std::string& reason) {
        errors.push_back({file, field, reason});
    }

    bool Integer(const toml::node& n, const std::string& field, long long& out) {
        if (auto v = n.as_integer()) {
            out = v->get();
            if (out < INT16_MIN || out > INT16_MAX) {
                Error(field, "value " + std::to_string(out) + " does not fit 16 bits");
                return false;
            }
            return true;
        }
        Error(field, "expected an integer");
        return false;
    }

    void Store(int attr, long long value, const std::string& field) {
        if (set[static_cast<size_t>(attr)]) {
            Error(field, "attribute " + std::to_string(attr) + " is given twice");
            return;
        }
        set[static_cast<size_t>(attr)] = true;
        g.attr[static_cast<size_t>(attr)] = static_cast<int>(value);
    }

    // A layout arrangement: an integer or a text of up to three digits.
    void Arrangement(const toml::node& n, int attr, const std::string& field) {
        long long v = -1;
        if (auto s = n.as_string()) {
            const std::string& t = s->get();
            if (t.empty() || t.size() > 3 ||
                !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) {
                Error(field, "arrangement '" + t + "' is not a three-digit number");
                return;
            }
            v = std::stoll(t);
        } else if (!Integer(n, field, v)) {
            return;
        }
        Store(attr, v, field);
    }

    void Named(const AttributeName& a, const toml::node& n, const std::string& field) {
        if (a.name.ends_with(".arrangement")) {
            Arrangement(n, a.first, field);
            return;
        }
        if (a.count == 1) {
            long long v = 0;
            if (Integer(n, field, v))
                Store(a.first, v, field);
            return;
        }
        if (auto arr = n.as_array()) {
            if (static_cast<int>(arr->size()) > a.count) {
                Error(field, "list of " + std::to_string(arr->size()) + " entries, at most " +
                                 std::to_string(a.count));
                return;
            }
            for (size_t i = 0; i < arr->size(); ++i) {
                long long v = 0;
                if (Integer((*arr)[i], field + "[" + std::to_string(i) + "]", v))
                    Store(a.first + static_cast<int>(i), v, field);
            }
            return;
        }
        long long v = 0;
        if (Integer(n, field, v))
            fills.push_back({&a, static_cast<int>(v)});
    }

    void Walk(const toml::table& t, const std::string& prefix) {
        for (auto&& [key, node] : t) {
            std::string path =
                prefix.empty() ? std::string(key.str()) : prefix + "." + std::string(key.str());
            if (prefix.empty() && path == "attributes") {
                if (auto tbl = node.as_table())
                    Numbered(*tbl);
                else
                    Error(path, "expected a table of attribute numbers");
                continue;
            }
            if (prefix.empty() && path == "hints") {
                ParseHints(node, g, errors);
                continue;
            }
            if (prefix.empty() && kTopFields.count(path)) {
                Top(path, node);
                continue;
            }
            if (const AttributeName* a = FindAttributeName(path)) {
                Named(*a, node, path);
                continue;
            }
            if (auto tbl = node.as_table()) {
                Walk(*tbl, path);
                continue;
            }
            Error(path, "unknown field");
        }
    }

    void Numbered(const toml::table& t) {
        for (auto&& [key, node] : t) {
            std::string field = "attributes." + std::string(key.str());
            long long index = 0;
            if (!ParseDecimal(key.str(), index) || index < 0 || index > kLastAttribute) {
                Error(field, "not an attribute number 0..502");
                continue;
            }
            long long v = 0;
            if (Integer(node, field, v))
                Store(static_cast<int>(index), v, field);
        }
    }

    void Top(const std::string& field, const toml::node& n) {
        auto flag = [&](bool& out) {
            if (auto b = n.as_boolean())
                out = b->get();
            else
                Error(field, "expected true or false");
        };
        auto integer = [&](int& out, long long lo, long long hi) {
            auto v = n.as_integer();
            if (!v) {
                Error(field, "expected an integer");
                return;
            }
            if (v->get() < lo || v->get() > hi) {
                Error(field, std::to_string(v->get()) + " is outside " + std::to_string(lo) + ".." +
                                 std::to_string(hi));
                return;
            }
            out = static_cast<int>(v->get());
        };
        if (field == "number")
            integer(g.number, 0, 999);
        else if (field == "group")
            integer(g.group, 0, 999);
        else if (field == "edition")
            integer(g.edition, 0, 9);
        else if (field == "needs_800")
            flag(g.needs800);
        else if (field == "new_game")
            flag(g.newGame);
        else if (field == "selected")
            flag(g.selected);
        else if (field == "name") {
            if (auto s = n.as_string())
                g.name = s->get();
            else
                Error(field, "expected a text");
        }
    }

    void SpreadFills() {
        for (const auto& f : fills) {
            int countAttr = f.name->group == PileGroup::Foundations ? kFoundationCountAttr
                            : f.name->group == PileGroup::Tableau   ? kTableauCountAttr
                                                                    : kReserveCountAttr;
            int piles = std::clamp(g.attr[static_cast<size_t>(countAttr)], 0, f.name->count);
            for (int i = 0; i < piles; ++i)
                Store(f.name->first + i, f.value, std::string(f.name->name));
        }
    }
};

} // namespace

std::string CompileError::Text() const {
    return file + ": " + field + ": " + reason;
}

std::optional<GameSource> ParseGameSource(std::string_view toml, const std::string& file,
                                          std::vector<CompileError>& errors) {
    const size_t before = errors.size();
    Parser p{file, errors, {}, {}, {}};
    p.g.file = file;
    toml::table root;
    try {
        root = toml::parse(toml, file);
    } catch (const toml::parse_error& e) {
        std::ostringstream where;
        where << "line " << e.source().begin.line;
        errors.push_back({file, where.str(), std::string(e.description())});
        return std::nullopt;
    }
    p.Walk(root, "");
    p.SpreadFills();
    if (p.g.number < 0)
        p.Error("number", "missing");
    if (p.g.name.empty())
        p.Error("name", "missing");
    if (errors.size() != before)
        return std::nullopt;
    return p.g;
}

int CardsKept(const GameSource& g) {
    const int deck = g.attr[kDeckAttr];
    const int tableaus = g.attr[kTableauCountAttr];
    int kept = deck;
    if (g.attr[kShortDeckAttr] == 1)
        kept = deck / 13 * 8;
    else if (g.attr[kShortDeckAttr] == 2)
        kept = deck / 13 * 7;
    switch (g.attr[kFamilyDealAttr]) {
    case 9:
        kept = std::min(kept, tableaus);
        break;
    case 11:
        kept = std::min({kept, tableaus, 13});
        break;
    case 14:
        kept = std::min(kept, 9);
        break;
    case 12:
        kept = std::min(kept, tableaus == 3 ? 12 : tableaus == 4 ? 24 : 40);
        break;
    case 16:
        kept = kept / 13 * 11;
        break;
    case 21:
        kept = kept / 13 * 10;
        break;
    default:
        break;
    }
    return kept + (g.attr[kJokerSwitchAttr] == 1 ? g.attr[kJokersAttr] : 0);
}

int CardsDealt(const GameSource& g) {
    auto count = [](int c) { return c >= 1 && c <= 1000 ? c : (c > 1000 && c < 1500) ? 1 : 0; };
    int n =
        count(g.attr[kStockDealAttr]) + count(g.attr[kWasteDealAttr]) + count(g.attr[kSecondWasteDealAttr]);
    for (int k = 0; k < std::clamp(g.attr[kTableauCountAttr], 0, 40); ++k)
        n += count(g.attr[static_cast<size_t>(kTableauDealAttr + k)]);
    for (int k = 0; k < std::clamp(g.attr[kReserveCountAttr], 0, 12); ++k)
        n += count(g.attr[static_cast<size_t>(kReserveDealAttr + k)]);
    for (int k = 0; k < std::clamp(g.attr[kFoundationCountAttr], 0, 16); ++k) {
        int c = g.attr[static_cast<size_t>(kFoundationStartAttr + k)];
        if (c == 97 && k == 0)
            n += 8;
        else if (c != 0 && c != 92 && c != 96 && c != 97 && c != 98)
            n += 1;
    }
    if (g.attr[kSecondWasteCardAttr] != 0)
        n += 1;
    if (g.attr[kExtraFoundationCardAttr] == 1)
        n += 1;
    switch (g.attr[kFoundationArrangementAttr]) {
    case 1:
    case 4:
    case 5:
    case 6:
    case 8:
        n += 1;
        break;
    case 2:
        n += std::clamp(g.attr[kFoundationCountAttr], 0, 16);
        break;
    default:
        break;
    }
    return n;
}

void ValidateGame(const GameSource& g, std::vector<CompileError>& errors) {
    auto err = [&](const std::string& field, const std::string& reason) {
        errors.push_back({g.file, field, reason});
    };
    if (g.name.size() > static_cast<size_t>(kGameNameWidth))
        err("name", "longer than 50 characters (" + std::to_string(g.name.size()) + ")");
    if (!std::all_of(g.name.begin(), g.name.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) <= 127;
        }))
        err("name", "holds characters outside printable ASCII");
    if (g.number < 0 || g.number > 999)
        err("number", "outside 0..999");
    ValidateHints(g, errors);
    for (int a = 0; a < kAttributeSlots; ++a)
        if (g.attr[static_cast<size_t>(a)] < INT16_MIN || g.attr[static_cast<size_t>(a)] > INT16_MAX)
            err("attribute " + std::to_string(a), "value does not fit 16 bits");
    auto range = [&](int attr, int lo, int hi) {
        int v = g.attr[static_cast<size_t>(attr)];
        if (v < lo || v > hi) {
            const AttributeName* a = FindAttributeByNumber(attr);
            err(a ? std::string(a->name) : std::to_string(attr),
                std::to_string(v) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
        }
    };
    range(kFoundationCountAttr, 0, 16);
    range(kTableauCountAttr, 0, 40);
    range(kReserveCountAttr, 0, 12);
    range(kStockPilesAttr, 0, 3);
    range(kSecondWasteCountAttr, 0, 1);
    range(kJokersAttr, 0, 4);
    const int deck = g.attr[kDeckAttr];
    if (deck != 52 && deck != 104 && deck != 156 && deck != 208)
        err("deck.cards", std::to_string(deck) + " is not 52, 104, 156 or 208");
    // Deal counts.
    auto dealCount = [&](int attr, const std::string& field) {
        int c = g.attr[static_cast<size_t>(attr)];
        bool ok = (c >= 0 && c <= 1000) || (c > 1000 && c < 1500) || (c >= 1501 && c <= 1504);
        if (!ok)
            err(field,
                std::to_string(c) + " is not a deal count (0-1000, 1001-1499 a rank, 1501-1504 a joker)");
        else if (c >= 1501 && (g.attr[kJokerSwitchAttr] != 1 || g.attr[kJokersAttr] < c - 1500))
            err(field, "deals joker " + std::to_string(c - 1500) + " but the deck has not that many jokers");
        else if (c > 1000 && c < 1500 && c - 1000 > 13)
            err(field,
                std::to_string(c) + " asks for rank " + std::to_string(c - 1000) + ", which no card has");
    };
    dealCount(kStockDealAttr, "stock.deal");
    dealCount(kWasteDealAttr, "waste.deal");
    dealCount(kSecondWasteDealAttr, "second_waste.deal");
    for (int k = 0; k < std::clamp(g.attr[kTableauCountAttr], 0, 40); ++k)
        dealCount(kTableauDealAttr + k, "tableau.deal[" + std::to_string(k) + "]");
    for (int k = 0; k < std::clamp(g.attr[kReserveCountAttr], 0, 12); ++k)
        dealCount(kReserveDealAttr + k, "reserve.deal[" + std::to_string(k) + "]");
    if (deck == 52 || deck == 104 || deck == 156 || deck == 208) {
        int dealt = CardsDealt(g), kept = CardsKept(g);
        if (dealt > kept)
            err("deal", "the deal needs " + std::to_string(dealt) + " cards but the deck holds " +
                            std::to_string(kept));
    }
    // Layout codes.
    for (const auto& lg : LayoutGroups()) {
        int row = g.attr[static_cast<size_t>(lg.rowAttr)];
        int arr = g.attr[static_cast<size_t>(lg.arrangementAttr)];
        if (row < 0 || row > 9)
            err("layout." + std::string(lg.name) + ".row", std::to_string(row) + " is not a row digit 0..9");
        if (std::find(lg.arrangements.begin(), lg.arrangements.end(), arr) == lg.arrangements.end())
            err("layout." + std::string(lg.name) + ".arrangement",
                "unknown arrangement " + FormatFixed(arr, 3) + " for this pile group");
    }
}

void ValidateCatalogue(const std::vector<GameSource>& games, std::vector<CompileError>& errors) {
    std::map<int, std::string> seen;
    for (const auto& g : games) {
        ValidateGame(g, errors);
        auto [it, fresh] = seen.emplace(g.number, g.file);
        if (!fresh)
            errors.push_back({g.file, "number",
                              "game number " + std::to_string(g.number) + " is also used by " + it->second});
    }
}

std::string WriteGamesDat(std::vector<GameSource> games) {
    std::stable_sort(games.begin(), games.end(),
                     [](const GameSource& a, const GameSource& b) { return a.number < b.number; });
    std::string out = "[Sect1]\r\n";
    std::vector<const GameSource*> columns;
    for (const auto& g : games) {
        std::string name = g.name.substr(0, static_cast<size_t>(kGameNameWidth));
        name.resize(static_cast<size_t>(kGameNameWidth), ' ');
        std::string line = FormatFixed(g.group, 3) + " " + FormatFixed(g.number, 3) +
                           std::to_string(g.edition) + (g.needs800 ? "1" : "0") + (g.newGame ? "1" : "0") +
                           name;
        out += Unshift(line) + "\r\n";
        if (g.edition == 4)
            columns.push_back(&g);
    }
    out += "[Sect2]\r\n";
    for (int a = 1; a <= kLastAttribute; ++a) {
        std::string line = FormatFixed(a, 4) + std::string(12, ' ');
        for (const GameSource* g : columns) {
            std::string cell = std::to_string(g->attr[static_cast<size_t>(a)]);
            cell.resize(static_cast<size_t>(kCellWidth), ' ');
            line += Unshift(cell) + " ";
        }
        out += line + "\r\n";
    }
    out += "[SectS]\r\n";
    for (const auto& g : games)
        if (g.selected)
            out += Unshift(std::to_string(g.number)) + "\r\n";
    return out;
}

std::vector<GameSource> ReadGamesDatText(std::string_view text, std::vector<CompileError>& errors) {
    std::vector<GameSource> games;
    auto lines = SplitLines(text);
    std::vector<size_t> columnOf; // index into games for each column
    for (const auto& stored : ExtractSection(lines, "[Sect1]")) {
        std::string line = Unshift(stored);
        if (line.size() < 10) {
            errors.push_back({"GAMES.DAT", "[Sect1]", "line too short: '" + line + "'"});
            continue;
        }
        GameSource g;
        g.file = "GAMES.DAT";
        long long v = 0;
        g.group = ParseDecimal(line.substr(0, 3), v) ? static_cast<int>(v) : -1;
        g.number = ParseDecimal(line.substr(4, 3), v) ? static_cast<int>(v) : -1;
        g.edition = line[7] - '0';
        g.needs800 = line[8] == '1';
        g.newGame = line[9] == '1';
        g.name = line.size() > 10 ? line.substr(10, 50) : "";
        while (!g.name.empty() && g.name.back() == ' ')
            g.name.pop_back();
        if (line[7] == '4')
            columnOf.push_back(games.size());
        games.push_back(std::move(g));
    }
    for (const auto& line : ExtractSection(lines, "[Sect2]")) {
        long long index = 0;
        if (!ParseDecimal(line.substr(0, std::min<size_t>(4, line.size())), index) || index < 0 ||
            index > kLastAttribute) {
            errors.push_back({"GAMES.DAT", "[Sect2]", "bad attribute index in '" + line.substr(0, 4) + "'"});
            continue;
        }
        for (size_t c = 0; c < columnOf.size(); ++c) {
            size_t from = static_cast<size_t>(kFirstCellOffset) + static_cast<size_t>(kCellStride) * c;
            std::string cell = from < line.size() ? Unshift(line.substr(from, kCellWidth)) : "";
            long long v = 0;
            if (!ParseDecimal(cell, v)) {
                errors.push_back({"GAMES.DAT", "attribute " + std::to_string(index),
                                  "column " + std::to_string(c) + ": " + ConversionErrorText(cell)});
                continue;
            }
            games[columnOf[c]].attr[static_cast<size_t>(index)] = static_cast<int>(v);
        }
    }
    for (const auto& line : ExtractSection(lines, "[SectS]")) {
        long long v = 0;
        if (!ParseDecimal(Unshift(line), v))
            continue;
        for (auto& g : games)
            if (g.number == v)
                g.selected = true;
    }
    return games;
}

std::string ToToml(const GameSource& g) {
    std::ostringstream o;
    std::string name;
    for (char c : g.name) {
        if (c == '"' || c == '\\')
            name += '\\';
        name += c;
    }
    o << "number = " << g.number << "\n"
      << "name = \"" << name << "\"\n"
      << "group = " << g.group << "\n"
      << "edition = " << g.edition << "\n"
      << "needs_800 = " << (g.needs800 ? "true" : "false") << "\n"
      << "new_game = " << (g.newGame ? "true" : "false") << "\n"
      << "selected = " << (g.selected ? "true" : "false") << "\n\n";
    std::map<int, int> unnamed;
    for (int a = 0; a < kAttributeSlots;) {
        int index = 0;
        const AttributeName* n = FindAttributeByNumber(a, &index);
        if (!n) {
            if (g.attr[static_cast<size_t>(a)] != 0)
                unnamed[a] = g.attr[static_cast<size_t>(a)];
            ++a;
            continue;
        }
        if (n->count == 1) {
            int v = g.attr[static_cast<size_t>(a)];
            if (v != 0) {
                if (n->name.ends_with(".arrangement"))
                    o << n->name << " = \"" << FormatFixed(v, 3) << "\"\n";
                else
                    o << n->name << " = " << v << "\n";
            }
        } else {
            int last = -1;
            for (int i = 0; i < n->count; ++i)
                if (g.attr[static_cast<size_t>(n->first + i)] != 0)
                    last = i;
            if (last >= 0) {
                o << n->name << " = [";
                for (int i = 0; i <= last; ++i)
                    o << (i ? ", " : "") << g.attr[static_cast<size_t>(n->first + i)];
                o << "]\n";
            }
        }
        a = n->first + n->count;
    }
    if (!unnamed.empty()) {
        o << "\n[attributes]\n";
        for (auto [a, v] : unnamed)
            o << "\"" << a << "\" = " << v << "\n";
    }
    return o.str();
}

} // namespace quillon::gamesdat
