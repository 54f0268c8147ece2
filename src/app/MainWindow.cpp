#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "app/DmodSources.h"
#include "app/EntryPanel.h"
#include "app/HelpForm.h"
#include "app/Pictures.h"
#include "app/WindowCommands.h"
#include "data/Prompter.h"
#include "data/Settings.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "data/ui/FieldLink.h"
#include "entries/ShowLifecycle.h"
#include "entries/ui/DogForm.h"
#include "widgets/KeyAids.h"
#include "widgets/RecordMaintenance.h"

static void registerHelpResources() { Q_INIT_RESOURCE(help); }

namespace bw {

namespace {

QString rightAligned(long n, int width) { return QString::number(n).rightJustified(width, ' '); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

QStringList qlist(const std::vector<std::string>& v)
{
    QStringList l;
    for (const std::string& s : v) l << qs(s);
    return l;
}

// The six orders of the Index menu: menu text, tag, status text, Find's label.
std::vector<RecordMaintenance::Order> entryOrders()
{
    const auto classKey = RecordMaintenance::numberKey(3);
    return {
        {"Last Name", "NAME", "Current Index = Last Name", "Last Name", {}},
        {"Dog's Name", "DOGNAME", "Current Index = Dog's Name", "Dog's Name", {}},
        {"First Class # (Catalog Order - Last Name)", "CLNUMLAST",
         "Current Index = First Class # (Catalog Order - Last Name)", "Class Number", classKey},
        {"First Class # (Catalog Order - Input)", "CLASSNUM",
         "Current Index = First Class # (Catalog Order - Input)", "Class Number", classKey},
        // The tag's key is the number right-aligned in five: a typed 101 is aligned the same
        // way, as for class numbers, so that it is found.
        {"Exhibitor #", "ARMBAND", "Current Index = Armband #", "Armband #", RecordMaintenance::numberKey(5)},
        {"Input Order", "", "Current Index = Input Order", "Record #", {}},
    };
}

// The note under the exhibit number for the numbering mode.
QString numberingNote(char mode)
{
    switch (mode) {
    case 'A': return " Later";
    case 'I': return "As Inputted";
    case 'M': return " Manually";
    default: return QString();
    }
}

} // namespace

TBrindlewickMainForm::TBrindlewickMainForm(Tdmod& module, DmodSources& sources, QWidget* parent)
    : QMainWindow(parent), m_(module), sources_(sources), prompter_(module.prompter())
{
    registerHelpResources();
    setWindowTitle("Brindlewick Manager");
    setObjectName("BrindlewickMainForm");

    RecordMaintenance::Config c;
    c.orders = entryOrders();
    c.findCaption = "Find Record";
    c.notFoundIcon = "I";
    c.deleteQuestion = "Delete Record ?";
    c.lastFindText = &lastFind_;
    c.onAdd = [this] { AddClick(); };
    c.onEdit = [this] { EditClick(); };
    c.onSave = [this] { SaveClick(); };
    c.onCancel = [this] { CancelClick(); };
    c.afterMove = [this] { displayRecord(); };
    c.afterPack = [this] { displayRecord(); };
    records_ = new RecordMaintenance(&sources_.DataSource1, prompter_, c, this);

    panel_ = new EntryPanel(&sources_.DataSource1, this);
    panel_->placeDeletedLabel(records_->deletedLabel());
    records_->setEditPanel(panel_);
    panel_->onDogNameLeft = [this] { DogNameExit(); };
    connect(panel_->junior, &JuniorPanel::classChosen, this,
            [this](const QString& key) { chosenJuniorKey_ = key.toStdString(); });

    auto* scroll = new QScrollArea;
    scroll->setWidget(panel_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    picture_ = new NoShowPicture;
    centre_ = new QStackedWidget;
    centre_->addWidget(picture_);
    centre_->addWidget(scroll);
    setCentralWidget(centre_);

    buildActions();
    buildToolBar();
    buildMenus();
    buildStatusBar();

    KeyAids::Hooks keys;
    keys.enterAsTab = [this] { return m_.prefs.enterAsTab; };
    keys.pgdnAsSave = [this] { return m_.prefs.pgdnAsSave; };
    keys.save = [this] {
        xbase::Table& t = m_.TzDbf1;
        if (showOpen() && (sources_.DataSource1.editing() || t.recNo() != 0)) records_->doSave();
    };
    keys.cancel = [this] { records_->doCancel(); };
    keys.cancelEnabled = [this] { return records_->cancelAction()->isEnabled(); };
    keys.ownsEnter = [this](QWidget* focus) { return panel_->dogPickOwnsEnter(focus); };
    keys_ = KeyAids::install(this, keys);

    dogForm_ = new TDogForm(m_, sources_, this);
    connect(dogForm_, &TDogForm::masterPacked, this, [this] {
        if (showOpen()) fillDogList();
    });

    resize(1100, 780);
    // No show yet: the show commands are off, the picture is shown.
    m_.TzDbf1.close();
    setShowCommandsEnabled(false);
    showEntryPanel(false);
    applyPreferences();
}

TBrindlewickMainForm::~TBrindlewickMainForm()
{
    stopFollowing();
}

// ---- building ------------------------------------------------------------------------------

void TBrindlewickMainForm::buildActions()
{
    newShow_ = new QAction(pictureIcon(Picture::NewShow), "&New Show", this);
    newShow_->setToolTip("New Show");
    newShow_->setStatusTip("New Show");
    openShow_ = new QAction(pictureIcon(Picture::OpenShow), "&Open Existing Show...", this);
    openShow_->setToolTip("Open Existing Show");
    openShow_->setStatusTip("Open Existing Show");
    openShow_->setShortcut(QKeySequence::Open);
    closeShow_ = new QAction(pictureIcon(Picture::CloseShow), "Close Current Show", this);
    closeShow_->setToolTip("Close Current Show");
    closeShow_->setStatusTip("Close Current Show");
    exit_ = new QAction(pictureIcon(Picture::ExitProgram), "E&xit", this);
    exit_->setToolTip("Exit Program");
    exit_->setStatusTip("Exit Program");
    connect(newShow_, &QAction::triggered, this, &TBrindlewickMainForm::NewShowClick);
    connect(openShow_, &QAction::triggered, this, &TBrindlewickMainForm::OpenShowClick);
    connect(closeShow_, &QAction::triggered, this, &TBrindlewickMainForm::CloseShowClick);
    connect(exit_, &QAction::triggered, this, &QWidget::close);

    fillIn_ = new QAction("Fill-&In", this);
    fillIn_->setToolTip("Fill In Owner Info from previous record");
    fillIn_->setStatusTip("Fill In Owner Info from previous record");
    fillIn_->setEnabled(false);
    connect(fillIn_, &QAction::triggered, this, &TBrindlewickMainForm::FillInClick);
    close_ = new QAction("C&lose", this);
    close_->setToolTip("Exit the Program");
    close_->setStatusTip("Exit the Program");
    connect(close_, &QAction::triggered, this, &QWidget::close);

    records_->firstAction()->setIcon(pictureIcon(Picture::First));
    records_->priorAction()->setIcon(pictureIcon(Picture::Prior));
    records_->nextAction()->setIcon(pictureIcon(Picture::Next));
    records_->lastAction()->setIcon(pictureIcon(Picture::Last));

    // Find answers Ctrl+F and F3, because Alt+F opens the File menu.
    records_->findAction()->setShortcuts({QKeySequence::Find, QKeySequence(Qt::Key_F3)});
}

void TBrindlewickMainForm::buildToolBar()
{
    toolBar_ = addToolBar("Tools");
    toolBar_->setObjectName("MainToolBar");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(28, 28));
    toolBar_->addAction(newShow_);
    toolBar_->addAction(openShow_);
    toolBar_->addAction(closeShow_);
    toolBar_->addAction(exit_);
    toolBar_->addSeparator();
    records_->addNavigator(toolBar_);
    toolBar_->addSeparator();
    for (QAction* a : {records_->addAction(), records_->editAction(), records_->deleteAction(), fillIn_,
                       records_->saveAction(), records_->cancelAction(), close_})
        addCommandButton(toolBar_, a);
    // Find is placed between Delete and Fill-In; its letter is not Alt+F (the File menu).
    toolBar_->insertAction(fillIn_, records_->findAction());
    if (auto* b = qobject_cast<QToolButton*>(toolBar_->widgetForAction(records_->findAction()))) {
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setMinimumWidth(64);
    }
}

QAction* TBrindlewickMainForm::windowItem(QMenu* menu, const QString& caption, void (*open)(QWidget*),
                                          bool walksEntries, Gate gate, bool needsShow)
{
    QAction* a = menu->addAction(caption);
    a->setEnabled(open != nullptr);
    if (!open) return a;
    connect(a, &QAction::triggered, this, [this, open, walksEntries, gate] {
        if (!gatePasses(gate)) return;
        if (walksEntries && showOpen())
            runWithoutFollowing([this, open] { open(this); });
        else
            open(this);
    });
    if (needsShow) showOnlyItems_.push_back(a);
    return a;
}

bool TBrindlewickMainForm::gatePasses(Gate gate)
{
    if (gate == Gate::None) return true;
    const IniFile settings(m_.SettingsPath());
    const bool club = m_.Get_ClubName() != ini::kUnknown;
    if (gate == Gate::ClubName) {
        if (club) return true;
        prompter_.Show_Message("", "", "Enter Club Name and Info under Options first");
        return false;
    }
    if (club && readSecretary(settings).name != ini::kUnknown) return true;
    prompter_.Show_Message("", "", "Enter Club Info and Secretary Info under Options first");
    return false;
}

void TBrindlewickMainForm::buildMenus()
{
    const WindowCommands& w = windowCommands();
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu("&File");
    file->addAction(newShow_);
    file->addAction(openShow_);
    file->addAction(closeShow_);
    file->addSeparator();
    file->addAction(exit_);

    QMenu* databases = bar->addMenu("Databases");
    windowItem(databases, "Mailing List", w.mailingList, true);
    windowItem(databases, "Judges ", w.judges, false);
    windowItem(databases, "Show Dates and Selected Classes", w.showDates, false);
    QAction* dogMaster = databases->addAction("Dog Master ");
    connect(dogMaster, &QAction::triggered, this, &TBrindlewickMainForm::DogMasterClick);
    judgeAssignments_ = windowItem(databases, "Judge Assignments for Current Show", w.judgeAssignments, false,
                                   Gate::None, true);
    QMenu* special = databases->addMenu("Special Program Data");
    windowItem(special, "All Classes", w.classLibrary, false);
    windowItem(special, "Show Sections", w.sections, false);
    windowItem(special, "Catalogue Groups", w.catalogueGroups, false);
    windowItem(special, "Breeds && Varieties", w.breeds, false);
    windowItem(special, "Salutations", w.salutations, false);

    indexMenu_ = bar->addMenu("Index");
    records_->fillIndexMenu(indexMenu_);

    viewMenu_ = bar->addMenu("View");
    windowItem(viewMenu_, "View Entry Confirmation for Current Dog", w.entryConfirmation, false,
               Gate::ClubAndSecretary);
    viewMenu_->addAction(records_->hideDeletesAction());
    windowItem(viewMenu_, "Grid Format", w.gridFormat, true);

    reportsMenu_ = bar->addMenu("Reports");
    windowItem(reportsMenu_, "Class Counts for Show", w.classCounts, true);
    windowItem(reportsMenu_, "Print Exhibitor Confirmation Slips", w.confirmationSlips, true,
               Gate::ClubAndSecretary);
    QMenu* catalog = reportsMenu_->addMenu("Catalog ");
    windowItem(catalog, "Print Booklet Format (5 1/2 x 8 1/2\")", w.bookletCatalogue, true,
               Gate::ClubAndSecretary);
    windowItem(catalog, "Preview Info && Send To File", w.cataloguePreview, true, Gate::ClubAndSecretary);
    QMenu* index = reportsMenu_->addMenu("Exhibitor Index");
    windowItem(index, "Print Booklet Version", w.exhibitorIndexBooklet, true);
    windowItem(index, "Print Full Page List with/without phone #'s", w.exhibitorIndexFullPage, true);
    windowItem(index, "Preview && Send To File", w.exhibitorIndexPreview, true);
    QMenu* labels = reportsMenu_->addMenu("Labels or Card Stock");
    windowItem(labels, "Entry Address Labels (for non-window envelopes)", w.entryAddressLabels, true);
    windowItem(labels, "Exhibitor #'s (choice of 2 sizes)", w.exhibitNumberLabels, true);
    windowItem(labels, "Return Address Labels (with Secretary Info)", w.returnAddressLabels, true);
    windowItem(labels, "Award Cards (or J8168 Labels)", w.awardCards, true, Gate::ClubName);
    windowItem(reportsMenu_, "Special Notes Listing", w.specialNotesListing, true);
    windowItem(reportsMenu_, "Pre-Paid Catalog List and Count", w.prepaidCatalogueList, true);
    windowItem(reportsMenu_, "List of Names && Email Addresses", w.namesAndEmails, true);
    windowItem(reportsMenu_, "List of Email Addresses (separated by commas)", w.emailAddresses, true);
    QMenu* verify = reportsMenu_->addMenu("Verify Data Input");
    windowItem(verify, "By Input Order (Record #)", w.verifyByInputOrder, true);
    windowItem(verify, "By Owner's Last Name", w.verifyByLastName, true);

    tasksMenu_ = bar->addMenu("Tasks");
    windowItem(tasksMenu_, "Specify Judge Assignments", w.specifyJudgeAssignments, false);
    windowItem(tasksMenu_, "Assign Exhibit Numbers", w.exhibitNumbers, true);
    tasksMenu_->addAction(records_->packAction());

    QMenu* tools = bar->addMenu("Tools");
    windowItem(tools, "Calendar", w.calendar, false);
    windowItem(tools, "Calculator", w.calculator, false);
    tools->addSeparator();
    // The settings windows work with no show open; afterwards the preferences (and the
    // list of clubs) are read again.
    for (auto [caption, open] : {std::pair{"General Preferences", w.generalPreferences},
                                 std::pair{"Club Defaults", w.clubDefaults}}) {
        QAction* a = tools->addAction(caption);
        a->setEnabled(open != nullptr);
        if (!open) continue;
        connect(a, &QAction::triggered, this, [this, open = open] {
            CloseShowClick();
            open(this);
            applyPreferences();
        });
    }
    QMenu* transfer = tools->addMenu("Transfer A Show Between PC's");
    windowItem(transfer, "To A Disk", w.transferToDisk, true);
    windowItem(transfer, "From A Disk", w.transferFromDisk, true);

    QMenu* help = bar->addMenu("&Help");
    QMenu* howTo = help->addMenu("How to ...");
    const std::pair<const char*, const char*> documents[] = {
        {"Read First - Setting Defaults", "brindlereadfirst.rtf"},
        {"Starting A Show", "brindlehowto.rtf"},
        {"General Tips", "gentips.rtf"},
        {"Add A New Show Class", "brindleclassinfo.rtf"},
        {"Add A New Show Section", "brindleaddsection.rtf"},
        {"Transfer A Show Between PC's", "brindletransfer.rtf"},
    };
    auto helpItem = [this](QMenu* menu, const QString& caption, const QString& document) {
        QAction* a = menu->addAction(caption);
        a->setEnabled(QFile::exists(Thelpform::documentPath(document)));
        connect(a, &QAction::triggered, this, [this, document] { showHelp(this, document); });
    };
    for (auto [caption, document] : documents) helpItem(howTo, caption, document);
    windowItem(help, "&About...", w.about, false);
    helpItem(help, "Version History", "~brindleNotes.txt");
}

void TBrindlewickMainForm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    showPanel_ = new QLabel("Show #");
    for (QLabel* l : {showPanel_, records_->recordLabel(), records_->orderLabel()}) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumWidth(l == records_->orderLabel() ? 330 : 150);
        bar->addPermanentWidget(l);
    }
    QFont mono = records_->recordLabel()->font();
    mono.setFamily("Liberation Mono");
    mono.setStyleHint(QFont::Monospace);
    showPanel_->setFont(mono);
    records_->recordLabel()->setFont(mono);
}

