#pragma once
// Text labels on the worksheet: drawing one, and the cells its text covers.
#include <QString>
#include <cstdint>

class Surface;
class clsGrafik;
struct ProgramState;

// Draws text label n with the drawing object; oldText is its previous text
// when it has just changed, whose cells beyond the new text are freed (and
// their grid points drawn again on `grid`).
void DisplayBeschriftungsText(ProgramState& s, clsGrafik& grafik, Surface& grid, int16_t n, const QString& oldText);
