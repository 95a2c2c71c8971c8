#pragma once
// A drawing surface as the circuit drawing code uses it: the state and the
// methods of a picture box (or of the printer), plus the three direct device
// calls the drawing code makes (Polyline, Polygon, SetPixel).
//
// Conventions, the same on every surface:
// - Coordinates are in the surface's current scale: device pixels unless a
//   user scale is set (the printer page). Fractions round half to even.
// - A plain Line and a Polyline leave out their last pixel, like the device
//   line calls of the old platform; a box covers both corners.
// - Line (plain and box), Circle and PSet move CurrentX/CurrentY to their end
//   point or centre; Print moves to the start of the next text line; Cls to
//   (0, 0); Polyline, Polygon and SetPixel leave them alone.
// - The direct device calls take the same coordinates as everything else,
//   also under a user scale (they do not fall back to raw printer pixels).
// - Nothing here resets the state behind the caller's back.
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

enum class SurfaceKind { Worksheet, Printer, Hidden };
// Plain: a line; Box: a rectangle in the colour, filled by FillStyle and
// FillColor; BoxFilled: a rectangle filled with the colour itself.
enum class LineMode { Plain, Box, BoxFilled };

class Surface {
public:
    explicit Surface(SurfaceKind kind) : kind_(kind) {}
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    SurfaceKind kind() const { return kind_; }

    // Colours are &HBBGGRR.
    int32_t ForeColor = 0;
    int32_t BackColor = 0xFFFFFF;
    int32_t FillColor = 0;
    int FillStyle = 1;  // 0 solid, 1 transparent, 2..7 hatched
    int DrawWidth = 1;  // pen width in device pixels
    int DrawStyle = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 no line, 6 solid
    QString FontName = QStringLiteral("MS Sans Serif");
    double FontSize = 8.25;  // points
    bool FontBold = false;
    bool FontTransparent = true;  // false: text cells are painted in BackColor first
    double CurrentX = 0;
    double CurrentY = 0;

    void Line(double x1, double y1, double x2, double y2, int32_t color,
              LineMode mode = LineMode::Plain);
    void Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, ForeColor); }
    // Outline in the colour, filled with FillColor unless FillStyle is 1; a
    // negative radius draws nothing.
    void Circle(double x, double y, double radius, int32_t color);
    void Circle(double x, double y, double radius) { Circle(x, y, radius, ForeColor); }
    // A DrawWidth wide dot.
    void PSet(double x, double y, int32_t color);
    void PSet(double x, double y) { PSet(x, y, ForeColor); }
    // Text in ForeColor with its top-left corner at CurrentX/CurrentY; line
    // breaks ("\r\n" or "\n") start a new line at ScaleLeft. Afterwards
    // CurrentX is ScaleLeft and CurrentY is one text line lower.
    void Print(const QString& text);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    // Everything in BackColor.
    void Cls();

    // Connected lines in ForeColor, DrawWidth and DrawStyle.
    void Polyline(const QList<QPoint>& points);
    // Polyline({from, to}); a device may draw it without building the list.
    virtual void TwoPointLine(QPoint from, QPoint to) { Polyline(QList<QPoint>{from, to}); }
    // TwoPointLine for each pair of points in turn (count pairs).
    virtual void TwoPointLines(const QPoint* points, int count)
    {
        for (int i = 0; i < count; ++i)
            TwoPointLine(points[2 * i], points[2 * i + 1]);
    }
    // The same with a colour for each stroke; ForeColor is left at the last.
    virtual void TwoPointLines(const QPoint* points, const int32_t* colors, int count)
    {
        for (int i = 0; i < count; ++i) {
            ForeColor = colors[i];
            TwoPointLines(points + 2 * i, 1);
        }
    }
    // Line(x1, y1, x2, y2, color, BoxFilled); a device may fill it without
    // the call chain (the juncture dots of every conductor piece).
    virtual void FilledBox(double x1, double y1, double x2, double y2, int32_t color)
    {
        Line(x1, y1, x2, y2, color, LineMode::BoxFilled);
    }
    // Outline in ForeColor, filled by FillStyle and FillColor.
    void Polygon(const QList<QPoint>& points);
    // One device pixel, whatever DrawWidth is.
    void SetPixel(int x, int y, int32_t color);

    // Size of the device in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // The user scale maps the rectangle (left, top, width, height) onto the
    // whole device; a width or height of 0 is RuntimeError 380. Without one,
    // the scale is device pixels from (0, 0).
    void SetScale(double left, double top, double width, double height);
    void ResetScale() { userScale_ = false; }
    bool HasUserScale() const { return userScale_; }
    double ScaleLeft() const { return userScale_ ? scaleLeft_ : 0.0; }
    double ScaleTop() const { return userScale_ ? scaleTop_ : 0.0; }
    double ScaleWidth() const { return userScale_ ? scaleWidth_ : Width(); }
    double ScaleHeight() const { return userScale_ ? scaleHeight_ : Height(); }
    // Device position (fractional) of a point of the current scale.
    QPointF ToDevice(double x, double y) const;
    // Device pixels per unit of the current scale.
    double PixelsPerUnitX() const;
    double PixelsPerUnitY() const;

    // Called after every primitive that may have changed the picture, so that a
    // window showing it can repaint whoever drew (engine, placing routines, redraw).
    std::function<void()> OnDrawn;

    // Counts the primitives drawn, so that a caller can tell that nothing was.
    uint64_t DrawCount() const { return drawCount_; }

