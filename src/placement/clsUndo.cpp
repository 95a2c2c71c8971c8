#include "placement/clsUndo.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <set>

#include "model/circuit_tables.h"
#include "model/components.h"
#include "model/state.h"
#include "placement/clock_slots.h"
#include "placement/ic_instances.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "placement/undo_texts.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "model/ports/all_ports.h"

namespace {

// Keeps the history from recording what the undo itself changes, even when a
// routine it calls throws.
class SuspendRecording {
public:
    explicit SuspendRecording(bool& flag) : flag_(flag) { flag_ = true; }
    ~SuspendRecording() { flag_ = false; }
    SuspendRecording(const SuspendRecording&) = delete;
    SuspendRecording& operator=(const SuspendRecording&) = delete;

private:
    bool& flag_;
};

bool ElementExists(const ProgramState& s, uint64_t identity)
{
    if (identity == 0)
        return false;
    for (int e = 1; e <= s.circuit.ElementCount(); ++e)
        if (s.circuit.Elements[e].Identity == identity)
            return true;
    return false;
}

int16_t ElementWithIdentity(const ProgramState& s, uint64_t identity)
{
    for (int e = 1; e <= s.circuit.ElementCount(); ++e)
        if (s.circuit.Elements[e].Identity == identity)
            return static_cast<int16_t>(e);
    return 0;
}

std::set<int> SensorChannels(const ProgramState& s)
{
    std::set<int> channels;
    for (int e = 1; e <= s.circuit.ElementCount(); ++e) {
        const ElementRecord& r = s.circuit.Elements[e];
        if (r.Type == ElementType::AnalysisSensor)
            channels.insert(static_cast<int>(Val(r.Label)));
    }
    return channels;
}

// Makes room for a re-inserted element at number n: every later element, the
// cells, clock slots and worksheet IC entries that name it move up by one.
void MakeRoom(ProgramState& s, int16_t n, bool isClock)
{
    if (n > s.circuit.ElementCount()) {
        SetElementCount(s.circuit, n);
        return;
    }
    const int16_t last = s.circuit.ElementCount();
    SetElementCount(s.circuit, static_cast<int16_t>(last + 1));
    for (int j = last; j >= n; --j) {
        ElementRecord& moved = s.circuit.Elements[j];
        if (moved.Type == ElementType::ClockGenerator && !isClock) {
            // Only slots in use: an idle slot 0 may still name an old generator.
            const int used = std::min<int>(s.circuit.ClockCount, static_cast<int>(s.circuit.Clocks.size()));
            for (int k = 0; k < used; ++k) {
                if (s.circuit.Clocks[k].ClockElement == j) {
                    s.circuit.Clocks[k].ClockElement = static_cast<int16_t>(j + 1);
                    break;
                }
            }
        }
        s.circuit.Elements[static_cast<size_t>(j) + 1] = moved;
        s.circuit.Elements[static_cast<size_t>(j) + 1].SelfIndex = static_cast<int16_t>(moved.SelfIndex + 1);
    }
    for (int x = 0; x <= s.circuit.MaxX && x <= s.circuit.P.UBoundX(); ++x)
        for (int y = 0; y <= s.circuit.MaxY && y <= s.circuit.P.UBoundY(); ++y)
            if (s.circuit.P(x, y).ElementNr >= n)
                ++s.circuit.P(x, y).ElementNr;
    for (int k = 1; k <= s.circuit.LevelUBound() && static_cast<size_t>(k) < s.circuit.ICInstances.size(); ++k) {
        ICInstanceRecord& ic = s.circuit.ICInstances[k];
        if (ic.NestingLevel == 0 && ic.ElementNr >= n)
            ++ic.ElementNr;
    }
}

void ShowICNotRestored(PlacementContext& c, const QString& name)
{
    if (c.dialogs)
        c.dialogs->ShowMessage(QStringLiteral("IC '%1' could not be restored.").arg(name), MessageButtons::OK,
                               MessageIcon::Information, LoadResString(UndoText::DeleteIC));
}

// ---- Taking off an element that appeared since a step, by its type ----

using AppearedRemover = void (*)(PlacementContext& c, int16_t e, PinPos cell);

void RemoveAppearedElement(PlacementContext& c, int16_t e, PinPos)
{
    DeleteElement(c.s.circuit, e);
}

void RemoveAppearedIC(PlacementContext& c, int16_t, PinPos cell)
{
    if (const auto r = RemoveICAt(c, cell))
        c.s.Changes.Area(static_cast<int16_t>(r->x1), static_cast<int16_t>(r->y1), static_cast<int16_t>(r->x2),
                         static_cast<int16_t>(r->y2));
}

// With its clock slot.
void RemoveAppearedClock(PlacementContext& c, int16_t e, PinPos)
{
    ProgramState& s = c.s;
    const auto used = s.circuit.Clocks.begin() + std::min<std::ptrdiff_t>(s.circuit.ClockCount, std::ssize(s.circuit.Clocks));
    const auto it = std::find_if(s.circuit.Clocks.begin(), used, [e](const ClockSlot& slot) { return slot.ClockElement == e; });
    if (it != used)
        RemoveTimerSlot(s.circuit, s.ports.clockTimers, s.SelectedClock, static_cast<int16_t>(it - s.circuit.Clocks.begin()));
    DeleteElement(s.circuit, e);
}

// With its graph in the analyzer.
void RemoveAppearedSensor(PlacementContext& c, int16_t e, PinPos)
{
    if (c.s.ports.analyzer)
        c.s.ports.analyzer->RemoveGraph(static_cast<int>(Val(c.s.circuit.Elements[e].Label)));
    DeleteElement(c.s.circuit, e);
}

constexpr std::array<AppearedRemover, kElementTypeBound> kAppearedRemovers = [] {
    std::array<AppearedRemover, kElementTypeBound> t{};
    t.fill(RemoveAppearedElement);
    t[ElementType::IC] = RemoveAppearedIC;
    t[ElementType::ClockGenerator] = RemoveAppearedClock;
    t[ElementType::AnalysisSensor] = RemoveAppearedSensor;
    return t;
}();

AppearedRemover RemoverFor(uint8_t type)
{
    return type < kAppearedRemovers.size() ? kAppearedRemovers[type] : RemoveAppearedElement;
}

} // namespace

