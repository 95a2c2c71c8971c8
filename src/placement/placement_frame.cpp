#include "placement/placement_frame.h"

#include <algorithm>

#include "model/circuit_tables.h"
#include "model/pin_lists.h"
#include "model/ports/analyzer_port.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "placement/undo_texts.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

namespace {

constexpr int kMaxSensors = 9;

// Whether a conductor cell on the rectangle's edge leads along the edge or
// into the rectangle. Corners first, so that a rectangle one column wide is
// tested as a left edge and one row high as a top edge.
bool EdgeConductorBlocks(const GridCell& c, int x, int y, int x1, int y1, int x2, int y2)
{
    if (x == x1 && y == y1)
        return c.ConRight != 0 || c.ConDown != 0;
    if (x == x2 && y == y1)
        return c.ConLeft != 0 || c.ConDown != 0;
    if (x == x1 && y == y2)
        return c.ConRight != 0 || c.ConUp != 0;
    if (x == x2 && y == y2)
        return c.ConLeft != 0 || c.ConUp != 0;
    if (x == x1 || x == x2)
        return c.ConUp != 0 || c.ConDown != 0;
    if (y == y1 || y == y2)
        return c.ConLeft != 0 || c.ConRight != 0;
    return true; // strictly inside
}

bool IsSensor(const ElementRecord& r)
{
    return r.Type == ElementType::AnalysisSensor;
}

} // namespace

bool IsAreaOccupied(const Circuit& s, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    if (x1 > x2 || y1 > y2)
        return false;
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) {
            if (!s.P.Contains(x, y))
                return true;
            const GridCell& c = s.P(x, y);
            if (c.Type == ElementType::Empty)
                continue;
            if (c.Type != ElementType::Conductor)
                return true;
            if (EdgeConductorBlocks(c, x, y, x1, y1, x2, y2))
                return true;
        }
    }
    return false;
}

void ClearGridArea(Circuit& s, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    auto keepsLink = [&s](int nx, int ny, int16_t GridCell::*flag) {
        return s.P.Contains(nx, ny) && s.P(nx, ny).*flag != 0;
    };
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) {
            if (!s.P.Contains(x, y))
                continue;
            GridCell& c = s.P(x, y);
            // Each edge test may overwrite what the one before decided.
            auto edge = [&c](bool linked, bool neighbourAnswers) {
                if (linked)
                    c.Type = neighbourAnswers ? ElementType::Conductor : ElementType::Empty;
                else if (c.Type != ElementType::Conductor)
                    c.Type = ElementType::Empty;
            };
            if (x == x1)
                edge(c.ConLeft != 0 && x >= 1, keepsLink(x - 1, y, &GridCell::ConRight));
            if (x == x2)
                edge(c.ConRight != 0 && x < s.MaxX, keepsLink(x + 1, y, &GridCell::ConLeft));
            if (y == y1)
                edge(c.ConUp != 0 && y > 0, keepsLink(x, y - 1, &GridCell::ConDown));
            if (y == y2)
                edge(c.ConDown != 0 && y < s.MaxY, keepsLink(x, y + 1, &GridCell::ConUp));
            if (x != x1 && x != x2 && y != y1 && y != y2)
                c.Type = ElementType::Empty;
            c.Marker = 0;
            c.ICConnector = 0;
            c.ElementNr = 0;
            c.ICLink = 0;
        }
    }
}

void DeleteElement(Circuit& s, int16_t i)
{
    if (i < 1 || i > s.ElementCount())
        return;
    const uint8_t t = s.Elements[i].Type;
    for (int j = i; j < s.ElementCount(); ++j) {
        ElementRecord& r = s.Elements[j];
        r = s.Elements[j + 1];
        r.SelfIndex = static_cast<int16_t>(r.SelfIndex - 1);
        if (r.Type == ElementType::ClockGenerator && t != ElementType::ClockGenerator) {
            // Only slots in use: an idle slot 0 may still name an old generator.
            const int used = std::min<int>(s.ClockCount, static_cast<int>(s.Clocks.size()));
            for (int k = 0; k < used; ++k) {
                if (s.Clocks[k].ClockElement == j + 1) {
                    s.Clocks[k].ClockElement = static_cast<int16_t>(j);
                    break;
                }
            }
        }
    }
    SetElementCount(s, static_cast<int16_t>(s.ElementCount() - 1));

    for (int x = 0; x <= s.MaxX && x <= s.P.UBoundX(); ++x) {
        for (int y = 0; y <= s.MaxY && y <= s.P.UBoundY(); ++y) {
            GridCell& c = s.P(x, y);
            if (c.ElementNr > i)
                --c.ElementNr;
        }
    }
    // ICs inside ICs refer to elements of their own levels.
    const int last = std::min<int>(s.LevelUBound(), static_cast<int>(s.ICInstances.size()) - 1);
    for (int k = 1; k <= last; ++k) {
        ICInstanceRecord& ic = s.ICInstances[k];
        if (ic.ElementNr > i && ic.NestingLevel == 0)
            --ic.ElementNr;
    }
}