QLabel* TBrindlewickMainForm::statusPanel(int index) const
{
    switch (index) {
    case 1: return showPanel_;
    case 2: return records_->recordLabel();
    case 3: return records_->orderLabel();
    default: return nullptr;
    }
}

QMenu* TBrindlewickMainForm::menu(const QString& title) const
{
    for (QAction* a : menuBar()->actions())
        if (a->menu() && a->text() == title) return a->menu();
    return nullptr;
}

QAction* TBrindlewickMainForm::menuItem(const QString& path) const
{
    const QStringList parts = path.split('|');
    QMenu* current = menu(parts.value(0));
    for (int i = 1; current && i < parts.size(); ++i) {
        QMenu* next = nullptr;
        for (QAction* a : current->actions()) {
            if (a->text() != parts[i]) continue;
            if (i == parts.size() - 1) return a;
            next = a->menu();
            break;
        }
        current = next;
    }
    return nullptr;
}

bool TBrindlewickMainForm::pictureShown() const { return centre_->currentWidget() == picture_; }

// ---- states ------------------------------------------------------------------------------------

bool TBrindlewickMainForm::showOpen() const { return m_.TzDbf1.isOpen(); }

void TBrindlewickMainForm::setShowCommandsEnabled(bool on)
{
    for (QMenu* mn : {indexMenu_, viewMenu_, reportsMenu_, tasksMenu_}) mn->menuAction()->setEnabled(on);
    for (QAction* a : showOnlyItems_) a->setEnabled(on);
    if (judgeAssignments_ && !on) judgeAssignments_->setEnabled(false);
    panel_->setExhibitNotesShown(on);
    records_->updateInterface();
    closeShow_->setEnabled(on);
    if (!on) fillIn_->setEnabled(false);
}

