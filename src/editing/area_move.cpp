#include "editing/area_move.h"

#include <algorithm>
#include <cstdlib>

#include "editing/selection.h"
#include "model/geometry.h"
#include "model/ports/analyzer_port.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

namespace {

constexpr int kUndoDeleteArea = 2613;
constexpr int kUndoMoveArea = 2617;

bool OnEdge(const CellBox& r, int x, int y)
{
    return x == r.X1 || x == r.X2 || y == r.Y1 || y == r.Y2;
}

// A cell on the edge of an area being cleared: it keeps the conductor that
// crosses the edge at its outward side and loses every other connection.
void CutEdgeCell(ProgramState& s, const CellBox& r, int16_t x, int16_t y)
{
    GridCell& c = s.circuit.P(x, y);
    const bool onLeft = x == r.X1, onRight = x == r.X2, onTop = y == r.Y1, onBottom = y == r.Y2;
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
        if (nx < 0 || ny < 0 || nx > s.circuit.MaxX || ny > s.circuit.MaxY)
            return false;
        const GridCell& o = s.circuit.P(nx, ny);
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
        c.Type = CountConnections(s.circuit, s.engine, x, y, 0) > 0 ? ElementType::Conductor : ElementType::Empty;
}

} // namespace

AreaMove::AreaMove(const EditorContext& e, Selection& selection) : e_(e), selection_(selection)
{
}

int16_t AreaMove::PufferWidth() const
{
    return static_cast<int16_t>(Puffer.size());
}

int16_t AreaMove::PufferHeight() const
{
    return Puffer.empty() ? int16_t{0} : static_cast<int16_t>(Puffer.front().size());
}

QString AreaMove::FrameLabelText() const
{
    return QStringLiteral("X: %1   Y: %2").arg(FrameLabelX).arg(FrameLabelY);
}

void AreaMove::SetFrameLabel(int16_t x, int16_t y)
{
    FrameLabelX = x;
    FrameLabelY = y;
    e_.Changed();
}

bool AreaMove::FrameFixed() const
{
    const OverlayShape& f = e_.overlay.picRahmen;
    return f.Visible && f.BorderStyle == 1 && f.BorderColor == kFixedFrameBlue;
}

bool AreaMove::InsideFrame(double x, double y) const
{
    const OverlayShape& f = e_.overlay.picRahmen;
    return f.Visible && f.Left < x && x < f.Left + f.Width && f.Top < y && y < f.Top + f.Height;
}

void AreaMove::StartFrame(int16_t x, int16_t y)
{
    const ProgramState& s = e_.s;
    EditorState& st = e_.st;
    e_.overlay.picRahmen = OverlayShape{false, static_cast<double>(GridToPixel(s, x)),
                                        static_cast<double>(GridToPixel(s, y)), 0, 0, 3, kOutlineGrey};
    st.AnchorX = x;
    st.AnchorY = y;
    st.CornerX = x;
    st.CornerY = y;
    SetFrameLabel(0, 0);
    e_.Changed();
}

void AreaMove::ResizeBorder()
{
    const ProgramState& s = e_.s;
    EditorState& st = e_.st;
    OverlayShape& f = e_.overlay.picRahmen;
    auto axis = [&s](int16_t cursor, int16_t anchor, double& pos, double& size, int16_t& corner) {
        const int d = cursor - anchor;
        if (d >= 1) {
            pos = GridToPixel(s, anchor);
            size = GridToPixel(s, cursor) - GridToPixel(s, anchor) + 1;
        } else if (d < 0) {
            pos = GridToPixel(s, cursor);
            size = GridToPixel(s, anchor) - GridToPixel(s, cursor) + 1;
        }
        corner = d == 0 ? anchor : cursor;
    };
    axis(s.CursorX, st.AnchorX, f.Left, f.Width, st.CornerX);
    axis(s.CursorY, st.AnchorY, f.Top, f.Height, st.CornerY);
    SetFrameLabel(PixelToGrid(s, CLng(f.Width)), PixelToGrid(s, CLng(f.Height)));
}

