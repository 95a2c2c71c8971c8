#pragma once
// The pixels of component symbols, kept while the power is on from the first
// time a symbol is drawn. A conductor piece that ends on a component's cell
// then only puts back the symbol's own pixels where the piece was drawn, and a
// component whose look changes (a flip-flop's state, a register's stages, an
// LED, a switch, a display) gets back only the part of its symbol that differs
// from the look it showed: the picture is that of drawing the symbol again, at
// a fraction of the cost.
#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/painter_surface.h"

struct Circuit;
struct CircuitRun;
struct ProgramState;
struct SheetScale;
class clsGrafik;

class SymbolPatches {
public:
    // The component covering cell (x, y) gets back, inside `area` (pixels of the
    // whole picture), the pixels that DrawElement(x, y, False, True) would put
    // there; where its look or the surface settings it depends on have changed
    // since it was last put back, the whole symbol is put back. The surface is
    // left in the state the drawing would leave it in. False when this symbol
    // is not kept: then the caller draws it.
    bool Restore(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y, QRect area);
    // The same for the whole symbol as DrawElement(x, y, False, False) draws it,
    // for a component whose look changed; only the part that differs from the
    // look it showed before is put, with what its pieces touched since.
    bool RestoreWhole(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y);

    // While held, the put-backs of one symbol after consecutive conductor
    // pieces are gathered and put together, as long as no piece draws over
    // what is gathered; false puts what is held.
    void HoldPutBacks(bool hold);
    // A piece is about to be drawn over `area` (its markers too, with
    // `markers`), and then to put back the symbols of the elements on its two
    // cells (0: a conductor): what is held goes on first unless the piece
    // keeps clear of it or puts back only the held look over its own area.
    void BeforePiece(const Surface& picture, QRect area, bool markers, int16_t hereElement, int16_t thereElement);
    // Puts what is held; the holding goes on.
    void PutHeld();
    // Something is held: asked before every piece.
    bool HoldsPutBacks() const { return held_.count > 0; }

    // The symbol of element e was drawn on the picture by other means.
    void Forget(int16_t e);
    // Pixels were written beside the symbols (grid dots erased, one may lie
    // under a stub): no symbol's look is known to be whole there any more.
    void ForgetShown();
    // How often a symbol was drawn on the picture the plain way.
    long long SymbolsDrawn() const { return symbolsDrawn_; }
    // How many looks were drawn to be kept: components of one look share theirs.
    long long LooksDrawn() const { return looksDrawn_; }
    // The picture was cleared or redrawn, or the zoom changed.
    void ForgetAll();

    // The settings of a surface that drawing reads or leaves behind.
    struct Settings {
        int32_t fore = 0, back = 0, fill = 0;
        int fillStyle = 0, drawWidth = 1, drawStyle = 0;
        QString fontName;
        double fontSize = 0;
        bool fontBold = false, fontTransparent = true;
        double currentX = 0, currentY = 0;
    };

private:
    // The pixels of one look of a symbol (premultiplied, transparent where the
    // symbol draws nothing) and their stretches row by row, the settings it
    // reads (`used`, a bit per group) and those it leaves (`after`, except the
    // groups in `passed`); `rect` is relative to the pixel its anchor cell
    // starts on. Shared by every component of the same look.
    struct Drawn {
        QRect rect;
        QImage pixels;
        qint64 pixelsKey = 0; // pixels.cacheKey(), asked for every piece
        PainterSurface::PatchRuns runs;
        unsigned used = 0;
        unsigned passed = 0;
        Settings after;
    };
    // One look of one component's symbol, and where it lies on the whole picture.
    struct Variant {
        uint64_t look = 0;
        uint64_t key = 0; // the look and the settings it reads
        std::shared_ptr<const Drawn> drawn;
        QRect rect;
        // The settings and zoom it was last found with, for a symbol whose
        // look shows no levels: while they hold, no key is worked out.
        bool readsKnown = false;
        Settings reads;
        uint32_t gridMode = 0;
        int16_t gridPixel = 0;
        const QImage& pixels() const { return drawn->pixels; }
        qint64 pixelsKey() const { return drawn->pixelsKey; }
    };
    // The looks kept of one way of drawing a symbol, and the one the picture shows.
    struct Looks {
        std::vector<Variant> variants;
        bool shown = false;
        uint64_t shownIn = 0; // holds while it equals shownIn_
        qint64 shownKey = 0;
        // For a look showing levels: the variant found last in the flush
        // `foundIn`, and the settings it was found with. Within one flush the
        // levels stand still: with the same settings it is found again.
        const Variant* found = nullptr;
        uint64_t foundIn = 0;
        Settings foundWith;
    };
    // What the pieces drew over a symbol since its whole look was put: a few
    // boxes (a piece at each of its pins), merged when there are more.
    class Touched {
    public:
        Touched& operator|=(const QRect& r);
        const QRect* begin() const { return rects_; }
        const QRect* end() const { return rects_ + count_; }
        QRect Bounds() const;
        void Clear() { count_ = 0; }
        bool operator==(const Touched& o) const { return std::equal(begin(), end(), o.begin(), o.end()); }

