// Pick-up limits: which runs may be lifted under each rule, the run's last card, and the Draw.

#include "engine/PickUp.h"

#include "TableSetup.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

namespace quillon::test {
namespace {

using PileList = std::vector<std::pair<std::string, std::string>>;

struct Row {
    const char* what;
    int rule;
    PileList piles;
    const char* card;
    bool toEmpty;
    bool expected;
};

// Four tableau piles and two reserves in play unless a row's piles say otherwise.
void CheckRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        Table t;
        t.Attrs({{attr::PickUpRule, row.rule}, {attr::TableauCount, 4}, {attr::ReserveCount, 2}})
            .Piles(row.piles);
        EXPECT_EQ(PickUpAllowed(t.s, Card(row.card), row.toEmpty), row.expected)
            << "rule " << row.rule << ": " << row.what;
        EXPECT_EQ(PickUpLimit(t.s, Card(row.card), row.toEmpty), row.expected)
            << "rule " << row.rule << ": " << row.what;
    }
}

// Every pile but the named ones holds a card, so the counts of empty piles are known.
PileList Full(PileList piles, std::vector<std::string> empty = {}) {
    const char* fillers[] = {"2C", "3C", "4C", "5C", "6C", "7C"};
    const char* names[] = {"Fila1", "Fila2", "Fila3", "Fila4", "Appogg1", "Appogg2"};
    for (int k = 0; k < 6; ++k) {
        bool named = false;
        for (const auto& [name, cards] : piles)
            named = named || name == names[k];
        for (const std::string& e : empty)
            named = named || e == names[k];
        if (!named)
            piles.push_back({names[k], fillers[k]});
    }
    return piles;
}

TEST(PickUpLimit, ByRule) {
    // clang-format off
    CheckRows({
        {"-1: always", -1, Full({{"Fila1", "9H 8S 2D 7C"}}), "9H", false, true},
        {"-12: a single card", -12, Full({{"Fila1", "9H 8S"}}), "8S", false, true},
        {"-12: a run from a King", -12, Full({{"Fila1", "KH QS JD"}}), "KH", false, true},
        {"-12: not a run from a Queen", -12, Full({{"Fila1", "KH QS JD"}}), "QS", false, false},
        {"-13: the whole pile", -13, Full({{"Fila1", "5H 4S 3D 2C' AH"}}), "5H", false, true},
        {"-13: not the top four of five", -13, Full({{"Fila1", "5H 4S 3D 2C' AH"}}), "4S", false, false},
        {"-13: a single card", -13, Full({{"Fila1", "5H 4S 3D 2C' AH"}}), "AH", false, true},
        {"-15: a free card", -15, {{"Fila1", "5H"}}, "5H", false, true},
        {"-15: a card hemmed in", -15, {{"Fila1", "4D"}, {"Fila2", "5H"}}, "5H", false, false},
        {"-16: the first card", -16, Full({{"Fila1", "5H 4S 3D"}}), "5H", false, true},
        {"-16: the last card", -16, Full({{"Fila1", "5H 4S 3D"}}), "3D", false, true},
        {"-16: not a middle card", -16, Full({{"Fila1", "5H 4S 3D"}}), "4S", false, false},
        {"-16: empty slots before it", -16, Full({{"Fila1", "000 000 4S 3D"}}), "4S", false, true},
        {"-16: empty slots after it", -16, Full({{"Fila1", "5H 4S 000"}}), "4S", false, true},
        {"-16: a card between it and the slots", -16, Full({{"Fila1", "5H 4S 3D 000"}}), "4S", false, false},
        {"-17: a single card", -17, Full({{"Fila1", "5H 4S"}}), "4S", false, true},
        {"0: nothing at all", 0, Full({{"Fila1", "5H"}}), "5H", false, false},
        {"3: three cards", 3, Full({{"Fila1", "5H 4S 3D"}}), "5H", false, true},
        {"3: not four", 3, Full({{"Fila1", "6C' 5H 4S 3D"}}), "6C'", false, false},
        {"a reserve run counts too", 2, Full({{"Appogg1", "5H 4S 3D"}}), "4S", false, true},
        {"a reserve run too long", 2, Full({{"Appogg1", "5H 4S 3D"}}), "5H", false, false},
    });
    // clang-format on
}

TEST(PickUpLimit, FreeCellCounts) {
    // Rule -5: E + T + 1 (T >= 1), E + T onto an empty pile, E + 1 without empty tableau piles.
    const PileList twoCellsOnePile =
        Full({{"Fila1", "QH' 9H 8S 7D 6C' 5H'"}}, {"Appogg1", "Appogg2", "Fila4"});
    const PileList twoCellsNoPile = Full({{"Fila1", "QH' 9H 8S 7D 6C' 5H'"}}, {"Appogg1", "Appogg2"});
    // clang-format off
    CheckRows({
        {"-5: E=2 T=1, run of 4", -5, twoCellsOnePile, "8S", false, true},
        {"-5: E=2 T=1, run of 5", -5, twoCellsOnePile, "9H", false, false},
        {"-5: E=2 T=1 onto an empty pile, run of 3", -5, twoCellsOnePile, "7D", true, true},
        {"-5: E=2 T=1 onto an empty pile, run of 4", -5, twoCellsOnePile, "8S", true, false},
        {"-5: E=2 T=0, run of 3", -5, twoCellsNoPile, "7D", false, true},
        {"-5: E=2 T=0, run of 4", -5, twoCellsNoPile, "8S", false, false},
        {"-6: E=2 T=1, run of 3", -6, twoCellsOnePile, "7D", false, true},
        {"-6: E=2 T=1, run of 4", -6, twoCellsOnePile, "8S", false, false},
        {"-6: E=2 T=0, run of 3", -6, twoCellsNoPile, "7D", false, true},
        {"-6: E=2 T=0, run of 4", -6, twoCellsNoPile, "8S", false, false},
        {"-3: as many as empty tableau piles, at least 1", -3, twoCellsNoPile, "5H'", false, true},
        {"-3: no more", -3, twoCellsNoPile, "6C'", false, false},
        {"-3: two empty piles, two cards", -3, Full({{"Fila1", "7D 6C' 5H'"}}, {"Fila3", "Fila4"}), "6C'", false, true},
        {"-3: two empty piles, not three", -3, Full({{"Fila1", "7D 6C' 5H'"}}, {"Fila3", "Fila4"}), "7D", false, false},
    });
    // clang-format on
}

