#pragma once

#include <QFrame>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QStringListModel;

namespace bw {

class DataSource;
struct DogListItem;
struct JuniorClass;

// The junior handler's details, shown in front of the entry panel.
class JuniorPanel : public QFrame {
    Q_OBJECT
public:
    JuniorPanel(DataSource* entries, QWidget* parent);
    void setClasses(const std::vector<JuniorClass>& classes);

    QLineEdit* name;
    QLineEdit* age;
    QComboBox* classBox;
    QPushButton* closeButton;

signals:
    // A class was chosen in "Class Entered": its library key.
    void classChosen(const QString& allkey);

private:
    QStringList keys_;
};

// Every field of one entry, bound to the entries table (DataSource1). The window decides
// what happens on Add, Save and the other commands; the panel only shows and edits.
class EntryPanel : public QWidget {
    Q_OBJECT
public:
    EntryPanel(DataSource* entries, QWidget* parent);

    // ---- the dog's name: a plain box, or during Add the pick list of the master -------
    void showDogPickList(bool on);
    bool dogPickListShown() const;
    void setDogList(const std::vector<DogListItem>& list);
    // The item picked in the pick list since it was last typed into; nullptr if none.
    const DogListItem* pickedDog() const;
    // True while the pick list holds text not yet taken into the entry.
    bool dogPickPending() const { return dogPickPending_; }
    void clearDogPickPending() { dogPickPending_ = false; }
    // Enter is the pick list's own while it would choose an item.
    bool dogPickOwnsEnter(QWidget* focus) const;
    std::function<void()> onDogNameLeft;   // the focus left the pick list (not to a popup)

    // ---- lists --------------------------------------------------------------------------
    void setBreeds(const QStringList& names, bool oneBreed);
    void setSexWords(const QString& first, const QString& second);
    void setSalutations(QStringList names);
    void setHandlerShown(bool shown);
    void setNumberingNote(const QString& note);
    void setExhibitNotesShown(bool shown);
    // Text of the sex box as shown.
    QString sexText() const;

    QLineEdit* dogEdit;          // plain box, AutoCaps
    QComboBox* dogPick;          // pick list during Add, DogName_Caps
    QStackedWidget* dogStack;
    QLineEdit* titles;
    QLineEdit* atcNum;
    QLineEdit* bdate;
    QComboBox* breedPick;
    QLineEdit* breedReadOnly;
    QStackedWidget* breedStack;
    QComboBox* sex;
    QLineEdit* breeder;
    QLineEdit* sire;
    QLineEdit* dam;
    QLabel* handlerCaption;
    QLineEdit* handler;
    QLineEdit* height;
    QComboBox* salutation;
    QLineEdit* first;
    QLineEdit* last;
    QLineEdit* owner2;
    QLineEdit* address[4];
    QLineEdit* zip;
    QLineEdit* country;
    QLineEdit* phone;
    QLineEdit* email;
    QLineEdit* note;
    QCheckBox* printIt;
    QCheckBox* prepaidCat;
    QCheckBox* noPrintAdd;
    QLineEdit* classes;
    QLineEdit* arm;
    QLabel* exhibitNote1;
    QLabel* exhibitNote2;
    QLabel* deletedLabel = nullptr;   // placed by the window (the record maintenance owns it)
    QPushButton* juniorButton;
    JuniorPanel* junior;

    void placeDeletedLabel(QLabel* label);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeJuniorPanel();

    DataSource* entries_;
    QStringListModel* dogModel_;
    std::vector<DogListItem> dogList_;
    int pickedIndex_ = -1;
    bool dogPickPending_ = false;
    QWidget* deletedSlot_;
};

} // namespace bw
