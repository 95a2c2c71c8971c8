#pragma once
// The surface that really draws: either on a picture of its own (the
// worksheet keeps its picture like an auto-redrawn picture box, and a widget
// shows it) or on an outside paint device such as a printer page.
#include "platform/surface.h"

#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPainter>
#include <memory>
#include <vector>

class QPaintDevice;

class PainterSurface : public Surface {
public:
    // An own picture of the given size (at least 1 x 1) at 96 dots per inch,
    // so that font point sizes give the same pixels as on the screen.
    PainterSurface(int width, int height, SurfaceKind kind = SurfaceKind::Worksheet);
    // The same with a picture that starts transparent and keeps its alpha:
    // what is drawn on it is opaque, the rest stays transparent.
    static std::unique_ptr<PainterSurface> Transparent(int width, int height, SurfaceKind kind);
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
    // !Image().isNull(), without asking the image.
    bool HasOwnPicture() const { return imageWidth_ > 0; }
    // Own picture only: keeps what overlaps, the new area gets BackColor. The
    // whole picture is held again.
    void Resize(int width, int height);

    // Own picture only: the picture is whole x whole pixels, of which only the
    // part `held` is kept (Image() is that part, its top-left pixel at
    // held.topLeft()). Drawing lands where it always would; what falls outside
    // the held part is dropped. A new part starts in BackColor: its owner draws
    // it from the circuit again.
    void HoldPart(QSize whole, QRect held);
    QRect HeldRect() const { return QRect(origin_, image_.size()); }
    // HeldRect().intersects(r) for a valid r, without asking the image.
    bool HeldIntersects(const QRect& r) const
    {
        if (!r.isValid())
            return HeldRect().intersects(r);
        return imageWidth_ > 0 && imageHeight_ > 0 && r.left() < origin_.x() + imageWidth_ && origin_.x() <= r.right()
            && r.top() < origin_.y() + imageHeight_ && origin_.y() <= r.bottom();
    }
    // A transparent picture only: every pixel transparent again.
    void MakeTransparent();
    // Puts the pixels of a premultiplied `patch` (whose top-left pixel is at
    // `at` on the whole picture) that are not fully transparent, inside `area`
    // only; `runs` may list them instead, as the stretches of opaque pixels of
    // each row (first and last column), in the order of the rows.
    struct PatchRun {
        int row;
        int first;
        int last;
    };
    struct PatchRuns {
        std::vector<PatchRun> runs;
        std::vector<int> rowStart; // the first run of each row, and one past the last
        // The patch's shape and whether it is premultiplied, read with the runs.
        int width = 0;
        int height = 0;
        qsizetype stride = 0;
        bool premultiplied = false;
    };
    void PutPatch(const QImage& patch, QPoint at, QRect area, const PatchRuns* runs = nullptr);
    // The stretches of opaque pixels of a premultiplied image, row by row.
    static PatchRuns OpaqueRuns(const QImage& patch);

    int Width() const override;
    int Height() const override;

    // The three strokes of a conductor piece, side by side: stroke k runs
    // along the piece (level when `level`, else upright) at across - 1 + k,
    // from from[k] to to[k] without its last pixel, in colors[k], as
    // TwoPointLine draws it. False, with nothing drawn, unless the strokes are
    // thin and solid and land whole on the own picture unscaled.
    bool PieceStrokes(bool level, int across, const int* from, const int* to, const int32_t* colors);
    // The same with the three strokes alike, as a High piece has them.
    bool PieceStrokesAlike(bool level, int across, int from, int to, int32_t color);

    // PSet(x, y, color) for each of the points in turn (whole pixels of the
    // current scale): the grid dots of a column, without a call chain per dot.
    void PSetColumn(int x, const int* ys, int count, int32_t color);

    // Without building a list: the conductors' pieces.
    void TwoPointLine(QPoint from, QPoint to) override;
    void TwoPointLines(const QPoint* points, int count) override;
    void TwoPointLines(const QPoint* points, const int32_t* colors, int count) override;
    void FilledBox(double x1, double y1, double x2, double y2, int32_t color) override;

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
    double LineHeight() const override;

private:
    QPaintDevice* Device() const;
    // The own picture's pixels for writing, without asking the image while it
    // is painted on.
    uchar* Bits() { return bits_ ? bits_ : image_.bits(); }
    void BeginPainting();
    QPoint DevicePoint(double x, double y) const;
    const QPen& Pen(int32_t color);
    const QBrush& FillBrush();
    void Stroke(QPoint from, QPoint to, int32_t color, bool omitLast);
    // PutPatch by the runs, of the patch whose pixels start at `from`.
    void PutRuns(const uchar* from, const PatchRuns& runs, QPoint at, QRect area);
    // True when the strokes may go straight into the picture by whole pixels.
    bool StraightStrokesFit(const QPoint* points, int count) const;
    // True when strokes are thin and solid and land on the own picture unscaled.
    bool ThinSolidOnOwnPicture() const
    {
        return painting_ && !outside_ && !HasUserScale() && DrawWidth <= 1 && (DrawStyle < 1 || DrawStyle > 5);
    }
    void ThinStrokes(const QPoint* points, const int32_t* colors, int count);
    // One stroke of ThinStrokes that may reach beyond the held picture.
    void ThinStroke(uchar* bits, QPoint from, QPoint to, int32_t color);
    void Box(QPoint a, QPoint b, int32_t color, bool filledWithColor);
    // An opaque rectangle of device pixels.
    void FillRect(const QRect& r, const QColor& color);
    void FillRect(const QRect& r, QRgb value);

    // A line of text as drawn in the current font, shaped once: symbols print
    // the same few labels over and over, and shaping costs more than drawing.
    struct ShapedLine {
        QList<QGlyphRun> runs;
        double ascent = 0; // of the layout line, which the run positions include
        int advance = 0;
    };
    struct ShapedKey {
        QString fontName;
        double fontSize;
        bool bold;
        QString text;
        bool operator==(const ShapedKey&) const = default;
    };
    friend size_t qHash(const ShapedKey& k, size_t seed)
    {
        return qHashMulti(seed, k.fontName, k.fontSize, k.bold, k.text);
    }
    // Sets the current font on the painter; glyph runs carry their own.
    void UsePainterFont();
    // Null where only the painter's own text drawing gives the same picture.
    const ShapedLine* Shaped(const QString& line, const QString& shown, const QFontMetrics& metrics);

    QImage image_;
    // The picture's shape, read once when it starts painting.
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    qsizetype imageStride_ = 0;
    bool painting_ = false; // painter_.isActive(), without the call
    uchar* bits_ = nullptr; // image_.bits() while painting_
    QSize whole_;    // empty: the image is the whole picture
    QPoint origin_;  // where the image's top-left pixel lies on the whole picture
    QPaintDevice* outside_ = nullptr;
    QPainter painter_;

    // The last pen and brush, rebuilt only when their settings change: symbols
    // draw with the same few over and over.
    QPen pen_;
    bool penBuilt_ = false;
    int32_t penColor_ = 0;
    int penWidth_ = 0;
    int penStyle_ = 0;
    QBrush brush_;
    bool brushBuilt_ = false;
    int32_t brushColor_ = 0;
    int brushStyle_ = 0;
    QHash<ShapedKey, ShapedLine> shaped_;
    // The colour of the last thin straight stroke.
    bool strokeColorKnown_ = false;
    int32_t strokeColor_ = 0;
    QRgb strokeRgb_ = 0;
};

// The pixels of a one-pixel line from one point to another, both included,
// in drawing order.
QList<QPoint> LinePixels(QPoint from, QPoint to);
