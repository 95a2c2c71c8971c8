#pragma once
// The conductor-run map LineMap: every straight conductor run of P as its
// first cell and the column or row where it ends.
#include <cstdint>

struct Circuit;

// Records every run of P in LineMap, which the caller has cleared for
// columns 0..MaxX and rows 0..MaxY.
void AnalysiereLeitungen(Circuit& s);
// Walks right from (x, y) while the cell has ConRight, up to MaxX, marking
// each cell covered; returns the column where the run ends.
int16_t FindEndX(Circuit& s, int16_t x, int16_t y);
// The same downwards with ConDown and MaxY; returns the row.
int16_t FindEndY(Circuit& s, int16_t x, int16_t y);
