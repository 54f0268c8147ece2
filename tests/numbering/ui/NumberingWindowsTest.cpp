#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "app/DmodSources.h"
#include "catalogue/Catalogue.h"
#include "catalogue/OpenShowTest.h"
#include "entries/ShowLifecycle.h"
#include "data/ui/DataSource.h"
#include "data/ui/TableModel.h"
#include "numbering/ui/NumberingWindows.h"
#include "numbering/ui/TAddArmForm.h"
#include "numbering/ui/TClassCtsForm1.h"
#include "print/Rtf.h"
#include "widgets/RecordMaintenance.h"

namespace {

using Strings = std::vector<std::string>;

QAction* menuAction(QWidget* window, const QString& menu, const QString& item)
{
    for (QAction* top : window->findChild<QMenuBar*>()->actions()) {
        if (top->text().remove('&') != menu) continue;
        for (QAction* a : top->menu()->actions())
            if (a->text().remove('&') == item) return a;
    }
    return nullptr;
}

class ExhibitWindowTest : public bwtest::OpenShowTest {
protected:
    void SetUp() override
    {
        OpenShowTest::SetUp();
        addClass(1, "Puppy", "Breed", "BR");
        addClass(2, "Open", "Breed", "BR");
        addEntry({{"dog", "Rex"}, {"last", "Brown"}, {"classes", "2"}, {"arm", "7"}});
        addEntry({{"dog", "Ajax"}, {"last", "Smith"}, {"classes", "1"}});
        addEntry({{"dog", "Bo"}, {"last", "Adams"}, {"classes", "1"}}, true);
        addEntry({{"dog", "Tess"}, {"last", "Adams"}, {"classes", "1"}});
        // The main window leaves the table in its own order with marked entries hidden.
        m.TzDbf1.setOrder("NAME");
        m.TzDbf1.setHideDeleted(true);
        source.setTable(&m.TzDbf1);
    }

    std::unique_ptr<bw::TAddArmForm> open()
    {
        auto w = std::make_unique<bw::TAddArmForm>(m, source);
        w->show();
        QTest::qWait(1);
        return w;
    }

    Strings arms()
    {
        Strings out;
        for (uint32_t r = 1; r <= m.TzDbf1.recordCount(); ++r) out.push_back(arm(r));
        return out;
    }

    bw::DataSource source;
};

TEST_F(ExhibitWindowTest, OpensInCatalogueOrderShowingMarkedEntries)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Add Armband Numbers");
    EXPECT_EQ(m.TzDbf1.currentTag(), "CLNUMLAST");
    EXPECT_FALSE(m.TzDbf1.hideDeleted());
    EXPECT_EQ(w->hideDeletesButton()->text(), "Hide Deletes");
    EXPECT_EQ(w->showLabel()->text(), "Show #    12");
    EXPECT_EQ(w->maintenance()->recordLabel()->text(), "Rec #     3 /     4");
    EXPECT_EQ(w->maintenance()->orderLabel()->text(), "Current Index is First Class # (Last Name)");
    EXPECT_TRUE(menuAction(w.get(), "Index", "First Class # (Catalog Order - Last Name)")->isChecked());
    EXPECT_EQ(w->startBox()->text(), "101");
    EXPECT_TRUE(w->autoAssignButton()->isEnabled());  // mode "AfterAutomatic"

