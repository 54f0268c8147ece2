#include "widgets/RecordMaintenance.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QToolBar>

#include "data/Prompter.h"
#include "data/Text.h"
#include "data/ui/DataSource.h"

namespace bw {

namespace {

QString rightAligned(long n, int width)
{
    return QString::number(n).rightJustified(width, ' ');
}

// Restores the normal cursor when a long command ends, however it ends.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

const char* RecordMaintenance::packQuestion()
{
    return "Packing the database will permanently remove;    all the records marked as "
           "\"Deleted\".;;    Are you sure that is what you want?";
}

RecordMaintenance::RecordMaintenance(DataSource* source, Prompter& prompter, Config config,
                                     QWidget* window)
    : QObject(window), source_(source), prompter_(prompter), config_(std::move(config)),
      window_(window)
{
    if (!config_.lastFindText)
        config_.lastFindText = &ownFindText_;

    first_ = makeAction(tr("First"), tr("First record"), nullptr);
    prior_ = makeAction(tr("Prior"), tr("Prior record"), nullptr);
    next_ = makeAction(tr("Next"), tr("Next record"), nullptr);
    last_ = makeAction(tr("Last"), tr("Last record"), nullptr);
    connect(first_, &QAction::triggered, this, [this] { if (auto* t = source_->table()) t->first(); });
    connect(prior_, &QAction::triggered, this, [this] { if (auto* t = source_->table()) t->prior(); });
    connect(next_, &QAction::triggered, this, [this] { if (auto* t = source_->table()) t->next(); });
    connect(last_, &QAction::triggered, this, [this] { if (auto* t = source_->table()) t->last(); });
    first_->setIcon(QIcon::fromTheme("go-first"));
    prior_->setIcon(QIcon::fromTheme("go-previous"));
    next_->setIcon(QIcon::fromTheme("go-next"));
    last_->setIcon(QIcon::fromTheme("go-last"));

    add_ = makeAction(tr("&Add"), tr("Add a new Entry"), &RecordMaintenance::doAdd);
    edit_ = makeAction(tr("&Edit"), tr("Edit the current Entry"), &RecordMaintenance::doEdit);
    delete_ = makeAction(config_.deleteCaption, tr("Toggle Delete/UnDelete"),
                         &RecordMaintenance::doDeleteToggle);
    save_ = makeAction(tr("&Save"), tr("Save the current data"), &RecordMaintenance::doSave);
    cancel_ = makeAction(tr("&Cancel"), tr("Cancel the current edits"), &RecordMaintenance::doCancel);
    find_ = makeAction(tr("&Find"), tr("Find by the current index"), &RecordMaintenance::doFind);
    hideDeletes_ = makeAction(config_.hideDeletesCaption, QString(), &RecordMaintenance::doHideDeletes);
    pack_ = makeAction(tr("Permanently Remove Deletes"), QString(), &RecordMaintenance::doPack);

    orderGroup_ = new QActionGroup(this);
    orderGroup_->setExclusive(true);
    for (size_t i = 0; i < config_.orders.size(); ++i) {
        auto* a = new QAction(config_.orders[i].menuText, this);
        a->setCheckable(true);
        orderGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { setOrder(int(i)); });
        orderActions_.push_back(a);
    }

    recordLabel_ = new QLabel(config_.recordPrefix.trimmed(), window);
    orderLabel_ = new QLabel(tr("Current Index ="), window);
    deletedLabel_ = new QLabel(window);
    QFont f = deletedLabel_->font();
    f.setBold(true);
    deletedLabel_->setFont(f);
    QPalette p = deletedLabel_->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    deletedLabel_->setPalette(p);

    currentOrder_ = config_.initialOrder;
    if (currentOrder_ >= 0 && size_t(currentOrder_) < orderActions_.size())
        orderActions_[size_t(currentOrder_)]->setChecked(true);
    updateInterface();
}

RecordMaintenance::~RecordMaintenance()
{
    unfollow();
}

QAction* RecordMaintenance::makeAction(const QString& text, const QString& hint,
                                       void (RecordMaintenance::*slot)())
{
    auto* a = new QAction(text, this);
    if (!hint.isEmpty()) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    }
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    return a;
}

