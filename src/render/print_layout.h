#pragma once
// The printed page: its scale, the zoom that fits the worksheet on it, and
// the caption line below the circuit.
#include <QString>
#include <cstdint>

struct Circuit;

// The page scale in user units; the drawing's origin lies 500 units right of
// and 300 below the page's top-left corner.
constexpr double kPageLeft = -500;
constexpr double kPageTop = -300;
constexpr double kPageWidth = 5758;
constexpr double kPageHeight = 7999;

// Zoom factor for a worksheet of maxX x maxY cells: nine tenths of the scale at
// which the worksheet fills the page's width or its height, whichever is smaller,
// so that neither its right columns nor its bottom rows fall off the page.
// A size below one cell counts as one.
float PageZoom(int16_t maxX, int16_t maxY, int16_t gridPixel);

// The file the page of `level` shows: on an IC page (level not 0) the IC's
// definition file under programFolder, else the circuit file in use.
QString PageFileName(const Circuit& c, int16_t level, const QString& circuitFile, const QString& programFolder);
// "(" name ")", "<No name>" for an empty name.
QString CaptionText(const QString& fileName);
// Top of the caption: four rows below the circuit's last row (wanted), but
// never so low that a line of textHeight leaves the page.
double CaptionTop(double wanted, double textHeight);
