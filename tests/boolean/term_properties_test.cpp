// Random valid terms against the brute-force evaluator: the group tree, its
// NAND-only and NOR-only conversions and the simplifier compute the function
// the term denotes (the calculated truth table: TruthTable tests).
#include <gtest/gtest.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsBool.h"
#include "boolean/clsGroups.h"
#include "boolean/term_parts.h"
#include "support/scripted_user_dialogs.h"
#include "support/term_oracle.h"

namespace {

constexpr int kTerms = 300;

// The normalisation every tool runs before grouping.
QString Normalised(clsGroups& g, const QString& typed)
{
    g.Term = term::SetAND(typed);
    EXPECT_FALSE(g.CheckErrors()) << typed.toStdString();
    return g.Correct(term::CheckAnds(g.Term));
}

bool TreeMatches(const std::vector<GroupRecord>& groups, const QString& t, unsigned mask)
{
    unsigned values = 0;
    do {
        if (oracle::EvaluateGroups(groups, values) != oracle::Evaluate(t, values).value())
            return false;
        values = (values - mask) & mask;
    } while (values != 0);
    return true;
}

TEST(TermProperties, GroupTreesAndTheirConversionsComputeTheTerm)
{
    std::mt19937 rng(19);
    for (int n = 0; n < kTerms; ++n) {
        const QString typed = oracle::RandomTerm(rng, {5, 3, false, true});
        SCOPED_TRACE(typed.toStdString());
        ScriptedUserDialogs dialogs;
        clsGroups g;
        g.Dialogs = &dialogs;
        g.Term = Normalised(g, typed);
        g.SplitTerm(g.Term, 1, 0);
        ASSERT_FALSE(g.Error) << g.Term.toStdString();
        g.CountChildren();
        const unsigned mask = oracle::Variables(typed);
        EXPECT_TRUE(TreeMatches(g.Groups(), typed, mask));
        for (int mode : {1, 2}) {
            clsGroups converted = g;
            converted.Convert(mode);
            const QString other = mode == 1 ? QStringLiteral("v") : QStringLiteral("&");
            for (std::size_t k = 1; k < converted.Groups().size(); ++k)
                EXPECT_NE(converted.Groups()[k].Term, other);
            EXPECT_TRUE(TreeMatches(converted.Groups(), typed, mask)) << "mode " << mode;
        }
        EXPECT_TRUE(dialogs.Asked().empty());
    }
}

TEST(TermProperties, SimplifiedTermsKeepTheirFunction)
{
    std::mt19937 rng(7);
    for (int n = 0; n < kTerms; ++n) {
        const QString typed = oracle::RandomTerm(rng, {4, 3, true, true});
        SCOPED_TRACE(typed.toStdString());
        TextCaption label;
        clsBool b;
        b.ErrorDevice = &label;
        b.SetFormel(typed);
        b.Vereinfache();
        EXPECT_TRUE(oracle::SameFunction(typed, b.Formel(), oracle::Variables(typed))) << b.Formel().toStdString();
        EXPECT_TRUE(label.Caption().isEmpty());
    }
}

TEST(TermProperties, TermsWithoutVariablesSimplifyToOneConstant)
{
    std::mt19937 rng(3);
    for (int n = 0; n < kTerms; ++n) {
        // Substituting values for the letters, as the truth table does.
        QString t = oracle::RandomTerm(rng, {3, 3, true, false});
        const unsigned values = static_cast<unsigned>(rng()) & 7u;
        const bool expected = oracle::Evaluate(t, values).value();
        for (auto& c : t) {
            if (term::IsVariable(c))
                c = ((values >> (c.unicode() - u'A')) & 1u) ? u'1' : u'0';
        }
        SCOPED_TRACE(t.toStdString());
        TextCaption label;
        clsBool b;
        b.ErrorDevice = &label;
        b.SetFormel(t);
        b.Vereinfache();
        EXPECT_EQ(b.Formel(), expected ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

} // namespace
