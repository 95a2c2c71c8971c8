// The outlines that follow the pointer while a placing tool is chosen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <utility>

#include "editing/placement_outlines.h"
#include "editing/worksheet_overlay.h"
#include "editor_rig.h"

namespace {

using Cells = std::set<std::pair<int, int>>;

struct Box {
    int x1 = 99, y1 = 99, x2 = -1, y2 = -1;
    void Add(int x, int y)
    {
        x1 = std::min(x1, x);
        y1 = std::min(y1, y);
        x2 = std::max(x2, x);
        y2 = std::max(y2, y);
    }
    bool operator==(const Box&) const = default;
};

class PlacementOutlines : public EditorRig {
protected:
    SheetScale Scale() const { return {s.CellSize, s.GridMode}; }
    // The cells whose centres an outline holds, edges included.
    Cells Inside(const OutlineRect& r) const
    {
        Cells cells;
        for (int x = 0; x <= s.circuit.MaxX; ++x)
            for (int y = 0; y <= s.circuit.MaxY; ++y)
                if (r.Left <= Px(x) && Px(x) <= r.Left + r.Width && r.Top <= Px(y) && Px(y) <= r.Top + r.Height)
                    cells.insert({x, y});
        return cells;
    }
    static const char* Name(Orientation o)
    {
        switch (o) {
        case Orientation::Left: return "left";
        case Orientation::Up: return "up";
        case Orientation::Down: return "down";
        default: return "right";
        }
    }
};

// Thirds of a cell leave rounding residue in the last place.
void ExpectNear(const OutlineRect& a, const OutlineRect& b)
{
    EXPECT_DOUBLE_EQ(a.Left, b.Left);
    EXPECT_DOUBLE_EQ(a.Top, b.Top);
    EXPECT_DOUBLE_EQ(a.Width, b.Width);
    EXPECT_DOUBLE_EQ(a.Height, b.Height);
}

using Outline = std::function<OutlineRect(SheetScale, OutlineSpot)>;

struct OutlinedTool {
    const char* name;
    uint8_t type;
    Outline outline;
};

const OutlinedTool kTools[] = {
    {"AND", ElementType::AND, [](SheetScale z, OutlineSpot a) { return ShowRahmenAndOrXor(z, a, 2); }},
    {"OR", ElementType::OR, [](SheetScale z, OutlineSpot a) { return ShowRahmenAndOrXor(z, a, 2); }},
    {"XOR", ElementType::XOR, [](SheetScale z, OutlineSpot a) { return ShowRahmenAndOrXor(z, a, 2); }},
    {"tri-state", ElementType::TriState,
     [](SheetScale z, OutlineSpot a) { return ShowRahmenAndOrXor(z, a, 2); }},
    {"inverter", ElementType::Inverter, ShowRahmenInverter},
    {"clock", ElementType::ClockGenerator, ShowRahmenTimer},
    {"half adder", ElementType::HalfAdder, ShowRahmenTimer},
    {"full adder", ElementType::FullAdder, ShowRahmenTimer},
    {"multiplexer", ElementType::Multiplexer, ShowRahmenMultiplexer},
    {"flip-flop", ElementType::FlipFlop, ShowRahmenFlipFlop},
    {"shift register", ElementType::ShiftRegister, ShowRahmenSRegister},
    {"seven-segment", ElementType::SevenSegment,
     [](SheetScale z, OutlineSpot a) { return ShowRahmenIC(z, a, 4, 4); }},
};

// At 100 % the outline shows exactly the cells the component takes when the
// click places it there, in each orientation.
TEST_F(PlacementOutlines, EachOutlineHoldsTheCellsItsComponentTakes)
{
    for (Orientation o : kOrientations)
        for (const OutlinedTool& tool : kTools) {
            SCOPED_TRACE(testing::Message() << tool.name << " " << Name(o));
            const Cells shown = Inside(tool.outline(Scale(), OutlineSpot{20, 15, o}));
            const int n = Place(tool.type, 20, 15, o);
            ASSERT_EQ(n, 1);
            EXPECT_EQ(shown, CellsOf(n));
            undo.Undo(c);
            ASSERT_EQ(s.circuit.ElementCount(), 0);
        }
}

TEST_F(PlacementOutlines, TheDecoderTrapeziumSpansItsCellsWithTheWideSideAtTheOutputs)
{
    struct Case {
        Orientation orientation;
        int wideX, wideY; // a point of the wide side, in cells
    } const cases[] = {
        {Orientation::Left, 18, 15}, {Orientation::Right, 22, 15}, {Orientation::Up, 20, 13}, {Orientation::Down, 20, 17}};
    for (const Case& k : cases) {
        SCOPED_TRACE(Name(k.orientation));
        const auto sides = ShowRahmenDecoder(Scale(), OutlineSpot{20, 15, k.orientation});
        Box shown;
        for (const OutlineSegment& l : sides) {
            shown.Add(PixelToGrid(s, static_cast<int16_t>(l.X1)), PixelToGrid(s, static_cast<int16_t>(l.Y1)));
            shown.Add(PixelToGrid(s, static_cast<int16_t>(l.X2)), PixelToGrid(s, static_cast<int16_t>(l.Y2)));
        }
        const OutlineSegment& narrow = sides[0];
        const OutlineSegment& wide = sides[1];
        EXPECT_TRUE(wide.X1 == Px(k.wideX) || wide.Y1 == Px(k.wideY));
        EXPECT_EQ(std::hypot(wide.X2 - wide.X1, wide.Y2 - wide.Y1), 9 * 14.0);
        EXPECT_EQ(std::hypot(narrow.X2 - narrow.X1, narrow.Y2 - narrow.Y1), 5 * 14.0);
        // The slanted sides join the ends of the two parallel ones.
        EXPECT_EQ(sides[2], (OutlineSegment{narrow.X1, narrow.Y1, wide.X1, wide.Y1}));
        EXPECT_EQ(sides[3], (OutlineSegment{narrow.X2, narrow.Y2, wide.X2, wide.Y2}));

        const int n = Place(ElementType::Decoder, 20, 15, k.orientation);
        ASSERT_EQ(n, 1);
        Box placed;
        for (const auto& [x, y] : CellsOf(n))
            placed.Add(x, y);
        EXPECT_EQ(shown, placed);
        undo.Undo(c);
    }
}

// The outline moves with the anchor by whole cells and keeps its size.
TEST_F(PlacementOutlines, OutlinesFollowTheAnchorCellByCell)
{
    for (float zoom : {1.0f, 2.0f}) {
        s.GridMode = zoom;
        const double cell = 14 * zoom;
        for (Orientation o : kOrientations)
            for (const OutlinedTool& tool : kTools) {
                SCOPED_TRACE(testing::Message() << tool.name << " " << Name(o) << " zoom " << zoom);
                const OutlineRect at = tool.outline(Scale(), OutlineSpot{20, 15, o});
                const OutlineRect right = tool.outline(Scale(), OutlineSpot{21, 15, o});
                const OutlineRect below = tool.outline(Scale(), OutlineSpot{20, 16, o});
                ExpectNear(right, OutlineRect{at.Left + cell, at.Top, at.Width, at.Height});
                ExpectNear(below, OutlineRect{at.Left, at.Top + cell, at.Width, at.Height});
            }
    }
}

TEST_F(PlacementOutlines, AGateOutlineGrowsByACellPerInputAndTwoInputsTakeThree)
{
    for (Orientation o : kOrientations) {
        SCOPED_TRACE(Name(o));
        const bool across = o == Orientation::Left || o == Orientation::Right;
        const OutlineSpot at{20, 15, o};
        EXPECT_EQ(ShowRahmenAndOrXor(Scale(), at, 2), ShowRahmenAndOrXor(Scale(), at, 3));
        for (int n = 3; n < 15; ++n) {
            const OutlineRect fewer = ShowRahmenAndOrXor(Scale(), at, n);
            const OutlineRect more = ShowRahmenAndOrXor(Scale(), at, n + 1);
            EXPECT_EQ(more.Left, fewer.Left);
            EXPECT_EQ(more.Top, fewer.Top);
            EXPECT_EQ(more.Width - fewer.Width, across ? 0 : 14) << n;
            EXPECT_EQ(more.Height - fewer.Height, across ? 14 : 0) << n;
        }
    }
}

TEST_F(PlacementOutlines, AnICOutlineIsCentredOnTheAnchorRow)
{
    struct Case {
        int16_t w, h;
        int top; // first row
    } const cases[] = {{4, 4, 13}, {4, 5, 13}, {6, 2, 14}, {3, 7, 12}, {2, 1, 15}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.w << "x" << k.h);
        Box shown;
        for (const auto& [x, y] : Inside(ShowRahmenIC(Scale(), OutlineSpot{20, 15}, k.w, k.h)))
            shown.Add(x, y);
        EXPECT_EQ(shown, (Box{20, k.top, 20 + k.w, k.top + k.h}));
    }
}

