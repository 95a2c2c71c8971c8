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
#include "model/ports/all_ports.h"

namespace {

constexpr int32_t kGrey = 0x808080;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int kStrDrawingConductors = 2700;
constexpr int kStrDrawingObjects = 2701;

const GridCell& CellOr(const Grid& grid, int x, int y)
{
    static const GridCell empty;
    return grid.Contains(x, y) ? grid(x, y) : empty;
}

const ElementRecord& ElementOr(const ProgramState& s, int e)
{
    static const ElementRecord empty;
    if (e < 0 || static_cast<size_t>(e) >= s.Elements.size())
        return empty;
    return s.Elements[static_cast<size_t>(e)];
}

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
bool MiddleOfThree(uint8_t orientation, const PinPos& pin, int16_t& x, int16_t& y)
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

bool PowerOn(const ProgramState& s)
{
    return s.engine.PowerFlag != 0;
}

void WhiteBox(Surface& dev, double x1, double y1, double x2, double y2)
{
    dev.FillStyle = 0;
    dev.FillColor = kWhite;
    dev.Line(x1, y1, x2, y2, kWhite, LineMode::Box);
}

} // namespace

void DrawElement(ProgramState& s, clsGrafik& g, int16_t x, int16_t y, bool noText, bool outline)
{
    g.SymbolDrawnAt(x, y);
    const GridCell cell = CellOr(s.P, x, y);
    const int16_t e = cell.ElementNr;
    if (e > 0)
        g.Orientation = ElementOr(s, e).Orientation;
    if (cell.Type == ElementType::Switch)
        g.DrawSwitch(x, y);

    const uint8_t type = ElementOr(s, e).Type;
    const PinPos* in = s.InputPins.data();
    int16_t rx = 0;
    int16_t ry = 0;
    // A component whose pins do not fit its type (a damaged file) would make its
    // symbol read beyond the grid: that one symbol is left out, the rest is drawn.
    try {
        switch (type) {
        case ElementType::LED:
            g.DrawDiode(x, y);
            break;
        case ElementType::AND:
        case ElementType::OR:
        case ElementType::XOR:
            symbols::LoadInputPins(s, e, 0);
            if (ElementOr(s, e).Label == QLatin1String("2")) {
                if (!MiddleOfThree(g.Orientation, in[0], rx, ry))
                    break;
            } else {
                rx = in[1].X;
                ry = in[1].Y;
            }
            if (type == ElementType::AND)
                g.DrawUnd(rx, ry, outline);
            else if (type == ElementType::OR)
                g.DrawOder(rx, ry, outline);
            else
                g.DrawXOder(rx, ry);
            break;
        case ElementType::Inverter:
            symbols::LoadInputPins(s, e, 0);
            g.DrawInverter(in[0].X, in[0].Y);
            break;
        case ElementType::ClockGenerator: {
            symbols::LoadOutputPins(s, e, 0);
            rx = s.OutputPins[0].X;
            ry = s.OutputPins[0].Y;
            switch (g.Orientation) {
            case Orientation::Right: rx = Shifted(rx, -3); break;
            case Orientation::Left: rx = Shifted(rx, 3); break;
            case Orientation::Down: ry = Shifted(ry, -3); break;
            case Orientation::Up: ry = Shifted(ry, 3); break;
            default: break;
            }
            const size_t slot = static_cast<size_t>(s.SelectedClock);
            const bool selected = PowerOn(s) && s.SelectedClock >= 0 && slot < s.Clocks.size()
                && s.Clocks[slot].ClockElement == e;
            g.DrawTimer(rx, ry, selected);
            break;
        }
        case ElementType::HalfAdder:
        case ElementType::FullAdder:
            symbols::LoadInputPins(s, e, 0);
            if (type == ElementType::HalfAdder)
                g.DrawHA(in[2].X, in[2].Y);
            else
                g.DrawVA(in[2].X, in[2].Y);
            break;
        case ElementType::TriState:
            symbols::LoadInputPins(s, e, 0);
            if (MiddleOfThree(g.Orientation, in[0], rx, ry))
                g.DrawTriState(rx, ry);
            break;
        case ElementType::Multiplexer:
            g.DrawMultiplexer(x, y);
            break;
        case ElementType::Decoder:
            symbols::LoadInputPins(s, e, 0);
            g.DrawDecoder(in[2].X, in[2].Y, outline);
            break;
        case ElementType::FlipFlop:
            symbols::LoadInputPins(s, e, 0);
            g.DrawFlipFlop(in[1].X, in[1].Y, outline, 0);
            break;
        case ElementType::ShiftRegister:
            symbols::LoadInputPins(s, e, 0);
            g.DrawSRegister(in[2].X, in[2].Y);
            break;
        case ElementType::SevenSegment:
            g.DrawZAnzeige(x, y);
            break;
        case ElementType::IC: {
            symbols::LoadInputPins(s, e, s.CurrentLevel);
            const uint8_t link = CellOr(s.P, in[0].X, in[0].Y).ICLink;
            // Nested ICs are drawn only inside their parent, while the power is on.
            const bool topLevel = link < s.ICInstances.size() && s.ICInstances[link].NestingLevel == 0;
            if (g.OnPrinter() || topLevel || PowerOn(s))
                g.DrawIC(x, y, link, outline);
            break;
        }
        case ElementType::AnalysisSensor:
            g.DrawAnalysepunkt(x, y);
            break;
        default:
            break;
        }
    } catch (const RuntimeError&) {
    }

    if (!noText && type == ElementType::TextLabel && s.ports.worksheet)
        s.ports.worksheet->DisplayBeschriftungsText(e, QString());
}

