#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QAbstractButton>
#include <gtest/gtest.h>

#include "SetupFixture.h"
#include "setup/ui/SettingsWindows.h"

namespace {

void type(QLineEdit* e, const QString& text)
{
    e->setText(text);
    emit e->textEdited(text);
}

} // namespace

TEST(GeneralSettingsWindow, ShowsDefaultsAndWritesEveryKey)
{
    setuptest::App app;
    bw::TGeneralDefaultsForm w;
    EXPECT_TRUE(w.dateGroup()->button(1)->isChecked());     // American
    EXPECT_TRUE(w.sexGroup()->button(0)->isChecked());      // Dog / Bitch
    EXPECT_TRUE(w.armbandGroup()->button(0)->isChecked());  // Automatic - By Index AFTER ...
    EXPECT_EQ("0", w.startEdit()->text());
    EXPECT_EQ("Unknown", w.countryEdit()->text());
    EXPECT_FALSE(w.applyButton()->isEnabled());
    EXPECT_EQ("Secretary Name     Address Information  Postal Code     Phone     Email",
              w.secretaryLineBox()->text());

    type(w.secretaryEdit(0), "Ann Smith");
    EXPECT_TRUE(w.applyButton()->isEnabled());
    EXPECT_TRUE(w.secretaryLineBox()->text().startsWith("Ann Smith     "));
    w.armbandGroup()->button(2)->click();
    w.enterAsTabBox()->setChecked(false);
    w.startEdit()->setText("1,200");
    w.apply();
    EXPECT_FALSE(w.applyButton()->isEnabled());

    bw::IniFile ini = app.settings();
    EXPECT_EQ((std::vector<std::string>{"DateFormat", "SexFormat", "DefaultCountry", "EnterAsTab", "PgdnAsSave",
                                        "AutoCaps", "Armbands", "ArmbandStart", "Line1"}),
              ini.keys("Preferences"));
    EXPECT_EQ(8u, ini.keys("SecretaryInfo").size());
    EXPECT_EQ("Ann Smith", ini.readString("SecretaryInfo", "Name", ""));
    EXPECT_EQ("Manual", ini.readString("Preferences", "Armbands", ""));
    EXPECT_EQ(1200, ini.readInteger("Preferences", "ArmbandStart", 0));
    EXPECT_EQ("American", ini.readString("Preferences", "DateFormat", ""));
    // The program's flags follow at once.
    EXPECT_FALSE(app.module.prefs.enterAsTab);
    EXPECT_EQ('M', app.module.prefs.numberingMode());
}

TEST(ClubSettingsWindow, TabSwitchAsksToSaveAndWritesTheSlot)
{
    setuptest::App app;
    app.ini("ClubInfo", "1", "KCC");
    app.ini("Club1-Info", "ClubID", "KCC");
    app.ini("ClubInfo", "2", "CLUB2");
    app.ini("Club2-Info", "ClubID", "CLUB2");
    app.addClass("Breed", "Open Dog", "B1", "B010");
    app.addClass("Agility", "Jumpers", "A1", "A010");
    app.addClass("Breed", "Puppy", "B1", "B005");

    bw::TClubDefaultsForm1 w;
    ASSERT_EQ(3, w.clubTabs()->count());  // two clubs and one for a further club
    EXPECT_EQ("KCC", w.clubTabs()->tabText(0));
    ASSERT_EQ(2, w.sectionList()->count());
    EXPECT_EQ("Agility", w.sectionList()->item(0)->text());
    EXPECT_EQ("Breed", w.sectionList()->item(1)->text());

    w.clubTabs()->setCurrentIndex(1);
    EXPECT_TRUE(app.prompter.questions().empty());  // nothing changed: no question
    EXPECT_EQ("CLUB2", w.codeEdit()->text());
    type(w.codeEdit(), "KCC2");
    EXPECT_EQ("KCC2", w.clubTabs()->tabText(1));
    w.sectionList()->item(1)->setCheckState(Qt::Checked);
    EXPECT_TRUE(w.applyButton()->isEnabled());

    app.prompter.press('Y');
    w.clubTabs()->setCurrentIndex(2);
    ASSERT_EQ(1u, app.prompter.questions().size());
    EXPECT_EQ("Save Changes?", app.prompter.questions()[0].text);
    EXPECT_EQ("Yes No", app.prompter.questions()[0].buttons);
    EXPECT_FALSE(w.applyButton()->isEnabled());
    EXPECT_EQ("CLUB1", w.codeEdit()->text());  // an empty slot

    bw::IniFile ini = app.settings();
    EXPECT_EQ("KCC2", ini.readString("ClubInfo", "2", ""));
    EXPECT_EQ("KCC2", ini.readString("Club2-Info", "ClubID", ""));
    EXPECT_EQ(1, ini.readInteger("Club2-Info", "NumberOfSections", 0));
    EXPECT_EQ("Breed", ini.readString("Club2-Info", "Section1", ""));
    EXPECT_TRUE(ini.readBool("Club2-Info", "UseAgents", false));
    EXPECT_FALSE(ini.valueExists("ClubInfo", "3"));

    // "No" throws the change away.
    type(w.nameEdit(), "Forgotten");
    app.prompter.press('N');
    w.clubTabs()->setCurrentIndex(0);
    EXPECT_FALSE(app.settings().valueExists("Club3-Info", "ClubName"));
    EXPECT_EQ("KCC", w.codeEdit()->text());
}

TEST(ClubSettingsWindow, RefusesACodeThatCannotNameAFile)
{
    setuptest::App app;
    bw::TClubDefaultsForm1 w;
    for (const char* bad : {"K/C", "KC-1", "TOOLONGCODE"}) {
        app.prompter.clear();
        type(w.codeEdit(), bad);
        EXPECT_FALSE(w.apply()) << bad;
        ASSERT_EQ(1u, app.prompter.questions().size()) << bad;
        EXPECT_EQ("H", app.prompter.questions()[0].icon);
        EXPECT_FALSE(app.settings().valueExists("ClubInfo", "1")) << bad;
    }
    EXPECT_EQ("Maximum number of chars is 8;; Please revise Club Code.", app.prompter.questions()[0].text);
    type(w.codeEdit(), "KCC");
    EXPECT_TRUE(w.apply());
    EXPECT_EQ("KCC", app.settings().readString("Club1-Info", "ClubID", ""));
}

TEST(ClubSettingsWindow, DefaultBreedFromTheBreedsTable)
{
    setuptest::App app;
    app.addRecords(app.module.Breeds, "breed_name", {"Whippet", "Beagle", ""});
    app.ini("Club1-Info", "DefaultBreed", "Whippet");
    bw::TClubDefaultsForm1 w;
    ASSERT_EQ(2, w.breedPick()->count());
    EXPECT_EQ("Beagle", w.breedPick()->itemText(0));
    EXPECT_EQ("Whippet", w.breedPick()->currentText());
    w.breedPick()->setCurrentIndex(0);
    emit w.breedPick()->activated(0);
    EXPECT_TRUE(w.apply());
    EXPECT_EQ("Beagle", app.settings().readString("Club1-Info", "DefaultBreed", ""));
}
