#pragma once
// The undo history: before a routine changes the worksheet it records a step
// (the cells of the rectangle it is about to change and the elements standing
// in them); Undo takes the steps back newest first. There is no redo.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "model/circuit.h"
#include "model/records.h"

struct ProgramState;
struct PlacementContext;

namespace UndoKind {
constexpr uint8_t Plain = 0;     // cells and the elements in them
constexpr uint8_t Moved = 1;     // saved records overwrite, nothing is deleted
constexpr uint8_t WholeField = 2; // the whole worksheet and every element
} // namespace UndoKind

// What an area delete changes beyond the grid: an undo of it puts back the
// element table, the IC and level tables and the clock slots as they were.
struct UndoTables : CircuitTables {
    int16_t SelectedClock = 0;
    std::vector<int> TimerIntervals; // Timer2 members 0..UBound
};

struct UndoRecord {
    int16_t X1 = 0;
    int16_t Y1 = 0;
    int16_t X2 = 0;
    int16_t Y2 = 0;
    Grid Cells;                                // (x - X1, y - Y1)
    std::vector<ElementRecord> SavedElements; // entries 1..SavedCount; entry 0 unused
    int16_t SavedCount = 0;
    QString Description;
    uint8_t Kind = UndoKind::Plain;
    int16_t AreaX1 = 0;
    int16_t AreaY1 = 0;
    int16_t AreaX2 = 0;
    int16_t AreaY2 = 0;
    std::shared_ptr<const UndoTables> Tables; // kind 2 only
    // A step over the single cell (0, 0) has the same rectangle as no step,
    // so a held step is marked rather than told by its rectangle.
    bool Used = false;

    bool IsEmpty() const { return !Used; }
};

class clsUndo {
public:
    static constexpr int16_t kMaxUndos = 200;

    // Created with 10 steps.
    explicit clsUndo(ProgramState& s);

    // Set by the caller just before NewUndo; every recorded step clears them.
    bool NoObjects = false; // cells only, no element records
    bool Move = false;      // a move or paste (kind 1)
    bool Delete = false;    // an area delete: the whole worksheet (kind 2)

    void DeleteAllUndo();
    // Drops the newest step. Right after NewUndo (or after NewUndo and the
    // Undo of that step) the history returns to what it was before the step:
    // a refused edit leaves the earlier steps undoable.
    void DeleteLastUndo();
    void DeleteUndoData(bool KeepMode);
    // Appends one line per step that can still be undone, the next one first.
    void ListUndos(QStringList& Element) const;
    // Records a step for the rectangle; writes the clamped rectangle back (with
    // Delete set the whole worksheet). Nothing while an undo runs.
    void NewUndo(int16_t& x1, int16_t& y1, int16_t& x2, int16_t& y2, const QString& Description);
    // For rectangles computed in place; the clamped values are not wanted.
    void NewUndo(int x1, int y1, int x2, int y2, const QString& Description);
    void ReDo() {}
    // Takes back the step at UndoPointer, if there is one. c.objUndo is this history.
    void Undo(PlacementContext& c);
    bool NoUndoData() const;
    void SetUndos(int16_t n);
    int16_t Undos() const { return undos_; }

    // What tests and the undo list look at.
    int16_t UndoPointer() const { return undoPointer_; }
    bool UndoSuspended() const { return undoSuspended_; }
    int16_t RestoreLevel() const { return restoreLevel_; }
    const UndoRecord& Record(int16_t i) const { return UndoRecords[i]; }

private:
    void RedrawUndoArea(const UndoRecord& r);
    void RestoreUndoGrid(PlacementContext& c, const UndoRecord& r);
    void RemoveAppeared(PlacementContext& c, const UndoRecord& r);
    void RestoreIC(PlacementContext& c, const UndoRecord& r, const ElementRecord& E);
    void RestoreUndoElements(PlacementContext& c, const UndoRecord& r);
    void RestoreWholeField(PlacementContext& c, const UndoRecord& r);
    void ShiftUndoStack();
    void SaveUndoElements(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
    void SaveUndoGrid(int16_t& x1, int16_t& y1, int16_t& x2, int16_t& y2);
    void SaveTables(UndoRecord& r) const;
    uint64_t NewIdentity();
    void RestoreDisplaced();
    void ShowStep(const UndoRecord& r, bool alsoList);
    void DisableUndo(bool alsoList);

    ProgramState& s_;
    int16_t undos_ = 10;
    std::vector<UndoRecord> UndoRecords; // 0..Undos; record 0 is never a step
    int16_t undoPointer_ = 1;
    bool undoSuspended_ = false;
    int16_t restoreLevel_ = 0;
    uint64_t lastIdentity_ = 0;
    // What the newest NewUndo discarded (the whole history, after an Undo) or
    // pushed out (the oldest step), for DeleteLastUndo to put back.
    struct Displaced {
        bool valid = false;
        int16_t pointer = 1;
        std::vector<UndoRecord> records;
        UndoRecord oldest;
    };
    Displaced displaced_;
    // Within one Undo: old slot -> new slot of each IC re-created, and the
    // ICs that could not be (identity, name).
    std::vector<std::pair<int, int>> icLevelMap_;
    std::vector<std::pair<uint64_t, QString>> failedICs_;
};
