// The list of legal moves from a position, and its text form.

#include "engine/LegalMoves.h"

#include "TableSetup.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillon::test {
namespace {

// Three tableau piles building down in alternate colours (Kings on empty piles), two foundations
// up in suit from the Ace, two free cells.
void SmallGame(Table& t) {
    t.Attrs({{attr::TableauCount, 3},
             {attr::FoundationCount, 2},
             {attr::ReserveCount, 2},
             {attr::FoundationCapacity, 13},
             {attr::PickUpRule, -1},
             {attr::FoundationBase, 1},
             {attr::FoundationBase + 1, 1},
             {attr::FoundationDir, 1},
             {attr::FoundationDir + 1, 1}});
    for (int k = 0; k < 3; ++k)
        t.Attrs({{attr::TableauEmpty + k, 13}, {attr::TableauDir + k, 0}, {attr::TableauRule + k, 3}});
}

std::vector<std::string> Lines(const std::vector<LegalMove>& moves) {
    std::vector<std::string> lines;
    for (const LegalMove& m : moves)
        lines.push_back(FormatMove(m));
    return lines;
}

std::string Line(const char* from, const char* card, const char* to) {
    return std::string(from) + " " + CardText(Card(card)) + " -> " + to;
}

TEST(LegalMoves, EverySourceAndTarget) {
    Table t;
    SmallGame(t);
    t.Piles({{"Fila1", "KS QH JS"},
             {"Fila2", "10H"},
             {"Dest1", "AH"},
             {"Appogg1", "2H"},
             {"Mazzo_Vis", "4C 9S"}})
        .FaceDown("KS");
    t.s.Game.RunEndCard = 77;
    t.s.DragHeight = 5;
    const std::vector<std::string> expected = {
        Line("Fila1", "JS", "Appogg2"),     Line("Fila2", "10H", "Fila1"),
        Line("Fila2", "10H", "Appogg2"),    Line("Appogg1", "2H", "Dest1"),
        Line("Appogg1", "2H", "Appogg2"),   Line("Mazzo_Vis", "9S", "Fila2"),
        Line("Mazzo_Vis", "9S", "Appogg2"),
    };
    EXPECT_EQ(Lines(ListLegalMoves(t.s)), expected);
    // The drag state is as it was.
    EXPECT_EQ(t.s.Game.RunEndCard, 77);
    EXPECT_EQ(t.s.DragHeight, 5);
}

TEST(LegalMoves, RunsGoOnlyWhereRunsMayGo) {
    Table t;
    SmallGame(t);
    t.Attr(attr::RunOrder, 1).Piles({{"Fila1", "KS QH JS"}, {"Fila2", "KC"}}).FaceDown("KS");
    const std::vector<std::string> expected = {
        Line("Fila1", "QH", "Fila2"), // the run QH JS; not to a foundation or a free cell
        Line("Fila1", "JS", "Appogg1"), Line("Fila1", "JS", "Appogg2"), Line("Fila2", "KC", "Fila3"),
        Line("Fila2", "KC", "Appogg1"), Line("Fila2", "KC", "Appogg2"),
    };
    EXPECT_EQ(Lines(ListLegalMoves(t.s)), expected);

    // A run out of order on its own pile is not lifted, even where the target's rule would take it:
    // pile 1 builds in suit, pile 2 in alternate colours.
    Table u;
    SmallGame(u);
    u.Attrs({{attr::RunOrder, 1}, {attr::TableauRule, 0}}).Piles({{"Fila1", "QH JS"}, {"Fila2", "KC"}});
    for (const std::string& line : Lines(ListLegalMoves(u.s)))
        EXPECT_NE(line.rfind(Line("Fila1", "QH", "")), 0u) << line;
}

TEST(LegalMoves, RunHeightFromTheLayout) {
    // With the piles laid out, the run's height comes from the pile's bottom edge; a card below
    // the top still counts as a run.
    Table t;
    SmallGame(t);
    t.Attrs({{attr::RunOrder, 1}, {3, 1}}).Piles({{"Fila1", "KS QH JS"}, {"Fila2", "KC"}}).FaceDown("KS");
    t.s.TableauY[0] = 100;
    t.s.TableauY[1] = 100;
    t.s.Game.StepUpY = 20;
    t.s.Game.StepDownY = 5;
    const auto lines = Lines(ListLegalMoves(t.s));
    EXPECT_NE(std::find(lines.begin(), lines.end(), Line("Fila1", "QH", "Fila2")), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), Line("Fila1", "QH", "Appogg1")), lines.end());
}

TEST(LegalMoves, PickUpRulesAndLocks) {
    // A buried card under the Draw rule is never offered, and listing never draws.
    Table t;
    SmallGame(t);
    t.Attr(attr::PickUpRule, -17).Piles({{"Fila1", "KS QH JS"}, {"Fila2", "KC"}});
    t.s.Game.RedealCount = 3;
    for (const std::string& line : Lines(ListLegalMoves(t.s)))
        EXPECT_NE(line.rfind(Line("Fila1", "QH", "")), 0u) << line;
    EXPECT_TRUE(static_cast<RecordingDesktop&>(*t.s.desktop).boxes.empty());
    EXPECT_EQ(t.s.Game.OnceUsed, 0);

    // Reserve rule -14 keeps the reserve cards; attribute 8 keeps the waste card.
    Table u;
    SmallGame(u);
    u.Attrs({{attr::ReservePickUp, -14}, {attr::WasteLocked, 1}})
        .Piles({{"Appogg1", "KH"}, {"Mazzo_Vis", "KD"}});
    EXPECT_TRUE(ListLegalMoves(u.s).empty());
    u.Attrs({{attr::ReservePickUp, 0}, {attr::WasteLocked, 0}});
    EXPECT_EQ(ListLegalMoves(u.s).size(), 8u); // each King to the 3 empty piles and the empty cell

    // Locked tableau piles (attribute 27 x attribute 28 of them, from the first) give up no card,
    // as a press on them lifts none; the piles after them do.
    struct Row {
        int rows, perRow;
        std::vector<std::string> lines;
    } rows[] = {
        {0, 5, {Line("Fila1", "KS", "Fila3"), Line("Fila2", "KC", "Fila3")}},
        {1, 2, {Line("Fila2", "KC", "Fila3")}},
        {1, 3, {}},
        {2, 1, {Line("Fila2", "KC", "Fila3")}},
    };
    for (const Row& r : rows) {
        Table v;
        SmallGame(v);
        v.Attrs({{27, r.rows}, {28, r.perRow}, {attr::ReserveCount, 0}})
            .Piles({{"Fila1", "KS"}, {"Fila2", "KC"}});
        EXPECT_EQ(Lines(ListLegalMoves(v.s)), r.lines) << r.rows << " x " << r.perRow;
    }
}

TEST(LegalMoves, Format) {
    EXPECT_EQ(FormatMove({"Fila3", 27, "Dest1"}), "Fila3 027 -> Dest1");
    EXPECT_EQ(FormatMove({"Mazzo_Vis", 209, "Appogg12"}), "Mazzo_Vis 209 -> Appogg12");
    EXPECT_EQ(FormatMoves({{"Fila3", 27, "Dest1"}, {"Appogg1", 5, "Fila1"}}),
              "Fila3 027 -> Dest1\nAppogg1 005 -> Fila1\n");
    EXPECT_EQ(FormatMoves({}), "");
}

} // namespace
} // namespace quillon::test
