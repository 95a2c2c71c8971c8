#pragma once
// What changed on the shown sheet since the view last drew it, in the order it
// changed. The engine's passes, the placing and removing routines and the undo
// history append here instead of drawing; the view draws each change with the
// drawing routine of the thing that changed when it is flushed: once per pass
// before the engine waits or lets the window events run, at the end of a run,
// and after each editing step. Nothing is kept while no view watches.
//
// A run that does not settle changes the same cells over and over; drawn one
// by one, its changes would take far longer than the run. While bounded, the
// record holds at most a few changes per cell in use: past that it gives them
// up for one whole redraw of the shown level, which draws the latest state of
// every cell and component once.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/ports/sheet_view_port.h"
#include "model/records.h"

enum class SheetChangeKind : uint8_t {
    // A signal reached the conductor cell (x, y) travelling `dir` with a level;
    // the piece from the cell it came from changed.
    Piece,
    // The symbol of a component of element type `type` at cell (x, y): one
    // whose look changed, or one just placed.
    Element,
    // A juncture or coupling diode (`type`) set on the conductor cell (x, y).
    Marker,
    // A straight conductor run from (x, y) to (x2, y2) drawn while editing.
    Run,
    // The cells x..x2, y..y2 changed: cleared and drawn again.
    Area,
    // Level x shown whole.
    Level,
    // The grid dots of the empty cells (x, y..y2) gone: the power came on.
    GridDots,
    // The LED on (x, y) about to be removed.
    LEDErased,
    // The juncture dot on (x, y) about to be removed.
    JunctureErased,
};

struct SheetChange {
    SheetChangeKind kind = SheetChangeKind::Area;
    uint8_t type = 0;        // Element: the element type whose routine draws it; Marker: which marker
    Orientation orientation = Orientation::None; // Element: set on the drawing object first; None leaves it
    Direction dir = Direction::None;             // Piece: travel direction
    uint8_t flags = 0;       // the bits below
    int16_t x = 0;
    int16_t y = 0;
    int16_t x2 = 0;          // Area, Run: the far corner; Element of an IC: its index
    int16_t y2 = 0;
};

// Piece: its level, and whether its cell and the cell it came from were High
// when it changed (the white edges of a Low piece depend on them).
constexpr uint8_t kPieceHigh = 1;
constexpr uint8_t kPieceHereHigh = 2;
constexpr uint8_t kPieceThereHigh = 4;
// Element: the outline flag of gates, decoder, flip-flop and IC; the clock
// generator's selection mark.
constexpr uint8_t kElementFlag = 1;

// The changes kept per cell in use of the shown sheet while the power is on,
// and never fewer in all than the floor.
inline constexpr size_t kChangesPerCellInUse = 4;
inline constexpr size_t kFewestChangesKept = 1024;
// Held over a whole power-on, the record keeps the changes of all its runs: a
// chain initialised against its own direction changes each cell once per
// component before it (a settling 400-inverter chain about 17 times). Within
// this bound a settling power-on draws exactly what its runs drew one by one;
// the ceiling keeps the memory of a huge sheet's power-on to some tens of MB.
inline constexpr size_t kChangesPerCellHeld = 32;
inline constexpr size_t kMostChangesHeld = size_t{1} << 22;

// The bound on the record while the power is on, and while a power-on holds it.
inline size_t ChangesBound(size_t cellsInUse)
{
    return std::max(kFewestChangesKept, kChangesPerCellInUse * cellsInUse);
}
inline size_t HeldChangesBound(size_t cellsInUse)
{
    return std::clamp(kChangesPerCellHeld * cellsInUse, kFewestChangesKept, kMostChangesHeld);
}

class SheetChanges {
public:
    // The view that draws the changes; with none nothing is recorded.
    void SetView(SheetViewPort* view)
    {
        view_ = view;
        Discard();
    }
    // At most `limit` changes are kept between two flushes; 0: no bound.
    void Bound(size_t limit) { limit_ = limit; }
    // The record stands for one whole redraw of the shown level.
    bool Whole() const { return whole_; }
    // While held (a power-on initialising its components), neither the end
    // of each of its many short runs nor a break for the window events draws:
    // the changes wait for the power-on's end, so that the bound can give up
    // those of many runs for one whole redraw.
    void Hold(bool hold) { held_ = hold; }
    SheetViewPort* View() const { return view_; }
    bool Watched() const { return view_ != nullptr; }

