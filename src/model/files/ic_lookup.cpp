#include "model/files/ic_lookup.h"

#include <QDir>

#include "model/file_names.h"
#include "model/files/record_reader.h"
#include "platform/numeric.h"

bool IsPlainICName(const QString& name)
{
    if (Trim(name).isEmpty() || name == u"." || name == u".." || name == u"<Name>")
        return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString JoinDir(const QString& dir, const QString& file)
{
    if (dir.isEmpty() || dir.endsWith(u'/') || dir.endsWith(u'\\'))
        return dir + file;
    return dir + u'/' + file;
}

QString ResolveICFile(const QString& dir, const QString& name)
{
    if (dir.isEmpty() || !IsPlainICName(name))
        return QString();
    const QString file = name + QStringLiteral(".icd");
    const QString exact = JoinDir(dir, file);
    if (FileExists(exact))
        return exact;
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(file, Qt::CaseInsensitive) == 0)
            return JoinDir(dir, entry);
    }
    return QString();
}

std::optional<QStringList> ReadICNames(const QString& path)
{
    auto file = RecordFile::Open(path);
    if (!file)
        return std::nullopt;
    QStringList names;
    try {
        ForEachRecord(*file, nullptr, [&](Section section, const QString& line) {
            // More than any circuit or IC can hold already tells every caller enough.
            if (section == Section::IC && names.size() <= kMaxICSlots)
                names.append(FieldList(line).Text(1));
        });
    } catch (const RecordFormatError&) {
        return std::nullopt;
    }
    return names;
}
