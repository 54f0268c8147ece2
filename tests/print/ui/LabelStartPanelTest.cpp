#include "print/qt/LabelStartPanel.h"

#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace bw::print;

TEST(LabelStartPanel, ButtonsAreLaidOutAsTheSheetAndChooseTheStart)
{
    LabelStartPanel panel("Select the Label to start printing with", 14, 2);
    EXPECT_EQ(panel.count(), 14);
    EXPECT_EQ(panel.position(), 1);
    EXPECT_EQ(panel.start(), (LabelPosition{1, 1}));
    QSignalSpy chosen(&panel, &LabelStartPanel::positionChosen);
    panel.button(6)->click();
    EXPECT_EQ(panel.position(), 6);
    EXPECT_EQ(panel.start(), (LabelPosition{3, 2}));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.front().front().toInt(), 6);
    EXPECT_FALSE(panel.button(1)->isChecked());

    // switching to the parcel stock: four buttons, button 1 pressed again
    panel.setLabels(4, 2);
    EXPECT_EQ(panel.count(), 4);
    EXPECT_EQ(panel.position(), 1);
}
