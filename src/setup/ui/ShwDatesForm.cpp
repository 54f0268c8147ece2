#include "setup/ui/ShwDatesForm.h"

#include <QAction>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DmodSources.h"
#include "data/IniFile.h"
#include "data/Settings.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "data/ui/FieldLink.h"
#include "setup/ClassLines.h"
#include "setup/ShowSetup.h"
#include "setup/ui/ClassLists.h"
#include "setup/ui/CodeListForms.h"
#include "setup/ui/Notices.h"
#include "setup/ui/RecordShell.h"
#include "widgets/RecordMaintenance.h"
#include "widgets/TwoListChooser.h"

namespace bw {

namespace {

const char* const kChangeText =
    "Drag and Drop each class from the AVAILABLE CLASSES box to the SELECTED CLASSES box  \n"
    "or highlight the class and use the buttons between the boxes.   Classes may also be moved up or \n"
    "down by dragging within the boxes to get the correct order for your catalogue.   Class Numbers will \n"
    "be automatically re-assigned after you click SAVE ";

} // namespace

TShwDatesForm1::TShwDatesForm1(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Show Dates and Selected Classes");
    dmod->Open_ShowDates();
    DataSource* source = &dmodSources->dsShowDate;
    xbase::Table* table = source->table();
    warn = [this] {
        TShwWarnForm1 w(this);
        return w.exec() == QDialog::Accepted;
    };
    showNote = [this] {
        TNoteForm1 note(this);
        note.exec();
    };

    RecordMaintenance::Config c;
    c.orders = {{"Show Number", "shownum", "", "Show Number", {}}};
    c.afterMove = [this] { browse(); };
    rm_ = new RecordMaintenance(source, dmod->prompter(), c, this);

    RecordShell shell = makeRecordShell(this, *rm_);
    rm_->addNavigator(shell.tools);
    navigator_ = {rm_->firstAction(), rm_->priorAction(), rm_->nextAction(), rm_->lastAction()};
    QMenu* tasks = shell.menu->addMenu("&Tasks");
    changeAction_ = tasks->addAction("Change Selected Classes", this, &TShwDatesForm1::changeSelectedClasses);
    QMenu* reports = shell.menu->addMenu("&Reports");
    QAction* info = reports->addAction("Preview && Print Show Info");
    info->setEnabled(false);  // the show class list report comes with the reports
    reports->addAction("List Of Classes with Numbers for Catalogue", this, [this] {
        TClassListForm list(true, this, club_, showNum_);
        list.exec();
    });

    auto* top = new QHBoxLayout;
    auto* form = new QFormLayout;
    clubLabel_ = new QLabel(this);
    numLabel_ = new QLabel(this);
    dateLabel_ = new QLabel(this);
    lastDate_ = new QLineEdit(this);
    lastDate_->setMaximumWidth(110);
    form->addRow("Club ID", clubLabel_);
    form->addRow("Show #", numLabel_);
    form->addRow("Show Date", dateLabel_);
    form->addRow("Last Date", lastDate_);
    top->addLayout(form);
    readOnlyNote_ = new QLabel("No Editing Allowed to Club ID, Show # or Show Date", this);
    top->addWidget(readOnlyNote_, 0, Qt::AlignTop);
    top->addStretch();
    auto* buttons = new QVBoxLayout;
    save_ = new QPushButton("&Save", this);
    cancel_ = new QPushButton("&Cancel", this);
    close_ = new QPushButton("Cl&ose", this);
    for (QPushButton* b : {save_, cancel_, close_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    top->addLayout(buttons);
    shell.body->addLayout(top);
    FieldLink::Options date;
    date.dateMask = true;
    FieldLink::bind(source, lastDate_, "last_date", date);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    heading_ = new QLabel(setup::kShowDatesClassHeading, this);
    heading_->setFont(fixed);
    shell.body->addWidget(heading_);
    classes_ = new QListWidget(this);
    classes_->setFont(fixed);
    shell.body->addWidget(classes_, 1);

    instructions_ = new QLabel(kChangeText, this);
    shell.body->addWidget(instructions_);
    chooserPanel_ = new QWidget(this);
    auto* cl = new QVBoxLayout(chooserPanel_);
    cl->setContentsMargins(0, 0, 0, 0);
    chooser_ = new TwoListChooser(chooserPanel_);
    chooser_->setTitles("AVAILABLE CLASSES", "SELECTED CLASSES");
    chooser_->availableList()->setFont(fixed);
    chooser_->selectedList()->setFont(fixed);
    cl->addWidget(chooser_);
    shell.body->addWidget(chooserPanel_, 1);

    connect(save_, &QPushButton::clicked, this, &TShwDatesForm1::saveClasses);
    connect(cancel_, &QPushButton::clicked, this, &TShwDatesForm1::cancelClasses);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    installRecordKeys(this, *rm_);
    setEditing(false);
    rm_->setOrder(0);
    table->first();
    rm_->follow();
    browse();
    resize(1000, 620);
}

TShwDatesForm1::~TShwDatesForm1()
{
    rm_->unfollow();
    xbase::Table* t = dmodSources->dsShowDate.table();
    if (t && t->isOpen() && t->state() != xbase::TableState::Browse) t->post();
}

void TShwDatesForm1::browse()
{
    xbase::Table* t = dmodSources->dsShowDate.table();
    classes_->clear();
    if (!t->isOpen() || t->recNo() == 0) {
        club_.clear();
        showNum_ = 0;
        clubLabel_->clear();
        numLabel_->clear();
        dateLabel_->clear();
        changeAction_->setEnabled(false);
        return;
    }
    changeAction_->setEnabled(!editing_);
    club_ = t->text("clubid");
    showNum_ = static_cast<int>(t->fieldInt("show_num"));
    clubLabel_->setText(QString::fromStdString(club_));
    numLabel_->setText(QString::fromStdString(Zero_Pad(showNum_, 5)));
    dateLabel_->setText(FieldLink::dateToShown(QString::fromStdString(t->fieldText("show_date"))));
    try {
        for (const setup::ShowClass& c : setup::readShowClasses(*dmod, club_, showNum_))
            if (c.day == "1")
                classes_->addItem(QString::fromStdString(
                    setup::showDatesClassLine(c.section, c.classNum, c.className, c.allKey)));
    } catch (const std::exception& e) {
        classes_->addItem(QString::fromStdString(e.what()));
    }
}

void TShwDatesForm1::setEditing(bool on)
{
    editing_ = on;
    instructions_->setVisible(on);
    chooserPanel_->setVisible(on);
    save_->setVisible(on);
    cancel_->setVisible(on);
    close_->setVisible(!on);
    classes_->setVisible(!on);
    heading_->setVisible(!on);
    readOnlyNote_->setVisible(!on);
    for (QAction* a : navigator_) a->setVisible(!on);
    changeAction_->setEnabled(!on && showNum_ > 0);
}

void TShwDatesForm1::changeSelectedClasses()
{
    if (showNum_ <= 0 || !warn || !warn()) return;
    // The sections of the browsed show's club (of the current club when no slot has it).
    int slot = clubSlotOf(IniFile(dmod->SettingsPath()), club_);
    if (slot == 0) slot = dmod->show.clubSlot > 0 ? dmod->show.clubSlot : 1;
    const std::vector<std::string> chosen = setup::chosenSections(*dmod, slot);
    if (chosen.empty() && std::find(notedSlots_.begin(), notedSlots_.end(), slot) == notedSlots_.end()) {
        notedSlots_.push_back(slot);
        if (showNote) showNote();
    }
    std::set<std::string> inShow;
    for (const setup::ShowClass& c : setup::readShowClasses(*dmod, club_, showNum_)) inShow.insert(c.allKey);
    std::vector<std::string> available, selected;
    for (const std::string& line : setup::libraryClassLines(*dmod, chosen))
        (inShow.count(setup::parseClassLine(line).allKey) ? selected : available).push_back(line);
    chooser_->setAvailable(toQt(available));
    chooser_->setSelected(toQt(selected));
    setEditing(true);
}

void TShwDatesForm1::saveClasses()
{
    xbase::Table* t = dmodSources->dsShowDate.table();
    const std::vector<std::string> lines = fromQt(chooser_->selected());
    try {
        if (t->state() != xbase::TableState::Browse) t->post();
        setup::WriteShowClasses(*dmod, club_, showNum_, lines, 1);
    } catch (const std::exception& e) {
        // Nothing of the class file was changed: the user may correct and save again.
        dmod->prompter().Show_Message("Class Numbers", "H",
                                      std::string(e.what()) + ";;The classes of this show were not changed.");
        return;
    }
    setEditing(false);
    browse();
}

void TShwDatesForm1::cancelClasses()
{
    setEditing(false);
    browse();
}

} // namespace bw
