// Routing beside the rubber band: a free path between two cells, and whether
// a straight path towards the cursor runs into a component.
#include "editing/find_way.h"
#include "editor_rig.h"
#include "model/pin_lists.h"

namespace {

class FindWayTest : public EditorRig {};

TEST_F(FindWayTest, APathGoesAlongTheRowThenTheColumnAndStopsAtAComponent)
{
    struct Case {
        const char* what;
        int blockX, blockY; // a component cell on the way, or -1
        bool crossing;      // a vertical conductor crosses row 2 at column 4
        bool reached;
    };
    const Case cases[] = {
        {"free", -1, -1, false, true},
        {"across a conductor", -1, -1, true, true},
        {"component on the row", 4, 2, false, false},
        {"component on the column", 6, 4, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InitArbeitsfeld(s);
        if (c.blockX >= 0)
            s.circuit.P(c.blockX, c.blockY).Type = ElementType::AND;
        if (c.crossing)
            for (int y = 1; y <= 3; ++y) {
                s.circuit.P(4, y).Type = ElementType::Conductor;
                s.circuit.P(4, y).ConUp = y > 1 ? kTrue : kFalse;
                s.circuit.P(4, y).ConDown = y < 3 ? kTrue : kFalse;
            }
        EXPECT_EQ(FindWay(s, 2, 2, 6, 5, false), c.reached);
        EXPECT_EQ(s.circuit.P(2, 2).Type, ElementType::Empty) << "a trial changes nothing";
        EXPECT_EQ(FindWay(s, 2, 2, 6, 5, true), c.reached);
        EXPECT_TRUE(s.circuit.P(2, 2).ConRight) << "the first step is along the row";
        EXPECT_EQ(s.circuit.P(2, 2).Type, ElementType::Conductor);
        if (c.reached) {
            EXPECT_TRUE(s.circuit.P(6, 2).ConLeft && s.circuit.P(6, 2).ConDown && !s.circuit.P(6, 2).ConRight);
            EXPECT_TRUE(s.circuit.P(6, 5).ConUp);
            EXPECT_EQ(s.circuit.P(4, 2).ConUp != 0, c.crossing);
            EXPECT_TRUE(s.circuit.P(4, 2).ConLeft && s.circuit.P(4, 2).ConRight);
        }
    }
    InitArbeitsfeld(s);
    EXPECT_TRUE(FindWay(s, 3, 3, 3, 3, true)) << "start and target coincide";
    s.circuit.P(5, 3).Type = ElementType::Conductor;
    s.circuit.P(5, 3).ConLeft = s.circuit.P(5, 3).ConRight = kTrue;
    EXPECT_FALSE(FindWay(s, 3, 3, 8, 3, false)) << "a conductor along the row is no crossing";
}

TEST_F(FindWayTest, AStraightPathIsBlockedByTheComponentItLeadsInto)
{
    const int gate = Place(ElementType::AND, 20, 10);
    ASSERT_EQ(gate, 1);
    const ElementPins in = InputPinsOf(s, 1, 0);
    const ElementPins out = OutputPinsOf(s, 1, 0);
    ASSERT_GT(in.count, 0);
    ASSERT_GT(out.count, 0);
    const int16_t ix = in.pin[0].X, iy = in.pin[0].Y;
    const int16_t ox = out.pin[0].X, oy = out.pin[0].Y;
    struct Case {
        const char* what;
        int16_t x, y, cursor;
        bool blocked;
    };
    const Case cases[] = {
        {"from an input into the gate", ix, iy, static_cast<int16_t>(ix + 10), true},
        {"from an input away from it", ix, iy, static_cast<int16_t>(ix - 10), false},
        {"from the output away from it", ox, oy, static_cast<int16_t>(ox + 10), false},
        {"from the output back into it", ox, oy, static_cast<int16_t>(ox - 10), true},
        {"past the gate on its row", static_cast<int16_t>(ix - 5), iy, static_cast<int16_t>(ox + 5), true},
        {"no cursor column", ix, iy, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        s.CursorX = c.cursor;
        EXPECT_EQ(ElementOnWayH(s, c.x, c.y), c.blocked);
    }
    // The column: a component cell between the start and the cursor row.
    int16_t at = 0;
    s.CursorY = 2;
    EXPECT_TRUE(ElementOnWayV(s, 20, static_cast<int16_t>(ix + 1), &at));
    EXPECT_EQ(s.circuit.P(ix + 1, at).ElementNr, gate);
    s.CursorY = 28;
    EXPECT_FALSE(ElementOnWayV(s, 20, static_cast<int16_t>(ix + 1)));
}

} // namespace
