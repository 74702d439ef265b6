// Symbolic names of the game attributes, as used in the game source files (data/games/*.toml).
#pragma once

#include <span>
#include <string_view>

namespace quillon::gamesdat {

// Which pile-count attribute limits a per-pile list (used to spread a single value over the piles).
enum class PileGroup { None, Foundations, Tableau, Reserves };

struct AttributeName {
    std::string_view name; // dotted path in the game file, e.g. "tableau.rule"
    int first;             // attribute number of the first (or only) value
    int count;             // 1 for a single value, else the length of the per-pile list
    PileGroup group;       // for lists: the pile group whose count applies
    std::string_view meaning;
};

// Every named attribute, in attribute order.
std::span<const AttributeName> AttributeNames();

// The entry with this dotted name, or nullptr.
const AttributeName* FindAttributeName(std::string_view name);

// The entry (and the index inside its list) that covers attribute `attr`, or nullptr.
const AttributeName* FindAttributeByNumber(int attr, int* index = nullptr);

// The five layout groups: the row digit and the three-digit arrangement number of each.
struct LayoutGroup {
    std::string_view name; // "stock", "foundation", "tableau", "reserve", "second_waste"
    int rowAttr;
    int arrangementAttr;
    std::span<const int> arrangements; // the arrangement numbers the layout knows for this group
};
std::span<const LayoutGroup> LayoutGroups();

} // namespace quillon::gamesdat
