#include "render/symbol_patches.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>

#include "model/components.h"
#include "model/pin_cache.h"
#include "model/state.h"
#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "render/look_differences.h"
#include "render/redraw.h"

namespace {

// The two facts of the component rows asked for every conductor piece,
// copied once into a table the compiler reads without a call.
struct TypeFacts {
    bool kept = false;
    bool showsLevels = false;
};
const std::array<TypeFacts, 256> kTypeFacts = [] {
    std::array<TypeFacts, 256> facts{};
    for (size_t t = 0; t < facts.size(); ++t)
        facts[t] = TypeFacts{Component(static_cast<uint8_t>(t)).symbolKept,
                             Component(static_cast<uint8_t>(t)).showsLevels};
    return facts;
}();

// Symbols kept: those whose look depends on the component's own pins and
// state only. ICs (their levels) and text labels (drawn by the window) are
// always drawn.
bool Keepable(uint8_t type) { return kTypeFacts[type].kept; }

// Symbols whose look changes while the power is on, drawn whole when it does.
bool ChangesLook(uint8_t type) { return kTypeFacts[type].showsLevels; }

struct Hash {
    uint64_t h = 1469598103934665603ull;
    void Add(uint64_t v)
    {
        h ^= v;
        h *= 1099511628211ull;
    }
};

// Symbols whose pixels show levels or a state. The others show their
// cells' connections and markers only, which do not change while the power is on.
bool ShowsLevels(uint8_t type) { return kTypeFacts[type].showsLevels; }

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

constexpr int kMarginCells = 1;
// The cells around a symbol's pins whose content its drawing may read.
constexpr int kShapeReach = 2;
constexpr int kFootprintReach = 8;
// However large the sheet, the pixels kept stay within this (a variant
// replaced within an element is still counted: the bound errs on the safe side).
constexpr size_t kBytesKept = 24u << 20;
constexpr size_t kVariantsKept = 8;

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
    if (!d.FontName.isSharedWith(v.fontName))
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

// Whether the surface has the settings `a` in every group a look and its key
// read (compared bit for bit, as the key hashes them).
bool SameReads(const SurfaceSettings& a, const Surface& d, unsigned used)
{
    auto same = [](double x, double y) { return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(y); };
    if (a.drawWidth != d.DrawWidth || a.drawStyle != d.DrawStyle || a.fontTransparent != d.FontTransparent
        || a.back != d.BackColor)
        return false;
    if (((used & kFore) && a.fore != d.ForeColor) || ((used & kFill) && a.fill != d.FillColor)
        || ((used & kFillStyle) && a.fillStyle != d.FillStyle) || ((used & kBold) && a.fontBold != d.FontBold))
        return false;
    if ((used & kFont) && (!same(a.fontSize, d.FontSize) || a.fontName != d.FontName))
        return false;
    return !(used & kCurrent) || (same(a.currentX, d.CurrentX) && same(a.currentY, d.CurrentY));
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

// Draws the symbol on a transparent surface that holds only the patch; the
// settings it leaves.
SurfaceSettings DrawOn(ProgramState& s, clsGrafik& g, PainterSurface& patch, const SurfaceSettings& before, int16_t x,
                       int16_t y, bool whole)
{
    patch.MakeTransparent();
    Write(patch, before);
    Surface* was = g.Device;
    g.Device = &patch;
    DrawElement(s, g, x, y, false, !whole);
    g.Device = was;
    return Read(patch);
}

// The cells from (x0, y0) to (x1, y1).
struct CellBox {
    int x0, x1, y0, y1;
    void Take(int x, int y)
    {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
};

// The cell (x, y) and the pins.
CellBox PinBox(const CachedPins* pins, int x, int y)
{
    CellBox box{x, x, y, y};
    if (pins) {
        for (int i = 0; i < pins->InputCount && i < kPinTableSize; ++i)
            box.Take(pins->In[static_cast<size_t>(i)].X, pins->In[static_cast<size_t>(i)].Y);
        for (int i = 0; i < pins->OutputCount && i < kPinTableSize; ++i)
            box.Take(pins->Out[static_cast<size_t>(i)].X, pins->Out[static_cast<size_t>(i)].Y);
    }
    return box;
}

uint64_t Relative(PinPos p, int x, int y)
{
    return static_cast<uint32_t>((p.X - x) * 65536 + (p.Y - y));
}

// The pixels a symbol may reach on the whole picture: its pins and its own
// cells, and a margin.
QRect SymbolReach(ProgramState& s, const clsGrafik& g, int16_t x, int16_t y, int16_t e)
{
    CellBox box = PinBox(PowerOnPins(s, e, 0), x, y);
    const int fx0 = std::max(0, box.x0 - kFootprintReach), fx1 = std::min<int>(s.circuit.MaxX, box.x1 + kFootprintReach);
    const int fy0 = std::max(0, box.y0 - kFootprintReach), fy1 = std::min<int>(s.circuit.MaxY, box.y1 + kFootprintReach);
    for (int cx = fx0; cx <= fx1; ++cx)
        for (int cy = fy0; cy <= fy1; ++cy)
            if (s.circuit.P.Contains(cx, cy) && s.circuit.P(cx, cy).ElementNr == e)
                box.Take(cx, cy);
    const double pitch = g.GridPixel * static_cast<double>(s.GridMode);
    return QRect(QPoint(static_cast<int>(std::floor((box.x0 - kMarginCells) * pitch)),
                        static_cast<int>(std::floor((box.y0 - kMarginCells) * pitch))),
                 QPoint(static_cast<int>(std::ceil((box.x1 + 1 + kMarginCells) * pitch)),
                        static_cast<int>(std::ceil((box.y1 + 1 + kMarginCells) * pitch))));
}

// The look: the surface and the zoom, and for a symbol that shows levels or
// a state, the levels on its pins and cell, its state and what it holds.
std::optional<uint64_t> LookOf(ProgramState& s, const clsGrafik& g, const Surface& picture, int16_t x, int16_t y,
                               int16_t e)
{
    const uint8_t type = s.circuit.Elements[static_cast<size_t>(e)].Type;
    Hash k;
    k.Add(FixedSettings(picture));
    k.Add(std::bit_cast<uint32_t>(s.GridMode));
    k.Add(static_cast<uint64_t>(g.GridPixel));
    if (ShowsLevels(type)) {
        const CachedPins* pins = PowerOnPins(s, e, 0);
        if (!pins)
            return std::nullopt;
        AddLevels(k, s.circuit.Levels.front(), *pins, x, y, e);
    }
    if (type == ElementType::ClockGenerator)
        k.Add(IsSelectedClock(s, s.SelectedClock, e) ? 1 : 0);
    return k.h;
}

// What a symbol's pixels depend on besides its levels, its state and the
// surface, relative to its anchor cell (x, y): its element record, its pins,
// the cells around them, and where the anchor lies within a pixel (two
// components a whole number of pixels apart draw the same pixels, shifted).
// `origin` is the pixel the anchor cell starts on.
uint64_t ShapeOf(CircuitRun& s, const SheetScale& scale, const clsGrafik& g, int16_t x, int16_t y, int16_t e, QPoint& origin)
{
    const ElementRecord& rec = s.circuit.Elements[static_cast<size_t>(e)];
    Hash k;
    k.Add(rec.Type);
    k.Add(Code(rec.Orientation));
    k.Add(qHash(rec.Label));
    k.Add(static_cast<uint16_t>(rec.State));
    k.Add(static_cast<uint32_t>(rec.Color));
    for (int16_t w : rec.StageWords)
        k.Add(static_cast<uint16_t>(w));
    const CachedPins* pins = PowerOnPins(s, e, 0);
    if (pins) {
        for (int i = 0; i < pins->InputCount && i < kPinTableSize; ++i)
            k.Add(Relative(pins->In[static_cast<size_t>(i)], x, y));
        k.Add(0xFFFF);
        for (int i = 0; i < pins->OutputCount && i < kPinTableSize; ++i)
            k.Add(Relative(pins->Out[static_cast<size_t>(i)], x, y));
    }
    const CellBox box = PinBox(pins, x, y);
    for (int cx = box.x0 - kShapeReach; cx <= box.x1 + kShapeReach; ++cx) {
        for (int cy = box.y0 - kShapeReach; cy <= box.y1 + kShapeReach; ++cy) {
            if (!s.circuit.P.Contains(cx, cy)) {
                k.Add(0xDEAD);
                continue;
            }
            const GridCell& c = s.circuit.P(cx, cy);
            k.Add(c.Type | (static_cast<uint64_t>(c.ICConnector) << 8) | (static_cast<uint64_t>(c.ICLink) << 16)
                  | (static_cast<uint64_t>(c.ElementNr == e ? 1 : c.ElementNr != 0 ? 2 : 0) << 24));
            k.Add(static_cast<uint16_t>(c.ConLeft) | (static_cast<uint64_t>(static_cast<uint16_t>(c.ConUp)) << 16)
                  | (static_cast<uint64_t>(static_cast<uint16_t>(c.ConRight)) << 32)
                  | (static_cast<uint64_t>(static_cast<uint16_t>(c.ConDown)) << 48));
            k.Add(static_cast<uint16_t>(c.Marker) | (static_cast<uint64_t>(static_cast<uint16_t>(c.WireSignalH)) << 16)
                  | (static_cast<uint64_t>(static_cast<uint16_t>(c.WireSignalV)) << 32));
        }
    }
    // Where the anchor lies within a pixel, and the last bits of its pixel (an
    // odd pixel may round a half the other way).
    const double pitch = g.GridPixel * static_cast<double>(scale.GridMode);
    const double px = x * pitch;
    const double py = y * pitch;
    origin = QPoint(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)));
    k.Add(std::bit_cast<uint64_t>(px - std::floor(px)));
    k.Add(std::bit_cast<uint64_t>(py - std::floor(py)));
    k.Add(static_cast<uint64_t>(origin.x() & 3) | (static_cast<uint64_t>(origin.y() & 3) << 2));
    return k.h;
}

} // namespace