void TBrindlewickMainForm::showEntryPanel(bool on)
{
    centre_->setCurrentIndex(on ? 1 : 0);
}

void TBrindlewickMainForm::showError(const std::string& text) { Show_Error(prompter_, text); }

void TBrindlewickMainForm::focusAction(QAction* action)
{
    if (QWidget* w = toolBar_->widgetForAction(action)) w->setFocus();
}

// ---- preferences and activation -------------------------------------------------------------

void TBrindlewickMainForm::applyPreferences()
{
    m_.Read_Preferences();
    FieldLink::setDateOrder(m_.prefs.dateFormat == DateFormat::British ? FieldLink::DateOrder::DayMonthYear
                                                                       : FieldLink::DateOrder::MonthDayYear);
    const SexWords words = sexWords(m_.prefs.sexFormat);
    panel_->setSexWords(qs(words.first), qs(words.second));
    panel_->setNumberingNote(numberingNote(m_.prefs.numberingMode()));
    clubList_ = Club_List(m_);
}

void TBrindlewickMainForm::FormActivate()
{
    applyPreferences();
    // The plain box shows the dog's name; during Add the pick list stays in front.
    if (m_.TzDbf1.state() != xbase::TableState::Insert || !showOpen()) panel_->showDogPickList(false);
    if (showOpen()) followEntries();
}

