#include "render/sheet_view.h"

#include <QScopeGuard>
#include <functional>

#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/painter_surface.h"
#include "platform/surface.h"
#include "render/clsGrafik.h"
#include "render/marker_symbols.h"
#include "render/redraw.h"
#include "render/symbol_table.h"

namespace {

constexpr int32_t kWhite = 0xFFFFFF;

// Where a juncture dot was: a white box, and stubs of the conductors that
// met there, unzoomed (the redraw of the cell then draws the real pieces).
void EraseJuncture(ProgramState& s, Surface& dev, int16_t x, int16_t y)
{
    if (!s.circuit.P.Contains(x, y))
        return;
    const GridCell& cell = s.circuit.P(x, y);
    const double cx = GridToPixel(s, x);
    const double cy = GridToPixel(s, y);
    dev.Line(cx - 2, cy - 4, cx + 2, cy + 2, kWhite, LineMode::BoxFilled);
    if (cell.ConLeft != 0)
        dev.Line(cx, cy, cx - 2, cy, 0);
    if (cell.ConRight != 0)
        dev.Line(cx, cy, cx + 4, cy, 0);
    if (cell.ConUp != 0)
        dev.Line(cx, cy, cx, cy - 5, 0);
    if (cell.ConDown != 0)
        dev.Line(cx, cy, cx, cy + 4, 0);
}

// The LED's square painted white before the LED goes.
void EraseLED(ProgramState& s, Surface& dev, int16_t x, int16_t y)
{
    const double cx = GridToPixel(s, x);
    const double cy = GridToPixel(s, y);
    const double r = CInt(s.CellSize * static_cast<double>(s.GridMode));
    dev.FillColor = kWhite;
    dev.Line(cx - r, cy - r, cx + r, cy + r, kWhite, LineMode::BoxFilled);
}

// The first of the rows from..to whose centre lies on or below the pixel row
// `pixel` (to + 1 when none), and the last whose centre lies on or above it
// (from - 1 when none): the centres grow with the row.
int16_t FirstRowFrom(const ProgramState& s, int16_t from, int16_t to, int pixel)
{
    int lo = from, hi = to + 1;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (GridToPixel(s, static_cast<int16_t>(mid)) < pixel)
            lo = mid + 1;
        else
            hi = mid;
    }
    return static_cast<int16_t>(lo);
}

int16_t LastRowTo(const ProgramState& s, int16_t from, int16_t to, int pixel)
{
    int lo = from - 1, hi = to;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (GridToPixel(s, static_cast<int16_t>(mid)) > pixel)
            hi = mid - 1;
        else
            lo = mid;
    }
    return static_cast<int16_t>(lo);
}

} // namespace

SheetView::SheetView(ProgramState& s, clsGrafik& grafik, Surface* picture)
    : s_(s), g_(grafik), picture_(picture), painterPicture_(dynamic_cast<PainterSurface*>(picture))
{
    s_.Changes.SetView(this);
}

SheetView::~SheetView()
{
    if (s_.Changes.View() == this)
        s_.Changes.SetView(nullptr);
}

void SheetView::Flush()
{
    if (s_.Changes.Empty())
        return;
    // What the drawing does may record nothing new, but take the list first all the same.
    std::vector<SheetChange> changes = s_.Changes.Take(std::move(spare_));
    Surface* const was = g_.Device;
    g_.Device = picture_;
    // Whoever shows the picture hears of it once, after all is drawn.
    std::function<void()> shown;
    uint64_t count = 0;
    if (picture_) {
        shown = std::move(picture_->OnDrawn);
        picture_->OnDrawn = nullptr;
        count = picture_->DrawCount();
    }
    g_.HoldPutBacks(true);
    const auto back = qScopeGuard([&] {
        g_.HoldPutBacks(false);
        g_.Device = was;
        changes.clear();
        spare_ = std::move(changes);
        if (picture_) {
            picture_->OnDrawn = std::move(shown);
            if (picture_->OnDrawn && picture_->DrawCount() != count)
                picture_->OnDrawn();
        }
    });
    for (const SheetChange& c : changes)
        Draw(c);
}

