#include "setup/ui/ClassForm.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/DmodSources.h"
#include "app/HelpForm.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "data/ui/FieldLink.h"
#include "data/ui/TableModel.h"
#include "setup/ui/RecordShell.h"
#include "setup/ui/SetupWindows.h"
#include "widgets/RecordMaintenance.h"

namespace bw {

QString TClassForm::lastFind;

namespace {

QLabel* note(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    l->setFont(f);
    return l;
}

// The grid of the library: codes typed into it are stored in capitals too.
class LibraryModel : public TableModel {
public:
    using TableModel::TableModel;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        const QString field = index.isValid() ? columns()[size_t(index.column())].field : QString();
        const bool code = field == "sex" || field == "allkey" || field == "cat_group";
        return TableModel::setData(index, code ? QVariant(value.toString().toUpper()) : value, role);
    }
};

} // namespace

TClassForm::TClassForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Show Sections and Class Descriptions");
    dmod->Open_AllClasses();
    dmod->Open_Sections();
    DataSource* source = &dmodSources->dsAllClass;
    xbase::Table* table = source->table();

    RecordMaintenance::Config c;
    c.orders = {{"AllKey Sort Order", "SrtKey", "Current Index = Sort Key Order", "Sort Key", {}},
                {"Class Name + Section", "Name", "Current Index = Class Name + Section", "Class Name", {}},
                {"Section && Class Name", "Combo", "Current Index = Section & Class Name", "Section Name", {}},
                {"Input Order", "", "Current Index = Input Order", "Record Number", {}}};
    c.findIcon = "?";
    c.notFoundIcon = "I";
    c.hideDeletesCaption = "Hide Deletes";
    c.showDeletesCaption = "S&how Deletes";
    c.lastFindText = &lastFind;
    c.onAdd = [this, table] {
        showSectionPick(true);
        table->append();
    };
    c.onEdit = [this, table] {
        showSectionPick(true);
        if (table->recNo() != 0) table->edit();
    };
    c.onSave = [this] { saveRecord(); };
    c.onCancel = [this, table] {
        showSectionPick(false);
        table->cancel();
    };
    c.afterMove = [this] { refreshPreview(); };
    c.afterDeleteToggle = [this] { refreshPreview(); };
    rm_ = new RecordMaintenance(source, dmod->prompter(), c, this);
    rm_->addAction()->setToolTip("Add a new Entry");
    rm_->editAction()->setToolTip("Edit the current Entry");
    rm_->deleteAction()->setToolTip("Toggle Delete/UnDelete");
    rm_->cancelAction()->setToolTip("Cancel the current edits");
    rm_->saveAction()->setToolTip("Save the current data");

    RecordShell shell = makeRecordShell(this, *rm_);
    gridButton_ = new QAction("Show &Grid", this);
    auto* closeAction = new QAction("Cl&ose", this);
    connect(closeAction, &QAction::triggered, this, &QDialog::accept);
    connect(gridButton_, &QAction::triggered, this, &TClassForm::toggleGrid);
    rm_->addNavigator(shell.tools);
    for (QAction* a : {gridButton_, rm_->hideDeletesAction(), rm_->addAction(), rm_->editAction(),
                       rm_->deleteAction(), rm_->cancelAction(), rm_->saveAction(), closeAction})
        shell.tools->addAction(a);

    QMenu* file = shell.menu->addMenu("&File");
    file->addAction("E&xit", this, &QDialog::accept);
    shell.menu->addAction(rm_->findAction());
    QMenu* view = shell.menu->addMenu("&View");
    gridAction_ = view->addAction("Show &Grid", this, &TClassForm::toggleGrid);
    view->addAction(rm_->hideDeletesAction());
    rm_->fillIndexMenu(shell.menu->addMenu("&Index"));
    QMenu* reports = shell.menu->addMenu("&Reports");
    reports->addAction("List of Codes", this, [this] {
        openClassCodeList(this, false);
        // The list may have shown or hidden the deleted classes: follow it.
        const bool hidden = dmod->AllClasses.hideDeleted();
        rm_->hideDeletesAction()->setText(hidden ? "S&how Deletes" : "Hide Deletes");
        dmodSources->dsAllClass.refresh();
        model_->reload();
        refreshPreview();
    });
    QMenu* tasks = shell.menu->addMenu("&Tasks");
    tasks->addAction(rm_->packAction());
    QMenu* help = shell.menu->addMenu("&Help");
    help->addAction("Help", this, [this] { showHelp(this, "brindleclassinfo.rtf"); });

    // Catalogue preview.
    auto* previewBox = new QGroupBox("Catalog Preview", this);
    auto* pl = new QVBoxLayout(previewBox);
    pl->addWidget(new QLabel("Displays the Class Description which will be printed in the Catalog", previewBox));
    auto* previewRow = new QHBoxLayout;
    preview_ = new QLineEdit(previewBox);
    preview_->setReadOnly(true);
    previewRow->addWidget(preview_, 1);
    previewRow->addWidget(rm_->deletedLabel());
    pl->addLayout(previewRow);
    shell.body->addWidget(previewBox);

    // Edit panel.
    panel_ = new QWidget(this);
    auto* form = new QFormLayout(panel_);
    sectionStack_ = new QStackedWidget(panel_);
    sectionEdit_ = new QLineEdit(sectionStack_);
    sectionEdit_->setMaxLength(15);
    sectionPick_ = new QComboBox(sectionStack_);
    sectionStack_->addWidget(sectionEdit_);
    sectionStack_->addWidget(sectionPick_);
    sectionStack_->setMaximumHeight(sectionEdit_->sizeHint().height() + 4);
    className_ = new QLineEdit(panel_);
    className_->setMaxLength(40);
    sex_ = new QLineEdit(panel_);
    sex_->setMaxLength(1);
    sex_->setMaximumWidth(40);
    group_ = new QLineEdit(panel_);
    group_->setMaxLength(3);
    group_->setMaximumWidth(60);
    allKey_ = new QLineEdit(panel_);
    allKey_->setMaxLength(4);
    allKey_->setMaximumWidth(70);
    form->addRow("Section", sectionStack_);
    form->addRow("Class Name", className_);
    form->addRow("Sex Code", sex_);
    form->addRow("", note("The Sex Code must match the first letter of the Sex Format chosen under General "
                          "Preferences. Leave it blank when the class is not divided by sex: the entry's own "
                          "sex is then printed in the catalog for breed section entries.", panel_));
    form->addRow("Catalog Group Code", group_);
    form->addRow("", note("The Catalog Group Code decides the special printing before or after the group "
                          "within a section, such as the regular breed classes and the Not For Competition "
                          "class.", panel_));
    form->addRow("AllClass Key", allKey_);
    form->addRow("", note("A unique 4-digit code giving the order of the classes in this database; it is never "
                          "printed in the catalog. Its first letter usually corresponds to the Catalog Group "
                          "Code.", panel_));
    form->addRow("", note("Each Section will automatically start with a new page when the catalog is printed "
                          "unless chosen differently under Catalog Preferences", panel_));
    shell.body->addWidget(panel_);
    rm_->setEditPanel(panel_);

    FieldLink::Options caps;
    caps.keyFilter = &FieldLink::capitals;
    FieldLink::bind(source, sectionEdit_, "section");
    FieldLink::bind(source, sectionPick_, "section");
    FieldLink::bind(source, className_, "classname");
    FieldLink::bind(source, sex_, "sex", caps);
    FieldLink::bind(source, group_, "cat_group", caps);
    FieldLink::bind(source, allKey_, "allkey", caps);

    // Grid.
    model_ = new LibraryModel(source,
                            {{"section", "Section", Qt::AlignLeft | Qt::AlignVCenter, true, 0},
                             {"classname", "Class Name", Qt::AlignLeft | Qt::AlignVCenter, true, 0},
                             {"sex", "Sex", Qt::AlignLeft | Qt::AlignVCenter, true, 0},
                             {"allkey", "AllClass Key", Qt::AlignLeft | Qt::AlignVCenter, true, 0},
                             {"cat_group", "Cat_Group", Qt::AlignLeft | Qt::AlignVCenter, true, 0}},
                            this);
    grid_ = new QTableView(this);
    grid_->setModel(model_);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : {rm_->deleteAction(), rm_->editAction(), rm_->addAction(), rm_->saveAction(),
                       rm_->cancelAction()})
        grid_->addAction(a);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, table](const QModelIndex& idx) {
                uint32_t rec = model_->recNoOfRow(idx.row());
                if (rec != 0 && rec != table->recNo()) table->go(rec);
            });
    shell.body->addWidget(grid_, 1);
    grid_->hide();
    for (QAction* a : rm_->orderActions())
        connect(a, &QAction::triggered, this, [this] { model_->reload(); refreshPreview(); });
    connect(rm_->hideDeletesAction(), &QAction::triggered, this, [this] { model_->reload(); refreshPreview(); });
    connect(rm_->packAction(), &QAction::triggered, this, [this] { model_->reload(); });

    // After Add or Edit the typing starts in the first box.
    for (QAction* a : {rm_->addAction(), rm_->editAction()})
        connect(a, &QAction::triggered, this, [this] { sectionPick_->setFocus(); });
    installRecordKeys(this, *rm_);

    // Activation: panels in front, deleted records hidden, allkey order, first record.
    showSectionPick(false);
    table->setHideDeleted(true);
    rm_->hideDeletesAction()->setText("S&how Deletes");
    rm_->setOrder(0);
    table->first();
    rm_->follow();
    model_->reload();
    refreshPreview();
    resize(720, 560);
}

