#include "editing/worksheet_editor.h"
#include "shell/quick_help.h"

#include <algorithm>
#include <cmath>

#include "editing/mouse_dispatch.h"
#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/components.h"
#include "placement/conductor_markers.h"
#include "placement/placement_frame.h"
#include "placement/placement_context.h"
#include "platform/null_surface.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "render/redraw.h"
#include "shell/main_window_services.h"
#include "simulation/engine.h"

namespace {

constexpr int32_t kGrey = 0x808080;
constexpr int32_t kFrameBlue = 0xFF0000;

double Clamp16(double v)
{
    return std::clamp(v, -32000.0, 32000.0);
}

bool IsSet(int16_t flag)
{
    return flag != 0;
}

} // namespace

WorksheetEditor::WorksheetEditor(PlacementContext& c, EngineContext* engine)
    : c_(c), s_(c.s), engine_(engine)
{
}

void WorksheetEditor::Changed()
{
    if (OverlayChanged)
        OverlayChanged();
}

void WorksheetEditor::CellFromPixel(double x, double y)
{
    const double zoom = s_.GridMode;
    const double cs = s_.CellSize * zoom;
    const int16_t cx = CInt(Clamp16((x - cs / 2) / zoom / s_.CellSize));
    const int16_t cy = CInt(Clamp16((y - cs / 2) / zoom / s_.CellSize));
    st.LastMoveX = CInt(Clamp16(x));
    st.LastMoveY = CInt(Clamp16(y));
    if (cx < 0 || cy < 0) {
        s_.CursorX = 0;
        s_.CursorY = 0;
    } else if (cx > s_.MaxX || cy > s_.MaxY) {
        s_.CursorX = s_.MaxX;
        s_.CursorY = s_.MaxY;
    } else {
        s_.CursorX = cx;
        s_.CursorY = cy;
    }
}

void WorksheetEditor::HidePlacementAids()
{
    bool changed = false;
    auto hide = [&changed](bool& visible) {
        if (visible) {
            visible = false;
            changed = true;
        }
    };
    // A fixed area frame of the select tool stays; an outline goes.
    if (s_.ToolMode != ElementType::Empty || overlay.picRahmen.BorderStyle != 1
        || overlay.picRahmen.BorderColor == kGrey)
        hide(overlay.picRahmen.Visible);
    for (OverlayLine& l : overlay.LineRahmen)
        hide(l.Visible);
    hide(overlay.picBox.Visible);
    if (!st.MouseDownFlag) {
        hide(overlay.LeitungH.Visible);
        hide(overlay.LeitungV.Visible);
    }
    if (changed)
        Changed();
}

// ---------------------------------------------------------------------------
// Mouse protocol

void WorksheetEditor::MouseMove(int buttons, int /*shift*/, double x, double y)
{
    const int16_t rawX = CInt(Clamp16((x - s_.CellSize * s_.GridMode / 2) / s_.GridMode / s_.CellSize));
    const int16_t rawY = CInt(Clamp16((y - s_.CellSize * s_.GridMode / 2) / s_.GridMode / s_.CellSize));
    CellFromPixel(x, y);
    if (rawX < 0 || rawY < 0 || rawX > s_.MaxX || rawY > s_.MaxY)
        return;
    if (s_.engine.InnerLevelShown != 0)
        return;
    ChangeMouseCursor(buttons);
    OverlayShape& frame = overlay.picRahmen;
    if (s_.ToolMode == ElementType::Empty && buttons == 1 && st.MouseDownFlag && frame.BorderStyle != 1) {
        frame.Visible = true;
        ResizeBorder();
    }
    if (s_.ToolMode == ElementType::Empty && buttons == 2 && MovePicGrid)
        MovePicGrid(x, y);
    if (s_.ToolMode == ToolCode::MovingArea && frame.Visible) {
        // Both axes by the selected rectangle, so the area never reaches the spare row or column.
        const int nx = s_.CursorX - st.GrabX, ny = s_.CursorY - st.GrabY;
        if (nx >= 0 && nx + (SelRect.X2 - SelRect.X1) <= s_.MaxX)
            frame.Left = GridToPixel(s_, static_cast<int16_t>(nx));
        if (ny >= 0 && ny + (SelRect.Y2 - SelRect.Y1) <= s_.MaxY)
            frame.Top = GridToPixel(s_, static_cast<int16_t>(ny));
        Changed();
    }
    if (s_.ToolMode == ElementType::Conductor && (buttons == 1 || buttons == 2) && st.MouseDownFlag)
        ShowTempLines(s_.CursorX, s_.CursorY);
    ShowBorder();
    if (s_.shell) {
        s_.shell->SetStatusPanel(0, QStringLiteral("X: %1  Y: %2").arg(s_.CursorX).arg(s_.CursorY));
        if (!st.MouseDownFlag)
            s_.shell->SetStatusPanel(1, QString());
    }
    const bool dragScroll = s_.shell && s_.shell->WorksheetMousePointer() == 5;
    if (st.MouseDownFlag && !dragScroll && AutoScroll)
        AutoScroll(st.LastMoveX, st.LastMoveY);
}

void WorksheetEditor::MouseDown(int button, int shift, double x, double y)
{
    const uint8_t tool = s_.ToolMode;
    // The simulation's clicks are handled by the engine's own dispatch.
    if (tool == ToolCode::SimulationRunning)
        return;
    CommitOpenLabel();
    // The cell under the press itself: scrolling or zooming may have moved
    // the picture under a still pointer since the last move.
    CellFromPixel(x, y);
    st.MouseDownFlag = true;
    s_.FileSaved = kFalse;
    st.DownX = CInt(Clamp16(x));
    st.DownY = CInt(Clamp16(y));
    const int16_t cx = s_.CursorX;
    const int16_t cy = s_.CursorY;
    const GridCell& cell = s_.P(cx, cy);
    const int t = cell.Type;
    const int16_t n = cell.ElementNr;
    // Quick help explains the worksheet wherever it is clicked, and acts on
    // nothing: the right button would remove what lies under it.
    if (tool == ToolCode::QuickHelp) {
        if (button == 1 && PlaceQuickHelp) {
            const QuickHelpText help = WorksheetQuickHelp();
            PlaceQuickHelp(help.headline, help.body, QStringLiteral("picGrid"), 0);
            SelectNone();
        }
        return;
    }

    if (button == 1) {
        if (t <= ElementType::Conductor || tool == ElementType::NegationMarker || tool == ElementType::TextLabel)
            CheckMouseMode();
        if (tool == ElementType::Conductor) {
            ShowLines();
            return;
        }
        if (tool == ElementType::Empty) {
            OverlayShape& frame = overlay.picRahmen;
            if (!frame.Visible && t >= 2 && n > 0) {
                st.GrabX = cx;
                st.GrabY = cy;
                const bool selected = ObjectSelected(n);
                if (shift == 2) {
                    SelectObject(n);
                } else if (shift == 0 && !selected) {
                    SelectNone();
                    SelectObject(n);
                    s_.ToolMode = ToolCode::GrabbedForMove;
                    CopyObjectsToPuffer();
                } else if (ObjectSelected(n)) {
                    s_.ToolMode = ToolCode::GrabbedForMove;
                    CopyObjectsToPuffer();
                }
            } else if (!frame.Visible && t < 2 && shift == 0) {
                SelectNone();
            }
            const bool inside = InsideFrame(x, y);
            if (!inside && t < 2) {
                if (shift == 0)
                    SelectNone();
                frame = OverlayShape{false, static_cast<double>(GridToPixel(s_, cx)),
                                     static_cast<double>(GridToPixel(s_, cy)), 0, 0, 3, kGrey};
                st.AnchorX = cx;
                st.AnchorY = cy;
                st.CornerX = cx;
                st.CornerY = cy;
                SetFrameLabel(0, 0);
                Changed();
            } else if (inside && FrameFixed()) {
                // Only a fixed frame holds an area that can move.
                st.GrabX = static_cast<int16_t>(cx - SelRect.X1);
                st.GrabY = static_cast<int16_t>(cy - SelRect.Y1);
                s_.ToolMode = ToolCode::MovingArea;
                overlay.PObj.clear();
                PlaceMoveOutlines();
                Changed();
            }
        }
    } else if (button == 2) {
        const double px = GridToPixel(s_, cx);
        const double py = GridToPixel(s_, cy);
        overlay.LeitungH = OverlayLine{false, px, py, px, py};
        overlay.LeitungV = OverlayLine{false, px, py, px, py};
        Changed();
        const bool power = s_.engine.PowerFlag != 0;
        if (tool == ElementType::Empty && t >= 2 && !overlay.picRahmen.Visible) {
            if (!ObjectSelected(n)) {
                SelectNone();
                SelectObject(n);
            }
            s_.ToolMode = ToolCode::PopupOpen;
            if (ShowPopupMenu)
                ShowPopupMenu(PopupItemsAtCursor());
            st.MouseDownFlag = false;
            return;
        }
        if (t == ElementType::Conductor && cell.Marker != 0 && !power) {
            if (cell.Marker == -1)
                RemoveKnotenpunkt(c_, cx, cy);
            else
                RemoveKoppeldiode(c_);
            return;
        }
        if (t >= 2 && cell.Marker != 0 && t != ElementType::LED && !power) {
            RemoveNegationsPunkt(c_);
            st.MouseDownFlag = false;
            return;
        }
        const bool pin = t >= 2 && IsPinPosition(s_, cx, cy);
        if ((t <= ElementType::Conductor || pin) && tool == ElementType::Conductor) {
            ShowLines();
            return;
        }
        if (tool != ElementType::Empty && tool != ToolCode::PopupOpen && t > ElementType::Conductor) {
            if (pin && t != ElementType::LED && t != ElementType::TextLabel && t != ElementType::Switch
                && t != ElementType::Inverter && t != ElementType::AnalysisSensor)
                return;
            SelectNone();
            RemoveUnderCursor();
            st.MouseDownFlag = false;
            st.PullH = false;
            st.PullV = false;
            return;
        }
        if (InsideFrame(x, y) && FrameFixed()) {
            LoescheBereich();
        } else if (tool == ToolCode::ICDefinitionView && cell.ICConnector != 0) {
            if (DeleteICAnschluss)
                DeleteICAnschluss();
            int16_t x1 = static_cast<int16_t>(cx - 1), y1 = static_cast<int16_t>(cy - 1);
            int16_t x2 = static_cast<int16_t>(cx + 1), y2 = static_cast<int16_t>(cy + 1);
            RedrawArea(s_, c_.objGrafik, x1, y1, x2, y2, false);
        }
    } else if (button == 4) {
        if (tool == ElementType::Conductor)
            SetKnotenpunkt(c_, cx, cy, false);
    }
    if (s_.ToolMode == ToolCode::PopupOpen) {
        overlay.picRahmen.Visible = false;
        st.MouseDownFlag = false;
        s_.ToolMode = ElementType::Empty;
        Changed();
    }
}

