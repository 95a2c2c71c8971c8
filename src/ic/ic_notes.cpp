#include "ic/ic_notes.h"

#include <QFile>

#include "model/files/record_reader.h"
#include "platform/codepage.h"
#include "platform/replace_file.h"

namespace {

const QByteArray kNotesHeader = QByteArrayLiteral("[Notizen]");

// The end of the line that starts at from (after its line end), and where its text ends.
qsizetype LineEnd(const QByteArray& bytes, qsizetype from, qsizetype* textEnd)
{
    qsizetype i = from;
    while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
        ++i;
    *textEnd = i;
    if (i < bytes.size() && bytes[i] == '\r')
        ++i;
    if (i < bytes.size() && bytes[i] == '\n' && (i == *textEnd || bytes[i - 1] == '\r'))
        ++i;
    return i;
}

} // namespace

QByteArray WithNotes(const QByteArray& file, const QString& notes)
{
    QByteArray text = ToCp1252(notes);
    text.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    text += "\r\n";
    qsizetype at = 0;
    while (at < file.size()) {
        qsizetype textEnd = 0;
        const qsizetype next = LineEnd(file, at, &textEnd);
        if (file.mid(at, textEnd - at) == kNotesHeader) {
            // The header keeps its own line end; a last line without one gets one.
            const QByteArray head = next > textEnd ? file.left(next) : file.left(textEnd) + "\r\n";
            return head + text;
        }
        at = next;
    }
    QByteArray out = file;
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out += "\r\n";
    return out + kNotesHeader + "\r\n" + text;
}

bool RewriteNotes(const QString& path, const QString& notes, QString* reason)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = f.errorString();
        return false;
    }
    if (f.size() > kMaxRecordFileSize) {
        if (reason)
            *reason = QStringLiteral("The file is too large.");
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (bytes.size() != f.size()) {
        if (reason)
            *reason = f.errorString();
        return false;
    }
    f.close();
    return ReplaceFileContents(path, WithNotes(bytes, notes), reason);
}
