#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/DmodSources.h"
#include "app/EntryPanel.h"
#include "app/MainWindow.h"
#include "app/WindowCommands.h"
#include "entries/ShowFixture.h"
#include "entries/ui/DogForm.h"
#include "widgets/RecordMaintenance.h"

using bw::TBrindlewickMainForm;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

// The real main window on a small data root: club KCC (slot 2) with show 12 of three
// entries, a dog master of four dogs.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        bw::dmod = &f.m;
        f.addMasterDog("Amber Glow", "Brown", "A100");
        f.addMasterDog("Blue Moon", "Smith", "B200");
        f.addMasterDog("Copper Sky", "Green", "C300");
        f.addMasterDog("Dusty Road", "White", "D400");
        path = f.makeShow("KCC", 12, "14/06/2003", bwtest::standardClasses(),
                          {{"Blue Moon", "Smith", "Ann", "12", "101"},
                           {"Red Sky", "Jones", "Bob", "3,7", "7"},
                           {"Amber Glow", "Brown", "Cy", "NFC", "55"}});
        sources = std::make_unique<bw::DmodSources>(f.m);
        bw::dmodSources = sources.get();
        w = std::make_unique<TBrindlewickMainForm>(f.m, *sources);
        f.prompter.clear();
    }
    ~MainWindowTest() override
    {
        w.reset();
        bw::dmodSources = nullptr;
        bw::dmod = nullptr;
    }

    void openShow()
    {
        f.prompter.chooseFile(path);
        w->OpenShowClick();
        ASSERT_TRUE(w->showOpen());
        f.prompter.clear();
    }

    bw::RecordMaintenance& rm() { return *w->records(); }
    bw::EntryPanel& panel() { return *w->entryPanel(); }
    xbase::Table& entries() { return f.m.TzDbf1; }
    QString status(int i) { return w->statusPanel(i)->text(); }

    // Picks a dog from the pick list the way Enter or a click does, then leaves the box.
    void pickDog(const QString& name)
    {
        QComboBox* pick = panel().dogPick;
        const int i = pick->findText(name);
        ASSERT_GE(i, 0) << name.toStdString();
        pick->setCurrentIndex(i);
        emit pick->activated(i);
        w->DogNameExit();
    }

    void typeInto(QLineEdit* e, const QString& text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }

    bwtest::ShowFixture f;
    std::string path;
    std::unique_ptr<bw::DmodSources> sources;
    std::unique_ptr<TBrindlewickMainForm> w;
};

} // namespace

TEST_F(MainWindowTest, StartsWithNoShow)
{
    EXPECT_EQ("Brindlewick Manager", w->windowTitle());
    EXPECT_TRUE(w->pictureShown());
    EXPECT_EQ("Show #", status(1));
    EXPECT_EQ("Rec #", status(2));
    EXPECT_EQ("Current Index =", status(3));
    EXPECT_FALSE(rm().addAction()->isEnabled());
    EXPECT_FALSE(rm().firstAction()->isEnabled());
    for (const char* m : {"Index", "View", "Reports", "Tasks"})
        EXPECT_FALSE(w->menu(m)->menuAction()->isEnabled()) << m;
    EXPECT_FALSE(w->menuItem("Databases|Judge Assignments for Current Show")->isEnabled());
    // Every item is there; those whose window is not built yet are disabled.
    for (const char* item : {"&File|&New Show", "&File|&Open Existing Show...", "&File|Close Current Show",
                             "&File|E&xit", "Databases|Dog Master ", "Databases|Special Program Data|Breeds && Varieties",
                             "Reports|Catalog |Print Booklet Format (5 1/2 x 8 1/2\")",
                             "Reports|Exhibitor Index|Print Full Page List with/without phone #'s",
                             "Reports|Labels or Card Stock|Award Cards (or J8168 Labels)",
                             "Reports|Verify Data Input|By Owner's Last Name", "Tasks|Permanently Remove Deletes",
                             "Tools|Transfer A Show Between PC's|From A Disk",
                             "&Help|How to ...|Read First - Setting Defaults", "&Help|Version History"})
        EXPECT_NE(nullptr, w->menuItem(item)) << item;
    EXPECT_TRUE(w->menuItem("Databases|Dog Master ")->isEnabled());
    EXPECT_TRUE(w->menuItem("&Help|How to ...|Read First - Setting Defaults")->isEnabled());
}