void TBrindlewickMainForm::FormDeactivate() { stopFollowing(); }

bool TBrindlewickMainForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) FormActivate();
    else if (e->type() == QEvent::WindowDeactivate) FormDeactivate();
    return QMainWindow::event(e);
}

void TBrindlewickMainForm::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Centred on the screen each time it is shown.
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void TBrindlewickMainForm::closeEvent(QCloseEvent* e)
{
    if (dogForm_) dogForm_->close();
    QMainWindow::closeEvent(e);
}

// ---- following the entries table ---------------------------------------------------------

void TBrindlewickMainForm::followEntries()
{
    if (!showOpen()) return;
    records_->follow();
    displayRecord();
}

void TBrindlewickMainForm::stopFollowing() { records_->unfollow(); }

bool TBrindlewickMainForm::following() const { return records_->following(); }

void TBrindlewickMainForm::runWithoutFollowing(const std::function<void()>& fn)
{
    const bool was = following();
    stopFollowing();
    struct Again {
        TBrindlewickMainForm* w;
        bool was;
        ~Again()
        {
            if (w->showOpen() && (was || w->isActiveWindow())) w->followEntries();
            w->syncHideDeletesCaption();
        }
    } again{this, was};
    fn();
}

void TBrindlewickMainForm::syncHideDeletesCaption()
{
    const bool hidden = showOpen() && m_.TzDbf1.hideDeleted();
    records_->hideDeletesAction()->setText(hidden ? "Show Deletes" : "Hide Deletes");
}

