#pragma once
// The surface that really draws: either on a picture of its own (the
// worksheet keeps its picture like an auto-redrawn picture box, and a widget
// shows it) or on an outside paint device such as a printer page.
#include "platform/surface.h"

#include <QImage>
#include <QPainter>

class QPaintDevice;

class PainterSurface : public Surface {
public:
    // An own picture of the given size (at least 1 x 1) at 96 dots per inch,
    // so that font point sizes give the same pixels as on the screen.
    PainterSurface(int width, int height, SurfaceKind kind = SurfaceKind::Worksheet);
    // Draws on the device until Finish or destruction; the device must outlive
    // this surface. A printer goes on to its next page with its own newPage();
    // its document is complete after Finish.
    PainterSurface(QPaintDevice* device, SurfaceKind kind);
    ~PainterSurface() override;

    // False when the device could not be opened for painting (then nothing is drawn).
    bool IsActive() const { return painter_.isActive(); }
    void Finish();
    // The own picture (null for an outside device). It is painted in place:
    // take a copy() to keep a snapshot.
    const QImage& Image() const { return image_; }
    // Own picture only: keeps what overlaps, the new area gets BackColor.
    void Resize(int width, int height);

    int Width() const override;
    int Height() const override;

protected:
    void DrawLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) override;
    void DrawCircle(double x, double y, double radius, int32_t color) override;
    void DrawPoint(double x, double y, int32_t color) override;
    void DrawTextLine(double x, double y, const QString& line) override;
    void DrawPolyline(const QList<QPoint>& points) override;
    void DrawPolygon(const QList<QPoint>& points) override;
    void DrawPixel(int x, int y, int32_t color) override;
    void Clear() override;
    QSizeF MeasureLine(const QString& line) const override;

private:
    QPaintDevice* Device() const;
    void BeginPainting();
    QPoint DevicePoint(double x, double y) const;
    QPen Pen(int32_t color) const;
    QBrush FillBrush() const;
    void Stroke(QPoint from, QPoint to, int32_t color, bool omitLast);
    void Box(QPoint a, QPoint b, int32_t color, bool filledWithColor);

    QImage image_;
    QPaintDevice* outside_ = nullptr;
    QPainter painter_;
};

// The pixels of a one-pixel line from one point to another, both included,
// in drawing order.
QList<QPoint> LinePixels(QPoint from, QPoint to);
