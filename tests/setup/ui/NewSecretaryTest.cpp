// The first hour of a new secretary, on an empty data root, through the windows as a user
// types into them: settings, sections, groups, breeds, classes, then a new show.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

#include "SetupFixture.h"
#include "data/ui/TableModel.h"
#include "setup/ShowSetup.h"
#include "setup/ui/ClassForm.h"
#include "setup/ui/DateBox.h"
#include "setup/ui/GroupForms.h"
#include "setup/ui/NewShowForm.h"
#include "setup/ui/SettingsWindows.h"
#include "widgets/RecordMaintenance.h"
#include "widgets/TwoListChooser.h"

namespace {

// BW_SHOTS=<folder> keeps pictures of the windows for a person to look at.
void shot(QWidget& w, const char* name)
{
    if (const char* dir = std::getenv("BW_SHOTS")) w.grab().save(QString(dir) + "/" + name + ".png");
}

void typeInto(QLineEdit* e, const QString& text)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, text);
}

} // namespace

TEST(NewSecretary, FromAnEmptyDataRootToAnOpenShow)
{
    setuptest::App app;

    {   // Tools > General Preferences
        bw::TGeneralDefaultsForm w;
        w.show();
        typeInto(w.secretaryEdit(0), "ann smith-jones");
        EXPECT_EQ("Ann Smith-Jones", w.secretaryEdit(0)->text().toStdString());  // auto capitals
        typeInto(w.secretaryEdit(1), "1 high street");
        typeInto(w.secretaryEdit(5), "ls1 1aa");
        EXPECT_EQ("LS1 1AA", w.secretaryEdit(5)->text().toStdString());
        w.dateGroup()->button(0)->click();  // British
        shot(w, "general");
        QTest::mouseClick(w.okayButton(), Qt::LeftButton);
    }
    {   // Databases > Special Program Data > Show Sections
        bw::TSectionForm w;
        w.show();
        for (const char* name : {"Breed", "Obedience"}) {
            w.maintenance()->addAction()->trigger();
            typeInto(w.nameEdit(), name);
            w.formatGroup()->button(name[0] == 'B' ? 0 : 2)->click();
            w.maintenance()->saveAction()->trigger();
        }
        shot(w, "sections");
    }
    {   // Catalogue Groups
        bw::TCatGroupForm w;
        w.show();
        w.maintenance()->addAction()->trigger();
        typeInto(w.codeEdit(), "b1");
        w.maintenance()->saveAction()->trigger();
        EXPECT_EQ("B1", app.module.CatGroups.text("cat_group"));
    }
    {   // Breeds & Varieties
        bw::TBreedForm w;
        w.show();
        for (const char* breed : {"Whippet", "Beagle"}) {
            w.maintenance()->addAction()->trigger();
            typeInto(w.breedEdit(), breed);
            w.maintenance()->saveAction()->trigger();
        }
        EXPECT_EQ(2, w.grid()->model()->rowCount());
        shot(w, "breeds");
    }
    {   // All Classes
        bw::TClassForm w;
        w.show();
        struct C { const char* section; const char* name; const char* group; const char* key; };
        for (const C& c : {C{"Breed", "Puppy Dog", "b1", "b010"}, C{"Breed", "Open Dog", "b1", "b020"},
                           C{"Breed", "Puppy Bitch", "b1", "b030"}, C{"Breed", "Open Bitch", "b1", "b040"},
                           C{"Breed", "Not For Competition", "nfc", "n999"},
                           C{"Obedience", "Novice", "o1", "o010"}}) {
            w.maintenance()->addAction()->trigger();
            ASSERT_TRUE(w.sectionPick()->isVisible());
            w.sectionPick()->setCurrentIndex(w.sectionPick()->findText(c.section));
            emit w.sectionPick()->activated(w.sectionPick()->currentIndex());
            typeInto(w.classNameEdit(), c.name);
            typeInto(w.groupEdit(), c.group);
            typeInto(w.allKeyEdit(), c.key);
            w.maintenance()->saveAction()->trigger();
        }
        shot(w, "classes");
        EXPECT_EQ(6u, app.module.AllClasses.recordCount());
    }
    {   // Tools > Club Defaults
        bw::TClubDefaultsForm1 w;
        w.show();
        typeInto(w.nameEdit(), "Kennel Club of Caldor");
        typeInto(w.codeEdit(), "kcc");
        EXPECT_EQ("KCC", w.codeEdit()->text().toStdString());
        EXPECT_EQ("KCC", w.clubTabs()->tabText(0).toStdString());
        app.prompter.pressBox(bw::BoxButton::Yes).pressBox(bw::BoxButton::Yes);
        w.pages()->setCurrentIndex(1);
        w.breedPick()->setCurrentIndex(w.breedPick()->findText("Whippet"));
        emit w.breedPick()->activated(w.breedPick()->currentIndex());
        w.pages()->setCurrentIndex(2);
        w.sectionList()->item(0)->setCheckState(Qt::Checked);  // Breed
        shot(w, "club");
        QTest::mouseClick(w.okayButton(), Qt::LeftButton);
        bw::IniFile ini = app.settings();
        EXPECT_EQ("KCC", ini.readString("ClubInfo", "1", ""));
        EXPECT_EQ("Whippet", ini.readString("Club1-Info", "DefaultBreed", ""));
        EXPECT_EQ("Breed", ini.readString("Club1-Info", "Section1", ""));
    }
    {   // New Show
        bw::TNewShw w;
        int notes = 0;
        w.showNote = [&] { ++notes; };
        w.show();
        EXPECT_EQ(0, notes);
        EXPECT_EQ("KCC", w.clubBox()->currentText().toStdString());
        shot(w, "newshow-start");
        typeInto(w.dateBox()->edit(), "14062003");
        emit w.dateBox()->changed();
        QTest::mouseClick(w.availableButton(), Qt::LeftButton);
        ASSERT_EQ(5, w.chooser()->available().size());  // Breed only
        for (int i = 0; i < 3; ++i) {
            w.chooser()->availableList()->setCurrentRow(0);
            w.chooser()->moveRight();
        }
        shot(w, "newshow-lists");
        w.chooser()->moveAllRight();
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        EXPECT_TRUE(w.created());
    }
    EXPECT_TRUE(app.module.TzDbf1.isOpen());
    EXPECT_EQ("KCC", app.module.show.clubId);
    EXPECT_EQ(1, app.module.show.showNum);
    EXPECT_EQ("Whippet", app.module.show.defaultBreed);
    EXPECT_EQ(5u, bw::setup::readShowClasses(app.module, "KCC", 1).size());
}
