#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <sys/stat.h>

#include "model/state.h"
#include "placement/document/settings_store.h"
#include "support/failing_writes.h"
#include "support/fake_main_window.h"
#include "support/record_files.h"
#include "support/scripted_user_dialogs.h"

namespace {

// The user's own file, where the program keeps every setting.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        where.userFile = dir.filePath(QStringLiteral("user/Kestrun/Gatrel.conf"));
        where.machineFile = dir.filePath(QStringLiteral("machine/Kestrun/Gatrel.conf"));
        RegCreateKey(where, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey));
        attach(s, win);
    }

    void attach(ProgramState& st, FakeMainWindow& w) const
    {
        st.settings.registryFiles = where;
        st.settings.RegRoot = RegistryRoot::CurrentUser;
        w.Attach(st);
    }
    void store(const QString& name, const RegValue& v) const
    {
        RegSetValue(where, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey), name, v);
    }
    RegValue stored(const QString& name) const
    {
        return RegGetValue(where, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey), name);
    }
    // Loads the single value into a fresh state.
    ProgramState loadWith(const QString& name, const RegValue& v) const
    {
        store(name, v);
        ProgramState fresh;
        fresh.settings.registryFiles = where;
        fresh.settings.RegRoot = RegistryRoot::CurrentUser;
        LoadSettings(fresh);
        return fresh;
    }

    QTemporaryDir dir;
    RegistryLocations where;
    ProgramState s;
    FakeMainWindow win;
};

QString N(const char* name)
{
    return QString::fromUtf8(name);
}

} // namespace

TEST_F(SettingsStore, EmptyKeyGivesTheDefaults)
{
    s.LastFiles = {};
    LoadSettings(s);
    EXPECT_EQ(s.AutoStop, 1000);
    EXPECT_EQ(s.settings.DummyUndo, 10);
    EXPECT_EQ(s.settings.AnzImpulse, 0);
    for (int16_t flag : {s.settings.DisplaySplash, s.Scroll, s.ShowGrid, s.SaveICsWithFile,
                         s.settings.SucheNaechstenAnschluss, s.settings.frmICAuswahlVisible, s.settings.BoolSorted})
        EXPECT_EQ(flag, kFalse);
    EXPECT_EQ(s.settings.PanelVisible, (std::array<int16_t, 5>{}));
    EXPECT_EQ(s.settings.BoolAbstandBauteileX, 3);
    EXPECT_EQ(s.settings.BoolAbstandBauteileY, 3);
    EXPECT_EQ(s.settings.BoolAbstandSchalter, 2);
    EXPECT_EQ(s.LastFiles, (std::array<QString, 4>{}));
    EXPECT_EQ(s.Verzeichnisse, (std::array<QString, 3>{}));
    EXPECT_EQ(win.usedFileVisible, (std::array<bool, 4>{}));
    EXPECT_FALSE(win.usedFilesSeparatorVisible);
}

