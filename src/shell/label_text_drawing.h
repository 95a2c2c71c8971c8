#pragma once
// Text labels on the worksheet: drawing one, and the cells its text covers.
#include <QString>
#include <cstdint>
#include <functional>

class Surface;
class clsGrafik;
struct Circuit;

// What drawing a label reads beside the circuit: the worksheet's zoom and
// label font, whether freed cells get their grid dot back, the cell/pixel
// conversion in force and the redraw of a cell rectangle.
struct LabelSheet {
    float zoom = 1;            // GridMode
    int16_t fontSize = 8;      // LabelFontSize
    bool gridDots = false;     // grid shown and the power off
    std::function<int32_t(int16_t)> toPixel;
    std::function<int16_t(int32_t)> toGrid;
    std::function<void(int16_t, int16_t, int16_t, int16_t)> redrawArea; // x1, y1, x2, y2, without text
};

// Draws text label n of `c` with the drawing object; oldText is its previous
// text when it has just changed, whose cells beyond the new text are freed
// (and their grid points drawn again on `grid`).
void DisplayBeschriftungsText(Circuit& c, const LabelSheet& sheet, clsGrafik& grafik, Surface& grid, int16_t n,
                              const QString& oldText);
