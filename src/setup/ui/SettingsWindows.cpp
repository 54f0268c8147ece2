#include "setup/ui/SettingsWindows.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/HelpForm.h"
#include "data/IniFile.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "setup/ShowSetup.h"

namespace bw {

namespace {

const char* const kHelpDocument = "brindlereadfirst.rtf";

SettingsButtons addSettingsButtons(QDialog* window, QVBoxLayout* layout)
{
    SettingsButtons b;
    auto* row = new QHBoxLayout;
    row->addStretch();
    b.okay = new QPushButton("Okay ", window);
    b.cancel = new QPushButton("Cancel ", window);
    b.apply = new QPushButton("Apply", window);
    b.help = new QPushButton("Help ", window);
    for (QPushButton* p : {b.okay, b.cancel, b.apply, b.help}) {
        p->setAutoDefault(false);
        row->addWidget(p);
    }
    b.okay->setDefault(true);
    layout->addLayout(row);
    QObject::connect(b.cancel, &QPushButton::clicked, window, &QDialog::reject);
    QObject::connect(b.help, &QPushButton::clicked, window, [window] { showHelp(window, kHelpDocument); });
    return b;
}

QButtonGroup* radioGroup(const QString& title, const QStringList& items, QVBoxLayout* into, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* l = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items[i], box);
        group->addButton(r, i);
        l->addWidget(r);
    }
    into->addWidget(box);
    return group;
}

// Auto capitals of the secretary's name and address: a letter typed first in the box, or
// after a blank or a hyphen, becomes a capital while the preference is on.
class AutoCapsFilter : public QObject {
public:
    using QObject::QObject;
    bool on = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!on || !edit || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.size() != 1 || !typed[0].isLower()) return false;
        // What stands before the typed letter: a selection is replaced by it.
        const int at = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        const QString before = edit->text().left(at);
        if (at == 0 || before.endsWith(' ') || before.endsWith('-')) {
            edit->insert(typed.toUpper());
            return true;
        }
        return false;
    }
};

// Capitals for every letter typed (postal code, club code).
class CapitalsFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit || event->type() != QEvent::KeyPress) return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1 || !typed[0].isLower()) return false;
        edit->insert(typed.toUpper());
        emit edit->textEdited(edit->text());
        return true;
    }
};

// A box still showing "Unknown" has its text selected when clicked into, so that what
// the user types replaces it (Tab into a box selects it anyway).
class SelectUnknownFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && event->type() == QEvent::FocusIn && edit->text() == ini::kUnknown)
            QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        return false;
    }
};

QWidget* page(QTabWidget* pages, const QString& title, QVBoxLayout*& layout)
{
    auto* w = new QWidget(pages);
    layout = new QVBoxLayout(w);
    pages->addTab(w, title);
    return w;
}

std::string text(const QLineEdit* e) { return e->text().toStdString(); }

} // namespace

// ---- general settings ------------------------------------------------------------------