void SymbolPatches::Forget(int16_t e)
{
    if (building_)
        return;
    PutHeld();
    ++symbolsDrawn_;
    if (e > 0 && static_cast<size_t>(e) < kept_.size()) {
        kept_[static_cast<size_t>(e)].outline.shown = false;
        kept_[static_cast<size_t>(e)].whole.shown = false;
    }
}

void SymbolPatches::ForgetShown()
{
    // Power-on erases the dots column by column: a new count, not a walk of
    // every kept symbol each time.
    PutHeld();
    ++shownIn_;
    lastPicture_ = nullptr;
}

void SymbolPatches::ForgetAll()
{
    PutHeld();
    kept_.clear();
    shared_.clear();
    lastPicture_ = nullptr;
    bytes_ = 0;
}

bool SymbolPatches::Build(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y, int16_t e,
                          bool whole, Variant& out)
{
    const QRect all(0, 0, picture.Width(), picture.Height());
    const QRect reach = SymbolReach(s, g, x, y, e);
    const QRect rect = reach.intersected(all);
    if (rect.isEmpty())
        return false;
    // Pixels cut off at the picture's edge are no look for a component elsewhere.
    out.rect = rect == reach ? QRect() : rect;

    // Drawn once on a transparent patch: what the symbol draws is opaque there.
    struct Building {
        bool& flag;
        explicit Building(bool& f) : flag(f) { flag = true; }
        ~Building() { flag = false; }
    } building(building_);
    if (!patch_)
        patch_ = PainterSurface::Transparent(1, 1, SurfaceKind::Worksheet);
    PainterSurface& patch = *patch_;
    patch.BackColor = picture.BackColor;
    patch.HoldPart(all.size(), rect);
    const SurfaceSettings before = Read(picture);
    const SurfaceSettings after = DrawOn(s, g, patch, before, x, y, whole);
    // Which settings it reads and which it passes through is found once per
    // kind of symbol: drawn again with each group changed, a group that changes
    // the pixels is read, one that comes out changed is passed through.
    const uint32_t kind = KindOf(s.circuit, e, whole);
    QImage drawn = patch.Image();
    auto known = reads_.find(kind);
    if (known == reads_.end()) {
        drawn = drawn.copy();
        Reads r;
        for (unsigned group : kGroups) {
            const SurfaceSettings varied = DrawOn(s, g, patch, Varied(before, group), x, y, whole);
            if (patch.Image() != drawn)
                r.used |= group;
            else if (Differing(after, varied) & group)
                r.passed |= group;
        }
        known = reads_.emplace(kind, r).first;
    }
    const unsigned used = known->second.used;
    const unsigned passed = known->second.passed;
    // A group passed through must come out as it went in.
    if (Differing(after, before) & passed)
        return false;

    QRect ink;
    for (const PainterSurface::PatchRun& r : PainterSurface::OpaqueRuns(drawn).runs)
        ink |= QRect(r.first, r.row, r.last - r.first + 1, 1);
    // A symbol reaching the edge of its patch may reach beyond it.
    const QRect inside = QRect(QPoint(0, 0), rect.size())
                             .adjusted(rect.left() > 0 ? 1 : 0, rect.top() > 0 ? 1 : 0,
                                       rect.right() < all.right() ? -1 : 0, rect.bottom() < all.bottom() ? -1 : 0);
    if (!ink.isEmpty() && !inside.contains(ink))
        return false;
    if (ink.isEmpty())
        ink = QRect(0, 0, 1, 1);
    QImage pixels = drawn.copy(ink);
    const bool cut = !out.rect.isNull();
    out.rect = ink.translated(rect.topLeft());
    Keep(s, s, g, picture, x, y, e, whole, std::move(pixels), used, passed, after, !cut, out);
    return true;
}