void TBrindlewickMainForm::displayRecord()
{
    xbase::Table& t = m_.TzDbf1;
    if (!t.isOpen()) return;
    const bool browsing = t.state() == xbase::TableState::Browse;
    const bool hasRecord = t.recNo() != 0;
    const bool junior = browsing && t.recordCount() > 0 && hasRecord && !t.deleted() &&
                        !trimRight(t.fieldText("jr_name")).empty();
    panel_->juniorButton->setText(junior ? "Junior Info" : "Add Junior");
    capturedDog_ = hasRecord && t.state() != xbase::TableState::Insert ? t.fieldText("dog") : std::string();
    chosenJuniorKey_.reset();
}

// ---- show lifecycle ---------------------------------------------------------------------------

void TBrindlewickMainForm::NewShowClick()
{
    if (!NewShow_Allowed(m_)) return;
    CloseShowClick();
    const OpenNewShow open = windowCommands().newShow;
    if (!open) return;
    // In a new show typing starts no edit by itself: Add or Edit first.
    sources_.DataSource1.setAutoEdit(false);
    open(this);
    if (showOpen()) takeNewShow();
}

void TBrindlewickMainForm::takeNewShow()
{
    m_.show.entriesPath = m_.TzDbf1.fileName();
    setWindowTitle("Brindlewick Secretary - " + qs(std::filesystem::path(m_.TzDbf1.fileName()).filename().string()));
    readClubSettings();
    showOpenedSetup();
    followEntries();
    focusAction(records_->addAction());
}