TEST(PickUpLimit, RunEndCard) {
    Table t;
    t.Attrs({{attr::PickUpRule, -1}, {attr::TableauCount, 4}, {attr::ReserveCount, 2}})
        .Piles({{"Fila2", "9H 8S 7D"}, {"Appogg2", "3C 2C"}, {"Mazzo_Vis", "KD"}});
    EXPECT_TRUE(PickUpLimit(t.s, Card("8S"), false));
    EXPECT_EQ(t.s.Game.RunEndCard, Card("7D"));
    EXPECT_TRUE(PickUpLimit(t.s, Card("3C"), false));
    EXPECT_EQ(t.s.Game.RunEndCard, Card("2C"));
    // A card in neither a tableau pile nor a reserve has no run to lift.
    EXPECT_FALSE(PickUpLimit(t.s, Card("KD"), false));
    EXPECT_EQ(t.s.Game.RunEndCard, 0);
    EXPECT_FALSE(PickUpLimit(t.s, 0, false));
    EXPECT_FALSE(PickUpLimit(t.s, 500, false));
}

struct DrawRecorder {
    static inline int calls = 0;
    static inline int card = 0;
    static inline std::string target;
    static void Draw(Session&, int c, const std::string& to) {
        ++calls;
        card = c;
        target = to;
    }
};

TEST(PickUpLimit, TheDraw) {
    struct Row {
        const char* what;
        int redeals;
        int onceUsed;
        const char* message; // nullptr: no message
        bool draws;
    };
    // clang-format off
    const Row rows[] = {
        {"before the last redeal", 2, 0, kDrawAfterLastRedeal, false},
        {"on the first pass", 1, 0, kDrawAfterLastRedeal, false},
        {"after the last redeal, once", 3, 0, nullptr, true},
        {"only once per game", 3, 1, kOnlyOneDraw, false},
    };
    // clang-format on
    for (const Row& row : rows) {
        Table t;
        t.Attrs({{attr::PickUpRule, -17}, {attr::TableauCount, 4}}).Pile("Fila3", "9H 8S 7D");
        t.s.Game.RedealCount = static_cast<std::int16_t>(row.redeals);
        t.s.Game.OnceUsed = static_cast<std::int16_t>(row.onceUsed);
        t.s.Hooks.DrawCard = &DrawRecorder::Draw;
        DrawRecorder::calls = 0;
        auto& desktop = static_cast<RecordingDesktop&>(*t.s.desktop);

        // Probing never draws and never speaks.
        EXPECT_FALSE(PickUpAllowed(t.s, Card("8S"), false)) << row.what;
        EXPECT_TRUE(desktop.boxes.empty()) << row.what;
        EXPECT_EQ(DrawRecorder::calls, 0) << row.what;

        // In play a buried card is the Draw: nothing is picked up either way.
        EXPECT_FALSE(PickUpLimit(t.s, Card("8S"), false)) << row.what;
        if (row.message) {
            ASSERT_EQ(desktop.boxes.size(), 1u) << row.what;
            EXPECT_EQ(desktop.boxes[0].text, row.message) << row.what;
            EXPECT_EQ(desktop.boxes[0].kind, BoxKind::Information) << row.what;
        } else {
            EXPECT_TRUE(desktop.boxes.empty()) << row.what;
        }
        EXPECT_EQ(DrawRecorder::calls, row.draws ? 1 : 0) << row.what;
        if (row.draws) {
            EXPECT_EQ(DrawRecorder::card, Card("8S"));
            EXPECT_EQ(DrawRecorder::target, "Fila03");
            EXPECT_EQ(t.s.Game.OnceUsed, 1);
        } else {
            EXPECT_EQ(t.s.Game.OnceUsed, row.onceUsed) << row.what;
        }
    }
}

TEST(PickUpLimit, TheDrawWithoutPlayCodeChangesNothing) {
    Table t;
    t.Attrs({{attr::PickUpRule, -17}, {attr::TableauCount, 4}}).Pile("Fila3", "9H 8S 7D");
    t.s.Game.RedealCount = 3;
    EXPECT_FALSE(PickUpLimit(t.s, Card("8S"), false));
    EXPECT_EQ(t.s.Game.OnceUsed, 0) << "the Draw is not used up when it could not be made";
    EXPECT_EQ(t.s.Piles.TableauPiles[2], Content("9H 8S 7D"));
}

} // namespace
} // namespace quillon::test
