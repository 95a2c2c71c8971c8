// The worksheet click while editing: placing by the tool code, removing by
// the clicked cell's type.
#include <gtest/gtest.h>

#include "editing/mouse_dispatch.h"
#include "placement/document/new_file.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/null_surface.h"
#include "render/clsGrafik.h"
#include "support/fake_main_window.h"

namespace {

class MouseDispatch : public ::testing::Test {
protected:
    MouseDispatch() : g(s, &surface), undo(s), c{s, undo, nullptr}
    {
        w.Attach(s);
        s.MaxX = 40;
        s.MaxY = 30;
        InitArbeitsfeld(s);
    }

    void Click(uint8_t tool, int x, int y)
    {
        s.ToolMode = ToolFor(tool);
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
        s.PlaceOrientation = Orientation::Right;
        PlaceAtCursor(c);
    }

    // A crossing of two conductors at (x, y).
    void Crossing(int x, int y)
    {
        for (int i = -2; i <= 2; ++i) {
            GridCell& h = s.P(x + i, y);
            h.Type = ElementType::Conductor;
            h.ConLeft = i > -2 ? kTrue : kFalse;
            h.ConRight = i < 2 ? kTrue : kFalse;
            GridCell& v = s.P(x, y + i);
            v.Type = ElementType::Conductor;
            v.ConUp = i > -2 ? kTrue : v.ConUp;
            v.ConDown = i < 2 ? kTrue : v.ConDown;
        }
    }

    ProgramState s;
    FakeMainWindow w;
    NullSurface surface;
    clsGrafik g;
    clsUndo undo;
    PlacementContext c;
};

TEST_F(MouseDispatch, EachToolPlacesItsComponentAndRemovalFindsItAgain)
{
    const uint8_t tools[] = {ElementType::AND,       ElementType::OR,          ElementType::XOR,
                             ElementType::Inverter,  ElementType::ClockGenerator, ElementType::HalfAdder,
                             ElementType::FullAdder, ElementType::TriState,    ElementType::Multiplexer,
                             ElementType::Decoder,   ElementType::FlipFlop,    ElementType::ShiftRegister,
                             ElementType::SevenSegment, ElementType::LED};
    for (uint8_t tool : tools) {
        SCOPED_TRACE(static_cast<int>(tool));
        InitArbeitsfeld(s);
        Click(tool, 15, 15);
        ASSERT_EQ(s.ElementCount(), 1);
        EXPECT_EQ(s.Elements[1].Type, tool);
        EXPECT_EQ(s.P(15, 15).Type, tool);
        s.ToolMode = ToolCode::Select;
        RemoveElement(c, 15, 15);
        EXPECT_EQ(s.ElementCount(), 0);
        EXPECT_EQ(s.P(15, 15).Type, ElementType::Empty);
    }
}

TEST_F(MouseDispatch, ConductorToolsAndMarkers)
{
    Crossing(10, 10);
    s.P(12, 10).ConRight = kFalse; // a conductor end for the switch
    Click(ElementType::Switch, 12, 10);
    EXPECT_EQ(s.P(12, 10).Type, ElementType::Switch);
    Click(ElementType::AnalysisSensor, 10, 9);
    EXPECT_EQ(s.P(10, 9).Type, ElementType::AnalysisSensor);
    Click(ElementType::Juncture, 10, 10);
    EXPECT_EQ(s.P(10, 10).Marker, -1);
    // A juncture goes as a marker, a plain conductor cell stays.
    RemoveElement(c, 10, 10);
    EXPECT_EQ(s.P(10, 10).Marker, 0);
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Delete juncture"));
    RemoveElement(c, 9, 10);
    EXPECT_EQ(s.P(9, 10).Type, ElementType::Conductor);
    Click(ElementType::CouplingDiode, 10, 10);
    EXPECT_EQ(s.P(10, 10).Marker, 1);
    s.CursorX = 10;
    s.CursorY = 9;
    RemoveElement(c, 10, 9);
    EXPECT_EQ(s.P(10, 9).Type, ElementType::Conductor);
    EXPECT_EQ(s.ElementCount(), 1);
}

TEST_F(MouseDispatch, SimulationModeAndOtherToolsChangeNothing)
{
    for (ToolCode tool : {ToolCode::Select, ToolCode::Conductor, ToolCode::TextLabel, ToolCode::SimulationRunning,
                          ToolCode::QuickHelp}) {
        Click(PlacedType(tool), 15, 15);
        EXPECT_EQ(s.ElementCount(), 0) << Code(tool);
    }
    EXPECT_TRUE(undo.NoUndoData());
    Click(ElementType::HalfAdder, 15, 15);
    s.ToolMode = ToolCode::SimulationRunning;
    RemoveElement(c, 15, 15);
    EXPECT_EQ(s.ElementCount(), 1);
}

} // namespace
