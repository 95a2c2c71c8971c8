#include "placement/ic_instances.h"

#include <algorithm>

#include "model/circuit_tables.h"
#include "model/field_list.h"
#include "placement/document/ic_loading.h"
#include "model/files/ic_definition_check.h"
#include "model/files/ic_file.h"
#include "model/files/ic_lookup.h"
#include "model/files/ic_nesting.h"
#include "model/pin_lists.h"
#include "model/ports/all_ports.h"
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "placement/undo_texts.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "platform/wait.h"

namespace {

constexpr int kCrossPointer = 2;

bool SlotInUse(const Circuit& s, int k)
{
    return k >= 1 && static_cast<size_t>(k) < s.Levels.size() && !s.Levels[k].Name.isEmpty();
}

// Byte links move with the slots; the callers make sure no link leaves 1..255.
void ShiftLinks(Grid& grid, int from, int delta)
{
    for (int x = 0; x <= grid.UBoundX(); ++x) {
        for (int y = 0; y <= grid.UBoundY(); ++y) {
            GridCell& cell = grid(x, y);
            if (cell.ICLink != 0 && cell.ICLink >= from)
                cell.ICLink = static_cast<uint8_t>(cell.ICLink + delta);
        }
    }
}

// The worksheet's cells only (columns 0..MaxX, rows 0..MaxY).
void ShiftWorksheetLinks(Circuit& s, int from, int delta)
{
    for (int x = 0; x <= s.MaxX && x <= s.P.UBoundX(); ++x) {
        for (int y = 0; y <= s.MaxY && y <= s.P.UBoundY(); ++y) {
            GridCell& cell = s.P(x, y);
            if (cell.ICLink != 0 && cell.ICLink >= from)
                cell.ICLink = static_cast<uint8_t>(cell.ICLink + delta);
        }
    }
}

// The slot of the IC element e on the worksheet, by the IC table.
int16_t SlotOfElement(const Circuit& s, int16_t e)
{
    for (int k = 1; k <= s.LevelUBound() && static_cast<size_t>(k) < s.ICInstances.size(); ++k) {
        const ICInstanceRecord& ic = s.ICInstances[k];
        if (ic.NestingLevel == 0 && ic.ElementNr == e && SlotInUse(s, k))
            return static_cast<int16_t>(k);
    }
    return 0;
}

// Everything a failed load would have to give back.
struct SlotTables {
    ICSlotTables saved;
    Grid p;
};

} // namespace

