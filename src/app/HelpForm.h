#pragma once

// The help window: shows one help document (rich text, or plain text for the version
// notes), prints it with 30 mm margins and a border round every page, and closes.
// Help documents are built into the program as resources under ":/help/".

#include <QDialog>
#include <QString>

#include <functional>

class QPrinter;
class QPushButton;
class QTextEdit;

namespace bw::print { class RichDoc; }

class Thelpform : public QDialog {
    Q_OBJECT
public:
    explicit Thelpform(QString documentName, QWidget* parent = nullptr);

    // Where a help document is found (usable before any help window exists, e.g. to
    // enable a menu item only when its document ships).
    static QString documentPath(const QString& documentName);

    // Loads the document into the window; false with the reason when it cannot.
    bool load(const QString& documentName, QString* error = nullptr);
    int printTo(QPrinter& printer) const;
    void print();

    // The print dialog; tests replace it.
    std::function<bool(QPrinter&)> choosePrinter;

    QTextEdit* textEdit() const { return edit_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* closeButton() const { return closeButton_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QString documentName_;
    bool loaded_ = false;
    QTextEdit* edit_;
    QPushButton* printButton_;
    QPushButton* closeButton_;
};

// Opens the help window modally on one document.
void showHelp(QWidget* parent, const QString& documentName);
