// The drawing object itself and its small routines: conductor pieces and
// runs, the negation dot, the LED, the switch, the analysis sensor and the
// straight-conductor end search.
#include "render/clsGrafik.h"

#include <typeinfo>

#include "model/geometry.h"
#include "model/state.h"
#include "render/marker_symbols.h"
#include "platform/numeric.h"
#include "platform/surface.h"
#include "render/redraw.h"
#include "render/symbol_helpers.h"
#include "render/symbol_patches.h"
#include "platform/painter_surface.h"

namespace {

constexpr int32_t kRed = 0xFF;
constexpr int32_t kGrey = 0x808080;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kSilver = 0xC0C0C0;
constexpr int32_t kUnlitLED = 0xE0E0E0;
constexpr int32_t kSensorFill = 0xFFFFC0;

// Made once at start-up: asked twice for every conductor piece.
const Grid kNoGrid;

const Grid& Level0Field(const ProgramState& s)
{
    return s.circuit.Levels.empty() ? kNoGrid : s.circuit.Levels.front().Field;
}

// The grid a cell's level is read from: the shown level while the power is
// on, else the worksheet.
const GridCell& ShownCellOr(const ProgramState& s, int x, int y)
{
    if (s.engine.PowerFlag != 0) {
        if (s.CurrentLevel < 0 || static_cast<size_t>(s.CurrentLevel) >= s.circuit.Levels.size())
            return CellOr(kNoGrid, x, y);
        return CellOr(s.circuit.Levels[static_cast<size_t>(s.CurrentLevel)].Field, x, y);
    }
    return CellOr(s.circuit.P, x, y);
}

bool IsHigh(const GridCell& cell)
{
    return cell.Value == kTrue;
}

} // namespace

clsGrafik::clsGrafik(ProgramState& s, Surface* device)
    : Device(device), s_(s), patches_(std::make_unique<SymbolPatches>())
{
}

clsGrafik::~clsGrafik() = default;

void clsGrafik::SymbolDrawnAt(int16_t x, int16_t y)
{
    if (s_.circuit.P.Contains(x, y))
        patches_->Forget(s_.circuit.P(x, y).ElementNr);
}

long long clsGrafik::SymbolsDrawn() const
{
    return patches_->SymbolsDrawn();
}

long long clsGrafik::LooksDrawn() const
{
    return patches_->LooksDrawn();
}

void clsGrafik::GridDotsErased()
{
    patches_->ForgetShown();
}

void clsGrafik::PictureCleared()
{
    patches_->ForgetAll();
}

PainterSurface* clsGrafik::KeptPicture() const
{
    return KeepSymbolPixels ? OwnPicture() : nullptr;
}

PainterSurface* clsGrafik::OwnPicture() const
{
    if (!Device || Device->kind() != SurfaceKind::Worksheet)
        return nullptr;
    // Asked for every conductor piece: the exact type is checked first, cheaply.
    auto* picture = typeid(*Device) == typeid(PainterSurface) ? static_cast<PainterSurface*>(Device)
                                                              : dynamic_cast<PainterSurface*>(Device);
    return picture && picture->HasOwnPicture() ? picture : nullptr;
}

bool clsGrafik::RefreshSymbol(int16_t x, int16_t y, const QRect& area, PainterSurface* picture)
{
    if (picture && patches_->Restore(s_, *this, *picture, x, y, area))
        return true;
    DrawElement(s_, *this, x, y, false, true);
    return false;
}

bool clsGrafik::RestoreLook(int16_t x, int16_t y)
{
    PainterSurface* picture = KeptPicture();
    return picture && patches_->RestoreWhole(s_, *this, *picture, x, y);
}

int clsGrafik::CentreSlow(int i)
{
    // Worked out once per zoom: every conductor piece needs four.
    if (centresZoom_ != s_.GridMode) {
        centres_.clear();
        centresZoom_ = s_.GridMode;
    }
    if (i < 0 || i > 32767)
        return GridToPixel(s_, static_cast<int16_t>(i));
    if (static_cast<size_t>(i) >= centres_.size()) {
        const size_t from = centres_.size();
        centres_.resize(static_cast<size_t>(i) + 64);
        for (size_t k = from; k < centres_.size(); ++k)
            centres_[k] = GridToPixel(s_, static_cast<int16_t>(std::min<size_t>(k, 32767)));
    }
    return centres_[static_cast<size_t>(i)];
}

bool clsGrafik::OnWorksheet() const
{
    return Device != nullptr && Device->kind() == SurfaceKind::Worksheet;
}

