#include "app/EntryPanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringListModel>
#include <QVBoxLayout>

#include "data/Tables.h"
#include "data/Tdmod.h"
#include "data/ui/DataSource.h"
#include "data/ui/FieldLink.h"
#include "entries/DogMaster.h"
#include "entries/EntryRules.h"

namespace bw {

namespace {

bool autoCapsOn() { return !dmod || dmod->prefs.autoCaps; }

TypedInto typedInto(const QLineEdit& e)
{
    return {e.text().toStdU32String(), e.selectedText().toStdU32String(), e.cursorPosition()};
}

QChar autoCapsFilter(const QLineEdit& e, QChar typed)
{
    return QChar(char16_t(AutoCaps(typedInto(e), typed.unicode(), autoCapsOn())));
}

QChar dogNameFilter(const QLineEdit& e, QChar typed)
{
    return QChar(char16_t(DogName_Caps(typedInto(e), typed.unicode(), autoCapsOn())));
}

// The width of a field of the entries table, for the box's maximum length.
int fieldWidth(const char* name)
{
    for (const xbase::FieldDef& f : layouts::Entries().fields)
        if (f.name == name) return f.length;
    return 0;
}

QLineEdit* box(const char* field, int width = 0)
{
    auto* e = new QLineEdit;
    if (int n = fieldWidth(field)) e->setMaxLength(n);
    if (width) e->setMinimumWidth(width);
    e->setObjectName(field);
    return e;
}

FieldLink::Options withFilter(FieldLink::KeyFilter filter)
{
    FieldLink::Options o;
    o.keyFilter = std::move(filter);
    return o;
}

QComboBox* pickList(const char* field, bool editable)
{
    auto* c = new QComboBox;
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setObjectName(field);
    if (editable && fieldWidth(field)) c->lineEdit()->setMaxLength(fieldWidth(field));
    return c;
}

} // namespace

// ---- junior panel -------------------------------------------------------------------------

JuniorPanel::JuniorPanel(DataSource* entries, QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    auto* title = new QLabel(tr("Junior Info"));
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    title->setFont(f);

    name = box("jr_name", 260);
    age = box("jr_age", 60);
    classBox = pickList("jr_class", false);
    classBox->setMinimumWidth(260);
    closeButton = new QPushButton(tr("Close"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Junior's Name")), 0, 0);
    grid->addWidget(name, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Junior's Age")), 1, 0);
    grid->addWidget(age, 1, 1);
    grid->addWidget(new QLabel(tr("(# of years)")), 1, 2);
    grid->addWidget(new QLabel(tr("Class Entered")), 2, 0);
    grid->addWidget(classBox, 2, 1, 1, 2);
    auto* note = new QLabel(tr("Be sure to click the SAVE button above after closing this window if data "
                               "added or changed."));
    note->setWordWrap(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(title, 0, Qt::AlignHCenter);
    v->addLayout(grid);
    v->addWidget(note);
    v->addWidget(closeButton, 0, Qt::AlignHCenter);

    FieldLink::bind(entries, name, "jr_name", withFilter(autoCapsFilter));
    FieldLink::bind(entries, age, "jr_age");
    FieldLink::bind(entries, classBox, "jr_class");
    connect(classBox, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < keys_.size()) emit classChosen(keys_[index]);
    });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void JuniorPanel::setClasses(const std::vector<JuniorClass>& classes)
{
    classBox->clear();
    keys_.clear();
    for (const JuniorClass& c : classes) {
        classBox->addItem(QString::fromStdString(c.name));
        keys_ << QString::fromStdString(c.allkey);
    }
}

// ---- entry panel ------------------------------------------------------------------------------

EntryPanel::EntryPanel(DataSource* entries, QWidget* parent) : QWidget(parent), entries_(entries)
{
    // Dog.
    dogEdit = box("dog", 360);
    dogPick = pickList("dog", true);
    dogPick->setMaxVisibleItems(15);
    dogModel_ = new QStringListModel(this);
    dogPick->setModel(dogModel_);
    if (auto* view = qobject_cast<QListView*>(dogPick->view())) view->setUniformItemSizes(true);
    dogPick->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    dogPick->completer()->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    dogStack = new QStackedWidget;
    dogStack->addWidget(dogEdit);
    dogStack->addWidget(dogPick);
    dogStack->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    titles = box("titles");
    atcNum = box("atc_num");
    bdate = box("bdate", 100);
    breedPick = pickList("breed", true);
    breedReadOnly = box("breed");
    breedReadOnly->setReadOnly(true);
    breedStack = new QStackedWidget;
    breedStack->addWidget(breedPick);
    breedStack->addWidget(breedReadOnly);
    breedStack->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    sex = pickList("sex", false);
    breeder = box("breeder");
    sire = box("sire");
    dam = box("dam");
    handlerCaption = new QLabel(tr("Handler"));
    handler = box("agent");
    height = box("height", 60);

    // Owner.
    salutation = pickList("salutation", true);
    salutation->setMaxVisibleItems(10);
    first = box("first");
    last = box("last");
    owner2 = box("owner2");
    for (int i = 0; i < 4; ++i) address[i] = box(("address" + std::to_string(i + 1)).c_str());
    zip = box("zip", 100);
    country = box("country");
    phone = box("phone");
    email = box("email");

    // Entry information.
    note = box("note");
    printIt = new QCheckBox(tr("Print this Note on\ntheir Exhibitor Slip"));
    prepaidCat = new QCheckBox(tr("Pre-Paid Catalog"));
    noPrintAdd = new QCheckBox(tr("Do Not Print Address in Catalog"));
    classes = box("classes", 200);
    arm = box("arm", 70);
    exhibitNote1 = new QLabel(tr("Exhibit #'s assigned"));
    exhibitNote2 = new QLabel;
    juniorButton = new QPushButton(tr("Add Junior"));

    // ---- layout ----
    auto label = [](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    auto* dogBox = new QGroupBox(tr("Dog"));
    auto* dg = new QGridLayout(dogBox);
    int row = 0;
    dg->addWidget(label(tr("Dog's  Registered Name"), dogStack), row, 0);
    dg->addWidget(dogStack, row++, 1, 1, 3);
    dg->addWidget(label(tr("Ch Titles"), titles), row, 0);
    dg->addWidget(titles, row, 1);
    dg->addWidget(label(tr("ATC No."), atcNum), row, 2);
    dg->addWidget(atcNum, row++, 3);
    dg->addWidget(label(tr("Breed"), breedStack), row, 0);
    dg->addWidget(breedStack, row++, 1, 1, 3);
    dg->addWidget(label(tr("Sex"), sex), row, 0);
    dg->addWidget(sex, row, 1);
    dg->addWidget(label(tr("Birthdate"), bdate), row, 2);
    dg->addWidget(bdate, row++, 3);
    dg->addWidget(label(tr("Breeder"), breeder), row, 0);
    dg->addWidget(breeder, row++, 1, 1, 3);
    dg->addWidget(label(tr("Sire"), sire), row, 0);
    dg->addWidget(sire, row++, 1, 1, 3);
    dg->addWidget(label(tr("Dam"), dam), row, 0);
    dg->addWidget(dam, row++, 1, 1, 3);
    handlerCaption->setBuddy(handler);
    dg->addWidget(handlerCaption, row, 0);
    dg->addWidget(handler, row, 1);
    dg->addWidget(label(tr("Height"), height), row, 2);
    dg->addWidget(height, row++, 3);
    dg->setRowStretch(row, 1);
    dg->setColumnStretch(1, 3);
    dg->setColumnStretch(3, 1);

    auto* ownerBox = new QGroupBox(tr("Owner"));
    auto* og = new QGridLayout(ownerBox);
    row = 0;
    og->addWidget(label(tr("Salutation"), salutation), row, 0);
    og->addWidget(salutation, row++, 1);
    og->addWidget(label(tr("First Name"), first), row, 0);
    og->addWidget(first, row++, 1);
    og->addWidget(label(tr("Last Name"), last), row, 0);
    og->addWidget(last, row++, 1);
    og->addWidget(label(tr("Other Owners"), owner2), row, 0);
    og->addWidget(owner2, row++, 1);
    for (int i = 0; i < 4; ++i) {
        og->addWidget(label(tr("Address%1").arg(i + 1), address[i]), row, 0);
        og->addWidget(address[i], row++, 1);
    }
    og->addWidget(label(tr("Postal Code"), zip), row, 0);
    og->addWidget(zip, row++, 1, Qt::AlignLeft);
    og->addWidget(label(tr("Country"), country), row, 0);
    og->addWidget(country, row++, 1);
    og->addWidget(label(tr("Phone Number"), phone), row, 0);
    og->addWidget(phone, row++, 1);
    og->addWidget(label(tr("Email Address"), email), row, 0);
    og->addWidget(email, row++, 1);
    og->setRowStretch(row, 1);

    auto* infoBox = new QGroupBox(tr("  Entry Information  "));
    auto* ig = new QGridLayout(infoBox);
    ig->addWidget(label(tr("Classes Entered"), classes), 0, 0);
    ig->addWidget(classes, 0, 1);
    auto* classNotes = new QLabel(tr("Specify the Class Numbers separated by Commas\nOR\n"
                                     "NFC for 'Not For Competition'"));
    ig->addWidget(classNotes, 0, 2, 2, 1);
    ig->addWidget(label(tr("Exhibit #"), arm), 1, 0);
    auto* armRow = new QHBoxLayout;
    armRow->addWidget(arm);
    auto* notes = new QVBoxLayout;
    notes->setSpacing(0);
    notes->addWidget(exhibitNote1);
    notes->addWidget(exhibitNote2);
    armRow->addLayout(notes);
    armRow->addStretch();
    ig->addLayout(armRow, 1, 1);
    ig->setColumnStretch(2, 1);

    auto* notesBox = new QGroupBox;
    auto* ng = new QGridLayout(notesBox);
    ng->addWidget(label(tr("Special Notes"), note), 0, 0);
    ng->addWidget(note, 0, 1, 1, 3);
    ng->addWidget(printIt, 1, 1);
    ng->addWidget(prepaidCat, 1, 2);
    ng->addWidget(noPrintAdd, 1, 3);

    deletedSlot_ = new QWidget;
    auto* slot = new QHBoxLayout(deletedSlot_);
    slot->setContentsMargins(0, 0, 0, 0);
    deletedSlot_->setMinimumWidth(110);

    auto* help = new QLabel(
        tr("For the Drop-Down Boxes - Enter beginning letters to Find a selection, then select with "
           "ENTER Key. Or use the Arrow in box for listing and then the mouse to select. Or type-in the "
           "FULL name for a NEW dog.  Press the ENTER Key again to exit the box."));
    help->setWordWrap(true);
    QFont small = help->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    help->setFont(small);
    help->setStyleSheet("color: #505a6a;");

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(deletedSlot_);
    bottom->addWidget(juniorButton);
    bottom->addWidget(help, 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(dogBox, 11);
    columns->addWidget(ownerBox, 9);
    auto* main = new QVBoxLayout(this);
    main->addLayout(columns);
    main->addWidget(infoBox);
    main->addWidget(notesBox);
    main->addLayout(bottom);
    main->addStretch();

    junior = new JuniorPanel(entries, this);

    // Tab order as the secretary types an entry form: the dog, the owner, then the
    // classes and exhibit number, then the notes.
    QWidget* order[] = {dogEdit, dogPick, titles, atcNum, breedPick, breedReadOnly, sex, bdate, breeder,
                        sire, dam, handler, height, salutation, first, last, owner2, address[0], address[1],
                        address[2], address[3], zip, country, phone, email, classes, arm, note, printIt,
                        prepaidCat, noPrintAdd, juniorButton};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    // The designed salutations, until a show's list replaces them.
    setSalutations({"Dr.", "Lady", "Mesdames", "Miss", "Misses", "Mr.", "Mr. & Mrs.", "Mrs."});

    // ---- bindings ----
    auto caps = withFilter(autoCapsFilter);
    FieldLink::bind(entries, dogEdit, "dog", caps);
    FieldLink::bind(entries, dogPick, "dog", withFilter(dogNameFilter));
    FieldLink::bind(entries, titles, "titles", caps);
    FieldLink::bind(entries, atcNum, "atc_num");
    FieldLink::Options date;
    date.dateMask = true;
    FieldLink::bind(entries, bdate, "bdate", date);
    FieldLink::bind(entries, breedPick, "breed");
    FieldLink::bind(entries, breedReadOnly, "breed");
    FieldLink::bind(entries, sex, "sex");
    FieldLink::bind(entries, breeder, "breeder", caps);
    FieldLink::bind(entries, sire, "sire", caps);
    FieldLink::bind(entries, dam, "dam", caps);
    FieldLink::bind(entries, handler, "agent", caps);
    FieldLink::bind(entries, height, "height");
    FieldLink::bind(entries, salutation, "salutation");
    FieldLink::bind(entries, first, "first", caps);
    FieldLink::bind(entries, last, "last", caps);
    FieldLink::bind(entries, owner2, "owner2", caps);
    for (int i = 0; i < 4; ++i)
        FieldLink::bind(entries, address[i], QString("address%1").arg(i + 1), caps);
    FieldLink::bind(entries, zip, "zip", withFilter(FieldLink::capitals));
    FieldLink::Options countryOptions = caps;
    countryOptions.onExit = [](FieldLink& link) {
        auto* e = qobject_cast<QLineEdit*>(link.widget());
        if (!e) return;
        const std::string shown = e->text().toStdString();
        const std::string normal = Normalise_Country(shown);
        if (normal != shown) {
            e->setText(QString::fromStdString(normal));
            link.storeValue();
        }
    };
    FieldLink::bind(entries, country, "country", countryOptions);
    FieldLink::bind(entries, phone, "phone");
    FieldLink::bind(entries, email, "email");
    FieldLink::bind(entries, note, "note");
    FieldLink::bind(entries, printIt, "printit");
    FieldLink::bind(entries, prepaidCat, "prepaidcat");
    FieldLink::bind(entries, noPrintAdd, "noprintadd");
    FieldLink::bind(entries, classes, "classes", withFilter(FieldLink::capitals));
    FieldLink::bind(entries, arm, "arm");

    // ---- the dog-name pick list ----
    connect(dogPick, &QComboBox::activated, this, [this](int index) {
        pickedIndex_ = index;
        dogPickPending_ = true;
    });
    connect(dogPick->lineEdit(), &QLineEdit::textEdited, this, [this] {
        pickedIndex_ = -1;
        dogPickPending_ = true;
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (!dogPickListShown() || !old || !(old == dogPick || dogPick->isAncestorOf(old))) return;
        // Opening the pick list's own list, or a dialog, is not leaving the box.
        if (!now || now == dogPick || dogPick->isAncestorOf(now) || now->window() != window()) return;
        if (onDogNameLeft) onDogNameLeft();
    });
    connect(juniorButton, &QPushButton::clicked, this, [this] {
        placeJuniorPanel();
        junior->show();
        junior->raise();
        junior->name->setFocus();
    });
}

void EntryPanel::placeDeletedLabel(QLabel* label)
{
    deletedLabel = label;
    label->setParent(deletedSlot_);
    deletedSlot_->layout()->addWidget(label);
    label->show();
}

void EntryPanel::showDogPickList(bool on)
{
    pickedIndex_ = -1;
    dogPickPending_ = false;
    dogStack->setCurrentWidget(on ? static_cast<QWidget*>(dogPick) : dogEdit);
    if (on) dogPick->setEditText(dogEdit->text());
}

bool EntryPanel::dogPickListShown() const { return dogStack->currentWidget() == dogPick; }

void EntryPanel::setDogList(const std::vector<DogListItem>& list)
{
    dogList_ = list;
    QStringList names;
    names.reserve(int(list.size()));
    for (const DogListItem& d : list) names << QString::fromStdString(d.name);
    const QString text = dogPick->currentText();
    dogModel_->setStringList(names);
    dogPick->setCurrentIndex(-1);
    dogPick->setEditText(text);
    pickedIndex_ = -1;
}

const DogListItem* EntryPanel::pickedDog() const
{
    if (pickedIndex_ < 0 || size_t(pickedIndex_) >= dogList_.size()) return nullptr;
    // A pick that was typed over afterwards no longer counts.
    if (dogPick->currentText() != dogModel_->stringList().value(pickedIndex_)) return nullptr;
    return &dogList_[size_t(pickedIndex_)];
}

bool EntryPanel::dogPickOwnsEnter(QWidget* focus) const
{
    if (!dogPickListShown() || !focus || !(focus == dogPick || dogPick->isAncestorOf(focus))) return false;
    if (pickedIndex_ >= 0) return false;     // chosen: the next Enter leaves the box
    const QString text = dogPick->currentText();
    return !text.isEmpty() && dogPick->findText(text, Qt::MatchFixedString) >= 0;
}

void EntryPanel::setBreeds(const QStringList& names, bool oneBreed)
{
    const QString shown = breedPick->currentText();
    breedPick->clear();
    QStringList sorted = names;
    sorted.sort(Qt::CaseInsensitive);
    breedPick->addItems(sorted);
    breedPick->setEditText(shown);
    breedStack->setCurrentWidget(oneBreed ? static_cast<QWidget*>(breedReadOnly) : breedPick);
}

void EntryPanel::setSexWords(const QString& firstWord, const QString& secondWord)
{
    const QString shown = sex->currentText();
    QStringList words{firstWord, secondWord};
    words.sort(Qt::CaseInsensitive);
    sex->clear();
    sex->addItems(words);
    sex->setCurrentIndex(sex->findText(shown));
}

void EntryPanel::setSalutations(QStringList names)
{
    const QString shown = salutation->currentText();
    names.sort(Qt::CaseInsensitive);
    salutation->clear();
    salutation->addItems(names);
    salutation->setEditText(shown);
}

void EntryPanel::setHandlerShown(bool shown)
{
    handlerCaption->setEnabled(shown);
    handler->setVisible(shown);
}

void EntryPanel::setNumberingNote(const QString& text) { exhibitNote2->setText(text); }

void EntryPanel::setExhibitNotesShown(bool shown)
{
    exhibitNote1->setVisible(shown);
    exhibitNote2->setVisible(shown);
}

QString EntryPanel::sexText() const { return sex->currentText(); }

void EntryPanel::placeJuniorPanel()
{
    const QSize s = junior->sizeHint().expandedTo(QSize(420, 0));
    junior->setGeometry((width() - s.width()) / 2, qMax(20, (QWidget::height() - s.height()) / 3), s.width(), s.height());
}

void EntryPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (junior->isVisible()) placeJuniorPanel();
}

} // namespace bw
