#include "placement/ic_instances.h"

#include <algorithm>

#include "model/circuit_tables.h"
#include "model/field_list.h"
#include "model/files/ic_definition_check.h"
#include "model/files/ic_file.h"
#include "model/files/ic_lookup.h"
#include "model/files/ic_nesting.h"
#include "model/pin_lists.h"
#include "model/ports/all_ports.h"
#include "model/state.h"
#include "model/tool_selection.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "platform/wait.h"

namespace {

constexpr int kCrossPointer = 2;

bool SlotInUse(const ProgramState& s, int k)
{
    return k >= 1 && static_cast<size_t>(k) < s.Levels.size() && !s.Levels[static_cast<size_t>(k)].Name.isEmpty();
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
void ShiftWorksheetLinks(ProgramState& s, int from, int delta)
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
int16_t SlotOfElement(const ProgramState& s, int16_t e)
{
    for (int k = 1; k <= s.LevelUBound && static_cast<size_t>(k) < s.ICInstances.size(); ++k) {
        const ICInstanceRecord& ic = s.ICInstances[static_cast<size_t>(k)];
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

bool SetIC(PlacementContext& c, bool restoring, int16_t elemNo, int16_t level)
{
    ProgramState& s = c.s;
    const QString name = s.ICName;
    const QString icDir = s.Verzeichnisse[1];
    // The file and every IC nested in it are checked here rather than trusted
    // to the IC manager's last look at them.
    const ICNestingResult nesting = IsPlainICName(name) && !ResolveICFile(icDir, name).isEmpty()
        ? CheckICNesting(icDir, name)
        : ICNestingResult{};
    if (!nesting.ICNestingOK) {
        if (s.ports.icView)
            s.ports.icView->RefreshICFileLists();
        return false;
    }
    // A byte links the slots: refuse before the IC table is touched.
    const int needed = 1 + nesting.NestedCount;
    if (s.ICCount + needed > kMaxICSlots)
        return false;
    // A damaged definition is named to the user; the undo history reports its own.
    if (const auto fault = CheckICDefinition(icDir, name)) {
        if (c.dialogs && !restoring)
            c.dialogs->ShowMessage(ICFaultText(*fault), MessageButtons::OK, MessageIcon::Critical,
                                   QStringLiteral("IC error"));
        return false;
    }

    if (!GetICSize(s, c.dialogs, name))
        return false;
    const int16_t x0 = s.CursorX;
    const int y0 = s.CursorY - Int(s.ICHeight / 2.0);
    // The fit is checked before the level table changes.
    if (!(y0 > 0 && x0 + s.ICWidth < s.MaxX && y0 + s.ICHeight < s.MaxY && x0 != 0)) {
        s.CurrentLevel = 0;
        WaitSeconds(0.1, true);
        return false;
    }
    if (IsAreaOccupied(s, x0, static_cast<int16_t>(y0), static_cast<int16_t>(x0 + s.ICWidth),
                       static_cast<int16_t>(y0 + s.ICHeight)))
        return false;

    SlotTables before{SaveICSlots(s), Grid{}};
    // An old slot beyond the blocks in use would leave a hole.
    if (level > s.LevelUBound + 1)
        level = static_cast<int16_t>(s.LevelUBound + 1);
    const bool inserted = level > 0 && SlotInUse(s, level);
    if (inserted) {
        before.p = s.P;
        InsertICLevels(s, level);
    }
    const int16_t L = level != 0 ? level : GetFreeICIndex(s);
    s.CurrentLevel = L;

    s.ICLoadDepth = 0;
    s.LongLoad = kFalse;
    const bool loaded = LoadIC(s, c.dialogs, name, 1);
    if (!loaded || !SlotInUse(s, L)) {
        RestoreICSlots(s, std::move(before.saved));
        if (inserted)
            s.P = std::move(before.p);
        s.CurrentLevel = 0;
        return false;
    }
    if (s.LongLoad != 0 && s.ports.status)
        s.ports.status->SetProgress(100);
    s.CurrentLevel = L;

    const ICInstanceRecord& ic = s.ICInstances[static_cast<size_t>(L)];
    const int16_t W = ic.Width;
    const int16_t H = ic.Height;
    if (!restoring)
        c.objUndo.NewUndo(static_cast<int>(x0), y0, x0 + W, y0 + H, LoadResString(2611));

    const int16_t cellElement = restoring ? elemNo : static_cast<int16_t>(s.ElementCount() + 1);
    for (int x = x0; x <= x0 + W; ++x) {
        for (int y = y0; y <= y0 + H; ++y) {
            if (!s.P.Contains(x, y))
                continue;
            GridCell& cell = s.P(x, y);
            // Conductors may end on the outline from outside; none leads inside.
            if (x == x0)
                cell.ConRight = 0;
            if (x == x0 + W)
                cell.ConLeft = 0;
            if (y == y0)
                cell.ConDown = 0;
            if (y == y0 + H)
                cell.ConUp = 0;
            cell.Type = ElementType::IC;
            cell.ElementNr = cellElement;
        }
    }

    int16_t e = elemNo;
    if (!restoring) {
        e = AppendElement(s);
        s.Elements[static_cast<size_t>(e)].SelfIndex = e;
    } else if (static_cast<size_t>(e) >= s.Elements.size()) {
        s.Elements.resize(static_cast<size_t>(e) + 1);
    }
    ElementRecord& rec = s.Elements[static_cast<size_t>(e)];
    rec.InPinList.clear();
    rec.OutPinList.clear();
    rec.Type = ElementType::IC;
    rec.Orientation = s.PlaceOrientation;
    s.ICInstances[static_cast<size_t>(L)].ElementNr = e;

    const ICInstanceRecord& placed = s.ICInstances[static_cast<size_t>(L)];
    for (int i = 1; i <= placed.PinCount; ++i) {
        const QString g = placed.GraphicPins.value(i);
        if (g.isEmpty())
            continue;
        const int px = CInt(Val(GetField(g, 1))) + x0;
        const int py = CInt(Val(GetField(g, 2))) + y0;
        const QString entry = QStringLiteral("X%1Y%2:").arg(px).arg(py);
        rec.InPinList += entry;
        rec.OutPinList += entry;
        if (s.P.Contains(px, py) && i <= 255) {
            s.P(px, py).ICLink = static_cast<uint8_t>(L);
            s.P(px, py).ICConnector = static_cast<uint8_t>(i);
        }
    }

    // Into the shared tables: DrawIC takes these pins when its cell has no link.
    ParseInputPins(s, e, 0);
    if (s.InputPinCount > 0)
        s.Changes.Element(ElementType::IC, s.InputPins[0].X, s.InputPins[0].Y, 0, false, L);
    if (s.ports.levels)
        s.ports.levels->RebuildLevelTree();
    if (s.ports.status)
        s.ports.status->SetProgress(0);
    SetWorksheetMousePointer(s, kCrossPointer);
    return true;
}

void RemoveIC(PlacementContext& c)
{
    ProgramState& s = c.s;
    const int16_t cx = s.CursorX;
    const int16_t cy = s.CursorY;
    if (!s.P.Contains(cx, cy))
        return;
    const int16_t e = s.P(cx, cy).ElementNr;
    if (e < 1 || e > s.ElementCount())
        return;
    const ElementPins in = InputPinsOf(s, e, 0);
    int16_t L = 0;
    if (in.count > 0 && s.P.Contains(in.pin[0].X, in.pin[0].Y))
        L = s.P(in.pin[0].X, in.pin[0].Y).ICLink;
    // An IC without connectors is found by its element.
    if (L == 0 || !SlotInUse(s, L))
        L = SlotOfElement(s, e);

    int16_t left = cx;
    while (left > 0 && s.P(left - 1, cy).ElementNr == e)
        --left;
    int16_t right = cx;
    while (right < s.MaxX && s.P(right + 1, cy).ElementNr == e)
        ++right;
    int16_t top = cy;
    while (top > 0 && s.P(cx, top - 1).ElementNr == e)
        --top;
    int16_t bottom = cy;
    while (bottom < s.MaxY && s.P(cx, bottom + 1).ElementNr == e)
        ++bottom;

    // Before anything is freed: the step keeps the IC's name from its slot.
    c.objUndo.NewUndo(left, top, right, bottom, LoadResString(2612));
    ClearGridArea(s, left, top, right, bottom);
    DeleteElement(s, e);

    if (L > 0) {
        const int16_t DeletedLevels = DeleteICLevel(s, L);
        if (L + DeletedLevels - 1 < s.LevelUBound)
            CompactICLevels(s, L, DeletedLevels);
        ReleaseICSlots(s, DeletedLevels);
    }
    if (s.ports.levels)
        s.ports.levels->RebuildLevelTree();
    s.Changes.Area(left - 1, top - 1, right + 1, bottom + 1);
}

int16_t DeleteICLevel(ProgramState& s, int16_t level)
{
    if (!SlotInUse(s, level))
        return 0;
    int16_t DeletedLevels = 1; // this slot and those nested in it
    LevelRecord& lv = s.Levels[static_cast<size_t>(level)];
    lv.Name.clear();
    if (static_cast<size_t>(level) < s.ICInstances.size())
        s.ICInstances[static_cast<size_t>(level)].PinStates.clear();
    // The first connector cell of a nested IC frees it; its slot is then free.
    const Grid& field = s.Levels[static_cast<size_t>(level)].Field;
    for (int x = 0; x <= s.Levels[static_cast<size_t>(level)].Width; ++x) {
        for (int y = 0; y <= s.Levels[static_cast<size_t>(level)].Height; ++y) {
            if (!field.Contains(x, y))
                continue;
            const int k = field(x, y).ICLink;
            if (k != 0 && SlotInUse(s, k))
                DeletedLevels = static_cast<int16_t>(DeletedLevels + DeleteICLevel(s, static_cast<int16_t>(k)));
        }
    }
    return DeletedLevels;
}

void CompactICLevels(ProgramState& s, int16_t level, int16_t DeletedLevels)
{
    const int L = level;
    const int D = DeletedLevels;
    if (D <= 0)
        return;
    EnsureICSlots(s, s.LevelUBound);
    ShiftWorksheetLinks(s, L + D, -D);
    for (int k = L + D; k <= s.LevelUBound; ++k) {
        const int t = k - D;
        ShiftLinks(s.Levels[static_cast<size_t>(k)].Field, L + D, -D);
        s.Levels[static_cast<size_t>(t)] = std::move(s.Levels[static_cast<size_t>(k)]);
        s.ICInstances[static_cast<size_t>(t)] = std::move(s.ICInstances[static_cast<size_t>(k)]);
        ICInstanceRecord& moved = s.ICInstances[static_cast<size_t>(t)];
        if (moved.NestingLevel != 0)
            moved.ParentLevel = static_cast<uint8_t>(moved.ParentLevel - D);
    }
    for (int k = std::max(1, s.LevelUBound - D + 1); k <= s.LevelUBound; ++k) {
        s.Levels[static_cast<size_t>(k)] = LevelRecord{};
        s.ICInstances[static_cast<size_t>(k)] = ICInstanceRecord{};
    }
}

void InsertICLevels(ProgramState& s, int16_t p)
{
    const int n = CountICLevels(s, s.ICName) + 1;
    const int top = s.ICCount + n;
    EnsureICSlots(s, top);
    for (int k = s.ICCount; k >= p; --k) {
        s.ICInstances[static_cast<size_t>(k + n)] = std::move(s.ICInstances[static_cast<size_t>(k)]);
        s.Levels[static_cast<size_t>(k + n)] = std::move(s.Levels[static_cast<size_t>(k)]);
        ICInstanceRecord& moved = s.ICInstances[static_cast<size_t>(k + n)];
        if (moved.NestingLevel != 0)
            moved.ParentLevel = static_cast<uint8_t>(moved.ParentLevel + n);
    }
    for (int k = p; k < p + n; ++k) {
        s.ICInstances[static_cast<size_t>(k)] = ICInstanceRecord{};
        s.Levels[static_cast<size_t>(k)] = LevelRecord{};
    }
    for (int k = p + n - 1; k <= top; ++k)
        ShiftLinks(s.Levels[static_cast<size_t>(k)].Field, p, n);
    ShiftWorksheetLinks(s, p, n);
}
