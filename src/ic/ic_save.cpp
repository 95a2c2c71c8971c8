#include "ic/ic_save.h"

#include <QSet>

#include "ic/ic_connectors.h"
#include "ic/ic_names.h"
#include "model/field_list.h"
#include "placement/document/ic_definition_save.h"
#include "model/files/ic_lookup.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

namespace {

constexpr int kMargin = 2;

bool HasClockGenerator(const Circuit& circuit)
{
    for (int e = 1; e <= circuit.ElementCount(); ++e)
        if (circuit.Elements[static_cast<size_t>(e)].Type == ElementType::ClockGenerator)
            return true;
    return false;
}

QString ShiftedPinList(const QString& list, int16_t dx, int16_t dy)
{
    PinTable table{};
    const int16_t n = ParsePinList(list, table);
    std::vector<PinPos> pins;
    for (int i = 0; i < n; ++i)
        pins.push_back({static_cast<int16_t>(table[static_cast<size_t>(i)].X - dx),
                        static_cast<int16_t>(table[static_cast<size_t>(i)].Y - dy)});
    return PinListText(pins);
}

// The circuit as the file holds it: element pins and connector cells
// relative to the crop box.
void ShiftToCropBox(Circuit& t, const CropBox& box)
{
    for (int e = 1; e <= t.ElementCount(); ++e) {
        ElementRecord& r = t.Elements[static_cast<size_t>(e)];
        r.InPinList = ShiftedPinList(r.InPinList, box.minX, box.minY);
        r.OutPinList = ShiftedPinList(r.OutPinList, box.minX, box.minY);
    }
    for (int k = 1; k <= t.ICPinCount; ++k) {
        QString& entry = t.ICPins[k];
        if (entry.isEmpty())
            continue;
        entry = NumToStr(Val(GetField(entry, 1)) - box.minX) + u';' + NumToStr(Val(GetField(entry, 2)) - box.minY)
            + u';' + GetField(entry, 3) + u';';
    }
}

void WalkNames(const QString& dir, const QString& name, QStringList& seen, QSet<QString>& walked)
{
    const QString key = name.toUpper();
    if (walked.contains(key))
        return;
    walked.insert(key);
    const QString path = ResolveICFile(dir, name);
    if (path.isEmpty())
        return;
    const auto nested = ReadICNames(path);
    if (!nested)
        return;
    for (const QString& n : *nested) {
        const QString inner = Trim(n);
        if (inner.isEmpty())
            continue;
        seen.append(inner);
        WalkNames(dir, inner, seen, walked);
    }
}

// A connector dragged over a refused point lost its place without notice:
// saving then would give the IC fewer pins than it has connectors.
bool EveryConnectorPlaced(const ICDefinition& s)
{
    for (int k = 1; k <= s.ICPinCount; ++k)
        if (s.ICGraphicPins.value(k).isEmpty())
            return false;
    return true;
}

} // namespace

CropBox CropICArea(const Circuit& s)
{
    int16_t firstX = -1, lastX = -1, firstY = -1, lastY = -1;
    for (int16_t x = 0; x <= s.MaxX; ++x)
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            if (s.P(x, y).Type == 0)
                continue;
            if (firstX < 0)
                firstX = x;
            lastX = x;
            if (firstY < 0 || y < firstY)
                firstY = y;
            if (y > lastY)
                lastY = y;
        }
    CropBox b;
    if (firstX < 0)
        return b;
    b.minY = static_cast<int16_t>(firstY - kMargin);
    b.maxY = lastY < s.MaxY ? static_cast<int16_t>(lastY + kMargin) : lastY;
    b.minX = static_cast<int16_t>(firstX - kMargin);
    b.maxX = lastX <= s.MaxX - kMargin ? static_cast<int16_t>(lastX + kMargin) : lastX;
    return b;
}

QStringList ICsUsedAtAnyDepth(const Circuit& s, const QString& icDirectory)
{
    QStringList names;
    QSet<QString> walked;
    for (int k = 1; k <= s.ICCount() && static_cast<size_t>(k) < s.ICInstances.size(); ++k) {
        const QString& name = s.ICInstances[static_cast<size_t>(k)].Name;
        if (name.isEmpty())
            continue;
        names.append(name);
        WalkNames(icDirectory, name, names, walked);
    }
    return names;
}

QString SaveICMessage(SaveICOutcome outcome, const QString& name)
{
    switch (outcome) {
    case SaveICOutcome::NotPlaced: return LoadResString(1908);
    case SaveICOutcome::ClockGenerator: return LoadResString(1909);
    case SaveICOutcome::NoName: return LoadResString(1910);
    case SaveICOutcome::BadName: return LoadResString(1912);
    case SaveICOutcome::ContainsItself: return LoadResString(1913).arg(name);
    case SaveICOutcome::Saved:
    case SaveICOutcome::WriteFailed: break;
    }
    return QString();
}

SaveICOutcome SaveICDefinition(ProgramState& s, UserDialogs& dialogs, const QString& name)
{
    SaveICOutcome outcome = SaveICOutcome::Saved;
    if (!AnyConnectorPlaced(s.circuit) || !EveryConnectorPlaced(s.circuit))
        outcome = SaveICOutcome::NotPlaced;
    else if (HasClockGenerator(s.circuit))
        outcome = SaveICOutcome::ClockGenerator;
    else if (name.isEmpty())
        outcome = SaveICOutcome::NoName;
    else if (!IsValidICName(name) || !IsPlainICName(name))
        outcome = SaveICOutcome::BadName;
    else if (ICsUsedAtAnyDepth(s.circuit, s.Verzeichnisse[1]).contains(name, Qt::CaseInsensitive))
        outcome = SaveICOutcome::ContainsItself;
    if (outcome != SaveICOutcome::Saved) {
        dialogs.ShowMessage(SaveICMessage(outcome, name), MessageButtons::OK, MessageIcon::None,
                            QStringLiteral("Gatrel"));
        return outcome;
    }

    const CropBox box = CropICArea(s.circuit);
    Circuit t = s.circuit;
    t.ICName = name;
    t.ICNotes = OneLineNotes(s.circuit.ICNotes);
    ResizeConnectorLists(t, t.ICPinCount);
    ShiftToCropBox(t, box);
    const QString path = SaveIC(t, {box.minX, box.minY, box.maxX, box.maxY}, s.Verzeichnisse[1], dialogs);
    if (path.isEmpty())
        return SaveICOutcome::WriteFailed;

    s.circuit.ICName = name;
    s.CropMinX = box.minX;
    s.CropMaxX = box.maxX;
    s.CropMinY = box.minY;
    s.CropMaxY = box.maxY;
    s.CircuitFilePath = path;
    dialogs.ShowMessage(LoadResString(1911), MessageButtons::OK, MessageIcon::Information, QStringLiteral("Gatrel"));
    return SaveICOutcome::Saved;
}
