#pragma once
// Writing the IC being defined as an IC definition file.
#include <QByteArray>

struct Circuit;
struct CellRect;

// The file's bytes: the cells and elements of the worksheet relative to the
// crop box (the used area), the connectors, outline, graphic connectors,
// nested ICs, tags and notes.
QByteArray ICFileBytes(const Circuit& s, const CellRect& crop);