void SymbolPatches::Keep(CircuitRun& s, const SheetScale& scale, const clsGrafik& g, const Surface& picture, int16_t x, int16_t y, int16_t e,
                         bool whole, QImage pixels, unsigned used, unsigned passed, const Settings& after, bool share,
                         Variant& out)
{
    // Only the pixels drawn are kept, shared with an earlier look that has the same.
    Kept& kept = *KeptFor(e);
    for (const Variant& other : (whole ? kept.whole : kept.outline).variants) {
        if (other.rect == out.rect && other.pixels() == pixels) {
            out.drawn = other.drawn;
            return;
        }
    }
    ++looksDrawn_;
    auto made = std::make_shared<Drawn>();
    made->rect = out.rect.translated(-kept.origin);
    made->used = used;
    made->passed = passed;
    made->runs = PainterSurface::OpaqueRuns(pixels);
    made->pixels = std::move(pixels);
    made->pixelsKey = made->pixels.cacheKey();
    made->after = after;
    bytes_ += static_cast<size_t>(made->pixels.sizeInBytes()) + made->runs.runs.size() * sizeof(made->runs.runs[0]);
    out.drawn = made;
    if (share)
        shared_.emplace(SharedKey(s, scale, g, picture, kept, x, y, e, out.look, whole, used), std::move(made));
}

