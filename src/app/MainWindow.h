#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "entries/DogMaster.h"
#include "entries/EntryRules.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace bw {

class EntryPanel;
class KeyAids;
class NoShowPicture;
class Prompter;
class RecordMaintenance;
class TDogForm;
class Tdmod;
struct DmodSources;

// The main window, which is at the same time the entry window: the menus, the tool bar
// of picture buttons and entry commands, the entry panel bound to the open show's
// entries, and the four-panel status bar. It opens, creates and closes shows, and while
// it is the active window it follows the entries table (shows the record position, the
// deleted display, the junior button, and remembers the shown dog's name).
class TBrindlewickMainForm : public QMainWindow {
    Q_OBJECT
public:
    TBrindlewickMainForm(Tdmod& module, DmodSources& sources, QWidget* parent = nullptr);
    ~TBrindlewickMainForm() override;

    // ---- show lifecycle --------------------------------------------------------------
    void NewShowClick();
    void OpenShowClick();
    void CloseShowClick();
    // Opens the entries file at path as the open show (Open Existing Show after its file
    // dialog). False, with the show closed again, when it could not be opened.
    bool openShow(const std::string& path);
    // Takes the show the new-show window left open as the open show.
    void takeNewShow();
    bool showOpen() const;

    // ---- following the entries table ---------------------------------------------------
    void FormActivate();
    void FormDeactivate();
    void followEntries();
    void stopFollowing();
    bool following() const;
    // Runs a window that walks the open show's entries: the main window stops following
    // the table meanwhile, then follows it again and shows the current record.
    void runWithoutFollowing(const std::function<void()>& fn);

    // ---- entry commands ------------------------------------------------------------------
    void AddClick();
    void EditClick();
    void SaveClick();
    void CancelClick();
    void FillInClick();
    void DeleteClick();
    void FindClick();
    void PackClick();
    void DogMasterClick();
    // Leaving the dog-name pick list during Add.
    void DogNameExit();

    // ---- for the other windows and for tests ------------------------------------------------
    EntryPanel* entryPanel() const { return panel_; }
    RecordMaintenance* records() const { return records_; }
    TDogForm* dogForm() const { return dogForm_; }
    QLabel* statusPanel(int index) const;     // 1..3
    QAction* fillInAction() const { return fillIn_; }
    QAction* menuItem(const QString& path) const;   // "Tasks|Assign Exhibit Numbers"
    QMenu* menu(const QString& title) const;
    bool pictureShown() const;
    const std::string& capturedDogName() const { return capturedDog_; }
    const std::vector<JuniorClass>& juniorClasses() const { return juniorClasses_; }
    // Rebuilds the dog-name pick list from the master.
    void fillDogList();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildToolBar();
    void buildMenus();
    void buildStatusBar();
    void setShowCommandsEnabled(bool on);
    void showEntryPanel(bool on);
    void readClubSettings();
    void showOpenedSetup();
    void displayRecord();
    void applyPreferences();
    void showError(const std::string& text);
    void focusAction(QAction* action);
    void syncHideDeletesCaption();
    // A menu item opening another subsystem's window.
    enum class Gate { None, ClubAndSecretary, ClubName };
    QAction* windowItem(QMenu* menu, const QString& caption, void (*open)(QWidget*), bool walksEntries,
                        Gate gate = Gate::None, bool needsShow = false);
    bool gatePasses(Gate gate);

    Tdmod& m_;
    DmodSources& sources_;
    Prompter& prompter_;
    RecordMaintenance* records_;
    KeyAids* keys_ = nullptr;
    EntryPanel* panel_;
    NoShowPicture* picture_;
    QStackedWidget* centre_;
    TDogForm* dogForm_;
    QToolBar* toolBar_;
    QLabel* showPanel_;

    QAction *newShow_, *openShow_, *closeShow_, *exit_, *fillIn_, *close_;
    QMenu *indexMenu_, *viewMenu_, *reportsMenu_, *tasksMenu_;
    QAction* judgeAssignments_ = nullptr;
    std::vector<QAction*> showOnlyItems_;   // enabled only while a show is open and their window exists

    QString lastFind_;
    OwnerDetails remembered_;
    std::vector<DogListItem> dogList_;
    std::vector<JuniorClass> juniorClasses_;
    std::vector<std::string> clubList_;
    std::optional<std::string> chosenJuniorKey_;
    std::string capturedDog_;
    bool newDog_ = false;
    bool followWanted_ = false;
};

} // namespace bw