namespace {

// The file and every IC nested in it are checked here rather than trusted to
// the IC manager's last look at them. False when the IC may not be placed.
bool ICPlaceable(PlacementContext& c, const QString& name, bool restoring)
{
    ProgramState& s = c.s;
    const QString icDir = s.Verzeichnisse[1];
    const ICNestingResult nesting = IsPlainICName(name) && !ResolveICFile(icDir, name).isEmpty()
        ? CheckICNesting(icDir, name)
        : ICNestingResult{};
    if (!nesting.ICNestingOK) {
        if (s.ports.icView)
            s.ports.icView->RefreshICFileLists();
        return false;
    }
    // A byte links the slots: refuse before the IC table is touched.
    if (s.circuit.ICCount() + 1 + nesting.NestedCount > kMaxICSlots)
        return false;
    // A damaged definition is named to the user; the undo history reports its own.
    if (const auto fault = CheckICDefinition(icDir, name)) {
        if (c.dialogs && !restoring)
            c.dialogs->ShowMessage(ICFaultText(*fault), MessageButtons::OK, MessageIcon::Critical,
                                   QStringLiteral("IC error"));
        return false;
    }
    return true;
}

// Loads IC name into slot level (the first free one for 0), opening a gap
// when that slot is taken; returns the slot, 0 when the load failed and the
// tables are as they were. The loader fills from CurrentLevel; the level shown
// is given back after.
int16_t LoadIntoSlot(PlacementContext& c, const QString& name, int16_t level)
{
    ProgramState& s = c.s;
    const int16_t shown = s.CurrentLevel;
    SlotTables before{SaveICSlots(s.circuit), Grid{}};
    // An old slot beyond the blocks in use would leave a hole.
    if (level > s.circuit.LevelUBound() + 1)
        level = static_cast<int16_t>(s.circuit.LevelUBound() + 1);
    const bool inserted = level > 0 && SlotInUse(s.circuit, level);
    if (inserted) {
        before.p = s.circuit.P;
        InsertICLevels(s.circuit, level, CountICLevels(s.Verzeichnisse[1], name) + 1);
    }
    const int16_t L = level != 0 ? level : GetFreeICIndex(s.circuit);
    s.CurrentLevel = L;
    s.ICLoadDepth = 0;
    s.LongLoad = kFalse;
    const bool loaded = LoadIC(s, c.dialogs, name, 1) && SlotInUse(s.circuit, L);
    s.CurrentLevel = shown;
    if (loaded)
        return L;
    RestoreICSlots(s.circuit, std::move(before.saved));
    if (inserted)
        s.circuit.P = std::move(before.p);
    return 0;
}

// Marks the IC's cells; conductors may end on the outline from outside, none
// leads inside.
void MarkICCells(Circuit& s, const CellRect& r, int16_t element)
{
    for (int x = r.x1; x <= r.x2; ++x) {
        for (int y = r.y1; y <= r.y2; ++y) {
            if (!s.P.Contains(x, y))
                continue;
            GridCell& cell = s.P(x, y);
            if (x == r.x1)
                cell.ConRight = 0;
            if (x == r.x2)
                cell.ConLeft = 0;
            if (y == r.y1)
                cell.ConDown = 0;
            if (y == r.y2)
                cell.ConUp = 0;
            cell.Type = ElementType::IC;
            cell.ElementNr = element;
        }
    }
}

// The element's pin lists from the connectors of slot L, which get their
// links in the grid.
void LinkICPins(Circuit& s, ElementRecord& rec, int16_t L, PinPos origin)
{
    rec.InPinList.clear();
    rec.OutPinList.clear();
    const ICInstanceRecord& placed = s.ICInstances[L];
    for (int i = 1; i <= placed.PinCount; ++i) {
        const QString g = placed.GraphicPins.value(i);
        if (g.isEmpty())
            continue;
        const int px = CInt(Val(GetField(g, 1))) + origin.X;
        const int py = CInt(Val(GetField(g, 2))) + origin.Y;
        const QString entry = QStringLiteral("X%1Y%2:").arg(px).arg(py);
        rec.InPinList += entry;
        rec.OutPinList += entry;
        if (s.P.Contains(px, py) && i <= 255) {
            s.P(px, py).ICLink = static_cast<uint8_t>(L);
            s.P(px, py).ICConnector = static_cast<uint8_t>(i);
        }
    }
}

// The IC's element record: a new one, or number `element` when restoring.
ElementRecord& ICElement(Circuit& s, const ICPlacing& p, int16_t& e)
{
    e = p.element;
    if (e == 0) {
        e = AppendElement(s);
        s.Elements[e].SelfIndex = e;
    } else if (e >= static_cast<int>(s.Elements.size())) {
        s.Elements.resize(e + 1);
    }
    return s.Elements[e];
}

} // namespace

