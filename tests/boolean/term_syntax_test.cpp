// Checking, implicit AND, AND-run bracketing, normalisation and the part
// primitives of typed terms.
#include <gtest/gtest.h>

#include "boolean/clsGroups.h"
#include "boolean/term_parts.h"
#include "support/scripted_user_dialogs.h"

using namespace term;

namespace {

struct CheckCase {
    const char* term;
    const char* message; // "" when the term passes
};

TEST(TermSyntax, ChecksReportTheFirstFaultInOrder)
{
    const CheckCase cases[] = {
        {"A", "Incomplete term."},
        {"Av", "Incomplete term."},
        {"<A>", "Incomplete term."},
        {"AvB", ""},
        {"A&&B", "Invalid use of operators."},
        {"A&<vB>", "Invalid negation."},
        {"A+B", "Invalid symbol."},
        {"(A&B", "Invalid bracket term."},
        {"&AvB", "Use of a symbol at invalid position."},
        {"A&&B+C", "Invalid use of operators."}, // two faults: the first in order
        {"A+(B", "Invalid symbol."},
        // Nesting, not only the counts of the signs.
        {"(<A)>", "Invalid negation."},
        {"<(A>)", "Invalid negation."},
        {"A)v(B", "Invalid bracket term."},
        {"A&()", "Invalid bracket term."},
        {"A&<>", "Invalid negation."},
        {"()", "Incomplete term."},
        {"<A>v<(BvC)>", ""},
        {"<<A>vB>&(C)", ""},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.term);
        ScriptedUserDialogs dialogs;
        clsGroups g;
        g.Dialogs = &dialogs;
        g.Term = QString::fromLatin1(c.term);
        const bool failed = g.CheckErrors();
        EXPECT_EQ(failed, *c.message != 0);
        EXPECT_EQ(g.Error, failed);
        if (failed) {
            ASSERT_EQ(dialogs.Asked().size(), 1u);
            EXPECT_EQ(dialogs.Asked()[0].text, QString::fromLatin1(c.message));
            EXPECT_EQ(dialogs.Asked()[0].title, QStringLiteral("Circuit synthesis"));
            EXPECT_EQ(dialogs.Asked()[0].icon, MessageIcon::Critical);
        } else {
            EXPECT_TRUE(dialogs.Asked().empty());
        }
        EXPECT_EQ(g.Term, QString::fromLatin1(c.term)); // checks change nothing
    }
}

struct Rewrite {
    const char* in;
    const char* out;
};

TEST(TermSyntax, ImplicitAndIsWrittenOut)
{
    const Rewrite cases[] = {
        {"ABC", "A&B&C"},
        {"<A>B", "<A>&B"},
        {"(A)(B)(D)(E)(F)(G)", "(A)&(B)&(D)&(E)&(F)&(G)"},
        {"A(BvC)", "A&(BvC)"},
        {"A<B><C>D", "A&<B>&<C>&D"},
        {"(A)<B>", "(A)&<B>"}, // also where a bracket meets a negation
        {"<A>(B)", "<A>&(B)"},
        {"A&BvC", "A&BvC"},
    };
    for (const Rewrite& c : cases)
        EXPECT_EQ(SetAND(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(TermSyntax, AndRunsAfterAnAndRunAreBracketed)
{
    const Rewrite cases[] = {
        {"A&BvC&D", "A&Bv(C&D)"},
        {"A&BvC&DvE&F", "A&Bv(C&D)v(E&F)"},
        {"AvB&C", "AvB&C"},
        {"A&BvCvD&E", "A&BvCvD&E"},
        {"<A&BvC&D>", "<A&Bv(C&D)>"},
    };
    for (const Rewrite& c : cases)
        EXPECT_EQ(CheckAnds(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(TermSyntax, NormalisationRewrites)
{
    const Rewrite cases[] = {
        {"((A))", "A"},          // double bracket, then the outer pair
        {"((A)v(B))", "AvB"}, // the outer pair, then the single-letter brackets
        {"X&((AvB))", "X&(AvB)"},
        {"<<AvB>>", "AvB"},
        {"<<A>v<B>>", "<<A>v<B>>"},
        {"(A)&<(B)>&(<C>)", "A&<B>&<C>"},
        {"<(A&B)>", "<A&B>"},
        {"(<A&B>)", "<A&B>"},
    };
    for (const Rewrite& c : cases) {
        clsGroups g;
        const QString out = g.Correct(QString::fromLatin1(c.in));
        EXPECT_EQ(out, QString::fromLatin1(c.out)) << c.in;
        EXPECT_EQ(g.Corrected, out != QString::fromLatin1(c.in)) << c.in;
    }
    EXPECT_EQ(RemoveDoubleNeg(QStringLiteral("<<AvB>>&")), QStringLiteral("(AvB)&"));
    EXPECT_EQ(CheckOuterBrackets(QStringLiteral("(A)v(B)")), QStringLiteral("(A)v(B)"));
    EXPECT_EQ(RemoveDoubleBrackets(QStringLiteral("((A)v(B))")), QStringLiteral("((A)v(B))"));
}

TEST(TermSyntax, PartsAndTheirTypes)
{
    const QString t = QStringLiteral("Av(B&C)v<D>");
    EXPECT_EQ(CountParts(t), 3);
    EXPECT_EQ(GetPart(t, 2), QStringLiteral("(B&C)v"));
    EXPECT_EQ(GetPart(t, 4), QString());
    EXPECT_EQ(GetPart(t, 0), t);
    EXPECT_EQ(CountParts(QStringLiteral("<A>&B")), 2);
    EXPECT_EQ(SplitParts(QStringLiteral("<A&B>v<C>&D")),
              (QStringList{QStringLiteral("<A&B>v"), QStringLiteral("<C>&"), QStringLiteral("D")}));
    // A&BvC&DvE: the AND runs are type 3, the lone last operand type 4.
    const QString runs = QStringLiteral("A&BvCvD&E");
    const int expected[] = {3, 3, 4, 3, 3};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(GetPartType(i, runs), expected[i - 1]) << i;
    EXPECT_EQ(StripNeg(QStringLiteral("<<A>&<B>>")), QStringLiteral("A&B"));
    EXPECT_TRUE(HasOuterOr(QStringLiteral("A&BvC")));
    EXPECT_FALSE(HasOuterOr(QStringLiteral("<AvB>&(CvD)")));
    EXPECT_TRUE(FullNegation(QStringLiteral("<A&B>")));
    EXPECT_FALSE(FullNegation(QStringLiteral("<A>&<B>")));
}

} // namespace
