// The welcome dialog of the first start, offscreen.
#include "app/WelcomeDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "sample/SampleClub.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Presses a button of the welcome dialog once it is shown; records whether it was.
struct Answer {
    bool shown = false;
    QString text;

    void press(bool sample)
    {
        QTimer::singleShot(0, [this, sample] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* d = qobject_cast<bw::WelcomeDialog*>(w);
                if (!d || !d->isVisible()) continue;
                shown = true;
                for (QLabel* l : d->findChildren<QLabel*>()) text += l->text() + "\n";
                (sample ? d->sampleButton() : d->setUpButton())->click();
                return;
            }
            // Not shown (yet): close whatever modal dialog there is so the test cannot hang.
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
        });
    }
};

} // namespace

TEST(WelcomeDialog, SampleChoiceStartsOnAFreshSampleBesideTheEmptyFolder)
{
    bwtest::TempDir dir;
    const std::string root = dir.file("brindlewick");
    Answer answer;
    answer.press(true);
    const std::string chosen = bw::offerWelcome(nullptr, root);
    EXPECT_TRUE(answer.shown);
    EXPECT_EQ(chosen, root + "-sample");
    EXPECT_NE(answer.text.indexOf(QString::fromStdString(root)), -1) << answer.text.toStdString();
    EXPECT_NE(answer.text.indexOf("--data " + QString::fromStdString(root) + "-sample"), -1);
    EXPECT_TRUE(fs::exists(chosen + "/gendefs.ini"));
    EXPECT_FALSE(bw::sample::isEmptyDataRoot(chosen));
    // The user's own folder stays without a club, marked as welcomed: asked once only.
    EXPECT_TRUE(bw::sample::isEmptyDataRoot(root));
    Answer again;
    again.press(true);
    EXPECT_EQ(bw::offerWelcome(nullptr, root), root);
    EXPECT_FALSE(again.shown);
    QApplication::processEvents();
}

TEST(WelcomeDialog, SetUpChoiceStartsOnTheFolderItself)
{
    bwtest::TempDir dir;
    const std::string root = dir.file("club");
    Answer answer;
    answer.press(false);
    EXPECT_EQ(bw::offerWelcome(nullptr, root), root);
    EXPECT_TRUE(answer.shown);
    EXPECT_FALSE(fs::exists(root + "-sample"));
    EXPECT_TRUE(fs::exists(root + "/" + bw::kWelcomeMark));
}

TEST(WelcomeDialog, AFolderWithAClubIsNotAskedAbout)
{
    bwtest::TempDir dir;
    std::ofstream(dir.file("gendefs.ini")) << "[ClubInfo]\n1=KCC\n";
    Answer answer;
    answer.press(true);
    EXPECT_EQ(bw::offerWelcome(nullptr, dir.path().string()), dir.path().string());
    EXPECT_FALSE(answer.shown);
    QApplication::processEvents();
}

TEST(WelcomeDialog, ButtonsAndTitle)
{
    bw::WelcomeDialog d("/data/club", "/data/club-sample");
    EXPECT_EQ(d.windowTitle(), "Welcome to Brindlewick Manager");
    EXPECT_EQ(d.setUpButton()->text(), "&Set Up My Club");
    EXPECT_EQ(d.sampleButton()->text(), "&Explore a Sample Club");
    EXPECT_TRUE(d.setUpButton()->isDefault());
    EXPECT_EQ(d.choice(), bw::WelcomeDialog::Choice::SetUp);
    d.sampleButton()->click();
    EXPECT_EQ(d.choice(), bw::WelcomeDialog::Choice::Sample);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}
