#pragma once
// The hidden picture: keeps its state and measures text like any surface,
// but draws nothing, so that code can place elements without showing them.
#include "platform/surface.h"

class NullSurface : public Surface {
public:
    explicit NullSurface(int width = 0, int height = 0)
        : Surface(SurfaceKind::Hidden), width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }

protected:
    void DrawLine(double, double, double, double, int32_t, LineMode) override {}
    void DrawCircle(double, double, double, int32_t) override {}
    void DrawPoint(double, double, int32_t) override {}
    void DrawTextLine(double, double, const QString&) override {}
    void DrawPolyline(const QList<QPoint>&) override {}
    void DrawPolygon(const QList<QPoint>&) override {}
    void DrawPixel(int, int, int32_t) override {}
    void Clear() override {}

private:
    int width_;
    int height_;
};