    void Piece(int x, int y, Direction dir, int value, bool hereHigh, bool thereHigh)
    {
        if (!view_)
            return;
        SheetChange c{.kind = SheetChangeKind::Piece, .dir = dir, .x = Cell(x), .y = Cell(y)};
        c.flags = static_cast<uint8_t>((value != 0 ? kPieceHigh : 0) | (hereHigh ? kPieceHereHigh : 0)
                                       | (thereHigh ? kPieceThereHigh : 0));
        Push(c);
    }
    void Element(uint8_t type, int x, int y, Orientation orientation = Orientation::None, bool flag = false,
                 int icIndex = 0)
    {
        if (!view_)
            return;
        Push(SheetChange{.kind = SheetChangeKind::Element,
                                     .type = type,
                                     .orientation = orientation,
                                     .flags = static_cast<uint8_t>(flag ? kElementFlag : 0),
                                     .x = Cell(x),
                                     .y = Cell(y),
                                     .x2 = Cell(icIndex)});
    }
    void Marker(int x, int y, uint8_t type)
    {
        if (!view_)
            return;
        Push(SheetChange{.kind = SheetChangeKind::Marker, .type = type, .x = Cell(x), .y = Cell(y)});
    }
    void Run(int x1, int y1, int x2, int y2) { Add(SheetChangeKind::Run, x1, y1, x2, y2); }
    void Area(int x1, int y1, int x2, int y2) { Add(SheetChangeKind::Area, x1, y1, x2, y2); }
    void Level(int n)
    {
        level_ = Cell(n);
        Add(SheetChangeKind::Level, n, 0, n, 0);
    }
    void GridDots(int x, int y1, int y2) { Add(SheetChangeKind::GridDots, x, y1, x, y2); }
    void LEDErased(int x, int y) { Add(SheetChangeKind::LEDErased, x, y, x, y); }
    void JunctureErased(int x, int y) { Add(SheetChangeKind::JunctureErased, x, y, x, y); }

    bool Empty() const { return items_.empty(); }
    const std::vector<SheetChange>& Items() const { return items_; }
    // The changes so far; the record is left empty, with the storage of `spare`.
    std::vector<SheetChange> Take(std::vector<SheetChange>&& spare = {})
    {
        spare.clear();
        std::swap(items_, spare);
        whole_ = false;
        return std::move(spare);
    }
    // Forgets the changes so far: the whole sheet is drawn afresh anyway.
    void Discard()
    {
        // The storage a power-on's held record grew to goes too.
        if (items_.capacity() > kFewestChangesKept)
            std::vector<SheetChange>().swap(items_);
        items_.clear();
        whole_ = false;
    }
    // Has the view draw the changes so far.
    void Flush()
    {
        if (view_ && !items_.empty())
            view_->Flush();
    }
    // The end of a run or a break in it: the changes so far are drawn unless held.
    void FlushUnlessHeld()
    {
        if (!held_)
            Flush();
    }

private:
    static int16_t Cell(int v) { return static_cast<int16_t>(v); }
    void Add(SheetChangeKind kind, int x1, int y1, int x2, int y2)
    {
        if (view_)
            Push(SheetChange{.kind = kind, .x = Cell(x1), .y = Cell(y1), .x2 = Cell(x2), .y2 = Cell(y2)});
    }
    void Push(const SheetChange& c)
    {
        if (whole_) {
            // The whole redraw to come draws it, on the level shown last.
            items_.front().x = items_.front().x2 = level_;
            return;
        }
        if (limit_ != 0 && items_.size() >= limit_) {
            items_.assign(1, SheetChange{.kind = SheetChangeKind::Level, .x = level_, .x2 = level_});
            whole_ = true;
            return;
        }
        items_.push_back(c);
    }

    SheetViewPort* view_ = nullptr;
    std::vector<SheetChange> items_;
    size_t limit_ = 0;
    bool whole_ = false;
    bool held_ = false;
    int16_t level_ = 0; // the level last shown whole
};
