#include "editing/worksheet_mouse.h"

#include <algorithm>

#include "editing/area_move.h"
#include "editing/component_tools.h"
#include "editing/conductor_band.h"
#include "editing/label_editor.h"
#include "editing/mouse_dispatch.h"
#include "editing/object_move.h"
#include "editing/placement_outlines.h"
#include "editing/selection.h"
#include "model/geometry.h"
#include "model/ports/status_port.h"
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "placement/basSetRemove.h"
#include "placement/conductor_markers.h"
#include "placement/placement_context.h"
#include "platform/numeric.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"

namespace {

// Pointer shapes of the worksheet.
constexpr int kPointerArrow = 1;
constexpr int kPointerCross = 2;
constexpr int kPointerDragScroll = 5;
constexpr int kPointerMove = 15;
constexpr int kPointerInput = 99;

double Clamp16(double v)
{
    return std::clamp(v, -32000.0, 32000.0);
}

} // namespace

WorksheetMouse::WorksheetMouse(const EditorContext& e, EngineContext* engine, const MouseTargets& targets)
    : e_(e), engine_(engine), targets_(targets)
{
}

void WorksheetMouse::CellFromPixel(double x, double y)
{
    ProgramState& s = e_.s;
    const double zoom = s.GridMode;
    const double cs = s.CellSize * zoom;
    const int16_t cx = CInt(Clamp16((x - cs / 2) / zoom / s.CellSize));
    const int16_t cy = CInt(Clamp16((y - cs / 2) / zoom / s.CellSize));
    e_.st.LastMoveX = CInt(Clamp16(x));
    e_.st.LastMoveY = CInt(Clamp16(y));
    if (cx < 0 || cy < 0) {
        s.CursorX = 0;
        s.CursorY = 0;
    } else if (cx > s.circuit.MaxX || cy > s.circuit.MaxY) {
        s.CursorX = s.circuit.MaxX;
        s.CursorY = s.circuit.MaxY;
    } else {
        s.CursorX = cx;
        s.CursorY = cy;
    }
}

void WorksheetMouse::HidePlacementAids()
{
    WorksheetOverlay& o = e_.overlay;
    bool changed = false;
    auto hide = [&changed](bool& visible) {
        if (visible) {
            visible = false;
            changed = true;
        }
    };
    // A fixed area frame of the select tool stays; an outline goes.
    if (e_.s.ToolMode != ToolCode::Select || o.picRahmen.BorderStyle != 1 || o.picRahmen.BorderColor == kOutlineGrey)
        hide(o.picRahmen.Visible);
    for (OverlayLine& l : o.LineRahmen)
        hide(l.Visible);
    hide(o.picBox.Visible);
    if (!e_.st.MouseDownFlag) {
        hide(o.LeitungH.Visible);
        hide(o.LeitungV.Visible);
    }
    if (changed)
        e_.Changed();
}

void WorksheetMouse::picGrid_MouseMove(int buttons, int /*shift*/, double x, double y)
{
    ProgramState& s = e_.s;
    const EditorState& st = e_.st;
    const int16_t rawX = CInt(Clamp16((x - s.CellSize * s.GridMode / 2) / s.GridMode / s.CellSize));
    const int16_t rawY = CInt(Clamp16((y - s.CellSize * s.GridMode / 2) / s.GridMode / s.CellSize));
    CellFromPixel(x, y);
    if (rawX < 0 || rawY < 0 || rawX > s.circuit.MaxX || rawY > s.circuit.MaxY)
        return;
    if (s.engine.InnerLevelShown != 0)
        return;
    ChangeMouseCursor(buttons);
    OverlayShape& frame = e_.overlay.picRahmen;
    if (s.ToolMode == ToolCode::Select && buttons == 1 && st.MouseDownFlag && frame.BorderStyle != 1) {
        frame.Visible = true;
        targets_.area.ResizeBorder();
    }
    if (s.ToolMode == ToolCode::Select && buttons == 2 && e_.hooks.MovePicGrid)
        e_.hooks.MovePicGrid(x, y);
    if (s.ToolMode == ToolCode::MovingArea && frame.Visible)
        targets_.area.DragFrame();
    if (s.ToolMode == ToolCode::Conductor && (buttons == 1 || buttons == 2) && st.MouseDownFlag)
        targets_.band.ShowTempLines(s.CursorX, s.CursorY);
    ShowBorder();
    if (StatusPort* status = s.ports.status) {
        status->SetStatusPanel(0, QStringLiteral("X: %1  Y: %2").arg(s.CursorX).arg(s.CursorY));
        if (!st.MouseDownFlag)
            status->SetStatusPanel(1, QString());
    }
    const bool dragScroll = s.WorksheetMousePointer == kPointerDragScroll;
    if (st.MouseDownFlag && !dragScroll && e_.hooks.AutoScroll)
        e_.hooks.AutoScroll(st.LastMoveX, st.LastMoveY);
}

