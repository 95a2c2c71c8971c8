// Splitting terms into the group list, the NAND/NOR conversion, the tree
// listing and the list operations the drawing uses.
#include <gtest/gtest.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsGroups.h"
#include "boolean/term_parts.h"
#include "support/scripted_user_dialogs.h"

namespace {

// The group list as "term level parent [n]" per record, records joined by ", ".
QString Listing(const clsGroups& g)
{
    QStringList records;
    for (std::size_t k = 1; k < g.Groups().size(); ++k) {
        const GroupRecord& r = g.Groups()[k];
        records << QStringLiteral("%1 %2 %3%4").arg(r.Term).arg(r.Level).arg(r.Parent).arg(r.Negation ? " n" : "");
    }
    return records.join(QStringLiteral(", "));
}

// Splits a term as the tools do: implicit AND, AND runs, normalisation.
clsGroups Split(const QString& typed, int convertTo = 0)
{
    clsGroups g;
    g.Term = typed;
    g.Term = g.Correct(term::CheckAnds(term::SetAND(g.Term)));
    g.SplitTerm(g.Term, 1, 0);
    g.CountChildren();
    g.CreateVarList();
    if (convertTo != 0)
        g.Convert(convertTo);
    return g;
}

struct SplitCase {
    const char* term;
    int convertTo;
    const char* listing; // "" when the split fails
};

TEST(Groups, SplitTermBuildsThePreorderGroupList)
{
    const SplitCase cases[] = {
        {"A&B", 0, "& 1 0, A 2 1, B 2 1"},
        {"<A&B>", 0, "& 1 0 n, A 2 1, B 2 1"},
        {"Av(B&C)vD", 0, "v 1 0, A 2 1, & 2 1, B 3 3, C 3 3, D 2 1"},
        {"<A>v<<B>>", 0, "v 1 0, A 2 1 n, B 2 1"},
        {"A&BvC", 0, "v 1 0, & 2 1, A 3 2, B 3 2, C 2 1"},
        // Brackets and an even number of negations around a compound operand come off.
        {"Xv<<A&B>>", 0, "v 1 0, X 2 1, & 2 1, A 3 3, B 3 3"},
        {"((<A&B>)vC)&D", 0, "& 1 0, v 2 1, & 3 2 n, A 4 3, B 4 3, C 3 2, D 2 1"},
        // One literal is a gate of it with itself.
        {"(<A>)", 0, "& 1 0 n, A 2 1, A 2 1"},
        // NAND only: an OR becomes an AND of negated inputs with a negated output.
        {"AvB", 1, "& 1 0 n, A 2 1 n, B 2 1 n"},
        {"A&B", 2, "v 1 0 n, A 2 1 n, B 2 1 n"},
        {"A&B", 1, "& 1 0, A 2 1, B 2 1"},
        {"AvB&C", 1, "& 1 0 n, A 2 1 n, & 2 1 n, B 3 3, C 3 3"},
        // AND runs inside a bracket are bracketed too.
        {"X&(A&BvC&D)", 0, "& 1 0, X 2 1, v 2 1, & 3 3, A 4 4, B 4 4, & 3 3, C 4 7, D 4 7"},
        {"(A&BvC&D)", 0, "v 1 0, & 2 1, A 3 2, B 3 2, & 2 1, C 3 5, D 3 5"},
        // A double negation in an AND run is no negation.
        {"<<A>>&B&C", 0, "& 1 0, A 2 1, B 2 1, C 2 1"},
        {"C&<<A>>&B", 0, "& 1 0, C 2 1, A 2 1, B 2 1"},
        // A bracketed letter inside a negation is a leaf.
        {"<(A)vB>", 0, "v 1 0 n, A 2 1, B 2 1"},
        {"C&<(<A>)vB>", 0, "& 1 0, C 2 1, v 2 1 n, A 3 3 n, B 3 3"},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.term);
        const clsGroups g = Split(QString::fromLatin1(c.term), c.convertTo);
        EXPECT_EQ(g.Error, *c.listing == 0);
        if (*c.listing) {
            EXPECT_EQ(Listing(g), QString::fromLatin1(c.listing));
        }
    }
}

TEST(Groups, InputsVariablesAndBranches)
{
    clsGroups g = Split(QStringLiteral("A&BvA&(CvD)"));
    ASSERT_FALSE(g.Error);
    // v(& (A, B), & (A, v (C, D)))
    EXPECT_EQ(g.Groups()[1].Inputs, 2);
    EXPECT_EQ(g.Groups()[2].Inputs, 2);
    EXPECT_EQ(g.VarList(), (QStringList{QString(), "A", "B", "C", "D"}));
    EXPECT_EQ(g.MaxLevel(0), 4);
    g.CreateBranchLists();
    ASSERT_EQ(g.BranchLists().size(), 3u);
    EXPECT_EQ(g.BranchLists()[1].size(), 4u); // & A B, with the empty element 0
    EXPECT_EQ(g.BranchLists()[2].size(), 6u); // & A v C D
    EXPECT_EQ(g.MaxLevel(2), 4);
    EXPECT_EQ(g.MaxLevel(3), 0);
    int row = 10;
    for (std::size_t b = 1; b < g.BranchLists().size(); ++b) {
        for (std::size_t k = 1; k < g.BranchLists()[b].size(); ++k)
            g.BranchLists()[b][k].Row = row++;
    }
    g.CopyBranchRows();
    for (std::size_t k = 2; k < g.Groups().size(); ++k)
        EXPECT_EQ(g.Groups()[k].Row, static_cast<int>(k) + 8);
}

class RecordingTree : public GroupTreeSink {
public:
    void Clear() override { lines.clear(); }
    void AddNode(const QString& parentKey, const QString& key, const QString& text) override
    {
        lines << parentKey + QStringLiteral(" > ") + key + QStringLiteral(" : ") + text;
    }
    void Expand(const QString& key) override { expanded << key; }
    QStringList lines;
    QStringList expanded;
};

TEST(Groups, ShowGroupsListsTheTree)
{
    clsGroups g = Split(QStringLiteral("<A&<B>&C>vD"));
    RecordingTree tree;
    tree.lines << QStringLiteral("old");
    g.tvwGroups = &tree;
    g.ShowGroups();
    EXPECT_EQ(tree.lines, (QStringList{" > 1v : v (2)", "1v > 2& : & (n) (3)", "2& > 3A : A", "2& > 4B : B (n)",
                                       "2& > 5C : C", "1v > 6D : D"}));
    EXPECT_EQ(tree.expanded.size(), 6);
}

TEST(Groups, DelGroupRefusesAGateWithOperands)
{
    ScriptedUserDialogs dialogs;
    clsGroups g = Split(QStringLiteral("Av(B&C)vD"));
    g.Dialogs = &dialogs;
    g.DelGroup(3);
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("Nicht möglich")});
    EXPECT_EQ(g.Groups().size(), 7u);
    g.DelGroup(5);
    g.DelGroup(4);
    // The AND now stands as an ordinary operand; D moved up and keeps its parent.
    EXPECT_EQ(Listing(g), QStringLiteral("v 1 0, A 2 1, & 2 1, D 2 1"));
    g.DelGroup(3);
    EXPECT_EQ(Listing(g), QStringLiteral("v 1 0, A 2 1, D 2 1"));
}

} // namespace
