#pragma once
// The whole worksheet drawn from the circuit's tables onto any surface, as the
// full redraw draws it on the worksheet picture: for the part of the picture
// the window holds, for Save as Bitmap and for printing, whatever part of the
// sheet the worksheet picture itself keeps.
#include <QImage>

#include "render/redraw.h"

class Surface;

// On a worksheet-kind surface the target is painted white first; on the
// printer nothing is cleared. The drawing object's Device is restored after.
// No window is touched (no progress, status or connector labels).
void DrawWholeSheet(CircuitRun& run, const ShownSheet& shown, clsGrafik& objGrafik, Surface& target);

// The whole worksheet picture at the current zoom, as Save as Bitmap writes it.
QImage WholeSheetPicture(CircuitRun& run, const ShownSheet& shown, clsGrafik& objGrafik);
