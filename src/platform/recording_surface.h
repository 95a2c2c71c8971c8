#pragma once
// A surface for tests of the drawing code: every drawing call becomes one
// line of text with the state it drew with, in call order.
//
//   Line x1,y1-x2,y2 color=C mode=Plain width=W
//   Line x1,y1-x2,y2 color=C mode=Box fill=F style=S width=W
//   Line x1,y1-x2,y2 color=C mode=BoxFilled width=W
//   Circle x,y r=R color=C fill=F style=S width=W
//   PSet x,y color=C width=W
//   Print x,y "text" font=NAME size=N bold=0|1 transparent=0|1 color=C   (one per text line)
//   Polyline x,y-x,y color=C width=W
//   Polygon x,y-x,y-... color=C fill=F style=S width=W
//   SetPixel x,y color=C
//   Cls back=C
//
// Numbers as the shortest decimal text ("59.5", "-1"); colours as 0 or 0x
// with upper-case hex digits ("0xC0FFFF"); style is FillStyle. A DrawStyle
// other than 0 adds " dash=N" to the lines, boxes, circles and polygons.
#include "platform/surface.h"

#include <QStringList>

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(SurfaceKind kind = SurfaceKind::Worksheet, int width = 640,
                              int height = 480);

    const QStringList& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    void SetKind(SurfaceKind kind) { kind_ = kind; }
    void SetSize(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }

protected:
    void DrawLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) override;
    void DrawCircle(double x, double y, double radius, int32_t color) override;
    void DrawPoint(double x, double y, int32_t color) override;
    void DrawTextLine(double x, double y, const QString& line) override;
    void DrawPolyline(const QList<QPoint>& points) override;
    void DrawPolygon(const QList<QPoint>& points) override;
    void DrawPixel(int x, int y, int32_t color) override;
    void Clear() override;

private:
    QString Pen() const;
    QString Fill() const;

    QStringList log_;
    int width_;
    int height_;
};

// "0" or "0x" and upper-case hex digits.
QString FormatBgr(int32_t color);
