#include "ic/ic_users.h"

#include <algorithm>

#include "ic/ic_directory.h"
#include "ic/ic_manager_texts.h"
#include "model/files/ic_lookup.h"
#include "model/state.h"
#include "platform/string_table.h"

QStringList ICUsers(const QString& icDir, const QStringList& names, const QString& name)
{
    QStringList users;
    for (const QString& e : names) {
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            continue;
        const auto listed = ReadICNames(ICFilePath(icDir, e));
        if (!listed)
            continue;
        const bool uses = std::any_of(listed->begin(), listed->end(),
                                      [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
        if (uses && !users.contains(e, Qt::CaseInsensitive))
            users.append(e);
    }
    return users;
}

bool CircuitUsesIC(const Circuit& s, const QString& name)
{
    for (int k = 1; k <= s.ICCount() && static_cast<size_t>(k) < s.ICInstances.size(); ++k)
        if (s.ICInstances[static_cast<size_t>(k)].Name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString DeleteQuestion(const QString& name, const QStringList& users, bool circuitUses)
{
    const QString end = QStringLiteral("\r\n");
    QString text;
    if (!users.isEmpty()) {
        text = LoadResString(2117).replace(QStringLiteral("%1"), name) + end;
        for (qsizetype i = 0; i < users.size() && i < 10; ++i)
            text += QStringLiteral("  - ") + users[i] + end;
        if (users.size() > 10)
            text += QStringLiteral("  ...") + end;
    }
    // Deleting it would leave the worksheet's circuit one that cannot be opened again.
    if (circuitUses)
        text += CircuitUsesICText(name) + end;
    if (text.isEmpty())
        return LoadResString(2119).replace(QStringLiteral("%1"), name);
    return text + end + LoadResString(2118) + u'?';
}