TEST_F(MainWindowTest, OpeningAnExistingShow)
{
    f.prompter.chooseFile(path);
    w->OpenShowClick();
    ASSERT_EQ(1u, f.prompter.questions().size());
    const bwtest::Question& q = f.prompter.questions()[0];
    EXPECT_EQ("Brindlewicks", q.file.title);
    EXPECT_EQ("Show Databases  (*.dbf)|*.dbf", q.file.filter);
    EXPECT_EQ(f.m.ShowsPath, q.file.folder);

    EXPECT_EQ("Brindlewick Secretary - KCC-00012-14-06-2003.dbf", w->windowTitle());
    EXPECT_FALSE(w->pictureShown());
    EXPECT_EQ("Show #    12", status(1));
    EXPECT_EQ("Rec #     3 /     3", status(2));       // Brown first in last-name order
    EXPECT_EQ("Current Index = Last Name", status(3));
    EXPECT_EQ("Amber Glow", panel().dogEdit->text());
    EXPECT_TRUE(rm().addAction()->isEnabled());
    EXPECT_FALSE(rm().saveAction()->isEnabled());
    EXPECT_TRUE(w->menu("Index")->menuAction()->isEnabled());
    EXPECT_TRUE(rm().orderActions()[0]->isChecked());
    EXPECT_TRUE(w->following());
    EXPECT_EQ(2, f.m.show.clubSlot);
    EXPECT_EQ("Border Terrier", f.m.show.defaultBreed);
    EXPECT_EQ(1, panel().junior->classBox->count());
    EXPECT_EQ(4, panel().dogPick->count());

    // The next Open suggests this show.
    f.prompter.clear();
    f.prompter.cancel();
    w->OpenShowClick();
    EXPECT_EQ(path, f.prompter.questions()[0].file.fileName);
    EXPECT_FALSE(w->showOpen());    // cancelled: the open show was closed first
    EXPECT_TRUE(w->pictureShown());
    EXPECT_EQ("Show #", status(1));
}

TEST_F(MainWindowTest, OpeningRefusesAnUnknownClubAndAShowWithoutDates)
{
    const std::string unknown = f.makeShow("XYZ", 1, "01/01/2026", {}, {});
    const std::string undated = f.makeShow("KCC", 13, "21/06/2003", {}, {}, false);
    f.prompter.clear();
    for (const std::string& p : {unknown, undated}) {
        f.prompter.chooseFile(p);
        w->OpenShowClick();
        EXPECT_FALSE(w->showOpen());
        EXPECT_TRUE(w->pictureShown());
        EXPECT_FALSE(rm().addAction()->isEnabled());
        EXPECT_EQ("Show #", status(1));
    }
    EXPECT_EQ((std::vector<std::string>{
                  "This Club [ XYZ ] is not one of your pre-defined clubs;and can't be loaded. "
                  "Please choose another file.",
                  "Sorry, this Club and Show Number;KCC   Show #    13;is NOT in your Show Dates "
                  "Database.;Cannot load the show"}),
              f.prompter.messages());
}

TEST_F(MainWindowTest, NewShowChecksSlotOneBeforeAnything)
{
    bw::IniFile ini(f.m.SettingsPath());
    ini.writeString(bw::clubSection(1), "ClubID", "Club1");
    ini.save();
    openShow();
    w->NewShowClick();
    EXPECT_EQ(std::vector<std::string>{"You need to define your Club ID under TOOLS before starting a show"},
              f.prompter.messages());
    EXPECT_TRUE(w->showOpen());   // refused: nothing changed
}

