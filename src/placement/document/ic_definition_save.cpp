#include "placement/document/ic_definition_save.h"

#include "model/files/file_messages.h"
#include "model/files/ic_file_writer.h"
#include "model/files/ic_lookup.h"
#include "model/footprint.h"
#include "model/files/record_writer.h"
#include "model/state.h"

QString SaveIC(const Circuit& circuit, const CellRect& crop, const QString& icDirectory, UserDialogs& dialogs)
{
    const QString path = JoinDir(icDirectory, circuit.ICName + QStringLiteral(".icd"));
    if (!IsPlainICName(circuit.ICName) || icDirectory.isEmpty()) {
        ShowSaveFailed(dialogs, path, QString());
        return QString();
    }
    QByteArray bytes;
    try {
        bytes = ICFileBytes(circuit, crop);
    } catch (const std::exception&) {
        ShowSaveFailed(dialogs, path, QString());
        return QString();
    }
    QString reason;
    if (!WriteRecordFile(path, bytes, &reason)) {
        ShowSaveFailed(dialogs, path, reason);
        return QString();
    }
    return path;
}
