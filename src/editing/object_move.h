#pragma once
// Dragging the selected components with the select tool: their cells are
// lifted into a buffer, and dropped where the pointer is released unless
// they would land on something or on the worksheet's outer cells.
#include <cstdint>
#include <vector>

#include "editing/editor_context.h"
#include "model/records.h"

class Selection;

class ObjectMove {
public:
    ObjectMove(const EditorContext& e, Selection& selection);

    // The grabbed components' cells: [i][j] is cell (X1 + i, Y1 + j) of the
    // selection's rectangle; cells of anything else stay empty.
    std::vector<std::vector<GridCell>> ObjectPuffer;

    // A press on a selected component: takes the components' bounds as the
    // selection's rectangle and their cells into the buffer.
    void CopyObjectsToPuffer();
    // Release: a press without a move changes nothing, else the components move.
    void Release();
    // Moves the components by the cursor's travel, with one undo step; with
    // restore they go back where they were and that step is dropped.
    void PasteObjects(bool restore);
    // Takes the selected components' cells off the grid; their conductors stay.
    void RemoveObjects();

private:
    bool Blocked(int nx, int ny) const;

    EditorContext e_;
    Selection& selection_;
};