bool clsGrafik::OnPrinter() const
{
    return Device != nullptr && Device->kind() == SurfaceKind::Printer;
}

int16_t clsGrafik::GridPixelZoomed() const
{
    // The product is a single, as the old arithmetic had it: 14 x 1.25 = 17.5 -> 18.
    return CInt(static_cast<double>(static_cast<float>(GridPixel) * s_.GridMode));
}

void clsGrafik::DrawLines(int16_t x, int16_t y, Direction dir, uint8_t mode)
{
    const int back = dir == Direction::Left ? 1 : (dir == Direction::Right ? -1 : 0);
    const int up = dir == Direction::Up ? 1 : (dir == Direction::Down ? -1 : 0);
    const Grid& level0 = Level0Field(s_);
    DrawLines(x, y, dir, mode, IsHigh(CellOr(level0, x, y)), IsHigh(CellOr(level0, x + back, y + up)));
}

void clsGrafik::DrawLines(int16_t x, int16_t y, Direction dir, uint8_t mode, bool hereHigh, bool thereHigh)
{
    s_.CurrentLevel = 0;
    // The cell the signal came from: the neighbour behind its travel.
    const int dx = dir == Direction::Left ? 1 : (dir == Direction::Right ? -1 : 0);
    const int dy = dir == Direction::Up ? 1 : (dir == Direction::Down ? -1 : 0);
    const int xn = x + dx;
    const int yn = y + dy;
    const Grid& level0 = Level0Field(s_);
    const PieceEnds ends{x, y, static_cast<int16_t>(xn), static_cast<int16_t>(yn), &CellOr(s_.circuit.P, x, y),
                         &CellOr(s_.circuit.P, xn, yn), &CellOr(level0, x, y), &CellOr(level0, xn, yn)};
    if (ends.here->Type == 0 || ends.there->Type == 0 || Device == nullptr)
        return;
    const int cx = Centre(x);
    const int cy = Centre(y);
    const int nx = Centre(xn);
    const int ny = Centre(yn);
    // Symbol pixels held back go on first unless the piece keeps clear of them.
    const QRect area = PieceArea(ends, QPoint(cx, cy), QPoint(nx, ny));
    if (patches_->HoldsPutBacks()) {
        const auto element = [](const GridCell* sheet, const GridCell* level) {
            return level->Type == ElementType::Conductor ? int16_t{0} : sheet->ElementNr;
        };
        patches_->BeforePiece(*Device, area, ends.here0->Marker != 0 || ends.there0->Marker != 0,
                              element(ends.here, ends.here0), element(ends.there, ends.there0));
    }
    PainterSurface* const picture = OwnPicture();
    if (mode == 0 || mode == 1) {
        PieceGeometry g{x, y, dx, dy, cx, cy, nx, ny, hereHigh, thereHigh};
        if (!picture || (dx == 0) == (dy == 0) || !PieceOnPicture(*picture, g, mode))
            PieceStrokes(g, mode);
    }
    PieceDrawn(ends, area, KeepSymbolPixels ? picture : nullptr);
}

// The ends along a Low piece of its two white edges, the one before and the
// one after it across (above and below, or left and right). Each end is
// pulled back where a perpendicular conductor joins that cell from the
// edge's side, so that the joining conductor keeps its pixels.
clsGrafik::Edges clsGrafik::WhiteEdges(const PieceGeometry& g) const
{
    const Grid& level0 = Level0Field(s_);
    auto pulled = [](int end, int step, bool joined, bool high, int sign) {
        if (!joined)
            return end;
        return end + sign * (high ? 2 * step : step);
    };
    const int xn = g.x + g.dx, yn = g.y + g.dy;
    bool beforeHere, beforeThere, afterHere, afterThere;
    int step, c, n;
    if (g.dy == 0) {
        step = g.dx, c = g.cx, n = g.nx;
        beforeHere = g.y > 0 && CellOr(level0, g.x, g.y - 1).ConDown != 0;
        beforeThere = g.y > 0 && CellOr(level0, xn, g.y - 1).ConDown != 0;
        afterHere = CellOr(level0, g.x, g.y + 1).ConUp != 0;
        afterThere = CellOr(level0, xn, g.y + 1).ConUp != 0;
    } else {
        step = g.dy, c = g.cy, n = g.ny;
        beforeHere = g.x > 0 && CellOr(level0, g.x - 1, g.y).ConRight != 0;
        beforeThere = g.x > 0 && CellOr(level0, g.x - 1, yn).ConRight != 0;
        afterHere = CellOr(level0, g.x + 1, g.y).ConLeft != 0;
        afterThere = CellOr(level0, g.x + 1, yn).ConLeft != 0;
    }
    Edges e;
    e.from[0] = pulled(n, step, beforeThere, g.thereHigh, -1);
    e.to[0] = pulled(c, step, beforeHere, g.hereHigh, 1) - step;
    e.from[1] = pulled(n, step, afterThere, g.thereHigh, -1);
    e.to[1] = pulled(c, step, afterHere, g.hereHigh, 1) - step;
    return e;
}

