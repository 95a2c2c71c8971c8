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
    // Symbols print single lines all the time: they need no splitting.
    if (!text.contains(u'\n')) {
        PrintLine(text);
        return;
    }
    for (const QString& line : SplitTextLines(text))
        PrintLine(line);
}

void Surface::PrintLine(const QString& line)
{
    if (!line.isEmpty()) {
        DrawTextLine(CurrentX, CurrentY, line);
        Drawn();
    }
    CurrentY += LineHeight() / PixelsPerUnitY();
    CurrentX = ScaleLeft();
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
    return lines.size() * LineHeight() / std::abs(PixelsPerUnitY());
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

namespace {

// A 96 dpi image stands in for the screen the picture boxes live on.
const QImage& Screen()
{
    static const QImage screen = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return screen;
}

} // namespace

QSizeF Surface::MeasureLine(const QString& line) const
{
    const QFontMetricsF& metrics = CurrentMetrics(&Screen());
    const QString shown = IsSymbolFont(FontName) ? SymbolToUnicode(line) : line;
    return QSizeF(metrics.horizontalAdvance(shown), metrics.height());
}

double Surface::LineHeight() const
{
    return CurrentLineHeight(&Screen());
}

Surface::FontEntry& Surface::CurrentEntry() const
{
    constexpr size_t kFontsKept = 8;
    auto matches = [this](const std::unique_ptr<FontEntry>& f) {
        return f->size == FontSize && f->bold == FontBold && f->name == FontName;
    };
    auto it = std::find_if(fonts_.begin(), fonts_.end(), matches);
    if (it == fonts_.end()) {
        if (fonts_.size() >= kFontsKept)
            fonts_.pop_back();
        auto entry = std::make_unique<FontEntry>();
        entry->name = FontName;
        entry->size = FontSize;
        entry->bold = FontBold;
        entry->font = MakeSurfaceFont(FontName, FontSize, FontBold);
        fonts_.insert(fonts_.begin(), std::move(entry));
    } else if (it != fonts_.begin()) {
        std::rotate(fonts_.begin(), it, it + 1);
    }
    return *fonts_.front();
}

Surface::FontEntry& Surface::CurrentEntryOn(const QPaintDevice* device) const
{
    FontEntry& c = CurrentEntry();
    if (c.device != device) {
        c.device = device;
        c.metrics.reset();
        c.wholeMetrics.reset();
        c.lineHeight.reset();
    }
    return c;
}

const QFont& Surface::CurrentFont() const
{
    return CurrentEntry().font;
}

const QFontMetricsF& Surface::CurrentMetrics(const QPaintDevice* device) const
{
    FontEntry& c = CurrentEntryOn(device);
    if (!c.metrics)
        c.metrics.emplace(c.font, device);
    return *c.metrics;
}

const QFontMetrics& Surface::CurrentWholeMetrics(const QPaintDevice* device) const
{
    FontEntry& c = CurrentEntryOn(device);
    if (!c.wholeMetrics)
        c.wholeMetrics.emplace(c.font, device);
    return *c.wholeMetrics;
}

double Surface::CurrentLineHeight(const QPaintDevice* device) const
{
    FontEntry& c = CurrentEntryOn(device);
    if (!c.lineHeight)
        c.lineHeight = CurrentMetrics(device).height();
    return *c.lineHeight;
}
