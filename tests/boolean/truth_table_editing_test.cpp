// Clicks on the truth table: toggles, inversions, the row and variable
// steps within their limits, clearing, the term refresh and hovering.
#include <gtest/gtest.h>

#include "boolean/truth_table_editing.h"

using namespace truth_table;

namespace {

// The table the window starts with: three variables, three rows of zeros.
TruthTableGrid StartTable()
{
    TruthTableGrid grid;
    for (int c = TruthTableGrid::kUsableColumns; c < TruthTableGrid::kColumns; ++c)
        grid.SetColumnInUse(c, false);
    grid.AddLine();
    for (int i = 0; i < 3; ++i)
        RemoveVariable(grid);
    return grid;
}

QString Rows(const TruthTableGrid& grid)
{
    QStringList rows;
    for (int r = 0; r < grid.Rows(); ++r) {
        QString s;
        for (int c = 0; c < VariableCount(grid); ++c)
            s += grid.Cell(r, c).Caption;
        rows << s + QStringLiteral("=") + grid.lblResult[static_cast<std::size_t>(r)].Caption;
    }
    return rows.join(u' ');
}

TEST(TruthTableEditing, TogglesFlipValueAndColourAndTwoClicksRestore)
{
    TruthTableGrid grid = StartTable();
    EXPECT_TRUE(ToggleInput(grid, 11));
    EXPECT_EQ(grid.Cell(1, 1).Caption, QStringLiteral("1"));
    EXPECT_EQ(grid.Cell(1, 1).ForeColor, TruthTableGrid::kRed);
    EXPECT_TRUE(ToggleResult(grid, 2));
    EXPECT_EQ(Rows(grid), QStringLiteral("000=0 010=0 000=1"));
    EXPECT_TRUE(ToggleInput(grid, 11));
    EXPECT_TRUE(ToggleResult(grid, 2));
    EXPECT_EQ(Rows(grid), QStringLiteral("000=0 000=0 000=0"));
    EXPECT_EQ(grid.Cell(1, 1).ForeColor, 0);
    // Cells of columns not in use and rows beyond the table take no click.
    EXPECT_FALSE(ToggleInput(grid, 3));
    EXPECT_EQ(grid.Cell(0, 3).Caption, QString());
    EXPECT_FALSE(ToggleInput(grid, 30));
    EXPECT_FALSE(ToggleResult(grid, 3));
}

TEST(TruthTableEditing, InvertingAColumnTwiceRestoresItAndResultsInvert)
{
    TruthTableGrid grid = StartTable();
    grid.SortTabelle();
    ToggleResult(grid, 1);
    const QString before = Rows(grid);
    InvertColumn(grid, 0);
    EXPECT_EQ(Rows(grid), QStringLiteral("100=0 101=1 110=0"));
    InvertColumn(grid, 0);
    EXPECT_EQ(Rows(grid), before);
    InvertResults(grid);
    EXPECT_EQ(Rows(grid), QStringLiteral("000=1 001=0 010=1"));
    // A column not in use stays blank.
    InvertColumn(grid, 4);
    EXPECT_EQ(grid.Cell(0, 4).Caption, QString());
}

TEST(TruthTableEditing, StepsStayWithinTheLimits)
{
    struct Step {
        bool (*step)(TruthTableGrid&);
        int times;
        int rows;
        int variables;
    };
    // Each line continues from the table the line above left.
    const Step steps[] = {
        {AddRow, 20, kMaxRows, 3},   {RemoveRow, 20, kMinRows, 3}, {AddVariable, 5, 2, 6},
        {RemoveVariable, 9, 2, 2},   {AddRow, 1, 3, 2},
    };
    TruthTableGrid grid = StartTable();
    int rows = grid.Rows();
    int vars = VariableCount(grid);
    for (const Step& s : steps) {
        int acted = 0;
        for (int i = 0; i < s.times; ++i)
            acted += s.step(grid) ? 1 : 0;
        EXPECT_EQ(grid.Rows(), s.rows);
        EXPECT_EQ(VariableCount(grid), s.variables);
        EXPECT_EQ(acted, std::abs(grid.Rows() - rows) + std::abs(VariableCount(grid) - vars));
        rows = grid.Rows();
        vars = VariableCount(grid);
    }
    EXPECT_EQ(grid.lblLine.size(), 30u);
}

TEST(TruthTableEditing, AVariableRemovedAndAddedComesBackWithZeros)
{
    TruthTableGrid grid = StartTable();
    for (int r = 0; r < 3; ++r)
        ToggleInput(grid, r * 10 + 2);
    RemoveVariable(grid);
    EXPECT_EQ(grid.Cell(1, 2).Caption, QString());
    EXPECT_EQ(grid.Cell(1, 2).Tag, QStringLiteral("0"));
    AddVariable(grid);
    EXPECT_EQ(Rows(grid), QStringLiteral("000=0 000=0 000=0"));
    EXPECT_TRUE(grid.Cell(1, 2).Enabled);
}

TEST(TruthTableEditing, ClearingZeroesInputsInUseAndResults)
{
    TruthTableGrid grid = StartTable();
    grid.SortTabelle();
    InvertResults(grid);
    ClearTable(grid);
    EXPECT_EQ(Rows(grid), QStringLiteral("000=0 000=0 000=0"));
    EXPECT_EQ(grid.Cell(0, 3).Caption, QString());
    EXPECT_EQ(grid.Cell(2, 1).ForeColor, 0);
}

TEST(TruthTableEditing, RefreshWritesTheTermOnlyInQuickModeAndEmptiesOnContradiction)
{
    TruthTableGrid grid = StartTable();
    RemoveVariable(grid);
    AddRow(grid);
    grid.SortTabelle();
    ToggleResult(grid, 1);
    ToggleResult(grid, 2);
    EXPECT_EQ(Refresh(grid, false, NormalForm::SumOfProducts), std::nullopt);
    EXPECT_EQ(Refresh(grid, true, NormalForm::SumOfProducts), QStringLiteral("(<A>&B)v(A&<B>)"));
    EXPECT_EQ(Refresh(grid, true, NormalForm::Conjunctive), QStringLiteral("(AvB)&(<A>v<B>)"));
    // Rows 0 and 3 made equal with different results.
    ToggleInput(grid, 30);
    ToggleInput(grid, 31);
    ToggleResult(grid, 3);
    EXPECT_EQ(Refresh(grid, false, NormalForm::SumOfProducts), QString());
    EXPECT_EQ(grid.lblFehlerColor, TruthTableGrid::kYellow);
    ToggleResult(grid, 3);
    EXPECT_EQ(Refresh(grid, true, NormalForm::SumOfProducts), QStringLiteral("(<A>&B)v(A&<B>)"));
    EXPECT_EQ(grid.lblFehlerColor, TruthTableGrid::kGrey);
}

TEST(TruthTableEditing, HoverHighlightsOneThingAndResetsTheRest)
{
    TruthTableGrid grid = StartTable();
    HeaderColours headers;
    ToggleInput(grid, 0);
    Hover(grid, headers, HoverTarget::InputCell, 0);
    EXPECT_EQ(grid.Cell(0, 0).ForeColor, kDarkBlue);
    Hover(grid, headers, HoverTarget::ResultCell, 1);
    // A hovered result leaves the inputs alone.
    EXPECT_EQ(grid.Cell(0, 0).ForeColor, kDarkBlue);
    EXPECT_EQ(grid.lblResult[1].ForeColor, TruthTableGrid::kRed);
    Hover(grid, headers, HoverTarget::ColumnHeader, 2);
    EXPECT_EQ(grid.Cell(0, 0).ForeColor, TruthTableGrid::kRed);
    EXPECT_EQ(grid.lblResult[1].ForeColor, 0);
    EXPECT_EQ(headers.colour[2], TruthTableGrid::kRed);
    Hover(grid, headers, HoverTarget::ResultHeader, 0);
    EXPECT_EQ(headers.colour[2], 0);
    EXPECT_EQ(headers.Result(), TruthTableGrid::kRed);
    Hover(grid, headers, HoverTarget::TabControl, 0);
    EXPECT_EQ(headers.Result(), 0);
}

} // namespace
