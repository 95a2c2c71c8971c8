#include "placement/document/settings_store.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "model/state.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "placement/document/permissions.h"
#include "model/ports/file_port.h"

std::optional<RegistryRoot> ChooseRegRoot(bool keyInCurrentUser, bool keyInLocalMachine)
{
    if (keyInCurrentUser)
        return RegistryRoot::CurrentUser;
    if (keyInLocalMachine)
        return RegistryRoot::LocalMachine;
    return std::nullopt;
}

QString PositiveIntString(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double v = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return QStringLiteral("0");
    const double whole = std::floor(v);
    if (whole <= 0)
        return QStringLiteral("0");
    return QString::number(whole, 'f', 0);
}

int16_t ReadNumber(const RegValue& v)
{
    qint64 n = 0;
    if (v.isNumber()) {
        n = v.number();
    } else {
        bool ok = false;
        n = PositiveIntString(v.text()).toLongLong(&ok);
        if (!ok)
            return 0;
    }
    if (n <= 0 || n > 32767)
        return 0;
    return static_cast<int16_t>(n);
}

int16_t ReadFlag(const RegValue& v)
{
    return ReadNumber(v) != 0 ? kTrue : kFalse;
}

QString ReadText(const RegValue& v)
{
    return v.toText();
}

QString UsedFileCaption(int index, const QString& path)
{
    if (path.isEmpty())
        return QString();
    // An edited store may hold a path too short to have an extension: show it whole.
    const QString stem = path.size() >= 4 ? path.left(path.size() - 4) : path;
    const QString number = u'&' + QString::number(index + 1);
    if (path.size() < 29)
        return number + u' ' + stem;
    return number + QStringLiteral(" ..") + stem.right(25);
}

namespace {

// Panels are stored negated; a value that is no number reads as hidden.
int16_t ReadPanelState(const RegValue& v)
{
    double n = 0;
    if (v.isNumber()) {
        n = v.number();
    } else {
        bool ok = false;
        n = QLocale().toDouble(v.text().trimmed(), &ok);
        if (!ok || !std::isfinite(n))
            return 0;
        n = RoundHalfEven(n);
    }
    // Out of 16 bits counts as missing, and so does -32768, whose negation does not fit.
    if (n < -32767 || n > 32767)
        return 0;
    return static_cast<int16_t>(-n);
}

// Values that one user's work leaves behind; the machine-wide defaults never
// hand them on, not even when an earlier version wrote them there.
const QStringList& OneUsersValues()
{
    static const QStringList names{
        QStringLiteral("LastFile0"),
        QStringLiteral("LastFile1"),
        QStringLiteral("LastFile2"),
        QStringLiteral("LastFile3"),
        QStringLiteral("LastUsedFile"),
        QStringLiteral("Verzeichnisse0"),
        QStringLiteral("Verzeichnisse1"),
        QStringLiteral("Verzeichnisse2"),
        QStringLiteral("BoolTerme"),
        QStringLiteral("frmICAuswahlWindowX"),
        QStringLiteral("frmICAuswahlWindowY"),
        QStringLiteral("frmICAuswahlWindowWidth"),
        QStringLiteral("frmICAuswahlWindowHeight"),
        QStringLiteral("frmICAuswahlVisible"),
    };
    return names;
}

} // namespace

bool CreateUserSettings(const RegistryLocations& where, QString* error)
{
    return RegCopyKey(where, RegistryRoot::LocalMachine, RegistryRoot::CurrentUser,
                      QString::fromLatin1(kSettingsKey), OneUsersValues(), error);
}

bool UseOwnSettings(Settings& st, QString* error)
{
    if (st.RegRoot == RegistryRoot::CurrentUser)
        return true;
    if (!CreateUserSettings(st.registryFiles, error))
        return false;
    st.RegRoot = RegistryRoot::CurrentUser;
    return true;
}