// A piece straight into the worksheet's own picture: its three strokes side
// by side, without a list of points.
bool clsGrafik::PieceOnPicture(PainterSurface& picture, const PieceGeometry& g, uint8_t mode) const
{
    const bool level = g.dy == 0;
    const int across = level ? g.cy : g.cx;
    const int from = level ? g.nx : g.ny;
    const int to = level ? g.cx - g.dx : g.cy - g.dy;
    if (mode == 1) {
        if (!picture.PieceStrokesAlike(level, across, from, to, kRed))
            return false;
        picture.ForeColor = kRed;
        return true;
    }
    const Edges e = WhiteEdges(g);
    const int froms[3] = {e.from[0], from, e.from[1]};
    const int tos[3] = {e.to[0], to, e.to[1]};
    const int32_t colors[3] = {kWhite, kGrey, kWhite};
    if (!picture.PieceStrokes(level, across, froms, tos, colors))
        return false;
    picture.ForeColor = kWhite;
    return true;
}

// A piece on any surface, stroke by stroke.
void clsGrafik::PieceStrokes(const PieceGeometry& g, uint8_t mode)
{
    Surface& dev = *Device;
    const int dx = g.dx, dy = g.dy, cx = g.cx, cy = g.cy, nx = g.nx, ny = g.ny;
    // The strokes of one colour go to the surface together.
    QPoint strokes[6];
    int count = 0;
    auto stroke = [&](int x1, int y1, int x2, int y2) {
        strokes[2 * count] = QPoint(x1, y1);
        strokes[2 * count + 1] = QPoint(x2, y2);
        ++count;
    };
    if (mode == 1) {
        dev.ForeColor = kRed;
        stroke(nx + dy, ny + dx, cx + dy - dx, cy + dx - dy);
        stroke(nx, ny, cx - dx, cy - dy);
        stroke(nx - dy, ny - dx, cx - dx - dy, cy - dy - dx);
        dev.TwoPointLines(strokes, count);
        return;
    }
    // The grey middle and the white edges go to the surface in one call.
    stroke(nx, ny, cx - dx, cy - dy);
    if ((dx == 0) != (dy == 0)) {
        const Edges e = WhiteEdges(g);
        if (dy == 0) {
            stroke(e.from[0], cy - 1, e.to[0], cy - 1);
            stroke(e.from[1], cy + 1, e.to[1], cy + 1);
        } else {
            stroke(cx - 1, e.from[0], cx - 1, e.to[0]);
            stroke(cx + 1, e.from[1], cx + 1, e.to[1]);
        }
    }
    const int32_t colors[3] = {kGrey, kWhite, kWhite};
    dev.TwoPointLines(strokes, colors, count);
    dev.ForeColor = kWhite;
}

