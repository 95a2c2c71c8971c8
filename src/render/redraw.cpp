#include "render/redraw.h"

#include <QElapsedTimer>
#include <QString>
#include <vector>

#include "model/conductor_runs.h"
#include "model/geometry.h"
#include "model/state.h"
#include "render/marker_symbols.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/surface.h"
#include "render/clsGrafik.h"
#include "render/symbol_helpers.h"
#include "render/symbol_table.h"
#include "model/ports/all_ports.h"

namespace {

constexpr int32_t kGrey = 0x808080;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int kStrDrawingConductors = 2700;
constexpr int kStrDrawingObjects = 2701;

bool IsComponent(const GridCell& cell)
{
    return cell.Type != 0 && cell.Type != ElementType::Conductor;
}

int16_t Shifted(int v, int by)
{
    return static_cast<int16_t>(v + by);
}

// The middle row (outputs left or right) or column of a gate whose first
// input pin is given; false for an orientation out of range.
bool MiddleOfThree(Orientation orientation, const PinPos& pin, int16_t& x, int16_t& y)
{
    switch (orientation) {
    case Orientation::Left:
    case Orientation::Right:
        x = pin.X;
        y = Shifted(pin.Y, 1);
        return true;
    case Orientation::Up:
    case Orientation::Down:
        x = Shifted(pin.X, 1);
        y = pin.Y;
        return true;
    default:
        return false;
    }
}

bool PowerOn(const CircuitRun& s)
{
    return s.engine.PowerFlag != 0;
}

void WhiteBox(Surface& dev, double x1, double y1, double x2, double y2)
{
    dev.FillStyle = 0;
    dev.FillColor = kWhite;
    dev.Line(x1, y1, x2, y2, kWhite, LineMode::Box);
}

// The output pin, three cells back against the outputs.
void ClockAnchor(Orientation orientation, const PinPos& out, int16_t& x, int16_t& y)
{
    x = out.X;
    y = out.Y;
    switch (orientation) {
    case Orientation::Right: x = Shifted(x, -3); break;
    case Orientation::Left: x = Shifted(x, 3); break;
    case Orientation::Down: y = Shifted(y, -3); break;
    case Orientation::Up: y = Shifted(y, 3); break;
    default: break;
    }
}

// The IC's link, and whether it is shown: nested ICs are drawn only inside
// their parent, while the power is on.
bool ShownIC(CircuitRun& s, int16_t level, const clsGrafik& g, int16_t e, int16_t& link)
{
    symbols::LoadInputPins(s, e, level);
    const PinPos& in0 = s.InputPins[0];
    const uint8_t l = CellOr(s.circuit.P, in0.X, in0.Y).ICLink;
    link = l;
    const bool topLevel = l < s.circuit.ICInstances.size() && s.circuit.ICInstances[l].NestingLevel == 0;
    return g.OnPrinter() || topLevel || PowerOn(s);
}

// Where and with what flag the symbol of element e, asked for on cell (x, y),
// is drawn; false when it is not drawn.
bool PlaceSymbol(CircuitRun& s, const ShownSheet& shown, const clsGrafik& g, int16_t e, const SymbolRow& symbol,
                 int16_t x, int16_t y, bool outline, SymbolCall& call)
{
    call = SymbolCall{x, y, symbol.flag == SymbolFlag::Outline && outline, 0};
    const PinPos* in = s.InputPins.data();
    switch (symbol.anchor) {
    case SymbolAnchor::None:
        return false;
    case SymbolAnchor::Cell:
        return true;
    case SymbolAnchor::InputPin:
        symbols::LoadInputPins(s, e, 0);
        call.x = in[symbol.pin].X;
        call.y = in[symbol.pin].Y;
        return true;
    case SymbolAnchor::GateMiddle:
        symbols::LoadInputPins(s, e, 0);
        if (ElementOr(s.circuit, e).Label == QLatin1String("2"))
            return MiddleOfThree(g.Orientation, in[0], call.x, call.y);
        call.x = in[1].X;
        call.y = in[1].Y;
        return true;
    case SymbolAnchor::MiddleOfThree:
        symbols::LoadInputPins(s, e, 0);
        return MiddleOfThree(g.Orientation, in[0], call.x, call.y);
    case SymbolAnchor::ClockOutput:
        symbols::LoadOutputPins(s, e, 0);
        ClockAnchor(g.Orientation, s.OutputPins[0], call.x, call.y);
        call.flag = IsSelectedClock(s, shown.selectedClock, e);
        return true;
    case SymbolAnchor::IC:
        return ShownIC(s, shown.level, g, e, call.icIndex);
    }
    return false;
}

} // namespace

