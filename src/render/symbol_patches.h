#pragma once
// The pixels of component symbols as an outline redraw puts them on the
// worksheet picture, kept while the power is on. A conductor piece that ends on
// a component's cell then only puts back the symbol's own pixels where the
// piece was drawn, instead of drawing the whole symbol again: the picture is
// the same, at a fraction of the cost.
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/painter_surface.h"

struct ProgramState;
class clsGrafik;

class SymbolPatches {
public:
    // The component covering cell (x, y) gets back, inside `area` (pixels of the
    // whole picture), the pixels that DrawElement(x, y, False, True) would put
    // there; where its look or the surface settings it depends on have changed
    // since it was last put back, the whole symbol is put back. The surface is
    // left in the state the drawing would leave it in. False when this symbol
    // is not kept (yet): then the caller draws it.
    bool Restore(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y, QRect area);

    // The symbol of element e was drawn on the picture by other means.
    void Forget(int16_t e);
    // How often a symbol was drawn on the picture the plain way.
    long long SymbolsDrawn() const { return symbolsDrawn_; }
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

    // A symbol is drawn the plain way this many times before its pixels are
    // kept: most symbols next to a conductor that changes once (at power-on)
    // are never drawn again.
    static constexpr int kDrawnBeforeKept = 3;

private:
    // One look of a symbol: its pixels (premultiplied, transparent where the
    // symbol draws nothing), the settings it reads (`used`, a bit per group) and
    // those it leaves (`after`, except the groups in `passed`).
    struct Variant {
        uint64_t look = 0;
        uint64_t key = 0; // the look and the settings it reads
        unsigned used = 0;
        unsigned passed = 0;
        QRect rect; // on the whole picture
        QImage pixels;
        std::vector<PainterSurface::PatchRow> rows; // the opaque columns of each row
        Settings after;
    };
    struct Kept {
        std::vector<Variant> variants;
        bool shown = false; // the picture holds these pixels of the symbol
        qint64 shownPixels = 0;
        QRect shownRect;
        int drawnPlain = 0;
        bool never = false; // this symbol cannot be kept
    };

    bool Build(ProgramState& s, clsGrafik& g, PainterSurface& picture, int16_t x, int16_t y, int16_t e,
               Variant& out);

    Kept* KeptFor(int16_t e);
    std::vector<Kept> kept_; // by element number
    size_t bytes_ = 0;
    bool building_ = false;
    // The last symbol put back, and the picture's count of drawings after it:
    // the second cell of a piece inside one symbol needs nothing more.
    const void* lastPicture_ = nullptr;
    uint64_t lastDrawCount_ = 0;
    int16_t lastElement_ = 0;
    QRect lastArea_;
    long long symbolsDrawn_ = 0;
};
