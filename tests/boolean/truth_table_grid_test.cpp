// The truth-table editor's grid, its normal forms and the window options.
#include <gtest/gtest.h>

#include "boolean/clsGroups.h"
#include "boolean/truth_table_grid.h"
#include "model/settings.h"
#include "support/scripted_user_dialogs.h"

namespace {

// Row r's input tags of the columns in use and its result, as "010=1".
QString RowText(const TruthTableGrid& grid, int row, int columns)
{
    QString s;
    for (int c = 0; c < columns; ++c)
        s += grid.Cell(row, c).Tag;
    return s + QStringLiteral("=") + grid.lblResult[static_cast<std::size_t>(row)].Tag;
}

TruthTableGrid GridWith(int columns, int rows)
{
    TruthTableGrid grid;
    for (int c = columns; c < TruthTableGrid::kColumns; ++c)
        grid.SetColumnInUse(c, false);
    while (grid.Rows() < rows)
        grid.AddLine();
    return grid;
}

TEST(TruthTableGrid, RowsCellsAndGeometry)
{
    TruthTableGrid grid = GridWith(3, 2);
    grid.SetColumnInUse(2, false);
    grid.AddLine();
    EXPECT_EQ(grid.lblLine.size(), 30u);
    const TableCell& blank = grid.Cell(2, 2);
    EXPECT_FALSE(blank.Enabled);
    EXPECT_EQ(blank.Tag, QStringLiteral("0"));
    EXPECT_EQ(blank.Caption, QString());
    EXPECT_EQ(grid.Cell(2, 1).Caption, QStringLiteral("0"));
    EXPECT_EQ(grid.Cell(2, 0).Top - grid.Cell(1, 0).Top, 360);
    EXPECT_EQ(grid.lblResult[2].Tag, QStringLiteral("0"));
    grid.SetlblLine(21, 1);
    EXPECT_EQ(grid.Cell(2, 1).ForeColor, TruthTableGrid::kRed);
    grid.SetlblLine(21, 0);
    EXPECT_EQ(grid.Cell(2, 1).ForeColor, 0);

    ScriptedUserDialogs dialogs;
    grid.Dialogs = &dialogs;
    grid.SetlblLine(30, 1);
    grid.SetlblResult(3, 1);
    EXPECT_EQ(dialogs.MessageTexts(), (QStringList{"Undefined index!", "Undefined index!"}));

    // The scrolled box grows from the fifth row on.
    const int boxBefore = grid.picLineBox.Height;
    grid.AddLine();
    EXPECT_EQ(grid.picLineBox.Height, boxBefore);
    grid.AddLine();
    const TableCell& last = grid.lblLine.back();
    EXPECT_EQ(grid.picLineBox.Height, last.Top + last.Height + 105);
    EXPECT_EQ(grid.scrLines.Max, grid.picLineBox.Height - grid.picLineFrame.Height);
    grid.RemoveLine();
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.picLineBox.Height, grid.lblLine.back().Top + 255 + 105);
}

TEST(TruthTableGrid, SortCountsInBinary)
{
    TruthTableGrid grid = GridWith(3, 10);
    grid.SortTabelle();
    QStringList rows;
    for (int r = 0; r < grid.Rows(); ++r)
        rows << RowText(grid, r, 3).left(3);
    EXPECT_EQ(rows, (QStringList{"000", "001", "010", "011", "100", "101", "110", "111", "000", "001"}));
}

TEST(TruthTableGrid, NormalForms)
{
    struct Case {
        std::vector<int> results;
        const char* sum;
        const char* conjunctive;
    };
    const Case cases[] = {
        {{0, 1, 1, 0}, "(<A>&B)v(A&<B>)", "(AvB)&(<A>v<B>)"},
        {{0, 0, 0, 0}, "", "(AvB)&(Av<B>)&(<A>vB)&(<A>v<B>)"},
        {{1, 1, 1, 1}, "(<A>&<B>)v(<A>&B)v(A&<B>)v(A&B)", ""},
    };
    for (const Case& c : cases) {
        TruthTableGrid grid = GridWith(2, 4);
        grid.SortTabelle();
        for (int r = 0; r < 4; ++r)
            grid.SetlblResult(r, c.results[static_cast<std::size_t>(r)]);
        EXPECT_EQ(grid.CreateTerm(NormalForm::SumOfProducts), QString::fromLatin1(c.sum));
        EXPECT_EQ(grid.CreateTerm(NormalForm::Conjunctive), QString::fromLatin1(c.conjunctive));
        EXPECT_EQ(grid.GenTerm(true, NormalForm::SumOfProducts), QString::fromLatin1(c.sum));
        EXPECT_FALSE(grid.GenTerm(false, NormalForm::SumOfProducts).has_value());
    }
}

TEST(TruthTableGrid, HistoryAndOptions)
{
    QStringList history;
    for (int k = 1; k <= 25; ++k)
        AddTermToList(history, QStringLiteral("T%1").arg(k));
    AddTermToList(history, QStringLiteral("T23"));
    EXPECT_EQ(history.mid(0, 3), (QStringList{"T23", "T25", "T24"}));
    EXPECT_EQ(history.size(), 25);
    AddTermToList(history, QStringLiteral("T26"));
    EXPECT_EQ(history.size(), 25);
    EXPECT_EQ(history.front(), QStringLiteral("T26"));
    EXPECT_FALSE(history.contains(QStringLiteral("T1")));
    AddTermToList(history, QString());
    EXPECT_EQ(history.front(), QStringLiteral("T26"));

    TermOptions options;
    options.txtOption = {QStringLiteral("7.8"), QStringLiteral(" 4"), QStringLiteral("x")};
    options.chkVereinfachen = 1;
    options.chkSorted = true;
    options.history = {QStringLiteral("A&B"), QStringLiteral("AvB")};
    Settings settings;
    SaveTermOptions(options, settings);
    EXPECT_EQ(settings.BoolAbstandBauteileX, 7);
    EXPECT_EQ(settings.BoolAbstandBauteileY, 4);
    EXPECT_EQ(settings.BoolAbstandSchalter, 0);
    EXPECT_EQ(settings.BoolSorted, -1);
    EXPECT_EQ(settings.BoolTerme, QStringLiteral("A&B|AvB"));
    const TermOptions loaded = LoadTermOptions(settings);
    EXPECT_EQ(loaded.history, options.history);
    EXPECT_EQ(loaded.txtOption[0], QStringLiteral("7"));
    EXPECT_TRUE(loaded.chkSorted);
    EXPECT_EQ(loaded.chkVereinfachen, 1);
    settings.BoolTerme = QStringLiteral("A||B|");
    EXPECT_EQ(LoadTermOptions(settings).history, (QStringList{"A", "", "B"}));

    clsGroups groups;
    SetProperties({QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("2")}, groups);
    EXPECT_EQ(groups.AbstandBreite, 5);
    EXPECT_EQ(groups.AbstandHoehe, 6);
    EXPECT_EQ(groups.AbstandVariablen, 2);
    EXPECT_EQ(groups.AbstandSchaltungX, 3);
}

} // namespace
