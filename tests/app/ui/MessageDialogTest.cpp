#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/MessageDialog.h"
#include "app/QtPrompter.h"

using bw::MessageDialog;
using bw::MessageSound;

namespace {

// Runs act on the next modal message dialog once it is shown.
void whenShown(std::function<void(MessageDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dlg = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        if (!dlg) {
            ADD_FAILURE() << "no message dialog is shown";
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
            return;
        }
        act(dlg);
    });
}

struct SoundRecorder {
    std::vector<MessageSound> played;
    SoundRecorder() { bw::setMessageSoundPlayer([this](MessageSound s) { played.push_back(s); }); }
    ~SoundRecorder() { bw::setMessageSoundPlayer({}); }
};

QStringList captions(const MessageDialog* dlg)
{
    QStringList out;
    for (const QPushButton* b : dlg->buttons()) out << b->text();
    return out;
}

} // namespace

TEST(MessageDialog, BareMessageHasOneOkButtonAndAnswersO)
{
    SoundRecorder sounds;
    QString text;
    QStringList shown;
    bool hasIcon = true;
    whenShown([&](MessageDialog* dlg) {
        text = dlg->textLabel()->text();
        shown = captions(dlg);
        hasIcon = dlg->findChild<QLabel*>("icon") != nullptr;
        QTest::mouseClick(dlg->buttons().front(), Qt::LeftButton);
    });
    EXPECT_EQ(bw::Show_Message("", "", "Saved"), 'O');
    EXPECT_EQ(text, "Saved");
    EXPECT_EQ(shown, QStringList{"&OK"});
    EXPECT_FALSE(hasIcon);
    EXPECT_EQ(sounds.played, std::vector<MessageSound>{MessageSound::Beep});
}

TEST(MessageDialog, ButtonsAreEqualWidthCentredAndAnswerTheirLetters)
{
    SoundRecorder sounds;
    QStringList shown;
    QString title;
    whenShown([&](MessageDialog* dlg) {
        shown = captions(dlg);
        title = dlg->windowTitle();
        const auto& b = dlg->buttons();
        EXPECT_EQ(b[0]->width(), b[1]->width());
        EXPECT_EQ(b[1]->width(), b[2]->width());
        const int left = b.front()->geometry().left();
        const int right = dlg->width() - b.back()->geometry().right() - 1;
        EXPECT_NEAR(left, right, 2);
        EXPECT_TRUE(dlg->findChild<QLabel*>("icon") != nullptr);
        QTest::mouseClick(b[1], Qt::LeftButton);
    });
    EXPECT_EQ(bw::Show_Message("Pack", "?", "Remove deleted records?", "Cancel Pa&ck Edit_Record"), 'C');
    EXPECT_EQ(title, "Pack");
    EXPECT_EQ(shown, (QStringList{"Cancel", "Pa&ck", "Edit Record"}));
    EXPECT_EQ(sounds.played, std::vector<MessageSound>{MessageSound::Question});

    whenShown([](MessageDialog* dlg) { QTest::mouseClick(dlg->buttons()[1], Qt::LeftButton); });
    EXPECT_EQ(bw::Show_Message("", "!", "x", "Cancel Pack"), 'P');
    whenShown([](MessageDialog* dlg) { QTest::mouseClick(dlg->buttons()[2], Qt::LeftButton); });
    EXPECT_EQ(bw::Show_Message("", "H", "x", "Yes No Cancel"), 'C');
    whenShown([](MessageDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Return); });  // the first is default
    EXPECT_EQ(bw::Show_Message("", "I", "x", "Edit_Record Add_Duplicate"), 'E');
    whenShown([](MessageDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); });  // Esc: the Cancel button
    EXPECT_EQ(bw::Show_Message("", "*", "x", "Yes No Cancel"), 'C');
    EXPECT_EQ(sounds.played, (std::vector<MessageSound>{MessageSound::Question, MessageSound::Exclamation,
                                                        MessageSound::Stop, MessageSound::Information,
                                                        MessageSound::Information}));
}

TEST(MessageDialog, SemicolonsAndLineBreaksStartLines)
{
    QString text;
    whenShown([&](MessageDialog* dlg) {
        text = dlg->textLabel()->text();
        dlg->buttons().front()->click();
    });
    bw::Show_Message("", "", "A;;B\r\nC\nD");
    EXPECT_EQ(text, "A\n\nB\nC\nD");
}

TEST(InputDialog, PresetTextEnterPressesOkCancelGivesNothing)
{
    SoundRecorder sounds;
    QString preset;
    QStringList shown;
    whenShown([&](MessageDialog* dlg) {
        shown = captions(dlg);
        preset = dlg->input()->text();
        dlg->input()->setText("KCC");
        QTest::keyClick(dlg->input(), Qt::Key_Return);
    });
    EXPECT_EQ(bw::Ask_Text("Find", "Enter NAME to find: ", "Smith"), std::optional<std::string>("KCC"));
    EXPECT_EQ(preset, "Smith");
    EXPECT_EQ(shown, (QStringList{"&OK", "&Cancel"}));

    whenShown([](MessageDialog* dlg) {
        dlg->input()->setText("typed");
        QTest::mouseClick(dlg->buttons()[1], Qt::LeftButton);
    });
    EXPECT_EQ(bw::Ask_Text("", "Enter:", ""), std::nullopt);
    EXPECT_TRUE(sounds.played.empty());
}

TEST(QtPrompter, ReachesTheProgramDialogs)
{
    bw::QtPrompter prompter;
    whenShown([](MessageDialog* dlg) { dlg->buttons()[1]->click(); });
    EXPECT_EQ(prompter.Show_Message("", "", "Sure?", "Yes No"), 'N');
    whenShown([](MessageDialog* dlg) { dlg->buttons()[0]->click(); });
    EXPECT_EQ(prompter.Ask_Text("", "Club", "X"), std::optional<std::string>("X"));
}

TEST(QtPrompter, FiltersInQtForm)
{
    EXPECT_EQ(bw::toQtFilter("Text files (*.rtf)|*.rtf"), "Text files (*.rtf)");
    EXPECT_EQ(bw::toQtFilter("Tables|*.dbf;*.DBF|All files|*"), "Tables (*.dbf *.DBF);;All files (*)");
    EXPECT_EQ(bw::toQtFilter(""), "");
}
