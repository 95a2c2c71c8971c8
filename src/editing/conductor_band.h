#pragma once
// The conductor tool's rubber band: from the pressed cell along its row or
// its column first, then round the corner to the pointer, each leg stopped
// by a component in its way. On release the legs become conductors, or with
// the right button the conductors under them are erased.
#include <cstdint>

#include "editing/editor_context.h"

// No obstacle on a leg: no column or row is negative.
constexpr int16_t kNoObstacle = -1;

class ConductorBand {
public:
    explicit ConductorBand(const EditorContext& e);

    // Starts the band at the cursor cell.
    void ShowLines();
    // Routes the band from where it started to cell (x, y) and shows it; the
    // first direction taken stays for the rest of the drag.
    void ShowTempLines(int16_t x, int16_t y);
    // The column on row y, from x1 towards x2, where a component stops the
    // leg, or kNoObstacle. A pin may start a leg, but not one leading into
    // its own component. Overwrites both pin tables.
    int16_t BlockedH(int16_t x1, int16_t y, int16_t x2);
    // The same for a leg down or up column x: the row, or kNoObstacle.
    int16_t BlockedV(int16_t y1, int16_t x, int16_t y2);

    // Writes the band's legs into the grid as conductors, with one undo step
    // unless the band is a single cell.
    void DrawNewLines();
    // Erases the connections along the band's legs, with one undo step.
    void DeleteNewLines();
    // The button's release: draws or erases, and hides the band.
    void SetLines();
    void DeleteLines();

private:
    void Hide();

    EditorContext e_;
};