void LoadSettings(ProgramState& s)
{
    Settings& st = s.settings;
    auto get = [&](const QString& name) {
        return RegGetValue(st.registryFiles, st.RegRoot, QString::fromLatin1(kSettingsKey), name);
    };

    int n = 0;
    for (int i = 0; i < 4; ++i) {
        const QString path = ReadText(get(QStringLiteral("LastFile%1").arg(i)));
        if (!path.isEmpty())
            s.LastFiles[n++] = path;
    }
    RefreshUsedFilesMenu(s, s.ports.files);

    st.DisplaySplash = ReadFlag(get(QStringLiteral("DisplaySplash")));
    s.AutoStop = ReadNumber(get(QStringLiteral("AutoStop")));
    if (s.AutoStop == 0)
        s.AutoStop = 1000;
    st.AnzImpulse = ReadNumber(get(QStringLiteral("AnzImpulse")));
    st.DummyUndo = ReadNumber(get(QStringLiteral("DummyUndo")));
    if (st.DummyUndo == 0)
        st.DummyUndo = 10;
    s.Scroll = ReadFlag(get(QStringLiteral("Scroll")));
    s.ShowGrid = ReadFlag(get(QStringLiteral("ShowGrid")));
    s.SaveICsWithFile = ReadFlag(get(QStringLiteral("SaveICsWithFile")));
    st.SucheNaechstenAnschluss = ReadFlag(get(QStringLiteral("SucheNächstenAnschluss")));
    st.LastUsedFile = ReadText(get(QStringLiteral("LastUsedFile")));

    for (int i = 0; i < 3; ++i)
        s.Verzeichnisse[i] = ReadText(get(QStringLiteral("Verzeichnisse%1").arg(i)));

    st.icManager.WindowX = ReadNumber(get(QStringLiteral("frmICAuswahlWindowX")));
    st.icManager.WindowY = ReadNumber(get(QStringLiteral("frmICAuswahlWindowY")));
    st.icManager.WindowWidth = ReadNumber(get(QStringLiteral("frmICAuswahlWindowWidth")));
    st.icManager.WindowHeight = ReadNumber(get(QStringLiteral("frmICAuswahlWindowHeight")));
    st.icManager.ICAnsicht = ReadNumber(get(QStringLiteral("frmICAuswahlICAnsicht")));
    st.frmICAuswahlVisible = ReadFlag(get(QStringLiteral("frmICAuswahlVisible")));

    for (int i = 0; i < 5; ++i)
        st.PanelVisible[i] = ReadPanelState(get(QStringLiteral("PanelVisible%1").arg(i)));

    st.BoolAbstandBauteileX = ReadNumber(get(QStringLiteral("BoolAbstandBauteileX")));
    st.BoolAbstandBauteileY = ReadNumber(get(QStringLiteral("BoolAbstandBauteileY")));
    st.BoolAbstandSchalter = ReadNumber(get(QStringLiteral("BoolAbstandSchalter")));
    st.BoolVereinfachen = ReadNumber(get(QStringLiteral("BoolVereinfachen")));
    st.BoolSave = ReadNumber(get(QStringLiteral("BoolSave")));
    st.BoolSorted = ReadFlag(get(QStringLiteral("BoolSorted")));
    st.BoolTerme = ReadText(get(QStringLiteral("BoolTerme")));
    st.BoolAbstandBauteileX = std::max<int16_t>(st.BoolAbstandBauteileX, 3);
    st.BoolAbstandBauteileY = std::max<int16_t>(st.BoolAbstandBauteileY, 3);
    st.BoolAbstandSchalter = std::max<int16_t>(st.BoolAbstandSchalter, 2);
}