void WorksheetMouse::picGrid_MouseDown(int button, int shift, double x, double y)
{
    ProgramState& s = e_.s;
    EditorState& st = e_.st;
    const ToolCode tool = s.ToolMode;
    if (tool == ToolCode::SimulationRunning) {
        SimulationDown(button, x, y);
        return;
    }
    targets_.labels.CommitOpenLabel();
    // The cell under the press itself: scrolling or zooming may have moved
    // the picture under a still pointer since the last move.
    CellFromPixel(x, y);
    st.MouseDownFlag = true;
    s.FileSaved = kFalse;
    st.DownX = CInt(Clamp16(x));
    st.DownY = CInt(Clamp16(y));
    const GridCell& cell = s.circuit.P(s.CursorX, s.CursorY);
    const Press p{tool, s.CursorX, s.CursorY, cell.Type, cell.ElementNr};
    // Quick help explains the worksheet wherever it is clicked, and acts on
    // nothing: the right button would remove what lies under it.
    if (tool == ToolCode::QuickHelp) {
        if (button == 1 && e_.hooks.ShowWorksheetQuickHelp) {
            e_.hooks.ShowWorksheetQuickHelp();
            targets_.selection.SelectNone();
        }
        return;
    }
    bool handled = false;
    if (button == 1)
        handled = LeftDown(p, shift, x, y);
    else if (button == 2)
        handled = RightDown(p, x, y);
    else if (button == 4 && tool == ToolCode::Conductor)
        SetKnotenpunkt(e_.c, p.x, p.y, false);
    // A popup menu dismissed without a choice ends with the next press.
    if (!handled && s.ToolMode == ToolCode::PopupOpen) {
        e_.overlay.picRahmen.Visible = false;
        st.MouseDownFlag = false;
        s.ToolMode = ToolCode::Select;
        e_.Changed();
    }
}

bool WorksheetMouse::LeftDown(const Press& p, int shift, double x, double y)
{
    if (p.type <= ElementType::Conductor || p.tool == ToolCode::NegationMarker || p.tool == ToolCode::TextLabel)
        CheckMouseMode();
    if (p.tool == ToolCode::Conductor) {
        targets_.band.ShowLines();
        return true;
    }
    if (p.tool == ToolCode::Select)
        SelectToolDown(p, shift, x, y);
    return false;
}

