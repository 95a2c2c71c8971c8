#include "boolean/boolean_ports.h"

int CalculatedTable::ColumnIndex(const QString& key) const
{
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].key == key)
            return static_cast<int>(c);
    }
    return -1;
}

void CalculatedTable::ClearColumns()
{
    columns_.clear();
    Changed();
}

void CalculatedTable::ClearRows()
{
    rows_.clear();
    Changed();
}

void CalculatedTable::AddColumn(const QString& key, const QString& text, int width)
{
    columns_.push_back({key, text, width});
    Changed();
}

void CalculatedTable::AddRow(const QStringList& cells)
{
    QStringList row = cells;
    while (row.size() < static_cast<qsizetype>(columns_.size()))
        row.append(QString());
    rows_.push_back(row);
    Changed();
}

void CalculatedTable::SetCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0)
        return;
    QStringList& cells = rows_[static_cast<std::size_t>(row)];
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
    Changed();
}

void CalculatedTable::SetColumn(int column, const QStringList& texts)
{
    if (column < 0)
        return;
    for (std::size_t r = 0; r < rows_.size() && r < static_cast<std::size_t>(texts.size()); ++r) {
        QStringList& cells = rows_[r];
        while (cells.size() <= column)
            cells.append(QString());
        cells[column] = texts[static_cast<qsizetype>(r)];
    }
    Changed();
}
