#include "print/qt/LabelStartPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bw::print {

LabelStartPanel::LabelStartPanel(const QString& heading, int labels, int across, QWidget* parent)
    : QWidget(parent)
{
    heading_ = new QLabel(heading, this);
    stockNote_ = new QLabel(this);
    layoutNote_ = new QLabel(this);
    stockNote_->hide();
    layoutNote_->hide();
    grid_ = new QGridLayout;
    grid_->setSpacing(2);
    buttons_ = new QButtonGroup(this);
    buttons_->setExclusive(true);
    connect(buttons_, &QButtonGroup::idClicked, this, &LabelStartPanel::positionChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(grid_);
    layout->addWidget(stockNote_);
    layout->addWidget(layoutNote_);
    layout->addStretch(1);
    setLabels(labels, across);
}

void LabelStartPanel::setLabels(int labels, int across)
{
    for (QAbstractButton* b : buttons_->buttons()) {
        buttons_->removeButton(b);
        delete b;
    }
    across_ = std::max(1, across);
    for (int k = 1; k <= labels; ++k) {
        auto* b = new QPushButton(QString::number(k), this);
        b->setCheckable(true);
        b->setFixedWidth(40);
        buttons_->addButton(b, k);
        LabelPosition p = labelPosition(k, across_);
        grid_->addWidget(b, p.row - 1, p.column - 1);
    }
    press(1);
}

void LabelStartPanel::setNotes(const QString& stock, const QString& layout)
{
    stockNote_->setText(stock);
    layoutNote_->setText(layout);
    stockNote_->setVisible(!stock.isEmpty());
    layoutNote_->setVisible(!layout.isEmpty());
}

int LabelStartPanel::position() const
{
    int id = buttons_->checkedId();
    return id > 0 ? id : 1;
}

void LabelStartPanel::press(int k)
{
    if (QAbstractButton* b = buttons_->button(k)) b->setChecked(true);
}

QPushButton* LabelStartPanel::button(int k) const
{
    return qobject_cast<QPushButton*>(buttons_->button(k));
}

} // namespace bw::print