void AreaMove::FixFrame()
{
    EditorState& st = e_.st;
    OverlayShape& frame = e_.overlay.picRahmen;
    frame.BorderStyle = 1;
    frame.BorderColor = kFixedFrameBlue;
    st.DifX = static_cast<int16_t>(std::abs(st.CornerX - st.AnchorX));
    st.DifY = static_cast<int16_t>(std::abs(st.CornerY - st.AnchorY));
    if (st.DifX >= 1 && st.DifY >= 1) {
        if (!CheckBorderPosition())
            SelectArea(st.AnchorX, st.AnchorY, st.CornerX, st.CornerY);
    } else {
        frame.Visible = false;
    }
}

bool AreaMove::CheckBorderPosition()
{
    const ProgramState& s = e_.s;
    EditorState& st = e_.st;
    const int16_t x1 = std::min(st.AnchorX, st.CornerX), x2 = std::max(st.AnchorX, st.CornerX);
    const int16_t y1 = std::min(st.AnchorY, st.CornerY), y2 = std::max(st.AnchorY, st.CornerY);
    bool cut = false;
    for (int16_t x = x1; x <= x2; ++x)
        cut = cut || s.circuit.P(x, st.AnchorY).Type >= 2 || s.circuit.P(x, st.CornerY).Type >= 2;
    for (int16_t y = y1; y <= y2; ++y)
        cut = cut || s.circuit.P(st.AnchorX, y).Type >= 2 || s.circuit.P(st.CornerX, y).Type >= 2;
    st.AnchorX = x1;
    st.AnchorY = y1;
    st.CornerX = x2;
    st.CornerY = y2;
    if (cut) {
        e_.overlay.picRahmen.Visible = false;
        e_.Changed();
    }
    return cut;
}

void AreaMove::SelectArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    const ProgramState& s = e_.s;
    Puffer.assign(static_cast<size_t>(x2 - x1 + 1), std::vector<GridCell>(static_cast<size_t>(y2 - y1 + 1)));
    for (int16_t i = 0; i <= x2 - x1; ++i) {
        for (int16_t j = 0; j <= y2 - y1; ++j) {
            const GridCell& c = s.circuit.P(x1 + i, y1 + j);
            GridCell& b = Puffer[static_cast<size_t>(i)][static_cast<size_t>(j)];
            if (c.Type != ElementType::Conductor) {
                b.Type = c.Type;
            } else {
                // A corner cell is a conductor only when it leads into the area.
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
            if (c.ElementNr >= 1 && !selection_.ObjectSelected(c.ElementNr))
                selection_.SelectObject(c.ElementNr);
        }
    }
    selection_.Rect = CellBox{x1, y1, x2, y2};
    if (e_.hooks.SetDeleteEnabled)
        e_.hooks.SetDeleteEnabled(true);
}

void AreaMove::GrabArea(int16_t x, int16_t y)
{
    EditorState& st = e_.st;
    st.GrabX = static_cast<int16_t>(x - selection_.Rect.X1);
    st.GrabY = static_cast<int16_t>(y - selection_.Rect.Y1);
    e_.s.ToolMode = ToolCode::MovingArea;
    e_.overlay.PObj.clear();
    selection_.PlaceMoveOutlines();
    e_.Changed();
}

void AreaMove::DragFrame()
{
    const ProgramState& s = e_.s;
    const EditorState& st = e_.st;
    const CellBox& r = selection_.Rect;
    OverlayShape& frame = e_.overlay.picRahmen;
    // Both axes by the selected rectangle, so the area never reaches the spare row or column.
    const int nx = s.CursorX - st.GrabX, ny = s.CursorY - st.GrabY;
    if (nx >= 0 && nx + (r.X2 - r.X1) <= s.circuit.MaxX)
        frame.Left = GridToPixel(s, static_cast<int16_t>(nx));
    if (ny >= 0 && ny + (r.Y2 - r.Y1) <= s.circuit.MaxY)
        frame.Top = GridToPixel(s, static_cast<int16_t>(ny));
    e_.Changed();
}