// The pixels a piece may touch: its three strokes, side by side across it,
// and the white edges, whose ends may reach two pixels further along it; and
// the markers drawn on its cells.
QRect clsGrafik::PieceAreaWithMarkers(const PieceEnds& ends, QPoint herePixel, QPoint therePixel) const
{
    const int cx = herePixel.x(), cy = herePixel.y(), nx = therePixel.x(), ny = therePixel.y();
    const int16_t hereMarker = ends.here0->Marker;
    const int16_t thereMarker = ends.there0->Marker;
    // The piece grown by two pixels, and a marker's cell by a zoomed cell and two.
    int left = std::min(cx, nx) - 2, top = std::min(cy, ny) - 2;
    int right = std::max(cx, nx) + 2, bottom = std::max(cy, ny) + 2;
    const int reach = GridPixelZoomed() + 2;
    for (const QPoint& p : {hereMarker != 0 ? herePixel : therePixel, thereMarker != 0 ? therePixel : herePixel}) {
        left = std::min(left, p.x() - reach);
        top = std::min(top, p.y() - reach);
        right = std::max(right, p.x() + reach);
        bottom = std::max(bottom, p.y() + reach);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void clsGrafik::HoldPutBacks(bool hold)
{
    patches_->HoldPutBacks(hold);
}

void clsGrafik::PutHeldBack()
{
    patches_->PutHeld();
}

// What sits on the two cells of a piece just drawn goes on top of it again.
void clsGrafik::PieceDrawn(const PieceEnds& ends, const QRect& area, PainterSurface* kept)
{
    const int16_t x = ends.x, y = ends.y, xn = ends.xn, yn = ends.yn;
    // What sits on the two cells is drawn again over the new piece.
    const int16_t hereMarker = ends.here0->Marker;
    const int16_t thereMarker = ends.there0->Marker;
    if (hereMarker == -1)
        ShowJuncture(s_, s_, s_.CurrentLevel, *this, x, y);
    if (thereMarker == -1)
        ShowJuncture(s_, s_, s_.CurrentLevel, *this, xn, yn);
    if (hereMarker == 1)
        ShowCouplingDiode(s_, s_, *this, x, y);
    if (thereMarker == 1)
        ShowCouplingDiode(s_, s_, *this, xn, yn);
    // A piece inside one component puts its kept pixels back once.
    bool restored = false;
    if (ends.there0->Type != ElementType::Conductor)
        restored = RefreshSymbol(xn, yn, area, kept);
    const int16_t e = ends.here->ElementNr;
    if (restored && e > 0 && e == ends.there->ElementNr)
        return;
    if (ends.here0->Type != ElementType::Conductor)
        RefreshSymbol(x, y, area, kept);
}

void clsGrafik::PaintLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    if (Device == nullptr)
        return;
    Surface& dev = *Device;
    const int px1 = GridToPixel(s_, x1);
    const int py1 = GridToPixel(s_, y1);
    const int px2 = GridToPixel(s_, x2);
    const int py2 = GridToPixel(s_, y2);
    const bool horizontal = py1 == py2;
    const GridCell& a = CellOr(s_.circuit.P, x1, y1);
    const GridCell& b = CellOr(s_.circuit.P, x2, y2);
    const bool high = horizontal ? (a.WireSignalH == kTrue && b.WireSignalH == kTrue)
                                 : (a.WireSignalV == kTrue && b.WireSignalV == kTrue);
    if (high) {
        dev.ForeColor = kRed;
        for (int k : {0, 1, -1}) {
            if (horizontal)
                dev.TwoPointLine(QPoint(px1, py1 + k), QPoint(px2 + 1, py2 + k));
            else
                dev.TwoPointLine(QPoint(px1 + k, py1), QPoint(px2 + k, py2 + 1));
        }
    } else {
        dev.ForeColor = kGrey;
        if (OnWorksheet())
            dev.TwoPointLine(QPoint(px1, py1), QPoint(px2, py2));
        else
            dev.Line(px1, py1, px2, py2, s_.LineColor);
    }
}

void clsGrafik::DrawNegationsPunkt(int16_t x, int16_t y)
{
    if (Device == nullptr)
        return;
    Surface& dev = *Device;
    const int16_t e = CellOr(s_.circuit.P, x, y).ElementNr;
    symbols::LoadInputPins(s_, e, 0);
    bool input = false;
    for (int i = 0; i < s_.InputPinCount && i < kPinTableSize; ++i) {
        const PinPos& pin = s_.InputPins[static_cast<size_t>(i)];
        if (pin.X == x && pin.Y == y)
            input = true;
    }
    const int d = CInt(static_cast<double>(4.0f * s_.GridMode));
    // Outwards from the pin cell, towards its conductor.
    int ox = 0;
    int oy = 0;
    switch (ElementOr(s_.circuit, e).Orientation) {
    case Orientation::Left: ox = input ? d : -d; break;
    case Orientation::Right: ox = input ? -d : d; break;
    case Orientation::Up: oy = input ? d : -d; break;
    case Orientation::Down: oy = input ? -d : d; break;
    default: break;
    }
    dev.FillColor = OnPrinter() ? kWhite : kSilver;
    dev.FillStyle = 0;
    dev.Circle(GridToPixel(s_, x) + ox, GridToPixel(s_, y) + oy, static_cast<double>(3.0f * s_.GridMode));
}

void clsGrafik::DrawDiode(int16_t x, int16_t y)
{
    SymbolDrawnAt(x, y);
    if (Device == nullptr)
        return;
    Surface& dev = *Device;
    dev.FillStyle = 0;
    const bool lit = ShownCellOr(s_, x, y).Value != 0;
    if (lit)
        dev.FillColor = ElementOr(s_.circuit, CellOr(s_.circuit.P, x, y).ElementNr).Color;
    else if (OnPrinter() && s_.engine.PowerFlag == 0)
        dev.FillColor = kWhite;
    else
        dev.FillColor = kUnlitLED;
    dev.Circle(GridToPixel(s_, x), GridToPixel(s_, y), static_cast<double>(6.0f * s_.GridMode));
}

void clsGrafik::DrawSwitch(int16_t x, int16_t y)
{
    SymbolDrawnAt(x, y);
    if (Device == nullptr)
        return;
    Surface& dev = *Device;
    ZoomedPitch = GridPixelZoomed();
    const double z = ZoomedPitch;
    const double cx = GridToPixel(s_, x);
    const double cy = GridToPixel(s_, y);
    dev.FillStyle = 0;
    dev.FillColor = OnPrinter() ? kWhite : kSilver;
    dev.Line(cx - z / 3, cy - z / 3, cx + z / 3, cy + z / 3, s_.LineColor, LineMode::Box);
    dev.FontName = QStringLiteral("Arial");
    dev.FontTransparent = true;
    dev.FontSize = static_cast<double>((OnWorksheet() ? 7.0f : 0.74f) * s_.GridMode);
    dev.ForeColor = 0;
    dev.CurrentX = cx - z / 5;
    dev.CurrentY = cy - z / 2.75;
    const int16_t level = ShownCellOr(s_, x, y).Value;
    if (level == 0)
        dev.Print(QStringLiteral("0"));
    else if (level == kTrue)
        dev.Print(QStringLiteral("1"));
    dev.FillStyle = 1;
    if (OnPrinter())
        dev.Line(cx - z / 3, cy - z / 3, cx + z / 3, cy + z / 3, s_.LineColor, LineMode::Box);
}

void clsGrafik::DrawAnalysepunkt(int16_t x, int16_t y)
{
    if (Device == nullptr || OnPrinter())
        return;
    Surface& dev = *Device;
    const double g = s_.GridMode;
    const double cx = GridToPixel(s_, x);
    const double cy = GridToPixel(s_, y);
    dev.FillStyle = 0;
    dev.ForeColor = 0;
    dev.FillColor = kSensorFill;
    dev.Circle(cx, cy, static_cast<double>(6.0f * s_.GridMode));
    dev.FontName = QStringLiteral("Arial");
    dev.FontSize = static_cast<double>(7.0f * s_.GridMode);
    dev.CurrentX = cx - 2 * g;
    dev.CurrentY = cy - 5 * g;
    dev.Print(ElementOr(s_.circuit, CellOr(s_.circuit.P, x, y).ElementNr).Label);
}

int16_t clsGrafik::SearchEndX(int16_t x, int16_t y, Direction dir, int16_t /*unused*/)
{
    switch (dir) {
    case Direction::Right:
        for (int i = x + 1; i <= s_.circuit.MaxX; ++i) {
            const GridCell& c = CellOr(s_.circuit.P, i, y);
            if (c.Type != ElementType::Conductor || c.ConRight == 0)
                return static_cast<int16_t>(i);
        }
        return 0;
    case Direction::Left:
        for (int i = x - 1; i >= 0; --i) {
            const GridCell& c = CellOr(s_.circuit.P, i, y);
            if (c.Type != ElementType::Conductor || c.ConLeft == 0)
                return static_cast<int16_t>(i);
        }
        return 0;
    case Direction::Up:
    case Direction::Down:
        return x;
    default:
        return 0;
    }
}

int16_t clsGrafik::SearchEndY(int16_t x, int16_t y, Direction dir, int16_t /*unused*/)
{
    switch (dir) {
    case Direction::Down:
        for (int j = y + 1; j <= s_.circuit.MaxY; ++j) {
            const GridCell& c = CellOr(s_.circuit.P, x, j);
            if (c.Type != ElementType::Conductor || c.ConDown == 0)
                return static_cast<int16_t>(j);
        }
        return 0;
    case Direction::Up:
        for (int j = y - 1; j >= 0; --j) {
            const GridCell& c = CellOr(s_.circuit.P, x, j);
            if (c.Type != ElementType::Conductor || c.ConUp == 0)
                return static_cast<int16_t>(j);
        }
        return 0;
    case Direction::Left:
    case Direction::Right:
        return y;
    default:
        return 0;
    }
}
