#include "shell/worksheet_overlay_painter.h"

#include <QPainter>

#include "editing/worksheet_editor.h"

namespace {

QColor FromBgr(int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void Shape(QPainter& p, const OverlayShape& r, bool filled)
{
    if (!r.Visible)
        return;
    QPen pen(FromBgr(r.BorderColor));
    pen.setStyle(r.BorderStyle == 3 ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(filled ? QBrush(FromBgr(r.BorderColor)) : QBrush(Qt::NoBrush));
    p.drawRect(QRectF(r.Left, r.Top, std::max(0.0, r.Width - 1), std::max(0.0, r.Height - 1)));
}

void Line(QPainter& p, const OverlayLine& l, const QPen& pen)
{
    if (!l.Visible)
        return;
    p.setPen(pen);
    p.drawLine(QPointF(l.X1, l.Y1), QPointF(l.X2, l.Y2));
}

} // namespace

void PaintWorksheetOverlay(QPainter& painter, const WorksheetOverlay& overlay)
{
    painter.save();
    const QPen grey(QColor(0x80, 0x80, 0x80));
    Shape(painter, overlay.picRahmen, false);
    for (const OverlayLine& l : overlay.LineRahmen)
        Line(painter, l, grey);
    Shape(painter, overlay.picBox, true);
    QPen band(QColor(0x80, 0x80, 0x80));
    band.setWidth(2);
    Line(painter, overlay.LeitungH, band);
    Line(painter, overlay.LeitungV, band);
    for (const OverlayShape& b : overlay.picBorder)
        Shape(painter, b, false);
    for (const OverlayShape& h : overlay.PObj)
        Shape(painter, h, true);
    painter.restore();
}