void SheetView::Draw(const SheetChange& c)
{
    // Only a piece may be drawn while symbol pixels are held back.
    if (c.kind != SheetChangeKind::Piece)
        g_.PutHeldBack();
    switch (c.kind) {
    case SheetChangeKind::Piece:
        g_.DrawLines(c.x, c.y, c.dir, (c.flags & kPieceHigh) ? 1 : 0, (c.flags & kPieceHereHigh) != 0,
                     (c.flags & kPieceThereHigh) != 0);
        break;
    case SheetChangeKind::Element:
        DrawElementChange(c);
        break;
    case SheetChangeKind::Marker:
        DrawMarker(s_, s_, g_, c.x, c.y, c.type);
        break;
    case SheetChangeKind::Run:
        g_.PaintLine(c.x, c.y, c.x2, c.y2);
        break;
    case SheetChangeKind::Area: {
        int16_t x1 = c.x, y1 = c.y, x2 = c.x2, y2 = c.y2;
        RedrawArea(s_, g_, x1, y1, x2, y2, false);
        break;
    }
    case SheetChangeKind::Level:
        RedrawAllElements(s_, g_, c.x);
        break;
    case SheetChangeKind::GridDots:
        EraseGridDots(c);
        // A dot may lie under a turned flip-flop's stub: putting back only
        // what differs between two of its looks would leave it erased.
        g_.GridDotsErased();
        break;
    case SheetChangeKind::LEDErased:
        if (picture_ && g_.OnWorksheet())
            EraseLED(s_, *picture_, c.x, c.y);
        break;
    case SheetChangeKind::JunctureErased:
        if (picture_ && g_.OnWorksheet())
            EraseJuncture(s_, *picture_, c.x, c.y);
        break;
    }
}

void SheetView::EraseGridDots(const SheetChange& c)
{
    if (!picture_ || s_.circuit.Levels.empty())
        return;
    const Grid& level0 = s_.circuit.Levels.front().Field;
    const auto empty = [&](int16_t y) { return level0.Contains(c.x, y) && level0(c.x, y).Type == 0; };
    int16_t from = c.y;
    int16_t to = c.y2;
    if (painterPicture_ && painterPicture_->HasOwnPicture() && !painterPicture_->HasUserScale()) {
        // Of a large picture only the part kept takes the dots: the rest of
        // the column is not walked, and the pen is left at its last dot.
        int16_t last = to;
        while (last >= from && !empty(last))
            --last;
        if (last < from)
            return;
        const QRect held = painterPicture_->HeldRect();
        const int reach = std::max(painterPicture_->DrawWidth, 1) + 1;
        const int px = GridToPixel(s_, c.x);
        if (px < held.left() - reach || px > held.right() + reach)
            to = static_cast<int16_t>(from - 1);
        from = FirstRowFrom(s_, from, to, held.top() - reach);
        to = LastRowTo(s_, from, to, held.bottom() + reach);
        dots_.clear();
        for (int16_t y = from; y <= to; ++y)
            if (empty(y))
                dots_.push_back(GridToPixel(s_, y));
        painterPicture_->PSetColumn(px, dots_.data(), static_cast<int>(dots_.size()), kWhite);
        painterPicture_->CurrentX = px;
        painterPicture_->CurrentY = GridToPixel(s_, last);
        return;
    }
    dots_.clear();
    for (int16_t y = from; y <= to; ++y)
        if (empty(y))
            dots_.push_back(GridToPixel(s_, y));
    for (int y : dots_)
        picture_->PSet(GridToPixel(s_, c.x), y, kWhite);
}

void SheetView::DrawElementChange(const SheetChange& c)
{
    if (c.orientation != Orientation::None)
        g_.Orientation = c.orientation;
    const bool flag = (c.flags & kElementFlag) != 0;
    const int16_t x = c.x;
    const int16_t y = c.y;
    // A running component whose look changed gets back what differs from its kept pixels.
    if (!flag && g_.RestoreLook(x, y))
        return;
    const SymbolRow& symbol = Symbol(c.type);
    if (symbol.draw == nullptr)
        return;
    // The IC symbol takes its pins from the shared tables when its cell has no link.
    if (symbol.readsParsedPins && s_.circuit.P.Contains(x, y))
        ParseInputPins(s_, s_.circuit.P(x, y).ElementNr, 0);
    symbol.draw(g_, {x, y, flag, c.x2});
}
