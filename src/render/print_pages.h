#pragma once
// Printing the circuit: a page of the worksheet at the page's zoom with its
// caption, and the document of the main circuit and its IC pages.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "model/records.h"

struct Circuit;
struct ProgramState;
class Printer;
class Surface;
class clsGrafik;

// Draws the circuit in P (the main circuit or an IC level copied there) on
// page, fitted to it, and its caption. The drawing device, the zoom and
// CurrentLevel are the caller's again afterwards, also when drawing fails.
void PrintCircuit(ProgramState& s, clsGrafik& g, Surface& page, const QString& programFolder);
// The caption line of the page: the file name in brackets, at `left`, on
// `wantedTop` (four rows below the circuit) unless that leaves the page.
void PrintCaption(Surface& page, const QString& fileName, double left, double wantedTop);

// Prints one document: entry 0 of ICPageNames is the main circuit's page, each
// further entry the first IC level of that name on a page of its own. The
// number of copies is brought into 1..999 first. Afterwards the worksheet,
// the zoom, the drawing device and CurrentLevel are as before, whatever
// happened; false when the document did not reach the printer.
bool PrintPages(ProgramState& s, clsGrafik& g, Printer& printer, const QStringList& ICPageNames,
                const QString& programFolder);

// The worksheet put aside while IC levels take its place in P, in a save area
// of its own: the clipboard (Puffer, PufferElements, PufferElementCount) keeps
// what the user copied. The shown level is put back with it. Restores on destruction.
class PrintSaveArea {
public:
    PrintSaveArea(Circuit& c, int16_t& currentLevel);
    ~PrintSaveArea();
    PrintSaveArea(const PrintSaveArea&) = delete;
    PrintSaveArea& operator=(const PrintSaveArea&) = delete;

    // The worksheet takes the shape and contents of IC level `level`.
    void CopyArea(int16_t level);
    // The saved worksheet back in place (again and again, if need be).
    void RestoreArea();

private:
    void SaveArea();

    Circuit& s_;
    int16_t& shownLevel_;
    int16_t maxX_ = 0;
    int16_t maxY_ = 0;
    int16_t currentLevel_ = 0;
    Grid cells_;
    std::vector<ElementRecord> elements_;
    Array2D<LineMapEntry> lineMap_;
};
