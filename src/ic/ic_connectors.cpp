#include "ic/ic_connectors.h"

#include "ic/ic_names.h"
#include "model/field_list.h"
#include "model/circuit_run.h"
#include "model/geometry.h"
#include "platform/numeric.h"

namespace {

QString PinEntry(int16_t x, int16_t y, const QString& name)
{
    return QString::number(x) + u';' + QString::number(y) + u';' + name + u';';
}

QString Key(const QString& name)
{
    return Trim(name).toUpper();
}

bool NameTaken(const ICDefinition& s, int except, const QString& name)
{
    for (int i = 1; i <= s.ICPinCount; ++i)
        if (i != except && !s.ICPins.value(i).isEmpty() && Key(ConnectorName(s, i)) == Key(name))
            return true;
    return false;
}

void Resize(QStringList& list, int count)
{
    while (list.size() > count + 1)
        list.removeLast();
    while (list.size() < count + 1)
        list.append(QString());
}

} // namespace

bool IsConnectorCell(const CircuitRun& run, ToolCode tool, int16_t x, int16_t y)
{
    const Circuit& circuit = run.circuit;
    if (!circuit.P.Contains(x, y) || x > circuit.MaxX || y > circuit.MaxY)
        return false;
    const GridCell& c = circuit.P(x, y);
    return tool == ToolCode::ICDefinitionView && run.engine.PowerFlag == 0 && c.Type == ElementType::Conductor
        && c.ICLink == 0 && CountConnections(circuit, run.engine, x, y) == 1;
}

std::optional<ConnectorEdit> BeginConnector(CircuitRun& run, ToolCode tool, int16_t x, int16_t y)
{
    if (!IsConnectorCell(run, tool, x, y))
        return std::nullopt;
    Circuit& circuit = run.circuit;
    ConnectorEdit e;
    e.x = x;
    e.y = y;
    const int k = circuit.P(x, y).ICConnector;
    if (k > 0 && k <= circuit.ICPinCount) {
        e.index = static_cast<int16_t>(k);
        e.oldName = ConnectorName(circuit, k);
    } else {
        e.isNew = true;
        ++circuit.ICPinCount;
        e.index = circuit.ICPinCount;
        ResizeConnectorLists(circuit, circuit.ICPinCount);
    }
    return e;
}

NameOutcome AcceptConnectorName(Circuit& s, const ConnectorEdit& e, const QString& typed)
{
    const QString name = WithoutFieldBreakers(typed);
    if (name.isEmpty())
        return NameOutcome::Empty;
    if (e.isNew && NameTaken(s, e.index, name))
        return NameOutcome::Duplicate;
    ResizeConnectorLists(s, std::max<int>(s.ICPinCount, e.index));
    s.ICPins[e.index] = PinEntry(e.x, e.y, name);
    // The name kept with the outline place goes into the file and onto the placed IC's symbol.
    QString& graphic = s.ICGraphicPins[e.index];
    if (!graphic.isEmpty())
        graphic = GetField(graphic, 1) + u';' + GetField(graphic, 2) + u';' + name + u';';
    s.P(e.x, e.y).ICConnector = static_cast<uint8_t>(e.index);
    return NameOutcome::Accepted;
}

void CancelConnector(Circuit& s, const ConnectorEdit& e)
{
    if (!e.isNew)
        return;
    if (s.P.Contains(e.x, e.y))
        s.P(e.x, e.y).Type = ElementType::Conductor;
    if (s.ICPinCount >= e.index && s.ICPinCount > 0) {
        --s.ICPinCount;
        ResizeConnectorLists(s, s.ICPinCount);
    }
}

bool DeleteConnector(Circuit& s, int16_t x, int16_t y)
{
    if (!s.P.Contains(x, y))
        return false;
    GridCell& cell = s.P(x, y);
    const int k = cell.ICConnector;
    if (k == 0 || cell.ICLink != 0 || k > s.ICPinCount)
        return false;
    cell.ICConnector = 0;
    ResizeConnectorLists(s, s.ICPinCount);
    s.ICPins.removeAt(k);
    s.ICGraphicPins.removeAt(k);
    s.ICTags.removeAt(k);
    --s.ICPinCount;
    for (int16_t cx = 0; cx <= s.MaxX; ++cx)
        for (int16_t cy = 0; cy <= s.MaxY; ++cy) {
            GridCell& c = s.P(cx, cy);
            if (c.ICLink == 0 && c.ICConnector > k)
                --c.ICConnector;
        }
    return true;
}

std::optional<std::pair<int16_t, int16_t>> FindNextConnectorEnd(const Circuit& s, int16_t& nextX, int16_t& nextY,
                                                                int16_t skipX, int16_t skipY)
{
    for (int16_t x = std::max<int16_t>(nextX, 0); x <= s.MaxX; ++x) {
        nextX = x;
        for (int16_t y = std::max<int16_t>(nextY, 0); y <= s.MaxY; ++y) {
            if (x == skipX && y == skipY)
                continue;
            const GridCell& c = s.P(x, y);
            // Connectors are named with the power off: the worksheet's own grid counts.
            if (c.Type == ElementType::Conductor && c.ICConnector == 0 && c.ICLink == 0 && CountConnections(s, x, y) == 1) {
                nextY = static_cast<int16_t>(y + 1);
                return std::make_pair(x, y);
            }
        }
        nextY = 0;
    }
    return std::nullopt;
}

QString ConnectorName(const ICDefinition& s, int k)
{
    return GetField(s.ICPins.value(k), 3);
}

bool AnyConnectorPlaced(const ICDefinition& s)
{
    for (int i = 1; i <= s.ICPinCount; ++i)
        if (!s.ICGraphicPins.value(i).isEmpty())
            return true;
    return false;
}

void ResizeConnectorLists(ICDefinition& s, int count)
{
    Resize(s.ICPins, count);
    Resize(s.ICGraphicPins, count);
    Resize(s.ICTags, count);
}

void ResetICDefinition(Circuit& circuit)
{
    for (int16_t x = 0; x <= circuit.MaxX; ++x)
        for (int16_t y = 0; y <= circuit.MaxY; ++y) {
            GridCell& c = circuit.P(x, y);
            if (c.ICConnector > 0 && c.ICLink == 0) {
                c.ICConnector = 0;
                c.Type = ElementType::Conductor;
            }
        }
    circuit.ICPinCount = 0;
    circuit.ICName.clear();
    circuit.ICNotes.clear();
    circuit.ICWidth = 7;
    circuit.ICHeight = 4;
    ResizeConnectorLists(circuit, 0);
    circuit.ICPins[0].clear();
    circuit.ICGraphicPins[0].clear();
    circuit.ICTags[0].clear();
}
