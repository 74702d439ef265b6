// The table of symbolic attribute names. A game file names an attribute by its dotted path
// ("tableau.count") or, for anything without a name, by its number in the [attributes] table.
// Per-pile lists cover consecutive attributes: the first list entry is pile 1.
#include "AttributeNames.h"

#include <array>

namespace quillon::gamesdat {

namespace {

using G = PileGroup;

constexpr AttributeName kNames[] = {
    // Deal and play switches
    {"deal.foundation_arrangement", 1, 1, G::None,
     "foundation arrangement after the deal (1 one card to foundation 1 sets all start ranks, 2, 3, 4, 5, 6, "
     "7, 8)"},
    {"tableau.run_order", 2, 1, G::None, "run order test on the tableau"},
    {"tableau.fan", 3, 1, G::None,
     "fan mode of the tableau piles (1 down, 2 right, 4 side by side, 8 snake, 9 slots ...)"},
    {"foundation.fan", 4, 1, G::None, "fan mode of the foundations"},
    {"reserve.fan", 5, 1, G::None, "fan mode of the reserves"},
    {"tableau.mixed_fan", 6, 1, G::None, "per-pile tableau fan rule for fan mode 11"},
    {"stock.face_down", 7, 1, G::None,
     "non-zero: the stock's cards stay face down in the card table at the deal"},
    {"autoplay.leave_waste", 8, 1, G::None, "non-zero: autoplay leaves the waste alone"},
    {"stock.present", 10, 1, G::None, "1: the game has a stock (Mazzo)"},
    {"stock.to_waste", 11, 1, G::None, "1: the stock turns cards up onto the waste"},
    {"deal.extra_foundation_card", 13, 1, G::None, "1: one more card face up to foundation 1 after the deal"},
    {"pickup.rule", 14, 1, G::None, "pick-up limit rule: which cards and runs may be picked up"},
    {"reserve.pickup", 15, 1, G::None, "reserve pick-up rule"},
    {"stock.passes", 16, 1, G::None, "passes through the stock: -1 unlimited, 0 no redeal, n passes"},
    {"stock.redeal", 17, 1, G::None, "redeal kind when the stock is empty (>= 1 redeal, 6 always)"},
    {"stock.waste_rule", 18, 1, G::None,
     "0: a stock click turns to the waste; 1: only when the waste is empty"},
    {"foundation.pickup", 19, 1, G::None, "foundation pick-up rule"},
    {"send.started_only", 22, 1, G::None, "automatic sending tries 0 all foundations, 1 only started ones"},
    {"stock.turn", 24, 1, G::None, "cards turned up per stock click"},
    {"autoplay.fill", 25, 1, G::None, "fill rule of empty piles"},
    {"deal.pile_by_pile", 26, 1, G::None,
     "0: deal position by position across the piles; non-zero: pile by pile"},
    {"tableau.locked", 27, 1, G::None,
     "with tableau.locked_factor: their product is the number of locked tableau piles"},
    {"tableau.locked_factor", 28, 1, G::None, "see tableau.locked"},
    {"grid.width", 30, 1, G::None, "grid width (columns) of grid games"},
    {"foundation.capacity", 34, 1, G::None, "foundation capacity"},
    {"tableau.capacity", 35, 1, G::None, "tableau pile capacity, -1 unlimited"},
    {"deal.family", 36, 1, G::None,
     "deck filter and family arrangement of the deal (9 ordering puzzle, 17 thirteen places ...)"},
    {"stock.lock", 37, 1, G::None, "stock lock"},
    {"play.single_click", 39, 1, G::None, "1: a game played by single clicks"},
    {"screen.class", 40, 1, G::None, "screen-size class used by the card-size checks"},
    {"pairing.kind", 41, 1, G::None, "pairing game kind (0: a building game)"},
    {"play.first_to_foundation", 42, 1, G::None,
     "1: the first move must take a tableau card to a foundation"},
    {"play.fill_after_first", 43, 1, G::None,
     "1: the tableau is filled from the stock right after the first move"},
    {"autoplay.turn_up", 44, 1, G::None, "1: autoplay turns face-down tableau tops up"},
    {"tableau.snake_columns", 45, 1, G::None, "columns of fan mode 8 (-1: as many as fit)"},
    {"deck.with_jokers", 46, 1, G::None, "1: the deck includes jokers (deck.jokers of them)"},
    {"play.hint_key", 47, 1, G::None, "move hint key"},
    {"score.base", 48, 1, G::None, "base of the score formulas"},
    {"deck.short", 49, 1, G::None, "1 removes ranks 2-6, 2 removes ranks 2-6 and the kings"},
    {"cards.variant", 50, 1, G::None, "card-set variant of the game"},
    {"foundation.start_rule", 51, 1, G::None, "foundation start rule"},
    {"score.win", 53, 1, G::None, "score that wins the game, 0 for none"},
    {"family", 54, 1, G::None, "game family code (family-specific behaviour throughout the engine)"},
    // Foundations, one value per foundation
    {"foundation.base", 55, 16, G::Foundations, "start rank of each foundation (the deal may set it)"},
    {"foundation.direction", 71, 16, G::Foundations, "building direction of each foundation"},
    {"foundation.rule", 87, 16, G::Foundations, "building rule code of each foundation"},
    {"foundation.start", 103, 16, G::Foundations,
     "start-card code of each foundation (0 none, 1-13 rank of suit k, 20, 21, 22, 51-63, 91-98, 100+card)"},
    // Tableau, one value per pile
    {"tableau.empty", 135, 40, G::Tableau,
     "rank an empty pile accepts: 0 any card, -1 none, 91 the rank below foundation 1's start rank"},
    {"tableau.direction", 175, 40, G::Tableau, "building direction of each tableau pile"},
    {"tableau.rule", 215, 40, G::Tableau, "building rule code of each tableau pile (70 grid slide ...)"},
    {"tableau.wrap", 255, 40, G::Tableau,
     "wrap value of each tableau pile (entry i is also read as the wrap of foundation i)"},
    {"tableau.deal_mode", 295, 40, G::Tableau,
     "stock deal mode of each tableau pile (pile 1's value drives the stock click)"},
    // Reserves
    {"reserve.kind", 335, 12, G::Reserves, "kind code of each reserve"},
    {"reserve.deal_mode", 347, 12, G::Reserves,
     "stock deal mode of each reserve (reserve 1's value drives the stock click)"},
    // Waste and the second waste (Mazzo_Waste)
    {"second_waste.card", 359, 1, G::None,
     "card placed face up on Mazzo_Waste at the deal (above 100: minus 100)"},
    {"waste.drop", 360, 1, G::None, "2: a card may be dropped on the waste"},
    {"waste.no_drop", 361, 1, G::None, "4: the waste is no drop target"},
    // Layout codes: a row digit and a three-digit arrangement per pile group
    {"layout.stock.arrangement", 362, 1, G::None, "layout arrangement of the stock group"},
    {"layout.stock.row", 363, 1, G::None, "layout row of the stock group"},
    {"layout.foundation.arrangement", 364, 1, G::None, "layout arrangement of the foundations"},
    {"layout.foundation.row", 365, 1, G::None, "layout row of the foundations"},
    {"layout.tableau.arrangement", 366, 1, G::None,
     "layout arrangement of the tableau (some place the whole table)"},
    {"layout.tableau.row", 367, 1, G::None, "layout row of the tableau"},
    {"layout.tableau.rows", 368, 1, G::None, "number of rows of tableau arrangements 010 and 018"},
    {"layout.reserve.row", 369, 1, G::None, "layout row of the reserves"},
    {"layout.reserve.arrangement", 370, 1, G::None, "layout arrangement of the reserves"},
    {"layout.second_waste.row", 371, 1, G::None,
     "layout row of Mazzo_Waste (non-zero: a stock click deals to it)"},
    {"layout.second_waste.arrangement", 372, 1, G::None, "layout arrangement of Mazzo_Waste"},
    // Pile counts and the deck
    {"stock.piles", 373, 1, G::None, "number of stock-group piles (0 none, at most 3)"},
    {"foundation.count", 374, 1, G::None, "number of foundations (at most 16)"},
    {"tableau.count", 375, 1, G::None, "number of tableau piles (at most 40)"},
    {"reserve.count", 376, 1, G::None, "number of reserves (at most 12)"},
    {"second_waste.count", 377, 1, G::None, "number of Mazzo_Waste piles (0 or 1)"},
    {"deck.cards", 378, 1, G::None, "number of cards in the deck: 52, 104, 156 or 208"},
    {"stock.deal", 379, 1, G::None, "cards dealt to the stock"},
    {"waste.deal", 380, 1, G::None, "cards dealt to the waste (Mazzo_Vis)"},
    {"deck.jokers", 381, 1, G::None, "number of jokers, 0 to 4"},
    {"tableau.deal", 382, 40, G::Tableau,
     "deal count of each tableau pile: 1-1000 cards, 1001-1013 first card of rank n-1000, 1501-1504 a joker"},
    {"tableau.face", 422, 40, G::Tableau,
     "face rule of each tableau pile: n top cards up, -1/-2 alternate, -3 only the bottom card, 0 all down"},
    {"second_waste.deal", 462, 1, G::None, "cards dealt to Mazzo_Waste"},
    {"reserve.deal", 463, 12, G::Reserves, "deal count of each reserve (as tableau.deal)"},
    {"reserve.face", 475, 12, G::Reserves, "face rule of each reserve (as tableau.face)"},
    {"describe.foundation", 487, 1, G::None, "parameter of the foundation rule description"},
    {"describe.tableau", 488, 1, G::None, "parameter of the tableau rule description"},
    // Game facts for the open-game dialog
    {"info.time", 497, 1, G::None, "game time: 0 long, 1 medium, 2 quick"},
    {"info.difficulty", 498, 1, G::None, "difficulty: 0 easy, 1 medium, 2 hard"},
    {"info.skill", 499, 1, G::None,
     "0 difficult, 1 mostly skill, 2 moderate, 3 mostly chance, 4 chance only"},
    {"info.chance", 500, 1, G::None, "chance of winning: 0 very high, 1 high, 2 medium, 3 low, 4 very low"},
    {"info.won", 501, 1, G::None, "a count of won games, shown with info.played"},
    {"info.played", 502, 1, G::None, "the count of games info.won refers to (0: not shown)"},
};

// Arrangement numbers the pile layout knows, per group (0: no arrangement, only the row).
constexpr int kStockArr[] = {0, 3, 4, 5, 11, 13, 16, 19, 21, 23};
constexpr int kFoundationArr[] = {0, 1, 2, 7, 8, 9, 13, 17, 22, 32};
constexpr int kTableauArr[] = {0,   1,   2,   3,   10,  11,  12,  13,  14,  15,  18,  20,
                               21,  51,  52,  54,  57,  58,  61,  66,  75,  78,  81,  98,  103,
                               108, 120, 123, 124, 125, 126, 127, 128, 129, 130, 166, 172};
constexpr int kReserveArr[] = {0, 4, 5, 6, 7, 11, 12, 23};
constexpr int kSecondWasteArr[] = {0, 6, 7, 16};

constexpr LayoutGroup kLayout[] = {
    {"stock", 363, 362, kStockArr},
    {"foundation", 365, 364, kFoundationArr},
    {"tableau", 367, 366, kTableauArr},
    {"reserve", 369, 370, kReserveArr},
    {"second_waste", 371, 372, kSecondWasteArr},
};

} // namespace

std::span<const AttributeName> AttributeNames() {
    return kNames;
}

const AttributeName* FindAttributeName(std::string_view name) {
    for (const auto& n : kNames)
        if (n.name == name)
            return &n;
    return nullptr;
}

const AttributeName* FindAttributeByNumber(int attr, int* index) {
    for (const auto& n : kNames)
        if (attr >= n.first && attr < n.first + n.count) {
            if (index)
                *index = attr - n.first;
            return &n;
        }
    return nullptr;
}

std::span<const LayoutGroup> LayoutGroups() {
    return kLayout;
}

} // namespace quillon::gamesdat