ShownSheet ShownSheetOf(ProgramState& s)
{
    return ShownSheet{s, s.CurrentLevel, s.SelectedClock, s.ShowGrid != 0, s.ports};
}

void DrawElement(ProgramState& s, clsGrafik& g, int16_t x, int16_t y, bool noText, bool outline)
{
    DrawElement(s, ShownSheetOf(s), g, x, y, noText, outline);
}

void DrawElement(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, int16_t x, int16_t y, bool noText,
                 bool outline)
{
    g.SymbolDrawnAt(x, y);
    const GridCell cell = CellOr(s.circuit.P, x, y);
    const int16_t e = cell.ElementNr;
    if (e > 0)
        g.Orientation = ElementOr(s.circuit, e).Orientation;
    if (cell.Type == ElementType::Switch)
        g.DrawSwitch(x, y);

    const uint8_t type = ElementOr(s.circuit, e).Type;
    const SymbolRow& symbol = Symbol(type);
    // A component whose pins do not fit its type (a damaged file) would make its
    // symbol read beyond the grid: that one symbol is left out, the rest is drawn.
    try {
        SymbolCall call;
        if (PlaceSymbol(s, shown, g, e, symbol, x, y, outline, call))
            symbol.draw(g, call);
    } catch (const RuntimeError&) {
    }

    if (!noText && type == ElementType::TextLabel && shown.ports.worksheet)
        shown.ports.worksheet->DisplayBeschriftungsText(e, QString());
}

void CopyLevelSignals(Circuit& s, int16_t level)
{
    if (level < 0 || static_cast<size_t>(level) >= s.Levels.size())
        return;
    const Grid& field = s.Levels[static_cast<size_t>(level)].Field;
    for (int x = 0; x <= s.MaxX; ++x) {
        for (int y = 0; y <= s.MaxY; ++y) {
            GridCell& cell = s.P.at(x, y);
            if (cell.Type == 0 || !field.Contains(x, y))
                continue;
            const GridCell& from = field(x, y);
            cell.Value = from.Value;
            cell.WireSignalH = from.WireSignalH;
            cell.WireSignalV = from.WireSignalV;
        }
    }
}

void DrawSheetCells(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, StatusPort* status, ICViewPort* icView)
{
    const bool worksheet = g.OnWorksheet();
    const bool gridDots = worksheet && shown.showGrid && !PowerOn(s);
    for (int16_t x = 0; x <= s.circuit.MaxX; ++x) {
        for (int16_t y = 0; y <= s.circuit.MaxY; ++y) {
            const LineMapEntry run = s.circuit.LineMap(x, y);
            if (run.EndX != 0)
                g.PaintLine(x, y, run.EndX, y);
            if (run.EndY != 0)
                g.PaintLine(x, y, x, run.EndY);
            const GridCell& cell = s.circuit.P.at(x, y);
            if ((cell.Type == 0 || cell.Type == ElementType::Conductor) && gridDots && g.Device)
                g.Device->SetPixel(GridToPixel(shown.scale, x), GridToPixel(shown.scale, y), kGrey);
            if (cell.Type == ElementType::Conductor) {
                if (cell.Marker == -1)
                    ShowJuncture(s, shown.scale, shown.level, g, x, y);
                else if (cell.Marker == 1)
                    ShowCouplingDiode(s, shown.scale, g, x, y);
            }
            if (s.circuit.P.at(x, y).Type == ElementType::Switch)
                g.DrawSwitch(x, y);
            if (s.circuit.P.at(x, y).ICLink == 0 && s.circuit.P.at(x, y).ICConnector != 0) {
                if (icView)
                    icView->ShowICInOut(x, y);
                g.DrawICInOut(x, y);
            }
        }
        if (status)
            status->SetProgress(s.circuit.MaxX > 0 ? CInt(static_cast<double>(x) / s.circuit.MaxX * 100) : 100);
    }
}

void DrawSheetElements(CircuitRun& s, const ShownSheet& shown, clsGrafik& g)
{
    for (int16_t e = 1; e <= s.circuit.ElementCount(); ++e) {
        if (s.engine.InnerLevelShown == 0)
            shown.level = 0;
        symbols::LoadInputPins(s, e, shown.level);
        DrawElement(s, shown, g, s.InputPins[0].X, s.InputPins[0].Y, false, false);
    }
}