void AreaMove::MoveElements()
{
    ProgramState& s = e_.s;
    EditorState& st = e_.st;
    OverlayShape& f = e_.overlay.picRahmen;
    const CellBox old = selection_.Rect;
    const int16_t nx1 = PixelToGrid(s, CLng(f.Left));
    const int16_t ny1 = PixelToGrid(s, CLng(f.Top));
    const int16_t nx2 = static_cast<int16_t>(nx1 + (old.X2 - old.X1));
    const int16_t ny2 = static_cast<int16_t>(ny1 + (old.Y2 - old.Y1));
    f.Visible = false;
    f.BorderColor = kOutlineGrey;
    st.DifX = static_cast<int16_t>(nx1 - old.X1);
    st.DifY = static_cast<int16_t>(ny1 - old.Y1);
    // An area dropped where it was or refused changes nothing and leaves no
    // step, which after an Undo would wipe the steps still to be undone.
    if (st.DifX != 0 || st.DifY != 0) {
        e_.c.objUndo.Move = true;
        e_.c.objUndo.NoObjects = false;
        e_.c.objUndo.NewUndo(std::min(old.X1, nx1), std::min(old.Y1, ny1), std::max(old.X2, nx2),
                             std::max(old.Y2, ny2), LoadResString(kUndoMoveArea));
        DeleteArea(old.X1, old.Y1, old.X2, old.Y2, true);
        s.Changes.Area(old.X1, old.Y1, old.X2, old.Y2);
        if (!PasteArea(nx1, ny1, nx2, ny2)) {
            // The way back may lose a marker on the edge: the cells go back exactly.
            e_.c.objUndo.Undo(e_.c);
            e_.c.objUndo.DeleteLastUndo();
        }
    }
    s.ToolMode = ToolCode::Select;
    selection_.SelectNone();
    SetFrameLabel(0, 0);
}

void AreaMove::LoescheBereich()
{
    ProgramState& s = e_.s;
    if (!e_.overlay.picRahmen.Visible) {
        selection_.DeleteObjects();
        if (e_.hooks.SetDeleteEnabled)
            e_.hooks.SetDeleteEnabled(false);
        return;
    }
    const CellBox r = selection_.Rect;
    for (int16_t x = r.X1; x <= r.X2; ++x)
        for (int16_t y = r.Y1; y <= r.Y2; ++y) {
            const uint8_t t = s.circuit.P(x, y).Type;
            if (t == ElementType::IC || t == ElementType::ClockGenerator)
                return;
        }
    e_.c.objUndo.Delete = true;
    e_.c.objUndo.NewUndo(r.X1, r.Y1, r.X2, r.Y2, LoadResString(kUndoDeleteArea));
    DeleteArea(r.X1, r.Y1, r.X2, r.Y2, false);
    RedrawAround(e_.c, r);
    SetFrameLabel(0, 0);
    selection_.SelectNone();
    e_.overlay.picRahmen.Visible = false;
    e_.Changed();
}

void AreaMove::DeleteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool keepElements)
{
    ProgramState& s = e_.s;
    const CellBox r{x1, y1, x2, y2};
    std::vector<int16_t> inside;
    for (int16_t x = x1; x <= x2; ++x) {
        for (int16_t y = y1; y <= y2; ++y) {
            if (OnEdge(r, x, y)) {
                CutEdgeCell(s, r, x, y);
                continue;
            }
            const int16_t n = s.circuit.P(x, y).ElementNr;
            if (n >= 1 && std::find(inside.begin(), inside.end(), n) == inside.end())
                inside.push_back(n);
            ClearFeld(s.circuit, x, y);
        }
    }
    if (!keepElements)
        RemoveElements(std::move(inside));
}