TGeneralDefaultsForm::TGeneralDefaultsForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Specialty Show General Default Settings");
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    layout->addWidget(pages_);

    QVBoxLayout* l;
    QWidget* p = page(pages_, "Secretary Info", l);
    auto* form = new QFormLayout;
    auto* caps = new AutoCapsFilter(this);
    auto* unknown = new SelectUnknownFilter(this);
    const char* labels[] = {"Secretary's Name", "Address1", "Address2", "Address3", "Address4",
                            "Postal Code", "Phone Number", "Email Address"};
    for (int i = 0; i < 8; ++i) {
        auto* e = new QLineEdit(p);
        secretary_.push_back(e);
        form->addRow(labels[i], e);
        if (i <= 4) e->installEventFilter(caps);
        e->installEventFilter(unknown);
        connect(e, &QLineEdit::textChanged, this, [this] { changed(); refreshSecretaryLine(); });
    }
    secretary_[5]->installEventFilter(new CapitalsFilter(this));
    l->addLayout(form);
    l->addStretch();

    p = page(pages_, "Data Entry", l);
    date_ = radioGroup("Date Format", {"British   (dd/mm/yyyy)", "American   (mm/dd/yyyy)"}, l, p);
    sex_ = radioGroup("Sex Format", {"Dog / Bitch", "Male / Female", "Macho / Hembra"}, l, p);
    auto* countryForm = new QFormLayout;
    country_ = new QLineEdit(p);
    country_->installEventFilter(unknown);
    countryForm->addRow("Default Country", country_);
    l->addLayout(countryForm);
    l->addStretch();

    p = page(pages_, "Editing", l);
    enterAsTab_ = new QCheckBox("The Enter Key works the same as Tab", p);
    pgdnAsSave_ = new QCheckBox("PageDown Key same as Save", p);
    autoCaps_ = new QCheckBox("Auto Caps  (First letter of each word and after a dash is Capitalized)", p);
    for (QCheckBox* c : {enterAsTab_, pgdnAsSave_, autoCaps_}) {
        l->addWidget(c);
        connect(c, &QCheckBox::toggled, this, &TGeneralDefaultsForm::changed);
    }
    connect(autoCaps_, &QCheckBox::toggled, this, [caps](bool on) { caps->on = on; });
    l->addStretch();

    p = page(pages_, "Exhibit #'s", l);
    armbands_ = radioGroup("Exhibit #'s Creation",
                           {"Automatic - By Index AFTER all Entries are inputted  (RECOMMENDED)",
                            "Automatic - as Entries are inputted   (Starts with Number specified below)",
                            "Manual - after all Entries are inputted"},
                           l, p);
    auto* startForm = new QFormLayout;
    start_ = new QLineEdit(p);
    start_->setMaximumWidth(90);
    startForm->addRow("Start Automatic Numbering while inputting entries with Exhibit #", start_);
    l->addLayout(startForm);
    l->addStretch();

    p = page(pages_, "Exhibitor Slips", l);
    auto* slipsForm = new QFormLayout;
    comment_ = new QLineEdit(p);
    comment_->setMaxLength(105);
    auto* reset = new QPushButton("Reset Default", p);
    reset->setAutoDefault(false);
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(comment_, 1);
    commentRow->addWidget(reset);
    slipsForm->addRow("Comment Line", commentRow);
    secretaryLine_ = new QLineEdit(p);
    secretaryLine_->setReadOnly(true);
    slipsForm->addRow("Secretary Line", secretaryLine_);
    l->addLayout(slipsForm);
    l->addWidget(new QLabel("Go to the Secretary Info page to change data", p));
    auto* explain = new QLabel("Each exhibitor slip ends with the Comment Line above and a Secretary Line made "
                               "from the details on the Secretary Info page.", p);
    explain->setWordWrap(true);
    l->addWidget(explain);
    l->addStretch();

    buttons_ = addSettingsButtons(this, layout);
    connect(buttons_.apply, &QPushButton::clicked, this, &TGeneralDefaultsForm::apply);
    connect(buttons_.okay, &QPushButton::clicked, this, [this] {
        if (buttons_.apply->isEnabled()) apply();
        accept();
    });
    for (QButtonGroup* g : {date_, sex_, armbands_})
        connect(g, &QButtonGroup::idClicked, this, &TGeneralDefaultsForm::changed);
    for (QLineEdit* e : {country_, start_, comment_})
        connect(e, &QLineEdit::textChanged, this, &TGeneralDefaultsForm::changed);
    connect(start_, &QLineEdit::editingFinished, this, [this] { buttons_.apply->setFocus(); });
    connect(reset, &QPushButton::clicked, this, [this] {
        comment_->setText(setup::kDefaultCommentLine);
        buttons_.apply->setEnabled(true);
        buttons_.apply->setFocus();
    });

    load();
    resize(640, 420);
}

void TGeneralDefaultsForm::load()
{
    loading_ = true;
    const setup::GeneralSettings s = setup::readGeneralSettings(IniFile(dmod->SettingsPath()));
    const std::string values[] = {s.name, s.address1, s.address2, s.address3, s.address4, s.zip, s.phone, s.email};
    for (size_t i = 0; i < 8; ++i) secretary_[i]->setText(QString::fromStdString(values[i]));
    comment_->setText(QString::fromStdString(s.commentLine));
    enterAsTab_->setChecked(s.enterAsTab);
    pgdnAsSave_->setChecked(s.pgdnAsSave);
    autoCaps_->setChecked(s.autoCaps);
    armbands_->button(s.armbands)->setChecked(true);
    dmod->prefs.armbands = upperAscii(setup::armbandsText(s.armbands));
    start_->setText(QString::number(s.armbandStart));
    date_->button(s.dateFormat)->setChecked(true);
    country_->setText(QString::fromStdString(s.defaultCountry));
    sex_->button(s.sexFormat)->setChecked(true);
    loading_ = false;
    refreshSecretaryLine();
    buttons_.apply->setEnabled(false);
    pages_->setCurrentIndex(0);
}

