#include "settings/options_logic.h"

#include <QDir>
#include <algorithm>

#include "model/file_names.h"
#include "placement/document/permissions.h"
#include "model/ports/all_ports.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

namespace {

constexpr double kMinStop = 250;
constexpr double kMaxStop = 5000;
constexpr double kMaxUndos = 99;

QString NumberText(int n)
{
    return QString::number(n);
}

// The numeric prefix of a text, kept within [low, high] and made whole.
int16_t ClampedNumber(const QString& text, double low, double high)
{
    return static_cast<int16_t>(RoundHalfEven(std::clamp(Val(text), low, high)));
}

// The directory in the box, created when missing; nothing when it cannot be.
bool EnsureDirectory(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (DirExists(path))
        return true;
    QDir().mkpath(path);
    return DirExists(path);
}

QString WithSeparator(const QString& path)
{
    return path.isEmpty() || path.endsWith(u'/') ? path : path + u'/';
}

void ReportPermissionsFailure(const ProgramState& s, UserDialogs& dialogs, const QString& reason)
{
    dialogs.ShowMessage(LoadResString(3639).arg(s.settings.registryFiles.userFile, reason), MessageButtons::OK,
                        MessageIcon::Critical, QString());
}

} // namespace

QString RemoveBackslash(const QString& path)
{
    QString out = path;
    while (out.size() > 1 && out.endsWith(u'/'))
        out.chop(1);
    return out;
}

QString ClampStopText(const QString& text)
{
    const double n = Val(text);
    if (n < kMinStop)
        return NumberText(static_cast<int>(kMinStop));
    if (n > kMaxStop)
        return NumberText(static_cast<int>(kMaxStop));
    return text;
}

QString ClampUndosText(const QString& text)
{
    const double n = Val(text);
    if (n == 0)
        return QStringLiteral("1");
    if (n > kMaxUndos)
        return NumberText(static_cast<int>(kMaxUndos));
    return text;
}

OptionsForm LoadOptionsForm(const ProgramState& s, int16_t undoSteps)
{
    OptionsForm f;
    f.undosText = NumberText(undoSteps);
    f.stopText = NumberText(s.AutoStop);
    f.scroll = s.Scroll != 0;
    f.saveICs = s.SaveICsWithFile != 0;
    f.splash = s.settings.DisplaySplash != 0;
    for (size_t i = 0; i < f.elements.size(); ++i)
        f.elements[i] = s.settings.ElementEnable[i] != 0;
    for (size_t i = 0; i < f.features.size(); ++i)
        f.features[i] = s.settings.FeatureEnable[i] != 0;
    for (size_t i = 0; i < f.directories.size(); ++i)
        f.directories[i] = RemoveBackslash(s.Verzeichnisse[i]);
    return f;
}

QString ResetDirectoryText(const QString& documentsFolder)
{
    return QDir::cleanPath(documentsFolder) + QStringLiteral("/Gatrel");
}

bool ApplyOptionsForm(ProgramState& s, const OptionsForm& form, OptionsTargets& targets)
{
    s.Scroll = VbBool(form.scroll);
    s.settings.DisplaySplash = VbBool(form.splash);
    s.SaveICsWithFile = VbBool(form.saveICs);

    // Read as the boxes would be on leaving them, also when Enter skipped
    // that; and only a changed number resets the history's position.
    const int16_t undos = ClampedNumber(ClampUndosText(form.undosText), 1, kMaxUndos);
    if (undos != targets.undo.Undos())
        targets.undo.SetUndos(undos);
    s.AutoStop = ClampedNumber(form.stopText, kMinStop, kMaxStop);

    const QString oldICDirectory = s.Verzeichnisse[1];
    for (size_t i = 0; i < s.Verzeichnisse.size(); ++i) {
        const QString& wanted = form.directories[i];
        if (EnsureDirectory(wanted))
            s.Verzeichnisse[i] = wanted;
        else
            targets.dialogs.ShowMessage(LoadResString(3638), MessageButtons::OK, MessageIcon::None, QString());
    }
    for (QString& dir : s.Verzeichnisse)
        dir = WithSeparator(dir);

    // Letter case makes a different directory here.
    if (s.Verzeichnisse[1] != oldICDirectory && s.ports.icManager)
        s.ports.icManager->ICDirectoryChanged();

    for (size_t i = 0; i < form.elements.size(); ++i)
        s.settings.ElementEnable[i] = VbBool(form.elements[i]);
    for (size_t i = 0; i < form.features.size(); ++i)
        s.settings.FeatureEnable[i] = VbBool(form.features[i]);
    if (s.ports.icView)
        s.ports.icView->RefreshICFileLists();
    if (targets.applySwitches)
        targets.applySwitches();
    s.objFile.FilePath = s.Verzeichnisse[0];

    QString reason;
    if (!SavePermissions(s, &reason)) {
        ReportPermissionsFailure(s, targets.dialogs, reason);
        return false;
    }
    return true;
}
