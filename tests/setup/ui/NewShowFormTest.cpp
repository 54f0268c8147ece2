#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

#include "SetupFixture.h"
#include "setup/ClassLines.h"
#include "setup/ShowSetup.h"
#include "setup/ui/DateBox.h"
#include "setup/ui/NewShowForm.h"
#include "widgets/TwoListChooser.h"

namespace fs = std::filesystem;

namespace {

struct NewShowApp : setuptest::App {
    NewShowApp()
    {
        ini("ClubInfo", "1", "KCC");
        ini("ClubInfo", "2", "ABC");
        ini("Preferences", "DateFormat", "British");
        addClass("Breed", "Puppy Dog", "B1", "B010");
        addClass("Breed", "Open Dog", "B1", "B020");
        addClass("Obedience", "Novice", "O1", "O010");
        addClass("Breed", "Not For Competition", "NFC", "Z999");
    }
};

void typeDate(bw::DateBox* box, const QString& text)
{
    box->edit()->setText(text);
    emit box->changed();
    emit box->left();
}

} // namespace

TEST(NewShowWindow, CreatesTheShowFromTheChosenClasses)
{
    NewShowApp app;
    int notes = 0;
    bw::TNewShw w;
    w.showNote = [&] { ++notes; };
    w.show();
    EXPECT_EQ(1, notes);  // club KCC has no chosen sections
    EXPECT_EQ("KCC", w.clubBox()->currentText());
    EXPECT_EQ(2, w.clubBox()->count());
    EXPECT_EQ("1", w.numberBox()->text());
    EXPECT_FALSE(w.saveButton()->isEnabled());
    EXPECT_FALSE(w.availableButton()->isEnabled());
    EXPECT_FALSE(w.chooser()->isVisible());

    typeDate(w.dateBox(), "14/06/2003");
    EXPECT_TRUE(w.availableButton()->isEnabled());
    EXPECT_FALSE(w.priorButton()->isEnabled());  // there is no show before number 1
    w.showAvailableClasses();
    EXPECT_TRUE(w.chooser()->isVisible());
    EXPECT_EQ(4, w.chooser()->available().size());
    w.chooser()->moveAllRight();
    EXPECT_TRUE(w.saveButton()->isEnabled());
    w.save();
    EXPECT_TRUE(w.created());
    EXPECT_FALSE(w.saveButton()->isEnabled());
    EXPECT_TRUE(fs::exists(app.dir.file("shows/KCC-00001-14-06-2003.dbf")));
    EXPECT_TRUE(app.module.TzDbf1.isOpen());
    EXPECT_EQ("KCC", app.module.show.clubId);
    EXPECT_FALSE(app.sources->DataSource1.autoEdit());
    EXPECT_EQ(4u, bw::setup::readShowClasses(app.module, "KCC", 1).size());

    // Leaving the date box again allows a second Save, which must not replace the show.
    emit w.dateBox()->left();
    w.saveButton()->setEnabled(true);
    app.prompter.clear();
    w.save();
    ASSERT_EQ(1u, app.prompter.questions().size());
    EXPECT_EQ("Show Already Exists", app.prompter.questions()[0].caption);
    EXPECT_EQ(1u, app.module.ShowDates.recordCount());
}

TEST(NewShowWindow, ChosenSectionsFilterAndPriorShowLoading)
{
    NewShowApp app;
    app.ini("Club1-Info", "NumberOfSections", "1");
    app.ini("Club1-Info", "Section1", "Breed");
    bw::setup::WriteShowClasses(app.module, "KCC", 1,
                                {bw::setup::availableClassLine({"Breed", "Open Dog", "B1", "B020"})});
    app.module.ShowDates.append();
    app.module.ShowDates.setField("clubid", "KCC");
    app.module.ShowDates.setFieldInt("show_num", 1);
    app.module.ShowDates.post();

    int notes = 0;
    bw::TNewShw w;
    w.showNote = [&] { ++notes; };
    w.show();
    EXPECT_EQ(0, notes);
    EXPECT_EQ("2", w.numberBox()->text());
    typeDate(w.dateBox(), "14/06/2004");
    EXPECT_TRUE(w.priorButton()->isEnabled());
    w.loadPriorShow();
    ASSERT_EQ(1, w.chooser()->selected().size());
    EXPECT_TRUE(w.chooser()->selected()[0].contains("Open Dog"));
    // Breed classes only (Obedience is not chosen), the loaded one left out.
    QStringList available = w.chooser()->available();
    ASSERT_EQ(2, available.size());
    EXPECT_TRUE(available[0].contains("Puppy Dog"));
    EXPECT_TRUE(available[1].contains("Not For Competition"));
    EXPECT_FALSE(w.priorButton()->isEnabled());
    EXPECT_FALSE(w.availableButton()->isEnabled());

    // Club ABC has no chosen sections: its classes are all offered, with the note once.
    w.clubBox()->setCurrentIndex(1);
    EXPECT_EQ(1, notes);
    EXPECT_EQ("1", w.numberBox()->text());
    w.clubBox()->setCurrentIndex(0);
    w.clubBox()->setCurrentIndex(1);
    EXPECT_EQ(1, notes);
}

TEST(NewShowWindow, EmptySelectionIsRefusedWithTheMessage)
{
    NewShowApp app;
    bw::TNewShw w;
    w.showNote = [] {};
    w.show();
    typeDate(w.dateBox(), "14/06/2003");
    w.save();
    ASSERT_EQ(1u, app.prompter.questions().size());
    EXPECT_EQ("You must Select some Classes before a show can be created!", app.prompter.questions()[0].text);
    EXPECT_FALSE(w.created());
    EXPECT_EQ(0u, app.module.ShowDates.recordCount());
}