void WorksheetEditor::MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/)
{
    if (!st.MouseDownFlag)
        return;
    st.MouseDownFlag = false;
    OverlayLine& h = overlay.LeitungH;
    OverlayLine& v = overlay.LeitungV;
    if (h.X1 == h.X2 && h.Y1 == h.Y2)
        h.Visible = false;
    if (v.X1 == v.X2 && v.Y1 == v.Y2)
        v.Visible = false;
    const uint8_t tool = s_.ToolMode;
    if (button == 2 && tool == ElementType::Conductor) {
        if (h.X1 == h.X2 && v.Y1 == v.Y2)
            RemoveUnderCursor();
        else if (st.PullV || st.PullH)
            DeleteLines();
    } else if (button == 1 && tool == ElementType::Conductor) {
        SetLines();
    } else if (button == 1 && tool == ElementType::Empty && overlay.picRahmen.Visible
               && overlay.picRahmen.BorderStyle == 3) {
        OverlayShape& frame = overlay.picRahmen;
        frame.BorderStyle = 1;
        frame.BorderColor = kFrameBlue;
        st.DifX = static_cast<int16_t>(std::abs(st.CornerX - st.AnchorX));
        st.DifY = static_cast<int16_t>(std::abs(st.CornerY - st.AnchorY));
        if (st.DifX >= 1 && st.DifY >= 1) {
            if (!CheckBorderPosition())
                SelectArea(st.AnchorX, st.AnchorY, st.CornerX, st.CornerY);
        } else {
            frame.Visible = false;
        }
    } else if (button == 1 && tool == ToolCode::MovingArea && overlay.picRahmen.Visible) {
        ReleaseAreaMove();
    } else if (button == 1 && tool == ToolCode::GrabbedForMove) {
        if (s_.CursorX == st.GrabX && s_.CursorY == st.GrabY) {
            s_.ToolMode = ElementType::Empty;
            overlay.picBorder.clear();
        } else {
            PasteObjects(false);
        }
    }
    Changed();
}

void WorksheetEditor::DblClick()
{
    if (s_.ToolMode != ElementType::Conductor || !s_.P.Contains(s_.CursorX, s_.CursorY))
        return;
    const int t = s_.P(s_.CursorX, s_.CursorY).Type;
    if (t == ElementType::Conductor) {
        const int16_t k = CountConnections(s_, s_.CursorX, s_.CursorY, 0);
        if (k == 1)
            SetSwitch(c_);
        else if (k > 1)
            SetKnotenpunkt(c_, s_.CursorX, s_.CursorY, false);
    } else if (t == ElementType::AND || t == ElementType::OR || t == ElementType::XOR) {
        SetNegationsPunkt(c_);
    }
}

void WorksheetEditor::KeyPress(int keyAscii)
{
    if (keyAscii == 32 && s_.engine.PowerFlag != 0 && engine_ != nullptr)
        Pause(s_, *engine_);
}

void WorksheetEditor::CheckMouseMode()
{
    const uint8_t tool = s_.ToolMode;
    if (tool == ElementType::Empty) {
        if (!overlay.picRahmen.Visible)
            SelectNone();
        return;
    }
    if (tool == ElementType::TextLabel && !overlay.txtBeschriftung.Visible) {
        const GridCell& cell = s_.P(s_.CursorX, s_.CursorY);
        if (cell.Type == ElementType::Empty && cell.ElementNr == 0)
            ChangeBeschriftung(QStringLiteral("CREATE"));
        else if (cell.ElementNr > 0 && cell.ElementNr <= s_.ElementCount
                 && s_.Elements[static_cast<size_t>(cell.ElementNr)].Type == ElementType::TextLabel)
            ChangeBeschriftung(QStringLiteral("EDIT"));
    }
    if (tool == ToolCode::ICDefinitionView) {
        // A click starts the find-next search afresh at the top-left cell.
        if (SetICSearchStart)
            SetICSearchStart(0, 0);
        if (CreateICAnschluss)
            CreateICAnschluss();
    }
    ::CheckMouseMode(c_, nullptr);
    SelectNone();
}

void WorksheetEditor::RemoveUnderCursor()
{
    RemoveElement(c_, s_.CursorX, s_.CursorY);
}

void WorksheetEditor::ChangeMouseCursor(int button)
{
    if (s_.shell == nullptr)
        return;
    const uint8_t tool = s_.ToolMode;
    const int m = s_.shell->WorksheetMousePointer();
    auto set = [this, m](int p) {
        if (p != m)
            s_.shell->SetWorksheetMousePointer(p);
    };
    if (tool == ToolCode::QuickHelp)
        return;
    if (tool == ElementType::Empty && button == 2) {
        set(5);
        return;
    }
    if (tool == ElementType::Empty && (button == 0 || button == 1)) {
        const OverlayShape& f = overlay.picRahmen;
        if (!f.Visible) {
            set(1);
        } else {
            const bool inside = f.Left < st.LastMoveX && st.LastMoveX < f.Left + f.Width && f.Top < st.LastMoveY
                && st.LastMoveY < f.Top + f.Height;
            set(inside && f.BorderStyle == 1 ? 15 : 1);
        }
        return;
    }
    if (tool == ToolCode::SimulationRunning || tool == ToolCode::ICDefinitionView) {
        const int t = s_.P(s_.CursorX, s_.CursorY).Type;
        const int16_t k = CountConnections(s_, s_.CursorX, s_.CursorY, 0);
        const bool input = k == 1 && (t == ElementType::Conductor || t == ElementType::Switch);
        if (input) {
            set(99);
            if (tool == ToolCode::ICDefinitionView) {
                overlay.picBox.Left = GridToPixel(s_, s_.CursorX) - 2;
                overlay.picBox.Top = GridToPixel(s_, s_.CursorY) - 2;
                if (t <= ElementType::Conductor)
                    overlay.picBox.Visible = true;
                Changed();
            }
        } else if (k > 1 || (t != ElementType::Conductor && t != ElementType::Switch && m != 1)) {
            set(1);
            if (overlay.picBox.Visible) {
                overlay.picBox.Visible = false;
                Changed();
            }
        }
        return;
    }
    if (tool == ToolCode::GrabbedForMove)
        set(15);
    else if (tool >= 1 && tool <= 23)
        set(2);
}

