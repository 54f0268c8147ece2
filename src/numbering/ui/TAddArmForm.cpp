#include "numbering/ui/TAddArmForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/IniFile.h"
#include "data/Settings.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "data/ui/DataSource.h"
#include "data/ui/TableModel.h"
#include "numbering/ExhibitNumbers.h"
#include "widgets/RecordMaintenance.h"

namespace bw {

namespace {

constexpr int kArmWidth = 5;  // the characters the arm field holds

// The exhibit number's editor takes no more than the field holds.
class ExhibitNumberDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(kArmWidth);
        return editor;
    }
};

// The grid's model. Posting an exhibit number changes none of the grid's rows (except
// in the order on the numbers themselves), so the grid is not reloaded under the open
// editor: it keeps its current cell, and a move to another row that saved the number
// goes on to that row. In the order on the numbers the rows are reloaded afterwards.
class ExhibitGridModel : public TableModel {
public:
    ExhibitGridModel(DataSource* source, std::vector<Column> columns, QObject* parent)
        : TableModel(source, std::move(columns), parent), source_(source)
    {
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        // An editor closed without a change writes nothing (and reloads nothing).
        if (role == Qt::EditRole && value.toString() == data(index, Qt::EditRole).toString()) return true;
        bool saved = false;
        {
            const QSignalBlocker still(source_);
            saved = TableModel::setData(index, value, role);
        }
        xbase::Table* t = source_->table();
        if (saved && t && equalsNoCase(t->currentTag(), "ARMBAND"))
            QTimer::singleShot(0, this, [this] { reload(); });
        return saved;
    }

private:
    DataSource* source_;
};

// Holds the controls that follow the entries table still while a routine walks it,
// however the routine ends.
class WalkGuard {
public:
    explicit WalkGuard(DataSource& source) : source_(source) { source_.holdControls(); }
    ~WalkGuard() { source_.releaseControls(); }

private:
    DataSource& source_;
};

} // namespace

