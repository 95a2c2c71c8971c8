#pragma once
// The select tool's area frame: drawing it, selecting what it holds, and
// deleting or moving that area with the conductors that run across its edge.
#include <QString>
#include <cstdint>
#include <vector>

#include "editing/editor_context.h"
#include "model/records.h"

class Selection;

class AreaMove {
public:
    AreaMove(const EditorContext& e, Selection& selection);

    // The area's cells while it is framed and moved: [i][j] is cell (X1 + i, Y1 + j).
    std::vector<std::vector<GridCell>> Puffer;
    int16_t PufferWidth() const;
    int16_t PufferHeight() const;

    // The frame size in cells that the select tool's page shows ("X: 3   Y: 2").
    int16_t FrameLabelX = 0;
    int16_t FrameLabelY = 0;
    QString FrameLabelText() const;
    void SetFrameLabel(int16_t x, int16_t y);

    // A fixed frame is blue and solid: it holds a selected area.
    bool FrameFixed() const;
    bool InsideFrame(double x, double y) const;

    // A press with the select tool starts a dotted frame at cell (x, y).
    void StartFrame(int16_t x, int16_t y);
    // The frame follows the cursor cell while the button is held.
    void ResizeBorder();
    // Release: the frame is fixed and selects what it holds, unless it is a
    // single row or column, or its border cuts a component.
    void FixFrame();
    // Orders the frame's corners; true (and the frame hidden) when a
    // component lies on its border.
    bool CheckBorderPosition();
    // Takes the area x1..x2, y1..y2 into the buffer and selects each
    // component in it. Conductors cut by the edge arrive without their
    // outward connection.
    void SelectArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2);

    // A press inside a fixed frame grabs the area at cell (x, y).
    void GrabArea(int16_t x, int16_t y);
    // The frame follows the cursor cell while the area is dragged.
    void DragFrame();
    // Release: moves the area to where the frame stands, with one undo step.
    void MoveElements();

    // Edit > Delete: the framed area, or else the selected components. An
    // area holding an IC or a clock generator stays.
    void LoescheBereich();
    // Clears the area; conductors running out of it keep a stub on its edge.
    // Unless keepElements, the components inside leave the element table.
    void DeleteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool keepElements);
    // Writes the buffer into x1..x2, y1..y2; where it would land on something
    // it goes back to where it came from, and the answer is false.
    bool PasteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
    // Copies the buffer's cell for (x, y) of the area `to` into the grid; a
    // cell on the edge joins the conductors outside.
    void CopyPufferToP(const CellBox& to, int16_t x, int16_t y);

private:
    void RemoveElements(std::vector<int16_t> numbers);

    EditorContext e_;
    Selection& selection_;
};
