#pragma once
// What the component symbols share: one drawing call's pitch, cell centres
// and surface tests, the grids and element tables a symbol reads, and the
// carrying of an outputs-right picture into the other orientations.
#include <QPointF>
#include <QString>
#include <cstdint>

#include "model/geometry.h"
#include "model/records.h"

struct Circuit;
struct CircuitRun;
struct SheetScale;
class Surface;

namespace symbols {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kPaleYellow = 0xC0FFFF;
constexpr int32_t kPaleCyan = 0xFFFFC0;
constexpr int32_t kGrey = 0x808080;
constexpr int32_t kRed = 0xFF;

// One symbol call on one surface. z is the zoomed pitch the routine cached,
// g the zoom factor; level is the level shown, lineColor the program's line colour.
class Canvas {
public:
    Canvas(CircuitRun& run, const SheetScale& scale, int16_t level, int32_t lineColor, Surface& device, double z,
           bool worksheet, bool printer);

    CircuitRun& s;
    const SheetScale& scale;
    const int16_t level;
    const int32_t lineColor;
    Surface& dev;
    const double z;
    const float g;
    const bool worksheet;
    const bool printer;

    // Centre of column or row i.
    double G(int i) const;
    // Font size: one factor of the zoom on the worksheet, another elsewhere.
    double Size(float onWorksheet, float elsewhere) const;
    // The symbol body colour: white on paper, else the given one.
    int32_t Body(int32_t screen) const { return printer ? kWhite : screen; }

    // Plain line in lineColor.
    void Stub(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, int32_t color);
    // Box outlined in lineColor, filled by the device's fill settings.
    void Box(double x1, double y1, double x2, double y2);
    void Box(QPointF a, QPointF b) { Box(a.x(), a.y(), b.x(), b.y()); }
    void Stub(QPointF a, QPointF b) { Stub(a.x(), a.y(), b.x(), b.y()); }
    void Text(double x, double y, const QString& text);

    // ForeColor black, font "Arial" at the size, fill colour and style.
    void Prologue(double fontSize, int32_t fill, int fillStyle);

    // The cell and element record the symbol shows (ShownCell, ShownElement below).
    const GridCell& ShownCell(int x, int y) const;
    const ElementRecord& ShownElement(int e) const;
};

// Cells and records. The worksheet grid P, or while the power is on the grid
// and element table of the level shown. A cell outside the grid reads as an
// empty cell (a damaged file's pins may lie there); an element number out of
// range is a subscript error.
const GridCell& SheetCell(const Circuit& c, int x, int y);
const GridCell& ShownCell(const Circuit& c, bool powerOn, int16_t level, int x, int y);
const ElementRecord& SheetElement(const Circuit& circuit, int c);
const ElementRecord& ShownElement(const Circuit& circuit, bool powerOn, int16_t level, int c);

// ParseInputPins and ParseOutputPins for drawing. While the engine runs, a
// symbol is redrawn with every change next to it: its lists then come from the
// engine's cache, parsed once per power-on, with the same result.
void LoadInputPins(CircuitRun& s, int16_t c, int16_t level);
void LoadOutputPins(CircuitRun& s, int16_t c, int16_t level);

// A place of the outputs-right picture, (x + u, y + v) with u along the
// outputs and v across, each a whole number of cells plus an offset in
// drawing units, drawn in another orientation:
//   Left: (x - u, y + v), Down: (x - v, y + u), Up: (x - v, y - u).
struct Rotation {
    Orientation orientation;
    int x;
    int y;

    bool Valid() const { return ValidOrientation(orientation); }
    // The cell (x + u, y + v) carried over.
    int CellX(int u, int v) const;
    int CellY(int u, int v) const;
    QPointF Point(const Canvas& c, int u, double du, int v, double dv) const;
    // Connection flag of a cell that faces along the outputs (+1) or against them (-1).
    int16_t Flag(const GridCell& cell, int along) const;
};

// The number as its decimal text without blanks ("-1", "0", "1").
inline QString Digits(int v) { return QString::number(v); }

} // namespace symbols