TEST_F(MainWindowTest, AddingAPickedDogThatIsEnteredAlready)
{
    openShow();
    const uint32_t dogs = f.m.Dogs.recordCount();

    // "Edit_Record": the new entry is dropped and the existing one shown.
    rm().addAction()->trigger();
    EXPECT_EQ("Adding Rec # 4", status(2));
    EXPECT_TRUE(panel().dogPickListShown());
    EXPECT_TRUE(w->fillInAction()->isEnabled());
    f.prompter.press('E');
    pickDog("Blue Moon");
    EXPECT_EQ((std::vector<std::string>{"  Found an entry for this dog!;;   What do you want to do?;",
                                        "Going to existing record....;;Click the EDIT button to make changes"}),
              f.prompter.messages());
    EXPECT_EQ(xbase::TableState::Browse, entries().state());
    EXPECT_EQ(1u, entries().recNo());
    EXPECT_EQ("Smith", panel().last->text());
    EXPECT_FALSE(panel().dogPickListShown());
    EXPECT_EQ(3u, entries().recordCount());

    // "Add_Duplicate": filled from the master; saving adds the entry and a master record.
    f.prompter.clear();
    rm().addAction()->trigger();
    f.prompter.press('A');
    pickDog("Blue Moon");
    EXPECT_EQ(1u, f.prompter.messages().size());
    EXPECT_EQ("Smith", panel().last->text());
    EXPECT_EQ("B200", panel().atcNum->text());
    EXPECT_EQ("Border Terrier", panel().breedPick->currentText());
    typeInto(panel().classes, "7,3");
    rm().saveAction()->trigger();
    EXPECT_EQ(xbase::TableState::Browse, entries().state());
    EXPECT_EQ(4u, entries().recordCount());
    EXPECT_EQ(3, entries().fieldInt("firstclass"));
    EXPECT_EQ("T01", entries().text("catgroup"));
    EXPECT_EQ(dogs + 1, f.m.Dogs.recordCount());
    f.m.Dogs.setOrder("");
    f.m.Dogs.last();
    EXPECT_EQ("Blue Moon", f.m.Dogs.text("dog"));
    EXPECT_EQ("7,3", entries().text("classes"));
    EXPECT_FALSE(panel().dogPickListShown());
    EXPECT_TRUE(rm().addAction()->isEnabled());
}

TEST_F(MainWindowTest, AddingANewDogWithFillInAndTheTypingAids)
{
    openShow();
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    rm().addAction()->trigger();
    ASSERT_TRUE(w->fillInAction()->isEnabled());
    w->fillInAction()->trigger();
    EXPECT_FALSE(w->fillInAction()->isEnabled());
    EXPECT_EQ("Brown", panel().last->text());      // the owner shown before Add

    // Typed (not picked) into the pick list: a new dog, capitals by the dog-name rule.
    panel().dogPick->setFocus();
    QTest::keyClicks(panel().dogPick->lineEdit(), "ch. new star");
    EXPECT_EQ("Ch. New Star", panel().dogPick->currentText());
    typeInto(panel().breeder, "mary ann-lee");
    EXPECT_EQ("Mary Ann-Lee", panel().breeder->text());
    typeInto(panel().country, "usa");
    panel().classes->setFocus();                    // leaving the country box
    EXPECT_EQ("USA", panel().country->text());
    typeInto(panel().classes, "nfc");
    EXPECT_EQ("NFC", panel().classes->text());

    const uint32_t dogs = f.m.Dogs.recordCount();
    rm().saveAction()->trigger();
    EXPECT_TRUE(f.prompter.messages().empty());
    EXPECT_EQ("Ch. New Star", entries().text("dog"));
    EXPECT_EQ("USA", entries().text("country"));
    EXPECT_EQ(999, entries().fieldInt("firstclass"));
    EXPECT_EQ(dogs + 1, f.m.Dogs.recordCount());
}

TEST_F(MainWindowTest, MoreThanSixClassesAreRefusedOnSave)
{
    openShow();
    rm().addAction()->trigger();
    panel().classes->setFocus();
    typeInto(panel().classes, "1,3,7,12,30,999,4");
    rm().saveAction()->trigger();
    ASSERT_EQ(1u, f.prompter.messages().size());
    EXPECT_NE(std::string::npos, f.prompter.messages()[0].find("at most 6 classes"));
    EXPECT_EQ(xbase::TableState::Insert, entries().state());
    EXPECT_TRUE(rm().saveAction()->isEnabled());
    EXPECT_EQ(3u, entries().recordCount());
}

