#include "model/files/file_messages.h"

#include <cmath>

#include "model/files/record_reader.h"
#include "platform/user_dialogs.h"

namespace {

const QString kIOError = QStringLiteral("I/O error");

QString NameList(const QString& heading, const QStringList& names)
{
    QString text = heading + u'\n';
    for (const QString& name : names)
        text += QStringLiteral(" - ") + name + u'\n';
    return text;
}

} // namespace

void ShowFileNotFound(UserDialogs& dialogs, const QString& path)
{
    dialogs.ShowMessage(QStringLiteral("File not found.\n") + path, MessageButtons::OK, MessageIcon::Information,
                        kIOError);
}

void ShowFileTooLarge(UserDialogs& dialogs, const QString& path, qint64 size)
{
    constexpr double kMiB = 1024.0 * 1024.0;
    // Rounded up, so that a file just over the limit never reads as the limit itself.
    const double mib = std::ceil(static_cast<double>(size) * 10.0 / kMiB) / 10.0;
    const QString text = QStringLiteral("The file '%1' is too large to open (%2 MiB).\n"
                                        "Gatrel opens circuit and IC files of up to %3 MiB.")
                             .arg(path, QString::number(mib, 'f', 1), QString::number(kMaxRecordFileSize >> 20));
    dialogs.ShowMessage(text, MessageButtons::OK, MessageIcon::Exclamation, kIOError);
}

void ShowUnrecognizableFile(UserDialogs& dialogs)
{
    dialogs.ShowMessage(QStringLiteral("Unrecognizable file format or file not found!"), MessageButtons::OK,
                        MessageIcon::None, QStringLiteral("Gatrel"));
}

void ShowSaveFailed(UserDialogs& dialogs, const QString& path, const QString& reason)
{
    QString text = QStringLiteral("The file '%1' could not be saved.").arg(path);
    if (!reason.isEmpty())
        text += u'\n' + reason;
    dialogs.ShowMessage(text, MessageButtons::OK, MessageIcon::Critical, kIOError);
}

void ShowICErrors(UserDialogs& dialogs, const QStringList& missing, const QList<QStringList>& cycles,
                  const QStringList& tooMany, const QList<ICFault>& damaged)
{
    QString text;
    if (!missing.isEmpty())
        text += NameList(QStringLiteral("The following ICs are missing:"), missing);
    if (!cycles.isEmpty()) {
        QStringList chains;
        for (const QStringList& chain : cycles)
            chains.append(chain.join(QStringLiteral(" > ")));
        text += NameList(QStringLiteral("The following ICs contain themselves:"), chains);
    }
    if (!tooMany.isEmpty())
        text += NameList(QStringLiteral("The following ICs contain more ICs than can be loaded:"), tooMany);
    if (!damaged.isEmpty()) {
        QStringList faults;
        for (const ICFault& f : damaged)
            faults.append(f.path + QStringLiteral(": ") + f.reason);
        text += NameList(QStringLiteral("The following IC definition files are damaged:"), faults);
    }
    dialogs.ShowMessage(text, MessageButtons::OK, MessageIcon::Critical, QStringLiteral("IC error"));
}

void ShowDamagedFile(UserDialogs& dialogs, const QString& path, const QString& reason)
{
    dialogs.ShowMessage(QStringLiteral("The file '%1' cannot be loaded: %2.").arg(path, reason), MessageButtons::OK,
                        MessageIcon::Critical, kIOError);
}
