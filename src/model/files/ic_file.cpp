#include "model/files/ic_file.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "model/circuit_tables.h"
#include "model/files/circuit_checks.h"
#include "model/files/element_records.h"
#include "model/files/ic_definition_check.h"
#include "model/files/ic_lookup.h"
#include "model/files/ic_nesting.h"
#include "model/files/notes_lines.h"
#include "model/circuit.h"
#include "platform/numeric.h"
#include "platform/user_dialogs.h"

namespace {

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

// Every hundredth line of a long file, and every line once a nested IC is loading.
void ShowLoadProgress(const ICLoad& load, int lineNo, const QString& name)
{
    if (!((lineNo >= 201 && lineNo % 100 == 0) || load.nestedLoaded != 0))
        return;
    if (load.progress)
        load.progress(lineNo, name);
}

bool LoadICInto(ICLoad& load, UserDialogs* dialogs, const QString& name, uint8_t depth, LoadChain& chain);

// Reads the lines of one IC definition into slot `slot`; nested ICs are loaded as their lines come.
class ICLineReader {
public:
    ICLineReader(ICLoad& load, UserDialogs* dialogs, const QString& name, uint8_t depth, int slot, LoadChain& chain)
        : load_(load), s_(load.circuit), dialogs_(dialogs), name_(name), depth_(depth), slot_(slot), chain_(chain)
    {
    }

    void Header(Section)
    {
        sawHeader_ = true;
        ShowLoadProgress(load_, ++lineNo_, name_);
    }

    void Data(Section section, const QString& line)
    {
        ShowLoadProgress(load_, ++lineNo_, name_);
        const FieldList f(line);
        switch (section) {
        case Section::Name:
            if (!Trim(line).isEmpty())
                Level().Name = Trim(line);
            break;
        case Section::Feld: Feld(f); break;
        case Section::Punkte: Punkt(f); break;
        case Section::Elemente: Element(f); break;
        case Section::IC: Nested(f); break;
        case Section::Notizen: s_.ICInstances[slot_].Notes += NotesLineFromFile(line); break;
        default: break;
        }
    }

    // What the whole file must hold once read.
    void Finish(qint64 fileSize) const
    {
        if (!sawHeader_)
            throw RecordFormatError(NoSectionReason(fileSize).toStdString());
        const LevelRecord& level = s_.Levels[slot_];
        if (level.Field.empty())
            throw RecordFormatError("it holds no circuit: [Feld] is missing");
        CheckCellReferences(s_, level.Field, level.ElementCount(), slot_ + 1, load_.level);
        CheckPinCells(level.Elements, level.ElementCount(), level.Field);
        CheckPinListLengths(level.Elements, level.ElementCount());
        CheckComponentCells(level.Elements, level.ElementCount(), level.Field);
        CheckFootprints(level.Elements, level.ElementCount(), level.Field);
        for (int e = 1; e <= level.ElementCount(); ++e)
            if (level.Elements[e].Type == ElementType::ClockGenerator)
                throw RecordFormatError("it holds a clock generator, which no IC may hold");
        for (const int16_t e : nestedElements_)
            if (e < 0 || e > level.ElementCount())
                throw RecordFormatError("a nested IC names no element");
        CheckConnectorTable(s_.ICInstances[slot_], level);
    }

private:
    // Nested loads grow the tables: the slot's record is taken anew each time.
    LevelRecord& Level() { return s_.Levels[slot_]; }

    void Feld(const FieldList& f)
    {
        const int16_t w = ToInt(f.Text(1));
        const int16_t h = ToInt(f.Text(2));
        CheckFileSize(w, h);
        LevelRecord& level = Level();
        level.Width = w;
        level.Height = h;
        level.Field.Redim(w + 1, h + 1);
    }

    void Punkt(const FieldList& f)
    {
        const int16_t x = ToInt(f.Text(1));
        const int16_t y = ToInt(f.Text(2));
        if (!Level().Field.Contains(x, y))
            throw RecordFormatError("a cell lies outside the IC's grid");
        ParsePunktLine(f, cell_);
        GridCell& c = Level().Field(x, y);
        TakeSavedCellFields(cell_, c);
        if (cell_.ICLink == 0)
            return;
        // The nested ICs take the slots after base, in the order of the [IC] lines.
        const int ub = static_cast<int>(s_.ICInstances.size()) - 1;
        const int base = s_.LevelUBound() >= ub ? s_.LevelUBound() : GetFreeICIndex(s_) - 1;
        const int link = cell_.ICLink + base;
        if (link > kMaxICSlots)
            throw RecordFormatError("an IC link lies outside the IC table");
        c.ICLink = static_cast<uint8_t>(link);
    }

    void Element(const FieldList& f)
    {
        CheckRoomForElement(Level().ElementCount());
        ParseElementLine(f, element_);
        AppendElementRecord(Level(), SavedElementFields(element_));
    }

    void Nested(const FieldList& f)
    {
        const int16_t elementNr = ToInt(f.Text(2));
        if (depth_ == UINT8_MAX)
            throw RecordFormatError("ICs nested too deeply");
        const int16_t next = GetFreeICIndex(s_);
        if (next > kMaxICSlots)
            throw RecordFormatError("more ICs than the IC table holds");
        load_.level = next;
        EnsureICSlots(s_, next);
        ICInstanceRecord& nested = s_.ICInstances[next];
        nested.ElementNr = elementNr;
        nested.NestingLevel = depth_;
        nested.ParentLevel = static_cast<uint8_t>(slot_);
        if (load_.nestedLoaded < INT16_MAX)
            ++load_.nestedLoaded;
        nestedElements_.push_back(elementNr);
        if (!LoadICInto(load_, dialogs_, f.Text(1), static_cast<uint8_t>(depth_ + 1), chain_))
            throw RecordFormatError(QStringLiteral("the IC '%1' it holds is missing").arg(f.Text(1)).toStdString());
    }