TAddArmForm::TAddArmForm(Tdmod& module, DataSource& entries, QWidget* parent)
    : QDialog(parent), m_(module), source_(entries)
{
    setWindowTitle(tr("Add Armband Numbers"));
    setSizeGripEnabled(true);
    resize(900, 620);

    RecordMaintenance::Config config;
    for (const ExhibitOrder& o : exhibitOrders())
        config.orders.push_back({o.menuText, o.tag, o.statusText, o.menuText, {}});
    config.initialOrder = 0;
    rm_ = new RecordMaintenance(&source_, m_.prompter(), config, this);
    rm_->deletedLabel()->hide();
    QAction* hideDeletes = rm_->hideDeletesAction();
    hideDeletes->setToolTip(tr("Hide or Show Deleted Records"));
    hideDeletes->setStatusTip(tr("Hide or Show Deleted Records"));

    // ---- menus ----
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(tr("&File"));
    file->addAction(tr("Exit"), this, &TAddArmForm::CloseClick);
    QMenu* index = menus->addMenu(tr("&Index"));
    rm_->fillIndexMenu(index);
    QMenu* tasks = menus->addMenu(tr("&Tasks"));
    enableAutoAssign_ = tasks->addAction(tr("Enable Auto Assign"), this, &TAddArmForm::EnableAutoAssignClick);
    tasks->addAction(hideDeletes);
    menus->addAction(tr("Help"));  // no help page of its own

    // ---- top panel ----
    auto* navigator = new QToolBar(this);
    rm_->addNavigator(navigator);
    close_ = new QPushButton(tr("Close"), this);
    close_->setToolTip(tr("Close Window"));
    close_->setStatusTip(tr("Close Window"));
    connect(close_, &QPushButton::clicked, this, &TAddArmForm::CloseClick);
    hideDeletesButton_ = new QToolButton(this);
    hideDeletesButton_->setDefaultAction(hideDeletes);
    hideDeletesButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    hideDeletesButton_->setMinimumWidth(close_->sizeHint().width());
    autoAssign_ = new QPushButton(tr("Auto Assign"), this);
    autoAssign_->setToolTip(tr("Auto Assign Numbers based on index"));
    autoAssign_->setStatusTip(tr("Auto Assign Numbers based on index"));
    autoAssign_->setAutoDefault(false);
    close_->setAutoDefault(false);
    connect(autoAssign_, &QPushButton::clicked, this, &TAddArmForm::AutoAssignClick);
    auto* startLabel = new QLabel(tr("Start with #"), this);
    startBox_ = new QLineEdit("101", this);
    startBox_->setMaximumWidth(70);
    startLabel->setBuddy(startBox_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(navigator);
    buttons->addSpacing(12);
    buttons->addWidget(close_);
    buttons->addWidget(hideDeletesButton_);
    buttons->addSpacing(12);
    buttons->addWidget(autoAssign_);
    buttons->addSpacing(12);
    buttons->addWidget(startLabel);
    buttons->addWidget(startBox_);
    buttons->addStretch(1);
    auto* note1 = new QLabel(tr("Editing allowed only in Exhibit # Field"), this);
    auto* note2 = new QLabel(
        tr("To Assign Numbers, Enter the Starting # then click Auto Assign or manually enter the # in the grid"), this);
    QFont bold = note1->font();
    bold.setBold(true);
    note1->setFont(bold);

    // ---- grid ----
    using Column = TableModel::Column;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    model_ = new ExhibitGridModel(&source_,
                            {Column{"dog", tr("Dog's Name"), left, false, 330},
                             Column{"sex", tr("Sex"), left, false, 60},
                             Column{"classes", tr("Classes Entered"), left, false, 200},
                             Column{"firstclass", tr("First Class"), right, false, 80},
                             Column{"arm", tr("Exhibit #"), left, true, 90}},
                            this);
    grid_ = new QTableView(this);
    grid_->setModel(model_);
    grid_->setItemDelegateForColumn(kExhibitColumn, new ExhibitNumberDelegate(grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The exhibit number's editor stands open on the current cell; any key edits.
    grid_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                           QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->verticalHeader()->hide();
    for (int c = 0; c < int(model_->columns().size()); ++c)
        grid_->setColumnWidth(c, model_->columns()[size_t(c)].width);
    // The dog's name takes the width the window gives beyond the other columns.
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_ || !current.isValid()) return;
                xbase::Table* t = source_.table();
                const uint32_t rec = model_->recNoOfRow(current.row());
                if (t && t->isOpen() && rec != 0 && rec != t->recNo()) t->go(rec);
            });
    // A reload (after an order or a hiding change, or Auto Assign) starts the view
    // afresh: the editor, whose number is saved by then, is closed first, and the
    // current cell is put back on the table's record afterwards.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        // Taking the focus from the editor lets it hand its text over while the view
        // still knows it.
        if (grid_->focusWidget() && grid_->focusWidget() != grid_) grid_->setFocus();
        const QModelIndex current = grid_->currentIndex();
        if (QWidget* editor = current.isValid() ? grid_->indexWidget(current) : nullptr)
            QMetaObject::invokeMethod(grid_, "closeEditor", Q_ARG(QWidget*, editor),
                                      Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
    });
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { QTimer::singleShot(0, this, &TAddArmForm::followTableInGrid); });
    connect(&source_, &DataSource::afterMove, this, [this] {
        if (active_) followTableInGrid();
    });
    for (QAction* a : rm_->orderActions()) connect(a, &QAction::triggered, this, &TAddArmForm::reloadGrid);
    connect(hideDeletes, &QAction::triggered, this, &TAddArmForm::reloadGrid);

    // ---- status bar: hint, show, record, order ----
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    showLabel_ = new QLabel(tr("Show #"), this);
    statusBar_->addPermanentWidget(showLabel_);
    statusBar_->addPermanentWidget(rm_->recordLabel());
    statusBar_->addPermanentWidget(rm_->orderLabel());
    for (QLabel* l : {showLabel_, rm_->recordLabel(), rm_->orderLabel()}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(110);
    }
    rm_->orderLabel()->setMinimumWidth(300);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->setMenuBar(menus);
    auto* top = new QVBoxLayout;
    top->setContentsMargins(8, 4, 8, 4);
    top->addLayout(buttons);
    top->addWidget(note1);
    top->addWidget(note2);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addWidget(statusBar_);
}

