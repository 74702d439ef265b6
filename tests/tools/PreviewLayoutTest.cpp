#include "PreviewLayout.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

std::vector<PreviewPiece> Row(int piles, int step, int y = 20) {
    std::vector<PreviewPiece> out;
    for (int i = 0; i < piles; ++i)
        out.push_back({1 + i % 52, 15 + i * step, y});
    return out;
}

TEST(PreviewFit, ASmallTableKeepsItsPlacesCentredAcross) {
    const PreviewPlan plan = FitPreview(Row(4, 40));
    ASSERT_TRUE(plan.record);
    EXPECT_DOUBLE_EQ(plan.scale, 1.0);
    ASSERT_EQ(plan.pieces.size(), 4u);
    // Span 120 in a room of 278: 79 on the left, the same steps, at the top.
    EXPECT_EQ(plan.pieces[0], (PreviewPiece{1, 79, 0}));
    EXPECT_EQ(plan.pieces[3], (PreviewPiece{4, 199, 0}));
}

TEST(PreviewFit, AWideOrTallTableShrinksIntoThePreviewArea) {
    for (auto table : {Row(12, 40), Row(3, 40, 0)}) {
        if (table.size() == 3)
            table.push_back({54, 15, 300}); // a tall pile
        const PreviewPlan plan = FitPreview(table);
        ASSERT_TRUE(plan.record) << plan.scale;
        EXPECT_LT(plan.scale, 1.0);
        for (const PreviewPiece& p : plan.pieces) {
            EXPECT_GE(p.x, 0);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.x + kPreviewOffsetX + kPreviewCardWidth, kPreviewWidth);
            EXPECT_LE(p.y + kPreviewOffsetY + kPreviewCardHeight, kPreviewHeight);
        }
    }
}

TEST(PreviewFit, ATableTooWideForTheRecordBecomesAPictureWithSmallerCards) {
    const PreviewPlan plan = FitPreview(Row(40, 40));
    EXPECT_FALSE(plan.record);
    EXPECT_LT(plan.scale, kSmallestRecordScale);
    EXPECT_LT(plan.cardWidth, kPreviewCardWidth);
    ASSERT_EQ(plan.pieces.size(), 40u);
    EXPECT_LT(plan.pieces[0].x, plan.pieces[39].x);
    for (const PreviewPiece& p : plan.pieces) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x + plan.cardWidth, kPreviewWidth);
        EXPECT_LE(p.y + plan.cardHeight, kPreviewHeight - 2 * kPreviewOffsetY);
    }
    EXPECT_FALSE(FitPreview({}).record) << "a table without piles has nothing to show";
}

// A game is planned from its own deal and layout; an unknown game cannot be.
TEST(PreviewFit, AGameIsPlannedFromItsDealAndLayout) {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    ASSERT_TRUE(dir);
    PreviewPlan plan;
    std::string error;
    ASSERT_TRUE(PlanGamePreview(std::string(dir) + "/", 101, plan, error)) << error;
    EXPECT_TRUE(plan.record);
    // Klondike: the stock, four foundations and 28 tableau cards, of which the 21 covered ones
    // lie under others.
    EXPECT_EQ(plan.pieces.size(), 1u + 4u + 28u);
    EXPECT_FALSE(PlanGamePreview(std::string(dir) + "/", 9999, plan, error));
}

} // namespace
