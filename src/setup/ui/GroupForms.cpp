#include "setup/ui/GroupForms.h"

#include <QAction>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/DmodSources.h"
#include "app/HelpForm.h"
#include "data/Tdmod.h"
#include "data/ui/FieldLink.h"
#include "data/ui/TableModel.h"
#include "setup/ui/CodeListForms.h"
#include "setup/ui/RecordShell.h"
#include "widgets/RecordMaintenance.h"

namespace bw {

QString TCatGroupForm::lastFind;
QString TBreedForm::lastFind;

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QTableView* makeGrid(TableModel* model, QWidget* parent, xbase::Table* table)
{
    auto* grid = new QTableView(parent);
    grid->setModel(model);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, grid,
                     [model, table](const QModelIndex& idx) {
                         uint32_t rec = model->recNoOfRow(idx.row());
                         if (rec != 0 && rec != table->recNo()) table->go(rec);
                     });
    return grid;
}

// Leaves a shared table as the rest of the program expects it after a window closes.
void releaseTable(RecordMaintenance* rm, xbase::Table* t, const char* order)
{
    rm->unfollow();
    if (!t || !t->isOpen()) return;
    if (t->state() != xbase::TableState::Browse) t->cancel();
    t->setHideDeleted(false);
    t->setOrder(order);
}

// A sample of a catalogue format: lines of which some are bold.
QWidget* sample(const QString& title, const std::vector<std::pair<QString, bool>>& lines, const QString& judges,
                QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* l = new QVBoxLayout(box);
    l->setSpacing(0);
    for (const auto& [text, bold] : lines) l->addWidget(bold ? boldLabel(text, box) : new QLabel(text, box));
    auto* j = new QLabel(judges, box);
    QFont f = j->font();
    f.setItalic(true);
    j->setFont(f);
    l->addWidget(j);
    return box;
}

} // namespace

// ---- sections --------------------------------------------------------------------------

TSectionForm::TSectionForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Show Sections and Catalog Print Format");
    dmod->Open_Sections();
    DataSource* source = &dmodSources->dsSections;
    xbase::Table* table = source->table();

    RecordMaintenance::Config c;
    c.orders = {{"Section Name", "NAME", "Current Index = Section Name", "Section Name", {}}};
    c.onAdd = [table] {
        table->append();
        // A new section starts in the full format until another is chosen.
        table->setFieldBool("full", true);
        table->setFieldBool("brief", false);
        table->setFieldBool("with_score", false);
    };
    c.afterMove = [this] { refreshFormat(); };
    c.afterDeleteToggle = [this] { refreshFormat(); };
    rm_ = new RecordMaintenance(source, dmod->prompter(), c, this);

    RecordShell shell = makeRecordShell(this, *rm_);
    gridButton_ = new QAction("Show &Grid", this);
    auto* closeAction = new QAction("Cl&ose", this);
    connect(closeAction, &QAction::triggered, this, &QDialog::accept);
    connect(gridButton_, &QAction::triggered, this, &TSectionForm::toggleGrid);
    for (QAction* a : {rm_->addAction(), rm_->editAction(), rm_->cancelAction(), rm_->deleteAction(),
                       rm_->saveAction()})
        shell.tools->addAction(a);
    rm_->addNavigator(shell.tools);
    shell.tools->addAction(gridButton_);
    shell.tools->addAction(closeAction);

    shell.menu->addMenu("&File")->addAction("Exit", this, &QDialog::accept);
    gridAction_ = shell.menu->addMenu("&View")->addAction("Show Grid", this, &TSectionForm::toggleGrid);
    shell.menu->addMenu("&Tasks")->addAction(rm_->packAction());
    shell.menu->addAction("Help", this, [this] { showHelp(this, "brindleaddsection.rtf"); });

    auto* panel = new QWidget(this);
    auto* pl = new QVBoxLayout(panel);
    pl->addWidget(rm_->deletedLabel());
    auto* form = new QFormLayout;
    name_ = new QLineEdit(panel);
    name_->setMaxLength(15);
    name_->setMaximumWidth(200);
    form->addRow("Section Name", name_);
    pl->addLayout(form);
    pl->addWidget(boldLabel("Each Show Section name must start with a UNIQUE first letter", panel));
    auto* formatBox = new QGroupBox("Catalog Format", panel);
    auto* fl = new QHBoxLayout(formatBox);
    format_ = new QButtonGroup(formatBox);
    const char* items[] = {"Full Format", "Brief with Money", "With Score Line     "};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(items[i], formatBox);
        format_->addButton(r, i);
        fl->addWidget(r);
    }
    pl->addWidget(formatBox);
    pl->addWidget(new QLabel("     New Section Names CANNOT start with the following letters due to internal program coding:\n"
                             "                     (  B - Breed      A - Agility     O - Obedience )",
                             panel));
    shell.body->addWidget(panel);
    rm_->setEditPanel(panel);
    FieldLink::bind(source, name_, "name");
    connect(format_, &QButtonGroup::idClicked, this, &TSectionForm::formatClicked);
    for (QAction* a : {rm_->addAction(), rm_->editAction()})
        connect(a, &QAction::triggered, this, [this] { name_->setFocus(); });

    samples_ = new QGroupBox("Catalog Format Samples   ", this);
    auto* sl = new QHBoxLayout(samples_);
    sl->addWidget(sample("FULL Format  (Breed)",
                         {{"Armband     Registered Name.", true},
                          {"RegNumber.   Birthdate.   Breeder:  Breeder Name.", false},
                          {"By Sire Name - Dam Name.   Owner:", false},
                          {"Owner Names.", true},
                          {"[Agent: Agent Name.]", true}},
                         "Judge Names printed only at the start of the Section", samples_));
    sl->addWidget(sample("BRIEF Format with Money Calculation  (Sweeps)",
                         {{"(Armband)     Registered Name.", true}, {"Owner:  ", false}, {"Owner Names.", true}},
                         "Judge Name printed at start of Section", samples_));
    sl->addWidget(sample("FULL Format WITH Score Line  (Obedience)",
                         {{"_____  Armband     Registered Name.", true},
                          {"RegNumber.   Birthdate.  Breeder:  Breeder Name. ", false},
                          {" By Sire Name - Dam Name.   Owner: ", false},
                          {"Owner Names.", true},
                          {"[Agent Name.]", true}},
                         "Judge Name printed at start of each Class", samples_));
    shell.body->addWidget(samples_);

    model_ = new TableModel(source,
                            {{"name", "name", kLeft, false, 0},
                             {"full", "full", kLeft, false, 0},
                             {"brief", "brief", kLeft, false, 0},
                             {"with_score", "with_score", kLeft, false, 0}},
                            this);
    grid_ = makeGrid(model_, this, table);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    shell.body->addWidget(grid_, 1);
    grid_->hide();
    connect(rm_->packAction(), &QAction::triggered, this, [this] { model_->reload(); });

    installRecordKeys(this, *rm_);
    rm_->setOrder(0);
    table->first();
    rm_->follow();
    model_->reload();
    refreshFormat();
}

