#include "ic/ic_directory.h"

#include <QDir>

#include "model/files/ic_lookup.h"
#include "model/files/record_reader.h"

QString ICFilePath(const QString& icDir, const QString& name)
{
    return JoinDir(icDir, name + QStringLiteral(".icd"));
}

std::optional<QString> LastNotesLine(const QString& path)
{
    auto file = RecordFile::Open(path);
    if (!file)
        return std::nullopt;
    std::optional<QString> last;
    try {
        ForEachRecord(*file, nullptr, [&](Section section, const QString& line) {
            if (section == Section::Notizen)
                last = line;
        });
    } catch (const RecordFormatError&) {
        return std::nullopt;
    }
    return last;
}

QList<ICListEntry> ReadICList(const QString& icDir)
{
    QList<ICListEntry> entries;
    if (icDir.isEmpty())
        return entries;
    const QStringList files = QDir(icDir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files) {
        // Exactly ".icd": the lookup of a name finds other cases, the list shows what was saved.
        if (!file.endsWith(QLatin1String(".icd"), Qt::CaseSensitive) || file.size() <= 4)
            continue;
        ICListEntry e;
        e.name = file.chopped(4);
        e.notes = LastNotesLine(JoinDir(icDir, file)).value_or(QString());
        entries.append(e);
    }
    return entries;
}
