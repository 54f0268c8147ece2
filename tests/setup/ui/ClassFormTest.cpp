#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <gtest/gtest.h>

#include "SetupFixture.h"
#include "setup/ui/ClassForm.h"
#include "widgets/RecordMaintenance.h"

namespace {

void type(QLineEdit* e, const QString& text)
{
    e->setText(text);
    emit e->textEdited(text);
}

} // namespace

TEST(ClassLibraryWindow, StoresCodesInCapitalsAndSwitchesButtons)
{
    setuptest::App app;
    bw::TClassForm w;
    bw::RecordMaintenance* rm = w.maintenance();
    rm->doAdd();
    EXPECT_TRUE(rm->saveAction()->isEnabled());
    EXPECT_TRUE(rm->cancelAction()->isEnabled());
    EXPECT_FALSE(rm->addAction()->isEnabled());
    EXPECT_FALSE(rm->editAction()->isEnabled());
    EXPECT_FALSE(rm->deleteAction()->isEnabled());
    type(w.classNameEdit(), "Junior Handling");
    type(w.sexEdit(), "d");
    type(w.allKeyEdit(), "j901");
    type(w.groupEdit(), "bjr");
    rm->doSave();
    EXPECT_TRUE(rm->addAction()->isEnabled());
    EXPECT_FALSE(rm->saveAction()->isEnabled());

    xbase::Table& t = app.module.AllClasses;
    ASSERT_EQ(1u, t.recordCount());
    t.go(1);
    EXPECT_EQ("D", t.text("sex"));
    EXPECT_EQ("J901", t.text("allkey"));
    EXPECT_EQ("BJR", t.text("cat_group"));
    EXPECT_EQ("Junior Handling", t.text("classname"));

    // Typed into the grid, codes go into capitals as well.
    w.toggleGrid();
    QAbstractItemModel* grid = w.grid()->model();
    ASSERT_EQ(1, grid->rowCount());
    EXPECT_TRUE(grid->setData(grid->index(0, 2), "b", Qt::EditRole));
    EXPECT_EQ("B", t.text("sex"));
}

TEST(ClassLibraryWindow, OpensInAllkeyOrderWithDeletesHiddenAndFinds)
{
    setuptest::App app;
    app.addClass("Breed", "Puppy Dog", "B1", "B010");
    app.addClass("Breed", "Open Dog", "B1", "B030");
    app.addClass("Breed", "Open Bitch", "B1", "B040");
    app.addClass("Breed", "Old Class", "B1", "A000");
    app.module.AllClasses.deleteRecord();

    bw::TClassForm::lastFind.clear();
    bw::TClassForm w;
    xbase::Table& t = app.module.AllClasses;
    EXPECT_TRUE(t.hideDeleted());
    EXPECT_EQ("Puppy Dog", t.text("classname"));
    EXPECT_EQ("BREED     Puppy Dog", w.preview()->text().toStdString());
    EXPECT_EQ("Current Index = Sort Key Order", w.maintenance()->orderLabel()->text());

    w.maintenance()->setOrder(1);  // Class Name + Section
    app.prompter.type("open d").type("nothing");
    w.maintenance()->doFind();
    EXPECT_EQ("Open Dog", t.text("classname"));
    EXPECT_EQ("BREED     Open Dog", w.preview()->text().toStdString());
    w.maintenance()->doFind();
    EXPECT_EQ("Open Dog", t.text("classname"));  // a miss stays where it was
    ASSERT_EQ(3u, app.prompter.questions().size());
    EXPECT_EQ("Enter Class Name to find: ", app.prompter.questions()[0].text);
    EXPECT_EQ("OPEN D" + std::string(14, ' '), app.prompter.questions()[1].preset);
    EXPECT_EQ("Could not find Class Name NOTHING", app.prompter.questions()[2].text);
}
