#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "SetupFixture.h"
#include "setup/ClassLines.h"
#include "setup/ShowSetup.h"
#include "setup/ui/GroupForms.h"
#include "setup/ui/ShwDatesForm.h"
#include "widgets/RecordMaintenance.h"
#include "widgets/TwoListChooser.h"

TEST(SectionsWindow, FormatChoiceOnlyWhileEditing)
{
    setuptest::App app;
    xbase::Table& t = app.module.Sections;
    t.append();
    t.setField("name", "Obedience");
    t.setFieldBool("with_score", true);
    t.post();

    bw::TSectionForm w;
    EXPECT_TRUE(w.formatGroup()->button(2)->isChecked());
    w.formatGroup()->button(0)->click();  // browsing: nothing changes
    EXPECT_TRUE(w.formatGroup()->button(2)->isChecked());
    EXPECT_FALSE(t.fieldBool("full"));

    w.maintenance()->doAdd();
    w.nameEdit()->setText("Sweeps");
    emit w.nameEdit()->textEdited("Sweeps");
    w.formatGroup()->button(1)->click();
    w.maintenance()->doSave();
    ASSERT_TRUE(t.seek("SWEEPS"));
    EXPECT_FALSE(t.fieldBool("full"));
    EXPECT_TRUE(t.fieldBool("brief"));
    EXPECT_FALSE(t.fieldBool("with_score"));
}

TEST(BreedsWindow, FindOffersThirtyCharactersAndSaysWhatWasMissed)
{
    setuptest::App app;
    app.addRecords(app.module.Breeds, "breed_name", {"Whippet", "Golden Retriever", "Beagle"});
    bw::TBreedForm::lastFind.clear();
    bw::TBreedForm w;
    EXPECT_EQ("Beagle", app.module.Breeds.text("breed_name"));
    app.prompter.type("golden").type("poodle");
    w.maintenance()->doFind();
    EXPECT_EQ("Golden Retriever", app.module.Breeds.text("breed_name"));
    w.maintenance()->doFind();
    EXPECT_EQ("Golden Retriever", app.module.Breeds.text("breed_name"));
    const auto& q = app.prompter.questions();
    ASSERT_EQ(3u, q.size());
    EXPECT_EQ("Find Record", q[0].caption);
    EXPECT_EQ("Enter Breed Name to find: ", q[0].text);
    EXPECT_EQ(std::string(30, ' '), q[0].preset);
    EXPECT_EQ("GOLDEN" + std::string(24, ' '), q[1].preset);
    EXPECT_EQ("Could not find  POODLE", q[2].text);

    w.maintenance()->doAdd();
    EXPECT_TRUE(w.maintenance()->saveAction()->isEnabled());
    w.maintenance()->doCancel();
    EXPECT_FALSE(w.maintenance()->saveAction()->isEnabled());

    // Typing while browsing does not overwrite the breed shown; Add then typing adds one.
    QTest::keyClicks(w.breedEdit(), "Poodle");
    EXPECT_EQ(xbase::TableState::Browse, app.module.Breeds.state());
    EXPECT_EQ("Golden Retriever", app.module.Breeds.text("breed_name"));
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.breedEdit(), Qt::Key_A, Qt::AltModifier);  // the Add button's letter
    QTest::keyClicks(w.breedEdit(), "Poodle");
    w.maintenance()->doSave();
    EXPECT_EQ(4u, app.module.Breeds.recordCount());
    EXPECT_EQ("Poodle", app.module.Breeds.text("breed_name"));
}

TEST(CatalogGroupsWindow, FindsByCodeInCapitals)
{
    setuptest::App app;
    app.addRecords(app.module.CatGroups, "cat_group", {"NFC", "BR1", "AG1"});
    bw::TCatGroupForm::lastFind.clear();
    bw::TCatGroupForm w;
    EXPECT_EQ("AG1", app.module.CatGroups.text("cat_group"));
    EXPECT_FALSE(app.module.CatGroups.hideDeleted());
    app.prompter.type("br");
    w.maintenance()->doFind();
    EXPECT_EQ("BR1", app.module.CatGroups.text("cat_group"));
    EXPECT_EQ("Enter Cat-Group Code to find: ", app.prompter.questions()[0].text);
}

TEST(ShowDatesWindow, BrowsesShowsAndRenumbersChangedClasses)
{
    setuptest::App app;
    using bw::setup::availableClassLine;
    app.addClass("Breed", "Puppy Dog", "B1", "B010");
    app.addClass("Breed", "Open Dog", "B1", "B020");
    app.addClass("Breed", "Veteran", "B1", "B030");
    for (auto [club, num] : {std::pair<const char*, int>{"KCC", 1}, {"ABC", 7}}) {
        app.module.ShowDates.append();
        app.module.ShowDates.setField("clubid", club);
        app.module.ShowDates.setFieldInt("show_num", num);
        app.module.ShowDates.setField("show_date", "20030614");
        app.module.ShowDates.post();
    }
    bw::setup::WriteShowClasses(app.module, "KCC", 1,
                                {availableClassLine({"Breed", "Open Dog", "B1", "B020"}),
                                 availableClassLine({"Breed", "Puppy Dog", "B1", "B010"})});

    bw::TShwDatesForm1 w;
    w.warn = [] { return true; };
    w.showNote = [] {};
    EXPECT_EQ("ABC", w.browsedClub());   // shownum order
    EXPECT_EQ(0, w.classList()->count());
    app.module.ShowDates.last();
    EXPECT_EQ("KCC", w.browsedClub());
    ASSERT_EQ(2, w.classList()->count());
    EXPECT_EQ(bw::setup::showDatesClassLine("Breed", 1, "Open Dog", "B020"),
              w.classList()->item(0)->text().toStdString());

    w.changeSelectedClasses();
    ASSERT_TRUE(w.editingClasses());
    // The show's classes come back in allkey order; the rest are available.
    ASSERT_EQ(2, w.chooser()->selected().size());
    EXPECT_TRUE(w.chooser()->selected()[0].contains("Puppy Dog"));
    ASSERT_EQ(1, w.chooser()->available().size());
    w.chooser()->moveAllRight();
    w.saveClasses();
    EXPECT_FALSE(w.editingClasses());
    std::vector<bw::setup::ShowClass> classes = bw::setup::readShowClasses(app.module, "KCC", 1);
    ASSERT_EQ(3u, classes.size());
    EXPECT_EQ("Puppy Dog", classes[0].className);
    EXPECT_EQ("Open Dog", classes[1].className);
    EXPECT_EQ("Veteran", classes[2].className);
    EXPECT_EQ(3, w.classList()->count());
}