TSectionForm::~TSectionForm()
{
    releaseTable(rm_, dmodSources->dsSections.table(), "NAME");
}

void TSectionForm::refreshFormat()
{
    xbase::Table* t = dmodSources->dsSections.table();
    int item = 2;
    if (t->recNo() != 0 || t->state() == xbase::TableState::Insert)
        item = t->fieldBool("full") ? 0 : t->fieldBool("brief") ? 1 : 2;
    format_->button(item)->setChecked(true);
}

void TSectionForm::formatClicked(int item)
{
    xbase::Table* t = dmodSources->dsSections.table();
    if (t->state() == xbase::TableState::Browse) {
        refreshFormat();  // browsing: the click changes nothing
        return;
    }
    t->setFieldBool("full", item == 0);
    t->setFieldBool("brief", item == 1);
    t->setFieldBool("with_score", item == 2);
}

void TSectionForm::toggleGrid()
{
    if (bw::toggleGrid(grid_, samples_, gridButton_, gridAction_)) model_->reload();
}

// ---- catalogue groups ------------------------------------------------------------------

TCatGroupForm::TCatGroupForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Catalog Groupings");
    dmod->Open_CatGroups();
    DataSource* source = &dmodSources->dsCatGroups;
    xbase::Table* table = source->table();

    RecordMaintenance::Config c;
    c.orders = {{"Catalog Group Code", "code", "Current Index = Cat Group Code", "Cat-Group Code", {}},
                {"Section && Code", "section", "Current Index = Section + Code", "Section", {}}};
    c.findIcon = "?";
    c.notFoundIcon = "I";
    c.deleteQuestion = "Delete record?";
    c.hideDeletesCaption = "&Hide Deletes";
    c.showDeletesCaption = "S&how Deletes";
    c.lastFindText = &lastFind;
    rm_ = new RecordMaintenance(source, dmod->prompter(), c, this);
    rm_->editAction()->setToolTip("Edit current record");
    rm_->addAction()->setText("&Add ");
    rm_->addAction()->setToolTip("Add a new record");
    rm_->deleteAction()->setToolTip("Mark record for Deletion");
    rm_->saveAction()->setToolTip("Save the current changes");
    rm_->cancelAction()->setToolTip("Cancel current changes");

    RecordShell shell = makeRecordShell(this, *rm_);
    gridButton_ = new QAction("Show &Grid", this);
    auto* closeAction = new QAction("C&lose", this);
    connect(closeAction, &QAction::triggered, this, &QDialog::accept);
    connect(gridButton_, &QAction::triggered, this, &TCatGroupForm::toggleGrid);
    rm_->addNavigator(shell.tools);
    for (QAction* a : {rm_->editAction(), rm_->addAction(), rm_->deleteAction(), rm_->saveAction(),
                       rm_->cancelAction(), gridButton_, rm_->hideDeletesAction(), closeAction})
        shell.tools->addAction(a);

    shell.menu->addMenu("&File")->addAction("Exit", this, &QDialog::accept);
    shell.menu->addAction(rm_->findAction());
    QMenu* view = shell.menu->addMenu("&View");
    gridAction_ = view->addAction("Show Grid", this, &TCatGroupForm::toggleGrid);
    view->addAction(rm_->hideDeletesAction());
    rm_->fillIndexMenu(shell.menu->addMenu("&Index"));
    QMenu* reports = shell.menu->addMenu("&Reports");
    reports->addAction("List of Codes", this, [this] { listOfCodes(false); });
    reports->addAction("Full List", this, [this] { listOfCodes(true); });
    shell.menu->addMenu("&Tasks")->addAction(rm_->packAction());
    shell.menu->addAction("Help");

    panel_ = new QWidget(this);
    auto* form = new QFormLayout(panel_);
    code_ = new QLineEdit(panel_);
    code_->setMaxLength(3);
    code_->setMaximumWidth(60);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(code_);
    codeRow->addStretch();
    codeRow->addWidget(rm_->deletedLabel());
    form->addRow("Catalog Group", codeRow);
    auto addEdit = [&](const QString& label, const char* field, int width) {
        auto* e = new QLineEdit(panel_);
        e->setMaxLength(width);
        form->addRow(label, e);
        FieldLink::bind(source, e, field);
        return e;
    };
    addEdit("Description", "descript", 30);
    addEdit("Show Section", "section", 15);
    addEdit("Header", "header", 80);
    form->addRow("", new QLabel("Data to be printed in the Catalog - BEFORE the Group in BOLD type.", panel_));
    for (int k = 1; k <= 7; ++k)
        addEdit("Footer " + QString::number(k), ("footer" + std::to_string(k)).c_str(), 80);
    form->addRow("", new QLabel("Data to be printed in the Catalog - AFTER the Group in BOLD type.", panel_));
    shell.body->addWidget(panel_);
    rm_->setEditPanel(panel_);
    FieldLink::Options caps;
    caps.keyFilter = &FieldLink::capitals;
    FieldLink::bind(source, code_, "cat_group", caps);
    for (QAction* a : {rm_->addAction(), rm_->editAction()})
        connect(a, &QAction::triggered, this, [this] { code_->setFocus(); });

    model_ = new TableModel(source,
                            {{"cat_group", "Code", kLeft, true, 0},
                             {"section", "Section", kLeft, true, 0},
                             {"descript", "Description", kLeft, true, 0},
                             {"header", "Header", kLeft, true, 0}},
                            this);
    grid_ = makeGrid(model_, this, table);
    shell.body->addWidget(grid_, 1);
    grid_->hide();
    for (QAction* a : rm_->orderActions()) connect(a, &QAction::triggered, this, [this] { model_->reload(); });
    connect(rm_->hideDeletesAction(), &QAction::triggered, this, [this, table] {
        table->first();
        model_->reload();
    });
    connect(rm_->packAction(), &QAction::triggered, this, [this] { model_->reload(); });

    installRecordKeys(this, *rm_);
    table->setHideDeleted(false);
    rm_->hideDeletesAction()->setText("&Hide Deletes");
    rm_->setOrder(0);
    table->first();
    rm_->follow();
    model_->reload();
    resize(720, 600);
}

