#include "placement/document/circuit_reader.h"

#include <algorithm>

#include "model/circuit_tables.h"
#include "model/files/circuit_checks.h"
#include "placement/document/ic_loading.h"
#include "model/files/element_records.h"
#include "model/files/ic_file.h"
#include "model/files/ic_lookup.h"
#include "model/files/notes_lines.h"
#include "model/files/record_reader.h"
#include "model/state.h"
#include "model/status_texts.h"
#include "platform/numeric.h"

namespace {

void MakeClockSlots(ProgramState& s, uint8_t n)
{
    const size_t count = std::max<size_t>(n, 1);
    s.circuit.Clocks.assign(count, ClockSlot{});
    s.circuit.ClockCount = n;
}

class CircuitReader {
public:
    CircuitReader(ProgramState& s, UserDialogs* dialogs) : s_(s), dialogs_(dialogs) {}

    void Header(Section section)
    {
        sawHeader_ = true;
        if (section == Section::Jump)
            sawJump_ = true;
        if (section == Section::Timer)
            timerLine_ = 0;
    }

    void Data(Section section, const QString& line)
    {
        const FieldList f(line);
        switch (section) {
        case Section::Feld: Feld(f); break;
        case Section::Punkte: Punkt(f); break;
        case Section::Jump: Jump(f); break;
        case Section::Elemente: Element(f); break;
        case Section::IC: IC(f); break;
        case Section::Timer: Timer(line, f); break;
        case Section::Name: s_.circuit.ICName = Trim(line); break;
        case Section::Notizen: s_.circuit.ICNotes += NotesLineFromFile(line) + QStringLiteral("\r\n"); break;
        case Section::Masse: Masse(line); break;
        case Section::Anschluesse:
            if (s_.circuit.ICPinCount == INT16_MAX)
                throw RecordFormatError("too many connectors");
            ++s_.circuit.ICPinCount;
            s_.circuit.ICPins.append(line);
            break;
        case Section::GraphischeAnschluesse: AppendConnectorEntry(s_.circuit.ICGraphicPins, line); break;
        case Section::Tags: AppendConnectorEntry(s_.circuit.ICTags, line); break;
        case Section::Links:
        case Section::None: break;
        }
    }

    void Finish()
    {
        if (!sawHeader_)
            throw RecordFormatError("no known section header");
        if (sawJump_)
            ExpandJumps(s_.circuit);
        if (s_.circuit.ICNotes.endsWith(QStringLiteral("\r\n")))
            s_.circuit.ICNotes.chop(2);
        CheckLoadedCircuit(s_.circuit);
    }

private:
    void Feld(const FieldList& f)
    {
        const int16_t maxX = ToInt(f.Text(1));
        const int16_t maxY = ToInt(f.Text(2));
        CheckFileSize(maxX, maxY);
        s_.circuit.MaxX = maxX;
        s_.circuit.MaxY = maxY;
        s_.circuit.P.Redim(maxX + 1, maxY + 1);
        s_.circuit.LineMap.Redim(maxX, maxY);
    }

    void Punkt(const FieldList& f)
    {
        const int16_t x = ToInt(f.Text(1));
        const int16_t y = ToInt(f.Text(2));
        if (!s_.circuit.P.Contains(x, y))
            throw RecordFormatError("cell outside the grid");
        ParsePunktLine(f, cell_);
        GridCell& c = s_.circuit.P(x, y);
        TakeSavedCellFields(cell_, c);
        c.ICLink = cell_.ICLink;
    }

    void Jump(const FieldList& f)
    {
        const int16_t x = ToInt(f.Text(1));
        const int16_t y = ToInt(f.Text(2));
        const int16_t endX = ToInt(f.Text(3));
        const int16_t endY = ToInt(f.Text(4));
        if (!s_.circuit.LineMap.Contains(x, y) || endX < 0 || endX > s_.circuit.MaxX || endY < 0 || endY > s_.circuit.MaxY)
            throw RecordFormatError("conductor run outside the grid");
        s_.circuit.LineMap(x, y).EndX = endX;
        s_.circuit.LineMap(x, y).EndY = endY;
    }

