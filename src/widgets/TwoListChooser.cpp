#include "widgets/TwoListChooser.h"

#include <QDropEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

ChooserList::ChooserList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // The lines are fixed columns of text: they only line up in a fixed-pitch font.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void ChooserList::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() == this || event->source() == partner_)
        event->acceptProposedAction();
    else
        event->ignore();
}

void ChooserList::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() == this || event->source() == partner_)
        event->acceptProposedAction();
    else
        event->ignore();
}

void ChooserList::dropEvent(QDropEvent* event)
{
    auto* source = qobject_cast<ChooserList*>(event->source());
    if (!source || (source != this && source != partner_)) {
        event->ignore();
        return;
    }
    // The lists move the line themselves; the view's own drop handling would copy it.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    dropLine(source, source->currentRow(), indexAt(event->position().toPoint()).row());
}

void ChooserList::dropLine(ChooserList* source, int fromRow, int targetRow)
{
    if (fromRow < 0 || fromRow >= source->count())
        return;
    if (source == this) {
        if (count() < 2)
            return;
        int to = targetRow < 0 || targetRow >= count() ? count() - 1 : targetRow;
        QListWidgetItem* item = takeItem(fromRow);
        insertItem(to, item);
        clearSelection();
        setCurrentRow(to);
    } else if (source == partner_) {
        // Onto the other list the line is appended, wherever it was dropped.
        addItem(source->takeItem(fromRow));
        emit source->linesChanged();
    }
    emit linesChanged();
}

TwoListChooser::TwoListChooser(QWidget* parent) : QWidget(parent)
{
    availableTitle_ = new QLabel(tr("AVAILABLE CLASSES"), this);
    selectedTitle_ = new QLabel(tr("SELECTED CLASSES"), this);
    available_ = new ChooserList(this);
    selected_ = new ChooserList(this);
    available_->setPartner(selected_);
    selected_->setPartner(available_);
    available_->setObjectName("availableList");
    selected_->setObjectName("selectedList");

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    auto addButton = [&](const QString& text, const QString& name, void (TwoListChooser::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setFixedWidth(40);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    addButton(">", "moveRight", &TwoListChooser::moveRight);
    addButton("<", "moveLeft", &TwoListChooser::moveLeft);
    addButton(">>", "moveAllRight", &TwoListChooser::moveAllRight);
    addButton("<<", "moveAllLeft", &TwoListChooser::moveAllLeft);
    buttons->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(availableTitle_);
    left->addWidget(available_);
    auto* right = new QVBoxLayout;
    right->addWidget(selectedTitle_);
    right->addWidget(selected_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(left, 1);
    row->addLayout(buttons);
    row->addLayout(right, 1);

    connect(available_, &ChooserList::linesChanged, this, &TwoListChooser::changed);
    connect(selected_, &ChooserList::linesChanged, this, &TwoListChooser::changed);
}

void TwoListChooser::setTitles(const QString& available, const QString& selected)
{
    availableTitle_->setText(available);
    selectedTitle_->setText(selected);
}

void TwoListChooser::setAvailable(const QStringList& lines)
{
    available_->clear();
    available_->addItems(lines);
    emit changed();
}

void TwoListChooser::setSelected(const QStringList& lines)
{
    selected_->clear();
    selected_->addItems(lines);
    emit changed();
}

void TwoListChooser::appendAvailable(const QString& line) { available_->addItem(line); }
void TwoListChooser::appendSelected(const QString& line) { selected_->addItem(line); }

static QStringList linesOf(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

QStringList TwoListChooser::available() const { return linesOf(available_); }
QStringList TwoListChooser::selected() const { return linesOf(selected_); }

void TwoListChooser::clear()
{
    available_->clear();
    selected_->clear();
    emit changed();
}

void TwoListChooser::moveFirstHighlighted(ChooserList* from, ChooserList* to)
{
    int row = -1;
    for (int i = 0; i < from->count(); ++i) {
        if (from->item(i)->isSelected()) {
            row = i;
            break;
        }
    }
    if (row < 0)
        return;
    to->addItem(from->takeItem(row));
    from->clearSelection();
    if (from->count() > 0) {
        int next = std::min(row, from->count() - 1);
        from->setCurrentRow(next);
        from->item(next)->setSelected(true);
    }
}

void TwoListChooser::moveAll(ChooserList* from, ChooserList* to)
{
    while (from->count() > 0)
        to->addItem(from->takeItem(0));
}

void TwoListChooser::moveRight() { moveFirstHighlighted(available_, selected_); emit changed(); }
void TwoListChooser::moveLeft() { moveFirstHighlighted(selected_, available_); emit changed(); }
void TwoListChooser::moveAllRight() { moveAll(available_, selected_); emit changed(); }
void TwoListChooser::moveAllLeft() { moveAll(selected_, available_); emit changed(); }

} // namespace bw
