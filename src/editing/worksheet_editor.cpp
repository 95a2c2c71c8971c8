#include "editing/worksheet_editor.h"

#include <algorithm>
#include <cmath>

#include "editing/mouse_dispatch.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/components.h"
#include "placement/conductor_markers.h"
#include "placement/placement_context.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "render/redraw.h"
#include "shell/main_window_services.h"
#include "simulation/engine.h"

namespace {

constexpr int32_t kGrey = 0x808080;

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
    if (s_.ToolMode == ElementType::Conductor && (buttons == 1 || buttons == 2) && st.MouseDownFlag)
        ShowTempLines(s_.CursorX, s_.CursorY);
    ShowBorder();
    if (s_.shell) {
        s_.shell->SetStatusPanel(0, QStringLiteral("X: %1  Y: %2").arg(s_.CursorX).arg(s_.CursorY));
        if (!st.MouseDownFlag)
            s_.shell->SetStatusPanel(1, QString());
    }
}

void WorksheetEditor::MouseDown(int button, int shift, double x, double y)
{
    const uint8_t tool = s_.ToolMode;
    // The simulation's clicks and quick help are handled by their own owners.
    if (tool == ToolCode::SimulationRunning || tool == ToolCode::QuickHelp)
        return;
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

    if (button == 1) {
        if (t <= ElementType::Conductor || tool == ElementType::NegationMarker || tool == ElementType::TextLabel)
            CheckMouseMode();
        if (tool == ElementType::Conductor) {
            ShowLines();
            return;
        }
        if (tool == ElementType::Empty) {
            if (t >= 2 && n > 0) {
                st.GrabX = cx;
                st.GrabY = cy;
                const bool selected = ObjectSelected(n);
                if (shift == 2) {
                    SelectObject(n);
                } else if (shift == 0 && !selected) {
                    SelectNone();
                    SelectObject(n);
                }
            } else if (shift == 0) {
                SelectNone();
            }
        }
    } else if (button == 2) {
        const double px = GridToPixel(s_, cx);
        const double py = GridToPixel(s_, cy);
        overlay.LeitungH = OverlayLine{false, px, py, px, py};
        overlay.LeitungV = OverlayLine{false, px, py, px, py};
        Changed();
        const bool power = s_.engine.PowerFlag != 0;
        if (tool == ElementType::Empty && t >= 2) {
            if (!ObjectSelected(n)) {
                SelectNone();
                SelectObject(n);
            }
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
        } else if (k > 1 || m != 1) {
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

void WorksheetEditor::ShowRahmenSRegister()
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    const double c = m.c;
    OverlayShape& r = overlay.picRahmen;
    switch (s_.PlaceOrientation) {
    case 1: Place(r, m.G(X - 8), m.G(Y - 1) - c / 4, 8 * c, 2 * c + c / 2); break;
    case 3: Place(r, m.G(X - 1) - c / 4, m.G(Y - 8), 2 * c + c / 2, 8 * c); break;
    case 4: Place(r, m.G(X - 1) - c / 4, m.G(Y), 2 * c + c / 2, 8 * c); break;
    default: Place(r, m.G(X), m.G(Y - 1) - c / 4, 8 * c, 2 * c + c / 2); break;
    }
    r.Visible = true;
}

void WorksheetEditor::ShowRahmenTimer()
{
    const OutlineMath m{s_, RoundHalfEven(s_.CellSize * s_.GridMode)};
    const int X = s_.CursorX, Y = s_.CursorY;
    const double c = m.c;
    OverlayShape& r = overlay.picRahmen;
    switch (s_.PlaceOrientation) {
    case 1: Place(r, m.G(X - 3), m.G(Y - 1) - c / 4, 3 * c, 2 * c + c / 2); break;
    case 3: Place(r, m.G(X - 1) - c / 4, m.G(Y - 3), 2 * c + c / 2, 3 * c); break;
    case 4: Place(r, m.G(X - 1) - c / 4, m.G(Y), 2 * c + c / 2, 3 * c); break;
    default: Place(r, m.G(X), m.G(Y - 1) - c / 4, 3 * c, 2 * c + c / 2); break;
    }
    r.Visible = true;
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
    if (!removed)
        kept << QString::number(n);
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
    const bool had = !overlay.PObj.empty() || (s_.ToolMode == ElementType::Empty && overlay.picRahmen.Visible);
    overlay.PObj.clear();
    if (s_.ToolMode == ElementType::Empty)
        overlay.picRahmen.Visible = false;
    if (had)
        Changed();
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
