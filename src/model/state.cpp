#include "model/state.h"

#include <QFileInfo>

#include "model/defaults.h"

ProgramState::ProgramState()
{
    SetStartDefaults(this->circuit);
}

bool clsFile::ExistFile(const QString& name) const
{
    if (name.isEmpty())
        return false;
    const QFileInfo info(name);
    return info.exists() && info.isFile();
}
