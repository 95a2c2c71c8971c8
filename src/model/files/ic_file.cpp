#include "model/files/ic_file.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "model/circuit_tables.h"
#include "model/files/circuit_checks.h"
#include "model/files/element_records.h"
#include "model/files/ic_lookup.h"
#include "model/files/ic_nesting.h"
#include "model/files/notes_lines.h"
#include "model/ports/status_port.h"
#include "model/state.h"
#include "model/status_texts.h"
#include "model/tool_selection.h"
#include "platform/numeric.h"
#include "platform/user_dialogs.h"

namespace {

constexpr int kArrowHourglassPointer = 13;

// The files being read, outermost first: an IC met again among them contains itself.
struct LoadChain {
    QStringList files;
    QStringList names;
};

bool IsNoName(const QString& name)
{
    return name.isEmpty() || name == u"<Name>";
}

void ReadSizeLine(const QString& line, int16_t& width, int16_t& height)
{
    const QString t = Trim(line);
    if (t.startsWith(u'X'))
        width = ToInt(t.mid(1));
    else if (t.startsWith(u'Y'))
        height = ToInt(t.mid(1));
}

// Connector entries count from 1, as the connector numbers of the cells do.
void ReadConnectors(RecordFile& file, ICInstanceRecord& ic)
{
    ic.PinCount = 0;
    ic.PinStates = QStringList{QString()};
    ic.GraphicPins = QStringList{QString()};
    ForEachRecord(file, nullptr, [&](Section section, const QString& line) {
        switch (section) {
        case Section::Anschluesse:
            if (ic.PinCount == INT16_MAX)
                throw RecordFormatError("too many connectors");
            ++ic.PinCount;
            // The connector's level starts Low.
            ic.PinStates.append(line + QStringLiteral("0;"));
            break;
        case Section::GraphischeAnschluesse:
            AppendConnectorEntry(ic.GraphicPins, line);
            break;
        case Section::Masse:
            ReadSizeLine(line, ic.Width, ic.Height);
            break;
        default:
            break;
        }
    });
}

void ShowLoadProgress(ProgramState& s, int lineNo, const QString& name)
{
    if (!((lineNo >= 201 && lineNo % 100 == 0) || s.ICLoadDepth != 0))
        return;
    if (s.ports.status && lineNo < 1000)
        s.ports.status->SetProgress(lineNo / 10);
    SetStatusText(s, QStringLiteral("Loading IC '%1'..").arg(name));
    if (lineNo == 300) {
        s.LongLoad = kTrue;
        SetWorksheetMousePointer(s, kArrowHourglassPointer);
    }
}

bool LoadICInto(ProgramState& s, UserDialogs* dialogs, const QString& name, uint8_t depth, LoadChain& chain)
{
    if (IsNoName(name))
        return false;
    const QString path = ResolveICFile(s.Verzeichnisse[1], name);
    if (path.isEmpty())
        return false;
    QString key = QFileInfo(path).canonicalFilePath();
    if (key.isEmpty())
        key = path;
    if (const qsizetype at = chain.files.indexOf(key); at >= 0)
        throw ICCycleError(chain.names.mid(at) << name);
    auto file = RecordFile::Open(path);
    if (!file)
        throw RecordFormatError("IC definition file cannot be read");

    const int slot = s.CurrentLevel;
    if (s.ICCount >= kMaxICSlots || slot < 1 || slot > kMaxICSlots)
        throw RecordFormatError("more ICs than the IC table holds");
    ClaimICSlot(s, slot);

    {
        ICInstanceRecord& ic = s.ICInstances[static_cast<size_t>(slot)];
        ic.Name = name;
        ic.Width = 0;
        ic.Height = 0;
        ic.Notes.clear();
        if (depth <= 1)
            ic.NestingLevel = 0;
        LevelRecord& level = s.Levels[static_cast<size_t>(slot)];
        level = LevelRecord{};
        // Named after the IC, so the slot never looks free; [Name] may rename it.
        level.Name = name;
        level.Elements.assign(1, ElementRecord{});
        ReadConnectors(*file, ic);
    }

    chain.files.append(key);
    chain.names.append(name);
    GridCell scratchCell;
    ElementRecord scratchElement;
    std::vector<int> nestedSlots;
    int lineNo = 0;

    auto onData = [&](Section section, const QString& line) {
        ShowLoadProgress(s, ++lineNo, name);
        // Nested loads grow the tables: take the slot's records anew each time.
        LevelRecord& level = s.Levels[static_cast<size_t>(slot)];
        const FieldList f(line);
        switch (section) {
        case Section::Name:
            if (!Trim(line).isEmpty())
                level.Name = Trim(line);
            break;
        case Section::Feld: {
            const int16_t w = ToInt(f.Text(1));
            const int16_t h = ToInt(f.Text(2));
            CheckFileSize(w, h);
            level.Width = w;
            level.Height = h;
            level.Field.Redim(w + 1, h + 1);
            break;
        }
        case Section::Punkte: {
            const int16_t x = ToInt(f.Text(1));
            const int16_t y = ToInt(f.Text(2));
            if (!level.Field.Contains(x, y))
                throw RecordFormatError("cell outside the IC's grid");
            ParsePunktLine(f, scratchCell);
            GridCell& c = level.Field(x, y);
            TakeSavedCellFields(scratchCell, c);
            if (scratchCell.ICLink != 0) {
                // The nested ICs take the slots after base, in the order of the [IC] lines.
                const int ub = static_cast<int>(s.ICInstances.size()) - 1;
                const int base = s.LevelUBound >= ub ? s.LevelUBound : GetFreeICIndex(s) - 1;
                const int link = scratchCell.ICLink + base;
                if (link > kMaxICSlots)
                    throw RecordFormatError("IC link outside the IC table");
                c.ICLink = static_cast<uint8_t>(link);
            }
            break;
        }
        case Section::Elemente: {
            if (level.ElementCount == INT16_MAX)
                throw RecordFormatError("too many elements");
            ParseElementLine(f, scratchElement);
            ElementRecord e;
            e.Type = scratchElement.Type;
            e.Orientation = scratchElement.Orientation;
            e.InPinList = scratchElement.InPinList;
            e.OutPinList = scratchElement.OutPinList;
            e.Color = scratchElement.Color;
            e.SelfIndex = scratchElement.SelfIndex;
            e.Label = scratchElement.Label;
            AppendElementRecord(level, std::move(e));
            break;
        }
        case Section::IC: {
            const int16_t elementNr = ToInt(f.Text(2));
            if (depth == UINT8_MAX)
                throw RecordFormatError("ICs nested too deeply");
            const int16_t next = GetFreeICIndex(s);
            if (next > kMaxICSlots)
                throw RecordFormatError("more ICs than the IC table holds");
            s.CurrentLevel = next;
            EnsureICSlots(s, next);
            ICInstanceRecord& nested = s.ICInstances[static_cast<size_t>(next)];
            nested.ElementNr = elementNr;
            nested.NestingLevel = depth;
            nested.ParentLevel = static_cast<uint8_t>(slot);
            if (s.ICLoadDepth < INT16_MAX)
                ++s.ICLoadDepth;
            nestedSlots.push_back(next);
            if (!LoadICInto(s, dialogs, f.Text(1), static_cast<uint8_t>(depth + 1), chain))
                throw RecordFormatError("nested IC missing");
            break;
        }
        case Section::Notizen:
            s.ICInstances[static_cast<size_t>(slot)].Notes += NotesLineFromFile(line);
            break;
        default:
            break;
        }
    };
    ForEachRecord(*file, [&](Section) { ShowLoadProgress(s, ++lineNo, name); }, onData);
    chain.files.removeLast();
    chain.names.removeLast();

    const LevelRecord& level = s.Levels[static_cast<size_t>(slot)];
    if (level.Field.empty())
        throw RecordFormatError("IC definition without a grid");
    CheckCellReferences(s, level.Field, level.ElementCount, slot + 1, s.CurrentLevel);
    CheckPinCells(level.Elements, level.ElementCount, level.Field);
    CheckComponentCells(level.Elements, level.ElementCount, level.Field);
    CheckFootprints(level.Elements, level.ElementCount, level.Field);
    for (int k : nestedSlots) {
        const int16_t e = s.ICInstances[static_cast<size_t>(k)].ElementNr;
        if (e < 0 || e > level.ElementCount)
            throw RecordFormatError("nested IC names no element");
    }
    return true;
}

} // namespace

