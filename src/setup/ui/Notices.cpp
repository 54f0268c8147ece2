#include "setup/ui/Notices.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const char* TNoteForm1::noteText()
{
    return "    You have not specified your preferred Show Sections under\n"
           "        Tools\\Club Defaults\\Show Sections     from the Main Screen.\n"
           "\n"
           "    Therefore all the Sections and Classes from the ALL Show  Classes\n"
           "    database will be shown below after you have selected the Club.\n"
           "\n"
           "        Click the CANCEL button to return to the Main Screen\n"
           "        to update your Preferences.";
}

TNoteForm1::TNoteForm1(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Special Info");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(noteText(), this);
    layout->addWidget(text);
    okay_ = new QPushButton("Okay", this);
    okay_->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(okay_);
    row->addStretch();
    layout->addLayout(row);
    connect(okay_, &QPushButton::clicked, this, &QDialog::accept);
    okay_->setFocus();
}

TShwWarnForm1::TShwWarnForm1(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Show Classes Warning");
    auto* layout = new QVBoxLayout(this);
    auto* warning = new QLabel("WARNING", this);
    QFont f = warning->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() * 2);
    warning->setFont(f);
    warning->setFrameStyle(QFrame::Panel | QFrame::Raised);
    warning->setLineWidth(3);
    warning->setAlignment(Qt::AlignCenter);
    layout->addWidget(warning);
    layout->addWidget(new QLabel(
        "Adding or Deleting a Class here may affect the Class Numbers for the Entries in the Current Show.", this));
    layout->addWidget(new QLabel("Do you still want to Edit the Classes?", this));
    yes_ = new QPushButton("Yes", this);
    no_ = new QPushButton("No", this);
    no_->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(yes_);
    row->addWidget(no_);
    row->addStretch();
    layout->addLayout(row);
    connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
    if (parent) {
        // Centred on the window that asks.
        adjustSize();
        QWidget* top = parent->window();
        move(top->geometry().center() - rect().center());
    }
}