clsUndo::clsUndo(ProgramState& s) : s_(s)
{
    UndoRecords.resize(static_cast<size_t>(undos_) + 1);
}

// ---- Recording ----

void clsUndo::NewUndo(int x1, int y1, int x2, int y2, const QString& Description)
{
    auto clamp16 = [](int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); };
    int16_t a = clamp16(x1);
    int16_t b = clamp16(y1);
    int16_t c = clamp16(x2);
    int16_t d = clamp16(y2);
    NewUndo(a, b, c, d, Description);
}

void clsUndo::NewUndo(int16_t& x1, int16_t& y1, int16_t& x2, int16_t& y2, const QString& Description)
{
    if (x1 > x2 || y1 > y2 || undoSuspended_)
        return;
    x1 = std::max<int16_t>(x1, 0);
    y1 = std::max<int16_t>(y1, 0);
    x2 = std::min(x2, s_.circuit.MaxX);
    y2 = std::min(y2, s_.circuit.MaxY);
    // A rectangle wholly beyond the worksheet holds nothing to save.
    if (x1 > x2 || y1 > y2)
        return;
    Displaced before{true, undoPointer_, {}, {}};
    if (undoPointer_ != 1) {
        before.records.swap(UndoRecords);
        UndoRecords.resize(static_cast<size_t>(undos_) + 1);
        DeleteUndoData(true);
    } else {
        before.oldest = std::move(UndoRecords[undos_]);
        ShiftUndoStack();
    }
    displaced_ = std::move(before);
    undoPointer_ = 1;
    UndoRecord& r = UndoRecords[1];
    r = UndoRecord{};
    SaveUndoGrid(x1, y1, x2, y2);
    if (!NoObjects)
        SaveUndoElements(x1, y1, x2, y2);
    if (Move)
        r.Kind = UndoKind::Moved;
    if (Delete) {
        r.Kind = UndoKind::WholeField;
        SaveTables(r);
    }
    r.Description = Description;
    r.Used = true;
    ShowStep(r, true);
    NoObjects = false;
    Move = false;
    Delete = false;
}

void clsUndo::ShiftUndoStack()
{
    for (int k = undos_ - 1; k >= 1; --k)
        UndoRecords[static_cast<size_t>(k) + 1] = std::move(UndoRecords[k]);
    UndoRecords[1] = UndoRecord{};
}