void RecordMaintenance::fillIndexMenu(QMenu* menu) const
{
    for (QAction* a : orderActions_)
        menu->addAction(a);
}

void RecordMaintenance::addNavigator(QToolBar* bar) const
{
    bar->addAction(first_);
    bar->addAction(prior_);
    bar->addAction(next_);
    bar->addAction(last_);
}

void RecordMaintenance::follow()
{
    if (following_)
        return;
    following_ = true;
    moveConn_ = connect(source_, &DataSource::afterMove, this, [this] {
        showPosition();
        if (config_.afterMove)
            config_.afterMove();
    });
    stateConn_ = connect(source_, &DataSource::stateChanged, this, &RecordMaintenance::updateInterface);
    source_->refresh();
    showPosition();
    updateInterface();
}

void RecordMaintenance::unfollow()
{
    if (!following_)
        return;
    following_ = false;
    disconnect(moveConn_);
    disconnect(stateConn_);
}

void RecordMaintenance::setOrder(int index)
{
    if (index < 0 || size_t(index) >= config_.orders.size())
        return;
    currentOrder_ = index;
    orderActions_[size_t(index)]->setChecked(true);
    orderLabel_->setText(config_.orders[size_t(index)].statusText);
    xbase::Table* t = source_->table();
    if (t && t->isOpen()) {
        // The record shown stays the same record in the new order.
        t->setOrder(config_.orders[size_t(index)].tag.toStdString());
    }
    showPosition();
}

void RecordMaintenance::updateInterface()
{
    xbase::Table* t = source_->table();
    bool open = t && t->isOpen();
    bool editing = source_->editing();
    for (QAction* a : {first_, prior_, next_, last_})
        a->setEnabled(open);
    add_->setEnabled(open && !editing);
    edit_->setEnabled(open && !editing);
    delete_->setEnabled(open && !editing);
    find_->setEnabled(open && !editing);
    save_->setEnabled(open && editing);
    cancel_->setEnabled(open && editing);
    hideDeletes_->setEnabled(open);
    pack_->setEnabled(open && !editing);
    for (QAction* a : orderActions_)
        a->setEnabled(open);
}

QString RecordMaintenance::positionText() const
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return config_.recordPrefix.trimmed();
    return config_.recordPrefix + rightAligned(long(t->recNo()), 5) + " / " +
           rightAligned(long(t->recordCount()), 5);
}

void RecordMaintenance::showPosition()
{
    recordLabel_->setText(positionText());
    if (currentOrder_ >= 0 && size_t(currentOrder_) < config_.orders.size())
        orderLabel_->setText(config_.orders[size_t(currentOrder_)].statusText);
    applyDeletedDisplay();
}

void RecordMaintenance::applyDeletedDisplay()
{
    xbase::Table* t = source_->table();
    bool marked = t && t->isOpen() && t->recNo() != 0 &&
                  t->state() != xbase::TableState::Insert && t->deleted();
    deletedLabel_->setText(marked ? tr("DELETED") : QString());
    delete_->setText(marked ? config_.undeleteCaption : config_.deleteCaption);
    if (!panel_)
        return;
    // Marked records can still be edited; the grey boxes only say what they are.
    QList<QWidget*> boxes;
    for (auto* e : panel_->findChildren<QLineEdit*>())
        boxes << e;
    for (auto* c : panel_->findChildren<QComboBox*>())
        boxes << c;
    for (QWidget* w : boxes) {
        if (marked) {
            QPalette p = w->palette();
            p.setColor(QPalette::Base, config_.deletedColor);
            w->setPalette(p);
        } else if (w->isVisible() || !w->isWindow()) {
            w->setPalette(QPalette());
        }
    }
}

