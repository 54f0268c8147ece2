#include "setup/ui/NewShowForm.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/DmodSources.h"
#include "data/IniFile.h"
#include "data/Settings.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "setup/SettingsForms.h"
#include "setup/ShowSetup.h"
#include "setup/ui/ClassLists.h"
#include "setup/ui/DateBox.h"
#include "setup/ui/Notices.h"
#include "setup/ui/SetupWindows.h"
#include "widgets/KeyAids.h"
#include "widgets/TwoListChooser.h"

namespace bw {

namespace {

const char* const kStartText =
    "To Start a New Show: \n"
    "      Select the Club (if more than one club) then hit TAB or ENTER\n"
    "      The next show number will be automatically deteremined (you can change to a higher number)\n"
    "      Specify the Date of your show by using the drop-down calendar or entering the actual date and\n"
    "          then hit TAB or ENTER.  If more than one day for your show, enter the Last Date.\n"
    "Now click the 'Show Available Classes' button to begin selecting classes for your show.";

const char* const kChooseText =
    "Drag and Drop each class from the AVAILABLE CLASSES box to the SELECTED CLASSES box  or\n"
    "highlight the class and use the buttons between the boxes.   Classes may also be moved up or down by\n"
    "dragging within the boxes to get the correct order for your catalogue.\n"
    "           Class Numbers will be automatically assigned after you click SAVE.";

} // namespace

TNewShw::TNewShw(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Enter New Show Info");
    showNote = [this] {
        TNoteForm1 note(this);
        note.exec();
    };

    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    layout->setMenuBar(menu);
    QMenu* reports = menu->addMenu("&Reports");
    printInfo_ = reports->addAction("Preview && Print Show Info");
    printInfo_->setEnabled(false);  // the show class list report comes with the reports
    classList_ = reports->addAction("List of Classes with numbers for Catalogue");
    connect(classList_, &QAction::triggered, this, [this] { openClassCodeList(this, true); });

    auto* top = new QHBoxLayout;
    auto* form = new QFormLayout;
    club_ = new QComboBox(this);
    club_->setMinimumContentsLength(10);
    club_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    number_ = new QLineEdit(this);
    number_->setMaximumWidth(80);
    date_ = new DateBox(this);
    lastDate_ = new DateBox(this);
    auto* clubRow = new QHBoxLayout;
    clubRow->addWidget(club_);
    clubRow->addStretch();
    auto* clubLabel = new QLabel("&Club", this);
    clubLabel->setBuddy(club_);
    form->addRow(clubLabel, clubRow);
    form->addRow("Show &Number", number_);
    form->addRow("Show &Date", date_);
    form->addRow("&Last Date", lastDate_);
    top->addLayout(form);
    auto* buttons = new QVBoxLayout;
    available_ = new QPushButton("Show &Available Classes", this);
    prior_ = new QPushButton("Load Classes from &Prior Show", this);
    save_ = new QPushButton("&Save", this);
    cancel_ = new QPushButton("Cancel", this);
    close_ = new QPushButton("Cl&ose", this);
    for (QPushButton* b : {available_, prior_, save_, cancel_, close_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    top->addLayout(buttons);
    layout->addLayout(top);

    instructions_ = new QLabel(kStartText, this);
    layout->addWidget(instructions_);

    listsPanel_ = new QWidget(this);
    auto* listsLayout = new QVBoxLayout(listsPanel_);
    listsLayout->setContentsMargins(0, 0, 0, 0);
    chooser_ = new TwoListChooser(listsPanel_);
    chooser_->setTitles("AVAILABLE CLASSES", "SELECTED CLASSES");
    // The lines are fixed columns: they line up only in a fixed-pitch font, small enough
    // for a whole line to show in each list.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(8);
    chooser_->availableList()->setFont(fixed);
    chooser_->selectedList()->setFont(fixed);
    listsLayout->addWidget(chooser_);
    layout->addWidget(listsPanel_, 1);
    listsPanel_->hide();

    connect(club_, &QComboBox::currentIndexChanged, this, &TNewShw::clubChanged);
    connect(number_, &QLineEdit::editingFinished, this, [this] {
        number_->setText(QString::number(showNumber()));
        prior_->setEnabled(!date_->text().isEmpty() && showNumber() > 1 && !priorMode_ && !listsPanel_->isVisible());
    });
    connect(date_, &DateBox::changed, this, &TNewShw::dateChanged);
    connect(date_, &DateBox::left, this, [this] {
        if (!date_->text().isEmpty() && !created_) {
            save_->setEnabled(true);
            cancel_->setEnabled(true);
        }
    });
    connect(available_, &QPushButton::clicked, this, &TNewShw::showAvailableClasses);
    connect(prior_, &QPushButton::clicked, this, &TNewShw::loadPriorShow);
    connect(save_, &QPushButton::clicked, this, &TNewShw::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(close_, &QPushButton::clicked, this, [this] { created_ ? accept() : reject(); });

    KeyAids::Hooks keys;
    keys.enterAsTab = [] { return dmod->prefs.enterAsTab; };
    keys.pgdnAsSave = [] { return false; };
    KeyAids::install(this, keys);
}

void TNewShw::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The opening steps run once per opening, not again when a child window closes.
    if (!opened_) {
        opened_ = true;
        openingSteps();
    }
}

void TNewShw::openingSteps()
{
    listsPanel_->hide();
    // Cancel stays usable: the "Special Info" note sends the user back through it.
    for (QPushButton* b : {save_, available_, prior_}) b->setEnabled(false);
    cancel_->setEnabled(true);
    priorMode_ = classesSaved_ = false;
    instructions_->setText(kStartText);
    adjustSize();

    IniFile ini(dmod->SettingsPath());
    british_ = readPreferences(ini).dateFormat == DateFormat::British;
    dmod->prefs.enterAsTab = readPreferences(ini).enterAsTab;
    date_->setBritish(british_);
    lastDate_->setBritish(british_);
    const std::vector<std::string> ids = clubSlots(ini);
    club_->blockSignals(true);
    club_->clear();
    for (int n = 1; n <= setup::knownClubSlots(ini); ++n) {
        const std::string id = ini.readString(ini::kClubInfo, std::to_string(n), "Club" + std::to_string(n));
        club_->addItem(QString::fromStdString(id));
    }
    club_->setCurrentIndex(0);
    club_->blockSignals(false);
    clubChanged();
}

const std::vector<std::string>& TNewShw::sectionsOfClub()
{
    // The sections follow the club picked in the box. A club without chosen sections
    // gets the note once per opening.
    const int slot = club_->currentIndex() + 1;
    if (slot != sectionsSlot_) {
        sectionsSlot_ = slot;
        sections_ = setup::chosenSections(*dmod, slot);
        if (sections_.empty() && std::find(notedSlots_.begin(), notedSlots_.end(), slot) == notedSlots_.end()) {
            notedSlots_.push_back(slot);
            if (showNote) showNote();
        }
    }
    return sections_;
}

void TNewShw::clubChanged()
{
    number_->setText(QString::number(setup::NextShowNumber(*dmod, club_->currentText().toStdString())));
    sectionsOfClub();
    fillAvailable();
}

int TNewShw::showNumber() const
{
    return Lenient_Int(number_->text().toStdString());
}

void TNewShw::dateChanged()
{
    if (listsPanel_->isVisible()) return;
    available_->setEnabled(!date_->text().isEmpty());
    prior_->setEnabled(!date_->text().isEmpty() && showNumber() > 1);
    if (!date_->text().isEmpty() && !created_) {
        save_->setEnabled(true);
        cancel_->setEnabled(true);
    }
}

void TNewShw::fillAvailable()
{
    std::set<std::string> leaveOut;
    if (priorMode_) {
        leaveOut = setup::allKeysOf(fromQt(chooser_->selected()));
    } else {
        chooser_->setSelected({});
    }
    chooser_->setAvailable(toQt(setup::libraryClassLines(*dmod, sectionsOfClub(), leaveOut)));
}

void TNewShw::growToLists()
{
    instructions_->setText(kChooseText);
    listsPanel_->show();
    available_->setEnabled(false);
    prior_->setEnabled(false);
    // Grown to show both lists, but kept on the screen: Save must stay within reach.
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(std::min(std::max(width(), 1240), screenArea.width() - 20),
           std::min(std::max(height(), 720), screenArea.height() - 40));
    const QRect frame = frameGeometry();
    const int x = std::clamp(frame.x(), screenArea.left(), std::max(screenArea.left(), screenArea.right() - frame.width()));
    const int y = std::clamp(frame.y(), screenArea.top(), std::max(screenArea.top(), screenArea.bottom() - frame.height()));
    move(x, y);
}

void TNewShw::showAvailableClasses()
{
    growToLists();
}

void TNewShw::loadPriorShow()
{
    priorMode_ = true;
    growToLists();
    try {
        chooser_->setSelected(toQt(setup::priorShowClassLines(*dmod, club_->currentText().toStdString(),
                                                              showNumber() - 1)));
    } catch (const std::exception& e) {
        Show_Error(dmod->prompter(), e.what());
    }
    fillAvailable();
}

void TNewShw::save()
{
    setup::NewShow rq;
    rq.clubSlot = club_->currentIndex() + 1;
    rq.clubId = club_->currentText().toStdString();
    rq.showNum = showNumber();
    rq.dateText = date_->text().toStdString();
    rq.lastDateText = lastDate_->text().toStdString();
    rq.dateFormat = british_ ? DateFormat::British : DateFormat::American;
    rq.lines = fromQt(chooser_->selected());

    setup::NewShowResult result;
    try {
        result = setup::createShow(*dmod, rq);
    } catch (const std::exception& e) {
        Show_Error(dmod->prompter(), e.what());
        return;
    }
    switch (result.status) {
    case setup::NewShowResult::Status::Refused:
        dmod->prompter().Show_Message(result.caption, result.icon, result.message);
        return;
    case setup::NewShowResult::Status::NoDate:
        break;
    case setup::NewShowResult::Status::Created:
        classesSaved_ = true;
        created_ = true;
        // The new entries table never starts editing by itself.
        if (dmodSources) dmodSources->DataSource1.setAutoEdit(false);
        dmod->prompter().Show_Message("Show Created", "I",
                                      "The show " + rq.clubId + " # " + std::to_string(rq.showNum) + " of " +
                                          trim(rq.dateText) + " was created with " +
                                          std::to_string(rq.lines.size()) +
                                          " classes.;;Click Close to start entering its entries.");
        break;
    }
    save_->setEnabled(false);
    cancel_->setEnabled(false);
}

} // namespace bw
