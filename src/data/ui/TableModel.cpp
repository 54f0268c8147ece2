#include "data/ui/TableModel.h"

#include <QBrush>
#include <QColor>

#include "data/ui/DataSource.h"

namespace bw {

TableModel::TableModel(DataSource* source, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), source_(source), columns_(std::move(columns))
{
    resolveFieldNumbers();
    connect(source_, &DataSource::stateChanged, this, [this] {
        if (!source_->editing())
            reload();
    });
    reload();
}

void TableModel::setColumns(std::vector<Column> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    resolveFieldNumbers();
    endResetModel();
}

void TableModel::resolveFieldNumbers()
{
    fieldNumbers_.clear();
    xbase::Table* t = source_->table();
    for (const Column& c : columns_)
        fieldNumbers_.push_back(t && t->isOpen() ? t->fieldNumber(c.field.toStdString()) : 0);
}

void TableModel::reload()
{
    beginResetModel();
    rows_.clear();
    resolveFieldNumbers();
    xbase::Table* t = source_->table();
    if (t && t->isOpen() && !source_->editing()) {
        source_->holdControls();
        uint32_t current = t->recNo();
        for (t->first(); !t->eof(); t->next())
            rows_.push_back(t->recNo());
        if (current != 0)
            t->go(current);
        source_->releaseControls();
    }
    endResetModel();
}

int TableModel::rowOfRecNo(uint32_t recNo) const
{
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i] == recNo)
            return int(i);
    return -1;
}

uint32_t TableModel::recNoOfRow(int row) const
{
    return row >= 0 && size_t(row) < rows_.size() ? rows_[size_t(row)] : 0;
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Column& c = columns_[size_t(index.column())];
    int fieldNo = fieldNumbers_[size_t(index.column())];
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen() || fieldNo <= 0)
        return {};
    uint32_t rec = rows_[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        std::string v = t->peek(fieldNo, rec);
        while (!v.empty() && v.back() == ' ')
            v.pop_back();
        size_t lead = v.find_first_not_of(' ');
        // Numbers are stored right-aligned; the grid aligns them itself.
        if (t->fields()[size_t(fieldNo - 1)].type == xbase::FieldType::Numeric)
            v = lead == std::string::npos ? std::string() : v.substr(lead);
        return QString::fromStdString(v);
    }
    case Qt::TextAlignmentRole:
        return int(c.alignment);
    case Qt::ForegroundRole:
        if (t->peek(0, rec) == "*")
            return QBrush(QColor(128, 128, 128));
        return {};
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const Column& c = columns_[size_t(section)];
    return c.title.isEmpty() ? c.field.toUpper() : c.title;
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && columns_[size_t(index.column())].editable)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !columns_[size_t(index.column())].editable)
        return false;
    xbase::Table* t = source_->table();
    if (!t || !t->isOpen())
        return false;
    uint32_t rec = rows_[size_t(index.row())];
    // Edit through the cursor, as a data-aware grid does, so the table's keys, its
    // after-post work and the windows following it all see the change.
    if (t->recNo() != rec)
        t->go(rec);
    t->setField(columns_[size_t(index.column())].field.toStdString(), value.toString().toStdString());
    t->post();
    emit dataChanged(index, index);
    return true;
}

} // namespace bw
