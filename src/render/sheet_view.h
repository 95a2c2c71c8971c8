#pragma once
// The view of the shown sheet on the worksheet picture: it draws what the
// change record holds (model/sheet_changes.h), each change with the drawing
// routine of the thing that changed, in the order the changes were made.
#include <vector>

#include "model/sheet_changes.h"

struct ProgramState;
class clsGrafik;
class PainterSurface;
class Surface;

class SheetView : public SheetViewPort {
public:
    // Watches the record of `s` from now until destroyed and draws on
    // `picture` through the drawing object.
    SheetView(ProgramState& s, clsGrafik& grafik, Surface* picture);
    ~SheetView() override;
    SheetView(const SheetView&) = delete;
    SheetView& operator=(const SheetView&) = delete;

    void Flush() override;
    Surface* Picture() const { return picture_; }

    // One change, on the picture.
    void Draw(const SheetChange& c);

private:
    void DrawElementChange(const SheetChange& c);
    void EraseGridDots(const SheetChange& c);

    ProgramState& s_;
    clsGrafik& g_;
    Surface* picture_;
    PainterSurface* painterPicture_; // the same, when it draws for itself
    std::vector<int> dots_;
    std::vector<SheetChange> spare_;
};