void RedrawAllElements(ProgramState& s, clsGrafik& g, int16_t level)
{
    s.CurrentProc = QStringLiteral("RedrawAllElements");
    RedrawAllElements(s, ShownSheetOf(s), g, level);
}

void RedrawAllElements(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, int16_t level)
{
    StatusPort* status = shown.ports.status;
    WorksheetPort* sheet = shown.ports.worksheet;
    ICViewPort* icView = shown.ports.icView;
    s.circuit.LineMap.Redim(s.circuit.MaxX, s.circuit.MaxY);
    g.PictureCleared();
    if (status)
        status->SetProgress(0);
    if (sheet)
        sheet->SelectNone();

    if (PowerOn(s) && shown.level == 0)
        CopyLevelSignals(s.circuit, level);

    const bool worksheet = g.OnWorksheet();
    if (worksheet && sheet) {
        const double pitch = g.GridPixel * static_cast<double>(shown.scale.GridMode);
        sheet->SetWorksheetPictureSize(static_cast<int>(RoundHalfEven((s.circuit.MaxX + 1) * pitch)),
                                       static_cast<int>(RoundHalfEven((s.circuit.MaxY + 1) * pitch)));
    }
    if (icView)
        icView->HideICConnectorLabels();
    if (worksheet && g.Device && s.engine.SwitchingOff == 0)
        WhiteBox(*g.Device, 0, 0, g.Device->ScaleWidth(), g.Device->ScaleHeight());

    if (status)
        status->SetStatusPanel(1, LoadResString(kStrDrawingConductors));
    AnalysiereLeitungen(s.circuit);
    DrawSheetCells(s, shown, g, status, icView);
    if (status)
        status->SetStatusPanel(1, LoadResString(kStrDrawingObjects));
    DrawSheetElements(s, shown, g);

    if (icView)
        icView->ShowNamedICConnectorLabels();
    if (sheet && s.engine.SwitchingOff == 0 && worksheet)
        sheet->ResizeWorksheet();
    if (status) {
        status->SetProgress(0);
        status->SetStatusPanel(1, QString());
    }
}

namespace {

// The area's corners clamped into the grid.
void ClampArea(const Circuit& s, int16_t& x1, int16_t& y1, int16_t& x2, int16_t& y2)
{
    auto clampX = [&s](int16_t& v) {
        if (v < 0)
            v = 0;
        if (v > s.MaxX + 1)
            v = s.MaxX;
    };
    auto clampY = [&s](int16_t& v) {
        if (v < 0)
            v = 0;
        if (v > s.MaxY + 1)
            v = s.MaxY;
    };
    clampX(x1);
    clampY(y1);
    clampX(x2);
    clampY(y2);
}

// Runs that start on cells not yet covered are added; nothing is cleared.
void AddMissingRuns(Circuit& s)
{
    if (s.LineMap.UBoundX() != s.MaxX || s.LineMap.UBoundY() != s.MaxY)
        s.LineMap.RedimPreserve(s.MaxX, s.MaxY);
    for (int16_t x = 0; x <= s.MaxX; ++x) {
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            const GridCell& cell = s.P.at(x, y);
            if (cell.ConRight != 0 && s.LineMap(x, y).CoveredH == 0)
                s.LineMap(x, y).EndX = FindEndX(s, x, y);
            if (cell.ConDown != 0 && s.LineMap(x, y).CoveredV == 0)
                s.LineMap(x, y).EndY = FindEndY(s, x, y);
        }
    }
}

// The piece from (x, y) to the neighbour (nx, ny) when both ends join, and
// the component on the neighbour.
void DrawPieceTo(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, int16_t x, int16_t y, int16_t nx, int16_t ny,
                 bool joined)
{
    if (joined)
        g.PaintLine(x, y, nx, ny);
    if (IsComponent(CellOr(s.circuit.P, nx, ny)))
        DrawElement(s, shown, g, nx, ny, false, false);
}

// The coupling diode on the conductor cell (x, y), drawn again.
void RedrawDiodeOn(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, int16_t x, int16_t y)
{
    const GridCell& cell = CellOr(s.circuit.P, x, y);
    if (cell.Type == ElementType::Conductor && cell.Marker == 1)
        ShowCouplingDiode(s, shown.scale, g, x, y);
}

// The neighbours of a conductor cell in the order the area redraw visits
// them: the connection flags that join the two, and whether a coupling diode
// on the neighbour is drawn again (above and left: drawn before this cell).
struct AreaNeighbour {
    int dx;
    int dy;
    int16_t GridCell::*here;
    int16_t GridCell::*there;
    bool diode;
};