// ---------------------------------------------------------------------------
// Conductor rubber band

void WorksheetEditor::ShowLines()
{
    st.MouseDownFlag = true;
    const double cs = s_.CellSize * s_.GridMode;
    const double px = s_.CursorX * cs + cs / 2;
    const double py = s_.CursorY * cs + cs / 2;
    overlay.LeitungH = OverlayLine{true, px, py, px, py};
    overlay.LeitungV = OverlayLine{true, px, py, px, py};
    st.AnchorX = s_.CursorX;
    st.AnchorY = s_.CursorY;
    st.PullH = false;
    st.PullV = false;
    Changed();
}

int16_t WorksheetEditor::BlockedH(int16_t x1, int16_t y, int16_t x2)
{
    const int step = x1 <= x2 ? 1 : -1;
    for (int x = x1;; x += step) {
        if (s_.P.Contains(x, y) && s_.P(x, y).Type > ElementType::Conductor) {
            if (x == x1) {
                if (!IsPinPosition(s_, x1, y))
                    return x1;
            } else {
                if ((x == x1 + 1 || x == x1 - 1) && s_.P(x1, y).Type > ElementType::Conductor
                    && IsPinPosition(s_, x1, y))
                    return x1;
                return static_cast<int16_t>(x);
            }
        }
        if (x == x2)
            break;
    }
    return kNoObstacle;
}

int16_t WorksheetEditor::BlockedV(int16_t y1, int16_t x, int16_t y2)
{
    const int step = y1 <= y2 ? 1 : -1;
    for (int y = y1;; y += step) {
        if (s_.P.Contains(x, y) && s_.P(x, y).Type > ElementType::Conductor) {
            if (y == y1) {
                if (!IsPinPosition(s_, x, y1))
                    return y1;
            } else {
                if ((y == y1 + 1 || y == y1 - 1) && s_.P(x, y1).Type > ElementType::Conductor
                    && IsPinPosition(s_, x, y1))
                    return y1;
                return static_cast<int16_t>(y);
            }
        }
        if (y == y2)
            break;
    }
    return kNoObstacle;
}

void WorksheetEditor::ShowTempLines(int16_t x, int16_t y)
{
    OverlayLine& H = overlay.LeitungH;
    OverlayLine& V = overlay.LeitungV;
    auto G = [this](int16_t i) { return static_cast<double>(GridToPixel(s_, i)); };
    auto orElse = [](int16_t r, int16_t v) { return r == kNoObstacle ? v : r; };
    if (x == st.AnchorX && y == st.AnchorY) {
        H.X2 = H.X1;
        V.Y2 = V.Y1;
        Changed();
        return;
    }
    if (y == st.AnchorY && !st.PullV) {
        V.Visible = false;
        H.Visible = true;
        H.X2 = G(orElse(BlockedH(st.AnchorX, st.AnchorY, x), x));
        st.PullH = true;
        st.PullV = false;
        V.Y2 = H.Y1;
    }
    if (x == st.AnchorX && !st.PullH) {
        H.Visible = false;
        V.Visible = true;
        V.Y2 = G(orElse(BlockedV(st.AnchorY, st.AnchorX, y), y));
        st.PullV = true;
        st.PullH = false;
        H.X2 = V.X1;
    }
    if (y == st.AnchorY || !st.PullH) {
        if (st.PullV && x != st.AnchorX) {
            const int16_t cy = orElse(BlockedV(st.AnchorY, st.AnchorX, y), y);
            V.Y2 = G(cy);
            H.X1 = V.X2;
            H.Y1 = V.Y2;
            H.Y2 = V.Y2;
            const int16_t rH = BlockedH(st.AnchorX, cy, x);
            if (s_.P(st.AnchorX, cy).Type < 2) {
                H.X2 = G(orElse(rH, x));
                H.Visible = true;
            } else {
                H.X2 = V.X2;
                H.Visible = false;
            }
        }
    } else {
        const int16_t cx = orElse(BlockedH(st.AnchorX, st.AnchorY, x), x);
        H.X2 = G(cx);
        V.X1 = H.X2;
        V.Y1 = H.Y1;
        V.X2 = H.X2;
        const int16_t rV = BlockedV(st.AnchorY, cx, y);
        if (s_.P(cx, st.AnchorY).Type < 2) {
            V.Y2 = G(orElse(rV, y));
            V.Visible = true;
        } else {
            V.Y2 = H.Y2;
            V.Visible = false;
        }
    }
    Changed();
}

namespace {

struct Leg {
    bool row = true; // along a row (x varies) or a column
    int16_t fixed = 0;
    int16_t from = 0;
    int16_t to = 0;
    int16_t lo() const { return std::min(from, to); }
    int16_t hi() const { return std::max(from, to); }
};

} // namespace

bool WorksheetEditor::CommitBand(bool erase)
{
    const OverlayLine& H = overlay.LeitungH;
    const OverlayLine& V = overlay.LeitungV;
    auto g = [this](double v) { return PixelToGrid(s_, CInt(v)); };
    std::array<Leg, 2> legs;
    int16_t x1, y1, x2, y2;
    if (st.PullH) {
        st.LinePointX = {g(H.X1), g(H.X2), g(V.X1)};
        st.LinePointY = {g(H.Y1), g(H.Y2), g(V.Y2)};
        legs[0] = Leg{true, st.LinePointY[0], st.LinePointX[0], st.LinePointX[1]};
        legs[1] = Leg{false, st.LinePointX[1], st.LinePointY[1], st.LinePointY[2]};
        x1 = std::min(st.LinePointX[0], st.LinePointX[1]);
        x2 = std::max(st.LinePointX[0], st.LinePointX[1]);
        y1 = std::min(st.LinePointY[1], st.LinePointY[2]);
        y2 = std::max(st.LinePointY[1], st.LinePointY[2]);
    } else if (st.PullV) {
        st.LinePointX = {g(V.X1), g(V.X2), g(H.X2)};
        st.LinePointY = {g(V.Y1), g(V.Y2), g(H.Y2)};
        legs[0] = Leg{false, st.LinePointX[0], st.LinePointY[0], st.LinePointY[1]};
        legs[1] = Leg{true, st.LinePointY[1], st.LinePointX[1], st.LinePointX[2]};
        x1 = std::min(st.LinePointX[1], st.LinePointX[2]);
        x2 = std::max(st.LinePointX[1], st.LinePointX[2]);
        y1 = std::min(st.LinePointY[0], st.LinePointY[1]);
        y2 = std::max(st.LinePointY[0], st.LinePointY[1]);
    } else {
        return false;
    }
    if (erase || x1 != x2 || y1 != y2) {
        c_.objUndo.NoObjects = true;
        c_.objUndo.NewUndo(x1, y1, x2, y2, LoadResString(erase ? 2615 : 2616));
    }

    for (const Leg& leg : legs) {
        const int16_t lo = leg.lo();
        const int16_t hi = leg.hi();
        if (erase && lo == hi)
            continue;
        for (int16_t i = lo; i <= hi; ++i) {
            const int16_t x = leg.row ? i : leg.fixed;
            const int16_t y = leg.row ? leg.fixed : i;
            if (!s_.P.Contains(x, y))
                continue;
            GridCell& cell = s_.P(x, y);
            int16_t& before = leg.row ? cell.ConLeft : cell.ConUp;
            int16_t& after = leg.row ? cell.ConRight : cell.ConDown;
            if (!erase) {
                if (lo != hi && cell.Type < 2)
                    cell.Type = ElementType::Conductor;
                if (i < hi)
                    after = kTrue;
                if (i > lo)
                    before = kTrue;
                if (s_.AutoJunction != 0 && cell.Type == ElementType::Conductor) {
                    const bool l = IsSet(cell.ConLeft), r = IsSet(cell.ConRight);
                    const bool u = IsSet(cell.ConUp), d = IsSet(cell.ConDown);
                    if ((l && r && (u != d)) || (u && d && (l != r)))
                        cell.Marker = -1;
                }
            } else if (cell.Type < 2) {
                if (i < hi)
                    after = kFalse;
                if (i > lo)
                    before = kFalse;
                // A cell becomes empty only when no connection is left, so a
                // kept flag never sits on an empty cell.
                const int16_t left = CountConnections(s_, x, y, 0);
                if (left == 0) {
                    cell.Type = ElementType::Empty;
                    cell.Marker = 0;
                } else if (left <= 2) {
                    cell.Marker = 0;
                }
            } else {
                before = kFalse;
                after = kFalse;
            }
        }
    }
    int16_t rx1 = static_cast<int16_t>(std::max(0, x1 - 1));
    int16_t ry1 = static_cast<int16_t>(std::max(0, y1 - 1));
    int16_t rx2 = static_cast<int16_t>(std::min<int>(s_.MaxX, x2 + 1));
    int16_t ry2 = static_cast<int16_t>(std::min<int>(s_.MaxY, y2 + 1));
    RedrawArea(s_, c_.objGrafik, rx1, ry1, rx2, ry2, false);
    return true;
}