TEST_F(MainWindowTest, FindInEveryOrder)
{
    openShow();
    struct Case {
        int order;
        const char* label;
        const char* typed;
        uint32_t recNo;
        const char* status;
    };
    const Case cases[] = {
        {0, "Last Name", "jones", 2, "Current Index = Last Name"},
        {1, "Dog's Name", "blue", 1, "Current Index = Dog's Name"},
        {2, "Class Number", "3", 2, "Current Index = First Class # (Catalog Order - Last Name)"},
        {3, "Class Number", "12", 1, "Current Index = First Class # (Catalog Order - Input)"},
        {4, "Armband #", "55", 3, "Current Index = Armband #"},
        {5, "Record #", "2", 2, "Current Index = Input Order"},
    };
    for (const Case& c : cases) {
        rm().orderActions()[size_t(c.order)]->trigger();
        EXPECT_EQ(c.status, status(3).toStdString());
        entries().first();
        f.prompter.clear();
        f.prompter.type(c.typed);
        rm().findAction()->trigger();
        ASSERT_EQ(1u, f.prompter.questions().size()) << c.label;
        EXPECT_EQ("Find Record", f.prompter.questions()[0].caption);
        EXPECT_EQ(std::string("Enter ") + c.label + " to find: ", f.prompter.questions()[0].text);
        EXPECT_EQ(c.recNo, entries().recNo()) << c.label;
        EXPECT_TRUE(f.prompter.messages().empty()) << c.label;
    }
    // A miss names the order and returns to the record shown before.
    rm().orderActions()[2]->trigger();
    entries().go(3);
    f.prompter.clear();
    f.prompter.type("7");
    rm().findAction()->trigger();
    EXPECT_EQ("2                   ", f.prompter.questions()[0].preset);
    EXPECT_EQ(std::vector<std::string>{"Could not find Class Number   7"}, f.prompter.messages());
    EXPECT_EQ("I", f.prompter.questions()[1].icon);
    EXPECT_EQ(3u, entries().recNo());
}

TEST_F(MainWindowTest, DeleteAndUndelete)
{
    openShow();
    entries().go(2);
    f.prompter.pressBox(bw::BoxButton::Ok);
    rm().deleteAction()->trigger();
    ASSERT_EQ(1u, f.prompter.questions().size());
    EXPECT_EQ("Delete Record ?", f.prompter.questions()[0].text);
    EXPECT_TRUE(entries().deleted());
    EXPECT_EQ("DELETED", rm().deletedLabel()->text());
    EXPECT_EQ("Un&Delete", rm().deleteAction()->text());
    EXPECT_EQ(QColor(128, 128, 128), panel().last->palette().color(QPalette::Base));

    // A marked entry is unmarked at once, without a question.
    f.prompter.clear();
    rm().deleteAction()->trigger();
    EXPECT_TRUE(f.prompter.questions().empty());
    EXPECT_FALSE(entries().deleted());
    EXPECT_EQ("", rm().deletedLabel()->text());
    EXPECT_EQ("&Delete", rm().deleteAction()->text());

    // Hide Deletes names what the next choice does.
    rm().hideDeletesAction()->trigger();
    EXPECT_EQ("Show Deletes", rm().hideDeletesAction()->text());
    rm().hideDeletesAction()->trigger();
    EXPECT_EQ("Hide Deletes", rm().hideDeletesAction()->text());
}

TEST_F(MainWindowTest, PermanentlyRemoveDeletes)
{
    openShow();
    entries().go(2);
    entries().deleteRecord();
    f.prompter.press('C');
    w->menuItem("Tasks|Permanently Remove Deletes")->trigger();
    EXPECT_EQ(3u, entries().recordCount());
    f.prompter.press('P');
    w->menuItem("Tasks|Permanently Remove Deletes")->trigger();
    EXPECT_EQ(2u, entries().recordCount());
    EXPECT_EQ("Packing the database will permanently remove;    all the records marked as \"Deleted\".;;"
              "    Are you sure that is what you want?",
              f.prompter.messages()[0]);
    EXPECT_TRUE(status(2).endsWith("/     2"));
}

