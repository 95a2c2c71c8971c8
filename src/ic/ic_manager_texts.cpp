#include "ic/ic_manager_texts.h"

namespace {

QString WithReason(QString text, const QString& reason)
{
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return text;
}

} // namespace

QString CircuitUsesICText(const QString& name)
{
    return QStringLiteral("The circuit on the worksheet uses IC %1 and could not be opened again without it.").arg(name);
}

QString DeleteFailedText(const QString& name, const QString& reason)
{
    return WithReason(QStringLiteral("IC %1 could not be deleted.").arg(name), reason);
}

QString ImportFailedText(const QString& path, const QString& reason)
{
    return WithReason(QStringLiteral("The file '%1' could not be imported.").arg(path), reason);
}

QString NotesFailedText(const QString& name, const QString& reason)
{
    return WithReason(QStringLiteral("The notes of IC %1 could not be saved.").arg(name), reason);
}

QString CycleNodeText(const QString& name)
{
    return name + QStringLiteral(" (contains itself)");
}

QString DamagedGroupText()
{
    return QStringLiteral("Damaged IC definition:");
}
