#include "render/symbol_patches.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "model/pin_cache.h"
#include "model/state.h"
#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"

namespace {

// Symbols kept: those whose look depends on the component's own pins and
// state only. Clock generators (the selected one), ICs (their levels) and text
// labels (drawn by the window) are always drawn.
bool Keepable(uint8_t type)
{
    switch (type) {
    case ElementType::LED:
    case ElementType::Switch:
    case ElementType::AND:
    case ElementType::OR:
    case ElementType::XOR:
    case ElementType::Inverter:
    case ElementType::HalfAdder:
    case ElementType::FullAdder:
    case ElementType::TriState:
    case ElementType::Multiplexer:
    case ElementType::Decoder:
    case ElementType::FlipFlop:
    case ElementType::ShiftRegister:
    case ElementType::SevenSegment:
    case ElementType::AnalysisSensor:
        return true;
    default:
        return false;
    }
}

struct Hash {
    uint64_t h = 1469598103934665603ull;
    void Add(uint64_t v)
    {
        h ^= v;
        h *= 1099511628211ull;
    }
};

// Symbols whose pixels show levels or a state: the LED, the switch, the
// display, the flip-flop and the shift register. The others show their cells'
// connections and markers only, which do not change while the power is on.
bool ShowsLevels(uint8_t type)
{
    switch (type) {
    case ElementType::LED:
    case ElementType::Switch:
    case ElementType::SevenSegment:
    case ElementType::FlipFlop:
    case ElementType::ShiftRegister:
        return true;
    default:
        return false;
    }
}

void AddLevels(Hash& k, const LevelRecord& level, const CachedPins& pins, int x, int y,
               int16_t e)
{
    const Grid& field = level.Field;
    auto value = [&](int px, int py) {
        return field.Contains(px, py) ? static_cast<uint16_t>(field(px, py).Value) : 0x8000u;
    };
    for (int i = 0; i < pins.InputCount && i < kPinTableSize; ++i)
        k.Add(value(pins.In[static_cast<size_t>(i)].X, pins.In[static_cast<size_t>(i)].Y));
    for (int i = 0; i < pins.OutputCount && i < kPinTableSize; ++i)
        k.Add(value(pins.Out[static_cast<size_t>(i)].X, pins.Out[static_cast<size_t>(i)].Y));
    k.Add(value(x, y));
    const ElementRecord& rec = level.Elements[static_cast<size_t>(e)];
    k.Add(static_cast<uint16_t>(rec.State));
    for (int16_t w : rec.StageWords)
        k.Add(static_cast<uint16_t>(w));
    k.Add(static_cast<uint32_t>(rec.Color));
}

constexpr int kMarginCells = 2;
constexpr int kFootprintReach = 8;
// However large the sheet, the pixels kept stay within this (a variant
// replaced within an element is still counted: the bound errs on the safe side).
constexpr size_t kBytesKept = 24u << 20;
constexpr size_t kVariantsKept = 8;
constexpr int32_t kBackA = 0x030201;
constexpr int32_t kBackB = 0xFCFDFE;

using SurfaceSettings = SymbolPatches::Settings;

// The settings varied to find out which a symbol takes over unset.
enum Group : unsigned { kFore = 1, kFill = 2, kFillStyle = 4, kFont = 8, kBold = 16, kCurrent = 32 };
constexpr unsigned kGroups[] = {kFore, kFill, kFillStyle, kFont, kBold, kCurrent};

SurfaceSettings Read(const Surface& d)
{
    SurfaceSettings v;
    v.fore = d.ForeColor;
    v.back = d.BackColor;
    v.fill = d.FillColor;
    v.fillStyle = d.FillStyle;
    v.drawWidth = d.DrawWidth;
    v.drawStyle = d.DrawStyle;
    v.fontName = d.FontName;
    v.fontSize = d.FontSize;
    v.fontBold = d.FontBold;
    v.fontTransparent = d.FontTransparent;
    v.currentX = d.CurrentX;
    v.currentY = d.CurrentY;
    return v;
}

void Write(Surface& d, const SurfaceSettings& v)
{
    d.ForeColor = v.fore;
    d.BackColor = v.back;
    d.FillColor = v.fill;
    d.FillStyle = v.fillStyle;
    d.DrawWidth = v.drawWidth;
    d.DrawStyle = v.drawStyle;
    d.FontName = v.fontName;
    d.FontSize = v.fontSize;
    d.FontBold = v.fontBold;
    d.FontTransparent = v.fontTransparent;
    d.CurrentX = v.currentX;
    d.CurrentY = v.currentY;
}

// The settings that differ between two drawings' results.
unsigned Differing(const SurfaceSettings& a, const SurfaceSettings& b)
{
    unsigned d = 0;
    if (a.fore != b.fore)
        d |= kFore;
    if (a.fill != b.fill)
        d |= kFill;
    if (a.fillStyle != b.fillStyle)
        d |= kFillStyle;
    if (a.fontName != b.fontName || a.fontSize != b.fontSize)
        d |= kFont;
    if (a.fontBold != b.fontBold)
        d |= kBold;
    if (a.currentX != b.currentX || a.currentY != b.currentY)
        d |= kCurrent;
    return d;
}

// SurfaceSettings that a symbol may take over unset and that change its pixels
// beyond recognition: they are part of the key instead of being varied.
uint64_t FixedSettings(const Surface& d)
{
    Hash k;
    k.Add(static_cast<uint64_t>(d.DrawWidth));
    k.Add(static_cast<uint64_t>(d.DrawStyle));
    k.Add(d.FontTransparent ? 1 : 0);
    k.Add(static_cast<uint32_t>(d.BackColor));
    return k.h;
}

// The settings with one group changed.
SurfaceSettings Varied(SurfaceSettings v, unsigned group)
{
    switch (group) {
    case kFore: v.fore ^= 0x5A5A5A; break;
    case kFill: v.fill ^= 0x3C3C3C; break;
    case kFillStyle: v.fillStyle = v.fillStyle == 0 ? 1 : 0; break;
    case kFont:
        v.fontName = v.fontName == QLatin1String("Arial") ? QStringLiteral("Courier New") : QStringLiteral("Arial");
        v.fontSize += 3;
        break;
    case kBold: v.fontBold = !v.fontBold; break;
    case kCurrent:
        v.currentX += 7;
        v.currentY += 5;
        break;
    default: break;
    }
    return v;
}

// The incoming settings of the groups a symbol reads.
uint64_t SettingsKey(uint64_t look, unsigned used, const Surface& d)
{
    Hash k;
    k.Add(look);
    if (used & kFore)
        k.Add(static_cast<uint32_t>(d.ForeColor));
    if (used & kFill)
        k.Add(static_cast<uint32_t>(d.FillColor));
    if (used & kFillStyle)
        k.Add(static_cast<uint64_t>(d.FillStyle));
    if (used & kFont) {
        k.Add(qHash(d.FontName));
        k.Add(std::bit_cast<uint64_t>(d.FontSize));
    }
    if (used & kBold)
        k.Add(d.FontBold ? 1 : 0);
    if (used & kCurrent) {
        k.Add(std::bit_cast<uint64_t>(d.CurrentX));
        k.Add(std::bit_cast<uint64_t>(d.CurrentY));
    }
    return k.h;
}

// Draws the symbol on a surface that holds only the patch, on a background.
struct Drawn {
    QImage image;
    SurfaceSettings after;
};

Drawn DrawOn(ProgramState& s, clsGrafik& g, PainterSurface& patch, QRect rect, int32_t back,
             const SurfaceSettings& before, int16_t x, int16_t y)
{
    patch.Line(rect.left(), rect.top(), rect.right(), rect.bottom(), back, LineMode::BoxFilled);
    Write(patch, before);
    Surface* was = g.Device;
    g.Device = &patch;
    DrawElement(s, g, x, y, false, true);
    g.Device = was;
    return Drawn{patch.Image().copy(), Read(patch)};
}

} // namespace

