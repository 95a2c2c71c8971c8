#include "platform/painter_surface.h"

#include "platform/color.h"
#include "platform/font_map.h"
#include "platform/numeric.h"
#include "platform/pixel_rows.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kDotsPerMeter96Dpi = 3780;
// Far beyond any page, still safe for the rasterizer's fixed-point numbers.
constexpr double kCoordinateLimit = 1 << 22;
constexpr qsizetype kShapedLinesKept = 512;

bool Finite(double a, double b)
{
    return std::isfinite(a) && std::isfinite(b);
}

int ToPixel(double v)
{
    return static_cast<int>(std::clamp(RoundHalfEven(v), -kCoordinateLimit, kCoordinateLimit));
}

QRect Inclusive(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace

QList<QPoint> LinePixels(QPoint from, QPoint to)
{
    QList<QPoint> pixels;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    QPoint p = from;
    pixels.reserve(std::max(dx, -dy) + 1);
    for (;;) {
        pixels.append(p);
        if (p == to)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.ry() += sy;
        }
    }
    return pixels;
}

PainterSurface::PainterSurface(int width, int height, SurfaceKind kind)
    : Surface(kind)
    , image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32)
{
    image_.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image_.setDotsPerMeterY(kDotsPerMeter96Dpi);
    image_.fill(ColorFromBgr(BackColor));
    BeginPainting();
}

std::unique_ptr<PainterSurface> PainterSurface::Transparent(int width, int height, SurfaceKind kind)
{
    auto surface = std::make_unique<PainterSurface>(width, height, kind);
    surface->Finish();
    surface->image_ = surface->image_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    surface->image_.fill(Qt::transparent);
    surface->BeginPainting();
    return surface;
}

void PainterSurface::MakeTransparent()
{
    if (!outside_ && image_.hasAlphaChannel())
        image_.fill(Qt::transparent);
}

PainterSurface::PainterSurface(QPaintDevice* device, SurfaceKind kind)
    : Surface(kind)
    , outside_(device)
{
    if (outside_)
        BeginPainting();
}

PainterSurface::~PainterSurface()
{
    Finish();
}

void PainterSurface::Finish()
{
    if (painter_.isActive())
        painter_.end();
    painting_ = false;
    bits_ = nullptr;
}

void PainterSurface::BeginPainting()
{
    // Every new picture starts painting here: its shape is read once.
    imageWidth_ = image_.width();
    imageHeight_ = image_.height();
    imageStride_ = image_.bytesPerLine();
    painter_.begin(Device());
    painting_ = painter_.isActive();
    if (!painting_)
        return;
    // While a painter is on it the picture is never shared (a copy taken then
    // is a deep one), so its pixels stay where they are until it is replaced.
    bits_ = outside_ ? nullptr : image_.bits();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

QPaintDevice* PainterSurface::Device() const
{
    return outside_ ? outside_ : const_cast<QImage*>(&image_);
}

void PainterSurface::Resize(int width, int height)
{
    if (outside_)
        return;
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == image_.width() && height == image_.height() && whole_.isEmpty())
        return;
    const QPoint was = origin_;
    whole_ = QSize();
    origin_ = QPoint();
    Finish();
    QImage next(width, height, QImage::Format_RGB32);
    next.setDotsPerMeterX(kDotsPerMeter96Dpi);
    next.setDotsPerMeterY(kDotsPerMeter96Dpi);
    next.fill(ColorFromBgr(BackColor));
    {
        QPainter copy(&next);
        copy.drawImage(was, image_);
    }
    image_ = std::move(next);
    BeginPainting();
}

