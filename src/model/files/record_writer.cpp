#include "model/files/record_writer.h"

#include "platform/codepage.h"
#include "platform/replace_file.h"

QByteArray RecordWriter::Bytes() const
{
    return ToCp1252(text_);
}

bool WriteRecordFile(const QString& path, const QByteArray& bytes, QString* error)
{
    return ReplaceFileContents(path, bytes, error);
}