void AreaMove::RemoveElements(std::vector<int16_t> numbers)
{
    ProgramState& s = e_.s;
    AnalyzerPort* analyzer = s.ports.analyzer;
    bool sensors = false;
    while (!numbers.empty()) {
        const int16_t n = numbers.front();
        if (n < 1 || n > s.circuit.ElementCount()) {
            numbers.erase(numbers.begin());
            continue;
        }
        const ElementRecord& e = s.circuit.Elements[static_cast<size_t>(n)];
        // Each sensor gives its analyzer channel back, as its own removal does.
        if (e.Type == ElementType::AnalysisSensor) {
            sensors = true;
            if (analyzer)
                analyzer->RemoveGraph(static_cast<int>(Val(e.Label)));
        }
        DeleteElement(s.circuit, n);
        RefreshSelObject(numbers, n);
    }
    if (sensors) {
        s.ProbeCount = RecountProbes(s.circuit, s.ports.analyzer);
        if (analyzer) {
            analyzer->PrepareListView();
            analyzer->ResizeListView();
        }
    }
}

bool AreaMove::PasteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    ProgramState& s = e_.s;
    EditorState& st = e_.st;
    if (x1 == x2 || y1 == y2 || PufferWidth() != x2 - x1 + 1 || PufferHeight() != y2 - y1 + 1)
        return true;
    const CellBox to{x1, y1, x2, y2};
    // Components may not meet anything; on the edge a conductor may meet a conductor.
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y) {
            const GridCell& c = s.circuit.P(x, y);
            const GridCell& b = Puffer[static_cast<size_t>(x - x1)][static_cast<size_t>(y - y1)];
            const bool collide = OnEdge(to, x, y) ? (c.Type > 1 && b.Type > 1) : (c.Type != 0 && b.Type != 0);
            if (collide) {
                st.DifX = 0;
                st.DifY = 0;
                const CellBox& from = selection_.Rect;
                if (from.X1 != x1 || from.Y1 != y1)
                    PasteArea(from.X1, from.Y1, from.X2, from.Y2);
                return false;
            }
        }
    for (int16_t x = x1; x <= x2; ++x)
        for (int16_t y = y1; y <= y2; ++y)
            CopyPufferToP(to, x, y);
    selection_.ChangeInOut(st.DifX, st.DifY);
    s.Changes.Area(x1, y1, x2, y2);
    return true;
}

void AreaMove::CopyPufferToP(const CellBox& to, int16_t x, int16_t y)
{
    ProgramState& s = e_.s;
    auto B = [this, &to](int bx, int by) -> const GridCell& {
        return Puffer[static_cast<size_t>(bx - to.X1)][static_cast<size_t>(by - to.Y1)];
    };
    GridCell& c = s.circuit.P(x, y);
    const GridCell& b = B(x, y);
    if (b.Type == 0)
        return;
    if (c.Type == 0) {
        c = b;
        return;
    }
    if (!OnEdge(to, x, y))
        return;
    // Join an edge cell with what lies outside.
    if (x == to.X1) {
        if (x > 0 && s.circuit.P(x - 1, y).ConRight)
            c.ConLeft = kTrue;
        if (x + 1 <= to.X2 && B(x + 1, y).ConLeft)
            c.ConRight = kTrue;
    }
    if (x == to.X2) {
        if (x < s.circuit.MaxX && s.circuit.P(x + 1, y).ConLeft)
            c.ConRight = kTrue;
        if (x - 1 >= to.X1 && B(x - 1, y).ConRight)
            c.ConLeft = kTrue;
    }
    if (x == to.X1 || x == to.X2) {
        if (!c.ConUp)
            c.ConUp = b.ConUp;
        if (!c.ConDown)
            c.ConDown = b.ConDown;
    }
    if (y == to.Y1) {
        if (y > 0 && s.circuit.P(x, y - 1).ConDown)
            c.ConUp = kTrue;
        if (y + 1 <= to.Y2 && B(x, y + 1).ConUp)
            c.ConDown = kTrue;
    }
    if (y == to.Y2) {
        if (y < s.circuit.MaxY && s.circuit.P(x, y + 1).ConUp)
            c.ConDown = kTrue;
        if (y - 1 >= to.Y1 && B(x, y - 1).ConDown)
            c.ConUp = kTrue;
    }
    if (y == to.Y1 || y == to.Y2) {
        if (!c.ConLeft)
            c.ConLeft = b.ConLeft;
        if (!c.ConRight)
            c.ConRight = b.ConRight;
    }
}
