#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include "data/ui/DataSource.h"
#include "data/ui/FieldLink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "widgets/RecordMaintenance.h"
#include "xbase/Table.h"

using bw::RecordMaintenance;

namespace {

// A small judges-like table: number, last name, with tags by name and by number.
struct Fixture {
    bwtest::TempDir dir;
    xbase::Table table{{xbase::N("judge_num", 5), xbase::C("last", 20)}};
    bw::DataSource source{&table};
    bwtest::ScriptedPrompter prompter;
    QWidget window;
    QLineEdit* lastEdit = new QLineEdit(&window);
    RecordMaintenance* rm = nullptr;

    Fixture(const std::vector<std::pair<long, std::string>>& rows)
    {
        table.setFileName(dir.file("judges.dbf"));
        table.open();
        for (auto& [num, last] : rows) {
            table.append();
            table.setFieldInt("judge_num", num);
            table.setField("last", last);
            table.post();
        }
        table.makeIndex("", {{"NAME", "upper(last)"}, {"JUDGENUM", "str(judge_num,5)"}});
        RecordMaintenance::Config c;
        c.orders = {{"Last Name", "NAME", "Current Index is Last Name", "Last Name", {}},
                    {"Judge ID", "JUDGENUM", "Current Index is Judge ID #", "Judge ID",
                     RecordMaintenance::numberKey(5)},
                    {"Input Order", "", "Current Index = Input Order", "Record #", {}}};
        c.notFoundIcon = "i";
        c.findIcon = "?";
        rm = new RecordMaintenance(&source, prompter, c, &window);
        rm->setEditPanel(&window);
        bw::FieldLink::bind(&source, lastEdit, "last");
        rm->setOrder(0);
        table.first();
        rm->follow();
    }
};

} // namespace

TEST(RecordMaintenance, ButtonStatesFollowTableState)
{
    Fixture f({{1, "Smith"}});
    EXPECT_TRUE(f.rm->addAction()->isEnabled());
    EXPECT_FALSE(f.rm->saveAction()->isEnabled());

    f.rm->doEdit();
    EXPECT_TRUE(f.rm->saveAction()->isEnabled());
    EXPECT_TRUE(f.rm->cancelAction()->isEnabled());
    EXPECT_FALSE(f.rm->addAction()->isEnabled());
    EXPECT_FALSE(f.rm->findAction()->isEnabled());

    f.rm->doCancel();
    EXPECT_FALSE(f.rm->saveAction()->isEnabled());
    EXPECT_TRUE(f.rm->deleteAction()->isEnabled());
}

TEST(RecordMaintenance, TypingEditsAndSavePostsWhatTheControlHolds)
{
    Fixture f({{1, "Smith"}, {2, "Jones"}});
    EXPECT_EQ("Jones", f.lastEdit->text());   // NAME order: Jones first
    f.lastEdit->setText("Brown");
    emit f.lastEdit->textEdited("Brown");
    EXPECT_EQ(xbase::TableState::Edit, f.table.state());
    f.rm->doSave();
    EXPECT_EQ("Brown", f.table.text("last"));
    EXPECT_EQ(xbase::TableState::Browse, f.table.state());

    f.lastEdit->setText("Green");
    emit f.lastEdit->textEdited("Green");
    f.rm->doCancel();
    EXPECT_EQ("Brown", f.lastEdit->text());
}

TEST(RecordMaintenance, PositionAndDeletedDisplay)
{
    Fixture f({{1, "Smith"}, {2, "Jones"}});
    f.table.go(1);
    EXPECT_EQ("Rec #     1 /     2", f.rm->recordLabel()->text());

    f.rm->doDeleteToggle();                       // no question configured
    EXPECT_TRUE(f.table.deleted());
    EXPECT_EQ("DELETED", f.rm->deletedLabel()->text());
    EXPECT_EQ("Un&Delete", f.rm->deleteAction()->text());
    EXPECT_EQ(QColor(128, 128, 128), f.lastEdit->palette().color(QPalette::Base));

    f.rm->doDeleteToggle();                       // undelete never asks
    EXPECT_FALSE(f.table.deleted());
    EXPECT_EQ("", f.rm->deletedLabel()->text());
    EXPECT_EQ("&Delete", f.rm->deleteAction()->text());
    EXPECT_TRUE(f.prompter.questions().empty());
}

