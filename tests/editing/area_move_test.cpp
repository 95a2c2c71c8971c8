// The select tool's area frame: drawing it, and deleting or moving the area.
#include <gtest/gtest.h>

#include <vector>

#include "editing/area_move.h"
#include "editor_rig.h"
#include "placement/clsUndo.h"

namespace {

class Area : public EditorRig {
protected:
    Area()
    {
        editor.SetDeleteEnabled = [this](bool on) { deleteEnabled.push_back(on); };
    }
    // Draws a frame from (x1, y1) to (x2, y2) with the select tool.
    void Frame(int x1, int y1, int x2, int y2)
    {
        Tool(ElementType::Empty);
        Drag({{x1, y1}, {x2, y2}});
    }
    AreaMove& area() { return editor.area; }

    std::vector<bool> deleteEnabled;
};

TEST_F(Area, AFrameIsFixedOnlyWithRoomInsideAndNothingOnItsBorder)
{
    Place(ElementType::AND, 20, 20); // cells 20..22, 19..21
    struct Case {
        const char* name;
        int x1, y1, x2, y2;
        bool fixed;
        CellBox rect;
    } const cases[] = {
        {"down and right", 5, 5, 10, 8, true, {5, 5, 10, 8}},
        {"up and left", 10, 8, 5, 5, true, {5, 5, 10, 8}},
        {"one row", 5, 5, 10, 5, false, {}},
        {"one column", 5, 5, 5, 9, false, {}},
        {"round the gate", 18, 17, 24, 23, true, {18, 17, 24, 23}},
        {"through the gate", 21, 17, 25, 23, false, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Frame(k.x1, k.y1, k.x2, k.y2);
        EXPECT_EQ(area().FrameFixed(), k.fixed);
        EXPECT_EQ(editor.overlay.picRahmen.Visible, k.fixed);
        if (k.fixed) {
            const CellBox& r = editor.SelRect();
            EXPECT_EQ(std::vector<int>({r.X1, r.Y1, r.X2, r.Y2}), std::vector<int>({k.rect.X1, k.rect.Y1, k.rect.X2, k.rect.Y2}));
            EXPECT_EQ(area().PufferWidth(), k.rect.X2 - k.rect.X1 + 1);
            EXPECT_EQ(area().PufferHeight(), k.rect.Y2 - k.rect.Y1 + 1);
            EXPECT_TRUE(deleteEnabled.back());
        } else {
            EXPECT_EQ(editor.SelCount(), 0);
        }
        Click(35, 28); // a press outside ends the frame
        EXPECT_FALSE(area().FrameFixed());
    }
}

TEST_F(Area, TheFrameSizeShowsWhileItIsDrawn)
{
    Tool(ElementType::Empty);
    Move(5, 5);
    Press(5, 5);
    EXPECT_EQ(editor.FrameLabelText(), QStringLiteral("X: 0   Y: 0"));
    Move(10, 8, 1);
    EXPECT_EQ(editor.FrameLabelText(), QStringLiteral("X: 5   Y: 3"));
    Move(2, 6, 1);
    EXPECT_EQ(editor.FrameLabelText(), QStringLiteral("X: 3   Y: 1"));
    Release(2, 6);
    EXPECT_TRUE(area().FrameFixed());
}

TEST_F(Area, DeletingAnAreaLeavesStubsWhereConductorsCrossItsEdge)
{
    Run(2, 20, 10);
    Place(ElementType::AnalysisSensor, 12, 10);
    Place(ElementType::AND, 12, 14);
    const int outside = Place(ElementType::LED, 30, 20);
    ASSERT_EQ(outside, 3);
    Frame(8, 8, 18, 17);
    ASSERT_EQ(editor.SelCount(), 2);
    editor.LoescheBereich();

    EXPECT_EQ(s.circuit.ElementCount(), 1) << "the LED outside stays";
    EXPECT_EQ(s.circuit.Elements[1].Type, ElementType::LED);
    EXPECT_EQ(s.circuit.P(30, 20).ElementNr, 1) << "and is renumbered";
    EXPECT_EQ(w.removedGraphs, std::vector<int>{1}) << "the sensor gives its channel back";
    for (int x = 9; x <= 17; ++x)
        EXPECT_EQ(s.circuit.P(x, 10), GridCell{}) << x;
    EXPECT_EQ(s.circuit.P(13, 14), GridCell{});
    EXPECT_EQ(s.circuit.P(8, 10).Type, ElementType::Conductor);
    EXPECT_EQ(s.circuit.P(8, 10).ConLeft, kTrue);
    EXPECT_EQ(s.circuit.P(8, 10).ConRight, kFalse);
    EXPECT_EQ(s.circuit.P(18, 10).ConRight, kTrue);
    EXPECT_EQ(s.circuit.P(18, 10).ConLeft, kFalse);
    EXPECT_FALSE(editor.overlay.picRahmen.Visible);
    EXPECT_EQ(editor.SelCount(), 0);
    EXPECT_FALSE(deleteEnabled.back());

    undo.Undo(c);
    EXPECT_EQ(s.circuit.ElementCount(), 3);
    EXPECT_EQ(s.circuit.P(13, 10).ConRight, kTrue);
    EXPECT_EQ(s.circuit.P(13, 14).Type, ElementType::AND);
}

TEST_F(Area, AnAreaWithAClockGeneratorIsNotDeleted)
{
    Place(ElementType::ClockGenerator, 12, 12);
    Frame(8, 8, 20, 17);
    ASSERT_TRUE(area().FrameFixed());
    const Grid before = s.circuit.P;
    editor.LoescheBereich();
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_TRUE(s.circuit.P == before);
    EXPECT_TRUE(area().FrameFixed());
}

TEST_F(Area, AMovedAreaTakesItsComponentsAndConductorsAlong)
{
    const int gate = Place(ElementType::AND, 10, 10);
    Run(14, 16, 10);
    const QString pins = s.circuit.Elements[gate].InPinList;
    Frame(8, 7, 18, 13);
    ASSERT_TRUE(area().FrameFixed());
    const Grid before = s.circuit.P;
    Drag({{13, 12}, {15, 12}, {18, 12}});
    EXPECT_EQ(s.ToolMode, ToolCode::Select);
    EXPECT_FALSE(editor.overlay.picRahmen.Visible);
    for (int x = 0; x <= s.circuit.MaxX; ++x)
        for (int y = 0; y <= s.circuit.MaxY; ++y) {
            const GridCell& was = x >= 5 ? before(x - 5, y) : GridCell{};
            EXPECT_EQ(s.circuit.P(x, y), was) << x << "," << y;
        }
    QString shifted;
    for (const QString& pin : pins.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const int y = pin.indexOf(QLatin1Char('Y'));
        shifted += QStringLiteral("X%1%2:").arg(pin.mid(1, y - 1).toInt() + 5).arg(pin.mid(y));
    }
    EXPECT_EQ(s.circuit.Elements[gate].InPinList, shifted);
    undo.Undo(c);
    EXPECT_TRUE(s.circuit.P == before);
    EXPECT_EQ(s.circuit.Elements[gate].InPinList, pins);
}

TEST_F(Area, AnAreaDroppedOntoAComponentGoesBack)
{
    const int gate = Place(ElementType::AND, 10, 10);
    Place(ElementType::OR, 27, 10);
    const QString pins = s.circuit.Elements[gate].InPinList;
    Frame(8, 7, 14, 13);
    const Grid before = s.circuit.P;
    Drag({{11, 12}, {20, 12}, {26, 12}});
    EXPECT_TRUE(s.circuit.P == before);
    EXPECT_EQ(s.circuit.Elements[gate].InPinList, pins);
}

TEST_F(Area, AnAreaJoinsTheConductorsItIsDroppedAgainst)
{
    // A run across the frame, dropped between the ends of two runs outside.
    Run(9, 13, 5);
    Run(2, 15, 20);
    for (int x = 16; x <= 18; ++x)
        s.circuit.P(x, 20) = GridCell{};
    s.circuit.P(15, 20).ConRight = kFalse;
    Run(19, 25, 20);
    Frame(9, 3, 13, 7);
    ASSERT_TRUE(area().FrameFixed());
    // The area's edge columns 9 and 13 land on the ends 15 and 19.
    Drag({{11, 4}, {17, 19}});
    for (int x = 15; x <= 19; ++x) {
        EXPECT_EQ(s.circuit.P(x, 20).Type, ElementType::Conductor) << x;
        EXPECT_EQ(s.circuit.P(x, 20).ConLeft, kTrue) << x;
        EXPECT_EQ(s.circuit.P(x, 20).ConRight, kTrue) << x;
    }
    for (int x = 9; x <= 13; ++x)
        EXPECT_EQ(s.circuit.P(x, 5), GridCell{}) << x;
}

TEST_F(Area, TheFrameStaysInsideTheWorksheetWhileItIsDragged)
{
    Frame(30, 5, 38, 9);
    ASSERT_TRUE(area().FrameFixed());
    Move(31, 6);
    Press(31, 6);
    ASSERT_EQ(s.ToolMode, ToolCode::MovingArea);
    Move(33, 6, 1);
    EXPECT_EQ(editor.overlay.picRahmen.Left, Px(32));
    Move(36, 6, 1); // the right edge would pass the last column
    EXPECT_EQ(editor.overlay.picRahmen.Left, Px(32));
    Move(36, 2, 1);
    EXPECT_EQ(editor.overlay.picRahmen.Top, Px(1));
    Move(36, 0, 1);
    EXPECT_EQ(editor.overlay.picRahmen.Top, Px(1)) << "nor the first row";
    Release(36, 0);
    EXPECT_EQ(s.ToolMode, ToolCode::Select);
}

} // namespace