void clsUndo::SaveUndoGrid(int16_t& x1, int16_t& y1, int16_t& x2, int16_t& y2)
{
    UndoRecord& r = UndoRecords[1];
    if (Delete) {
        r.AreaX1 = x1;
        r.AreaY1 = y1;
        r.AreaX2 = x2;
        r.AreaY2 = y2;
        x1 = 0;
        y1 = 0;
        x2 = s_.circuit.MaxX;
        y2 = s_.circuit.MaxY;
    }
    r.X1 = x1;
    r.Y1 = y1;
    r.X2 = x2;
    r.Y2 = y2;
    r.Cells.Redim(x2 - x1, y2 - y1);
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y)
            if (s_.circuit.P.Contains(x, y))
                r.Cells(x - x1, y - y1) = s_.circuit.P(x, y);
}

uint64_t clsUndo::NewIdentity()
{
    // Elements may carry identities from an earlier history over the same tables.
    for (const ElementRecord& e : s_.circuit.Elements)
        lastIdentity_ = std::max(lastIdentity_, e.Identity);
    return ++lastIdentity_;
}

void clsUndo::SaveUndoElements(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    UndoRecord& r = UndoRecords[1];
    r.SavedElements.assign(1, ElementRecord{});
    std::set<int16_t> saved;
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) {
            if (!s_.circuit.P.Contains(x, y))
                continue;
            const GridCell& cell = s_.circuit.P(x, y);
            const int16_t e = cell.ElementNr;
            if (e < 1 || e > s_.circuit.ElementCount() || saved.count(e))
                continue;
            ElementRecord& live = s_.circuit.Elements[e];
            ElementRecord copy = live;
            if (cell.Type == ElementType::IC && !Move) {
                int link = cell.ICLink;
                // An IC without connectors has no linked cell; its slot is found by its element.
                if (link == 0 && live.InPinList.isEmpty()) {
                    for (int k = 1; k <= s_.circuit.LevelUBound() && static_cast<size_t>(k) < s_.circuit.ICInstances.size(); ++k)
                        if (s_.circuit.ICInstances[k].NestingLevel == 0
                            && s_.circuit.ICInstances[k].ElementNr == e)
                            link = k;
                }
                if (link == 0 || static_cast<size_t>(link) >= s_.circuit.ICInstances.size())
                    continue;
                copy.InPinList = s_.circuit.ICInstances[link].Name;
                copy.Label = QString::number(link);
            }
            if (live.Identity == 0)
                live.Identity = NewIdentity();
            copy.Identity = live.Identity;
            saved.insert(e);
            r.SavedElements.push_back(std::move(copy));
        }
    }
    r.SavedCount = static_cast<int16_t>(r.SavedElements.size() - 1);
}

void clsUndo::SaveTables(UndoRecord& r) const
{
    auto t = std::make_shared<UndoTables>();
    static_cast<CircuitTables&>(*t) = s_.circuit;
    t->SelectedClock = s_.SelectedClock;
    if (const ClockTimerPort* timers = s_.ports.clockTimers)
        for (int i = 0; i <= timers->ClockTimerUBound(); ++i)
            t->TimerIntervals.push_back(timers->ClockTimerInterval(i));
    r.Tables = std::move(t);
}

// ---- Undoing ----

void clsUndo::Undo(PlacementContext& c)
{
    assert(&c.objUndo == this);
    restoreLevel_ = 0;
    if (undoPointer_ < 1 || undoPointer_ > undos_)
        return;
    const UndoRecord& r = UndoRecords[undoPointer_];
    if (r.IsEmpty())
        return;
    // Only the step just recorded may still be withdrawn after its undo.
    if (undoPointer_ != 1)
        displaced_ = {};
    // Taking a step back changes the circuit as much as the edit did.
    s_.FileSaved = kFalse;
    {
        SuspendRecording suspended(undoSuspended_);
        if (r.Kind == UndoKind::WholeField) {
            RestoreWholeField(c, r);
        } else {
            RestoreUndoElements(c, r);
            RestoreUndoGrid(c, r);
        }
        RedrawUndoArea(r);
        s_.ProbeCount = RecountProbes(s_.circuit, s_.ports.analyzer);
        if (s_.ports.analyzer) {
            s_.ports.analyzer->PrepareListView();
            s_.ports.analyzer->ResizeListView();
        }
        ++undoPointer_;
    }
    if (s_.ports.worksheet)
        s_.ports.worksheet->SelectNone();
    if (undoPointer_ <= undos_ && !UndoRecords[undoPointer_].IsEmpty())
        ShowStep(UndoRecords[undoPointer_], false);
    else
        DisableUndo(true);
}