TEST_F(MainWindowTest, PageDownSavesTheShownEntryWhileBrowsing)
{
    openShow();
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    entries().go(1);   // Blue Moon, whose master record is B200
    const uint32_t dogs = f.m.Dogs.recordCount();
    panel().phone->setFocus();
    QTest::keyClick(panel().phone, Qt::Key_PageDown);
    EXPECT_EQ(xbase::TableState::Browse, entries().state());
    // Stored again: the derived fields are written, the master record of the dog updated.
    EXPECT_EQ(12, entries().fieldInt("firstclass"));
    EXPECT_EQ("H01", entries().text("catgroup"));
    EXPECT_EQ(12, entries().fieldInt("show_num"));
    EXPECT_EQ(dogs, f.m.Dogs.recordCount());
    f.m.Dogs.setOrder("");
    f.m.Dogs.go(2);
    EXPECT_EQ("Smith", f.m.Dogs.text("last"));
    EXPECT_EQ("Ann", f.m.Dogs.text("first"));      // the entry's owner written back
    EXPECT_EQ(bw::Today_YYYYMMDD(), f.m.Dogs.text("modified"));

    // Typing starts an edit; Esc cancels it.
    typeInto(panel().phone, "0999");
    EXPECT_EQ(xbase::TableState::Edit, entries().state());
    QTest::keyClick(panel().phone, Qt::Key_Escape);
    EXPECT_EQ(xbase::TableState::Browse, entries().state());
    EXPECT_EQ("", panel().phone->text());
}

TEST_F(MainWindowTest, WindowsThatWalkTheEntriesStopTheFollowing)
{
    bool followingInside = true;
    static bool* seen;
    seen = &followingInside;
    bw::windowCommands().exhibitNumbers = [](QWidget* parent) {
        *seen = static_cast<TBrindlewickMainForm*>(parent)->following();
        bw::dmod->TzDbf1.last();
    };
    w = std::make_unique<TBrindlewickMainForm>(f.m, *sources);
    bw::windowCommands().exhibitNumbers = nullptr;
    QAction* item = w->menuItem("Tasks|Assign Exhibit Numbers");
    openShow();
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_FALSE(followingInside);
    EXPECT_TRUE(w->following());
    EXPECT_EQ("Rec #     1 /     3", status(2));   // the record moved to is shown
}

TEST_F(MainWindowTest, DogMasterWindowBesideTheMainWindow)
{
    openShow();
    entries().go(1);   // Blue Moon
    w->menuItem("Databases|Dog Master ")->trigger();
    bw::TDogForm* dogs = w->dogForm();
    ASSERT_TRUE(dogs->isVisible());
    EXPECT_EQ("Dog Master Database", dogs->windowTitle());
    dogs->FormActivate();
    EXPECT_EQ("Blue Moon", dogs->box("dog")->text());
    EXPECT_EQ("Current Index = Dog's Name", dogs->records()->orderLabel()->text());

    // Packing the master rebuilds the main window's pick list.
    f.m.Dogs.setOrder("");
    f.m.Dogs.go(1);
    f.m.Dogs.deleteRecord();
    f.prompter.clear();
    f.prompter.press('P');
    dogs->records()->packAction()->trigger();
    EXPECT_EQ("Packing the database will permanently remove;all the records marked as \"Deleted\".;"
              "Are you sure that is what you want?",
              f.prompter.messages()[0]);
    EXPECT_EQ(3, panel().dogPick->count());
    EXPECT_EQ(-1, panel().dogPick->findText("Amber Glow"));

    // Edit shows pick lists for breed and sex; Cancel puts the read-only boxes back.
    dogs->records()->editAction()->trigger();
    EXPECT_TRUE(dogs->pickListsShown());
    dogs->records()->cancelAction()->trigger();
    EXPECT_FALSE(dogs->pickListsShown());
    dogs->ShowGridClick();
    EXPECT_TRUE(dogs->gridShown());
    EXPECT_EQ("Hide &Grid", dogs->showGridAction()->text());
    dogs->close();
}