void PainterSurface::HoldPart(QSize whole, QRect held)
{
    if (outside_)
        return;
    whole = whole.expandedTo(QSize(1, 1));
    held = held.intersected(QRect(QPoint(0, 0), whole));
    if (held.isEmpty())
        held = QRect(0, 0, 1, 1);
    whole_ = whole;
    origin_ = held.topLeft();
    if (image_.size() != held.size()) {
        Finish();
        image_ = QImage(held.size(), image_.format());
        image_.setDotsPerMeterX(kDotsPerMeter96Dpi);
        image_.setDotsPerMeterY(kDotsPerMeter96Dpi);
        if (image_.hasAlphaChannel())
            image_.fill(Qt::transparent);
        else
            image_.fill(ColorFromBgr(BackColor));
        BeginPainting();
    } else if (image_.hasAlphaChannel()) {
        image_.fill(Qt::transparent);
    } else if (painter_.isActive()) {
        painter_.fillRect(image_.rect(), ColorFromBgr(BackColor));
    }
}

void PainterSurface::FillRect(const QRect& r, const QColor& color)
{
    if (outside_) {
        painter_.fillRect(r, color);
        return;
    }
    FillRect(r, color.rgb());
}

void PainterSurface::FillRect(const QRect& r, QRgb value)
{
    if (outside_) {
        painter_.fillRect(r, QColor::fromRgb(value));
        return;
    }
    // Straight into the own picture: an opaque colour replaces the pixels, as
    // the painter (no clip, no transform) would, without its setup per call.
    const int left = std::max(r.left(), 0);
    const int right = std::min(r.right(), imageWidth_ - 1);
    const int top = std::max(r.top(), 0);
    const int bottom = std::min(r.bottom(), imageHeight_ - 1);
    if (left > right || top > bottom)
        return;
    uchar* bits = Bits();
    const qsizetype stride = imageStride_;
    for (int y = top; y <= bottom; ++y)
        FillPixels(reinterpret_cast<QRgb*>(bits + y * stride) + left, right - left + 1, value);
}