void TGeneralDefaultsForm::changed()
{
    if (!loading_) buttons_.apply->setEnabled(true);
}

setup::GeneralSettings TGeneralDefaultsForm::current() const
{
    setup::GeneralSettings s;
    s.name = text(secretary_[0]);
    s.address1 = text(secretary_[1]);
    s.address2 = text(secretary_[2]);
    s.address3 = text(secretary_[3]);
    s.address4 = text(secretary_[4]);
    s.zip = text(secretary_[5]);
    s.phone = text(secretary_[6]);
    s.email = text(secretary_[7]);
    s.dateFormat = date_->checkedId() < 0 ? setup::GeneralSettings::American : date_->checkedId();
    s.sexFormat = std::max(0, sex_->checkedId());
    s.defaultCountry = text(country_);
    s.enterAsTab = enterAsTab_->isChecked();
    s.pgdnAsSave = pgdnAsSave_->isChecked();
    s.autoCaps = autoCaps_->isChecked();
    s.armbands = std::max(0, armbands_->checkedId());
    s.armbandStart = Lenient_Int(text(start_));
    s.commentLine = text(comment_);
    return s;
}

void TGeneralDefaultsForm::refreshSecretaryLine()
{
    if (loading_) return;
    secretaryLine_->setText(QString::fromStdString(setup::secretaryLine(current())));
}

void TGeneralDefaultsForm::apply()
{
    const setup::GeneralSettings s = current();
    try {
        IniFile ini(dmod->SettingsPath());
        setup::writeGeneralSettings(ini, s);
        ini.save();
    } catch (const std::exception& e) {
        Show_Error(dmod->prompter(), e.what());
        return;
    }
    // The program's current flags follow at once.
    dmod->prefs.enterAsTab = s.enterAsTab;
    dmod->prefs.pgdnAsSave = s.pgdnAsSave;
    dmod->prefs.autoCaps = s.autoCaps;
    dmod->prefs.armbands = upperAscii(setup::armbandsText(s.armbands));
    buttons_.apply->setEnabled(false);
}

// ---- club settings ---------------------------------------------------------------------