// A picture of the window with an open show and an entry on screen, for looking at the
// layout: BW_SCREENSHOT=/tmp/main.png test_app_ui --gtest_filter=*Screenshot*
TEST_F(MainWindowTest, Screenshot)
{
    const char* out = std::getenv("BW_SCREENSHOT");
    if (!out) GTEST_SKIP() << "BW_SCREENSHOT not set";
    bw::IniFile ini(f.m.SettingsPath());
    ini.writeBool(bw::clubSection(2), "UseAgents", true);
    ini.save();
    openShow();
    entries().go(1);
    entries().edit();
    auto set = [&](const char* field, const char* value) { entries().setField(field, value); };
    set("titles", "Ch");
    set("breed", "Border Terrier");
    set("sex", "Bitch");
    set("bdate", "20210412");
    set("atc_num", "AU01234567");
    set("breeder", "Mrs. J. Hartley");
    set("sire", "Ch. Foxhollow Red Admiral");
    set("dam", "Kirkmoor Bramble Rose");
    set("salutation", "Mrs.");
    set("owner2", "Peter Smith");
    set("address1", "12 Willow Lane");
    set("address2", "Little Hadham");
    set("address3", "Hertfordshire");
    set("zip", "SG11 2AB");
    set("country", "England");
    set("phone", "01279 771234");
    set("email", "ann.smith@example.org");
    set("note", "Wants bench near the ring entrance");
    entries().post();
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    entries().go(1);
    QTest::qWait(50);
    EXPECT_TRUE(w->grab().save(out));
    w->CloseShowClick();
    QTest::qWait(20);
    EXPECT_TRUE(w->grab().save(QString(out).replace(".png", "-noshow.png")));
}

// The secretary's way through an Add: letters into the pick list, Enter to choose the
// completed name, Enter again to leave the box, the rest typed with Enter between boxes.
TEST_F(MainWindowTest, AddingByKeyboardWithEnterAsTab)
{
    openShow();
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE_WITH_TIMEOUT(entries().state(), xbase::TableState::Insert, 2000);
    QWidget* pick = QApplication::focusWidget();
    ASSERT_TRUE(pick == panel().dogPick || panel().dogPick->isAncestorOf(pick));

    QTest::keyClicks(pick, "copp");
    EXPECT_EQ("Copper Sky", panel().dogPick->currentText());    // completed as typed
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);   // chooses it
    EXPECT_TRUE(panel().dogPickListShown());
    EXPECT_EQ(xbase::TableState::Insert, entries().state());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);   // leaves the box
    EXPECT_EQ("Green", panel().last->text());                       // filled from the master
    EXPECT_EQ(panel().classes, QApplication::focusWidget());
    QTest::keyClicks(panel().classes, "7");
    QTest::keyClick(panel().classes, Qt::Key_PageDown);              // saves
    EXPECT_EQ(xbase::TableState::Browse, entries().state());
    EXPECT_EQ(4u, entries().recordCount());
    EXPECT_EQ("Copper Sky", entries().text("dog"));
    EXPECT_EQ(7, entries().fieldInt("firstclass"));
    EXPECT_TRUE(f.prompter.messages().empty());
}

// New Show closes the open show, runs the new-show window and takes the show it leaves
// open; typing into a new show starts no edit by itself.
TEST_F(MainWindowTest, NewShowTakesTheShowTheWindowLeavesOpen)
{
    static std::string created;
    created = f.makeShow("WDC", 3, "01/02/2026", bwtest::standardClasses(), {});
    bw::windowCommands().newShow = [](QWidget*) {
        bw::dmod->Open_ShowEntries(created);
        bw::dmod->show.clubSlot = 1;
        bw::dmod->show.clubId = "WDC";
        bw::dmod->show.showNum = 3;
        return true;
    };
    openShow();
    w->NewShowClick();
    bw::windowCommands().newShow = nullptr;
    EXPECT_TRUE(f.prompter.messages().empty());
    ASSERT_TRUE(w->showOpen());
    EXPECT_EQ("Brindlewick Secretary - WDC-00003-01-02-2026.dbf", w->windowTitle());
    EXPECT_EQ("Show #     3", status(1));
    EXPECT_EQ("Whippet", f.m.show.defaultBreed);
    EXPECT_FALSE(w->pictureShown());
    EXPECT_TRUE(rm().addAction()->isEnabled());
    typeInto(panel().last, "x");
    EXPECT_EQ(xbase::TableState::Browse, entries().state());
    rm().addAction()->trigger();
    EXPECT_EQ("Adding Rec # 1", status(2));
    EXPECT_FALSE(w->fillInAction()->isEnabled());   // nothing to fill in from
    EXPECT_EQ("Whippet", panel().breedPick->currentText());
}
