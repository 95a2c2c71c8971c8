// The calculated truth table of a term: columns, row order, results,
// cancelling and refusals; random terms against the text rewriting and the
// brute-force evaluator.
#include <gtest/gtest.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsBool.h"
#include "boolean/clsGroups.h"
#include "boolean/term_parts.h"
#include "support/scripted_user_dialogs.h"
#include "support/term_oracle.h"

#include <random>

namespace {

struct Rig {
    ScriptedUserDialogs dialogs;
    CalculatedTable table;
    TextCaption label;
    clsGroups g;

    explicit Rig(const QString& term, bool sorted = false)
    {
        g.Dialogs = &dialogs;
        g.Tabelle = &table;
        g.lblError = &label;
        g.Sorted = sorted;
        g.Term = term;
    }

    QStringList Rows() const
    {
        QStringList rows;
        for (const QStringList& row : table.Rows())
            rows << row.join(QStringLiteral(","));
        return rows;
    }
};

TEST(TruthTable, RowOrderResultsAndColumns)
{
    struct Case {
        const char* term;
        bool sorted;
        QStringList rows;
    };
    const Case cases[] = {
        {"A&B", false, {"1,1, 1", "0,1, 0", "1,0, 0", "0,0, 0"}},
        {"A&B", true, {"1,1, 1", "1,0, 0", "0,1, 0", "0,0, 0"}},
        {"Av<A>", false, {"1, 1", "0, 1"}},
        {"C<A>vB", true,
         {"1,1,1, 1", "1,1,0, 0", "1,0,1, 1", "1,0,0, 1", "0,1,1, 1", "0,1,0, 0", "0,0,1, 1", "0,0,0, 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.term);
        Rig rig(QString::fromLatin1(c.term), c.sorted);
        rig.g.CreateTabelle();
        EXPECT_FALSE(rig.g.Error);
        EXPECT_EQ(rig.Rows(), c.rows);
        EXPECT_EQ(rig.label.Caption(), QStringLiteral("100% done"));
        EXPECT_FALSE(rig.g.Term.contains(u'0') || rig.g.Term.contains(u'1')); // the term is restored
    }
    Rig rig(QStringLiteral("BA"));
    rig.g.CreateTabelle();
    ASSERT_EQ(rig.table.Columns().size(), 3u);
    EXPECT_EQ(rig.table.Columns()[0].key, QStringLiteral("B"));
    EXPECT_EQ(rig.table.Columns()[0].width, 130);
    EXPECT_EQ(rig.table.Columns()[2].key, QStringLiteral("Result"));
    EXPECT_EQ(rig.table.Columns()[2].text, QStringLiteral(" ="));
    EXPECT_EQ(rig.table.Columns()[2].width, 200);
    EXPECT_EQ(rig.g.Term, QStringLiteral("B&A")); // the normalised term stays
}

TEST(TruthTable, CancelLeavesValuesWithoutResults)
{
    Rig rig(QStringLiteral("A&BvC"));
    int rows = 0;
    rig.g.ProcessEvents = [&] {
        if (++rows == 3)
            rig.g.Cancel = true;
    };
    rig.g.CreateTabelle();
    EXPECT_EQ(rig.dialogs.MessageTexts(), QStringList{QStringLiteral("Calculation of truth table was aborted by user.")});
    EXPECT_EQ(rig.dialogs.Asked()[0].title, QStringLiteral("Truth table"));
    EXPECT_EQ(rig.dialogs.Asked()[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(rig.g.Cancel);
    EXPECT_EQ(rig.g.Term, QStringLiteral("A&BvC"));
    EXPECT_EQ(rig.label.Caption(), QStringLiteral("37% done"));
    ASSERT_EQ(rig.table.Rows().size(), 8u);
    for (const QStringList& row : rig.table.Rows())
        EXPECT_TRUE(row[3].isEmpty());
}

TEST(TruthTable, RefusalsLeaveTheTableAlone)
{
    struct Case {
        const char* term;
        const char* message;
    };
    const Case cases[] = {
        {"A&&B", "Invalid use of operators."},
        {"A", "Incomplete term."},
        // Fifteen variables would need 32768 rows.
        {"AvBvCvDvEvFvGvHvIvJvKvLvMvNvO", "A term may contain at most 14 variables."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.term);
        Rig rig(QString::fromLatin1(c.term));
        rig.table.AddColumn(QStringLiteral("Z"), QStringLiteral("Z"), 1);
        rig.g.CreateTabelle();
        EXPECT_TRUE(rig.g.Error);
        EXPECT_EQ(rig.dialogs.MessageTexts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(rig.dialogs.Asked()[0].title, QStringLiteral("Circuit synthesis"));
        EXPECT_EQ(rig.table.Columns().size(), 1u);
    }
    // Fourteen variables are still tabulated (cancelled after the first row).
    Rig rig(QStringLiteral("AvBvCvDvEvFvGvHvIvJvKvLvMvN"));
    rig.g.ProcessEvents = [&] { rig.g.Cancel = true; };
    rig.g.CreateTabelle();
    EXPECT_FALSE(rig.g.Error);
    EXPECT_EQ(rig.table.Rows().size(), 16384u);
    EXPECT_EQ(rig.dialogs.MessageTexts(), QStringList{QStringLiteral("Calculation of truth table was aborted by user.")});
}

// The table as it was computed before the term was compiled: the checks and
// the split refuse the same terms, and each row's result is the simplifier's
// rewriting of the term with the row's values put in.
std::optional<QStringList> TextRewritingResults(const QString& typed, const CalculatedTable& table)
{
    ScriptedUserDialogs dialogs;
    clsGroups g;
    g.Dialogs = &dialogs;
    g.Tabelle = const_cast<CalculatedTable*>(&table);
    g.Term = term::SetAND(typed);
    if (g.CheckErrors())
        return std::nullopt;
    g.Term = g.Correct(term::CheckAnds(g.Term));
    g.SplitTerm(g.Term, 1, 0);
    if (g.Error)
        return std::nullopt;
    TextCaption label;
    clsBool simplifier;
    simplifier.ErrorDevice = &label;
    QStringList results;
    for (int r = 1; r <= static_cast<int>(table.Rows().size()); ++r) {
        simplifier.SetFormel(g.InsertValues(g.Term, r));
        simplifier.Vereinfache();
        results << QStringLiteral(" ") + simplifier.Formel();
    }
    return results;
}

TEST(TruthTable, CompiledTermGivesTheResultsOfTheTextRewriting)
{
    std::mt19937 rng(105);
    int tabulated = 0;
    for (int k = 0; k < 700; ++k) {
        const oracle::TermShape shape{2 + k % 4, 1 + k % 3, false, k % 5 != 0};
        QString typed = oracle::RandomTerm(rng, shape);
        // Some near misses: a character dropped or doubled.
        std::uniform_int_distribution<int> at(0, static_cast<int>(typed.size()) - 1);
        if (k % 4 == 1)
            typed.remove(at(rng), 1);
        else if (k % 4 == 2)
            typed.insert(at(rng), typed[at(rng)]);
        SCOPED_TRACE(typed.toStdString());
        Rig rig(typed, k % 2 == 0);
        rig.g.CreateTabelle();
        const std::optional<QStringList> expected = TextRewritingResults(typed, rig.table);
        ASSERT_EQ(rig.g.Error, !expected.has_value());
        if (!expected)
            continue;
        ++tabulated;
        QStringList results;
        for (const QStringList& row : rig.table.Rows())
            results << row.back();
        ASSERT_EQ(results, *expected);
        EXPECT_EQ(oracle::WrongTableRows(rig.table, typed), 0) << "and the function the term denotes";
    }
    EXPECT_GT(tabulated, 300);
}

} // namespace
