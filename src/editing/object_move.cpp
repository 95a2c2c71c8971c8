#include "editing/object_move.h"

#include <algorithm>

#include "editing/selection.h"
#include "model/geometry.h"
#include "placement/element_bounds.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/string_table.h"

namespace {

constexpr int kUndoMoveObjects = 2614;

} // namespace

ObjectMove::ObjectMove(const EditorContext& e, Selection& selection) : e_(e), selection_(selection)
{
}

void ObjectMove::CopyObjectsToPuffer()
{
    ProgramState& s = e_.s;
    CellBox box{s.circuit.MaxX, s.circuit.MaxY, 0, 0};
    for (int16_t n : selection_.Numbers()) {
        box.X1 = std::min(box.X1, GetElementLeft(s, n));
        box.Y1 = std::min(box.Y1, GetElementTop(s, n));
        box.X2 = std::max(box.X2, GetElementRight(s, n));
        box.Y2 = std::max(box.Y2, GetElementBottom(s, n));
    }
    selection_.Rect = box;
    ObjectPuffer.assign(static_cast<size_t>(std::max(0, box.X2 - box.X1) + 1),
                        std::vector<GridCell>(static_cast<size_t>(std::max(0, box.Y2 - box.Y1) + 1)));
    for (int16_t x = box.X1; x <= box.X2; ++x)
        for (int16_t y = box.Y1; y <= box.Y2; ++y) {
            const GridCell& c = s.circuit.P(x, y);
            if (c.Type > 1 && selection_.ObjectSelected(c.ElementNr))
                ObjectPuffer[static_cast<size_t>(x - box.X1)][static_cast<size_t>(y - box.Y1)] = c;
        }
    e_.st.DifX = static_cast<int16_t>(s.CursorX - box.X1);
    e_.st.DifY = static_cast<int16_t>(s.CursorY - box.Y1);
    selection_.PlaceMoveOutlines();
}

void ObjectMove::Release()
{
    ProgramState& s = e_.s;
    if (s.CursorX == e_.st.GrabX && s.CursorY == e_.st.GrabY) {
        s.ToolMode = ToolCode::Select;
        e_.overlay.picBorder.clear();
    } else {
        PasteObjects(false);
    }
}

void ObjectMove::RemoveObjects()
{
    ProgramState& s = e_.s;
    const CellBox& r = selection_.Rect;
    for (int16_t x = r.X1; x <= r.X2; ++x)
        for (int16_t y = r.Y1; y <= r.Y2; ++y) {
            GridCell& c = s.circuit.P(x, y);
            if (c.Type >= 2 && selection_.ObjectSelected(c.ElementNr)) {
                c.ElementNr = 0;
                c.ICConnector = 0;
                c.Marker = 0;
                c.ICLink = 0;
                c.Type = CountConnections(s.circuit, s.engine, x, y, 0) >= 1 ? ElementType::Conductor : ElementType::Empty;
            }
        }
    RedrawAround(e_.c, r);
}

// Whether the buffer placed with its first cell at (nx, ny) would meet a
// component, a conductor junction or the worksheet's outer cells.
bool ObjectMove::Blocked(int nx, int ny) const
{
    ProgramState& s = e_.s;
    const CellBox& r = selection_.Rect;
    for (int x = nx; x <= nx + (r.X2 - r.X1); ++x)
        for (int y = ny; y <= ny + (r.Y2 - r.Y1); ++y) {
            const GridCell& b = ObjectPuffer[static_cast<size_t>(x - nx)][static_cast<size_t>(y - ny)];
            if (b.Type <= 1)
                continue;
            const bool outside = x < 1 || y < 1 || x >= s.circuit.MaxX || y >= s.circuit.MaxY;
            if (outside || s.circuit.P(x, y).Type > 1
                || (s.circuit.P(x, y).Type == 1
                    && CountConnections(s.circuit, s.engine, static_cast<int16_t>(x), static_cast<int16_t>(y), 0) >= 2))
                return true;
        }
    return false;
}

void ObjectMove::PasteObjects(bool restore)
{
    ProgramState& s = e_.s;
    EditorState& st = e_.st;
    const CellBox old = selection_.Rect;
    const int w = old.X2 - old.X1, h = old.Y2 - old.Y1;
    int nx = old.X1, ny = old.Y1;
    if (!restore) {
        nx = s.CursorX - st.DifX;
        ny = s.CursorY - st.DifY;
        e_.c.objUndo.Move = true;
        e_.c.objUndo.NoObjects = false;
        e_.c.objUndo.NewUndo(std::min<int>(old.X1, nx), std::min<int>(old.Y1, ny), std::max<int>(old.X2, nx + w),
                             std::max<int>(old.Y2, ny + h), LoadResString(kUndoMoveObjects));
    } else {
        e_.c.objUndo.DeleteLastUndo();
    }
    RemoveObjects();
    if (!restore && Blocked(nx, ny)) {
        PasteObjects(true);
        return;
    }
    for (int x = nx; x <= nx + w; ++x)
        for (int y = ny; y <= ny + h; ++y) {
            const GridCell& b = ObjectPuffer[static_cast<size_t>(x - nx)][static_cast<size_t>(y - ny)];
            if (b.Type <= 1)
                continue;
            GridCell& c = s.circuit.P(x, y);
            c.Type = b.Type;
            c.ElementNr = b.ElementNr;
            c.Marker = b.Marker;
            c.ICLink = b.ICLink;
            c.ICConnector = b.ICConnector;
        }
    st.DifX = static_cast<int16_t>(nx - old.X1);
    st.DifY = static_cast<int16_t>(ny - old.Y1);
    selection_.ChangeInOut(st.DifX, st.DifY);
    s.ToolMode = ToolCode::Select;
    RedrawAround(e_.c, CellBox{static_cast<int16_t>(nx), static_cast<int16_t>(ny), static_cast<int16_t>(nx + w),
                               static_cast<int16_t>(ny + h)});
    e_.overlay.picBorder.clear();
    selection_.PlaceHandles();
}