int16_t GetFreeAnalysepunktNr(const Circuit& s)
{
    for (int n = 1; n <= kMaxSensors; ++n) {
        bool used = false;
        for (int e = 1; e <= s.ElementCount(); ++e) {
            const ElementRecord& r = s.Elements[e];
            if (IsSensor(r) && Val(r.Label) == n) {
                used = true;
                break;
            }
        }
        if (!used)
            return static_cast<int16_t>(n);
    }
    return 0;
}

int CountAnalysisSensors(const Circuit& s)
{
    int count = 0;
    for (int e = 1; e <= s.ElementCount(); ++e)
        if (IsSensor(s.Elements[e]))
            ++count;
    return count;
}

uint8_t RecountProbes(const Circuit& s, AnalyzerPort* analyzer)
{
    const int count = CountAnalysisSensors(s);
    if (analyzer)
        analyzer->SetAnalyserMenuEnabled(count > 0);
    return static_cast<uint8_t>(std::min(count, 255));
}

void SetAnalysepunkt(PlacementContext& c)
{
    ProgramState& s = c.s;
    const int16_t x = s.CursorX;
    const int16_t y = s.CursorY;
    if (!s.circuit.P.Contains(x, y))
        return;
    GridCell& cell = s.circuit.P(x, y);
    if (cell.Type != ElementType::Conductor || cell.Marker != 0)
        return;
    // The count is taken from the sensors themselves, so a file with more
    // than nine sensors cannot make a tenth one channel 0.
    const int16_t k = GetFreeAnalysepunktNr(s.circuit);
    if (CountAnalysisSensors(s.circuit) >= kMaxSensors || k == 0) {
        if (c.dialogs)
            c.dialogs->ShowMessage(QString::fromUtf8("Es können maximal 9 Analysepunkte gesetzt werden!"),
                                   MessageButtons::OK, MessageIcon::Information, QStringLiteral("Analysepunkt"));
        return;
    }
    RecordStep(c, {x - 1, y - 1, x + 1, y + 1}, UndoText::PlaceSensor);
    const int16_t n = AppendElement(s.circuit);
    ElementRecord& r = s.circuit.Elements[n];
    r.Orientation = Orientation::None;
    r.Type = ElementType::AnalysisSensor;
    r.SelfIndex = n;
    r.InPinList = PinListText({{x, y}});
    r.OutPinList = r.InPinList;
    r.Label = QString::number(k);
    cell.ElementNr = n;
    cell.Type = ElementType::AnalysisSensor;
    s.ProbeCount = RecountProbes(s.circuit, s.ports.analyzer);
    if (s.ports.analyzer) {
        s.ports.analyzer->PrepareListView();
        s.ports.analyzer->ResizeListView();
        s.ports.analyzer->AddGraph(k);
    }
    s.Changes.Element(ElementType::AnalysisSensor, x, y);
}

void RemoveAnalysepunkt(PlacementContext& c)
{
    ProgramState& s = c.s;
    const int16_t x = s.CursorX;
    const int16_t y = s.CursorY;
    if (!s.circuit.P.Contains(x, y))
        return;
    const int16_t n = s.circuit.P(x, y).ElementNr;
    if (n < 1 || n > s.circuit.ElementCount() || !IsSensor(s.circuit.Elements[n]))
        return;
    RecordStep(c, {x - 1, y - 1, x + 1, y + 1}, UndoText::DeleteSensor);
    const int k = static_cast<int>(Val(s.circuit.Elements[n].Label));
    if (s.ports.analyzer)
        s.ports.analyzer->RemoveGraph(k);
    DeleteElement(s.circuit, n);
    GridCell& cell = s.circuit.P(x, y);
    cell.Type = ElementType::Conductor;
    cell.ElementNr = 0;
    cell.Marker = 0;
    s.ProbeCount = RecountProbes(s.circuit, s.ports.analyzer);
    if (s.ports.analyzer) {
        s.ports.analyzer->PrepareListView();
        s.ports.analyzer->ResizeListView();
    }
    RedrawGrown(c, {x, y, x, y}, 1);
}

