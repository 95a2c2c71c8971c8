#pragma once
// The list view lvwTabelle over the calculated truth table: the view asks
// only for the rows it shows, so a table of 2^14 rows appears at once.
#include "boolean/boolean_ports.h"

#include <QAbstractTableModel>

class CalculatedTableModel : public QAbstractTableModel {
public:
    CalculatedTableModel(const CalculatedTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

    // Shows the table as it now stands.
    void Refresh()
    {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const CalculatedTable& table_;
};