TClassForm::~TClassForm()
{
    rm_->unfollow();
    if (xbase::Table* t = dmodSources->dsAllClass.table(); t && t->isOpen()) {
        if (t->state() != xbase::TableState::Browse) t->cancel();
        t->setHideDeleted(false);
        t->setOrder("SRTKEY");
    }
}

void TClassForm::showSectionPick(bool pick)
{
    if (pick) {
        // The names of the sections table, sorted.
        QStringList names;
        xbase::Table& s = dmod->Sections;
        for (uint32_t r = 1; r <= s.recordCount(); ++r) {
            if (s.peek(0, r) == "*") continue;
            QString n = QString::fromStdString(trimRight(s.peek(s.fieldNumber("name"), r)));
            if (!n.isEmpty() && !names.contains(n)) names << n;
        }
        names.sort(Qt::CaseInsensitive);
        const QString current = sectionEdit_->text();
        sectionPick_->blockSignals(true);
        sectionPick_->clear();
        sectionPick_->addItems(names);
        sectionPick_->setCurrentIndex(names.indexOf(current));
        sectionPick_->blockSignals(false);
    }
    sectionStack_->setCurrentIndex(pick ? 1 : 0);
}

void TClassForm::saveRecord()
{
    xbase::Table* t = dmodSources->dsAllClass.table();
    showSectionPick(false);
    if (t->state() == xbase::TableState::Browse) return;
    // Codes are stored in capitals, however they were typed.
    for (const char* f : {"sex", "allkey", "cat_group"}) {
        const std::string v = t->fieldText(f);
        if (!trim(v).empty()) t->setField(f, upperAscii(trimRight(v)));
    }
    t->post();
    if (grid_->isVisible()) model_->reload();
}

void TClassForm::refreshPreview()
{
    xbase::Table* t = dmodSources->dsAllClass.table();
    if (!t || !t->isOpen() || t->recNo() == 0) {
        preview_->clear();
        return;
    }
    preview_->setText(QString::fromStdString(upperAscii(t->text("section")) + "     " + t->text("classname")));
    QPalette p;
    if (t->deleted()) p.setColor(QPalette::Base, QColor(128, 128, 128));
    preview_->setPalette(p);
}

void TClassForm::toggleGrid()
{
    if (bw::toggleGrid(grid_, panel_, gridButton_, gridAction_)) model_->reload();
}

} // namespace bw