    private:
        static constexpr int kMost = 8;
        QRect rects_[kMost];
        int count_ = 0;
    };
    // Where two whole looks differ, found once: the new look's pixels that
    // the old one did not have, or, when the looks cover different boxes, the
    // box of both.
    struct Change {
        qint64 from = 0; // the pixels of the looks
        qint64 to = 0;
        bool byRuns = false;
        PainterSurface::PatchRuns runs;
        QRect differ;
        // These runs and those of the boxes last touched, in one: a symbol's
        // pieces touch the same boxes time after time.
        mutable bool joinedKnown = false;
        mutable Touched joinedFor;
        mutable PainterSurface::PatchRuns joined;
    };
    // The pixels of an outline look that a whole look shows otherwise: where
    // there are none, putting the whole look back leaves the outline shown.
    struct Cover {
        qint64 from = 0; // the pixels of the whole look
        qint64 to = 0;   // and of the outline look put over it
        std::vector<QRect> differs;
    };
    struct Kept {
        Looks outline;  // after a conductor piece
        Looks whole;    // when the look changes
        Touched touched;
        std::vector<Change> changes;
        std::vector<Cover> covers;
        bool never = false; // this symbol cannot be kept
        // What the symbol's pixels depend on besides its levels: its kind,
        // pins and surrounding cells, and where it lies within a pixel;
        // worked out once. `origin` is the pixel its anchor cell starts on.
        bool shaped = false;
        uint64_t shape = 0;
        QPoint origin;
    };
    // Which settings groups a way of drawing reads and passes through, found
    // once per element type, orientation and way.
    struct Reads {
        unsigned used = 0;
        unsigned passed = 0;
    };

    const Variant* Find(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y, int16_t e,
                        bool whole);
    // The variant found last time with the same settings, for a symbol whose
    // look shows no levels; null when there is none.
    Variant* FoundAgain(const ProgramState& s, const clsGrafik& g, const Surface& picture, Looks& looks);
    bool Build(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y, int16_t e, bool whole,
               Variant& out);
    // Keeps the pixels drawn for `out`, or those of an equal earlier look.
    void Keep(CircuitRun& s, const SheetScale& scale, const clsGrafik& g, const Surface& picture, int16_t x, int16_t y,
              int16_t e, bool whole,
              QImage pixels, unsigned used, unsigned passed, const Settings& after, bool share, Variant& out);
    // The kind of a way of drawing a symbol, for `reads_`.
    static uint32_t KindOf(const Circuit& c, int16_t e, bool whole);
    void LeaveSettings(clsGrafik& g, PainterSurface& picture, const Variant& v, int16_t e, const Circuit& c);
    // What a whole look put where `wasKey` was shown must write; null when
    // that look is no longer kept.
    const Change* ChangeTo(Kept& kept, qint64 wasKey, const Variant& now);
    // The runs of `now` that `change` and the boxes `touched` put.
    const PainterSurface::PatchRuns& Joined(const Change& change, const Touched& touched, const Variant& now);
    // The entry of `found` for the looks (from, to), made from the variant
    // whose pixels are `key` when there is none yet; null when that variant
    // is no longer kept.
    template <class Entry, class Make>
    static const Entry* PairOf(std::vector<Entry>& found, qint64 from, qint64 to, const std::vector<Variant>& variants,
                               qint64 key, Make make);
    // Null when the outline look is no longer kept.
    const Cover* CoverOf(Kept& kept, const Variant& whole, qint64 outlineKey);
    // Whether the outline look last shown is still on the picture once the
    // whole look `now` is.
    bool OutlineStays(Kept& kept, const Variant& now);
    // An outline look put over the whole look shown, in `put`, with a piece
    // drawn in `area`: what changed there is noted.
    void NoteTouched(Kept& kept, const Variant& outline, QRect area, QRect put);

    // Asked for every conductor piece: defined here to be inlined.
    Kept* KeptFor(int16_t e)
    {
        if (e <= 0)
            return nullptr;
        if (static_cast<size_t>(e) >= kept_.size())
            kept_.resize(static_cast<size_t>(e) + 1);
        return &kept_[static_cast<size_t>(e)];
    }
    // The key of the looks shared between components.
    uint64_t SharedKey(CircuitRun& s, const SheetScale& scale, const clsGrafik& g, const Surface& picture, Kept& kept,
                       int16_t x, int16_t y,
                       int16_t e, uint64_t look, bool whole, unsigned used);
    std::vector<Kept> kept_; // by element number
    std::map<uint32_t, Reads> reads_;
    std::unordered_map<uint64_t, std::shared_ptr<const Drawn>> shared_;
    // The put-backs gathered: one look of one symbol and the areas it goes
    // into. `stable`: the surface holds the settings the look was found
    // with, apart from the fore colour, which it does not read; until
    // something other than a conductor stroke is drawn, it is the look found
    // again and its settings are left again but for the fore colour.
    static constexpr int kHeldAreas = 4;
    struct Held {
        PainterSurface* picture = nullptr;
        int16_t e = 0;
        const Variant* v = nullptr;
        bool stable = false;
        QRect areas[kHeldAreas];
        int count = 0;
    };
    Held held_;
    bool holding_ = false;
    uint64_t shownIn_ = 1; // counts the ForgetShown calls
    bool Shown(const Looks& looks) const { return looks.shown && looks.shownIn == shownIn_; }
    uint64_t flush_ = 0; // counts the flushes, which hold put-backs
    void Hold(PainterSurface& picture, int16_t e, const Variant& v, QRect put);
    std::unique_ptr<PainterSurface> patch_; // where symbols are drawn to be kept
    size_t bytes_ = 0;
    bool building_ = false;
    // The last symbol put back, and the picture's count of drawings after it:
    // the second cell of a piece inside one symbol needs nothing more.
    const void* lastPicture_ = nullptr;
    uint64_t lastDrawCount_ = 0;
    int16_t lastElement_ = 0;
    QRect lastArea_;
    long long symbolsDrawn_ = 0;
    long long looksDrawn_ = 0;
};