void WorksheetEditor::SetLines()
{
    CommitBand(false);
    overlay.LeitungH.Visible = false;
    overlay.LeitungV.Visible = false;
    Changed();
}

void WorksheetEditor::DeleteLines()
{
    CommitBand(true);
    overlay.LeitungH.Visible = false;
    overlay.LeitungV.Visible = false;
    Changed();
}

// ---------------------------------------------------------------------------
// Placement outlines

void WorksheetEditor::ShowBorder()
{
    const uint8_t tool = s_.ToolMode;
    if (tool != ElementType::Empty) {
        overlay.picRahmen.BorderColor = kGrey;
        overlay.picRahmen.BorderStyle = 1;
    }
    switch (tool) {
    case ElementType::LED:
    case ElementType::Switch:
        overlay.picBox.Left = GridToPixel(s_, s_.CursorX) - 2;
        overlay.picBox.Top = GridToPixel(s_, s_.CursorY) - 2;
        if (s_.P(s_.CursorX, s_.CursorY).Type <= ElementType::Conductor)
            overlay.picBox.Visible = true;
        break;
    case ElementType::AND:
    case ElementType::OR:
    case ElementType::XOR:
    case ElementType::TriState: ShowRahmenAndOrXor(); break;
    case ElementType::Inverter: ShowRahmenInverter(); break;
    case ElementType::ClockGenerator:
    case ElementType::HalfAdder:
    case ElementType::FullAdder: ShowRahmenTimer(); break;
    case ElementType::Multiplexer: ShowRahmenMultiplexer(); break;
    case ElementType::Decoder: ShowRahmenDecoder(); break;
    case ElementType::FlipFlop: ShowRahmenFlipFlop(); break;
    case ElementType::ShiftRegister: ShowRahmenSRegister(); break;
    case ElementType::SevenSegment: ShowRahmenIC(4, 4); break;
    case ElementType::IC: ShowRahmenIC(s_.ICWidth, s_.ICHeight); break;
    case ToolCode::GrabbedForMove:
    case ToolCode::MovingArea: {
        const double half = kGridPixel * s_.GridMode / 2;
        const bool area = tool == ToolCode::MovingArea;
        const int dx = area ? s_.CursorX - SelRect.X1 - st.GrabX : s_.CursorX - st.GrabX;
        const int dy = area ? s_.CursorY - SelRect.Y1 - st.GrabY : s_.CursorY - st.GrabY;
        const bool inX = !area || (s_.CursorX - st.GrabX >= 0 && s_.CursorX - st.GrabX + (SelRect.X2 - SelRect.X1) <= s_.MaxX);
        const bool inY = !area || (s_.CursorY - st.GrabY >= 0 && s_.CursorY - st.GrabY + (SelRect.Y2 - SelRect.Y1) <= s_.MaxY);
        for (size_t k = 1; k < overlay.picBorder.size() && k < s_.SelLabelPos.size(); ++k) {
            OverlayShape& b = overlay.picBorder[k];
            b.Visible = true;
            if (inX)
                b.Left = s_.SelLabelPos[k].Left + GridToPixel(s_, static_cast<int16_t>(dx)) - half;
            if (inY)
                b.Top = s_.SelLabelPos[k].Top + GridToPixel(s_, static_cast<int16_t>(dy)) - half;
        }
        break;
    }
    default: return;
    }
    Changed();
}

namespace {

struct OutlineMath {
    const ProgramState& s;
    double c;
    double G(int i) const { return GridToPixel(s, static_cast<int16_t>(i)); }
};

void Place(OverlayShape& r, double l, double t, double w, double h)
{
    r.Left = l;
    r.Top = t;
    r.Width = w;
    r.Height = h;
}

} // namespace

void WorksheetEditor::ShowRahmenStrip(int length)
{
    // Two rows (or columns) and a quarter, `length` cells long from the anchor away from the outputs.
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    const double c = m.c;
    OverlayShape& r = overlay.picRahmen;
    switch (s_.PlaceOrientation) {
    case 1: Place(r, m.G(X - length), m.G(Y - 1) - c / 4, length * c, 2 * c + c / 2); break;
    case 3: Place(r, m.G(X - 1) - c / 4, m.G(Y - length), 2 * c + c / 2, length * c); break;
    case 4: Place(r, m.G(X - 1) - c / 4, m.G(Y), 2 * c + c / 2, length * c); break;
    default: Place(r, m.G(X), m.G(Y - 1) - c / 4, length * c, 2 * c + c / 2); break;
    }
    r.Visible = true;
}

void WorksheetEditor::ShowRahmenSRegister()
{
    ShowRahmenStrip(8);
}

void WorksheetEditor::ShowRahmenTimer()
{
    ShowRahmenStrip(3);
}

void WorksheetEditor::ShowRahmenFlipFlop()
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    const double c = m.c;
    OverlayShape& r = overlay.picRahmen;
    switch (s_.PlaceOrientation) {
    case 1: Place(r, m.G(X - 5), m.G(Y - 1) - c / 2, m.G(6) - m.G(1) + 1, 3 * c); break;
    case 3: Place(r, m.G(X - 1) - c / 2, m.G(Y - 5), 3 * c, 5 * c); break;
    case 4: Place(r, m.G(X - 1) - c / 2, m.G(Y), 3 * c, 5 * c); break;
    default: Place(r, m.G(X), m.G(Y - 1) - c / 2, m.G(6) - m.G(1) + 1, 3 * c); break;
    }
    r.Visible = true;
}

void WorksheetEditor::ShowRahmenMultiplexer()
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    const double c = m.c;
    OverlayShape& r = overlay.picRahmen;
    switch (s_.PlaceOrientation) {
    case 1: Place(r, m.G(X - 4), m.G(Y - 2), 4 * c, 4 * c + c / 3); break;
    case 3: Place(r, m.G(X - 2) - c / 3, m.G(Y - 4), 4 * c + c / 3, 4 * c); break;
    case 4: Place(r, m.G(X - 2) - c / 3, m.G(Y), 4 * c + c / 3, 4 * c); break;
    default: Place(r, m.G(X), m.G(Y - 2), 4 * c, 4 * c + c / 3); break;
    }
    r.Visible = true;
}

void WorksheetEditor::ShowRahmenInverter()
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    const double c = m.c;
    OverlayShape& r = overlay.picRahmen;
    switch (s_.PlaceOrientation) {
    case 1:
        Place(r, m.G(X - 2) + c / 3, m.G(Y) - c / 3, m.G(X + 1) - m.G(X) + 3 * c / 4, m.G(Y + 1) - m.G(Y) - c / 4);
        break;
    case 3:
        r.Left = m.G(X) - c / 3;
        r.Top = m.G(Y - 2) + c / 3;
        r.Width = 2 * c / 3;
        r.Height = m.G(Y) - r.Top;
        break;
    case 4: Place(r, m.G(X) - c / 3, m.G(Y), 2 * c / 3, m.G(Y + 2) - m.G(Y) - c / 3); break;
    default:
        Place(r, m.G(X), m.G(Y) - c / 3, m.G(X + 1) - m.G(X) + 3 * c / 4, m.G(Y + 1) - m.G(Y) - c / 4);
        break;
    }
    r.Visible = s_.P(s_.CursorX, s_.CursorY).Type <= ElementType::Conductor;
}