void TBrindlewickMainForm::OpenShowClick()
{
    if (showOpen()) CloseShowClick();
    FileRequest request;
    request.title = "Brindlewicks";
    request.filter = "Show Databases  (*.dbf)|*.dbf";
    request.defaultExt = ".dbf";
    request.folder = m_.ShowsPath;
    const std::string last = m_.Get_LastShow();
    if (last != ini::kUnknown) request.fileName = last;
    const std::optional<std::string> path = prompter_.Ask_Open_File(request);
    if (!path) return;
    openShow(*path);
}

bool TBrindlewickMainForm::openShow(const std::string& path)
{
    // From now on typing into a box of the shown entry starts editing by itself.
    sources_.DataSource1.setAutoEdit(true);
    OpenShowResult result;
    try {
        result = Open_ExistingShow(m_, path);
    } catch (const std::exception& e) {
        showError(e.what());
        CloseShowClick();
        return false;
    }
    if (result != OpenShowResult::Opened) {
        CloseShowClick();
        return false;
    }
    setWindowTitle("Brindlewick Secretary - " + qs(std::filesystem::path(path).filename().string()));
    readClubSettings();
    showOpenedSetup();
    followEntries();
    m_.TzDbf1.first();
    focusAction(records_->findAction());
    return true;
}

void TBrindlewickMainForm::CloseShowClick()
{
    stopFollowing();
    if (m_.TzDbf1.isOpen() && sources_.DataSource1.editing()) m_.TzDbf1.cancel();
    Close_Show(m_);
    panel_->junior->hide();
    panel_->showDogPickList(false);
    showEntryPanel(false);
    setShowCommandsEnabled(false);
    sources_.DataSource1.refresh();
    setWindowTitle("Brindlewick Manager");
    showPanel_->setText("Show #");
    records_->recordLabel()->setText("Rec #");
    records_->orderLabel()->setText("Current Index =");
    records_->deletedLabel()->clear();
}

void TBrindlewickMainForm::readClubSettings()
{
    m_.Read_ClubSettings();
    if (!m_.show.entriesPath.empty()) {
        // The show's own club ID comes from its file name.
        const ShowFileName file = Parse_ShowFileName(m_.show.entriesPath);
        if (!file.clubId.empty()) m_.show.clubId = file.clubId;
    }
    sources_.dsBreed.holdControls();
    QStringList breeds;
    try {
        breeds = qlist(Breed_Names(m_));
    } catch (...) {
        sources_.dsBreed.releaseControls();
        throw;
    }
    sources_.dsBreed.releaseControls();
    panel_->setBreeds(breeds, m_.show.oneBreed);
    fillDogList();
}

void TBrindlewickMainForm::fillDogList()
{
    sources_.dsDogs.holdControls();
    try {
        dogList_ = Fill_DogList(m_.Dogs);
    } catch (const std::exception& e) {
        dogList_.clear();
        sources_.dsDogs.releaseControls();
        showError(e.what());
        panel_->setDogList(dogList_);
        return;
    }
    sources_.dsDogs.releaseControls();
    panel_->setDogList(dogList_);
}

void TBrindlewickMainForm::showOpenedSetup()
{
    try {
        panel_->setSalutations(qlist(Salutation_Names(m_)));
        juniorClasses_ = Junior_Classes(m_);
    } catch (const std::exception& e) {
        showError(e.what());
    }
    panel_->junior->setClasses(juniorClasses_);
    setShowCommandsEnabled(true);
    if (judgeAssignments_ && windowCommands().judgeAssignments) judgeAssignments_->setEnabled(true);
    fillIn_->setEnabled(false);
    records_->setOrder(0);
    showEntryPanel(true);
    showPanel_->setText("Show # " + rightAligned(m_.show.showNum, 5));
    records_->orderLabel()->setText("Current Index = Last Name");
    panel_->setHandlerShown(m_.show.useAgents);
    syncHideDeletesCaption();
}

