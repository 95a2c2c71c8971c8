#pragma once
// The messages of the circuit and IC file routines.
#include <QList>
#include <QString>
#include <QStringList>

#include "model/files/ic_definition_check.h"

class UserDialogs;

// "File not found." and the file's path, when a file to open does not exist.
void ShowFileNotFound(UserDialogs& dialogs, const QString& path);
// A file larger than the readers take (size bytes): its path, its size and the limit.
void ShowFileTooLarge(UserDialogs& dialogs, const QString& path, qint64 size);
// The one message of every file that cannot be read as a circuit.
void ShowUnrecognizableFile(UserDialogs& dialogs);
// A file that could not be written; the old file, if any, is unchanged.
void ShowSaveFailed(UserDialogs& dialogs, const QString& path, const QString& reason);
// The ICs a circuit needs that are missing, contain themselves, nest too
// deeply or whose definition files are damaged, in one message.
void ShowICErrors(UserDialogs& dialogs, const QStringList& missing, const QList<QStringList>& cycles,
                  const QStringList& tooMany, const QList<ICFault>& damaged = {});
// A circuit file refused for a fault that can be named: the file and the reason.
void ShowDamagedFile(UserDialogs& dialogs, const QString& path, const QString& reason);
