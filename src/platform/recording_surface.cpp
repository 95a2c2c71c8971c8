#include "platform/recording_surface.h"

#include <algorithm>

namespace {

QString Num(double v)
{
    return QString::number(v, 'g', 12);
}

QString PointText(double x, double y)
{
    return Num(x) + QLatin1Char(',') + Num(y);
}

QString PointsText(const QList<QPoint>& points)
{
    QStringList parts;
    for (const QPoint& p : points)
        parts.append(PointText(p.x(), p.y()));
    return parts.join(QLatin1Char('-'));
}

} // namespace

QString FormatBgr(int32_t color)
{
    if (color == 0)
        return QStringLiteral("0");
    return QStringLiteral("0x") + QString::number(static_cast<uint32_t>(color), 16).toUpper();
}

RecordingSurface::RecordingSurface(SurfaceKind kind, int width, int height)
    : Surface(kind)
    , width_(std::max(width, 0))
    , height_(std::max(height, 0))
{
}

void RecordingSurface::SetSize(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
}

QString RecordingSurface::Pen() const
{
    QString text = QStringLiteral(" width=") + QString::number(DrawWidth);
    if (DrawStyle != 0)
        text += QStringLiteral(" dash=") + QString::number(DrawStyle);
    return text;
}

QString RecordingSurface::Fill() const
{
    return QStringLiteral(" fill=") + FormatBgr(FillColor) + QStringLiteral(" style=")
        + QString::number(FillStyle);
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode)
{
    QString text = QStringLiteral("Line ") + PointText(x1, y1) + QLatin1Char('-') + PointText(x2, y2)
        + QStringLiteral(" color=") + FormatBgr(color);
    switch (mode) {
    case LineMode::Plain: text += QStringLiteral(" mode=Plain"); break;
    case LineMode::Box: text += QStringLiteral(" mode=Box") + Fill(); break;
    case LineMode::BoxFilled: text += QStringLiteral(" mode=BoxFilled"); break;
    }
    log_.append(text + Pen());
}

void RecordingSurface::DrawCircle(double x, double y, double radius, int32_t color)
{
    log_.append(QStringLiteral("Circle ") + PointText(x, y) + QStringLiteral(" r=") + Num(radius)
                + QStringLiteral(" color=") + FormatBgr(color) + Fill() + Pen());
}

void RecordingSurface::DrawPoint(double x, double y, int32_t color)
{
    log_.append(QStringLiteral("PSet ") + PointText(x, y) + QStringLiteral(" color=") + FormatBgr(color)
                + QStringLiteral(" width=") + QString::number(DrawWidth));
}

void RecordingSurface::DrawTextLine(double x, double y, const QString& line)
{
    log_.append(QStringLiteral("Print ") + PointText(x, y) + QStringLiteral(" \"") + line
                + QStringLiteral("\" font=") + FontName + QStringLiteral(" size=") + Num(FontSize)
                + QStringLiteral(" bold=") + (FontBold ? QLatin1Char('1') : QLatin1Char('0'))
                + QStringLiteral(" transparent=") + (FontTransparent ? QLatin1Char('1') : QLatin1Char('0'))
                + QStringLiteral(" color=") + FormatBgr(ForeColor));
}

void RecordingSurface::DrawPolyline(const QList<QPoint>& points)
{
    log_.append(QStringLiteral("Polyline ") + PointsText(points) + QStringLiteral(" color=")
                + FormatBgr(ForeColor) + Pen());
}

void RecordingSurface::DrawPolygon(const QList<QPoint>& points)
{
    log_.append(QStringLiteral("Polygon ") + PointsText(points) + QStringLiteral(" color=")
                + FormatBgr(ForeColor) + Fill() + Pen());
}

void RecordingSurface::DrawPixel(int x, int y, int32_t color)
{
    log_.append(QStringLiteral("SetPixel ") + PointText(x, y) + QStringLiteral(" color=") + FormatBgr(color));
}

void RecordingSurface::Clear()
{
    log_.append(QStringLiteral("Cls back=") + FormatBgr(BackColor));
}