uint32_t SymbolPatches::KindOf(const Circuit& c, int16_t e, bool whole)
{
    const ElementRecord& rec = c.Elements[static_cast<size_t>(e)];
    return rec.Type | (static_cast<uint32_t>(Code(rec.Orientation)) << 8) | (whole ? 1u << 16 : 0u)
        | (rec.Label == QLatin1String("2") ? 1u << 17 : 0u);
}

uint64_t SymbolPatches::SharedKey(CircuitRun& s, const SheetScale& scale, const clsGrafik& g, const Surface& picture, Kept& kept, int16_t x,
                                  int16_t y, int16_t e, uint64_t look, bool whole, unsigned used)
{
    if (!kept.shaped) {
        kept.shape = ShapeOf(s, scale, g, x, y, e, kept.origin);
        kept.shaped = true;
    }
    Hash k;
    k.Add(kept.shape);
    k.Add(whole ? 1 : 0);
    k.Add(SettingsKey(look, used, picture));
    return k.h;
}

SymbolPatches::Variant* SymbolPatches::FoundAgain(const ProgramState& s, const clsGrafik& g, const Surface& picture,
                                                  Looks& looks)
{
    for (Variant& c : looks.variants)
        if (c.readsKnown && c.gridMode == std::bit_cast<uint32_t>(s.GridMode) && c.gridPixel == g.GridPixel
            && SameReads(c.reads, picture, c.drawn->used))
            return &c;
    return nullptr;
}