void RecordMaintenance::doAdd()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return;
    if (config_.onAdd)
        config_.onAdd();
    else
        t->append();
    // The controls show the new, blank record, not the one shown before.
    source_->refresh();
    updateInterface();
}

void RecordMaintenance::doEdit()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return;
    if (config_.onEdit)
        config_.onEdit();
    else if (t->recNo() != 0)
        t->edit();
    updateInterface();
}

void RecordMaintenance::doSave()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return;
    if (config_.onSave)
        config_.onSave();
    else if (source_->editing())
        t->post();
    source_->refresh();
    showPosition();
    updateInterface();
}

void RecordMaintenance::doCancel()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return;
    if (config_.onCancel)
        config_.onCancel();
    else
        t->cancel();
    source_->refresh();
    showPosition();
    updateInterface();
}

void RecordMaintenance::doDeleteToggle()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen() || t->recNo() == 0)
        return;
    if (t->deleted()) {
        t->recall();
    } else {
        if (!config_.deleteQuestion.isEmpty()) {
            BoxButton b = prompter_.Message_Box(BoxKind::Confirmation, "",
                                                config_.deleteQuestion.toStdString(),
                                                {BoxButton::Ok, BoxButton::Cancel});
            if (b != BoxButton::Ok)
                return;
        }
        t->deleteRecord();
    }
    showPosition();
    updateInterface();
    if (config_.afterDeleteToggle)
        config_.afterDeleteToggle();
}

std::function<QString(const QString&)> RecordMaintenance::numberKey(int width)
{
    return [width](const QString& typed) {
        return rightAligned(Lenient_Int(typed.toStdString()), width);
    };
}

void RecordMaintenance::doFind()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen() || config_.orders.empty())
        return;
    const Order& order = config_.orders[size_t(currentOrder_)];
    QString label = order.findLabel;
    QString preset = config_.lastFindText->leftJustified(config_.findPresetWidth, ' ');
    auto answer = prompter_.Ask_Text(config_.findCaption.toStdString(),
                                     ("Enter " + label + " to find: ").toStdString(),
                                     preset.toStdString());
    if (!answer)
        return;
    QString text = QString::fromStdString(*answer);
    while (text.endsWith(' '))
        text.chop(1);
    text = text.toUpper();
    *config_.lastFindText = text;

    uint32_t remembered = t->recNo();
    auto notFound = [&](const QString& shown) {
        const QString what = config_.notFoundNamesOrder ? label + " " : QString(" ");
        prompter_.Show_Message("", config_.notFoundIcon.toStdString(),
                               ("Could not find " + what + shown).toStdString());
    };

    if (order.tag.isEmpty()) {
        // Natural order: the answer is a record number.
        long n = numberKey(1)(text).trimmed().toLong();
        if (n >= 1 && uint32_t(n) <= t->recordCount())
            t->go(uint32_t(n));
        else
            notFound(text);
        source_->refresh();
        return;
    }

    QString key = order.findKey ? order.findKey(text) : text;
    *config_.lastFindText = key;
    source_->holdControls();
    bool found = t->seek(key.toStdString());
    if (!found && remembered > 0 && remembered <= t->recordCount())
        t->go(remembered);
    source_->releaseControls();
    if (!found)
        notFound(key);
    source_->refresh();
    showPosition();
}

void RecordMaintenance::doHideDeletes()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return;
    t->setHideDeleted(!t->hideDeleted());
    hideDeletes_->setText(t->hideDeleted() ? config_.showDeletesCaption : config_.hideDeletesCaption);
    source_->refresh();
    showPosition();
}

void RecordMaintenance::doPack()
{
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return;
    const std::string question =
        config_.packQuestion.isEmpty() ? std::string(packQuestion()) : config_.packQuestion.toStdString();
    char answer = prompter_.Show_Message("", "?", question, "Cancel Pack");
    if (answer == 'P') {
        {
            BusyCursor busy;
            t->pack();
        }
        if (config_.afterPack)
            config_.afterPack();
    }
    source_->refresh();
    showPosition();
    updateInterface();
}

} // namespace bw
