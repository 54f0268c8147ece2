#include <QPushButton>
#include <gtest/gtest.h>

#include "widgets/GroupCheckList.h"

using bw::GroupCheckList;

TEST(GroupCheckList, SelectAllTogglesCaptionAndTicks)
{
    GroupCheckList g;
    g.addItem("Puppy Dog", "PUP");
    g.addItem("Open Dog", "OPN");
    g.addItem("Veteran", "VET");
    EXPECT_FALSE(g.clearButton()->isEnabled());

    g.selectAll();
    EXPECT_EQ(3, g.tickedCount());
    EXPECT_EQ("De-Select All", g.selectAllButton()->text());
    EXPECT_TRUE(g.clearButton()->isEnabled());

    g.selectAll();
    EXPECT_EQ(0, g.tickedCount());
    EXPECT_EQ("Select All", g.selectAllButton()->text());
    EXPECT_FALSE(g.clearButton()->isEnabled());
}

TEST(GroupCheckList, OppositeAndClearAndCodesInListOrder)
{
    GroupCheckList g;
    g.addItem("Puppy Dog", "PUP");
    g.addItem("Open Dog", "OPN");
    g.addItem("Veteran", "VET");
    g.setTicked(1, true);
    EXPECT_EQ(1, g.tickedCount());
    g.selectOpposite();
    EXPECT_EQ(QStringList({"PUP", "VET"}), g.tickedCodes());
    g.clearCheckMarks();
    EXPECT_EQ(0, g.tickedCount());
    EXPECT_FALSE(g.clearButton()->isEnabled());

    // Clearing the list resets the toggle too.
    g.selectAll();
    g.clear();
    EXPECT_EQ("Select All", g.selectAllButton()->text());
    EXPECT_EQ(0, g.count());
}