TEST_F(SettingsStore, EverythingSavedLoadsBack)
{
    s.LastFiles = {QStringLiteral("/c/a.gtr"), QStringLiteral("/c/b.gtr"), QString(), QString()};
    s.AutoStop = 2500;
    s.Scroll = kTrue;
    s.ShowGrid = kFalse;
    s.SaveICsWithFile = kTrue;
    s.Verzeichnisse = {QStringLiteral("/c/"), QStringLiteral("/ic/"), QStringLiteral("/bmp/")};
    Settings& st = s.settings;
    st.DisplaySplash = kTrue;
    st.AnzImpulse = 17;
    st.SucheNaechstenAnschluss = kTrue;
    st.LastUsedFile = QStringLiteral("/c/last.gtr");
    st.frmICAuswahlVisible = kTrue;
    st.PanelVisible = {-1, 1, 0, -1, 1};
    st.icManager = {10, 20, 300, 400, 2};
    st.BoolAbstandBauteileX = 5;
    st.BoolAbstandBauteileY = 6;
    st.BoolAbstandSchalter = 4;
    st.BoolVereinfachen = 1;
    st.BoolSave = 1;
    st.BoolSorted = kTrue;
    st.BoolTerme = QStringLiteral("A&B|12");
    SaveSettings(s, 33);

    ProgramState t;
    FakeMainWindow w2;
    attach(t, w2);
    LoadSettings(t);
    EXPECT_EQ(t.LastFiles, s.LastFiles);
    EXPECT_EQ(t.AutoStop, 2500);
    EXPECT_EQ(t.Scroll, kTrue);
    EXPECT_EQ(t.ShowGrid, kFalse);
    EXPECT_EQ(t.SaveICsWithFile, kTrue);
    EXPECT_EQ(t.Verzeichnisse, s.Verzeichnisse);
    const Settings& lt = t.settings;
    EXPECT_EQ(lt.DisplaySplash, kTrue);
    EXPECT_EQ(lt.AnzImpulse, 17);
    EXPECT_EQ(lt.DummyUndo, 33);
    EXPECT_EQ(lt.SucheNaechstenAnschluss, kTrue);
    EXPECT_EQ(lt.LastUsedFile, st.LastUsedFile);
    EXPECT_EQ(lt.frmICAuswahlVisible, kTrue);
    EXPECT_EQ(lt.PanelVisible, st.PanelVisible);
    EXPECT_EQ(lt.icManager.WindowX, 10);
    EXPECT_EQ(lt.icManager.WindowY, 20);
    EXPECT_EQ(lt.icManager.WindowWidth, 300);
    EXPECT_EQ(lt.icManager.WindowHeight, 400);
    EXPECT_EQ(lt.icManager.ICAnsicht, 2);
    EXPECT_EQ(lt.BoolAbstandBauteileX, 5);
    EXPECT_EQ(lt.BoolAbstandBauteileY, 6);
    EXPECT_EQ(lt.BoolAbstandSchalter, 4);
    EXPECT_EQ(lt.BoolVereinfachen, 1);
    EXPECT_EQ(lt.BoolSave, 1);
    EXPECT_EQ(lt.BoolSorted, kTrue);
    EXPECT_EQ(lt.BoolTerme, st.BoolTerme);
    EXPECT_EQ(w2.usedFileCaptions[0], QStringLiteral("&1 /c/a"));
    EXPECT_EQ(w2.usedFileVisible, (std::array<bool, 4>{true, true, false, false}));
}

TEST_F(SettingsStore, ValuesAreStoredWithTheirOwnTypeAndInOrder)
{
    s.LastFiles = {QStringLiteral("12"), QString(), QString(), QString()};
    s.Verzeichnisse = {QStringLiteral("  /with blanks/ "), QStringLiteral("7"), QString()};
    s.settings.BoolTerme = QStringLiteral("12");
    s.settings.PanelVisible = {-1, 1, 0, 0, 0};
    s.settings.frmICAuswahlVisible = kTrue;
    s.Scroll = kTrue;
    s.ShowGrid = 5; // any non-zero flag is written as 1
    s.FormelPanelOpen = true;
    SaveSettings(s, 10);

    EXPECT_EQ(stored(N("LastFile0")), RegValue::Text(N("12")));
    EXPECT_EQ(stored(N("LastFile1")), RegValue::Text(QString()));
    EXPECT_EQ(stored(N("BoolTerme")), RegValue::Text(N("12")));
    EXPECT_EQ(stored(N("Verzeichnisse0")), RegValue::Text(N("/with blanks/")));
    EXPECT_EQ(stored(N("Verzeichnisse1")), RegValue::Text(N("7")));
    EXPECT_EQ(stored(N("AutoStop")), RegValue::Number(1000));
    EXPECT_EQ(stored(N("DummyUndo")), RegValue::Number(10));
    EXPECT_EQ(stored(N("Scroll")), RegValue::Number(1));
    EXPECT_EQ(stored(N("ShowGrid")), RegValue::Number(1));
    EXPECT_EQ(stored(N("DisplaySplash")), RegValue::Number(0));
    EXPECT_EQ(stored(N("frmICAuswahlVisible")), RegValue::Number(1));
    EXPECT_EQ(stored(N("PanelVisible0")), RegValue::Number(1));
    EXPECT_EQ(stored(N("PanelVisible1")), RegValue::Number(-1));
    EXPECT_EQ(stored(N("PanelVisible2")), RegValue::Number(0));
    EXPECT_EQ(stored(N("PanelVisible5")), RegValue::Number(1));
    EXPECT_EQ(stored(N("SucheNächstenAnschluss")), RegValue::Number(0));

    QFile f(where.userFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList names;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.contains('='))
            names << QString::fromUtf8(line.left(line.indexOf('=')));
    const QStringList expected = {
        N("LastFile0"), N("LastFile1"), N("LastFile2"), N("LastFile3"), N("DisplaySplash"), N("AutoStop"),
        N("AnzImpulse"), N("DummyUndo"), N("Scroll"), N("ShowGrid"), N("SaveICsWithFile"),
        N("SucheNächstenAnschluss"), N("LastUsedFile"), N("PanelVisible0"), N("PanelVisible1"),
        N("PanelVisible2"), N("PanelVisible3"), N("PanelVisible4"), N("PanelVisible5"), N("Verzeichnisse0"),
        N("Verzeichnisse1"), N("Verzeichnisse2"), N("frmICAuswahlWindowX"), N("frmICAuswahlWindowY"),
        N("frmICAuswahlWindowWidth"), N("frmICAuswahlWindowHeight"), N("frmICAuswahlICAnsicht"),
        N("frmICAuswahlVisible"), N("BoolAbstandBauteileX"), N("BoolAbstandBauteileY"),
        N("BoolAbstandSchalter"), N("BoolVereinfachen"), N("BoolSave"), N("BoolSorted"), N("BoolTerme")};
    EXPECT_EQ(names, expected);
}

