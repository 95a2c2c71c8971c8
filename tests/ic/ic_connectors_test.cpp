// The connectors of an IC being defined, without windows: making, naming,
// renaming, removing and the find-next order.
#include <gtest/gtest.h>

#include "ic/ic_connectors.h"
#include "model/state.h"
#include "render/sheet_builder.h"

namespace {

class Connectors : public ::testing::Test {
protected:
    Connectors()
    {
        sheet::NewSheet(s, 20, 12);
        s.ToolMode = ToolCode::ICDefinitionView;
        sheet::Wire(s, 2, 3, 6, 3);   // ends (2, 3) and (6, 3)
        sheet::Wire(s, 9, 1, 9, 5);   // ends (9, 1) and (9, 5)
        sheet::Wire(s, 12, 8, 15, 8); // ends (12, 8) and (15, 8)
    }
    // A new connector at (x, y) named `name`; the outcome of OK.
    NameOutcome Make(int x, int y, const QString& name)
    {
        const auto e = BeginConnector(s, s.ToolMode, static_cast<int16_t>(x), static_cast<int16_t>(y));
        EXPECT_TRUE(e.has_value());
        if (!e)
            return NameOutcome::Empty;
        const NameOutcome out = AcceptConnectorName(s.circuit, *e, name);
        if (out != NameOutcome::Accepted)
            CancelConnector(s.circuit, *e);
        return out;
    }
    QStringList Names() const
    {
        QStringList n;
        for (int k = 1; k <= s.circuit.ICPinCount; ++k)
            n << ConnectorName(s.circuit, k);
        return n;
    }
    ProgramState s;
};

TEST_F(Connectors, OnlyOpenConductorEndsOutsidePlacedICsQualify)
{
    struct Case {
        const char* what;
        int x, y;
        bool qualifies;
    };
    const Case cases[] = {
        {"open end", 2, 3, true},      {"middle of a run", 4, 3, false}, {"empty cell", 0, 0, false},
        {"end of a column", 9, 5, true}, {"outside the sheet", 30, 30, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsConnectorCell(s, s.ToolMode, c.x, c.y), c.qualifies) << c.what;
    s.circuit.P(2, 3).ICLink = 1;
    EXPECT_FALSE(IsConnectorCell(s, s.ToolMode, 2, 3)) << "a pin cell of a placed IC";
    s.circuit.P(2, 3).ICLink = 0;
    s.engine.PowerFlag = kTrue;
    EXPECT_FALSE(IsConnectorCell(s, s.ToolMode, 2, 3)) << "power on";
    s.engine.PowerFlag = kFalse;
    s.ToolMode = ToolCode::Conductor;
    EXPECT_FALSE(IsConnectorCell(s, s.ToolMode, 2, 3)) << "another tool";
    EXPECT_FALSE(BeginConnector(s, s.ToolMode, 2, 3).has_value());
    EXPECT_EQ(s.circuit.ICPinCount, 0);
}

TEST_F(Connectors, NewNamesAreRefusedWhenTheyRepeatAnotherTrimmedIgnoringCase)
{
    ASSERT_EQ(Make(2, 3, QStringLiteral("Clock")), NameOutcome::Accepted);
    struct Case {
        const char* typed;
        NameOutcome outcome;
    };
    const Case cases[] = {
        {"clock", NameOutcome::Duplicate},  {"  CLOCK ", NameOutcome::Duplicate}, {"", NameOutcome::Empty},
        {"Clock2", NameOutcome::Accepted},  {"   ", NameOutcome::Accepted},
    };
    const int ends[][2] = {{6, 3}, {6, 3}, {6, 3}, {6, 3}, {9, 1}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const int before = s.circuit.ICPinCount;
        const NameOutcome out = Make(ends[i][0], ends[i][1], QString::fromLatin1(cases[i].typed));
        EXPECT_EQ(out, cases[i].outcome) << '"' << cases[i].typed << '"';
        EXPECT_EQ(s.circuit.ICPinCount, before + (out == NameOutcome::Accepted ? 1 : 0)) << cases[i].typed;
    }
    EXPECT_EQ(Names(), QStringList({"Clock", "Clock2", "   "}));
    EXPECT_EQ(s.circuit.ICPins.at(2), QStringLiteral("6;3;Clock2;"));
    EXPECT_EQ(s.circuit.P(6, 3).ICConnector, 2);
    EXPECT_EQ(s.circuit.ICPins.size(), 4);
    EXPECT_EQ(s.circuit.ICGraphicPins.size(), 4);
    EXPECT_EQ(s.circuit.ICTags.size(), 4);
    EXPECT_EQ(Make(9, 5, QStringLiteral(" ")), NameOutcome::Duplicate) << "two names of blanks only are one name";
}

TEST_F(Connectors, CharactersThatBreakFileFieldsNeverReachAName)
{
    ASSERT_EQ(Make(2, 3, QStringLiteral("a;b,\"c\"")), NameOutcome::Accepted);
    EXPECT_EQ(s.circuit.ICPins.at(1), QStringLiteral("2;3;abc;"));
    EXPECT_EQ(Make(6, 3, QStringLiteral(";,")), NameOutcome::Empty) << "nothing left is nothing typed";
    EXPECT_EQ(s.circuit.ICPinCount, 1);
}

TEST_F(Connectors, RenamingKeepsTheNumberAndRewritesTheOutlineEntryToo)
{
    ASSERT_EQ(Make(2, 3, QStringLiteral("A")), NameOutcome::Accepted);
    ASSERT_EQ(Make(6, 3, QStringLiteral("B")), NameOutcome::Accepted);
    s.circuit.ICGraphicPins[1] = QStringLiteral("0;2;A;");
    const auto e = BeginConnector(s, s.ToolMode, 2, 3);
    ASSERT_TRUE(e.has_value());
    EXPECT_FALSE(e->isNew);
    EXPECT_EQ(e->index, 1);
    EXPECT_EQ(e->oldName, QStringLiteral("A"));
    EXPECT_EQ(s.circuit.ICPinCount, 2) << "a rename does not count";
    ASSERT_EQ(AcceptConnectorName(s.circuit, *e, QStringLiteral("B")), NameOutcome::Accepted) << "a rename may repeat a name";
    EXPECT_EQ(s.circuit.ICPins.at(1), QStringLiteral("2;3;B;"));
    EXPECT_EQ(s.circuit.ICGraphicPins.at(1), QStringLiteral("0;2;B;")) << "the saved outline entry and the symbol follow";
    EXPECT_EQ(s.circuit.ICGraphicPins.at(2), QString()) << "an unplaced connector stays unplaced";
}

TEST_F(Connectors, CancelWithdrawsANewConnectorAndLeavesARenamedOne)
{
    const auto e = BeginConnector(s, s.ToolMode, 2, 3);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(s.circuit.ICPinCount, 1);
    EXPECT_EQ(e->index, 1);
    CancelConnector(s.circuit, *e);
    EXPECT_EQ(s.circuit.ICPinCount, 0);
    EXPECT_EQ(s.circuit.ICPins.size(), 1);
    EXPECT_EQ(s.circuit.P(2, 3).ICConnector, 0);
    EXPECT_EQ(s.circuit.P(2, 3).Type, ElementType::Conductor);

    ASSERT_EQ(Make(2, 3, QStringLiteral("A")), NameOutcome::Accepted);
    const auto r = BeginConnector(s, s.ToolMode, 2, 3);
    CancelConnector(s.circuit, *r);
    EXPECT_EQ(Names(), QStringList{QStringLiteral("A")});
}

TEST_F(Connectors, RemovingOneMovesTheLaterOnesDownInListsAndCells)
{
    ASSERT_EQ(Make(2, 3, QStringLiteral("A")), NameOutcome::Accepted);
    ASSERT_EQ(Make(6, 3, QStringLiteral("B")), NameOutcome::Accepted);
    ASSERT_EQ(Make(9, 5, QStringLiteral("C")), NameOutcome::Accepted);
    s.circuit.ICGraphicPins[3] = QStringLiteral("7;1;C;");
    s.circuit.ICTags[3] = QStringLiteral("r;21;10;");
    // A pin of a placed IC with a number of its own keeps it.
    s.circuit.P(15, 8).ICLink = 1;
    s.circuit.P(15, 8).ICConnector = 3;

    EXPECT_FALSE(DeleteConnector(s.circuit, 4, 3)) << "no connector there";
    EXPECT_FALSE(DeleteConnector(s.circuit, 15, 8)) << "a placed IC's pin";
    ASSERT_TRUE(DeleteConnector(s.circuit, 6, 3));
    EXPECT_EQ(s.circuit.ICPinCount, 2);
    EXPECT_EQ(Names(), QStringList({"A", "C"}));
    EXPECT_EQ(s.circuit.ICGraphicPins, QStringList({"", "", "7;1;C;"}));
    EXPECT_EQ(s.circuit.ICTags, QStringList({"", "", "r;21;10;"}));
    EXPECT_EQ(s.circuit.P(6, 3).ICConnector, 0);
    EXPECT_EQ(s.circuit.P(9, 5).ICConnector, 2) << "the former 3 is now 2";
    EXPECT_EQ(s.circuit.P(15, 8).ICConnector, 3);

    ResetICDefinition(s.circuit);
    EXPECT_EQ(s.circuit.ICPinCount, 0);
    EXPECT_EQ(s.circuit.P(9, 5).ICConnector, 0);
    EXPECT_EQ(s.circuit.P(15, 8).ICConnector, 3) << "leaving the view keeps a placed IC's pins";
    EXPECT_EQ(s.circuit.ICWidth, 7);
    EXPECT_EQ(s.circuit.ICHeight, 4);
    EXPECT_EQ(s.circuit.ICPins, QStringList{QString()});
}

TEST_F(Connectors, FindNextGoesColumnByColumnAndSkipsNamedEnds)
{
    ASSERT_EQ(Make(9, 1, QStringLiteral("X")), NameOutcome::Accepted);
    int16_t nextX = 0, nextY = 0;
    std::vector<std::pair<int16_t, int16_t>> found;
    int16_t skipX = 9, skipY = 1;
    while (const auto next = FindNextConnectorEnd(s.circuit, nextX, nextY, skipX, skipY)) {
        found.push_back(*next);
        std::tie(skipX, skipY) = *next;
        ASSERT_LE(found.size(), 10u);
    }
    const std::vector<std::pair<int16_t, int16_t>> expected = {{2, 3}, {6, 3}, {9, 5}, {12, 8}, {15, 8}};
    EXPECT_EQ(found, expected);
    EXPECT_EQ(nextY, 0);

    // A search resumes below the last find, in the same column.
    nextX = 9;
    nextY = 0;
    EXPECT_EQ(FindNextConnectorEnd(s.circuit, nextX, nextY, -1, -1), std::make_optional(std::make_pair<int16_t, int16_t>(9, 5)));
    EXPECT_EQ(nextX, 9);
    EXPECT_EQ(nextY, 6);
}

} // namespace