constexpr AreaNeighbour kAreaNeighbours[] = {
    {0, 1, &GridCell::ConDown, &GridCell::ConUp, false},
    {0, -1, &GridCell::ConUp, &GridCell::ConDown, true},
    {1, 0, &GridCell::ConRight, &GridCell::ConLeft, false},
    {-1, 0, &GridCell::ConLeft, &GridCell::ConRight, true},
};

// A conductor cell of the area: its pieces to the four neighbours, the
// components on them, and the markers on it and on the neighbours above and left.
void DrawAreaConductor(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, const GridCell& cell, int16_t x,
                       int16_t y)
{
    for (const AreaNeighbour& n : kAreaNeighbours) {
        // A step out of the grid along its axis has no neighbour.
        const int along = n.dx != 0 ? x + n.dx : y + n.dy;
        if (along < 0 || along > (n.dx != 0 ? s.circuit.MaxX : s.circuit.MaxY))
            continue;
        const int16_t nx = Shifted(x, n.dx);
        const int16_t ny = Shifted(y, n.dy);
        DrawPieceTo(s, shown, g, x, y, nx, ny, cell.*n.here != 0 && CellOr(s.circuit.P, nx, ny).*n.there != 0);
        if (n.diode)
            RedrawDiodeOn(s, shown, g, nx, ny);
    }
    const int16_t marker = CellOr(s.circuit.P, x, y).Marker;
    if (marker == -1)
        ShowJuncture(s, shown.scale, shown.level, g, x, y);
    else if (marker == 1)
        ShowCouplingDiode(s, shown.scale, g, x, y);
}

} // namespace

void RedrawArea(ProgramState& s, clsGrafik& g, int16_t& x1, int16_t& y1, int16_t& x2, int16_t& y2,
                bool noText)
{
    RedrawArea(s, ShownSheetOf(s), g, x1, y1, x2, y2, noText);
}

void RedrawArea(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, int16_t& x1, int16_t& y1, int16_t& x2,
                int16_t& y2, bool noText)
{
    QElapsedTimer took;
    took.start();
    g.PictureCleared();
    StatusPort* status = shown.ports.status;
    const SheetScale& scale = shown.scale;
    const double h = CInt(scale.CellSize * static_cast<double>(scale.GridMode) / 2);

    ClampArea(s.circuit, x1, y1, x2, y2);

    const bool worksheet = g.OnWorksheet() && g.Device != nullptr;
    if (worksheet)
        WhiteBox(*g.Device, GridToPixel(scale, x1) - h, GridToPixel(scale, y1) - h, GridToPixel(scale, x2) + h,
                 GridToPixel(scale, y2) + h);
    if (status)
        status->SetStatusPanel(1, QStringLiteral("Leitungen werden gezeichnet ..."));

    AddMissingRuns(s.circuit);

    std::vector<char> drawn(s.circuit.Elements.size() + 1, 0);
    for (int16_t x = x1; x <= x2; ++x) {
        for (int16_t y = y1; y <= y2; ++y) {
            const GridCell cell = CellOr(s.circuit.P, x, y);
            if (cell.Type == ElementType::Conductor)
                DrawAreaConductor(s, shown, g, cell, x, y);
            if (cell.ICLink == 0 && cell.ICConnector != 0)
                g.DrawICInOut(x, y);
            const int16_t e = cell.ElementNr;
            if (e >= 1) {
                if (static_cast<size_t>(e) >= drawn.size())
                    drawn.resize(static_cast<size_t>(e) + 1, 0);
                if (!drawn[static_cast<size_t>(e)]) {
                    drawn[static_cast<size_t>(e)] = 1;
                    symbols::LoadInputPins(s, e, 0);
                    g.Orientation = ElementOr(s.circuit, e).Orientation;
                    DrawElement(s, shown, g, x, y, noText, false);
                }
            }
            if (cell.Type == 0 && shown.showGrid && !PowerOn(s) && worksheet)
                g.Device->PSet(GridToPixel(scale, x), GridToPixel(scale, y), kGrey);
        }
    }

    if (shown.ports.power)
        shown.ports.power->SetTimeLabel(QString::number(took.elapsed() / 1000.0));
}

bool IsSelectedClock(const CircuitRun& s, int16_t selected, int16_t e)
{
    const size_t slot = static_cast<size_t>(selected);
    return PowerOn(s) && selected >= 0 && slot < s.circuit.Clocks.size() && s.circuit.Clocks[slot].ClockElement == e;
}
