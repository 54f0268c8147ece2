#pragma once

#include <QDialog>
#include <vector>

#include "setup/SettingsForms.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class QTabWidget;

namespace bw {

// The buttons both settings windows share: "Okay " (apply and close), "Cancel ",
// "Apply" and "Help ".
struct SettingsButtons {
    QPushButton* okay;
    QPushButton* cancel;
    QPushButton* apply;
    QPushButton* help;
};

// The general settings window ("Specialty Show General Default Settings"): the
// secretary's details and the program-wide preferences of gendefs.ini.
class TGeneralDefaultsForm : public QDialog {
    Q_OBJECT
public:
    explicit TGeneralDefaultsForm(QWidget* parent = nullptr);

    void apply();
    setup::GeneralSettings current() const;

    QTabWidget* pages() const { return pages_; }
    QPushButton* applyButton() const { return buttons_.apply; }
    QPushButton* okayButton() const { return buttons_.okay; }
    QLineEdit* secretaryEdit(int i) const { return secretary_[size_t(i)]; }  // Name, Address1..4, Zip, Phone, Email
    QButtonGroup* dateGroup() const { return date_; }
    QButtonGroup* sexGroup() const { return sex_; }
    QButtonGroup* armbandGroup() const { return armbands_; }
    QLineEdit* countryEdit() const { return country_; }
    QLineEdit* startEdit() const { return start_; }
    QLineEdit* commentEdit() const { return comment_; }
    QLineEdit* secretaryLineBox() const { return secretaryLine_; }
    QCheckBox* enterAsTabBox() const { return enterAsTab_; }

private:
    void load();
    void changed();
    void refreshSecretaryLine();

    QTabWidget* pages_;
    SettingsButtons buttons_;
    std::vector<QLineEdit*> secretary_;
    QButtonGroup *date_, *sex_, *armbands_;
    QLineEdit *country_, *start_, *comment_, *secretaryLine_;
    QCheckBox *enterAsTab_, *pgdnAsSave_, *autoCaps_;
    bool loading_ = false;
};

// The club settings window ("Individual Club Defaults"): one tab per club slot, each
// with the club's name and code, its default breed, its show sections and its entry
// options.
class TClubDefaultsForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TClubDefaultsForm1(QWidget* parent = nullptr);

    // Writes the slot shown; false (nothing written) when its club code cannot be used.
    bool apply();
    int slot() const { return slot_; }

    QTabBar* clubTabs() const { return tabs_; }
    QTabWidget* pages() const { return pages_; }
    QPushButton* applyButton() const { return buttons_.apply; }
    QPushButton* okayButton() const { return buttons_.okay; }
    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* codeEdit() const { return code_; }
    QComboBox* breedPick() const { return breed_; }
    QButtonGroup* oneBreedGroup() const { return oneBreed_; }
    QListWidget* sectionList() const { return sections_; }
    QCheckBox* agentsBox() const { return agents_; }
    QCheckBox* heightBox() const { return height_; }

    // Checks the code as leaving the box does; false after telling the user why.
    bool checkCode();

private:
    void loadSlot(int slot);
    void changed();
    void tabChanging(int index);
    void pageChanging(int index);

    QTabBar* tabs_;
    QTabWidget* pages_;
    SettingsButtons buttons_;
    QLineEdit *name_, *code_;
    QComboBox* breed_;
    QButtonGroup* oneBreed_;
    QListWidget* sections_;
    QCheckBox *agents_, *height_;
    QLabel *breedNote_, *sectionsNote_;
    int slot_ = 1;
    int page_ = 0;
    bool loading_ = false;
    bool sectionsChanged_ = false;
    std::string defaultBreed_;
};

} // namespace bw