void clsUndo::RestoreUndoElements(PlacementContext& c, const UndoRecord& r)
{
    ProgramState& s = s_;
    const bool plain = r.Kind == UndoKind::Plain;
    // Only what no longer exists goes back: a step also saves neighbours
    // that the change left standing. Lowest numbers first, so each finds room.
    std::vector<const ElementRecord*> missing;
    for (int i = 1; i <= r.SavedCount && static_cast<size_t>(i) < r.SavedElements.size(); ++i) {
        const ElementRecord& E = r.SavedElements[i];
        if (plain && ElementExists(s, E.Identity))
            continue;
        missing.push_back(&E);
    }
    if (plain)
        std::stable_sort(missing.begin(), missing.end(),
                         [](const ElementRecord* a, const ElementRecord* b) { return a->SelfIndex < b->SelfIndex; });

    icLevelMap_.clear();
    failedICs_.clear();
    for (const ElementRecord* saved : missing) {
        const ElementRecord& E = *saved;
        const int16_t n = E.SelfIndex;
        if (n < 1)
            continue;
        if (!plain) {
            // A move changes no numbers: the record is overwritten where it stands.
            if (n > s.circuit.ElementCount())
                continue;
            s.circuit.Elements[n] = E;
            if (E.Type == ElementType::IC)
                s.circuit.Elements[n].InPinList = E.OutPinList;
            continue;
        }
        MakeRoom(s, n, E.Type == ElementType::ClockGenerator);
        if (E.Type == ElementType::IC) {
            RestoreIC(c, r, E);
            continue;
        }
        s.circuit.Elements[n] = E;
        if (E.Type == ElementType::ClockGenerator)
            RestoreTimer(s.circuit, s.ports.clockTimers, n);
        else if (E.Type == ElementType::AnalysisSensor && s.ports.analyzer)
            s.ports.analyzer->AddGraph(static_cast<int>(Val(E.Label)));
    }
}

void clsUndo::RestoreIC(PlacementContext& c, const UndoRecord& r, const ElementRecord& E)
{
    ProgramState& s = s_;
    const int16_t n = E.SelfIndex;
    ElementRecord fresh;
    fresh.SelfIndex = n;
    fresh.Identity = E.Identity;
    s.circuit.Elements[n] = fresh;
    restoreLevel_ = static_cast<int16_t>(Val(E.Label));
    // Where the step's rectangle starts, at its middle row.
    const PinPos cell{r.X1, static_cast<int16_t>(r.Y1 + Int((r.Y2 - r.Y1) / 2.0))};
    const PlacedIC placed = PlaceIC(c, {E.InPinList, cell, restoreLevel_, n, E.Orientation});
    ElementRecord& rec = s.circuit.Elements[n];
    if (placed) {
        rec.Orientation = E.Orientation;
        rec.Color = E.Color;
        icLevelMap_.emplace_back(restoreLevel_, placed.level);
    } else {
        // Kept for the moment so that the numbers in the saved cells
        // stay right; taken off again once the cells are back.
        rec = E;
        rec.InPinList = E.OutPinList;
        rec.Label.clear();
        failedICs_.emplace_back(E.Identity, E.InPinList);
    }
}

void clsUndo::RemoveAppeared(PlacementContext& c, const UndoRecord& r)
{
    ProgramState& s = s_;
    // Elements that appeared in the rectangle since the step, each with one
    // of its cells; removed from the highest number down so that no
    // removal renumbers one still to come.
    std::vector<std::pair<int16_t, PinPos>> appeared;
    std::set<int16_t> seen;
    for (int x = r.X1; x <= r.X2; ++x) {
        for (int y = r.Y1; y <= r.Y2; ++y) {
            if (!s.circuit.P.Contains(x, y))
                continue;
            const int16_t e = s.circuit.P(x, y).ElementNr;
            if (e >= 1 && r.Cells(x - r.X1, y - r.Y1).ElementNr == 0 && seen.insert(e).second)
                appeared.push_back({e, {static_cast<int16_t>(x), static_cast<int16_t>(y)}});
        }
    }
    std::sort(appeared.begin(), appeared.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [e, cell] : appeared)
        if (e <= s.circuit.ElementCount())
            RemoverFor(s.circuit.Elements[e].Type)(c, e, cell);
}

