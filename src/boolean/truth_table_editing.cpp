#include "boolean/truth_table_editing.h"

#include <QStringLiteral>

namespace truth_table {

namespace {

const QString kZero = QStringLiteral("0");
const QString kOne = QStringLiteral("1");

void Toggle(TableCell& cell)
{
    if (cell.Tag != kZero) {
        cell.Tag = kZero;
        cell.Caption = kZero;
        cell.ForeColor = 0;
    } else {
        cell.Tag = kOne;
        cell.Caption = kOne;
        cell.ForeColor = TruthTableGrid::kRed;
    }
}

int LastEnabledHeader(const TruthTableGrid& grid)
{
    int c = TruthTableGrid::kUsableColumns - 1;
    while (c >= 0 && !grid.lblSpalte[static_cast<std::size_t>(c)])
        --c;
    return c;
}

void ResetCell(TableCell& cell)
{
    if (cell.Tag == kOne && cell.ForeColor != TruthTableGrid::kRed)
        cell.ForeColor = TruthTableGrid::kRed;
    else if (cell.Tag == kZero && cell.ForeColor != 0)
        cell.ForeColor = 0;
}

void HighlightCell(TableCell& cell)
{
    cell.ForeColor = cell.Tag == kOne ? kDarkBlue : TruthTableGrid::kRed;
}

} // namespace

std::optional<QString> Refresh(TruthTableGrid& grid, bool quick, NormalForm form)
{
    if (grid.CheckForErrors())
        return QString();
    return grid.GenTerm(quick, form);
}

bool ToggleInput(TruthTableGrid& grid, int index)
{
    if (index < 0 || index >= static_cast<int>(grid.lblLine.size()))
        return false;
    TableCell& cell = grid.lblLine[static_cast<std::size_t>(index)];
    // A cell of a column not in use cannot be clicked.
    if (!cell.Enabled)
        return false;
    Toggle(cell);
    return true;
}

bool ToggleResult(TruthTableGrid& grid, int row)
{
    if (row < 0 || row >= grid.Rows())
        return false;
    Toggle(grid.lblResult[static_cast<std::size_t>(row)]);
    return true;
}

void InvertColumn(TruthTableGrid& grid, int column)
{
    if (column < 0 || column >= TruthTableGrid::kUsableColumns || !grid.lblSpalte[static_cast<std::size_t>(column)])
        return;
    for (int r = 0; r <= grid.LastRow(); ++r)
        grid.SetlblLine(r * TruthTableGrid::kColumns + column, grid.Cell(r, column).Tag.toInt() == 0 ? 1 : 0);
}

void InvertResults(TruthTableGrid& grid)
{
    for (int r = 0; r < grid.Rows(); ++r)
        grid.SetlblResult(r, grid.lblResult[static_cast<std::size_t>(r)].Tag == kOne ? 0 : 1);
}

bool AddRow(TruthTableGrid& grid)
{
    if (grid.Rows() >= kMaxRows)
        return false;
    grid.AddLine();
    return true;
}

bool RemoveRow(TruthTableGrid& grid)
{
    if (grid.Rows() <= kMinRows)
        return false;
    grid.RemoveLine();
    return true;
}

bool AddVariable(TruthTableGrid& grid)
{
    const int c = LastEnabledHeader(grid) + 1;
    if (c >= kMaxVariables)
        return false;
    grid.SetColumnInUse(c, true);
    return true;
}

bool RemoveVariable(TruthTableGrid& grid)
{
    const int c = LastEnabledHeader(grid);
    if (c < kMinVariables)
        return false;
    grid.SetColumnInUse(c, false);
    return true;
}

int VariableCount(const TruthTableGrid& grid)
{
    return LastEnabledHeader(grid) + 1;
}

void ClearTable(TruthTableGrid& grid)
{
    for (TableCell& cell : grid.lblLine) {
        if (!cell.Enabled)
            continue;
        cell.ForeColor = 0;
        cell.Caption = kZero;
        cell.Tag = kZero;
    }
    for (TableCell& cell : grid.lblResult) {
        cell.ForeColor = 0;
        cell.Caption = kZero;
        cell.Tag = kZero;
    }
}

void Hover(TruthTableGrid& grid, HeaderColours& headers, HoverTarget target, int index)
{
    const bool resetInputs = target != HoverTarget::ResultCell && target != HoverTarget::TabControl;
    const bool resetResults = target != HoverTarget::InputCell && target != HoverTarget::TabControl;
    for (int c = 0; c < static_cast<int>(headers.colour.size()); ++c) {
        const bool own =
            (target == HoverTarget::ColumnHeader && c == index) || (target == HoverTarget::ResultHeader && c == 6);
        if (!own)
            headers.colour[static_cast<std::size_t>(c)] = 0;
    }
    if (resetInputs)
        for (int i = 0; i < static_cast<int>(grid.lblLine.size()); ++i)
            if (!(target == HoverTarget::InputCell && i == index))
                ResetCell(grid.lblLine[static_cast<std::size_t>(i)]);
    if (resetResults)
        for (int r = 0; r < grid.Rows(); ++r)
            if (!(target == HoverTarget::ResultCell && r == index))
                ResetCell(grid.lblResult[static_cast<std::size_t>(r)]);
    switch (target) {
    case HoverTarget::InputCell:
        if (index >= 0 && index < static_cast<int>(grid.lblLine.size()))
            HighlightCell(grid.lblLine[static_cast<std::size_t>(index)]);
        break;
    case HoverTarget::ResultCell:
        if (index >= 0 && index < grid.Rows())
            HighlightCell(grid.lblResult[static_cast<std::size_t>(index)]);
        break;
    case HoverTarget::ColumnHeader:
        if (index >= 0 && index < 6)
            headers.colour[static_cast<std::size_t>(index)] = TruthTableGrid::kRed;
        break;
    case HoverTarget::ResultHeader:
        headers.Result() = TruthTableGrid::kRed;
        break;
    default:
        break;
    }
}

} // namespace truth_table