TEST_F(SettingsStore, LastUsedFileComesFromTheDialogWhenItHasOne)
{
    s.settings.LastUsedFile = QStringLiteral("/loaded.gtr");
    s.CmDialog1.FileName = QStringLiteral("/dialog.gtr");
    SaveSettings(s, 10);
    EXPECT_EQ(stored(N("LastUsedFile")).text(), QStringLiteral("/dialog.gtr"));

    s.CmDialog1.FileName.clear();
    SaveSettings(s, 10);
    EXPECT_EQ(stored(N("LastUsedFile")).text(), QStringLiteral("/loaded.gtr"));

    s.ports = Ports{}; // headless: no dialog, no command line
    s.FormelPanelOpen = false;
    s.CmDialog1.FileName.clear();
    SaveSettings(s, 10);
    EXPECT_EQ(stored(N("LastUsedFile")).text(), QStringLiteral("/loaded.gtr"));
    EXPECT_EQ(stored(N("PanelVisible5")), RegValue::Number(0));
}

TEST_F(SettingsStore, RecentFilesArePackedAndLaterEntriesKept)
{
    store(N("LastFile0"), RegValue::Text(N("/a.gtr")));
    store(N("LastFile1"), RegValue::Text(QString()));
    store(N("LastFile2"), RegValue::Text(N("/c.gtr")));
    s.LastFiles = {N("old0"), N("old1"), N("old2"), QString()};
    LoadSettings(s);
    EXPECT_EQ(s.LastFiles, (std::array<QString, 4>{N("/a.gtr"), N("/c.gtr"), N("old2"), QString()}));
    EXPECT_TRUE(win.usedFilesSeparatorVisible);
    EXPECT_EQ(win.usedFileCaptions[1], N("&2 /c"));
}

TEST_F(SettingsStore, FlagsReadTrueOnlyFromOneOrMore)
{
    const std::pair<RegValue, int16_t> cases[] = {
        {RegValue::Number(1), kTrue},           {RegValue::Text(N("1")), kTrue},  {RegValue::Number(2), kTrue},
        {RegValue::Number(-1), kFalse},         {RegValue::Text(N("-1")), kFalse}, {RegValue::Text(N("abc")), kFalse},
        {RegValue::Number(0), kFalse},          {RegValue::Text(QString()), kFalse},
        {RegValue::Number(40000), kFalse}, // outside 16 bits: missing
    };
    for (const auto& [v, expected] : cases) {
        SCOPED_TRACE(v.toText().toStdString());
        EXPECT_EQ(loadWith(N("SaveICsWithFile"), v).SaveICsWithFile, expected);
        EXPECT_EQ(loadWith(N("frmICAuswahlVisible"), v).settings.frmICAuswahlVisible, expected);
    }
}

