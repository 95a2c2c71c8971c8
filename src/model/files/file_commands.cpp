#include "model/files/file_commands.h"

#include "model/files/circuit_file.h"
#include "model/state.h"
#include "shell/main_window_services.h"

namespace {

void LoadAndRedraw(ProgramState& s, UserDialogs& dialogs, const QString& path)
{
    if (LoadFile(s, dialogs, path) == LoadResult::Loaded && s.shell)
        s.shell->RedrawAllElements();
}

} // namespace

void mOpen_Click(ProgramState& s, UserDialogs& dialogs)
{
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
    LoadAndRedraw(s, dialogs, s.LastFiles[index]);
}

void LoadStartupFile(ProgramState& s, UserDialogs& dialogs, QString& ladeDatei)
{
    if (ladeDatei.isEmpty())
        return;
    const QString path = ladeDatei;
    ladeDatei.clear();
    LoadAndRedraw(s, dialogs, path);
}