TEST(RecordMaintenance, DeleteQuestionCancelledLeavesRecord)
{
    Fixture f({{1, "Smith"}});
    RecordMaintenance::Config c;
    c.deleteQuestion = "Delete Record ?";
    RecordMaintenance rm(&f.source, f.prompter, c, &f.window);
    f.prompter.pressBox(bw::BoxButton::Cancel);
    rm.doDeleteToggle();
    EXPECT_FALSE(f.table.deleted());
    ASSERT_EQ(1u, f.prompter.questions().size());
    EXPECT_EQ("Delete Record ?", f.prompter.questions()[0].text);
}

TEST(RecordMaintenance, FindSeeksInCurrentOrderAndRestoresOnMiss)
{
    Fixture f({{3, "Smith"}, {12, "Jones"}, {7, "Smithers"}});
    f.table.go(2);

    f.prompter.type("smi");
    f.rm->doFind();
    EXPECT_EQ(1u, f.table.recNo());
    EXPECT_EQ("Enter Last Name to find: ", f.prompter.questions().back().text);
    EXPECT_EQ(std::string(20, ' '), f.prompter.questions().back().preset);

    f.prompter.type("zz");
    f.rm->doFind();
    EXPECT_EQ(1u, f.table.recNo());             // back where it was
    EXPECT_EQ("Could not find Last Name ZZ", f.prompter.messages().back());
    f.prompter.cancel();
    f.rm->doFind();                             // the last text is offered again
    EXPECT_EQ("ZZ" + std::string(18, ' '), f.prompter.questions().back().preset);

    f.rm->setOrder(1);
    f.prompter.type("+7 ");
    f.rm->doFind();
    EXPECT_EQ(3u, f.table.recNo());
}

TEST(RecordMaintenance, FindInInputOrderGoesToRecordNumber)
{
    Fixture f({{3, "Smith"}, {12, "Jones"}, {7, "Smithers"}});
    f.rm->setOrder(2);
    f.prompter.type("3");
    f.rm->doFind();
    EXPECT_EQ(3u, f.table.recNo());
    for (const char* answer : {"0", "4"}) {
        f.prompter.type(answer);
        f.rm->doFind();
        EXPECT_EQ(3u, f.table.recNo());
        EXPECT_EQ(std::string("Could not find Record # ") + answer, f.prompter.messages().back());
    }
}

TEST(RecordMaintenance, PackAsksAndCancelChangesNothing)
{
    Fixture f({{1, "Smith"}, {2, "Jones"}});
    f.table.go(1);
    f.table.deleteRecord();
    f.prompter.press('C');
    f.rm->doPack();
    EXPECT_EQ(2u, f.table.recordCount());
    EXPECT_EQ(RecordMaintenance::packQuestion(), f.prompter.messages().back());
    EXPECT_EQ("Cancel Pack", f.prompter.questions().back().buttons);

    f.prompter.press('P');
    f.rm->doPack();
    EXPECT_EQ(1u, f.table.recordCount());
}

TEST(RecordMaintenance, HideDeletesCaptionNamesNextAction)
{
    Fixture f({{1, "Smith"}, {2, "Jones"}});
    f.rm->doHideDeletes();
    EXPECT_TRUE(f.table.hideDeleted());
    EXPECT_EQ("Show Deletes", f.rm->hideDeletesAction()->text());
    f.rm->doHideDeletes();
    EXPECT_EQ("Hide Deletes", f.rm->hideDeletesAction()->text());
}

TEST(RecordMaintenance, AddShowsTheNewBlankRecord)
{
    Fixture f({{1, "Smith"}});
    EXPECT_EQ("Smith", f.lastEdit->text());
    f.rm->doAdd();
    EXPECT_EQ("", f.lastEdit->text());
}
