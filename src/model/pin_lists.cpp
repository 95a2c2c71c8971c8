#include "model/pin_lists.h"

#include "model/circuit_run.h"
#include "platform/numeric.h"

namespace {


// While the power is on, level 0 and the IC levels keep their own element
// tables; an inner level being shown is already copied into Elements.
const std::vector<ElementRecord>& SourceTable(const CircuitRun& s, int16_t level)
{
    if (s.engine.PowerFlag != 0 && s.engine.InnerLevelShown == 0) {
        if (level < 0 || static_cast<size_t>(level) >= s.circuit.Levels.size())
            throw RuntimeError(kErrSubscript, "Subscript out of range");
        return s.circuit.Levels[level].Elements;
    }
    return s.circuit.Elements;
}

PinPos ParseEntry(const QString& entry)
{
    const qsizetype y = entry.indexOf(u'Y');
    PinPos p;
    if (y < 0) {
        p.X = CInt(Val(entry.mid(1)));
        return p;
    }
    p.X = CInt(Val(entry.mid(1, y - 1)));
    p.Y = CInt(Val(entry.mid(y + 1)));
    return p;
}

// The record whose inputs the parsers read; null where they leave the tables.
const ElementRecord* InputSource(const CircuitRun& s, int16_t c, int16_t level)
{
    const auto& table = SourceTable(s, level);
    if (c <= 0 || static_cast<size_t>(c) >= table.size())
        return nullptr;
    return &table[c];
}

// Element 0 is read like any other, so its (empty) list clears the outputs.
const ElementRecord* OutputSource(const CircuitRun& s, int16_t c, int16_t level)
{
    const auto& table = SourceTable(s, level);
    if (c < 0 || static_cast<size_t>(c) >= table.size())
        return nullptr;
    return &table[c];
}

} // namespace

int16_t ParsePinList(const QString& list, PinTable& table)
{
    const QString text = Trim(list);
    table.fill(PinPos{});
    int16_t count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size() && count < kPinTableSize; ++i) {
        if (text[i] != u':')
            continue;
        table[count] = ParseEntry(text.mid(start, i - start));
        ++count;
        start = i + 1;
    }
    return count;
}

void ParseInputPins(CircuitRun& s, int16_t c, int16_t level)
{
    if (const ElementRecord* r = InputSource(s, c, level))
        s.InputPinCount = ParsePinList(r->InPinList, s.InputPins);
}

void ParseOutputPins(CircuitRun& s, int16_t c, int16_t level)
{
    if (const ElementRecord* r = OutputSource(s, c, level))
        s.OutputPinCount = ParsePinList(r->OutPinList, s.OutputPins);
}

ElementPins InputPinsOf(const CircuitRun& s, int16_t c, int16_t level)
{
    ElementPins p;
    if (const ElementRecord* r = InputSource(s, c, level))
        p.count = ParsePinList(r->InPinList, p.pin);
    else
        p = {s.InputPins, s.InputPinCount};
    return p;
}

ElementPins OutputPinsOf(const CircuitRun& s, int16_t c, int16_t level)
{
    ElementPins p;
    if (const ElementRecord* r = OutputSource(s, c, level))
        p.count = ParsePinList(r->OutPinList, p.pin);
    else
        p = {s.OutputPins, s.OutputPinCount};
    return p;
}

QString PinListText(const std::vector<PinPos>& pins)
{
    QString t;
    for (const PinPos& p : pins)
        t += QStringLiteral("X%1Y%2:").arg(p.X).arg(p.Y);
    return t;
}