const SymbolPatches::Variant* SymbolPatches::Find(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x,
                                                  int16_t y, int16_t e, bool whole)
{
    Kept& kept = *KeptFor(e);
    if (kept.never)
        return nullptr;
    Looks& looks = whole ? kept.whole : kept.outline;
    const uint8_t type = s.circuit.Elements[static_cast<size_t>(e)].Type;
    // A look that shows no levels depends on the settings and the zoom alone.
    const bool plain = !ShowsLevels(type) && type != ElementType::ClockGenerator;
    if (plain) {
        if (Variant* again = FoundAgain(s, g, picture, looks))
            return again;
    } else if (holding_ && looks.foundIn == flush_ && SameReads(looks.foundWith, picture, looks.found->drawn->used)) {
        return looks.found;
    }
    const std::optional<uint64_t> look = LookOf(s, g, picture, x, y, e);
    if (!look)
        return nullptr;
    // The looks change: what was found in this flush is looked for again.
    looks.foundIn = 0;
    auto remember = [&](Variant& c) {
        if (plain) {
            c.readsKnown = true;
            c.reads = Read(picture);
            c.gridMode = std::bit_cast<uint32_t>(s.GridMode);
            c.gridPixel = g.GridPixel;
        } else if (holding_) {
            looks.found = &c;
            looks.foundIn = flush_;
            looks.foundWith = Read(picture);
        }
        return &c;
    };
    for (Variant& c : looks.variants)
        if (c.look == *look && c.key == SettingsKey(*look, c.drawn->used, picture))
            return remember(c);
    if (bytes_ >= kBytesKept) {
        ForgetAll();
        return nullptr;
    }
    Variant made;
    made.look = *look;
    // Another component of the same look drew it already.
    const auto reads = reads_.find(KindOf(s.circuit, e, whole));
    if (reads != reads_.end()) {
        const auto found = shared_.find(SharedKey(s, s, g, picture, kept, x, y, e, *look, whole, reads->second.used));
        if (found != shared_.end()) {
            made.drawn = found->second;
            made.rect = made.drawn->rect.translated(kept.origin);
        }
    }
    if (!made.drawn) {
        // The origin of the pixels kept is that of the component's shape.
        if (!kept.shaped) {
            kept.shape = ShapeOf(s, s, g, x, y, e, kept.origin);
            kept.shaped = true;
        }
        if (!Build(s, g, picture, x, y, e, whole, made)) {
            kept.never = true;
            kept.outline = Looks{};
            kept.whole = Looks{};
            return nullptr;
        }
    }
    made.key = SettingsKey(*look, made.drawn->used, picture);
    if (looks.variants.size() >= kVariantsKept) {
        looks.variants.erase(looks.variants.begin());
        looks.shown = false;
    }
    looks.variants.push_back(std::move(made));
    return remember(looks.variants.back());
}

void SymbolPatches::LeaveSettings(clsGrafik& g, PainterSurface& picture, const Variant& v, int16_t e,
                                  const Circuit& c)
{
    // As the drawing leaves them; the groups it passes through stay as they came.
    const SurfaceSettings& a = v.drawn->after;
    Surface& d = picture;
    if (!(v.drawn->passed & kFore))
        d.ForeColor = a.fore;
    d.BackColor = a.back;
    if (!(v.drawn->passed & kFill))
        d.FillColor = a.fill;
    if (!(v.drawn->passed & kFillStyle))
        d.FillStyle = a.fillStyle;
    d.DrawWidth = a.drawWidth;
    d.DrawStyle = a.drawStyle;
    if (!(v.drawn->passed & kFont)) {
        // The same name most times: comparing costs less than sharing it again.
        if (!d.FontName.isSharedWith(a.fontName) && d.FontName != a.fontName)
            d.FontName = a.fontName;
        d.FontSize = a.fontSize;
    }
    if (!(v.drawn->passed & kBold))
        d.FontBold = a.fontBold;
    d.FontTransparent = a.fontTransparent;
    if (!(v.drawn->passed & kCurrent)) {
        d.CurrentX = a.currentX;
        d.CurrentY = a.currentY;
    }
    g.Orientation = c.Elements[static_cast<size_t>(e)].Orientation;
}