bool InsideBorder(const Circuit& s, const CellRect& r)
{
    return r.x1 >= 1 && r.y1 >= 1 && r.x2 <= s.MaxX - 1 && r.y2 <= s.MaxY - 1;
}

bool Fits(const Circuit& s, const CellRect& r)
{
    return InsideBorder(s, r)
        && !IsAreaOccupied(s, static_cast<int16_t>(r.x1), static_cast<int16_t>(r.y1), static_cast<int16_t>(r.x2),
                           static_cast<int16_t>(r.y2));
}

int16_t AppendElement(Circuit& s)
{
    return AppendElementRecord(s);
}

void MarkCells(Circuit& s, const CellRect& r, uint8_t type, int16_t n)
{
    for (int x = r.x1; x <= r.x2; ++x) {
        for (int y = r.y1; y <= r.y2; ++y) {
            GridCell& c = s.P.at(x, y);
            c.Type = type;
            c.ElementNr = n;
        }
    }
}

PinPos At(int x, int y)
{
    return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

void RecordStep(clsUndo& undo, const CellRect& r, int textId)
{
    undo.NewUndo(r.x1, r.y1, r.x2, r.y2, LoadResString(textId));
}

void RecordStep(PlacementContext& c, const CellRect& r, int textId)
{
    RecordStep(c.objUndo, r, textId);
}

CellRect Grown(const CellRect& r, int grow)
{
    auto clamp16 = [](int v) { return std::clamp(v, -32768, 32767); };
    return {clamp16(r.x1 - grow), clamp16(r.y1 - grow), clamp16(r.x2 + grow), clamp16(r.y2 + grow)};
}

void RedrawGrown(PlacementContext& c, const CellRect& r, int grow)
{
    const CellRect g = Grown(r, grow);
    c.s.Changes.Area(static_cast<int16_t>(g.x1), static_cast<int16_t>(g.y1), static_cast<int16_t>(g.x2),
                     static_cast<int16_t>(g.y2));
}

int16_t PlaceLayout(Circuit& s, clsUndo& undo, const Layout& l, uint8_t type, Orientation orientation, int textId)
{
    RecordStep(undo, l.area, textId);
    const int16_t n = AppendElement(s);
    MarkCells(s, l.area, type, n);
    ElementRecord& r = s.Elements[n];
    r.Orientation = orientation;
    r.Type = type;
    r.SelfIndex = n;
    r.InPinList = PinListText(l.in);
    r.OutPinList = PinListText(l.out);
    return n;
}

FoundElement ElementAt(const Circuit& s, PinPos cell, std::initializer_list<uint8_t> types)
{
    if (!s.P.Contains(cell.X, cell.Y))
        return {};
    const int16_t n = s.P(cell.X, cell.Y).ElementNr;
    if (n < 1 || n > s.ElementCount())
        return {};
    const ElementRecord& e = s.Elements[n];
    if (std::find(types.begin(), types.end(), e.Type) == types.end())
        return {};
    return {n, ListPins(e.InPinList), ListPins(e.OutPinList)};
}

std::optional<CellRect> FootprintOf(const Circuit& s, const FoundElement& f)
{
    const ElementRecord& e = s.Elements[f.n];
    return ComponentFootprint(e.Type, e.Orientation, f.in, f.out);
}

CellRect RemoveLayout(Circuit& s, clsUndo& undo, int16_t n, const CellRect& r, int textId, int grow)
{
    RecordStep(undo, r, textId);
    ClearGridArea(s, static_cast<int16_t>(r.x1), static_cast<int16_t>(r.y1), static_cast<int16_t>(r.x2),
                  static_cast<int16_t>(r.y2));
    DeleteElement(s, n);
    return Grown(r, grow);
}

void RemoveLayout(PlacementContext& c, int16_t n, const CellRect& r, int textId, int grow)
{
    RemoveLayout(c.s.circuit, c.objUndo, n, r, textId, 0);
    RedrawGrown(c, r, grow);
}
