#include "platform/replace_file.h"

#include <QSaveFile>

namespace {

// A short write leaves the reason unset; writing the rest brings it out.
bool WriteAll(QSaveFile& f, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* error, bool ownerOnly)
{
    QString reason;
    if (path.isEmpty()) {
        reason = QStringLiteral("No file name was given.");
    } else {
        QSaveFile f(path);
        bool ok = f.open(QIODevice::WriteOnly);
        if (ok && ownerOnly)
            ok = f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // commit() succeeds even when its own last flush failed (a full disk)
        // and renames an empty file over the old one: flush here and check.
        if (ok)
            ok = WriteAll(f, bytes) && f.flush();
        if (ok) {
            if (f.commit())
                return true;
            reason = f.errorString();
        } else {
            // Read before cancelWriting(), which puts its own text in its place.
            reason = f.errorString();
            f.cancelWriting();
        }
    }
    if (error)
        *error = reason;
    return false;
}