protected:
    void Drawn()
    {
        ++drawCount_;
        if (OnDrawn)
            OnDrawn();
    }

    // Hooks of the devices, in the coordinates of the current scale.
    virtual void DrawLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) = 0;
    virtual void DrawCircle(double x, double y, double radius, int32_t color) = 0;
    virtual void DrawPoint(double x, double y, int32_t color) = 0;
    virtual void DrawTextLine(double x, double y, const QString& line) = 0;
    virtual void DrawPolyline(const QList<QPoint>& points) = 0;
    virtual void DrawPolygon(const QList<QPoint>& points) = 0;
    virtual void DrawPixel(int x, int y, int32_t color) = 0;
    virtual void Clear() = 0;
    // Size of one line of text in device pixels; by default measured at the
    // screen's 96 dots per inch.
    virtual QSizeF MeasureLine(const QString& line) const;
    // The height of MeasureLine, which does not depend on the text: printing
    // needs only this, and measuring a width shapes the text.
    virtual double LineHeight() const;
    // The font of FontName, FontSize and FontBold and its metrics on a device,
    // kept for the last few fonts used: symbols print and measure text
    // constantly, switching between a few sizes.
    const QFont& CurrentFont() const;
    const QFontMetricsF& CurrentMetrics(const QPaintDevice* device) const;
    const QFontMetrics& CurrentWholeMetrics(const QPaintDevice* device) const;
    double CurrentLineHeight(const QPaintDevice* device) const;

    SurfaceKind kind_;

private:
    void PrintLine(const QString& line);

    struct FontEntry {
        QString name;
        double size = -1;
        bool bold = false;
        QFont font;
        const QPaintDevice* device = nullptr;
        std::optional<QFontMetricsF> metrics;
        std::optional<QFontMetrics> wholeMetrics;
        std::optional<double> lineHeight;
    };
    // The entry of the current font settings; the second one measures on device.
    FontEntry& CurrentEntry() const;
    FontEntry& CurrentEntryOn(const QPaintDevice* device) const;
    // Most recently used first; held by pointer so that a returned font or
    // metrics stays where it is while the list is reordered.
    mutable std::vector<std::unique_ptr<FontEntry>> fonts_;

    uint64_t drawCount_ = 0;
    bool userScale_ = false;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double scaleWidth_ = 1;
    double scaleHeight_ = 1;
};

// The lines that Print puts one below the other.
QStringList SplitTextLines(const QString& text);