// A component is selected (with Ctrl added or taken off) and grabbed for a
// move; a free cell starts an area frame; a fixed frame is grabbed to move.
void WorksheetMouse::SelectToolDown(const Press& p, int shift, double x, double y)
{
    Selection& selection = targets_.selection;
    AreaMove& area = targets_.area;
    const OverlayShape& frame = e_.overlay.picRahmen;
    if (!frame.Visible && p.type >= 2 && p.element > 0) {
        e_.st.GrabX = p.x;
        e_.st.GrabY = p.y;
        const bool selected = selection.ObjectSelected(p.element);
        if (shift == 2) {
            selection.SelectObject(p.element);
        } else if (shift == 0 && !selected) {
            selection.SelectNone();
            selection.SelectObject(p.element);
            e_.s.ToolMode = ToolCode::GrabbedForMove;
            targets_.objects.CopyObjectsToPuffer();
        } else if (selection.ObjectSelected(p.element)) {
            e_.s.ToolMode = ToolCode::GrabbedForMove;
            targets_.objects.CopyObjectsToPuffer();
        }
    } else if (!frame.Visible && p.type < 2 && shift == 0) {
        selection.SelectNone();
    }
    const bool inside = area.InsideFrame(x, y);
    if (!inside && p.type < 2) {
        if (shift == 0)
            selection.SelectNone();
        area.StartFrame(p.x, p.y);
    } else if (inside && area.FrameFixed()) {
        // Only a fixed frame holds an area that can move.
        area.GrabArea(p.x, p.y);
    }
}

bool WorksheetMouse::RightDown(const Press& p, double x, double y)
{
    ProgramState& s = e_.s;
    EditorState& st = e_.st;
    const GridCell& cell = s.circuit.P(p.x, p.y);
    const int t = p.type;
    const double px = GridToPixel(s, p.x);
    const double py = GridToPixel(s, p.y);
    e_.overlay.LeitungH = OverlayLine{false, px, py, px, py};
    e_.overlay.LeitungV = OverlayLine{false, px, py, px, py};
    e_.Changed();
    const bool power = s.engine.PowerFlag != 0;
    if (p.tool == ToolCode::Select && t >= 2 && !e_.overlay.picRahmen.Visible) {
        if (!targets_.selection.ObjectSelected(p.element)) {
            targets_.selection.SelectNone();
            targets_.selection.SelectObject(p.element);
        }
        s.ToolMode = ToolCode::PopupOpen;
        if (e_.hooks.ShowPopupMenu)
            e_.hooks.ShowPopupMenu(PopupItemsAt(s, s.CursorX, s.CursorY));
        st.MouseDownFlag = false;
        return true;
    }
    // Markers come off first: a juncture, a coupling diode, a negation.
    if (t == ElementType::Conductor && cell.Marker != 0 && !power) {
        if (cell.Marker == -1)
            RemoveKnotenpunkt(e_.c, p.x, p.y);
        else
            RemoveKoppeldiode(e_.c);
        return true;
    }
    if (t >= 2 && cell.Marker != 0 && t != ElementType::LED && !power) {
        RemoveNegationsPunkt(e_.c);
        st.MouseDownFlag = false;
        return true;
    }
    const bool pin = t >= 2 && IsPinPosition(s, p.x, p.y);
    if ((t <= ElementType::Conductor || pin) && p.tool == ToolCode::Conductor) {
        targets_.band.ShowLines();
        return true;
    }
    // A placing tool removes the component under the pointer, but not from
    // a pin a conductor may start at.
    if (p.tool != ToolCode::Select && p.tool != ToolCode::PopupOpen && t > ElementType::Conductor) {
        if (pin && t != ElementType::LED && t != ElementType::TextLabel && t != ElementType::Switch
            && t != ElementType::Inverter && t != ElementType::AnalysisSensor)
            return true;
        targets_.selection.SelectNone();
        RemoveElement(e_.c, s.CursorX, s.CursorY);
        st.MouseDownFlag = false;
        st.PullH = false;
        st.PullV = false;
        return true;
    }
    if (targets_.area.InsideFrame(x, y) && targets_.area.FrameFixed()) {
        targets_.area.LoescheBereich();
    } else if (p.tool == ToolCode::ICDefinitionView && cell.ICConnector != 0) {
        if (e_.hooks.DeleteICAnschluss)
            e_.hooks.DeleteICAnschluss();
        s.Changes.Area(p.x - 1, p.y - 1, p.x + 1, p.y + 1);
    }
    return false;
}

