// Random strings through the checker, the simplifier and the whole table and
// minimiser pipeline: nothing crashes, only the checks refuse a term, with
// their message, and what they accept is computed right.
#include <gtest/gtest.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsBool.h"
#include "boolean/clsGroups.h"
#include "boolean/clsQuineMcCluskey.h"
#include "boolean/term_checks.h"
#include "boolean/term_parts.h"
#include "platform/string_table.h"
#include "support/scripted_user_dialogs.h"
#include "support/term_oracle.h"

#include <random>

namespace {

QString RandomText(std::mt19937& rng, const char* alphabet, int maxLength)
{
    const int size = static_cast<int>(std::strlen(alphabet));
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0, size - 1);
    QString s;
    for (int k = length(rng); k > 0; --k)
        s += QChar(alphabet[pick(rng)]);
    return s;
}

// A valid term with up to three characters inserted, removed or replaced:
// mostly near misses of the checks, some odd but valid terms.
QString MutatedTerm(std::mt19937& rng)
{
    const char* alphabet = "ABC()<>&v";
    QString t = oracle::RandomTerm(rng, {3, 2, false, true});
    std::uniform_int_distribution<int> edits(0, 3);
    for (int k = edits(rng); k > 0 && !t.isEmpty(); --k) {
        std::uniform_int_distribution<int> at(0, static_cast<int>(t.size()) - 1);
        std::uniform_int_distribution<int> pick(0, 8);
        const int p = at(rng);
        switch (edits(rng)) {
        case 0:
            t.remove(p, 1);
            break;
        case 1:
            t.insert(p, QChar(alphabet[pick(rng)]));
            break;
        default:
            t[p] = QChar(alphabet[pick(rng)]);
            break;
        }
    }
    return t;
}

TEST(TermFuzz, PipelineRefusesWithAMessageOrComputesTheTerm)
{
    std::mt19937 rng(2026);
    int accepted = 0;
    for (int n = 0; n < 1600; ++n) {
        const QString typed = n % 2 == 0 ? RandomText(rng, "ABCAB()<>&v&v+1", 12) : MutatedTerm(rng);
        SCOPED_TRACE(typed.toStdString());
        ScriptedUserDialogs dialogs;
        CalculatedTable table;
        clsGroups g;
        g.Dialogs = &dialogs;
        g.Tabelle = &table;
        clsQuineMcCluskey q;
        q.Tabelle = &table;
        q.PressTabelle = [&] {
            g.Term = typed;
            g.CreateTabelle();
            q.Error = g.Error;
        };
        const QString minimised = q.Vereinfache();
        // Only the checks refuse a term, each with its own message.
        const int fault = FindTermFault(term::SetAND(typed));
        if (g.Error) {
            EXPECT_NE(fault, 0);
            ASSERT_EQ(dialogs.MessageTexts(), QStringList{LoadResString(TermErrorResId(fault, false))});
            EXPECT_TRUE(minimised.isEmpty());
            continue;
        }
        ++accepted;
        EXPECT_EQ(fault, 0);
        EXPECT_TRUE(dialogs.Asked().empty());
        const unsigned mask = oracle::Variables(typed);
        EXPECT_EQ(oracle::WrongTableRows(table, typed), 0);
        // The groups the table was built from compute the term too, also
        // in NAND and NOR style.
        g.CountChildren();
        for (int mode : {0, 1, 2}) {
            clsGroups converted = g;
            if (mode != 0)
                converted.Convert(mode);
            for (unsigned values = 0; values < 8; ++values) {
                EXPECT_EQ(oracle::EvaluateGroups(converted.Groups(), values), oracle::Evaluate(typed, values).value())
                    << "mode " << mode;
            }
        }
        if (minimised != QStringLiteral("()")) {
            EXPECT_TRUE(oracle::SameFunction(minimised, typed, mask)) << minimised.toStdString();
        }
    }
    EXPECT_GT(accepted, 200);
}

TEST(TermFuzz, SimplifierEndsOnAnyText)
{
    std::mt19937 rng(9);
    for (int n = 0; n < 3000; ++n) {
        const QString text = RandomText(rng, "AB01()<>&v&v+", 14);
        SCOPED_TRACE(text.toStdString());
        TextCaption label;
        clsBool b;
        b.ErrorDevice = &label;
        const bool invalid = b.FindErrors(text);
        EXPECT_EQ(invalid, !label.Caption().isEmpty());
        b.SetFormel(text);
        b.Vereinfache();
        if (invalid) {
            EXPECT_EQ(b.Formel(), text); // refused before any rewrite, with its message
            EXPECT_FALSE(label.Caption().isEmpty());
            continue;
        }
        // A text the reader accepts keeps its function.
        if (oracle::Evaluate(text, 0).has_value()) {
            EXPECT_TRUE(oracle::SameFunction(text, b.Formel(), oracle::Variables(text))) << b.Formel().toStdString();
        }
    }
}

} // namespace