TAddArmForm::~TAddArmForm()
{
    FormDeactivate();
}

void TAddArmForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!active_) FormActivate();
}

void TAddArmForm::closeEvent(QCloseEvent* e)
{
    postPendingEdit();
    FormDeactivate();
    QDialog::closeEvent(e);
}

bool TAddArmForm::event(QEvent* e)
{
    // The first status panel shows the hint of whatever the mouse is over.
    if (e->type() == QEvent::StatusTip) {
        statusBar_->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void TAddArmForm::FormActivate()
{
    xbase::Table* t = source_.table();
    if (!t || !t->isOpen()) return;
    active_ = true;

    // The numbering mode, read as the entry window reads it, becomes the program's.
    m_.prefs.armbands = readPreferences(IniFile(m_.SettingsPath())).armbands;
    switch (m_.prefs.numberingMode()) {
    case 'A':
    case 'M': autoAssign_->setEnabled(true); break;
    case 'I': autoAssign_->setEnabled(false); break;
    default: break;  // left as it was
    }

    savedOrder_ = t->currentTag();
    savedHideDeleted_ = t->hideDeleted();
    rm_->follow();
    t->setHideDeleted(false);
    rm_->hideDeletesAction()->setText(tr("Hide Deletes"));
    rm_->setOrder(0);
    t->first();
    showLabel_->setText("Show # " + QString::number(m_.show.showNum).rightJustified(5, ' '));
    reloadGrid();
}

void TAddArmForm::FormDeactivate()
{
    if (!active_) return;
    active_ = false;
    rm_->unfollow();
    xbase::Table* t = source_.table();
    if (!t || !t->isOpen()) return;
    // The table goes back to the order and hiding it had; the record shown stays.
    t->setHideDeleted(savedHideDeleted_);
    t->setOrder(savedOrder_);
    source_.refresh();
}

void TAddArmForm::reloadGrid()
{
    postPendingEdit();
    model_->reload();
    followTableInGrid();
}

void TAddArmForm::followTableInGrid()
{
    xbase::Table* t = source_.table();
    if (!t || !t->isOpen()) return;
    const int row = model_->rowOfRecNo(t->recNo());
    if (row < 0) return;
    const int column = grid_->currentIndex().isValid() ? grid_->currentIndex().column() : kExhibitColumn;
    if (grid_->currentIndex().row() == row && grid_->currentIndex().column() == column) return;
    syncing_ = true;
    grid_->setCurrentIndex(model_->index(row, column));
    grid_->scrollTo(model_->index(row, column));
    syncing_ = false;
}

void TAddArmForm::postPendingEdit()
{
    // An exhibit number still in the grid's editor is saved first.
    const QModelIndex current = grid_->currentIndex();
    if (QWidget* editor = current.isValid() ? grid_->indexWidget(current) : nullptr)
        QMetaObject::invokeMethod(grid_, "commitData", Q_ARG(QWidget*, editor));
    xbase::Table* t = source_.table();
    if (t && t->isOpen() &&
        (t->state() == xbase::TableState::Edit || t->state() == xbase::TableState::Insert))
        t->post();
}

void TAddArmForm::AutoAssignClick()
{
    xbase::Table* t = source_.table();
    if (!t || !t->isOpen() || !autoAssign_->isEnabled()) return;
    postPendingEdit();
    const int start = Lenient_Int(startBox_->text().toStdString());
    {
        WalkGuard guard(source_);
        AutoAssign(*t, start, m_.prompter());
    }
    reloadGrid();
    rm_->showPosition();
}

void TAddArmForm::EnableAutoAssignClick()
{
    autoAssign_->setEnabled(true);
}

void TAddArmForm::CloseClick()
{
    postPendingEdit();
    close();
}

} // namespace bw
