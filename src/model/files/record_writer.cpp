#include "model/files/record_writer.h"

#include <QSaveFile>

#include "platform/codepage.h"

QByteArray RecordWriter::Bytes() const
{
    return ToCp1252(text_);
}

bool WriteRecordFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile f(path);
    bool ok = !path.isEmpty() && f.open(QIODevice::WriteOnly);
    if (ok)
        ok = f.write(bytes) == bytes.size();
    if (ok)
        ok = f.commit();
    else
        f.cancelWriting();
    if (!ok && error)
        *error = f.errorString();
    return ok;
}
