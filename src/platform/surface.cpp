#include "platform/surface.h"

#include "platform/font_map.h"
#include "platform/numeric.h"

#include <QFontMetricsF>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cmath>

QStringList SplitTextLines(const QString& text)
{
    QString joined = text;
    joined.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return joined.split(QLatin1Char('\n'));
}

void Surface::Line(double x1, double y1, double x2, double y2, int32_t color, LineMode mode)
{
    DrawLine(x1, y1, x2, y2, color, mode);
    Drawn();
    CurrentX = x2;
    CurrentY = y2;
}

void Surface::Circle(double x, double y, double radius, int32_t color)
{
    if (radius >= 0) {
        DrawCircle(x, y, radius, color);
        Drawn();
    }
    CurrentX = x;
    CurrentY = y;
}

void Surface::PSet(double x, double y, int32_t color)
{
    DrawPoint(x, y, color);
    Drawn();
    CurrentX = x;
    CurrentY = y;
}

void Surface::Print(const QString& text)
{
    for (const QString& line : SplitTextLines(text)) {
        if (!line.isEmpty()) {
            DrawTextLine(CurrentX, CurrentY, line);
            Drawn();
        }
        CurrentY += MeasureLine(line).height() / PixelsPerUnitY();
        CurrentX = ScaleLeft();
    }
}

double Surface::TextWidth(const QString& text) const
{
    double widest = 0;
    for (const QString& line : SplitTextLines(text))
        widest = std::max(widest, MeasureLine(line).width());
    return widest / std::abs(PixelsPerUnitX());
}

double Surface::TextHeight(const QString& text) const
{
    const QStringList lines = SplitTextLines(text);
    return lines.size() * MeasureLine(QString()).height() / std::abs(PixelsPerUnitY());
}

void Surface::Cls()
{
    Clear();
    Drawn();
    CurrentX = 0;
    CurrentY = 0;
}

void Surface::Polyline(const QList<QPoint>& points)
{
    if (points.size() >= 2) {
        DrawPolyline(points);
        Drawn();
    }
}

void Surface::Polygon(const QList<QPoint>& points)
{
    if (points.size() >= 2) {
        DrawPolygon(points);
        Drawn();
    }
}

void Surface::SetPixel(int x, int y, int32_t color)
{
    DrawPixel(x, y, color);
    Drawn();
}

void Surface::SetScale(double left, double top, double width, double height)
{
    if (width == 0 || height == 0 || !std::isfinite(width) || !std::isfinite(height)
        || !std::isfinite(left) || !std::isfinite(top))
        throw RuntimeError(380, "Invalid property value");
    userScale_ = true;
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = width;
    scaleHeight_ = height;
}

QPointF Surface::ToDevice(double x, double y) const
{
    return QPointF((x - ScaleLeft()) * PixelsPerUnitX(), (y - ScaleTop()) * PixelsPerUnitY());
}

// A device without pixels keeps pixel units, so that nothing divides by zero.
double Surface::PixelsPerUnitX() const
{
    return userScale_ && Width() > 0 ? Width() / scaleWidth_ : 1.0;
}

double Surface::PixelsPerUnitY() const
{
    return userScale_ && Height() > 0 ? Height() / scaleHeight_ : 1.0;
}

QSizeF Surface::MeasureLine(const QString& line) const
{
    // A 96 dpi image stands in for the screen the picture boxes live on.
    static const QImage screen = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    const QFontMetricsF& metrics = CurrentMetrics(&screen);
    const QString shown = IsSymbolFont(FontName) ? SymbolToUnicode(line) : line;
    return QSizeF(metrics.horizontalAdvance(shown), metrics.height());
}

const QFont& Surface::CurrentFont() const
{
    FontCache& c = fontCache_;
    if (c.size != FontSize || c.bold != FontBold || c.name != FontName) {
        c.name = FontName;
        c.size = FontSize;
        c.bold = FontBold;
        c.font = MakeSurfaceFont(FontName, FontSize, FontBold);
        c.metrics.reset();
        c.wholeMetrics.reset();
    }
    return c.font;
}

const QFontMetricsF& Surface::CurrentMetrics(const QPaintDevice* device) const
{
    const QFont& font = CurrentFont();
    FontCache& c = fontCache_;
    if (c.device != device) {
        c.device = device;
        c.metrics.reset();
        c.wholeMetrics.reset();
    }
    if (!c.metrics)
        c.metrics.emplace(font, device);
    return *c.metrics;
}

const QFontMetrics& Surface::CurrentWholeMetrics(const QPaintDevice* device) const
{
    CurrentMetrics(device);
    FontCache& c = fontCache_;
    if (!c.wholeMetrics)
        c.wholeMetrics.emplace(c.font, device);
    return *c.wholeMetrics;
}