    void Element(const FieldList& f)
    {
        CheckRoomForElement(s_.circuit.ElementCount());
        ParseElementLine(f, element_);
        ElementRecord e = SavedElementFields(element_);
        if (e.Type == ElementType::AnalysisSensor) {
            if (s_.ProbeCount == UINT8_MAX)
                throw RecordFormatError("too many analysis sensors");
            ++s_.ProbeCount;
        }
        AppendElementRecord(s_.circuit, std::move(e));
    }

    void IC(const FieldList& f)
    {
        const QString name = f.Text(1);
        SetStatusText(s_.ports, QStringLiteral("Lade IC '") + name + QStringLiteral("' ..."));
        const int16_t elementNr = ToInt(f.Text(2));
        const int16_t slot = GetFreeICIndex(s_.circuit);
        if (slot > kMaxICSlots)
            throw RecordFormatError("more ICs than the IC table holds");
        s_.CurrentLevel = slot;
        if (s_.circuit.ICInstances.size() <= static_cast<size_t>(slot))
            s_.circuit.ICInstances.resize(static_cast<size_t>(slot) + 1);
        s_.circuit.ICInstances[slot].ElementNr = elementNr;
        s_.circuit.ICInstances[slot].NestingLevel = 0;
        if (!LoadICStrict(s_, dialogs_, name, 1))
            throw RecordFormatError("IC missing");
    }

    void Timer(const QString& line, const FieldList& f)
    {
        ++timerLine_;
        if (timerLine_ == 1) {
            MakeClockSlots(s_, ToByte(line));
        } else if (timerLine_ == 2) {
            for (int i = 0; i < s_.circuit.ClockCount; ++i)
                s_.circuit.Clocks[i].ClockElement = ToInt(f.Text(i + 1));
        } else {
            const size_t slot = static_cast<size_t>(timerLine_ - 3);
            if (slot >= s_.circuit.Clocks.size())
                return;
            ClockSlot& c = s_.circuit.Clocks[slot];
            c.ClockHigh = ToInt(f.Text(1));
            c.ClockLow = ToInt(f.Text(2));
            c.ClockLinked = ToFlag(f.Text(3));
            c.ClockCycles = ToByte(f.Text(4));
        }
    }

    void Masse(const QString& line)
    {
        const QString t = Trim(line);
        if (t.startsWith(u'X'))
            s_.circuit.ICWidth = ToInt(t.mid(1));
        else if (t.startsWith(u'Y'))
            s_.circuit.ICHeight = ToInt(t.mid(1));
    }

    ProgramState& s_;
    UserDialogs* dialogs_;
    GridCell cell_;
    ElementRecord element_;
    bool sawHeader_ = false;
    bool sawJump_ = false;
    int timerLine_ = 0;
};

} // namespace

void ReadCircuitRecords(ProgramState& s, UserDialogs* dialogs, RecordFile& file)
{
    CircuitReader reader(s, dialogs);
    ForEachRecord(
        file, [&](Section section) { reader.Header(section); },
        [&](Section section, const QString& line) { reader.Data(section, line); });
    reader.Finish();
}

void ExpandJumps(Circuit& s)
{
    for (int16_t x = 0; x <= s.MaxX; ++x) {
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            LineMapEntry& run = s.LineMap(x, y);
            if (run.EndX != 0 && run.EndX >= x) {
                for (int16_t i = x; i <= run.EndX; ++i) {
                    GridCell& c = s.P(i, y);
                    if (i < run.EndX)
                        c.ConRight = kTrue;
                    if (i > x)
                        c.ConLeft = kTrue;
                    s.LineMap(i, y).CoveredH = kTrue;
                    if (c.Type == 0)
                        c.Type = ElementType::Conductor;
                }
            }
            if (run.EndY != 0 && run.EndY >= y) {
                for (int16_t i = y; i <= run.EndY; ++i) {
                    GridCell& c = s.P(x, i);
                    if (i < run.EndY)
                        c.ConDown = kTrue;
                    if (i > y)
                        c.ConUp = kTrue;
                    s.LineMap(x, i).CoveredV = kTrue;
                    if (c.Type == 0)
                        c.Type = ElementType::Conductor;
                }
            }
        }
    }
}
