#pragma once

#include <QDialog>
#include <functional>
#include <vector>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bw {

class DateBox;
class TwoListChooser;

// The new-show window ("Enter New Show Info"): club, show number and dates, the classes
// of the show chosen and ordered from the class library, and Save, which creates the
// show (setup::createShow) and leaves it open.
class TNewShw : public QDialog {
    Q_OBJECT
public:
    explicit TNewShw(QWidget* parent = nullptr);

    // True once a show was created in this opening.
    bool created() const { return created_; }

    // The commands, as the buttons run them.
    void showAvailableClasses();
    void loadPriorShow();
    void save();

    // Shows the "Special Info" note; tests replace it.
    std::function<void()> showNote;

    QComboBox* clubBox() const { return club_; }
    QLineEdit* numberBox() const { return number_; }
    DateBox* dateBox() const { return date_; }
    DateBox* lastDateBox() const { return lastDate_; }
    TwoListChooser* chooser() const { return chooser_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* availableButton() const { return available_; }
    QPushButton* priorButton() const { return prior_; }
    QLabel* instructions() const { return instructions_; }
    QAction* printShowInfoAction() const { return printInfo_; }
    QAction* classListAction() const { return classList_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openingSteps();
    void clubChanged();
    void dateChanged();
    void fillAvailable();
    void growToLists();
    int showNumber() const;
    const std::vector<std::string>& sectionsOfClub();

    QComboBox* club_;
    QLineEdit* number_;
    DateBox* date_;
    DateBox* lastDate_;
    QLabel* instructions_;
    QWidget* listsPanel_;
    TwoListChooser* chooser_;
    QPushButton *save_, *cancel_, *close_, *available_, *prior_;
    QAction *printInfo_, *classList_;

    bool opened_ = false;
    bool priorMode_ = false;
    bool classesSaved_ = false;
    bool created_ = false;
    bool british_ = false;
    std::vector<std::string> sections_;
    int sectionsSlot_ = 0;
    std::vector<int> notedSlots_;
};

} // namespace bw
