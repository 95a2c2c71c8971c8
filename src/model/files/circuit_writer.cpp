#include "model/files/circuit_writer.h"

#include "model/conductor_runs.h"
#include "model/files/element_records.h"
#include "model/files/record_writer.h"
#include "model/circuit.h"
#include "platform/numeric.h"

namespace {

// Plain conductor cells are left to [Jump].
bool WrittenInPunkte(const GridCell& c)
{
    return c.Type >= 2 || c.ElementNr != 0
        || (c.Type == ElementType::Conductor && (c.Marker != 0 || c.ICLink != 0));
}

QString JumpLine(int16_t x, int16_t y, const LineMapEntry& run)
{
    return Str(x) + u';' + Str(y) + u';' + Str(run.EndX) + u';' + Str(run.EndY) + u';';
}

} // namespace

QByteArray CircuitFileBytes(Circuit& s)
{
    s.LineMap.Redim(s.MaxX, s.MaxY);
    AnalysiereLeitungen(s);

    RecordWriter w;
    w.Header(Section::Feld);
    w.Line(QString::number(s.MaxX) + u';' + QString::number(s.MaxY) + u';');

    w.Header(Section::Punkte);
    for (int16_t x = 0; x <= s.MaxX; ++x) {
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            if (WrittenInPunkte(s.P(x, y)))
                w.Line(PunktLine(x, y, s.P(x, y)));
        }
    }

    w.Header(Section::Jump);
    for (int16_t x = 0; x <= s.MaxX; ++x) {
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            const LineMapEntry& run = s.LineMap(x, y);
            if (run.EndX != 0 || run.EndY != 0)
                w.Line(JumpLine(x, y, run));
        }
    }

    w.Header(Section::Elemente);
    for (int e = 1; e <= s.ElementCount(); ++e)
        w.Line(ElementLine(s.Elements[e]));

    w.Header(Section::IC);
    for (int k = 1; k <= s.ICCount() && static_cast<size_t>(k) < s.ICInstances.size(); ++k) {
        const ICInstanceRecord& ic = s.ICInstances[k];
        if (ic.NestingLevel == 0)
            w.Line(ic.Name + u';' + QString::number(ic.ElementNr) + u';');
    }

    w.Header(Section::Timer);
    w.Line(QString::number(s.ClockCount));
    QString elements;
    for (const ClockSlot& c : s.Clocks)
        elements += QString::number(c.ClockElement) + u';';
    w.Line(elements);
    for (const ClockSlot& c : s.Clocks) {
        const int16_t linked = c.ClockLinked != 0 ? kTrue : kFalse;
        w.Line(QString::number(c.ClockHigh) + u';' + QString::number(c.ClockLow) + u';' + QString::number(linked) + u';'
               + QString::number(static_cast<int>(c.ClockCycles)) + u';');
    }
    return w.Bytes();
}