namespace {

// The kept symbols are those of the running main circuit shown on the worksheet.
int16_t KeptElementAt(const ProgramState& s, int16_t x, int16_t y)
{
    if (s.engine.PowerFlag == 0 || s.engine.InnerLevelShown != 0 || s.CurrentLevel != 0 || s.circuit.Levels.empty()
        || !s.circuit.P.Contains(x, y))
        return 0;
    const int16_t e = s.circuit.P(x, y).ElementNr;
    if (e <= 0 || static_cast<size_t>(e) >= s.circuit.Levels.front().Elements.size()
        || static_cast<size_t>(e) >= s.circuit.Elements.size() || !Keepable(s.circuit.Elements[static_cast<size_t>(e)].Type))
        return 0;
    return e;
}

// Whether the cell (x, y) lies near the part of the picture that is kept.
bool HeldNear(const PainterSurface& picture, const ProgramState& s, const clsGrafik& g, int16_t x, int16_t y)
{
    const double pitch = g.GridPixel * static_cast<double>(s.GridMode);
    const QRect cells(static_cast<int>((x - kFootprintReach) * pitch), static_cast<int>((y - kFootprintReach) * pitch),
                      static_cast<int>(2 * kFootprintReach * pitch) + 1, static_cast<int>(2 * kFootprintReach * pitch) + 1);
    return picture.HeldIntersects(cells);
}

// QRect::contains for valid boxes, without its call: asked for every piece.
bool Holds(const QRect& outer, const QRect& inner)
{
    return outer.left() <= inner.left() && inner.right() <= outer.right() && outer.top() <= inner.top()
        && inner.bottom() <= outer.bottom();
}

} // namespace

void SymbolPatches::HoldPutBacks(bool hold)
{
    if (!hold)
        PutHeld();
    else
        ++flush_;
    holding_ = hold;
}

void SymbolPatches::BeforePiece(const Surface& picture, QRect area, bool markers, int16_t hereElement,
                                int16_t thereElement)
{
    // Only thin strokes are sure to stay inside the piece's area.
    if (markers || picture.DrawWidth != 1 || &picture != held_.picture) {
        PutHeld();
        return;
    }
    // A piece that puts back only the held look, over an area holding its
    // strokes, may go under it.
    if (held_.stable && (hereElement == held_.e || thereElement == held_.e)
        && (hereElement == 0 || hereElement == held_.e) && (thereElement == 0 || thereElement == held_.e))
        return;
    // The areas are never empty: compared here without a call.
    for (int i = 0; i < held_.count; ++i) {
        const QRect& a = held_.areas[i];
        if (a.left() <= area.right() && area.left() <= a.right() && a.top() <= area.bottom()
            && area.top() <= a.bottom()) {
            PutHeld();
            return;
        }
    }
}

void SymbolPatches::PutHeld()
{
    if (held_.count == 0)
        return;
    const Variant& v = *held_.v;
    for (int i = 0; i < held_.count; ++i)
        held_.picture->PutPatch(v.pixels(), v.rect.topLeft(), held_.areas[i], &v.drawn->runs);
    held_.count = 0;
}

namespace {

// Whether the pixels of a and b together are those of one rectangle.
bool FormOneRect(const QRect& a, const QRect& b)
{
    if (a.top() == b.top() && a.bottom() == b.bottom())
        return b.left() <= a.right() + 1 && a.left() <= b.right() + 1;
    if (a.left() == b.left() && a.right() == b.right())
        return b.top() <= a.bottom() + 1 && a.top() <= b.bottom() + 1;
    return a.contains(b) || b.contains(a);
}

} // namespace

void SymbolPatches::Hold(PainterSurface& picture, int16_t e, const Variant& v, QRect put)
{
    if (held_.count > 0 && held_.v == &v && held_.e == e && held_.picture == &picture) {
        // The same pixels put twice over one rectangle: once, over both.
        QRect& last = held_.areas[held_.count - 1];
        if (FormOneRect(last, put)) {
            last = QRect(QPoint(std::min(last.left(), put.left()), std::min(last.top(), put.top())),
                         QPoint(std::max(last.right(), put.right()), std::max(last.bottom(), put.bottom())));
            return;
        }
        if (held_.count < kHeldAreas) {
            held_.areas[held_.count++] = put;
            return;
        }
    }
    PutHeld();
    held_.picture = &picture;
    held_.e = e;
    held_.v = &v;
    held_.stable = false;
    held_.areas[0] = put;
    held_.count = 1;
}