TEST_F(SettingsStore, NumbersGetTheirDefaultsOnlyWhenMissingOrZero)
{
    EXPECT_EQ(loadWith(N("AutoStop"), RegValue::Number(0)).AutoStop, 1000);
    EXPECT_EQ(loadWith(N("AutoStop"), RegValue::Number(-5)).AutoStop, 1000);
    EXPECT_EQ(loadWith(N("AutoStop"), RegValue::Number(100)).AutoStop, 100); // no dialog limits here
    EXPECT_EQ(loadWith(N("AutoStop"), RegValue::Text(N("2500.9"))).AutoStop, 2500);
    EXPECT_EQ(loadWith(N("AutoStop"), RegValue::Number(32767)).AutoStop, 32767);
    EXPECT_EQ(loadWith(N("AutoStop"), RegValue::Number(32768)).AutoStop, 1000);
    EXPECT_EQ(loadWith(N("AutoStop"), RegValue::Text(N("70000"))).AutoStop, 1000);
    EXPECT_EQ(loadWith(N("DummyUndo"), RegValue::Number(0)).settings.DummyUndo, 10);
    EXPECT_EQ(loadWith(N("DummyUndo"), RegValue::Number(99)).settings.DummyUndo, 99);
    EXPECT_EQ(loadWith(N("DummyUndo"), RegValue::Number(-70000)).settings.DummyUndo, 10);
    EXPECT_EQ(loadWith(N("AnzImpulse"), RegValue::Number(0)).settings.AnzImpulse, 0);
    EXPECT_EQ(loadWith(N("AnzImpulse"), RegValue::Number(100000)).settings.AnzImpulse, 0);
    EXPECT_EQ(loadWith(N("frmICAuswahlWindowX"), RegValue::Number(-20)).settings.icManager.WindowX, 0);
}

TEST_F(SettingsStore, SpacingsHaveMinimums)
{
    store(N("BoolAbstandBauteileX"), RegValue::Number(1));
    store(N("BoolAbstandBauteileY"), RegValue::Number(4));
    store(N("BoolAbstandSchalter"), RegValue::Number(1));
    LoadSettings(s);
    EXPECT_EQ(s.settings.BoolAbstandBauteileX, 3);
    EXPECT_EQ(s.settings.BoolAbstandBauteileY, 4);
    EXPECT_EQ(s.settings.BoolAbstandSchalter, 2);
}

TEST_F(SettingsStore, PanelStatesAreStoredNegated)
{
    const std::pair<RegValue, int16_t> cases[] = {
        {RegValue::Number(-1), 1},       {RegValue::Number(1), -1},         {RegValue::Number(0), 0},
        {RegValue::Text(N("abc")), 0},   {RegValue::Text(N("-1")), 1},      {RegValue::Number(40000), 0},
        {RegValue::Number(-32768), 0},
    };
    for (const auto& [v, expected] : cases) {
        SCOPED_TRACE(v.toText().toStdString());
        EXPECT_EQ(loadWith(N("PanelVisible3"), v).settings.PanelVisible[3], expected);
    }
}

TEST_F(SettingsStore, StoredNumbersReadAsTextForTextSettings)
{
    store(N("BoolTerme"), RegValue::Number(12));
    store(N("Verzeichnisse2"), RegValue::Text(N(" keeps blanks on load ")));
    LoadSettings(s);
    EXPECT_EQ(s.settings.BoolTerme, N("12"));
    EXPECT_EQ(s.Verzeichnisse[2], N(" keeps blanks on load "));
}

TEST_F(SettingsStore, BrokenFileLoadsDefaultsAndIsRepairedBySaving)
{
    const QString path = where.userFile;
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Software\\Kestrun\\Gatrel\\1.0]\nAutoStop=dword:zz\nDummyUndo=\"5\nShowGrid\n\x01\x02\xff\n");
    }
    s.AutoStop = 4000;
    LoadSettings(s);
    EXPECT_EQ(s.AutoStop, 1000);
    EXPECT_EQ(s.settings.DummyUndo, 10);
    EXPECT_EQ(s.ShowGrid, kFalse);

    s.AutoStop = 300;
    SaveSettings(s, 7);
    ProgramState t;
    FakeMainWindow w2;
    attach(t, w2);
    LoadSettings(t);
    EXPECT_EQ(t.AutoStop, 300);
    EXPECT_EQ(t.settings.DummyUndo, 7);
}

