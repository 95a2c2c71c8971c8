#include "model/files/notes_lines.h"

#include "platform/numeric.h"

namespace {

constexpr QChar kShield = u'\t';

bool LooksLikeHeader(const QString& line)
{
    return Trim(line).startsWith(u'[');
}

} // namespace

QString NotesLineToFile(const QString& line)
{
    // A line that starts with the tab already is shielded too, so that reading drops only ours.
    if (LooksLikeHeader(line) || (line.startsWith(kShield) && LooksLikeHeader(line.mid(1))))
        return kShield + line;
    return line;
}

QString NotesLineFromFile(const QString& line)
{
    if (line.startsWith(kShield) && LooksLikeHeader(line.mid(1)))
        return line.mid(1);
    return line;
}