void CopyLevelSignals(ProgramState& s, int16_t level)
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

void DrawSheetCells(ProgramState& s, clsGrafik& g, StatusPort* status, ICViewPort* icView)
{
    const bool worksheet = g.OnWorksheet();
    const bool gridDots = worksheet && s.ShowGrid != 0 && !PowerOn(s);
    for (int16_t x = 0; x <= s.MaxX; ++x) {
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            const LineMapEntry run = s.LineMap(x, y);
            if (run.EndX != 0)
                g.PaintLine(x, y, run.EndX, y);
            if (run.EndY != 0)
                g.PaintLine(x, y, x, run.EndY);
            const GridCell& cell = s.P.at(x, y);
            if ((cell.Type == 0 || cell.Type == ElementType::Conductor) && gridDots && g.Device)
                g.Device->SetPixel(GridToPixel(s, x), GridToPixel(s, y), kGrey);
            if (cell.Type == ElementType::Conductor) {
                if (cell.Marker == -1)
                    SetKnotenpunkt(s, g, x, y, true);
                else if (cell.Marker == 1)
                    SetKoppeldiode(s, g, x, y, true);
            }
            if (s.P.at(x, y).Type == ElementType::Switch)
                g.DrawSwitch(x, y);
            if (s.P.at(x, y).ICLink == 0 && s.P.at(x, y).ICConnector != 0) {
                if (icView)
                    icView->ShowICInOut(x, y);
                g.DrawICInOut(x, y);
            }
        }
        if (status)
            status->SetProgress(s.MaxX > 0 ? CInt(static_cast<double>(x) / s.MaxX * 100) : 100);
    }
}

void DrawSheetElements(ProgramState& s, clsGrafik& g)
{
    for (int16_t e = 1; e <= s.ElementCount(); ++e) {
        if (s.engine.InnerLevelShown == 0)
            s.CurrentLevel = 0;
        symbols::LoadInputPins(s, e, s.CurrentLevel);
        DrawElement(s, g, s.InputPins[0].X, s.InputPins[0].Y, false, false);
    }
}

void RedrawAllElements(ProgramState& s, clsGrafik& g, int16_t level)
{
    StatusPort* status = s.ports.status;
    WorksheetPort* sheet = s.ports.worksheet;
    ICViewPort* icView = s.ports.icView;
    s.LineMap.Redim(s.MaxX, s.MaxY);
    g.PictureCleared();
    s.CurrentProc = QStringLiteral("RedrawAllElements");
    if (status)
        status->SetProgress(0);
    if (sheet)
        sheet->SelectNone();

    if (PowerOn(s) && s.CurrentLevel == 0)
        CopyLevelSignals(s, level);

    const bool worksheet = g.OnWorksheet();
    if (worksheet && sheet) {
        const double pitch = g.GridPixel * static_cast<double>(s.GridMode);
        sheet->SetWorksheetPictureSize(static_cast<int>(RoundHalfEven((s.MaxX + 1) * pitch)),
                                       static_cast<int>(RoundHalfEven((s.MaxY + 1) * pitch)));
    }
    if (icView)
        icView->HideICConnectorLabels();
    if (worksheet && g.Device && s.engine.SwitchingOff == 0)
        WhiteBox(*g.Device, 0, 0, g.Device->ScaleWidth(), g.Device->ScaleHeight());

    if (status)
        status->SetStatusPanel(1, LoadResString(kStrDrawingConductors));
    AnalysiereLeitungen(s);
    DrawSheetCells(s, g, status, icView);
    if (status)
        status->SetStatusPanel(1, LoadResString(kStrDrawingObjects));
    DrawSheetElements(s, g);

    if (icView)
        icView->ShowNamedICConnectorLabels();
    if (sheet && s.engine.SwitchingOff == 0 && worksheet)
        sheet->ResizeWorksheet();
    if (status) {
        status->SetProgress(0);
        status->SetStatusPanel(1, QString());
    }
}

