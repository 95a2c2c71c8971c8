#include "ic/ic_import.h"

#include <QFile>
#include <QFileInfo>

#include "ic/ic_directory.h"
#include "model/file_names.h"
#include "model/files/ic_lookup.h"
#include "model/files/record_reader.h"
#include "platform/replace_file.h"

QString ImportedICName(const QString& sourcePath)
{
    const QString file = GetFileName(sourcePath);
    if (file.size() > 4 && file.endsWith(QLatin1String(".icd"), Qt::CaseInsensitive))
        return file.chopped(4);
    const qsizetype dot = file.lastIndexOf(u'.');
    return dot > 0 ? file.left(dot) : file;
}

ImportResult ImportICFile(const QString& icDir, const QString& sourcePath)
{
    ImportResult r;
    if (sourcePath.isEmpty() || !FileExists(sourcePath))
        return r;
    r.name = ImportedICName(sourcePath);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        r.outcome = ImportOutcome::Failed;
        r.reason = source.errorString();
        return r;
    }
    if (source.size() == 0) {
        r.outcome = ImportOutcome::Empty;
        return r;
    }
    if (source.size() > kMaxRecordFileSize) {
        r.outcome = ImportOutcome::Failed;
        r.reason = QStringLiteral("The file is too large.");
        return r;
    }
    const QByteArray bytes = source.readAll();
    if (bytes.size() != source.size()) {
        r.outcome = ImportOutcome::Failed;
        r.reason = source.errorString();
        return r;
    }
    source.close();
    // A circuit saved with an IC it cannot name could not be opened again.
    if (const QString fault = ICNameFault(r.name); !fault.isEmpty() || icDir.isEmpty()) {
        r.outcome = ImportOutcome::Failed;
        if (!fault.isEmpty())
            r.reason = fault.at(0).toUpper() + fault.mid(1) + u'.';
        return r;
    }
    // The lookup of a name ignores case, so two files differing in case only would be one IC.
    if (!ResolveICFile(icDir, r.name).isEmpty()) {
        r.outcome = ImportOutcome::Exists;
        return r;
    }
    r.outcome = ReplaceFileContents(ICFilePath(icDir, r.name), bytes, &r.reason) ? ImportOutcome::Imported
                                                                                : ImportOutcome::Failed;
    return r;
}
