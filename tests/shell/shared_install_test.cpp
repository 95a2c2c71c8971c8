// Two users start the program from one installation, each as the program
// starts: their own settings locations, the installed machine-wide file.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "placement/document/settings_store.h"
#include "model/state.h"
#include "platform/registry.h"
#include "platform/timers.h"
#include "settings/startup.h"
#include "shell/frmGatrel.h"
#include "support/record_files.h"
#include "support/scripted_user_dialogs.h"

namespace {

struct User {
    QString home;
    QString documents() const { return home + QStringLiteral("/Documents"); }
    QString configHome() const { return home + QStringLiteral("/config"); }
};

// One start of the program, up to the main window's loading; Close() ends it.
class ProgramRun {
public:
    ProgramRun(const User& u, const QString& programFolder) : window_(s, dialogs, timers_)
    {
        s.settings.registryFiles = RegistryLocationsFor(u.configHome(), u.home, programFolder);
        s.settings.RegRoot = FindSettingsRoot(s.settings.registryFiles, dialogs).value();
        QDir().mkpath(u.documents());
        loadStatus = window_.Form_Load(QString(), u.documents(), programFolder);
    }
    void Open(const QString& path)
    {
        dialogs.QueueOpenFile(path);
        window_.Menu(QStringLiteral("mOpen"))->trigger();
    }
    bool RecentFileShown(int i) { return window_.MenuItem(QStringLiteral("mUsedFiles"), i)->isVisible(); }
    void Close() { window_.Form_QueryUnload(); }

    ProgramState s;
    ScriptedUserDialogs dialogs;
    int loadStatus = -1;

private:
    VirtualTimerHost timers_;
    frmGatrel window_;
};

class SharedInstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        WriteInstallSettings(machineFile());
        // As an installation owned by another account: nobody else may write it.
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        const auto enter = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QFile::setPermissions(machineFile(), readOnly);
        QFile::setPermissions(machineFolder(), readOnly | enter);
        installed = ReadBytes(machineFile());
        ASSERT_FALSE(installed.isEmpty());
    }
    void TearDown() override
    {
        QFile::setPermissions(machineFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString programFolder() const { return dir.filePath(QStringLiteral("prefix/bin")); }
    QString machineFolder() const { return dir.filePath(QStringLiteral("prefix/etc/xdg/Kestrun")); }
    QString machineFile() const { return machineFolder() + QStringLiteral("/Gatrel.conf"); }

    QTemporaryDir dir;
    QByteArray installed;
    User a{dir.filePath(QStringLiteral("a"))};
    User b{dir.filePath(QStringLiteral("b"))};
};

TEST_F(SharedInstall, EachUserKeepsTheirOwnSettingsAndTheInstallationStaysAsInstalled)
{
    const QString circuit = a.documents() + QStringLiteral("/adder.gtr");
    WriteBytes(circuit, ReadBytes(QStringLiteral(GATREL_TEST_DATA "/empty.gtr")));
    {
        ProgramRun first(a, programFolder());
        ASSERT_EQ(first.loadStatus, 0);
        first.Open(circuit);
        first.s.settings.BoolTerme = QStringLiteral("A&B|C");
        first.Close();
        EXPECT_TRUE(first.dialogs.MessageTexts().isEmpty()) << first.dialogs.MessageTexts().join(u'|').toStdString();
    }
    {
        ProgramRun again(a, programFolder());
        ASSERT_EQ(again.loadStatus, 0);
        EXPECT_EQ(again.s.LastFiles[0], circuit);
        EXPECT_TRUE(again.RecentFileShown(0));
        EXPECT_EQ(again.s.settings.BoolTerme, QStringLiteral("A&B|C"));
        EXPECT_EQ(again.s.Verzeichnisse[1], a.documents() + QStringLiteral("/Gatrel/"));
        again.Close();
    }
    {
        ProgramRun other(b, programFolder());
        ASSERT_EQ(other.loadStatus, 0);
        EXPECT_TRUE(other.dialogs.MessageTexts().isEmpty()) << other.dialogs.MessageTexts().join(u'|').toStdString();
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(other.s.LastFiles[i].isEmpty()) << i;
            EXPECT_FALSE(other.RecentFileShown(i)) << i;
        }
        EXPECT_TRUE(other.s.settings.BoolTerme.isEmpty());
        for (const QString& folder : other.s.Verzeichnisse)
            EXPECT_EQ(folder, b.documents() + QStringLiteral("/Gatrel/"));
        other.Close();
    }
    EXPECT_EQ(ReadBytes(machineFile()), installed);
    EXPECT_TRUE(QFile::exists(a.configHome() + QStringLiteral("/Kestrun/Gatrel.conf")));
    EXPECT_TRUE(QFile::exists(b.configHome() + QStringLiteral("/Kestrun/Gatrel.conf")));
}

} // namespace
