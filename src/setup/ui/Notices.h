#pragma once

#include <QDialog>

class QPushButton;

// The note shown when the club has no chosen show sections ("Special Info").
class TNoteForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TNoteForm1(QWidget* parent = nullptr);
    static const char* noteText();
    QPushButton* okayButton() const { return okay_; }

private:
    QPushButton* okay_;
};

// The warning shown before the classes of an existing show are changed. exec() returns
// QDialog::Accepted for "Yes".
class TShwWarnForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TShwWarnForm1(QWidget* parent = nullptr);
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }

private:
    QPushButton* yes_;
    QPushButton* no_;
};