TCatGroupForm::~TCatGroupForm()
{
    releaseTable(rm_, dmodSources->dsCatGroups.table(), "CODE");
}

void TCatGroupForm::toggleGrid()
{
    if (bw::toggleGrid(grid_, panel_, gridButton_, gridAction_)) model_->reload();
}

void TCatGroupForm::listOfCodes(bool fullList)
{
    rm_->setOrder(fullList ? 0 : 1);
    rm_->unfollow();
    {
        TCatGrpListForm list(this);
        list.exec();
    }
    rm_->follow();
    model_->reload();
}

// ---- breeds ----------------------------------------------------------------------------

TBreedForm::TBreedForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Breeds & Varieties Database");
    dmod->Open_Breeds();
    DataSource* source = &dmodSources->dsBreed;
    xbase::Table* table = source->table();

    RecordMaintenance::Config c;
    c.orders = {{"Breed Name", "breedname", "Current Index = Brees Name", "Breed Name", {}},
                {"Group Name + Breed Name", "GroupNAME", "Current Index = Group Name", "Group Name", {}},
                {"Group # + Breed Name", "SortNum", "Current Index = Group Number", "Group Number + Breed Name", {}}};
    c.findCaption = "Find Record";
    c.notFoundIcon = "I";
    c.deleteQuestion = "Delete record?";
    c.findPresetWidth = 30;
    c.notFoundNamesOrder = false;
    c.lastFindText = &lastFind;
    rm_ = new RecordMaintenance(source, dmod->prompter(), c, this);

    // A breed is changed only after Add or Edit: typing a new name into the box must not
    // overwrite the breed shown.
    source->setAutoEdit(false);
    RecordShell shell = makeRecordShell(this, *rm_);
    auto* closeAction = new QAction("C&lose", this);
    connect(closeAction, &QAction::triggered, this, &QDialog::accept);
    shell.tools->addWidget(rm_->deletedLabel());
    rm_->addNavigator(shell.tools);
    for (QAction* a : {rm_->editAction(), rm_->saveAction(), rm_->cancelAction(), rm_->addAction(),
                       rm_->findAction(), closeAction, rm_->deleteAction()})
        shell.tools->addAction(a);
    QMenu* file = shell.menu->addMenu("&File");
    file->addAction("Close", this, &QDialog::accept);
    file->addAction("Exit Program", this, &QDialog::accept);
    rm_->fillIndexMenu(shell.menu->addMenu("&Index"));

    // The record being added or edited, field by field above the grid: a new breed has
    // no row in the grid until it is saved.
    auto* strip = new QHBoxLayout;
    auto addEdit = [&](const QString& label, const char* field, int width, int stretch) {
        auto* box = new QVBoxLayout;
        box->addWidget(new QLabel(label, this));
        auto* e = new QLineEdit(this);
        e->setMaxLength(width);
        box->addWidget(e);
        strip->addLayout(box, stretch);
        FieldLink::bind(source, e, field);
        return e;
    };
    breed_ = addEdit("Breed Name", "breed_name", 45, 4);
    addEdit("Group Name", "group", 10, 2);
    addEdit("GrpNum", "grpsort", 1, 1);
    addEdit("breed_type", "breed_type", 12, 2);
    shell.body->addLayout(strip);

    model_ = new TableModel(source,
                            {{"breed_name", "Breed Name", kLeft, true, 0},
                             {"group", "Group Name", kLeft, true, 0},
                             {"grpsort", "GrpNum", kLeft, true, 0},
                             {"breed_type", "breed_type", kLeft, true, 0}},
                            this);
    grid_ = makeGrid(model_, this, table);
    grid_->setColumnWidth(0, 300);
    shell.body->addWidget(grid_, 1);
    for (QAction* a : rm_->orderActions()) connect(a, &QAction::triggered, this, [this] { model_->reload(); });
    connect(rm_->addAction(), &QAction::triggered, this, [this] { breed_->setFocus(); });
    connect(rm_->editAction(), &QAction::triggered, this, [this] { breed_->setFocus(); });
    auto selectCurrent = [this, table] {
        int row = model_->rowOfRecNo(table->recNo());
        if (row >= 0 && grid_->currentIndex().row() != row)
            grid_->setCurrentIndex(model_->index(row, std::max(0, grid_->currentIndex().column())));
    };
    connect(source, &DataSource::afterMove, this, selectCurrent);

    installRecordKeys(this, *rm_);
    rm_->setOrder(0);
    table->first();
    rm_->follow();
    model_->reload();
    selectCurrent();
    resize(720, 520);
}

TBreedForm::~TBreedForm()
{
    dmodSources->dsBreed.setAutoEdit(true);
    releaseTable(rm_, dmodSources->dsBreed.table(), "BREEDNAME");
}

} // namespace bw
