#include "model/files/ic_lookup.h"

#include <QDir>

#include "model/file_names.h"
#include "model/files/record_reader.h"
#include "platform/codepage.h"
#include "platform/numeric.h"

bool IsPlainICName(const QString& name)
{
    if (Trim(name).isEmpty() || name == u"." || name == u".." || name == u"<Name>")
        return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString ICNameFault(const QString& name)
{
    if (!IsPlainICName(name))
        return QStringLiteral("its name is no plain file name");
    if (name.contains(u';'))
        return QStringLiteral("its name holds \";\", which a circuit file cannot keep");
    if (name.contains(u'\r') || name.contains(u'\n'))
        return QStringLiteral("its name holds a line break, which a circuit file cannot keep");
    if (FromCp1252(ToCp1252(name)) != name)
        return QStringLiteral("its name holds characters a circuit file cannot keep");
    return QString();
}

bool IsStorableICName(const QString& name)
{
    return ICNameFault(name).isEmpty();
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
