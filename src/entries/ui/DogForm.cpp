#include "entries/ui/DogForm.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "app/DmodSources.h"
#include "app/Pictures.h"
#include "data/Settings.h"
#include "data/Tables.h"
#include "data/Tdmod.h"
#include "data/ui/FieldLink.h"
#include "data/ui/TableModel.h"
#include "entries/ShowLifecycle.h"
#include "widgets/KeyAids.h"
#include "widgets/RecordMaintenance.h"

namespace bw {

namespace {

int masterWidth(const QString& field)
{
    for (const xbase::FieldDef& f : layouts::Dogs().fields)
        if (QString::fromStdString(f.name) == field) return f.length;
    return 0;
}

std::vector<RecordMaintenance::Order> masterOrders()
{
    return {{"Dog's Name", "DOGNAME", "Current Index = Dog's Name", "Dog's Name", {}},
            {"Owner's Last name", "OWNERNAME", "Current Index = Last Name", "Owner's Last Name", {}},
            {"ATC Num", "REGNUM", "Current Index = ATC Num", "ATC Num", {}},
            {"Input Order", "", "Current Index = Input Order", "Record #", {}}};
}

const char* kGridFields[] = {"titles", "dog",      "breed",    "sex",      "first",    "last",   "owner2",
                             "address1", "address2", "address3", "address4", "zip",      "phone",  "country",
                             "breeder",  "sire",     "dam",      "bdate",    "email",    "height", "modified"};

} // namespace

TDogForm::TDogForm(Tdmod& module, DmodSources& sources, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_(module), sources_(sources)
{
    setWindowTitle("Dog Master Database");
    setObjectName("DogForm");

    RecordMaintenance::Config c;
    c.orders = masterOrders();
    c.findCaption = "Find Record";
    c.deleteQuestion = "Delete Record ?";
    c.packQuestion = "Packing the database will permanently remove;all the records marked as \"Deleted\".;"
                     "Are you sure that is what you want?";
    c.deletedColor = QColor(255, 0, 0);
    c.lastFindText = &lastFind_;
    c.onEdit = [this] {
        if (m_.Dogs.recNo() == 0) return;
        setPickLists(true);
        m_.Dogs.edit();
    };
    c.onSave = [this] {
        setPickLists(false);
        if (sources_.dsDogs.editing()) m_.Dogs.post();
        if (QWidget* w = findChild<QToolBar*>()->widgetForAction(records_->findAction())) w->setFocus();
    };
    c.onCancel = [this] {
        setPickLists(false);
        m_.Dogs.cancel();
        if (QWidget* w = findChild<QToolBar*>()->widgetForAction(records_->findAction())) w->setFocus();
    };
    c.afterPack = [this] { emit masterPacked(); };
    records_ = new RecordMaintenance(&sources_.dsDogs, m_.prompter(), c, this);
    records_->packAction()->setText("Pack/Remove Deletes");
    records_->editAction()->setToolTip("Edit the current Entry");

    // Menus.
    QMenu* file = menuBar()->addMenu("File");
    file->addAction("Exit", this, &QWidget::close);
    QMenu* index = menuBar()->addMenu("Index");
    records_->fillIndexMenu(index);
    QMenu* view = menuBar()->addMenu("View");
    showGridMenu_ = view->addAction("Show Grid", this, &TDogForm::ShowGridClick);
    view->addAction(records_->hideDeletesAction());
    QMenu* tasks = menuBar()->addMenu("Tasks");
    tasks->addAction(records_->packAction());

    // Tool bar.
    QToolBar* bar = addToolBar("Tools");
    bar->setMovable(false);
    records_->addNavigator(bar);
    bar->addSeparator();
    showGrid_ = new QAction("Show &Grid", this);
    showGrid_->setToolTip("View the records in a Grid");
    showGrid_->setStatusTip("View the records in a Grid");
    connect(showGrid_, &QAction::triggered, this, &TDogForm::ShowGridClick);
    auto* closeAction = new QAction("C&lose", this);
    closeAction->setToolTip("Back to Main Form");
    closeAction->setStatusTip("Back to Main Form");
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    for (QAction* a : {records_->editAction(), records_->cancelAction(), records_->deleteAction(),
                       records_->findAction(), records_->saveAction(), showGrid_, closeAction})
        addCommandButton(bar, a);

    statusBar()->addPermanentWidget(records_->recordLabel());
    statusBar()->addPermanentWidget(records_->orderLabel());
    records_->orderLabel()->setText("Current Index = ");
    records_->recordLabel()->setMinimumWidth(150);
    records_->orderLabel()->setMinimumWidth(220);

    buildPanel();
    grid_ = new QTableView;
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    centre_ = new QStackedWidget;
    centre_->addWidget(panel_);
    centre_->addWidget(grid_);
    setCentralWidget(centre_);

    KeyAids::Hooks keys;
    keys.enterAsTab = [this] { return m_.prefs.enterAsTab; };
    keys.pgdnAsSave = [this] { return m_.prefs.pgdnAsSave; };
    keys.save = [this] {
        if (sources_.dsDogs.editing()) records_->doSave();
    };
    keys.cancel = [this] { records_->doCancel(); };
    keys.cancelEnabled = [this] { return records_->cancelAction()->isEnabled(); };
    keys_ = KeyAids::install(this, keys);
    resize(900, 640);
}

TDogForm::~TDogForm() { records_->unfollow(); }

void TDogForm::buildPanel()
{
    panel_ = new QWidget;
    auto* g = new QGridLayout(panel_);
    DataSource* ds = &sources_.dsDogs;
    auto add = [&](const QString& caption, QWidget* w, int row, int col, int span = 1) {
        auto* l = new QLabel(caption);
        l->setBuddy(w);
        g->addWidget(l, row, col * 2);
        g->addWidget(w, row, col * 2 + 1, 1, span);
    };
    auto edit = [&](const QString& field, FieldLink::Options o = {}) {
        auto* e = new QLineEdit;
        e->setObjectName(field);
        if (int n = masterWidth(field)) e->setMaxLength(n);
        FieldLink::bind(ds, e, field, std::move(o));
        return e;
    };
    FieldLink::Options date;
    date.dateMask = true;
    FieldLink::Options caps;
    caps.keyFilter = FieldLink::capitals;

    breedPick_ = new QComboBox;
    breedPick_->setEditable(true);
    breedPick_->setInsertPolicy(QComboBox::NoInsert);
    FieldLink::bind(ds, breedPick_, "breed");
    sexPick_ = new QComboBox;
    FieldLink::bind(ds, sexPick_, "sex");
    breedStack_ = new QStackedWidget;
    breedStack_->addWidget(edit("breed"));
    breedStack_->addWidget(breedPick_);
    breedStack_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    sexStack_ = new QStackedWidget;
    sexStack_->addWidget(edit("sex"));
    sexStack_->addWidget(sexPick_);
    sexStack_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (QStackedWidget* s : {breedStack_, sexStack_})
        static_cast<QLineEdit*>(s->widget(0))->setReadOnly(true);
    salutation_ = new QComboBox;
    salutation_->setEditable(true);
    salutation_->setInsertPolicy(QComboBox::NoInsert);
    FieldLink::bind(ds, salutation_, "salutation");

    int row = 0;
    add("Dog's Registered Name", edit("dog"), row++, 0, 3);
    add("Ch Titles", edit("titles"), row, 0);
    add("ATC No.", edit("atc_num"), row++, 1);
    add("Breed", breedStack_, row, 0);
    add("Sex", sexStack_, row++, 1);
    add("Birthdate", edit("bdate", date), row, 0);
    add("Height", edit("height"), row++, 1);
    add("Breeder", edit("breeder"), row++, 0, 3);
    add("Sire", edit("sire"), row++, 0, 3);
    add("Dam", edit("dam"), row++, 0, 3);
    add("Salutation", salutation_, row, 0);
    add("Modified", edit("modified", date), row++, 1);
    add("First Name", edit("first"), row, 0);
    add("Last Name", edit("last"), row++, 1);
    add("Owners2", edit("owner2"), row++, 0, 3);
    for (int i = 1; i <= 4; ++i) add(QString("Address%1").arg(i), edit(QString("address%1").arg(i)), row++, 0, 3);
    add("Postal Code", edit("zip", caps), row, 0);
    add("Country", edit("country"), row++, 1);
    add("Phone Number", edit("phone"), row, 0);
    add("Email Address", edit("email"), row++, 1);
    g->addWidget(records_->deletedLabel(), row++, 1);
    g->setRowStretch(row, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    box("modified")->setReadOnly(true);
    records_->setEditPanel(panel_);
}

QLineEdit* TDogForm::box(const QString& field) const
{
    for (QLineEdit* e : panel_->findChildren<QLineEdit*>())
        if (e->objectName() == field) return e;
    return nullptr;
}

bool TDogForm::pickListsShown() const { return breedStack_->currentIndex() == 1; }

void TDogForm::setPickLists(bool on)
{
    if (on) fillLists();
    breedStack_->setCurrentIndex(on ? 1 : 0);
    sexStack_->setCurrentIndex(on ? 1 : 0);
    sources_.dsDogs.refresh();
}

void TDogForm::fillLists()
{
    const QString breed = breedPick_->currentText();
    breedPick_->clear();
    sources_.dsBreed.holdControls();
    for (const std::string& b : Breed_Names(m_)) breedPick_->addItem(QString::fromStdString(b));
    sources_.dsBreed.releaseControls();
    breedPick_->setEditText(breed);

    const SexWords words = sexWords(m_.prefs.sexFormat);
    sexPick_->clear();
    sexPick_->addItems({QString::fromStdString(words.first), QString::fromStdString(words.second)});

    const QString salutation = salutation_->currentText();
    salutation_->clear();
    for (const std::string& s : Salutation_Names(m_)) salutation_->addItem(QString::fromStdString(s));
    salutation_->setEditText(salutation);
}

bool TDogForm::gridShown() const { return centre_->currentWidget() == grid_; }

void TDogForm::ShowGridClick()
{
    const bool show = !gridShown();
    if (show) {
        // The grid's model is made only while the grid is shown: it reads every record
        // of the master, which is not wanted after every save of an entry.
        std::vector<TableModel::Column> columns;
        for (const char* f : kGridFields) columns.push_back({f, f});
        model_ = new TableModel(&sources_.dsDogs, columns, grid_);
        grid_->setModel(model_);
        const int row = model_->rowOfRecNo(m_.Dogs.recNo());
        if (row >= 0) grid_->selectRow(row);
    } else {
        grid_->setModel(nullptr);
        delete model_;
        model_ = nullptr;
    }
    centre_->setCurrentWidget(show ? static_cast<QWidget*>(grid_) : panel_);
    showGrid_->setText(show ? "Hide &Grid" : "Show &Grid");
    showGridMenu_->setText(show ? "Hide Grid" : "Show Grid");
}

void TDogForm::FormActivate()
{
    if (!m_.Dogs.isOpen()) return;
    if (gridShown()) ShowGridClick();
    if (!sources_.dsDogs.editing()) setPickLists(false);
    fillLists();
    records_->hideDeletesAction()->setText(m_.Dogs.hideDeleted() ? "Show Deletes" : "Hide Deletes");
    records_->setOrder(0);
    records_->follow();
    if (QWidget* w = findChild<QToolBar*>()->widgetForAction(records_->findAction())) w->setFocus();
}

void TDogForm::FormDeactivate() { records_->unfollow(); }

bool TDogForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) FormActivate();
    else if (e->type() == QEvent::WindowDeactivate) FormDeactivate();
    return QMainWindow::event(e);
}

} // namespace bw
