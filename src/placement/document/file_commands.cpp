#include "placement/document/file_commands.h"

#include "placement/document/circuit_file.h"
#include "model/ports/worksheet_port.h"
#include "model/state.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

namespace {

void LoadAndRedraw(ProgramState& s, UserDialogs& dialogs, const QString& path)
{
    if (LoadFile(s, dialogs, path) == LoadResult::Loaded && s.ports.worksheet)
        s.ports.worksheet->RedrawAllElements();
}

} // namespace

QString SaveQuestion(const QString& path)
{
    const int id = path.isEmpty() ? 2703 : 2702;
    QString text = LoadResString(id).replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    return path.isEmpty() ? text : text.arg(path);
}

bool ConfirmClose(ProgramState& s, UserDialogs& dialogs, const QString& path, const std::function<bool()>& save)
{
    if (s.FileSaved != 0)
        return true;
    switch (dialogs.ShowMessage(SaveQuestion(path), MessageButtons::YesNoCancel, MessageIcon::Question,
                                QString())) {
    case MessageResult::Yes:
        return save();
    case MessageResult::No:
        return true;
    default:
        return false;
    }
}

bool ConfirmReplace(ProgramState& s, UserDialogs& dialogs)
{
    return ConfirmClose(s, dialogs, s.CmDialog1.FileName, [&s, &dialogs] { return SaveFile(s, dialogs, true); });
}

void mOpen_Click(ProgramState& s, UserDialogs& dialogs)
{
    if (ConfirmReplace(s, dialogs))
        LoadAndRedraw(s, dialogs, QString());
}

void mSave_Click(ProgramState& s, UserDialogs& dialogs)
{
    SaveFile(s, dialogs, true);
}

void mSaveAs_Click(ProgramState& s, UserDialogs& dialogs)
{
    SaveFile(s, dialogs, false);
}

void OpenRecentFile(ProgramState& s, UserDialogs& dialogs, int index)
{
    if (index < 0 || index >= static_cast<int>(s.LastFiles.size()) || s.LastFiles[index].isEmpty())
        return;
    if (!ConfirmReplace(s, dialogs))
        return;
    LoadAndRedraw(s, dialogs, s.LastFiles[index]);
}

void LoadStartupFile(ProgramState& s, UserDialogs& dialogs, QString& LadeDatei)
{
    if (LadeDatei.isEmpty())
        return;
    const QString path = LadeDatei;
    LadeDatei.clear();
    LoadAndRedraw(s, dialogs, path);
}