PlacedIC PlaceIC(PlacementContext& c, const ICPlacing& p)
{
    ProgramState& s = c.s;
    const bool restoring = p.element != 0;
    if (!ICPlaceable(c, p.name, restoring) || !GetICSize(s.circuit, s.Verzeichnisse[1], c.dialogs, p.name))
        return {};
    const int16_t x0 = p.cell.X;
    const int y0 = p.cell.Y - Int(s.circuit.ICHeight / 2.0);
    // The fit is checked before the level table changes.
    if (!(y0 > 0 && x0 + s.circuit.ICWidth < s.circuit.MaxX && y0 + s.circuit.ICHeight < s.circuit.MaxY && x0 != 0)) {
        WaitSeconds(0.1, true);
        return {0, 0, {}, true};
    }
    if (IsAreaOccupied(s.circuit, x0, static_cast<int16_t>(y0), static_cast<int16_t>(x0 + s.circuit.ICWidth),
                       static_cast<int16_t>(y0 + s.circuit.ICHeight)))
        return {};
    const int16_t L = LoadIntoSlot(c, p.name, p.level);
    if (L == 0)
        return {0, 0, {}, true};
    if (s.LongLoad != 0 && s.ports.status)
        s.ports.status->SetProgress(100);

    const ICInstanceRecord& ic = s.circuit.ICInstances[L];
    const CellRect area{x0, y0, x0 + ic.Width, y0 + ic.Height};
    if (!restoring)
        RecordStep(c.objUndo, area, UndoText::PlaceIC);
    MarkICCells(s.circuit, area, restoring ? p.element : static_cast<int16_t>(s.circuit.ElementCount() + 1));
    int16_t e = 0;
    ElementRecord& rec = ICElement(s.circuit, p, e);
    rec.Type = ElementType::IC;
    rec.Orientation = p.orientation;
    s.circuit.ICInstances[L].ElementNr = e;
    LinkICPins(s.circuit, rec, L, {x0, static_cast<int16_t>(y0)});
    if (!rec.InPinList.isEmpty()) {
        const PinPos first = ListPins(rec.InPinList).front();
        s.Changes.Element(ElementType::IC, first.X, first.Y, Orientation::None, false, L);
    }
    if (s.ports.levels)
        s.ports.levels->RebuildLevelTree();
    if (s.ports.status)
        s.ports.status->SetProgress(0);
    SetWorksheetMousePointer(s, s.ports.tools, kCrossPointer);
    return {e, L, area, false};
}

bool SetIC(PlacementContext& c)
{
    ProgramState& s = c.s;
    const PlacedIC placed = PlaceIC(c, {s.circuit.ICName, {s.CursorX, s.CursorY}, 0, 0, s.PlaceOrientation});
    if (placed)
        s.CurrentLevel = placed.level;
    else if (placed.levelReset)
        s.CurrentLevel = 0;
    return static_cast<bool>(placed);
}

std::optional<CellRect> RemoveICAt(PlacementContext& c, PinPos at)
{
    ProgramState& s = c.s;
    const int16_t cx = at.X;
    const int16_t cy = at.Y;
    if (!s.circuit.P.Contains(cx, cy))
        return std::nullopt;
    const int16_t e = s.circuit.P(cx, cy).ElementNr;
    if (e < 1 || e > s.circuit.ElementCount())
        return std::nullopt;
    const Pins in = ListPins(s.circuit.Elements[e].InPinList);
    int16_t L = 0;
    if (!in.empty() && s.circuit.P.Contains(in[0].X, in[0].Y))
        L = s.circuit.P(in[0].X, in[0].Y).ICLink;
    // An IC without connectors is found by its element.
    if (L == 0 || !SlotInUse(s.circuit, L))
        L = SlotOfElement(s.circuit, e);

    int16_t left = cx;
    while (left > 0 && s.circuit.P(left - 1, cy).ElementNr == e)
        --left;
    int16_t right = cx;
    while (right < s.circuit.MaxX && s.circuit.P(right + 1, cy).ElementNr == e)
        ++right;
    int16_t top = cy;
    while (top > 0 && s.circuit.P(cx, top - 1).ElementNr == e)
        --top;
    int16_t bottom = cy;
    while (bottom < s.circuit.MaxY && s.circuit.P(cx, bottom + 1).ElementNr == e)
        ++bottom;

    // Before anything is freed: the step keeps the IC's name from its slot.
    RecordStep(c.objUndo, {left, top, right, bottom}, UndoText::DeleteIC);
    ClearGridArea(s.circuit, left, top, right, bottom);
    DeleteElement(s.circuit, e);

    if (L > 0) {
        const int16_t DeletedLevels = DeleteICLevel(s.circuit, L);
        // The freed levels have lost their names: slots left above them close the gap.
        if (L <= s.circuit.LevelUBound())
            CompactICLevels(s.circuit, L, DeletedLevels);
        ReleaseICSlots(s.circuit);
    }
    if (s.ports.levels)
        s.ports.levels->RebuildLevelTree();
    return Grown({left, top, right, bottom}, 1);
}

