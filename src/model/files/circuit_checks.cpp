#include "model/files/circuit_checks.h"

#include <set>

#include "model/files/record_reader.h"
#include "model/components.h"
#include "model/footprint.h"
#include "model/circuit.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

namespace {

// Entries of a pin list, each ended by ":", as the pin-list parser counts them.
int PinEntries(const QString& list)
{
    return static_cast<int>(Trim(list).count(u':'));
}

QString Needed(int min, int max)
{
    return min == max ? QString::number(min) : QStringLiteral("%1 to %2").arg(min).arg(max);
}

[[noreturn]] void RefusePins(int e, const ComponentRow& c, const QString& what)
{
    throw NamedFormatError(
        QStringLiteral("element %1 (%2) %3").arg(e).arg(LoadResString(c.nameId), what).toStdString());
}

QString PinCountText(const char* side, int has, int min, int max)
{
    return QStringLiteral("has %1 %2 pin%3 where it needs %4")
        .arg(has)
        .arg(QLatin1String(side), has == 1 ? QString() : QStringLiteral("s"), Needed(min, max));
}

} // namespace

void CheckRoomForElement(int count)
{
    if (count >= INT16_MAX)
        throw NamedFormatError(
            QStringLiteral("it has more than %1 elements; a circuit has at most %1").arg(INT16_MAX).toStdString());
}

void CheckFileSize(int width, int height)
{
    if (width < kMinFileSize || width > kMaxFileSize || height < kMinFileSize || height > kMaxFileSize)
        throw RecordFormatError(QStringLiteral("its grid of %1 x %2 cells is outside %3 x %3 to %4 x %4")
                                    .arg(width)
                                    .arg(height)
                                    .arg(kMinFileSize)
                                    .arg(kMaxFileSize)
                                    .toStdString());
}

void AppendConnectorEntry(QStringList& list, const QString& entry)
{
    if (list.size() > INT16_MAX)
        throw RecordFormatError("too many connectors");
    list.append(entry);
}

bool ICSlotInUse(const Circuit& s, int k)
{
    return k >= 1 && static_cast<size_t>(k) < s.ICInstances.size() && static_cast<size_t>(k) < s.Levels.size()
        && !s.ICInstances[k].Name.isEmpty() && !s.Levels[k].Name.isEmpty();
}

void CheckCellReferences(const Circuit& s, const Grid& grid, int elementCount, int firstLink, int lastLink)
{
    for (int x = 0; x <= grid.UBoundX(); ++x) {
        for (int y = 0; y <= grid.UBoundY(); ++y) {
            const GridCell& c = grid(x, y);
            if (c.ElementNr < 0 || c.ElementNr > elementCount)
                throw RecordFormatError("a cell names an element the file does not hold");
            if (c.ICLink != 0 && (c.ICLink < firstLink || c.ICLink > lastLink || !ICSlotInUse(s, c.ICLink)))
                throw RecordFormatError("a cell names an IC the file does not hold");
        }
    }
}

void CheckPinCells(const std::vector<ElementRecord>& elements, int count, const Grid& grid)
{
    for (int e = 1; e <= count && static_cast<size_t>(e) < elements.size(); ++e) {
        for (const QString* list : {&elements[e].InPinList, &elements[e].OutPinList}) {
            const QString text = Trim(*list);
            qsizetype start = 0;
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text[i] != u':')
                    continue;
                // The same reading as the pin-list parser.
                const QString entry = text.mid(start, i - start);
                start = i + 1;
                const qsizetype yAt = entry.indexOf(u'Y');
                const int16_t x = ToInt(yAt < 0 ? entry.mid(1) : entry.mid(1, yAt - 1));
                const int16_t y = yAt < 0 ? int16_t(0) : ToInt(entry.mid(yAt + 1));
                if (!grid.Contains(x, y))
                    throw RecordFormatError("a pin lies outside the grid");
            }
        }
    }
}

void CheckPinListLengths(const std::vector<ElementRecord>& elements, int count)
{
    for (int e = 1; e <= count && static_cast<size_t>(e) < elements.size(); ++e) {
        const ElementRecord& r = elements[e];
        const ComponentRow& c = Component(r.Type);
        const PinCounts& p = c.pins;
        // Kinds without an element record of their own have nothing to check.
        if (p.maxInputs == 0)
            continue;
        const int in = PinEntries(r.InPinList);
        if (in < p.minInputs || in > p.maxInputs)
            RefusePins(e, c, PinCountText("input", in, p.minInputs, p.maxInputs));
        const int out = PinEntries(r.OutPinList);
        if (p.outputs != kOutputsAreInputs && out != p.outputs)
            RefusePins(e, c, PinCountText("output", out, p.outputs, p.outputs));
        if (p.outputs == kOutputsAreInputs && Trim(r.OutPinList) != Trim(r.InPinList))
            RefusePins(e, c, QStringLiteral("has output pins other than its input pins"));
    }
}

void CheckComponentCells(const std::vector<ElementRecord>& elements, int count, const Grid& grid)
{
    for (int x = 0; x <= grid.UBoundX(); ++x) {
        for (int y = 0; y <= grid.UBoundY(); ++y) {
            const GridCell& c = grid(x, y);
            if (c.Type < ElementType::LED)
                continue;
            if (c.ElementNr < 1 || c.ElementNr > count || static_cast<size_t>(c.ElementNr) >= elements.size()
                || elements[c.ElementNr].Type != c.Type)
                throw RecordFormatError("a component's cell names no element of its type");
        }
    }
}

void CheckFootprints(const std::vector<ElementRecord>& elements, int count, const Grid& grid)
{
    for (int e = 1; e <= count && static_cast<size_t>(e) < elements.size(); ++e) {
        const std::optional<CellRect> foot = ElementFootprint(elements[e]);
        if (foot && (!grid.Contains(foot->x1, foot->y1) || !grid.Contains(foot->x2, foot->y2)))
            throw RecordFormatError("a component reaches outside the grid");
    }
}

void CheckClockSlots(const Circuit& s)
{
    int generators = 0;
    for (int e = 1; e <= s.ElementCount(); ++e) {
        if (s.Elements[e].Type == ElementType::ClockGenerator)
            ++generators;
    }
    if (s.ClockCount != generators || s.Clocks.size() < static_cast<size_t>(s.ClockCount))
        throw RecordFormatError("clock slots do not match the clock generators");
    std::set<int16_t> seen;
    for (int i = 0; i < s.ClockCount; ++i) {
        const int16_t e = s.Clocks[i].ClockElement;
        if (e < 1 || e > s.ElementCount() || s.Elements[e].Type != ElementType::ClockGenerator
            || !seen.insert(e).second)
            throw RecordFormatError("clock slot names no clock generator");
    }
}

void CheckLoadedCircuit(const Circuit& s)
{
    CheckCellReferences(s, s.P, s.ElementCount(), 1, s.LevelUBound());
    CheckPinCells(s.Elements, s.ElementCount(), s.P);
    CheckPinListLengths(s.Elements, s.ElementCount());
    CheckComponentCells(s.Elements, s.ElementCount(), s.P);
    CheckFootprints(s.Elements, s.ElementCount(), s.P);
    for (int k = 1; k <= s.ICCount(); ++k) {
        if (!ICSlotInUse(s, k))
            throw RecordFormatError("IC slot left empty");
        const ICInstanceRecord& ic = s.ICInstances[k];
        if (ic.NestingLevel == 0 && (ic.ElementNr < 0 || ic.ElementNr > s.ElementCount()))
            throw RecordFormatError("IC names no element");
    }
    CheckClockSlots(s);
}