void RedrawArea(ProgramState& s, clsGrafik& g, int16_t& x1, int16_t& y1, int16_t& x2, int16_t& y2,
                bool noText)
{
    QElapsedTimer took;
    took.start();
    g.PictureCleared();
    StatusPort* status = s.ports.status;
    const double h = CInt(s.CellSize * static_cast<double>(s.GridMode) / 2);

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

    const bool worksheet = g.OnWorksheet() && g.Device != nullptr;
    if (worksheet)
        WhiteBox(*g.Device, GridToPixel(s, x1) - h, GridToPixel(s, y1) - h, GridToPixel(s, x2) + h,
                 GridToPixel(s, y2) + h);
    if (status)
        status->SetStatusPanel(1, QStringLiteral("Leitungen werden gezeichnet ..."));

    // Runs that start on cells not yet covered are added; nothing is cleared.
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

    std::vector<char> drawn(s.Elements.size() + 1, 0);
    for (int16_t x = x1; x <= x2; ++x) {
        for (int16_t y = y1; y <= y2; ++y) {
            const GridCell cell = CellOr(s.P, x, y);
            if (cell.Type == ElementType::Conductor) {
                if (y < s.MaxY) {
                    const int16_t yb = Shifted(y, 1);
                    if (cell.ConDown != 0 && CellOr(s.P, x, yb).ConUp != 0)
                        g.PaintLine(x, y, x, yb);
                    if (IsComponent(CellOr(s.P, x, yb)))
                        DrawElement(s, g, x, yb, false, false);
                }
                if (y > 0) {
                    const int16_t ya = Shifted(y, -1);
                    if (cell.ConUp != 0 && CellOr(s.P, x, ya).ConDown != 0)
                        g.PaintLine(x, y, x, ya);
                    if (IsComponent(CellOr(s.P, x, ya)))
                        DrawElement(s, g, x, ya, false, false);
                    const GridCell& above = CellOr(s.P, x, ya);
                    if (above.Type == ElementType::Conductor && above.Marker == 1)
                        SetKoppeldiode(s, g, x, ya, true);
                }
                if (x < s.MaxX) {
                    const int16_t xr = Shifted(x, 1);
                    if (cell.ConRight != 0 && CellOr(s.P, xr, y).ConLeft != 0)
                        g.PaintLine(x, y, xr, y);
                    if (IsComponent(CellOr(s.P, xr, y)))
                        DrawElement(s, g, xr, y, false, false);
                }
                if (x > 0) {
                    const int16_t xl = Shifted(x, -1);
                    if (cell.ConLeft != 0 && CellOr(s.P, xl, y).ConRight != 0)
                        g.PaintLine(x, y, xl, y);
                    if (IsComponent(CellOr(s.P, xl, y)))
                        DrawElement(s, g, xl, y, false, false);
                    const GridCell& left = CellOr(s.P, xl, y);
                    if (left.Type == ElementType::Conductor && left.Marker == 1)
                        SetKoppeldiode(s, g, xl, y, true);
                }
                const int16_t marker = CellOr(s.P, x, y).Marker;
                if (marker == -1)
                    SetKnotenpunkt(s, g, x, y, true);
                else if (marker == 1)
                    SetKoppeldiode(s, g, x, y, true);
            }
            if (cell.ICLink == 0 && cell.ICConnector != 0)
                g.DrawICInOut(x, y);
            const int16_t e = cell.ElementNr;
            if (e >= 1) {
                if (static_cast<size_t>(e) >= drawn.size())
                    drawn.resize(static_cast<size_t>(e) + 1, 0);
                if (!drawn[static_cast<size_t>(e)]) {
                    drawn[static_cast<size_t>(e)] = 1;
                    symbols::LoadInputPins(s, e, 0);
                    g.Orientation = ElementOr(s, e).Orientation;
                    DrawElement(s, g, x, y, noText, false);
                }
            }
            if (cell.Type == 0 && s.ShowGrid != 0 && !PowerOn(s) && worksheet)
                g.Device->PSet(GridToPixel(s, x), GridToPixel(s, y), kGrey);
        }
    }

    if (s.ports.power)
        s.ports.power->SetTimeLabel(QString::number(took.elapsed() / 1000.0));
}
