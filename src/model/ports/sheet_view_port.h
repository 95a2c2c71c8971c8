#pragma once
// The view of the shown sheet: it draws what the change record holds.
class SheetViewPort {
public:
    virtual ~SheetViewPort() = default;
    // Draws every change recorded since the last flush, in order, and empties the record.
    virtual void Flush() = 0;
};
