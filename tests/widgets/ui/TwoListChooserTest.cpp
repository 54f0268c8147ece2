#include <gtest/gtest.h>

#include "widgets/TwoListChooser.h"

using bw::TwoListChooser;

namespace {
QStringList abc() { return {"A", "B", "C"}; }
}

TEST(TwoListChooser, MoveRightTakesFirstHighlightedAndHighlightsTheLineNowInItsPlace)
{
    TwoListChooser c;
    c.setAvailable(abc());
    c.setSelected({"X"});
    c.availableList()->item(1)->setSelected(true);
    c.availableList()->item(2)->setSelected(true);
    c.moveRight();
    EXPECT_EQ(QStringList({"A", "C"}), c.available());
    EXPECT_EQ(QStringList({"X", "B"}), c.selected());
    ASSERT_EQ(1, c.availableList()->selectedItems().size());
    EXPECT_EQ("C", c.availableList()->selectedItems()[0]->text());

    // At the end of the list the last remaining line is highlighted.
    c.moveRight();
    EXPECT_EQ(QStringList({"A"}), c.available());
    EXPECT_EQ("A", c.availableList()->selectedItems().value(0)->text());
}

TEST(TwoListChooser, MoveWithNothingHighlightedDoesNothing)
{
    TwoListChooser c;
    c.setAvailable(abc());
    c.moveRight();
    c.moveLeft();
    EXPECT_EQ(abc(), c.available());
    EXPECT_TRUE(c.selected().isEmpty());
}

TEST(TwoListChooser, MoveAllKeepsOrderAndAppends)
{
    TwoListChooser c;
    c.setAvailable(abc());
    c.setSelected({"X"});
    c.moveAllRight();
    EXPECT_TRUE(c.available().isEmpty());
    EXPECT_EQ(QStringList({"X", "A", "B", "C"}), c.selected());
    c.moveAllLeft();
    EXPECT_EQ(QStringList({"X", "A", "B", "C"}), c.available());
}

TEST(TwoListChooser, DropOntoOtherListAppendsWhereverDropped)
{
    TwoListChooser c;
    c.setAvailable(abc());
    c.setSelected({"X", "Y"});
    c.selectedList()->dropLine(c.availableList(), 0, 0);
    EXPECT_EQ(QStringList({"B", "C"}), c.available());
    EXPECT_EQ(QStringList({"X", "Y", "A"}), c.selected());
}

TEST(TwoListChooser, DropWithinListMovesToLineUnderDropPoint)
{
    struct Case { int from, target; QStringList expected; int highlighted; };
    const Case cases[] = {
        {0, 2, {"B", "C", "A"}, 2},
        {2, 0, {"C", "A", "B"}, 0},
        {0, -1, {"B", "C", "A"}, 2},  // below the last line: to the end
        {1, 1, {"A", "B", "C"}, 1},
    };
    for (const Case& k : cases) {
        TwoListChooser c;
        c.setAvailable(abc());
        c.availableList()->dropLine(c.availableList(), k.from, k.target);
        EXPECT_EQ(k.expected, c.available()) << k.from << "->" << k.target;
        EXPECT_EQ(k.highlighted, c.availableList()->currentRow());
    }
    // A list of one line has nowhere to move it.
    TwoListChooser one;
    one.setAvailable({"A"});
    one.availableList()->dropLine(one.availableList(), 0, -1);
    EXPECT_EQ(QStringList({"A"}), one.available());
}