void SymbolPatches::Forget(int16_t e)
{
    if (building_)
        return;
    ++symbolsDrawn_;
    if (e > 0 && static_cast<size_t>(e) < kept_.size())
        kept_[static_cast<size_t>(e)].shown = false;
}

void SymbolPatches::ForgetAll()
{
    kept_.clear();
    lastPicture_ = nullptr;
    bytes_ = 0;
}

SymbolPatches::Kept* SymbolPatches::KeptFor(int16_t e)
{
    if (e <= 0)
        return nullptr;
    if (static_cast<size_t>(e) >= kept_.size())
        kept_.resize(static_cast<size_t>(e) + 1);
    return &kept_[static_cast<size_t>(e)];
}

bool SymbolPatches::Build(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y,
                          int16_t e, Variant& out)
{
    // The cells the symbol may reach: its pins and its own cells, and a margin.
    const CachedPins* pins = PowerOnPins(s, e, 0);
    int x0 = x, x1 = x, y0 = y, y1 = y;
    auto take = [&](int px, int py) {
        x0 = std::min(x0, px);
        x1 = std::max(x1, px);
        y0 = std::min(y0, py);
        y1 = std::max(y1, py);
    };
    if (pins) {
        for (int i = 0; i < pins->InputCount && i < kPinTableSize; ++i)
            take(pins->In[static_cast<size_t>(i)].X, pins->In[static_cast<size_t>(i)].Y);
        for (int i = 0; i < pins->OutputCount && i < kPinTableSize; ++i)
            take(pins->Out[static_cast<size_t>(i)].X, pins->Out[static_cast<size_t>(i)].Y);
    }
    const int fx0 = std::max(0, x0 - kFootprintReach), fx1 = std::min<int>(s.MaxX, x1 + kFootprintReach);
    const int fy0 = std::max(0, y0 - kFootprintReach), fy1 = std::min<int>(s.MaxY, y1 + kFootprintReach);
    for (int cx = fx0; cx <= fx1; ++cx)
        for (int cy = fy0; cy <= fy1; ++cy)
            if (s.P.Contains(cx, cy) && s.P(cx, cy).ElementNr == e)
                take(cx, cy);
    const double pitch = g.GridPixel * static_cast<double>(s.GridMode);
    const QRect whole(0, 0, picture.Width(), picture.Height());
    const QRect rect = QRect(QPoint(static_cast<int>(std::floor((x0 - kMarginCells) * pitch)),
                                    static_cast<int>(std::floor((y0 - kMarginCells) * pitch))),
                             QPoint(static_cast<int>(std::ceil((x1 + 1 + kMarginCells) * pitch)),
                                    static_cast<int>(std::ceil((y1 + 1 + kMarginCells) * pitch))))
                           .intersected(whole);
    if (rect.isEmpty())
        return false;

    // Drawn on two backgrounds: a pixel the symbol draws is the same on both.
    // Drawn again with each group of settings changed: a group that changes
    // the pixels is read, one that comes out changed is passed through.
    struct Building {
        bool& flag;
        explicit Building(bool& f) : flag(f) { flag = true; }
        ~Building() { flag = false; }
    } building(building_);
    PainterSurface patch(rect.width(), rect.height(), SurfaceKind::Worksheet);
    patch.BackColor = picture.BackColor;
    patch.HoldPart(whole.size(), rect);
    const SurfaceSettings before = Read(picture);
    const Drawn a = DrawOn(s, g, patch, rect, kBackA, before, x, y);
    const Drawn b = DrawOn(s, g, patch, rect, kBackB, before, x, y);
    unsigned used = 0;
    unsigned passed = 0;
    for (unsigned group : kGroups) {
        const Drawn c = DrawOn(s, g, patch, rect, kBackA, Varied(before, group), x, y);
        if (c.image != a.image)
            used |= group;
        else if (Differing(a.after, c.after) & group)
            passed |= group;
    }
    // A group passed through must come out as it went in.
    if (Differing(a.after, before) & passed)
        return false;

    QImage pixels(rect.size(), QImage::Format_ARGB32_Premultiplied);
    const int w = rect.width();
    const int h = rect.height();
    QRect ink;
    for (int row = 0; row < h; ++row) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.image.constScanLine(row));
        const QRgb* pb = reinterpret_cast<const QRgb*>(b.image.constScanLine(row));
        QRgb* dst = reinterpret_cast<QRgb*>(pixels.scanLine(row));
        int first = -1, last = -1;
        for (int col = 0; col < w; ++col) {
            const bool drawn = pa[col] == pb[col];
            dst[col] = drawn ? (pa[col] | 0xFF000000u) : 0u;
            if (drawn) {
                if (first < 0)
                    first = col;
                last = col;
            }
        }
        if (first >= 0)
            ink |= QRect(first, row, last - first + 1, 1);
    }
    // A symbol reaching the edge of its patch may reach beyond it.
    const QRect inside = QRect(QPoint(0, 0), rect.size())
                             .adjusted(rect.left() > 0 ? 1 : 0, rect.top() > 0 ? 1 : 0,
                                       rect.right() < whole.right() ? -1 : 0, rect.bottom() < whole.bottom() ? -1 : 0);
    if (!ink.isEmpty() && !inside.contains(ink))
        return false;
    if (ink.isEmpty())
        ink = QRect(0, 0, 1, 1);
    // Only the pixels drawn are kept, shared with an earlier look that has the same.
    pixels = pixels.copy(ink);
    out.rect = ink.translated(rect.topLeft());
    for (const Variant& other : KeptFor(e)->variants) {
        if (other.rect == out.rect && other.pixels == pixels) {
            pixels = other.pixels;
            break;
        }
    }
    out.used = used;
    out.passed = passed;
    out.rows.assign(static_cast<size_t>(pixels.height()), PainterSurface::PatchRow{1, 0});
    for (int row = 0; row < pixels.height(); ++row) {
        const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(row));
        PainterSurface::PatchRow& r = out.rows[static_cast<size_t>(row)];
        for (int col = 0; col < pixels.width(); ++col) {
            if (line[col] == 0)
                continue;
            if (r.first > r.last)
                r.first = col;
            r.last = col;
        }
    }
    out.pixels = std::move(pixels);
    out.after = a.after;
    return true;
}

