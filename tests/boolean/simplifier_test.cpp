// The term simplifier: constant folding, repeated operands, De Morgan and
// its messages.
#include <gtest/gtest.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsBool.h"
#include "platform/recording_surface.h"
#include "support/term_oracle.h"

namespace {

QString Simplified(const QString& t, TextCaption* label = nullptr)
{
    TextCaption own;
    clsBool b;
    b.ErrorDevice = label ? label : &own;
    b.SetFormel(t);
    b.Vereinfache();
    return b.Formel();
}

struct Case {
    const char* in;
    const char* out;
};

TEST(Simplifier, FoldsRepeatedOperandsAndConstantsBesideVariables)
{
    // Terms of constants alone: TermProperties.TermsWithoutVariablesSimplifyToOneConstant.
    const Case cases[] = {
        {"A&A", "A"}, {"AvA", "A"}, {"A&<A>", "0"}, {"Av<A>", "1"},           {"A&1", "A"},
        {"Av0", "A"}, {"A&0", "0"}, {"Av1", "1"},   {"<<A>>", "A"},           {"<A&B>", "<A>v<B>"},
        {"<AvB>&C", "<A>&<B>&C"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Simplified(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(Simplifier, DeMorganKeepsTheFunction)
{
    // The bracket of a negated AND run closes after its last literal, and an
    // OR that loses its double negation keeps its brackets.
    const char* terms[] = {"<AvB&CvD>", "<A&BvC>", "<Cv<AvB>>&D", "<<AvB>vC>", "<A&<BvC>&D>vE", "<(A&B)v(C&<D>)>"};
    for (const char* t : terms) {
        const QString in = QString::fromLatin1(t);
        const QString out = Simplified(in);
        EXPECT_TRUE(oracle::SameFunction(in, out, oracle::Variables(in))) << t << " -> " << out.toStdString();
    }
    clsBool b;
    TextCaption label;
    b.ErrorDevice = &label;
    EXPECT_EQ(b.PushNegation(QStringLiteral("<A&B>&C")), QStringLiteral("(<A>v<B>)&C"));
    EXPECT_EQ(b.PushNegation(QStringLiteral("<AvB&CvD>")), QStringLiteral("<A>&(<B>v<C>)&<D>"));
    EXPECT_EQ(b.PushNegation(QStringLiteral("<Cv<AvB>>")), QStringLiteral("<C>&(AvB)"));
    EXPECT_EQ(b.RemoveNegBrackets(QStringLiteral("<(A&(B&C))>v<(D)>")), QStringLiteral("<A&(B&C)>v<(D)>"));
}

TEST(Simplifier, FindErrorsMessages)
{
    struct ErrorCase {
        const char* term;
        const char* caption;
    };
    const ErrorCase cases[] = {
        {"A(B", "Invalid bracket term or invalid negation."},
        {"A+B", "Invalid character: '+'"},
        {"(<A)>", ""}, // only the balance of the signs is tested
        {"", ""},
    };
    for (const ErrorCase& c : cases) {
        TextCaption label;
        label.SetCaption(QStringLiteral("old"));
        const QString out = Simplified(QString::fromLatin1(c.term), &label);
        EXPECT_EQ(label.Caption(), QString::fromLatin1(c.caption)) << c.term;
        if (*c.caption || !*c.term) {
            EXPECT_EQ(out, QString::fromLatin1(c.term)) << "an invalid term stays";
        }
    }
}

TEST(Simplifier, TraceRecordsStepsAndDrawsThem)
{
    clsBool b;
    TextCaption label;
    RecordingSurface surface;
    b.ErrorDevice = &label;
    b.Output = &surface;
    b.SetFormel(QStringLiteral("<A&B>"));
    b.Vereinfache();
    ASSERT_GE(b.TermCount, 2);
    EXPECT_EQ(b.Steps().front(), QStringLiteral("<A&B>"));
    EXPECT_EQ(b.Steps().back(), b.Formel());
    b.ShowTerm(1, 0, 20);
    // "1) <A&B>": six visible characters at a pitch of 10, the AND as a
    // wedge in slot 5, one overline over A&B (slots 4 to 6).
    const QStringList& log = surface.Log();
    EXPECT_TRUE(log.contains(QStringLiteral("Line 51,32-54,27 color=0xFF0000 mode=Plain width=1")));
    EXPECT_TRUE(log.contains(QStringLiteral("Line 40,20-69,20 color=0xFF mode=Plain width=1"))) << log.join('\n').toStdString();
    EXPECT_EQ(log.filter(QStringLiteral("Print")).size(), 5); // "1", ")", " ", "A", "B"
}

} // namespace