TClubDefaultsForm1::TClubDefaultsForm1(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Individual Club Defaults");
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabBar(this);
    tabs_->setExpanding(false);
    layout->addWidget(tabs_);
    pages_ = new QTabWidget(this);
    layout->addWidget(pages_, 1);

    QVBoxLayout* l;
    QWidget* p = page(pages_, "Club Name", l);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(p);
    name_->installEventFilter(new SelectUnknownFilter(this));
    code_ = new QLineEdit(p);
    code_->setMaximumWidth(120);
    code_->installEventFilter(new CapitalsFilter(this));
    form->addRow("Club's Name  ", name_);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(code_);
    codeRow->addWidget(new QLabel("(maximum of 6 characters)", p));
    codeRow->addStretch();
    form->addRow("Club Code", codeRow);
    l->addLayout(form);
    auto* explain = new QLabel("Specify a Code for your club.  It will be used as part of the Show's filename and "
                               "for Tabs above.", p);
    explain->setWordWrap(true);
    l->addWidget(explain);
    l->addStretch();

    p = page(pages_, "Breed && Variety", l);
    auto* one = new QGroupBox("Will there be only ONE Breed (No Varieties) ?  ", p);
    auto* oneLayout = new QHBoxLayout(one);
    oneBreed_ = new QButtonGroup(one);
    auto* yes = new QRadioButton("Yes", one);
    auto* no = new QRadioButton("No", one);
    oneBreed_->addButton(yes, 1);
    oneBreed_->addButton(no, 0);
    oneLayout->addWidget(yes);
    oneLayout->addWidget(no);
    oneLayout->addStretch();
    l->addWidget(one);
    l->addWidget(new QLabel("Select the Default Breed & Variety for this Club  ", p));
    breed_ = new QComboBox(p);
    l->addWidget(breed_);
    breedNote_ = new QLabel("The breeds list is empty: add your breeds under Databases > Special Program Data > "
                            "Breeds & Varieties first, then choose the default breed here.", p);
    breedNote_->setWordWrap(true);
    l->addWidget(breedNote_);
    l->addStretch();

    p = page(pages_, "Show Sections", l);
    l->addWidget(new QLabel("Available Show Sections", p));
    sections_ = new QListWidget(p);
    l->addWidget(sections_, 1);
    sectionsNote_ = new QLabel("The sections offered here are those of the classes in the class library: add "
                               "show sections and classes under Databases > Special Program Data first.", p);
    sectionsNote_->setWordWrap(true);
    l->addWidget(sectionsNote_);

    p = page(pages_, "Entry Defaults", l);
    agents_ = new QCheckBox("Include HANDLER Names in Data Entry and print in Catalog", p);
    height_ = new QCheckBox("Include SHOULDER HEIGHT in Data Entry  (used in Agility && Obedience)", p);
    l->addWidget(agents_);
    l->addWidget(height_);
    l->addStretch();

    buttons_ = addSettingsButtons(this, layout);
    connect(buttons_.apply, &QPushButton::clicked, this, &TClubDefaultsForm1::apply);
    connect(buttons_.okay, &QPushButton::clicked, this, [this] {
        if (buttons_.apply->isEnabled() && !apply()) return;
        accept();
    });

    connect(name_, &QLineEdit::textEdited, this, &TClubDefaultsForm1::changed);
    connect(code_, &QLineEdit::textEdited, this, [this](const QString& t) {
        tabs_->setTabText(tabs_->currentIndex(), t);
        changed();
    });
    connect(code_, &QLineEdit::editingFinished, this, &TClubDefaultsForm1::checkCode);
    connect(breed_, &QComboBox::activated, this, [this] {
        defaultBreed_ = breed_->currentText().toStdString();
        changed();
    });
    connect(oneBreed_, &QButtonGroup::idClicked, this, &TClubDefaultsForm1::changed);
    connect(sections_, &QListWidget::itemChanged, this, [this] {
        if (loading_) return;
        sectionsChanged_ = true;
        changed();
    });
    connect(agents_, &QCheckBox::toggled, this, &TClubDefaultsForm1::changed);
    connect(height_, &QCheckBox::toggled, this, &TClubDefaultsForm1::changed);

    // One tab per club slot.
    IniFile ini(dmod->SettingsPath());
    const int count = setup::clubSlotTabs(ini);
    for (int n = 1; n <= count; ++n)
        tabs_->addTab(QString::fromStdString(setup::readClubSlot(ini, n).tabCaption));
    tabs_->setCurrentIndex(0);
    connect(tabs_, &QTabBar::currentChanged, this, &TClubDefaultsForm1::tabChanging);
    connect(pages_, &QTabWidget::currentChanged, this, &TClubDefaultsForm1::pageChanging);
    loadSlot(1);
    resize(620, 440);
}

void TClubDefaultsForm1::changed()
{
    if (!loading_) buttons_.apply->setEnabled(true);
}

void TClubDefaultsForm1::loadSlot(int slot)
{
    loading_ = true;
    slot_ = slot;
    sectionsChanged_ = false;
    const setup::ClubSlotSettings c = setup::readClubSlot(IniFile(dmod->SettingsPath()), slot);

    // Every distinct section of the class library, in section order, once each.
    sections_->clear();
    dmod->Open_AllClasses();
    xbase::Table& lib = dmod->AllClasses;
    QStringList names;
    for (uint32_t r = 1; r <= lib.recordCount(); ++r) {
        QString s = QString::fromStdString(trimRight(lib.peek(lib.fieldNumber("section"), r)));
        if (!s.isEmpty() && !names.contains(s)) names << s;
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); });
    for (const QString& s : names) {
        auto* item = new QListWidgetItem(s, sections_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool chosen = std::find(c.sections.begin(), c.sections.end(), s.toStdString()) != c.sections.end();
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }

    name_->setText(QString::fromStdString(c.clubName));
    code_->setText(QString::fromStdString(c.clubId));
    tabs_->setTabText(slot - 1, QString::fromStdString(c.clubId));

    breed_->clear();
    dmod->Open_Breeds();
    xbase::Table& breeds = dmod->Breeds;
    QStringList breedNames;
    for (uint32_t r = 1; r <= breeds.recordCount(); ++r) {
        if (breeds.peek(0, r) == "*") continue;
        QString b = QString::fromStdString(trimRight(breeds.peek(breeds.fieldNumber("breed_name"), r)));
        if (!b.isEmpty()) breedNames << b;
    }
    std::sort(breedNames.begin(), breedNames.end(),
              [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); });
    breed_->addItems(breedNames);
    defaultBreed_ = c.defaultBreed;
    breed_->setCurrentIndex(equalsNoCase(c.defaultBreed, ini::kUnknown)
                                ? -1
                                : breedNames.indexOf(QString::fromStdString(c.defaultBreed)));

    breedNote_->setVisible(breedNames.isEmpty());
    sectionsNote_->setVisible(names.isEmpty());
    oneBreed_->button(c.oneBreed ? 1 : 0)->setChecked(true);
    agents_->setChecked(c.useAgents);
    height_->setChecked(c.useHeight);
    loading_ = false;
    buttons_.apply->setEnabled(false);
}