void WorksheetEditor::ShowRahmenAndOrXor()
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    const double c = m.c;
    const QString inputs = s_.shell ? s_.shell->GateInputsText() : QStringLiteral("2");
    int n = static_cast<int>(RoundHalfEven(Val(inputs)));
    if (n == 2) {
        s_.TwoInputGate = true;
        n = 3;
    } else {
        s_.TwoInputGate = false;
    }
    double l = 0, t = 0, w = 0, h = 0;
    switch (s_.PlaceOrientation) {
    case 1:
    case 2:
        l = s_.PlaceOrientation == 1 ? m.G(X - 2) : m.G(X);
        t = m.G(Y - 1) - c / 4;
        w = m.G(X + 2) - m.G(X) + 1;
        h = (m.G(Y + n - 2) + c / 4) - (m.G(Y - 1) - c / 4);
        break;
    default:
        l = m.G(X - 1) - c / 4;
        t = s_.PlaceOrientation == 3 ? m.G(Y - 2) : m.G(Y);
        w = (m.G(X + n - 1) - m.G(X) + 1) + c / 4 + c / 4;
        h = m.G(Y) - m.G(Y - 2);
        break;
    }
    Place(overlay.picRahmen, RoundHalfEven(l), RoundHalfEven(t), RoundHalfEven(w), RoundHalfEven(h));
    overlay.picRahmen.Visible = s_.P(s_.CursorX, s_.CursorY).Type <= ElementType::Conductor;
}

void WorksheetEditor::ShowRahmenDecoder()
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    auto& L = overlay.LineRahmen;
    switch (s_.PlaceOrientation) {
    case 1:
    case 2: {
        const int wide = s_.PlaceOrientation == 2 ? X + 2 : X - 2;
        L[0] = OverlayLine{L[0].Visible, m.G(X), m.G(Y - 3), m.G(X), m.G(Y + 2)};
        L[1] = OverlayLine{L[1].Visible, m.G(wide), m.G(Y - 5), m.G(wide), m.G(Y + 4)};
        break;
    }
    default: {
        const int wide = s_.PlaceOrientation == 4 ? Y + 2 : Y - 2;
        L[0] = OverlayLine{L[0].Visible, m.G(X - 2), m.G(Y), m.G(X + 3), m.G(Y)};
        L[1] = OverlayLine{L[1].Visible, m.G(X - 4), m.G(wide), m.G(X + 5), m.G(wide)};
        break;
    }
    }
    L[2] = OverlayLine{L[2].Visible, L[0].X1, L[0].Y1, L[1].X1, L[1].Y1};
    L[3] = OverlayLine{L[3].Visible, L[0].X2, L[0].Y2, L[1].X2, L[1].Y2};
    if (!L[0].Visible)
        for (OverlayLine& l : L)
            l.Visible = true;
}

void WorksheetEditor::ShowRahmenIC(int16_t w, int16_t h)
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    Place(overlay.picRahmen, m.G(X), m.G(Y - static_cast<int>(Int(h / 2.0))), m.G(w + 1) - m.G(1) + 1,
          m.G(h + 1) - m.G(1) + 1);
    overlay.picRahmen.Visible = true;
}

// ---------------------------------------------------------------------------
// Selection

bool WorksheetEditor::ObjectSelected(int16_t n) const
{
    for (int i = 1;; ++i) {
        const QString f = GetField(SelectionList, i);
        if (f.isEmpty())
            return false;
        if (f.toInt() == n)
            return true;
    }
}

void WorksheetEditor::SelectObject(int16_t n)
{
    if (n <= 0 || n > s_.ElementCount)
        return;
    QStringList kept;
    bool removed = false;
    for (int i = 1;; ++i) {
        const QString f = GetField(SelectionList, i);
        if (f.isEmpty())
            break;
        if (f.toInt() == n)
            removed = true;
        else
            kept << f;
    }
    if (!removed) {
        kept << QString::number(n);
        EnableDelete(true);
    }
    SelectionList.clear();
    for (const QString& f : kept)
        SelectionList += f + QLatin1Char(';');
    SelCount = static_cast<int16_t>(kept.size());
    PlaceHandles();
}

void WorksheetEditor::PlaceHandles()
{
    overlay.PObj.clear();
    for (int i = 1; i <= SelCount; ++i) {
        const int16_t e = static_cast<int16_t>(GetField(SelectionList, i).toInt());
        const double x1 = GridToPixel(s_, GetElementLeft(s_, e));
        const double y1 = GridToPixel(s_, GetElementTop(s_, e));
        const double x2 = GridToPixel(s_, GetElementRight(s_, e));
        const double y2 = GridToPixel(s_, GetElementBottom(s_, e));
        for (const auto& [hx, hy] : {std::pair{x1, y1}, std::pair{x2, y1}, std::pair{x1, y2}, std::pair{x2, y2}})
            overlay.PObj.push_back(OverlayShape{true, hx - 2, hy - 2, 5, 5, 1, 0x000000});
    }
    Changed();
}

void WorksheetEditor::SelectNone()
{
    SelectionList.clear();
    SelCount = 0;
    SelRect = CellBox{};
    const bool had = !overlay.PObj.empty() || !overlay.picBorder.empty()
        || (s_.ToolMode == ElementType::Empty && overlay.picRahmen.Visible);
    overlay.PObj.clear();
    overlay.picBorder.clear();
    if (s_.ToolMode == ElementType::Empty)
        overlay.picRahmen.Visible = false;
    EnableDelete(false);
    if (had)
        Changed();
}

void WorksheetEditor::EnableDelete(bool on)
{
    if (SetDeleteEnabled)
        SetDeleteEnabled(on);
}

void WorksheetEditor::SetFrameLabel(int16_t x, int16_t y)
{
    FrameLabelX = x;
    FrameLabelY = y;
    Changed();
}

QString WorksheetEditor::FrameLabelText() const
{
    return QStringLiteral("X: %1   Y: %2").arg(FrameLabelX).arg(FrameLabelY);
}

