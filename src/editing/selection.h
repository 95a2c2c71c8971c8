#pragma once
// The components selected on the worksheet: their numbers in the order they
// were picked, the handles at their corners, and their removal.
#include <QString>
#include <cstdint>
#include <vector>

#include "editing/editor_context.h"

// After element `removed` left the element table: drops it from the numbers
// and moves each higher number down by one, as the table did.
void RefreshSelObject(std::vector<int16_t>& numbers, int16_t removed);

class Selection {
public:
    explicit Selection(const EditorContext& e);

    // The framed area, or the bounds of the components grabbed for a move.
    CellBox Rect;

    const std::vector<int16_t>& Numbers() const { return numbers_; }
    int16_t SelCount() const { return static_cast<int16_t>(numbers_.size()); }
    // The element most recently added that is still selected; 0 when none.
    int16_t LastSelected() const { return numbers_.empty() ? int16_t{0} : numbers_.back(); }
    bool ObjectSelected(int16_t n) const;
    // The numbers as a list whose fields each end with ";".
    QString SelectionList() const;

    // Adds element n, or takes it off when it is selected already.
    void SelectObject(int16_t n);
    void UnSelectObject(int16_t n);
    // Clears the numbers, the rectangle, the handles and move outlines, and
    // the select tool's area frame.
    void SelectNone();
    // Puts the four corner handles on each selected component.
    void PlaceHandles();
    // Removes every selected component, the highest number first.
    void DeleteObjects();
    // A dotted outline over each selected component, hidden until it moves.
    void PlaceMoveOutlines();
    // Shows the outlines shifted to the cursor cell while the components or
    // the framed area are dragged; an area never leaves the worksheet.
    void ShowMoveOutlines();
    // Rewrites the pin lists of every selected component moved by (dx, dy)
    // cells. Overwrites both pin tables.
    void ChangeInOut(int16_t dx, int16_t dy);

private:
    EditorContext e_;
    std::vector<int16_t> numbers_;
};