void PainterSurface::PutPatch(const QImage& patch, QPoint at, QRect area, const PatchRuns* runs)
{
    if (runs) {
        // The patch's shape was read with its runs: no asking the image again.
        Q_ASSERT(patch.width() == runs->width && patch.height() == runs->height);
        if (runs->premultiplied && !outside_ && painting_)
            PutRuns(patch.constBits(), *runs, at, area);
        return;
    }
    if (!painter_.isActive() || outside_ || patch.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    // The patch's own pixels inside the area and on the held picture.
    const QPoint shift = at - origin_;
    const int left = std::max({area.left() - at.x(), 0, -shift.x()});
    const int right = std::min({area.right() - at.x(), patch.width() - 1, imageWidth_ - 1 - shift.x()});
    const int top = std::max({area.top() - at.y(), 0, -shift.y()});
    const int bottom = std::min({area.bottom() - at.y(), patch.height() - 1, imageHeight_ - 1 - shift.y()});
    if (left > right || top > bottom)
        return;
    uchar* bits = Bits();
    const qsizetype stride = imageStride_;
    const uchar* from = patch.constBits();
    const qsizetype fromStride = patch.bytesPerLine();
    // Opaque pixels replace, transparent ones leave the picture alone.
    for (int y = top; y <= bottom; ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(from + y * fromStride);
        QRgb* to = reinterpret_cast<QRgb*>(bits + (y + shift.y()) * stride) + shift.x();
        for (int x = left; x <= right; ++x)
            if (source[x] != 0)
                to[x] = source[x];
    }
    Drawn();
}

void PainterSurface::PutRuns(const uchar* from, const PatchRuns& runs, QPoint at, QRect area)
{
    // The patch's own pixels inside the area and on the held picture.
    const QPoint shift = at - origin_;
    const int left = std::max({area.left() - at.x(), 0, -shift.x()});
    const int right = std::min({area.right() - at.x(), runs.width - 1, imageWidth_ - 1 - shift.x()});
    const int top = std::max({area.top() - at.y(), 0, -shift.y()});
    const int bottom = std::min({area.bottom() - at.y(), runs.height - 1, imageHeight_ - 1 - shift.y()});
    if (left > right || top > bottom)
        return;
    uchar* bits = Bits();
    const qsizetype stride = imageStride_;
    const qsizetype fromStride = runs.stride;
    // Row by row, each stretch of opaque pixels copied whole.
    const PatchRun* run = runs.runs.data() + runs.rowStart[static_cast<size_t>(top)];
    const PatchRun* end = runs.runs.data() + runs.rowStart[static_cast<size_t>(bottom) + 1];
    for (; run != end; ++run) {
        const int first = std::max(run->first, left);
        const int last = std::min(run->last, right);
        if (first > last)
            continue;
        const QRgb* source = reinterpret_cast<const QRgb*>(from + run->row * fromStride) + first;
        QRgb* to = reinterpret_cast<QRgb*>(bits + (run->row + shift.y()) * stride) + first + shift.x();
        CopyPixels(to, source, last - first + 1);
    }
    Drawn();
}

PainterSurface::PatchRuns PainterSurface::OpaqueRuns(const QImage& patch)
{
    PatchRuns found;
    // Only premultiplied pixels are put back by their runs; other formats are
    // not read as such.
    if (patch.format() != QImage::Format_ARGB32_Premultiplied)
        return found;
    std::vector<PatchRun>& runs = found.runs;
    const int width = patch.width();
    const int height = patch.height();
    found.rowStart.reserve(static_cast<size_t>(height) + 1);
    for (int row = 0; row < height; ++row) {
        found.rowStart.push_back(static_cast<int>(runs.size()));
        const QRgb* line = reinterpret_cast<const QRgb*>(patch.constScanLine(row));
        for (int col = 0; col < width;) {
            // Transparent premultiplied pixels are all zero.
            while (col < width && line[col] == 0)
                ++col;
            if (col == width)
                break;
            const int first = col;
            while (col < width && line[col] != 0)
                ++col;
            runs.push_back(PatchRun{row, first, col - 1});
        }
    }
    found.rowStart.push_back(static_cast<int>(runs.size()));
    found.width = width;
    found.height = height;
    found.stride = patch.bytesPerLine();
    found.premultiplied = true;
    return found;
}

int PainterSurface::Width() const
{
    if (outside_)
        return outside_->width();
    return whole_.isEmpty() ? image_.width() : whole_.width();
}

int PainterSurface::Height() const
{
    if (outside_)
        return outside_->height();
    return whole_.isEmpty() ? image_.height() : whole_.height();
}

QPoint PainterSurface::DevicePoint(double x, double y) const
{
    // Moved after rounding, so that a held part has the pixels of the whole picture.
    const QPointF p = ToDevice(x, y);
    return QPoint(ToPixel(p.x()) - origin_.x(), ToPixel(p.y()) - origin_.y());
}

const QPen& PainterSurface::Pen(int32_t color)
{
    if (penBuilt_ && color == penColor_ && DrawWidth == penWidth_ && DrawStyle == penStyle_)
        return pen_;
    penBuilt_ = true;
    penColor_ = color;
    penWidth_ = DrawWidth;
    penStyle_ = DrawStyle;
    QPen pen(ColorFromBgr(color), std::max(DrawWidth, 1));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    switch (DrawStyle) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    case 5: pen.setStyle(Qt::NoPen); break;
    default: break;
    }
    pen_ = pen;
    return pen_;
}

const QBrush& PainterSurface::FillBrush()
{
    if (brushBuilt_ && FillColor == brushColor_ && FillStyle == brushStyle_)
        return brush_;
    brushBuilt_ = true;
    brushColor_ = FillColor;
    brushStyle_ = FillStyle;
    const QColor color = ColorFromBgr(FillColor);
    switch (FillStyle) {
    case 0: brush_ = QBrush(color); break;
    case 2: brush_ = QBrush(color, Qt::HorPattern); break;
    case 3: brush_ = QBrush(color, Qt::VerPattern); break;
    case 4: brush_ = QBrush(color, Qt::BDiagPattern); break;
    case 5: brush_ = QBrush(color, Qt::FDiagPattern); break;
    case 6: brush_ = QBrush(color, Qt::CrossPattern); break;
    case 7: brush_ = QBrush(color, Qt::DiagCrossPattern); break;
    default: brush_ = QBrush(Qt::NoBrush); break;
    }
    return brush_;
}