void WorksheetEditor::DeleteSelection()
{
    std::vector<int16_t> numbers;
    for (int i = 1;; ++i) {
        const QString f = GetField(SelectionList, i);
        if (f.isEmpty())
            break;
        numbers.push_back(static_cast<int16_t>(f.toInt()));
    }
    // Highest first, so removing one does not renumber the others still due.
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    SelectNone();
    for (int16_t n : numbers) {
        // Any cell that carries the number locates the element: a component
        // without inputs has no first pin to go by.
        bool found = false;
        for (int16_t x = 0; x <= s_.MaxX && !found; ++x) {
            for (int16_t y = 0; y <= s_.MaxY && !found; ++y) {
                const GridCell& cell = s_.P(x, y);
                if (cell.ElementNr == n && cell.Type > ElementType::Conductor) {
                    s_.CursorX = x;
                    s_.CursorY = y;
                    RemoveElement(c_, x, y);
                    found = true;
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Area frame, area selection, area delete and area move

bool WorksheetEditor::FrameFixed() const
{
    const OverlayShape& f = overlay.picRahmen;
    return f.Visible && f.BorderStyle == 1 && f.BorderColor == kFrameBlue;
}

bool WorksheetEditor::InsideFrame(double x, double y) const
{
    const OverlayShape& f = overlay.picRahmen;
    return f.Visible && f.Left < x && x < f.Left + f.Width && f.Top < y && y < f.Top + f.Height;
}

void WorksheetEditor::ResizeBorder()
{
    OverlayShape& f = overlay.picRahmen;
    auto axis = [this](int16_t cursor, int16_t anchor, double& pos, double& size, int16_t& corner) {
        const int d = cursor - anchor;
        if (d >= 1) {
            pos = GridToPixel(s_, anchor);
            size = GridToPixel(s_, cursor) - GridToPixel(s_, anchor) + 1;
        } else if (d < 0) {
            pos = GridToPixel(s_, cursor);
            size = GridToPixel(s_, anchor) - GridToPixel(s_, cursor) + 1;
        }
        corner = d == 0 ? anchor : cursor;
    };
    axis(s_.CursorX, st.AnchorX, f.Left, f.Width, st.CornerX);
    axis(s_.CursorY, st.AnchorY, f.Top, f.Height, st.CornerY);
    SetFrameLabel(PixelToGrid(s_, CInt(f.Width)), PixelToGrid(s_, CInt(f.Height)));
}

bool WorksheetEditor::CheckBorderPosition()
{
    const int16_t x1 = std::min(st.AnchorX, st.CornerX), x2 = std::max(st.AnchorX, st.CornerX);
    const int16_t y1 = std::min(st.AnchorY, st.CornerY), y2 = std::max(st.AnchorY, st.CornerY);
    bool cut = false;
    for (int16_t x = x1; x <= x2; ++x)
        cut = cut || s_.P(x, st.AnchorY).Type >= 2 || s_.P(x, st.CornerY).Type >= 2;
    for (int16_t y = y1; y <= y2; ++y)
        cut = cut || s_.P(st.AnchorX, y).Type >= 2 || s_.P(st.CornerX, y).Type >= 2;
    st.AnchorX = x1;
    st.AnchorY = y1;
    st.CornerX = x2;
    st.CornerY = y2;
    if (cut) {
        overlay.picRahmen.Visible = false;
        Changed();
    }
    return cut;
}

void WorksheetEditor::SelectArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    Puffer.assign(static_cast<size_t>(x2 - x1 + 1), std::vector<GridCell>(static_cast<size_t>(y2 - y1 + 1)));
    for (int16_t i = 0; i <= x2 - x1; ++i) {
        for (int16_t j = 0; j <= y2 - y1; ++j) {
            const GridCell& c = s_.P(x1 + i, y1 + j);
            GridCell& b = Puffer[static_cast<size_t>(i)][static_cast<size_t>(j)];
            if (c.Type != ElementType::Conductor) {
                b.Type = c.Type;
            } else {
                const bool left = i == 0, right = x1 + i == x2, top = j == 0, bottom = y1 + j == y2;
                bool take = true;
                if (left && top)
                    take = c.ConDown || c.ConRight;
                else if (left && bottom)
                    take = c.ConUp || c.ConRight;
                else if (right && top)
                    take = c.ConDown || c.ConLeft;
                else if (right && bottom)
                    take = c.ConUp || c.ConLeft;
                if (take)
                    b.Type = ElementType::Conductor;
            }
            b.ElementNr = c.ElementNr;
            b.ICLink = c.ICLink;
            b.ICConnector = c.ICConnector;
            b.Marker = c.Marker;
            b.ConLeft = i > 0 ? c.ConLeft : kFalse;
            b.ConRight = x1 + i < x2 ? c.ConRight : kFalse;
            b.ConUp = j > 0 ? c.ConUp : kFalse;
            b.ConDown = y1 + j < y2 ? c.ConDown : kFalse;
            if (c.ElementNr >= 1 && !ObjectSelected(c.ElementNr))
                SelectObject(c.ElementNr);
        }
    }
    SelRect = CellBox{x1, y1, x2, y2};
    EnableDelete(true);
}

void WorksheetEditor::LoescheBereich()
{
    if (overlay.picRahmen.Visible) {
        const CellBox r = SelRect;
        for (int16_t x = r.X1; x <= r.X2; ++x)
            for (int16_t y = r.Y1; y <= r.Y2; ++y) {
                const uint8_t t = s_.P(x, y).Type;
                if (t == ElementType::IC || t == ElementType::ClockGenerator)
                    return;
            }
        c_.objUndo.Delete = true;
        c_.objUndo.NewUndo(r.X1, r.Y1, r.X2, r.Y2, LoadResString(2613));
        DeleteArea(r.X1, r.Y1, r.X2, r.Y2, false);
        int16_t x1 = static_cast<int16_t>(std::max(0, r.X1 - 1)), y1 = static_cast<int16_t>(std::max(0, r.Y1 - 1));
        int16_t x2 = static_cast<int16_t>(std::min<int>(s_.MaxX, r.X2 + 1));
        int16_t y2 = static_cast<int16_t>(std::min<int>(s_.MaxY, r.Y2 + 1));
        RedrawArea(s_, c_.objGrafik, x1, y1, x2, y2, false);
        SetFrameLabel(0, 0);
        SelectNone();
        overlay.picRahmen.Visible = false;
        Changed();
        return;
    }
    DeleteSelection();
    EnableDelete(false);
}

void WorksheetEditor::DeleteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool keepElements)
{
    std::vector<int16_t> collected;
    for (int16_t x = x1; x <= x2; ++x) {
        for (int16_t y = y1; y <= y2; ++y) {
            GridCell& c = s_.P(x, y);
            const bool onLeft = x == x1, onRight = x == x2, onTop = y == y1, onBottom = y == y2;
            if (!(onLeft || onRight || onTop || onBottom)) {
                if (c.ElementNr >= 1 && std::find(collected.begin(), collected.end(), c.ElementNr) == collected.end())
                    collected.push_back(c.ElementNr);
                ClearFeld(s_, x, y);
                continue;
            }
            c.ElementNr = 0;
            if (c.ICLink != 0) {
                c.ICLink = 0;
                c.ICConnector = 0;
            }
            c.Marker = 0;
            const bool corner = (onLeft || onRight) && (onTop || onBottom);
            // Whether a conductor crosses the edge at this cell on its outward side.
            auto crossed = [&](int dx, int dy, int16_t own) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx > s_.MaxX || ny > s_.MaxY)
                    return false;
                const GridCell& o = s_.P(nx, ny);
                const int16_t facing = dx < 0 ? o.ConRight : dx > 0 ? o.ConLeft : dy < 0 ? o.ConDown : o.ConUp;
                return own != 0 || facing != 0;
            };
            struct Edge {
                bool on;
                int dx, dy;
                bool vertical; // left or right edge: flags along it are up/down
            };
            const Edge edges[] = {{onLeft, -1, 0, true}, {onRight, 1, 0, true}, {onTop, 0, -1, false},
                                  {onBottom, 0, 1, false}};
            for (const Edge& e : edges) {
                if (!e.on)
                    continue;
                int16_t& outward = e.dx < 0 ? c.ConLeft : e.dx > 0 ? c.ConRight : e.dy < 0 ? c.ConUp : c.ConDown;
                if (!corner) {
                    if (!crossed(e.dx, e.dy, outward)) {
                        c.Type = ElementType::Empty;
                        outward = kFalse;
                    }
                    if (e.vertical) {
                        c.ConUp = kFalse;
                        c.ConDown = kFalse;
                    } else {
                        c.ConLeft = kFalse;
                        c.ConRight = kFalse;
                    }
                } else {
                    const int16_t outX = onLeft ? c.ConLeft : c.ConRight;
                    const int16_t outY = onTop ? c.ConUp : c.ConDown;
                    if (outX == 0 && outY == 0)
                        c.Type = ElementType::Empty;
                    if (e.vertical)
                        (onTop ? c.ConDown : c.ConUp) = kFalse;
                    else
                        (onLeft ? c.ConRight : c.ConLeft) = kFalse;
                }
            }
            if (onLeft)
                c.ConRight = kFalse;
            if (onRight)
                c.ConLeft = kFalse;
            if (onTop)
                c.ConDown = kFalse;
            if (onBottom)
                c.ConUp = kFalse;
            if (c.Type >= 2)
                c.Type = CountConnections(s_, x, y, 0) > 0 ? ElementType::Conductor : ElementType::Empty;
        }
    }
    if (keepElements)
        return;
    bool sensors = false;
    for (size_t i = 0; i < collected.size(); ++i) {
        const int16_t n = collected[i];
        if (n < 1 || n > s_.ElementCount)
            continue;
        const ElementRecord& e = s_.Elements[static_cast<size_t>(n)];
        // Each sensor gives its analyzer channel back, as its own removal does.
        if (e.Type == ElementType::AnalysisSensor) {
            sensors = true;
            if (s_.shell)
                s_.shell->RemoveGraph(static_cast<int>(Val(e.Label)));
        }
        DeleteElement(s_, n);
        for (size_t k = i + 1; k < collected.size(); ++k)
            if (collected[k] > n)
                --collected[k];
    }
    if (sensors) {
        RecountProbes(s_);
        if (s_.shell) {
            s_.shell->PrepareListView();
            s_.shell->ResizeListView();
        }
    }
}

void WorksheetEditor::ChangeInOut(int16_t n)
{
    if (n < 1 || n > s_.ElementCount)
        return;
    ParseInputPins(s_, n, 0);
    ParseOutputPins(s_, n, 0);
    auto rewrite = [this](const PinTable& pins, int16_t count) {
        QString list;
        for (int i = 0; i < count; ++i)
            list += QStringLiteral("X%1Y%2:").arg(pins[static_cast<size_t>(i)].X + st.DifX).arg(
                pins[static_cast<size_t>(i)].Y + st.DifY);
        return list;
    };
    ElementRecord& e = s_.Elements[static_cast<size_t>(n)];
    e.InPinList = rewrite(s_.InputPins, s_.InputPinCount);
    e.OutPinList = rewrite(s_.OutputPins, s_.OutputPinCount);
}

void WorksheetEditor::PasteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    if (x1 == x2 || y1 == y2 || Puffer.empty())
        return;
    auto B = [this, x1, y1](int x, int y) -> const GridCell& {
        return Puffer[static_cast<size_t>(x - x1)][static_cast<size_t>(y - y1)];
    };
    auto border = [&](int x, int y) { return x == x1 || x == x2 || y == y1 || y == y2; };
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y) {
            const GridCell& c = s_.P(x, y);
            const GridCell& b = B(x, y);
            const bool collide = border(x, y) ? (c.Type > 1 && b.Type > 1) : (c.Type != 0 && b.Type != 0);
            if (collide) {
                st.DifX = 0;
                st.DifY = 0;
                if (SelRect.X1 != x1 || SelRect.Y1 != y1)
                    PasteArea(SelRect.X1, SelRect.Y1, SelRect.X2, SelRect.Y2);
                return;
            }
        }
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y) {
            GridCell& c = s_.P(x, y);
            const GridCell& b = B(x, y);
            if (b.Type == 0)
                continue;
            if (c.Type == 0 || !border(x, y)) {
                if (c.Type == 0) {
                    c = b;
                }
                continue;
            }
            // Join a border cell with what lies outside.
            if (x == x1) {
                if (x > 0 && s_.P(x - 1, y).ConRight)
                    c.ConLeft = kTrue;
                if (x + 1 <= x2 && B(x + 1, y).ConLeft)
                    c.ConRight = kTrue;
            }
            if (x == x2) {
                if (x < s_.MaxX && s_.P(x + 1, y).ConLeft)
                    c.ConRight = kTrue;
                if (x - 1 >= x1 && B(x - 1, y).ConRight)
                    c.ConLeft = kTrue;
            }
            if (x == x1 || x == x2) {
                if (!c.ConUp)
                    c.ConUp = b.ConUp;
                if (!c.ConDown)
                    c.ConDown = b.ConDown;
            }
            if (y == y1) {
                if (y > 0 && s_.P(x, y - 1).ConDown)
                    c.ConUp = kTrue;
                if (y + 1 <= y2 && B(x, y + 1).ConUp)
                    c.ConDown = kTrue;
            }
            if (y == y2) {
                if (y < s_.MaxY && s_.P(x, y + 1).ConUp)
                    c.ConDown = kTrue;
                if (y - 1 >= y1 && B(x, y - 1).ConDown)
                    c.ConUp = kTrue;
            }
            if (y == y1 || y == y2) {
                if (!c.ConLeft)
                    c.ConLeft = b.ConLeft;
                if (!c.ConRight)
                    c.ConRight = b.ConRight;
            }
        }
    for (int i = 1; i <= SelCount; ++i)
        ChangeInOut(static_cast<int16_t>(GetField(SelectionList, i).toInt()));
    int16_t rx1 = x1, ry1 = y1, rx2 = x2, ry2 = y2;
    RedrawArea(s_, c_.objGrafik, rx1, ry1, rx2, ry2, false);
}