void RemoveIC(PlacementContext& c)
{
    if (const auto r = RemoveICAt(c, {c.s.CursorX, c.s.CursorY}))
        c.s.Changes.Area(static_cast<int16_t>(r->x1), static_cast<int16_t>(r->y1), static_cast<int16_t>(r->x2),
                         static_cast<int16_t>(r->y2));
}

int16_t DeleteICLevel(Circuit& s, int16_t level)
{
    if (!SlotInUse(s, level))
        return 0;
    int16_t DeletedLevels = 1; // this slot and those nested in it
    LevelRecord& lv = s.Levels[level];
    lv.Name.clear();
    if (static_cast<size_t>(level) < s.ICInstances.size())
        s.ICInstances[level].PinStates.clear();
    // The first connector cell of a nested IC frees it; its slot is then free.
    const Grid& field = s.Levels[level].Field;
    for (int x = 0; x <= s.Levels[level].Width; ++x) {
        for (int y = 0; y <= s.Levels[level].Height; ++y) {
            if (!field.Contains(x, y))
                continue;
            const int k = field(x, y).ICLink;
            if (k != 0 && SlotInUse(s, k))
                DeletedLevels = static_cast<int16_t>(DeletedLevels + DeleteICLevel(s, static_cast<int16_t>(k)));
        }
    }
    return DeletedLevels;
}

void CompactICLevels(Circuit& s, int16_t level, int16_t DeletedLevels)
{
    const int L = level;
    const int D = DeletedLevels;
    if (D <= 0)
        return;
    // The D freed levels no longer count: the last slot in use lies D above the count.
    const int top = s.LevelUBound() + D;
    EnsureICSlots(s, top);
    ShiftWorksheetLinks(s, L + D, -D);
    for (int k = L + D; k <= top; ++k) {
        const int t = k - D;
        ShiftLinks(s.Levels[k].Field, L + D, -D);
        s.Levels[t] = std::move(s.Levels[k]);
        s.ICInstances[t] = std::move(s.ICInstances[k]);
        ICInstanceRecord& moved = s.ICInstances[t];
        if (moved.NestingLevel != 0)
            moved.ParentLevel = static_cast<uint8_t>(moved.ParentLevel - D);
    }
    for (int k = std::max(1, top - D + 1); k <= top; ++k) {
        s.Levels[k] = LevelRecord{};
        s.ICInstances[k] = ICInstanceRecord{};
    }
}

void InsertICLevels(Circuit& s, int16_t p, int n)
{
    const int top = s.ICCount() + n;
    EnsureICSlots(s, top);
    for (int k = s.ICCount(); k >= p; --k) {
        s.ICInstances[static_cast<size_t>(k + n)] = std::move(s.ICInstances[k]);
        s.Levels[static_cast<size_t>(k + n)] = std::move(s.Levels[k]);
        ICInstanceRecord& moved = s.ICInstances[static_cast<size_t>(k + n)];
        if (moved.NestingLevel != 0)
            moved.ParentLevel = static_cast<uint8_t>(moved.ParentLevel + n);
    }
    for (int k = p; k < p + n; ++k) {
        s.ICInstances[k] = ICInstanceRecord{};
        s.Levels[k] = LevelRecord{};
    }
    for (int k = p + n - 1; k <= top; ++k)
        ShiftLinks(s.Levels[k].Field, p, n);
    ShiftWorksheetLinks(s, p, n);
}