bool TClubDefaultsForm1::checkCode()
{
    const std::string code = trimRight(code_->text().toStdString());
    if (code.size() > 8) {
        dmod->prompter().Show_Message("Club Code Too Long", "H", "Maximum number of chars is 8;; Please revise Club Code.");
        return false;
    }
    const std::string problem = setup::clubCodeProblem(code);
    if (!problem.empty()) {
        dmod->prompter().Show_Message("Club Code", "H", problem + ";; Please revise Club Code.");
        return false;
    }
    return true;
}

bool TClubDefaultsForm1::apply()
{
    // A code that cannot name a show's files is not written.
    if (!checkCode()) {
        pages_->blockSignals(true);
        pages_->setCurrentIndex(0);
        pages_->blockSignals(false);
        page_ = 0;
        code_->setFocus();
        return false;
    }
    setup::ClubSlotSettings c;
    c.tabCaption = code_->text().toStdString();
    c.clubName = name_->text().toStdString();
    c.clubId = code_->text().toStdString();
    c.defaultBreed = defaultBreed_;
    c.oneBreed = oneBreed_->checkedId() == 1;
    c.useAgents = agents_->isChecked();
    c.useHeight = height_->isChecked();
    for (int i = 0; i < sections_->count(); ++i)
        if (sections_->item(i)->checkState() == Qt::Checked) c.sections.push_back(sections_->item(i)->text().toStdString());
    try {
        IniFile ini(dmod->SettingsPath());
        setup::writeClubSlot(ini, slot_, c, sectionsChanged_);
        ini.save();
    } catch (const std::exception& e) {
        Show_Error(dmod->prompter(), e.what());
        return false;
    }
    sectionsChanged_ = false;
    dmod->show.oneBreed = c.oneBreed;
    buttons_.apply->setEnabled(false);
    return true;
}

void TClubDefaultsForm1::tabChanging(int index)
{
    if (buttons_.apply->isEnabled()) {
        char answer = dmod->prompter().Show_Message("", "?", "Save Changes?", "Yes No");
        if (answer == 'Y' && !apply()) {
            // The shown slot keeps its unsaved code: stay on it.
            tabs_->blockSignals(true);
            tabs_->setCurrentIndex(slot_ - 1);
            tabs_->blockSignals(false);
            return;
        }
        if (answer != 'Y') tabs_->setTabText(slot_ - 1, QString::fromStdString(setup::readClubSlot(IniFile(dmod->SettingsPath()), slot_).clubId));
    }
    loadSlot(index + 1);
    pages_->blockSignals(true);
    pages_->setCurrentIndex(0);
    pages_->blockSignals(false);
    page_ = 0;
}

void TClubDefaultsForm1::pageChanging(int index)
{
    if (buttons_.apply->isEnabled()) {
        BoxButton b = dmod->prompter().Message_Box(BoxKind::Confirmation, "", " Save Changes?",
                                                   {BoxButton::Yes, BoxButton::No});
        if (b == BoxButton::Yes) {
            if (apply()) {
                loadSlot(slot_);
            } else {
                return;
            }
        }
    }
    page_ = index;
}

} // namespace bw