void WorksheetMouse::picGrid_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/)
{
    ProgramState& s = e_.s;
    EditorState& st = e_.st;
    if (!st.MouseDownFlag)
        return;
    st.MouseDownFlag = false;
    OverlayLine& h = e_.overlay.LeitungH;
    OverlayLine& v = e_.overlay.LeitungV;
    if (h.X1 == h.X2 && h.Y1 == h.Y2)
        h.Visible = false;
    if (v.X1 == v.X2 && v.Y1 == v.Y2)
        v.Visible = false;
    const ToolCode tool = s.ToolMode;
    const OverlayShape& frame = e_.overlay.picRahmen;
    if (button == 2 && tool == ToolCode::Conductor) {
        // A right click without a drag removes what lies under it.
        if (h.X1 == h.X2 && v.Y1 == v.Y2)
            RemoveElement(e_.c, s.CursorX, s.CursorY);
        else if (st.PullV || st.PullH)
            targets_.band.DeleteLines();
    } else if (button == 1 && tool == ToolCode::Conductor) {
        targets_.band.SetLines();
    } else if (button == 1 && tool == ToolCode::Select && frame.Visible && frame.BorderStyle == 3) {
        targets_.area.FixFrame();
    } else if (button == 1 && tool == ToolCode::MovingArea && frame.Visible) {
        targets_.area.MoveElements();
    } else if (button == 1 && tool == ToolCode::GrabbedForMove) {
        targets_.objects.Release();
    }
    e_.Changed();
}

// While the power is on a press works on the cell under it: it toggles an
// input, clicks a flip-flop or shift register, selects a clock generator or
// opens an IC; the right button goes back to the parent level.
void WorksheetMouse::SimulationDown(int button, double x, double y)
{
    ProgramState& s = e_.s;
    s.CursorX = PixelToGrid(s, static_cast<int32_t>(std::clamp(x, 0.0, double(INT32_MAX))));
    s.CursorY = PixelToGrid(s, static_cast<int32_t>(std::clamp(y, 0.0, double(INT32_MAX))));
    if (engine_ != nullptr)
        SimulationMouseDown(EngineOf(s, *engine_), button, s.CursorX, s.CursorY);
}

void WorksheetMouse::picGrid_DblClick()
{
    ProgramState& s = e_.s;
    // The second click of a double click on an input toggles it once more.
    if (s.ToolMode == ToolCode::SimulationRunning) {
        if (engine_ != nullptr)
            SimulationMouseDown(EngineOf(s, *engine_), 1, s.CursorX, s.CursorY);
        return;
    }
    if (s.ToolMode != ToolCode::Conductor || !s.circuit.P.Contains(s.CursorX, s.CursorY))
        return;
    const int t = s.circuit.P(s.CursorX, s.CursorY).Type;
    if (t == ElementType::Conductor) {
        const int16_t k = CountConnections(s.circuit, s.engine, s.CursorX, s.CursorY, 0);
        if (k == 1)
            SetSwitch(e_.c);
        else if (k > 1)
            SetKnotenpunkt(e_.c, s.CursorX, s.CursorY, false);
    } else if (ToolsOf(static_cast<uint8_t>(t)).negatable == NegatablePins::All) {
        // A gate's pin; the flip-flop's J and K take a marker by the popup only.
        SetNegationsPunkt(e_.c);
    }
}

void WorksheetMouse::picGrid_KeyPress(int keyAscii)
{
    if (keyAscii == 32 && e_.s.engine.PowerFlag != 0 && engine_ != nullptr)
        Pause(EngineOf(e_.s, *engine_));
}

