#pragma once

// The text listing window: one window shared by every listing of the program (class
// lists, class counts, catalogue preview, exhibitor index, notes, mailing and e-mail
// lists, judge list ...). Each listing configures it and gives a builder that fills a
// rich-text document each time the window is shown; the user may edit the text, save it
// (RTF or plain text), print it through the rich-text printer, copy, cut, paste, undo.
// What stands on screen is what is saved and printed.

#include "print/RichDoc.h"
#include "print/RichTextPrinter.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QMenuBar;
class QPrinter;
class QPushButton;
class QTabBar;
class QTextEdit;
class QToolBar;
class QAction;

namespace bw::print {

struct ListingConfig {
    QString caption;
    bool richText = true;   // false: a plain text area
    bool wordWrap = false;
    // Speed buttons, left to right: "Save As", "Print", "Exit", "Copy", "Paste", "Cut",
    // "Undo" and optionally "About"; each hint is "tooltip|status text".
    QStringList speedHints = {"Save As|", "Print|", "Exit|", "Copy|", "Paste|", "Cut|", "Undo|"};
    bool speedButtonsAct = true;  // some listings show the buttons without any action
    QString closeCaption = "Close";
    bool tabStrip = false;        // a tab strip above the text, emptied when shown

    // Save As: dialog title, filter in the "Description (*.ext)|*.ext" form, default
    // extension with its dot, proposed file name; RTF or the text's lines.
    QString saveTitle = "Save As";
    QString saveFilter = "Text files (*.rtf)|*.rtf";
    QString defaultExtension = ".rtf";
    QString proposedFileName;
    bool saveAsRtf = true;

    // Print: the header title, margins and orientation.
    RichPrintSetup print;

    // Fills the document; called each time the window is shown and by rebuild().
    std::function<void(RichDoc&)> build;
    // "Help" (and "About" where there is one).
    std::function<void()> help;
};

// "Text files (*.rtf)|*.rtf" → "Text files (*.rtf)", as Qt's file dialogs want it.
QString qtFileFilter(const QString& pipeFilter);

class ListingWindow : public QDialog {
    Q_OBJECT
public:
    explicit ListingWindow(ListingConfig config, QWidget* parent = nullptr);

    const ListingConfig& config() const { return config_; }
    ListingConfig& config() { return config_; }

    // Empties the text and builds it again through the builder.
    void rebuild();
    // Shows a document (for listings built outside a builder).
    void setDocument(const RichDoc& doc);
    // The document as it stands on screen, with the user's edits.
    RichDoc document() const;

    // The commands, as the menus and buttons run them.
    void saveAs();
    void print();
    void copyAll();

    // Writes the document to a file (RTF or text as configured); errors as text.
    bool saveTo(const QString& path, QString* error = nullptr) const;
    // Prints the document on a printer set up by the caller; returns pages printed.
    int printTo(QPrinter& printer) const;

    // Seams for tests and special callers: the save dialog and the print dialog.
    std::function<QString(const QString& title, const QString& filter, const QString& proposed)> chooseSaveFile;
    std::function<bool(QPrinter&)> choosePrinter;

    QTextEdit* textEdit() const { return edit_; }
    QToolBar* toolBar() const { return toolBar_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QTabBar* tabBar() const { return tabs_; }
    QPushButton* closeButton() const { return closeButton_; }
    // The action of a command by its plain name ("Save As", "Print", "Select All" ...).
    QAction* action(const QString& name) const;
    // A button placed on the tool bar after the speed buttons.
    QPushButton* addButton(const QString& caption);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildMenus();
    void buildToolBar();

    ListingConfig config_;
    QTextEdit* edit_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QList<QAction*> actions_;
};

} // namespace bw::print