bool SymbolPatches::Restore(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y,
                            QRect area)
{
    if (s.engine.PowerFlag == 0 || s.engine.InnerLevelShown != 0 || s.CurrentLevel != 0 || s.Levels.empty()
        || !s.P.Contains(x, y))
        return false;
    const int16_t e = s.P(x, y).ElementNr;
    const LevelRecord& level = s.Levels.front();
    if (e <= 0 || static_cast<size_t>(e) >= level.Elements.size() || static_cast<size_t>(e) >= s.Elements.size())
        return false;
    if (!Keepable(s.Elements[static_cast<size_t>(e)].Type))
        return false;
    Kept& kept = *KeptFor(e);
    if (kept.never)
        return false;
    if (kept.drawnPlain < kDrawnBeforeKept) {
        ++kept.drawnPlain;
        return false;
    }
    // The look: the surface and the zoom, and for a symbol that shows levels
    // or a state, the levels on its pins and cell, its state and what it holds.
    Hash k;
    k.Add(FixedSettings(picture));
    k.Add(std::bit_cast<uint32_t>(s.GridMode));
    k.Add(static_cast<uint64_t>(g.GridPixel));
    if (ShowsLevels(s.Elements[static_cast<size_t>(e)].Type)) {
        const CachedPins* pins = PowerOnPins(s, e, 0);
        if (!pins)
            return false;
        AddLevels(k, level, *pins, x, y, e);
    }
    const uint64_t look = k.h;

    const Variant* v = nullptr;
    for (const Variant& c : kept.variants) {
        if (c.look == look && c.key == SettingsKey(look, c.used, picture)) {
            v = &c;
            break;
        }
    }
    if (!v) {
        if (bytes_ >= kBytesKept) {
            ForgetAll();
            return false;
        }
        Variant made;
        if (!Build(s, g, picture, x, y, e, made)) {
            kept.never = true;
            kept.variants.clear();
            return false;
        }
        made.look = look;
        made.key = SettingsKey(look, made.used, picture);
        if (kept.variants.size() >= kVariantsKept)
            kept.variants.erase(kept.variants.begin());
        bytes_ += static_cast<size_t>(made.pixels.sizeInBytes()) + made.rows.size() * sizeof(made.rows[0]);
        kept.variants.push_back(std::move(made));
        v = &kept.variants.back();
    }
    // Looks that differ in the levels only often have the very same pixels.
    const bool same = kept.shown && kept.shownPixels == v->pixels.cacheKey() && kept.shownRect == v->rect;
    // Nothing drawn since these pixels went on here: the second cell of a
    // piece inside one symbol needs none.
    const bool again = same && &picture == lastPicture_ && picture.DrawCount() == lastDrawCount_
        && e == lastElement_ && area == lastArea_;
    if (!again)
        picture.PutPatch(v->pixels, v->rect.topLeft(), same ? area : v->rect, &v->rows);
    kept.shown = true;
    kept.shownPixels = v->pixels.cacheKey();
    kept.shownRect = v->rect;

    SurfaceSettings next = v->after;
    const SurfaceSettings came = Read(picture);
    if (v->passed & kFore)
        next.fore = came.fore;
    if (v->passed & kFill)
        next.fill = came.fill;
    if (v->passed & kFillStyle)
        next.fillStyle = came.fillStyle;
    if (v->passed & kFont) {
        next.fontName = came.fontName;
        next.fontSize = came.fontSize;
    }
    if (v->passed & kBold)
        next.fontBold = came.fontBold;
    if (v->passed & kCurrent) {
        next.currentX = came.currentX;
        next.currentY = came.currentY;
    }
    Write(picture, next);
    g.Orientation = s.Elements[static_cast<size_t>(e)].Orientation;
    lastPicture_ = &picture;
    lastDrawCount_ = picture.DrawCount();
    lastElement_ = e;
    lastArea_ = area;
    return true;
}
