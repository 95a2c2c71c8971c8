#include "editing/conductor_band.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

namespace {

constexpr int kUndoDeleteConductors = 2615;
constexpr int kUndoDrawConductors = 2616;

struct Leg {
    bool row = true; // along a row (x varies) or a column
    int16_t fixed = 0;
    int16_t from = 0;
    int16_t to = 0;
    int16_t lo() const { return std::min(from, to); }
    int16_t hi() const { return std::max(from, to); }
};

struct BandLegs {
    std::array<Leg, 2> legs;
    CellBox box; // the cells both legs span
};

// The band's two legs in cells, read back from the lines as they were drawn;
// none before the band has left its first cell.
std::optional<BandLegs> ReadLegs(const EditorContext& e)
{
    const OverlayLine& H = e.overlay.LeitungH;
    const OverlayLine& V = e.overlay.LeitungV;
    EditorState& st = e.st;
    auto g = [&e](double v) { return PixelToGrid(e.s, CLng(v)); };
    BandLegs b;
    if (st.PullH) {
        st.LinePointX = {g(H.X1), g(H.X2), g(V.X1)};
        st.LinePointY = {g(H.Y1), g(H.Y2), g(V.Y2)};
        b.legs[0] = Leg{true, st.LinePointY[0], st.LinePointX[0], st.LinePointX[1]};
        b.legs[1] = Leg{false, st.LinePointX[1], st.LinePointY[1], st.LinePointY[2]};
        b.box.X1 = std::min(st.LinePointX[0], st.LinePointX[1]);
        b.box.X2 = std::max(st.LinePointX[0], st.LinePointX[1]);
        b.box.Y1 = std::min(st.LinePointY[1], st.LinePointY[2]);
        b.box.Y2 = std::max(st.LinePointY[1], st.LinePointY[2]);
    } else if (st.PullV) {
        st.LinePointX = {g(V.X1), g(V.X2), g(H.X2)};
        st.LinePointY = {g(V.Y1), g(V.Y2), g(H.Y2)};
        b.legs[0] = Leg{false, st.LinePointX[0], st.LinePointY[0], st.LinePointY[1]};
        b.legs[1] = Leg{true, st.LinePointY[1], st.LinePointX[1], st.LinePointX[2]};
        b.box.X1 = std::min(st.LinePointX[1], st.LinePointX[2]);
        b.box.X2 = std::max(st.LinePointX[1], st.LinePointX[2]);
        b.box.Y1 = std::min(st.LinePointY[0], st.LinePointY[1]);
        b.box.Y2 = std::max(st.LinePointY[0], st.LinePointY[1]);
    } else {
        return std::nullopt;
    }
    return b;
}

struct LegCell {
    int16_t x;
    int16_t y;
};

// The cell at step i of a leg.
LegCell CellOnLeg(const Leg& leg, int16_t i)
{
    return leg.row ? LegCell{i, leg.fixed} : LegCell{leg.fixed, i};
}

// A cell's connection towards the lower and the higher steps of the leg.
int16_t& Before(const Leg& leg, GridCell& cell)
{
    return leg.row ? cell.ConLeft : cell.ConUp;
}

int16_t& After(const Leg& leg, GridCell& cell)
{
    return leg.row ? cell.ConRight : cell.ConDown;
}

} // namespace

ConductorBand::ConductorBand(const EditorContext& e) : e_(e)
{
}

void ConductorBand::ShowLines()
{
    const ProgramState& s = e_.s;
    EditorState& st = e_.st;
    st.MouseDownFlag = true;
    const double cs = s.CellSize * s.GridMode;
    const double px = s.CursorX * cs + cs / 2;
    const double py = s.CursorY * cs + cs / 2;
    e_.overlay.LeitungH = OverlayLine{true, px, py, px, py};
    e_.overlay.LeitungV = OverlayLine{true, px, py, px, py};
    st.AnchorX = s.CursorX;
    st.AnchorY = s.CursorY;
    st.PullH = false;
    st.PullV = false;
    e_.Changed();
}

int16_t ConductorBand::BlockedH(int16_t x1, int16_t y, int16_t x2)
{
    ProgramState& s = e_.s;
    const int step = x1 <= x2 ? 1 : -1;
    for (int x = x1;; x += step) {
        if (s.circuit.P.Contains(x, y) && s.circuit.P(x, y).Type > ElementType::Conductor) {
            if (x == x1) {
                if (!IsPinPosition(s, x1, y))
                    return x1;
            } else {
                if ((x == x1 + 1 || x == x1 - 1) && s.circuit.P(x1, y).Type > ElementType::Conductor
                    && IsPinPosition(s, x1, y))
                    return x1;
                return static_cast<int16_t>(x);
            }
        }
        if (x == x2)
            break;
    }
    return kNoObstacle;
}

int16_t ConductorBand::BlockedV(int16_t y1, int16_t x, int16_t y2)
{
    ProgramState& s = e_.s;
    const int step = y1 <= y2 ? 1 : -1;
    for (int y = y1;; y += step) {
        if (s.circuit.P.Contains(x, y) && s.circuit.P(x, y).Type > ElementType::Conductor) {
            if (y == y1) {
                if (!IsPinPosition(s, x, y1))
                    return y1;
            } else {
                if ((y == y1 + 1 || y == y1 - 1) && s.circuit.P(x, y1).Type > ElementType::Conductor
                    && IsPinPosition(s, x, y1))
                    return y1;
                return static_cast<int16_t>(y);
            }
        }
        if (y == y2)
            break;
    }
    return kNoObstacle;
}

