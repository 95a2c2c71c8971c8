#include "editing/selection.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "editing/mouse_dispatch.h"
#include "model/geometry.h"
#include "placement/element_bounds.h"
#include "model/pin_lists.h"
#include "model/state.h"

void RefreshSelObject(std::vector<int16_t>& numbers, int16_t removed)
{
    std::erase(numbers, removed);
    for (int16_t& n : numbers)
        if (n > removed)
            --n;
}

Selection::Selection(const EditorContext& e) : e_(e)
{
}

bool Selection::ObjectSelected(int16_t n) const
{
    return std::find(numbers_.begin(), numbers_.end(), n) != numbers_.end();
}

QString Selection::SelectionList() const
{
    QString list;
    for (int16_t n : numbers_)
        list += QString::number(n) + QLatin1Char(';');
    return list;
}

void Selection::SelectObject(int16_t n)
{
    if (n <= 0 || n > e_.s.circuit.ElementCount())
        return;
    if (ObjectSelected(n)) {
        UnSelectObject(n);
        return;
    }
    numbers_.push_back(n);
    if (e_.hooks.SetDeleteEnabled)
        e_.hooks.SetDeleteEnabled(true);
    PlaceHandles();
}

void Selection::UnSelectObject(int16_t n)
{
    if (std::erase(numbers_, n) == 0)
        return;
    PlaceHandles();
}

void Selection::PlaceHandles()
{
    ProgramState& s = e_.s;
    std::vector<OverlayShape>& handles = e_.overlay.PObj;
    handles.clear();
    for (int16_t n : numbers_) {
        const double x1 = GridToPixel(s, GetElementLeft(s, n));
        const double y1 = GridToPixel(s, GetElementTop(s, n));
        const double x2 = GridToPixel(s, GetElementRight(s, n));
        const double y2 = GridToPixel(s, GetElementBottom(s, n));
        for (const auto& [hx, hy] : {std::pair{x1, y1}, std::pair{x2, y1}, std::pair{x1, y2}, std::pair{x2, y2}})
            handles.push_back(OverlayShape{true, hx - 2, hy - 2, 5, 5, 1, 0x000000});
    }
    e_.Changed();
}

void Selection::SelectNone()
{
    WorksheetOverlay& o = e_.overlay;
    const bool selectTool = e_.s.ToolMode == ToolCode::Select;
    numbers_.clear();
    Rect = CellBox{};
    const bool had = !o.PObj.empty() || !o.picBorder.empty() || (selectTool && o.picRahmen.Visible);
    o.PObj.clear();
    o.picBorder.clear();
    if (selectTool)
        o.picRahmen.Visible = false;
    if (e_.hooks.SetDeleteEnabled)
        e_.hooks.SetDeleteEnabled(false);
    if (had)
        e_.Changed();
}

void Selection::DeleteObjects()
{
    ProgramState& s = e_.s;
    std::vector<int16_t> due = numbers_;
    // Highest first, so removing one does not renumber the others still due.
    std::sort(due.begin(), due.end(), std::greater<>());
    SelectNone();
    for (int16_t n : due) {
        // Any cell that carries the number locates the element: a component
        // without inputs has no first pin to go by.
        bool found = false;
        for (int16_t x = 0; x <= s.circuit.MaxX && !found; ++x) {
            for (int16_t y = 0; y <= s.circuit.MaxY && !found; ++y) {
                const GridCell& cell = s.circuit.P(x, y);
                if (cell.ElementNr == n && cell.Type > ElementType::Conductor) {
                    s.CursorX = x;
                    s.CursorY = y;
                    RemoveElement(e_.c, x, y);
                    found = true;
                }
            }
        }
    }
}

void Selection::PlaceMoveOutlines()
{
    ProgramState& s = e_.s;
    std::vector<OverlayShape>& outlines = e_.overlay.picBorder;
    // Entry 0 stays unused: marker k goes with the k-th selected element.
    outlines.assign(numbers_.size() + 1, OverlayShape{});
    for (size_t k = 1; k <= numbers_.size(); ++k) {
        const SelLabelRect r = PositionSelLabel(s, numbers_[k - 1], static_cast<int16_t>(k));
        outlines[k] = OverlayShape{false, static_cast<double>(r.Left), static_cast<double>(r.Top),
                                   r.Width, r.Height, 3, kOutlineGrey};
    }
    e_.Changed();
}

void Selection::ShowMoveOutlines()
{
    const ProgramState& s = e_.s;
    const EditorState& st = e_.st;
    const double half = kGridPixel * s.GridMode / 2;
    // A grabbed component is held at its grabbed cell; an area at its grabbed
    // offset inside the rectangle.
    const bool area = s.ToolMode == ToolCode::MovingArea;
    const int dx = area ? s.CursorX - Rect.X1 - st.GrabX : s.CursorX - st.GrabX;
    const int dy = area ? s.CursorY - Rect.Y1 - st.GrabY : s.CursorY - st.GrabY;
    const bool inX = !area || (s.CursorX - st.GrabX >= 0 && s.CursorX - st.GrabX + (Rect.X2 - Rect.X1) <= s.circuit.MaxX);
    const bool inY = !area || (s.CursorY - st.GrabY >= 0 && s.CursorY - st.GrabY + (Rect.Y2 - Rect.Y1) <= s.circuit.MaxY);
    std::vector<OverlayShape>& outlines = e_.overlay.picBorder;
    for (size_t k = 1; k < outlines.size() && k < s.SelLabelPos.size(); ++k) {
        OverlayShape& b = outlines[k];
        b.Visible = true;
        if (inX)
            b.Left = s.SelLabelPos[k].Left + GridToPixel(s, static_cast<int16_t>(dx)) - half;
        if (inY)
            b.Top = s.SelLabelPos[k].Top + GridToPixel(s, static_cast<int16_t>(dy)) - half;
    }
}

void Selection::ChangeInOut(int16_t dx, int16_t dy)
{
    ProgramState& s = e_.s;
    auto moved = [dx, dy](const PinTable& pins, int16_t count) {
        QString list;
        for (size_t i = 0; i < static_cast<size_t>(count); ++i)
            list += QStringLiteral("X%1Y%2:").arg(pins[i].X + dx).arg(pins[i].Y + dy);
        return list;
    };
    for (int16_t n : numbers_) {
        if (n < 1 || n > s.circuit.ElementCount())
            continue;
        const ElementPins in = InputPinsOf(s, n, 0);
        const ElementPins out = OutputPinsOf(s, n, 0);
        ElementRecord& e = s.circuit.Elements[static_cast<size_t>(n)];
        e.InPinList = moved(in.pin, in.count);
        e.OutPinList = moved(out.pin, out.count);
    }
}
