#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;
#include <QColor>
#include <QWidget>

namespace bw {

class DataSource;
class Prompter;

// The record-maintenance pattern shared by every window that keeps one table record by
// record: a First/Prior/Next/Last navigator; Add, Edit, Delete (a toggle of the
// deletion mark), Save, Cancel, Find and Close; an Index menu of radio items choosing
// the order; "Hide Deletes"/"Show Deletes"; the status panels "Rec # n / count" and the
// current order; the "DELETED" display with grey edit boxes; the pack question.
//
// The window builds its own layout and places the actions and labels this object
// creates; the behaviour lives here once. A window with rules of its own around Add,
// Save or Cancel (numbering, derived fields) gives hooks that replace the plain table
// operation; every hook runs inside the same button-state bookkeeping.
class RecordMaintenance : public QObject {
    Q_OBJECT
public:
    struct Order {
        QString menuText;    // "Last Name"
        QString tag;         // "NAME"; empty = natural record order
        QString statusText;  // "Current Index = Last Name"
        QString findLabel;   // "Last Name" (Find's prompt and its not-found message)
        // Turns the typed answer (trailing blanks already removed) into the seek key;
        // the default upper-cases it. Orders whose key is a number written
        // right-aligned give numberKey(width).
        std::function<QString(const QString&)> findKey;
    };

    struct Config {
        std::vector<Order> orders;
        int initialOrder = 0;
        QString findCaption;              // "Find Record", or empty
        QString findIcon;                 // icon of the input dialog ("" or "?")
        QString notFoundIcon = "I";       // icon of "Could not find ..."
        QString deleteQuestion;           // "Delete Record ?" asked before marking; empty: no question
        QString recordPrefix = "Rec # ";  // record position panel
        QString deleteCaption = "&Delete", undeleteCaption = "Un&Delete";
        QString hideDeletesCaption = "Hide Deletes", showDeletesCaption = "Show Deletes";
        QString* lastFindText = nullptr;  // remembered find text; lives as long as the caller wants
        int findPresetWidth = 20;         // the remembered text is offered padded to this width
        bool notFoundNamesOrder = true;   // "Could not find " + label + " " + key; else "Could not find  " + key
        // Replace the plain table operation when given.
        std::function<void()> onAdd, onEdit, onSave, onCancel;
        std::function<void()> afterDeleteToggle;
        std::function<void()> afterMove;  // extra reactions to a move (after the shared ones)
        std::function<void()> afterPack;  // after the table was packed (not after "Cancel")
        QString packQuestion;             // the pack question; empty: packQuestion()
        QColor deletedColor = QColor(128, 128, 128);  // background of the boxes of a marked record
    };

    RecordMaintenance(DataSource* source, Prompter& prompter, Config config, QWidget* window);
    ~RecordMaintenance() override;

    // Actions to place on tool bars and menus. Captions and hints follow the common
    // texts; a window may change them after construction.
    QAction* firstAction() const { return first_; }
    QAction* priorAction() const { return prior_; }
    QAction* nextAction() const { return next_; }
    QAction* lastAction() const { return last_; }
    QAction* addAction() const { return add_; }
    QAction* editAction() const { return edit_; }
    QAction* deleteAction() const { return delete_; }
    QAction* saveAction() const { return save_; }
    QAction* cancelAction() const { return cancel_; }
    QAction* findAction() const { return find_; }
    QAction* hideDeletesAction() const { return hideDeletes_; }
    QAction* packAction() const { return pack_; }
    const std::vector<QAction*>& orderActions() const { return orderActions_; }
    // Fills a menu with the order items (radio items, the current one checked).
    void fillIndexMenu(QMenu* menu) const;
    // Adds the navigator's four actions to a tool bar.
    void addNavigator(QToolBar* bar) const;

    QLabel* recordLabel() const { return recordLabel_; }
    QLabel* orderLabel() const { return orderLabel_; }
    QLabel* deletedLabel() const { return deletedLabel_; }
    // The widget whose edit boxes turn grey while a deleted record is shown.
    void setEditPanel(QWidget* panel) { panel_ = panel; }

    // Follow the table (connect the reactions) or stop following it while another
    // window walks the table. Following refreshes at once.
    void follow();
    void unfollow();
    bool following() const { return following_; }

    // Orders.
    void setOrder(int index);
    int currentOrder() const { return currentOrder_; }

    // The commands, callable from keys and tests as well as from the actions.
    void doAdd();
    void doEdit();
    void doSave();
    void doCancel();
    void doDeleteToggle();
    void doFind();
    void doHideDeletes();
    void doPack();

    // Sets every action for the table's state: browse enables Add, Edit, Delete and
    // Find; editing enables Save and Cancel. The one place button states are decided.
    void updateInterface();
    // Refreshes the record panel and the deleted display.
    void showPosition();

    // "Rec # " + n + " / " + count, both right-aligned in five characters.
    QString positionText() const;

    // A find-key transform for a number written right-aligned in width characters.
    static std::function<QString(const QString&)> numberKey(int width);

    static const char* packQuestion();

private:
    QAction* makeAction(const QString& text, const QString& hint, void (RecordMaintenance::*slot)());
    void applyDeletedDisplay();

    DataSource* source_;
    Prompter& prompter_;
    Config config_;
    QPointer<QWidget> window_;
    QPointer<QWidget> panel_;
    QString ownFindText_;
    int currentOrder_ = 0;
    bool following_ = false;
    QMetaObject::Connection moveConn_, stateConn_;

    QAction *first_, *prior_, *next_, *last_;
    QAction *add_, *edit_, *delete_, *save_, *cancel_, *find_, *hideDeletes_, *pack_;
    QActionGroup* orderGroup_;
    std::vector<QAction*> orderActions_;
    QLabel *recordLabel_, *orderLabel_, *deletedLabel_;
};

} // namespace bw