bool SaveSettings(ProgramState& s, int16_t undoSteps, UserDialogs* dialogs)
{
    const Settings& st = s.settings;
    std::vector<std::pair<QString, RegValue>> v;
    auto number = [&](const QString& name, int32_t value) { v.emplace_back(name, RegValue::Number(value)); };
    auto flag = [&](const QString& name, int16_t value) { number(name, value != 0 ? 1 : 0); };
    auto text = [&](const QString& name, const QString& value) {
        v.emplace_back(name, RegValue::Text(Trim(value)));
    };

    for (int i = 0; i < 4; ++i)
        text(QStringLiteral("LastFile%1").arg(i), s.LastFiles[i]);
    flag(QStringLiteral("DisplaySplash"), st.DisplaySplash);
    number(QStringLiteral("AutoStop"), s.AutoStop);
    number(QStringLiteral("AnzImpulse"), st.AnzImpulse);
    number(QStringLiteral("DummyUndo"), undoSteps);
    flag(QStringLiteral("Scroll"), s.Scroll);
    flag(QStringLiteral("ShowGrid"), s.ShowGrid);
    flag(QStringLiteral("SaveICsWithFile"), s.SaveICsWithFile);
    flag(QStringLiteral("SucheNächstenAnschluss"), st.SucheNaechstenAnschluss);
    text(QStringLiteral("LastUsedFile"), s.CmDialog1.FileName.isEmpty() ? st.LastUsedFile : s.CmDialog1.FileName);
    for (int i = 0; i < 5; ++i)
        number(QStringLiteral("PanelVisible%1").arg(i), -int32_t(st.PanelVisible[i]));
    flag(QStringLiteral("PanelVisible5"), s.FormelPanelOpen ? 1 : 0);
    for (int i = 0; i < 3; ++i)
        text(QStringLiteral("Verzeichnisse%1").arg(i), s.Verzeichnisse[i]);
    number(QStringLiteral("frmICAuswahlWindowX"), st.icManager.WindowX);
    number(QStringLiteral("frmICAuswahlWindowY"), st.icManager.WindowY);
    number(QStringLiteral("frmICAuswahlWindowWidth"), st.icManager.WindowWidth);
    number(QStringLiteral("frmICAuswahlWindowHeight"), st.icManager.WindowHeight);
    number(QStringLiteral("frmICAuswahlICAnsicht"), st.icManager.ICAnsicht);
    // Until the IC manager exists its visibility is the loaded flag.
    flag(QStringLiteral("frmICAuswahlVisible"), st.frmICAuswahlVisible);
    number(QStringLiteral("BoolAbstandBauteileX"), st.BoolAbstandBauteileX);
    number(QStringLiteral("BoolAbstandBauteileY"), st.BoolAbstandBauteileY);
    number(QStringLiteral("BoolAbstandSchalter"), st.BoolAbstandSchalter);
    number(QStringLiteral("BoolVereinfachen"), st.BoolVereinfachen);
    number(QStringLiteral("BoolSave"), st.BoolSave);
    flag(QStringLiteral("BoolSorted"), st.BoolSorted);
    text(QStringLiteral("BoolTerme"), st.BoolTerme);

    const QString& file = st.registryFiles.userFile;
    if (file.isEmpty())
        return true;
    QString reason;
    if (UseOwnSettings(s.settings, &reason)
        && RegSetValues(st.registryFiles, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey), v, &reason))
        return true;
    if (dialogs && !st.UnsavableTold)
        dialogs->ShowMessage(QStringLiteral("The settings could not be saved to '%1'.\n%2").arg(file, reason),
                             MessageButtons::OK, MessageIcon::Critical, LoadResString(1533));
    return false;
}

void RefreshUsedFilesMenu(RecentFiles& s, FilePort* w)
{
    if (!w)
        return;
    if (std::any_of(s.LastFiles.begin(), s.LastFiles.end(), [](const QString& p) { return !p.isEmpty(); }))
        w->ShowUsedFilesSeparator();
    for (size_t i = 0; i < 4; ++i) {
        const QString& p = s.LastFiles[i];
        // An empty entry keeps its caption; setting it again applies the visibility rule.
        if (!p.isEmpty())
            s.UsedFileCaptions[i] = UsedFileCaption(static_cast<int>(i), p);
        w->SetUsedFileItem(static_cast<int>(i), s.UsedFileCaptions[i]);
    }
}

void AddToRecentFiles(RecentFiles& s, FilePort* menu, const QString& path)
{
    if (!path.isEmpty() && std::find(s.LastFiles.begin(), s.LastFiles.end(), path) == s.LastFiles.end()) {
        std::move_backward(s.LastFiles.begin(), s.LastFiles.end() - 1, s.LastFiles.end());
        s.LastFiles[0] = path;
    }
    RefreshUsedFilesMenu(s, menu);
}

bool WriteInstallSettings(const QString& machineFile, QString* error)
{
    const RegistryLocations where{QString(), machineFile};
    const QString key = QString::fromLatin1(kSettingsKey);
    if (!RegCreateKey(where, RegistryRoot::LocalMachine, key, error))
        return false;
    // A first start shows the side panels open; values already there are kept.
    for (int n = 0; n < 5; ++n) {
        const QString name = QStringLiteral("PanelVisible%1").arg(n);
        if (RegGetValue(where, RegistryRoot::LocalMachine, key, name).isEmpty()
            && !RegSetValue(where, RegistryRoot::LocalMachine, key, name, RegValue::Number(1), error))
            return false;
    }
    // Every switch on, no password: the program refuses to start without a valid value.
    // A value already there (an earlier installation's) is kept.
    if (!RegGetValue(where, RegistryRoot::LocalMachine, QString::fromLatin1(kSettingsKey),
                     QString::fromLatin1(kPermissionsValue)).isEmpty())
        return true;
    Permissions all;
    all.FeatureEnable.fill(kTrue);
    all.ElementEnable.fill(kTrue);
    return SavePermissions(where, RegistryRoot::LocalMachine, all, error);
}
