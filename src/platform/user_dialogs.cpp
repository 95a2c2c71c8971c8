#include "platform/user_dialogs.h"

#include <QStringList>

QString ConvertFileFilter(const QString& filter)
{
    if (filter.isEmpty())
        return QString();
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.simplified().isEmpty())
            patterns = QStringLiteral("*");
        entries.append(parts[i].trimmed() + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}