    ICLoad& load_;
    Circuit& s_;
    UserDialogs* dialogs_;
    QString name_;
    uint8_t depth_;
    int slot_;
    LoadChain& chain_;
    GridCell cell_;
    ElementRecord element_;
    // The element numbers of the nested ICs' lines.
    std::vector<int16_t> nestedElements_;
    int lineNo_ = 0;
    bool sawHeader_ = false;
};

// The slot's records made anew for IC name, its connectors and outline read.
void ClaimSlotFor(Circuit& s, int slot, const QString& name, uint8_t depth, RecordFile& file)
{
    if (s.ICCount() >= kMaxICSlots || slot < 1 || slot > kMaxICSlots)
        throw RecordFormatError("more ICs than the IC table holds");
    ClaimICSlot(s, slot, name);
    ICInstanceRecord& ic = s.ICInstances[slot];
    ic.Name = name;
    ic.Width = 0;
    ic.Height = 0;
    ic.Notes.clear();
    if (depth <= 1)
        ic.NestingLevel = 0;
    LevelRecord& level = s.Levels[slot];
    level = LevelRecord{};
    // Named after the IC, so the slot never looks free; [Name] may rename it.
    level.Name = name;
    level.Elements.assign(1, ElementRecord{});
    ReadConnectors(file, ic);
}

// A fault of this file names it; one of a nested file passes on as it is.
bool LoadICInto(ICLoad& load, UserDialogs* dialogs, const QString& name, uint8_t depth, LoadChain& chain)
{
    if (IsNoName(name))
        return false;
    const QString path = ResolveICFile(load.icDir, name);
    if (path.isEmpty())
        return false;
    QString key = QFileInfo(path).canonicalFilePath();
    if (key.isEmpty())
        key = path;
    if (const qsizetype at = chain.files.indexOf(key); at >= 0)
        throw ICCycleError(chain.names.mid(at) << name);
    try {
        auto file = RecordFile::Open(path);
        if (!file)
            throw RecordFormatError(QFileInfo(path).size() > kMaxRecordFileSize
                                        ? "the file is larger than any the program writes"
                                        : "the file cannot be read");
        const int slot = load.level;
        ClaimSlotFor(load.circuit, slot, name, depth, *file);
        chain.files.append(key);
        chain.names.append(name);
        ICLineReader reader(load, dialogs, name, depth, slot, chain);
        ForEachRecord(
            *file, [&](Section section) { reader.Header(section); },
            [&](Section section, const QString& line) { reader.Data(section, line); });
        chain.files.removeLast();
        chain.names.removeLast();
        reader.Finish(QFileInfo(path).size());
    } catch (const ICFileError&) {
        throw;
    } catch (const ICCycleError&) {
        throw;
    } catch (const RecordFormatError& e) {
        throw ICFileError({name, path, QString::fromStdString(e.what())});
    }
    return true;
}

} // namespace

int16_t GetFreeICIndex(const Circuit& s)
{
    if (s.ICCount() < 1)
        return 1;
    const int ub = static_cast<int>(s.ICInstances.size()) - 1;
    for (int i = 1; i <= ub; ++i) {
        const bool levelFree = i >= std::ssize(s.Levels) || s.Levels[i].Name.isEmpty();
        if (levelFree || s.ICInstances[i].Name.isEmpty())
            return static_cast<int16_t>(i);
    }
    return static_cast<int16_t>(ub + 1);
}

QString NoSectionReason(qint64 fileSize)
{
    return fileSize == 0 ? QStringLiteral("the file is empty") : QStringLiteral("it is no IC definition: it has no section");
}

bool LoadICStrict(ICLoad& load, UserDialogs* dialogs, const QString& name, uint8_t depth)
{
    LoadChain chain;
    return LoadICInto(load, dialogs, name, depth, chain);
}

bool LoadIC(ICLoad& load, UserDialogs* dialogs, const QString& name, uint8_t depth)
{
    ICSlotTables saved = SaveICSlots(load.circuit);
    const int16_t level = load.level;
    const int16_t nestedLoaded = load.nestedLoaded;
    try {
        return LoadICStrict(load, dialogs, name, depth);
    } catch (const std::exception&) {
        RestoreICSlots(load.circuit, std::move(saved));
        load.level = level;
        load.nestedLoaded = nestedLoaded;
        return false;
    }
}

void LoadICAnschluesse(Circuit& s, const QString& icDir, UserDialogs* dialogs, const QString& name, int slot)
{
    if (IsNoName(name))
        return;
    const QString path = ResolveICFile(icDir, name);
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
    if (slot < 0 || slot >= std::ssize(s.ICInstances))
        return;
    ICInstanceRecord ic = s.ICInstances[slot];
    try {
        ReadConnectors(*file, ic);
    } catch (const RecordFormatError&) {
        return;
    }
    s.ICInstances[slot] = std::move(ic);
}

bool GetICSize(Circuit& s, const QString& icDir, UserDialogs* dialogs, const QString& name)
{
    if (IsNoName(name))
        return false;
    const QString path = ResolveICFile(icDir, name);
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

int16_t CountICLevels(const QString& icDir, const QString& name)
{
    if (name == u"<Name>")
        return 0;
    return static_cast<int16_t>(CheckICNesting(icDir, name).NestedCount);
}