int16_t GetFreeICIndex(const ProgramState& s)
{
    if (s.ICCount < 1)
        return 1;
    const int ub = static_cast<int>(s.ICInstances.size()) - 1;
    for (int i = 1; i <= ub; ++i) {
        const bool levelFree = static_cast<size_t>(i) >= s.Levels.size() || s.Levels[static_cast<size_t>(i)].Name.isEmpty();
        if (levelFree || s.ICInstances[static_cast<size_t>(i)].Name.isEmpty())
            return static_cast<int16_t>(i);
    }
    return static_cast<int16_t>(ub + 1);
}

bool LoadICStrict(ProgramState& s, UserDialogs* dialogs, const QString& name, uint8_t depth)
{
    LoadChain chain;
    return LoadICInto(s, dialogs, name, depth, chain);
}

bool LoadIC(ProgramState& s, UserDialogs* dialogs, const QString& name, uint8_t depth)
{
    ICSlotTables saved = SaveICSlots(s);
    const int16_t currentLevel = s.CurrentLevel;
    const int16_t loadDepth = s.ICLoadDepth;
    try {
        return LoadICStrict(s, dialogs, name, depth);
    } catch (const std::exception&) {
        RestoreICSlots(s, std::move(saved));
        s.CurrentLevel = currentLevel;
        s.ICLoadDepth = loadDepth;
        return false;
    }
}

