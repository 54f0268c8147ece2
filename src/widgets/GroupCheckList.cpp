#include "widgets/GroupCheckList.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw {

namespace {
constexpr int CodeRole = Qt::UserRole + 1;
}

GroupCheckList::GroupCheckList(QWidget* parent) : QWidget(parent)
{
    list_ = new QListWidget(this);
    selectAll_ = new QPushButton(tr("Select All"), this);
    selectOpposite_ = new QPushButton(tr("Select Opposite"), this);
    clear_ = new QPushButton(tr("Clear CheckMarks"), this);
    selectAll_->setObjectName("selectAll");
    selectOpposite_->setObjectName("selectOpposite");
    clear_->setObjectName("clearCheckMarks");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll_);
    buttons->addWidget(selectOpposite_);
    buttons->addWidget(clear_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(list_);

    connect(selectAll_, &QPushButton::clicked, this, &GroupCheckList::selectAll);
    connect(selectOpposite_, &QPushButton::clicked, this, &GroupCheckList::selectOpposite);
    connect(clear_, &QPushButton::clicked, this, &GroupCheckList::clearCheckMarks);
    connect(list_, &QListWidget::itemChanged, this, [this] {
        if (!updating_)
            recount();
    });
    clear();
}

void GroupCheckList::clear()
{
    list_->clear();
    allToggle_ = false;
    selectAll_->setText(tr("Select All"));
    recount();
}

void GroupCheckList::addItem(const QString& text, const QString& code)
{
    auto* item = new QListWidgetItem(text);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(CodeRole, code);
    updating_ = true;
    list_->addItem(item);
    updating_ = false;
}

int GroupCheckList::count() const { return list_->count(); }
bool GroupCheckList::isTicked(int row) const { return list_->item(row)->checkState() == Qt::Checked; }
QString GroupCheckList::code(int row) const { return list_->item(row)->data(CodeRole).toString(); }
QString GroupCheckList::text(int row) const { return list_->item(row)->text(); }

void GroupCheckList::setTicked(int row, bool on)
{
    list_->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QStringList GroupCheckList::tickedCodes() const
{
    QStringList codes;
    for (int i = 0; i < count(); ++i)
        if (isTicked(i))
            codes << code(i);
    return codes;
}

void GroupCheckList::recount()
{
    int n = 0;
    for (int i = 0; i < count(); ++i)
        n += isTicked(i) ? 1 : 0;
    bool changed = n != ticked_;
    ticked_ = n;
    clear_->setEnabled(n > 0);
    if (changed)
        emit tickedCountChanged(n);
}

void GroupCheckList::selectAll()
{
    updating_ = true;
    for (int i = 0; i < count(); ++i)
        setTicked(i, !allToggle_);
    updating_ = false;
    allToggle_ = !allToggle_;
    selectAll_->setText(allToggle_ ? tr("De-Select All") : tr("Select All"));
    recount();
}

void GroupCheckList::selectOpposite()
{
    updating_ = true;
    for (int i = 0; i < count(); ++i)
        setTicked(i, !isTicked(i));
    updating_ = false;
    recount();
}

void GroupCheckList::clearCheckMarks()
{
    updating_ = true;
    for (int i = 0; i < count(); ++i)
        setTicked(i, false);
    updating_ = false;
    recount();
}

} // namespace bw
