#include "placement/document/ic_definition_save.h"

#include "model/files/file_messages.h"
#include "model/files/ic_file_writer.h"
#include "model/files/ic_lookup.h"
#include "model/footprint.h"
#include "model/files/record_writer.h"
#include "model/state.h"

bool SaveIC(ProgramState& s, UserDialogs& dialogs)
{
    const QString path = JoinDir(s.Verzeichnisse[1], s.circuit.ICName + QStringLiteral(".icd"));
    if (!IsPlainICName(s.circuit.ICName) || s.Verzeichnisse[1].isEmpty()) {
        ShowSaveFailed(dialogs, path, QString());
        return false;
    }
    QByteArray bytes;
    try {
        bytes = ICFileBytes(s.circuit, {s.CropMinX, s.CropMinY, s.CropMaxX, s.CropMaxY});
    } catch (const std::exception&) {
        ShowSaveFailed(dialogs, path, QString());
        return false;
    }
    QString reason;
    if (!WriteRecordFile(path, bytes, &reason)) {
        ShowSaveFailed(dialogs, path, reason);
        return false;
    }
    s.CircuitFilePath = path;
    return true;
}
