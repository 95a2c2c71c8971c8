// The conductor tool's rubber band: its route, what stops it, and the
// conductors it draws or erases on release.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "editing/conductor_band.h"
#include "editor_rig.h"
#include "placement/clsUndo.h"

namespace {

using Cells = std::set<std::pair<int, int>>;

class Band : public EditorRig {
protected:
    Band() { s.ToolMode = ToolCode::Conductor; }

    // A two-cell component whose first cell is its only pin: along row y
    // from x, or down column x from y.
    void Component(int x, int y, bool down)
    {
        const int16_t n = static_cast<int16_t>(s.circuit.ElementCount() + 1);
        s.circuit.Elements.resize(static_cast<size_t>(n) + 1);
        ElementRecord& e = s.circuit.Elements[static_cast<size_t>(n)];
        e.Type = ElementType::LED;
        e.SelfIndex = n;
        e.InPinList = QStringLiteral("X%1Y%2:").arg(x).arg(y);
        for (int i = 0; i < 2; ++i) {
            GridCell& cell = s.circuit.P(down ? x : x + i, down ? y + i : y);
            cell.Type = ElementType::LED;
            cell.ElementNr = n;
        }
    }
    Cells Conductors() const
    {
        Cells cells;
        for (int x = 0; x <= s.circuit.MaxX; ++x)
            for (int y = 0; y <= s.circuit.MaxY; ++y)
                if (s.circuit.P(x, y).Type == ElementType::Conductor)
                    cells.insert({x, y});
        return cells;
    }
    static Cells Row(int x1, int x2, int y)
    {
        Cells cells;
        for (int x = x1; x <= x2; ++x)
            cells.insert({x, y});
        return cells;
    }
    static Cells Column(int x, int y1, int y2)
    {
        Cells cells;
        for (int y = y1; y <= y2; ++y)
            cells.insert({x, y});
        return cells;
    }
    static Cells Join(Cells a, const Cells& b)
    {
        a.insert(b.begin(), b.end());
        return a;
    }
    ConductorBand& band() { return editor.band; }
};

TEST_F(Band, ALegStopsAtTheFirstComponentInItsWay)
{
    Component(10, 5, false); // pin (10, 5), body (11, 5)
    Component(30, 10, true); // pin (30, 10), body (30, 11)
    Component(0, 5, false);  // pin (0, 5), body (1, 5)
    struct Case {
        const char* name;
        int from, at, to;
        int16_t stop;
    } const rows[] = {
        {"free row", 2, 6, 20, kNoObstacle},
        {"towards the pin", 2, 5, 20, 10},
        {"towards the body", 20, 5, 2, 11},
        {"short of it", 2, 5, 9, kNoObstacle},
        {"out of the pin, away", 10, 5, 2, kNoObstacle},
        {"out of the pin, into its body", 10, 5, 20, 10},
        {"out of the body", 11, 5, 20, 11},
        {"a single free cell", 4, 5, 4, kNoObstacle},
        // Fault: a leg from a pin in column 0 into its own body was taken as unblocked.
        {"out of a pin in column 0, into its body", 0, 5, 6, 0},
        {"beyond a component in column 0", 2, 5, 6, kNoObstacle},
    };
    for (const Case& k : rows)
        EXPECT_EQ(band().BlockedH(static_cast<int16_t>(k.from), static_cast<int16_t>(k.at),
                                       static_cast<int16_t>(k.to)),
                  k.stop)
            << k.name;
    const Case columns[] = {
        {"free column", 2, 29, 20, kNoObstacle},
        {"towards the pin", 2, 30, 20, 10},
        {"towards the body", 20, 30, 2, 11},
        {"out of the pin, away", 10, 30, 2, kNoObstacle},
        {"out of the pin, into its body", 10, 30, 20, 10},
        {"out of the body", 11, 30, 2, 11},
    };
    for (const Case& k : columns)
        EXPECT_EQ(band().BlockedV(static_cast<int16_t>(k.from), static_cast<int16_t>(k.at),
                                       static_cast<int16_t>(k.to)),
                  k.stop)
            << k.name;
    Drag({{0, 5}, {6, 5}});
    EXPECT_TRUE(Conductors().empty()) << "no leg into the component from column 0";
    EXPECT_EQ(s.circuit.P(1, 5).Type, ElementType::LED);
}

TEST_F(Band, TheBandTakesTheDirectionOfItsFirstStraightMove)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> path;
        Cells drawn;
    } const cases[] = {
        {"along the row", {{2, 2}, {6, 2}}, Row(2, 6, 2)},
        {"row, then column", {{2, 2}, {6, 2}, {6, 5}}, Join(Row(2, 6, 2), Column(6, 2, 5))},
        {"column, then row", {{2, 2}, {2, 5}, {6, 5}}, Join(Column(2, 2, 5), Row(2, 6, 5))},
        {"leftwards and up", {{9, 9}, {4, 9}, {4, 3}}, Join(Row(4, 9, 9), Column(4, 3, 9))},
        {"back over the anchor keeps the column", {{2, 2}, {2, 5}, {2, 2}, {6, 2}, {6, 5}},
         Join(Column(2, 2, 5), Row(2, 6, 5))},
        {"never straight from the anchor", {{2, 2}, {6, 5}}, {}},
        {"back to the anchor", {{2, 2}, {6, 2}, {2, 2}}, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EditorRig::Move(k.path.front().first, k.path.front().second);
        Press(k.path.front().first, k.path.front().second);
        for (const auto& [x, y] : k.path)
            EditorRig::Move(x, y, 1);
        EXPECT_TRUE(editor.overlay.LeitungH.Visible || editor.overlay.LeitungV.Visible);
        Release(k.path.back().first, k.path.back().second);
        EXPECT_EQ(Conductors(), k.drawn);
        // Along an L every two drawn neighbours are linked, and nothing else is.
        for (const auto& [x, y] : k.drawn) {
            const GridCell& cell = s.circuit.P(x, y);
            EXPECT_EQ(cell.ConLeft != 0, k.drawn.contains({x - 1, y})) << x << "," << y;
            EXPECT_EQ(cell.ConRight != 0, k.drawn.contains({x + 1, y})) << x << "," << y;
            EXPECT_EQ(cell.ConUp != 0, k.drawn.contains({x, y - 1})) << x << "," << y;
            EXPECT_EQ(cell.ConDown != 0, k.drawn.contains({x, y + 1})) << x << "," << y;
        }
        EXPECT_FALSE(editor.overlay.LeitungH.Visible);
        EXPECT_FALSE(editor.overlay.LeitungV.Visible);
        if (!k.drawn.empty())
            undo.Undo(c);
        ASSERT_TRUE(Conductors().empty());
    }
}

TEST_F(Band, TheSecondLegStartsOnlyFromAFreeCorner)
{
    Component(6, 2, false); // the first leg ends on its pin
    Drag({{2, 2}, {8, 2}, {8, 6}});
    EXPECT_EQ(Conductors(), Row(2, 5, 2));
    EXPECT_NE(s.circuit.P(6, 2).ConLeft, 0) << "the leg reaches the pin";
    EXPECT_EQ(s.circuit.P(6, 3).Type, ElementType::Empty);
}

} // namespace
