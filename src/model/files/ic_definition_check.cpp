#include "model/files/ic_definition_check.h"

#include <QSet>

#include "model/field_list.h"
#include "model/files/ic_file.h"
#include "model/files/ic_lookup.h"
#include "model/circuit.h"
#include "model/defaults.h"
#include "platform/numeric.h"

namespace {

bool OnOutline(int x, int y, int w, int h)
{
    const bool inside = x >= 0 && x <= w && y >= 0 && y <= h;
    return inside && (x == 0 || x == w || y == 0 || y == h);
}

[[noreturn]] void Refuse(const QString& reason)
{
    throw RecordFormatError(reason.toStdString());
}

} // namespace

void CheckConnectorTable(const ICInstanceRecord& ic, const LevelRecord& level)
{
    if (ic.Width < kMinICOutline || ic.Width > kMaxICOutline || ic.Height < kMinICOutline || ic.Height > kMaxICOutline)
        Refuse(QStringLiteral("its outline of %1 x %2 cells is outside %3 x %3 to %4 x %4")
                   .arg(ic.Width)
                   .arg(ic.Height)
                   .arg(kMinICOutline)
                   .arg(kMaxICOutline));
    if (ic.PinCount > kMaxICConnectors)
        Refuse(QStringLiteral("it has %1 connectors; an IC has at most %2").arg(ic.PinCount).arg(kMaxICConnectors));
    if (ic.GraphicPins.size() - 1 != ic.PinCount)
        Refuse(QStringLiteral("it has %1 connectors but %2 places for them on its outline")
                   .arg(ic.PinCount)
                   .arg(ic.GraphicPins.size() - 1));
    QSet<QPair<int, int>> places;
    int placed = 0;
    for (int k = 1; k <= ic.PinCount; ++k) {
        const FieldList pin(ic.PinStates.value(k));
        if (!level.Field.Contains(ToInt(pin.Text(1)), ToInt(pin.Text(2))))
            Refuse(QStringLiteral("connector %1 lies outside the IC's grid").arg(k));
        const QString place = Trim(ic.GraphicPins.value(k));
        // A connector not yet dragged onto the outline has no place.
        if (place.isEmpty())
            continue;
        const FieldList at(place);
        const int x = ToInt(at.Text(1));
        const int y = ToInt(at.Text(2));
        if (!OnOutline(x, y, ic.Width, ic.Height))
            Refuse(QStringLiteral("connector %1 lies off the outline").arg(k));
        if (places.contains({x, y}))
            Refuse(QStringLiteral("two connectors share the place %1;%2 on the outline").arg(x).arg(y));
        places.insert({x, y});
        ++placed;
    }
    if (placed == 0)
        Refuse(QStringLiteral("no connector lies on its outline"));
    if (placed > kPinTableSize)
        Refuse(QStringLiteral("it has %1 connectors on its outline; an IC has at most %2")
                   .arg(placed)
                   .arg(kPinTableSize));
}

std::optional<ICFault> CheckICDefinition(const QString& icDir, const QString& name)
{
    const QString path = ResolveICFile(icDir, name);
    const QString file = path.isEmpty() ? JoinDir(icDir, name + QStringLiteral(".icd")) : path;
    if (const QString fault = ICNameFault(name); !fault.isEmpty())
        return ICFault{name, file, fault};
    if (path.isEmpty())
        return ICFault{name, file, QStringLiteral("the file is missing")};
    Circuit t;
    SetStartDefaults(t);
    ICLoad load{t, icDir, 1, 0, {}};
    try {
        LoadICStrict(load, nullptr, name, 1);
    } catch (const ICFileError& e) {
        return e.Fault();
    } catch (const ICCycleError& e) {
        return ICFault{name, path, QStringLiteral("it contains itself: ") + e.Chain().join(QStringLiteral(" > "))};
    } catch (const std::exception& e) {
        return ICFault{name, path, QString::fromStdString(e.what())};
    }
    return std::nullopt;
}

QString ICFaultText(const ICFault& fault)
{
    return QStringLiteral("The IC definition file '%1' cannot be used: %2.").arg(fault.path, fault.reason);
}
