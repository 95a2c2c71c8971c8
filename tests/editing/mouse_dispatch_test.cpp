// The worksheet click while editing: placing by the tool code, removing by
// the clicked cell's type.
#include <gtest/gtest.h>

#include "editing/mouse_dispatch.h"
#include "editor_rig.h"

namespace {

class MouseDispatch : public EditorRig {
protected:
    // The click as the dispatch gets it: the tool and the cursor cell.
    void Dispatch(uint8_t tool, int x, int y)
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
        Run(x - 2, x + 2, y);
        for (int i = -2; i <= 2; ++i) {
            GridCell& v = s.circuit.P(x, y + i);
            v.Type = ElementType::Conductor;
            v.ConUp = i > -2 ? kTrue : kFalse;
            v.ConDown = i < 2 ? kTrue : kFalse;
        }
    }
};

TEST_F(MouseDispatch, ConductorToolsAndMarkers)
{
    Crossing(10, 10);
    s.circuit.P(12, 10).ConRight = kFalse; // a conductor end for the switch
    Dispatch(ElementType::Switch, 12, 10);
    EXPECT_EQ(s.circuit.P(12, 10).Type, ElementType::Switch);
    Dispatch(ElementType::AnalysisSensor, 10, 9);
    EXPECT_EQ(s.circuit.P(10, 9).Type, ElementType::AnalysisSensor);
    Dispatch(ElementType::Juncture, 10, 10);
    EXPECT_EQ(s.circuit.P(10, 10).Marker, -1);
    // A juncture goes as a marker, a plain conductor cell stays.
    RemoveElement(c, 10, 10);
    EXPECT_EQ(s.circuit.P(10, 10).Marker, 0);
    EXPECT_EQ(undo.Record(1).Description, QStringLiteral("Delete juncture"));
    RemoveElement(c, 9, 10);
    EXPECT_EQ(s.circuit.P(9, 10).Type, ElementType::Conductor);
    Dispatch(ElementType::CouplingDiode, 10, 10);
    EXPECT_EQ(s.circuit.P(10, 10).Marker, 1);
    s.CursorX = 10;
    s.CursorY = 9;
    RemoveElement(c, 10, 9);
    EXPECT_EQ(s.circuit.P(10, 9).Type, ElementType::Conductor);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
}

TEST_F(MouseDispatch, SimulationModeAndOtherToolsChangeNothing)
{
    for (ToolCode tool : {ToolCode::Select, ToolCode::Conductor, ToolCode::TextLabel, ToolCode::SimulationRunning,
                          ToolCode::QuickHelp}) {
        Dispatch(PlacedType(tool), 15, 15);
        EXPECT_EQ(s.circuit.ElementCount(), 0) << Code(tool);
    }
    EXPECT_TRUE(undo.NoUndoData());
    Dispatch(ElementType::HalfAdder, 15, 15);
    s.ToolMode = ToolCode::SimulationRunning;
    RemoveElement(c, 15, 15);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
}

} // namespace
