#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace bw {

class DataSource;

// A grid model over a table in its current order, hiding state and filter: one row per
// record the table's own movement would visit, one column per configured field. Every
// grid of the program (entries, exhibit numbers, judges, mail, breeds ...) is this model
// with other columns.
//
// Cells are read with peek, without moving the table. The row list is rebuilt by
// reload() (a walk with the controls held still; the current record is restored), which
// the model runs by itself whenever the table returns to browse state; a window calls it
// after changing the order, the hiding or the filter.
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;                  // field name
        QString title;                  // header text; empty shows the field name
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        bool editable = false;          // typing into the cell edits the record
        int width = 0;                  // pixels; 0 = the view decides
    };

    explicit TableModel(DataSource* source, std::vector<Column> columns, QObject* parent = nullptr);

    void setColumns(std::vector<Column> columns);
    const std::vector<Column>& columns() const { return columns_; }

    void reload();
    int rowOfRecNo(uint32_t recNo) const;   // -1 when the record has no row
    uint32_t recNoOfRow(int row) const;     // 0 when out of range

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    void resolveFieldNumbers();

    DataSource* source_;
    std::vector<Column> columns_;
    std::vector<int> fieldNumbers_;
    std::vector<uint32_t> rows_;
};

} // namespace bw
