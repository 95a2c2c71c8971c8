#pragma once
// Notes lines in an IC definition file. The notes run to the end of the
// file, so a notes line that reads like a section header must not be taken
// for one: such a line is written behind a tab, which the readers drop.
#include <QString>

QString NotesLineToFile(const QString& line);
QString NotesLineFromFile(const QString& line);
