#include "data/ui/DataSource.h"

namespace bw {

DataSource::DataSource(xbase::Table* table, QObject* parent) : QObject(parent)
{
    setTable(table);
}

DataSource::~DataSource()
{
    unsubscribe();
}

void DataSource::setTable(xbase::Table* table)
{
    if (table == table_)
        return;
    unsubscribe();
    table_ = table;
    subscribe();
    emit dataChanged();
}

void DataSource::subscribe()
{
    if (!table_)
        return;
    moveId_ = table_->subscribeAfterMove([this] {
        if (holdCount_ > 0) {
            movedWhileHeld_ = true;
            return;
        }
        emit dataChanged();
        emit afterMove();
    });
    stateId_ = table_->subscribeStateChange([this] {
        if (holdCount_ > 0) {
            stateChangedWhileHeld_ = true;
            return;
        }
        emit stateChanged();
    });
}

void DataSource::unsubscribe()
{
    if (!table_)
        return;
    if (moveId_) table_->unsubscribe(moveId_);
    if (stateId_) table_->unsubscribe(stateId_);
    moveId_ = stateId_ = 0;
}

void DataSource::holdControls()
{
    ++holdCount_;
}

void DataSource::releaseControls()
{
    if (holdCount_ == 0 || --holdCount_ > 0)
        return;
    bool moved = movedWhileHeld_, state = stateChangedWhileHeld_;
    movedWhileHeld_ = stateChangedWhileHeld_ = false;
    if (moved) {
        emit dataChanged();
        emit afterMove();
    }
    if (state)
        emit stateChanged();
}

bool DataSource::editing() const
{
    if (!table_ || !table_->isOpen())
        return false;
    auto s = table_->state();
    return s == xbase::TableState::Edit || s == xbase::TableState::Insert;
}

bool DataSource::startEditFromControl()
{
    if (!table_ || !table_->isOpen())
        return false;
    if (editing())
        return true;
    if (!autoEdit_)
        return false;
    if (table_->recNo() == 0)
        table_->append();
    else
        table_->edit();
    return editing();
}

void DataSource::refresh()
{
    if (holdCount_ > 0) {
        movedWhileHeld_ = true;
        return;
    }
    emit dataChanged();
}

} // namespace bw
