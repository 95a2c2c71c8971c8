#include "boolean/calculated_table_view.h"

int CalculatedTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.Rows().size());
}

int CalculatedTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.Columns().size());
}

QVariant CalculatedTableModel::data(const QModelIndex& index, int role) const
{
    // The table may have changed since the view last counted its rows.
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || row >= table_.Rows().size())
        return {};
    const QStringList& cells = table_.Rows()[row];
    return index.column() < cells.size() ? QVariant(cells[index.column()]) : QVariant();
}

QVariant CalculatedTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const auto column = static_cast<std::size_t>(section);
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || column >= table_.Columns().size())
        return {};
    return table_.Columns()[column].text;
}