    QTableView* grid = w->grid();
    ASSERT_EQ(grid->model()->rowCount(), 4);
    Strings titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles.push_back(grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
    EXPECT_EQ(titles, (Strings{"Dog's Name", "Sex", "Classes Entered", "First Class", "Exhibit #"}));
    // Only the exhibit number can be edited.
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(bool(grid->model()->flags(grid->model()->index(0, c)) & Qt::ItemIsEditable), c == 4);
    // The grid stands on the table's record, in the exhibit number column.
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(grid->currentIndex().column(), bw::TAddArmForm::kExhibitColumn);

    // Hide Deletes (button and menu share the caption) hides the marked entry.
    w->hideDeletesButton()->click();
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(w->hideDeletesButton()->text(), "Show Deletes");
    EXPECT_EQ(menuAction(w.get(), "Tasks", "Show Deletes"), w->maintenance()->hideDeletesAction());

    // Another order from the Index menu.
    menuAction(w.get(), "Index", "Input Order")->trigger();
    EXPECT_EQ(m.TzDbf1.currentTag(), "");
    EXPECT_EQ(w->maintenance()->orderLabel()->text(), "Current Index is Input Order");
    EXPECT_EQ(w->model()->recNoOfRow(0), 1u);

    // Closing gives the table back as the main window had it.
    w->CloseClick();
    EXPECT_EQ(m.TzDbf1.currentTag(), "NAME");
    EXPECT_TRUE(m.TzDbf1.hideDeleted());
}

TEST_F(ExhibitWindowTest, AutoAssignReadsTheStartBoxLeniently)
{
    auto w = open();
    struct Case {
        const char* typed;
        Strings expected;
    };
    const Case cases[] = {
        {"101", {"103", "102", "", "101"}},
        {"1,001", {"1003", "1002", "", "1001"}},
        {"40000", {"32769", "32768", "", "32767"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        w->startBox()->setText(c.typed);
        prompter.press('Y');  // every run after the first replaces numbers
        w->autoAssignButton()->click();
        EXPECT_EQ(arms(), c.expected);
    }
    // Each run replaced numbers (the first one the 7 typed by hand): one question each.
    EXPECT_EQ(prompter.messages().size(), 3u);
    // The grid shows the new numbers; the table is on the first record of the order,
    // the marked entry, which kept its (empty) number.
    EXPECT_EQ(w->grid()->model()->index(1, 4).data().toString(), "32767");
    EXPECT_EQ(w->maintenance()->recordLabel()->text(), "Rec #     3 /     4");
}

TEST_F(ExhibitWindowTest, NumberingAsInputtedLeavesAutoAssignToBeEnabled)
{
    setPreference(bw::ini::kArmbands, "InputAutomatic");
    auto w = open();
    EXPECT_FALSE(w->autoAssignButton()->isEnabled());
    w->autoAssignButton()->click();
    EXPECT_EQ(arms(), (Strings{"7", "", "", ""}));
    menuAction(w.get(), "Tasks", "Enable Auto Assign")->trigger();
    EXPECT_TRUE(w->autoAssignButton()->isEnabled());
    prompter.press('Y');
    w->autoAssignButton()->click();
    EXPECT_EQ(arms(), (Strings{"103", "102", "", "101"}));
    EXPECT_EQ(m.prefs.numberingMode(), 'I');
}

TEST_F(ExhibitWindowTest, TypingAnExhibitNumberInTheGridSavesIt)
{
    auto w = open();
    QTableView* grid = w->grid();
    grid->setFocus();
    // Row 1 is Tess (record 4); its editor opens as the cell becomes current.
    grid->setCurrentIndex(grid->model()->index(1, bw::TAddArmForm::kExhibitColumn));
    QTest::qWait(1);
    QWidget* editor = grid->indexWidget(grid->currentIndex());
    ASSERT_NE(editor, nullptr);
    auto* line = qobject_cast<QLineEdit*>(editor);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->maxLength(), 5);
    line->selectAll();
    QTest::keyClicks(line, "412345");  // the field holds five characters
    QTest::keyClick(line, Qt::Key_Down);
    QTest::qWait(1);
    EXPECT_EQ(arm(4), "41234");
    EXPECT_EQ(m.TzDbf1.state(), xbase::TableState::Browse);
    // The move went on to the next row and the table followed.
    EXPECT_EQ(grid->currentIndex().row(), 2);
    EXPECT_EQ(m.TzDbf1.recNo(), w->model()->recNoOfRow(2));

    // A number still in the editor is saved by Close.
    grid->setCurrentIndex(grid->model()->index(0, bw::TAddArmForm::kExhibitColumn));
    QTest::qWait(1);
    line = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    ASSERT_NE(line, nullptr);
    line->setText("55");
    w->CloseClick();
    EXPECT_EQ(arm(3), "55");
}

TEST_F(ExhibitWindowTest, OpensFromTheMainMenuOnTheProgramsEntries)
{
    bw::Tdmod* before = bw::dmod;
    bw::dmod = &m;
    bw::DmodSources sources(m);
    bw::dmodSources = &sources;
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<bw::TAddArmForm*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->model()->rowCount(), 4);
        w->autoAssignButton()->click();
        w->CloseClick();
    });
    prompter.press('Y');
    bw::openExhibitNumbersWindow(nullptr);
    EXPECT_EQ(arms(), (Strings{"103", "102", "", "101"}));
    EXPECT_EQ(m.TzDbf1.currentTag(), "NAME");
    bw::dmodSources = nullptr;
    bw::dmod = before;
}