bool SymbolPatches::Restore(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y, QRect area)
{
    // The held look found again: only the pieces' strokes went on since.
    const bool again = held_.count > 0 && held_.stable && held_.picture == &picture && s.circuit.P.Contains(x, y)
        && s.circuit.P(x, y).ElementNr == held_.e;
    const int16_t e = again ? held_.e : KeptElementAt(s, x, y);
    const Variant* v = again ? held_.v : nullptr;
    if (!again) {
        // Whatever goes on now goes on after what is held.
        PutHeld();
        // Outside the part of a large picture that is kept nothing lands, but the
        // symbol's drawing would still cost its whole time: the kept look stands
        // in there too and leaves the settings its drawing would.
        if (e == 0)
            return false;
        v = Find(s, g, picture, x, y, e, false);
        if (!v)
            return false;
    }
    Kept& kept = kept_[static_cast<size_t>(e)];
    Looks& looks = kept.outline;
    // Looks that differ in the levels only often have the very same pixels.
    const bool same = Shown(looks) && looks.shownKey == v->pixelsKey();
    // Nothing drawn since these pixels went on here: the second cell of a
    // piece inside one symbol needs none.
    const bool done = same && &picture == lastPicture_ && picture.DrawCount() == lastDrawCount_
        && e == lastElement_ && area == lastArea_;
    const QRect put = same ? area : v->rect;
    if (done) {
    } else if (holding_ && v->readsKnown) {
        // Only a look that shows no levels is held: it is found again cheaply.
        Hold(picture, e, *v, put);
    } else {
        picture.PutPatch(v->pixels(), v->rect.topLeft(), put, &v->drawn->runs);
    }
    looks.shown = true;
    looks.shownIn = shownIn_;
    looks.shownKey = v->pixelsKey();
    // The whole look put back later must cover the piece and all the outline
    // went over: an outline put whole draws over the levels the symbol showed.
    if (Shown(kept.whole))
        NoteTouched(kept, *v, area, put);
    if (again) {
        if (!(v->drawn->passed & kFore))
            picture.ForeColor = v->drawn->after.fore;
    } else {
        LeaveSettings(g, picture, *v, e, s.circuit);
        if (held_.count > 0 && held_.v == v) {
            const unsigned used = v->drawn->used;
            held_.stable = v->readsKnown && !(used & kFore) && v->gridMode == std::bit_cast<uint32_t>(s.GridMode)
                && v->gridPixel == g.GridPixel && SameReads(v->reads, picture, used);
        }
    }
    lastPicture_ = &picture;
    lastDrawCount_ = picture.DrawCount();
    lastElement_ = e;
    lastArea_ = area;
    return true;
}

bool SymbolPatches::RestoreWhole(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y)
{
    const int16_t e = KeptElementAt(s, x, y);
    if (e == 0 || !ChangesLook(s.circuit.Elements[static_cast<size_t>(e)].Type) || !HeldNear(picture, s, g, x, y))
        return false;
    Kept* kept = KeptFor(e);
    const bool wasShown = Shown(kept->whole);
    const qint64 wasKey = kept->whole.shownKey;
    const Variant* v = Find(s, g, picture, x, y, e, true);
    if (!v)
        return false;
    kept = &kept_[static_cast<size_t>(e)];
    // The symbol shows an earlier look, apart from what its pieces drew over:
    // only the pixels where the looks differ, and that, are put.
    const Change* change = wasShown ? ChangeTo(*kept, wasKey, *v) : nullptr;
    const QPoint at = v->rect.topLeft();
    if (!change) {
        picture.PutPatch(v->pixels(), at, v->rect, &v->drawn->runs);
    } else if (change->byRuns) {
        bool whole = false;
        for (const QRect& r : kept->touched)
            whole = whole || Holds(r, v->rect);
        if (whole)
            picture.PutPatch(v->pixels(), at, v->rect, &v->drawn->runs);
        else if (const PainterSurface::PatchRuns& runs = Joined(*change, kept->touched, *v); !runs.runs.empty())
            picture.PutPatch(v->pixels(), at, v->rect, &runs);
    } else {
        picture.PutPatch(v->pixels(), at, change->differ | kept->touched.Bounds(), &v->drawn->runs);
    }
    kept->whole.shown = true;
    kept->whole.shownIn = shownIn_;
    kept->whole.shownKey = v->pixelsKey();
    kept->touched.Clear();
    kept->outline.shown = OutlineStays(*kept, *v);
    kept->outline.shownIn = shownIn_;
    LeaveSettings(g, picture, *v, e, s.circuit);
    lastPicture_ = nullptr;
    return true;
}

