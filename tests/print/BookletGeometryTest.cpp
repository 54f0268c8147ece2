#include "print/BookletGeometry.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace bw::print;

TEST(BookletGeometry, LetterSheetAt600DpiInLandscape)
{
    RecordingCanvas canvas(600, PaperSize::letter());
    canvas.setOrientation(Orientation::Landscape);
    auto g = BookletGeometry::compute(canvas, true);
    EXPECT_EQ(g.W, 6600);
    EXPECT_EQ(g.H, 5100);
    EXPECT_EQ(g.fontHeight, 67);  // 8 × 600 / 72 = 66.67
    EXPECT_EQ(g.lineHeight, 100);
    EXPECT_EQ(g.lines, 47);
    EXPECT_EQ(BookletGeometry::compute(canvas, false).lines, 50);
    EXPECT_EQ(g.top, 150);
    EXPECT_EQ(g.lineY(1), 250);
    EXPECT_EQ(g.left(Side::Left), 225);
    EXPECT_EQ(g.right(Side::Left), 3075);
    EXPECT_EQ(g.left(Side::Right), 3600);
    EXPECT_EQ(g.right(Side::Right), 6375);
    EXPECT_EQ(g.centredX(Side::Left, 1001), 225 + 924);  // (2850 − 1001) / 2, truncated
    EXPECT_EQ(g.rightX(Side::Right, 775), 6375 - 775);
}

TEST(BookletGeometry, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(mulDiv(8, 300, 72), 33);   // 33.33
    EXPECT_EQ(mulDiv(8, 45, 72), 5);     // 5.0
    EXPECT_EQ(mulDiv(3, 3, 2), 5);       // 4.5
    EXPECT_EQ(mulDiv(-3, 3, 2), -5);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
}
