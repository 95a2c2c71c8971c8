#pragma once
// Paints the editor's overlays (outlines, band, frame, handles) over the worksheet.
class QPainter;
struct WorksheetOverlay;

void PaintWorksheetOverlay(QPainter& painter, const WorksheetOverlay& overlay);