void clsUndo::RestoreUndoGrid(PlacementContext& c, const UndoRecord& r)
{
    ProgramState& s = s_;
    if (r.Kind == UndoKind::Plain)
        RemoveAppeared(c, r);
    for (int x = r.X1; x <= r.X2; ++x) {
        for (int y = r.Y1; y <= r.Y2; ++y) {
            if (!s.circuit.P.Contains(x, y))
                continue;
            GridCell& cell = s.circuit.P(x, y);
            cell = r.Cells(x - r.X1, y - r.Y1);
            for (const auto& [from, to] : icLevelMap_)
                if (cell.ICLink != 0 && cell.ICLink == from)
                    cell.ICLink = static_cast<uint8_t>(to);
        }
    }
    // An IC that could not be loaded again leaves its area empty.
    for (const auto& [identity, name] : failedICs_) {
        const int16_t e = ElementWithIdentity(s, identity);
        if (e == 0)
            continue;
        int x1 = s.circuit.MaxX, y1 = s.circuit.MaxY, x2 = -1, y2 = -1;
        for (int x = 0; x <= s.circuit.MaxX; ++x) {
            for (int y = 0; y <= s.circuit.MaxY; ++y) {
                if (s.circuit.P(x, y).ElementNr == e) {
                    x1 = std::min(x1, x);
                    y1 = std::min(y1, y);
                    x2 = std::max(x2, x);
                    y2 = std::max(y2, y);
                }
            }
        }
        if (x2 >= 0)
            ClearGridArea(s.circuit, static_cast<int16_t>(x1), static_cast<int16_t>(y1), static_cast<int16_t>(x2),
                          static_cast<int16_t>(y2));
        DeleteElement(s.circuit, e);
        ShowICNotRestored(c, name);
    }
    icLevelMap_.clear();
    failedICs_.clear();
}

void clsUndo::RestoreWholeField(PlacementContext& c, const UndoRecord& r)
{
    (void)c;
    ProgramState& s = s_;
    const std::set<int> channelsBefore = SensorChannels(s);
    if (r.Tables) {
        const UndoTables& t = *r.Tables;
        // Level 0 belongs to the power-on copy, not to the circuit.
        LevelRecord level0 = s.circuit.Levels.empty() ? LevelRecord{} : std::move(s.circuit.Levels[0]);
        static_cast<CircuitTables&>(s.circuit) = t;
        if (s.circuit.Levels.empty())
            s.circuit.Levels.resize(1);
        s.circuit.Levels[0] = std::move(level0);
        s.SelectedClock = t.SelectedClock;
        if (ClockTimerPort* timers = s.ports.clockTimers; timers && !t.TimerIntervals.empty()) {
            const int ub = static_cast<int>(t.TimerIntervals.size()) - 1;
            while (timers->ClockTimerUBound() < ub)
                timers->AddClockTimer();
            while (timers->ClockTimerUBound() > ub && timers->ClockTimerUBound() > 0)
                timers->RemoveLastClockTimer();
            for (int i = 0; i <= ub; ++i)
                timers->SetClockTimerInterval(i, t.TimerIntervals[i]);
        }
    }
    for (int x = r.X1; x <= r.X2; ++x)
        for (int y = r.Y1; y <= r.Y2; ++y)
            if (s.circuit.P.Contains(x, y))
                s.circuit.P(x, y) = r.Cells(x - r.X1, y - r.Y1);
    const std::set<int> channelsAfter = SensorChannels(s);
    if (AnalyzerPort* a = s.ports.analyzer) {
        for (int k : channelsBefore)
            if (!channelsAfter.count(k))
                a->RemoveGraph(k);
        for (int k : channelsAfter)
            if (!channelsBefore.count(k))
                a->AddGraph(k);
    }
    if (s.ports.levels)
        s.ports.levels->RebuildLevelTree();
}

void clsUndo::RedrawUndoArea(const UndoRecord& r)
{
    const bool whole = r.Kind == UndoKind::WholeField;
    s_.Changes.Area((whole ? r.AreaX1 : r.X1) - 1, (whole ? r.AreaY1 : r.Y1) - 1, (whole ? r.AreaX2 : r.X2) + 1,
                    (whole ? r.AreaY2 : r.Y2) + 1);
}

