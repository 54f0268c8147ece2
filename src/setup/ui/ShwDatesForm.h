#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace bw {

class RecordMaintenance;
class TwoListChooser;

// The show dates window ("Show Dates and Selected Classes"): browses the shows of every
// club with their classes, edits a show's last date, and changes the selection and order
// of a show's classes. Other shows' class files are read and written beside the data
// module's show class table, which stays on the open show.
class TShwDatesForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TShwDatesForm1(QWidget* parent = nullptr);
    ~TShwDatesForm1() override;

    // Tasks > "Change Selected Classes"; warn: the warning window (tests replace it),
    // returning true for "Yes".
    void changeSelectedClasses();
    void saveClasses();
    void cancelClasses();
    std::function<bool()> warn;
    std::function<void()> showNote;

    bool editingClasses() const { return editing_; }
    const std::string& browsedClub() const { return club_; }
    int browsedShow() const { return showNum_; }
    QListWidget* classList() const { return classes_; }
    TwoListChooser* chooser() const { return chooser_; }
    RecordMaintenance* maintenance() const { return rm_; }
    QLineEdit* lastDateEdit() const { return lastDate_; }

private:
    void browse();
    void setEditing(bool on);

    RecordMaintenance* rm_;
    QLabel *clubLabel_, *numLabel_, *dateLabel_, *instructions_, *heading_, *readOnlyNote_;
    QLineEdit* lastDate_;
    QListWidget* classes_;
    TwoListChooser* chooser_;
    QWidget* chooserPanel_;
    QPushButton *save_, *cancel_, *close_;
    QAction* changeAction_;
    QList<QAction*> navigator_;
    bool editing_ = false;
    std::string club_;
    int showNum_ = 0;
    std::vector<int> notedSlots_;
};

} // namespace bw