void LoadICAnschluesse(ProgramState& s, UserDialogs* dialogs, const QString& name)
{
    if (IsNoName(name))
        return;
    const QString path = ResolveICFile(s.Verzeichnisse[1], name);
    auto file = RecordFile::Open(path);
    if (!file) {
        if (dialogs)
            dialogs->ShowMessage(QStringLiteral("Unable to find IC '%1'.").arg(name), MessageButtons::OK,
                                 MessageIcon::Information, QStringLiteral("I/O error"));
        s.ICName.clear();
        s.ICWidth = 0;
        s.ICHeight = 0;
        return;
    }
    if (s.CurrentLevel < 0 || static_cast<size_t>(s.CurrentLevel) >= s.ICInstances.size())
        return;
    ICInstanceRecord ic = s.ICInstances[static_cast<size_t>(s.CurrentLevel)];
    try {
        ReadConnectors(*file, ic);
    } catch (const RecordFormatError&) {
        return;
    }
    s.ICInstances[static_cast<size_t>(s.CurrentLevel)] = std::move(ic);
}

bool GetICSize(ProgramState& s, UserDialogs* dialogs, const QString& name)
{
    if (IsNoName(name))
        return false;
    const QString path = ResolveICFile(s.Verzeichnisse[1], name);
    auto file = RecordFile::Open(path);
    if (!file) {
        if (dialogs)
            dialogs->ShowMessage(QStringLiteral("IC '") + name + QStringLiteral("' wurde nicht gefunden."),
                                 MessageButtons::OK, MessageIcon::Information, QStringLiteral("Dateifehler"));
        s.ICName.clear();
        s.ICWidth = 0;
        s.ICHeight = 0;
        return false;
    }
    int16_t width = s.ICWidth;
    int16_t height = s.ICHeight;
    try {
        ForEachRecord(*file, nullptr, [&](Section section, const QString& line) {
            if (section == Section::Masse)
                ReadSizeLine(line, width, height);
        });
    } catch (const RecordFormatError&) {
        return false;
    }
    s.ICWidth = width;
    s.ICHeight = height;
    return true;
}

int16_t CountICLevels(const ProgramState& s, const QString& name)
{
    if (name == u"<Name>")
        return 0;
    return static_cast<int16_t>(CheckICNesting(s.Verzeichnisse[1], name).NestedCount);
}
