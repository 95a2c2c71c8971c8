#include "model/files/circuit_checks.h"

#include <set>

#include "model/files/record_reader.h"
#include "model/footprint.h"
#include "model/state.h"
#include "platform/numeric.h"

void CheckFileSize(int width, int height)
{
    if (width < kMinFileSize || width > kMaxFileSize || height < kMinFileSize || height > kMaxFileSize)
        throw RecordFormatError("worksheet size out of range");
}

void AppendConnectorEntry(QStringList& list, const QString& entry)
{
    if (list.size() > INT16_MAX)
        throw RecordFormatError("too many connectors");
    list.append(entry);
}

bool ICSlotInUse(const ProgramState& s, int k)
{
    return k >= 1 && static_cast<size_t>(k) < s.ICInstances.size() && static_cast<size_t>(k) < s.Levels.size()
        && !s.ICInstances[static_cast<size_t>(k)].Name.isEmpty() && !s.Levels[static_cast<size_t>(k)].Name.isEmpty();
}

void CheckCellReferences(const ProgramState& s, const Grid& grid, int elementCount, int firstLink, int lastLink)
{
    for (int x = 0; x <= grid.UBoundX(); ++x) {
        for (int y = 0; y <= grid.UBoundY(); ++y) {
            const GridCell& c = grid(x, y);
            if (c.ElementNr < 0 || c.ElementNr > elementCount)
                throw RecordFormatError("element number outside the element table");
            if (c.ICLink != 0 && (c.ICLink < firstLink || c.ICLink > lastLink || !ICSlotInUse(s, c.ICLink)))
                throw RecordFormatError("IC link outside the IC table");
        }
    }
}

void CheckPinCells(const std::vector<ElementRecord>& elements, int count, const Grid& grid)
{
    for (int e = 1; e <= count && static_cast<size_t>(e) < elements.size(); ++e) {
        for (const QString* list : {&elements[static_cast<size_t>(e)].InPinList, &elements[static_cast<size_t>(e)].OutPinList}) {
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
                    throw RecordFormatError("pin outside the grid");
            }
        }
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
                || elements[static_cast<size_t>(c.ElementNr)].Type != c.Type)
                throw RecordFormatError("component cell names no element of its type");
        }
    }
}

void CheckFootprints(const std::vector<ElementRecord>& elements, int count, const Grid& grid)
{
    for (int e = 1; e <= count && static_cast<size_t>(e) < elements.size(); ++e) {
        const std::optional<CellRect> foot = ElementFootprint(elements[static_cast<size_t>(e)]);
        if (foot && (!grid.Contains(foot->x1, foot->y1) || !grid.Contains(foot->x2, foot->y2)))
            throw RecordFormatError("component reaching outside the grid");
    }
}

void CheckClockSlots(const ProgramState& s)
{
    int generators = 0;
    for (int e = 1; e <= s.ElementCount; ++e) {
        if (s.Elements[static_cast<size_t>(e)].Type == ElementType::ClockGenerator)
            ++generators;
    }
    if (s.ClockCount != generators || s.Clocks.size() < static_cast<size_t>(s.ClockCount))
        throw RecordFormatError("clock slots do not match the clock generators");
    std::set<int16_t> seen;
    for (int i = 0; i < s.ClockCount; ++i) {
        const int16_t e = s.Clocks[static_cast<size_t>(i)].ClockElement;
        if (e < 1 || e > s.ElementCount || s.Elements[static_cast<size_t>(e)].Type != ElementType::ClockGenerator
            || !seen.insert(e).second)
            throw RecordFormatError("clock slot names no clock generator");
    }
}

void CheckLoadedCircuit(const ProgramState& s)
{
    CheckCellReferences(s, s.P, s.ElementCount, 1, s.LevelUBound);
    CheckPinCells(s.Elements, s.ElementCount, s.P);
    CheckComponentCells(s.Elements, s.ElementCount, s.P);
    CheckFootprints(s.Elements, s.ElementCount, s.P);
    for (int k = 1; k <= s.ICCount; ++k) {
        if (!ICSlotInUse(s, k))
            throw RecordFormatError("IC slot left empty");
        const ICInstanceRecord& ic = s.ICInstances[static_cast<size_t>(k)];
        if (ic.NestingLevel == 0 && (ic.ElementNr < 0 || ic.ElementNr > s.ElementCount))
            throw RecordFormatError("IC names no element");
    }
    CheckClockSlots(s);
}