void WorksheetEditor::ReleaseAreaMove()
{
    OverlayShape& f = overlay.picRahmen;
    const CellBox old = SelRect;
    const int16_t nx1 = PixelToGrid(s_, CInt(f.Left));
    const int16_t ny1 = PixelToGrid(s_, CInt(f.Top));
    const int16_t nx2 = static_cast<int16_t>(nx1 + (old.X2 - old.X1));
    const int16_t ny2 = static_cast<int16_t>(ny1 + (old.Y2 - old.Y1));
    f.Visible = false;
    f.BorderColor = kGrey;
    st.DifX = static_cast<int16_t>(nx1 - old.X1);
    st.DifY = static_cast<int16_t>(ny1 - old.Y1);
    c_.objUndo.Move = true;
    c_.objUndo.NoObjects = false;
    c_.objUndo.NewUndo(std::min(old.X1, nx1), std::min(old.Y1, ny1), std::max(old.X2, nx2), std::max(old.Y2, ny2),
                       LoadResString(2617));
    DeleteArea(old.X1, old.Y1, old.X2, old.Y2, true);
    int16_t x1 = old.X1, y1 = old.Y1, x2 = old.X2, y2 = old.Y2;
    RedrawArea(s_, c_.objGrafik, x1, y1, x2, y2, false);
    PasteArea(nx1, ny1, nx2, ny2);
    s_.ToolMode = ElementType::Empty;
    SelectNone();
    SetFrameLabel(0, 0);
}

// ---------------------------------------------------------------------------
// Moving selected components

void WorksheetEditor::PlaceMoveOutlines()
{
    overlay.picBorder.assign(static_cast<size_t>(SelCount) + 1, OverlayShape{});
    for (int k = 1; k <= SelCount; ++k) {
        const int16_t e = static_cast<int16_t>(GetField(SelectionList, k).toInt());
        const SelLabelRect r = PositionSelLabel(s_, e, static_cast<int16_t>(k));
        overlay.picBorder[static_cast<size_t>(k)] = OverlayShape{false, static_cast<double>(r.Left),
                                                                 static_cast<double>(r.Top), r.Width, r.Height, 3,
                                                                 kGrey};
    }
    Changed();
}

void WorksheetEditor::CopyObjectsToPuffer()
{
    CellBox box{s_.MaxX, s_.MaxY, 0, 0};
    for (int k = 1; k <= SelCount; ++k) {
        const int16_t n = static_cast<int16_t>(GetField(SelectionList, k).toInt());
        box.X1 = std::min(box.X1, GetElementLeft(s_, n));
        box.Y1 = std::min(box.Y1, GetElementTop(s_, n));
        box.X2 = std::max(box.X2, GetElementRight(s_, n));
        box.Y2 = std::max(box.Y2, GetElementBottom(s_, n));
    }
    SelRect = box;
    ObjectPuffer.assign(static_cast<size_t>(std::max(0, box.X2 - box.X1) + 1),
                        std::vector<GridCell>(static_cast<size_t>(std::max(0, box.Y2 - box.Y1) + 1)));
    for (int16_t x = box.X1; x <= box.X2; ++x)
        for (int16_t y = box.Y1; y <= box.Y2; ++y) {
            const GridCell& c = s_.P(x, y);
            if (c.Type > 1 && ObjectSelected(c.ElementNr))
                ObjectPuffer[static_cast<size_t>(x - box.X1)][static_cast<size_t>(y - box.Y1)] = c;
        }
    st.DifX = static_cast<int16_t>(s_.CursorX - box.X1);
    st.DifY = static_cast<int16_t>(s_.CursorY - box.Y1);
    PlaceMoveOutlines();
}

void WorksheetEditor::RemoveObjects()
{
    const CellBox& r = SelRect;
    for (int16_t x = r.X1; x <= r.X2; ++x)
        for (int16_t y = r.Y1; y <= r.Y2; ++y) {
            GridCell& c = s_.P(x, y);
            if (c.Type >= 2 && ObjectSelected(c.ElementNr)) {
                c.ElementNr = 0;
                c.ICConnector = 0;
                c.Marker = 0;
                c.ICLink = 0;
                c.Type = CountConnections(s_, x, y, 0) >= 1 ? ElementType::Conductor : ElementType::Empty;
            }
        }
    int16_t x1 = static_cast<int16_t>(std::max(0, r.X1 - 1)), y1 = static_cast<int16_t>(std::max(0, r.Y1 - 1));
    int16_t x2 = static_cast<int16_t>(std::min<int>(s_.MaxX, r.X2 + 1));
    int16_t y2 = static_cast<int16_t>(std::min<int>(s_.MaxY, r.Y2 + 1));
    RedrawArea(s_, c_.objGrafik, x1, y1, x2, y2, false);
}