// ---- Emptying and sizing ----

void clsUndo::DeleteLastUndo()
{
    if (displaced_.valid) {
        RestoreDisplaced();
        return;
    }
    UndoRecords[1] = UndoRecord{};
    int i = 2;
    for (; i <= undos_; ++i) {
        undoPointer_ = static_cast<int16_t>(i);
        if (UndoRecords[i].IsEmpty())
            break;
        UndoRecords[static_cast<size_t>(i) - 1] = std::move(UndoRecords[i]);
    }
    UndoRecords[static_cast<size_t>(i) - 1] = UndoRecord{};
    undoPointer_ = 1;
    if (!UndoRecords[1].IsEmpty())
        ShowStep(UndoRecords[1], false);
    else
        DisableUndo(false);
}

void clsUndo::RestoreDisplaced()
{
    Displaced d = std::move(displaced_);
    displaced_ = {};
    if (!d.records.empty()) {
        UndoRecords = std::move(d.records);
    } else {
        for (int k = 1; k < undos_; ++k)
            UndoRecords[k] = std::move(UndoRecords[static_cast<size_t>(k) + 1]);
        UndoRecords[undos_] = std::move(d.oldest);
    }
    undoPointer_ = d.pointer;
    if (undoPointer_ >= 1 && undoPointer_ <= undos_ && !UndoRecords[undoPointer_].IsEmpty())
        ShowStep(UndoRecords[undoPointer_], true);
    else
        DisableUndo(true);
}

void clsUndo::DeleteUndoData(bool KeepMode)
{
    displaced_ = {};
    for (int i = 1; i <= undos_; ++i)
        UndoRecords[i] = UndoRecord{};
    undoPointer_ = 0;
    DisableUndo(false);
    if (!KeepMode) {
        NoObjects = false;
        Move = false;
        Delete = false;
    }
}

void clsUndo::DeleteAllUndo()
{
    displaced_ = {};
    for (UndoRecord& r : UndoRecords)
        r = UndoRecord{};
    undoPointer_ = 1;
    DisableUndo(true);
}

void clsUndo::SetUndos(int16_t n)
{
    const int16_t count = std::clamp<int16_t>(n, 1, kMaxUndos);
    displaced_ = {};
    // Steps already undone are dropped, so the pointer can start at 1 again
    // without undoing one of them a second time.
    std::vector<UndoRecord> next(static_cast<size_t>(count) + 1);
    const int first = std::max<int>(undoPointer_, 1);
    for (int i = first; i <= undos_; ++i) {
        const int j = i - first + 1;
        if (j > count)
            break;
        next[j] = std::move(UndoRecords[i]);
    }
    UndoRecords = std::move(next);
    undos_ = count;
    undoPointer_ = 1;
    // The caption already names the step at the pointer, which is now record 1.
}

// ---- Queries ----

bool clsUndo::NoUndoData() const
{
    if (undoPointer_ < 0 || undoPointer_ > undos_)
        return false;
    return UndoRecords[undoPointer_].IsEmpty();
}

void clsUndo::ListUndos(QStringList& Element) const
{
    for (int i = std::max<int>(undoPointer_, 0); i <= undos_; ++i) {
        const UndoRecord& r = UndoRecords[i];
        if (r.IsEmpty() || r.Description.isEmpty())
            break;
        Element << QStringLiteral("%1 (%2,%3 - %4,%5)").arg(r.Description).arg(r.X1).arg(r.Y1).arg(r.X2).arg(r.Y2);
    }
}

// ---- Menu and toolbar ----

void clsUndo::ShowStep(const UndoRecord& r, bool alsoList)
{
    UndoPort* u = s_.ports.undo;
    if (!u)
        return;
    u->SetUndoMenu(true, LoadResString(2580) + r.Description);
    u->SetUndoButtonsEnabled(true);
    if (alsoList)
        u->SetUndoListMenuEnabled(true);
}

void clsUndo::DisableUndo(bool alsoList)
{
    UndoPort* u = s_.ports.undo;
    if (!u)
        return;
    u->SetUndoMenu(false, LoadResString(2581));
    u->SetUndoButtonsEnabled(false);
    if (alsoList)
        u->SetUndoListMenuEnabled(false);
}