template <class Entry, class Make>
const Entry* SymbolPatches::PairOf(std::vector<Entry>& found, qint64 from, qint64 to,
                                   const std::vector<Variant>& variants, qint64 key, Make make)
{
    for (const Entry& c : found)
        if (c.from == from && c.to == to)
            return &c;
    for (const Variant& v : variants) {
        if (v.pixelsKey() == key) {
            found.push_back(make(v));
            return &found.back();
        }
    }
    return nullptr;
}

const SymbolPatches::Change* SymbolPatches::ChangeTo(Kept& kept, qint64 wasKey, const Variant& now)
{
    return PairOf(kept.changes, wasKey, now.pixelsKey(), kept.whole.variants, wasKey, [&](const Variant& before) {
        Change c;
        c.from = wasKey;
        c.to = now.pixelsKey();
        c.byRuns = before.rect == now.rect;
        if (c.byRuns) {
            c.runs = DifferingRuns(before.pixels(), now.pixels(), now.drawn->runs);
            bytes_ += c.runs.runs.size() * sizeof(c.runs.runs[0]) + c.runs.rowStart.size() * sizeof(int);
        } else {
            c.differ = before.rect | now.rect;
        }
        return c;
    });
}

const PainterSurface::PatchRuns& SymbolPatches::Joined(const Change& change, const Touched& touched,
                                                       const Variant& now)
{
    if (!change.joinedKnown || !(change.joinedFor == touched)) {
        change.joined = JoinedRuns(change.runs, now.drawn->runs, now.rect, touched.begin(), touched.end());
        change.joinedFor = touched;
        change.joinedKnown = true;
    }
    return change.joined;
}

const SymbolPatches::Cover* SymbolPatches::CoverOf(Kept& kept, const Variant& whole, qint64 outlineKey)
{
    return PairOf(kept.covers, whole.pixelsKey(), outlineKey, kept.outline.variants, outlineKey,
                  [&](const Variant& o) {
                      Cover c{whole.pixelsKey(), outlineKey,
                              OutlineDiffers(whole.pixels(), whole.rect, o.pixels(), o.rect, o.drawn->runs)};
                      bytes_ += sizeof(Cover) + c.differs.size() * sizeof(QRect);
                      return c;
                  });
}

bool SymbolPatches::OutlineStays(Kept& kept, const Variant& now)
{
    const Cover* c = CoverOf(kept, now, kept.outline.shownKey);
    return c && c->differs.empty();
}

void SymbolPatches::NoteTouched(Kept& kept, const Variant& outline, QRect area, QRect put)
{
    kept.touched |= area;
    if (put == area)
        return;
    // An outline put whole over the whole look changes only the pixels
    // where the two differ.
    for (const Variant& whole : kept.whole.variants) {
        if (whole.pixelsKey() != kept.whole.shownKey)
            continue;
        if (const Cover* c = CoverOf(kept, whole, outline.pixelsKey())) {
            for (const QRect& r : c->differs)
                kept.touched |= r;
            return;
        }
    }
    kept.touched |= put;
}

SymbolPatches::Touched& SymbolPatches::Touched::operator|=(const QRect& r)
{
    if (r.isEmpty())
        return *this;
    for (QRect* t = rects_; t != rects_ + count_; ++t) {
        if (Holds(*t, r))
            return *this;
        if (Holds(r, *t)) {
            *t = r;
            return *this;
        }
    }
    if (count_ < kMost)
        rects_[count_++] = r;
    else
        rects_[kMost - 1] |= r;
    return *this;
}

QRect SymbolPatches::Touched::Bounds() const
{
    QRect all;
    for (const QRect& r : *this)
        all |= r;
    return all;
}