class ClassCountsWindowTest : public bwtest::OpenShowTest {
protected:
    void SetUp() override
    {
        OpenShowTest::SetUp();
        addClass(1, "Minor Puppy Dog", "Breed", "BR");
        addClass(2, "Puppy Dog", "Breed", "BR");
        addClass(999, "Not For Competition", "Breed", "NFC");
        addClass(3, "Novice A", "Obedience", "OB");
    }
};

TEST_F(ClassCountsWindowTest, ShowsTheListingAndSavesItAsRtf)
{
    addEntry({{"classes", "1,2"}});
    addEntry({{"classes", "NFC"}});
    addEntry({{"classes", "3"}});
    bw::Build_Catalog(m, "KCC", 12);
    bw::TClassCtsForm1 w(m);
    w.show();
    QTest::qWait(1);
    EXPECT_EQ(w.windowTitle(), "Count Entries per Class");
    const QString text = w.textEdit()->toPlainText();
    EXPECT_TRUE(text.startsWith("KCC Kennel Club\nJune 14, 2003\n"));
    EXPECT_TRUE(text.contains("    2\tPuppy Dog" + QString(31, ' ') + "\t    1"));
    EXPECT_TRUE(text.contains("Not For Competition Entries =  1"));
    EXPECT_TRUE(text.endsWith("Total Exhibits =     1\nTotal Entries =     1"));

    bwtest::TempDir out;
    const std::string file = out.file("counts.rtf");
    ASSERT_TRUE(w.saveTo(QString::fromStdString(file)));
    const bw::print::RtfReadResult back = bw::print::loadRtfFile(file);
    ASSERT_TRUE(back.doc) << back.error;
    EXPECT_EQ(QString::fromStdString(back.doc->plainText()), text);
}

TEST_F(ClassCountsWindowTest, CommandNeedsEntriesFirst)
{
    bw::Tdmod* before = bw::dmod;
    bw::dmod = &m;
    bw::openClassCountsWindow(nullptr);
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].kind, bwtest::Question::Kind::Box);
    EXPECT_EQ(prompter.questions()[0].text, "You need some entries first!");
    EXPECT_FALSE(m.Catalog.isOpen());  // nothing was compiled

    // With an entry: compiled, shown, and closed here.
    addEntry({{"classes", "2"}});
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    bw::openClassCountsWindow(nullptr);
    EXPECT_EQ(m.Catalog.recordCount(), 1u);
    EXPECT_EQ(bw::trim(field(m.ShowClasses, 2, "count")), "1");
    bw::dmod = before;
}

// Pictures of both windows on a sample installation (brindlewick-cli sample), to look at:
// BW_SHOTS_DATA=the sample's data folder BW_SHOTS=the folder for the pictures.
TEST(NumberingScreenshots, OnTheSampleShow)
{
    const char* data = std::getenv("BW_SHOTS_DATA");
    const char* out = std::getenv("BW_SHOTS");
    if (!data || !out) GTEST_SKIP() << "BW_SHOTS_DATA and BW_SHOTS not set";
    bwtest::ScriptedPrompter prompter;
    bw::Tdmod m;
    m.setPrompter(&prompter);
    m.dmodCreate(data);
    m.Read_Preferences();
    ASSERT_EQ(bw::Open_ExistingShow(m, m.Get_LastShow()), bw::OpenShowResult::Opened);
    bw::DataSource source(&m.TzDbf1);
    {
        bw::TAddArmForm w(m, source);
        w.resize(1000, 640);
        w.show();
        QTest::qWait(50);
        EXPECT_TRUE(w.grab().save(QString(out) + "/exhibit-numbers.png"));
        w.grid()->setCurrentIndex(w.grid()->model()->index(3, bw::TAddArmForm::kExhibitColumn));
        w.hideDeletesButton()->click();
        QTest::qWait(20);
        EXPECT_TRUE(w.grab().save(QString(out) + "/exhibit-numbers-hidden.png"));
        w.CloseClick();
    }
    bw::Build_Catalog(m, m.show.clubId, m.show.showNum);
    bw::TClassCtsForm1 w(m);
    w.resize(900, 700);
    w.show();
    QTest::qWait(50);
    EXPECT_TRUE(w.grab().save(QString(out) + "/class-counts.png"));
}

} // namespace