TEST_F(SettingsStore, AFailedSaveIsReportedOnceWithFileAndReason)
{
    const QString file = where.userFile;
    const QByteArray old = ReadBytes(file);
    s.AutoStop = 4321;
    auto messagesOfASave = [&](bool diskFull) {
        ScriptedUserDialogs dialogs;
        std::optional<FailingWrites> full;
        if (diskFull)
            full.emplace();
        const bool saved = SaveSettings(s, 10, &dialogs);
        full.reset();
        EXPECT_FALSE(saved);
        return dialogs.MessageTexts();
    };
    const QStringList onFullDisk = messagesOfASave(true);
    ASSERT_EQ(onFullDisk.size(), 1);
    EXPECT_TRUE(onFullDisk[0].contains(file)) << onFullDisk[0].toStdString();
    EXPECT_TRUE(onFullDisk[0].endsWith(u'\n' + FailingWrites::Reason())) << onFullDisk[0].toStdString();
    EXPECT_EQ(ReadBytes(file), old);

    // A folder in the file's place.
    QFile::remove(file);
    QDir().mkpath(file);
    const QStringList onFolder = messagesOfASave(false);
    ASSERT_EQ(onFolder.size(), 1);
    EXPECT_TRUE(onFolder[0].contains(file) && onFolder[0].contains(N("directory"))) << onFolder[0].toStdString();

    // A store without a file keeps nothing and says nothing.
    ProgramState fresh;
    ScriptedUserDialogs dialogs;
    EXPECT_TRUE(SaveSettings(fresh, 10, &dialogs));
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST(SettingsStoreFiles, UserSettingsFileIsPrivate)
{
    QTemporaryDir dir;
    ProgramState s;
    s.settings.registryFiles.userFile = dir.filePath(QStringLiteral("Kestrun/Gatrel.conf"));
    s.settings.RegRoot = RegistryRoot::CurrentUser;
    SaveSettings(s, 10);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(s.settings.registryFiles.userFile).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(SettingsStoreFiles, PerUserRootWinsOverMachineWide)
{
    EXPECT_EQ(ChooseRegRoot(true, true), RegistryRoot::CurrentUser);
    EXPECT_EQ(ChooseRegRoot(true, false), RegistryRoot::CurrentUser);
    EXPECT_EQ(ChooseRegRoot(false, true), RegistryRoot::LocalMachine);
    EXPECT_EQ(ChooseRegRoot(false, false), std::nullopt);

    QTemporaryDir dir;
    const RegistryLocations where{dir.filePath(QStringLiteral("u/Gatrel.conf")),
                                  dir.filePath(QStringLiteral("m/Gatrel.conf"))};
    const QString key = QString::fromLatin1(kSettingsKey);
    WriteInstallSettings(where.machineFile);
    RegSetValue(where, RegistryRoot::LocalMachine, key, N("AutoStop"), RegValue::Number(250));
    auto chosen = [&] {
        return ChooseRegRoot(RegKeyExists(where, RegistryRoot::CurrentUser, key),
                             RegKeyExists(where, RegistryRoot::LocalMachine, key));
    };
    ProgramState s;
    s.settings.registryFiles = where;
    ASSERT_EQ(chosen(), RegistryRoot::LocalMachine);
    s.settings.RegRoot = *chosen();
    LoadSettings(s);
    EXPECT_EQ(s.AutoStop, 250);

    RegSetValue(where, RegistryRoot::CurrentUser, key, N("AutoStop"), RegValue::Number(4000));
    ASSERT_EQ(chosen(), RegistryRoot::CurrentUser);
    s.settings.RegRoot = *chosen();
    LoadSettings(s);
    EXPECT_EQ(s.AutoStop, 4000);
}

TEST(SettingsStoreFiles, TheMachineWideFileHandsOnDefaultsAndIsNeverWritten)
{
    QTemporaryDir dir;
    const RegistryLocations where{dir.filePath(N("u/Gatrel.conf")), dir.filePath(N("m/Gatrel.conf"))};
    const QString key = QString::fromLatin1(kSettingsKey);
    WriteInstallSettings(where.machineFile);
    // A default an administrator set, and what an earlier version left there of one user's work.
    const char* oneUsers[] = {"LastFile0", "LastFile3", "LastUsedFile", "Verzeichnisse0", "Verzeichnisse2",
                              "BoolTerme", "frmICAuswahlWindowX", "frmICAuswahlWindowHeight", "frmICAuswahlVisible"};
    RegSetValue(where, RegistryRoot::LocalMachine, key, N("AutoStop"), RegValue::Number(250));
    for (const char* name : oneUsers)
        RegSetValue(where, RegistryRoot::LocalMachine, key, N(name), RegValue::Text(N("/home/a/")));
    const QByteArray installed = ReadBytes(where.machineFile);
    auto mine = [&](const char* name) { return RegGetValue(where, RegistryRoot::CurrentUser, key, N(name)); };

    ASSERT_TRUE(CreateUserSettings(where));
    EXPECT_EQ(mine("AutoStop"), RegValue::Number(250));
    EXPECT_EQ(mine("PanelVisible4"), RegValue::Number(1));
    EXPECT_EQ(mine("Permissions"), RegGetValue(where, RegistryRoot::LocalMachine, key, N("Permissions")));
    for (const char* name : oneUsers)
        EXPECT_TRUE(mine(name).isEmpty()) << name;

    // Settings read from the machine-wide file go to the user's own when saved; when that
    // cannot be made, the failure names it.
    ASSERT_TRUE(QFile::remove(where.userFile));
    ASSERT_TRUE(QDir().mkpath(where.userFile));
    ProgramState s;
    s.settings.registryFiles = where;
    s.settings.RegRoot = RegistryRoot::LocalMachine;
    LoadSettings(s);
    s.AutoStop = 4000;
    ScriptedUserDialogs dialogs;
    EXPECT_FALSE(SaveSettings(s, 10, &dialogs));
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_TRUE(dialogs.MessageTexts()[0].contains(where.userFile)) << dialogs.MessageTexts()[0].toStdString();
    ASSERT_TRUE(QDir().rmdir(where.userFile));
    EXPECT_TRUE(SaveSettings(s, 10, &dialogs));
    EXPECT_EQ(s.settings.RegRoot, RegistryRoot::CurrentUser);
    EXPECT_EQ(mine("AutoStop"), RegValue::Number(4000));
    EXPECT_FALSE(mine("Permissions").isEmpty());
    EXPECT_EQ(ReadBytes(where.machineFile), installed);
}

TEST(SettingsStoreFiles, InstallSettingsCreateOnlyTheKeyAndKeepValues)
{
    QTemporaryDir dir;
    const RegistryLocations where{QString(), dir.filePath(QStringLiteral("etc/xdg/Kestrun/Gatrel.conf"))};
    const QString key = QString::fromLatin1(kSettingsKey);
    WriteInstallSettings(where.machineFile);
    EXPECT_TRUE(RegKeyExists(where, RegistryRoot::LocalMachine, key));
    RegSetValue(where, RegistryRoot::LocalMachine, key, N("Permissions"), RegValue::Text(N("x")));
    WriteInstallSettings(where.machineFile);
    EXPECT_EQ(RegGetValue(where, RegistryRoot::LocalMachine, key, N("Permissions")).text(), N("x"));
    QFile f(where.machineFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "[1.0]\nPanelVisible0=dword:00000001\nPanelVisible1=dword:00000001\n"
                           "PanelVisible2=dword:00000001\nPanelVisible3=dword:00000001\n"
                           "PanelVisible4=dword:00000001\nPermissions=\"x\"\n");

    // A first start shows every side panel open.
    ProgramState s;
    s.settings.registryFiles = where;
    s.settings.RegRoot = RegistryRoot::LocalMachine;
    LoadSettings(s);
    for (int16_t state : s.settings.PanelVisible)
        EXPECT_EQ(state, -1);
}