void ConductorBand::ShowTempLines(int16_t x, int16_t y)
{
    const ProgramState& s = e_.s;
    EditorState& st = e_.st;
    OverlayLine& H = e_.overlay.LeitungH;
    OverlayLine& V = e_.overlay.LeitungV;
    auto G = [&s](int16_t i) { return static_cast<double>(GridToPixel(s, i)); };
    auto orElse = [](int16_t r, int16_t v) { return r == kNoObstacle ? v : r; };
    if (x == st.AnchorX && y == st.AnchorY) {
        H.X2 = H.X1;
        V.Y2 = V.Y1;
        e_.Changed();
        return;
    }
    // Straight along the anchor's row or column, the direction is taken.
    if (y == st.AnchorY && !st.PullV) {
        V.Visible = false;
        H.Visible = true;
        H.X2 = G(orElse(BlockedH(st.AnchorX, st.AnchorY, x), x));
        st.PullH = true;
        st.PullV = false;
        V.Y2 = H.Y1;
    }
    if (x == st.AnchorX && !st.PullH) {
        H.Visible = false;
        V.Visible = true;
        V.Y2 = G(orElse(BlockedV(st.AnchorY, st.AnchorX, y), y));
        st.PullV = true;
        st.PullH = false;
        H.X2 = V.X1;
    }
    // Round the corner; the second leg starts only from a free corner cell.
    if (y == st.AnchorY || !st.PullH) {
        if (st.PullV && x != st.AnchorX) {
            const int16_t cy = orElse(BlockedV(st.AnchorY, st.AnchorX, y), y);
            V.Y2 = G(cy);
            H.X1 = V.X2;
            H.Y1 = V.Y2;
            H.Y2 = V.Y2;
            const int16_t rH = BlockedH(st.AnchorX, cy, x);
            if (s.circuit.P(st.AnchorX, cy).Type < 2) {
                H.X2 = G(orElse(rH, x));
                H.Visible = true;
            } else {
                H.X2 = V.X2;
                H.Visible = false;
            }
        }
    } else {
        const int16_t cx = orElse(BlockedH(st.AnchorX, st.AnchorY, x), x);
        H.X2 = G(cx);
        V.X1 = H.X2;
        V.Y1 = H.Y1;
        V.X2 = H.X2;
        const int16_t rV = BlockedV(st.AnchorY, cx, y);
        if (s.circuit.P(cx, st.AnchorY).Type < 2) {
            V.Y2 = G(orElse(rV, y));
            V.Visible = true;
        } else {
            V.Y2 = H.Y2;
            V.Visible = false;
        }
    }
    e_.Changed();
}

void ConductorBand::DrawNewLines()
{
    ProgramState& s = e_.s;
    const std::optional<BandLegs> band = ReadLegs(e_);
    if (!band)
        return;
    const CellBox& b = band->box;
    if (b.X1 != b.X2 || b.Y1 != b.Y2) {
        e_.c.objUndo.NoObjects = true;
        e_.c.objUndo.NewUndo(b.X1, b.Y1, b.X2, b.Y2, LoadResString(kUndoDrawConductors));
    }
    for (const Leg& leg : band->legs) {
        const int16_t lo = leg.lo();
        const int16_t hi = leg.hi();
        for (int16_t i = lo; i <= hi; ++i) {
            const auto [x, y] = CellOnLeg(leg, i);
            if (!s.circuit.P.Contains(x, y))
                continue;
            GridCell& cell = s.circuit.P(x, y);
            if (lo != hi && cell.Type < 2)
                cell.Type = ElementType::Conductor;
            if (i < hi)
                After(leg, cell) = kTrue;
            if (i > lo)
                Before(leg, cell) = kTrue;
            // A T gets a juncture; a crossing and a corner do not.
            if (s.AutoJunction != 0 && cell.Type == ElementType::Conductor) {
                const bool l = cell.ConLeft != 0, r = cell.ConRight != 0;
                const bool u = cell.ConUp != 0, d = cell.ConDown != 0;
                if ((l && r && (u != d)) || (u && d && (l != r)))
                    cell.Marker = -1;
            }
        }
    }
    RedrawAround(e_.c, b);
}

void ConductorBand::DeleteNewLines()
{
    ProgramState& s = e_.s;
    const std::optional<BandLegs> band = ReadLegs(e_);
    if (!band)
        return;
    const CellBox& b = band->box;
    e_.c.objUndo.NoObjects = true;
    e_.c.objUndo.NewUndo(b.X1, b.Y1, b.X2, b.Y2, LoadResString(kUndoDeleteConductors));
    for (const Leg& leg : band->legs) {
        const int16_t lo = leg.lo();
        const int16_t hi = leg.hi();
        if (lo == hi)
            continue;
        for (int16_t i = lo; i <= hi; ++i) {
            const auto [x, y] = CellOnLeg(leg, i);
            if (!s.circuit.P.Contains(x, y))
                continue;
            GridCell& cell = s.circuit.P(x, y);
            if (cell.Type >= 2) {
                Before(leg, cell) = kFalse;
                After(leg, cell) = kFalse;
                continue;
            }
            if (i < hi)
                After(leg, cell) = kFalse;
            if (i > lo)
                Before(leg, cell) = kFalse;
            // A cell becomes empty only when no connection is left, so a
            // kept flag never sits on an empty cell.
            const int16_t left = CountConnections(s.circuit, s.engine, x, y, 0);
            if (left == 0) {
                cell.Type = ElementType::Empty;
                cell.Marker = 0;
            } else if (left <= 2) {
                cell.Marker = 0;
            }
        }
    }
    RedrawAround(e_.c, b);
}

void ConductorBand::Hide()
{
    e_.overlay.LeitungH.Visible = false;
    e_.overlay.LeitungV.Visible = false;
    e_.Changed();
}

void ConductorBand::SetLines()
{
    DrawNewLines();
    Hide();
}

void ConductorBand::DeleteLines()
{
    DeleteNewLines();
    Hide();
}
