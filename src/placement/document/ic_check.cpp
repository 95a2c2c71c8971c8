#include "placement/document/ic_check.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "model/file_names.h"
#include "model/files/file_messages.h"
#include "model/files/ic_definition_check.h"
#include "model/files/ic_lookup.h"
#include "model/files/ic_nesting.h"
#include "model/state.h"

namespace {

// In the IC directory, or copied there from the circuit's folder.
bool MakeAvailable(const QString& icDir, const QString& folder, const QString& name)
{
    if (!IsPlainICName(name))
        return false;
    if (!ResolveICFile(icDir, name).isEmpty())
        return true;
    const QString source = ResolveICFile(folder, name);
    return !source.isEmpty() && !icDir.isEmpty()
        && QFile::copy(source, JoinDir(icDir, name + QStringLiteral(".icd")));
}

} // namespace

bool CheckICFiles(ProgramState& s, UserDialogs& dialogs, const QString& path)
{
    if (!FileExists(path))
        return false;
    const auto listed = ReadICNames(path);
    if (!listed)
        return false;
    QStringList names;
    for (const QString& name : *listed) {
        if (!names.contains(name))
            names.append(name);
    }

    const QString icDir = s.Verzeichnisse[1];
    const QString folder = QFileInfo(path).absolutePath();
    QStringList missing;
    for (const QString& name : names) {
        if (!MakeAvailable(icDir, folder, name))
            missing.append(name);
    }

    QList<QStringList> cycles;
    QStringList tooMany;
    if (missing.isEmpty()) {
        for (const QString& name : names) {
            const ICNestingResult r = CheckICNesting(icDir, name);
            QStringList once;
            for (const QString& m : r.MissingICs) {
                if (!once.contains(m))
                    once.append(m);
            }
            std::reverse(once.begin(), once.end());
            missing += once;
            cycles += r.Cycles;
            if (r.TooManyICs)
                tooMany.append(name);
        }
    }

    // Each file once, though several ICs may hold it.
    QList<ICFault> damaged;
    if (missing.isEmpty() && cycles.isEmpty() && tooMany.isEmpty()) {
        for (const QString& name : names) {
            const auto fault = CheckICDefinition(icDir, name);
            if (fault && std::none_of(damaged.begin(), damaged.end(),
                                      [&](const ICFault& f) { return f.path == fault->path; }))
                damaged.append(*fault);
        }
    }

    if (missing.isEmpty() && cycles.isEmpty() && tooMany.isEmpty() && damaged.isEmpty())
        return true;
    ShowICErrors(dialogs, missing, cycles, tooMany, damaged);
    return false;
}