void PainterSurface::Stroke(QPoint from, QPoint to, int32_t color, bool omitLast)
{
    // The conductors' case, without building a pen: a thin solid straight line.
    const bool solid = DrawStyle < 1 || DrawStyle > 5;
    if (DrawWidth <= 1 && solid && (from.x() == to.x() || from.y() == to.y())) {
        if (omitLast) {
            if (from == to)
                return;
            to -= QPoint((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
        }
        if (!strokeColorKnown_ || color != strokeColor_) {
            strokeColorKnown_ = true;
            strokeColor_ = color;
            strokeRgb_ = RgbFromBgr(color);
        }
        FillRect(Inclusive(from, to), strokeRgb_);
        return;
    }
    const QPen& pen = Pen(color);
    if (pen.style() == Qt::NoPen)
        return;
    if (pen.width() > 1) {
        // A wide pen has round ends that cover the end point anyway.
        painter_.setPen(pen);
        painter_.drawLine(from, to);
        return;
    }
    if (pen.style() == Qt::SolidLine && (from.x() == to.x() || from.y() == to.y())) {
        // The pixels of a straight line are one rectangle; its end is a step short when left out.
        if (omitLast) {
            if (from == to)
                return;
            to -= QPoint((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
        }
        FillRect(Inclusive(from, to), pen.color());
        return;
    }
    QList<QPoint> pixels = LinePixels(from, to);
    if (omitLast)
        pixels.removeLast();
    if (pixels.isEmpty())
        return;
    if (pen.style() != Qt::SolidLine) {
        QPen square = pen;
        square.setCapStyle(Qt::SquareCap); // a one-pixel square cap covers the end pixel
        painter_.setPen(square);
        painter_.drawLine(pixels.first(), pixels.last());
        return;
    }
    painter_.setPen(pen);
    painter_.drawPoints(pixels.constData(), static_cast<int>(pixels.size()));
}

void PainterSurface::Box(QPoint a, QPoint b, int32_t color, bool filledWithColor)
{
    const QRect area = Inclusive(a, b);
    if (filledWithColor) {
        FillRect(area, ColorFromBgr(color));
        return;
    }
    const QBrush& brush = FillBrush();
    if (brush.style() != Qt::NoBrush)
        painter_.fillRect(area, brush);
    const QPen& pen = Pen(color);
    if (pen.style() == Qt::NoPen)
        return;
    if (pen.width() == 1 && pen.style() == Qt::SolidLine) {
        const QColor c = pen.color();
        FillRect(QRect(area.topLeft(), QPoint(area.right(), area.top())), c);
        FillRect(QRect(QPoint(area.left(), area.bottom()), area.bottomRight()), c);
        FillRect(QRect(area.topLeft(), QPoint(area.left(), area.bottom())), c);
        FillRect(QRect(QPoint(area.right(), area.top()), area.bottomRight()), c);
        return;
    }
    QPen square = pen;
    square.setCapStyle(Qt::SquareCap);
    square.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(square);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(area.topLeft(), QSize(area.width() - 1, area.height() - 1)));
}

void PainterSurface::DrawLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode)
{
    if (!painter_.isActive() || !Finite(x1, y1) || !Finite(x2, y2))
        return;
    const QPoint a = DevicePoint(x1, y1);
    const QPoint b = DevicePoint(x2, y2);
    if (mode == LineMode::Plain)
        Stroke(a, b, color, true);
    else
        Box(a, b, color, mode == LineMode::BoxFilled);
}

void PainterSurface::DrawCircle(double x, double y, double radius, int32_t color)
{
    if (!painter_.isActive() || !Finite(x, y) || !std::isfinite(radius))
        return;
    // Round on the device: the radius follows the horizontal scale.
    const int r = ToPixel(radius * std::abs(PixelsPerUnitX()));
    painter_.setPen(Pen(color));
    painter_.setBrush(FillBrush());
    painter_.drawEllipse(DevicePoint(x, y), r, r);
}

void PainterSurface::DrawPoint(double x, double y, int32_t color)
{
    if (!painter_.isActive() || !Finite(x, y))
        return;
    const QPoint p = DevicePoint(x, y);
    if (DrawWidth <= 1) {
        FillRect(QRect(p, QSize(1, 1)), ColorFromBgr(color));
        return;
    }
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ColorFromBgr(color));
    painter_.drawEllipse(QPointF(p), DrawWidth / 2.0, DrawWidth / 2.0);
}

void PainterSurface::DrawTextLine(double x, double y, const QString& line)
{
    if (!painter_.isActive() || !Finite(x, y))
        return;
    const QString shown = IsSymbolFont(FontName) ? SymbolToUnicode(line) : line;
    const QFontMetrics& metrics = CurrentWholeMetrics(Device());
    const QPoint topLeft = DevicePoint(x, y);
    const ShapedLine* shapedLine = Shaped(line, shown, metrics);
    if (!FontTransparent) {
        const int width = shapedLine ? shapedLine->advance : metrics.horizontalAdvance(shown);
        painter_.fillRect(QRect(topLeft, QSize(width, metrics.height())), ColorFromBgr(BackColor));
    }
    painter_.setPen(ColorFromBgr(ForeColor));
    const QPoint baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    if (!shapedLine) {
        UsePainterFont();
        painter_.drawText(baseline, shown);
        return;
    }
    const QPointF origin(baseline.x(), baseline.y() - shapedLine->ascent);
    for (const QGlyphRun& run : shapedLine->runs)
        painter_.drawGlyphRun(origin, run);
}

void PainterSurface::UsePainterFont()
{
    const QFont& font = CurrentFont();
    if (painter_.font() != font)
        painter_.setFont(font);
}

const PainterSurface::ShapedLine* PainterSurface::Shaped(const QString& line, const QString& shown,
                                                         const QFontMetrics& metrics)
{
    // A printer may keep the characters along with the glyphs; NaN sizes never match a key.
    if (outside_ || !std::isfinite(FontSize))
        return nullptr;
    ShapedKey key{FontName, FontSize, FontBold, line};
    if (auto found = shaped_.constFind(key); found != shaped_.cend())
        return &found.value();
    // Right-to-left and format characters are laid out differently from a painted line.
    for (const QChar c : shown) {
        const QChar::Direction d = c.direction();
        if (c.isSurrogate() || c.category() == QChar::Other_Format || d == QChar::DirR || d == QChar::DirAL
            || d == QChar::DirAN || (d >= QChar::DirLRE && d <= QChar::DirPDF) || d >= QChar::DirLRI)
            return nullptr;
    }
    // Laid out in the painter's font, which is the font its own drawing would take.
    UsePainterFont();
    QTextLayout layout(shown, painter_.font(), Device());
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine laidOut = layout.createLine();
    layout.endLayout();
    if (!laidOut.isValid())
        return nullptr;
    // Labels and names are few, but a sheet could still bring many.
    if (shaped_.size() >= kShapedLinesKept)
        shaped_.clear();
    ShapedLine& entry = shaped_[key];
    entry.runs = layout.glyphRuns();
    entry.ascent = laidOut.ascent();
    entry.advance = metrics.horizontalAdvance(shown);
    return &entry;
}

void PainterSurface::TwoPointLine(QPoint from, QPoint to)
{
    if (HasUserScale() || !painter_.isActive() || std::abs(from.x()) >= kCoordinateLimit
        || std::abs(from.y()) >= kCoordinateLimit || std::abs(to.x()) >= kCoordinateLimit
        || std::abs(to.y()) >= kCoordinateLimit) {
        Polyline(QList<QPoint>{from, to});
        return;
    }
    Stroke(from - origin_, to - origin_, ForeColor, true);
    Drawn();
}

bool PainterSurface::StraightStrokesFit(const QPoint* points, int count) const
{
    bool near = !HasUserScale() && painter_.isActive();
    for (int i = 0; near && i < 2 * count; ++i)
        near = std::abs(points[i].x()) < kCoordinateLimit && std::abs(points[i].y()) < kCoordinateLimit;
    return near;
}

void PainterSurface::TwoPointLines(const QPoint* points, int count)
{
    if (ThinSolidOnOwnPicture()) {
        ThinStrokes(points, nullptr, count);
        return;
    }
    if (!StraightStrokesFit(points, count)) {
        Surface::TwoPointLines(points, count);
        return;
    }
    for (int i = 0; i < count; ++i) {
        Stroke(points[2 * i] - origin_, points[2 * i + 1] - origin_, ForeColor, true);
        Drawn();
    }
}

void PainterSurface::TwoPointLines(const QPoint* points, const int32_t* colors, int count)
{
    if (count <= 0 || !ThinSolidOnOwnPicture()) {
        Surface::TwoPointLines(points, colors, count);
        return;
    }
    ThinStrokes(points, colors, count);
    ForeColor = colors[count - 1];
}


bool PainterSurface::PieceStrokesAlike(bool level, int across, int from, int to, int32_t color)
{
    if (!ThinSolidOnOwnPicture())
        return false;
    const int alongOrigin = level ? origin_.x() : origin_.y();
    const int first = across - 1 - (level ? origin_.y() : origin_.x());
    if (first < 0 || first + 2 >= (level ? imageHeight_ : imageWidth_))
        return false;
    const int a = from - alongOrigin;
    const int b = to - alongOrigin;
    const int lo = a < b ? a : b + 1;
    const int n = (a < b ? b - 1 : a) - lo + 1;
    if (n > 0 && (lo < 0 || lo + n > (level ? imageWidth_ : imageHeight_)))
        return false;
    uchar* const bits = Bits();
    const qsizetype stride = imageStride_;
    const QRgb value = RgbFromBgr(color);
    if (level) {
        uchar* row = bits + first * stride + static_cast<qsizetype>(lo) * 4;
        for (int k = 0; k < 3; ++k, row += stride)
            FillPixels(reinterpret_cast<QRgb*>(row), n, value);
    } else {
        // Upright: three pixels side by side on each row.
        uchar* row = bits + lo * stride + static_cast<qsizetype>(first) * 4;
        for (int i = 0; i < n; ++i, row += stride)
            FillPixels(reinterpret_cast<QRgb*>(row), 3, value);
    }
    Drawn();
    Drawn();
    Drawn();
    return true;
}

bool PainterSurface::PieceStrokes(bool level, int across, const int* from, const int* to, const int32_t* colors)
{
    if (!ThinSolidOnOwnPicture())
        return false;
    const int alongOrigin = level ? origin_.x() : origin_.y();
    const int acrossOrigin = level ? origin_.y() : origin_.x();
    const int alongSize = level ? imageWidth_ : imageHeight_;
    const int acrossSize = level ? imageHeight_ : imageWidth_;
    const int first = across - 1 - acrossOrigin;
    if (first < 0 || first + 2 >= acrossSize)
        return false;
    uchar* const bits = Bits();
    const qsizetype stride = imageStride_;
    int lo[3], hi[3];
    for (int k = 0; k < 3; ++k) {
        const int a = from[k] - alongOrigin;
        const int b = to[k] - alongOrigin;
        lo[k] = a < b ? a : b + 1;
        hi[k] = a < b ? b - 1 : a;
        if (lo[k] <= hi[k] && (lo[k] < 0 || hi[k] >= alongSize))
            return false;
    }
    for (int k = 0; k < 3; ++k) {
        const QRgb value = RgbFromBgr(colors[k]);
        if (level) {
            FillPixels(reinterpret_cast<QRgb*>(bits + (first + k) * stride) + lo[k], hi[k] - lo[k] + 1, value);
        } else {
            uchar* pixel = bits + lo[k] * stride + static_cast<qsizetype>(first + k) * 4;
            for (int y = lo[k]; y <= hi[k]; ++y, pixel += stride)
                *reinterpret_cast<QRgb*>(pixel) = value;
        }
        Drawn();
    }
    return true;
}

// The conductors' strokes: straight and one pixel wide, each a rectangle of
// pixels without its last one, written straight into the picture; without a
// colour each, in ForeColor. Each stroke is drawn as TwoPointLine draws it.
void PainterSurface::ThinStrokes(const QPoint* points, const int32_t* colors, int count)
{
    uchar* const bits = Bits();
    const qsizetype stride = imageStride_;
    const auto width = static_cast<unsigned>(imageWidth_);
    const auto height = static_cast<unsigned>(imageHeight_);
    for (int i = 0; i < count; ++i) {
        const int32_t color = colors ? colors[i] : ForeColor;
        const QPoint from = points[2 * i] - origin_;
        const QPoint to = points[2 * i + 1] - origin_;
        // Both ends on the held picture: nothing to clip.
        const bool inside = static_cast<unsigned>(from.x()) < width && static_cast<unsigned>(to.x()) < width
            && static_cast<unsigned>(from.y()) < height && static_cast<unsigned>(to.y()) < height;
        if (inside && from.y() == to.y()) {
            // Without its last pixel, towards whichever side the stroke runs.
            const int left = from.x() < to.x() ? from.x() : to.x() + 1;
            const int right = from.x() < to.x() ? to.x() - 1 : from.x();
            FillPixels(reinterpret_cast<QRgb*>(bits + from.y() * stride) + left, right - left + 1, RgbFromBgr(color));
            Drawn();
        } else if (inside && from.x() == to.x()) {
            const int top = from.y() < to.y() ? from.y() : to.y() + 1;
            const int bottom = from.y() < to.y() ? to.y() - 1 : from.y();
            const QRgb value = RgbFromBgr(color);
            uchar* pixel = bits + top * stride + static_cast<qsizetype>(from.x()) * 4;
            for (int y = top; y <= bottom; ++y, pixel += stride)
                *reinterpret_cast<QRgb*>(pixel) = value;
            Drawn();
        } else if (StraightStrokesFit(points + 2 * i, 1)) {
            ThinStroke(bits, from, to, color);
            Drawn();
        } else {
            ForeColor = color;
            TwoPointLine(points[2 * i], points[2 * i + 1]);
        }
    }
}

// One stroke of ThinStrokes that may reach beyond the held picture, in
// picture coordinates.
void PainterSurface::ThinStroke(uchar* bits, QPoint from, QPoint to, int32_t color)
{
    if (from == to)
        return;
    if (from.x() != to.x() && from.y() != to.y()) {
        Stroke(from, to, color, true);
        return;
    }
    to -= QPoint((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    const int left = std::max(std::min(from.x(), to.x()), 0);
    const int right = std::min(std::max(from.x(), to.x()), imageWidth_ - 1);
    const int top = std::max(std::min(from.y(), to.y()), 0);
    const int bottom = std::min(std::max(from.y(), to.y()), imageHeight_ - 1);
    if (left > right)
        return;
    const QRgb value = RgbFromBgr(color);
    const qsizetype stride = imageStride_;
    if (left == right) {
        // Upright: one pixel a row.
        for (int y = top; y <= bottom; ++y)
            reinterpret_cast<QRgb*>(bits + y * stride)[left] = value;
        return;
    }
    for (int y = top; y <= bottom; ++y)
        FillPixels(reinterpret_cast<QRgb*>(bits + y * stride) + left, right - left + 1, value);
}

void PainterSurface::FilledBox(double x1, double y1, double x2, double y2, int32_t color)
{
    if (HasUserScale() || outside_ || !painter_.isActive() || !Finite(x1, y1) || !Finite(x2, y2)) {
        Line(x1, y1, x2, y2, color, LineMode::BoxFilled);
        return;
    }
    // Unscaled, the corners are rounded as DevicePoint rounds them.
    const QPoint a(ToPixel(x1) - origin_.x(), ToPixel(y1) - origin_.y());
    const QPoint b(ToPixel(x2) - origin_.x(), ToPixel(y2) - origin_.y());
    FillRect(Inclusive(a, b), RgbFromBgr(color));
    Drawn();
    CurrentX = x2;
    CurrentY = y2;
}

void PainterSurface::PSetColumn(int x, const int* ys, int count, int32_t color)
{
    if (count <= 0)
        return;
    bool near = std::abs(x) < kCoordinateLimit;
    for (int i = 0; near && i < count; ++i)
        near = std::abs(ys[i]) < kCoordinateLimit;
    if (!near || HasUserScale() || outside_ || DrawWidth > 1 || !painter_.isActive()) {
        for (int i = 0; i < count; ++i)
            PSet(x, ys[i], color);
        return;
    }
    // Unscaled whole pixels land where they are: one opaque pixel each.
    const QRgb value = RgbFromBgr(color);
    const int column = x - origin_.x();
    const bool inside = column >= 0 && column < imageWidth_;
    uchar* bits = inside ? Bits() : nullptr;
    const qsizetype stride = imageStride_;
    for (int i = 0; i < count; ++i) {
        const int row = ys[i] - origin_.y();
        if (inside && row >= 0 && row < imageHeight_)
            reinterpret_cast<QRgb*>(bits + row * stride)[column] = value;
        Drawn();
    }
    CurrentX = x;
    CurrentY = ys[count - 1];
}

void PainterSurface::DrawPolyline(const QList<QPoint>& points)
{
    if (!painter_.isActive())
        return;
    if (!HasUserScale()) {
        // Whole device pixels already, as the conductors draw them.
        bool near = true;
        for (const QPoint& p : points)
            near = near && std::abs(p.x()) < kCoordinateLimit && std::abs(p.y()) < kCoordinateLimit;
        if (near) {
            for (qsizetype i = 1; i < points.size(); ++i)
                Stroke(points[i - 1] - origin_, points[i] - origin_, ForeColor, true);
            return;
        }
    }
    // Each piece leaves out its end, which the next piece starts with.
    for (qsizetype i = 1; i < points.size(); ++i) {
        Stroke(DevicePoint(points[i - 1].x(), points[i - 1].y()),
               DevicePoint(points[i].x(), points[i].y()), ForeColor, true);
    }
}

void PainterSurface::DrawPolygon(const QList<QPoint>& points)
{
    if (!painter_.isActive())
        return;
    QPolygon polygon;
    for (const QPoint& p : points)
        polygon.append(DevicePoint(p.x(), p.y()));
    painter_.setPen(Pen(ForeColor));
    painter_.setBrush(FillBrush());
    painter_.drawPolygon(polygon);
}

void PainterSurface::DrawPixel(int x, int y, int32_t color)
{
    if (painter_.isActive())
        FillRect(QRect(DevicePoint(x, y), QSize(1, 1)), ColorFromBgr(color));
}

void PainterSurface::Clear()
{
    if (painter_.isActive())
        painter_.fillRect(QRect(0, 0, Width(), Height()).translated(-origin_), ColorFromBgr(BackColor));
}

QSizeF PainterSurface::MeasureLine(const QString& line) const
{
    const QFontMetricsF& metrics = CurrentMetrics(Device());
    const QString shown = IsSymbolFont(FontName) ? SymbolToUnicode(line) : line;
    return QSizeF(metrics.horizontalAdvance(shown), metrics.height());
}

double PainterSurface::LineHeight() const
{
    return CurrentLineHeight(Device());
}
