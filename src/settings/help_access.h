#pragma once
// Finding the help's contents page before a window shows it.
#include <QString>
#include <QStringList>

class UserDialogs;

// Where the contents page lives among the program's data files.
inline constexpr char kHelpContentsName[] = "help/gatrel.html";

// The contents page in the first data folder that has it, else the path it
// is expected at (in the last folder, where an installation puts it).
QString HelpContentsFile(const QStringList& dataDirs);

// The checks before the help shows: the file must be an HTML page (its
// name ends in "htm" or "html") and must exist; a name without a folder is
// looked for in programFolder. The page to show, or an empty text after the
// warning was shown.
QString CheckHelpFile(const QString& file, const QString& programFolder, UserDialogs& dialogs);
