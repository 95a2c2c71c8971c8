#pragma once
// The one object through which every symbol, conductor piece and run is drawn,
// on whatever surface Device names, at the zoom factor GridMode.
#include <QList>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/state.h"

class PainterSurface;
class Surface;
class SymbolPatches;

class clsGrafik {
public:
    // GridMode is kept in the program state (the coordinate helpers read it there).
    clsGrafik(ProgramState& s, Surface* device);
    ~clsGrafik();

    // Properties.
    int16_t GridPixel = 14;
    float GridMode() const { return s_.GridMode; }
    void SetGridMode(float mode) { s_.GridMode = mode; }
    ::Orientation Orientation = ::Orientation::None;
    Surface* Device = nullptr;
    int16_t VStartX = 0;
    int16_t VEndX = 0;
    int16_t VStartY = 0;
    int16_t VEndY = 0;

    // Where the drawing lands: the worksheet picture decides font sizes and the
    // conductor method, the printer decides fill colours; the hidden picture is neither.
    bool OnWorksheet() const;
    bool OnPrinter() const;

    // Small routines.
    void DrawAnalysepunkt(int16_t x, int16_t y);
    void DrawLines(int16_t x, int16_t y, Direction dir, uint8_t mode);
    // The same piece with the levels its two cells had when it changed.
    void DrawLines(int16_t x, int16_t y, Direction dir, uint8_t mode, bool hereHigh, bool thereHigh);
    void PaintLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
    void DrawDiode(int16_t x, int16_t y);
    void DrawNegationsPunkt(int16_t x, int16_t y);
    void DrawSwitch(int16_t x, int16_t y);
    int16_t SearchEndX(int16_t x, int16_t y, Direction dir, int16_t unused = 0);
    int16_t SearchEndY(int16_t x, int16_t y, Direction dir, int16_t unused = 0);

    // IC symbol and connector mark.
    void DrawICInOut(int16_t x, int16_t y);
    void DrawIC(int16_t x, int16_t y, int16_t icIndex, bool outline);

    // Gates.
    void DrawUnd(int16_t x, int16_t y, bool outline);
    void DrawOder(int16_t x, int16_t y, bool outline);
    void DrawXOder(int16_t x, int16_t y);
    void DrawInverter(int16_t x, int16_t y);
    void DrawTriState(int16_t x, int16_t y);

    // Adders and the 7-segment display.
    void DrawHA(int16_t x, int16_t y);
    void DrawVA(int16_t x, int16_t y);
    void DrawZAnzeige(int16_t x, int16_t y);

    // Decoder and multiplexer.
    void DrawDecoder(int16_t x, int16_t y, bool outline);
    void DrawMultiplexer(int16_t x, int16_t y);

    // Flip-flop and shift register.
    void DrawFlipFlop(int16_t x, int16_t y, bool outline, int16_t fourth);
    void DrawSRegister(int16_t x, int16_t y);

    // Clock generator.
    void DrawTimer(int16_t x, int16_t y, bool selected);

    // The symbol of the component on cell (x, y) was drawn by other means than
    // an outline redraw after a conductor piece; and the picture was cleared.
    void SymbolDrawnAt(int16_t x, int16_t y);
    void PictureCleared();
    // Grid dots were erased: each kept symbol is put back whole the next time.
    void GridDotsErased();
    // The symbol of the component on (x, y), whose look changed, as
    // DrawElement(x, y, False, False) draws it, put back from the pixels kept
    // of it; false when they are not kept (then the caller draws it).
    bool RestoreLook(int16_t x, int16_t y);
    // While held, a symbol put back after consecutive conductor pieces goes
    // on once for them all; false puts what is held. PutHeldBack puts it and
    // goes on holding: before anything but a piece is drawn.
    void HoldPutBacks(bool hold);
    void PutHeldBack();
    // False: a conductor piece on a component's cell, or a change of its look,
    // draws the symbol again (the same picture, slower; kept to compare the two).
    bool KeepSymbolPixels = true;
    // How often a component symbol was drawn on a surface the plain way.
    long long SymbolsDrawn() const;
    // How many looks of symbols were drawn to be kept.
    long long LooksDrawn() const;

    // Zoom commands (they redraw through the main window).
    void Zoom100();
    void ZoomFull();
    void ZoomHeight();
    void ZoomWidth();

private:
    int16_t GridPixelZoomed() const;
    // The centre pixel of column or row i at the current zoom (GridToPixel).
    int Centre(int i)
    {
        if (centresZoom_ == s_.GridMode && static_cast<unsigned>(i) < centres_.size() && i <= 32767)
            return centres_[static_cast<size_t>(i)];
        return CentreSlow(i);
    }
    int CentreSlow(int i);
    std::vector<int32_t> centres_;
    float centresZoom_ = -1;

    ProgramState& s_;
    float ZoomedPitch = 0; // read once at the start of a symbol routine

    // A conductor piece ending on a component puts its symbol's pixels back
    // instead of drawing it again.
    std::unique_ptr<SymbolPatches> patches_;
    // True when the kept pixels were put back; `picture` is KeptPicture().
    bool RefreshSymbol(int16_t x, int16_t y, const QRect& area, PainterSurface* picture);
    // A piece's two cells, on the sheet and on the running level, read once
    // for the piece and what goes on top of it.
    struct PieceEnds {
        int16_t x, y, xn, yn;
        const GridCell* here;
        const GridCell* there;
        const GridCell* here0;
        const GridCell* there0;
    };
    // `area`: the pixels the piece may have touched (PieceArea); `kept`: KeptPicture().
    void PieceDrawn(const PieceEnds& ends, const QRect& area, PainterSurface* kept);
    // Asked for every piece: the usual one, without markers, is worked out here.
    QRect PieceArea(const PieceEnds& ends, QPoint herePixel, QPoint therePixel) const
    {
        if (ends.here0->Marker != 0 || ends.there0->Marker != 0)
            return PieceAreaWithMarkers(ends, herePixel, therePixel);
        const int cx = herePixel.x(), cy = herePixel.y(), nx = therePixel.x(), ny = therePixel.y();
        const int growX = cx == nx && cy != ny ? 1 : 2;
        const int growY = cy == ny && cx != nx ? 1 : 2;
        return QRect(QPoint(std::min(cx, nx) - growX, std::min(cy, ny) - growY),
                     QPoint(std::max(cx, nx) + growX, std::max(cy, ny) + growY));
    }
    QRect PieceAreaWithMarkers(const PieceEnds& ends, QPoint herePixel, QPoint therePixel) const;
    // A piece's cell, travel back to the cell it came from, the two centre
    // pixels, and the levels the two cells had.
    struct PieceGeometry {
        int x, y, dx, dy, cx, cy, nx, ny;
        bool hereHigh, thereHigh;
    };
    struct Edges {
        int from[2], to[2];
    };
    Edges WhiteEdges(const PieceGeometry& g) const;
    bool PieceOnPicture(PainterSurface& picture, const PieceGeometry& g, uint8_t mode) const;
    void PieceStrokes(const PieceGeometry& g, uint8_t mode);
    // The worksheet's own picture, which keeps what is drawn on it, while its
    // symbols' pixels are kept; null elsewhere.
    PainterSurface* KeptPicture() const;
    // The worksheet's own picture; null elsewhere.
    PainterSurface* OwnPicture() const;
};
