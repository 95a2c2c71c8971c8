#pragma once
// Builds a circuit or IC definition file: Windows-1252 lines ended by CR LF,
// and writes it so that a failed write never leaves a truncated file.
#include <QByteArray>
#include <QString>

#include "model/files/record_reader.h"

class RecordWriter {
public:
    void Header(Section section) { Line(SectionHeaderText(section)); }
    void Line(const QString& text)
    {
        text_ += text;
        text_ += QStringLiteral("\r\n");
    }
    QByteArray Bytes() const;

private:
    QString text_;
};

// Writes bytes to a temporary file beside path and renames it over path.
// On failure the old file is unchanged and error (when given) says why.
bool WriteRecordFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