// ---- entry commands -----------------------------------------------------------------------------

void TBrindlewickMainForm::AddClick()
{
    xbase::Table& t = m_.TzDbf1;
    showEntryPanel(true);
    const bool remembered = New_Entry(t, m_.show.defaultBreed, remembered_);
    fillIn_->setEnabled(remembered);
    newDog_ = false;
    chosenJuniorKey_.reset();
    capturedDog_.clear();
    panel_->juniorButton->setEnabled(true);
    sources_.DataSource1.refresh();
    panel_->showDogPickList(true);
    records_->recordLabel()->setText("Adding Rec # " + QString::number(t.recordCount() + 1));
    panel_->dogPick->setFocus();
}

void TBrindlewickMainForm::EditClick()
{
    xbase::Table& t = m_.TzDbf1;
    if (t.recNo() == 0) return;
    panel_->juniorButton->setEnabled(true);
    newDog_ = false;
    t.edit();
    panel_->titles->setFocus();
}

void TBrindlewickMainForm::DogNameExit()
{
    xbase::Table& t = m_.TzDbf1;
    if (!panel_->dogPickListShown() || t.state() != xbase::TableState::Insert) return;
    panel_->clearDogPickPending();
    const DogListItem* picked = panel_->pickedDog();
    const std::string typed = panel_->dogPick->currentText().toStdString();
    DogPickResult r;
    try {
        r = Leave_DogName(m_, picked, typed, newDog_);
    } catch (const std::exception& e) {
        showError(e.what());
        return;
    }
    if (r.pick == DogPick::EditExisting) {
        records_->doCancel();
        t.go(r.existingRecNo);
        return;
    }
    sources_.DataSource1.refresh();
    if (r.pick == DogPick::Filled) panel_->classes->setFocus();
}

void TBrindlewickMainForm::SaveClick()
{
    xbase::Table& t = m_.TzDbf1;
    fillIn_->setEnabled(false);
    // A name still in the pick list (Save clicked without leaving the box) is taken first.
    if (panel_->dogPickListShown() && panel_->dogPickPending()) {
        DogNameExit();
        if (t.state() != xbase::TableState::Insert) return;   // went to the existing entry
    }
    const std::string captured = t.state() == xbase::TableState::Insert ? std::string() : capturedDog_;
    SaveInput input;
    input.sexText = panel_->sexText().toStdString();
    input.chosenJuniorKey = chosenJuniorKey_;
    input.juniorClasses = &juniorClasses_;
    try {
        if (!Complete_Entry(m_, input)) return;
        sources_.DataSource1.refresh();
        Update_Master(m_, captured, newDog_, Today_YYYYMMDD());
    } catch (const std::exception& e) {
        showError(e.what());
        return;
    }
    newDog_ = false;
    chosenJuniorKey_.reset();
    panel_->showDogPickList(false);
    displayRecord();
}

void TBrindlewickMainForm::CancelClick()
{
    fillIn_->setEnabled(false);
    panel_->showDogPickList(false);
    newDog_ = false;
    m_.TzDbf1.cancel();
    focusAction(records_->findAction());
}

void TBrindlewickMainForm::FillInClick()
{
    if (m_.TzDbf1.state() != xbase::TableState::Insert) return;
    Fill_FromPrevious(m_.TzDbf1, remembered_);
    sources_.DataSource1.refresh();
    fillIn_->setEnabled(false);
}

void TBrindlewickMainForm::DeleteClick() { records_->doDeleteToggle(); }
void TBrindlewickMainForm::FindClick() { records_->doFind(); }
void TBrindlewickMainForm::PackClick() { records_->doPack(); }

void TBrindlewickMainForm::DogMasterClick()
{
    xbase::Table& dogs = m_.Dogs;
    try {
        m_.Open_Dogs();
        dogs.setOrder("DOGNAME");
        if (!showOpen() || m_.TzDbf1.recNo() == 0 || !Seek_DogName(dogs, m_.TzDbf1.fieldText("dog")))
            dogs.first();
    } catch (const std::exception& e) {
        showError(e.what());
        return;
    }
    dogForm_->show();
    dogForm_->raise();
    dogForm_->activateWindow();
    dogs.setOrder("DOGNAME");
    if (showOpen()) followEntries();
}

} // namespace bw