void WorksheetEditor::PasteObjects(bool restore)
{
    const CellBox old = SelRect;
    const int w = old.X2 - old.X1, h = old.Y2 - old.Y1;
    int nx = old.X1, ny = old.Y1;
    if (!restore) {
        nx = s_.CursorX - st.DifX;
        ny = s_.CursorY - st.DifY;
        c_.objUndo.Move = true;
        c_.objUndo.NoObjects = false;
        c_.objUndo.NewUndo(std::min<int>(old.X1, nx), std::min<int>(old.Y1, ny), std::max<int>(old.X2, nx + w),
                           std::max<int>(old.Y2, ny + h), LoadResString(2614));
    } else {
        c_.objUndo.DeleteLastUndo();
    }
    RemoveObjects();
    auto B = [this](int i, int j) -> const GridCell& {
        return ObjectPuffer[static_cast<size_t>(i)][static_cast<size_t>(j)];
    };
    if (!restore) {
        for (int x = nx; x <= nx + w; ++x)
            for (int y = ny; y <= ny + h; ++y) {
                const GridCell& b = B(x - nx, y - ny);
                if (b.Type <= 1)
                    continue;
                const bool outside = x < 1 || y < 1 || x >= s_.MaxX || y >= s_.MaxY;
                if (outside || s_.P(x, y).Type > 1
                    || (s_.P(x, y).Type == 1 && CountConnections(s_, static_cast<int16_t>(x), static_cast<int16_t>(y), 0) >= 2)) {
                    PasteObjects(true);
                    return;
                }
            }
    }
    for (int x = nx; x <= nx + w; ++x)
        for (int y = ny; y <= ny + h; ++y) {
            const GridCell& b = B(x - nx, y - ny);
            if (b.Type <= 1)
                continue;
            GridCell& c = s_.P(x, y);
            c.Type = b.Type;
            c.ElementNr = b.ElementNr;
            c.Marker = b.Marker;
            c.ICLink = b.ICLink;
            c.ICConnector = b.ICConnector;
        }
    st.DifX = static_cast<int16_t>(nx - old.X1);
    st.DifY = static_cast<int16_t>(ny - old.Y1);
    for (int k = 1; k <= SelCount; ++k)
        ChangeInOut(static_cast<int16_t>(GetField(SelectionList, k).toInt()));
    s_.ToolMode = ElementType::Empty;
    int16_t x1 = static_cast<int16_t>(std::max(0, nx - 1)), y1 = static_cast<int16_t>(std::max(0, ny - 1));
    int16_t x2 = static_cast<int16_t>(std::min<int>(s_.MaxX, nx + w + 1));
    int16_t y2 = static_cast<int16_t>(std::min<int>(s_.MaxY, ny + h + 1));
    RedrawArea(s_, c_.objGrafik, x1, y1, x2, y2, false);
    overlay.picBorder.clear();
    PlaceHandles();
}

// ---------------------------------------------------------------------------
// Text labels

QSizeF WorksheetEditor::MeasureLabel(const QString& text) const
{
    NullSurface measure;
    measure.FontName = QStringLiteral("MS Sans Serif");
    measure.FontSize = static_cast<double>(s_.LabelFontSize * s_.GridMode);
    return QSizeF(measure.TextWidth(text), measure.TextHeight(text));
}

void WorksheetEditor::ChangeBeschriftung(const QString& mode)
{
    LabelEditBox& box = overlay.txtBeschriftung;
    const int16_t x = s_.CursorX, y = s_.CursorY;
    const GridCell& cell = s_.P(x, y);
    if (mode == QStringLiteral("CREATE")) {
        if (cell.ElementNr != 0)
            return;
        box = LabelEditBox{};
        box.X = x;
        box.Y = y;
    } else if (mode == QStringLiteral("EDIT")) {
        const int16_t n = cell.ElementNr;
        if (n < 1 || n > s_.ElementCount || s_.Elements[static_cast<size_t>(n)].Type != ElementType::TextLabel)
            return;
        ParseInputPins(s_, n, 0);
        box = LabelEditBox{};
        box.Edit = true;
        box.ElementNr = n;
        box.X = s_.InputPins[0].X;
        box.Y = s_.InputPins[0].Y;
        box.Text = s_.Elements[static_cast<size_t>(n)].Label;
    } else {
        return;
    }
    const double c = CInt(kGridPixel * s_.GridMode);
    const QSizeF size = MeasureLabel(box.Text.isEmpty() ? QStringLiteral("X") : box.Text);
    box.FontSize = s_.LabelFontSize * s_.GridMode;
    box.Height = c / 5 + size.height();
    box.Left = GridToPixel(s_, box.X);
    box.Top = GridToPixel(s_, box.Y) - box.Height / 2;
    box.Width = box.Edit ? MeasureLabel(box.Text).width() + 20 : 5;
    box.Visible = true;
    Changed();
}

bool WorksheetEditor::LabelFits(const QString& text) const
{
    const LabelEditBox& box = overlay.txtBeschriftung;
    const QSizeF size = MeasureLabel(text);
    const int x2 = PixelToGrid(s_, CInt(GridToPixel(s_, box.X) + size.width()));
    int y2 = PixelToGrid(s_, CInt(GridToPixel(s_, box.Y) + size.height() / 2));
    if (y2 - 1 >= box.Y)
        --y2;
    if (box.X < 0 || box.Y < 0 || x2 > s_.MaxX || y2 > s_.MaxY)
        return false;
    for (int x = box.X; x <= x2; ++x)
        for (int y = box.Y; y <= y2; ++y) {
            const GridCell& cell = s_.P(x, y);
            const bool own = box.Edit && cell.ElementNr == box.ElementNr;
            if (!own && (cell.Type != ElementType::Empty || cell.ElementNr != 0))
                return false;
        }
    return true;
}

bool WorksheetEditor::CommitLabel(const QString& typed)
{
    LabelEditBox& box = overlay.txtBeschriftung;
    if (!box.Visible)
        return false;
    box.Visible = false;
    Changed();
    // A ";" would end the label's field in the circuit file.
    QString text = typed;
    text.remove(QLatin1Char(';'));
    if (text.isEmpty())
        return false;
    // The whole rectangle is checked before anything changes.
    if (!LabelFits(text))
        return false;
    if (box.Edit) {
        ElementRecord& e = s_.Elements[static_cast<size_t>(box.ElementNr)];
        const QString old = e.Label;
        e.Label = text;
        if (s_.shell)
            s_.shell->DisplayBeschriftungsText(box.ElementNr, old);
        return true;
    }
    const QSizeF size = MeasureLabel(text);
    const int16_t x = box.X, y = box.Y;
    const int16_t x2 = PixelToGrid(s_, CInt(GridToPixel(s_, x) + size.width()));
    int16_t y2 = PixelToGrid(s_, CInt(GridToPixel(s_, y) + size.height() / 2));
    if (y2 - 1 >= y)
        --y2;
    c_.objUndo.NewUndo(x, y, x2, y2, LoadResString(2618));
    const int16_t n = AppendElement(s_);
    ElementRecord& e = s_.Elements[static_cast<size_t>(n)];
    e.SelfIndex = n;
    e.Type = ElementType::TextLabel;
    e.InPinList = QStringLiteral("X%1Y%2:").arg(x).arg(y);
    e.Label = text;
    e.Orientation = Orientation::Right;
    for (int16_t cx = x; cx <= x2; ++cx)
        for (int16_t cy = y; cy <= y2; ++cy) {
            s_.P(cx, cy).Type = ElementType::TextLabel;
            s_.P(cx, cy).ElementNr = n;
        }
    s_.FileSaved = kFalse;
    if (s_.shell)
        s_.shell->DisplayBeschriftungsText(n, QString());
    return true;
}

void WorksheetEditor::CancelLabel()
{
    if (!overlay.txtBeschriftung.Visible)
        return;
    overlay.txtBeschriftung.Visible = false;
    Changed();
}

void WorksheetEditor::CommitOpenLabel()
{
    if (overlay.txtBeschriftung.Visible)
        CommitLabel(LabelBoxText ? LabelBoxText() : QString());
}

// ---------------------------------------------------------------------------
// Component popup menu

PopupItems WorksheetEditor::PopupItemsAtCursor()
{
    PopupItems items;
    const int16_t x = s_.CursorX, y = s_.CursorY;
    const GridCell& cell = s_.P(x, y);
    const int t = cell.Type;
    const bool gateOrFlipFlop = t == ElementType::AND || t == ElementType::OR || t == ElementType::XOR
        || t == ElementType::FlipFlop;
    if (gateOrFlipFlop && IsPinPosition(s_, x, y)) {
        if (cell.Marker == 0) {
            items.Negate = true;
            if (t == ElementType::FlipFlop) {
                int index = -1;
                for (int i = 0; i < s_.InputPinCount; ++i)
                    if (s_.InputPins[static_cast<size_t>(i)].X == x && s_.InputPins[static_cast<size_t>(i)].Y == y)
                        index = i;
                if (index != 0 && index != 2) {
                    items.Negate = false;
                    items.Separator = false;
                }
            }
        } else {
            items.RemoveNegation = true;
        }
    } else {
        items.Separator = false;
    }
    if (t == ElementType::TextLabel) {
        items.Edit = true;
        items.Separator = true;
    }
    return items;
}

void WorksheetEditor::PopupChosen(PopupChoice choice)
{
    s_.ToolMode = ElementType::Empty;
    switch (choice) {
    case PopupChoice::Delete: DeleteSelection(); break;
    case PopupChoice::Negate: SetNegationsPunkt(c_); break;
    case PopupChoice::RemoveNegation: RemoveNegationsPunkt(c_); break;
    case PopupChoice::Edit:
        SelectNone();
        ChangeBeschriftung(QStringLiteral("EDIT"));
        break;
    }
}