// A left press of a placing tool: places at the cursor cell, opens a label
// box, or adds a connector in the IC-definition view.
void WorksheetMouse::CheckMouseMode()
{
    ProgramState& s = e_.s;
    const ToolCode tool = s.ToolMode;
    if (tool == ToolCode::Select) {
        if (!e_.overlay.picRahmen.Visible)
            targets_.selection.SelectNone();
        return;
    }
    if (tool == ToolCode::TextLabel && !e_.overlay.txtBeschriftung.Visible) {
        const GridCell& cell = s.circuit.P(s.CursorX, s.CursorY);
        if (cell.Type == ElementType::Empty && cell.ElementNr == 0)
            targets_.labels.ChangeBeschriftung(QStringLiteral("CREATE"));
        else if (cell.ElementNr > 0 && cell.ElementNr <= s.circuit.ElementCount()
                 && s.circuit.Elements[static_cast<size_t>(cell.ElementNr)].Type == ElementType::TextLabel)
            targets_.labels.ChangeBeschriftung(QStringLiteral("EDIT"));
    }
    if (tool == ToolCode::ICDefinitionView) {
        // A click starts the find-next search afresh at the top-left cell.
        if (e_.hooks.SetICSearchStart)
            e_.hooks.SetICSearchStart(0, 0);
        if (e_.hooks.CreateICAnschluss)
            e_.hooks.CreateICAnschluss();
    }
    PlaceAtCursor(e_.c);
    targets_.selection.SelectNone();
}

void WorksheetMouse::ChangeMouseCursor(int button)
{
    ProgramState& s = e_.s;
    WorksheetOverlay& o = e_.overlay;
    const ToolCode tool = s.ToolMode;
    const int m = s.WorksheetMousePointer;
    auto set = [&s, m](int p) {
        if (p != m)
            SetWorksheetMousePointer(s, s.ports.tools, p);
    };
    // Quick help keeps its question-mark pointer.
    if (tool == ToolCode::QuickHelp)
        return;
    if (tool == ToolCode::Select && button == 2) {
        set(kPointerDragScroll);
        return;
    }
    if (tool == ToolCode::Select && (button == 0 || button == 1)) {
        const OverlayShape& f = o.picRahmen;
        const EditorState& st = e_.st;
        if (!f.Visible) {
            set(kPointerArrow);
        } else {
            const bool inside = f.Left < st.LastMoveX && st.LastMoveX < f.Left + f.Width && f.Top < st.LastMoveY
                && st.LastMoveY < f.Top + f.Height;
            set(inside && f.BorderStyle == 1 ? kPointerMove : kPointerArrow);
        }
        return;
    }
    // Inputs are open conductor ends and switches; the IC-definition view
    // marks them with the box.
    if (tool == ToolCode::SimulationRunning || tool == ToolCode::ICDefinitionView) {
        const int t = s.circuit.P(s.CursorX, s.CursorY).Type;
        const int16_t k = CountConnections(s.circuit, s.engine, s.CursorX, s.CursorY, 0);
        const bool input = k == 1 && (t == ElementType::Conductor || t == ElementType::Switch);
        if (input) {
            set(kPointerInput);
            if (tool == ToolCode::ICDefinitionView) {
                o.picBox.Left = GridToPixel(s, s.CursorX) - 2;
                o.picBox.Top = GridToPixel(s, s.CursorY) - 2;
                if (t <= ElementType::Conductor)
                    o.picBox.Visible = true;
                e_.Changed();
            }
        } else if (k > 1 || (t != ElementType::Conductor && t != ElementType::Switch && m != kPointerArrow)) {
            set(kPointerArrow);
            if (o.picBox.Visible) {
                o.picBox.Visible = false;
                e_.Changed();
            }
        }
        return;
    }
    if (tool == ToolCode::GrabbedForMove)
        set(kPointerMove);
    else if (Code(tool) >= 1 && Code(tool) <= 23)
        set(kPointerCross);
}

// The outline of the placing tool, or the move outlines while dragging,
// follows the cursor cell.
void WorksheetMouse::ShowBorder()
{
    ProgramState& s = e_.s;
    const ToolCode tool = s.ToolMode;
    if (tool != ToolCode::Select) {
        e_.overlay.picRahmen.BorderColor = kOutlineGrey;
        e_.overlay.picRahmen.BorderStyle = 1;
    }
    if (tool == ToolCode::GrabbedForMove || tool == ToolCode::MovingArea) {
        targets_.selection.ShowMoveOutlines();
        e_.Changed();
        return;
    }
    if (ShowPlacementOutline(s, e_.overlay))
        e_.Changed();
}