TEST_F(PlacementOutlines, TheToolsOutlineFollowsThePointerAndHidesOverAComponent)
{
    s.GateInputsText = QStringLiteral("4");
    s.ToolMode = ToolCode::OR;
    s.CursorX = 10;
    s.CursorY = 10;
    WorksheetOverlay& o = editor.overlay;
    ASSERT_TRUE(ShowPlacementOutline(s, o));
    EXPECT_TRUE(o.picRahmen.Visible);
    EXPECT_FALSE(s.TwoInputGate);
    const OutlineRect four = ShowRahmenAndOrXor(Scale(), OutlineSpot{10, 10}, 4);
    EXPECT_EQ((OutlineRect{o.picRahmen.Left, o.picRahmen.Top, o.picRahmen.Width, o.picRahmen.Height}), four);

    s.GateInputsText = QStringLiteral("2");
    s.circuit.P(10, 10).Type = ElementType::AND;
    ASSERT_TRUE(ShowPlacementOutline(s, o));
    EXPECT_TRUE(s.TwoInputGate);
    EXPECT_FALSE(o.picRahmen.Visible) << "the cell is taken";

    // The LED's box marks the cell itself and stays where a component is.
    s.ToolMode = ToolCode::LED;
    s.CursorX = 5;
    ASSERT_TRUE(ShowPlacementOutline(s, o));
    EXPECT_TRUE(o.picBox.Visible);
    EXPECT_EQ(o.picBox.Left, Px(5) - 2);
    EXPECT_EQ(o.picBox.Top, Px(10) - 2);

    // The decoder's four sides show together.
    s.ToolMode = ToolCode::Decoder;
    ASSERT_TRUE(ShowPlacementOutline(s, o));
    for (const OverlayLine& l : o.LineRahmen)
        EXPECT_TRUE(l.Visible);

    for (uint8_t tool : {ElementType::Conductor, ElementType::Empty, ElementType::TextLabel, ElementType::Juncture}) {
        s.ToolMode = ToolFor(tool);
        EXPECT_FALSE(ShowPlacementOutline(s, o)) << int(tool);
    }
}

} // namespace
